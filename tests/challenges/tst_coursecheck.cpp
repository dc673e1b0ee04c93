// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/coursecheck.h"
#include "interpreter/programtext.h"
#include "challenges/challenge.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Challenge)
Q_DECLARE_METATYPE(CheckResult::Outcome)

namespace {

Challenge challenge(const QString &type, const QStringList &cases, int tapeLength = 10,
                    int programLength = 0)
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

struct CheckRun
{
    bool finished = false;
    int exitCode = -1;
    QString output;
    QString errors;
};

// Runs the checker as a script would: without a display unless `environment` (NAME=value
// items) names one, with `input` on its standard input. `program` may stand in for it, with the
// checker in $Z.
CheckRun runCheck(const QStringList &arguments, const QStringList &environment = {},
                  const QByteArray &input = {},
                  const QString &program = QStringLiteral(ZINDLE_CHECK_PROGRAM))
{
    QProcess process;
    // The checker must find its own way without a display.
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.remove(u"QT_QPA_PLATFORM"_s);
    variables.remove(u"DISPLAY"_s);
    variables.remove(u"WAYLAND_DISPLAY"_s);
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    variables.insert(u"Z"_s, QStringLiteral(ZINDLE_CHECK_PROGRAM));
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    CheckRun run;
    run.finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class tst_CourseCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void check_data();
    void check();
    void stepsCounted_data();
    void stepsCounted();
    void everyCase();
    void machineProgram();
    void commandLine_data();
    void commandLine();
    void hostileSurroundings_data();
    void hostileSurroundings();
    void fromTheShell_data();
    void fromTheShell();
    void jsonReport();
    void junitReport();

private:
    // A program over Squares' length limit, one that crashes, and the course's own solution.
    QStringList squaresPrograms();
    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
    QTemporaryDir files;
};

void tst_CourseCheck::initTestCase()
{
    QVERIFY(files.isValid());
}

void tst_CourseCheck::check_data()
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
    QTest::newRow("bad input") << challenge(u"normal"_s, {u" => "_s}) << u","_s << steps
                               << CheckResult::Failed << QStringList{u"Bad input!"_s} << QString();
    QTest::newRow("unmatched loop") << challenge(u"normal"_s, {u" => "_s}) << u"]"_s << steps
                                    << CheckResult::Failed << QStringList{u"Unmatched loop!"_s}
                                    << QString();
    QTest::newRow("left edge") << challenge(u"normal"_s, {u" => "_s}) << u"<"_s << steps
                               << CheckResult::Failed
                               << QStringList{u"Invalid move over left side of tape!"_s}
                               << QString();
    QTest::newRow("beyond the challenge's tape")
        << challenge(u"normal"_s, {u" => "_s}, 3) << u">>>"_s << steps << CheckResult::Failed
        << QStringList{u"Invalid move over right side of tape!"_s} << QString();
    QTest::newRow("last cell of the challenge's tape") << challenge(u"normal"_s, {u" => "_s}, 4)
                                                       << u">>>"_s << steps << CheckResult::Passed
                                                       << QStringList{u"pass"_s} << QString();
    QTest::newRow("cells wrap at 33713") << challenge(u"normal"_s, {u" => 33713,0"_s}) << u"-.+."_s
                                         << steps << CheckResult::Passed << QStringList{u"pass"_s}
                                         << QString();
    QTest::newRow("never ends") << challenge(u"normal"_s, {u" => "_s, u" => "_s}) << u"+[]"_s
                                << steps << CheckResult::Failed
                                << QStringList{u"The program did not end within the step limit!"_s}
                                << QString();
    // one command and the step that finds the end
    QTest::newRow("ends on the last step allowed") << challenge(u"normal"_s, {u" => "_s}) << u"+"_s
                                                   << qint64(2) << CheckResult::Passed
                                                   << QStringList{u"pass"_s} << QString();
    QTest::newRow("exactly at the length limit")
            << challenge(u"normal"_s, {u" => 1"_s}, 10, 2) << u"add one + write . @@ stop"_s
            << steps << CheckResult::Passed << QStringList{u"pass"_s} << QString();
    QTest::newRow("one command too many")
            << challenge(u"normal"_s, {u" => 1"_s}, 10, 2) << u"+.+"_s << steps
            << CheckResult::TooLong << QStringList()
            << u"Your program is 3 commands. This task requires a program of 2 or less commands."_s;
    QTest::newRow("alpha") << challenge(u"alpha"_s, {u" => a"_s}) << u"+."_s << steps
                           << CheckResult::Passed << QStringList{u"pass"_s} << QString();
    QTest::newRow("nim") << challenge(u"nim"_s, {u"generated data 0"_s}) << u",,,"_s << steps
                         << CheckResult::Failed << QStringList{incomplete} << QString();
    QTest::newRow("type compared exactly") << challenge(u"Normal"_s, {u" => "_s}) << QString()
                                           << steps << CheckResult::NoTest << QStringList()
                                           << u"This challenge cannot be tested: its test type "
                                              u"\"Normal\" is unknown."_s;
    QTest::newRow("no cases") << challenge(u"normal"_s, {}) << QString() << steps
                              << CheckResult::NoTest << QStringList()
                              << u"This challenge cannot be tested: it has no test cases."_s;
}

