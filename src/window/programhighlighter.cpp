// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programhighlighter.h"

#include "io/programfile.h"
#include "window/palettecolours.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QTextBlock>
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

// A block's state carries its last run of like commands on to the next piece of a long line:
// the run's class times five, plus its length modulo five where every fifth one is marked.
// Only a change in it highlights the next piece again, so a bracket typed into a long line
// of brackets leaves the pieces after it alone.
int runState(CommandClass kind, qsizetype length)
{
    const bool counted = kind == Move || kind == Value;
    return int(kind) * 5 + (counted ? int(length % 5) : 0);
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
    // `counted` commands of the run came before `start`, in the pieces before this one.
    const auto formatRun = [this](CommandClass kind, qsizetype start, qsizetype length,
                                  qsizetype counted) {
        switch (kind) {
        case Move:
        case Value: {
            const QTextCharFormat &plain = kind == Move ? d->moveFormat : d->valueFormat;
            const QTextCharFormat &mark = kind == Move ? d->moveMarkFormat : d->valueMarkFormat;
            setFormat(int(start), int(length), plain);
            // Every fifth command of the run is marked, so that it can be counted in fives.
            for (qsizetype i = 4 - counted % 5; i < length; i += 5)
                setFormat(int(start + i), 1, mark);
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

    qsizetype start = 0;
    CommandClass previous = Other;
    qsizetype counted = 0;
    // A run goes on across the break between two pieces of a line.
    if (continuesLine(currentBlock()) && previousBlockState() >= 0) {
        previous = CommandClass(previousBlockState() / 5);
        counted = previousBlockState() % 5;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const CommandClass kind = commandClass(text.at(i));
        if (kind != previous) {
            formatRun(previous, start, i - start, counted);
            start = i;
            counted = 0;
        }
        previous = kind;
    }
    formatRun(previous, start, text.size() - start, counted);
    setCurrentBlockState(runState(previous, counted + text.size() - start));
    if (d->currentColumn >= 0)
        setFormat(d->currentColumn, 1, d->currentFormat);
}
