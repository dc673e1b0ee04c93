// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/runsession.h"

#include "interpreter/iohandler.h"
#include "interpreter/programtext.h"
#include "interpreter/runhistory.h"
#include "io/pacer.h"

#include <QElapsedTimer>
#include <QTimerEvent>

#include <algorithm>

namespace {

// A continuous run works for a frame of the screen between two turns of the event loop: long
// enough that the repaint which follows each batch (a few milliseconds) takes a small share of
// the time, short enough that the window still repaints some 40 times a second and answers at
// once. It looks at the time after every run() of chunkSteps steps, which it sizes to take about
// ChunkNanoseconds.
constexpr qint64 BatchNanoseconds = Pacer::FrameNanoseconds;
constexpr qint64 ChunkNanoseconds = 250000;
// A chunk that ran cheap steps (loops worked out at once) must not grow so large that the same
// count of dear ones would hold the window up.
constexpr int LargestChunk = 1 << 20;

} // namespace

struct RunSession::Private
{
    Private(RunSession *session, QObject *host)
        : q(session)
        , timerHost(host ? host : session)
    {
    }

    void installHandler(IOHandler *handler);
    void startRunTimer();
    void killRunTimer();
    // True when the run timer paces the run at runSpeed, as it does every run but a test's.
    bool watchable() const { return runSpeed != 0 && progress.casesLeft == 0; }
    // The steps a watchable run owes by its clock, each through runSteps(1) with its refresh.
    void runWatchable();
    // One batch at full speed: chunks of steps until its time is up, the run pauses or stops,
    // or a prompt opened.
    void runBatch();
    // Runs up to `count` steps of the run in progress. A stop condition met ends the pending
    // step-to mode and the run timer.
    RunResult advance(int count);
    // After the steps of a batch: the run timer again if a prompt held it off, the views, and
    // the end of the run if the machine stopped.
    void endBatch(bool paused);

    RunSession *const q;
    QObject *const timerHost;
    Machine machine{Limits::DefaultTapeLength};
    // Declared after the machine, which it reads, so that it goes first.
    RunHistory history{&machine};
    std::function<QString()> programSource;
    std::unique_ptr<IOHandler> interactiveHandler;
    // The handler of the challenge test in progress; activeHandler points to it meanwhile.
    std::unique_ptr<IOHandler> testHandler;
    IOHandler *activeHandler = nullptr;
    TestProgress progress;
    // True from the start of a run until stopRun(); the machine's own running flag differs.
    bool running = false;
    int timerId = -1;
    // Where continuous running pauses: a program position (-1: none) and a command (null: none).
    int stopPosition = -1;
    QChar stopCommand;
    // True while steps run. An interactive handler may open a modal prompt in the middle of a
    // batch; a timer event that arrives from the prompt's event loop must not step the machine
    // again.
    bool inBatch = false;
    // The run timer was killed while a prompt was open and is to be started again.
    bool timerHeldOff = false;
    // The steps of one machine run() in a continuous run, sized by the time they take.
    int chunkSteps = 1000;
    // Commands per second of a run, as chosen in the Run speed menu; 0 is full speed.
    int runSpeed = 0;
    // A watchable run's clock, started with its timer, and the steps it took since.
    QElapsedTimer speedClock;
    qint64 speedSteps = 0;
};

void RunSession::Private::installHandler(IOHandler *handler)
{
    // The history answers for the handler it recorded; it gives that one back first.
    history.clear();
    activeHandler = handler;
    machine.setHandler(handler);
}

void RunSession::Private::startRunTimer()
{
    // A watchable run ticks for every command due, so that each command's state is shown.
    const bool watched = watchable();
    timerId = watched ? timerHost->startTimer(std::max(1, 1000 / runSpeed), Qt::PreciseTimer)
                      : timerHost->startTimer(0);
    speedClock.start();
    speedSteps = 0;
    emit q->pacingChanged(!watched);
}

void RunSession::Private::killRunTimer()
{
    if (timerId != -1) {
        timerHost->killTimer(timerId);
        timerId = -1;
    }
    emit q->pacingChanged(false);
}

RunResult RunSession::Private::advance(int count)
{
    const RunStops stops{stopPosition, stopCommand};
    RunResult result;
    if (count == 1) {
        // A single step goes through step(), the machine's reference.
        result.steps = 1;
        result.stopped =
            (history.isRecording() ? history.step() : machine.step()) || stops.metBy(machine);
    } else {
        result = history.isRecording() ? history.run(count, stops) : machine.run(count, stops);
    }
    if (progress.casesLeft != 0)
        progress.caseStepCalls += result.steps;
    if (result.stopped) {
        stopCommand = u'@';
        stopPosition = -1;
        killRunTimer();
    }
    return result;
}

