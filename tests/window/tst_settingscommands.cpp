// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands that inspect or change the machine's settings, and the Help menu, answered the
// way a user answers their boxes and dialogs.

#include "window/zindle.h"

#include "modalanswerer.h"
#include "window/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString TapeTitle = u"Enter tape length..."_s;
const QString TapeLabel = u"Length:"_s;
const QString MaximumTitle = u"Enter maximum value..."_s;
const QString MaximumLabel = u"Value:"_s;

struct SpinState
{
    int value = -1;
    int minimum = -1;
    int maximum = -1;
    int typed = -1; // the value after typing digits beyond the maximum
};

// Reads what an integer dialog offers, then tries to type a number past its maximum.
ModalAnswerer::Action readSpin(SpinState &state, const QString &tooLarge)
{
    return [&state, tooLarge](QWidget *widget) {
        auto *dialog = qobject_cast<QInputDialog *>(widget);
        if (!dialog)
            return;
        state.value = dialog->intValue();
        state.minimum = dialog->intMinimum();
        state.maximum = dialog->intMaximum();
        if (auto *spin = dialog->findChild<QSpinBox *>()) {
            spin->selectAll();
            QTest::keyClicks(spin, tooLarge);
            state.typed = spin->value();
        }
    };
}

} // namespace

class tst_SettingsCommands : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void length_data();
    void length();
    void tapeLength();
    void tapeLengthAcceptedUnchangedClearsTheTape();
    void tapeLengthCancelled();
    void maximumValue();
    void maximumValueKeepsTheTape();
    void maximumValueCancelled();
    void alphabetSwitch();
    void help_data();
    void help();

private:
    QAbstractItemModel *tape() const
    {
        return window->findChild<QTableView *>(u"tableTape"_s)->model();
    }
    int cell(int column) const { return tape()->index(0, column).data().toString().toInt(); }
    // Runs the program to its end and answers the output pane.
    QString runProgram(const QString &program, const QString &input = QString());

};

void tst_SettingsCommands::init()
{
    QVERIFY(openWindow(Show::Active));
}

void tst_SettingsCommands::cleanup()
{
    closeWindow();
}

QString tst_SettingsCommands::runProgram(const QString &program, const QString &input)
{
    edit(u"editProgram"_s)->setPlainText(program);
    edit(u"editInput"_s)->setPlainText(input);
    action(u"actionRun"_s)->trigger();
    if (!QTest::qWaitFor([this] { return !action(u"actionHalt"_s)->isEnabled(); }))
        return u"(still running)"_s;
    return edit(u"editOutput"_s)->toPlainText();
}

void tst_SettingsCommands::length_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("count");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("comments only") << u"Hello, world: no commands here"_s.remove(u',') << 0;
    QTest::newRow("six commands spaced, line end") << u"+ - < > . ,\n"_s << 6;
    QTest::newRow("one") << u"+"_s << 1;
    QTest::newRow("breakpoints do not count") << u"@[-@]@"_s << 3;
    QTest::newRow("all eight over lines") << u"+-\n<>\n[]\n,.\n"_s << 8;
}

void tst_SettingsCommands::length()
{
    QFETCH(QString, program);
    QFETCH(int, count);

    edit(u"editProgram"_s)->setPlainText(program);
    answerer->expectMessageBox(u"Length"_s, u"Your program contains %1 commands."_s.arg(count));
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(answerer->isDone());
}

