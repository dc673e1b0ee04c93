// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MACHINE_P_H
#define MACHINE_P_H

// The machine's private record, shared by the files that implement Machine.

#include "interpreter/compoundcode.h"
#include "interpreter/machine.h"

#include <QString>

#include <cstdint>
#include <vector>

class IOHandler;

// How run() sees a program, compiled once on its first run(): one entry per run of equal changes
// or moves, per straight block of several such runs (changes at offsets and a move, paid for
// at once), per bracket and per other command, in program order. A loop whose body is one
// such entry is marked, so that run() runs its passes without going back to the plan, all at
// once where the counter tells their number. An entry is one 32-bit word, so that a long
// program costs little. Positions are kept only where run() needs them at once (in a '[', the
// word after it; an output, '@' or Step holds its own); the others are counted on from the
// nearest of a position kept every CheckpointEvery entries. A block adds its own record and
// eight bytes per cell it changes, so it is made only where it takes less room than its runs
// would, or where it is the body of a loop. A loop that a CompoundRecord runs a pass at a time
// keeps its entries too; those records take at most a small share of the program's size.
struct RunPlan
{
    enum Kind : std::uint32_t {
        Add,       // a run of '+', argument: its length
        Subtract,  // a run of '-'
        Right,     // a run of '>'
        Left,      // a run of '<'
        Block,     // several runs of the four above, argument: its record in `blocks`
        Open,      // '[', argument: the entry of its ']'; the next word is its Position
        Loop,      // '[' of a loop whose body is one entry of the kinds above
        Close,     // ']', argument: the entry of its '['
        LoopClose, // ']' of a Loop or a Compound
        Output,    // '.', argument: its position
        Other,     // '@' and any other character: a step that does nothing; argument: position
        Step,      // taken by step(): ',', an unmatched bracket and, last, the end of the program;
                   // argument: its position
        Position,  // never run: the position of the '[' before it
        Compound,  // '[' of a loop run a pass at a time from its Compound record, argument:
                   // the record; the next word is its Position
    };
    static constexpr std::uint32_t LargestArgument = 0x0FFFFFFF;
    static constexpr int CheckpointEvery = 16;

    struct Op
    {
        std::uint32_t word; // argument above, kind in the low four bits

        Kind kind() const { return Kind(word & 15); }
        std::uint32_t argument() const { return word >> 4; }
    };

    // A straight block: its changes, merged by offset from the cell it starts on, then a move.
    struct BlockRecord
    {
        int steps = 0;
        int move = 0;
        int lowest = 0; // offsets that its moves reach
        int highest = 0;
        int counterChange = 0; // the change at offset 0
        std::uint32_t firstChange = 0;
        std::uint32_t changeCount = 0;
    };
    struct Change
    {
        int offset;
        int change;
    };
    // A loop whose passes run from a list of Micro steps, each at a fixed offset from the cell
    // a pass starts on: its body only changes, moves, outputs and holds transfers (loops
    // that move nothing and count by one), so a pass needs one check of the tape's ends and
    // of the steps left. Its entries stay in the plan for whatever a pass cannot finish.
    struct CompoundRecord
    {
        std::uint32_t close = 0; // its ']'
        std::uint32_t firstMicro = 0;
        std::uint32_t microCount = 0;
        int steps = 0; // of a pass with its ']', not counting its transfers
        int transfers = 0;
        int transferPassSteps = 0; // the steps of one pass of each transfer, summed
        // The most steps a pass takes, each transfer making all the passes `maximum` allows
        long long longestPass(int maximum) const
        {
            return steps + transfers + static_cast<long long>(maximum) * transferPassSteps;
        }
        // How deep compounds nest in it, kept low as each level calls the next
        static constexpr int MostDepth = 24;
        int depth = 0;
        int move = 0; // from where the last walk ended
        int lowest = 0; // offsets that a pass reaches before its first walk
        int highest = 0;
    };
    // A step of a compound pass at `offset` from the pass's first cell, or from where the last
    // walk ended.
    struct Micro
    {
        // Walk: a loop whose body is a block that moves, run pass by pass
        // Nested: a compound loop, whose passes run to its end
        enum Kind : std::uint8_t { Change, Transfer, Output, Walk, Nested };
        Kind kind = Change;
        bool up = false; // a transfer whose counter goes up
        int offset = 0;
        // Change: the change; Transfer: its steps per pass; Output and Walk: its plan entry
        int value = 0;
        // Transfer: its changes (the counter's among them); Walk: its body's block record;
        // Output: the steps of the pass up to it, itself included, not counting transfers and
        // walks
        std::uint32_t first = 0;
        // Transfer: the number of its changes; Output: its position; Walk: as `first` for
        // an output
        std::uint32_t count = 0;
        int low = 0; // Walk: the offsets that the pass reaches after it
        int high = 0;
    };
    void build(const char16_t *code, int length);
    // A bound on the entries of `code`'s plan.
    static std::size_t mostEntries(const char16_t *code, int length);
    // Marks each Open whose body is one entry that only changes and moves as a Loop.
    void markLoops();
    // Marks each Open whose loop a CompoundRecord can run, while their records stay small
    // beside the program of `length` characters.
    void markCompounds(int length);
    bool makeCompound(std::uint32_t open, std::uint32_t close);
    // The entry of the other bracket of the bracket entry `entry`.
    std::uint32_t partner(std::uint32_t entry) const;
    void placeCheckpoints(const char16_t *code);
    // The entry that follows a program counter of `programCounter`; the last entry (a Step)
    // when the counter lies inside an entry or on a space.
    int entryAfter(const char16_t *code, int length, int programCounter) const;
    // The entry holding the command at `position`, or -1 for a space or a position outside.
    int entryAt(const char16_t *code, int length, int position) const;
    // The position of the first command of entry `entry`.
    int firstOf(const char16_t *code, int entry) const;
    // The position of the last command of entry `entry` (of its '[' for a Position word).
    int lastOf(const char16_t *code, int entry) const;
    // The program counter before entry `entry`: lastOf(entry - 1), -1 for the first.
    int counterBefore(const char16_t *code, int entry) const;
    // lastOf(entry) given lastOf(entry - 1) as `before`.
    int lastAfter(const char16_t *code, int before, int entry) const;