void tst_CourseCheck::check()
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

void tst_CourseCheck::stepsCounted_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<qint64>("steps");

    QTest::newRow("loop of three passes") << u"+++[-]"_s << qint64(3 + 1 + 3 * 2);
    QTest::newRow("comments are no steps") << u"three +++ then clear [-] done"_s << qint64(10);
    QTest::newRow("breakpoints are steps") << u"+@+"_s << qint64(3);
    QTest::newRow("crash counts the failing command") << u"+<"_s << qint64(2);
    QTest::newRow("open loop found at the end") << u"+["_s << qint64(2);
    QTest::newRow("never ends") << u"+[]"_s << qint64(500);
}

void tst_CourseCheck::stepsCounted()
{
    QFETCH(QString, program);
    QFETCH(qint64, steps);

    CourseCheck check(&inputPane, &outputPane);
    check.setMaximumSteps(500);
    const CheckResult result = check.check(challenge(u"normal"_s, {u" => "_s}), program);
    QCOMPARE(result.cases.size(), 1);
    QCOMPARE(result.cases.first().steps, steps);
}

void tst_CourseCheck::everyCase()
{
    CourseCheck check(&inputPane, &outputPane);
    check.setStopsAtFirstFailure(false);
    const CheckResult result =
            check.check(challenge(u"normal"_s, {u" => 1"_s, u" => 2"_s, u" => 1"_s}), u"+."_s);
    QCOMPARE(result.outcome, CheckResult::Failed);
    QCOMPARE(caseTexts(result), (QStringList{u"pass"_s, u"Bad output!"_s, u"pass"_s}));
}

void tst_CourseCheck::machineProgram()
{
    const QString text = u"a+b\n@[c]\t,.<>-\u00e9"_s;
    QCOMPARE(::machineProgram(text), u" +  @[ ] ,.<>- "_s);
    QCOMPARE(countCommands(text), 8);
}

