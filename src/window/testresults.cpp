// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cases of the last test in the "Test results" view, and Debug this case: one case of the
// test run again in the window, paused where it went wrong.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include "challenges/challenge.h"
#include "challenges/challengetest.h"
#include "window/testresultsmodel.h"
#include "window/testresultsview.h"

#include <QAction>
#include <QDockWidget>
#include <QTableView>

using namespace Qt::StringLiterals;

void Zindle::Private::setupTestResults()
{
    auto *dock = new QDockWidget(Zindle::tr("Test results"), q);
    dock->setObjectName(u"dockTestResults"_s);
    testResults = new TestResultsView(dock);
    dock->setWidget(testResults);
    q->addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();

    // On the window, not in the written menus, so that its key also works while a run holds
    // the menus.
    QAction *show = dock->toggleViewAction();
    show->setObjectName(u"actionTestResults"_s);
    show->setText(Zindle::tr("Test &results"));
    show->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    q->addAction(show);
    QObject::connect(show, &QAction::triggered, q, [this](bool shown) {
        if (shown)
            testResults->table()->setFocus();
    });
    QObject::connect(testResults, &TestResultsView::debugCaseRequested, q,
                     [this](int row) { debugCase(row); });
}

std::unique_ptr<IOHandler> Zindle::Private::beginTestResults(const Challenge &challenge)
{
    challengeRun = std::make_unique<ChallengeRun>(challenge, ui.editInput, ui.editOutput);
    testResults->model()->setCases(challengeRun->cases());
    testResults->parentWidget()->show();
    return challengeRun->createHandler();
}

void Zindle::Private::recordTestCase()
{
    RunSession &session = *state.session;
    const CaseResult &result =
        challengeRun->endCase(session.machine(), session.testProgress().caseStepCalls);
    testResults->model()->setCase(result.number - 1, result);
    // The failed case is where Debug this case starts.
    if (result.verdict == CaseResult::Failed)
        testResults->table()->selectRow(result.number - 1);
}

bool Zindle::Private::setUpCaseReplay(int row)
{
    RunSession &session = *state.session;
    if (!challengeRun || row < 0 || row >= challengeRun->caseCount() || session.isRunning())
        return false;
    // As the test ran it: the challenge's tape and maximum, the case's input without prompts,
    // the same judge; and a game dealt as it was. The replay's handler stands in for the
    // interactive one until its run ends.
    setUpMachine(session.machine(), challengeRun->challenge());
    state.tapeModel->resetModel();
    challengeRun->prepareReplay(row);
    session.setInteractiveHandler(challengeRun->createHandler());
    replaying = true;
    session.startRun();
    return true;
}

void Zindle::Private::debugCase(int row)
{
    if (!setUpCaseReplay(row))
        return;
    // Straight to where the case went wrong, past breakpoints as the test went.
    state.session->runPastBreakpoints(ChallengeRun::pauseStep(challengeRun->cases().at(row)));
    ui.editProgram->setFocus();
}

void Zindle::Private::endReplay()
{
    if (!replaying)
        return;
    replaying = false;
    state.session->setInteractiveHandler(newInteractiveHandler(ui.actionAlphabet->isChecked()));
}
