// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MACHINE_P_H
#define MACHINE_P_H

// The machine's private record, shared by the files that implement Machine.

#include "interpreter/machine.h"

#include <QString>

#include <cstdint>
#include <vector>

class IOHandler;

// How run() sees a program: one entry per run of equal changes or moves, per bracket and per
// other command, in program order, so that run() pays once for a whole run and finds the end of
// a skipped loop without scanning. Built on the first run() of a program, in eight bytes per
// entry and so at most eight bytes per program character.
struct RunPlan
{
    enum Kind : std::uint32_t {
        Add,       // a run of '+', argument: its length
        Subtract,  // a run of '-'
        Right,     // a run of '>'
        Left,      // a run of '<'
        Open,      // '[', argument: the entry of its ']'
        Loop,      // '[' of a loop whose body only changes and moves and ends where it began
        Close,     // ']', argument: the entry of its '['
        LoopClose, // ']' of a Loop
        Output,
        Other,     // '@' and any other character: a step that does nothing
        Step,      // taken by step(): ',', an unmatched bracket and, last, the end of the program
    };
    static constexpr std::uint32_t LargestArgument = 0x0FFFFFFF;

    struct Op
    {
        int position; // of the entry's first character
        std::uint32_t word; // argument above, kind in the low four bits

        Kind kind() const { return Kind(word & 15); }
        std::uint32_t argument() const { return word >> 4; }
    };

    void build(const char16_t *code, int length);
    // The entry that starts at the first command after `programCounter`; the last entry (a
    // Step) when that command lies inside an entry or is the end of the program, or when
    // `programCounter` is not the last command of an entry.
    int entryAfter(const char16_t *code, int length, int programCounter) const;
    // The entry holding the command at `position`, or -1 for a space or a position outside.
    int entryAt(const char16_t *code, int length, int position) const;

    std::vector<Op> ops; // with a Step entry last
    bool built = false;
    bool usable = false; // false for programs too long to index
};

struct Machine::Private
{
    void stop(StopReason reason)
    {
        stopReason = reason;
        running = false;
    }

    // Calls `call` with `asked`, or does nothing without one (the caller holds the answer of a
    // missing handler). False when the handler reset the machine: the command ends there.
    template<typename Call>
    bool askHandler(IOHandler *asked, Call call)
    {
        if (!asked)
            return true;
        const std::uint64_t resetsBefore = resets;
        inHandler = true;
        call(asked);
        inHandler = false;
        return resets == resetsBefore;
    }
    // The ',' command on the current cell; answers what step() answers.
    bool input();

    // run() along the plan; `machine` steps where the plan does not reach.
    RunResult runPlanned(Machine &machine, int maxSteps, const RunStops &stops);
    // Stores the state run() keeps in locals and answers its result.
    RunResult endRun(int cell, int counter, int steps, bool stopped);
    // Runs the passes of the loop of plan entries `open` to `close` that fit into `budget`
    // steps, from the start of a pass with the loop on the stack (it leaves the stack when the
    // loop ends). Runs nothing when a pass depends on more than the counter, or when the loop
    // holds the entry `stopEntry`.
    struct LoopRun
    {
        int steps = 0;
        bool complete = false;
    };
    LoopRun runLoop(int open, int close, int cell, int budget, int stopEntry);

    QString program;
    // program's characters, cached so that a step reads them without touching QString
    const char16_t *code = nullptr;
    int length = 0;
    int programCounter = -1;
    std::vector<int> loopStack;
    std::vector<int> tape;
    int currentCell = 0;
    int maximumValue = DefaultMaximumValue;
    IOHandler *handler = nullptr;
    bool running = false;
    StopReason stopReason = StopReason::NotStopped;
    RunPlan plan;
    // Counts program changes, so that run() notices one made by a handler in mid-run.
    std::uint64_t programChanges = 0;
    // Counts resets (start() and setTapeLength() too), so that a command notices that the
    // handler it called ended it; the tape may have moved with it.
    std::uint64_t resets = 0;
    // True while a command waits for its handler: a step() or run() from there does nothing.
    bool inHandler = false;
};

#endif // MACHINE_P_H
