// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running and stepping programs: the run timer, the step-to modes, the breakpoint mark,
// the refresh of the views after every batch and the report when the machine stops.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include "interpreter/crashtext.h"
#include "interpreter/programtext.h"

#include <QElapsedTimer>
#include <QMessageBox>
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

RepaintThrottle::RepaintThrottle(QWidget *watched)
    : window(watched)
    , pacer([this] { paintNow(); })
{
    window->installEventFilter(this);
}

RepaintThrottle::~RepaintThrottle() = default;

void RepaintThrottle::setActive(bool active)
{
    pacer.setSpacing(active ? Pacer::FrameNanoseconds : 0);
    if (!active && pacer.isWaiting()) {
        pacer.cancel();
        // The swallowed request still owes the window a paint.
        QCoreApplication::postEvent(window, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
    }
}

bool RepaintThrottle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window || event->type() != QEvent::UpdateRequest)
        return false;
    if (forced || pacer.mayDrawNow()) {
        pacer.drawn();
        return false;
    }
    return true;
}

void RepaintThrottle::paintNow()
{
    forced = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
    forced = false;
}

void Zindle::Private::markCommand(int position)
{
    markPosition = position;
    if (markPacer.mayDrawNow())
        showMark();
}

void Zindle::Private::showMark()
{
    state.highlighter->setCurrentPosition(markPosition);
    markPacer.drawn();
}

void Zindle::Private::startRunTimer()
{
    // A watchable run ticks for every command due, so that each command's state is shown.
    const bool watched = watchable();
    state.timerId = watched ? q->startTimer(std::max(1, 1000 / runSpeed), Qt::PreciseTimer)
                            : q->startTimer(0);
    speedClock.start();
    speedSteps = 0;
    setPaced(!watched);
}

void Zindle::Private::killRunTimer()
{
    if (state.timerId != -1) {
        q->killTimer(state.timerId);
        state.timerId = -1;
    }
    setPaced(false);
}

void Zindle::Private::setPaced(bool paced)
{
    throttle.setActive(paced);
    markPacer.setSpacing(paced ? Pacer::FrameNanoseconds : 0);
}

void Zindle::startRun()
{
    WorkbenchState &s = d->state;
    s.running = true;
    d->applyWindowState();

    s.machine->setProgram(machineProgram(d->ui.editProgram->toPlainText()));
    s.machine->start();
    s.stopPosition = -1;
    s.stopCommand = s.testsLeft != 0 ? QChar() : QChar(u'@');
    s.activeHandler->start();
    updateViews();
}

void Zindle::stopRun()
{
    WorkbenchState &s = d->state;
    d->killRunTimer();
    d->timerHeldOff = false;
    s.running = false;
    d->endReplay();
    d->applyWindowState();

    const StopReason reason = s.machine->stopReason();
    if (reason == StopReason::Finished) {
        if (s.testsLeft != 0)
            testCasePassed();
        return;
    }
    if (reason != StopReason::NotStopped)
        QMessageBox::critical(this, tr("Crash"), crashText(reason));
    if (s.testsLeft != 0)
        testFailed();
}

RunResult Zindle::Private::advance(int count)
{
    WorkbenchState &s = state;
    const RunStops stops{s.stopPosition, s.stopCommand};
    RunResult result;
    if (count == 1) {
        // A single step goes through step(), the machine's reference.
        result.steps = 1;
        result.stopped = s.machine->step() || stops.metBy(*s.machine);
    } else {
        result = s.machine->run(count, stops);
    }
    if (s.testsLeft != 0)
        caseStepCalls += result.steps;
    if (result.stopped) {
        s.stopCommand = u'@';
        s.stopPosition = -1;
        killRunTimer();
    }
    return result;
}

