// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runhistory.h"

#include "iohandler.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

namespace {

// A piece of the tape as a checkpoint keeps it; checkpoints share the pieces that did not change
// between them, and every piece of zeros.
constexpr std::size_t PageCells = 256;
using Page = std::array<int, PageCells>;
using PagePointer = std::shared_ptr<const Page>;
constexpr qint64 PageBytes = qint64(sizeof(Page)) + 32; // with its shared count

struct Checkpoint
{
    qint64 step = 0;
    // The machine's work up to here while it recorded, in nanoseconds: the cost of a replay.
    qint64 work = 0;
    qint64 inputs = 0;
    qint64 outputs = 0;
    // True when the steps up to the next checkpoint are known to pass no breakpoint mark.
    bool noMarkAfter = false;
    Machine::State state; // without its tape, which the pages hold
    int tapeLength = 0;
    std::vector<PagePointer> pages;

    qint64 bytes() const
    {
        return qint64(sizeof(Checkpoint)) + qint64(pages.capacity() * sizeof(PagePointer))
               + qint64(state.loopStack.capacity() * sizeof(int));
    }
};

constexpr QChar Mark = u'@';
// Thinning looks at every checkpoint for each one it adds: a bound keeps that cheap, and with
// spacing that grows with the distance it still reaches far.
constexpr std::size_t MostCheckpoints = 4096;
constexpr std::size_t TrailLength = 32;

} // namespace

struct RunHistory::Private
{
    class Recorder;

    explicit Private(Machine *m, qint64 memoryBudget, qint64 checkpointSpacing);

    Checkpoint snapshot(const Checkpoint *previous);
    void addCheckpoint();
    void addToTrail();
    void clearTrail();
    // Gives back the bytes of the pages that only `checkpoint` holds, before it goes.
    void dropPages(const Checkpoint &checkpoint);
    // The page for `cells` (PageCells of them, or fewer at the end of the tape), shared with
    // the same page of `previous` or with the page of zeros where it can be.
    PagePointer page(const int *cells, std::size_t count, const PagePointer &previous);
    void restore(const Checkpoint &checkpoint);
    void thin();
    void removeCheckpoint(std::size_t index);
    // The last checkpoint at or before `step`.
    std::size_t checkpointAt(qint64 step) const;
    // Replays from the machine's state up to `target`, which lies no further than end.
    void replayTo(qint64 target);
    // One run() of the machine; live (after the log) it times the work and may add a checkpoint.
    RunResult runOnce(int maxSteps, const RunStops &stops, bool useStep);
    // The last step in (checkpoint `index`, `last`] that executed `command`, or -1.
    qint64 scanSegment(std::size_t index, qint64 last, QChar command);
    // False when the counts say, or a scan found, that the steps after checkpoint `index` up
    // to the next one, or up to `until` for the last segment, execute no `command`.
    struct Counts
    {
        qint64 inputs = 0;
        qint64 outputs = 0;
    };
    bool segmentMayHold(std::size_t index, QChar command, const Counts *until) const;
    void keepOutput(int value);
    qint64 logBytes() const;

    Machine *const machine;
    const qint64 budget;
    const qint64 spacing;
    std::unique_ptr<Recorder> recorder;
    IOHandler *live = nullptr;
    bool recording = false;

    qint64 position = 0;
    qint64 end = 0;
    qint64 work = 0;
    // The time the run's handler took at the furthest step (a prompt waits for the user), which
    // is no work of the machine.
    qint64 handlerTime = 0;
    bool markSeenSinceCheckpoint = false;

    // The handler's answers, in the order it gave them.
    std::vector<int> inputs;
    bool inputRefused = false;
    qint64 inputCursor = 0;
    // Outputs are results of the machine, not answers: only their number and whether the last
    // was refused matter to a replay; the values are kept for showing them.
    qint64 outputTotal = 0;
    bool outputRefused = false;
    qint64 outputCursor = 0;
    std::vector<int> outputValues;
    qint64 firstKeptOutput = 0;
    int completeAnswer = -1; // -1: not asked yet

