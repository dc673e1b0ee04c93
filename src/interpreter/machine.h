// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MACHINE_H
#define MACHINE_H

#include "interpreter/limits.h"

#include <QChar>
#include <QString>

#include <memory>

class IOHandler;
class Machine;

// Why the machine stopped. The numbers are fixed: the window reports by them.
enum class StopReason : int {
    NotStopped = 0,
    Finished = 1,
    LeftEdge = 2,
    RightEdge = 3,
    BadInput = 4,
    BadOutput = 5,
    UnmatchedLoop = 6,
    IncompleteResult = 7,
};

// Where Machine::run() pauses besides the machine stopping: after a step that leaves the program
// counter at `position` (any negative position: nowhere, so the -1 of a reset machine never
// meets it), or after a step whose current command is `command` (null: none). These are the
// stops of the window's run control.
struct RunStops
{
    int position = -1;
    QChar command;

    // True when the step `machine` took last meets one of these stops.
    bool metBy(const Machine &machine) const;
};

struct RunResult
{
    // The step() calls the run stands for.
    int steps = 0;
    // The last step stopped the machine or met a stop; false when the steps ran out first. Also
    // true when the machine was not running at all (then steps is 0).
    bool stopped = false;
};

// The brainfuck interpreter: a program, a tape of wrapping cells and a program counter,
// executing exactly one command per step(). It never runs by itself and never shows
// anything; every failure becomes a stop reason for its owner to report.
//
// What a handler may do to the machine while the machine calls it (hasInput(), input(),
// output(), isComplete()), with the same outcome under step() and run():
// - read anything;
// - setMaximumValue(): the command goes on with the new maximum (an input is checked against
//   it), and so do the steps after it;
// - setProgram(): the command goes on, and the next step fetches from the new program;
// - reset(), start() or setTapeLength(): the command ends at the call, leaving the state the
//   call made; the step answers whether the machine is stopped (so after start() the run goes
//   on from the beginning, after reset() or setTapeLength() it is over);
// - setHandler(): later commands use the new handler.
// A step() or run() called from inside a handler executes nothing and answers stopped (with no
// steps), as the machine is in the middle of a command.
class Machine
{
public:
    // Every tape keeps at least one cell and at most this many.
    static constexpr int MaximumTapeLength = Limits::MachineTapeLength;
    static constexpr int DefaultMaximumValue = Limits::CourseMaximumValue;

    explicit Machine(int tapeLength);
    ~Machine();

    void setProgram(const QString &program);
    QString program() const;
    void setHandler(IOHandler *handler);
    IOHandler *handler() const;

    int maximumValue() const;
    void setMaximumValue(int value);
    int tapeLength() const;
    void setTapeLength(int length);

    void reset();
    void start();
    bool step();
    // Up to maxSteps steps, ending early after a step that stops the machine or meets `stops`.
    // Leaves exactly what as many step() calls would leave, handler calls included, but pays
    // once for whole blocks of commands and for the loops it can work out at once. On a machine
    // that is not running it takes no step and answers stopped, whatever maxSteps; otherwise
    // run(0) takes no step and answers not stopped.
    RunResult run(int maxSteps, const RunStops &stops = {});

    bool isRunning() const;
    StopReason stopReason() const;
    int programCounter() const;
    QChar currentCommand() const;
    int currentCell() const;
    int cell(int index) const;
    int findLoopEnd(int position) const;

private:
    Q_DISABLE_COPY_MOVE(Machine)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // MACHINE_H
