// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interpreter/bracketmatcher.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_BracketMatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pairs_data();
    void pairs();
    void longProgram();
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

QTEST_GUILESS_MAIN(tst_BracketMatcher)
#include "tst_bracketmatcher.moc"
