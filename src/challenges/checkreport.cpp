// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checkreport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

CheckReport::ExitCode exitCodeOf(const CheckedProgram &program)
{
    if (!program.readError.isEmpty())
        return CheckReport::Unusable;
    switch (program.result.outcome) {
    case CheckResult::Passed:
        return CheckReport::Passed;
    case CheckResult::Failed:
    case CheckResult::TooLong:
        return CheckReport::Failed;
    case CheckResult::NoTest:
        break;
    }
    return CheckReport::Unusable;
}

// The report's sentences are zindle-check's messages, translated with them; the words of the
// json and junit formats are not.
struct ZindleCheck
{
    Q_DECLARE_TR_FUNCTIONS(ZindleCheck)
};

// Why no case of the program was run; empty when cases were run. Control characters in a file
// name would break a line of text, move a terminal's cursor or make the XML unreadable.
QString notRunMessage(const CheckedProgram &program)
{
    if (!program.readError.isEmpty())
        return ZindleCheck::tr("cannot read %1: %2")
            .arg(escapedControls(program.fileName), program.readError);
    return program.result.message;
}

// A failing case in one sentence: the crash and where the output first went wrong.
QString failureText(const CaseResult &caseResult)
{
    const QString difference = caseResult.differenceText();
    return difference.isEmpty() ? caseResult.text() : caseResult.text() + u"; "_s + difference;
}

QJsonObject listJson(const ValueList &values, const QString &letters)
{
    QJsonArray shown;
    for (int value : values.shown)
        shown.append(value);
    QJsonObject list{{u"values"_s, shown}, {u"more"_s, values.more}};
    if (!letters.isNull())
        list.insert(u"text"_s, letters);
    return list;
}

QJsonValue differenceJson(const CaseDifference &difference)
{
    switch (difference.kind) {
    case CaseDifference::None:
        break;
    case CaseDifference::WrongValue:
        return difference.index;
    case CaseDifference::MissingOutput:
        return u"expected output missing"_s;
    case CaseDifference::UnreadInput:
        return u"input left unread"_s;
    }
    return QJsonValue();
}

QJsonObject caseJson(const CaseResult &caseResult)
{
    QJsonObject entry{
        {u"number"_s, caseResult.number},
        {u"verdict"_s, caseResult.passed() ? u"pass"_s : u"fail"_s},
        {u"steps"_s, caseResult.steps},
    };
    if (!caseResult.passed())
        entry.insert(u"crash"_s, caseResult.text());
    const bool letters = caseResult.type == TestType::Alpha;
    QString written;
    if (letters) {
        for (int value : caseResult.written.shown)
            written += value == 0 ? QString(u'\n') : caseResult.valueText(value);
    }
    entry.insert(u"input"_s, listJson(caseResult.input, letters ? caseResult.inputText
                                                                : QString()));
    entry.insert(u"expected"_s, listJson(caseResult.expected, letters ? caseResult.expectedText
                                                                      : QString()));
    entry.insert(u"written"_s, listJson(caseResult.written, letters ? written : QString()));
    entry.insert(u"firstDifference"_s, differenceJson(caseResult.difference));
    return entry;
}

int passedCases(const CheckResult &result)
{
    return int(std::count_if(result.cases.cbegin(), result.cases.cend(),
                             [](const CaseResult &caseResult) { return caseResult.passed(); }));
}

} // namespace

struct CheckReport::Private
{
    void writeText(const CheckedProgram &program);
    void writeJson(const CheckedProgram &program);
    void writeJUnit(const CheckedProgram &program);
    void writeSuiteProperties(const CheckedProgram &program);
    void writeRunCase(const CaseResult &caseResult);
    void writeProperty(const QString &name, const QString &value);
    void print(QTextStream *stream, const QString &line);
    void flushXml();
    // Notes the first write that failed: a report that did not arrive is no success.
    void checkWritten(QTextStream *stream);

    Format format = Text;
    QTextStream *out = nullptr;
    QTextStream *err = nullptr;
    bool namesFiles = false;
    ExitCode exitCode = Passed;
    QString writeError;
    // The JUnit document is written into this buffer and passed on after each testsuite, so a
    // script sees each report as soon as it is done.
    QString xml;
    QXmlStreamWriter writer{&xml};
};

bool CheckReport::formatFromName(const QString &name, Format *format)
{
    static const std::pair<QString, Format> names[] = {
        {u"text"_s, Text}, {u"json"_s, Json}, {u"junit"_s, JUnit}};
    for (const auto &[known, value] : names) {
        if (name == known) {
            *format = value;
            return true;
        }
    }
    return false;
}

