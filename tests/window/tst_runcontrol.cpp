// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running, pausing, stepping and halting programs in the window, as a user does it: through the
// actions, the step-to menu, the panes and the boxes the window shows.

#include "window/zindle.h"

#include "modalanswerer.h"
#include "programmark.h"
#include "window/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

const QString CrashTitle = u"Crash"_s;
const QString PromptTitle = u"Enter input..."_s;
const QString PromptLabel = u"Input:"_s;

enum StepMode { Ten = 1, Hundred, Thousand, OutOfLoop, NextInput, NextOutput };

// Counts the timer events that reach an object.
class TimerEventCounter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ++count;
        return QObject::eventFilter(watched, event);
    }
    int count = 0;
};

} // namespace

class tst_RunControl : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void runToEnd_data();
    void runToEnd();
    void runPausesAndResumes();
    void stepFromIdle();
    void stepWhileRunningPausesAfterOneCommand();
    void stepToCount_data();
    void stepToCount();
    void stepToCountPastTheEnd();
    void breakpoint_data();
    void breakpoint();
    void outOfLoop();
    void outOfLoopOutsideAnyLoopRunsToTheEnd();
    void pendingStopCommandSurvivesStep();
    void crash_data();
    void crash();
    void haltWhilePaused();
    void haltWhileRunning();
    void numericInput_data();
    void numericInput();
    void alphabetInput_data();
    void alphabetInput();
    void cancelledPrompt_data();
    void cancelledPrompt();
    void promptHoldsOffTheRunTimer();
    void menusAreOffDuringARun();
    void closingStopsTheRun();
    void tapeFollowsTheCurrentCell();
    void watchableSpeedStopsWhereFullSpeedDoes_data();
    void watchableSpeedStopsWhereFullSpeedDoes();
    void watchableSpeedShowsEveryCommand();

private:
    QTableView *tape() const { return window->findChild<QTableView *>(u"tableTape"_s); }
    void setProgram(const QString &text) const { edit(u"editProgram"_s)->setPlainText(text); }
    void setInput(const QString &text) const { edit(u"editInput"_s)->setPlainText(text); }
    QString output() const { return edit(u"editOutput"_s)->toPlainText(); }
    void run() const { action(u"actionRun"_s)->trigger(); }
    void step() const { action(u"actionStep"_s)->trigger(); }
    void halt() const { action(u"actionHalt"_s)->trigger(); }
    void stepTo(StepMode mode) const;
    QAction *runSpeed(const QString &text) const;
    bool isIdle() const;
    int cell(int column) const;
    int currentColumn() const;
    int markedPosition() const;
    static void processEvents(int times = 50);

};

void tst_RunControl::stepTo(StepMode mode) const
{
    for (QAction *entry : action(u"actionStepTo"_s)->menu()->actions()) {
        if (entry->data().toInt() == mode) {
            entry->trigger();
            return;
        }
    }
    QFAIL("no such step-to entry");
}

QAction *tst_RunControl::runSpeed(const QString &text) const
{
    for (QAction *entry : window->findChild<QMenu *>(u"menuRunSpeed"_s)->actions()) {
        if (entry->text() == text)
            return entry;
    }
    return nullptr;
}

bool tst_RunControl::isIdle() const
{
    return !action(u"actionHalt"_s)->isEnabled() && window->menuBar()->isEnabled()
        && !edit(u"editProgram"_s)->isReadOnly() && !edit(u"editInput"_s)->isReadOnly();
}

int tst_RunControl::cell(int column) const
{
    const QAbstractItemModel *model = tape()->model();
    return model->data(model->index(0, column)).toString().toInt();
}

int tst_RunControl::currentColumn() const
{
    const QAbstractItemModel *model = tape()->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!model->data(model->index(0, column), Qt::DecorationRole).isNull())
            return column;
    }
    return -1;
}

int tst_RunControl::markedPosition() const
{
    return ::markedPosition(edit(u"editProgram"_s));
}

