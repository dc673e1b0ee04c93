// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/coursecheck.h"
#include "io/programfile.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int CourseSize = 50;
// A reference solution stays well below this per case; the limit only keeps a broken one
// from running for minutes, here and under the sanitizers.
constexpr qint64 MaximumSteps = 30000000;

// What went wrong, for a failure message: the first failing case and the reason.
QString describe(const CheckResult &result)
{
    if (!result.message.isEmpty())
        return result.message;
    for (int i = 0; i < result.cases.size(); ++i) {
        if (!result.cases.at(i).passed())
            return u"case %1: %2"_s.arg(QString::number(i + 1), result.cases.at(i).text());
    }
    return u"passed"_s;
}

} // namespace

// Runs the course's reference solutions through the real machine and test handlers: every
// challenge must be solvable within its tape and length limits, and every deliberately wrong
// variant must be caught by the challenge's test cases.
class tst_Solutions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void solutions_data();
    void solutions();
    void wrongVariants_data();
    void wrongVariants();
    void allSolutionsPresent();

private:
    CheckResult check(int row, const QString &program);

    QDir folder;
    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
};

void tst_Solutions::initTestCase()
{
    // Nim deals from rand(): a fixed seed makes a failing game repeatable.
    std::srand(1);
    QFile course(u":/challenges.xml"_s);
    QVERIFY(course.open(QIODevice::ReadOnly));
    ChallengeLoader loader(&course);
    loader.read();
    QCOMPARE(challengeList().size(), CourseSize);

    const QString source = qEnvironmentVariable("ZINDLE_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "ZINDLE_SOURCE_DIR is not set");
    folder.setPath(source + u"/tests/challenges/solutions"_s);
    QVERIFY2(folder.exists(), qPrintable(folder.path()));
}

CheckResult tst_Solutions::check(int row, const QString &program)
{
    CourseCheck checker(&inputPane, &outputPane);
    checker.setMaximumSteps(MaximumSteps);
    return checker.check(challengeList().at(row), program);
}

void tst_Solutions::solutions_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("fileName");

    for (int row = 0; row < CourseSize; ++row) {
        const QStringList found = folder.entryList(
            QStringList{u"%1-*.bf"_s.arg(row, 2, 10, QLatin1Char('0'))}, QDir::Files);
        QString fileName;
        for (const QString &name : found) {
            if (!name.endsWith(u".wrong.bf"_s))
                fileName = name;
        }
        QTest::addRow("%02d %s", row, qPrintable(challengeList().at(row).name)) << row << fileName;
    }
}

void tst_Solutions::solutions()
{
    QFETCH(int, row);
    QFETCH(QString, fileName);

    if (fileName.isEmpty())
        QSKIP("no reference solution yet");
    QString program;
    QString error;
    QVERIFY2(readProgramFile(folder.filePath(fileName), &program, &error), qPrintable(error));
    const CheckResult result = check(row, program);
    QVERIFY2(result.outcome == CheckResult::Passed,
             qPrintable(fileName + u": "_s + describe(result)));

    // The par shown to players is what this solution achieves; a game dealt at random has no
    // par in steps.
    const Challenge &challenge = challengeList().at(row);
    qint64 steps = 0;
    for (const CaseResult &caseResult : result.cases)
        steps += caseResult.steps;
    if (challenge.testType == u"nim")
        steps = 0;
    QVERIFY2(challenge.parCommands == result.commandCount && challenge.parSteps == steps,
             qPrintable(u"par %1 commands, %2 steps; the solution takes %3 commands, %4 steps (run "
                        u"tools/coursegen)"_s.arg(challenge.parCommands).arg(challenge.parSteps)
                            .arg(result.commandCount).arg(steps)));
}

void tst_Solutions::wrongVariants_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("fileName");

    const QStringList found = folder.entryList(QStringList{u"*.wrong.bf"_s}, QDir::Files,
                                               QDir::Name);
    for (const QString &name : found)
        QTest::newRow(qPrintable(name)) << name.left(2).toInt() << name;
    if (found.isEmpty())
        QTest::newRow("none") << -1 << QString();
}

void tst_Solutions::wrongVariants()
{
    QFETCH(int, row);
    QFETCH(QString, fileName);

    if (fileName.isEmpty())
        QSKIP("no wrong variants yet");
    QVERIFY2(row >= 0 && row < CourseSize, qPrintable(fileName));
    QString program;
    QString error;
    QVERIFY2(readProgramFile(folder.filePath(fileName), &program, &error), qPrintable(error));
    const CheckResult result = check(row, program);
    QVERIFY2(result.outcome == CheckResult::Failed || result.outcome == CheckResult::TooLong,
             qPrintable(fileName + u" was not caught"_s));
}

void tst_Solutions::allSolutionsPresent()
{
    // Exactly one solution per challenge, named by its two-digit row; nothing else in the folder.
    static const QRegularExpression name(u"^(\\d\\d)-[a-z0-9-]+(\\.wrong)?\\.bf$"_s);
    QList<int> solutions(CourseSize, 0);
    QStringList strays;
    const QStringList entries = folder.entryList(QDir::Files);
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        const int row = match.hasMatch() ? match.captured(1).toInt() : -1;
        if (row < 0 || row >= CourseSize)
            strays.append(entry);
        else if (match.captured(2).isEmpty())
            ++solutions[row];
    }
    QVERIFY2(strays.isEmpty(), qPrintable(u"not a solution: "_s + strays.join(u", "_s)));

    QStringList missing;
    for (int row = 0; row < CourseSize; ++row) {
        if (solutions.at(row) != 1)
            missing.append(u"%1 (%2 files)"_s.arg(row, 2, 10, QLatin1Char('0'))
                               .arg(solutions.at(row)));
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(u"rows without exactly one solution: "_s + missing.join(u", "_s)));
}

QTEST_MAIN(tst_Solutions)
#include "tst_solutions.moc"
