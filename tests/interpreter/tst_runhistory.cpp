// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// RunHistory against a plain forward run: generated programs are stepped forward once with the
// whole state recorded after every step; the history then goes forward, back one step at a
// time, to random steps, to the previous input, output and mark, and forward again, and every
// state it shows must be the recorded one, while the handler is asked exactly what the forward
// run asked it, once.

#include "interpreter/runhistory.h"

#include "challenges/normaltesthandler.h"
#include "interpreter/iohandler.h"
#include "interpreter/machine.h"
#include "io/numerichandler.h"
#include "modalanswerer.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>

#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Answers from a seeded script and logs every call, so two handlers with the same seed that are
// asked the same questions in the same order give the same answers and the same log.
class ScriptedHandler : public IOHandler
{
public:
    // One answer in `odds` refuses (or is out of range); more for long runs.
    ScriptedHandler(quint32 seed, int maximum, int odds)
        : random(seed)
        , top(maximum)
        , refusal(odds)
    {
    }

    bool hasInput() override { return logged(1, random.bounded(refusal) != 0); }
    int input() override
    {
        const int choice = int(random.bounded(refusal));
        const int value = choice == 0 ? -1
            : choice == 1             ? top
            : choice == 2 && top < std::numeric_limits<int>::max() ? top + 1
                                                                   : choice % 3;
        log << 2 << value;
        return value;
    }
    bool output(int value) override
    {
        log << 3 << value;
        return logged(4, random.bounded(refusal) != 0);
    }
    bool isComplete() override { return logged(5, random.bounded(3) != 0); }

    QList<int> log;

private:
    bool logged(int call, bool answer)
    {
        log << call << int(answer);
        return answer;
    }

    QRandomGenerator random;
    const int top;
    const int refusal;
};

QString randomProgram(QRandomGenerator &random)
{
    static const QStringList pieces = {u"+"_s,  u"-"_s,     u">"_s,         u"<"_s,
                                       u"["_s,  u"]"_s,     u","_s,         u"."_s,
                                       u"@"_s,  u"[-]"_s,   u"[->+<]"_s,    u"+++"_s,
                                       u">>"_s, u"<<<"_s,   u"-[>+<--]"_s,  u"[<]"_s,
                                       u" "_s,  u"x\n"_s};
    QString program;
    int open = 0;
    for (int i = int(random.bounded(1, 40)); i > 0; --i) {
        const QString piece = pieces.at(random.bounded(pieces.size()));
        open += piece == u"["_s ? 1 : piece == u"]"_s ? -1 : 0;
        program += piece;
    }
    // Mostly closed loops, so that runs last; now and then one left open.
    for (; open > 0; --open) {
        if (random.bounded(6) != 0)
            program += u']';
    }
    return program;
}

struct Setup
{
    QString program;
    int tapeLength = 1;
    int maximum = 1;
    int refusal = 15;
};

// `looping`: inside an outer loop over a middle cell, so that most runs go on for long.
Setup randomSetup(QRandomGenerator &random, bool looping)
{
    const int tapeLengths[] = {1, 2, 5, 40, 300};
    const int maxima[] = {1, 2, 7, 255, 33713, 2000000000};
    Setup setup{randomProgram(random), tapeLengths[random.bounded(5)], maxima[random.bounded(6)]};
    if (looping) {
        setup.tapeLength = 300;
        setup.refusal = 3000;
        setup.program = QString(150, u'>') + u"-[@"_s + setup.program + u"]"_s;
    }
    return setup;
}

void startMachine(Machine &machine, const Setup &setup)
{
    machine.setMaximumValue(setup.maximum);
    machine.setProgram(setup.program);
    machine.start();
}

// A plain forward run, a step() at a time: the state after every step, with the inputs taken
// and outputs written up to it.
struct Trace
{
    std::vector<Machine::State> states;
    std::vector<qint64> inputs;
    std::vector<qint64> outputs;
    QList<int> log;
};

