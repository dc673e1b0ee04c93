// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Machine::run(): many steps at once, with exactly the effect of as many step() calls. It walks
// a plan of the program (RunPlan) in which a run of equal commands or a straight block of them
// is one entry, a skipped loop is one jump, and a loop whose body is one such entry is worked
// out for all its passes at once (a transfer, or a scan for a zero cell). A loop of changes,
// moves, outputs and such loops (a compound loop, nested up to a depth) runs a whole pass at a
// time from a list of steps at fixed offsets, checking the tape's ends and the steps left once
// a pass. Wherever the plan cannot say what step() would do (a step limit inside a block, a
// stop position, a program counter that lies between entries) it takes single steps instead.

#include "machine.h"

#include "iohandler.h"
#include "machine_p.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <unordered_map>

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

RunPlan::Op makeOp(Kind kind, std::uint32_t argument)
{
    return {argument << 4 | std::uint32_t(kind)};
}

// Calls onEntry(kind, last, count) for every run of equal changes or moves and every other
// command of `code`, in order, with the position of its last command.
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
        onEntry(kind, i - 1, count);
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

// The cell after adding `change` (of any size and sign) in arithmetic modulo maximum + 1, for
// a cell within 0 ... maximum.
int shifted(int cell, long long change, int maximum)
{
    const long long values = maximum + 1LL;
    if (change >= -values && change <= values) {
        // At most one wrap, found without a branch: whether it wraps follows the data.
        long long value = cell + change;
        value -= value > maximum ? values : 0;
        value += value < 0 ? values : 0;
        return int(value);
    }
    const long long wrapped = (cell + change) % values;
    return int(wrapped < 0 ? wrapped + values : wrapped);
}

