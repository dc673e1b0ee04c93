// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a handler does where it leaves a call to the base class: it takes no output, has no input
// (and reads as 0 where it claims to have some), starts and redraws nothing, and never holds back
// the end of a run.

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Says that input is waiting and leaves everything else, reading it too, to the base class.
class ClaimingHandler : public IOHandler
{
public:
    bool hasInput() override { return true; }
};

} // namespace

Q_DECLARE_METATYPE(StopReason)

class tst_IOHandler : public QObject
{
    Q_OBJECT

private slots:
    void answersOfTheBase_data();
    void answersOfTheBase();
    void inputReadsAsZero_data();
    void inputReadsAsZero();
};

void tst_IOHandler::answersOfTheBase_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("refreshed");

    QTest::newRow("fresh") << false << false;
    QTest::newRow("started") << true << false;
    QTest::newRow("started and redrawn") << true << true;
}

void tst_IOHandler::answersOfTheBase()
{
    QFETCH(bool, started);
    QFETCH(bool, refreshed);

    IOHandler handler;
    if (started)
        handler.start();
    if (refreshed)
        handler.refresh();
    QVERIFY(!handler.hasInput());
    QCOMPARE(handler.input(), 0);
    for (const int value : {0, 1, 255, Machine::DefaultMaximumValue})
        QVERIFY2(!handler.output(value), qPrintable(QString::number(value)));
    QVERIFY(handler.isComplete());
}

void tst_IOHandler::inputReadsAsZero_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");
    QTest::addColumn<int>("cell");

    QTest::newRow("overwrites") << u"+++,"_s << StopReason::Finished << 0;
    QTest::newRow("ends a loop") << u"+[,]+"_s << StopReason::Finished << 1;
    QTest::newRow("then output") << u",+."_s << StopReason::BadOutput << 1;
}

void tst_IOHandler::inputReadsAsZero()
{
    QFETCH(QString, program);
    QFETCH(StopReason, reason);
    QFETCH(int, cell);

    ClaimingHandler handler;
    Machine machine(10);
    machine.setHandler(&handler);
    machine.setProgram(program);
    machine.start();
    for (int steps = 0; steps < 100 && !machine.step(); ++steps) {
    }
    QCOMPARE(machine.stopReason(), reason);
    QCOMPARE(machine.cell(0), cell);
}

QTEST_GUILESS_MAIN(tst_IOHandler)
#include "tst_iohandler.moc"
