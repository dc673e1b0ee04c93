// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef RUNHISTORY_H
#define RUNHISTORY_H

#include "interpreter/machine.h"

#include <QChar>
#include <QList>
#include <QtGlobal>

#include <memory>

class IOHandler;

// The way back through a run. The machine is deterministic given its handler's answers, so the
// history keeps checkpoints of the machine's state and a log of every answer the handler gave
// (the inputs, whether it refused input or output, whether the result was complete), and
// reaches any earlier step by restoring the nearest checkpoint before it and replaying with
// run(), answering from the log. The handler is asked only once for each answer, at the
// furthest step the run reached; behind it nobody is asked again, and going forward follows the
// log up to there and goes on live after it.
//
// While it records, the machine reads and writes through the history, which passes what lies
// beyond the log on to the run's own handler. That handler stays as the furthest step left it:
// the history never rewinds it. Memory stays within a budget however long the run: checkpoints
// share the parts of the tape they have in common, and older ones are thinned out, more the
// further back they lie, so that the steps just passed stay the quickest to reach.
class RunHistory
{
public:
    static constexpr qint64 DefaultBudget = 64 * 1024 * 1024;
    // The machine's work between two checkpoints at the least, in nanoseconds: a checkpoint
    // costs a copy of the tape, which must stay a small share of the run.
    static constexpr qint64 DefaultSpacing = 2000000;

    explicit RunHistory(Machine *machine, qint64 budget = DefaultBudget,
                        qint64 spacing = DefaultSpacing);
    ~RunHistory();

    // Starts recording the run that the machine has just started (step 0), with `handler`,
    // already started, as the run's own handler. Forgets an earlier history.
    void begin(IOHandler *handler);
    // Ends the history: gives the machine the run's handler back, as far as it is, and forgets
    // the rest. The machine keeps its state.
    void clear();
    bool isRecording() const;

    // One step, as Machine::step() takes it, and up to `maxSteps` steps, as Machine::run()
    // takes them: along the log up to the furthest step, and live after it.
    bool step();
    RunResult run(int maxSteps, const RunStops &stops = {});
    // Makes the machine show step `target` (0: the start), clamped to the steps recorded.
    void goTo(qint64 target);

    // The step the machine shows, and the furthest step recorded.
    qint64 position() const;
    qint64 end() const;
    // The last step before position() that executed `command`, or -1 for none.
    qint64 previousStep(QChar command);

    // Inputs taken and outputs written up to position().
    qint64 inputCount() const;
    qint64 outputCount() const;
    // The values of outputs `first` up to `last` (not included), as far as the history still
    // keeps them: a run that writes without end keeps the latest share of its budget.
    QList<int> outputs(qint64 first, qint64 last) const;

    qint64 memoryUse() const;
    int checkpointCount() const;

private:
    Q_DISABLE_COPY_MOVE(RunHistory)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // RUNHISTORY_H
