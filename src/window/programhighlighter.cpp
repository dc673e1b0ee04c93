// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programhighlighter.h"

#include "window/palettecolours.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

enum CommandClass { Other, Move, Value, Loop, InputOutput };

CommandClass commandClass(QChar character)
{
    switch (character.unicode()) {
    case u'<':
    case u'>':
        return Move;
    case u'+':
    case u'-':
        return Value;
    case u'[':
    case u']':
    case u'@':
        return Loop;
    case u',':
    case u'.':
        return InputOutput;
    default:
        return Other;
    }
}

// The written colour on a light palette; on a dark one, lightened to stay readable on the
// editor's base.
QColor shown(const QColor &colour)
{
    const QPalette palette = QGuiApplication::palette();
    return isDarkPalette(palette) ? readableOn(colour, palette.color(QPalette::Base)) : colour;
}

QTextCharFormat colourFormat(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(shown(colour));
    return format;
}

QTextCharFormat markFormat(QTextCharFormat format)
{
    format.setUnderlineStyle(QTextCharFormat::DotLine);
    return format;
}

} // namespace

struct ProgramHighlighter::Private
{
    QTextCharFormat moveFormat = colourFormat(QColor(192, 0, 0));
    QTextCharFormat moveMarkFormat = markFormat(moveFormat);
    QTextCharFormat valueFormat = colourFormat(QColor(0, 128, 255));
    QTextCharFormat valueMarkFormat = markFormat(valueFormat);
    QTextCharFormat loopFormat = colourFormat(QColor(128, 0, 192));
    QTextCharFormat ioFormat = colourFormat(QColor(0, 128, 0));
    QTextCharFormat currentFormat = colourFormat(QColor(255, 255, 255));
    // Follows the marked command through edits, so the block to clear is always a live one
    // (a stored QTextBlock would dangle once the document drops it, e.g. on loading a file).
    QTextCursor currentBlock;
    // Where to draw the mark, set only while its block is re-highlighted.
    int currentColumn = -1;
};

ProgramHighlighter::ProgramHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
    , d(std::make_unique<Private>())
{
    d->ioFormat.setFontWeight(QFont::Bold);
    const QColor orange(255, 128, 0);
    d->currentFormat.setBackground(orange);
    // White on orange is too faint for a dark palette's users, who get dark text on it.
    if (isDarkPalette(QGuiApplication::palette()))
        d->currentFormat.setForeground(readableOn(QColor(255, 255, 255), orange));
    d->currentFormat.setFontWeight(QFont::Black);
}

ProgramHighlighter::~ProgramHighlighter() = default;

void ProgramHighlighter::setCurrentPosition(int position)
{
    if (!d->currentBlock.isNull())
        rehighlightBlock(d->currentBlock.block());
    d->currentBlock = QTextCursor();
    if (position < 0 || !document())
        return;
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid())
        return;
    d->currentBlock = QTextCursor(document());
    d->currentBlock.setPosition(position);
    d->currentColumn = position - block.position();
    rehighlightBlock(block);
    d->currentColumn = -1;
}

void ProgramHighlighter::highlightBlock(const QString &text)
{
    const auto formatRun = [this](CommandClass kind, qsizetype start, qsizetype length) {
        switch (kind) {
        case Move:
        case Value: {
            const QTextCharFormat &plain = kind == Move ? d->moveFormat : d->valueFormat;
            const QTextCharFormat &mark = kind == Move ? d->moveMarkFormat : d->valueMarkFormat;
            // Every fifth command of the run is marked, so that it can be counted in fives.
            for (; length >= 5; start += 5, length -= 5) {
                setFormat(int(start), 4, plain);
                setFormat(int(start + 4), 1, mark);
            }
            if (length > 0)
                setFormat(int(start), int(length), plain);
            break;
        }
        case Loop:
            setFormat(int(start), int(length), d->loopFormat);
            break;
        case InputOutput:
            setFormat(int(start), int(length), d->ioFormat);
            break;
        case Other:
            break;
        }
    };

    qsizetype start = -1;
    CommandClass previous = Other;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const CommandClass kind = commandClass(text.at(i));
        if (kind != previous) {
            formatRun(previous, start, i - start);
            start = i;
        }
        previous = kind;
    }
    formatRun(previous, start, text.size() - start);
    if (d->currentColumn >= 0)
        setFormat(d->currentColumn, 1, d->currentFormat);
}
