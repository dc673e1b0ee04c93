// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Selecting challenges and testing programs against them in the window, as a user does it:
// clicks and keys on the challenge table, programs typed into the editor, the Test button and
// the boxes the window answers with.

#include "window/zindle.h"

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/challengemodel.h"
#include "modalanswerer.h"
#include "window/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Rows of the shipped course.
constexpr int GoodForNothing = 0;
constexpr int Echo = 2;
constexpr int NumericReadout = 4;
constexpr int Squares = 28;
constexpr int Nim = 49;

const QString FailTitle = u"Fail"_s;
const QString FailText = u"The program failed the challenge."_s;
const QString PassTitle = u"Pass"_s;
const QString PassText = u"Your program has passed the challenge!"_s;
const QString CrashTitle = u"Crash"_s;

// Runs are timer-driven and the suite also runs under AddressSanitizer: be generous, yet stay
// well inside the test's own timeout so that a stuck test says where it stuck.
constexpr int RunTimeout = 20000;

} // namespace

class tst_ChallengeFlow : public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void selectShowsTheChallenge_data();
    void selectShowsTheChallenge();
    void selectResetsTheMachine();
    void reselectingTheCurrentRow();
    void keyboardSelects();
    void testWithoutSelectionDoesNothing();
    void programLength_data();
    void programLength();
    void passingTest_data();
    void passingTest();
    void passingAgainKeepsTheMark();
    void failingTest_data();
    void failingTest();
    void cancel();
    void commandsAreOffDuringATest();
    void machineKeepsTheChallengeSettings();
    void untestableChallenge_data();
    void untestableChallenge();
    void selectingEndsAnInteractiveRun();
    void nimPlaysFiftyGames();

private:
    QTableView *challengeTable() const
    {
        return window->findChild<QTableView *>(u"tableChallenge"_s);
    }
    QPushButton *testButton() const { return window->findChild<QPushButton *>(u"buttonTest"_s); }
    QToolBar *toolBar() const { return window->findChild<QToolBar *>(u"toolBar"_s); }
    QString requirementsText() const
    {
        return window->findChild<QLabel *>(u"labelRequirements"_s)->text();
    }
    int tapeLength() const
    {
        return window->findChild<QTableView *>(u"tableTape"_s)->model()->columnCount();
    }
    int cell(int column) const;
    void showChallenges() const;
    void clickRow(int row, int column = 1) const;
    void typeProgram(const QString &program) const;
    void pressTest() const { QTest::mouseClick(testButton(), Qt::LeftButton); }
    bool isTesting() const;
    bool isIdle() const;
    bool isShownComplete(int row) const;
    void recordInputPane();
    void setMachineFromMenus(int tapeLength, int maximumValue = 0);

    // What the input pane showed, one entry per change of text.
    QStringList inputPane;
    int unknownTypeRow = -1;
    int noCasesRow = -1;
};

int tst_ChallengeFlow::cell(int column) const
{
    const QAbstractItemModel *model = window->findChild<QTableView *>(u"tableTape"_s)->model();
    return model->data(model->index(0, column)).toString().toInt();
}

void tst_ChallengeFlow::showChallenges() const
{
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(challengeTable()->isVisible());
    // The pane is laid out once the event loop has run, not at once.
    QTRY_VERIFY(!testButton()->visibleRegion().isEmpty());
}

void tst_ChallengeFlow::clickRow(int row, int column) const
{
    QTableView *table = challengeTable();
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
}

void tst_ChallengeFlow::typeProgram(const QString &program) const
{
    QPlainTextEdit *editor = edit(u"editProgram"_s);
    editor->clear();
    const QStringList lines = program.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, lines.at(i));
    }
    QCOMPARE(editor->toPlainText(), program);
}

bool tst_ChallengeFlow::isTesting() const
{
    return testButton()->text() == u"Cancel"_s && testButton()->isEnabled()
        && !toolBar()->isEnabled()
        && !challengeTable()->isEnabled() && !window->menuBar()->isEnabled()
        && edit(u"editProgram"_s)->isReadOnly() && edit(u"editInput"_s)->isReadOnly();
}

