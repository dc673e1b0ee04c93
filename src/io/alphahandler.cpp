// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alphahandler.h"

#include "io/alphabet.h"
#include "io/panewriter.h"
// Upward on purpose: the handler is constructed with the window and uses its panes.
#include "window/zindle.h"

#include <QString>

AlphaHandler::AlphaHandler(Zindle *window)
    : AlphaHandler(window->inputEdit(), window->outputEdit())
{
}

AlphaHandler::AlphaHandler(QPlainTextEdit *input, QPlainTextEdit *output)
    : InteractiveHandler(input, output, Prompt::Line)
{
}

AlphaHandler::~AlphaHandler() = default;

bool AlphaHandler::readValue(const QString &text, qsizetype *position, int *value) const
{
    while (*position < text.size() && !text.at(*position).isLetter()
           && text.at(*position) != u'\n')
        ++*position;
    if (*position == text.size())
        return false;
    // A letter outside a to z comes out negative, which the machine refuses as bad input.
    *value = letterValue(text.at((*position)++).toLower());
    return true;
}

bool AlphaHandler::output(int value)
{
    if (value < 0 || value > LetterCount)
        return false;
    const QChar character = value == 0 ? QChar(QChar::LineSeparator) : valueLetter(value);
    writer().append(QStringView(&character, 1));
    return true;
}
