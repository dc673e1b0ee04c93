#ifndef PROGRAMFILE_H
#define PROGRAMFILE_H

class QString;

// Program files are plain text in the locale's encoding. Reading joins the lines with "\n",
// so a line end after the last line is not kept; writing puts the text out unchanged and
// never leaves a half-written file in place of the old one. On failure `error` says why.
bool readProgramFile(const QString &name, QString *text, QString *error);
bool writeProgramFile(const QString &name, const QString &text, QString *error);

#endif // PROGRAMFILE_H
