// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QTest>

#include <limits>

namespace {

// Feeds a fixed list of inputs and records every output.
class ScriptedHandler : public IOHandler
{
public:
    QList<int> inputs;
    QList<int> outputs;
    bool complete = true;
    int starts = 0;

    void start() override { ++starts; }
    bool hasInput() override { return !inputs.isEmpty(); }
    int input() override { return inputs.takeFirst(); }
    bool output(int value) override
    {
        outputs.append(value);
        return true;
    }
    bool isComplete() override { return complete; }
};

// Steps until the machine stops; returns the number of steps taken, or -1 past the limit.
int runToEnd(Machine &machine, int limit = 1000000)
{
    for (int steps = 1; steps <= limit; ++steps) {
        if (machine.step())
            return steps;
    }
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(StopReason)

class tst_Machine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stopReasons_data();
    void stopReasons();
    void stepCounts_data();
    void stepCounts();
    void wrapping_data();
    void wrapping();
    void crashPositions_data();
    void crashPositions();
    void input_data();
    void input();
    void defaultHandler_data();
    void defaultHandler();
    void loops_data();
    void loops();
    void findLoopEnd_data();
    void findLoopEnd();
    void currentCommand();
    void resetKeepsSettings();
    void setTapeLengthEndsRun();
    void stepWhenNotRunning();
    void cellOutsideTape();
    void tapeLengthLimits_data();
    void tapeLengthLimits();
    void largeMaximumValue();
    void hostilePrograms_data();
    void hostilePrograms();
};

void tst_Machine::stopReasons_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QList<int>>("inputs");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("empty program") << QString() << QList<int>() << true << StopReason::Finished;
    QTest::newRow("spaces only") << u"     "_qs << QList<int>() << true << StopReason::Finished;
    QTest::newRow("left edge") << u"<"_qs << QList<int>() << true << StopReason::LeftEdge;
    QTest::newRow("right edge") << u">>>>>>>>>>"_qs << QList<int>() << true
                                << StopReason::RightEdge;
    QTest::newRow("no input") << u","_qs << QList<int>() << true << StopReason::BadInput;
    QTest::newRow("input above maximum") << u","_qs << QList<int>{33714} << true
                                         << StopReason::BadInput;
    QTest::newRow("negative input") << u","_qs << QList<int>{-1} << true << StopReason::BadInput;
    QTest::newRow("unmatched close") << u"+]"_qs << QList<int>() << true
                                     << StopReason::UnmatchedLoop;
    QTest::newRow("skipped open without close") << u"[+"_qs << QList<int>() << true
                                                << StopReason::UnmatchedLoop;
    QTest::newRow("entered open without close") << u"+[-"_qs << QList<int>() << true
                                                << StopReason::UnmatchedLoop;
    QTest::newRow("incomplete") << u"+"_qs << QList<int>() << false << StopReason::IncompleteResult;
    QTest::newRow("unmatched before incomplete") << u"+["_qs << QList<int>() << false
                                                 << StopReason::UnmatchedLoop;
    QTest::newRow("finished") << u"+>+<-"_qs << QList<int>() << true << StopReason::Finished;
}

void tst_Machine::stopReasons()
{
    QFETCH(QString, program);
    QFETCH(QList<int>, inputs);
    QFETCH(bool, complete);
    QFETCH(StopReason, reason);

    ScriptedHandler handler;
    handler.inputs = inputs;
    handler.complete = complete;
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(program);
    machine.start();
    QVERIFY(runToEnd(machine) > 0);
    QCOMPARE(machine.stopReason(), reason);
    QVERIFY(!machine.isRunning());
    QVERIFY(machine.step()); // a stopped machine stays stopped
}

void tst_Machine::stepCounts_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("steps");

    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("three commands") << u"+++"_qs << 4;
    QTest::newRow("spaces take no step") << u" + + + "_qs << 4;
    QTest::newRow("breakpoint takes a step") << u"+@+"_qs << 4;
    QTest::newRow("newline and letters take a step") << u"+\nab+"_qs << 6;
    QTest::newRow("skipped loop is one step") << u"[+++++]+"_qs << 3;
    // '+' '[' then per pass '-' ']' (the ']' jumps to the '[' without executing it again)
    QTest::newRow("loop of three passes") << u"+++[-]"_qs << 3 + 1 + 3 * 2 + 1;
}

