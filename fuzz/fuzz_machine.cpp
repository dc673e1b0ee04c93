// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The machine, one step at a time and now and then many at once through run(), against a plain
// model of its rules: after every step or run both agree on its answer, the stop reason, the
// program counter, the current cell, the whole tape, and on which handler calls were made with
// which values. The input drives the program, the tape length and maximum value, every answer
// of the handler, and now and then a change of program, maximum value or tape length while the
// machine runs. Its handler now and then calls back into the machine as a handler may: a new
// maximum value, which the command goes on with, or a step() or run(), which must do nothing.

#include "fuzzsupport.h"

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <deque>
#include <vector>

namespace {

enum class Call { HasInput, Input, Output, IsComplete };

struct Record
{
    Call call;
    int value; // the answer, or the value handed to output()
    int newMaximum = 0; // the maximum value the handler set during the call; 0: none
};

// Answers from the fuzz input, and a log of every call for the model to check.
class ScriptedHandler : public IOHandler
{
public:
    explicit ScriptedHandler(FuzzedDataProvider &data)
        : data(data)
    {
    }

    bool hasInput() override { return log(Call::HasInput, data.ConsumeBool()); }
    int input() override
    {
        // Mostly small values, now and then anything at all.
        const int value = data.ConsumeBool() ? data.ConsumeIntegralInRange(-2, 300)
                                             : data.ConsumeIntegral<int>();
        calls.push_back({Call::Input, value});
        callBack();
        return value;
    }
    bool output(int value) override
    {
        calls.push_back({Call::Output, value});
        return log(Call::Output, data.ConsumeIntegralInRange(0, 7) != 0);
    }
    bool isComplete() override
    {
        return log(Call::IsComplete, data.ConsumeIntegralInRange(0, 3) != 0);
    }

    std::deque<Record> calls;
    Machine *machine = nullptr;

private:
    bool log(Call call, bool answer)
    {
        calls.push_back({call, answer ? 1 : 0});
        callBack();
        return answer;
    }

    void callBack()
    {
        if (!machine || data.ConsumeIntegralInRange(0, 15) != 0)
            return;
        if (data.ConsumeBool()) {
            const int maximum = data.ConsumeIntegralInRange(1, 300);
            machine->setMaximumValue(maximum);
            calls.back().newMaximum = maximum;
            return;
        }
        require(machine->step(), "a step() from a handler answers stopped");
        const RunResult result = machine->run(data.ConsumeIntegralInRange(0, 50));
        require(result.steps == 0 && result.stopped, "a run() from a handler does nothing");
    }

    FuzzedDataProvider &data;
};

// The rules of the machine as plainly as they can be written.
struct Model
{
    QString program;
    int programCounter = -1;
    std::vector<int> loops;
    std::vector<int> tape;
    int cell = 0;
    int maximum = Machine::DefaultMaximumValue;
    bool running = false;
    StopReason reason = StopReason::NotStopped;
    std::deque<Record> *calls = nullptr;

    void reset()
    {
        programCounter = -1;
        loops.clear();
        std::fill(tape.begin(), tape.end(), 0);
        cell = 0;
        running = false;
        reason = StopReason::NotStopped;
    }

    void stop(StopReason why)
    {
        reason = why;
        running = false;
    }

    int take(Call call)
    {
        require(!calls->empty(), "a handler call is missing");
        const Record record = calls->front();
        require(record.call == call, "the handler was called out of turn");
        calls->pop_front();
        if (record.newMaximum != 0)
            maximum = record.newMaximum;
        return record.value;
    }

    int findLoopEnd(int position) const
    {
        int depth = 1;
        for (int i = position + 1; i < program.size(); ++i) {
            if (program.at(i) == u'[')
                ++depth;
            else if (program.at(i) == u']')
                --depth;
            if (depth == 0)
                return i;
        }
        return -1;
    }

