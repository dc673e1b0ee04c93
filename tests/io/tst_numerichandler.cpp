// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/numerichandler.h"
#include "iotestsupport.h"
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

class tst_NumericHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void newRunStartsAfresh();
    void longOutputShowsItsTail();
    void windowPanes();

private:
    std::unique_ptr<Panes> panes;
    QPlainTextEdit *input = nullptr;
    QPlainTextEdit *output = nullptr;
};

void tst_NumericHandler::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    panes = std::make_unique<Panes>();
    input = panes->input;
    output = panes->output;
}

void tst_NumericHandler::reading_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<StopReason>("reason");

    const int standard = Machine::DefaultMaximumValue;
    const int largest = 2147483647;
    QTest::newRow("comma and blank separated") << u"1, 2,3"_s << 3 << QList<Answer>() << standard
                                               << QList<int>{1, 2, 3} << StopReason::Finished;
    QTest::newRow("pane used up prompts") << u"1, 2,3"_s << 4 << QList<Answer>{u"4"_s} << standard
                                          << QList<int>{1, 2, 3, 4} << StopReason::Finished;
    QTest::newRow("letters and minus separate") << u"12abc34 -7"_s << 3 << QList<Answer>()
                                                << standard << QList<int>{12, 34, 7}
                                                << StopReason::Finished;
    QTest::newRow("leading zeros") << u"007"_s << 1 << QList<Answer>() << standard << QList<int>{7}
                                   << StopReason::Finished;
    QTest::newRow("decimal point separates") << u"3.5"_s << 2 << QList<Answer>() << standard
                                             << QList<int>{3, 5} << StopReason::Finished;
    QTest::newRow("line breaks separate") << u"4\n\n5\n"_s << 2 << QList<Answer>() << standard
                                          << QList<int>{4, 5} << StopReason::Finished;
    QTest::newRow("empty pane prompts") << QString() << 1 << QList<Answer>{u"9"_s} << standard
                                        << QList<int>{9}
                                        << StopReason::Finished;
    QTest::newRow("digit-free pane prompts") << u"abc - ,"_s << 1 << QList<Answer>{u"5"_s}
                                             << standard << QList<int>{5} << StopReason::Finished;
    QTest::newRow("every read past the pane prompts") << u"1"_s << 3
                                                      << QList<Answer>{u"2"_s, u"3"_s} << standard
                                                      << QList<int>{1, 2, 3}
                                                      << StopReason::Finished;
    QTest::newRow("cancelled prompt") << u"1"_s << 2 << QList<Answer>{std::nullopt} << standard
                                      << QList<int>{1, 0}
                                      << StopReason::BadInput;
    QTest::newRow("input equal to maximum") << u"33713"_s << 1 << QList<Answer>() << standard
                                            << QList<int>{33713} << StopReason::Finished;
    QTest::newRow("input above maximum") << u"7 33714"_s << 2 << QList<Answer>() << standard
                                         << QList<int>{7, 0}
                                         << StopReason::BadInput;
    QTest::newRow("prompted input above maximum") << QString() << 1 << QList<Answer>{u"33714"_s}
                                                  << standard << QList<int>{0}
                                                  << StopReason::BadInput;
    QTest::newRow("twelve nines") << u"999999999999"_s << 1 << QList<Answer>() << largest
                                  << QList<int>{0}
                                  << StopReason::BadInput;
    QTest::newRow("largest 32-bit number") << u"2147483647"_s << 1 << QList<Answer>() << largest
                                           << QList<int>{largest} << StopReason::Finished;
    QTest::newRow("one past 32 bits") << u"2147483648"_s << 1 << QList<Answer>() << largest
                                      << QList<int>{0}
                                      << StopReason::BadInput;
    QTest::newRow("digits of another script") << u"\u0663"_s << 1 << QList<Answer>() << standard
                                              << QList<int>{0}
                                              << StopReason::BadInput;
}

