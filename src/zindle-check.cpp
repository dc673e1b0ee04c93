// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zindle-check: tests a program file against a challenge of the course without a window,
// with the same machine, test handlers and rules as the workbench's Test button.

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/checkreport.h"
#include "challenges/coursecheck.h"
#include "io/programfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

void print(QTextStream &stream, const QString &line)
{
    stream << line << u'\n';
    stream.flush();
}

int findChallenge(const QString &key)
{
    const QList<Challenge> &challenges = challengeList();
    bool isRow = false;
    const int row = key.toInt(&isRow);
    if (isRow)
        return row >= 0 && row < challenges.size() ? row : -1;
    for (int i = 0; i < challenges.size(); ++i) {
        if (challenges.at(i).name == key)
            return i;
    }
    for (int i = 0; i < challenges.size(); ++i) {
        if (challenges.at(i).name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void listCourse(QTextStream &out)
{
    const QList<Challenge> &challenges = challengeList();
    int nameWidth = 4;
    for (const Challenge &challenge : challenges)
        nameWidth = std::max(nameWidth, int(challenge.name.size()));
    // Left-aligned texts, right-aligned numbers; a negative width aligns left.
    const auto row = [&](const QString &number, const QString &name, const QString &difficulty,
                         const QString &tape, const QString &limit, const QString &type,
                         const QString &cases) {
        print(out, u"%1  %2  %3  %4  %5  %6  %7"_s.arg(number, 3)
                       .arg(name, -nameWidth)
                       .arg(difficulty, 10)
                       .arg(tape, 5)
                       .arg(limit, 5)
                       .arg(type, -6)
                       .arg(cases, 5));
    };
    row(u"Row"_s, u"Name"_s, u"Difficulty"_s, u"Tape"_s, u"Limit"_s, u"Type"_s, u"Cases"_s);
    for (int i = 0; i < challenges.size(); ++i) {
        const Challenge &challenge = challenges.at(i);
        row(QString::number(i), challenge.name, QString::number(challenge.difficulty),
            QString::number(challenge.tapeLength),
            challenge.programLength != 0 ? QString::number(challenge.programLength) : u"-"_s,
            challenge.testType, QString::number(challenge.testCases.size()));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing here is shown, so no display and no graphical platform is needed or started,
    // whatever the environment names.
    std::srand(unsigned(std::time(nullptr)));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"zindle-check"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZINDLE_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Tests a brainfuck program against a challenge of the Zindle course."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listOption(u"list"_s, u"Print the challenges of the course."_s);
    const QCommandLineOption challengeOption(u"challenge"_s, u"The challenge, by row or by name."_s,
                                             u"ROW|NAME"_s);
    const QCommandLineOption stepsOption(u"max-steps"_s,
                                         u"Steps allowed per case before it fails (default %1)."_s
                                                 .arg(CourseCheck::DefaultMaximumSteps),
                                         u"N"_s);
    const QCommandLineOption allOption(u"all"_s,
                                       u"Run every case, not only up to the first failure."_s);
    const QCommandLineOption formatOption(
            u"format"_s,
            u"Report as text (the default), json (one object per line and program) or junit "
            u"(one testsuite per program)."_s,
            u"text|json|junit"_s, u"text"_s);
    // Accepted, as graphical Qt programs accept it, and ignored.
    QCommandLineOption platformOption(u"platform"_s, u"Ignored: no graphical platform is used."_s,
                                      u"NAME"_s);
    platformOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({listOption, challengeOption, stepsOption, allOption, formatOption,
                       platformOption});
    parser.addPositionalArgument(u"programs"_s, u"The program files to test, one after another."_s,
                                 u"[PROGRAM.bf...]"_s);

    const auto usageError = [&](const QString &message) {
        print(err, u"zindle-check: %1"_s.arg(message));
        print(err, u"Usage: zindle-check --list | --challenge ROW|NAME [--max-steps N] [--all] "
                   u"[--format text|json|junit] PROGRAM.bf..."_s);
        return CheckReport::Unusable;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(u"help"_s))
        parser.showHelp(CheckReport::Passed);
    if (parser.isSet(u"version"_s))
        parser.showVersion();

    QFile course(u":/challenges.xml"_s);
    if (course.open(QIODevice::ReadOnly)) {
        ChallengeLoader loader(&course);
        loader.read();
    }
    if (challengeList().isEmpty()) {
        print(err, u"zindle-check: the course could not be read."_s);
        return CheckReport::Unusable;
    }

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(listOption)) {
        if (parser.isSet(challengeOption) || !positional.isEmpty())
            return usageError(u"--list takes no challenge and no program."_s);
        listCourse(out);
        return CheckReport::Passed;
    }
    if (!parser.isSet(challengeOption))
        return usageError(u"either --list or --challenge is needed."_s);
    if (positional.isEmpty())
        return usageError(u"a program file is needed."_s);

    const int row = findChallenge(parser.value(challengeOption));
    if (row < 0)
        return usageError(u"no challenge \"%1\"; --list shows the course."_s
                              .arg(parser.value(challengeOption)));

    CheckReport::Format format = CheckReport::Text;
    if (!CheckReport::formatFromName(parser.value(formatOption), &format))
        return usageError(u"--format is text, json or junit."_s);

    qint64 maximumSteps = CourseCheck::DefaultMaximumSteps;
    if (parser.isSet(stepsOption)) {
        bool valid = false;
        maximumSteps = parser.value(stepsOption).toLongLong(&valid);
        if (!valid || maximumSteps < 1)
            return usageError(u"--max-steps needs a positive number."_s);
    }

    CourseCheck check;
    check.setMaximumSteps(maximumSteps);
    check.setStopsAtFirstFailure(!parser.isSet(allOption));

    CheckReport report(format, &out, &err);
    report.setNamesFiles(positional.size() > 1);
    report.begin();
    for (const QString &fileName : positional) {
        CheckedProgram checked;
        checked.fileName = fileName;
        checked.row = row;
        checked.challenge = challengeList().at(row);
        QString program;
        if (readProgramFile(fileName, &program, &checked.readError))
            checked.result = check.check(checked.challenge, program);
        else if (checked.readError.isEmpty())
            checked.readError = u"unreadable"_s;
        report.add(checked);
    }
    report.end();
    return report.exitCode();
}