    bool step()
    {
        if (!running)
            return true;
        ++programCounter;
        while (programCounter < program.size() && program.at(programCounter) == u' ')
            ++programCounter;
        if (programCounter >= program.size()) {
            if (!loops.empty())
                stop(StopReason::UnmatchedLoop);
            else
                stop(take(Call::IsComplete) ? StopReason::Finished : StopReason::IncompleteResult);
            return true;
        }
        int &c = tape[size_t(cell)];
        switch (program.at(programCounter).unicode()) {
        case u'+':
            c = c + 1 > maximum ? 0 : c + 1;
            break;
        case u'-':
            c = c == 0 ? maximum : c - 1;
            break;
        case u'>':
            if (++cell >= int(tape.size()))
                stop(StopReason::RightEdge);
            break;
        case u'<':
            if (--cell < 0)
                stop(StopReason::LeftEdge);
            break;
        case u'[':
            if (c != 0) {
                loops.push_back(programCounter);
            } else {
                const int end = findLoopEnd(programCounter);
                if (end < 0)
                    stop(StopReason::UnmatchedLoop);
                else
                    programCounter = end;
            }
            break;
        case u']':
            if (loops.empty())
                stop(StopReason::UnmatchedLoop);
            else if (c != 0)
                programCounter = loops.back();
            else
                loops.pop_back();
            break;
        case u',': {
            if (!take(Call::HasInput)) {
                stop(StopReason::BadInput);
                break;
            }
            const int value = take(Call::Input);
            if (value < 0 || value > maximum)
                stop(StopReason::BadInput);
            else
                c = value;
            break;
        }
        case u'.':
            require(take(Call::Output) == c, "output() was handed another value");
            if (!take(Call::Output))
                stop(StopReason::BadOutput);
            break;
        default:
            break;
        }
        return !running;
    }
};

// Characters at random, or pieces that make the loops run() takes at once or a pass at a time:
// transfers, walks and scans, and loops of them with outputs, inside one another.
QString program(FuzzedDataProvider &data)
{
    if (data.ConsumeBool())
        return fuzzedProgram(data, u"+-<>[],.+-<>[]  @\nx", 64);
    static const char16_t *const pieces[] = {
        u"+", u"-", u">", u"<", u"[", u"]", u"+[", u".", u"[-]", u"[->+<]", u"[<<+>>-]",
        u"[-<+>]", u"[>]", u"[<<]", u"[->>+<]", u"[<+>>-]", u"++", u",", u"@"};
    const size_t count = data.ConsumeIntegralInRange<size_t>(0, 24);
    QString text;
    for (size_t i = 0; i < count; ++i)
        text += QString::fromUtf16(
            pieces[data.ConsumeIntegralInRange<size_t>(0, std::size(pieces) - 1)]);
    return text;
}

int maximumValue(FuzzedDataProvider &data)
{
    static const int values[] = {1, 2, 3, 255, Machine::DefaultMaximumValue, 2000000000};
    if (data.ConsumeBool())
        return values[data.ConsumeIntegralInRange<size_t>(0, std::size(values) - 1)];
    return data.ConsumeIntegralInRange(1, 2000000000);
}

void compare(const Machine &machine, const Model &model)
{
    require(machine.stopReason() == model.reason, "stop reason");
    require(machine.isRunning() == model.running, "running");
    require(machine.programCounter() == model.programCounter, "program counter");
    require(machine.currentCell() == model.cell, "current cell");
    require(machine.tapeLength() == int(model.tape.size()), "tape length");
    require(machine.maximumValue() == model.maximum, "maximum value");
    const QChar command = model.programCounter >= 0 && model.programCounter < model.program.size()
            ? model.program.at(model.programCounter)
            : QChar();
    require(machine.currentCommand() == command, "current command");
    for (int i = -1; i <= int(model.tape.size()); ++i) {
        const int expected = i >= 0 && i < int(model.tape.size()) ? model.tape[size_t(i)] : 0;
        require(machine.cell(i) == expected, "a cell");
    }
    require(model.calls->empty(), "an unexpected handler call");
}

// Many steps at once through run(), with a stop position or command now and then: the model
// takes as many steps as run() says it took, stopping where run() must.
bool runAgainstModel(Machine &machine, Model &model, FuzzedDataProvider &data)
{
    RunStops stops;
    if (data.ConsumeBool())
        stops.position = data.ConsumeIntegralInRange(-1, int(model.program.size()));
    if (data.ConsumeBool())
        stops.command = QChar(u"@,.[]"[data.ConsumeIntegralInRange(0, 4)]);
    const int maxSteps = data.ConsumeIntegralInRange(1, 300);
    const RunResult result = machine.run(maxSteps, stops);
    if (!model.running) {
        // A machine that is not running takes no step at all.
        require(result.steps == 0 && result.stopped, "run() of a stopped machine");
        return true;
    }
    int steps = 0;
    bool stopped = false;
    while (steps < maxSteps && !stopped) {
        ++steps;
        stopped = model.step() || (stops.position >= 0 && model.programCounter == stops.position)
                  || (!stops.command.isNull() && model.programCounter >= 0
                      && model.programCounter < model.program.size()
                      && model.program.at(model.programCounter) == stops.command);
    }
    require(result.steps == steps, "steps taken by run()");
    require(result.stopped == stopped, "answer of run()");
    return !model.running;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    ScriptedHandler handler(data);
    Model model;
    model.calls = &handler.calls;

    const int tapeLength = data.ConsumeIntegralInRange(1, 12);
    Machine machine(tapeLength);
    machine.setHandler(&handler);
    handler.machine = &machine;
    model.tape.assign(size_t(tapeLength), 0);
    model.maximum = maximumValue(data);
    machine.setMaximumValue(model.maximum);
    model.program = program(data);
    machine.setProgram(model.program);

    for (int run = 0; run < 3 && data.remaining_bytes() > 0; ++run) {
        machine.start();
        model.reset();
        model.running = true;
        compare(machine, model);
        for (int steps = 0; steps < 4000 && data.remaining_bytes() > 0; ++steps) {
            switch (data.ConsumeIntegralInRange(0, 63)) {
            case 0:
                model.maximum = maximumValue(data);
                machine.setMaximumValue(model.maximum);
                break;
            case 1: {
                const int length = data.ConsumeIntegralInRange(1, 12);
                machine.setTapeLength(length);
                model.tape.assign(size_t(length), 0);
                model.reset();
                break;
            }
            case 2:
                model.program = program(data);
                machine.setProgram(model.program);
                break;
            default:
                break;
            }
            bool stopped = false;
            if (data.ConsumeIntegralInRange(0, 7) == 0) {
                stopped = runAgainstModel(machine, model, data);
            } else {
                stopped = machine.step();
                require(stopped == model.step(), "answer of step()");
            }
            compare(machine, model);
            if (stopped)
                break;
        }
        const int position = data.ConsumeIntegralInRange(-1, int(model.program.size()));
        require(machine.findLoopEnd(position) == model.findLoopEnd(position), "findLoopEnd()");
    }
    return 0;
}
