// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numerichandler.h"

#include "io/panewriter.h"
// Upward on purpose: the handler is constructed with the window and uses its panes.
#include "window/zindle.h"

#include <QString>

using namespace Qt::StringLiterals;

NumericHandler::NumericHandler(Zindle *window)
    : NumericHandler(window->inputEdit(), window->outputEdit())
{
}

NumericHandler::NumericHandler(QPlainTextEdit *input, QPlainTextEdit *output)
    : InteractiveHandler(input, output, Prompt::Number)
{
    writer().setSeparator(u", "_s);
}

NumericHandler::~NumericHandler() = default;

bool NumericHandler::readValue(const QString &text, qsizetype *position, int *value) const
{
    // Everything but a digit separates numbers, the minus sign included: input is never
    // negative.
    while (*position < text.size() && !text.at(*position).isDigit())
        ++*position;
    if (*position == text.size())
        return false;
    const qsizetype begin = *position;
    while (*position < text.size() && text.at(*position).isDigit())
        ++*position;
    bool ok = false;
    *value = QStringView(text).sliced(begin, *position - begin).toInt(&ok);
    // A run that fits no 32-bit number must not pass for 0: -1 makes the machine refuse it.
    if (!ok)
        *value = -1;
    return true;
}

bool NumericHandler::output(int value)
{
    PaneWriter &shown = writer();
    if (!shown.isEmpty())
        shown.append(u", ");
    shown.append(QString::number(value));
    return true;
}
