// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMHIGHLIGHTER_H
#define PROGRAMHIGHLIGHTER_H

#include <QSyntaxHighlighter>

#include <memory>

class QTextDocument;

// Colours the program's commands by kind, underlines every fifth command of a run of like
// commands so that long runs can be counted, and marks the command executed last.
class ProgramHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit ProgramHighlighter(QTextDocument *document);
    ~ProgramHighlighter() override;

    // Marks the character at this document position, dropping the previous mark; -1 only drops it.
    void setCurrentPosition(int position);

protected:
    void highlightBlock(const QString &text) override;

private:
    Q_DISABLE_COPY_MOVE(ProgramHighlighter)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PROGRAMHIGHLIGHTER_H
