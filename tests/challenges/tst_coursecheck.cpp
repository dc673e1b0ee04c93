#include "challenges/coursecheck.h"
#include "challenges/challenge.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Challenge)
Q_DECLARE_METATYPE(CheckResult::Outcome)

namespace {

Challenge challenge(const QString &type, const QStringList &cases, int tapeLength = 10, int programLength = 0)
{
    Challenge result;
    result.name = u"Test"_s;
    result.testType = type;
    result.testCases = cases;
    result.tapeLength = tapeLength;
    result.programLength = programLength;
    return result;
}

QStringList caseTexts(const CheckResult &result)
{
    QStringList texts;
    for (const CaseResult &caseResult : result.cases)
        texts.append(caseResult.text());
    return texts;
}

const QString incomplete = u"The program terminated without delivering the full result!"_s;

} // namespace

class TestCourseCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data();
    void check();
    void commandsExecuted_data();
    void commandsExecuted();
    void everyCase();
    void machineProgram();

private:
    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
};

void TestCourseCheck::check_data()
{
    QTest::addColumn<Challenge>("challenge");
    QTest::addColumn<QString>("program");
    QTest::addColumn<qint64>("maximumSteps");
    QTest::addColumn<CheckResult::Outcome>("outcome");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");

    const qint64 steps = 1000;
    const Challenge echo = challenge(u"normal"_s, {u"0 => 0"_s, u"33713 => 33713"_s, u"7 => 7"_s});
    QTest::newRow("every case passes") << echo << u",."_s << steps << CheckResult::Passed
                                       << QStringList(3, u"pass"_s) << QString();
    QTest::newRow("stops at the first failure")
            << challenge(u"normal"_s, {u" => 1"_s, u" => 2"_s, u" => 1"_s}) << u"+."_s << steps
            << CheckResult::Failed << QStringList{u"pass"_s, u"Bad output!"_s} << QString();
    QTest::newRow("missing output") << challenge(u"normal"_s, {u" => 1,2"_s}) << u"+."_s << steps
                                    << CheckResult::Failed << QStringList{incomplete} << QString();
    QTest::newRow("bad input") << challenge(u"normal"_s, {u" => "_s}) << u","_s << steps << CheckResult::Failed
                               << QStringList{u"Bad input!"_s} << QString();
    QTest::newRow("unmatched loop") << challenge(u"normal"_s, {u" => "_s}) << u"]"_s << steps
                                    << CheckResult::Failed << QStringList{u"Unmatched loop!"_s} << QString();
    QTest::newRow("left edge") << challenge(u"normal"_s, {u" => "_s}) << u"<"_s << steps << CheckResult::Failed
                               << QStringList{u"Invalid move over left side of tape!"_s} << QString();
    QTest::newRow("beyond the challenge's tape") << challenge(u"normal"_s, {u" => "_s}, 3) << u">>>"_s << steps
                                                 << CheckResult::Failed
                                                 << QStringList{u"Invalid move over right side of tape!"_s}
                                                 << QString();
    QTest::newRow("last cell of the challenge's tape") << challenge(u"normal"_s, {u" => "_s}, 4) << u">>>"_s
                                                       << steps << CheckResult::Passed
                                                       << QStringList{u"pass"_s} << QString();
    QTest::newRow("cells wrap at 33713") << challenge(u"normal"_s, {u" => 33713,0"_s}) << u"-.+."_s << steps
                                         << CheckResult::Passed << QStringList{u"pass"_s} << QString();
    QTest::newRow("never ends") << challenge(u"normal"_s, {u" => "_s, u" => "_s}) << u"+[]"_s << steps
                                << CheckResult::Failed
                                << QStringList{u"The program did not end within the step limit!"_s} << QString();
    // one command and the step that finds the end
    QTest::newRow("ends on the last step allowed") << challenge(u"normal"_s, {u" => "_s}) << u"+"_s << qint64(2)
                                                   << CheckResult::Passed << QStringList{u"pass"_s} << QString();
    QTest::newRow("exactly at the length limit")
            << challenge(u"normal"_s, {u" => 1"_s}, 10, 2) << u"add one + write . @@ stop"_s << steps
            << CheckResult::Passed << QStringList{u"pass"_s} << QString();
    QTest::newRow("one command too many")
            << challenge(u"normal"_s, {u" => 1"_s}, 10, 2) << u"+.+"_s << steps << CheckResult::TooLong
            << QStringList()
            << u"Your program is 3 commands. This task requires a program of 2 or less commands."_s;
    QTest::newRow("alpha") << challenge(u"alpha"_s, {u" => a"_s}) << u"+."_s << steps << CheckResult::Passed
                           << QStringList{u"pass"_s} << QString();
    QTest::newRow("nim") << challenge(u"nim"_s, {u"generated data 0"_s}) << u",,,"_s << steps
                         << CheckResult::Failed << QStringList{incomplete} << QString();
    QTest::newRow("type compared exactly") << challenge(u"Normal"_s, {u" => "_s}) << QString() << steps
                                           << CheckResult::NoTest << QStringList()
                                           << u"The challenge has no test of a known type."_s;
    QTest::newRow("no cases") << challenge(u"normal"_s, {}) << QString() << steps << CheckResult::NoTest
                              << QStringList() << u"The challenge has no test cases."_s;
}