CheckReport::CheckReport(Format format, QTextStream *out, QTextStream *err)
    : d(std::make_unique<Private>())
{
    d->format = format;
    d->out = out;
    d->err = err;
    d->writer.setAutoFormatting(true);
}

CheckReport::~CheckReport() = default;

void CheckReport::setNamesFiles(bool names)
{
    d->namesFiles = names;
}

void CheckReport::begin()
{
    if (d->format != JUnit)
        return;
    d->writer.writeStartDocument();
    d->writer.writeStartElement(u"testsuites"_s);
    d->writer.writeAttribute(u"name"_s, u"zindle-check"_s);
    d->flushXml();
}

void CheckReport::add(const CheckedProgram &program)
{
    d->exitCode = std::max(d->exitCode, exitCodeOf(program));
    switch (d->format) {
    case Text:
        d->writeText(program);
        break;
    case Json:
        d->writeJson(program);
        break;
    case JUnit:
        d->writeJUnit(program);
        break;
    }
}

void CheckReport::end()
{
    if (d->format != JUnit)
        return;
    d->writer.writeEndElement();
    d->writer.writeEndDocument();
    d->flushXml();
}

CheckReport::ExitCode CheckReport::exitCode() const
{
    return d->writeError.isEmpty() ? d->exitCode : Unusable;
}

QString CheckReport::writeError() const
{
    return d->writeError;
}

void CheckReport::Private::print(QTextStream *stream, const QString &line)
{
    *stream << line << u'\n';
    checkWritten(stream);
}

void CheckReport::Private::flushXml()
{
    *out << xml;
    checkWritten(out);
    xml.clear();
}

void CheckReport::Private::checkWritten(QTextStream *stream)
{
    stream->flush();
    if (stream->status() == QTextStream::Ok || !writeError.isEmpty())
        return;
    const QIODevice *device = stream->device();
    writeError = device && !device->errorString().isEmpty() ? device->errorString()
                                                            : u"write error"_s;
}

void CheckReport::Private::writeText(const CheckedProgram &program)
{
    if (namesFiles)
        print(out, ZindleCheck::tr("File %1").arg(escapedControls(program.fileName)));
    if (!program.readError.isEmpty()) {
        print(err, u"zindle-check: "_s + notRunMessage(program));
        return;
    }
    const CheckResult &result = program.result;
    print(out, ZindleCheck::tr("Challenge %1, %2: program of %3 commands")
                   .arg(QString::number(program.row), program.challenge.name,
                        QString::number(result.commandCount)));
    if (result.outcome == CheckResult::TooLong || result.outcome == CheckResult::NoTest) {
        print(out, result.message);
        print(out, ZindleCheck::tr("FAIL: no case was run."));
        return;
    }
    for (int i = 0; i < result.cases.size(); ++i) {
        const CaseResult &caseResult = result.cases.at(i);
        const QString difference = caseResult.differenceText();
        print(out, ZindleCheck::tr("case %1: %2 (%3 commands)")
                           .arg(QString::number(i + 1), caseResult.text(),
                                QString::number(caseResult.steps))
                       + (difference.isEmpty() ? QString() : u"; "_s + difference));
    }
    const int passed = passedCases(result);
    const qsizetype run = result.cases.size();
    if (result.outcome == CheckResult::Passed)
        print(out,
              ZindleCheck::tr("PASS: %1 of %2 cases passed.").arg(passed).arg(result.caseCount));
    else if (run < result.caseCount)
        print(out, ZindleCheck::tr("FAIL: case %1 of %2 failed; the rest were not run.")
                       .arg(run)
                       .arg(result.caseCount));
    else
        print(out,
              ZindleCheck::tr("FAIL: %1 of %2 cases passed.").arg(passed).arg(result.caseCount));
}