// Gives a running program's timer the chance to execute batches; a paused run must not move.
void tst_RunControl::processEvents(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

void tst_RunControl::init()
{
    QVERIFY(openWindow());
}

void tst_RunControl::cleanup()
{
    closeWindow();
}

void tst_RunControl::runToEnd_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("output");

    QTest::newRow("empty program") << QString() << QString();
    QTest::newRow("comments only") << u"adds nothing\nat all"_s << QString();
    QTest::newRow("output") << u"+++.\n>++.\n"_s << u"3, 2"_s;
    QTest::newRow("many batches") << u"++++++++[>++++++++[>++++++++[>+<-]<-]<-]>>>."_s << u"512"_s;
    QTest::newRow("breakpoint marks outside the path") << u"[@]++."_s << u"2"_s;
}

void tst_RunControl::runToEnd()
{
    QFETCH(QString, program);
    QFETCH(QString, output);

    setProgram(program);
    run();
    QTRY_VERIFY(isIdle());
    QCOMPARE(this->output(), output);
    QCOMPARE(markedPosition(), -1);
    QCOMPARE(answerer->seen(), QStringList());
}

// How far a run gets between two looks depends on the machine, so the run that is paused
// never ends, and the one resumed to its end is paused after a count of commands.
void tst_RunControl::runPausesAndResumes()
{
    setProgram(u"+[>+<]"_s); // never ends
    run();
    QTRY_VERIFY(cell(1) > 0);
    run(); // pause
    QVERIFY(!isIdle());
    const int paused = cell(1);
    const int mark = markedPosition();
    processEvents();
    QCOMPARE(cell(1), paused);
    QCOMPARE(markedPosition(), mark);
    QVERIFY2(mark >= 1 && mark <= 5, qPrintable(QString::number(mark)));
    QVERIFY(action(u"actionHalt"_s)->isEnabled());
    run(); // resume
    QTRY_VERIFY(cell(1) != paused);
    halt();

    setProgram(u"-[>+<-]>."_s); // about 135,000 commands
    stepTo(Thousand);
    QVERIFY(cell(1) > 0);
    run(); // resume
    QTRY_VERIFY(isIdle());
    QCOMPARE(output(), u"33713"_s);
    QCOMPARE(cell(0), 0);
}

void tst_RunControl::stepFromIdle()
{
    setProgram(u"  +>+"_s);
    step();
    QCOMPARE(markedPosition(), 2);
    QCOMPARE(cell(0), 1);
    QVERIFY(edit(u"editProgram"_s)->isReadOnly());
    QVERIFY(edit(u"editInput"_s)->isReadOnly());
    QVERIFY(!window->menuBar()->isEnabled());
    QVERIFY(action(u"actionHalt"_s)->isEnabled());

    step();
    QCOMPARE(markedPosition(), 3);
    QCOMPARE(currentColumn(), 1);
    step();
    step(); // detects the end
    QVERIFY(isIdle());
    QCOMPARE(cell(1), 1);
    QCOMPARE(markedPosition(), -1);
}

void tst_RunControl::stepWhileRunningPausesAfterOneCommand()
{
    setProgram(QString(5000, u'+'));
    stepTo(Thousand);
    run(); // running again, and no batch can end it before the step
    step();
    QCOMPARE(cell(0), 1001);
    processEvents();
    QCOMPARE(cell(0), 1001);
    QCOMPARE(markedPosition(), 1000);
    QVERIFY(!isIdle());
    halt();
    QVERIFY(isIdle());
}

void tst_RunControl::stepToCount_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::newRow("10") << int(Ten) << 10;
    QTest::newRow("100") << int(Hundred) << 100;
    QTest::newRow("1000") << int(Thousand) << 1000;
}

void tst_RunControl::stepToCount()
{
    QFETCH(int, mode);
    QFETCH(int, count);

    setProgram(QString(5000, u'+'));
    stepTo(StepMode(mode));
    QCOMPARE(cell(0), count);
    QCOMPARE(markedPosition(), count - 1);
    processEvents();
    QCOMPARE(cell(0), count); // paused, not running on
    stepTo(StepMode(mode));
    QCOMPARE(cell(0), 2 * count);
    QVERIFY(!isIdle());
}

void tst_RunControl::stepToCountPastTheEnd()
{
    setProgram(u"++++++++++"_s);
    stepTo(Thousand);
    QVERIFY(isIdle());
    QCOMPARE(cell(0), 10);
    QCOMPARE(markedPosition(), -1);
    QCOMPARE(answerer->seen(), QStringList());
}

