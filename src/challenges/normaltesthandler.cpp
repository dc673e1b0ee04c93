// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "normaltesthandler.h"

// Upward on purpose: the handler is constructed with the window and uses its panes.
#include "window/zindle.h"

#include <QList>
#include <QObject>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

// A malformed or empty piece counts as 0, like the course file's own tolerance.
void appendNumbers(QList<int> &queue, const QString &part)
{
    const QStringList pieces = part.split(u',');
    for (const QString &piece : pieces)
        queue.append(piece.toInt());
}

} // namespace

struct NormalTestHandler::Private
{
    QPlainTextEdit *editInput = nullptr;
    QPlainTextEdit *editOutput = nullptr;
    QStringList cases;
    int caseIndex = 0;
    QList<int> inputQueue;
    QList<int> expectedQueue;
};

NormalTestHandler::NormalTestHandler(Zindle *window, const QStringList &cases)
    : NormalTestHandler(window->inputEdit(), window->outputEdit(), cases)
{
}

NormalTestHandler::NormalTestHandler(QPlainTextEdit *input, QPlainTextEdit *output,
                                     const QStringList &cases)
    : d(std::make_unique<Private>())
{
    d->editInput = input;
    d->editOutput = output;
    d->cases = cases;
}

NormalTestHandler::~NormalTestHandler() = default;

void NormalTestHandler::start()
{
    d->inputQueue.clear();
    d->expectedQueue.clear();
    // value() keeps a run beyond the last line harmless: it becomes an empty case.
    const QString line = d->cases.value(d->caseIndex);
    ++d->caseIndex;

    const QStringList parts = line.split(u" => "_s);
    if (parts.size() != 2)
        return;

    const QString &inputPart = parts.at(0);
    const QString &expectedPart = parts.at(1);
    if (!inputPart.isEmpty())
        appendNumbers(d->inputQueue, inputPart);
    if (d->editInput) {
        d->editInput->setPlainText(inputPart.isEmpty() ? QObject::tr("No test input.")
                                                       : QObject::tr("Test input: %1")
                                                             .arg(inputPart));
    }
    if (d->editOutput)
        d->editOutput->setPlainText(QObject::tr("Required output: %1").arg(expectedPart));
    if (!expectedPart.isEmpty())
        appendNumbers(d->expectedQueue, expectedPart);
}

bool NormalTestHandler::hasInput()
{
    return !d->inputQueue.isEmpty();
}

int NormalTestHandler::input()
{
    return d->inputQueue.isEmpty() ? 0 : d->inputQueue.takeFirst();
}

bool NormalTestHandler::output(int value)
{
    if (d->expectedQueue.isEmpty())
        return false;
    return d->expectedQueue.takeFirst() == value;
}

bool NormalTestHandler::isComplete()
{
    return d->inputQueue.isEmpty() && d->expectedQueue.isEmpty();
}