void tst_Machine::stepCounts()
{
    QFETCH(QString, program);
    QFETCH(int, steps);

    Machine machine(10);
    machine.setProgram(program);
    machine.start();
    QCOMPARE(runToEnd(machine), steps);
    QCOMPARE(machine.stopReason(), StopReason::Finished);
    QCOMPARE(machine.programCounter(), int(program.size()));
}

void tst_Machine::wrapping_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("value");

    QTest::newRow("minus on zero") << 33713 << u"-"_qs << 33713;
    QTest::newRow("plus on maximum") << 33713 << u"-+"_qs << 0;
    QTest::newRow("maximum 1, one plus") << 1 << u"+"_qs << 1;
    QTest::newRow("maximum 1, two plus") << 1 << u"++"_qs << 0;
    QTest::newRow("maximum 1, minus") << 1 << u"-"_qs << 1;
    QTest::newRow("maximum 1, two minus") << 1 << u"--"_qs << 0;
    QTest::newRow("maximum 255 wraps like a byte") << 255 << QString(256, u'+') << 0;
    QTest::newRow("largest maximum, minus") << 2000000000 << u"-"_qs << 2000000000;
    QTest::newRow("largest maximum, minus plus") << 2000000000 << u"-+"_qs << 0;
    QTest::newRow("int maximum, minus plus") << std::numeric_limits<int>::max() << u"-+"_qs << 0;
}

void tst_Machine::wrapping()
{
    QFETCH(int, maximum);
    QFETCH(QString, program);
    QFETCH(int, value);

    Machine machine(3);
    machine.setMaximumValue(maximum);
    machine.setProgram(program);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.stopReason(), StopReason::Finished);
    QCOMPARE(machine.cell(0), value);
}

void tst_Machine::crashPositions_data()
{
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("counter");

    QTest::newRow("left of cell 0") << 5 << u"+<"_qs << StopReason::LeftEdge << -1 << 1;
    QTest::newRow("right of last cell") << 3 << u">>+>"_qs << StopReason::RightEdge << 3 << 3;
    QTest::newRow("tape of one cell, right") << 1 << u">"_qs << StopReason::RightEdge << 1 << 0;
    QTest::newRow("tape of one cell, left") << 1 << u" <"_qs << StopReason::LeftEdge << -1 << 1;
}

void tst_Machine::crashPositions()
{
    QFETCH(int, tapeLength);
    QFETCH(QString, program);
    QFETCH(StopReason, reason);
    QFETCH(int, cell);
    QFETCH(int, counter);

    Machine machine(tapeLength);
    machine.setProgram(program);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.stopReason(), reason);
    QCOMPARE(machine.currentCell(), cell);
    QCOMPARE(machine.programCounter(), counter);
    QCOMPARE(machine.cell(cell), 0);
}

void tst_Machine::input_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<StopReason>("reason");
    QTest::addColumn<int>("cell");

    // the program first stores 2 so that an unchanged cell is visible
    QTest::newRow("zero") << 0 << StopReason::Finished << 0;
    QTest::newRow("at maximum") << 33713 << StopReason::Finished << 33713;
    QTest::newRow("above maximum") << 33714 << StopReason::BadInput << 2;
    QTest::newRow("below zero") << -1 << StopReason::BadInput << 2;
    QTest::newRow("int minimum") << std::numeric_limits<int>::min() << StopReason::BadInput << 2;
}

void tst_Machine::input()
{
    QFETCH(int, value);
    QFETCH(StopReason, reason);
    QFETCH(int, cell);

    ScriptedHandler handler;
    handler.inputs = {value};
    Machine machine(2);
    machine.setHandler(&handler);
    machine.setProgram(u"++,"_qs);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.stopReason(), reason);
    QCOMPARE(machine.cell(0), cell);
}

