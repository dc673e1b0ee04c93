// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// asmjit comes first and without Qt's precompiled headers, whose `emit` is a macro.
#if defined(ZINDLE_HAVE_ASMJIT) && defined(__x86_64__)
#define ZINDLE_COMPOUND_CODE 1
#include <asmjit/x86.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "compoundcode.h"

#include "iohandler.h"
#include "machine_p.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace {

// A record earns its code once it has run this many steps without, and more for a long body,
// whose code takes longer to make than its length alone says (see stepsBeforeCode()).
constexpr long long StepsBeforeCode = 1 << 17;
// Bounds on the code of one compound and of one program, as nested loops are written out
// inside the loops that hold them.
constexpr std::uint32_t MostMicros = 512;
constexpr std::size_t MostBytes = 4 << 20;
// Keeps a change times a number of passes within 64 bits.
constexpr long long LargestChange = 1 << 26;

using Compiled = CompoundCode::Unit;

struct Slot
{
    long long credit = 0;
    long long needed = -1; // the credit that earns code, once known
    bool failed = false;
    Compiled *compiled = nullptr;
};

} // namespace

struct CompoundCode::Private
{
    ~Private()
    {
        for (Slot &slot : records)
            release(slot);
    }
    void release(Slot &slot)
    {
        if (!slot.compiled)
            return;
#ifdef ZINDLE_COMPOUND_CODE
        munmap(slot.compiled->memory, slot.compiled->size);
#endif
        bytes -= slot.compiled->size;
        delete slot.compiled;
        slot.compiled = nullptr;
    }
    bool compile(const RunPlan &plan, std::uint32_t index, int maximum, int cellCount,
                 const Helpers &helpers, Slot &slot);

    std::vector<Slot> records;
    std::size_t bytes = 0;
};

namespace {

bool callsNoHandler(const RunPlan &plan, const RunPlan::CompoundRecord &record)
{
    for (std::uint32_t i = 0; i < record.microCount; ++i) {
        const RunPlan::Micro &m = plan.micros[record.firstMicro + i];
        if (m.kind == RunPlan::Micro::Output
            || (m.kind == RunPlan::Micro::Nested
                && !callsNoHandler(plan, plan.compounds[m.first])))
            return false;
    }
    return true;
}

// The Micro steps of the code of `record`, with the nested loops written out in it.
std::uint32_t writtenMicros(const RunPlan &plan, const RunPlan::CompoundRecord &record)
{
    std::uint32_t count = record.microCount;
    for (std::uint32_t i = 0; i < record.microCount; ++i) {
        const RunPlan::Micro &m = plan.micros[record.firstMicro + i];
        if (m.kind == RunPlan::Micro::Nested && callsNoHandler(plan, plan.compounds[m.first]))
            count += writtenMicros(plan, plan.compounds[m.first]);
    }
    return count;
}

// Making code takes time that grows faster than its length (about 0.1 ms for ten Micro steps,
// 17 ms for 400), so a long body must run longer before it pays for its code.
long long stepsBeforeCode(const RunPlan &plan, const RunPlan::CompoundRecord &record)
{
    const long long micros = writtenMicros(plan, record);
    return StepsBeforeCode + micros * micros * 128;
}

} // namespace

CompoundCode::CompoundCode() = default;
CompoundCode::CompoundCode(CompoundCode &&) noexcept = default;
CompoundCode &CompoundCode::operator=(CompoundCode &&) noexcept = default;
CompoundCode::~CompoundCode() = default;

namespace {

// ZINDLE_JIT=0 turns the code off; ZINDLE_JIT=eager makes it for every compound loop at its
// second run, which checks the code on short programs.
enum class Setting { Off, Earned, Eager };

Setting setting()
{
#ifdef ZINDLE_COMPOUND_CODE
    static const Setting chosen = [] {
        const char *value = std::getenv("ZINDLE_JIT");
        if (value && std::strcmp(value, "0") == 0)
            return Setting::Off;
        return value && std::strcmp(value, "eager") == 0 ? Setting::Eager : Setting::Earned;
    }();
    return chosen;
#else
    return Setting::Off;
#endif
}

} // namespace

