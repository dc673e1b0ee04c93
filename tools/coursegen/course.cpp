// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course.h"

#include "coursedata.h"

#include "challenges/challenge.h"
#include "challenges/coursecheck.h"
#include "io/programfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace coursegen;

namespace {

constexpr quint64 Seed = 0x5a1d1e2024c0ffeeULL;

QString numbers(const Values &values)
{
    QStringList parts;
    for (int value : values)
        parts.append(QString::number(value));
    return parts.join(u',');
}

void checkNormalLine(Context &context, const Values &input, const Values &expected)
{
    for (const Values &part : {input, expected}) {
        for (int value : part)
            context.require(value >= 0 && value <= MaximumValue,
                            u"value %1 out of range"_s.arg(value));
    }
}

void checkAlphaLine(Context &context, const QString &input, const QString &expected)
{
    static const QRegularExpression inputForm(u"^([a-z]|\\\\n)*$"_s);
    static const QRegularExpression expectedForm(u"^[a-z]*$"_s);
    context.require(inputForm.match(input).hasMatch(), u"input part %1"_s.arg(input));
    context.require(expectedForm.match(expected).hasMatch(), u"expected part %1"_s.arg(expected));
}

QStringList caseLines(Context &context, const Entry &entry)
{
    QStringList lines;
    if (entry.type == u"nim") {
        for (int game = 0; game < entry.caseCount; ++game)
            lines.append(u"generated data %1"_s.arg(game));
    } else if (entry.type == u"alpha") {
        for (const QString &input : entry.alphaInputs(context)) {
            const QString expected = entry.alphaOracle(context, input);
            checkAlphaLine(context, input, expected);
            lines.append(input + u" => "_s + expected);
        }
    } else {
        for (const Values &input : entry.normalInputs(context)) {
            const Values expected = entry.normalOracle(context, input);
            checkNormalLine(context, input, expected);
            lines.append(numbers(input) + u" => "_s + numbers(expected));
        }
    }
    context.require(lines.size() == entry.caseCount,
                    u"%1 cases instead of %2"_s.arg(lines.size()).arg(entry.caseCount));
    context.require(lines.removeDuplicates() == 0, u"a case appears twice"_s);
    return lines;
}

// How a challenge is written, for whoever adds one by hand: in a comment after the root, where
// no reader looks.
const QString Template = u"\n"
                         "  <challenge>\n"
                         "    <name></name>\n"
                         "    <text></text>\n"
                         "    <difficulty></difficulty>\n"
                         "    <tape_length></tape_length>\n"
                         "    <test type=\"normal\">\n"
                         "      <data></data>\n"
                         "    </test>\n"
                         "  </challenge>\n"_s;

struct Par
{
    int commands = 0;
    qint64 steps = 0; // 0: none, for a game dealt at random
};

// Runs the row's reference solution against the challenge as the program would test it.
Par measurePar(Context &context, const QDir &solutions, int row, const Entry &entry,
               const QStringList &lines)
{
    QStringList files = solutions.entryList({u"%1-*.bf"_s.arg(row, 2, 10, QChar(u'0'))},
                                            QDir::Files);
    files.removeIf([](const QString &name) { return name.endsWith(u".wrong.bf"_s); });
    context.require(files.size() == 1,
                    u"%1 reference solutions instead of one"_s.arg(files.size()));
    QString program;
    QString error;
    if (files.size() != 1
        || !readProgramFile(solutions.filePath(files.first()), &program, &error)) {
        context.require(error.isEmpty(), error);
        return {};
    }

    Challenge challenge;
    challenge.name = entry.name;
    challenge.tapeLength = entry.tapeLength;
    challenge.programLength = entry.programLength;
    challenge.testType = entry.type;
    challenge.testCases = lines;
    // The Nim player deals from rand(): a fixed seed makes a failing game repeatable.
    std::srand(1);
    const CheckResult result = CourseCheck().check(challenge, program);
    context.require(result.outcome == CheckResult::Passed,
                    u"the reference solution %1 does not pass"_s.arg(files.first()));
    Par par;
    par.commands = result.commandCount;
    if (entry.type != u"nim") {
        for (const CaseResult &caseResult : result.cases)
            par.steps += caseResult.commands;
    }
    return par;
}

void writeChallenge(QXmlStreamWriter &writer, const Entry &entry, const QStringList &lines,
                    const Par &par)
{
    writer.writeStartElement(u"challenge"_s);
    writer.writeTextElement(u"name"_s, entry.name);
    writer.writeTextElement(u"text"_s, entry.text);
    writer.writeTextElement(u"difficulty"_s, QString::number(entry.difficulty));
    writer.writeTextElement(u"tape_length"_s, QString::number(entry.tapeLength));
    if (entry.programLength > 0)
        writer.writeTextElement(u"program_length"_s, QString::number(entry.programLength));
    if (par.commands > 0) {
        writer.writeEmptyElement(u"par"_s);
        writer.writeAttribute(u"commands"_s, QString::number(par.commands));
        if (par.steps > 0)
            writer.writeAttribute(u"steps"_s, QString::number(par.steps));
    }
    writer.writeStartElement(u"test"_s);
    writer.writeAttribute(u"type"_s, entry.type);
    for (const QString &line : lines)
        writer.writeTextElement(u"data"_s, line);
    writer.writeEndElement();
    writer.writeEndElement();
}

// The writer escapes every '>' and '"', which XML asks of neither in text; the file keeps them
// plain, so that a case line reads " => " to whoever edits the file by hand. No attribute of
// the course holds a quote, and no text holds "]]>".
QString withPlainMarks(QString xml)
{
    return xml.replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s);
}

} // namespace

CourseDocument generateCourse(const QString &solutions)
{
    CourseDocument course;
    QString xml;
    QXmlStreamWriter writer(&xml);
    // The root opens the file: no declaration, no line break before it.
    writer.writeStartElement(u"xml"_s);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    const QList<Entry> list = courseEntries();
    for (qsizetype row = 0; row < list.size(); ++row) {
        const Entry &entry = list.at(row);
        // Each challenge draws from its own stream, so changing one leaves the others' cases
        // alone.
        Context context{Random{Seed ^ (quint64(row + 1) * 0x9e3779b97f4a7c15ULL)}, entry.name, {}};
        const QStringList lines = caseLines(context, entry);
        context.require(entry.text.size() >= 4 && entry.text.size() <= 1441,
                        u"statement of %1 characters"_s.arg(entry.text.size()));
        const Par par = measurePar(context, QDir(solutions), int(row), entry, lines);
        writeChallenge(writer, entry, lines, par);
        course.problems += context.problems;
    }
    writer.writeEndElement();
    writer.setAutoFormatting(false);
    writer.writeCharacters(u"\n"_s);
    writer.writeComment(Template);
    writer.writeCharacters(u"\n"_s);
    xml = withPlainMarks(xml);

    for (QChar c : xml) {
        if (c.unicode() > 126 || (c.unicode() < 32 && c != u'\n')) {
            course.problems.append(u"character U+%1 is not plain ASCII"_s
                                       .arg(int(c.unicode()), 4, 16, QChar(u'0')));
            break;
        }
    }
    course.xml = xml.toLatin1();
    return course;
}