void tst_RunControl::breakpoint_data()
{
    QTest::addColumn<int>("mode"); // 0: Run
    QTest::addColumn<int>("marked");
    QTest::addColumn<QString>("output");

    // "++@+.+@." : a mark before each output
    QTest::newRow("Run stops after the mark") << 0 << 2 << QString();
    QTest::newRow("to next output passes the mark") << int(NextOutput) << 4 << u"3"_s;
    QTest::newRow("to next input passes the mark") << int(NextInput) << 5 << u"3"_s;
}

void tst_RunControl::breakpoint()
{
    QFETCH(int, mode);
    QFETCH(int, marked);
    QFETCH(QString, output);

    setProgram(u"++@+.,@."_s);
    setInput(u"9"_s);
    if (mode == 0)
        run();
    else
        stepTo(StepMode(mode));
    QTRY_COMPARE(markedPosition(), marked);
    processEvents();
    QCOMPARE(markedPosition(), marked);
    QCOMPARE(this->output(), output);
    QVERIFY(!isIdle());

    // Run goes on from there, to the next mark or the end.
    run();
    if (marked < 6) {
        QTRY_COMPARE(markedPosition(), 6);
        QCOMPARE(this->output(), u"3"_s);
        run();
    }
    QTRY_VERIFY(isIdle());
    QCOMPARE(this->output(), u"3, 9"_s);
}

void tst_RunControl::outOfLoop()
{
    // Enter the outer loop, then leave it from inside; the marks inside do not stop it.
    setProgram(u"+++[>++[-@]<-@]+."_s);
    step(); // +
    step(); // +
    step(); // +
    step(); // [ entered
    QCOMPARE(markedPosition(), 3);
    stepTo(OutOfLoop);
    QTRY_COMPARE(markedPosition(), 14);
    QCOMPARE(cell(0), 0);
    processEvents();
    QCOMPARE(markedPosition(), 14);
    QVERIFY(!isIdle());
    QCOMPARE(output(), QString());

    // The stop position is spent: Run goes to the end.
    run();
    QTRY_VERIFY(isIdle());
    QCOMPARE(output(), u"1"_s);
}

void tst_RunControl::outOfLoopOutsideAnyLoopRunsToTheEnd()
{
    setProgram(u"+@[-@]++."_s);
    stepTo(OutOfLoop);
    QTRY_VERIFY(isIdle());
    QCOMPARE(output(), u"2"_s);
}

void tst_RunControl::pendingStopCommandSurvivesStep()
{
    setProgram(QString(2500, u'+') + u",@+."_s);
    setInput(u"4"_s);
    stepTo(NextInput);
    step(); // interrupts before the first batch
    QCOMPARE(cell(0), 1);
    run();
    QTRY_COMPARE(markedPosition(), 2500);
    QCOMPARE(cell(0), 4);
    run(); // now the mark stops it again
    QTRY_COMPARE(markedPosition(), 2501);
    run();
    QTRY_VERIFY(isIdle());
    QCOMPARE(output(), u"5"_s);
}

void tst_RunControl::crash_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("alphabet");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("current"); // the tape cell marked as current, -1 for none
    QTest::addColumn<bool>("scrolledToEnd");

    QTest::newRow("left edge") << u"+<"_s << QString() << false
                               << u"Invalid move over left side of tape!"_s << 1 << -1 << false;
    QTest::newRow("right edge") << QString(1000, u'>') << QString() << false
                                << u"Invalid move over right side of tape!"_s << 999 << -1 << true;
    QTest::newRow("input above maximum") << u"+,"_s << u"33714"_s << false << u"Bad input!"_s << 1
                                         << 0 << false;
    QTest::newRow("letter outside ASCII") << u",,"_s << u"a\u00e9"_s << true << u"Bad input!"_s
                                          << 1 << 0 << false;
    QTest::newRow("output above 26") << QString(27, u'+') + u"."_s << QString() << true
                                     << u"Bad output!"_s << 27 << 0 << false;
    QTest::newRow("lone close") << u"+]"_s << QString() << false << u"Unmatched loop!"_s << 1 << 0
                                << false;
    QTest::newRow("skipped loop without end") << u"[+"_s << QString() << false
                                              << u"Unmatched loop!"_s << 0 << 0 << false;
    QTest::newRow("open loop at the end") << u"+[>+"_s << QString() << false << u"Unmatched loop!"_s
                                          << -1 << 1 << false;
}

