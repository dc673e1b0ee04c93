// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMMARK_H
#define PROGRAMMARK_H

#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// The document position that the highlighter shows as the command executed last; -1 for none.
inline int markedPosition(const QPlainTextEdit *editor)
{
    const QTextDocument *document = editor->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.background().color() == QColor(255, 128, 0))
                return block.position() + range.start;
        }
    }
    return -1;
}

#endif // PROGRAMMARK_H
