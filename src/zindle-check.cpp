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
#include <QStringDecoder>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// zindle-check's own messages.
struct ZindleCheck
{
    Q_DECLARE_TR_FUNCTIONS(ZindleCheck)
};

constexpr int Unusable = CheckReport::Unusable;
QString usage()
{
    return ZindleCheck::tr("Usage: zindle-check --list | --challenge ROW|NAME [--max-steps N] "
                           "[--all] [--format text|json|junit] PROGRAM.bf...");
}

// False when the line could not be written.
bool print(QTextStream &stream, const QString &line)
{
    stream << line << u'\n';
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

int usageError(QTextStream &err, const QString &message)
{
    print(err, ZindleCheck::tr("zindle-check: %1").arg(message));
    print(err, usage());
    return Unusable;
}

// What the checker prints is its result: output that did not arrive is a failure.
int writeError(QTextStream &out, QTextStream &err)
{
    const QIODevice *device = out.device();
    print(err, ZindleCheck::tr("zindle-check: cannot write the report: %1").arg(
                   device && !device->errorString().isEmpty() ? device->errorString()
                                                              : ZindleCheck::tr("write error")));
    return Unusable;
}

// A standard stream that was closed is opened read-only on /dev/null before anything else is
// opened, so that no program file takes its number and writing to it fails as it should.
void holdClosedStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
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

bool listCourse(QTextStream &out)
{
    const QList<Challenge> &challenges = challengeList();
    int nameWidth = 4;
    for (const Challenge &challenge : challenges)
        nameWidth = std::max(nameWidth, int(challenge.name.size()));
    // Left-aligned texts, right-aligned numbers; a negative width aligns left.
    const auto row = [&](const QString &number, const QString &name, const QString &difficulty,
                         const QString &tape, const QString &limit, const QString &type,
                         const QString &cases) {
        return print(out, u"%1  %2  %3  %4  %5  %6  %7"_s.arg(number, 3)
                              .arg(name, -nameWidth)
                              .arg(difficulty, 10)
                              .arg(tape, 5)
                              .arg(limit, 5)
                              .arg(type, -6)
                              .arg(cases, 5));
    };
    bool written = row(ZindleCheck::tr("Row"), ZindleCheck::tr("Name"),
                       ZindleCheck::tr("Difficulty"), ZindleCheck::tr("Tape"),
                       ZindleCheck::tr("Limit"), ZindleCheck::tr("Type"), ZindleCheck::tr("Cases"));
    for (int i = 0; i < challenges.size(); ++i) {
        const Challenge &challenge = challenges.at(i);
        written = row(QString::number(i), challenge.name, QString::number(challenge.difficulty),
                      QString::number(challenge.tapeLength),
                      challenge.programLength != 0 ? QString::number(challenge.programLength)
                                                   : u"-"_s,
                      challenge.testType, QString::number(challenge.testCases.size()))
                  && written;
    }
    return written;
}

// Every option the parser knows, for the check against repeated ones.
QList<QCommandLineOption> addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        ZindleCheck::tr("Tests a brainfuck program against a challenge of the Zindle course."));
    QList<QCommandLineOption> options{parser.addHelpOption(), parser.addVersionOption()};
    const QList<QCommandLineOption> own{
        {u"list"_s, ZindleCheck::tr("Print the challenges of the course.")},
        {u"challenge"_s, ZindleCheck::tr("The challenge, by row or by name."), u"ROW|NAME"_s},
        {u"max-steps"_s,
         ZindleCheck::tr("Steps allowed per case before it fails (default %1).").arg(
             CourseCheck::DefaultMaximumSteps),
         u"N"_s},
        {u"all"_s, ZindleCheck::tr("Run every case, not only up to the first failure.")},
        {u"format"_s,
         ZindleCheck::tr("Report as text (the default), json (one object per line and program) "
                         "or junit (one testsuite per program)."),
         u"text|json|junit"_s, u"text"_s},
    };
    parser.addOptions(own);
    // Accepted, as graphical Qt programs accept it, and ignored.
    QCommandLineOption platformOption(
            u"platform"_s, ZindleCheck::tr("Ignored: no graphical platform is used."), u"NAME"_s);
    platformOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(platformOption);
    parser.addPositionalArgument(u"programs"_s,
                                 ZindleCheck::tr("The program files to test, one after another; "
                                                 "- is the standard input."),
                                 u"[PROGRAM.bf...]"_s);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    return options + own + QList<QCommandLineOption>{platformOption};
}

// An option given twice would silently lose one of its values.
QString repeatedOption(const QCommandLineParser &parser,
                       const QList<QCommandLineOption> &options)
{
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption &option : options) {
        qsizetype count = 0;
        for (const QString &name : option.names())
            count += given.count(name);
        if (count > 1)
            return option.names().constLast();
    }
    return QString();
}

// The program files as the system gave them: a name that is no valid text in the locale's
// encoding still names a file. Positional arguments come in the order of argv.
QList<QByteArray> rawProgramNames(const QStringList &positional, int argc, char *argv[])
{
    QList<QByteArray> names;
    int next = 1;
    for (const QString &name : positional) {
        while (next < argc && QString::fromLocal8Bit(argv[next]) != name)
            ++next;
        names.append(next < argc ? QByteArray(argv[next++]) : QFile::encodeName(name));
    }
    return names;
}