void tst_Machine::defaultHandler_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("input") << u","_qs << StopReason::BadInput;
    QTest::newRow("output") << u"+."_qs << StopReason::BadOutput;
    QTest::newRow("end") << u"+-+"_qs << StopReason::Finished;
}

void tst_Machine::defaultHandler()
{
    QFETCH(QString, program);
    QFETCH(StopReason, reason);

    IOHandler bare;
    Machine machine(10);
    machine.setHandler(&bare);
    machine.setProgram(program);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.stopReason(), reason);

    // no handler at all behaves like the bare one
    Machine unhandled(10);
    unhandled.setProgram(program);
    unhandled.start();
    runToEnd(unhandled);
    QCOMPARE(unhandled.stopReason(), reason);
}

void tst_Machine::loops_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QList<int>>("outputs");

    QTest::newRow("countdown") << u"+++[.-]."_qs << QList<int>{3, 2, 1, 0};
    QTest::newRow("nested") << u"++[>+++[>+<-]<-]>>."_qs << QList<int>{6};
    QTest::newRow("skipped nested") << u"[[+]+].+."_qs << QList<int>{0, 1};
    QTest::newRow("multiply") << u"+++++[>+++++<-]>."_qs << QList<int>{25};
    QTest::newRow("breakpoint inside loop") << u"++[@-.]"_qs << QList<int>{1, 0};
}

void tst_Machine::loops()
{
    QFETCH(QString, program);
    QFETCH(QList<int>, outputs);

    ScriptedHandler handler;
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(program);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.stopReason(), StopReason::Finished);
    QCOMPARE(handler.outputs, outputs);
}

void tst_Machine::findLoopEnd_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("end");

    QTest::newRow("from open") << u"[+]"_qs << 0 << 2;
    QTest::newRow("nested from outer") << u"[[]]"_qs << 0 << 3;
    QTest::newRow("nested from inner") << u"[[]]"_qs << 1 << 2;
    QTest::newRow("inside body") << u"[+[-]+]"_qs << 5 << 6;
    QTest::newRow("outside any loop") << u"+[]"_qs << 0 << -1;
    QTest::newRow("first unmatched close") << u"+]]"_qs << 0 << 1;
    QTest::newRow("missing close") << u"[[]"_qs << 0 << -1;
    QTest::newRow("before start") << u"[]"_qs << -1 << -1;
    QTest::newRow("far before start") << u"]"_qs << -100 << 0;
    QTest::newRow("past end") << u"[]"_qs << 5 << -1;
}

void tst_Machine::findLoopEnd()
{
    QFETCH(QString, program);
    QFETCH(int, position);
    QFETCH(int, end);

    Machine machine(1);
    machine.setProgram(program);
    QCOMPARE(machine.findLoopEnd(position), end);
}

void tst_Machine::currentCommand()
{
    Machine machine(10);
    machine.setProgram(u"+ @"_qs);
    QCOMPARE(machine.currentCommand(), QChar());
    machine.start();
    QCOMPARE(machine.currentCommand(), QChar());
    machine.step();
    QCOMPARE(machine.currentCommand(), QChar(u'+'));
    machine.step();
    QCOMPARE(machine.programCounter(), 2);
    QCOMPARE(machine.currentCommand(), QChar(u'@'));
    machine.step();
    QCOMPARE(machine.currentCommand(), QChar());
}

void tst_Machine::resetKeepsSettings()
{
    ScriptedHandler handler;
    Machine machine(7);
    machine.setHandler(&handler);
    machine.setMaximumValue(9);
    machine.setProgram(u"+>++."_qs);
    machine.start();
    runToEnd(machine);
    QCOMPARE(handler.outputs, QList<int>{2});

    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 0)
            machine.reset();
        else
            machine.start();
        QCOMPARE(machine.isRunning(), pass == 1);
        QCOMPARE(machine.stopReason(), StopReason::NotStopped);
        QCOMPARE(machine.programCounter(), -1);
        QCOMPARE(machine.currentCell(), 0);
        QCOMPARE(machine.cell(1), 0);
        QCOMPARE(machine.program(), u"+>++."_qs);
        QCOMPARE(machine.tapeLength(), 7);
        QCOMPARE(machine.maximumValue(), 9);
        QCOMPARE(machine.handler(), &handler);
    }
    runToEnd(machine);
    QCOMPARE(handler.outputs, (QList<int>{2, 2}));
}

