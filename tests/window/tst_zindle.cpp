// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a user first meets it: its widgets, actions, menus, shortcuts and focus order.

#include "window/zindle.h"

#include "window/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

using namespace Qt::StringLiterals;

class tst_Zindle : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void actions_data();
    void actions();
    void menusAndToolBar();
    void stepToMenu();
    void runControlsByKeyboard();
    void accessibleNames_data();
    void accessibleNames();
    void widgetTree_data();
    void widgetTree();
    void tableSetup();
    void tabOrder();
    void challengesShortcutTogglesPane();
    void buddiesTakeFocus_data();
    void buddiesTakeFocus();
    void menuMnemonicsOpenMenus_data();
    void menuMnemonicsOpenMenus();
    void stepToItselfDoesNothing();
    void quitClosesWindow();
};

// The window as it is made, shown only by the tests that need it shown. None of these tests
// opens a box; one that came anyway would be closed and reported.
void tst_Zindle::init()
{
    QVERIFY(openWindow(Show::No));
}

void tst_Zindle::cleanup()
{
    closeWindow();
}

void tst_Zindle::startState()
{
    QCOMPARE(window->objectName(), u"Zindle"_s);
    QCOMPARE(window->windowTitle(), u"Zindle"_s);
    QCOMPARE(window->size(), QSize(799, 719));
    QVERIFY(!window->findChild<QStatusBar *>());
    QVERIFY(child<QWidget>(u"widgetChallenge"_s)->isHidden());
    QVERIFY(!action(u"actionChallenges"_s)->isChecked());
    QVERIFY(!action(u"actionAlphabet"_s)->isChecked());
    QVERIFY(!action(u"actionHalt"_s)->isEnabled());
    QVERIFY(!child<QPlainTextEdit>(u"editInput"_s)->isReadOnly());
    QVERIFY(!child<QPlainTextEdit>(u"editProgram"_s)->isReadOnly());
    QVERIFY(child<QPlainTextEdit>(u"editOutput"_s)->isReadOnly());
    QVERIFY(child<QTextEdit>(u"editChallenge"_s)->isReadOnly());
    QVERIFY(!child<QTextEdit>(u"editChallenge"_s)->isUndoRedoEnabled());
    QVERIFY(child<QMenuBar>(u"menuBar"_s)->isEnabled());
    QVERIFY(child<QPushButton>(u"buttonTest"_s)->isEnabled());
    QCOMPARE(child<QPushButton>(u"buttonTest"_s)->text(), u"&Test"_s);
    QCOMPARE(child<QLabel>(u"labelRequirements"_s)->text(), QString());
    QVERIFY(child<QLabel>(u"labelRequirements"_s)->wordWrap());
    QCOMPARE(child<QLabel>(u"labelInput"_s)->text(), u"&Input"_s);
    QCOMPARE(child<QLabel>(u"labelOutput"_s)->text(), u"Output"_s);
    QCOMPARE(child<QLabel>(u"labelProgram"_s)->text(), u"&Program"_s);
    QCOMPARE(child<QLabel>(u"labelMachine"_s)->text(), u"Machine"_s);
    QCOMPARE(window->inputEdit(), child<QPlainTextEdit>(u"editInput"_s));
    QCOMPARE(window->outputEdit(), child<QPlainTextEdit>(u"editOutput"_s));

    const QFont font = child<QPlainTextEdit>(u"editProgram"_s)->font();
    QCOMPARE(font.family(), u"Monospace"_s);
    QCOMPARE(font.pointSize(), 14);
    QCOMPARE(font.styleHint(), QFont::TypeWriter);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
}

