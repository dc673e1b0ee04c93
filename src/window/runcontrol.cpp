// Running and stepping programs: the run timer, the step-to modes, the breakpoint mark,
// the refresh of the views after every batch and the report when the machine stops.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include "interpreter/programtext.h"
#include "interpreter/crashtext.h"

#include <QMessageBox>
#include <QTimerEvent>

namespace {

constexpr int BatchSize = 1000;

} // namespace

RepaintThrottle::RepaintThrottle(QWidget *watched)
    : window(watched)
{
    frame.setSingleShot(true);
    frame.setTimerType(Qt::PreciseTimer);
    connect(&frame, &QTimer::timeout, this, &RepaintThrottle::paintNow);
    window->installEventFilter(this);
}

RepaintThrottle::~RepaintThrottle() = default;

void RepaintThrottle::setActive(bool on)
{
    if (active == on)
        return;
    active = on;
    if (!active && frame.isActive()) {
        frame.stop();
        // The swallowed request still owes the window a paint.
        QCoreApplication::postEvent(window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    }
}

bool RepaintThrottle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window || event->type() != QEvent::UpdateRequest)
        return false;
    if (!active || forced || !lastPaint.isValid() || lastPaint.elapsed() >= FrameMilliseconds) {
        frame.stop();
        lastPaint.start();
        return false;
    }
    if (!frame.isActive())
        frame.start(int(FrameMilliseconds - lastPaint.elapsed()));
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
    if (state.timerId != -1 && sinceMark.isValid() && sinceMark.elapsed() < RepaintThrottle::FrameMilliseconds) {
        if (!markFrame.isActive())
            markFrame.start(int(RepaintThrottle::FrameMilliseconds - sinceMark.elapsed()));
        return;
    }
    showMark();
}

void Zindle::Private::showMark()
{
    markFrame.stop();
    state.highlighter->setCurrentPosition(markPosition);
    sinceMark.start();
}

void Zindle::Private::startRunTimer()
{
    state.timerId = q->startTimer(0);
    throttle.setActive(true);
}

void Zindle::Private::killRunTimer()
{
    if (state.timerId != -1) {
        q->killTimer(state.timerId);
        state.timerId = -1;
    }
    throttle.setActive(false);
}

void Zindle::startRun()
{
    WorkbenchState &s = d->state;
    d->ui.actionHalt->setEnabled(true);
    d->ui.buttonTest->setEnabled(s.testsLeft > 0);
    d->ui.menuBar->setEnabled(false);
    d->ui.editInput->setReadOnly(true);
    d->ui.editProgram->setReadOnly(true);

    s.machine->setProgram(machineProgram(d->ui.editProgram->toPlainText()));
    s.machine->start();
    s.stopPosition = -1;
    s.stopCommand = s.testsLeft != 0 ? QChar() : QChar(u'@');
    s.running = true;
    s.activeHandler->start();
    updateViews();
}

void Zindle::stopRun()
{
    WorkbenchState &s = d->state;
    d->killRunTimer();
    d->timerHeldOff = false;
    d->ui.actionHalt->setEnabled(false);
    d->ui.buttonTest->setEnabled(true);
    d->ui.menuBar->setEnabled(true);
    d->ui.editInput->setReadOnly(false);
    d->ui.editProgram->setReadOnly(false);
    s.running = false;

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

void Zindle::runSteps(int count)
{
    WorkbenchState &s = d->state;
    bool paused = false;
    d->inBatch = true;
    for (int i = 0; i < count; ++i) {
        bool stopped = s.machine->step();
        if (s.stopPosition != -1 && s.machine->programCounter() == s.stopPosition)
            stopped = true;
        if (stopped || (!s.stopCommand.isNull() && s.stopCommand == s.machine->currentCommand())) {
            s.stopCommand = u'@';
            s.stopPosition = -1;
            d->killRunTimer();
            paused = true;
            break;
        }
    }
    d->inBatch = false;
    // A prompt held the timer off in the middle of this batch; the run goes on unless it
    // stopped meanwhile.
    if (d->timerHeldOff) {
        d->timerHeldOff = false;
        if (!paused && s.running)
            d->startRunTimer();
    }

    updateViews();
    if (s.machine->stopReason() != StopReason::NotStopped)
        stopRun();
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
    stepTo(action->data().toInt());
}

void Zindle::stepTo(int mode)
{
    WorkbenchState &s = d->state;
    if (!s.running)
        startRun();
    d->killRunTimer();
    switch (mode) {
    case 1:
        runSteps(10);
        break;
    case 2:
        runSteps(100);
        break;
    case 3:
        runSteps(1000);
        break;
    case 4:
        s.stopCommand = QChar();
        s.stopPosition = s.machine->findLoopEnd(s.machine->programCounter());
        restartTimer();
        break;
    case 5:
        s.stopCommand = u',';
        restartTimer();
        break;
    case 6:
        s.stopCommand = u'.';
        restartTimer();
        break;
    default:
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
    runSteps(BatchSize);
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
