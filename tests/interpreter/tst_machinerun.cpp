// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Machine::run() against step(): generated programs run both ways in lock step at random step
// limits and stops, with the whole state compared after every batch. `make bench` runs many
// more programs through the same comparison (bench_sameness).

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>
#include <utility>

#ifndef SAMENESS_PROGRAMS
#define SAMENESS_PROGRAMS 3000
#endif

namespace {

QString randomProgram(QRandomGenerator &random);

// Answers from a seeded script and logs every call, so two machines given handlers with the
// same seed must make the same calls in the same order. Now and then it calls back into its
// machine during a call, as the handler contract allows.
class ScriptedHandler : public IOHandler
{
public:
    explicit ScriptedHandler(quint32 seed)
        : random(seed)
    {
    }

    bool hasInput() override { return logged(1, random.bounded(10) != 0); }
    int input() override
    {
        const int choice = int(random.bounded(20));
        const int aboveMaximum = maximum < std::numeric_limits<int>::max() ? maximum + 1 : -2;
        const int value = choice == 0 ? -1 : choice == 1 ? maximum
                                                         : choice == 2 ? aboveMaximum : choice % 4;
        log << 2 << value;
        callBack();
        return value;
    }
    bool output(int value) override
    {
        log << 3 << value;
        return logged(4, random.bounded(40) != 0);
    }
    bool isComplete() override { return logged(5, random.bounded(4) != 0); }

    QList<int> log;
    int maximum = 0;
    Machine *machine = nullptr;
    // One call in this many calls back into the machine; 0: none.
    quint32 callBackOdds = 0;

private:
    bool logged(int call, bool answer)
    {
        log << call << int(answer);
        callBack();
        return answer;
    }

    void callBack()
    {
        if (!machine || callBackOdds == 0 || random.bounded(callBackOdds) != 0)
            return;
        const int action = int(random.bounded(7));
        log << 10 + action;
        switch (action) {
        case 0:
            machine->reset();
            break;
        case 1:
            machine->start();
            break;
        case 2:
            machine->setTapeLength(int(random.bounded(1, 6)));
            break;
        case 3:
            machine->setProgram(randomProgram(random));
            break;
        case 4:
            maximum = int(random.bounded(1, 4));
            machine->setMaximumValue(maximum);
            break;
        case 5:
            log << int(machine->step());
            break;
        default: {
            const RunResult nested = machine->run(5);
            log << nested.steps << int(nested.stopped);
            break;
        }
        }
    }

