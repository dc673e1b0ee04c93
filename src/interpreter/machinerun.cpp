// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Machine::run(): many steps at once, with exactly the effect of as many step() calls. It walks
// a plan of the program (RunPlan) in which a run of equal commands is one entry, a skipped loop
// is one jump, and a loop that only changes and moves cells and comes back to its counter is
// worked out for all its passes at once. Wherever the plan cannot say what step() would do (a
// step limit inside a run, a stop position, a program counter that lies between entries) it
// takes single steps instead.

#include "machine.h"

#include "iohandler.h"
#include "machine_p.h"

#include <algorithm>
#include <limits>

namespace {

using Kind = RunPlan::Kind;

Kind kindOf(char16_t command)
{
    switch (command) {
    case u'+':
        return RunPlan::Add;
    case u'-':
        return RunPlan::Subtract;
    case u'>':
        return RunPlan::Right;
    case u'<':
        return RunPlan::Left;
    case u'[':
        return RunPlan::Open;
    case u']':
        return RunPlan::Close;
    case u',':
        return RunPlan::Step;
    case u'.':
        return RunPlan::Output;
    default:
        return RunPlan::Other;
    }
}

bool isRun(Kind kind)
{
    return kind <= RunPlan::Left;
}

RunPlan::Op makeOp(int position, Kind kind, std::uint32_t argument)
{
    return {position, argument << 4 | std::uint32_t(kind)};
}

// Calls onEntry(kind, position, count) for every entry of the plan of `code`, in order.
template<typename OnEntry>
void scanEntries(const char16_t *code, int length, OnEntry onEntry)
{
    int i = 0;
    while (i < length) {
        if (code[i] == u' ') {
            ++i;
            continue;
        }
        const int start = i;
        const Kind kind = kindOf(code[i]);
        std::uint32_t count = 1;
        ++i;
        if (isRun(kind)) {
            for (;;) {
                int next = i;
                while (next < length && code[next] == u' ')
                    ++next;
                if (next >= length || code[next] != code[start]
                    || count == RunPlan::LargestArgument)
                    break;
                ++count;
                i = next + 1;
            }
        }
        onEntry(kind, start, count);
    }
}

// The position of the count-th command (counting from 1) from `position` on.
int nthCommand(const char16_t *code, int position, std::uint32_t count)
{
    while (--count > 0) {
        ++position;
        while (code[position] == u' ')
            ++position;
    }
    return position;
}

// The cell after `count` '+' commands; a cell above a lowered maximum wraps to 0 at the first.
int added(int cell, int count, int maximum)
{
    if (cell <= maximum - count)
        return cell + count;
    long long value = cell;
    long long steps = count;
    if (value > maximum) {
        value = 0;
        --steps;
    }
    return int((value + steps) % (maximum + 1LL));
}

// The cell after `count` '-' commands; a cell above the maximum counts down to 0 before it wraps.
int subtracted(int cell, int count, int maximum)
{
    if (cell >= count)
        return cell - count;
    const long long values = maximum + 1LL;
    const long long value = (cell - static_cast<long long>(count)) % values;
    return int(value < 0 ? value + values : value);
}

// The cell after adding `change` (of any size and sign) in arithmetic modulo maximum + 1.
int shifted(int cell, long long change, int maximum)
{
    const long long values = maximum + 1LL;
    const long long value = (cell + change % values) % values;
    return int(value < 0 ? value + values : value);
}

// run() one step() at a time: the meaning of run(), and its way where the plan cannot go.
RunResult runByStep(Machine &machine, int maxSteps, const RunStops &stops)
{
    RunResult result;
    while (result.steps < maxSteps) {
        const bool stopped = machine.step();
        ++result.steps;
        if (stopped || stops.metBy(machine)) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

} // namespace

bool RunStops::metBy(const Machine &machine) const
{
    return (position >= 0 && machine.programCounter() == position)
           || (!command.isNull() && machine.currentCommand() == command);
}

void RunPlan::build(const char16_t *code, int length)
{
    built = true;
    std::size_t count = 1; // the last Step entry
    scanEntries(code, length, [&count](Kind, int, std::uint32_t) { ++count; });
    usable = count < LargestArgument;
    if (!usable)
        return;
    ops.reserve(count);

    // Brackets pair as the forward scan of a skipped loop pairs them. While a '[' waits for its
    // ']', its argument holds the '[' that waited before it, so pairing needs no other storage.
    constexpr std::uint32_t NoMatch = LargestArgument;
    std::uint32_t waiting = NoMatch;
    scanEntries(code, length, [&](Kind kind, int position, std::uint32_t runLength) {
        const auto index = std::uint32_t(ops.size());
        std::uint32_t argument = runLength;
        if (kind == Open) {
            argument = waiting;
            waiting = index;
        } else if (kind == Close) {
            argument = waiting;
            if (waiting == NoMatch) {
                kind = Step;
            } else {
                const std::uint32_t outer = ops[waiting].argument();
                ops[waiting] = makeOp(ops[waiting].position, Open, index);
                waiting = outer;
            }
        }
        ops.push_back(makeOp(position, kind, argument));
    });
    while (waiting != NoMatch) {
        const std::uint32_t outer = ops[waiting].argument();
        ops[waiting] = makeOp(ops[waiting].position, Step, 0);
        waiting = outer;
    }
    ops.push_back(makeOp(length, Step, 0));

    // Loops made of changes and moves only, that end on the cell they began on and change it.
    // Such a body holds no bracket, so every entry is looked at by one '[' at most.
    for (std::size_t open = 0; open < ops.size(); ++open) {
        if (ops[open].kind() != Open)
            continue;
        const std::size_t close = ops[open].argument();
        long long offset = 0;
        long long counterChange = 0;
        std::size_t i = open + 1;
        for (; i < close && isRun(ops[i].kind()); ++i) {
            const long long runLength = ops[i].argument();
            switch (ops[i].kind()) {
            case Right:
                offset += runLength;
                break;
            case Left:
                offset -= runLength;
                break;
            default:
                if (offset == 0)
                    counterChange += ops[i].kind() == Add ? runLength : -runLength;
                break;
            }
        }
        if (i == close && offset == 0 && counterChange != 0) {
            ops[open] = makeOp(ops[open].position, Loop, std::uint32_t(close));
            ops[close] = makeOp(ops[close].position, LoopClose, std::uint32_t(open));
        }
    }
}

int RunPlan::entryAfter(const char16_t *code, int length, int programCounter) const
{
    // A loop stack left over from another program can leave the counter on a space.
    if (programCounter >= 0 && programCounter < length && code[programCounter] == u' ')
        return int(ops.size()) - 1;
    int position = std::max(programCounter + 1, 0);
    while (position < length && code[position] == u' ')
        ++position;
    const auto entry = std::lower_bound(ops.begin(), ops.end() - 1, position,
                                        [](const Op &op, int p) { return op.position < p; });
    if (entry->position != position)
        return int(ops.size()) - 1;
    return int(entry - ops.begin());
}

int RunPlan::entryAt(const char16_t *code, int length, int position) const
{
    if (position < 0 || position >= length || code[position] == u' ')
        return -1;
    const auto after = std::upper_bound(ops.begin(), ops.end(), position,
                                        [](int p, const Op &op) { return p < op.position; });
    return int(after - ops.begin()) - 1;
}

RunResult Machine::run(int maxSteps, const RunStops &stops)
{
    Private &m = *d;
    if (!m.running || m.inHandler)
        return {0, true};
    if (maxSteps <= 0)
        return {};
    // A stop on a command that the plan folds away could not be seen: step instead.
    if (!stops.command.isNull() && kindOf(stops.command.unicode()) <= RunPlan::Close)
        return runByStep(*this, maxSteps, stops);
    if (!m.plan.built)
        m.plan.build(m.code, m.length);
    if (!m.plan.usable)
        return runByStep(*this, maxSteps, stops);
    return m.runPlanned(*this, maxSteps, stops);
}

RunResult Machine::Private::endRun(int cell, int counter, int steps, bool stopped)
{
    currentCell = cell;
    programCounter = counter;
    return {steps, stopped};
}

Machine::Private::LoopRun Machine::Private::runLoop(int open, int close, int cell, int budget,
                                                    int stopEntry)
{
    if (stopEntry >= open && stopEntry <= close)
        return {};
    const RunPlan::Op *ops = plan.ops.data();
    int *cells = tape.data();
    const int cellCount = int(tape.size());
    const int maximum = maximumValue;

    // Every pass does the same when no move leaves the tape and no changed cell lies above
    // the maximum; then the counter alone says how many passes there are.
    int at = cell;
    long long passSteps = 1; // the ']'
    long long counterChange = 0;
    for (int i = open + 1; i < close; ++i) {
        const int count = int(ops[i].argument());
        passSteps += count;
        switch (ops[i].kind()) {
        case RunPlan::Right:
            at += count;
            if (at >= cellCount)
                return {};
            break;
        case RunPlan::Left:
            at -= count;
            if (at < 0)
                return {};
            break;
        default:
            if (cells[at] > maximum)
                return {};
            if (at == cell)
                counterChange += ops[i].kind() == RunPlan::Add ? count : -count;
            break;
        }
    }
    const long long values = maximum + 1LL;
    const long long change = (counterChange % values + values) % values;
    long long passes = 0;
    if (change == values - 1)
        passes = cells[cell];
    else if (change == 1)
        passes = values - cells[cell];
    else
        return {};

    const long long done = std::min(passes, budget / passSteps);
    at = cell;
    for (int i = open + 1; i < close; ++i) {
        const int count = int(ops[i].argument());
        switch (ops[i].kind()) {
        case RunPlan::Right:
            at += count;
            break;
        case RunPlan::Left:
            at -= count;
            break;
        case RunPlan::Add:
            cells[at] = shifted(cells[at], done * count, maximum);
            break;
        default:
            cells[at] = shifted(cells[at], -done * count, maximum);
            break;
        }
    }
    if (done == passes)
        loopStack.pop_back();
    return {int(done * passSteps), done == passes};
}

namespace {

// The rest of a run() whose plan a handler took away by replacing the program.
RunResult runOnByStep(Machine &machine, int done, int left, const RunStops &stops)
{
    if (stops.metBy(machine))
        return {done, true};
    const RunResult rest = runByStep(machine, left, stops);
    return {done + rest.steps, rest.stopped};
}

// Turns the plan entry that holds a stop position into a Step entry while it lives, so that
// run() takes it a step at a time without looking for the position at every entry. A bracket's
// partner turns too, as its jump lands on the stop position.
class StopMark
{
public:
    StopMark(RunPlan &plan, int stopEntry, const std::uint64_t &programChanges)
        : ops(plan.ops)
        , changes(programChanges)
        , changesAtStart(programChanges)
    {
        if (stopEntry < 0)
            return;
        mark(0, stopEntry);
        const RunPlan::Kind kind = saved[0].kind();
        if (kind >= RunPlan::Open && kind <= RunPlan::LoopClose)
            mark(1, int(saved[0].argument()));
    }
    ~StopMark()
    {
        // A handler that replaced the program took the plan away.
        if (changes != changesAtStart)
            return;
        for (int i = 1; i >= 0; --i) {
            if (entries[i] >= 0)
                ops[std::size_t(entries[i])] = saved[i];
        }
    }

private:
    Q_DISABLE_COPY_MOVE(StopMark)
    void mark(int slot, int entry)
    {
        entries[slot] = entry;
        saved[slot] = ops[std::size_t(entry)];
        ops[std::size_t(entry)] = makeOp(saved[slot].position, RunPlan::Step, 0);
    }

    std::vector<RunPlan::Op> &ops;
    const std::uint64_t &changes;
    const std::uint64_t changesAtStart;
    int entries[2] = {-1, -1};
    RunPlan::Op saved[2] = {};
};

} // namespace

RunResult Machine::Private::runPlanned(Machine &machine, int maxSteps, const RunStops &stops)
{
    using Op = RunPlan::Op;
    const std::uint64_t changes = programChanges;
    const bool hasStopCommand = !stops.command.isNull();
    const char16_t stopCommand = stops.command.unicode();
    const int stopEntry = plan.entryAt(code, length, stops.position);
    const StopMark mark(plan, stopEntry, programChanges);
    const Op *ops = plan.ops.data();
    const int stepEntry = int(plan.ops.size()) - 1;

    int left = maxSteps;
    int *cells = tape.data();
    int cellCount = int(tape.size());
    int cell = currentCell;
    int maximum = maximumValue;
    // After a handler or step() ran, which may have changed any of these.
    const auto followMachine = [&] {
        cells = tape.data();
        cellCount = int(tape.size());
        cell = currentCell;
        maximum = maximumValue;
    };
    // Along the plan the program counter is the last command of entry k - 1 (-1 for k = 0).
    // When k was found for a program counter that lies off the plan's grid, it is the last
    // entry and `offGrid` holds that counter.
    constexpr int OnGrid = std::numeric_limits<int>::min();
    int k = plan.entryAfter(code, length, programCounter);
    int offGrid = k == stepEntry ? programCounter : OnGrid;
    const auto counterBefore = [this](int entry) {
        if (entry == 0)
            return -1;
        int last = plan.ops[std::size_t(entry)].position - 1;
        while (code[last] == u' ')
            --last;
        return last;
    };

    while (left > 0) {
        const Op op = ops[k];
        const int argument = int(op.argument());
        switch (op.kind()) {
        case RunPlan::Add:
        case RunPlan::Subtract: {
            const int count = std::min(argument, left);
            cells[cell] = op.kind() == RunPlan::Add ? added(cells[cell], count, maximum)
                                                    : subtracted(cells[cell], count, maximum);
            left -= count;
            if (count < argument)
                return endRun(cell, nthCommand(code, op.position, std::uint32_t(count)), maxSteps,
                              false);
            ++k;
            break;
        }
        case RunPlan::Right:
        case RunPlan::Left: {
            int count = std::min(argument, left);
            // Moves this run can make before it leaves the tape.
            const int room = op.kind() == RunPlan::Right ? cellCount - 1 - cell : cell;
            const bool crash = count > room;
            if (crash)
                count = room + 1;
            cell += op.kind() == RunPlan::Right ? count : -count;
            left -= count;
            if (crash)
                stop(op.kind() == RunPlan::Right ? StopReason::RightEdge : StopReason::LeftEdge);
            if (crash || count < argument)
                return endRun(cell, nthCommand(code, op.position, std::uint32_t(count)),
                              maxSteps - left, crash);
            ++k;
            break;
        }
        case RunPlan::Open:
        case RunPlan::Loop:
            --left;
            if (cells[cell] == 0) {
                k = argument + 1;
                break;
            }
            loopStack.push_back(op.position);
            if (op.kind() == RunPlan::Loop) {
                const LoopRun passes = runLoop(k, argument, cell, left, stopEntry);
                left -= passes.steps;
                if (passes.complete) {
                    k = argument + 1;
                    break;
                }
            }
            ++k;
            break;
        case RunPlan::Output:
            --left;
            // The handler may look at the machine.
            currentCell = cell;
            programCounter = op.position;
            {
                bool accepted = false;
                const int value = cells[cell];
                if (!askHandler(handler, [&](IOHandler *h) { accepted = h->output(value); })) {
                    // The handler reset the machine: what it left stands.
                    if (!running)
                        return {maxSteps - left, true};
                    return runOnByStep(machine, maxSteps - left, left, stops);
                }
                if (!accepted) {
                    stop(StopReason::BadOutput);
                    return endRun(cell, op.position, maxSteps - left, true);
                }
            }
            if (programChanges != changes)
                return runOnByStep(machine, maxSteps - left, left, stops);
            followMachine();
            if (hasStopCommand && stopCommand == u'.')
                return endRun(cell, op.position, maxSteps - left, true);
            ++k;
            break;
        case RunPlan::Other:
            --left;
            if (hasStopCommand && code[op.position] == stopCommand)
                return endRun(cell, op.position, maxSteps - left, true);
            ++k;
            break;
        case RunPlan::Close:
        case RunPlan::LoopClose:
            if (!loopStack.empty()) {
                if (cells[cell] == 0) {
                    --left;
                    loopStack.pop_back();
                    ++k;
                    break;
                }
                // A stack left over from another program may hold another loop.
                if (loopStack.back() == ops[argument].position) {
                    --left;
                    const int close = k;
                    k = argument + 1;
                    if (op.kind() == RunPlan::LoopClose) {
                        const LoopRun passes = runLoop(argument, close, cell, left, stopEntry);
                        left -= passes.steps;
                        if (passes.complete)
                            k = close + 1;
                    }
                    break;
                }
            }
            [[fallthrough]];
        default: {
            // Off the plan's grid, at the stop position, at an input, at an unmatched bracket,
            // at the end, or a ']' that finds no loop or another loop: one step as step() takes
            // it.
            endRun(cell, offGrid != OnGrid ? offGrid : counterBefore(k), 0, false);
            --left;
            if (machine.step() || stops.metBy(machine))
                return {maxSteps - left, true};
            if (programChanges != changes)
                return runOnByStep(machine, maxSteps - left, left, stops);
            followMachine();
            k = plan.entryAfter(code, length, programCounter);
            offGrid = k == stepEntry ? programCounter : OnGrid;
            break;
        }
        }
    }
    return endRun(cell, offGrid != OnGrid ? offGrid : counterBefore(k), maxSteps, false);
}
