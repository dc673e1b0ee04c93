// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zindle-check: tests a program file against a challenge of the course without a window,
// with the same machine, test handlers and rules as the workbench's Test button.

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/checkreport.h"
#include "challenges/coursecheck.h"
#include "io/programfile.h"
#include "io/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

// zindle-check's own messages.
struct ZindleCheck
{
    Q_DECLARE_TR_FUNCTIONS(ZindleCheck)
};

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
    row(ZindleCheck::tr("Row"), ZindleCheck::tr("Name"), ZindleCheck::tr("Difficulty"),
        ZindleCheck::tr("Tape"), ZindleCheck::tr("Limit"), ZindleCheck::tr("Type"),
        ZindleCheck::tr("Cases"));
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
    installTranslations(QLocale());

    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        ZindleCheck::tr("Tests a brainfuck program against a challenge of the Zindle course."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listOption(u"list"_s,
                                        ZindleCheck::tr("Print the challenges of the course."));
    const QCommandLineOption challengeOption(
            u"challenge"_s, ZindleCheck::tr("The challenge, by row or by name."), u"ROW|NAME"_s);
    const QCommandLineOption stepsOption(
            u"max-steps"_s,
            ZindleCheck::tr("Steps allowed per case before it fails (default %1).")
                    .arg(CourseCheck::DefaultMaximumSteps),
            u"N"_s);
    const QCommandLineOption allOption(
            u"all"_s, ZindleCheck::tr("Run every case, not only up to the first failure."));
    const QCommandLineOption formatOption(
            u"format"_s,
            ZindleCheck::tr("Report as text (the default), json (one object per line and "
                            "program) or junit (one testsuite per program)."),
            u"text|json|junit"_s, u"text"_s);
    // Accepted, as graphical Qt programs accept it, and ignored.
    QCommandLineOption platformOption(
            u"platform"_s, ZindleCheck::tr("Ignored: no graphical platform is used."), u"NAME"_s);
    platformOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({listOption, challengeOption, stepsOption, allOption, formatOption,
                       platformOption});
    parser.addPositionalArgument(u"programs"_s,
                                 ZindleCheck::tr("The program files to test, one after another."),
                                 u"[PROGRAM.bf...]"_s);

    const auto usageError = [&](const QString &message) {
        print(err, u"zindle-check: %1"_s.arg(message));
        print(err, ZindleCheck::tr("Usage: zindle-check --list | --challenge ROW|NAME "
                                   "[--max-steps N] [--all] [--format text|json|junit] "
                                   "PROGRAM.bf..."));
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
        print(err, ZindleCheck::tr("zindle-check: the course could not be read."));
        return CheckReport::Unusable;
    }

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(listOption)) {
        if (parser.isSet(challengeOption) || !positional.isEmpty())
            return usageError(ZindleCheck::tr("--list takes no challenge and no program."));
        listCourse(out);
        return CheckReport::Passed;
    }
    if (!parser.isSet(challengeOption))
        return usageError(ZindleCheck::tr("either --list or --challenge is needed."));
    if (positional.isEmpty())
        return usageError(ZindleCheck::tr("a program file is needed."));

    const int row = findChallenge(parser.value(challengeOption));
    if (row < 0)
        return usageError(ZindleCheck::tr("no challenge \"%1\"; --list shows the course.")
                              .arg(parser.value(challengeOption)));

    CheckReport::Format format = CheckReport::Text;
    if (!CheckReport::formatFromName(parser.value(formatOption), &format))
        return usageError(ZindleCheck::tr("--format is text, json or junit."));

    qint64 maximumSteps = CourseCheck::DefaultMaximumSteps;
    if (parser.isSet(stepsOption)) {
        bool valid = false;
        maximumSteps = parser.value(stepsOption).toLongLong(&valid);
        if (!valid || maximumSteps < 1)
            return usageError(ZindleCheck::tr("--max-steps needs a positive number."));
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
            checked.readError = ZindleCheck::tr("unreadable");
        report.add(checked);
    }
    report.end();
    return report.exitCode();
}
