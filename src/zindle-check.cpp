// zindle-check: tests a program file against a challenge of the course without a window,
// with the same machine, test handlers and rules as the workbench's Test button.

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/coursecheck.h"
#include "window/programfile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

enum ExitCode { Passed = 0, Failed = 1, Unusable = 2 };

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
                         const QString &tape, const QString &limit, const QString &type, const QString &cases) {
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
    // The test handlers write into text panes; none is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::srand(unsigned(std::time(nullptr)));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"zindle-check"_s);

    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Tests a brainfuck program against a challenge of the Zindle course."_s);
    parser.addHelpOption();
    const QCommandLineOption listOption(u"list"_s, u"Print the challenges of the course."_s);
    const QCommandLineOption challengeOption(u"challenge"_s, u"The challenge, by row or by name."_s,
                                             u"ROW|NAME"_s);
    const QCommandLineOption stepsOption(u"max-steps"_s,
                                         u"Steps allowed per case before it fails (default %1)."_s
                                                 .arg(CourseCheck::DefaultMaximumSteps),
                                         u"N"_s);
    const QCommandLineOption allOption(u"all"_s, u"Run every case, not only up to the first failure."_s);
    parser.addOptions({listOption, challengeOption, stepsOption, allOption});
    parser.addPositionalArgument(u"program"_s, u"The program file to test."_s, u"[PROGRAM.bf]"_s);

    const auto usageError = [&](const QString &message) {
        print(err, u"zindle-check: %1"_s.arg(message));
        print(err, u"Usage: zindle-check --list | --challenge ROW|NAME [--max-steps N] [--all] PROGRAM.bf"_s);
        return Unusable;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(u"help"_s))
        parser.showHelp(Passed);

    QFile course(u":/challenges.xml"_s);
    if (course.open(QIODevice::ReadOnly)) {
        ChallengeLoader loader(&course);
        loader.read();
    }
    if (challengeList().isEmpty()) {
        print(err, u"zindle-check: the course could not be read."_s);
        return Unusable;
    }

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(listOption)) {
        if (parser.isSet(challengeOption) || !positional.isEmpty())
            return usageError(u"--list takes no challenge and no program."_s);
        listCourse(out);
        return Passed;
    }
    if (!parser.isSet(challengeOption))
        return usageError(u"either --list or --challenge is needed."_s);
    if (positional.size() != 1)
        return usageError(u"exactly one program file is needed."_s);

    const int row = findChallenge(parser.value(challengeOption));
    if (row < 0)
        return usageError(u"no challenge \"%1\"; --list shows the course."_s.arg(parser.value(challengeOption)));

    qint64 maximumSteps = CourseCheck::DefaultMaximumSteps;
    if (parser.isSet(stepsOption)) {
        bool valid = false;
        maximumSteps = parser.value(stepsOption).toLongLong(&valid);
        if (!valid || maximumSteps < 1)
            return usageError(u"--max-steps needs a positive number."_s);
    }

    QString program;
    QString error;
    if (!readProgramFile(positional.first(), &program, &error)) {
        print(err, u"zindle-check: cannot read %1: %2"_s.arg(positional.first(), error));
        return Unusable;
    }

    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
    CourseCheck check(&inputPane, &outputPane);
    check.setMaximumSteps(maximumSteps);
    check.setStopsAtFirstFailure(!parser.isSet(allOption));

    const Challenge &challenge = challengeList().at(row);
    const CheckResult result = check.check(challenge, program);
    print(out, u"Challenge %1, %2: program of %3 commands"_s.arg(QString::number(row), challenge.name,
                                                                  QString::number(result.commandCount)));
    if (result.outcome == CheckResult::TooLong || result.outcome == CheckResult::NoTest) {
        print(out, result.message);
        print(out, u"FAIL: no case was run."_s);
        return result.outcome == CheckResult::TooLong ? Failed : Unusable;
    }

    int passed = 0;
    for (int i = 0; i < result.cases.size(); ++i) {
        const CaseResult &caseResult = result.cases.at(i);
        if (caseResult.passed())
            ++passed;
        print(out, u"case %1: %2 (%3 commands)"_s.arg(QString::number(i + 1), caseResult.text(),
                                                        QString::number(caseResult.commands)));
    }
    if (result.outcome == CheckResult::Passed) {
        print(out, u"PASS: %1 of %2 cases passed."_s.arg(passed).arg(result.caseCount));
        return Passed;
    }
    if (result.cases.size() < result.caseCount)
        print(out, u"FAIL: case %1 of %2 failed; the rest were not run."_s.arg(result.cases.size()).arg(result.caseCount));
    else
        print(out, u"FAIL: %1 of %2 cases passed."_s.arg(passed).arg(result.caseCount));
    return Failed;
}
