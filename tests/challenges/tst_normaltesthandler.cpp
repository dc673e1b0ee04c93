// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/normaltesthandler.h"
#include "challenges/coursecheck.h"
#include "interpreter/machine.h"
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StopReason)

class tst_NormalTestHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void verdicts_data();
    void verdicts();
    void panes_data();
    void panes();
    void casesRunInOrder();
    void windowPanes();

private:
    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
};

void tst_NormalTestHandler::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    inputPane.setPlainText(u"typed by the user"_s);
    outputPane.setPlainText(u"left from a run"_s);
}

void tst_NormalTestHandler::verdicts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("echo") << u"7 => 7"_s << u",."_s << StopReason::Finished;
    QTest::newRow("largest value") << u"33713 => 33713"_s << u",."_s << StopReason::Finished;
    QTest::newRow("reads all, writes nothing") << u"5,0 => "_s << u",>,"_s << StopReason::Finished;
    QTest::newRow("output where none is expected") << u"5,0 => "_s << u",>,."_s
                                                   << StopReason::BadOutput;
    QTest::newRow("zero left unread") << u"5,0 => "_s << u","_s << StopReason::IncompleteResult;
    QTest::newRow("unread input after right output") << u"3,4 => 3"_s << u",."_s
                                                     << StopReason::IncompleteResult;
    QTest::newRow("no input, writes 1 and 2") << u" => 1,2"_s << u"+.+."_s << StopReason::Finished;
    QTest::newRow("no input, reads") << u" => 1,2"_s << u",+.+."_s << StopReason::BadInput;
    QTest::newRow("one value short") << u" => 1,2"_s << u"+."_s << StopReason::IncompleteResult;
    QTest::newRow("input after the end") << u"3 => 3"_s << u",.,"_s << StopReason::BadInput;
    QTest::newRow("sum") << u"4,2 => 6"_s << u",>,[-<+>]<."_s << StopReason::Finished;
    QTest::newRow("sum, then one more") << u"4,2 => 6"_s << u",>,[-<+>]<.+."_s
                                        << StopReason::BadOutput;
    QTest::newRow("wrong value at once") << u"4,2 => 6"_s << u",>,[-]<[-]+++++.+."_s
                                         << StopReason::BadOutput;
    QTest::newRow("malformed numbers count as 0") << u"x,,7 => 0,7"_s << u",.,>,."_s
                                                  << StopReason::Finished;
    QTest::newRow("not a case: nothing to do") << u"5,6"_s << QString() << StopReason::Finished;
    QTest::newRow("not a case: output refused") << u"1 => 2 => 3"_s << u"+."_s
                                                << StopReason::BadOutput;
}

void tst_NormalTestHandler::verdicts()
{
    QFETCH(QString, line);
    QFETCH(QString, program);
    QFETCH(StopReason, reason);

    NormalTestHandler handler(&inputPane, &outputPane, {line});
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(program);
    QCOMPARE(CourseCheck::runCase(machine, 10000).stopReason, reason);
}

void tst_NormalTestHandler::panes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    QTest::newRow("input and output") << u"2,3,4 => 2,3,4"_s << u"Test input: 2,3,4"_s
                                      << u"Required output: 2,3,4"_s;
    QTest::newRow("no input") << u" => 0"_s << u"No test input."_s << u"Required output: 0"_s;
    QTest::newRow("no output") << u"0 => "_s << u"Test input: 0"_s << u"Required output: "_s;
    QTest::newRow("not a case leaves the panes") << u"generated data 0"_s << u"typed by the user"_s
                                                 << u"left from a run"_s;
}

void tst_NormalTestHandler::panes()
{
    QFETCH(QString, line);
    QFETCH(QString, input);
    QFETCH(QString, output);

    NormalTestHandler handler(&inputPane, &outputPane, {line});
    handler.start();
    handler.refresh(); // must not redraw anything: the panes keep the case for the whole run
    QCOMPARE(inputPane.toPlainText(), input);
    QCOMPARE(outputPane.toPlainText(), output);
}

void tst_NormalTestHandler::casesRunInOrder()
{
    // A program that always writes 1 passes the first case only: the second run must load
    // the second line, and the third line is never reached.
    NormalTestHandler handler(&inputPane, &outputPane, {u" => 1"_s, u" => 2"_s, u" => 1"_s});
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(u"+."_s);
    QCOMPARE(CourseCheck::runCase(machine, 100).stopReason, StopReason::Finished);
    QCOMPARE(CourseCheck::runCase(machine, 100).stopReason, StopReason::BadOutput);
    QCOMPARE(outputPane.toPlainText(), u"Required output: 2"_s);

    // Nothing of a failed case carries over into the next.
    QCOMPARE(CourseCheck::runCase(machine, 100).stopReason, StopReason::Finished);
}

void tst_NormalTestHandler::windowPanes()
{
    Zindle window;
    NormalTestHandler handler(&window, {u"1,2 => 3"_s});
    handler.start();
    QCOMPARE(window.inputEdit()->toPlainText(), u"Test input: 1,2"_s);
    QCOMPARE(window.outputEdit()->toPlainText(), u"Required output: 3"_s);
}

QTEST_MAIN(tst_NormalTestHandler)
#include "tst_normaltesthandler.moc"