void TestCourseCheck::check()
{
    QFETCH(Challenge, challenge);
    QFETCH(QString, program);
    QFETCH(qint64, maximumSteps);
    QFETCH(CheckResult::Outcome, outcome);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);

    CourseCheck check(&inputPane, &outputPane);
    check.setMaximumSteps(maximumSteps);
    const CheckResult result = check.check(challenge, program);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(caseTexts(result), texts);
    QCOMPARE(result.message, message);
    QCOMPARE(result.caseCount, int(challenge.testCases.size()));
}

void TestCourseCheck::commandsExecuted_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<qint64>("commands");

    QTest::newRow("loop of three passes") << u"+++[-]"_s << qint64(3 + 1 + 3 * 2);
    QTest::newRow("comments are no steps") << u"three +++ then clear [-] done"_s << qint64(10);
    QTest::newRow("breakpoints are steps") << u"+@+"_s << qint64(3);
    QTest::newRow("crash counts the failing command") << u"+<"_s << qint64(2);
    QTest::newRow("open loop found at the end") << u"+["_s << qint64(2);
    QTest::newRow("never ends") << u"+[]"_s << qint64(500);
}

void TestCourseCheck::commandsExecuted()
{
    QFETCH(QString, program);
    QFETCH(qint64, commands);

    CourseCheck check(&inputPane, &outputPane);
    check.setMaximumSteps(500);
    const CheckResult result = check.check(challenge(u"normal"_s, {u" => "_s}), program);
    QCOMPARE(result.cases.size(), 1);
    QCOMPARE(result.cases.first().commands, commands);
}

void TestCourseCheck::everyCase()
{
    CourseCheck check(&inputPane, &outputPane);
    check.setStopsAtFirstFailure(false);
    const CheckResult result =
            check.check(challenge(u"normal"_s, {u" => 1"_s, u" => 2"_s, u" => 1"_s}), u"+."_s);
    QCOMPARE(result.outcome, CheckResult::Failed);
    QCOMPARE(caseTexts(result), (QStringList{u"pass"_s, u"Bad output!"_s, u"pass"_s}));
}

void TestCourseCheck::machineProgram()
{
    const QString text = u"a+b\n@[c]\t,.<>-\u00e9"_s;
    QCOMPARE(CourseCheck::machineProgram(text), u" +  @[ ] ,.<>- "_s);
    QCOMPARE(CourseCheck::commandCount(text), 8);
}

QTEST_MAIN(TestCourseCheck)
#include "tst_coursecheck.moc"