bool tst_ChallengeFlow::isIdle() const
{
    return testButton()->isEnabled() && toolBar()->isEnabled() && challengeTable()->isEnabled()
        && window->menuBar()->isEnabled() && !action(u"actionHalt"_s)->isEnabled()
        && !edit(u"editProgram"_s)->isReadOnly() && !edit(u"editInput"_s)->isReadOnly();
}

// The completion picture as the table shows it, not just the stored mark.
bool tst_ChallengeFlow::isShownComplete(int row) const
{
    const QAbstractItemModel *model = challengeTable()->model();
    return !model->data(model->index(row, 0), Qt::DecorationRole).isNull();
}

void tst_ChallengeFlow::recordInputPane()
{
    QPlainTextEdit *input = edit(u"editInput"_s);
    connect(input, &QPlainTextEdit::textChanged, this, [this, input] {
        const QString text = input->toPlainText();
        if (!text.isEmpty() && (inputPane.isEmpty() || inputPane.constLast() != text))
            inputPane.append(text);
    });
}

// The machine settings commands, as a user changes them before a selection or a test.
void tst_ChallengeFlow::setMachineFromMenus(int tapeLength, int maximumValue)
{
    if (tapeLength > 0) {
        answerer->expectInputDialog(u"Enter tape length..."_s, u"Length:"_s, tapeLength);
        action(u"actionTapeLength"_s)->trigger();
    }
    if (maximumValue > 0) {
        answerer->expectInputDialog(u"Enter maximum value..."_s, u"Value:"_s, maximumValue);
        action(u"actionMaximumValue"_s)->trigger();
    }
    QTRY_VERIFY(answerer->isDone());
    if (tapeLength > 0)
        QCOMPARE(this->tapeLength(), tapeLength);
}

void tst_ChallengeFlow::initTestCase()
{
    loadCourse();
    QCOMPARE(challengeList().size(), 50);
    QCOMPARE(challengeList().at(Echo).name, u"Echo"_s);
    QCOMPARE(challengeList().at(Squares).name, u"Squares"_s);

    // Two challenges that the shipped course does not have, but a hand-edited file could.
    Challenge unknownType;
    unknownType.name = u"Riddle"_s;
    unknownType.testType = u"riddle"_s;
    unknownType.testCases = {u" => 1"_s};
    unknownTypeRow = int(challengeList().size());
    challengeList().append(unknownType);
    Challenge noCases;
    noCases.name = u"Empty"_s;
    noCases.testType = u"normal"_s;
    noCasesRow = int(challengeList().size());
    challengeList().append(noCases);
}

void tst_ChallengeFlow::init()
{
    clearProgress();
    QVERIFY(openWindow(Show::Active));
    inputPane.clear();
    showChallenges();
}

void tst_ChallengeFlow::cleanup()
{
    closeWindow();
}

void tst_ChallengeFlow::selectShowsTheChallenge_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("requirements");

    QTest::newRow("no program length") << GoodForNothing << u"Tape length 10"_s;
    QTest::newRow("program length") << Squares << u"Tape length 20, program length 32"_s;
    QTest::newRow("long tape") << Nim << u"Tape length 20000"_s;
}

void tst_ChallengeFlow::selectShowsTheChallenge()
{
    QFETCH(int, row);
    QFETCH(QString, requirements);

    QCOMPARE(requirementsText(), QString());
    clickRow(row);
    QCOMPARE(requirementsText(), requirements);
    const Challenge &challenge = challengeList().at(row);
    QCOMPARE(window->findChild<QTextEdit *>(u"editChallenge"_s)->toPlainText(), challenge.text);
    QCOMPARE(tapeLength(), challenge.tapeLength);
    QVERIFY(testButton()->isEnabled());
    QCOMPARE(testButton()->text(), u"&Test"_s);
}

