// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/testresultsview.h"
#include "challenges/challenge.h"
#include "challenges/challengerun.h"
#include "interpreter/machine.h"
#include "window/testresultsmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QPoint>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The cases of a challenge after a run of `program` that stops at the first failure.
QList<CaseResult> results(const QString &type, const QStringList &lines, const QString &program)
{
    Challenge challenge;
    challenge.testType = type;
    challenge.testCases = lines;
    challenge.tapeLength = 10;
    ChallengeRun run(challenge);
    Machine machine(10);
    run.setUp(machine, program);
    for (int i = 0; i < lines.size(); ++i) {
        if (!run.runCase(machine, i, 10000000).passed())
            break;
    }
    return run.cases();
}

} // namespace

class tst_TestResultsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenColumn_data();
    void writtenColumn();
    void keyboard();
};

void tst_TestResultsView::writtenColumn_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("marked");

    QTest::newRow("wrong number") << u"normal"_s << u" => 1,2,3"_s << u"+.+.."_s
                                  << u"1,2,[wrong: 2]"_s << u"[wrong: 2]"_s;
    QTest::newRow("missing") << u"normal"_s << u" => 1,2"_s << u"+."_s << u"1,[missing: 2]"_s
                             << u"[missing: 2]"_s;
    QTest::newRow("wrong letter") << u"alpha"_s << u" => ab"_s << u"+.."_s << u"a[wrong: a]"_s
                                  << u"[wrong: a]"_s;
    const QString many = QStringList(50000, u"1"_s).join(u',');
    QTest::newRow("tens of thousands")
        << u"normal"_s << u" => "_s + many + u",2"_s << u"+[.]"_s
        << u"1,1 \u2026 49000 more [wrong: 1]"_s << u"[wrong: 1]"_s;
    QTest::newRow("passed") << u"normal"_s << u" => 1"_s << u"+."_s << u"1"_s << QString();
}

void tst_TestResultsView::writtenColumn()
{
    QFETCH(QString, type);
    QFETCH(QString, line);
    QFETCH(QString, program);
    QFETCH(QString, written);
    QFETCH(QString, marked);

    TestResultsModel model;
    QAbstractItemModelTester tester(&model);
    model.setCases(results(type, {line}, program));
    const QModelIndex cell = model.index(0, TestResultsModel::Written);
    const QString text = cell.data().toString();
    QVERIFY2(text.endsWith(written), qPrintable(text));
    QVERIFY(text.size() < 8000);
    QCOMPARE(cell.data(Qt::AccessibleTextRole).toString(), text);
    const QVariant mark = cell.data(TestResultsModel::WrongValueRole);
    QCOMPARE(mark.isValid(), !marked.isEmpty());
    if (mark.isValid())
        QCOMPARE(text.mid(mark.toPoint().x(), mark.toPoint().y()), marked);
}

void tst_TestResultsView::keyboard()
{
    TestResultsView view;
    view.model()->setCases(
        results(u"normal"_s, {u"1 => 1"_s, u"2 => 2,2"_s, u"3 => 3"_s}, u",."_s));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTableView *table = view.table();
    table->setFocus();
    table->selectRow(0);
    QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList rows = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0), u"1\t1\t1\t1\tpass\t2"_s);
    QCOMPARE(rows.at(1), u"2\t2\t2,2\t2,[missing: 2]\tfail: The program terminated without "
                         u"delivering the full result!\t2"_s);

    QSignalSpy debug(&view, &TestResultsView::debugCaseRequested);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(debug.size(), 1);
    QCOMPARE(debug.first().first().toInt(), 1);
    // A case that was not run has nothing to debug.
    table->selectRow(2);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(debug.size(), 1);
}

QTEST_MAIN(tst_TestResultsView)
#include "tst_testresultsview.moc"
