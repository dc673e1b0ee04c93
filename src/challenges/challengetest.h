// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHALLENGETEST_H
#define CHALLENGETEST_H

#include <QString>

#include <memory>

class IOHandler;
class Machine;
class QPlainTextEdit;
struct Challenge;

// The rules for testing a program against a challenge, in one place for the window's Test
// button and for zindle-check, so that both refuse, set up and judge alike.

// Which test handler judges a challenge: the test type as the challenge file spells it.
enum class TestType { Unknown, Normal, Alpha, Nim };
TestType testTypeOf(const Challenge &challenge);

// Why a test cannot start; a refusal whose reason is None lets it start.
struct TestRefusal
{
    enum Reason { None, NoTestCases, UnknownTestType, ProgramTooLong };

    Reason reason = None;
    // The title of the window's warning box, and the text both the box and zindle-check show.
    QString title;
    QString text;

    bool isRefused() const { return reason != None; }
};

// A test counts its cases by finished runs and needs a handler to judge them, so a challenge
// that lacks either could never end. The challenge is checked before the program: no program
// can pass a challenge that cannot be tested, so nobody is sent to shorten one in vain.
TestRefusal testRefusal(const Challenge &challenge, int commandCount);

// The test handler for the challenge's test type, writing each case into the given panes (if
// any); nullptr for a type that has none.
std::unique_ptr<IOHandler> createTestHandler(const Challenge &challenge, QPlainTextEdit *input,
                                             QPlainTextEdit *output);

// Gives the machine the challenge's tape, which resets it, and the course's maximum value,
// whatever the user had set.
void setUpMachine(Machine &machine, const Challenge &challenge);

// The steps a finished run took, from the calls of step() it made: the call that finds the end
// of the program executes no command and is no step.
qint64 stepsTaken(const Machine &machine, qint64 stepCalls);

#endif // CHALLENGETEST_H
