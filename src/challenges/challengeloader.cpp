// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengeloader.h"

#include "interpreter/limits.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The range the window's tape-length command accepts; a challenge cannot ask for more or less.
constexpr int MinimumTapeLength = 1;

// Base 10, blanks around the digits allowed. Text that is no number gives 0; a number beyond
// the range of int gives the nearest int, so that a huge value still counts as huge.
int toInteger(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        return value;
    static const QRegularExpression digits(u"^\\s*([+-]?)[0-9]+\\s*$"_s);
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return 0;
    return match.captured(1) == u"-" ? std::numeric_limits<int>::min()
                                     : std::numeric_limits<int>::max();
}

} // namespace

ChallengeLoader::ChallengeLoader(QIODevice *device)
    : QXmlStreamReader(device)
{
}

ChallengeLoader::~ChallengeLoader() = default;

void ChallengeLoader::read()
{
    QList<Challenge> &list = challengeList();
    list.clear();
    if (!readNextStartElement() || name() != u"xml")
        return;
    // readNextStartElement() gives false at the end of the root and at any fault alike.
    while (readNextStartElement()) {
        if (name() == u"challenge")
            list.append(readChallenge());
        else
            skipCurrentElement();
    }
}

Challenge ChallengeLoader::readChallenge()
{
    Challenge challenge;
    while (readNextStartElement()) {
        const QStringView element = name();
        if (element == u"name") {
            readText(challenge.name);
        } else if (element == u"text") {
            readText(challenge.text);
        } else if (element == u"difficulty") {
            readInteger(challenge.difficulty);
        } else if (element == u"tape_length") {
            if (readInteger(challenge.tapeLength))
                challenge.tapeLength = std::clamp(challenge.tapeLength, MinimumTapeLength,
                                                  Limits::MaximumTapeLength);
        } else if (element == u"program_length") {
            // A negative limit would refuse every program; treat it as no limit.
            if (readInteger(challenge.programLength))
                challenge.programLength = std::max(challenge.programLength, 0);
        } else if (element == u"test") {
            readTest(challenge);
        } else if (element == u"par") {
            readPar(challenge);
        } else {
            skipCurrentElement();
        }
    }
    return challenge;
}

void ChallengeLoader::readTest(Challenge &challenge)
{
    challenge.testType = attributes().value(u"type"_s).toString();
    while (readNextStartElement()) {
        if (name() == u"data") {
            QString line;
            if (readText(line))
                challenge.testCases.append(line);
        } else {
            skipCurrentElement();
        }
    }
}

// A par that is not a positive number is no par: it must never show as something to beat.
void ChallengeLoader::readPar(Challenge &challenge)
{
    const QXmlStreamAttributes attributes = this->attributes();
    bool ok = false;
    const int commands = attributes.value(u"commands"_s).toInt(&ok);
    challenge.parCommands = ok && commands > 0 ? commands : 0;
    const qint64 steps = attributes.value(u"steps"_s).toLongLong(&ok);
    challenge.parSteps = ok && steps > 0 && challenge.parCommands > 0 ? steps : 0;
    skipCurrentElement();
}

// Only an element read to its end changes the field: a fault inside it leaves the field as it was.
bool ChallengeLoader::readText(QString &field)
{
    const QString text = readElementText();
    if (hasError())
        return false;
    field = text;
    return true;
}

bool ChallengeLoader::readInteger(int &field)
{
    QString text;
    if (!readText(text))
        return false;
    field = toInteger(text);
    return true;
}
