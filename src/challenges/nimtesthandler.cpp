// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "nimtesthandler.h"

// Upward on purpose: the handler is constructed with the window and uses its panes.
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QStringList>

#include <array>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Where the game stands in the move protocol: the program reads the three piles, then the
// program's pile and count (two outputs) alternate with the computer's (two inputs).
enum class Phase {
    SendPile1,
    SendPile2,
    SendPile3,
    ComputerPile,
    ComputerCount,
    ProgramPile,
    ProgramCount,
};

} // namespace

struct NimTestHandler::Private
{
    bool allEmpty() const { return piles[0] == 0 && piles[1] == 0 && piles[2] == 0; }
    int computerPile();
    int computerCount();

    QPlainTextEdit *editInput = nullptr;
    QPlainTextEdit *editOutput = nullptr;
    QStringList transcript;
    std::array<int, 3> piles = {0, 0, 0};
    int chosenPile = 0;
    Phase phase = Phase::SendPile1;
};

// The computer leaves one object in a pile that holds more than one, chosen at random
// among those; it takes the last object of a pile only when no pile holds more than one.
int NimTestHandler::Private::computerPile()
{
    QList<int> candidates;
    for (int i = 0; i < 3; ++i) {
        if (piles[std::size_t(i)] > 1)
            candidates.append(i);
    }
    if (candidates.isEmpty()) {
        for (int i = 0; i < 3; ++i) {
            if (piles[std::size_t(i)] > 0)
                candidates.append(i);
        }
    }
    chosenPile = candidates.at(std::rand() % int(candidates.size()));
    phase = Phase::ComputerCount;
    transcript.append(QString::number(chosenPile + 1));
    return chosenPile + 1;
}

int NimTestHandler::Private::computerCount()
{
    int &pile = piles[std::size_t(chosenPile)];
    const int count = pile > 1 ? pile - 1 : 1;
    pile -= count;
    phase = Phase::ProgramPile;
    transcript.append(QString::number(count));
    return count;
}

NimTestHandler::NimTestHandler(Zindle *window)
    : NimTestHandler(window->inputEdit(), window->outputEdit())
{
}

NimTestHandler::NimTestHandler(QPlainTextEdit *input, QPlainTextEdit *output)
    : d(std::make_unique<Private>())
{
    d->editInput = input;
    d->editOutput = output;
}

NimTestHandler::~NimTestHandler() = default;

void NimTestHandler::start()
{
    d->phase = Phase::SendPile1;
    d->piles[0] = std::rand() % 30 + 1;
    d->piles[1] = std::rand() % 30 + 1;
    // A non-zero XOR makes every deal a win for the side that moves first: the program.
    do {
        d->piles[2] = (std::rand() % 30 + 1) ^ d->piles[0] ^ d->piles[1];
    } while (d->piles[2] == 0);
    d->transcript = {QString::number(d->piles[0]), QString::number(d->piles[1]),
                     QString::number(d->piles[2])};
}

void NimTestHandler::refresh()
{
    if (!d->editInput || !d->editOutput)
        return;
    d->editOutput->setPlainText(u"Piles: %1 %2 %3"_s.arg(d->piles[0]).arg(d->piles[1])
                                    .arg(d->piles[2]));
    d->editInput->setPlainText(u"Computer play: %1"_s.arg(d->transcript.join(u',')));
}

bool NimTestHandler::hasInput()
{
    switch (d->phase) {
    case Phase::SendPile1:
    case Phase::SendPile2:
    case Phase::SendPile3:
    case Phase::ComputerCount:
        return true;
    case Phase::ComputerPile:
        return !d->allEmpty();
    case Phase::ProgramPile:
    case Phase::ProgramCount:
        break;
    }
    return false;
}

int NimTestHandler::input()
{
    switch (d->phase) {
    case Phase::SendPile1:
        d->phase = Phase::SendPile2;
        return d->piles[0];
    case Phase::SendPile2:
        d->phase = Phase::SendPile3;
        return d->piles[1];
    case Phase::SendPile3:
        d->phase = Phase::ProgramPile;
        return d->piles[2];
    case Phase::ComputerPile:
        if (d->allEmpty())
            return 0;
        return d->computerPile();
    case Phase::ComputerCount:
        return d->computerCount();
    case Phase::ProgramPile:
    case Phase::ProgramCount:
        break;
    }
    return 0;
}

bool NimTestHandler::output(int value)
{
    switch (d->phase) {
    case Phase::ProgramPile:
        d->phase = Phase::ProgramCount;
        if (value < 1 || value > 3 || d->piles[std::size_t(value - 1)] == 0)
            return false;
        d->chosenPile = value - 1;
        return true;
    case Phase::ProgramCount: {
        d->phase = Phase::ComputerPile;
        int &pile = d->piles[std::size_t(d->chosenPile)];
        if (value < 0 || value > pile)
            return false;
        pile -= value;
        return true;
    }
    default:
        return false;
    }
}

bool NimTestHandler::isComplete()
{
    return d->allEmpty();
}