void tst_CourseCheck::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines");

    const QString echo = u"read , and write it . back"_s;
    QTest::newRow("pass by row") << QStringList{u"--challenge"_s, u"2"_s} << echo << 0
                                 << QStringList{u"Challenge 2, Echo: program of 2 commands"_s,
                                                u"case 1: pass (2 commands)"_s,
                                                u"case 6: pass (2 commands)"_s,
                                                u"PASS: 6 of 6 cases passed."_s};
    QTest::newRow("pass by name") << QStringList{u"--challenge"_s, u"Echo"_s} << echo << 0
                                  << QStringList{u"PASS: 6 of 6 cases passed."_s};
    QTest::newRow("name in any case") << QStringList{u"--challenge=echo"_s} << echo << 0
                                      << QStringList{u"PASS: 6 of 6 cases passed."_s};
    QTest::newRow("fail") << QStringList{u"--challenge"_s, u"2"_s} << u","_s << 1
                          << QStringList{u"case 1: %1 (1 commands)"_s.arg(incomplete),
                                         u"FAIL: case 1 of 6 failed; the rest were not run."_s};
    QTest::newRow("fail, every case") << QStringList{u"--all"_s, u"--challenge"_s, u"2"_s} << u","_s
                                      << 1
                                      << QStringList{u"case 6: %1 (1 commands)"_s.arg(incomplete),
                                                     u"FAIL: 0 of 6 cases passed."_s};
    QTest::newRow("first difference")
        << QStringList{u"--challenge"_s, u"2"_s} << u",+."_s << 1
        << QStringList{u"case 1: Bad output! (3 commands); expected 0, wrote 1 (value 1)"_s};
    QTest::newRow("too long") << QStringList{u"--challenge"_s, u"28"_s} << QString(33, u'+') << 1
                              << QStringList{u"Your program is 33 commands. This task requires a "
                                             u"program of 32 or less commands."_s};
    QTest::newRow("never ends") << QStringList{u"--max-steps"_s, u"1000"_s, u"--challenge"_s,
                                               u"0"_s}
                                << u"+[]"_s << 1
                                << QStringList{u"case 1: The program did not end within the step "
                                               u"limit! (1000 commands)"_s};
    QTest::newRow("list") << QStringList{u"--list"_s} << QString() << 0
                          << QStringList{u" 49  Nim  "_s, u"Row  Name  "_s};
    QTest::newRow("no arguments") << QStringList() << QString() << 2
                                  << QStringList{u"either --list or --challenge is needed"_s};
    QTest::newRow("no program") << QStringList{u"--challenge"_s, u"2"_s} << QString() << 2
                                << QStringList{u"a program file is needed"_s};
    QTest::newRow("unknown challenge") << QStringList{u"--challenge"_s, u"50"_s} << echo << 2
                                       << QStringList{u"no challenge \"50\""_s};
    QTest::newRow("unknown name") << QStringList{u"--challenge"_s, u"Echo four"_s} << echo << 2
                                  << QStringList{u"no challenge \"Echo four\""_s};
    QTest::newRow("bad step limit")
        << QStringList{u"--max-steps"_s, u"0"_s, u"--challenge"_s, u"2"_s} << echo << 2
        << QStringList{u"--max-steps needs a positive number"_s};
    QTest::newRow("unknown option") << QStringList{u"--challange"_s, u"2"_s} << echo << 2
                                    << QStringList{u"challange"_s};
    QTest::newRow("list and a program")
        << QStringList{u"--list"_s} << echo << 2
        << QStringList{u"--list takes no challenge and no program"_s};
    QTest::newRow("unreadable file") << QStringList{u"--challenge"_s, u"2"_s, u"no such file.bf"_s}
                                     << QString() << 2
                                     << QStringList{u"cannot read no such file.bf"_s};
}

void tst_CourseCheck::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, program);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);

    if (!program.isEmpty()) {
        const QString fileName = files.filePath(u"program.bf"_s);
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        file.write(program.toUtf8() + '\n');
        file.close();
        arguments.append(fileName);
    }

    const CheckRun run = runCheck(arguments);
    QVERIFY2(run.finished, "zindle-check did not finish");
    const QString &output = run.output;
    const QString &errors = run.errors;
    QVERIFY2(run.exitCode == exitCode, qPrintable(output + errors));
    // Usage errors go to the standard error stream, everything else to the standard output.
    const QString &expectedIn = exitCode == 2 ? errors : output;
    for (const QString &line : lines)
        QVERIFY2(expectedIn.contains(line), qPrintable(output + errors));
}

QStringList tst_CourseCheck::squaresPrograms()
{
    const auto write = [this](const QString &name, const QByteArray &text) {
        QFile file(files.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(text);
        return file.fileName();
    };
    return {write(u"long.bf"_s, QByteArray(33, '+')), write(u"crash.bf"_s, "<"),
            qEnvironmentVariable("ZINDLE_SOURCE_DIR")
                + u"/tests/challenges/solutions/28-squares.bf"_s};
}

void tst_CourseCheck::hostileSurroundings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("input");

    const QStringList echo{u"--challenge"_s, u"2"_s, u"/dev/stdin"_s};
    const QByteArray program = "read , and write it . back\r\n";
    QTest::newRow("program from a pipe") << echo << QStringList() << program;
    QTest::newRow("platform that cannot start") << echo << QStringList{u"QT_QPA_PLATFORM=xcb"_s}
                                                << program;
    QTest::newRow("platform option") << QStringList{u"-platform"_s, u"wayland"_s} + echo
                                     << QStringList() << program;
    QTest::newRow("no runtime folder") << echo << QStringList{u"XDG_RUNTIME_DIR="_s} << program;
}

// The checker needs no display, no graphical platform and no runtime folder, and says nothing
// on its error stream when all is well.
void tst_CourseCheck::hostileSurroundings()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, input);

    const CheckRun run = runCheck(arguments, environment, input);
    QVERIFY2(run.finished, "zindle-check did not finish");
    QVERIFY2(run.exitCode == 0, qPrintable(run.output + run.errors));
    QVERIFY2(run.output.contains(u"PASS: 6 of 6 cases passed."_s), qPrintable(run.output));
    QCOMPARE(run.errors, QString());
}

