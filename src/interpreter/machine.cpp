// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "machine.h"

#include "bracketmatcher.h"
#include "iohandler.h"
#include "machine_p.h"

#include <algorithm>
#include <vector>

Machine::Machine(int tapeLength)
    : d(std::make_unique<Private>())
{
    setProgram(QString());
    setTapeLength(tapeLength);
}

Machine::~Machine() = default;

void Machine::setProgram(const QString &program)
{
    if (program != d->program) {
        // A handler's new program may come while run() is still inside the old plan's code.
        if (d->inHandler)
            d->retiredPlans.push_back(std::move(d->plan));
        else
            d->retiredPlans.clear();
        d->plan = RunPlan();
        ++d->programChanges;
        ++d->alterations;
    }
    d->program = program;
    d->code = reinterpret_cast<const char16_t *>(d->program.constData());
    d->length = int(d->program.size());
}

QString Machine::program() const
{
    return d->program;
}

void Machine::setHandler(IOHandler *handler)
{
    if (handler != d->handler)
        ++d->alterations;
    d->handler = handler;
}

IOHandler *Machine::handler() const
{
    return d->handler;
}

int Machine::maximumValue() const
{
    return d->maximumValue;
}

void Machine::setMaximumValue(int value)
{
    // A cell always has room for 0 and 1; below that '-' would store negative values.
    value = std::max(1, value);
    if (value < d->maximumValue)
        d->mayExceedMaximum = true;
    if (value != d->maximumValue)
        ++d->alterations;
    d->maximumValue = value;
}

int Machine::tapeLength() const
{
    return int(d->tape.size());
}

void Machine::setTapeLength(int length)
{
    d->tape.assign(std::size_t(std::clamp(length, 1, MaximumTapeLength)), 0);
    d->tape.shrink_to_fit();
    reset();
}

void Machine::reset()
{
    ++d->resets;
    ++d->alterations;
    d->mayExceedMaximum = false;
    d->programCounter = -1;
    d->loopStack.clear();
    std::fill(d->tape.begin(), d->tape.end(), 0);
    d->currentCell = 0;
    d->running = false;
    d->stopReason = StopReason::NotStopped;
}

void Machine::start()
{
    reset();
    d->running = true;
}

bool Machine::step()
{
    Private &m = *d;
    if (!m.running || m.inHandler)
        return true;

    const char16_t *code = m.code;
    const int length = m.length;
    int pc = m.programCounter + 1;
    while (pc < length && code[pc] == u' ')
        ++pc;
    m.programCounter = pc;

    if (pc >= length)
        return m.finish();

    int &cell = m.tape[std::size_t(m.currentCell)];
    switch (code[pc]) {
    case u'+':
        cell = cell >= m.maximumValue ? 0 : cell + 1;
        return false;
    case u'-':
        cell = cell == 0 ? m.maximumValue : cell - 1;
        return false;
    case u'>':
        if (++m.currentCell >= int(m.tape.size())) {
            m.stop(StopReason::RightEdge);
            return true;
        }
        return false;
    case u'<':
        if (--m.currentCell < 0) {
            m.stop(StopReason::LeftEdge);
            return true;
        }
        return false;
    case u'[':
        return m.open(cell);
    case u']':
        if (m.loopStack.empty()) {
            m.stop(StopReason::UnmatchedLoop);
            return true;
        }
        if (cell != 0)
            m.programCounter = m.loopStack.back();
        else
            m.loopStack.pop_back();
        return false;
    case u',':
        return m.input();
    case u'.':
        return m.output(cell);
    default:
        // '@' and anything else that is not a space: a step that does nothing
        return false;
    }
}

bool Machine::Private::finish()
{
    if (!loopStack.empty()) {
        stop(StopReason::UnmatchedLoop);
        return true;
    }
    bool complete = true;
    if (!askHandler(handler, [&complete](IOHandler *h) { complete = h->isComplete(); }))
        return !running;
    stop(complete ? StopReason::Finished : StopReason::IncompleteResult);
    return true;
}

bool Machine::Private::open(int cell)
{
    if (cell != 0) {
        loopStack.push_back(programCounter);
        return false;
    }
    const int end = loopEnd(QStringView(code, length), programCounter);
    if (end < 0) {
        stop(StopReason::UnmatchedLoop);
        return true;
    }
    programCounter = end;
    return false;
}

bool Machine::Private::output(int value)
{
    bool accepted = false;
    if (!askHandler(handler, [&](IOHandler *h) { accepted = h->output(value); }))
        return !running;
    if (!accepted) {
        stop(StopReason::BadOutput);
        return true;
    }
    return false;
}

bool Machine::Private::input()
{
    // One handler answers both calls of the command, even one that installs another.
    IOHandler *const asked = handler;
    bool available = false;
    int value = 0;
    if (!askHandler(asked, [&available](IOHandler *h) { available = h->hasInput(); }))
        return !running;
    if (available && !askHandler(asked, [&value](IOHandler *h) { value = h->input(); }))
        return !running;
    if (!available || value < 0 || value > maximumValue) {
        stop(StopReason::BadInput);
        return true;
    }
    // No reset came between, so the tape is where it was.
    tape[std::size_t(currentCell)] = value;
    return false;
}

bool Machine::isRunning() const
{
    return d->running;
}

StopReason Machine::stopReason() const
{
    return d->stopReason;
}

int Machine::programCounter() const
{
    return d->programCounter;
}

QChar Machine::currentCommand() const
{
    const int pc = d->programCounter;
    if (pc < 0 || pc >= d->length)
        return QChar();
    return QChar(d->code[pc]);
}

int Machine::currentCell() const
{
    return d->currentCell;
}

int Machine::cell(int index) const
{
    if (index < 0 || index >= int(d->tape.size()))
        return 0;
    return d->tape[std::size_t(index)];
}

int Machine::findLoopEnd(int position) const
{
    return loopEnd(QStringView(d->code, d->length), position);
}

Machine::State Machine::state() const
{
    return {d->tape, d->currentCell, d->programCounter, d->loopStack, d->maximumValue,
            d->running, d->stopReason};
}

bool Machine::restoreState(const State &state)
{
    if (state.tape.empty() || state.tape.size() > std::size_t(MaximumTapeLength))
        return false;
    // step() reads the current cell and the command after the counter without looking.
    const bool cellOnTape = state.currentCell >= 0 && state.currentCell < int(state.tape.size());
    const auto beforeStart = [](int position) { return position < -1; };
    if ((state.running && !cellOnTape) || beforeStart(state.programCounter)
        || std::any_of(state.loopStack.begin(), state.loopStack.end(), beforeStart))
        return false;
    d->tape = state.tape;
    d->currentCell = state.currentCell;
    d->programCounter = state.programCounter;
    d->loopStack = state.loopStack;
    d->maximumValue = std::max(1, state.maximumValue);
    ++d->alterations;
    d->running = state.running;
    d->stopReason = state.stopReason;
    return true;
}