// The tape length and maximum value set from the menus last only until the next selection.
void tst_ChallengeFlow::selectResetsTheMachine()
{
    clickRow(Squares);
    setMachineFromMenus(5, 100);

    clickRow(Echo);
    QCOMPARE(tapeLength(), 10);
    typeProgram(u"-"_s);
    action(u"actionRun"_s)->trigger();
    QTRY_VERIFY(isIdle());
    QCOMPARE(cell(0), 33713);

    // The commands work again after a selection.
    setMachineFromMenus(7);
}

void tst_ChallengeFlow::reselectingTheCurrentRow()
{
    clickRow(Squares, 1);
    setMachineFromMenus(5);

    // The cell that is already current: no new selection, the menu's tape length stays.
    clickRow(Squares, 1);
    QCOMPARE(tapeLength(), 5);

    // Another cell of the same row is a new current index and selects again.
    clickRow(Squares, 2);
    QCOMPARE(tapeLength(), 20);
    QCOMPARE(requirementsText(), u"Tape length 20, program length 32"_s);
}

void tst_ChallengeFlow::keyboardSelects()
{
    clickRow(Echo);
    QTableView *table = challengeTable();
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentIndex().row(), Echo + 1);
    QCOMPARE(window->findChild<QTextEdit *>(u"editChallenge"_s)->toPlainText(),
             challengeList().at(Echo + 1).text);

    QTest::keyClick(table, Qt::Key_Up);
    QTest::keyClick(table, Qt::Key_Up);
    QCOMPARE(table->currentIndex().row(), Echo - 1);
    QCOMPARE(window->findChild<QTextEdit *>(u"editChallenge"_s)->toPlainText(),
             challengeList().at(Echo - 1).text);

    // The keyboard-selected challenge is the one tested.
    typeProgram(u"+++++."_s);
    answerer->expectMessageBox(PassTitle, PassText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY(isShownComplete(Echo - 1));
}

void tst_ChallengeFlow::testWithoutSelectionDoesNothing()
{
    typeProgram(u",."_s);
    edit(u"editInput"_s)->setPlainText(u"my input"_s);
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
    pressTest();
    QCoreApplication::processEvents();
    QCOMPARE(testButton()->text(), u"&Test"_s);
    QVERIFY(isIdle());
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"my input"_s);
    QCOMPARE(requirementsText(), QString());
    QCOMPARE(answerer->seen(), QStringList());
}

void tst_ChallengeFlow::programLength_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("refusal");

    const QString limit = QString(u"+-"_s).repeated(16);
    QTest::newRow("exactly the limit") << limit << QString();
    QTest::newRow("one more") << limit + u'>'
        << u"Your program is 33 commands. This task requires a program of 32 or less commands."_s;
    QTest::newRow("marks and comments do not count") << u"@ squares "_s + limit + u" @\nthe end"_s
                                                     << QString();
    QTest::newRow("far too long") << QString(u"+"_s).repeated(100)
        << u"Your program is 100 commands. This task requires a program of 32 or less commands."_s;
}

void tst_ChallengeFlow::programLength()
{
    QFETCH(QString, program);
    QFETCH(QString, refusal);

    clickRow(Squares);
    typeProgram(program);
    edit(u"editInput"_s)->setPlainText(u"my input"_s);
    if (!refusal.isEmpty()) {
        answerer->expectMessageBox(u"Program length"_s, refusal);
        pressTest();
        QTRY_VERIFY(answerer->isDone());
        QVERIFY(isIdle());
        QCOMPARE(testButton()->text(), u"&Test"_s);
        QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"my input"_s);
        return;
    }
    // Tested: the first case gives 0 and wants nothing, and this program never reads it.
    answerer->expectMessageBox(CrashTitle,
                               u"The program terminated without delivering the full result!"_s);
    answerer->expectMessageBox(FailTitle, FailText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"Test input: 0"_s);
}

