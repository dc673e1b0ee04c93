// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running and stepping programs: the window's side of the run session. The commands go to the
// session; the window shows the machine after every batch, marks the command executed last and
// reports why the run stopped. The session's batches run from the window's own timer events.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include "interpreter/crashtext.h"
#include "interpreter/runhistory.h"
#include "io/panewriter.h"

#include <QMessageBox>
#include <QTimerEvent>

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

void Zindle::Private::setPaced(bool paced)
{
    throttle.setActive(paced);
    markPacer.setSpacing(paced ? Pacer::FrameNanoseconds : 0);
}

void Zindle::reportStop(StopReason reason)
{
    d->endReplay();
    const bool testing = d->state.session->isTesting();
    if (reason == StopReason::Finished) {
        if (testing)
            testCasePassed();
        return;
    }
    if (reason != StopReason::NotStopped)
        QMessageBox::critical(this, tr("Crash"), crashText(reason));
    if (testing)
        testFailed();
}

void Zindle::on_actionRun_triggered()
{
    d->state.session->run();
}

void Zindle::on_actionStep_triggered()
{
    d->state.session->step();
}

void Zindle::on_actionHalt_triggered()
{
    d->state.session->halt();
}

void Zindle::step(QAction *action)
{
    d->state.session->stepTo(RunSession::StepTo(action->data().toInt()));
}

void Zindle::timerEvent(QTimerEvent *event)
{
    if (!d->state.session->runTimerEvent(event->timerId()))
        QMainWindow::timerEvent(event);
}

void Zindle::updateViews()
{
    const WorkbenchState &s = d->state;
    d->ui.tableTape->reset();
    d->ui.tableTape->scrollTo(s.tapeModel->currentIndex(), QAbstractItemView::PositionAtCenter);
    const Machine &machine = s.session->machine();
    const bool finished = !s.session->isRunning() && machine.stopReason() == StopReason::Finished;
    d->markCommand(finished ? -1 : machine.programCounter());
    if (s.session->isBehind() && !s.session->isTesting())
        d->showPastOutput();
    else
        d->pastOutput.reset();
    d->applyHistoryState();
}

void Zindle::Private::showPastOutput()
{
    const RunHistory &history = state.session->history();
    const qint64 count = history.outputCount();
    if (!pastOutput || count < pastShown) {
        pastOutput = newInteractiveHandler(ui.actionAlphabet->isChecked());
        pastOutput->start();
        // The pane keeps at most its limit of the latest characters, each value one at least.
        pastShown = std::max<qint64>(0, count - PaneWriter::Limit);
        pastOutput->skipOutput(pastShown);
    }
    for (const int value : history.outputs(pastShown, count))
        pastOutput->output(value);
    pastShown = count;
    pastOutput->refresh();
}
