// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coursecheck.h"

#include "challenges/challenge.h"
#include "challenges/challengetest.h"
#include "interpreter/iohandler.h"
#include "interpreter/programtext.h"
#include "interpreter/crashtext.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

QString CaseResult::text() const
{
    if (outOfSteps)
        return QCoreApplication::translate("CourseCheck",
                                           "The program did not end within the step limit!");
    if (passed())
        return QStringLiteral("pass");
    return crashText(stopReason);
}

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

    const std::unique_ptr<IOHandler> handler =
        createTestHandler(challenge, d->editInput, d->editOutput);
    Machine machine(challenge.tapeLength);
    setUpMachine(machine, challenge);
    machine.setHandler(handler.get());
    machine.setProgram(machineProgram(programText));
    result.outcome = CheckResult::Passed;
    for (int i = 0; i < result.caseCount; ++i) {
        const CaseResult caseResult = runCase(machine, d->maximumSteps);
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
    CaseResult result;
    qint64 steps = 0;
    bool stopped = false;
    while (!stopped && steps < maximumSteps) {
        const RunResult ran = machine.run(int(std::min<qint64>(maximumSteps - steps, 1 << 30)));
        stopped = ran.stopped;
        steps += ran.steps;
    }
    if (!stopped) {
        result.outOfSteps = true;
        result.commands = steps;
        return result;
    }
    result.stopReason = machine.stopReason();
    result.commands = stepsTaken(machine, steps);
    return result;
}
