// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/alphahandler.h"
#include "iotestsupport.h"
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

class tst_AlphaHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void newRunStartsAfresh();
    void windowPanes();

private:
    std::unique_ptr<Panes> panes;
    QPlainTextEdit *input = nullptr;
    QPlainTextEdit *output = nullptr;
};

void tst_AlphaHandler::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    panes = std::make_unique<Panes>();
    input = panes->input;
    output = panes->output;
}

void tst_AlphaHandler::reading_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("blank skipped") << u"Hi there"_s << 7 << QList<Answer>()
                                   << QList<int>{8, 9, 20, 8, 5, 18, 5}
                                   << StopReason::Finished;
    QTest::newRow("pane used up prompts") << u"Hi there"_s << 8 << QList<Answer>{std::nullopt}
                                          << QList<int>{8, 9, 20, 8, 5, 18, 5, 0}
                                          << StopReason::BadInput;
    QTest::newRow("two lines") << u"ab\nc"_s << 4 << QList<Answer>() << QList<int>{1, 2, 0, 3}
                               << StopReason::Finished;
    QTest::newRow("no break after the last line") << u"ab\nc"_s << 5 << QList<Answer>{u"d"_s}
                                                  << QList<int>{1, 2, 0, 3, 4}
                                                  << StopReason::Finished;
    QTest::newRow("digit skipped") << u"x1y"_s << 2 << QList<Answer>() << QList<int>{24, 25}
                                   << StopReason::Finished;
    QTest::newRow("upper case folded") << u"AzZ"_s << 3 << QList<Answer>() << QList<int>{1, 26, 26}
                                       << StopReason::Finished;
    QTest::newRow("prompted line") << QString() << 3 << QList<Answer>{u"Ok"_s}
                                   << QList<int>{15, 11, 0}
                                   << StopReason::Finished;
    QTest::newRow("prompted empty line") << QString() << 1 << QList<Answer>{u""_s} << QList<int>{0}
                                         << StopReason::Finished;
    QTest::newRow("prompted line used up first") << u"a"_s << 5 << QList<Answer>{u"b"_s, u"c d"_s}
                                                 << QList<int>{1, 2, 0, 3, 4}
                                                 << StopReason::Finished;
    QTest::newRow("cancelled prompt") << u"."_s << 1 << QList<Answer>{std::nullopt} << QList<int>{0}
                                      << StopReason::BadInput;
    QTest::newRow("letter outside ASCII") << u"a\u00e9"_s << 2 << QList<Answer>()
                                          << QList<int>{1, 0}
                                          << StopReason::BadInput;
    QTest::newRow("letter outside Latin-1") << u"\u03bb"_s << 1 << QList<Answer>() << QList<int>{0}
                                            << StopReason::BadInput;
    QTest::newRow("prompted letter outside ASCII") << QString() << 1 << QList<Answer>{u"\u00c9"_s}
                                                   << QList<int>{0} << StopReason::BadInput;
}

void tst_AlphaHandler::reading()
{
    QFETCH(QString, pane);
    QFETCH(int, reads);
    QFETCH(QList<Answer>, answers);
    QFETCH(QList<int>, values);
    QFETCH(StopReason, reason);

    input->setPlainText(pane);
    AlphaHandler handler(input, output);
    Machine machine(1000);
    ModalAnswerer answerer;
    QStringList problems;
    expectPrompts(answerer, input, QInputDialog::TextInput, answers, &problems);
    QCOMPARE(runProgram(machine, handler, readInto(reads)), reason);
    QCOMPARE(answerer.mismatches(), QStringList());
    QVERIFY(answerer.isDone());
    QCOMPARE(problems, QStringList());
    QCOMPARE(cells(machine, reads), values);
    // Lines entered in the prompt stay out of the pane.
    QCOMPARE(input->toPlainText(), pane);
}

void tst_AlphaHandler::writing_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("batch");
    QTest::addColumn<StopReason>("reason");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letters and a line break") << printing({8, 9, 0, 26}) << 1000
                                              << StopReason::Finished << u"hi\u2028z"_s;
    QTest::newRow("refreshed after every step") << printing({8, 9, 0, 26}) << 1
                                                << StopReason::Finished << u"hi\u2028z"_s;
    QTest::newRow("27 refused") << printing({1, 27, 2}) << 1000 << StopReason::BadOutput << u"a"_s;
    QTest::newRow("0 first") << printing({0, 1}) << 1000 << StopReason::Finished << u"\u2028a"_s;
    QTest::newRow("no output") << u"+"_s << 1000 << StopReason::Finished << QString();
}

void tst_AlphaHandler::writing()
{
    QFETCH(QString, program);
    QFETCH(int, batch);
    QFETCH(StopReason, reason);
    QFETCH(QString, shown);

    AlphaHandler handler(input, output);
    Machine machine(1000);
    QCOMPARE(runProgram(machine, handler, program, batch), reason);
    // The separator breaks the line inside one paragraph; the pane's plain text shows it as "\n".
    QCOMPARE(output->document()->toRawText(), shown);
    QCOMPARE(output->document()->blockCount(), 1);
}

void tst_AlphaHandler::newRunStartsAfresh()
{
    input->setPlainText(u"ab"_s);
    AlphaHandler handler(input, output);
    Machine machine(1000);
    ModalAnswerer answerer;
    QStringList problems;
    expectPrompts(answerer, input, QInputDialog::TextInput, {u"c"_s}, &problems);
    QCOMPARE(runProgram(machine, handler, u",.,.,."_s), StopReason::Finished);
    QCOMPARE(output->toPlainText(), u"abc"_s);
    // The line entered in the first run is forgotten: the pane is read again from its start.
    QCOMPARE(runProgram(machine, handler, u",.,."_s), StopReason::Finished);
    QCOMPARE(output->toPlainText(), u"ab"_s);
    QCOMPARE(runProgram(machine, handler, u"+"_s), StopReason::Finished);
    QCOMPARE(output->toPlainText(), QString());
    QCOMPARE(answerer.mismatches(), QStringList());
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(problems, QStringList());
}

void tst_AlphaHandler::windowPanes()
{
    Zindle window;
    window.inputEdit()->setPlainText(u"q"_s);
    AlphaHandler handler(&window);
    Machine machine(1000);
    QCOMPARE(runProgram(machine, handler, u",."_s), StopReason::Finished);
    QCOMPARE(window.outputEdit()->toPlainText(), u"q"_s);
}

QTEST_MAIN(tst_AlphaHandler)
#include "tst_alphahandler.moc"