void RunSession::Private::runWatchable()
{
    // After a stall (a busy machine, a dragged window) the run goes on at its pace rather than
    // rushing through what it owes.
    const qint64 most = std::max(1, runSpeed / 10);
    const qint64 owed = speedClock.nsecsElapsed() * runSpeed / 1000000000 - speedSteps;
    const qint64 due = std::min(owed, most);
    speedSteps += owed - due;
    // Each command as a Step would run it; a pause, the end or a prompt's new timer ends the
    // tick.
    const int timer = timerId;
    for (qint64 i = 0; i < due && timerId == timer; ++i) {
        ++speedSteps;
        q->runSteps(1);
    }
}

void RunSession::Private::runBatch()
{
    inBatch = true;
    QElapsedTimer batch;
    batch.start();
    bool paused = false;
    do {
        const qint64 chunkStart = batch.nsecsElapsed();
        paused = advance(chunkSteps).stopped;
        if (paused || timerHeldOff)
            break;
        const qint64 spent = std::max<qint64>(1, batch.nsecsElapsed() - chunkStart);
        const qint64 fitting = qint64(chunkSteps) * ChunkNanoseconds / spent;
        chunkSteps = int(std::clamp<qint64>(fitting, 2, std::min(2 * chunkSteps, LargestChunk)));
    } while (batch.nsecsElapsed() < BatchNanoseconds);
    inBatch = false;
    endBatch(paused);
}

void RunSession::Private::endBatch(bool paused)
{
    // A prompt held the timer off in the middle of this batch; the run goes on unless it
    // stopped meanwhile.
    if (timerHeldOff) {
        timerHeldOff = false;
        if (!paused && running)
            startRunTimer();
    }
    emit q->batchDone();
    q->refreshViews();
    if (machine.stopReason() != StopReason::NotStopped)
        q->stopRun();
}

RunSession::RunSession(QObject *timerHost, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>(this, timerHost))
{
}

RunSession::~RunSession()
{
    if (d->timerId != -1)
        d->timerHost->killTimer(d->timerId);
}

Machine &RunSession::machine() const
{
    return d->machine;
}

void RunSession::setProgramSource(std::function<QString()> source)
{
    d->programSource = std::move(source);
}

void RunSession::setInteractiveHandler(std::unique_ptr<IOHandler> handler)
{
    if (!d->testHandler)
        d->installHandler(handler.get());
    d->interactiveHandler = std::move(handler);
}

IOHandler *RunSession::handler() const
{
    return d->activeHandler;
}

void RunSession::setRunSpeed(int commandsPerSecond)
{
    d->runSpeed = commandsPerSecond;
}

int RunSession::runSpeed() const
{
    return d->runSpeed;
}

bool RunSession::isRunning() const
{
    return d->running;
}

bool RunSession::isTimerActive() const
{
    return d->timerId != -1;
}

bool RunSession::isTesting() const
{
    return d->progress.casesLeft != 0;
}

void RunSession::run()
{
    if (!d->running)
        startRun();
    if (d->timerId != -1) {
        d->killRunTimer();
        refreshViews();
    } else {
        d->startRunTimer();
    }
}

void RunSession::step()
{
    if (!d->running)
        startRun();
    d->killRunTimer();
    runSteps(1);
}

void RunSession::stepTo(StepTo mode)
{
    if (!d->running)
        startRun();
    d->killRunTimer();
    switch (mode) {
    case StepTo::TenSteps:
        runSteps(10);
        break;
    case StepTo::HundredSteps:
        runSteps(100);
        break;
    case StepTo::ThousandSteps:
        runSteps(1000);
        break;
    case StepTo::OutOfLoop:
        d->stopCommand = QChar();
        d->stopPosition = d->machine.findLoopEnd(d->machine.programCounter());
        restartTimer();
        break;
    case StepTo::NextInput:
        d->stopCommand = u',';
        restartTimer();
        break;
    case StepTo::NextOutput:
        d->stopCommand = u'.';
        restartTimer();
        break;
    }
}

void RunSession::halt()
{
    stopRun();
    refreshViews();
}

