// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window adds to its views for reading: zooming them together and the tape cells'
// tool tips.

#include "window/zindle.h"

#include "window/windowfixture.h"

#include <QAction>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

class tst_WindowViews : public WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void zoom_data();
    void zoom();
    void tapeToolTips_data();
    void tapeToolTips();
};

void tst_WindowViews::init()
{
    QVERIFY(openWindow(Show::Active));
}

void tst_WindowViews::cleanup()
{
    closeWindow();
}

void tst_WindowViews::zoom_data()
{
    QTest::addColumn<int>("key"); // 0: the mouse wheel over `over`
    QTest::addColumn<QString>("over");
    QTest::addColumn<int>("direction");

    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << QString() << 1;
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << QString() << 1;
    QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << QString() << -1;
    QTest::newRow("wheel up over the output") << 0 << u"editOutput"_s << 1;
    QTest::newRow("wheel down over the tape") << 0 << u"tableTape"_s << -1;
}

void tst_WindowViews::zoom()
{
    QFETCH(int, key);
    QFETCH(QString, over);
    QFETCH(int, direction);

    const QStringList views = {u"editProgram"_s, u"editInput"_s, u"editOutput"_s, u"tableTape"_s};
    QList<QFont> normal;
    for (const QString &name : views)
        normal << child<QWidget>(name)->font();
    auto *tape = child<QTableView>(u"tableTape"_s);
    const int normalWidth = tape->horizontalHeader()->defaultSectionSize();

    if (key != 0) {
        QTest::keyClick(window.get(), Qt::Key(key), Qt::ControlModifier);
    } else {
        QWidget *viewport = child<QAbstractScrollArea>(over)->viewport();
        const QPointF point(viewport->rect().center());
        QWheelEvent wheel(point, viewport->mapToGlobal(point), {}, QPoint(0, 120 * direction),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
    }
    for (int i = 0; i < views.size(); ++i) {
        const qreal size = child<QWidget>(views.at(i))->font().pointSizeF();
        QVERIFY2((size - normal.at(i).pointSizeF()) * direction > 0, qPrintable(views.at(i)));
    }
    // The columns stay eight times as wide as an M, now in the tape's own font.
    const int width = tape->horizontalHeader()->defaultSectionSize();
    QVERIFY((width - normalWidth) * direction > 0);
    QCOMPARE(width, 8 * QFontMetrics(tape->font()).horizontalAdvance(u'M'));
    QCOMPARE(tape->horizontalHeader()->sectionSize(999), width);

    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    for (int i = 0; i < views.size(); ++i)
        QCOMPARE(child<QWidget>(views.at(i))->font(), normal.at(i));
    QCOMPARE(tape->horizontalHeader()->defaultSectionSize(), normalWidth);
    QCOMPARE(child<QWidget>(u"editProgram"_s)->font().family(), u"Monospace"_s);
    QCOMPARE(child<QWidget>(u"editProgram"_s)->font().pointSize(), 14);
}

void tst_WindowViews::tapeToolTips_data()
{
    QTest::addColumn<bool>("alphabet");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("numbers") << false << u"Cell 1: 3"_s;
    QTest::newRow("alphabet") << true << u"Cell 1: 3, the letter c"_s;
}

void tst_WindowViews::tapeToolTips()
{
    QFETCH(bool, alphabet);
    QFETCH(QString, toolTip);

    if (alphabet)
        QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    child<QPlainTextEdit>(u"editProgram"_s)->setPlainText(u"+++"_s);
    for (int i = 0; i < 3; ++i)
        child<QAction>(u"actionStep"_s)->trigger();
    const QAbstractItemModel *model = child<QTableView>(u"tableTape"_s)->model();
    QCOMPARE(model->data(model->index(0, 0), Qt::ToolTipRole).toString(), toolTip);
    child<QAction>(u"actionHalt"_s)->trigger();
}

QTEST_MAIN(tst_WindowViews)
#include "tst_windowviews.moc"