    QRandomGenerator random;
};

// What run() means, one step() at a time.
RunResult referenceRun(Machine &machine, int maxSteps, const RunStops &stops)
{
    RunResult result;
    while (result.steps < maxSteps) {
        bool stopped = machine.step();
        ++result.steps;
        stopped = stopped || (stops.position >= 0 && machine.programCounter() == stops.position)
                  || (!stops.command.isNull() && machine.currentCommand() == stops.command);
        if (stopped) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

QString randomRun(QRandomGenerator &random, const QString &commands)
{
    const QChar command = commands.at(random.bounded(commands.size()));
    const int length = random.bounded(8) == 0 ? int(random.bounded(300))
                                              : int(random.bounded(1, 5));
    QString run;
    for (int i = 0; i < length; ++i)
        run += random.bounded(6) == 0 ? u" "_qs + command : QString(command);
    return run;
}

// A loop body that only changes and moves and comes back, or only moves: the shapes run() works
// out at once.
QString simpleLoop(QRandomGenerator &random)
{
    if (random.bounded(5) == 0) {
        // a scan for a zero cell, moving by one or more in one or more runs
        QString moves = randomRun(random, u"<>"_qs);
        if (random.bounded(3) == 0)
            moves += randomRun(random, u"<>"_qs);
        return u"["_qs + moves + u"]"_qs;
    }
    QString counter = random.bounded(2) == 0 ? u"-"_qs : u"+"_qs;
    if (random.bounded(6) == 0)
        counter += counter; // a counter that moves by two
    QString body;
    int offset = 0;
    for (int i = int(random.bounded(4)); i > 0; --i) {
        const int move = int(random.bounded(1, 4)) * (random.bounded(2) == 0 ? 1 : -1);
        body += QString(std::abs(move), move > 0 ? u'>' : u'<') + randomRun(random, u"+-"_qs);
        offset += move;
    }
    if (random.bounded(8) != 0) // mostly back where it began
        body += QString(std::abs(offset), offset > 0 ? u'<' : u'>');
    body = random.bounded(2) == 0 ? counter + body : body + counter;
    return u"["_qs + body + u"]"_qs;
}

// A loop of changes, moves, outputs and inner loops that mostly move nothing: the shape run()
// takes a whole pass at a time, and in the middle of a pass when a handler does more.
QString compoundLoop(QRandomGenerator &random)
{
    QString body;
    for (int i = int(random.bounded(1, 7)); i > 0; --i) {
        switch (random.bounded(6)) {
        case 0:
            body += randomRun(random, u"+-"_qs);
            break;
        case 1:
            body += randomRun(random, u"<>"_qs);
            break;
        case 2:
            body += u'.';
            break;
        case 3:
            body += simpleLoop(random);
            break;
        default:
            body += QStringList{u"[-]"_qs, u"[+]"_qs, u"[->>+<<]"_qs, u"[<+<+>>+]"_qs}.at(
                random.bounded(4));
            break;
        }
    }
    // Mostly entered: cells start at zero.
    return (random.bounded(3) == 0 ? u"["_qs : u"+["_qs) + body + u"]"_qs;
}

QString randomProgram(QRandomGenerator &random)
{
    QString text;
    int open = 0;
    const int pieces = int(random.bounded(1, 30));
    for (int i = 0; i < pieces; ++i) {
        switch (random.bounded(18)) {
        case 0:
        case 1:
        case 2:
            text += randomRun(random, u"+-"_qs);
            break;
        case 3:
        case 4:
            text += randomRun(random, u"<>"_qs);
            break;
        case 5:
        case 6:
            text += u'[';
            ++open;
            break;
        case 7:
        case 8:
            if (open > 0 || random.bounded(6) == 0) {
                text += u']';
                --open;
            }
            break;
        case 9:
        case 10:
            text += simpleLoop(random);
            break;
        case 11:
            text += u',';
            break;
        case 12:
            text += u'.';
            break;
        case 13:
            text += u'@';
            break;
        case 16:
        case 17:
            text += compoundLoop(random);
            break;
        default:
            text += u" x\n\u00E9\u4E2D"_qs.at(random.bounded(5));
            break;
        }
    }
    for (; open > 0; --open) {
        if (random.bounded(8) != 0)
            text += u']';
    }
    return text;
}

// The program as a readable literal.
QString shown(QStringView program)
{
    QString text;
    for (const QChar c : program)
        text += c.unicode() >= 0x20 && c.unicode() < 0x7F
            ? QString(c) : u"\\u%1"_qs.arg(int(c.unicode()), 4, 16, QChar(u'0'));
    return text;
}

// The first difference between the two machines and their handlers, or nothing.
QString difference(const Machine &fast, const ScriptedHandler &fastHandler,
                   const Machine &reference, const ScriptedHandler &referenceHandler)
{
    if (fast.isRunning() != reference.isRunning())
        return u"running"_qs;
    if (fast.stopReason() != reference.stopReason())
        return u"stop reason %1, expected %2"_qs.arg(int(fast.stopReason()))
                   .arg(int(reference.stopReason()));
    if (fast.programCounter() != reference.programCounter())
        return u"program counter %1, expected %2"_qs.arg(fast.programCounter())
                   .arg(reference.programCounter());
    if (fast.currentCell() != reference.currentCell())
        return u"current cell %1, expected %2"_qs.arg(fast.currentCell())
                   .arg(reference.currentCell());
    for (int i = 0; i < reference.tapeLength(); ++i) {
        if (fast.cell(i) != reference.cell(i))
            return u"cell %1 holds %2, expected %3"_qs.arg(i).arg(fast.cell(i))
                       .arg(reference.cell(i));
    }
    if (fastHandler.log != referenceHandler.log)
        return u"handler calls differ"_qs;
    return {};
}

// Two machines given the same program and handlers of the same seed: one to run(), one to
// step().
struct LockStep
{
    LockStep(const QString &program, int tapeLength, int maximum, quint32 seed)
        : fastHandler(seed)
        , referenceHandler(seed)
        , fast(tapeLength)
        , reference(tapeLength)
    {
        fast.setHandler(&fastHandler);
        reference.setHandler(&referenceHandler);
        for (Machine *machine : {&fast, &reference}) {
            machine->setMaximumValue(maximum);
            machine->setProgram(program);
            machine->start();
        }
    }
    QString difference() const
    {
        return ::difference(fast, fastHandler, reference, referenceHandler);
    }

    ScriptedHandler fastHandler;
    ScriptedHandler referenceHandler;
    Machine fast;
    Machine reference;
};

// Runs one generated program both ways; answers a description of the first divergence.
// Handlers call back into their machine once in `callBackOdds` calls (0: never).
QString compareRuns(quint32 seed, quint32 callBackOdds)
{
    QRandomGenerator random(seed);
    const int tapeLengths[] = {1, 2, 3, 8, 40};
    const int maxima[] = {1, 2, 255, 33713, 2000000000, std::numeric_limits<int>::max()};
    const int tapeLength = tapeLengths[random.bounded(5)];
    int maximum = maxima[random.bounded(random.bounded(4) == 0 ? 6 : 4)];
    QString program = randomProgram(random);

    ScriptedHandler fastHandler(seed);
    ScriptedHandler referenceHandler(seed);
    Machine fast(tapeLength);
    Machine reference(tapeLength);
    for (Machine *machine : {&fast, &reference}) {
        machine->setMaximumValue(maximum);
        machine->setProgram(program);
        machine->start();
    }
    fast.setHandler(&fastHandler);
    reference.setHandler(&referenceHandler);
    fastHandler.maximum = referenceHandler.maximum = maximum;
    fastHandler.machine = &fast;
    referenceHandler.machine = &reference;
    fastHandler.callBackOdds = referenceHandler.callBackOdds = callBackOdds;

    int budget = 4000; // steps per program, as endless loops are common
    for (int batch = 0; budget > 0; ++batch) {
        RunStops stops;
        switch (random.bounded(7)) {
        case 0:
            stops.position = int(random.bounded(program.size() + 1));
            break;
        case 1:
            stops.position = reference.findLoopEnd(reference.programCounter());
            break;
        case 2:
            stops.position = -1;
            break;
        default:
            break;
        }
        stops.command = QChar(u" @@@,.+["_qs.at(random.bounded(8)));
        if (stops.command == u' ')
            stops.command = QChar();
        const int limits[] = {1, 3, 10, 100, 5000};
        const int limit = std::min(budget, int(random.bounded(1, limits[random.bounded(5)] + 1)));

        const RunResult got = fast.run(limit, stops);
        const RunResult expected = referenceRun(reference, limit, stops);
        budget -= std::max(expected.steps, 1);
        QString diff = difference(fast, fastHandler, reference, referenceHandler);
        if (diff.isEmpty() && (got.steps != expected.steps || got.stopped != expected.stopped))
            diff = u"run took %1 steps (stopped %2), expected %3 (%4)"_qs.arg(got.steps)
                       .arg(got.stopped).arg(expected.steps).arg(expected.stopped);
        if (!diff.isEmpty()) {
            return u"seed %1, batch %2, tape %3, maximum %4, limit %5, stop at %6 or '%7', "
                   u"program \"%8\": %9"_qs
                .arg(seed).arg(batch).arg(tapeLength).arg(maximum).arg(limit).arg(stops.position)
                .arg(shown(QString(stops.command))).arg(shown(program), diff);
        }
        if (!reference.isRunning())
            break;
        // Now and then change the machine under the paused run, as its owner may.
        if (random.bounded(40) == 0) {
            maximum = int(random.bounded(1, 4));
            fast.setMaximumValue(maximum);
            reference.setMaximumValue(maximum);
        } else if (random.bounded(60) == 0) {
            program = randomProgram(random);
            fast.setProgram(program);
            reference.setProgram(program);
        }
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(StopReason)

class tst_MachineRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsSteps_data();
    void sameAsSteps();
    void handlerCallsBack_data();
    void handlerCallsBack();
    void hostilePrograms_data();
    void hostilePrograms();
    void nestedLoopsCutShort_data();
    void nestedLoopsCutShort();
    void longFoldedRuns_data();
    void longFoldedRuns();
    void notRunning();
};

void tst_MachineRun::sameAsSteps_data()
{
    QTest::addColumn<quint32>("callBackOdds");
    QTest::newRow("handlers that only answer") << 0u;
    QTest::newRow("handlers that call back into the machine") << 8u;
}

void tst_MachineRun::sameAsSteps()
{
    QFETCH(quint32, callBackOdds);
    for (quint32 seed = 1; seed <= SAMENESS_PROGRAMS; ++seed) {
        const QString diff = compareRuns(seed, callBackOdds);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
}

namespace {

// Calls back into its machine at its first call of one kind.
class CallingBackHandler : public IOHandler
{
public:
    enum Call { HasInput, Input, Output, IsComplete };

    bool hasInput() override { return act(HasInput, true); }
    int input() override { return act(Input, 1); }
    bool output(int) override { return act(Output, true); }
    bool isComplete() override { return act(IsComplete, true); }

    Machine *machine = nullptr;
    Call when = Output;
    QString action;

private:
    template<typename Answer>
    Answer act(Call call, Answer answer)
    {
        if (call != when || action.isEmpty())
            return answer;
        const QString what = std::exchange(action, QString());
        if (what == u"reset")
            machine->reset();
        else if (what == u"start")
            machine->start();
        else if (what == u"tape")
            machine->setTapeLength(100000); // moves the tape, as a freed one would show
        return answer;
    }
};

} // namespace

void tst_MachineRun::handlerCallsBack_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("when");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("programCounter");
    QTest::addColumn<int>("cell0");

    const int output = CallingBackHandler::Output;
    const int input = CallingBackHandler::Input;
    QTest::newRow("reset in output") << u".+"_qs << output << u"reset"_qs << -1 << 0;
    QTest::newRow("start in output") << u"+.+"_qs << output << u"start"_qs << 2 << 2;
    QTest::newRow("new tape in output") << u".+"_qs << output << u"tape"_qs << -1 << 0;
    QTest::newRow("new tape in hasInput")
        << u",+"_qs << int(CallingBackHandler::HasInput) << u"tape"_qs << -1 << 0;
    QTest::newRow("new tape in input") << u"+,+"_qs << input << u"tape"_qs << -1 << 0;
    QTest::newRow("reset in isComplete")
        << u"+"_qs << int(CallingBackHandler::IsComplete) << u"reset"_qs << -1 << 0;
}

// The machine's state after a handler ended the command, by steps and by one run().
void tst_MachineRun::handlerCallsBack()
{
    QFETCH(QString, program);
    QFETCH(int, when);
    QFETCH(QString, action);
    QFETCH(int, programCounter);
    QFETCH(int, cell0);

    for (const bool byRun : {false, true}) {
        CallingBackHandler handler;
        Machine machine(1);
        handler.machine = &machine;
        handler.when = CallingBackHandler::Call(when);
        handler.action = action;
        machine.setHandler(&handler);
        machine.setProgram(program);
        machine.start();
        if (byRun)
            machine.run(5);
        else
            referenceRun(machine, 5, {});
        QCOMPARE(machine.programCounter(), programCounter);
        QCOMPARE(machine.cell(0), cell0);
        QCOMPARE(machine.stopReason(), StopReason::NotStopped);
    }
}

void tst_MachineRun::hostilePrograms_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<int>("maximum");

    const QString million(1000000, u'[');
    QTest::newRow("a million open brackets, skipped") << million << 10 << 255;
    QTest::newRow("a million open brackets, entered") << u"+"_qs + million << 10 << 255;
    QTest::newRow("a million close brackets") << QString(1000000, u']') << 10 << 255;
    QTest::newRow("close before open") << u"+]["_qs << 10 << 255;
    QTest::newRow("open without close after a loop") << u"+[-]+[[-]"_qs << 10 << 255;
    QTest::newRow("tape of one cell") << u"+[->+<]"_qs << 1 << 255;
    QTest::newRow("tape of one cell, moving back first") << u"+[-<+>]"_qs << 1 << 255;
    QTest::newRow("largest maximum") << u"-[>+>-<<-]"_qs << 3 << 2000000000;
    QTest::newRow("outside Latin-1") << u"+\u4E2D[-\U0001F600]+"_qs << 3 << 255;
    QTest::newRow("a million plus") << QString(1000000, u'+') << 3 << 33713;
    QTest::newRow("a million moves off the tape") << QString(1000000, u'>') << 50000 << 255;
    QString deep = u"+"_qs;
    for (int i = 0; i < 40; ++i)
        deep += u"[>+"_qs;
    deep += u".[->+<]>[<+>-]<"_qs;
    for (int i = 0; i < 40; ++i)
        deep += u"<-]"_qs;
    QTest::newRow("loops of loops forty deep") << deep << 50 << 3;
    QTest::newRow("walks off the right end in a pass") << u"+[>>+[->+<]>[>]<.]"_qs << 9 << 255;
    QTest::newRow("walks off the left end in a pass") << u"-[<<[-<+>]<[<]+.>]"_qs << 9 << 255;
    QTest::newRow("a pass reaches past the end") << u">+[.>>>+<<]"_qs << 7 << 255;
    QTest::newRow("outputs in a transfer's stead") << u"-[>-[.-]<-]"_qs << 4 << 33713;
}

// Each program runs to its end both ways in batches of a million steps.
void tst_MachineRun::hostilePrograms()
{
    QFETCH(QString, program);
    QFETCH(int, tapeLength);
    QFETCH(int, maximum);

    LockStep machines(program, tapeLength, maximum, 7);
    for (int batch = 0; batch < 10 && machines.reference.isRunning(); ++batch) {
        QCOMPARE(machines.fast.run(1000000).steps,
                 referenceRun(machines.reference, 1000000, {}).steps);
        const QString diff = machines.difference();
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
}

void tst_MachineRun::nestedLoopsCutShort_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<int>("maximum");

    // Halving inside a count, as the Collatz walker halves: a walk of one pass at a time.
    const QString halving = u">++++++++++[>>+++++++++[-[->>+<]<]>>[-<<+>>]<<<<-]"_qs;
    QTest::newRow("halving in a count") << halving << 12 << 255;
    QTest::newRow("halving in a count, odd maximum") << halving << 12 << 33713;
    QTest::newRow("halving in a count, tape too short") << halving << 5 << 255;
    QTest::newRow("transfers two deep") << u"-[>-[>-[>+>++<<-]<-]<-]"_qs << 8 << 255;
    QTest::newRow("transfers two deep, odd maximum") << u"-[>-[>-[>+>++<<-]<-]<-]"_qs << 8 << 7;
    QTest::newRow("squares without output")
        << u"-[>>[-]>[-]<<-[->+[>+>+<<-]>>[<<+>>-]<<+<]<-]"_qs << 8 << 255;
    QTest::newRow("a scan off the right end, nested")
        << u"+[>++[>+[>]<[<]>-]<-]"_qs << 9 << 255;
    QTest::newRow("a scan off the left end, nested")
        << u">>>>>>>>+[<++[<+[<]>[>]<-]>-]"_qs << 9 << 255;
    QTest::newRow("walks three deep") << u"+[>+[>+[->>+<]<<-]<-]"_qs << 30 << 255;
    const QString skipping = u"-[>-[>[[[+++[>+<-]---]]]>[>]<<<-]<-]"_qs;
    QTest::newRow("skipped loops in a count") << skipping << 8 << 255;
    QTest::newRow("skipped loops in a count, odd maximum") << skipping << 8 << 7;
    QTest::newRow("skipped loops in a count, tape too short") << skipping << 3 << 255;
    QTest::newRow("a transfer skipped but for the first pass")
        << u"-[>+++[>[-]>[->+<]<<-]>>+<<<-]"_qs << 6 << 255;
    const QString countingUp = u"-[>+[>[-]>[>]<<+]<-]"_qs;
    QTest::newRow("counting up past skipped loops") << countingUp << 6 << 255;
    QTest::newRow("counting up past skipped loops, int maximum")
        << countingUp << 6 << std::numeric_limits<int>::max();
    QTest::newRow("outputs beside nested walks")
        << u"+++[>+++[-[->>+<]<]>>.[-<<+>>]<<<-]"_qs << 12 << 255;
}

// Loops inside loops run in batches of every small size, so that batches end at each point of
// their passes, at every depth.
void tst_MachineRun::nestedLoopsCutShort()
{
    QFETCH(QString, program);
    QFETCH(int, tapeLength);
    QFETCH(int, maximum);

    LockStep machines(program, tapeLength, maximum, 3);
    Machine &fast = machines.fast;
    Machine &reference = machines.reference;
    for (int limit = 1; limit <= 40; ++limit) {
        fast.start();
        reference.start();
        // A whole run first, as a loop that has run long is where machine code may come in.
        for (int batch = 0; batch < 4000 && reference.isRunning(); ++batch) {
            const int steps = batch == 0 ? 1000000 : limit;
            QCOMPARE(fast.run(steps).steps, referenceRun(reference, steps, {}).steps);
            const QString diff = machines.difference();
            QVERIFY2(diff.isEmpty(), qPrintable(u"limit %1, batch %2: %3"_qs.arg(limit)
                                                    .arg(batch).arg(diff)));
        }
    }
}

void tst_MachineRun::longFoldedRuns_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<qint64>("steps");
    QTest::addColumn<int>("cell1");

    // '+' '[', then per pass the body and ']', then the end
    const qint64 top = 2000000000;
    QTest::newRow("count up through the largest maximum")
        << u"+[+]"_qs << int(top) << 2 + 2 * top + 1 << 0;
    QTest::newRow("count down from the largest maximum")
        << u"-[-]"_qs << int(top) << 2 + 2 * top + 1 << 0;
    QTest::newRow("copy the largest maximum")
        << u"-[>+<-]"_qs << int(top) << 2 + 5 * top + 1 << int(top);
    QTest::newRow("ten times the largest maximum, wrapped")
        << u"-[>++++++++++<-]"_qs << int(top) << 2 + 14 * top + 1 << int(10 * top % (top + 1));
    QTest::newRow("int maximum")
        << u"-[>+<-]"_qs << std::numeric_limits<int>::max()
        << 2 + 5 * qint64(std::numeric_limits<int>::max()) + 1 << std::numeric_limits<int>::max();
}

// Loops of billions of steps, in batches that end inside their passes.
void tst_MachineRun::longFoldedRuns()
{
    QFETCH(QString, program);
    QFETCH(int, maximum);
    QFETCH(qint64, steps);
    QFETCH(int, cell1);

    Machine machine(2);
    machine.setMaximumValue(maximum);
    machine.setProgram(program);
    machine.start();
    qint64 total = 0;
    for (int batch = 0; batch < 100 && machine.isRunning(); ++batch)
        total += machine.run(999999937).steps;
    QCOMPARE(machine.stopReason(), StopReason::Finished);
    QCOMPARE(total, steps);
    QCOMPARE(machine.cell(0), 0);
    QCOMPARE(machine.cell(1), cell1);
}

void tst_MachineRun::notRunning()
{
    Machine machine(3);
    machine.setProgram(u"+"_qs);
    const RunResult result = machine.run(10);
    QCOMPARE(result.steps, 0);
    QVERIFY(result.stopped);
    QCOMPARE(machine.cell(0), 0);
    QVERIFY(machine.run(0).stopped);
    machine.start();
    QCOMPARE(machine.run(0).steps, 0);
    QVERIFY(!machine.run(0).stopped);
    QCOMPARE(machine.programCounter(), -1);
    // A reset machine's counter is not the stop position -1.
    QVERIFY(!RunStops{}.metBy(machine));
}

QTEST_GUILESS_MAIN(tst_MachineRun)
#include "tst_machinerun.moc"