void tst_Zindle::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("enabled");

    // In creation order.
    QTest::newRow("Run") << u"actionRun"_s << u"Run"_s << u"F5"_s << u":/run.png"_s << false
                         << true;
    QTest::newRow("Step") << u"actionStep"_s << u"Step"_s << u"Alt+S"_s << u":/step.png"_s << false
                          << true;
    QTest::newRow("Halt") << u"actionHalt"_s << u"Halt"_s << u"Shift+F5"_s << u":/halt.png"_s
                          << false << false;
    QTest::newRow("Step to") << u"actionStepTo"_s << u"Step to..."_s << QString()
                             << u":/stepto.png"_s << false << true;
    QTest::newRow("Tape length") << u"actionTapeLength"_s << u"Tape length..."_s << QString()
                                 << QString() << false << true;
    QTest::newRow("Maximum value") << u"actionMaximumValue"_s << u"Maximum value..."_s << QString()
                                   << QString() << false << true;
    QTest::newRow("New") << u"actionNew"_s << u"New"_s << u"Ctrl+N"_s << QString() << false << true;
    QTest::newRow("Open") << u"actionOpen"_s << u"Open..."_s << u"Ctrl+O"_s << QString() << false
                          << true;
    QTest::newRow("Open your best") << u"actionOpenBest"_s << u"Open your best"_s
                                    << u"Ctrl+Shift+O"_s << QString() << false << false;
    QTest::newRow("Save") << u"actionSave"_s << u"Save"_s << u"Ctrl+S"_s << QString() << false
                          << true;
    QTest::newRow("Save as") << u"actionSaveAs"_s << u"Save as..."_s << QString() << QString()
                             << false << true;
    QTest::newRow("Challenges") << u"actionChallenges"_s << u"Challenges"_s << u"Alt+C"_s
                                << QString() << true << true;
    QTest::newRow("Quit") << u"actionQuit"_s << u"Quit"_s << QString() << QString() << false
                          << true;
    QTest::newRow("Alphabet") << u"actionAlphabet"_s << u"Alphabet"_s << u"Alt+A"_s << QString()
                              << true << true;
    QTest::newRow("About") << u"actionAbout"_s << u"About"_s << QString() << QString() << false
                           << true;
    QTest::newRow("About Qt") << u"actionAboutQt"_s << u"About Qt"_s << QString() << QString()
                              << false << true;
    QTest::newRow("Index") << u"actionIndex"_s << u"Index"_s << u"F1"_s << QString() << false
                           << true;
    QTest::newRow("Length") << u"actionLength"_s << u"Length..."_s << u"Alt+L"_s << QString()
                            << false << true;
}

void tst_Zindle::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, icon);
    QFETCH(bool, checkable);
    QFETCH(bool, enabled);

    // Rows come in creation order, which is the order of the window's own actions.
    const QList<QAction *> all = window->findChildren<QAction *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(all.size(), 18);
    static int row = 0;
    QCOMPARE(all.at(row++)->objectName(), name);

    QAction *a = action(name);
    QCOMPARE(a->parent(), window.get());
    QCOMPARE(a->text(), text);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
    QCOMPARE(a->icon().isNull(), icon.isEmpty());
    if (!icon.isEmpty())
        QCOMPARE(a->icon().pixmap(25, 24).toImage(), QIcon(icon).pixmap(25, 24).toImage());
    QCOMPARE(a->isCheckable(), checkable);
    QCOMPARE(a->isEnabled(), enabled);
    QCOMPARE(a->statusTip(), QString());
}

