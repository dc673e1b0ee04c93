// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COURSECHECK_H
#define COURSECHECK_H

#include "challenges/challengerun.h"
#include "interpreter/machine.h"

#include <QList>
#include <QString>

#include <memory>

class QPlainTextEdit;
struct Challenge;

// How a program fared against one challenge.
struct CheckResult
{
    enum Outcome { Passed, Failed, TooLong, NoTest };

    Outcome outcome = NoTest;
    int commandCount = 0;
    int caseCount = 0;
    // The cases run, in order; the run stops at the first failure unless told otherwise.
    QList<CaseResult> cases;
    // Why no case was run (TooLong, NoTest); empty otherwise.
    QString message;
};

// Tests a program against a challenge without the window: the same machine, test handlers
// and rules as the window's Test button, one run per test case line. For teachers' scripts
// and for checking the course's reference solutions.
class CourseCheck
{
public:
    static constexpr qint64 DefaultMaximumSteps = 100000000;

    // The test handlers write each case into these panes, as they do in the window. Without
    // panes the cases are run all the same, and no graphical application is needed.
    explicit CourseCheck(QPlainTextEdit *input = nullptr, QPlainTextEdit *output = nullptr);
    ~CourseCheck();

    qint64 maximumSteps() const;
    // Steps allowed per case, so that a program that never ends fails instead of hanging.
    void setMaximumSteps(qint64 steps);
    bool stopsAtFirstFailure() const;
    void setStopsAtFirstFailure(bool stop);

    CheckResult check(const Challenge &challenge, const QString &programText) const;

    // Starts the machine and whatever handler it has, then runs the case.
    static CaseResult runCase(Machine &machine, qint64 maximumSteps);
    // Steps a machine already started until it stops or the limit runs out.
    static CaseResult finishCase(Machine &machine, qint64 maximumSteps);

private:
    Q_DISABLE_COPY_MOVE(CourseCheck)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // COURSECHECK_H
