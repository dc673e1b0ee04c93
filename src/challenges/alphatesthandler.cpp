// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alphatesthandler.h"

#include "io/alphabet.h"
// Upward on purpose: the handler is constructed with the window and uses its panes.
#include "window/zindle.h"

#include <QObject>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

struct AlphaTestHandler::Private
{
    QPlainTextEdit *editInput = nullptr;
    QPlainTextEdit *editOutput = nullptr;
    QStringList cases;
    int caseIndex = 0;
    QString inputText;
    QString expectedText;
    int inputPosition = 0;
    int outputPosition = 0;
};

AlphaTestHandler::AlphaTestHandler(Zindle *window, const QStringList &cases)
    : AlphaTestHandler(window->inputEdit(), window->outputEdit(), cases)
{
}

AlphaTestHandler::AlphaTestHandler(QPlainTextEdit *input, QPlainTextEdit *output,
                                   const QStringList &cases)
    : d(std::make_unique<Private>())
{
    d->editInput = input;
    d->editOutput = output;
    d->cases = cases;
}

AlphaTestHandler::~AlphaTestHandler() = default;

void AlphaTestHandler::start()
{
    d->inputPosition = 0;
    d->outputPosition = 0;
    const QString line = d->cases.value(d->caseIndex);
    ++d->caseIndex;

    const QStringList parts = line.split(u" => "_s);
    if (parts.size() != 2) {
        // Not a case at all: run it as an empty one rather than repeating the previous case.
        d->inputText.clear();
        d->expectedText.clear();
        return;
    }

    d->inputText = parts.at(0);
    if (!d->inputText.isEmpty())
        d->inputText += u'\n';
    d->inputText.replace(u"\\n"_s, u"\n"_s);
    d->expectedText = parts.at(1);
    if (d->editInput)
        d->editInput->setPlainText(d->inputText);
    if (d->editOutput)
        d->editOutput->setPlainText(QObject::tr("Required output: %1").arg(d->expectedText));
}

bool AlphaTestHandler::hasInput()
{
    return d->inputPosition < d->inputText.size();
}

int AlphaTestHandler::input()
{
    if (!hasInput())
        return 0;
    return letterValue(d->inputText.at(d->inputPosition++));
}

bool AlphaTestHandler::output(int value)
{
    if (d->outputPosition >= d->expectedText.size())
        return false;
    const QChar expected = d->expectedText.at(d->outputPosition++);
    // Only a line break stands for 0: a backquote would compute to 0 as well.
    if (value == 0)
        return expected == u'\n';
    return letterValue(expected) == value;
}

bool AlphaTestHandler::isComplete()
{
    return d->inputPosition == d->inputText.size() && d->outputPosition == d->expectedText.size();
}
