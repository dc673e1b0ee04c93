// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Selecting a challenge and testing the program against it, one run per test case.

// Upward on purpose: the test flow is part of the window and implements its members.
#include "window/zindle.h"
#include "window/zindle_p.h"

#include "challenges/challenge.h"
#include "challenges/challengemodel.h"
#include "challenges/challengetest.h"
#include "challenges/progressstore.h"
#include "io/programfile.h"

#include <QDir>
#include <QMessageBox>
#include <QModelIndex>

using namespace Qt::StringLiterals;

namespace {

// The new tape resets the machine, so the tape view reads it afresh.
void resetForChallenge(WorkbenchState &s, const Challenge &challenge)
{
    setUpMachine(s.session->machine(), challenge);
    s.tapeModel->resetModel();
}

} // namespace

void Zindle::selectChallenge(const QModelIndex &index)
{
    WorkbenchState &s = d->state;
    const int row = index.row();
    if (row < 0 || row >= challengeList().size())
        return;
    // A test owns the machine until it ends; the table is disabled meanwhile.
    if (s.session->isTesting())
        return;
    // The new tape length resets the machine under the run, which could then neither go on
    // nor report; end it first, as Halt would.
    if (s.session->isRunning())
        s.session->halt();
    const Challenge &challenge = challengeList().at(row);
    s.challengeIndex = row;
    d->ui.editChallenge->setPlainText(challenge.text);
    d->ui.labelRequirements->setText(
        challenge.programLength != 0
            ? tr("Tape length %1, program length %2").arg(challenge.tapeLength)
                  .arg(challenge.programLength)
            : tr("Tape length %1").arg(challenge.tapeLength));
    resetForChallenge(s, challenge);
    showRecords();
}

void Zindle::showRecords()
{
    const int row = d->state.challengeIndex;
    if (row < 0)
        return;
    const Challenge &challenge = challengeList().at(row);
    QStringList lines;
    if (challenge.parCommands > 0) {
        lines.append(challenge.parSteps > 0
                         ? tr("Par: %1 commands, %2 steps").arg(challenge.parCommands)
                               .arg(challenge.parSteps)
                         : tr("Par: %1 commands").arg(challenge.parCommands));
    }
    const PassScore best = d->records.best(row);
    if (best.isValid())
        lines.append(tr("Your best: %1 commands, %2 steps").arg(best.commands).arg(best.steps));
    else if (isChallengeComplete(row))
        lines.append(tr("Your best: passed, no program kept"));
    else
        lines.append(tr("Your best: not passed yet"));
    int complete = 0;
    for (int i = 0; i < challengeList().size(); ++i)
        complete += isChallengeComplete(i) ? 1 : 0;
    lines.append(tr("%1 of %2 complete").arg(complete).arg(challengeList().size()));
    d->ui.labelRecords->setText(lines.join(u'\n'));
    d->ui.actionOpenBest->setEnabled(best.isValid());
}

void Zindle::on_buttonTest_clicked()
{
    WorkbenchState &s = d->state;
    if (s.challengeIndex == -1)
        return;
    // Cancel during a test; outside one, the end of an interactive run like Halt.
    if (s.session->isRunning()) {
        s.session->stopRun();
        return;
    }
    const Challenge &challenge = challengeList().at(s.challengeIndex);

    // Refused before anything changes.
    const TestRefusal refusal = testRefusal(challenge, commandCount());
    if (refusal.isRefused()) {
        QMessageBox::warning(this, refusal.title, refusal.text);
        return;
    }

    resetForChallenge(s, challenge);
    s.session->beginTest(d->beginTestResults(challenge), int(challenge.testCases.size()));
    s.session->startRun();
    s.session->restartTimer();
}

void Zindle::testCasePassed()
{
    WorkbenchState &s = d->state;
    d->recordTestCase();
    if (s.session->passCase()) {
        s.session->startRun();
        s.session->restartTimer();
        return;
    }
    const QString program = editorFileText(d->ui.editProgram);
    const PassScore score{commandCount(), d->challengeRun->totalSteps()};
    s.session->refreshViews();
    QMessageBox::information(this, tr("Pass"), tr("Your program has passed the challenge!"));
    endTest();
    markChallengeComplete(s.challengeIndex);
    // The pass stands whatever happens to the copy of the program kept with it.
    const QList<UnkeptProgram> unkept = d->records.recordPass(s.challengeIndex, program, score);
    showRecords();
    tellStoreFailure();
    if (unkept.isEmpty())
        return;
    QStringList files;
    for (const UnkeptProgram &file : unkept)
        files.append(tr("%1:\n%2").arg(QDir::toNativeSeparators(file.fileName), file.error));
    QMessageBox::warning(this, tr("Keep program"),
                         tr("Your passing program could not be kept in\n%1\n\n"
                            "The challenge is marked complete all the same.")
                             .arg(files.join(u"\n"_s)));
}

void Zindle::testFailed()
{
    d->recordTestCase();
    QMessageBox::warning(this, tr("Fail"), tr("The program failed the challenge."));
    endTest();
}

void Zindle::endTest()
{
    d->state.session->endTest();
    d->applyWindowState();
}

void Zindle::tellStoreFailure()
{
    // Once: every later pass would fail the same way. What the store holds stays in memory, so
    // the marks and records show until the window closes.
    const StoreFailure failure = ProgressStore::instance().takeFailureToTell();
    if (!failure.isFailure())
        return;
    QMessageBox::warning(this, tr("Keep progress"),
                         tr("Your progress could not be saved in\n%1\n%2\n\n"
                            "Passes show until Zindle closes, but are lost after that.")
                             .arg(failure.fileName, failure.reason));
}