void Zindle::Private::runWatchable()
{
    // After a stall (a busy machine, a dragged window) the run goes on at its pace rather than
    // rushing through what it owes.
    const qint64 most = std::max(1, runSpeed / 10);
    const qint64 owed = speedClock.nsecsElapsed() * runSpeed / 1000000000 - speedSteps;
    const qint64 due = std::min(owed, most);
    speedSteps += owed - due;
    // Each command as a Step would run it; a pause, the end or a prompt's new timer ends the
    // tick.
    const int timer = state.timerId;
    for (qint64 i = 0; i < due && state.timerId == timer; ++i) {
        ++speedSteps;
        q->runSteps(1);
    }
}

void Zindle::Private::endBatch(bool paused)
{
    WorkbenchState &s = state;
    // A prompt held the timer off in the middle of this batch; the run goes on unless it
    // stopped meanwhile.
    if (timerHeldOff) {
        timerHeldOff = false;
        if (!paused && s.running)
            startRunTimer();
    }
    q->updateViews();
    if (s.machine->stopReason() != StopReason::NotStopped)
        q->stopRun();
}

void Zindle::runSteps(int count)
{
    d->inBatch = true;
    const bool paused = d->advance(count).stopped;
    d->inBatch = false;
    d->endBatch(paused);
}

void Zindle::on_actionRun_triggered()
{
    WorkbenchState &s = d->state;
    if (!s.running)
        startRun();
    if (s.timerId != -1) {
        d->killRunTimer();
        updateViews();
    } else {
        d->startRunTimer();
    }
}

void Zindle::on_actionStep_triggered()
{
    WorkbenchState &s = d->state;
    if (!s.running)
        startRun();
    d->killRunTimer();
    runSteps(1);
}

void Zindle::on_actionHalt_triggered()
{
    stopRun();
    updateViews();
}

void Zindle::step(QAction *action)
{
    stepTo(StepTo(action->data().toInt()));
}

void Zindle::stepTo(StepTo mode)
{
    WorkbenchState &s = d->state;
    if (!s.running)
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
        s.stopCommand = QChar();
        s.stopPosition = s.machine->findLoopEnd(s.machine->programCounter());
        restartTimer();
        break;
    case StepTo::NextInput:
        s.stopCommand = u',';
        restartTimer();
        break;
    case StepTo::NextOutput:
        s.stopCommand = u'.';
        restartTimer();
        break;
    }
}

void Zindle::restartTimer()
{
    d->killRunTimer();
    d->startRunTimer();
}

void Zindle::timerEvent(QTimerEvent *event)
{
    WorkbenchState &s = d->state;
    if (event->timerId() != s.timerId) {
        QMainWindow::timerEvent(event);
        return;
    }
    if (d->inBatch) {
        // An input prompt is open in the middle of a batch: no command may run until it
        // closes, and the timer must not spin the prompt's event loop meanwhile.
        d->killRunTimer();
        d->timerHeldOff = true;
        return;
    }
    if (d->watchable()) {
        d->runWatchable();
        return;
    }
    // One batch: chunks of steps until its time is up, the run pauses or stops, or a prompt
    // opened.
    d->inBatch = true;
    QElapsedTimer batch;
    batch.start();
    bool paused = false;
    do {
        const qint64 chunkStart = batch.nsecsElapsed();
        const RunResult result = d->advance(d->chunkSteps);
        paused = result.stopped;
        if (paused || d->timerHeldOff)
            break;
        const qint64 spent = std::max<qint64>(1, batch.nsecsElapsed() - chunkStart);
        const qint64 fitting = qint64(d->chunkSteps) * ChunkNanoseconds / spent;
        d->chunkSteps =
            int(std::clamp<qint64>(fitting, 2, std::min(2 * d->chunkSteps, LargestChunk)));
    } while (batch.nsecsElapsed() < BatchNanoseconds);
    d->inBatch = false;
    d->endBatch(paused);
}

void Zindle::updateViews()
{
    WorkbenchState &s = d->state;
    d->ui.tableTape->reset();
    d->ui.tableTape->scrollTo(s.tapeModel->currentIndex(), QAbstractItemView::PositionAtCenter);
    s.activeHandler->refresh();
    const bool finished = !s.running && s.machine->stopReason() == StopReason::Finished;
    d->markCommand(finished ? -1 : s.machine->programCounter());
}
