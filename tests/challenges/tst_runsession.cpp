// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run session driven without any window: runs to the end and to a breakpoint, a challenge
// test case by case, and an input prompt that spins the event loop in the middle of a batch.

#include "challenges/runsession.h"

#include "challenges/challenge.h"
#include "challenges/challengerun.h"
#include "challenges/challengetest.h"
#include "interpreter/iohandler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Input from a list and output into one; `prompt` runs where an interactive handler would open
// its modal dialog.
class ListHandler : public IOHandler
{
public:
    bool hasInput() override
    {
        if (prompt)
            prompt();
        return !inputs.isEmpty();
    }
    int input() override { return inputs.takeFirst(); }
    bool output(int value) override
    {
        outputs.append(value);
        return true;
    }

    QList<int> inputs;
    QList<int> outputs;
    std::function<void()> prompt;
};

} // namespace

class tst_RunSession : public QObject
{
    Q_OBJECT

private slots:
    void runToTheEnd_data();
    void runToTheEnd();
    void challengeTestCaseByCase();
    void promptHoldsOffTheRun();

private:
    // A session with a list handler, running `program`.
    static std::unique_ptr<RunSession> session(const QString &program, ListHandler **handler);
};

std::unique_ptr<RunSession> tst_RunSession::session(const QString &program, ListHandler **handler)
{
    auto result = std::make_unique<RunSession>();
    auto owned = std::make_unique<ListHandler>();
    *handler = owned.get();
    result->setInteractiveHandler(std::move(owned));
    result->setProgramSource([program] { return program; });
    return result;
}

void tst_RunSession::runToTheEnd_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("breakpoints");
    QTest::addColumn<QList<int>>("outputs");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("plain end") << u"+++.>++."_s << 0 << QList<int>{3, 2} << StopReason::Finished;
    QTest::newRow("two breakpoints") << u"+@.+@.+."_s << 2 << QList<int>{1, 2, 3}
                                     << StopReason::Finished;
    QTest::newRow("crash in a long loop") << QString(5000, u'+') + u"[>+<-]<"_s << 0
                                          << QList<int>{} << StopReason::LeftEdge;
}

// Run resumes after each breakpoint, as the window's Run does, until the machine stops.
void tst_RunSession::runToTheEnd()
{
    QFETCH(QString, program);
    QFETCH(int, breakpoints);
    QFETCH(QList<int>, outputs);
    QFETCH(StopReason, reason);

    ListHandler *handler = nullptr;
    const std::unique_ptr<RunSession> run = session(program, &handler);
    QSignalSpy stopped(run.get(), &RunSession::runStopped);
    run->run();
    for (int i = 0; i < breakpoints; ++i) {
        QTRY_VERIFY(!run->isTimerActive());
        QVERIFY(run->isRunning());
        QCOMPARE(run->machine().currentCommand(), u'@');
        run->run();
    }
    QTRY_COMPARE(stopped.count(), 1);
    QCOMPARE(stopped.at(0).at(0).value<StopReason>(), reason);
    QVERIFY(!run->isRunning());
    QVERIFY(!run->isTimerActive());
    QCOMPARE(handler->outputs, outputs);
}

// The loop a window's test flow makes: each finished case is recorded from the session's step
// calls, counts and starts the next, and the steps add up as zindle-check counts them.
void tst_RunSession::challengeTestCaseByCase()
{
    Challenge echo;
    echo.tapeLength = 5;
    echo.testType = u"normal"_s;
    echo.testCases = {u"3 => 3"_s, u"7 => 7"_s, u"0 => 0"_s};
    ChallengeRun challengeRun(echo);
    ListHandler *interactive = nullptr;
    const std::unique_ptr<RunSession> run = session(u",@."_s, &interactive);
    setUpMachine(run->machine(), echo);
    run->beginTest(challengeRun.createHandler(), int(echo.testCases.size()));
    QVERIFY(run->handler() != interactive);

    int passed = 0;
    bool ended = false;
    connect(run.get(), &RunSession::runStopped, this, [&](StopReason reason) {
        QCOMPARE(reason, StopReason::Finished);
        challengeRun.endCase(run->machine(), run->testProgress().caseStepCalls);
        ++passed;
        if (run->passCase()) {
            run->startRun();
            run->restartTimer();
        } else {
            ended = true;
        }
    });
    run->startRun();
    run->restartTimer();
    QTRY_VERIFY(ended);
    QCOMPARE(passed, 3);
    // Three steps a case: the breakpoint mark does not pause a test, and counts as a step.
    QCOMPARE(challengeRun.totalSteps(), 9);
    run->endTest();
    QVERIFY(!run->isTesting());
    QCOMPARE(run->handler(), interactive);
}

// A prompt that spins the event loop in the middle of a batch: the run timer executes nothing
// meanwhile, and the run goes on by itself once the prompt is answered.
void tst_RunSession::promptHoldsOffTheRun()
{
    ListHandler *handler = nullptr;
    const std::unique_ptr<RunSession> run = session(u","_s + QString(3000, u'+') + u"."_s,
                                                    &handler);
    handler->inputs = {4};
    int stepsDuringPrompt = -1;
    handler->prompt = [&] {
        if (stepsDuringPrompt != -1)
            return;
        const int counter = run->machine().programCounter();
        QElapsedTimer spin;
        spin.start();
        while (spin.elapsed() < 50)
            QCoreApplication::processEvents();
        stepsDuringPrompt = run->machine().programCounter() - counter;
    };
    QSignalSpy stopped(run.get(), &RunSession::runStopped);
    run->run();
    QTRY_COMPARE(stopped.count(), 1);
    QCOMPARE(stepsDuringPrompt, 0);
    QCOMPARE(handler->outputs, QList<int>{3004});
}

QTEST_GUILESS_MAIN(tst_RunSession)
#include "tst_runsession.moc"
