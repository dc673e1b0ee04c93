// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RUNSESSION_H
#define RUNSESSION_H

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// What a challenge test has still to run and what its passed cases took. A small record of its
// own, so that a unit running a test's cases can take it over whole.
struct TestProgress
{
    // Cases still to run, counting the one running; above 0 exactly while a test runs.
    int casesLeft = 0;
    // Calls of the machine's step() in the case running, and the steps of the cases passed.
    qint64 caseStepCalls = 0;
    qint64 steps = 0;
};

// One run of a program and everything it carries: the machine, the handler installed in it,
// where the run is to pause, the pacing of its batches and the progress of a challenge test.
// It knows no widget: the window shows it and forwards its commands to it, and a test drives it
// without a window. Its batches run from a timer on a host object (the window, whose own timer
// events drive runs, or the session itself), which hands its timer events to runTimerEvent().
class RunSession : public QObject
{
    Q_OBJECT

public:
    // The entries of the step-to menu, numbered as their Ctrl+digit shortcuts.
    enum class StepTo { TenSteps = 1, HundredSteps, ThousandSteps, OutOfLoop, NextInput,
                        NextOutput };

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

    // A run from the beginning of the program, paused until the timer starts or a step runs.
    void startRun();
    // Ends the run; runStopped() reports why.
    void stopRun();
    // Up to `count` steps of the run in progress, then the views and, if the machine stopped,
    // the end of the run.
    void runSteps(int count);
    void restartTimer();
    // Refreshes the handler's panes and asks the views to follow the machine.
    void refreshViews();

    // A challenge test of `cases` cases judged by `handler`, which the session owns until
    // endTest(). The caller starts its first run.
    void beginTest(std::unique_ptr<IOHandler> handler, int cases);
    // Counts the case that just finished; true when more are left.
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