void tst_SettingsCommands::tapeLength()
{
    SpinState spin;
    answerer->expectInputDialog(TapeTitle, TapeLabel, 5, readSpin(spin, u"99999"_s));
    action(u"actionTapeLength"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(spin.value, 1000);
    QCOMPARE(spin.minimum, 1);
    QCOMPARE(spin.maximum, 50000);
    QVERIFY(spin.typed <= 50000);
    QCOMPARE(tape()->columnCount(), 5);
    for (int column = 0; column < 5; ++column)
        QCOMPARE(cell(column), 0);

    // The machine now has five cells: the sixth is off its right edge.
    answerer->expectMessageBox(u"Crash"_s, u"Invalid move over right side of tape!"_s);
    runProgram(u">>>>>"_s);
    QTRY_VERIFY(answerer->isDone());

    // The smallest tape the dialog allows.
    answerer->expectInputDialog(TapeTitle, TapeLabel, 1, readSpin(spin, u"0"_s));
    action(u"actionTapeLength"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(spin.value, 5);
    QVERIFY(spin.typed >= 1);
    QCOMPARE(tape()->columnCount(), 1);
}

void tst_SettingsCommands::tapeLengthAcceptedUnchangedClearsTheTape()
{
    QCOMPARE(runProgram(u"+++>++."_s), u"2"_s);
    QCOMPARE(cell(0), 3);
    answerer->expectInputDialog(TapeTitle, TapeLabel, 1000);
    action(u"actionTapeLength"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(tape()->columnCount(), 1000);
    QCOMPARE(cell(0), 0);
    QCOMPARE(cell(1), 0);
}

void tst_SettingsCommands::tapeLengthCancelled()
{
    runProgram(u"+++"_s);
    answerer->expectCancelledInput(TapeTitle, TapeLabel);
    action(u"actionTapeLength"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(tape()->columnCount(), 1000);
    QCOMPARE(cell(0), 3);
}

void tst_SettingsCommands::maximumValue()
{
    SpinState spin;
    answerer->expectInputDialog(MaximumTitle, MaximumLabel, 2000000000,
                                readSpin(spin, u"9999999999"_s));
    action(u"actionMaximumValue"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(spin.value, 33713);
    QCOMPARE(spin.minimum, 1);
    QCOMPARE(spin.maximum, 2000000000);
    QVERIFY(spin.typed <= 2000000000);
    QCOMPARE(runProgram(u"-."_s), u"2000000000"_s);
    QCOMPARE(runProgram(u"-+."_s), u"0"_s);

    answerer->expectInputDialog(MaximumTitle, MaximumLabel, 1);
    action(u"actionMaximumValue"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(runProgram(u"+.+.+."_s), u"1, 0, 1"_s);
}

void tst_SettingsCommands::maximumValueKeepsTheTape()
{
    runProgram(u"+++++"_s);
    answerer->expectInputDialog(MaximumTitle, MaximumLabel, 2);
    action(u"actionMaximumValue"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(cell(0), 5); // above the new maximum, but left alone until the next run
    QCOMPARE(runProgram(u"++.+."_s), u"2, 0"_s);
}

void tst_SettingsCommands::maximumValueCancelled()
{
    answerer->expectCancelledInput(MaximumTitle, MaximumLabel);
    action(u"actionMaximumValue"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(runProgram(u"-."_s), u"33713"_s);
}

void tst_SettingsCommands::alphabetSwitch()
{
    QAction *alphabet = action(u"actionAlphabet"_s);
    edit(u"editOutput"_s)->setPlainText(u"kept"_s);
    edit(u"editInput"_s)->setPlainText(u"c"_s);
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(alphabet->isChecked());
    QCOMPARE(edit(u"editOutput"_s)->toPlainText(), u"kept"_s);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"c"_s);
    QCOMPARE(runProgram(u",.+."_s, u"c"_s), u"cd"_s);

    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(!alphabet->isChecked());
    QCOMPARE(runProgram(u",.+."_s, u"3"_s), u"3, 4"_s);
    // A letter is no number to the numeric handler: the input is used up and it asks.
    answerer->expectInputDialog(u"Enter input..."_s, u"Input:"_s, 8);
    QCOMPARE(runProgram(u",."_s, u"c"_s), u"8"_s);
}

void tst_SettingsCommands::help_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key"); // 0: no shortcut, triggered from the menu
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // empty: not checked

    QTest::newRow("Index") << u"actionIndex"_s << int(Qt::Key_F1) << u"Serious warning"_s
                           << u"Nobody can help you."_s;
    QTest::newRow("About") << u"actionAbout"_s << 0 << u"About Zindle"_s << QString();
    QTest::newRow("About Qt") << u"actionAboutQt"_s << 0 << u"About Qt"_s << QString();
}

void tst_SettingsCommands::help()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, title);
    QFETCH(QString, text);

    QString shown;
    answerer->expectMessageBox(title, text, QMessageBox::Ok,
                               [&shown](QWidget *box) { shown = ModalAnswerer::textOf(box); });
    if (key)
        QTest::keyClick(window.get(), Qt::Key(key));
    else
        action(name)->trigger();
    QTRY_VERIFY(answerer->isDone());
    if (name == u"actionAbout"_s)
        QVERIFY2(shown.contains(u"Zindle"_s) && shown.contains(u"brainfuck"_s), qPrintable(shown));
}

QTEST_MAIN(tst_SettingsCommands)
#include "tst_settingscommands.moc"