Trace forwardTrace(const Setup &setup, quint32 seed, int maxSteps)
{
    Trace trace;
    ScriptedHandler handler(seed, setup.maximum, setup.refusal);
    Machine machine(setup.tapeLength);
    machine.setHandler(&handler);
    startMachine(machine, setup);
    qint64 inputs = 0;
    qint64 outputs = 0;
    qsizetype seen = 0;
    const auto count = [&] {
        for (; seen < handler.log.size(); seen += 2) {
            inputs += handler.log.at(seen) == 2;
            outputs += handler.log.at(seen) == 3;
        }
        trace.states.push_back(machine.state());
        trace.inputs.push_back(inputs);
        trace.outputs.push_back(outputs);
    };
    count();
    for (int step = 0; step < maxSteps && !machine.step(); ++step)
        count();
    if (!machine.isRunning())
        count();
    trace.log = handler.log;
    return trace;
}

QString difference(const Machine::State &got, const Machine::State &want)
{
    if (got.running != want.running || got.stopReason != want.stopReason)
        return u"running %1 (%2), expected %3 (%4)"_s.arg(got.running).arg(int(got.stopReason))
            .arg(want.running).arg(int(want.stopReason));
    if (got.programCounter != want.programCounter)
        return u"program counter %1, expected %2"_s.arg(got.programCounter)
            .arg(want.programCounter);
    if (got.currentCell != want.currentCell)
        return u"current cell %1, expected %2"_s.arg(got.currentCell).arg(want.currentCell);
    if (got.loopStack != want.loopStack)
        return u"loop stack differs"_s;
    if (got.tape != want.tape)
        return u"tape differs"_s;
    return {};
}

QChar commandAt(const Setup &setup, const Machine::State &state)
{
    const int pc = state.programCounter;
    return pc >= 0 && pc < setup.program.size() ? setup.program.at(pc) : QChar();
}

// Drives one history against a trace and answers the first difference.
class LockStep
{
public:
    LockStep(const Setup &s, quint32 seed, const Trace &t, qint64 memoryBudget)
        : setup(s)
        , trace(t)
        , random(seed ^ 0x5a5a5a5a)
        , handler(seed, s.maximum, s.refusal)
        , machine(s.tapeLength)
        , history(&machine, memoryBudget, 0)
        , budget(memoryBudget)
    {
        machine.setHandler(&handler);
        startMachine(machine, setup);
        history.begin(&handler);
    }

    QString run()
    {
        const qint64 last = qint64(trace.states.size()) - 1;
        QString diff = forwardTo(random.bounded(int(last) + 1));
        for (int i = 0; diff.isEmpty() && i < 30 && history.position() > 0; ++i) {
            history.goTo(history.position() - 1);
            diff = check(u"back one"_s);
        }
        for (int i = 0; diff.isEmpty() && i < 20; ++i)
            diff = jump();
        if (diff.isEmpty())
            diff = forwardTo(last);
        if (diff.isEmpty() && handler.log != trace.log)
            diff = u"the handler was asked other questions than in the forward run"_s;
        return diff;
    }

private:
    QString check(const QString &what)
    {
        const qint64 at = history.position();
        QString diff = difference(machine.state(), trace.states[std::size_t(at)]);
        if (diff.isEmpty() && history.inputCount() != trace.inputs[std::size_t(at)])
            diff = u"%1 inputs, expected %2"_s.arg(history.inputCount())
                       .arg(trace.inputs[std::size_t(at)]);
        if (diff.isEmpty() && history.outputCount() != trace.outputs[std::size_t(at)])
            diff = u"%1 outputs, expected %2"_s.arg(history.outputCount())
                       .arg(trace.outputs[std::size_t(at)]);
        if (diff.isEmpty() && history.checkpointCount() > 2 && history.memoryUse() > budget)
            diff = u"%1 bytes in use"_s.arg(history.memoryUse());
        return diff.isEmpty() ? diff : u"after %1 at step %2: %3"_s.arg(what).arg(at).arg(diff);
    }

