// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Debug this case on the slowest case of the course: the reference solution of Sorted, whose
// eighth case takes some ten million steps. Prints how long the window takes from the request
// to the pause, and how long the same replay takes without a window.

#include "windowbench.h"

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/challengerun.h"
#include "interpreter/machine.h"
#include "io/programfile.h"
#include "modalanswerer.h"
#include "window/testresultsview.h"
#include "window/zindle.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    const auto app = benchApplication(argc, argv);
    QFile course(u":/challenges.xml"_s);
    if (!course.open(QIODevice::ReadOnly))
        return 1;
    ChallengeLoader loader(&course);
    loader.read();
    constexpr int Sorted = 42;
    QString program;
    QString error;
    if (!readProgramFile(QStringLiteral(ZINDLE_SOURCE_DIR)
                             + u"/tests/challenges/solutions/42-sorted.bf"_s,
                         &program, &error))
        return 1;

    ChallengeRun run(challengeList().at(Sorted));
    Machine machine(1);
    run.setUp(machine, program);
    int slowest = 0;
    for (int i = 0; i < run.caseCount(); ++i) {
        if (run.runCase(machine, i, 1000000000).steps > run.cases().at(slowest).steps)
            slowest = i;
    }
    QElapsedTimer clock;
    clock.start();
    run.beginReplay(machine, slowest);
    ChallengeRun::runSteps(machine, ChallengeRun::pauseStep(run.cases().at(slowest)));
    std::printf("case %d of Sorted, %lld steps: replay without a window %.1f ms\n", slowest + 1,
                static_cast<long long>(run.cases().at(slowest).steps),
                double(clock.nsecsElapsed()) / 1e6);

    Zindle window;
    window.show();
    ModalAnswerer answerer;
    answerer.expectMessageBox(u"Pass"_s, u"Your program has passed the challenge!"_s);
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    auto *challenges = window.findChild<QTableView *>(u"tableChallenge"_s);
    challenges->setCurrentIndex(challenges->model()->index(Sorted, 1));
    window.findChild<QPlainTextEdit *>(u"editProgram"_s)->setPlainText(program);
    window.findChild<QPushButton *>(u"buttonTest"_s)->click();
    if (!QTest::qWaitFor([&] { return answerer.isDone(); }, 120000))
        return 1;
    auto *view = window.findChild<TestResultsView *>();
    view->table()->selectRow(slowest);
    clock.restart();
    view->findChild<QPushButton *>(u"buttonDebugCase"_s)->click();
    std::printf("Debug this case in the window: %.1f ms to the pause\n",
                double(clock.nsecsElapsed()) / 1e6);
    return 0;
}