void tst_ChallengeFlow::passingTest_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("speed");

    const QString full = u"Full speed"_s;
    QTest::newRow("read and write back") << u",."_s << full;
    QTest::newRow("breakpoint marks") << u"@,@.@"_s << full;
    // Leaves a 1 in the second cell and runs off the left end if it finds one there.
    QTest::newRow("every case on a zeroed tape") << u">[<<]<,.>+"_s << full;
    // Thousands of commands a case: a test is never slowed down to be watched.
    QTest::newRow("chosen run speed") << u"-[-],."_s << u"10 commands per second"_s;
}

// Echo: six cases, six runs, each showing its own input, then "Pass" and the mark.
void tst_ChallengeFlow::passingTest()
{
    QFETCH(QString, program);
    QFETCH(QString, speed);

    const QList<QAction *> speeds = window->findChild<QMenu *>(u"menuRunSpeed"_s)->actions();
    const auto chosen = std::find_if(speeds.cbegin(), speeds.cend(),
                                     [&](const QAction *entry) { return entry->text() == speed; });
    QVERIFY(chosen != speeds.cend());
    (*chosen)->trigger();
    // The menus' settings would make the case 33713 a bad input and a tape of 1 a crash.
    clickRow(Echo);
    setMachineFromMenus(1, 100);

    typeProgram(program);
    recordInputPane();
    bool markedBeforeClosing = true;
    QString outputAtPass;
    answerer->expectMessageBox(PassTitle, PassText, QMessageBox::Ok, [&](QWidget *) {
        markedBeforeClosing = isChallengeComplete(Echo);
        outputAtPass = edit(u"editOutput"_s)->toPlainText();
    });
    // The dialogs took the activation; the shortcut needs it back, as after a click on the window.
    QVERIFY(showWindow());
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
    // The mnemonic animates the click: the test starts a moment later.
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);

    QStringList inputs;
    for (const QString &line : challengeList().at(Echo).testCases)
        inputs.append(u"Test input: "_s + line.section(u" => "_s, 0, 0));
    QCOMPARE(inputs.size(), 6);
    QCOMPARE(inputPane, inputs);
    QVERIFY(!markedBeforeClosing);
    QCOMPARE(outputAtPass, u"Required output: 95"_s);
    QVERIFY(isChallengeComplete(Echo));
    QVERIFY(isShownComplete(Echo));
    QVERIFY(isIdle());
    QCOMPARE(testButton()->text(), u"Test"_s);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"Test input: 95"_s);
}

