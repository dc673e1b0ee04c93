// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMFILE_H
#define PROGRAMFILE_H

#include <QByteArray>
#include <QString>

#include <functional>

class QPlainTextEdit;
class QTextBlock;
class QTextCursor;
class QTextDocument;

// How long reading or writing a pipe may keep its caller waiting. Without these limits a pipe
// that nobody writes to or reads from, or whose writer goes on and on, would hold it forever.
struct FileWait
{
    int writerMilliseconds = 2000; // for a writer to come
    int silenceMilliseconds = 10000; // for the other end to go on
    int totalMilliseconds = 60000; // for all of it
    // Asked at least ten times a second while waiting; false gives up at once.
    std::function<bool()> keepWaiting;
};

// A program file as read: its text, and the bytes that it was read from, so that the text
// saved unchanged is written back byte for byte.
struct ProgramFile
{
    QString text;
    QByteArray bytes;
};

// Program files are plain text, UTF-8 or UTF-16 with its byte order mark; bytes that are not
// UTF-8 are read as Latin-1. Reading drops a line end after the last line; writing puts the
// text out in UTF-8 and never leaves a half-written file in place of the old one. On failure
// `error` says why. A pipe is read until its writer closes it, and is given up after the
// limits of `wait`; a pipe is written only while someone reads it.
bool readProgramFile(const QString &name, QString *text, QString *error);
bool readProgramFile(const QString &name, ProgramFile *file, QString *error,
                     const FileWait &wait = {});
bool writeProgramFile(const QString &name, const QString &text, QString *error);
bool writeProgramFile(const QString &name, const QByteArray &bytes, QString *error,
                      const FileWait &wait = {});

// The text of a program file's bytes: "\r\n" and "\n" end lines, any other carriage return
// is part of the text.
QString programFileText(const QByteArray &bytes);
// The bytes that saving this text writes when it is not the text of a file read.
QByteArray programFileBytes(const QString &text);

// The editor turns carriage returns and a few other characters into line breaks of its own,
// and shows a long line in pieces (see LinePieceLength). These two carry both through the
// editor, so that a program opened and saved unchanged is written back as it was read.
void setEditorFileText(QPlainTextEdit *editor, const QString &text);
QString editorFileText(const QPlainTextEdit *editor);

// Shows a file read in the editor and remembers its bytes: as long as the editor holds its
// text, editorFileBytes() gives them back as they were; after an edit, programFileBytes().
// These are the bytes that Save writes.
void setEditorFile(QPlainTextEdit *editor, const ProgramFile &file);
QByteArray editorFileBytes(const QPlainTextEdit *editor);

// A line much longer than the editor is wide is held as pieces of at most this many characters,
// each piece after the first a block marked as continuing the line. The editor lays out a whole
// block on every change and only the blocks in view, so a line of a million commands in one
// block took a second for each key. A piece ends like a line on screen, but it is no line end:
// the text that Save writes and the clipboard takes leaves it out, and the plain text that the
// machine runs has a line break there, a non-command, so a position in it is a document position.
constexpr int LinePieceLength = 1000;

// Whether this block is a piece that continues the line of the block before it.
bool continuesLine(const QTextBlock &block);
// False when no block of the document continues a line, found without a look at every block.
bool mayHoldPieces(const QTextDocument *document);
// Inserts `text` at the cursor as a paste does, with every line end in it a line end of its
// own (never a piece of the cursor's line) and its long lines in pieces, as one edit.
void insertProgramText(QTextCursor *cursor, const QString &text);
// Starts a new line at the cursor, as Return does, also inside a piece of a long line.
void insertLineBreak(QTextCursor *cursor);
// The selected text as plain text, line ends as line feeds, without the breaks between pieces.
QString selectedProgramText(const QTextCursor &cursor);

#endif // PROGRAMFILE_H