    PagePointer zeros;
    qint64 pageBytes = 0;
    qint64 checkpointBytes = 0;
    std::vector<Checkpoint> checkpoints;
    // Checkpoints left along the last long replay, up to its target; see replayTo().
    std::vector<Checkpoint> trail;
};

// The handler the machine sees while the history records: answers from the log behind the
// furthest step, and asks the run's handler, logging its answer, after it.
class RunHistory::Private::Recorder : public IOHandler
{
public:
    explicit Recorder(Private &history)
        : h(history)
    {
    }

    bool hasInput() override
    {
        if (h.inputCursor < qint64(h.inputs.size()))
            return true;
        if (h.inputRefused)
            return false;
        const bool has = timed([this] { return h.live->hasInput(); });
        h.inputRefused = !has;
        return has;
    }
    int input() override
    {
        if (h.inputCursor == qint64(h.inputs.size()))
            h.inputs.push_back(timed([this] { return h.live->input(); }));
        return h.inputs[std::size_t(h.inputCursor++)];
    }
    bool output(int value) override
    {
        if (h.outputCursor < h.outputTotal) {
            ++h.outputCursor;
            return !(h.outputRefused && h.outputCursor == h.outputTotal);
        }
        const bool accepted = timed([this, value] { return h.live->output(value); });
        h.keepOutput(value);
        ++h.outputTotal;
        ++h.outputCursor;
        h.outputRefused = !accepted;
        return accepted;
    }
    bool isComplete() override
    {
        if (h.completeAnswer < 0)
            h.completeAnswer = timed([this] { return h.live->isComplete(); }) ? 1 : 0;
        return h.completeAnswer == 1;
    }

private:
    Q_DISABLE_COPY_MOVE(Recorder)
    template<typename Call>
    std::invoke_result_t<Call> timed(Call call)
    {
        QElapsedTimer timer;
        timer.start();
        const auto answer = call();
        h.handlerTime += timer.nsecsElapsed();
        return answer;
    }

    Private &h;
};

RunHistory::Private::Private(Machine *m, qint64 memoryBudget, qint64 checkpointSpacing)
    : machine(m)
    , budget(memoryBudget)
    , spacing(std::max<qint64>(0, checkpointSpacing))
    , recorder(std::make_unique<Recorder>(*this))
    , zeros(std::make_shared<const Page>())
{
}

PagePointer RunHistory::Private::page(const int *cells, std::size_t count,
                                      const PagePointer &previous)
{
    const std::size_t bytes = count * sizeof(int);
    if (previous && std::memcmp(previous->data(), cells, bytes) == 0)
        return previous;
    if (std::all_of(cells, cells + count, [](int cell) { return cell == 0; }))
        return zeros;
    auto fresh = std::make_shared<Page>();
    std::memcpy(fresh->data(), cells, bytes);
    pageBytes += PageBytes;
    return fresh;
}

Checkpoint RunHistory::Private::snapshot(const Checkpoint *previous)
{
    Checkpoint checkpoint;
    checkpoint.step = position;
    checkpoint.work = work;
    checkpoint.inputs = inputCursor;
    checkpoint.outputs = outputCursor;
    checkpoint.state = machine->state();
    const std::vector<int> tape = std::move(checkpoint.state.tape);
    checkpoint.state.tape = {};
    checkpoint.tapeLength = int(tape.size());
    const bool sameLength = previous && previous->tapeLength == checkpoint.tapeLength;
    for (std::size_t first = 0; first < tape.size(); first += PageCells) {
        const std::size_t index = first / PageCells;
        checkpoint.pages.push_back(page(tape.data() + first,
                                        std::min(PageCells, tape.size() - first),
                                        sameLength ? previous->pages[index] : PagePointer()));
    }
    return checkpoint;
}

