// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program-file reader on arbitrary bytes, and the editor's round trip: whatever text a
// file gives, putting it into the editor and taking it out for saving gives it back unchanged,
// and saving it unchanged writes the very bytes read, while the editor's plain text keeps one
// character for each, plus one line break between two pieces of a long line, as the run and
// the highlighting count positions by it.

#include "fuzzsupport.h"

#include "io/programfile.h"

#include <QPlainTextEdit>
#include <QTextBlock>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const QString text = programFileText(file);

    // Kept for the whole run and never destroyed, like the application itself.
    static QPlainTextEdit &editor = *new QPlainTextEdit;
    setEditorFile(&editor, ProgramFile{text, file});
    require(editorFileText(&editor) == text, "the editor gives back the file's text");
    require(editorFileBytes(&editor) == file, "saving it unchanged writes the file's bytes");
    qsizetype pieces = 0;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        require(block.length() - 1 <= LinePieceLength, "a long line is held in pieces");
        pieces += continuesLine(block) ? 1 : 0;
    }
    require(editor.toPlainText().size() == text.size() + pieces,
            "one editor position per character and per break between pieces");
    require(!editor.document()->isUndoAvailable(), "reading a file is nothing to undo");
    return 0;
}
