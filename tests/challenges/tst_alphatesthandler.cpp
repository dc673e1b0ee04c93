// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/alphatesthandler.h"
#include "challenges/coursecheck.h"
#include "interpreter/machine.h"
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StopReason)

class tst_AlphaTestHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void delivery_data();
    void delivery();
    void verdicts_data();
    void verdicts();
    void panes_data();
    void panes();
    void notACase();
    void windowPanes();

private:
    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
};

void tst_AlphaTestHandler::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    inputPane.clear();
    outputPane.clear();
}

void tst_AlphaTestHandler::delivery_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("word and its line break") << u"abc => x"_s << QList<int>{1, 2, 3, 0};
    QTest::newRow("whole alphabet ends") << u"az => x"_s << QList<int>{1, 26, 0};
    QTest::newRow("backslash n between words") << u"ab\\ncd => x"_s << QList<int>{1, 2, 0, 3, 4, 0};
    QTest::newRow("backslash n at the end") << u"a\\n => x"_s << QList<int>{1, 0, 0};
    QTest::newRow("backslash n alone") << u"\\n => x"_s << QList<int>{0, 0};
    QTest::newRow("empty input, not even a line break") << u" => x"_s << QList<int>{};
    QTest::newRow("no case folding, blank") << u"A b => x"_s << QList<int>{-31, -64, 2, 0};
    QTest::newRow("outside ASCII is negative") << u"\u00e9\u0436 => x"_s
                                               << QList<int>{-119, -96, 0};
}

void tst_AlphaTestHandler::delivery()
{
    QFETCH(QString, line);
    QFETCH(QList<int>, values);

    AlphaTestHandler handler(&inputPane, &outputPane, {line});
    handler.start();
    QList<int> delivered;
    while (handler.hasInput() && delivered.size() <= values.size())
        delivered.append(handler.input());
    QCOMPARE(delivered, values);
}

void tst_AlphaTestHandler::verdicts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");

    // reads a, b and the line break, writes b then a
    QTest::newRow("swap") << u"ab => ba"_s << u",>,>,<.<."_s << StopReason::Finished;
    QTest::newRow("read after the line break") << u"ab => ba"_s << u",>,>,>,<<.<."_s
                                               << StopReason::BadInput;
    QTest::newRow("wrong order") << u"ab => ba"_s << u",>,>,<<.>."_s << StopReason::BadOutput;
    QTest::newRow("line break left unread") << u"ab => ba"_s << u",>,.<."_s
                                            << StopReason::IncompleteResult;
    QTest::newRow("one letter short") << u"ab => ba"_s << u",>,>,<."_s
                                      << StopReason::IncompleteResult;
    QTest::newRow("one letter extra") << u"ab => ba"_s << u",>,>,<.<.."_s << StopReason::BadOutput;
    QTest::newRow("zero is no letter") << u" => a"_s << u"."_s << StopReason::BadOutput;
    QTest::newRow("27 is no letter") << u" => a"_s << QString(27, u'+') + u'.'
                                     << StopReason::BadOutput;
    QTest::newRow("fixed word") << u" => zindle"_s
                                << QString(26, u'+') + u'.' + QString(17, u'-') + u'.'
                                + QString(5, u'+') + u'.'
                                       + QString(10, u'-') + u'.' + QString(8, u'+') + u'.'
                                       + QString(7, u'-') + u'.'
                                << StopReason::Finished;
    QTest::newRow("upper case refused as input") << u"A => a"_s << u","_s << StopReason::BadInput;
    QTest::newRow("two line breaks at the end") << u"a\\n => "_s << u",,,"_s
                                                << StopReason::Finished;
    QTest::newRow("second line break unread") << u"a\\n => "_s << u",,"_s
                                              << StopReason::IncompleteResult;
    // the expected part keeps backslash and n as two characters, so 0 does not match
    QTest::newRow("backslash n in the expected part") << u" => \\n"_s << u"."_s
                                                      << StopReason::BadOutput;
    QTest::newRow("empty case") << u" => "_s << QString() << StopReason::Finished;
}

void tst_AlphaTestHandler::verdicts()
{
    QFETCH(QString, line);
    QFETCH(QString, program);
    QFETCH(StopReason, reason);

    AlphaTestHandler handler(&inputPane, &outputPane, {line});
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(program);
    QCOMPARE(CourseCheck::runCase(machine, 10000).stopReason, reason);
}

void tst_AlphaTestHandler::panes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");

    QTest::newRow("word") << u"shone => fubar"_s << u"shone\n"_s << u"Required output: fubar"_s;
    QTest::newRow("real line breaks") << u"alice\\nwonderland => y"_s << u"alice\nwonderland\n"_s
                                      << u"Required output: y"_s;
    QTest::newRow("no input") << u" => zindle"_s << QString() << u"Required output: zindle"_s;
    QTest::newRow("no output") << u"aeiou => "_s << u"aeiou\n"_s << u"Required output: "_s;
}

void tst_AlphaTestHandler::panes()
{
    QFETCH(QString, line);
    QFETCH(QString, input);
    QFETCH(QString, output);

    AlphaTestHandler handler(&inputPane, &outputPane, {line});
    handler.start();
    handler.refresh();
    QCOMPARE(inputPane.toPlainText(), input);
    QCOMPARE(outputPane.toPlainText(), output);
}

void tst_AlphaTestHandler::notACase()
{
    // A line without the separator runs as an empty case: the previous case is not repeated.
    AlphaTestHandler handler(&inputPane, &outputPane, {u"ab => ba"_s, u"ab"_s});
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(u",>,>,<.<."_s);
    QCOMPARE(CourseCheck::runCase(machine, 100).stopReason, StopReason::Finished);
    QCOMPARE(CourseCheck::runCase(machine, 100).stopReason, StopReason::BadInput);
    machine.setProgram(QString());
    QCOMPARE(CourseCheck::runCase(machine, 100).stopReason, StopReason::Finished);
}

void tst_AlphaTestHandler::windowPanes()
{
    Zindle window;
    AlphaTestHandler handler(&window, {u"redivider => y"_s});
    handler.start();
    QCOMPARE(window.inputEdit()->toPlainText(), u"redivider\n"_s);
    QCOMPARE(window.outputEdit()->toPlainText(), u"Required output: y"_s);
}

QTEST_MAIN(tst_AlphaTestHandler)
#include "tst_alphatesthandler.moc"
