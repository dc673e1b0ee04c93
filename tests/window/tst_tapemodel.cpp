// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/tapemodel.h"
#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QPalette>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Runs a program without input or output to its end.
void run(Machine &machine, const QString &program)
{
    machine.setProgram(program);
    machine.start();
    while (!machine.step()) {
    }
}

// The columns that carry the current-cell marker and the bold font.
QList<int> markedColumns(const TapeModel &model)
{
    QList<int> columns;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QModelIndex index = model.index(0, column);
        const bool decorated = model.data(index, Qt::DecorationRole).isValid();
        const bool bold = model.data(index, Qt::FontRole).value<QFont>().weight() == QFont::Bold;
        if (decorated != bold)
            return {-2};
        if (decorated)
            columns << column;
    }
    return columns;
}

} // namespace

class tst_TapeModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void modelContract();
    void defaultTape();
    void shading_data();
    void shading();
    void currentCell_data();
    void currentCell();
    void outsideTape_data();
    void outsideTape();
    void tapeLengthChange();
    void toolTips_data();
    void toolTips();

private:
    IOHandler handler;
};

void tst_TapeModel::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
}

void tst_TapeModel::modelContract()
{
    Machine machine(64);
    machine.setHandler(&handler);
    TapeModel model(&machine);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    run(machine, u"+>++>>>-"_s);
    model.resetModel();
    machine.setTapeLength(3);
    model.resetModel();
    run(machine, u"<"_s);
    model.resetModel();
}

void tst_TapeModel::defaultTape()
{
    Machine machine(1000);
    machine.setHandler(&handler);
    TapeModel model(&machine);
    QTableView view;
    view.setModel(&model);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(view.horizontalHeader()->count(), 1000);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"1"_s);
    QCOMPARE(model.headerData(999, Qt::Horizontal).toString(), u"1000"_s);
    run(machine, u"+++>++>>"_s);
    model.resetModel();
    QCOMPARE(markedColumns(model), QList<int>{3});
    QCOMPARE(model.currentIndex(), model.index(0, 3));
    QCOMPARE(model.data(model.index(0, 0)).toString(), u"3"_s);
    QCOMPARE(model.data(model.index(0, 1)).toString(), u"2"_s);
    QCOMPARE(model.data(model.index(0, 3)).toString(), u"0"_s);
    QCOMPARE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable, Qt::ItemFlags());
}

void tst_TapeModel::shading_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("darker");

    QTest::newRow("column 0 plain") << 0 << 0;
    QTest::newRow("column 1 darker by 112") << 1 << 112;
    QTest::newRow("column 2 plain") << 2 << 0;
    QTest::newRow("column 3 darker by 118") << 3 << 118;
    QTest::newRow("column 4 plain") << 4 << 0;
    QTest::newRow("column 5 darker by 112") << 5 << 112;
    QTest::newRow("column 7 darker by 118") << 7 << 118;
    QTest::newRow("current cell in odd column") << 9 << 112;
}

void tst_TapeModel::shading()
{
    QFETCH(int, column);
    QFETCH(int, darker);

    Machine machine(16);
    machine.setHandler(&handler);
    run(machine, u">"_s.repeated(9));
    TapeModel model(&machine);
    const QVariant background = model.data(model.index(0, column), Qt::BackgroundRole);
    if (darker == 0)
        QVERIFY(!background.isValid());
    else
        QCOMPARE(background.value<QColor>(), QPalette().color(QPalette::Base).darker(darker));
}

void tst_TapeModel::currentCell_data()
{
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<int>("scrolledTo");

    QTest::newRow("start of tape") << 10 << QString() << QList<int>{0} << 0;
    QTest::newRow("last cell") << 10 << u">"_s.repeated(9) << QList<int>{9} << 9;
    QTest::newRow("crash off the left end") << 10 << u">><<<"_s << QList<int>() << 0;
    QTest::newRow("crash off the right end") << 10 << u">"_s.repeated(10) << QList<int>() << 9;
    QTest::newRow("one-cell tape, crash right") << 1 << u">"_s << QList<int>() << 0;
}

