// Selecting a challenge and testing the program against it, one run per test case.

#include "window/zindle.h"
#include "window/zindle_p.h"

#if __has_include("challenges/challenge.h") && __has_include("challenges/challengemodel.h")
#include "challenges/challenge.h"
#include "challenges/challengemodel.h"
#define ZINDLE_HAVE_CHALLENGES 1
#endif
#if __has_include("challenges/normaltesthandler.h")
#define ZINDLE_HAVE_TESTHANDLERS 1
#endif

#include <QMessageBox>
#include <QModelIndex>

namespace {

constexpr int TestMaximumValue = 33713;

} // namespace

void Zindle::selectChallenge(const QModelIndex &index)
{
#ifdef ZINDLE_HAVE_CHALLENGES
    WorkbenchState &s = d->state;
    const int row = index.row();
    if (row < 0 || row >= challengeList().size())
        return;
    // A test owns the machine until it ends; the table is disabled meanwhile.
    if (s.testsLeft != 0)
        return;
    // The new tape length resets the machine, so an interactive run in progress ends here,
    // as Halt would end it.
    if (s.running) {
        stopRun();
        updateViews();
    }
    const Challenge &challenge = challengeList().at(row);
    s.challengeIndex = row;
    d->ui.editChallenge->setPlainText(challenge.text);
    d->ui.buttonTest->setEnabled(true);
    s.machine->setMaximumValue(TestMaximumValue);
    s.machine->setTapeLength(challenge.tapeLength);
    d->ui.labelRequirements->setText(
        challenge.programLength != 0
            ? tr("Tape length %1, program length %2").arg(challenge.tapeLength).arg(challenge.programLength)
            : tr("Tape length %1").arg(challenge.tapeLength));
#ifdef ZINDLE_HAVE_TAPEMODEL
    s.tapeModel->resetModel();
#endif
#else
    Q_UNUSED(index)
#endif
}

void Zindle::on_buttonTest_clicked()
{
#ifdef ZINDLE_HAVE_CHALLENGES
    WorkbenchState &s = d->state;
    if (s.challengeIndex == -1)
        return;
    if (s.running) {
        stopRun();
        return;
    }
    const Challenge &challenge = challengeList().at(s.challengeIndex);
    const int count = commandCount();
    if (challenge.programLength != 0 && count > challenge.programLength) {
        QMessageBox::warning(this, tr("Program length"),
                             tr("Your program is %1 commands. This task requires a program of %2 or less commands.")
                                 .arg(count)
                                 .arg(challenge.programLength));
        return;
    }
#ifdef ZINDLE_HAVE_TESTHANDLERS
    std::unique_ptr<IOHandler> handler(challenge.createTestHandler(this));
#else
    std::unique_ptr<IOHandler> handler;
#endif
    if (!handler || challenge.testCases.isEmpty())
        return;
    s.testsLeft = int(challenge.testCases.size());
    s.machine->setMaximumValue(TestMaximumValue);
    s.machine->setTapeLength(challenge.tapeLength);
#ifdef ZINDLE_HAVE_TAPEMODEL
    s.tapeModel->resetModel();
#endif
    d->testHandler = std::move(handler);
    s.activeHandler = d->testHandler.get();
    s.machine->setHandler(s.activeHandler);
    d->ui.toolBar->setEnabled(false);
    d->ui.tableChallenge->setEnabled(false);
    d->ui.buttonTest->setText(tr("Cancel"));
    startRun();
    restartTimer();
#endif
}

void Zindle::testCasePassed()
{
#ifdef ZINDLE_HAVE_CHALLENGES
    WorkbenchState &s = d->state;
    --s.testsLeft;
    if (s.testsLeft > 0) {
        startRun();
        restartTimer();
        return;
    }
    updateViews();
    QMessageBox::information(this, tr("Pass"), tr("Your program has passed the challenge!"));
    const int row = s.challengeIndex;
    endTest();
    markChallengeComplete(row);
#endif
}

void Zindle::testFailed()
{
    QMessageBox::warning(this, tr("Fail"), tr("The program failed the challenge."));
    endTest();
}

void Zindle::endTest()
{
    WorkbenchState &s = d->state;
    s.machine->setHandler(s.interactiveHandler.get());
    s.activeHandler = s.interactiveHandler.get();
    d->testHandler.reset();
    s.testsLeft = 0;
    d->ui.toolBar->setEnabled(true);
    d->ui.tableChallenge->setEnabled(true);
    d->ui.buttonTest->setText(tr("Test"));
}