void tst_CourseCheck::fromTheShell_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    // The first line of the error stream, and how many lines it has.
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("errorLines");

    const QString full = u"zindle-check: cannot write the report: No space left on device"_s;
    QTest::newRow("text to a full disk") << u"$Z --challenge 2 echo.bf >/dev/full"_s << 2
                                         << QString() << full << 1;
    QTest::newRow("junit to a full disk")
        << u"$Z --format junit --challenge 2 echo.bf >/dev/full"_s << 2 << QString() << full << 1;
    QTest::newRow("list to a full disk") << u"$Z --list >/dev/full"_s << 2 << QString() << full
                                         << 1;
    QTest::newRow("output closed")
        << u"$Z --challenge 2 echo.bf >&-"_s << 2 << QString()
        << u"zindle-check: cannot write the report: Bad file descriptor"_s << 1;
    QTest::newRow("dash is the standard input") << u"$Z --challenge 2 - <echo.bf"_s << 0
                                                << u"PASS: 6 of 6"_s << QString() << 0;
    QTest::newRow("name that is no text")
        << u"name=$(printf 'bad\\377.bf'); cp echo.bf \"$name\"; $Z --challenge 2 \"$name\""_s
        << 0 << u"PASS: 6 of 6"_s << QString() << 0;
    QTest::newRow("control characters in a name")
        << u"name=$(printf 'a\\033[2Jb.bf'); cp echo.bf \"$name\"; "
           u"$Z --challenge 2 echo.bf \"$name\""_s
        << 0 << u"File a\\x1b[2Jb.bf\n"_s << QString() << 0;
    QTest::newRow("empty name") << u"$Z --challenge 2 ''"_s << 2 << QString()
                                << u"zindle-check: cannot read : the file name is empty"_s << 1;
    QTest::newRow("option twice") << u"$Z --challenge 2 --challenge=3 echo.bf"_s << 2 << QString()
                                  << u"zindle-check: --challenge is given more than once."_s << 2;
}

// As a shell script uses it: output that cannot be written, names as the system gives them.
void tst_CourseCheck::fromTheShell()
{
    QFETCH(QString, script);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QFETCH(int, errorLines);

    const CheckRun run =
        runCheck({u"-c"_s, u"cd \"$0\" && printf ',.' >echo.bf && "_s + script, files.path()},
                 {}, {}, u"/bin/sh"_s);
    QVERIFY2(run.finished, "the shell did not finish");
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.output + run.errors));
    QVERIFY2(run.output.contains(output), qPrintable(run.output));
    QCOMPARE(run.errors.section(u'\n', 0, 0), error);
    QCOMPARE(run.errors.count(u'\n'), errorLines);
}

