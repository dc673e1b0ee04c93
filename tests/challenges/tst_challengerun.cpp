// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challengerun.h"
#include "challenges/challenge.h"
#include "interpreter/machine.h"

#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CaseDifference::Kind)
Q_DECLARE_METATYPE(CaseResult::Verdict)

namespace {

Challenge challenge(const QString &type, const QStringList &cases)
{
    Challenge result;
    result.name = u"Test"_s;
    result.testType = type;
    result.testCases = cases;
    result.tapeLength = 10;
    return result;
}

// Reads the three piles, takes all of pile 1, reads the computer's answer and stops.
const QString nimOneMove = u",>,>,>+.<<<.>>>>,>,"_s;

} // namespace

class tst_ChallengeRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstDifference_data();
    void firstDifference();
    void largeCase();
    void replayWritesWithoutEnd();
    void cancelledHalfway();
    void replayDealsTheSameGame();
};

void tst_ChallengeRun::firstDifference_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("program");
    QTest::addColumn<CaseDifference::Kind>("kind");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("input");

    const QString sum = u",>,[-<+>]<"_s;
    QTest::newRow("wrong number") << u"normal"_s << u"4,2 => 6"_s << sum + u"+."_s
                                  << CaseDifference::WrongValue << qint64(0)
                                  << u"expected 6, wrote 7 (value 1)"_s << u"7"_s << u"4,2"_s;
    QTest::newRow("one value too many")
        << u"normal"_s << u" => 1"_s << u"+.."_s << CaseDifference::WrongValue << qint64(1)
        << u"expected no more output, wrote 1 (value 2)"_s << u"1,1"_s << QString();
    QTest::newRow("output missing")
        << u"normal"_s << u" => 1,2"_s << u"+."_s << CaseDifference::MissingOutput << qint64(1)
        << u"expected 2, wrote nothing more (value 2)"_s << u"1"_s << QString();
    QTest::newRow("input left unread")
        << u"normal"_s << u"5,0 => "_s << u","_s << CaseDifference::UnreadInput << qint64(1)
        << u"input left unread: 1 of 2 values read"_s << QString() << u"5,0"_s;
    QTest::newRow("a crash is no difference") << u"normal"_s << u" => 1"_s << u"<"_s
                                              << CaseDifference::None << qint64(-1) << QString()
                                              << QString() << QString();
    QTest::newRow("wrong letter") << u"alpha"_s << u"ab => ba"_s << u",."_s
                                  << CaseDifference::WrongValue << qint64(0)
                                  << u"expected b, wrote a (value 1)"_s << u"a"_s << u"ab\\n"_s;
    QTest::newRow("line breaks and strangers")
        << u"alpha"_s << u"a\\nB\u00e9 => x"_s << u",,,"_s << CaseDifference::None << qint64(-1)
        << QString() << QString() << u"a\\nB\u00e9\\n"_s;
    QTest::newRow("illegal move") << u"nim"_s << u"game"_s << u",>,>,>+++++."_s
                                  << CaseDifference::WrongValue << qint64(0)
                                  << u"wrote 5, a move the game does not allow (value 1)"_s
                                  << u"5"_s << QString();
    QTest::newRow("game abandoned")
        << u"nim"_s << u"game"_s << u",,,"_s << CaseDifference::MissingOutput << qint64(0)
        << u"expected output missing: the game was left unfinished"_s << QString() << QString();
}

void tst_ChallengeRun::firstDifference()
{
    QFETCH(QString, type);
    QFETCH(QString, line);
    QFETCH(QString, program);
    QFETCH(CaseDifference::Kind, kind);
    QFETCH(qint64, index);
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(QString, input);

    ChallengeRun run(challenge(type, {line}));
    Machine machine(1);
    run.setUp(machine, program);
    const CaseResult &result = run.runCase(machine, 0, 1000);
    QCOMPARE(result.verdict, CaseResult::Failed);
    QCOMPARE(result.difference.kind, kind);
    QCOMPARE(result.difference.index, index);
    QCOMPARE(result.differenceText(), text);
    QCOMPARE(result.writtenShown(), written);
    if (type != u"nim")
        QCOMPARE(result.inputShown(), input);
    else
        QCOMPARE(result.input.count(), result.inputRead);
}

