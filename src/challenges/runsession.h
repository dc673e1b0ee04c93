// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RUNSESSION_H
#define RUNSESSION_H

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QObject>
#include <QtGlobal>
#include <QString>

#include <functional>
#include <memory>

// What a challenge test has still to run and how far the case running got. A small record of
// its own, so that a unit running a test's cases can take it over whole. The steps of the cases
// are the ChallengeRun's to count, from caseStepCalls as each case ends.
struct TestProgress
{
    // Cases still to run, counting the one running; above 0 exactly while a test runs.
    int casesLeft = 0;
    // Calls of the machine's step() in the case running.
    qint64 caseStepCalls = 0;
};

// One run of a program and everything it carries: the machine, the handler installed in it,
// where the run is to pause, the pacing of its batches and the progress of a challenge test.
// It knows no widget: the window shows it and forwards its commands to it, and a test drives it
// without a window. Its batches run from a timer on a host object (the window, whose own timer
// events drive runs, or the session itself), which hands its timer events to runTimerEvent().
class RunHistory;

class RunSession : public QObject
{
    Q_OBJECT

public:
    // The entries of the step-to menu, numbered as their Ctrl+digit shortcuts.
    enum class StepTo { TenSteps = 1, HundredSteps, ThousandSteps, OutOfLoop, NextInput,
                        NextOutput };

    // The ways back through a run, as the window's back actions give them.
    enum class BackTo { OneStep, TenSteps, HundredSteps, ThousandSteps, Output, Input,
                        Breakpoint, Start };

    // `timerHost` null: the session's own timer events drive its runs.
    explicit RunSession(QObject *timerHost = nullptr, QObject *parent = nullptr);
    ~RunSession() override;

    Machine &machine() const;

    // Where each run takes its program from: the editor's text, read afresh at every start.
    void setProgramSource(std::function<QString()> source);

    // The handler used outside tests; the session owns it and installs it unless a test runs.
    void setInteractiveHandler(std::unique_ptr<IOHandler> handler);
    // The handler installed in the machine now, which the views refresh.
    IOHandler *handler() const;

    // Commands per second of a run outside a test; 0 is full speed. Applies from the next start
    // of the run timer.
    void setRunSpeed(int commandsPerSecond);
    int runSpeed() const;

    bool isRunning() const;
    bool isTimerActive() const;
    bool isTesting() const;

    // The run commands, as the window's actions give them.
    void run();
    void step();
    void stepTo(StepTo mode);
    void halt();
    // Goes back through the run's history: a continuous run pauses, and a run that ended is
    // taken up again at the step gone back to. The way forward again follows the history.
    void stepBack(BackTo mode);

    // Every run outside a test is recorded, so that it can go back; a test records nothing.
    const RunHistory &history() const;
    // True while the machine shows a step before the furthest one the run reached. The
    // handler still stands at the furthest step, so the views show the history's output then.
    bool isBehind() const;
    // Forgets the history, as a changed program or machine setting makes it untrue. A run that
    // was behind ends, as its handler stands further on than its machine.
    void endHistory();

    // A run from the beginning of the program, paused until the timer starts or a step runs.
    void startRun();
    // Ends the run; runStopped() reports why.
    void stopRun();
    // Up to `count` steps of the run in progress, then the views and, if the machine stopped,
    // the end of the run.
    void runSteps(int count);
    // Up to `count` steps that no breakpoint pauses, as a test runs a case; then as runSteps().
    void runPastBreakpoints(qint64 count);
    void restartTimer();
    // Refreshes the handler's panes and asks the views to follow the machine.
    void refreshViews();

    // A challenge test of `cases` cases judged by `handler`, which the session owns until
    // endTest(). The caller starts its first run.
    void beginTest(std::unique_ptr<IOHandler> handler, int cases);
    // Counts the case that just finished, whose step calls are read before; true when more
    // are left.
    bool passCase();
    // Puts the interactive handler back and forgets the test.
    void endTest();
    const TestProgress &testProgress() const;

    // For the host's timerEvent(): runs a batch and answers true if the event was the run
    // timer's.
    bool runTimerEvent(int timerId);

signals:
    // A run started or ended: what the user may touch changes.
    void runningChanged(bool running);
    // The machine moved; views show it now.
    void viewsChanged();
    // The run ended, for the reason the machine gives (NotStopped: halted or cancelled).
    void runStopped(StopReason reason);
    // A continuous run's timer started at full speed (true) or stopped or runs at a watchable
    // pace (false): the window then paints at the screen's pace rather than after each batch.
    void pacingChanged(bool paced);
    // Before each run starts, and after each batch of steps: where a history of the run looks.
    void runStarting();
    void batchDone();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    Q_DISABLE_COPY_MOVE(RunSession)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // RUNSESSION_H