void tst_Machine::setTapeLengthEndsRun()
{
    Machine machine(10);
    machine.setProgram(u"+>+>+"_qs);
    machine.start();
    machine.step();
    machine.step();
    machine.step();
    machine.setTapeLength(4);
    QCOMPARE(machine.tapeLength(), 4);
    QCOMPARE(machine.cell(0), 0);
    QVERIFY(machine.step());
    QCOMPARE(machine.stopReason(), StopReason::NotStopped);
}

void tst_Machine::stepWhenNotRunning()
{
    Machine machine(10);
    machine.setProgram(u"+"_qs);
    QVERIFY(machine.step());
    QCOMPARE(machine.cell(0), 0);
    QCOMPARE(machine.stopReason(), StopReason::NotStopped);
}

void tst_Machine::cellOutsideTape()
{
    Machine machine(5);
    machine.setProgram(u"-"_qs);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.cell(-1), 0);
    QCOMPARE(machine.cell(5), 0);
    QCOMPARE(machine.cell(0), 33713);
}

void tst_Machine::tapeLengthLimits_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("length");

    QTest::newRow("one") << 1 << 1;
    QTest::newRow("fifty thousand") << 50000 << 50000;
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("negative") << -5 << 1;
    QTest::newRow("huge") << std::numeric_limits<int>::max() << Machine::MaximumTapeLength;
}

void tst_Machine::tapeLengthLimits()
{
    QFETCH(int, requested);
    QFETCH(int, length);

    Machine machine(requested);
    QCOMPARE(machine.tapeLength(), length);
    // walk to the last cell, then one further
    machine.setProgram(QString(length - 1, u'>') + u"+>"_qs);
    machine.start();
    runToEnd(machine, length + 10);
    QCOMPARE(machine.stopReason(), StopReason::RightEdge);
    QCOMPARE(machine.cell(length - 1), 1);
}

void tst_Machine::largeMaximumValue()
{
    ScriptedHandler handler;
    handler.inputs = {2000000000};
    Machine machine(2);
    machine.setMaximumValue(2000000000);
    machine.setHandler(&handler);
    machine.setProgram(u",+.-."_qs);
    machine.start();
    runToEnd(machine);
    QCOMPARE(machine.stopReason(), StopReason::Finished);
    QCOMPARE(handler.outputs, (QList<int>{0, 2000000000}));

    machine.setMaximumValue(0);
    QCOMPARE(machine.maximumValue(), 1);
}

void tst_Machine::hostilePrograms_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("a million open brackets, skipped") << QString(1000000, u'[')
                                                      << StopReason::UnmatchedLoop;
    QTest::newRow("a million open brackets, entered")
        << u"+"_qs + QString(1000000, u'[') << StopReason::UnmatchedLoop;
    QTest::newRow("a million close brackets") << QString(1000000, u']')
                                              << StopReason::UnmatchedLoop;
    QTest::newRow("outside Latin-1") << u"+\u4E2D\u00E9\U0001F600+"_qs << StopReason::Finished;
    QTest::newRow("nul characters") << QString(3, QChar(u'\0')) << StopReason::Finished;
    QTest::newRow("only a close after a skip") << u"[]]"_qs << StopReason::UnmatchedLoop;
}

void tst_Machine::hostilePrograms()
{
    QFETCH(QString, program);
    QFETCH(StopReason, reason);

    Machine machine(10);
    machine.setProgram(program);
    machine.start();
    QVERIFY(runToEnd(machine, 3000000) > 0);
    QCOMPARE(machine.stopReason(), reason);
}

QTEST_GUILESS_MAIN(tst_Machine)
#include "tst_machine.moc"
