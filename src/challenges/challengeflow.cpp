// Selecting a challenge and testing the program against it, one run per test case.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include "challenges/challenge.h"
#include "challenges/challengemodel.h"
#include "challenges/challengetest.h"

#include <QMessageBox>
#include <QModelIndex>

namespace {

// The new tape resets the machine, so the tape view reads it afresh.
void configureMachine(WorkbenchState &s, const Challenge &challenge)
{
    setUpMachine(*s.machine, challenge);
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
    if (s.testsLeft != 0)
        return;
    // The new tape length resets the machine under the run, which could then neither go on
    // nor report; end it first, as Halt would.
    if (s.running) {
        stopRun();
        updateViews();
    }
    const Challenge &challenge = challengeList().at(row);
    s.challengeIndex = row;
    d->ui.editChallenge->setPlainText(challenge.text);
    d->ui.labelRequirements->setText(
        challenge.programLength != 0
            ? tr("Tape length %1, program length %2").arg(challenge.tapeLength).arg(challenge.programLength)
            : tr("Tape length %1").arg(challenge.tapeLength));
    configureMachine(s, challenge);
}

void Zindle::on_buttonTest_clicked()
{
    WorkbenchState &s = d->state;
    if (s.challengeIndex == -1)
        return;
    // Cancel during a test; outside one, the end of an interactive run like Halt.
    if (s.running) {
        stopRun();
        return;
    }
    const Challenge &challenge = challengeList().at(s.challengeIndex);

    // Refused before anything changes.
    const TestRefusal refusal = testRefusal(challenge, commandCount());
    if (refusal.isRefused()) {
        QMessageBox::warning(this, refusal.title, refusal.text);
        return;
    }

    s.testsLeft = int(challenge.testCases.size());
    configureMachine(s, challenge);
    d->testHandler = createTestHandler(challenge, d->ui.editInput, d->ui.editOutput);
    d->installHandler(d->testHandler.get());
    startRun();
    restartTimer();
}

void Zindle::testCasePassed()
{
    WorkbenchState &s = d->state;
    --s.testsLeft;
    if (s.testsLeft > 0) {
        startRun();
        restartTimer();
        return;
    }
    updateViews();
    QMessageBox::information(this, tr("Pass"), tr("Your program has passed the challenge!"));
    endTest();
    markChallengeComplete(s.challengeIndex);
}

void Zindle::testFailed()
{
    QMessageBox::warning(this, tr("Fail"), tr("The program failed the challenge."));
    endTest();
}

void Zindle::endTest()
{
    d->installHandler(d->state.interactiveHandler.get());
    d->testHandler.reset();
    d->state.testsLeft = 0;
    d->applyWindowState();
}