void CompoundCode::ran(std::uint32_t index, long long steps)
{
    if (!d) {
        if (setting() == Setting::Off)
            return;
        d = std::make_unique<Private>();
    }
    if (d->records.size() <= index)
        d->records.resize(index + 1);
    d->records[index].credit += steps;
}

const CompoundCode::Unit *CompoundCode::find(const RunPlan &plan, std::uint32_t index,
                                             int maximum, int cellCount,
                                             const Helpers &helpers)
{
    if (!d || d->records.size() <= index)
        return nullptr;
    Slot &slot = d->records[index];
    if (slot.compiled) {
        if (slot.compiled->maximum == maximum && slot.compiled->cellCount == cellCount)
            return slot.compiled;
        // Made for another maximum or tape: earned again, as such a change is rare.
        d->release(slot);
        slot.credit = 0;
        return nullptr;
    }
    if (slot.failed || (slot.credit < StepsBeforeCode && setting() != Setting::Eager))
        return nullptr;
    if (slot.needed < 0)
        slot.needed = stepsBeforeCode(plan, plan.compounds[index]);
    if (slot.credit < slot.needed && setting() != Setting::Eager)
        return nullptr;
    if (!d->compile(plan, index, maximum, cellCount, helpers, slot)) {
        slot.failed = true;
        return nullptr;
    }
    return slot.compiled;
}

#ifndef ZINDLE_COMPOUND_CODE

bool CompoundCode::Private::compile(const RunPlan &, std::uint32_t, int, int, const Helpers &,
                                    Slot &)
{
    return false;
}

#else

namespace {

using namespace asmjit;
using Micro = RunPlan::Micro;

// Where IOHandler::output() sits in a handler's table of virtual functions, read from a pointer
// to it as the x86-64 C++ ABI lays one out (its offset in the table plus one); -1 where it does
// not, and the code calls the helper that calls it.
std::int32_t outputSlot()
{
    bool (IOHandler::*member)(int) = &IOHandler::output;
    struct
    {
        std::uintptr_t pointer;
        std::ptrdiff_t adjustment;
    } layout;
    static_assert(sizeof member == sizeof layout);
    std::memcpy(&layout, &member, sizeof layout);
    if ((layout.pointer & 1) == 0 || layout.adjustment != 0 || layout.pointer > 4096)
        return -1;
    return std::int32_t(layout.pointer - 1);
}

// Writes out a compound loop as code: each level is its pass loop, with the Micro steps of a
// pass in line and nested loops that call no handler written out inside it. Everything the
// interpreter checks is checked at the same point, so the code ends exactly where it would.
class Generator
{
public:
    Generator(const RunPlan &runPlan, int largest, int tapeLength,
              const CompoundCode::Helpers &h, x86::Compiler &compiler, Compiled &into)
        : plan(runPlan)
        , maximum(largest)
        , values(largest + 1LL)
        , masked((values & (values - 1)) == 0)
        , cellCount(tapeLength)
        , helpers(h)
        , cc(compiler)
        , compiled(into)
    {
    }

    bool generate(std::uint32_t index);

private:
    using Record = RunPlan::CompoundRecord;