    // Forward in random pieces and stops, each compared with where the trace says it ends.
    QString forwardTo(qint64 target)
    {
        while (history.position() < target) {
            RunStops stops;
            if (random.bounded(3) == 0)
                stops.position = int(random.bounded(setup.program.size() + 1));
            stops.command = QChar(u" @,.+"_s.at(random.bounded(5)));
            if (stops.command == u' ')
                stops.command = QChar();
            const qint64 from = history.position();
            const int limit = int(std::min<qint64>(target - from, random.bounded(1, 200)));
            const RunResult result = limit == 1 && random.bounded(2) == 0
                ? RunResult{1, history.step() || stops.metBy(machine)}
                : history.run(limit, stops);
            qint64 expected = from;
            while (expected < from + limit) {
                const Machine::State &state = trace.states[std::size_t(++expected)];
                if (!state.running || state.programCounter == stops.position
                    || (!stops.command.isNull() && commandAt(setup, state) == stops.command))
                    break;
            }
            if (history.position() != expected)
                return u"forward from %1 by %2 ended at %3, expected %4"_s.arg(from).arg(limit)
                    .arg(history.position()).arg(expected);
            if (result.steps != expected - from)
                return u"forward from %1 counted %2 steps"_s.arg(from).arg(result.steps);
            const QString diff = check(u"forward"_s);
            if (!diff.isEmpty() || !machine.isRunning())
                return diff;
        }
        return {};
    }

    QString jump()
    {
        const qint64 to = random.bounded(int(history.end()) + 1);
        history.goTo(to);
        QString diff = check(u"jump"_s);
        if (!diff.isEmpty())
            return diff;
        const QChar command = u",.@"_s.at(random.bounded(3));
        const qint64 found = history.previousStep(command);
        qint64 expected = to - 1;
        while (expected > 0 && commandAt(setup, trace.states[std::size_t(expected)]) != command)
            --expected;
        if (expected <= 0)
            expected = -1;
        if (found != expected)
            return u"previous '%1' before %2 found at %3, expected %4"_s.arg(command).arg(to)
                .arg(found).arg(expected);
        return check(u"search"_s);
    }

    const Setup &setup;
    const Trace &trace;
    QRandomGenerator random;
    ScriptedHandler handler;
    Machine machine;
    RunHistory history;
    const qint64 budget;
};

// Counts the calls that reach a handler, and passes them on.
class CountingHandler : public IOHandler
{
public:
    explicit CountingHandler(IOHandler *handler)
        : inner(handler)
    {
    }
    bool hasInput() override { return ++calls, inner->hasInput(); }
    int input() override { return ++calls, inner->input(); }
    bool output(int value) override { return ++calls, inner->output(value); }
    bool isComplete() override { return ++calls, inner->isComplete(); }

    int calls = 0;

private:
    IOHandler *const inner;
};

} // namespace

Q_DECLARE_METATYPE(StopReason)

class TestRunHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lockStep_data();
    void lockStep();
    void realHandlers_data();
    void realHandlers();
    void longRuns_data();
    void longRuns();
};

void TestRunHistory::lockStep_data()
{
    QTest::addColumn<int>("programs");
    QTest::addColumn<int>("steps");
    QTest::addColumn<qint64>("budget");

    QTest::newRow("short runs, roomy budget") << 2000 << 300 << RunHistory::DefaultBudget;
    // A budget of a few checkpoints, so that thinning goes on all the time.
    QTest::newRow("long runs, thinned") << 300 << 6000 << qint64(12000);
}

void TestRunHistory::lockStep()
{
    QFETCH(int, programs);
    QFETCH(int, steps);
    QFETCH(qint64, budget);

    for (quint32 seed = 1; seed <= quint32(programs); ++seed) {
        QRandomGenerator random(seed);
        const Setup setup = randomSetup(random, steps > 1000);
        const Trace trace = forwardTrace(setup, seed, steps);
        LockStep lockStep(setup, seed, trace, budget);
        const QString diff = lockStep.run();
        QVERIFY2(diff.isEmpty(), qPrintable(u"seed %1, tape %2, maximum %3, program \"%4\": %5"_s
                                                .arg(seed).arg(setup.tapeLength)
                                                .arg(setup.maximum).arg(setup.program, diff)));
    }
}

void TestRunHistory::realHandlers_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addColumn<StopReason>("reason");

    // The pane holds 5; the prompts are answered with 7 and then 9.
    QTest::newRow("input pane and prompts") << u",.,.,+."_s << u"numeric"_s
                                            << QList<int>{5, 7, 10} << StopReason::Finished;
    // The case wants 3 then 5; the program's second output is 4.
    QTest::newRow("a failing test case") << u",>,<.>.+."_s << u"test case"_s
                                         << QList<int>{3, 4} << StopReason::BadOutput;
}

