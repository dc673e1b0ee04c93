// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What zooming must not hide: the tape's values, however large the font, and the line of the
// program that holds the cursor.

#include "window/zindle.h"

#include "window/windowfixture.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ZoomLayout : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tapeShowsWholeValues_data();
    void tapeShowsWholeValues();
    void cursorLineStaysInView_data();
    void cursorLineStaysInView();

private:
    void zoom(int steps);
};

void tst_ZoomLayout::init()
{
    QVERIFY(openWindow(Show::Active));
}

void tst_ZoomLayout::cleanup()
{
    closeWindow();
}

void tst_ZoomLayout::zoom(int steps)
{
    const Qt::Key key = steps > 0 ? Qt::Key_Plus : Qt::Key_Minus;
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
}

void tst_ZoomLayout::tapeShowsWholeValues_data()
{
    QTest::addColumn<int>("steps");

    QTest::newRow("normal") << 0;
    QTest::newRow("ten steps in") << 10;
    QTest::newRow("largest") << 25; // past the largest zoom, which it stays at
    QTest::newRow("smallest") << -10;
}

void tst_ZoomLayout::tapeShowsWholeValues()
{
    QFETCH(int, steps);

    auto *tape = window->findChild<QTableView *>(u"tableTape"_s);
    const QAbstractItemView *view = tape; // where the row's size hint is public
    zoom(steps);
    // The one row fills the view above the scroll bar: it must be as tall as its values need.
    const auto fits = [tape, view] {
        return tape->rowHeight(0) >= view->sizeHintForRow(0)
            && tape->rowViewportPosition(0) + tape->rowHeight(0) <= tape->viewport()->height()
            && tape->horizontalScrollBar()->isVisible();
    };
    QTRY_VERIFY2(fits(), qPrintable(u"row %1 of %2 pixels needed, at %3 in a view of %4"_s
                                        .arg(tape->rowHeight(0))
                                        .arg(view->sizeHintForRow(0))
                                        .arg(tape->rowViewportPosition(0))
                                        .arg(tape->viewport()->height())));
    QVERIFY(window->height() <= window->screen()->availableGeometry().height());
}

void tst_ZoomLayout::cursorLineStaysInView_data()
{
    QTest::addColumn<bool>("atEnd");
    QTest::addColumn<int>("steps");

    QTest::newRow("last line, in") << true << 10;
    QTest::newRow("last line, largest") << true << 20;
    QTest::newRow("first line, in") << false << 10;
}

void tst_ZoomLayout::cursorLineStaysInView()
{
    QFETCH(bool, atEnd);
    QFETCH(int, steps);

    auto *editor = window->findChild<QPlainTextEdit *>(u"editProgram"_s);
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << u"+++++ [>++<-] line %1"_s.arg(i + 1);
    editor->setPlainText(lines.join(u'\n'));
    editor->moveCursor(atEnd ? QTextCursor::End : QTextCursor::Start);
    editor->ensureCursorVisible();
    const auto cursorShown = [editor] {
        return editor->viewport()->rect().contains(editor->cursorRect());
    };
    QTRY_VERIFY(cursorShown());

    zoom(steps);
    // Once the window has laid out the tape at its new height, and the editor with it.
    auto *tape = window->findChild<QTableView *>(u"tableTape"_s);
    QTRY_VERIFY(tape->height() >= tape->minimumHeight() && cursorShown());
    QCoreApplication::processEvents();
    QVERIFY(cursorShown());
}

QTEST_MAIN(tst_ZoomLayout)
#include "tst_zoomlayout.moc"