void RunHistory::Private::addCheckpoint()
{
    Checkpoint checkpoint = snapshot(checkpoints.empty() ? nullptr : &checkpoints.back());
    if (!checkpoints.empty())
        checkpoints.back().noMarkAfter = !markSeenSinceCheckpoint;
    markSeenSinceCheckpoint = false;
    checkpointBytes += checkpoint.bytes();
    checkpoints.push_back(std::move(checkpoint));
    thin();
}

void RunHistory::Private::dropPages(const Checkpoint &checkpoint)
{
    for (const PagePointer &p : checkpoint.pages) {
        if (p.use_count() == 1)
            pageBytes -= PageBytes;
    }
}

void RunHistory::Private::clearTrail()
{
    for (const Checkpoint &c : trail) {
        dropPages(c);
        checkpointBytes -= c.bytes();
    }
    trail.clear();
}

void RunHistory::Private::restore(const Checkpoint &checkpoint)
{
    Machine::State state = checkpoint.state;
    state.tape.resize(std::size_t(checkpoint.tapeLength));
    for (std::size_t index = 0; index < checkpoint.pages.size(); ++index) {
        const std::size_t first = index * PageCells;
        const std::size_t count = std::min(PageCells, state.tape.size() - first);
        std::memcpy(state.tape.data() + first, checkpoint.pages[index]->data(),
                    count * sizeof(int));
    }
    machine->restoreState(state);
    position = checkpoint.step;
    inputCursor = checkpoint.inputs;
    outputCursor = checkpoint.outputs;
}

qint64 RunHistory::Private::logBytes() const
{
    return qint64((inputs.capacity() + outputValues.capacity()) * sizeof(int));
}

void RunHistory::Private::keepOutput(int value)
{
    // A run that writes without end keeps the latest quarter of the budget of its output.
    if (qint64(outputValues.size() * sizeof(int)) >= budget / 4 && !outputValues.empty()) {
        const std::size_t dropped = outputValues.size() / 2;
        outputValues.erase(outputValues.begin(), outputValues.begin() + qsizetype(dropped));
        firstKeptOutput += qint64(dropped);
    }
    outputValues.push_back(value);
}

void RunHistory::Private::removeCheckpoint(std::size_t index)
{
    Checkpoint &gone = checkpoints[index];
    dropPages(gone);
    checkpoints[index - 1].noMarkAfter = checkpoints[index - 1].noMarkAfter && gone.noMarkAfter;
    checkpointBytes -= gone.bytes();
    checkpoints.erase(checkpoints.begin() + qsizetype(index));
}

void RunHistory::Private::thin()
{
    // Each removal takes the checkpoint whose gap, once merged, is smallest against its
    // distance from the furthest step: the spacing grows with that distance, so the steps just
    // passed stay close to a checkpoint while the whole run stays within reach.
    const qint64 floor = std::max<qint64>(spacing, 1);
    while (checkpoints.size() > 2) {
        if (pageBytes + logBytes() + checkpointBytes <= budget
            && checkpoints.size() <= MostCheckpoints)
            return;
        std::size_t best = 1;
        double bestScore = std::numeric_limits<double>::max();
        for (std::size_t i = 1; i + 1 < checkpoints.size(); ++i) {
            const double merged = double(checkpoints[i + 1].work - checkpoints[i - 1].work + 1);
            const double score = merged / double(std::max(floor, work - checkpoints[i].work));
            if (score < bestScore) {
                bestScore = score;
                best = i;
            }
        }
        removeCheckpoint(best);
    }
}

std::size_t RunHistory::Private::checkpointAt(qint64 step) const
{
    const auto after = std::upper_bound(
        checkpoints.begin(), checkpoints.end(), step,
        [](qint64 s, const Checkpoint &c) { return s < c.step; });
    return std::size_t(std::max<qsizetype>(after - checkpoints.begin() - 1, 0));
}

