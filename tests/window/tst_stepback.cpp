// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Going back through a run in the window, as a user does it: forward by steps, back by the back
// actions, and every view compared with a fresh run stopped at the same step.

#include "window/zindle.h"

#include "modalanswerer.h"
#include "window/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

const QString PromptTitle = u"Enter input..."_s;
const QString PromptLabel = u"Input:"_s;

// What the window shows of a run.
struct Shown
{
    QList<int> cells;
    int currentColumn = -1;
    int mark = -1;
    QString output;

    bool operator==(const Shown &other) const
    {
        return cells == other.cells && currentColumn == other.currentColumn
            && mark == other.mark && output == other.output;
    }
};

char *toString(const Shown &shown)
{
    QStringList cells;
    for (const int cell : shown.cells)
        cells.append(QString::number(cell));
    return qstrdup(qPrintable(u"cells %1, current %2, mark %3, output \"%4\""_s
                                  .arg(cells.join(u' ')).arg(shown.currentColumn)
                                  .arg(shown.mark).arg(shown.output)));
}

} // namespace

class tst_StepBack : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backMatchesAFreshRun_data();
    void backMatchesAFreshRun();
    void backToPrevious_data();
    void backToPrevious();
    void promptsAreNotAskedAgain();
    void backAfterACrash();
    void editingEndsTheHistory();
    void backPastALongOutput();

private:
    void setProgram(const QString &text) const { edit(u"editProgram"_s)->setPlainText(text); }
    void trigger(const QString &name) const { action(name)->trigger(); }
    bool isIdle() const { return !action(u"actionHalt"_s)->isEnabled(); }
    void steps(int count) const;
    void thousandSteps(int times) const;
    Shown shown() const;
};

void tst_StepBack::steps(int count) const
{
    for (int i = 0; i < count; ++i)
        trigger(u"actionStep"_s);
}

void tst_StepBack::thousandSteps(int times) const
{
    for (QAction *entry : action(u"actionStepTo"_s)->menu()->actions()) {
        if (entry->text() == u"1000") {
            for (int i = 0; i < times; ++i)
                entry->trigger();
            return;
        }
    }
    QFAIL("no step-to entry for 1000");
}

Shown tst_StepBack::shown() const
{
    Shown now;
    const QAbstractItemModel *model = window->findChild<QTableView *>(u"tableTape"_s)->model();
    for (int column = 0; column < std::min(model->columnCount(), 12); ++column) {
        const QModelIndex index = model->index(0, column);
        now.cells.append(model->data(index).toString().toInt());
        if (!model->data(index, Qt::DecorationRole).isNull())
            now.currentColumn = column;
    }
    const QTextDocument *document = edit(u"editProgram"_s)->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.background().color() == QColor(255, 128, 0))
                now.mark = block.position() + range.start;
        }
    }
    now.output = edit(u"editOutput"_s)->toPlainText();
    return now;
}

void tst_StepBack::init()
{
    QVERIFY(openWindow());
}

void tst_StepBack::cleanup()
{
    closeWindow();
}

void tst_StepBack::backMatchesAFreshRun_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("forward");
    QTest::addColumn<QStringList>("back");
    QTest::addColumn<int>("backSteps");

    const QString counting = u"+[>+.>++<<@]"_s;
    QTest::newRow("one step") << counting << 40 << QStringList{u"actionStepBack"_s} << 1;
    QTest::newRow("steps and tens") << counting << 120
                                    << QStringList{u"actionBack10"_s, u"actionStepBack"_s,
                                                   u"actionBack10"_s}
                                    << 21;
    QTest::newRow("a hundred") << counting << 150 << QStringList{u"actionBack100"_s} << 100;
    QTest::newRow("more than there are") << counting << 30 << QStringList{u"actionBack1000"_s}
                                         << 30;
    QTest::newRow("to the start") << counting << 77 << QStringList{u"actionBackToStart"_s}
                                  << 77;
}

// Forward by Step, back by the actions: every view shows what a fresh run shows after as many
// Steps.
void tst_StepBack::backMatchesAFreshRun()
{
    QFETCH(QString, program);
    QFETCH(int, forward);
    QFETCH(QStringList, back);
    QFETCH(int, backSteps);

    setProgram(program);
    steps(forward);
    for (const QString &name : back)
        trigger(name);
    const Shown wentBack = shown();
    trigger(u"actionHalt"_s);
    steps(forward - backSteps);
    // A fresh run at step 0 is idle until its first Step; compare what a paused run shows.
    if (forward == backSteps)
        QCOMPARE(wentBack.output, QString());
    else
        QCOMPARE(wentBack, shown());
}