void CheckReport::Private::writeJson(const CheckedProgram &program)
{
    const Challenge &challenge = program.challenge;
    const CheckResult &result = program.result;
    const ExitCode code = exitCodeOf(program);
    QJsonObject report{
        {u"file"_s, program.fileName},
        {u"challenge"_s, challenge.name},
        {u"row"_s, program.row},
        {u"verdict"_s, code == Passed ? u"pass"_s : code == Failed ? u"fail"_s : u"error"_s},
        {u"limit"_s, challenge.programLength != 0 ? QJsonValue(challenge.programLength)
                                                  : QJsonValue()},
        {u"caseCount"_s, int(challenge.testCases.size())},
    };
    QJsonObject par;
    if (challenge.parCommands > 0) {
        par.insert(u"commands"_s, challenge.parCommands);
        if (challenge.parSteps > 0)
            par.insert(u"steps"_s, challenge.parSteps);
    }
    report.insert(u"par"_s, par.isEmpty() ? QJsonValue() : QJsonValue(par));
    if (program.readError.isEmpty()) {
        report.insert(u"commands"_s, result.commandCount);
        report.insert(u"steps"_s, totalSteps(result.cases));
        report.insert(u"casesPassed"_s, passedCases(result));
    }
    const QString message = notRunMessage(program);
    if (!message.isEmpty())
        report.insert(u"message"_s, message);
    QJsonArray cases;
    for (const CaseResult &caseResult : result.cases)
        cases.append(caseJson(caseResult));
    report.insert(u"cases"_s, cases);
    print(out, QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact)));
}

void CheckReport::Private::writeJUnit(const CheckedProgram &program)
{
    const Challenge &challenge = program.challenge;
    const CheckResult &result = program.result;
    const int caseCount = int(challenge.testCases.size());
    const QString notRun = notRunMessage(program);
    // A program that was refused or could not be read fails or errs on every case line; cases
    // after a failure that stopped the check were not run.
    const bool refused = !notRun.isEmpty();
    const bool erred = exitCodeOf(program) == Unusable;
    const int failures = refused ? (erred ? 0 : caseCount)
                                 : int(result.cases.size()) - passedCases(result);

    writer.writeStartElement(u"testsuite"_s);
    writer.writeAttribute(u"name"_s, escapedControls(program.fileName));
    writer.writeAttribute(u"tests"_s, QString::number(caseCount));
    writer.writeAttribute(u"failures"_s, QString::number(failures));
    writer.writeAttribute(u"errors"_s, QString::number(erred ? std::max(caseCount, 1) : 0));
    writer.writeAttribute(u"skipped"_s,
                          QString::number(refused ? 0 : caseCount - result.cases.size()));

    writeSuiteProperties(program);

    const auto startCase = [&](const QString &name) {
        writer.writeStartElement(u"testcase"_s);
        writer.writeAttribute(u"name"_s, name);
        writer.writeAttribute(u"classname"_s, challenge.name);
    };
    const auto refusal = [&] {
        writer.writeEmptyElement(erred ? u"error"_s : u"failure"_s);
        writer.writeAttribute(u"message"_s, notRun);
    };
    if (refused && caseCount == 0) {
        startCase(u"challenge"_s);
        refusal();
        writer.writeEndElement();
    }
    for (int i = 0; i < caseCount; ++i) {
        startCase(u"case %1"_s.arg(i + 1));
        if (refused) {
            refusal();
        } else if (i >= result.cases.size()) {
            writer.writeEmptyElement(u"skipped"_s);
            writer.writeAttribute(u"message"_s, u"not run after an earlier failure"_s);
        } else {
            writeRunCase(result.cases.at(i));
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    flushXml();
}

void CheckReport::Private::writeSuiteProperties(const CheckedProgram &program)
{
    const Challenge &challenge = program.challenge;
    writer.writeStartElement(u"properties"_s);
    writeProperty(u"challenge"_s, challenge.name);
    writeProperty(u"row"_s, QString::number(program.row));
    if (program.readError.isEmpty())
        writeProperty(u"commands"_s, QString::number(program.result.commandCount));
    if (challenge.programLength != 0)
        writeProperty(u"limit"_s, QString::number(challenge.programLength));
    if (challenge.parCommands > 0)
        writeProperty(u"par.commands"_s, QString::number(challenge.parCommands));
    if (challenge.parSteps > 0)
        writeProperty(u"par.steps"_s, QString::number(challenge.parSteps));
    writer.writeEndElement();
}

// Inside the case's testcase element.
void CheckReport::Private::writeRunCase(const CaseResult &caseResult)
{
    writer.writeStartElement(u"properties"_s);
    writeProperty(u"steps"_s, QString::number(caseResult.steps));
    writer.writeEndElement();
    if (!caseResult.passed()) {
        writer.writeEmptyElement(u"failure"_s);
        writer.writeAttribute(u"message"_s, failureText(caseResult));
    }
    writer.writeTextElement(u"system-out"_s, caseResult.writtenShown());
}

void CheckReport::Private::writeProperty(const QString &name, const QString &value)
{
    writer.writeEmptyElement(u"property"_s);
    writer.writeAttribute(u"name"_s, name);
    writer.writeAttribute(u"value"_s, value);
}