    // A pass whose walks, nested loops and transfers all find a zero cell, as each pass of a
    // loop around a skipped loop does: its changes at offsets from the pass's cell, the cells
    // that must be zero, and its reach.
    struct SkippedPasses
    {
        std::map<long long, long long> changes; // without the counter's
        std::vector<long long> zeros;
        long long lowest = 0;
        long long highest = 0;
        bool up = false; // the counter goes up by one a pass, else down
        long long steps = 0; // of a pass
    };
    // Whether the passes of `record` are all alike while the cells in `skipped.zeros` are zero:
    // no output, no change to those cells, back on the cell a pass starts on, and a counter
    // that counts by one.
    bool passesSkipAll(const Record &record, SkippedPasses &skipped) const;
    // Runs as many passes as the steps allow at once, when the cells that must be zero are;
    // on at `top` with the passes left, or at `complete` where none is.
    void skipAll(const SkippedPasses &skipped, x86::Gp cell, x86::Mem limit, const Label &top,
                 const Label &complete);
    // value = value modulo (maximum + 1), for a value of any size and sign.
    void reduce(x86::Gp value);
    // Writes the pass loop of `record` at `depth`, starting on `cell`; falls through with
    // `cell` at the loop's end when its counter is zero.
    void level(int depth, const Record &record, x86::Gp cell, x86::Mem limit);
    void micro(int depth, std::uint32_t index, x86::Gp base, x86::Mem limit);
    void change(x86::Gp base, int offset, long long by);
    void transfer(std::uint32_t index, x86::Gp base);
    void walk(int depth, std::uint32_t index, x86::Gp base, x86::Mem limit);
    void nested(int depth, std::uint32_t index, x86::Gp base, x86::Mem limit);
    void output(std::uint32_t index, x86::Gp base);
    void nestedByHelper(std::uint32_t index, x86::Gp base);
    // After walk or nested loop `index`, which ended on `at`: on with the pass from there when
    // the rest of it stays on the tape, else an end of `kind`.
    void passGoesOn(CodeExit::Kind kind, int depth, std::uint32_t index, x86::Gp at,
                    x86::Gp base);
    // Ends the code with `code` and the steps and `cell` stored.
    void leave(int code, x86::Gp cell);
    void leave(CodeExit::Kind kind, int depth, std::uint32_t index, x86::Gp cell);
    // Jumps to `outside` when offsets `low` to `high` from `cell` reach off the tape.
    void outsideTape(x86::Gp cell, int low, int high, const Label &outside)
    {
        cc.cmp(cell, -low);
        cc.jl(outside);
        cc.cmp(cell, cellCount - high);
        cc.jge(outside);
    }
    // Fits `value` (within 0 ... 2 * maximum + 1 after a change `by`) back into the cells' range.
    void wrap(x86::Gp value, long long by);
    // After a call: the cells, and the steps stored before it, come back from the frame, so
    // that the register allocator keeps only the frame and the pass's cell through the call.
    void reloadCells() { cc.mov(cells, x86::ptr(frame, offsetof(CompoundFrame, cells))); }
    void reload()
    {
        reloadCells();
        cc.mov(steps, x86::qword_ptr(frame, offsetof(CompoundFrame, steps)));
    }
    x86::Mem cellAt(x86::Gp base, long long offset) const
    {
        return x86::dword_ptr(cells, base, 2, std::int32_t(offset * 4));
    }