void tst_Zindle::menusAndToolBar()
{
    const auto names = [](const QList<QAction *> &actions) {
        QStringList result;
        for (QAction *a : actions)
            result.append(a->isSeparator() ? u"-"_s : a->menu() && a->objectName().isEmpty()
                                                          ? a->menu()->objectName()
                                                          : a->objectName());
        return result;
    };
    auto *menuBar = child<QMenuBar>(u"menuBar"_s);
    QCOMPARE(window->menuBar(), menuBar);
    QCOMPARE(menuBar->geometry().size().width() > 0, true);
    QCOMPARE(names(menuBar->actions()),
             QStringList({u"menuFile"_s, u"menuMachine"_s, u"menuHelp"_s}));

    auto *menuFile = child<QMenu>(u"menuFile"_s);
    auto *menuMachine = child<QMenu>(u"menuMachine"_s);
    auto *menuHelp = child<QMenu>(u"menuHelp"_s);
    for (QMenu *menu : {menuFile, menuMachine, menuHelp})
        QCOMPARE(menu->parent(), menuBar);
    QCOMPARE(menuFile->title(), u"&File"_s);
    QCOMPARE(menuMachine->title(), u"&Machine"_s);
    QCOMPARE(menuHelp->title(), u"&Help"_s);
    QCOMPARE(names(menuFile->actions()),
             QStringList({u"actionNew"_s, u"actionOpen"_s, u"actionOpenBest"_s, u"actionSave"_s,
                          u"actionSaveAs"_s, u"-"_s,
                          u"actionChallenges"_s, u"actionLength"_s, u"-"_s, u"actionQuit"_s}));
    // The written entries, then the run speeds and the way back.
    QCOMPARE(names(menuMachine->actions()),
             QStringList({u"actionTapeLength"_s, u"actionMaximumValue"_s, u"actionAlphabet"_s,
                          u"menuRunSpeed"_s, u"-"_s, u"actionStepBack"_s, u"actionBack10"_s,
                          u"actionBack100"_s, u"actionBack1000"_s, u"actionBackToOutput"_s,
                          u"actionBackToInput"_s, u"actionBackToBreakpoint"_s,
                          u"actionBackToStart"_s}));
    QCOMPARE(names(menuHelp->actions()),
             QStringList({u"actionIndex"_s, u"actionAbout"_s, u"actionAboutQt"_s}));

    auto *toolBar = child<QToolBar>(u"toolBar"_s);
    QCOMPARE(toolBar->windowTitle(), u"toolBar"_s);
    QCOMPARE(window->toolBarArea(toolBar), Qt::TopToolBarArea);
    QCOMPARE(names(toolBar->actions()),
             QStringList({u"actionRun"_s, u"actionStep"_s, u"actionStepTo"_s, u"actionHalt"_s}));
    QCOMPARE(action(u"actionStepTo"_s)->toolTip(), u"Step to..."_s);
}

void tst_Zindle::stepToMenu()
{
    QMenu *menu = action(u"actionStepTo"_s)->menu();
    QVERIFY(menu);
    QVERIFY(!menu->parent());
    QStringList texts;
    QList<int> modes;
    for (QAction *entry : menu->actions()) {
        texts.append(entry->text());
        modes.append(entry->data().toInt());
    }
    QCOMPARE(texts, QStringList({u"10"_s, u"100"_s, u"1000"_s, u"out of loop"_s, u"to next input"_s,
                                 u"to next output"_s}));
    QCOMPARE(modes, QList<int>({1, 2, 3, 4, 5, 6}));
}

// While a program runs the menu bar is disabled; the run controls must still answer keys.
void tst_Zindle::runControlsByKeyboard()
{
    QVERIFY(showWindow());
    auto *program = child<QPlainTextEdit>(u"editProgram"_s);
    const QAbstractItemModel *tape = child<QTableView>(u"tableTape"_s)->model();
    program->setPlainText(QString(20, u'+'));
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(tape->data(tape->index(0, 0)).toString(), u"10"_s);
    QVERIFY(action(u"actionHalt"_s)->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(tape->data(tape->index(0, 0)).toString(), u"20"_s);
    QVERIFY(!action(u"actionHalt"_s)->isEnabled());

    program->setPlainText(u"+[]"_s);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(action(u"actionHalt"_s)->isEnabled());
    QVERIFY(program->isReadOnly());
    QTRY_COMPARE(tape->data(tape->index(0, 0)).toString(), u"1"_s);
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(!action(u"actionHalt"_s)->isEnabled());
    QVERIFY(!program->isReadOnly());
}

void tst_Zindle::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");

    QTest::newRow("challenge list") << u"tableChallenge"_s << u"Challenges"_s;
    QTest::newRow("challenge text") << u"editChallenge"_s << u"Challenge"_s;
    QTest::newRow("tape") << u"tableTape"_s << u"Tape"_s;
    QTest::newRow("output") << u"editOutput"_s << u"Output"_s;
}