void tst_ChallengeFlow::passingAgainKeepsTheMark()
{
    markChallengeComplete(GoodForNothing);
    clickRow(GoodForNothing);
    QVERIFY(isShownComplete(GoodForNothing));
    typeProgram(u"."_s);
    answerer->expectMessageBox(PassTitle, PassText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY(isShownComplete(GoodForNothing));

    // A later failure does not take the mark away either.
    typeProgram(u"+."_s);
    answerer->expectMessageBox(CrashTitle, u"Bad output!"_s);
    answerer->expectMessageBox(FailTitle, FailText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY(isShownComplete(GoodForNothing));
    QCOMPARE(testButton()->text(), u"Test"_s);
}

void tst_ChallengeFlow::failingTest_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("crash");
    QTest::addColumn<QStringList>("inputs");

    QTest::newRow("one value short") << NumericReadout << u"+.+.+.+.+.+.+.+.+."_s
        << u"The program terminated without delivering the full result!"_s
        << QStringList{u"No test input."_s};
    QTest::newRow("wrong value") << Echo << u",+."_s << u"Bad output!"_s
                                 << QStringList{u"Test input: 0"_s};
    QTest::newRow("wrong value in the third case") << Echo << u",[->+>+<<]>>[-[<+>[-]]]<."_s
        << u"Bad output!"_s << QStringList{u"Test input: 0"_s, u"Test input: 1"_s,
                                           u"Test input: 33713"_s};
    QTest::newRow("more input than the case has") << Echo << u",,."_s << u"Bad input!"_s
        << QStringList{u"Test input: 0"_s};
    QTest::newRow("off the tape") << Echo << u"<"_s << u"Invalid move over left side of tape!"_s
        << QStringList{u"Test input: 0"_s};
    QTest::newRow("off the challenge's short tape") << Echo << u",.>>>>>>>>>>"_s
        << u"Invalid move over right side of tape!"_s << QStringList{u"Test input: 0"_s};
    QTest::newRow("unmatched loop") << Echo << u",.]"_s << u"Unmatched loop!"_s
        << QStringList{u"Test input: 0"_s};
}

// The first failing case shows its crash, then "Fail"; no later case runs and nothing is marked.
void tst_ChallengeFlow::failingTest()
{
    QFETCH(int, row);
    QFETCH(QString, program);
    QFETCH(QString, crash);
    QFETCH(QStringList, inputs);

    clickRow(row);
    typeProgram(program);
    recordInputPane();
    answerer->expectMessageBox(CrashTitle, crash);
    answerer->expectMessageBox(FailTitle, FailText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QCOMPARE(inputPane, inputs);
    QVERIFY(isIdle());
    QCOMPARE(testButton()->text(), u"Test"_s);
    QVERIFY(!isChallengeComplete(row));
    QVERIFY(!isShownComplete(row));
}

// The tool bar, the menus and the challenge table leave a running test alone.
void tst_ChallengeFlow::commandsAreOffDuringATest()
{
    clickRow(Echo);
    typeProgram(u",+[>+<]"_s);
    pressTest();
    QVERIFY(isTesting());

    QTest::keyClick(window.get(), Qt::Key_F5);
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_4, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    QTest::mouseClick(toolBar()->widgetForAction(action(u"actionHalt"_s)), Qt::LeftButton);
    clickRow(Squares);
    QTest::keyClick(challengeTable(), Qt::Key_Down);
    // Only code could move the current row now; the test still owns the machine.
    challengeTable()->setCurrentIndex(challengeTable()->model()->index(Squares, 1));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();

    QVERIFY(isTesting());
    QVERIFY(!action(u"actionAlphabet"_s)->isChecked());
    QCOMPARE(requirementsText(), u"Tape length 10"_s);
    QCOMPARE(tapeLength(), 10);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"Test input: 0"_s);
    QCOMPARE(answerer->seen(), QStringList());
    // and the program is still running: none of the keys paused it
    const QAbstractItemModel *tape = window->findChild<QTableView *>(u"tableTape"_s)->model();
    const QString counted = tape->data(tape->index(0, 1)).toString();
    QTRY_VERIFY(tape->data(tape->index(0, 1)).toString() != counted);

    answerer->expectMessageBox(FailTitle, FailText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
}

void tst_ChallengeFlow::cancel()
{
    clickRow(Echo);
    typeProgram(u",+[]"_s);
    pressTest();
    QVERIFY(isTesting());
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"Test input: 0"_s);
    // The run goes on batch after batch while the window stays live.
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    QVERIFY(isTesting());

    answerer->expectMessageBox(FailTitle, FailText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QCOMPARE(answerer->seen(), QStringList{FailTitle + u": "_s + FailText});
    QVERIFY(isIdle());
    QCOMPARE(testButton()->text(), u"Test"_s);
    QVERIFY(!isChallengeComplete(Echo));

    // The panes, the tool bar and the table are the user's again.
    QTest::keyClick(edit(u"editInput"_s), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(edit(u"editInput"_s), u" 7"_s);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"Test input: 0 7"_s);
    clickRow(Squares);
    QCOMPARE(requirementsText(), u"Tape length 20, program length 32"_s);
    typeProgram(u"+"_s);
    QTest::mouseClick(toolBar()->widgetForAction(action(u"actionRun"_s)), Qt::LeftButton);
    QTRY_VERIFY(isIdle());
    QCOMPARE(cell(0), 1);
}

// The next interactive run uses the challenge's tape and maximum value.
void tst_ChallengeFlow::machineKeepsTheChallengeSettings()
{
    clickRow(Squares);
    setMachineFromMenus(3, 100);

    typeProgram(u"<"_s);
    answerer->expectMessageBox(CrashTitle, u"Invalid move over left side of tape!"_s);
    answerer->expectMessageBox(FailTitle, FailText);
    pressTest();
    QCOMPARE(tapeLength(), 20);
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);

    QCOMPARE(tapeLength(), 20);
    typeProgram(u'-' + QString(19, u'>') + u'-');
    action(u"actionRun"_s)->trigger();
    QTRY_VERIFY(isIdle());
    QCOMPARE(cell(0), 33713);
    QCOMPARE(cell(19), 33713);
}

void tst_ChallengeFlow::untestableChallenge_data()
{
    QTest::addColumn<bool>("unknownType");
    QTest::addColumn<QString>("text");

    QTest::newRow("unknown test type") << true
        << u"This challenge cannot be tested: its test type \"riddle\" is unknown."_s;
    QTest::newRow("no test cases") << false
                                   << u"This challenge cannot be tested: it has no test cases."_s;
}

// Refused with the reason, before anything changes: such a test could never end.
void tst_ChallengeFlow::untestableChallenge()
{
    QFETCH(bool, unknownType);
    QFETCH(QString, text);

    const int row = unknownType ? unknownTypeRow : noCasesRow;
    clickRow(row);
    QCOMPARE(requirementsText(), u"Tape length 10000"_s);
    typeProgram(u"."_s);
    edit(u"editInput"_s)->setPlainText(u"my input"_s);
    bool testingMeanwhile = true;
    answerer->expectMessageBox(u"Test"_s, text, QMessageBox::Ok, [&](QWidget *) {
        testingMeanwhile = isTesting() || action(u"actionHalt"_s)->isEnabled();
    });
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY(!testingMeanwhile);
    QVERIFY(isIdle());
    QCOMPARE(testButton()->text(), u"&Test"_s);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"my input"_s);
    QVERIFY(!isChallengeComplete(row));

    // The window still tests other challenges.
    clickRow(GoodForNothing);
    answerer->expectMessageBox(PassTitle, PassText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
}

// The new tape would reset the machine under the run; the run ends quietly instead, as Halt
// would end it, and Test then starts a real test.
void tst_ChallengeFlow::selectingEndsAnInteractiveRun()
{
    clickRow(GoodForNothing);
    typeProgram(u"+[]"_s);
    action(u"actionRun"_s)->trigger();
    QVERIFY(action(u"actionHalt"_s)->isEnabled());
    QVERIFY(!testButton()->isEnabled());
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();

    clickRow(Echo);
    QVERIFY(isIdle());
    QCOMPARE(requirementsText(), u"Tape length 10"_s);
    QCOMPARE(tapeLength(), 10);
    QCOMPARE(cell(0), 0);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(answerer->seen(), QStringList());

    typeProgram(u",."_s);
    answerer->expectMessageBox(PassTitle, PassText);
    pressTest();
    QVERIFY(isTesting());
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY(isChallengeComplete(Echo));
}

void tst_ChallengeFlow::nimPlaysFiftyGames()
{
    QFile file(qEnvironmentVariable("ZINDLE_SOURCE_DIR")
               + u"/tests/challenges/solutions/49-nim.bf"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        QSKIP("no reference solution for Nim");
    edit(u"editProgram"_s)->setPlainText(QString::fromUtf8(file.readAll()));

    clickRow(Nim);
    QCOMPARE(challengeList().at(Nim).testCases.size(), 50);
    // Every game is dealt afresh: the opening piles differ from game to game.
    QStringList openings;
    QPlainTextEdit *input = edit(u"editInput"_s);
    connect(input, &QPlainTextEdit::textChanged, this, [&openings, input] {
        const QString text = input->toPlainText();
        if (text.count(u',') == 2 && !openings.contains(text))
            openings.append(text);
    });
    answerer->expectMessageBox(PassTitle, PassText);
    pressTest();
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), 2 * RunTimeout);
    QVERIFY(isChallengeComplete(Nim));
    QVERIFY2(openings.size() > 10, qPrintable(openings.join(u" | "_s)));
}

QTEST_MAIN(tst_ChallengeFlow)

#include "tst_challengeflow.moc"