void tst_CourseCheck::jsonReport()
{
    const QStringList programs = squaresPrograms();
    const CheckRun run = runCheck(QStringList{u"--format=json"_s, u"--challenge=28"_s} + programs);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.output.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QList<QJsonObject> reports;
    for (const QString &line : lines) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
        reports.append(document.object());
    }
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(reports.at(i).value(u"file"_s).toString(), programs.at(i));
        QCOMPARE(reports.at(i).value(u"challenge"_s).toString(), u"Squares"_s);
        QCOMPARE(reports.at(i).value(u"limit"_s).toInt(), 32);
    }

    const QJsonObject &tooLong = reports.at(0);
    QCOMPARE(tooLong.value(u"verdict"_s).toString(), u"fail"_s);
    QCOMPARE(tooLong.value(u"commands"_s).toInt(), 33);
    QVERIFY(tooLong.value(u"message"_s).toString().startsWith(u"Your program is 33 commands."_s));
    QVERIFY(tooLong.value(u"cases"_s).toArray().isEmpty());

    const QJsonObject &crash = reports.at(1);
    QCOMPARE(crash.value(u"verdict"_s).toString(), u"fail"_s);
    const QJsonArray crashCases = crash.value(u"cases"_s).toArray();
    QCOMPARE(crashCases.size(), 1);
    const QJsonObject crashCase = crashCases.first().toObject();
    QCOMPARE(crashCase.value(u"number"_s).toInt(), 1);
    QCOMPARE(crashCase.value(u"verdict"_s).toString(), u"fail"_s);
    QCOMPARE(crashCase.value(u"steps"_s).toInteger(), 1);
    QCOMPARE(crashCase.value(u"crash"_s).toString(), u"Invalid move over left side of tape!"_s);
    // Squares' first case: input 0, no output expected, and the crash came before any.
    const auto list = [](const QJsonValue &value) {
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    };
    QCOMPARE(list(crashCase[u"input"_s]), R"({"more":0,"values":[0]})");
    QCOMPARE(list(crashCase[u"expected"_s]), R"({"more":0,"values":[]})");
    QCOMPARE(list(crashCase[u"written"_s]), R"({"more":0,"values":[]})");
    QVERIFY(crashCase[u"firstDifference"_s].isNull());

    const QJsonObject &pass = reports.at(2);
    QCOMPARE(pass.value(u"verdict"_s).toString(), u"pass"_s);
    const QJsonArray passCases = pass.value(u"cases"_s).toArray();
    QCOMPARE(passCases.size(), 9);
    qint64 steps = 0;
    for (const QJsonValue &entry : passCases) {
        QCOMPARE(entry[u"verdict"_s].toString(), u"pass"_s);
        QVERIFY(!entry.toObject().contains(u"crash"_s));
        steps += entry[u"steps"_s].toInteger();
    }
    QCOMPARE(pass.value(u"steps"_s).toInteger(), steps);
    // The course's own solution is exactly on par.
    const QJsonObject par = pass.value(u"par"_s).toObject();
    QCOMPARE(par.value(u"commands"_s).toInt(), pass.value(u"commands"_s).toInt());
    QCOMPARE(par.value(u"steps"_s).toInteger(), steps);
}

void tst_CourseCheck::junitReport()
{
    const QStringList programs = squaresPrograms();
    const CheckRun run =
        runCheck(QStringList{u"--format"_s, u"junit"_s, u"--challenge"_s, u"Squares"_s}
                                  + programs);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);

    // Per testsuite: its attributes and properties, then one line per testcase.
    QList<QStringList> suites;
    QXmlStreamReader reader(run.output);
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.name(), u"testsuites"_s);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const auto value = [&](const QString &name) { return attributes.value(name).toString(); };
        if (reader.name() == u"testsuite")
            suites.append({value(u"name"_s), u"tests %1 failures %2 errors %3 skipped %4"_s.arg(
                                                     value(u"tests"_s), value(u"failures"_s),
                                                     value(u"errors"_s), value(u"skipped"_s))});
        else if (reader.name() == u"property")
            suites.last().append(value(u"name"_s) + u'=' + value(u"value"_s));
        else if (reader.name() == u"testcase")
            suites.last().append(value(u"name"_s));
        else if (reader.name() == u"failure" || reader.name() == u"skipped")
            suites.last().last() += u' ' + reader.name().toString() + u' ' + value(u"message"_s);
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(suites.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(suites.at(i).first(), programs.at(i));
        QVERIFY(suites.at(i).contains(u"challenge=Squares"_s));
        QVERIFY(suites.at(i).contains(u"limit=32"_s));
    }

    const QStringList &tooLong = suites.at(0);
    QCOMPARE(tooLong.at(1), u"tests 9 failures 9 errors 0 skipped 0"_s);
    QVERIFY(tooLong.contains(u"commands=33"_s));
    QVERIFY(tooLong.last().startsWith(u"case 9 failure Your program is 33 commands."_s));

    const QStringList &crash = suites.at(1);
    QCOMPARE(crash.at(1), u"tests 9 failures 1 errors 0 skipped 8"_s);
    // A case's properties follow its name; its failure goes with the last line it has.
    const qsizetype first = crash.indexOf(u"case 1"_s);
    QVERIFY(first > 0);
    QCOMPARE(crash.at(first + 1), u"steps=1 failure Invalid move over left side of tape!"_s);
    QCOMPARE(crash.last(), u"case 9 skipped not run after an earlier failure"_s);

    const QStringList &pass = suites.at(2);
    QCOMPARE(pass.at(1), u"tests 9 failures 0 errors 0 skipped 0"_s);
    QVERIFY(pass.contains(u"par.commands=30"_s));
    QVERIFY(!pass.join(u'\n').contains(u" failure "_s));
}

QTEST_MAIN(tst_CourseCheck)
#include "tst_coursecheck.moc"