void tst_RunControl::crash()
{
    QFETCH(QString, program);
    QFETCH(QString, input);
    QFETCH(bool, alphabet);
    QFETCH(QString, message);
    QFETCH(int, marked);
    QFETCH(int, current);
    QFETCH(bool, scrolledToEnd);

    if (alphabet)
        action(u"actionAlphabet"_s)->trigger();
    setProgram(program);
    setInput(input);
    QScrollBar *bar = tape()->horizontalScrollBar();
    // While the box is open the views show the machine as it stopped.
    int markedWhileOpen = -2;
    int currentWhileOpen = -2;
    int scrollWhileOpen = -2;
    answerer->expectMessageBox(CrashTitle, message, QMessageBox::Ok, [&](QWidget *) {
        markedWhileOpen = markedPosition();
        currentWhileOpen = currentColumn();
        scrollWhileOpen = bar->value();
    });
    run();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(markedWhileOpen, marked);
    QCOMPARE(currentWhileOpen, current);
    QCOMPARE(scrollWhileOpen, scrolledToEnd ? bar->maximum() : 0);
    QVERIFY(scrolledToEnd == (bar->maximum() > 0 && bar->value() == bar->maximum()));
    QVERIFY(isIdle());
    QCOMPARE(markedPosition(), marked);
}

void tst_RunControl::haltWhilePaused()
{
    setProgram(u"+>+>+"_s);
    step();
    step();
    step();
    halt();
    QVERIFY(isIdle());
    QCOMPARE(markedPosition(), 2);
    QCOMPARE(answerer->seen(), QStringList());
    step(); // a new run from the beginning
    QCOMPARE(markedPosition(), 0);
    QCOMPARE(currentColumn(), 0);
    QCOMPARE(cell(0), 1);
    QCOMPARE(cell(1), 0);
}

void tst_RunControl::haltWhileRunning()
{
    setProgram(u"+[]"_s); // never ends
    run();
    QTRY_VERIFY(markedPosition() > 0);
    halt();
    QVERIFY(isIdle());
    processEvents();
    QCOMPARE(answerer->seen(), QStringList());
}

void tst_RunControl::numericInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QVariant>("prompted"); // what the prompt answers; invalid: no prompt
    QTest::addColumn<QString>("output");

    QTest::newRow("from the pane") << u"1, 2,3"_s << u",.,.,."_s << QVariant() << u"1, 2, 3"_s;
    QTest::newRow("separators and signs") << u"12abc34 -7"_s << u",.,.,."_s << QVariant()
                                          << u"12, 34, 7"_s;
    QTest::newRow("from the prompt") << QString() << u",+."_s << QVariant(41) << u"42"_s;
    QTest::newRow("pane, then prompt") << u"5"_s << u",.,."_s << QVariant(6) << u"5, 6"_s;
    QTest::newRow("maximum is stored") << u"33713"_s << u",."_s << QVariant() << u"33713"_s;
}

void tst_RunControl::numericInput()
{
    QFETCH(QString, input);
    QFETCH(QString, program);
    QFETCH(QVariant, prompted);
    QFETCH(QString, output);

    setInput(input);
    setProgram(program);
    if (prompted.isValid())
        answerer->expectInputDialog(PromptTitle, PromptLabel, prompted);
    run();
    QTRY_VERIFY(isIdle());
    QCOMPARE(this->output(), output);
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), input);
}

void tst_RunControl::alphabetInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QVariant>("prompted");
    QTest::addColumn<QString>("output");

    QTest::newRow("letters and a line break") << u"Hi\nx1y"_s << u",.,.,.,.,."_s << QVariant()
                                               << u"hi\nxy"_s;
    QTest::newRow("from the prompt") << QString() << u",.,.,."_s << QVariant(u"Ok"_s) << u"ok\n"_s;
    QTest::newRow("empty prompt line") << QString() << u",+."_s << QVariant(QString()) << u"a"_s;
}