// A history over the handlers the window uses: going back to the start and forward again asks
// nobody anything, and ends where the run ended.
void TestRunHistory::realHandlers()
{
    QFETCH(QString, program);
    QFETCH(QString, kind);
    QFETCH(QList<int>, outputs);
    QFETCH(StopReason, reason);

    QPlainTextEdit inputPane(u"5"_s);
    QPlainTextEdit outputPane;
    std::unique_ptr<IOHandler> real;
    if (kind == u"numeric"_s)
        real = std::make_unique<NumericHandler>(&inputPane, &outputPane);
    else
        real = std::make_unique<NormalTestHandler>(nullptr, nullptr, QStringList{u"3,4 => 3,5"_s});
    CountingHandler counting(real.get());
    Machine machine(10);
    machine.setHandler(&counting);
    machine.setProgram(program);
    machine.start();
    real->start();
    RunHistory history(&machine);
    history.begin(&counting);

    {
        ModalAnswerer answerer;
        if (kind == u"numeric"_s) {
            answerer.expectInputDialog(u"Enter input..."_s, u"Input:"_s, 7);
            answerer.expectInputDialog(u"Enter input..."_s, u"Input:"_s, 9);
        }
        while (!history.run(1000).stopped) {
        }
        QVERIFY2(answerer.isDone(), qPrintable(answerer.pending()));
        QCOMPARE(answerer.mismatches(), QStringList());
    }
    QCOMPARE(machine.stopReason(), reason);
    const Machine::State last = machine.state();
    const int calls = counting.calls;
    QCOMPARE(history.outputs(0, history.outputCount()), outputs);

    ModalAnswerer nobody;
    history.goTo(0);
    QCOMPARE(history.outputCount(), 0);
    QCOMPARE(history.previousStep(u'.'), -1);
    for (int i = 0; i < 3 && !history.step(); ++i) {
    }
    while (!history.run(2).stopped) {
    }
    QCOMPARE(difference(machine.state(), last), QString());
    QCOMPARE(counting.calls, calls);
    QCOMPARE(nobody.mismatches(), QStringList());
    QCOMPARE(history.outputs(0, history.outputCount()), outputs);
    history.clear();
    QCOMPARE(machine.handler(), &counting);
}

void TestRunHistory::longRuns_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<qint64>("steps");

    // Passes of a loop that run() cannot work out at once, on a tape it keeps changing.
    QTest::newRow("nested loops over the tape")
        << u"-[>-[>+>+<<-]>[<+>-]<<-]"_s << 3000 << qint64(40000000);
    // A loop that run() works out at once: billions of steps in a few calls.
    QTest::newRow("a folded loop of billions")
        << u"-[>+<-]-[>+<-]"_s << 50000 << qint64(9000000000);
}

// Far into long runs, reached in large pieces: steps back and the start are exact, and memory
// stays within a small budget.
void TestRunHistory::longRuns()
{
    QFETCH(QString, program);
    QFETCH(int, tapeLength);
    QFETCH(qint64, steps);

    Machine machine(tapeLength);
    machine.setMaximumValue(2000000000);
    machine.setProgram(program);
    machine.start();
    const qint64 budget = 1 << 20;
    RunHistory history(&machine, budget, 0);
    history.begin(nullptr);
    while (history.position() < steps) {
        const qint64 left = steps - history.position();
        QVERIFY(!history.run(int(std::min<qint64>(left, 1 << 24))).stopped);
    }
    QCOMPARE(history.position(), steps);
    QVERIFY(history.memoryUse() <= budget);

    // The same steps taken by a machine of its own.
    const auto stateAt = [&](qint64 step) {
        Machine plain(tapeLength);
        plain.setMaximumValue(2000000000);
        plain.setProgram(program);
        plain.start();
        for (qint64 done = 0; done < step;)
            done += plain.run(int(std::min<qint64>(step - done, 1 << 30))).steps;
        return plain.state();
    };
    for (const qint64 target : {steps - 1, steps - 2, steps / 2 + 1, qint64(0), steps - 1000}) {
        history.goTo(target);
        QCOMPARE(history.position(), target);
        QCOMPARE(difference(machine.state(), stateAt(target)), QString());
    }
    QVERIFY(history.memoryUse() <= budget);
}

QTEST_MAIN(TestRunHistory)
#include "tst_runhistory.moc"
