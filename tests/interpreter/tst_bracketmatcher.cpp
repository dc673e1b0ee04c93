// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interpreter/bracketmatcher.h"

#include "interpreter/machine.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_BracketMatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pairs_data();
    void pairs();
    void longProgram();
    void sameAsMachine_data();
    void sameAsMachine();
};

void tst_BracketMatcher::pairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("partners"); // of each bracket in order; -1: unmatched

    QTest::newRow("pair") << u"[+]"_s << QList<int>{2, 0};
    QTest::newRow("nested") << u"[[-]>]"_s << QList<int>{5, 3, 1, 0};
    QTest::newRow("side by side") << u"[][]"_s << QList<int>{1, 0, 3, 2};
    QTest::newRow("across lines") << u"+[\n>\n]\n"_s << QList<int>{5, 1};
    QTest::newRow("unmatched open") << u"[[]"_s << QList<int>{-1, 2, 1};
    QTest::newRow("unmatched close") << u"[]]"_s << QList<int>{1, 0, -1};
    QTest::newRow("close before open") << u"]\n["_s << QList<int>{-1, -1};
    QTest::newRow("brackets in comments count") << u"a [comment] ]"_s << QList<int>{10, 2, -1};
    QTest::newRow("no brackets") << u"+-<>.,@"_s << QList<int>{};
}

void tst_BracketMatcher::pairs()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, partners);

    BracketMatcher matcher;
    matcher.setText(u"]]["_s); // what a previous text left must go
    matcher.setText(text);
    QList<int> found;
    QList<int> unmatched;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'[' && text.at(i) != u']') {
            QCOMPARE(matcher.partner(i), -1);
            QVERIFY(!matcher.isUnmatched(i));
            continue;
        }
        found << matcher.partner(i);
        if (matcher.isUnmatched(i))
            unmatched << i;
    }
    QCOMPARE(found, partners);
    QCOMPARE(matcher.unmatched(0, int(text.size())), unmatched);
    QCOMPARE(matcher.unmatchedCount(), unmatched.size());
}

void tst_BracketMatcher::longProgram()
{
    // 100,000 commands: 50,000 loops nested in one another, then one close too many.
    const QString text = QString(50000, u'[') + QString(50000, u']') + u"\n]"_s;
    BracketMatcher matcher;
    matcher.setText(text);
    QCOMPARE(matcher.partner(0), 99999);
    QCOMPARE(matcher.partner(50000), 49999);
    QCOMPARE(matcher.unmatched(0, 100002), QList<int>{100001});
    QCOMPARE(matcher.unmatched(100002, 200000), QList<int>{});
}

void tst_BracketMatcher::sameAsMachine_data()
{
    QTest::addColumn<QString>("program");

    for (const char *program : {"[+]", "[[-]>]", "[[]", "[]]", "]\n[", "a [b] ] [", "[[[]]", "@[]@"})
        QTest::newRow(program) << QString::fromLatin1(program);
    // Bracket-heavy programs that no one would write but that the two must still agree on;
    // with no command that changes a cell every loop is skipped, so every run ends.
    QRandomGenerator random(19);
    for (int row = 0; row < 300; ++row) {
        QString program(random.bounded(1, 40), u' ');
        for (QChar &character : program)
            character = u"[[]] a"[random.bounded(6)];
        QTest::newRow(qPrintable(u"random %1"_s.arg(row))) << program;
    }
}

// The editor shows the pairs that the machine runs: every '[' closes where the machine's skip
// lands, each other ']' has no partner, and a run from empty cells stops at the first bracket
// the editor marks as unmatched, by step() and by run() alike.
void tst_BracketMatcher::sameAsMachine()
{
    QFETCH(QString, program);

    BracketMatcher matcher;
    matcher.setText(program);
    Machine machine(10);
    machine.setProgram(program);
    QList<int> closedByMachine;
    for (int i = 0; i < program.size(); ++i) {
        if (program.at(i) != u'[')
            continue;
        const int end = machine.findLoopEnd(i);
        QCOMPARE(matcher.partner(i), end);
        if (end >= 0) {
            QCOMPARE(matcher.partner(end), i);
            closedByMachine << end;
        }
    }
    for (int i = 0; i < program.size(); ++i) {
        if (program.at(i) == u']')
            QCOMPARE(matcher.isUnmatched(i), !closedByMachine.contains(i));
    }

    const QList<int> unmatched = matcher.unmatched(0, int(program.size()));
    const StopReason expected = unmatched.isEmpty() ? StopReason::Finished
                                                    : StopReason::UnmatchedLoop;
    machine.start();
    for (int steps = 0; steps < 1000 && !machine.step();)
        ++steps;
    QCOMPARE(machine.stopReason(), expected);
    if (!unmatched.isEmpty())
        QCOMPARE(machine.programCounter(), unmatched.first());
    machine.start();
    machine.run(1000);
    QCOMPARE(machine.stopReason(), expected);
    if (!unmatched.isEmpty())
        QCOMPARE(machine.programCounter(), unmatched.first());
}

QTEST_GUILESS_MAIN(tst_BracketMatcher)
#include "tst_bracketmatcher.moc"
