// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"

#include "course.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The course as the program sees it: the file compiled into it.
QList<Challenge> shippedCourse()
{
    QFile file(u":/challenges.xml"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    ChallengeLoader loader(&file);
    loader.read();
    return challengeList();
}

} // namespace

class tst_CourseGen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void regeneratingGivesCommittedFile();
    void compiledInFileIsCommittedFile();
    void documentForm();
    void statements();
    void caseLines();
};

// The file is made by tools/coursegen; a hand edit or a generator change without regenerating
// shows up here.
void tst_CourseGen::regeneratingGivesCommittedFile()
{
    const QString sourceDir = qEnvironmentVariable("ZINDLE_SOURCE_DIR");
    QVERIFY2(!sourceDir.isEmpty(), "ZINDLE_SOURCE_DIR is not set");
    const QString solutions = QDir(sourceDir).filePath(u"tests/challenges/solutions"_s);
    const CourseDocument course = generateCourse(solutions);
    QCOMPARE(course.problems, QStringList());
    const QByteArray committed = readFile(QDir(sourceDir).filePath(u"resources/challenges.xml"_s));
    QVERIFY(!committed.isEmpty());
    QVERIFY2(course.xml == committed,
             "resources/challenges.xml differs from what tools/coursegen writes");
    QCOMPARE(generateCourse(solutions).xml, course.xml);
}

void tst_CourseGen::compiledInFileIsCommittedFile()
{
    const QString sourceDir = qEnvironmentVariable("ZINDLE_SOURCE_DIR");
    QVERIFY(!sourceDir.isEmpty());
    const QByteArray compiledIn = readFile(u":/challenges.xml"_s);
    QVERIFY(!compiledIn.isEmpty());
    QVERIFY(compiledIn == readFile(QDir(sourceDir).filePath(u"resources/challenges.xml"_s)));
}

void tst_CourseGen::documentForm()
{
    const QByteArray xml = readFile(u":/challenges.xml"_s);
    QVERIFY(xml.startsWith("<xml>\n"));
    QVERIFY(!xml.contains("<?xml"));
    for (char c : xml)
        QVERIFY2(c == '\n' || (c >= 32 && c < 127), "the file is not plain ASCII");
    QCOMPARE(xml.count("&lt;"), 1);
    QCOMPARE(xml.count('&'), 1);

    // The template sits in a comment after the root, so it is never read.
    const qsizetype rootEnd = xml.indexOf("</xml>");
    const QByteArray tail = xml.mid(rootEnd);
    QVERIFY(tail.contains("<!--"));
    for (const char *element : {"<name></name>", "<text></text>", "<difficulty></difficulty>",
                                "<tape_length></tape_length>", "<test type=\"normal\">",
                                "<data></data>"})
        QVERIFY2(tail.contains(element), element);
    QVERIFY(tail.trimmed().endsWith("-->"));
    QCOMPARE(shippedCourse().size(), 50);
}

void tst_CourseGen::statements()
{
    const QList<Challenge> course = shippedCourse();
    QCOMPARE(course.size(), 50);
    int withBlankLines = 0;
    for (const Challenge &challenge : course) {
        QVERIFY2(challenge.text.size() >= 4 && challenge.text.size() <= 1441,
                 qPrintable(challenge.name));
        QVERIFY2(challenge.text.trimmed() == challenge.text, qPrintable(challenge.name));
        if (challenge.text.contains(u"\n\n"_s))
            ++withBlankLines;
        if (challenge.name.startsWith(u"What's in a name?"_s)) {
            QVERIFY(challenge.text.contains(u"zindle"_s));
            QCOMPARE(challenge.testCases, QStringList{u" => zindle"_s});
        }
        // Alphabet statements say how letters and line breaks are numbered.
        if (challenge.testType == u"alpha")
            QVERIFY2(challenge.text.contains(u"z = 26"_s)
                     && challenge.text.contains(u"line break"_s), qPrintable(challenge.name));
        // A limit the test enforces is one the player is told about.
        if (challenge.programLength > 0)
            QVERIFY2(challenge.text.contains(QString::number(challenge.programLength)
                                             + u" commands"_s),
                     qPrintable(challenge.name));
    }
    QVERIFY(withBlankLines >= 5);
    QCOMPARE(course.at(48).text, u"...?"_s);
    QVERIFY(course.at(25).text.contains(u"4 8 15 16"_s));
    const QString passwords = course.at(44).text;
    for (const char *pair : {"alice wonderland", "bob builder", "carol singer", "dave diver",
                             "eve apple", "mallory intruder"})
        QVERIFY2(passwords.contains(QLatin1String(pair)), pair);
}

void tst_CourseGen::caseLines()
{
    static const QRegularExpression normal(
        u"^((0|[1-9][0-9]*)(,(0|[1-9][0-9]*))*)? => ((0|[1-9][0-9]*)(,(0|[1-9][0-9]*))*)?$"_s);
    static const QRegularExpression alpha(u"^([a-z]|\\\\n)* => [a-z]*$"_s);
    static const QRegularExpression number(u"[0-9]+"_s);

    const QList<Challenge> course = shippedCourse();
    QCOMPARE(course.size(), 50);
    for (const Challenge &challenge : course) {
        for (const QString &line : challenge.testCases) {
            const QByteArray where = (challenge.name + u": "_s + line.left(60)).toUtf8();
            if (challenge.testType == u"normal") {
                QVERIFY2(normal.match(line).hasMatch(), where.constData());
                for (const QRegularExpressionMatch &match : number.globalMatch(line))
                    QVERIFY2(match.captured().toInt() <= 33713, where.constData());
            } else if (challenge.testType == u"alpha") {
                QVERIFY2(alpha.match(line).hasMatch(), where.constData());
            } else {
                QCOMPARE(challenge.testType, u"nim"_s);
            }
        }
        QCOMPARE(challenge.testCases.size(),
                 QSet<QString>(challenge.testCases.begin(), challenge.testCases.end()).size());
    }
    QCOMPARE(course.at(49).testCases.constFirst(), u"generated data 0"_s);
    QCOMPARE(course.at(49).testCases.constLast(), u"generated data 49"_s);

    // The lines quoted to players and developers as examples are part of the course.
    QVERIFY(course.at(22).testCases.contains(u"6,8,2,0,1,2,3,0 => 6,8,2"_s));
    QVERIFY(course.at(37).testCases.contains(u"1,20,0 => 20"_s));
    QVERIFY(course.at(43).testCases.contains(u"0 => "_s));
    QVERIFY(course.at(29).testCases.contains(u"shone => fubar"_s));
    QVERIFY(course.at(34).testCases.contains(u"software => sftwr"_s));
    QVERIFY(course.at(46).testCases.contains(u"redivider => y"_s));
}

QTEST_GUILESS_MAIN(tst_CourseGen)
#include "tst_coursegen.moc"