// `change` as a number of '+' within 0 ... maximum.
long long normalised(long long change, int maximum)
{
    const long long values = maximum + 1LL;
    const long long value = change % values;
    return value < 0 ? value + values : value;
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

namespace {

// Gathers the runs of a straight block while the plan is built, merging its changes by offset.
class BlockBuilder
{
public:
    // Keeps a block's steps and changes far from the limits of an int.
    static constexpr int LargestSteps = 1 << 30;

    explicit BlockBuilder(RunPlan &into)
        : plan(into)
    {
    }

    bool fits(std::uint32_t count) const
    {
        return block.steps <= LargestSteps - int(count);
    }

    void add(Kind kind, int last, std::uint32_t count)
    {
        if (runs == 0) {
            block = {};
            block.firstChange = std::uint32_t(plan.changes.size());
            offset = 0;
            // clear() visits every bucket, which a huge block left many of.
            if (changeAt.bucket_count() > 64)
                changeAt = std::unordered_map<int, std::size_t>();
            else
                changeAt.clear();
            pending.clear();
        }
        pending.push_back({kind, last, count});
        ++runs;
        lastPosition = last;
        block.steps += int(count);
        const int signedCount = kind == RunPlan::Add || kind == RunPlan::Right ? int(count)
                                                                               : -int(count);
        if (kind == RunPlan::Right || kind == RunPlan::Left) {
            offset += signedCount;
            block.lowest = std::min(block.lowest, offset);
            block.highest = std::max(block.highest, offset);
            return;
        }
        const auto found = changeAt.try_emplace(offset, plan.changes.size());
        if (found.second)
            plan.changes.push_back({offset, 0});
        plan.changes[found.first->second].change += signedCount;
    }

    // Ends the block: a Block entry where it is a loop's whole body or takes less room than
    // its runs, else one entry per run.
    void flush(const std::function<void(Kind, int, std::uint32_t)> &push, bool loopBody)
    {
        if (runs == 0)
            return;
        const std::size_t changeCount = plan.changes.size() - block.firstChange;
        const std::size_t blockSize = sizeof(RunPlan::Op) + sizeof(RunPlan::BlockRecord)
                                      + changeCount * sizeof(RunPlan::Change);
        if (runs == 1 || (!loopBody && blockSize >= pending.size() * sizeof(RunPlan::Op))) {
            plan.changes.resize(block.firstChange);
            for (const Run &run : pending)
                push(run.kind, run.last, run.count);
        } else {
            block.move = offset;
            block.changeCount = std::uint32_t(changeCount);
            const auto counter = changeAt.find(0);
            if (counter != changeAt.end())
                block.counterChange = plan.changes[counter->second].change;
            push(RunPlan::Block, lastPosition, recordOf(block));
        }
        runs = 0;
    }

private:
    // The record of `added`, whose changes end the plan's list: an equal one made before, as
    // programs repeat their loop bodies, or `added` itself.
    std::uint32_t recordOf(const RunPlan::BlockRecord &added)
    {
        std::size_t key = std::hash<int>()(added.move) ^ std::size_t(added.steps) << 20;
        for (std::uint32_t i = 0; i < added.changeCount; ++i) {
            const RunPlan::Change &change = plan.changes[added.firstChange + i];
            key = key * 1000003 ^ std::hash<int>()(change.offset * 65599 + change.change);
        }
        const auto same = [this, &added](std::uint32_t index) {
            const RunPlan::BlockRecord &earlier = plan.blocks[index];
            const auto first = plan.changes.begin() + earlier.firstChange;
            return earlier.steps == added.steps && earlier.move == added.move
                   && earlier.changeCount == added.changeCount
                   && std::equal(first, first + earlier.changeCount,
                                 plan.changes.begin() + added.firstChange,
                                 [](const RunPlan::Change &a, const RunPlan::Change &b) {
                                     return a.offset == b.offset && a.change == b.change;
                                 });
        };
        const auto range = made.equal_range(key);
        for (auto found = range.first; found != range.second; ++found) {
            if (same(found->second)) {
                plan.changes.resize(added.firstChange);
                return found->second;
            }
        }
        const auto index = std::uint32_t(plan.blocks.size());
        plan.blocks.push_back(added);
        made.emplace(key, index);
        return index;
    }

    RunPlan &plan;
    RunPlan::BlockRecord block;
    // The blocks made so far, by a hash of their records
    std::unordered_multimap<std::size_t, std::uint32_t> made;
    std::unordered_map<int, std::size_t> changeAt;
    struct Run
    {
        Kind kind;
        int last;
        std::uint32_t count;
    };
    std::vector<Run> pending;
    int runs = 0;
    int offset = 0;
    int lastPosition = 0;
};

// Applies `block` to the cells from `cells[cell]` on, when its moves stay on the tape; answers
// whether it did. The cells it changes must lie within the maximum.
inline bool applyBlock(int *cells, int cellCount, int cell, int maximum,
                       const RunPlan::BlockRecord &block, const RunPlan::Change *changes)
{
    if (cell + block.lowest < 0 || cell + block.highest >= cellCount)
        return false;
    int *at = cells + cell;
    const RunPlan::Change *change = changes + block.firstChange;
    for (const RunPlan::Change *end = change + block.changeCount; change != end; ++change)
        at[change->offset] = shifted(at[change->offset], change->change, maximum);
    return true;
}

// The body of a Loop, entry `body`, as a block: its record, or one made up in `single` and
// `singleChange` for a single run, with `changes` then pointing at `singleChange`.
inline const RunPlan::BlockRecord &bodyBlock(const RunPlan &plan, RunPlan::Op body,
                                             RunPlan::BlockRecord &single,
                                             RunPlan::Change &singleChange,
                                             const RunPlan::Change *&changes)
{
    const int count = int(body.argument());
    switch (body.kind()) {
    case RunPlan::Add:
    case RunPlan::Subtract:
        singleChange.change = body.kind() == RunPlan::Add ? count : -count;
        single.counterChange = singleChange.change;
        single.changeCount = 1;
        changes = &singleChange;
        break;
    case RunPlan::Right:
    case RunPlan::Left:
        single.move = body.kind() == RunPlan::Right ? count : -count;
        single.lowest = std::min(single.move, 0);
        single.highest = std::max(single.move, 0);
        changes = &singleChange;
        break;
    default:
        return plan.blocks[std::size_t(count)];
    }
    single.steps = count;
    return single;
}

// True when a loop whose body is the entry `body` can be run a whole pass at a time: its
// body only changes and moves.
bool isSimpleBody(RunPlan::Op body)
{
    return isRun(body.kind()) || body.kind() == RunPlan::Block;
}

} // namespace

void RunPlan::build(const char16_t *code, int length)
{
    built = true;
    const std::size_t count = mostEntries(code, length);
    usable = count < LargestArgument && std::uint32_t(length) < LargestArgument;
    if (!usable)
        return;
    // Blocks only shrink this bound; growing by doubling instead could hold twice as much.
    ops.reserve(count);

    // Brackets pair as the forward scan of a skipped loop pairs them. While a '[' waits for its
    // ']', its argument holds the '[' that waited before it, so pairing needs no other storage.
    constexpr std::uint32_t NoMatch = LargestArgument;
    std::uint32_t waiting = NoMatch;
    const std::function<void(Kind, int, std::uint32_t)> push =
        [&](Kind kind, int last, std::uint32_t argument) {
            const auto index = std::uint32_t(ops.size());
            if (kind == Open) {
                ops.push_back(makeOp(Open, waiting));
                ops.push_back(makeOp(Position, std::uint32_t(last)));
                waiting = index;
                return;
            }
            if (kind == Close && waiting != NoMatch) {
                argument = waiting;
                const std::uint32_t outer = ops[waiting].argument();
                ops[waiting] = makeOp(Open, index);
                waiting = outer;
            } else if (!isRun(kind) && kind != Block) {
                kind = kind == Close ? Step : kind;
                argument = std::uint32_t(last);
            }
            ops.push_back(makeOp(kind, argument));
        };
    BlockBuilder block(*this);
    scanEntries(code, length, [&](Kind kind, int last, std::uint32_t runLength) {
        if (isRun(kind) && block.fits(runLength)) {
            block.add(kind, last, runLength);
            return;
        }
        block.flush(push, kind == Close && !ops.empty() && ops.back().kind() == Position);
        if (isRun(kind))
            block.add(kind, last, runLength);
        else
            push(kind, last, runLength);
    });
    block.flush(push, false);
    while (waiting != NoMatch) {
        const std::uint32_t outer = ops[waiting].argument();
        ops[waiting] = makeOp(Step, ops[waiting + 1].argument());
        waiting = outer;
    }
    ops.push_back(makeOp(Step, std::uint32_t(length)));
    blocks.shrink_to_fit();

    markLoops();
    changes.shrink_to_fit();
    markCompounds(length);
    placeCheckpoints(code);
}

std::size_t RunPlan::mostEntries(const char16_t *code, int length)
{
    std::size_t count = 1; // the last Step entry
    scanEntries(code, length, [&count](Kind, int, std::uint32_t) { ++count; });
    // A '[' takes a second word for its position.
    for (int i = 0; i < length; ++i)
        count += code[i] == u'[';
    return count;
}

void RunPlan::markLoops()
{
    for (std::size_t open = 0; open + 3 < ops.size(); ++open) {
        if (ops[open].kind() == Open && ops[open].argument() == open + 3
            && isSimpleBody(ops[open + 2])) {
            ops[open] = makeOp(Loop, std::uint32_t(open + 3));
            ops[open + 3] = makeOp(LoopClose, std::uint32_t(open));
        }
    }
}

std::uint32_t RunPlan::partner(std::uint32_t entry) const
{
    const Op op = ops[entry];
    return op.kind() == Compound ? compounds[op.argument()].close : op.argument();
}

void RunPlan::markCompounds(int length)
{
    // The records of a long program take a small fraction of the room of its characters, so
    // that the plan stays within four bytes a character.
    const std::size_t room = 65536 + std::size_t(length) / 128;
    const std::size_t blocksBefore = blocks.size();
    // Inner loops first, as they end first: a compound may hold them.
    for (std::uint32_t close = 0; close < ops.size(); ++close) {
        if (compounds.size() * sizeof(CompoundRecord) + micros.size() * sizeof(Micro)
                + (blocks.size() - blocksBefore) * sizeof(BlockRecord)
            > room)
            break;
        if (ops[close].kind() != Close)
            continue;
        const std::uint32_t open = ops[close].argument();
        if (ops[open].kind() == Open && makeCompound(open, close)) {
            ops[open] = makeOp(Compound, std::uint32_t(compounds.size() - 1));
            ops[close] = makeOp(LoopClose, open);
        }
    }
    compounds.shrink_to_fit();
    micros.shrink_to_fit();
    blocks.shrink_to_fit();
}

namespace {

// Keeps a compound's offsets and steps far from the limits of an int.
constexpr long long LargestCompound = 1 << 26;

// Collects a compound loop's body while the plan is built: the changes of its straight
// stretches merged by offset, its outputs and transfers as Micro steps, and its reach.
class CompoundBuilder
{
public:
    CompoundBuilder(RunPlan &into, std::uint32_t close)
        : plan(into)
    {
        record.close = close;
        record.firstMicro = std::uint32_t(plan.micros.size());
    }

    void change(long long at, long long change)
    {
        stretch[offset + at] += change;
        fits = fits && std::llabs(stretch[offset + at]) <= LargestCompound;
    }
    void move(long long by, long long low, long long high)
    {
        reach(offset + low, offset + high);
        offset += by;
    }
    void count(long long steps)
    {
        taken += steps;
        fits = fits && taken <= LargestCompound;
    }
    void output(std::uint32_t entry)
    {
        flush();
        count(1);
        plan.micros.push_back({RunPlan::Micro::Output, false, int(offset), int(entry),
                               std::uint32_t(taken), plan.ops[entry].argument()});
    }
    // The Loop at plan entry `loop`, when it is a transfer or a walk.
    bool transfer(std::uint32_t loop);
    void walk(std::uint32_t loop, std::uint32_t index,
              RunPlan::Micro::Kind kind = RunPlan::Micro::Walk);
    // The compound loop at plan entry `open`, when it does not nest too deep.
    bool nested(std::uint32_t open)
    {
        const std::uint32_t index = plan.ops[open].argument();
        const int depth = plan.compounds[index].depth;
        if (depth >= RunPlan::CompoundRecord::MostDepth)
            return false;
        record.depth = std::max(record.depth, depth + 1);
        walk(open, index, RunPlan::Micro::Nested);
        return true;
    }
    // Ends the record; false, taking back its Micro steps, when the body does not fit.
    bool finish();

    bool fits = true;

private:
    void reach(long long low, long long high)
    {
        lowest = std::min(lowest, low);
        highest = std::max(highest, high);
        fits = fits && lowest >= -LargestCompound && highest <= LargestCompound;
    }
    // Ends the reach of the stretch before a walk or the end of the pass.
    void endReach()
    {
        RunPlan::Micro *walk = lastWalk < 0 ? nullptr : &plan.micros[std::size_t(lastWalk)];
        (walk ? walk->low : record.lowest) = int(lowest);
        (walk ? walk->high : record.highest) = int(highest);
    }
    void flush()
    {
        for (const auto &[at, change] : stretch) {
            if (change != 0)
                plan.micros.push_back({RunPlan::Micro::Change, false, int(at), int(change), 0, 0});
        }
        stretch.clear();
    }

    RunPlan &plan;
    RunPlan::CompoundRecord record;
    std::map<long long, long long> stretch; // changes since the last output or transfer
    long long offset = 0;
    long long lowest = 0;
    long long highest = 0;
    long long taken = 0;
    long long transferSteps = 0;
    long long lastWalk = -1; // the Micro whose walk the stretch follows
};

bool CompoundBuilder::transfer(std::uint32_t loop)
{
    const RunPlan::Op body = plan.ops[loop + 2];
    if (body.kind() == RunPlan::Right || body.kind() == RunPlan::Left) {
        // A scan: its body as a block of its own.
        RunPlan::BlockRecord scan;
        scan.steps = int(body.argument());
        scan.move = body.kind() == RunPlan::Right ? scan.steps : -scan.steps;
        scan.lowest = std::min(scan.move, 0);
        scan.highest = std::max(scan.move, 0);
        plan.blocks.push_back(scan);
        walk(loop, std::uint32_t(plan.blocks.size() - 1));
        return true;
    }
    if (body.kind() == RunPlan::Block && plan.blocks[body.argument()].move != 0) {
        walk(loop, body.argument());
        return true;
    }
    RunPlan::Micro micro{RunPlan::Micro::Transfer, false, int(offset), 2, 0, 0};
    int counterChange = 0;
    if ((body.kind() == RunPlan::Add || body.kind() == RunPlan::Subtract)
        && body.argument() == 1) {
        counterChange = body.kind() == RunPlan::Add ? 1 : -1;
    } else if (body.kind() == RunPlan::Block) {
        const RunPlan::BlockRecord &block = plan.blocks[body.argument()];
        counterChange = block.counterChange;
        micro.value = block.steps + 1;
        micro.first = block.firstChange;
        micro.count = block.changeCount;
        reach(offset + block.lowest, offset + block.highest);
    }
    if (counterChange != 1 && counterChange != -1)
        return false;
    micro.up = counterChange == 1;
    flush();
    plan.micros.push_back(micro);
    ++record.transfers;
    transferSteps += micro.value;
    fits = fits && transferSteps <= LargestCompound;
    return true;
}

void CompoundBuilder::walk(std::uint32_t loop, std::uint32_t index, RunPlan::Micro::Kind kind)
{
    flush();
    count(1); // the '['
    endReach();
    lastWalk = static_cast<long long>(plan.micros.size());
    plan.micros.push_back({kind, false, int(offset), int(loop), index, std::uint32_t(taken), 0, 0});
    offset = 0;
    lowest = 0;
    highest = 0;
}

bool CompoundBuilder::finish()
{
    flush();
    count(1); // the ']'
    endReach();
    if (!fits) {
        plan.micros.resize(record.firstMicro);
        return false;
    }
    record.microCount = std::uint32_t(plan.micros.size()) - record.firstMicro;
    record.steps = int(taken);
    record.transferPassSteps = int(transferSteps);
    record.move = int(offset);
    plan.compounds.push_back(record);
    return true;
}

} // namespace

bool RunPlan::makeCompound(std::uint32_t open, std::uint32_t close)
{
    CompoundBuilder body(*this, close);
    for (std::uint32_t entry = open + 2; entry < close && body.fits; ++entry) {
        const Op op = ops[entry];
        const long long count = op.argument();
        switch (op.kind()) {
        case Add:
        case Subtract:
            body.change(0, op.kind() == Add ? count : -count);
            body.count(count);
            break;
        case Right:
        case Left: {
            const long long by = op.kind() == Right ? count : -count;
            body.move(by, std::min(by, 0LL), std::max(by, 0LL));
            body.count(count);
            break;
        }
        case Block: {
            const BlockRecord &block = blocks[op.argument()];
            for (std::uint32_t i = 0; i < block.changeCount; ++i)
                body.change(changes[block.firstChange + i].offset,
                            changes[block.firstChange + i].change);
            body.move(block.move, block.lowest, block.highest);
            body.count(block.steps);
            break;
        }
        case Output:
            body.output(entry);
            break;
        case Loop:
            body.fits = body.transfer(entry);
            entry += 3;
            break;
        case Compound:
            body.fits = body.nested(entry);
            entry = compounds[op.argument()].close;
            break;
        default:
            body.fits = false;
        }
    }
    return close > open + 2 && body.finish();
}

void RunPlan::placeCheckpoints(const char16_t *code)
{
    checkpoints.reserve(ops.size() / CheckpointEvery + 1);
    int position = -1;
    for (std::size_t entry = 0; entry < ops.size(); ++entry) {
        if (entry % CheckpointEvery == 0)
            checkpoints.push_back(position);
        position = lastAfter(code, position, int(entry));
    }
}

int RunPlan::entryAfter(const char16_t *code, int length, int programCounter) const
{
    const int stepEntry = int(ops.size()) - 1;
    if (programCounter < 0)
        return 0;
    // A loop stack left over from another program can leave the counter on a space.
    if (programCounter >= length || code[programCounter] == u' ')
        return stepEntry;
    const auto checkpoint =
        std::upper_bound(checkpoints.begin(), checkpoints.end(), programCounter) - 1;
    int position = *checkpoint;
    for (int entry = int(checkpoint - checkpoints.begin()) * CheckpointEvery; entry < stepEntry;
         ++entry) {
        if (position == programCounter)
            return ops[std::size_t(entry)].kind() == Position ? entry + 1 : entry;
        position = lastAfter(code, position, entry);
        if (position > programCounter)
            break;
    }
    return stepEntry;
}

int RunPlan::entryAt(const char16_t *code, int length, int position) const
{
    if (position < 0 || position >= length || code[position] == u' ')
        return -1;
    const auto checkpoint =
        std::upper_bound(checkpoints.begin(), checkpoints.end(), position - 1) - 1;
    int last = *checkpoint;
    const int stepEntry = int(ops.size()) - 1;
    for (int entry = int(checkpoint - checkpoints.begin()) * CheckpointEvery; entry < stepEntry;
         ++entry) {
        last = lastAfter(code, last, entry);
        if (last >= position)
            return entry;
    }
    return stepEntry;
}

int RunPlan::lastAfter(const char16_t *code, int before, int entry) const
{
    const Op op = ops[std::size_t(entry)];
    std::uint32_t commands = 1;
    switch (op.kind()) {
    case Add:
    case Subtract:
    case Right:
    case Left:
        commands = op.argument();
        break;
    case Block:
        commands = std::uint32_t(blocks[op.argument()].steps);
        break;
    case Close:
    case LoopClose:
        break;
    case Open:
    case Loop:
    case Compound:
        return int(ops[std::size_t(entry) + 1].argument());
    default:
        return int(op.argument());
    }
    int first = before + 1;
    while (code[first] == u' ')
        ++first;
    return nthCommand(code, first, commands);
}

int RunPlan::lastOf(const char16_t *code, int entry) const
{
    const int from = entry / CheckpointEvery;
    int position = checkpoints[std::size_t(from)];
    for (int e = from * CheckpointEvery; e <= entry; ++e)
        position = lastAfter(code, position, e);
    return position;
}

int RunPlan::counterBefore(const char16_t *code, int entry) const
{
    return entry == 0 ? -1 : lastOf(code, entry - 1);
}

int RunPlan::firstOf(const char16_t *code, int entry) const
{
    int position = counterBefore(code, entry) + 1;
    while (code[position] == u' ')
        ++position;
    return position;
}

RunResult Machine::run(int maxSteps, const RunStops &stops)
{
    Private &m = *d;
    if (!m.running || m.inHandler)
        return {0, true};
    m.retiredPlans.clear();
    if (maxSteps <= 0)
        return {};
    // A stop on a command that the plan folds away could not be seen, and the plan's sums hold
    // only for cells within the maximum: step instead.
    if ((!stops.command.isNull() && kindOf(stops.command.unicode()) <= RunPlan::Close)
        || m.tapeAboveMaximum())
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

bool Machine::Private::tapeAboveMaximum()
{
    if (!mayExceedMaximum)
        return false;
    const int maximum = maximumValue;
    mayExceedMaximum =
        std::any_of(tape.begin(), tape.end(), [maximum](int value) { return value > maximum; });
    return mayExceedMaximum;
}

Machine::Private::LoopRun Machine::Private::runLoop(int open, int cell, long long budget)
{
    const RunPlan::Op *ops = plan.ops.data();
    // A stop position in the loop turns one of its entries into a Step.
    if (ops[open].kind() != RunPlan::Loop || ops[open + 2].kind() == RunPlan::Step)
        return {0, false, cell};
    const int close = int(ops[open].argument());
    if (ops[close].kind() != RunPlan::LoopClose)
        return {0, false, cell};
    // The body as a block, also where it is a single run.
    RunPlan::BlockRecord single;
    RunPlan::Change singleChange{0, 0};
    const RunPlan::Change *changes = plan.changes.data();
    const RunPlan::BlockRecord &block =
        bodyBlock(plan, ops[open + 2], single, singleChange, changes);
    const long long passSteps = block.steps + 1LL; // with the ']'
    int *cells = tape.data();
    const int cellCount = int(tape.size());
    const int maximum = maximumValue;
    const long long values = maximum + 1LL;
    // Whether the counter goes down or up by one a pass, modulo maximum + 1.
    const int counterChange = block.counterChange;
    bool down = counterChange == -1 || counterChange == maximum;
    bool up = counterChange == 1 || counterChange == -maximum;
    if (!down && !up && (counterChange > maximum || counterChange < -maximum)) {
        down = normalised(counterChange, maximum) == maximum;
        up = normalised(counterChange, maximum) == 1;
    }
    if (block.move != 0 || !(down || up)) {
        // Pass by pass, without going back to the plan between them.
        long long steps = 0;
        while (steps + passSteps <= budget
               && applyBlock(cells, cellCount, cell, maximum, block, changes)) {
            cell += block.move;
            steps += passSteps;
            if (cells[cell] == 0)
                return {steps, true, cell};
        }
        return {steps, false, cell};
    }

    // A transfer: every pass does the same, so the counter tells the number of passes.
    if (cell + block.lowest < 0 || cell + block.highest >= cellCount)
        return {0, false, cell};
    const long long counter = cells[cell];
    const long long passes = down ? counter : values - counter;
    const long long done = std::min(passes, budget / passSteps);
    if (done == 0)
        return {0, false, cell};
    const RunPlan::Change *changed = changes + block.firstChange;
    for (std::uint32_t i = 0; i < block.changeCount; ++i) {
        if (changed[i].offset != 0) {
            int &value = cells[cell + changed[i].offset];
            value = shifted(value, changed[i].change * done, maximum);
        }
    }
    cells[cell] = done == passes ? 0 : int(down ? counter - done : counter + done);
    return {done * passSteps, done == passes, cell};
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
    StopMark(RunPlan &runPlan, const char16_t *text, int stopEntry,
             const std::uint64_t &programChanges)
        : plan(runPlan)
        , ops(runPlan.ops)
        , code(text)
        , changes(programChanges)
        , changesAtStart(programChanges)
    {
        if (stopEntry < 0)
            return;
        const RunPlan::Kind kind = ops[std::size_t(stopEntry)].kind();
        const auto partner = int(plan.partner(std::uint32_t(stopEntry)));
        mark(0, stopEntry);
        if ((kind >= RunPlan::Open && kind <= RunPlan::LoopClose) || kind == RunPlan::Compound)
            mark(1, partner);
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
        const int last = plan.lastOf(code, entry);
        ops[std::size_t(entry)] = makeOp(RunPlan::Step, std::uint32_t(last));
    }

    const RunPlan &plan;
    std::vector<RunPlan::Op> &ops;
    const char16_t *const code;
    const std::uint64_t &changes;
    const std::uint64_t changesAtStart;
    int entries[2] = {-1, -1};
    RunPlan::Op saved[2] = {};
};

} // namespace

namespace {

// A transfer of a compound pass on the counter at `counter`; answers its steps.
inline long long transferAt(int *counter, const RunPlan::Micro &micro,
                            const RunPlan::Change *changes, int maximum)
{
    const int value = *counter;
    if (value == 0)
        return 1;
    const long long passes = micro.up ? maximum + 1LL - value : value;
    for (const RunPlan::Change *change = changes + micro.first,
                               *end = changes + micro.first + micro.count;
         change != end; ++change) {
        if (change->offset != 0)
            counter[change->offset] =
                shifted(counter[change->offset], change->change * passes, maximum);
    }
    *counter = 0;
    return 1 + passes * micro.value;
}

} // namespace

[[gnu::always_inline]] inline bool Machine::Private::walk(const RunPlan::Micro &micro,
                                                          int &base, long long &steps,
                                                          long long room, CompoundRun &stopped)
{
    if (micro.kind == RunPlan::Micro::Nested)
        return nested(micro, base, steps, room, stopped);
    const RunPlan::BlockRecord &block = plan.blocks[micro.first];
    int *cells = tape.data();
    const int cellCount = int(tape.size());
    const long long passSteps = block.steps + 1;
    int at = base + micro.offset;
    while (cells[at] != 0) {
        if (steps + passSteps > room
            || !applyBlock(cells, cellCount, at, maximumValue, block, plan.changes.data()))
            return walkStopped(micro, at, steps, false, stopped);
        at += block.move;
        steps += passSteps;
    }
    base = at;
    if (base + micro.low >= 0 && base + micro.high < cellCount)
        return true;
    return walkStopped(micro, at, steps, true, stopped);
}

Machine::Private::CompoundRun Machine::Private::runCompound(
    const RunPlan::CompoundRecord &record, int cell, long long budget)
{
    static constexpr CompoundCode::Helpers helpers{&outputFromCode, &nestedFromCode,
                                                   &transferFromCode};
    const auto index = std::uint32_t(&record - plan.compounds.data());
    const CompoundCode::Unit *unit =
        plan.machineCode.find(plan, index, maximumValue, int(tape.size()), helpers);
    if (unit)
        return runCode(*unit, record, cell, budget);
    const std::uint64_t changes = programChanges;
    const CompoundRun run = readCompound(record, cell, budget);
    // A handler may have replaced the program, whose records then count afresh.
    if (programChanges == changes)
        plan.machineCode.ran(index, run.steps);
    return run;
}

Machine::Private::CompoundRun Machine::Private::runCode(const CompoundCode::Unit &unit,
                                                     const RunPlan::CompoundRecord &record,
                                                     int cell, long long budget)
{
    CompoundFrame frame;
    frame.cells = tape.data();
    frame.room = budget - record.longestPass(maximumValue);
    frame.cell = cell;
    frame.entered[0] = 0;
    frame.machine = this;
    frame.currentCell = &currentCell;
    frame.programCounter = &programCounter;
    frame.inHandler = &inHandler;
    frame.alterationsNow = &alterations;
    frame.out = handler;
    frame.alterations = alterations;
    CompoundRun stopped;
    frame.stopped = &stopped;
    const Before before{resets, programChanges};
    const int answer = unit.function(&frame);
    switch (answer) {
    case 0:
        return {frame.steps, int(frame.cell), CompoundRun::Pending};
    case 1:
        return {frame.steps, int(frame.cell), CompoundRun::Complete};
    case 2:
        return stopped;
    default:
        return codeEnd(unit, answer, frame, before);
    }
}

Machine::Private::CompoundRun Machine::Private::codeEnd(const CompoundCode::Unit &unit,
                                                      int answer, const CompoundFrame &frame,
                                                      Before before)
{
    const CodeExit &exit = unit.exits[std::size_t(answer - 3)];
    const int cell = int(frame.cell);
    const long long own = frame.steps - frame.entered[exit.depth];
    if (exit.kind == CodeExit::Output) {
        // From the plan that made the code: the handler may have replaced the program.
        const auto *output = static_cast<const RunPlan::Micro *>(unit.micros) + exit.micro;
        return outputRun(output, frame.accepted, own + output->first, cell, before);
    }
    const std::uint32_t *path = unit.paths.data() + exit.path;
    // Each loop the code entered is on the stack, as nested() left it for the one inside.
    for (int level = 0; level < exit.depth; ++level) {
        const RunPlan::Micro &inner = plan.micros[path[level]];
        loopStack.push_back(int(plan.ops[std::size_t(inner.value) + 1].argument()));
    }
    const RunPlan::Micro &micro = plan.micros[exit.micro];
    CompoundRun run;
    switch (exit.kind) {
    case CodeExit::Pending:
        run = {own, cell, CompoundRun::Pending};
        break;
    case CodeExit::WalkStart:
    case CodeExit::WalkEnd:
        walkStopped(micro, cell, own, exit.kind == CodeExit::WalkEnd, run);
        break;
    case CodeExit::NestedEnd:
        run = {own + micro.count, cell, CompoundRun::Resume};
        run.entry = int(plan.compounds[micro.first].close) + 1;
        break;
    case CodeExit::Output:
        break;
    }
    // Back out through the loops that hold it, as each nested() hands on its inner loop's end.
    for (int level = exit.depth - 1; level >= 0; --level) {
        const RunPlan::Micro &inner = plan.micros[path[level]];
        run.steps += frame.entered[level + 1] - frame.entered[level] + inner.count;
        if (run.end == CompoundRun::Pending) {
            run.end = CompoundRun::Resume;
            run.entry = inner.value + 2;
        }
    }
    return run;
}

bool Machine::Private::outputFromCode(IOHandler *handler, int value)
{
    return handler->output(value);
}

int Machine::Private::nestedFromCode(CompoundFrame *frame, const void *micro)
{
    Private &m = *static_cast<Private *>(frame->machine);
    int base = int(frame->base);
    long long steps = frame->steps;
    const bool passed = m.nested(*static_cast<const RunPlan::Micro *>(micro), base, steps,
                                 frame->room, *static_cast<CompoundRun *>(frame->stopped));
    frame->base = base;
    frame->steps = steps;
    return passed;
}

long long Machine::Private::transferFromCode(int *counter, const void *micro,
                                             const void *changes, int maximum)
{
    return transferAt(counter, *static_cast<const RunPlan::Micro *>(micro),
                      static_cast<const RunPlan::Change *>(changes), maximum);
}

Machine::Private::CompoundRun Machine::Private::readCompound(
    const RunPlan::CompoundRecord &record, int cell, long long budget)
{
    const RunPlan::Micro *first = plan.micros.data() + record.firstMicro;
    const RunPlan::Micro *end = first + record.microCount;
    const RunPlan::Change *changeList = plan.changes.data();
    int *cells = tape.data();
    const int cellCount = int(tape.size());
    const int maximum = maximumValue;
    const std::uint64_t alterationsBefore = alterations;
    const Before before{resets, programChanges};
    IOHandler *const out = handler;
    // A handler that changes the maximum ends the passes, so this bound holds for them all.
    const long long room = budget - record.longestPass(maximum);
    // Kept in locals, as the handler calls leave the compiler unsure of the record.
    const int lowestCell = -record.lowest;
    const int cellsAbove = cellCount - record.highest;
    const int passSteps = record.steps;
    const int move = record.move;
    long long steps = 0;
    CompoundRun stopped;
    while (steps <= room && cell >= lowestCell && cell < cellsAbove) {
        int base = cell;
        for (const RunPlan::Micro *micro = first; micro != end; ++micro) {
            int &value = cells[base + micro->offset];
            if (micro->kind == RunPlan::Micro::Change) {
                value = shifted(value, micro->value, maximum);
                continue;
            }
            if (micro->kind == RunPlan::Micro::Transfer) {
                steps += transferAt(&value, *micro, changeList, maximum);
                continue;
            }
            if (micro->kind >= RunPlan::Micro::Walk) {
                if (!walk(*micro, base, steps, room, stopped))
                    return stopped;
                continue;
            }
            // The handler may look at the machine, and replace the program with its plan.
            const int outputCell = base + micro->offset;
            const long long outputSteps = steps + micro->first;
            currentCell = outputCell;
            programCounter = int(micro->count);
            const int shown = value;
            bool accepted = false;
            if (out) {
                inHandler = true;
                accepted = out->output(shown);
                inHandler = false;
            }
            if (!accepted || alterations != alterationsBefore)
                return outputRun(micro, accepted, outputSteps, outputCell, before);
        }
        steps += passSteps;
        cell = base + move;
        if (cells[cell] == 0)
            return {steps, cell, CompoundRun::Complete};
    }
    return {steps, cell, CompoundRun::Pending};
}

bool Machine::Private::nested(const RunPlan::Micro &micro, int &base, long long &steps,
                              long long room, CompoundRun &stopped)
{
    const int at = base + micro.offset;
    if (tape[std::size_t(at)] != 0) {
        const int open = micro.value;
        loopStack.push_back(int(plan.ops[std::size_t(open) + 1].argument()));
        const CompoundRun inner = runCompound(plan.compounds[micro.first], at, room - steps);
        steps += inner.steps;
        if (inner.end != CompoundRun::Complete) {
            stopped = inner;
            stopped.steps = steps + micro.count;
            if (inner.end == CompoundRun::Pending) {
                // At the start of a pass of the inner loop, for the plan's entries to take on.
                stopped.end = CompoundRun::Resume;
                stopped.entry = open + 2;
            }
            return false;
        }
        loopStack.pop_back();
        base = inner.cell;
    } else {
        base = at;
    }
    if (base + micro.low >= 0 && base + micro.high < int(tape.size()))
        return true;
    stopped = {steps + micro.count, base, CompoundRun::Resume};
    stopped.entry = int(plan.compounds[micro.first].close) + 1;
    return false;
}

bool Machine::Private::walkStopped(const RunPlan::Micro &micro, int cell, long long steps,
                                   bool ended, CompoundRun &stopped)
{
    stopped = {steps + micro.count, cell, CompoundRun::Resume};
    if (ended) {
        stopped.entry = micro.value + 4; // after the walk's ']'
        return false;
    }
    // At the start of a pass of the walk's loop, for the plan's entries to take on.
    loopStack.push_back(int(plan.ops[std::size_t(micro.value) + 1].argument()));
    stopped.entry = micro.value + 2;
    return false;
}

Machine::Private::CompoundRun Machine::Private::outputRun(const RunPlan::Micro *output,
                                                        bool accepted, long long steps, int cell,
                                                        Before before)
{
    CompoundRun run{steps, cell, CompoundRun::Output};
    run.accepted = accepted;
    // Only a reset moves the program counter, and only a new program takes `output` away.
    run.handled = resets == before.resets;
    run.position = programCounter;
    if (run.handled && programChanges == before.programChanges)
        run.entry = output->value;
    return run;
}

Machine::Private::CompoundRun Machine::Private::output(int cell, int position)
{
    // The handler may look at the machine.
    currentCell = cell;
    programCounter = position;
    CompoundRun call;
    call.accepted = false;
    const int value = tape[std::size_t(cell)];
    call.handled = askHandler(handler, [&](IOHandler *h) { call.accepted = h->output(value); });
    return call;
}

bool Machine::Private::outputEnds(Machine &machine, const CompoundRun &call, int cell,
                                  int position, RunResult &result, int done,
                                  const RunStops &stops, std::uint64_t changes)
{
    const int left = result.steps - done;
    if (!call.handled) {
        // The handler reset the machine: what it left stands.
        result = running ? runOnByStep(machine, done, left, stops) : RunResult{done, true};
        return true;
    }
    if (!call.accepted) {
        stop(StopReason::BadOutput);
        result = endRun(cell, position, done, true);
        return true;
    }
    if (programChanges != changes || (mayExceedMaximum && tapeAboveMaximum())) {
        result = runOnByStep(machine, done, left, stops);
        return true;
    }
    if (stops.command == QChar(u'.')) {
        result = endRun(cell, position, done, true);
        return true;
    }
    return false;
}

RunResult Machine::Private::runCut(int entry, int cell, int left, int maxSteps)
{
    const RunPlan::Op op = plan.ops[std::size_t(entry)];
    const int argument = int(op.argument());
    int count = std::min(argument, left);
    bool crash = false;
    if (op.kind() == RunPlan::Add || op.kind() == RunPlan::Subtract) {
        int &value = tape[std::size_t(cell)];
        value = op.kind() == RunPlan::Add ? added(value, count, maximumValue)
                                          : subtracted(value, count, maximumValue);
    } else {
        // Moves this run can make before it leaves the tape.
        const int room = op.kind() == RunPlan::Right ? int(tape.size()) - 1 - cell : cell;
        crash = count > room;
        if (crash) {
            count = room + 1;
            stop(op.kind() == RunPlan::Right ? StopReason::RightEdge : StopReason::LeftEdge);
        }
        cell += op.kind() == RunPlan::Right ? count : -count;
    }
    const int counter = nthCommand(code, plan.firstOf(code, entry), std::uint32_t(count));
    return endRun(cell, counter, maxSteps - left + count, crash);
}

namespace {

constexpr int OnGrid = std::numeric_limits<int>::min();

// A run of equal changes or moves at once, moving `at` on; false when it does not fit into the
// steps left or would leave the tape.
[[gnu::always_inline]] inline bool runEntry(RunPlan::Op op, int *cells, int cellCount,
                                            RunPlace &at, int maximum)
{
    const int count = int(op.argument());
    if (count > at.left)
        return false;
    int &cell = at.cell;
    switch (op.kind()) {
    case RunPlan::Add:
        cells[cell] = added(cells[cell], count, maximum);
        break;
    case RunPlan::Subtract:
        cells[cell] = subtracted(cells[cell], count, maximum);
        break;
    case RunPlan::Right:
        if (count > cellCount - 1 - cell)
            return false;
        cell += count;
        break;
    default:
        if (count > cell)
            return false;
        cell -= count;
    }
    at.left -= count;
    ++at.entry;
    return true;
}

// A straight block at once, moving `at` on; false when it does not fit into the steps left or
// would leave the tape.
[[gnu::always_inline]] inline bool blockEntry(const RunPlan::BlockRecord &block,
                                              const RunPlan::Change *changes, int *cells,
                                              int cellCount, RunPlace &at,
                                              int maximum)
{
    if (block.steps > at.left || !applyBlock(cells, cellCount, at.cell, maximum, block, changes))
        return false;
    at.cell += block.move;
    at.left -= block.steps;
    ++at.entry;
    return true;
}

} // namespace

Machine::Private::Place Machine::Private::loopPasses(const RunContext &run, int open,
                                                    int close, Place at, RunResult &result)
{
    const RunPlan::Op op = plan.ops[std::size_t(open)];
    if (op.kind() == RunPlan::Loop) {
        const LoopRun passes = runLoop(open, at.cell, at.left);
        at = {passes.complete ? close + 1 : open + 2, passes.cell, at.left - int(passes.steps)};
        if (passes.complete)
            loopStack.pop_back();
        return at;
    }
    // A compound loop runs no stop: one that holds it goes by its entries.
    if (!run.stops.command.isNull() || (run.stopEntry > open && run.stopEntry < close))
        return {open + 2, at.cell, at.left};
    const CompoundRun passes = runCompound(plan.compounds[op.argument()], at.cell, at.left);
    at = {open + 2, passes.cell, at.left - int(passes.steps)};
    switch (passes.end) {
    case CompoundRun::Pending:
        return at;
    case CompoundRun::Resume:
        return {passes.entry, at.cell, at.left};
    case CompoundRun::Complete:
        loopStack.pop_back();
        return {close + 1, at.cell, at.left};
    default:
        if (outputEnds(run.machine, passes, at.cell, passes.position, result,
                       run.maxSteps - at.left, run.stops, run.changes))
            return {-1, 0, 0};
        return {passes.entry + 1, at.cell, at.left};
    }
}

Machine::Private::Place Machine::Private::slowEntry(const RunContext &run, RunPlan::Op op,
                                                   Place at, int &offGrid, RunResult &result)
{
    const int argument = int(op.argument());
    const int done = run.maxSteps - at.left + 1; // with this entry's step
    switch (op.kind()) {
    case RunPlan::Add:
    case RunPlan::Subtract:
    case RunPlan::Right:
    case RunPlan::Left:
        // A run cut short by the step limit or the tape's end.
        result = runCut(at.entry, at.cell, at.left, run.maxSteps);
        return {-1, 0, 0};
    case RunPlan::Loop:
    case RunPlan::Compound: {
        const int close = int(plan.partner(std::uint32_t(at.entry)));
        if (tape[std::size_t(at.cell)] == 0)
            return {close + 1, at.cell, at.left - 1};
        loopStack.push_back(int(plan.ops[std::size_t(at.entry) + 1].argument()));
        return loopPasses(run, at.entry, close, {at.entry, at.cell, at.left - 1}, result);
    }
    case RunPlan::LoopClose:
        // Back to the start of a pass: on with the loop's next passes at once.
        return loopPasses(run, argument, at.entry, {argument + 2, at.cell, at.left - 1}, result);
    case RunPlan::Output:
        if (outputEnds(run.machine, output(at.cell, argument), at.cell, argument, result, done,
                       run.stops, run.changes))
            return {-1, 0, 0};
        return {at.entry + 1, at.cell, at.left - 1};
    case RunPlan::Other:
        if (!run.stops.command.isNull() && code[argument] == run.stops.command.unicode()) {
            result = endRun(at.cell, argument, done, true);
            return {-1, 0, 0};
        }
        return {at.entry + 1, at.cell, at.left - 1};
    default:
        // Off the plan's grid, at the stop position, at an input, at an unmatched bracket, at
        // the end, or where an entry cannot go at once: one step as step() takes it.
        endRun(at.cell, offGrid != OnGrid ? offGrid : plan.counterBefore(code, at.entry), 0,
               false);
        if (run.machine.step() || run.stops.metBy(run.machine)) {
            result = {done, true};
            return {-1, 0, 0};
        }
        if (programChanges != run.changes || (mayExceedMaximum && tapeAboveMaximum())) {
            result = runOnByStep(run.machine, done, at.left - 1, run.stops);
            return {-1, 0, 0};
        }
        // The step may have called a handler, which may have changed the machine.
        const int entry = plan.entryAfter(code, length, programCounter);
        offGrid = entry == int(plan.ops.size()) - 1 ? programCounter : OnGrid;
        return {entry, currentCell, at.left - 1};
    }
}

RunResult Machine::Private::runPlanned(Machine &machine, int maxSteps, const RunStops &stops)
{
    const int stopEntry = plan.entryAt(code, length, stops.position);
    const StopMark mark(plan, code, stopEntry, programChanges);
    const RunContext context{machine, stops, stopEntry, programChanges, maxSteps};
    // Along the plan the program counter is the last command of entry k - 1 (-1 for k = 0).
    // When k was found for a program counter that lies off the plan's grid, it is the last
    // entry and `offGrid` holds that counter.
    const int k = plan.entryAfter(code, length, programCounter);
    int offGrid = k == int(plan.ops.size()) - 1 ? programCounter : OnGrid;
    RunResult result{maxSteps, false};
    const RunPlace at = followPlan(context, {k, currentCell, maxSteps}, offGrid, result);
    if (at.entry < 0)
        return result;
    return endRun(at.cell, offGrid != OnGrid ? offGrid : plan.counterBefore(code, at.entry),
                  maxSteps, false);
}

RunPlace Machine::Private::followPlan(const RunContext &context, RunPlace at, int &offGrid,
                                      RunResult &result)
{
    const RunPlan::Op *ops = plan.ops.data();
    int *cells = tape.data();
    int cellCount = int(tape.size());
    int maximum = maximumValue;
    while (at.left > 0) {
        RunPlan::Op op = ops[at.entry];
        const int argument = int(op.argument());
        switch (op.kind()) {
        case RunPlan::Add:
        case RunPlan::Subtract:
        case RunPlan::Right:
        case RunPlan::Left:
            if (runEntry(op, cells, cellCount, at, maximum))
                continue;
            break;
        case RunPlan::Block:
            if (blockEntry(plan.blocks[std::size_t(argument)], plan.changes.data(), cells,
                           cellCount, at, maximum))
                continue;
            op = RunPlan::Op{RunPlan::Step};
            break;
        case RunPlan::Open:
            --at.left;
            if (cells[at.cell] != 0)
                loopStack.push_back(int(ops[at.entry + 1].argument()));
            at.entry = cells[at.cell] == 0 ? argument + 1 : at.entry + 2;
            continue;
        case RunPlan::Close:
        case RunPlan::LoopClose:
            // A stack left over from another program may hold another loop.
            if (loopStack.empty()
                || (cells[at.cell] != 0 && loopStack.back() != int(ops[argument + 1].argument()))) {
                op = RunPlan::Op{RunPlan::Step};
            } else if (cells[at.cell] == 0) {
                --at.left;
                loopStack.pop_back();
                ++at.entry;
                continue;
            } else if (op.kind() == RunPlan::Close) {
                --at.left;
                at.entry = argument + 2;
                continue;
            }
            break;
        default:
            break;
        }
        at = slowEntry(context, op, at, offGrid, result);
        if (at.entry < 0)
            return at;
        cells = tape.data();
        cellCount = int(tape.size());
        maximum = maximumValue;
    }
    return at;
}
