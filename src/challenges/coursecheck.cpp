// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coursecheck.h"

#include "challenges/challenge.h"
#include "challenges/challengetest.h"
#include "interpreter/iohandler.h"
#include "interpreter/programtext.h"

struct CourseCheck::Private
{
    QPlainTextEdit *editInput = nullptr;
    QPlainTextEdit *editOutput = nullptr;
    qint64 maximumSteps = DefaultMaximumSteps;
    bool stopsAtFirstFailure = true;
};

CourseCheck::CourseCheck(QPlainTextEdit *input, QPlainTextEdit *output)
    : d(std::make_unique<Private>())
{
    d->editInput = input;
    d->editOutput = output;
}

CourseCheck::~CourseCheck() = default;

qint64 CourseCheck::maximumSteps() const
{
    return d->maximumSteps;
}

void CourseCheck::setMaximumSteps(qint64 steps)
{
    d->maximumSteps = steps;
}

bool CourseCheck::stopsAtFirstFailure() const
{
    return d->stopsAtFirstFailure;
}

void CourseCheck::setStopsAtFirstFailure(bool stop)
{
    d->stopsAtFirstFailure = stop;
}

CheckResult CourseCheck::check(const Challenge &challenge, const QString &programText) const
{
    CheckResult result;
    result.commandCount = countCommands(programText);
    result.caseCount = int(challenge.testCases.size());
    const TestRefusal refusal = testRefusal(challenge, result.commandCount);
    if (refusal.isRefused()) {
        result.outcome = refusal.reason == TestRefusal::ProgramTooLong ? CheckResult::TooLong
                                                                        : CheckResult::NoTest;
        result.message = refusal.text;
        return result;
    }

    ChallengeRun run(challenge, d->editInput, d->editOutput);
    Machine machine(challenge.tapeLength);
    run.setUp(machine, programText);
    result.outcome = CheckResult::Passed;
    for (int i = 0; i < result.caseCount; ++i) {
        const CaseResult &caseResult = run.runCase(machine, i, d->maximumSteps);
        result.cases.append(caseResult);
        if (!caseResult.passed()) {
            result.outcome = CheckResult::Failed;
            if (d->stopsAtFirstFailure)
                break;
        }
    }
    return result;
}

CaseResult CourseCheck::runCase(Machine &machine, qint64 maximumSteps)
{
    machine.start();
    if (IOHandler *handler = machine.handler())
        handler->start();
    return finishCase(machine, maximumSteps);
}

CaseResult CourseCheck::finishCase(Machine &machine, qint64 maximumSteps)
{
    const ChallengeRun::Steps steps = ChallengeRun::runSteps(machine, maximumSteps);
    CaseResult result;
    result.outOfSteps = !steps.stopped;
    result.stopReason = machine.stopReason();
    result.steps = result.outOfSteps ? steps.stepCalls : stepsTaken(machine, steps.stepCalls);
    result.verdict = result.passed() ? CaseResult::Passed : CaseResult::Failed;
    return result;
}