// A name fit to be shown: bytes that are no valid text are written as escapes.
QString shownFileName(const QByteArray &raw)
{
    QStringDecoder decoder(QStringDecoder::System);
    const QString decoded = decoder.decode(raw);
    if (!decoder.hasError())
        return decoded;
    QString shown;
    for (char byte : raw) {
        const auto code = uchar(byte);
        shown += code < 0x80 ? QString(QChar(code)) : u"\\x%1"_s.arg(code, 2, 16, QChar(u'0'));
    }
    return shown;
}

bool readProgram(const QByteArray &raw, QString *program, QString *error)
{
    if (raw.isEmpty()) {
        *error = ZindleCheck::tr("the file name is empty");
        return false;
    }
    if (raw == "-")
        return readProgramFile(u"/dev/stdin"_s, program, error);
    const QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) == raw)
        return readProgramFile(name, program, error);
    // Opened by its bytes, then read through the number it was given.
    const int fd = ::open(raw.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    const bool read = readProgramFile(u"/dev/fd/%1"_s.arg(fd), program, error);
    ::close(fd);
    return read;
}

struct CheckOptions
{
    int row = -1;
    CheckReport::Format format = CheckReport::Text;
    qint64 maximumSteps = CourseCheck::DefaultMaximumSteps;
    bool all = false;
    QList<QByteArray> programs;
};

// The options of a check, or the exit status of a usage error.
std::optional<int> checkOptions(const QCommandLineParser &parser, QTextStream &err,
                                CheckOptions *options)
{
    if (!parser.isSet(u"challenge"_s))
        return usageError(err, ZindleCheck::tr("either --list or --challenge is needed."));
    if (parser.positionalArguments().isEmpty())
        return usageError(err, ZindleCheck::tr("a program file is needed."));
    options->row = findChallenge(parser.value(u"challenge"_s));
    if (options->row < 0)
        return usageError(err, ZindleCheck::tr("no challenge \"%1\"; --list shows the course.").arg(
                                   parser.value(u"challenge"_s)));
    if (!CheckReport::formatFromName(parser.value(u"format"_s), &options->format))
        return usageError(err, ZindleCheck::tr("--format is text, json or junit."));
    if (parser.isSet(u"max-steps"_s)) {
        bool valid = false;
        options->maximumSteps = parser.value(u"max-steps"_s).toLongLong(&valid);
        if (!valid || options->maximumSteps < 1)
            return usageError(err, ZindleCheck::tr("--max-steps needs a positive number."));
    }
    options->all = parser.isSet(u"all"_s);
    return std::nullopt;
}

int checkPrograms(const CheckOptions &options, QTextStream &out, QTextStream &err)
{
    CourseCheck check;
    check.setMaximumSteps(options.maximumSteps);
    check.setStopsAtFirstFailure(!options.all);

    CheckReport report(options.format, &out, &err);
    report.setNamesFiles(options.programs.size() > 1);
    report.begin();
    for (const QByteArray &raw : options.programs) {
        CheckedProgram checked;
        checked.fileName = shownFileName(raw);
        checked.row = options.row;
        checked.challenge = challengeList().at(options.row);
        QString program;
        if (readProgram(raw, &program, &checked.readError))
            checked.result = check.check(checked.challenge, program);
        else if (checked.readError.isEmpty())
            checked.readError = ZindleCheck::tr("unreadable");
        report.add(checked);
    }
    report.end();
    if (!report.writeError().isEmpty())
        print(err, ZindleCheck::tr("zindle-check: cannot write the report: %1")
                       .arg(report.writeError()));
    return report.exitCode();
}

bool loadCourse()
{
    QFile course(u":/challenges.xml"_s);
    if (course.open(QIODevice::ReadOnly)) {
        ChallengeLoader loader(&course);
        loader.read();
    }
    return !challengeList().isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStreams();
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
    const QList<QCommandLineOption> options = addOptions(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(err, parser.errorText());
    const QString repeated = repeatedOption(parser, options);
    if (!repeated.isEmpty())
        return usageError(err, ZindleCheck::tr("--%1 is given more than once.").arg(repeated));
    if (parser.isSet(u"help"_s) || parser.isSet(u"version"_s)) {
        const QString text = parser.isSet(u"help"_s)
                                 ? parser.helpText().chopped(1)
                                 : u"zindle-check "_s + QCoreApplication::applicationVersion();
        return print(out, text) ? int(CheckReport::Passed) : writeError(out, err);
    }
    if (!loadCourse()) {
        print(err, ZindleCheck::tr("zindle-check: the course could not be read."));
        return Unusable;
    }
    if (parser.isSet(u"list"_s)) {
        if (parser.isSet(u"challenge"_s) || !parser.positionalArguments().isEmpty())
            return usageError(err, ZindleCheck::tr("--list takes no challenge and no program."));
        return listCourse(out) ? int(CheckReport::Passed) : writeError(out, err);
    }
    CheckOptions check;
    if (const std::optional<int> status = checkOptions(parser, err, &check))
        return *status;
    check.programs = rawProgramNames(parser.positionalArguments(), argc, argv);
    return checkPrograms(check, out, err);
}