void tst_Zindle::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QCOMPARE(child<QWidget>(name)->accessibleName(), accessibleName);
}

void tst_Zindle::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QRect>("cell"); // row, column, row span, column span
    QTest::addColumn<int>("stretch"); // -1: no Expanding policy given

    QTest::newRow("splitter") << u"splitter"_s << u"gridLayout_3"_s << QRect(0, 1, 1, 1) << -1;
    QTest::newRow("tableChallenge") << u"tableChallenge"_s << u"gridLayout_2"_s << QRect(0, 0, 2, 1)
                                    << 1;
    QTest::newRow("editChallenge") << u"editChallenge"_s << u"gridLayout_2"_s << QRect(0, 1, 2, 1)
                                   << 3;
    QTest::newRow("labelRequirements") << u"labelRequirements"_s << u"gridLayout_2"_s
                                       << QRect(0, 2, 2, 1) << -1;
    QTest::newRow("buttonTest") << u"buttonTest"_s << u"gridLayout_2"_s << QRect(1, 3, 1, 1) << -1;
    QTest::newRow("labelMachine") << u"labelMachine"_s << u"gridLayout"_s << QRect(0, 1, 2, 1)
                                  << -1;
    QTest::newRow("tableTape") << u"tableTape"_s << u"gridLayout"_s << QRect(0, 2, 2, 1) << 1;
    QTest::newRow("labelInput") << u"labelInput"_s << u"gridLayout"_s << QRect(0, 3, 1, 1) << -1;
    QTest::newRow("labelOutput") << u"labelOutput"_s << u"gridLayout"_s << QRect(1, 3, 1, 1) << -1;
    QTest::newRow("editInput") << u"editInput"_s << u"gridLayout"_s << QRect(0, 4, 1, 1) << 2;
    QTest::newRow("editOutput") << u"editOutput"_s << u"gridLayout"_s << QRect(1, 4, 1, 1) << 2;
    QTest::newRow("labelProgram") << u"labelProgram"_s << u"gridLayout"_s << QRect(0, 5, 2, 1)
                                  << -1;
    QTest::newRow("editProgram") << u"editProgram"_s << u"gridLayout"_s << QRect(0, 6, 2, 1) << 8;
}