void tst_TapeModel::currentCell()
{
    QFETCH(int, tapeLength);
    QFETCH(QString, program);
    QFETCH(QList<int>, marked);
    QFETCH(int, scrolledTo);

    Machine machine(tapeLength);
    machine.setHandler(&handler);
    run(machine, program);
    TapeModel model(&machine);
    QCOMPARE(markedColumns(model), marked);
    QCOMPARE(model.currentIndex(), model.index(0, scrolledTo));
    for (int column : marked) {
        const QModelIndex index = model.index(0, column);
        // Only the marker and the weight single out the current cell.
        QVERIFY(!model.data(index, Qt::ForegroundRole).isValid());
        QVERIFY(!model.data(index, Qt::TextAlignmentRole).isValid());
        if (!QFile::exists(u":/check.png"_s))
            QSKIP("the marker picture is not compiled in");
        const QVariant decoration = model.data(index, Qt::DecorationRole);
        QCOMPARE(decoration.typeId(), QMetaType::QIcon);
        QVERIFY(!decoration.value<QIcon>().isNull());
    }
}

void tst_TapeModel::outsideTape_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("second row") << 1 << 0;
    QTest::newRow("column past the tape") << 0 << 8;
    QTest::newRow("negative column") << 0 << -1;
}

void tst_TapeModel::outsideTape()
{
    QFETCH(int, row);
    QFETCH(int, column);

    Machine machine(8);
    machine.setHandler(&handler);
    TapeModel model(&machine);
    const QModelIndex index = model.index(row, column);
    for (int role : {Qt::DisplayRole, Qt::BackgroundRole, Qt::DecorationRole, Qt::FontRole,
                     Qt::ToolTipRole})
        QVERIFY2(!model.data(index, role).isValid(), qPrintable(QString::number(role)));
}

void tst_TapeModel::tapeLengthChange()
{
    Machine machine(1000);
    machine.setHandler(&handler);
    TapeModel model(&machine);
    QTableView view;
    view.setModel(&model);
    run(machine, u"+>+"_s);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    machine.setTapeLength(5);
    model.resetModel();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(view.horizontalHeader()->count(), 5);
    for (int column = 0; column < 5; ++column)
        QCOMPARE(model.data(model.index(0, column)).toString(), u"0"_s);
}

void tst_TapeModel::toolTips_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("alphabet");
    QTest::addColumn<QString>("toolTip"); // of the first cell

    QTest::newRow("number") << u"+++"_s << false << u"Cell 1: 3"_s;
    QTest::newRow("letter in alphabet mode") << u"+++"_s << true << u"Cell 1: 3, the letter c"_s;
    QTest::newRow("z") << u"+"_s.repeated(26) << true << u"Cell 1: 26, the letter z"_s;
    QTest::newRow("past z") << u"+"_s.repeated(27) << true << u"Cell 1: 27"_s;
    QTest::newRow("line break is no letter") << QString() << true << u"Cell 1: 0"_s;
    QTest::newRow("not the current cell") << u"+>"_s << false << u"Cell 1: 1"_s;
}

void tst_TapeModel::toolTips()
{
    QFETCH(QString, program);
    QFETCH(bool, alphabet);
    QFETCH(QString, toolTip);

    Machine machine(8);
    machine.setHandler(&handler);
    run(machine, program);
    TapeModel model(&machine);
    model.setAlphabet(alphabet);
    QCOMPARE(model.data(model.index(0, 0), Qt::ToolTipRole).toString(), toolTip);
    // Cells are numbered as the header numbers them.
    QCOMPARE(model.data(model.index(0, 7), Qt::ToolTipRole).toString(), u"Cell 8: 0"_s);
}

QTEST_MAIN(tst_TapeModel)
#include "tst_tapemodel.moc"