    const RunPlan &plan;
    const int maximum;
    const long long values;
    const bool masked; // values is a power of two: a mask wraps any change
    const int cellCount;
    const CompoundCode::Helpers &helpers;
    x86::Compiler &cc;
    Compiled &compiled;
    x86::Gp frame;
    x86::Gp cells;
    x86::Gp steps;
    std::vector<std::uint32_t> path; // the nested micros of the levels written now
    std::uint32_t written = 0;
    bool fits = true;
};

bool Generator::generate(std::uint32_t index)
{
    FuncNode *function = cc.addFunc(FuncSignatureT<int, CompoundFrame *>(CallConvId::kHost));
    frame = cc.newIntPtr("frame");
    function->setArg(0, frame);
    cells = cc.newIntPtr("cells");
    steps = cc.newInt64("steps");
    x86::Gp cell = cc.newInt64("cell");
    cc.mov(cells, x86::ptr(frame, offsetof(CompoundFrame, cells)));
    cc.mov(steps, x86::qword_ptr(frame, offsetof(CompoundFrame, steps)));
    cc.mov(cell, x86::qword_ptr(frame, offsetof(CompoundFrame, cell)));
    // The limits stay in the frame, which leaves registers for what a handler call must keep.
    level(0, plan.compounds[index], cell, x86::qword_ptr(frame, offsetof(CompoundFrame, room)));
    leave(1, cell);
    cc.endFunc();
    return fits && cc.finalize() == kErrorOk;
}

void Generator::level(int depth, const Record &record, x86::Gp cell, x86::Mem limit)
{
    if (depth > 0) {
        cc.mov(x86::qword_ptr(frame, std::int32_t(offsetof(CompoundFrame, entered) + 8 * depth)),
               steps);
    }
    const Label top = cc.newLabel();
    const Label pending = cc.newLabel();
    const Label complete = cc.newLabel();
    SkippedPasses skipped;
    if (passesSkipAll(record, skipped))
        skipAll(skipped, cell, limit, top, complete);
    cc.bind(top);
    cc.cmp(steps, limit);
    cc.jg(pending);
    outsideTape(cell, record.lowest, record.highest, pending);
    x86::Gp base = cc.newInt64("base");
    cc.mov(base, cell);
    for (std::uint32_t i = 0; i < record.microCount && fits; ++i)
        micro(depth, record.firstMicro + i, base, limit);
    cc.add(steps, record.steps);
    cc.lea(cell, x86::ptr(base, record.move));
    cc.cmp(cellAt(cell, 0), 0);
    cc.jne(top);
    cc.jmp(complete);
    cc.bind(pending);
    if (depth == 0)
        leave(0, cell);
    else
        leave(CodeExit::Pending, depth, 0, cell);
    cc.bind(complete);
}

bool Generator::passesSkipAll(const Record &record, SkippedPasses &skipped) const
{
    std::set<long long> touched;
    long long shift = 0; // where the pass's cell has moved, each walk having found a zero
    skipped.lowest = record.lowest;
    skipped.highest = record.highest;
    for (std::uint32_t i = 0; i < record.microCount; ++i) {
        const Micro &m = plan.micros[record.firstMicro + i];
        switch (m.kind) {
        case Micro::Change:
            skipped.changes[shift + m.offset] += m.value;
            touched.insert(shift + m.offset);
            break;
        case Micro::Output:
            return false;
        case Micro::Transfer:
            skipped.zeros.push_back(shift + m.offset);
            break;
        case Micro::Walk:
        case Micro::Nested:
            skipped.zeros.push_back(shift + m.offset);
            shift += m.offset;
            skipped.lowest = std::min<long long>(skipped.lowest, shift + m.low);
            skipped.highest = std::max<long long>(skipped.highest, shift + m.high);
            break;
        }
    }
    if (shift + record.move != 0 || skipped.zeros.empty())
        return false;
    for (const long long zero : skipped.zeros) {
        if (zero == 0 || touched.count(zero) != 0)
            return false;
    }
    for (const auto &[offset, change] : skipped.changes) {
        if (change > LargestChange || change < -LargestChange)
            return false;
    }
    const long long counter = (skipped.changes[0] % values + values) % values;
    skipped.changes.erase(0);
    skipped.up = counter == 1 && values != 2;
    skipped.steps = record.steps + record.transfers; // a transfer on zero takes one step
    return counter == 1 || counter == values - 1;
}

void Generator::skipAll(const SkippedPasses &skipped, x86::Gp cell, x86::Mem limit,
                        const Label &top, const Label &complete)
{
    outsideTape(cell, int(skipped.lowest), int(skipped.highest), top);
    for (const long long zero : skipped.zeros) {
        cc.cmp(cellAt(cell, zero), 0);
        cc.jne(top);
    }
    // The passes that fit into the steps left, each starting within the limit.
    x86::Gp passes = cc.newInt64("passes");
    x86::Gp done = cc.newInt64("done");
    x86::Gp remainder = cc.newInt64("remainder");
    x86::Gp divisor = cc.newInt64("divisor");
    // maximum + 1 reaches 2^31, beyond what an instruction takes as an immediate
    x86::Gp range = cc.newInt64("range");
    cc.mov(range, values);
    cc.movsxd(passes, cellAt(cell, 0));
    cc.test(passes, passes);
    cc.jz(top);
    if (skipped.up) {
        cc.neg(passes);
        cc.add(passes, range);
    }
    cc.mov(done, limit);
    cc.sub(done, steps);
    cc.cmp(done, skipped.steps);
    cc.jl(top);
    cc.cqo(remainder, done);
    cc.mov(divisor, skipped.steps);
    cc.idiv(remainder, done, divisor);
    cc.cmp(done, passes);
    cc.cmovg(done, passes);
    for (const auto &[offset, change] : skipped.changes) {
        if (change == 0)
            continue;
        x86::Gp value = cc.newInt64("value");
        x86::Gp by = cc.newInt64("by");
        cc.movsxd(value, cellAt(cell, offset));
        cc.imul(by, done, change);
        cc.add(value, by);
        reduce(value);
        cc.mov(cellAt(cell, offset), value.r32());
    }
    x86::Gp counter = cc.newInt64("counter");
    cc.movsxd(counter, cellAt(cell, 0));
    if (skipped.up) {
        x86::Gp zero = cc.newInt64("zero");
        cc.xor_(zero, zero);
        cc.add(counter, done);
        cc.cmp(counter, range);
        cc.cmove(counter, zero);
    } else {
        cc.sub(counter, done);
    }
    cc.mov(cellAt(cell, 0), counter.r32());
    cc.imul(done, done, skipped.steps);
    cc.add(steps, done);
    cc.test(counter, counter);
    cc.jz(complete);
    cc.jmp(top);
}

void Generator::reduce(x86::Gp value)
{
    if (masked) {
        cc.and_(value.r32(), std::uint32_t(values - 1));
        return;
    }
    x86::Gp remainder = cc.newInt64("remainder");
    x86::Gp divisor = cc.newInt64("divisor");
    x86::Gp wrapped = cc.newInt64("wrapped");
    cc.cqo(remainder, value);
    cc.mov(divisor, values);
    cc.idiv(remainder, value, divisor);
    cc.lea(wrapped, x86::ptr(remainder, std::int32_t(values)));
    cc.mov(value, remainder);
    cc.test(value, value);
    cc.cmovl(value, wrapped);
}

void Generator::micro(int depth, std::uint32_t index, x86::Gp base, x86::Mem limit)
{
    fits = ++written <= MostMicros;
    const Micro &m = plan.micros[index];
    switch (m.kind) {
    case Micro::Change:
        change(base, m.offset, m.value);
        break;
    case Micro::Transfer:
        transfer(index, base);
        break;
    case Micro::Walk:
        walk(depth, index, base, limit);
        break;
    case Micro::Nested:
        if (callsNoHandler(plan, plan.compounds[m.first]))
            nested(depth, index, base, limit);
        else
            nestedByHelper(index, base);
        break;
    case Micro::Output:
        output(index, base);
        break;
    }
}

void Generator::wrap(x86::Gp value, long long by)
{
    if (masked) {
        cc.and_(value.r32(), std::uint32_t(values - 1));
        return;
    }
    x86::Gp wrapped = cc.newInt64("wrapped");
    if (by > 0) {
        cc.lea(wrapped, x86::ptr(value, std::int32_t(-values)));
        cc.cmp(value, maximum);
        cc.cmovg(value, wrapped);
    } else {
        cc.lea(wrapped, x86::ptr(value, std::int32_t(values)));
        cc.test(value, value);
        cc.cmovl(value, wrapped);
    }
}

void Generator::change(x86::Gp base, int offset, long long by)
{
    if (!masked && (by > values || by < -values)) {
        fits = false; // read by the interpreter, which divides
        return;
    }
    x86::Gp value = cc.newInt64("value");
    cc.movsxd(value, cellAt(base, offset));
    cc.add(value, std::int32_t(by));
    wrap(value, by);
    cc.mov(cellAt(base, offset), value.r32());
}

void Generator::transfer(std::uint32_t index, x86::Gp base)
{
    const Micro &m = plan.micros[index];
    const RunPlan::Change *first = plan.changes.data() + m.first;
    bool inLine = true;
    for (const RunPlan::Change *c = first; c != first + m.count; ++c)
        inLine = inLine && (masked || c->offset == 0 || c->change == 1 || c->change == -1);
    if (!inLine) {
        x86::Gp counter = cc.newIntPtr("counter");
        x86::Gp taken = cc.newInt64("taken");
        cc.lea(counter, cellAt(base, m.offset));
        cc.mov(x86::qword_ptr(frame, offsetof(CompoundFrame, steps)), steps);
        InvokeNode *call = nullptr;
        cc.invoke(&call, imm(reinterpret_cast<std::uintptr_t>(helpers.transfer)),
                  FuncSignatureT<long long, int *, const void *, const void *, int>(
                      CallConvId::kHost));
        call->setArg(0, counter);
        call->setArg(1, imm(&m));
        call->setArg(2, imm(plan.changes.data()));
        call->setArg(3, imm(maximum));
        call->setRet(0, taken);
        reload();
        cc.add(steps, taken);
        return;
    }
    const Label zero = cc.newLabel();
    const Label done = cc.newLabel();
    x86::Gp passes = cc.newInt64("passes");
    cc.movsxd(passes, cellAt(base, m.offset));
    cc.test(passes, passes);
    cc.jz(zero);
    if (m.up) {
        x86::Gp counter = cc.newInt64("counter");
        cc.mov(counter, passes);
        cc.mov(passes, values);
        cc.sub(passes, counter);
    }
    for (const RunPlan::Change *c = first; c != first + m.count; ++c) {
        if (c->offset == 0)
            continue;
        x86::Gp value = cc.newInt64("value");
        x86::Gp by = cc.newInt64("by");
        cc.movsxd(value, cellAt(base, m.offset + c->offset));
        cc.imul(by, passes, c->change);
        cc.add(value, by);
        wrap(value, c->change);
        cc.mov(cellAt(base, m.offset + c->offset), value.r32());
    }
    cc.mov(cellAt(base, m.offset), 0);
    cc.imul(passes, passes, m.value);
    cc.lea(steps, x86::ptr(steps, passes, 0, 1));
    cc.jmp(done);
    cc.bind(zero);
    cc.add(steps, 1);
    cc.bind(done);
}

void Generator::walk(int depth, std::uint32_t index, x86::Gp base, x86::Mem limit)
{
    const Micro &m = plan.micros[index];
    const RunPlan::BlockRecord &block = plan.blocks[m.first];
    const int passSteps = block.steps + 1;
    const Label top = cc.newLabel();
    const Label stopped = cc.newLabel();
    const Label done = cc.newLabel();
    x86::Gp at = cc.newInt64("at");
    x86::Gp after = cc.newInt64("after");
    cc.lea(at, x86::ptr(base, m.offset));
    cc.bind(top);
    cc.cmp(cellAt(at, 0), 0);
    cc.je(done);
    cc.lea(after, x86::ptr(steps, passSteps));
    cc.cmp(after, limit);
    cc.jg(stopped);
    outsideTape(at, block.lowest, block.highest, stopped);
    for (std::uint32_t i = 0; i < block.changeCount; ++i) {
        const RunPlan::Change &c = plan.changes[block.firstChange + i];
        change(at, c.offset, c.change);
    }
    cc.add(at, block.move);
    cc.mov(steps, after);
    cc.jmp(top);
    cc.bind(stopped);
    leave(CodeExit::WalkStart, depth, index, at);
    cc.bind(done);
    passGoesOn(CodeExit::WalkEnd, depth, index, at, base);
}

void Generator::passGoesOn(CodeExit::Kind kind, int depth, std::uint32_t index, x86::Gp at,
                           x86::Gp base)
{
    const Micro &m = plan.micros[index];
    const Label ended = cc.newLabel();
    const Label next = cc.newLabel();
    outsideTape(at, m.low, m.high, ended);
    cc.mov(base, at);
    cc.jmp(next);
    cc.bind(ended);
    leave(kind, depth, index, at);
    cc.bind(next);
}

void Generator::nested(int depth, std::uint32_t index, x86::Gp base, x86::Mem limit)
{
    const Micro &m = plan.micros[index];
    const Record &inner = plan.compounds[m.first];
    if (depth + 1 >= CompoundFrame::MostLevels) {
        fits = false;
        return;
    }
    const Label skipped = cc.newLabel();
    x86::Gp at = cc.newInt64("at");
    cc.lea(at, x86::ptr(base, m.offset));
    cc.cmp(cellAt(at, 0), 0);
    cc.je(skipped);
    // The inner loop's room, as the interpreter gives it: what the outer loop has left, less
    // the inner loop's longest pass.
    const long long longest = inner.longestPass(maximum);
    x86::Gp innerLimit = cc.newInt64("innerLimit");
    x86::Gp less = cc.newInt64("less");
    cc.mov(innerLimit, limit);
    cc.mov(less, longest);
    cc.sub(innerLimit, less);
    const x86::Mem limitHere = x86::qword_ptr(
        frame, std::int32_t(offsetof(CompoundFrame, limits) + 8 * (depth + 1)));
    cc.mov(limitHere, innerLimit);
    path.push_back(index);
    level(depth + 1, inner, at, limitHere);
    path.pop_back();
    cc.bind(skipped);
    passGoesOn(CodeExit::NestedEnd, depth, index, at, base);
}

void Generator::nestedByHelper(std::uint32_t index, x86::Gp base)
{
    const Label done = cc.newLabel();
    x86::Gp result = cc.newInt32("result");
    cc.mov(x86::qword_ptr(frame, offsetof(CompoundFrame, steps)), steps);
    cc.mov(x86::qword_ptr(frame, offsetof(CompoundFrame, base)), base);
    InvokeNode *call = nullptr;
    cc.invoke(&call, imm(reinterpret_cast<std::uintptr_t>(helpers.nested)),
              FuncSignatureT<int, CompoundFrame *, const void *>(CallConvId::kHost));
    call->setArg(0, frame);
    call->setArg(1, imm(&plan.micros[index]));
    call->setRet(0, result);
    reload();
    cc.mov(base, x86::qword_ptr(frame, offsetof(CompoundFrame, base)));
    cc.test(result, result);
    cc.jnz(done);
    x86::Gp code = cc.newInt32("code");
    cc.mov(code, 2);
    cc.ret(code);
    cc.bind(done);
}

void Generator::output(std::uint32_t index, x86::Gp base)
{
    const Micro &m = plan.micros[index];
    const Label ended = cc.newLabel();
    const Label done = cc.newLabel();
    x86::Gp at = cc.newInt64("at");
    x86::Gp pointer = cc.newIntPtr("pointer");
    x86::Gp handler = cc.newIntPtr("handler");
    x86::Gp accepted = cc.newInt32("accepted");
    cc.lea(at, x86::ptr(base, m.offset));
    // The handler may look at the machine, as it would after step().
    cc.mov(pointer, x86::ptr(frame, offsetof(CompoundFrame, currentCell)));
    cc.mov(x86::dword_ptr(pointer), at.r32());
    cc.mov(pointer, x86::ptr(frame, offsetof(CompoundFrame, programCounter)));
    cc.mov(x86::dword_ptr(pointer), std::int32_t(m.count));
    cc.xor_(accepted, accepted);
    cc.mov(handler, x86::ptr(frame, offsetof(CompoundFrame, out)));
    cc.test(handler, handler);
    cc.jz(ended);
    cc.mov(pointer, x86::ptr(frame, offsetof(CompoundFrame, inHandler)));
    cc.mov(x86::byte_ptr(pointer), 1);
    x86::Gp value = cc.newInt32("value");
    cc.mov(value, cellAt(at, 0));
    cc.mov(x86::qword_ptr(frame, offsetof(CompoundFrame, steps)), steps);
    InvokeNode *call = nullptr;
    const FuncSignatureT<bool, IOHandler *, int> signature(CallConvId::kHost);
    static const std::int32_t slot = outputSlot();
    if (slot >= 0) {
        x86::Gp table = cc.newIntPtr("table");
        cc.mov(table, x86::ptr(handler));
        cc.invoke(&call, x86::ptr(table, slot), signature);
    } else {
        cc.invoke(&call, imm(reinterpret_cast<std::uintptr_t>(helpers.output)), signature);
    }
    call->setArg(0, handler);
    call->setArg(1, value);
    call->setRet(0, accepted);
    reload();
    cc.mov(pointer, x86::ptr(frame, offsetof(CompoundFrame, inHandler)));
    cc.mov(x86::byte_ptr(pointer), 0);
    cc.movzx(accepted, accepted.r8());
    cc.test(accepted, accepted);
    cc.jz(ended);
    x86::Gp alterations = cc.newInt64("alterations");
    cc.mov(pointer, x86::ptr(frame, offsetof(CompoundFrame, alterationsNow)));
    cc.mov(alterations, x86::qword_ptr(pointer));
    cc.cmp(alterations, x86::qword_ptr(frame, offsetof(CompoundFrame, alterations)));
    cc.je(done);
    cc.bind(ended);
    cc.mov(x86::byte_ptr(frame, offsetof(CompoundFrame, accepted)), accepted.r8());
    x86::Gp cell = cc.newInt64("cell");
    cc.lea(cell, x86::ptr(base, m.offset));
    leave(CodeExit::Output, 0, index, cell);
    cc.bind(done);
}

void Generator::leave(int code, x86::Gp cell)
{
    cc.mov(x86::qword_ptr(frame, offsetof(CompoundFrame, steps)), steps);
    cc.mov(x86::qword_ptr(frame, offsetof(CompoundFrame, cell)), cell);
    x86::Gp result = cc.newInt32("code");
    cc.mov(result, code);
    cc.ret(result);
}

void Generator::leave(CodeExit::Kind kind, int depth, std::uint32_t index, x86::Gp cell)
{
    CodeExit exit;
    exit.kind = kind;
    exit.depth = std::uint8_t(depth);
    exit.micro = index;
    exit.path = std::uint32_t(compiled.paths.size());
    compiled.paths.insert(compiled.paths.end(), path.begin(), path.end());
    compiled.exits.push_back(exit);
    leave(int(compiled.exits.size()) + 2, cell);
}

} // namespace