void tst_RunControl::alphabetInput()
{
    QFETCH(QString, input);
    QFETCH(QString, program);
    QFETCH(QVariant, prompted);
    QFETCH(QString, output);

    action(u"actionAlphabet"_s)->trigger();
    setInput(input);
    setProgram(program);
    if (prompted.isValid())
        answerer->expectInputDialog(PromptTitle, PromptLabel, prompted);
    run();
    QTRY_VERIFY(isIdle());
    QCOMPARE(this->output(), output);
    // A 0 shows as a line separator inside the one paragraph of output.
    QCOMPARE(edit(u"editOutput"_s)->document()->blockCount(), 1);
}

void tst_RunControl::cancelledPrompt_data()
{
    QTest::addColumn<bool>("alphabet");
    QTest::newRow("numeric") << false;
    QTest::newRow("alphabet") << true;
}

void tst_RunControl::cancelledPrompt()
{
    QFETCH(bool, alphabet);

    if (alphabet)
        action(u"actionAlphabet"_s)->trigger();
    setInput(alphabet ? u"b"_s : u"2"_s);
    setProgram(u",.+,."_s);
    int markedWhileOpen = -2;
    answerer->expectCancelledInput(PromptTitle, PromptLabel);
    answerer->expectMessageBox(CrashTitle, u"Bad input!"_s, QMessageBox::Ok,
                               [&](QWidget *) { markedWhileOpen = markedPosition(); });
    run();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(markedWhileOpen, 3);
    QVERIFY(isIdle());
    QCOMPARE(cell(0), 3); // a cancelled input leaves the cell as it was
    QCOMPARE(output(), alphabet ? u"b"_s : u"2"_s);
}

void tst_RunControl::promptHoldsOffTheRunTimer()
{
    // The first prompt opens in the first batch; the rest needs several batches after it.
    setProgram(u">,"_s + QString(3000, u'+') + u".,"_s);
    TimerEventCounter timerEvents;
    window->installEventFilter(&timerEvents);
    int timerEventsDuringPrompt = -1;
    int currentDuringPrompt = -2;
    int cellDuringPrompt = -1;
    const auto whilePromptIsOpen = [&](QWidget *) {
        timerEvents.count = 0;
        processEvents(200);
        timerEventsDuringPrompt = timerEvents.count;
        currentDuringPrompt = currentColumn();
        cellDuringPrompt = cell(1);
    };
    answerer->expectInputDialog(PromptTitle, PromptLabel, 7, whilePromptIsOpen);
    answerer->expectCancelledInput(PromptTitle, PromptLabel);
    answerer->expectMessageBox(CrashTitle, u"Bad input!"_s);
    run();
    QTRY_VERIFY(answerer->isDone());
    window->removeEventFilter(&timerEvents);
    // Nothing ran while the prompt was open, and the run timer did not spin meanwhile.
    QVERIFY2(timerEventsDuringPrompt <= 1, qPrintable(QString::number(timerEventsDuringPrompt)));
    QCOMPARE(currentDuringPrompt, 1);
    QCOMPARE(cellDuringPrompt, 0);
    // After the answer the run went on by itself, batch after batch, to the second prompt.
    QVERIFY(isIdle());
    QCOMPARE(cell(1), 3007);
    QCOMPARE(output(), u"3007"_s);

    // Under Step the prompt opens too, and the run goes on after the answer.
    setProgram(u",+."_s);
    answerer->expectInputDialog(PromptTitle, PromptLabel, 1);
    step();
    QCOMPARE(cell(0), 1);
    run();
    QTRY_VERIFY(isIdle());
    QCOMPARE(output(), u"2"_s);
}

void tst_RunControl::menusAreOffDuringARun()
{
    QVERIFY(showWindow());
    setProgram(u"+++"_s);
    step();
    QVERIFY(!window->menuBar()->isEnabled());
    // The menu commands' shortcuts go with the menu bar.
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(!action(u"actionAlphabet"_s)->isChecked());
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    processEvents();
    QCOMPARE(answerer->seen(), QStringList());
    // The tool bar's keep working.
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(markedPosition(), 1);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTRY_VERIFY(isIdle());
    QCOMPARE(cell(0), 3);
}