// A case of 50,000 values run through in full, kept to its first thousand.
void tst_ChallengeRun::largeCase()
{
    QStringList values(50000, u"7"_s);
    const QString part = values.join(u',');
    ChallengeRun run(challenge(u"normal"_s, {part + u",0 => "_s + part}));
    QCOMPARE(run.cases().first().input.count(), 50001);
    Machine machine(10);
    run.setUp(machine, u",[.,]"_s);
    const CaseResult &result = run.runCase(machine, 0, 10000000);
    QCOMPARE(result.verdict, CaseResult::Passed);
    QCOMPARE(result.written.shown.size(), ValueList::Limit);
    QCOMPARE(result.written.more, 49000);
    QCOMPARE(result.inputRead, 50001);
    QVERIFY(result.writtenShown().endsWith(u"7,7 \u2026 49000 more"_s));
}

// Followed past its first wrong value, a program may write without end.
void tst_ChallengeRun::replayWritesWithoutEnd()
{
    ChallengeRun run(challenge(u"normal"_s, {u" => 2"_s}));
    Machine machine(10);
    run.setUp(machine, u"+[.]"_s);
    QCOMPARE(run.runCase(machine, 0, 1000).written.count(), 1);
    run.beginReplay(machine, 0);
    // "+" and "[", then "." and "]" ten million times, less the last "]"
    const ChallengeRun::Steps steps = ChallengeRun::runSteps(machine, 20000001);
    QVERIFY(!steps.stopped);
    QCOMPARE(run.replay().written.count(), 10000000);
    QCOMPARE(run.replay().written.shown.size(), ValueList::Limit);
    QCOMPARE(run.cases().first().written.count(), 1);
}

void tst_ChallengeRun::cancelledHalfway()
{
    ChallengeRun run(challenge(u"normal"_s, {u"0 => "_s, u"1 => "_s, u"0 => "_s}));
    Machine machine(10);
    run.setUp(machine, u",[]"_s);
    QCOMPARE(run.runCase(machine, 0, 1000).verdict, CaseResult::Passed);
    run.beginCase(machine, 1);
    const ChallengeRun::Steps steps = ChallengeRun::runSteps(machine, 999);
    QVERIFY(!steps.stopped);
    run.endCase(machine, steps.stepCalls);
    QList<CaseResult::Verdict> verdicts;
    for (const CaseResult &result : run.cases())
        verdicts.append(result.verdict);
    QCOMPARE(verdicts, (QList{CaseResult::Passed, CaseResult::NotRun, CaseResult::NotRun}));
    QCOMPARE(run.cases().at(1).text(), u"not run"_s);
    QCOMPARE(run.cases().at(1).inputRead, 1);
}

void tst_ChallengeRun::replayDealsTheSameGame()
{
    ChallengeRun run(challenge(u"nim"_s, {u"game 1"_s, u"game 2"_s}));
    Machine machine(10);
    run.setUp(machine, nimOneMove);
    std::srand(7);
    run.runCase(machine, 0, 1000);
    run.runCase(machine, 1, 1000);
    for (int i = 0; i < 2; ++i) {
        const CaseResult &played = run.cases().at(i);
        QCOMPARE(played.input.count(), 5);
        std::rand();
        run.beginReplay(machine, i);
        ChallengeRun::runSteps(machine, 1000);
        QCOMPARE(run.replay().input.shown, played.input.shown);
        QCOMPARE(run.replay().written.shown, played.written.shown);
    }
}

QTEST_GUILESS_MAIN(tst_ChallengeRun)
#include "tst_challengerun.moc"