bool CompoundCode::Private::compile(const RunPlan &plan, std::uint32_t index, int maximum,
                                    int cellCount, const Helpers &helpers, Slot &slot)
{
    auto compiled = std::make_unique<Compiled>();
    CodeHolder code;
    if (code.init(Environment::host()) != kErrorOk)
        return false;
    x86::Compiler compiler(&code);
    Generator generator(plan, maximum, cellCount, helpers, compiler, *compiled);
    if (!generator.generate(index) || code.flatten() != kErrorOk
        || code.resolveUnresolvedLinks() != kErrorOk)
        return false;
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t size = (code.codeSize() + page - 1) / page * page;
    if (size == 0 || bytes + size > MostBytes)
        return false;
    // Writable while it is filled, then only executable: never both at once.
    void *memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return false;
    if (code.relocateToBase(std::uint64_t(memory)) != kErrorOk
        || code.copyFlattenedData(memory, size, CopySectionFlags::kPadTargetBuffer) != kErrorOk
        || mprotect(memory, size, PROT_READ | PROT_EXEC) != 0) {
        munmap(memory, size);
        return false;
    }
    compiled->function = reinterpret_cast<Function>(memory);
    compiled->memory = memory;
    compiled->size = size;
    compiled->maximum = maximum;
    compiled->cellCount = cellCount;
    compiled->micros = plan.micros.data();
    bytes += size;
    slot.compiled = compiled.release();
    return true;
}

#endif
