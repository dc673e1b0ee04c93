// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's Test button and zindle-check's checker refuse the same challenges and programs
// in the same order and with the same words.

#include "challenges/challenge.h"
#include "challenges/coursecheck.h"
#include "window/windowfixture.h"
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Challenge)
Q_DECLARE_METATYPE(CheckResult::Outcome)

class tst_ChallengeTest : public WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void refusals_data();
    void refusals();
};

void tst_ChallengeTest::cleanup()
{
    closeWindow();
}

void tst_ChallengeTest::refusals_data()
{
    QTest::addColumn<Challenge>("challenge");
    QTest::addColumn<QString>("program");
    QTest::addColumn<CheckResult::Outcome>("outcome");
    QTest::addColumn<QString>("title");

    const auto challenge = [](const QString &type, const QStringList &cases, int programLength) {
        Challenge result;
        result.name = u"Hand-made"_s;
        result.tapeLength = 10;
        result.testType = type;
        result.testCases = cases;
        result.programLength = programLength;
        return result;
    };
    const QStringList oneCase{u" => 1"_s};
    QTest::newRow("unknown test type")
        << challenge(u"riddle"_s, oneCase, 0) << u"+."_s << CheckResult::NoTest << u"Test"_s;
    QTest::newRow("type compared exactly")
        << challenge(u"Normal"_s, oneCase, 0) << u"+."_s << CheckResult::NoTest << u"Test"_s;
    QTest::newRow("no test cases")
        << challenge(u"normal"_s, {}, 0) << u"+."_s << CheckResult::NoTest << u"Test"_s;
    QTest::newRow("no test cases of an unknown type")
        << challenge(u"riddle"_s, {}, 0) << u"+."_s << CheckResult::NoTest << u"Test"_s;
    QTest::newRow("one command too many") << challenge(u"normal"_s, oneCase, 2) << u"+.+"_s
                                          << CheckResult::TooLong << u"Program length"_s;
    QTest::newRow("too long for an unknown type")
        << challenge(u"riddle"_s, oneCase, 2) << u"+.+"_s << CheckResult::NoTest << u"Test"_s;
    QTest::newRow("too long for no test cases")
        << challenge(u"normal"_s, {}, 2) << u"+.+"_s << CheckResult::NoTest << u"Test"_s;
}

void tst_ChallengeTest::refusals()
{
    QFETCH(Challenge, challenge);
    QFETCH(QString, program);
    QFETCH(CheckResult::Outcome, outcome);
    QFETCH(QString, title);

    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
    const CheckResult checked = CourseCheck(&inputPane, &outputPane).check(challenge, program);
    QCOMPARE(checked.outcome, outcome);
    QVERIFY(!checked.message.isEmpty());

    challengeList() = {challenge};
    QVERIFY(openWindow(Show::Active));
    edit(u"editProgram"_s)->setPlainText(program);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    auto *table = child<QTableView>(u"tableChallenge"_s);
    auto *testButton = child<QPushButton>(u"buttonTest"_s);
    // The pane is laid out once the event loop has run.
    QTRY_VERIFY(!testButton->visibleRegion().isEmpty());
    const QModelIndex row = table->model()->index(0, 1);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(row).center());

    answerer->expectMessageBox(title, checked.message);
    QTest::mouseClick(testButton, Qt::LeftButton);
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(answerer->mismatches(), QStringList());
}

QTEST_MAIN(tst_ChallengeTest)
#include "tst_challengetest.moc"
