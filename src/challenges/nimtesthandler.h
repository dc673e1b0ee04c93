// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NIMTESTHANDLER_H
#define NIMTESTHANDLER_H

#include "interpreter/iohandler.h"

#include <functional>
#include <memory>

class QPlainTextEdit;
class Zindle;

// Plays one game of Nim per run against the program: deals three piles, hands the program
// the pile sizes and the computer's moves as input, and checks the program's moves, given
// as output, against the rules.
class NimTestHandler : public IOHandler
{
public:
    explicit NimTestHandler(Zindle *window);
    explicit NimTestHandler(QPlainTextEdit *input, QPlainTextEdit *output);
    ~NimTestHandler() override;

    void start() override;
    void refresh() override;
    bool hasInput() override;
    int input() override;
    bool output(int value) override;
    bool isComplete() override;

    // Where the deal and the computer's choices come from: rand() unless set, so that a game
    // can be recorded as it is dealt and dealt again exactly.
    void setRandomSource(std::function<int()> source);

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // NIMTESTHANDLER_H
