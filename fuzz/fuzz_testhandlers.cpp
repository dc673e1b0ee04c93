// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three test handlers with a real machine: a challenge of any test type with test case
// lines of the input's choosing, and a program of the input's choosing, checked as the Test
// button and zindle-check check it, with the handlers writing into panes as in the window.

#include "fuzzsupport.h"

#include "challenges/challenge.h"
#include "challenges/challengetest.h"
#include "challenges/coursecheck.h"
#include "interpreter/iohandler.h"
#include "interpreter/programtext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QPlainTextEdit>

#include <cstdlib>

namespace {

constexpr qint64 StepLimit = 20000;

QString program(FuzzedDataProvider &data)
{
    return fuzzedProgram(data, u"+-<>[],.+-<>[],.,.,. @\n", 80);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    static const char *const types[] = {"normal", "alpha", "nim", "other"};
    Challenge challenge;
    challenge.name = QStringLiteral("Fuzz");
    challenge.testType = QString::fromLatin1(types[data.ConsumeIntegralInRange(0, 3)]);
    challenge.tapeLength = data.ConsumeIntegralInRange(1, 40);
    challenge.programLength = data.ConsumeBool() ? 0 : data.ConsumeIntegralInRange(0, 60);
    for (int i = data.ConsumeIntegralInRange(0, 6); i > 0; --i)
        challenge.testCases.append(QString::fromUtf8(data.ConsumeRandomLengthString(40)));
    const unsigned seed = data.ConsumeIntegral<unsigned>();
    const QString text = program(data);

    // Kept for the whole run and never destroyed, like the application itself.
    static QPlainTextEdit &inputPane = *new QPlainTextEdit;
    static QPlainTextEdit &outputPane = *new QPlainTextEdit;
    CourseCheck check(&inputPane, &outputPane);
    check.setMaximumSteps(StepLimit);
    check.setStopsAtFirstFailure(false);
    std::srand(seed);
    const CheckResult result = check.check(challenge, text);
    require(result.caseCount == challenge.testCases.size(), "every case line counted");
    if (result.outcome == CheckResult::Passed || result.outcome == CheckResult::Failed) {
        require(result.cases.size() == result.caseCount, "every case run");
        bool allPassed = true;
        for (const CaseResult &caseResult : result.cases) {
            allPassed = allPassed && caseResult.passed();
            require(caseResult.outOfSteps || caseResult.stopReason != StopReason::NotStopped,
                    "a case ends with a reason");
            require(caseResult.steps <= StepLimit, "the step limit holds");
            require(!caseResult.text().isEmpty(), "every case has its text");
        }
        require(allPassed == (result.outcome == CheckResult::Passed), "passed if every case did");
    } else {
        require(result.cases.isEmpty() && !result.message.isEmpty(),
                "a refusal runs nothing and says why");
    }

    // Once more as the window runs it: the handler redraws its panes after every case.
    const std::unique_ptr<IOHandler> handler =
            createTestHandler(challenge, &inputPane, &outputPane);
    if (!handler)
        return 0;
    Machine machine(challenge.tapeLength);
    setUpMachine(machine, challenge);
    machine.setHandler(handler.get());
    machine.setProgram(machineProgram(text));
    std::srand(seed);
    for (int i = 0; i < challenge.testCases.size(); ++i) {
        const CaseResult caseResult = CourseCheck::runCase(machine, StepLimit);
        handler->refresh();
        if (caseResult.passed())
            require(handler->isComplete(), "a case passes only when its handler is satisfied");
        if (result.outcome == CheckResult::Passed || result.outcome == CheckResult::Failed)
            require(caseResult.stopReason == result.cases.at(i).stopReason, "judged alike");
    }
    return 0;
}