void tst_NumericHandler::reading()
{
    QFETCH(QString, pane);
    QFETCH(int, reads);
    QFETCH(QList<Answer>, answers);
    QFETCH(int, maximum);
    QFETCH(QList<int>, values);
    QFETCH(StopReason, reason);

    input->setPlainText(pane);
    NumericHandler handler(input, output);
    Machine machine(1000);
    machine.setMaximumValue(maximum);
    ModalAnswerer answerer;
    QStringList problems;
    expectPrompts(answerer, input, QInputDialog::IntInput, answers, &problems);
    QCOMPARE(runProgram(machine, handler, readInto(reads)), reason);
    QCOMPARE(answerer.mismatches(), QStringList());
    QVERIFY(answerer.isDone());
    QCOMPARE(problems, QStringList());
    QCOMPARE(cells(machine, reads), values);
    // Numbers entered in the prompt stay out of the pane.
    QCOMPARE(input->toPlainText(), pane);
}

void tst_NumericHandler::writing_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("batch");
    QTest::addColumn<QString>("shown");

    QTest::newRow("three values") << printing({72, 0, 105}) << 1000 << u"72, 0, 105"_s;
    QTest::newRow("refreshed after every step") << printing({72, 0, 105}) << 1 << u"72, 0, 105"_s;
    QTest::newRow("no output") << u"+++>+"_s << 1000 << QString();
    QStringList countdown;
    for (int value = 200; value > 0; --value)
        countdown << QString::number(value);
    QTest::newRow("many values over many batches")
        << u"++++++++++[>++++++++++++++++++++<-]>[.-]"_s << 7 << countdown.join(u", "_s);
}

void tst_NumericHandler::writing()
{
    QFETCH(QString, program);
    QFETCH(int, batch);
    QFETCH(QString, shown);

    NumericHandler handler(input, output);
    Machine machine(1000);
    QCOMPARE(runProgram(machine, handler, program, batch), StopReason::Finished);
    QCOMPARE(output->toPlainText(), shown);
}

void tst_NumericHandler::newRunStartsAfresh()
{
    input->setPlainText(u"1 2"_s);
    NumericHandler handler(input, output);
    Machine machine(1000);
    QCOMPARE(runProgram(machine, handler, u",."_s), StopReason::Finished);
    QCOMPARE(output->toPlainText(), u"1"_s);
    QCOMPARE(runProgram(machine, handler, u",.,."_s), StopReason::Finished);
    QCOMPARE(output->toPlainText(), u"1, 2"_s);
    QCOMPARE(runProgram(machine, handler, u"+"_s), StopReason::Finished);
    QCOMPARE(output->toPlainText(), QString());
}

// 1 to 33713, more than the pane keeps: it shows the last values, in full and in order, after
// a line that counts exactly the ones before them.
void tst_NumericHandler::longOutputShowsItsTail()
{
    NumericHandler handler(input, output);
    Machine machine(1000);
    QCOMPARE(runProgram(machine, handler, u"+[.+]"_s), StopReason::Finished);
    // A long pane may take its last update a moment later.
    QTRY_VERIFY(output->toPlainText().endsWith(u", 33713"_s));
    const QString text = output->toPlainText();
    const QString first = text.section(u'\n', 0, 0);
    const QRegularExpression line(u"^… (\\d+) earlier values not shown$"_s);
    const QRegularExpressionMatch match = line.match(QString(first).remove(u','));
    QVERIFY2(match.hasMatch(), qPrintable(first));
    const int dropped = match.captured(1).toInt();
    QStringList tail;
    for (int value = dropped + 1; value <= Machine::DefaultMaximumValue; ++value)
        tail << QString::number(value);
    QCOMPARE(text.section(u'\n', 1), tail.join(u", "_s));
}

void tst_NumericHandler::windowPanes()
{
    Zindle window;
    window.inputEdit()->setPlainText(u"8"_s);
    NumericHandler handler(&window);
    Machine machine(1000);
    QCOMPARE(runProgram(machine, handler, u",."_s), StopReason::Finished);
    QCOMPARE(window.outputEdit()->toPlainText(), u"8"_s);
}

QTEST_MAIN(tst_NumericHandler)
#include "tst_numerichandler.moc"