void tst_Zindle::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, layout);
    QFETCH(QRect, cell);
    QFETCH(int, stretch);

    auto *widget = child<QWidget>(name);
    auto *grid = child<QGridLayout>(layout);
    QVERIFY(widget && grid);
    const int index = grid->indexOf(widget);
    QVERIFY(index >= 0);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QRect(column, row, columnSpan, rowSpan), cell);
    if (stretch >= 0) {
        const QSizePolicy policy = widget->sizePolicy();
        QCOMPARE(policy.horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(policy.verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(policy.horizontalStretch(), 0);
        QCOMPARE(policy.verticalStretch(), stretch);
    }
}

void tst_Zindle::tableSetup()
{
    auto *splitter = child<QSplitter>(u"splitter"_s);
    QCOMPARE(window->centralWidget(), child<QWidget>(u"centralwidget"_s));
    QCOMPARE(splitter->orientation(), Qt::Horizontal);
    QVERIFY(!splitter->childrenCollapsible());
    QCOMPARE(splitter->widget(0), child<QWidget>(u"widgetChallenge"_s));
    QCOMPARE(splitter->widget(1), child<QWidget>(u"layoutWidget"_s));
    for (const QString &name : {u"gridLayout"_s, u"gridLayout_2"_s})
        QCOMPARE(child<QGridLayout>(name)->contentsMargins(), QMargins());

    auto *challenges = child<QTableView>(u"tableChallenge"_s);
    QCOMPARE(challenges->minimumSize(), QSize(160, 0));
    QVERIFY(challenges->alternatingRowColors());
    QCOMPARE(challenges->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(challenges->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!challenges->showGrid());
    QVERIFY(challenges->horizontalHeader()->isHidden());
    QHeaderView *header = challenges->horizontalHeader();
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(header->sectionResizeMode(1), QHeaderView::Stretch);
    QCOMPARE(header->sectionResizeMode(2), QHeaderView::Fixed);
    QCOMPARE(header->sectionSize(0), 24);
    QCOMPARE(header->sectionSize(2), 32);
    QCOMPARE(challenges->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

    auto *tape = child<QTableView>(u"tableTape"_s);
    QCOMPARE(tape->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(tape->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!tape->tabKeyNavigation());
    QCOMPARE(tape->selectionMode(), QAbstractItemView::NoSelection);
    QVERIFY(tape->verticalHeader()->isHidden());
    QVERIFY(tape->verticalHeader()->stretchLastSection());
    QHeaderView *tapeHeader = tape->horizontalHeader();
    const int width = 8 * QFontMetrics(window->font()).horizontalAdvance(u'M');
    QCOMPARE(tapeHeader->defaultSectionSize(), width);
    QCOMPARE(tapeHeader->sectionResizeMode(0), QHeaderView::Fixed);
    QVERIFY(tape->model());
    QCOMPARE(tape->model()->columnCount(), 1000);
    QCOMPARE(tapeHeader->sectionSize(999), width);
}

void tst_Zindle::tabOrder()
{
    const QStringList ours = {u"editProgram"_s, u"tableChallenge"_s, u"editChallenge"_s,
                              u"buttonTest"_s, u"tableTape"_s, u"editInput"_s, u"editOutput"_s};
    QStringList order;
    QWidget *start = child<QWidget>(u"editProgram"_s);
    QWidget *w = start;
    do {
        if (ours.contains(w->objectName()) && !order.contains(w->objectName()))
            order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != start);
    QCOMPARE(order, ours);
}

void tst_Zindle::challengesShortcutTogglesPane()
{
    QVERIFY(showWindow());
    auto *pane = child<QWidget>(u"widgetChallenge"_s);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(pane->isVisible());
    QVERIFY(action(u"actionChallenges"_s)->isChecked());
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(!pane->isVisible());
    QVERIFY(!action(u"actionChallenges"_s)->isChecked());
}

void tst_Zindle::buddiesTakeFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("target");
    QTest::newRow("Alt+I") << int(Qt::Key_I) << u"editInput"_s;
    QTest::newRow("Alt+P") << int(Qt::Key_P) << u"editProgram"_s;
}

void tst_Zindle::buddiesTakeFocus()
{
    QFETCH(int, key);
    QFETCH(QString, target);
    QVERIFY(showWindow());
    child<QWidget>(u"editOutput"_s)->setFocus();
    QTest::keyClick(window.get(), Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(target));
}

void tst_Zindle::menuMnemonicsOpenMenus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::newRow("Alt+F") << int(Qt::Key_F) << u"menuFile"_s;
    QTest::newRow("Alt+M") << int(Qt::Key_M) << u"menuMachine"_s;
    QTest::newRow("Alt+H") << int(Qt::Key_H) << u"menuHelp"_s;
}

void tst_Zindle::menuMnemonicsOpenMenus()
{
    QFETCH(int, key);
    QFETCH(QString, menu);
    QVERIFY(showWindow());
    QTest::keyClick(window.get(), Qt::Key(key), Qt::AltModifier);
    auto *opened = child<QMenu>(menu);
    QTRY_VERIFY(opened->isVisible());
    QTest::keyClick(opened, Qt::Key_Escape);
    QTRY_VERIFY(!opened->isVisible());
}

void tst_Zindle::stepToItselfDoesNothing()
{
    child<QPlainTextEdit>(u"editProgram"_s)->setPlainText(u"+++"_s);
    action(u"actionStepTo"_s)->trigger();
    QVERIFY(!action(u"actionHalt"_s)->isEnabled());
    QVERIFY(!child<QPlainTextEdit>(u"editProgram"_s)->isReadOnly());
}

void tst_Zindle::quitClosesWindow()
{
    QVERIFY(showWindow());
    action(u"actionQuit"_s)->trigger();
    QTRY_VERIFY(!window->isVisible());
}

QTEST_MAIN(tst_Zindle)
#include "tst_zindle.moc"
