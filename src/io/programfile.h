// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMFILE_H
#define PROGRAMFILE_H

class QByteArray;
class QPlainTextEdit;
class QString;

// Program files are plain text in the locale's encoding. Reading joins the lines with "\n",
// so a line end after the last line is not kept; writing puts the text out unchanged and
// never leaves a half-written file in place of the old one. On failure `error` says why.
// A pipe is read until its writer closes it; one that nobody writes to fails after a moment
// instead of waiting forever.
bool readProgramFile(const QString &name, QString *text, QString *error);
bool writeProgramFile(const QString &name, const QString &text, QString *error);

// The text of a program file's bytes: "\r\n" and "\n" end lines, any other carriage return
// is part of the text.
QString programFileText(const QByteArray &bytes);

// The editor turns carriage returns and a few other characters into line breaks of its own.
// These two carry them through the editor, so that a program opened and saved unchanged is
// written back as it was read.
void setEditorFileText(QPlainTextEdit *editor, const QString &text);
QString editorFileText(const QPlainTextEdit *editor);

#endif // PROGRAMFILE_H