void RunHistory::Private::replayTo(qint64 target)
{
    // A long replay leaves a trail of checkpoints behind it, so that the Step backs that tend
    // to follow a jump stay as quick as they are at the furthest step.
    QElapsedTimer timer;
    timer.start();
    qint64 lastMark = 0;
    int count = 1 << 10;
    while (position < target && machine->isRunning()) {
        const qint64 before = timer.nsecsElapsed();
        const RunResult result = machine->run(int(std::min<qint64>(target - position, count)));
        position += result.steps;
        if (result.steps == 0)
            break;
        const qint64 spent = std::max<qint64>(1, timer.nsecsElapsed() - before);
        // Pieces of about a tenth of the spacing, so that the trail keeps to it.
        count = int(std::clamp<qint64>(qint64(count) * std::max<qint64>(spacing, 100000) / 10
                                           / spent,
                                       1 << 10, std::numeric_limits<int>::max() / 2));
        if (timer.nsecsElapsed() - lastMark >= spacing && position < target
            && machine->isRunning()) {
            lastMark = timer.nsecsElapsed();
            addToTrail();
        }
    }
}

void RunHistory::Private::addToTrail()
{
    // A replay from within the trail keeps it in order of steps.
    if (!trail.empty() && trail.back().step >= position)
        return;
    if (trail.size() >= TrailLength) {
        dropPages(trail.front());
        checkpointBytes -= trail.front().bytes();
        trail.erase(trail.begin());
    }
    trail.push_back(snapshot(trail.empty() ? nullptr : &trail.back()));
    checkpointBytes += trail.back().bytes();
    thin();
}

RunResult RunHistory::Private::runOnce(int maxSteps, const RunStops &stops, bool useStep)
{
    const bool isLive = position == end;
    QElapsedTimer timer;
    if (isLive) {
        timer.start();
        handlerTime = 0;
    }
    RunResult result;
    if (useStep) {
        result.steps = 1;
        result.stopped = machine->step();
    } else {
        result = machine->run(maxSteps, stops);
    }
    position += result.steps;
    if (!isLive)
        return result;
    end = position;
    work += std::max<qint64>(0, timer.nsecsElapsed() - handlerTime);
    // A run that stops at every mark passed none unless it stopped at one.
    if ((!useStep && stops.command != Mark) || machine->currentCommand() == Mark)
        markSeenSinceCheckpoint = true;
    if (machine->isRunning() && work - checkpoints.back().work >= spacing)
        addCheckpoint();
    return result;
}

RunHistory::RunHistory(Machine *machine, qint64 budget, qint64 spacing)
    : d(std::make_unique<Private>(machine, budget, spacing))
{
}

RunHistory::~RunHistory()
{
    clear();
}

void RunHistory::begin(IOHandler *handler)
{
    clear();
    d->live = handler;
    d->recording = true;
    d->machine->setHandler(d->recorder.get());
    d->addCheckpoint();
}

void RunHistory::clear()
{
    if (d->recording)
        d->machine->setHandler(d->live);
    Private &h = *d;
    h.recording = false;
    h.live = nullptr;
    h.position = h.end = h.work = 0;
    h.markSeenSinceCheckpoint = false;
    h.inputs = {};
    h.inputRefused = false;
    h.inputCursor = 0;
    h.outputTotal = h.outputCursor = h.firstKeptOutput = 0;
    h.outputRefused = false;
    h.outputValues = {};
    h.completeAnswer = -1;
    h.checkpoints.clear();
    h.trail.clear();
    h.pageBytes = h.checkpointBytes = 0;
}

bool RunHistory::isRecording() const
{
    return d->recording;
}

bool RunHistory::step()
{
    if (!d->machine->isRunning())
        return true;
    return d->runOnce(1, {}, true).stopped;
}

RunResult RunHistory::run(int maxSteps, const RunStops &stops)
{
    if (maxSteps <= 0)
        return {};
    RunResult total;
    while (total.steps < maxSteps) {
        if (!d->machine->isRunning())
            return {total.steps, true};
        int count = maxSteps - total.steps;
        // Along the log no further than the furthest step, so that the rest goes on live.
        if (d->position < d->end)
            count = int(std::min<qint64>(count, d->end - d->position));
        const RunResult part = d->runOnce(count, stops, false);
        total.steps += part.steps;
        if (part.stopped)
            return {total.steps, true};
    }
    return total;
}