    std::vector<Op> ops; // with a Step entry last
    std::vector<BlockRecord> blocks;
    std::vector<Change> changes;
    std::vector<CompoundRecord> compounds;
    std::vector<Micro> micros;
    // counterBefore() of every CheckpointEvery-th entry
    std::vector<int> checkpoints;
    bool built = false;
    bool usable = false; // false for programs too long to index
    CompoundCode machineCode; // of the compound loops that run long
};

// Where Machine::run() stands along the plan: its entry, its current cell and the steps it has
// left.
struct RunPlace
{
    int entry;
    int cell;
    int left;
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
    // The '.' command on a cell holding `value`; answers what step() answers.
    bool output(int value);
    // The '[' command at the program counter on a cell holding `cell`; answers what step()
    // answers.
    bool open(int cell);
    // The step past the program's end; answers what step() answers.
    bool finish();

    // run() along the plan; `machine` steps where the plan does not reach.
    RunResult runPlanned(Machine &machine, int maxSteps, const RunStops &stops);
    // Stores the state run() keeps in locals and answers its result.
    RunResult endRun(int cell, int counter, int steps, bool stopped);
    // Runs the passes of the Loop of plan entry `open` that fit into `budget` steps, from the
    // start of a pass on the current cell `cell` with the loop on the stack (it leaves the stack
    // when the loop ends): at once for a transfer, else pass by pass. Stops before a pass that
    // would leave the tape, for single steps to find the edge.
    struct LoopRun
    {
        long long steps = 0;
        bool complete = false;
        int cell = 0; // the current cell after the passes
    };
    LoopRun runLoop(int open, int cell, long long budget);
    // Runs the whole passes of compound loop `record` that fit into `budget` steps, from the
    // start of a pass on the current cell `cell` with the loop on the stack. Ends at a pass
    // that could leave the tape or overrun the budget (Pending: the plan's entries take it
    // on), when the counter is zero (Complete), or after an output whose handler did more
    // than take the value (Output: the caller goes on after it as after its own output).
    struct CompoundRun
    {
        // Resume: at plan entry `entry`, as the passes could not go on
        enum End { Pending, Complete, Output, Resume };
        long long steps = 0;
        int cell = 0;
        End end = Pending;
        CompoundRun() = default;
        CompoundRun(long long taken, int at, End ending)
            : steps(taken)
            , cell(at)
            , end(ending)
        {
        }
        int entry = 0; // Output: the plan entry of the output
        int position = 0; // and its position
        bool handled = true;
        bool accepted = true;
    };
    // The counters a handler call may move.
    struct Before
    {
        std::uint64_t resets;
        std::uint64_t programChanges;
    };
    CompoundRun runCompound(const RunPlan::CompoundRecord &record, int cell, long long budget);
    // runCompound() through the Micro steps of `record`.
    CompoundRun readCompound(const RunPlan::CompoundRecord &record, int cell, long long budget);
    // runCompound() through the machine code `unit` of `record`.
    CompoundRun runCode(const CompoundCode::Unit &unit, const RunPlan::CompoundRecord &record,
                        int cell, long long budget);
    // The end of passes whose machine code `unit` answered `answer` with `frame`: where the
    // loops it ran inside each other would have ended as runCompound() runs them.
    CompoundRun codeEnd(const CompoundCode::Unit &unit, int answer, const CompoundFrame &frame,
                        Before before);
    // What the code calls (see CompoundCode::Helpers).
    static bool outputFromCode(IOHandler *handler, int value);
    static int nestedFromCode(CompoundFrame *frame, const void *micro);
    static long long transferFromCode(int *counter, const void *micro, const void *changes,
                                      int maximum);
    // Runs the walk `micro` of a compound pass from `base`, moving `base` to where it ends;
    // false when it would overrun `room` steps or leave the tape, or the rest of the pass
    // could, with `stopped` telling where the plan's entries take on.
    bool walk(const RunPlan::Micro &micro, int &base, long long &steps, long long room,
              CompoundRun &stopped);
    // Ends compound passes at walk `micro` on `cell`: at the start of one of its passes, or
    // when it `ended`, after it.
    bool walkStopped(const RunPlan::Micro &micro, int cell, long long steps, bool ended,
                     CompoundRun &stopped);
    // walk() for a Nested micro: the inner loop's passes to its end.
    bool nested(const RunPlan::Micro &micro, int &base, long long &steps, long long room,
                CompoundRun &stopped);
    // The end of compound passes at the output Micro `output` on `cell`, whose handler did
    // more than take the value, after `steps` steps.
    CompoundRun outputRun(const RunPlan::Micro *output, bool accepted, long long steps, int cell,
                          Before before);
    // The output at plan entry position `position` on `cell`, in runPlanned().
    CompoundRun output(int cell, int position);
    // The end of a run() whose run of plan entry `entry` from cell `cell` stops after `count`
    // of its `argument` commands, with `left` steps left of `maxSteps`: at the step limit, or
    // at the tape's end for a move.
    RunResult runCut(int entry, int cell, int left, int maxSteps);
    // What runPlanned() holds for a whole run.
    struct RunContext
    {
        Machine &machine;
        const RunStops &stops;
        int stopEntry; // the plan entry of the stop position, or -1
        std::uint64_t changes; // programChanges at the start
        int maxSteps;
    };
    // -1 when the run ends at an output of a compound loop, with `result`.
    using Place = RunPlace;
    // What a run does after calling the handler's output() for the '.' at `position`, with
    // `done` steps taken: false when it goes on, else with `result` as its end (which comes
    // in holding the run's maxSteps). `handled` is false when the handler reset the machine.
    bool outputEnds(Machine &machine, const CompoundRun &call, int cell, int position,
                    RunResult &result, int done, const RunStops &stops, std::uint64_t changes);
    // The passes of the Loop or compound loop at plan entry `open` (ending at `close`) that
    // fit into the steps left, from a pass's start with the loop on the stack; answers where
    // the run goes on and leaves the stack as step() would. An entry of -1: the run ends at
    // an output, with `result`.
    Place loopPasses(const RunContext &run, int open, int close, Place at, RunResult &result);
    // runPlanned()'s walk along the plan from `at`; an entry of -1: the run ends with `result`.
    RunPlace followPlan(const RunContext &context, RunPlace at, int &offGrid, RunResult &result);
    // The entries followPlan() leaves to this: loops worked out at once, outputs, '@' and the
    // others, the ']' of a loop worked out at once, and single steps (for `op` a Step). An
    // entry of -1: the run ends with `result`.
    Place slowEntry(const RunContext &run, RunPlan::Op op, Place at, int &offGrid,
                    RunResult &result);
    // True when a cell holds more than the maximum value, which only a lowered maximum leaves.
    bool tapeAboveMaximum();

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
    // Plans whose program a handler replaced while run() may still be inside their code
    std::vector<RunPlan> retiredPlans;
    // Counts program changes, so that run() notices one made by a handler in mid-run.
    std::uint64_t programChanges = 0;
    // Counts resets (start() and setTapeLength() too), so that a command notices that the
    // handler it called ended it; the tape may have moved with it.
    std::uint64_t resets = 0;
    // True while a command waits for its handler: a step() or run() from there does nothing.
    bool inHandler = false;
    // Counts resets, changes of the program, the maximum or the handler, and restored states:
    // whatever a handler may do that ends a compound loop's passes.
    std::uint64_t alterations = 0;
    // False while no cell can hold more than the maximum: since the last reset the maximum has
    // not been lowered, or a look at the tape found none.
    bool mayExceedMaximum = false;
};

#endif // MACHINE_P_H
