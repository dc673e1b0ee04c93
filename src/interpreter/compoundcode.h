// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COMPOUNDCODE_H
#define COMPOUNDCODE_H

// Machine code for the compound loops that run long: the same passes, steps and ends as
// Machine::run() takes through their Micro steps, without reading them one by one. Made with
// asmjit on x86-64 into memory that is writable until it is filled and only then executable;
// elsewhere, without asmjit, or with ZINDLE_JIT=0 in the environment there is none, and run()
// reads the Micro steps.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class IOHandler;
struct RunPlan;

// What the code of a compound reads and leaves, with the steps of all the loops it runs
// inside it counted together.
struct CompoundFrame
{
    static constexpr int MostLevels = 25; // a compound and the 24 that may nest in it

    int *cells = nullptr;
    long long room = 0; // the steps the passes of the outermost loop may start within
    long long steps = 0;
    long long cell = 0; // the first pass's cell; the cell where the code ended
    long long base = 0; // the cell a pass is at, while a helper runs a nested loop
    void *machine = nullptr; // the Machine::Private that runs the code
    // What the handler may look at during an output, and the machine's count of alterations
    int *currentCell = nullptr;
    int *programCounter = nullptr;
    bool *inHandler = nullptr;
    const std::uint64_t *alterationsNow = nullptr;
    void *stopped = nullptr; // the CompoundRun a nested loop that ends the passes fills in
    IOHandler *out = nullptr;
    std::uint64_t alterations = 0; // of the machine before the passes
    bool accepted = false; // the handler's answer at an Output end
    long long entered[MostLevels]; // the steps at the start of each nested level, 0 for the first
    long long limits[MostLevels]; // the steps each nested level's passes may start within
};

// Where the code of a compound ended, besides its last pass (code 0) or the loop's end (1), or
// a nested loop run by a helper that filled in `stopped` (2): code 3 + index into exits().
struct CodeExit
{
    enum Kind : std::uint8_t {
        Pending,   // before a pass of the innermost level, at `cell`
        WalkStart, // at the start of a pass of walk `micro`, at `cell`
        WalkEnd,   // after walk `micro`, whose rest of the pass could leave the tape
        NestedEnd, // after nested loop `micro`, likewise
        Output,    // after output `micro`, whose handler did more than take the value
    };
    Kind kind = Pending;
    std::uint8_t depth = 0; // nested levels below the outermost
    std::uint32_t micro = 0; // its index in the plan's micros
    std::uint32_t path = 0; // the nested micros that lead to it, from the outermost
};

class CompoundCode
{
public:
    using Function = int (*)(CompoundFrame *frame);
    // The functions the code calls, which only the machine may name.
    // `micro` is a RunPlan::Micro, `changes` the plan's RunPlan::Change list.
    struct Helpers
    {
        // The handler's output(): `handler->output(value)`.
        bool (*output)(IOHandler *handler, int value);
        // The nested loop `micro` of a pass on `frame->base`; 0 ends the passes with
        // `frame->stopped`.
        int (*nested)(CompoundFrame *frame, const void *micro);
        // The transfer `micro` whose counter is `counter`; answers its steps.
        long long (*transfer)(int *counter, const void *micro, const void *changes, int maximum);
    };

    // The code of one compound record, with what its ends need. It lives as long as the plan
    // that made it.
    struct Unit
    {
        Function function = nullptr;
        const void *micros = nullptr; // the plan's RunPlan::Micro list
        std::vector<CodeExit> exits; // of code 3 on
        std::vector<std::uint32_t> paths; // of the exits, one after the other
        int maximum = 0;
        int cellCount = 0;
        void *memory = nullptr;
        std::size_t size = 0;
    };

    CompoundCode();
    CompoundCode(CompoundCode &&) noexcept;
    CompoundCode &operator=(CompoundCode &&) noexcept;
    ~CompoundCode();

    // The code of compound record `index` for cells of up to `maximum` on a tape of
    // `cellCount`, made once the record has run enough steps without it; null where none is.
    const Unit *find(const RunPlan &plan, std::uint32_t index, int maximum, int cellCount,
                     const Helpers &helpers);
    // Counts `steps` that record `index` ran without code.
    void ran(std::uint32_t index, long long steps);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

#endif // COMPOUNDCODE_H
