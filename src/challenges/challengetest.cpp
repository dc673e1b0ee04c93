// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengetest.h"

#include "challenges/alphatesthandler.h"
#include "challenges/challenge.h"
#include "challenges/nimtesthandler.h"
#include "challenges/normaltesthandler.h"
#include "interpreter/machine.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// Every refusal is a text of the window's warning boxes, so it is translated in the window's
// context; zindle-check shows the same words.
struct ChallengeTest
{
    Q_DECLARE_TR_FUNCTIONS(Zindle)
};

} // namespace

// Compared exactly, as the challenge file spells them.
TestType testTypeOf(const Challenge &challenge)
{
    if (challenge.testType == u"normal"_s)
        return TestType::Normal;
    if (challenge.testType == u"alpha"_s)
        return TestType::Alpha;
    if (challenge.testType == u"nim"_s)
        return TestType::Nim;
    return TestType::Unknown;
}

TestRefusal testRefusal(const Challenge &challenge, int commandCount)
{
    TestRefusal refusal;
    if (challenge.testCases.isEmpty()) {
        refusal.reason = TestRefusal::NoTestCases;
        refusal.title = ChallengeTest::tr("Test");
        refusal.text = ChallengeTest::tr("This challenge cannot be tested: it has no test cases.");
    } else if (testTypeOf(challenge) == TestType::Unknown) {
        refusal.reason = TestRefusal::UnknownTestType;
        refusal.title = ChallengeTest::tr("Test");
        refusal.text =
            ChallengeTest::tr("This challenge cannot be tested: its test type \"%1\" is unknown.")
                .arg(challenge.testType);
    } else if (challenge.programLength != 0 && commandCount > challenge.programLength) {
        refusal.reason = TestRefusal::ProgramTooLong;
        refusal.title = ChallengeTest::tr("Program length");
        refusal.text = ChallengeTest::tr("Your program is %1 commands. This task requires a "
                                         "program of %2 or less commands.")
                           .arg(commandCount)
                           .arg(challenge.programLength);
    }
    return refusal;
}

std::unique_ptr<IOHandler> createTestHandler(const Challenge &challenge, QPlainTextEdit *input,
                                             QPlainTextEdit *output)
{
    switch (testTypeOf(challenge)) {
    case TestType::Normal:
        return std::make_unique<NormalTestHandler>(input, output, challenge.testCases);
    case TestType::Alpha:
        return std::make_unique<AlphaTestHandler>(input, output, challenge.testCases);
    case TestType::Nim:
        return std::make_unique<NimTestHandler>(input, output);
    case TestType::Unknown:
        break;
    }
    return nullptr;
}

void setUpMachine(Machine &machine, const Challenge &challenge)
{
    machine.setMaximumValue(Machine::DefaultMaximumValue);
    machine.setTapeLength(challenge.tapeLength);
}

qint64 stepsTaken(const Machine &machine, qint64 stepCalls)
{
    return machine.currentCommand().isNull() ? stepCalls - 1 : stepCalls;
}