void RunSession::stepBack(BackTo mode)
{
    RunHistory &history = d->history;
    if (!history.isRecording() || d->inBatch)
        return;
    d->killRunTimer();
    const qint64 at = history.position();
    qint64 target = 0;
    switch (mode) {
    case BackTo::OneStep:
        target = at - 1;
        break;
    case BackTo::TenSteps:
        target = at - 10;
        break;
    case BackTo::HundredSteps:
        target = at - 100;
        break;
    case BackTo::ThousandSteps:
        target = at - 1000;
        break;
    case BackTo::Output:
        target = history.previousStep(u'.');
        break;
    case BackTo::Input:
        target = history.previousStep(u',');
        break;
    case BackTo::Breakpoint:
        target = history.previousStep(u'@');
        break;
    case BackTo::Start:
        break;
    }
    history.goTo(std::max<qint64>(target, 0));
    // A pending step-to mode belonged to the way forward from elsewhere.
    d->stopPosition = -1;
    d->stopCommand = d->progress.casesLeft != 0 ? QChar() : QChar(u'@');
    if (!d->running) {
        d->running = true;
        emit runningChanged(true);
    }
    refreshViews();
}

const RunHistory &RunSession::history() const
{
    return d->history;
}

bool RunSession::isBehind() const
{
    return d->history.isRecording() && d->history.position() < d->history.end();
}

void RunSession::endHistory()
{
    if (d->running && isBehind())
        stopRun();
    d->history.clear();
}

void RunSession::startRun()
{
    d->running = true;
    emit runningChanged(true);
    emit runStarting();
    d->machine.setProgram(machineProgram(d->programSource ? d->programSource() : QString()));
    d->machine.start();
    d->stopPosition = -1;
    d->stopCommand = d->progress.casesLeft != 0 ? QChar() : QChar(u'@');
    d->activeHandler->start();
    // A test records nothing, so that it loses no speed.
    if (d->progress.casesLeft == 0)
        d->history.begin(d->activeHandler);
    else
        d->history.clear();
    refreshViews();
}

void RunSession::stopRun()
{
    d->killRunTimer();
    d->timerHeldOff = false;
    d->running = false;
    emit runningChanged(false);
    emit runStopped(d->machine.stopReason());
}

void RunSession::runSteps(int count)
{
    d->inBatch = true;
    const bool paused = d->advance(count).stopped;
    d->inBatch = false;
    d->endBatch(paused);
}

void RunSession::runPastBreakpoints(qint64 count)
{
    // As a test runs its cases, and through the history, so that a replayed case can go back.
    d->inBatch = true;
    bool stopped = false;
    for (qint64 done = 0; !stopped && done < count;) {
        const int chunk = int(std::min<qint64>(count - done, 1 << 30));
        const RunResult ran = d->history.isRecording() ? d->history.run(chunk)
                                                       : d->machine.run(chunk);
        stopped = ran.stopped;
        done += ran.steps;
    }
    d->inBatch = false;
    d->endBatch(stopped);
}

void RunSession::restartTimer()
{
    d->killRunTimer();
    d->startRunTimer();
}

void RunSession::refreshViews()
{
    // Behind the furthest step the handler's picture is not the machine's.
    if (!isBehind())
        d->activeHandler->refresh();
    emit viewsChanged();
}

void RunSession::beginTest(std::unique_ptr<IOHandler> handler, int cases)
{
    d->progress = {cases, 0};
    d->testHandler = std::move(handler);
    d->installHandler(d->testHandler.get());
}

bool RunSession::passCase()
{
    TestProgress &p = d->progress;
    --p.casesLeft;
    p.caseStepCalls = 0;
    return p.casesLeft > 0;
}

void RunSession::endTest()
{
    d->installHandler(d->interactiveHandler.get());
    d->testHandler.reset();
    d->progress.casesLeft = 0;
}

const TestProgress &RunSession::testProgress() const
{
    return d->progress;
}

bool RunSession::runTimerEvent(int timerId)
{
    if (timerId != d->timerId)
        return false;
    if (d->inBatch) {
        // An input prompt is open in the middle of a batch: no command may run until it
        // closes, and the timer must not spin the prompt's event loop meanwhile.
        d->killRunTimer();
        d->timerHeldOff = true;
    } else if (d->watchable()) {
        d->runWatchable();
    } else {
        d->runBatch();
    }
    return true;
}

void RunSession::timerEvent(QTimerEvent *event)
{
    if (!runTimerEvent(event->timerId()))
        QObject::timerEvent(event);
}