void RunHistory::goTo(qint64 target)
{
    if (!d->recording)
        return;
    target = std::clamp<qint64>(target, 0, d->end);
    const Checkpoint *nearest = &d->checkpoints[d->checkpointAt(target)];
    // The trail serves the steps between its checkpoints; a replay elsewhere lays a new one.
    const auto onTrail = std::upper_bound(
        d->trail.begin(), d->trail.end(), target,
        [](qint64 s, const Checkpoint &c) { return s < c.step; });
    if (onTrail != d->trail.begin() && std::prev(onTrail)->step > nearest->step)
        nearest = &*std::prev(onTrail);
    else
        d->clearTrail();
    if (d->position > target || d->position < nearest->step)
        d->restore(*nearest);
    d->replayTo(target);
}

qint64 RunHistory::position() const
{
    return d->position;
}

qint64 RunHistory::end() const
{
    return d->end;
}

bool RunHistory::Private::segmentMayHold(std::size_t index, QChar command,
                                         const Counts *until) const
{
    const Checkpoint &from = checkpoints[index];
    const Counts to = until ? *until
                            : Counts{checkpoints[index + 1].inputs, checkpoints[index + 1].outputs};
    if (command == u',')
        return to.inputs > from.inputs;
    if (command == u'.')
        return to.outputs > from.outputs;
    if (command == Mark)
        return until || !from.noMarkAfter;
    return true;
}

qint64 RunHistory::Private::scanSegment(std::size_t index, qint64 last, QChar command)
{
    restore(checkpoints[index]);
    qint64 found = -1;
    while (position < last && machine->isRunning()) {
        const int count = int(std::min<qint64>(last - position, std::numeric_limits<int>::max()));
        const RunResult result = machine->run(count, {-1, command});
        position += result.steps;
        if (result.steps == 0)
            break;
        if (result.stopped && machine->currentCommand() == command)
            found = position;
    }
    if (found < 0 && command == Mark && index + 1 < checkpoints.size()
        && checkpoints[index + 1].step <= last)
        checkpoints[index].noMarkAfter = true;
    return found;
}

qint64 RunHistory::previousStep(QChar command)
{
    if (!d->recording || d->position == 0)
        return -1;
    if (command == Mark && !d->machine->program().contains(Mark))
        return -1;
    const qint64 from = d->position;
    const Private::Counts now{d->inputCursor, d->outputCursor};
    const std::size_t lastSegment = d->checkpointAt(from - 1);
    qint64 found = -1;
    // Segment i holds the steps after checkpoint i up to the next one; the latest first.
    for (std::size_t i = lastSegment + 1; i-- > 0 && found < 0;) {
        const bool isLast = i == lastSegment;
        if (d->segmentMayHold(i, command, isLast ? &now : nullptr))
            found = d->scanSegment(i, isLast ? from - 1 : d->checkpoints[i + 1].step, command);
    }
    goTo(from);
    return found;
}

qint64 RunHistory::inputCount() const
{
    return d->inputCursor;
}

qint64 RunHistory::outputCount() const
{
    return d->outputCursor;
}

QList<int> RunHistory::outputs(qint64 first, qint64 last) const
{
    first = std::max(first, d->firstKeptOutput);
    last = std::min(last, d->outputTotal);
    QList<int> values;
    for (qint64 i = first; i < last; ++i)
        values.append(d->outputValues[std::size_t(i - d->firstKeptOutput)]);
    return values;
}

qint64 RunHistory::memoryUse() const
{
    return d->pageBytes + d->logBytes() + d->checkpointBytes;
}

int RunHistory::checkpointCount() const
{
    return int(d->checkpoints.size());
}