void tst_StepBack::backToPrevious_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("forward");
    QTest::addColumn<QString>("back");
    QTest::addColumn<int>("mark");
    QTest::addColumn<QString>("output");

    const QString program = u",.+@.,>.@+"_s;
    QTest::newRow("output") << program << u"4 6"_s << 9 << u"actionBackToOutput"_s << 7
                            << u"4, 5, 0"_s;
    QTest::newRow("input") << program << u"4 6"_s << 9 << u"actionBackToInput"_s << 5
                           << u"4, 5"_s;
    QTest::newRow("breakpoint") << program << u"4 6"_s << 9 << u"actionBackToBreakpoint"_s
                                << 3 << u"4"_s;
    QTest::newRow("no earlier breakpoint: the start")
        << program << u"4 6"_s << 4 << u"actionBackToBreakpoint"_s << -1 << QString();
}

void tst_StepBack::backToPrevious()
{
    QFETCH(QString, program);
    QFETCH(QString, input);
    QFETCH(int, forward);
    QFETCH(QString, back);
    QFETCH(int, mark);
    QFETCH(QString, output);

    edit(u"editInput"_s)->setPlainText(input);
    setProgram(program);
    steps(forward);
    trigger(back);
    QCOMPARE(shown().mark, mark);
    QCOMPARE(shown().output, output);
}

// Values typed into prompts are taken from the history on the way forward again.
void tst_StepBack::promptsAreNotAskedAgain()
{
    setProgram(u",.,."_s);
    answerer->expectInputDialog(PromptTitle, PromptLabel, 4);
    answerer->expectInputDialog(PromptTitle, PromptLabel, 5);
    trigger(u"actionRun"_s);
    QTRY_VERIFY(isIdle());
    QCOMPARE(shown().output, u"4, 5"_s);
    QTRY_VERIFY2(answerer->isDone(), qPrintable(answerer->pending()));

    trigger(u"actionBackToStart"_s);
    QCOMPARE(shown().output, QString());
    QVERIFY(!isIdle());
    trigger(u"actionRun"_s);
    QTRY_VERIFY(isIdle());
    QCOMPARE(shown().output, u"4, 5"_s);
    QCOMPARE(answerer->seen().size(), 2);
}

// After a crash the run goes back to the steps before it, and forward into the crash again.
void tst_StepBack::backAfterACrash()
{
    setProgram(u"+.<"_s);
    answerer->expectMessageBox(u"Crash"_s, u"Invalid move over left side of tape!"_s);
    trigger(u"actionRun"_s);
    QTRY_VERIFY(isIdle());
    QTRY_VERIFY2(answerer->isDone(), qPrintable(answerer->pending()));
    trigger(u"actionStepBack"_s);
    QVERIFY(!isIdle());
    QCOMPARE(shown().mark, 1);
    QCOMPARE(shown().output, u"1"_s);
    answerer->expectMessageBox(u"Crash"_s, u"Invalid move over left side of tape!"_s);
    trigger(u"actionStep"_s);
    QTRY_VERIFY(isIdle());
}

void tst_StepBack::editingEndsTheHistory()
{
    setProgram(u"+++"_s);
    steps(2);
    QVERIFY(action(u"actionStepBack"_s)->isEnabled());
    trigger(u"actionHalt"_s);
    QVERIFY(action(u"actionStepBack"_s)->isEnabled());
    setProgram(u"++"_s);
    QVERIFY(!action(u"actionStepBack"_s)->isEnabled());
}

// The pane rebuilt on the way back holds only the latest values; its first line still counts
// every earlier one.
void tst_StepBack::backPastALongOutput()
{
    setProgram(u"+[.]"_s); // a value every second step, past what the pane keeps
    thousandSteps(30);
    trigger(u"actionStepBack"_s);
    Shown wentBack = shown();
    const QString first = wentBack.output.section(u'\n', 0, 0);
    QVERIFY2(first.startsWith(u"… "_s), qPrintable(first));
    QString number = first.section(u' ', 1, 1);
    const int notShown = number.remove(QLocale().groupSeparator()).toInt();
    const int values = int(wentBack.output.section(u'\n', 1).count(u"1"_s));
    QCOMPARE(notShown + values, 14999); // the '.' among the first 29,999 steps

    trigger(u"actionHalt"_s);
    thousandSteps(29);
    steps(999);
    Shown fresh = shown();
    wentBack.output = fresh.output = QString();
    QCOMPARE(wentBack, fresh);
}

QTEST_MAIN(tst_StepBack)
#include "tst_stepback.moc"