void tst_RunControl::closingStopsTheRun()
{
    QTest::keyClicks(edit(u"editProgram"_s), u"+[]"_s);
    run();
    QTRY_VERIFY(markedPosition() > 0);
    // The program was typed, so the close asks first; cancelling it keeps the window open.
    answerer->expectMessageBox(u"Save changes?"_s,
                               u"Do you want to save changes to your existing program?"_s,
                               QMessageBox::Cancel);
    QVERIFY(!window->close());
    QVERIFY(isIdle());
    const int mark = markedPosition();
    processEvents();
    QCOMPARE(markedPosition(), mark);
}

void tst_RunControl::tapeFollowsTheCurrentCell()
{
    setProgram(QString(600, u'>') + u"+@"_s);
    run();
    QTRY_COMPARE(markedPosition(), 601);
    QCOMPARE(currentColumn(), 600);
    QCOMPARE(cell(600), 1);
    const QRect viewport = tape()->viewport()->rect();
    const int middle = tape()->columnAt(viewport.center().x());
    QVERIFY2(qAbs(middle - 600) <= 1, qPrintable(QString::number(middle)));
    halt();
}

void tst_RunControl::watchableSpeedStopsWhereFullSpeedDoes_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QVariant>("prompted");
    QTest::addColumn<QList<int>>("pauses"); // the marked command at each breakpoint
    QTest::addColumn<QString>("crash");

    QTest::newRow("input, output and marks") << u"++,[>++<-]>.@<,@+."_s << u"3, 7"_s
                                              << QVariant() << QList<int>{12, 15} << QString();
    QTest::newRow("a prompt for input") << u"++>,<@>."_s << QString() << QVariant(6)
                                        << QList<int>{5} << QString();
    QTest::newRow("crash after a mark") << u"+++[>+<-]>@<<"_s << QString() << QVariant()
                                        << QList<int>{10}
                                        << u"Invalid move over left side of tape!"_s;
}

// The same program at full speed and at a watchable speed: the same output, tape and mark at
// every breakpoint and at the end.
void tst_RunControl::watchableSpeedStopsWhereFullSpeedDoes()
{
    QFETCH(QString, program);
    QFETCH(QString, input);
    QFETCH(QVariant, prompted);
    QFETCH(QList<int>, pauses);
    QFETCH(QString, crash);

    QCOMPARE(runSpeed(u"Full speed"_s)->isChecked(), true);
    QList<QStringList> seen[2];
    for (const QString &speed : {u"Full speed"_s, u"1000 commands per second"_s}) {
        QList<QStringList> &views = seen[speed != u"Full speed"_s];
        const auto look = [&] {
            views.append({output(), QString::number(cell(0)), QString::number(cell(1)),
                          QString::number(currentColumn()), QString::number(markedPosition())});
        };
        runSpeed(speed)->trigger();
        setProgram(program);
        setInput(input);
        if (prompted.isValid())
            answerer->expectInputDialog(PromptTitle, PromptLabel, prompted);
        if (!crash.isEmpty())
            answerer->expectMessageBox(CrashTitle, crash, QMessageBox::Ok);
        run();
        for (int pause : pauses) {
            QTRY_COMPARE_WITH_TIMEOUT(markedPosition(), pause, 20000);
            processEvents();
            look();
            run();
        }
        QTRY_VERIFY_WITH_TIMEOUT(isIdle(), 20000);
        QTRY_VERIFY(answerer->isDone());
        look();
    }
    QCOMPARE(seen[1], seen[0]);
}

// At ten commands a second the tape and the mark follow each command while the run goes on,
// and pausing, Step and Halt act at once.
void tst_RunControl::watchableSpeedShowsEveryCommand()
{
    runSpeed(u"10 commands per second"_s)->trigger();
    setProgram(QString(20, u'+'));
    run();
    QTRY_VERIFY(cell(0) >= 2);
    QCOMPARE(markedPosition(), cell(0) - 1);
    run(); // pause
    const int paused = cell(0);
    processEvents();
    QCOMPARE(cell(0), paused);
    step();
    QCOMPARE(cell(0), paused + 1);
    QCOMPARE(markedPosition(), paused);
    run(); // resume
    QTRY_VERIFY(cell(0) > paused + 1);
    QCOMPARE(markedPosition(), cell(0) - 1);
    halt();
    QVERIFY(isIdle());
    const int halted = cell(0);
    processEvents();
    QCOMPARE(cell(0), halted);
}

QTEST_MAIN(tst_RunControl)
#include "tst_runcontrol.moc"
