// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COURSEDATA_H
#define COURSEDATA_H

// The course as data: each challenge's statement, limits and test type, and for its cases a
// maker of inputs and an oracle that answers them. course.cpp turns this into the file.

#include "interpreter/limits.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace coursegen {

constexpr int MaximumValue = Limits::CourseMaximumValue;

using Values = QList<int>;

// splitmix64: tiny, fast and the same on every platform and standard library, which the
// distributions of <random> are not.
struct Random
{
    quint64 state;

    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Uniform in low ... high (both included).
    int range(int low, int high) { return low + int(next() % quint64(high - low + 1)); }

    // Mostly small numbers with the odd large one, as people would try them: the order of
    // magnitude is picked first, then the value.
    int typical(int low, int high)
    {
        static const int ceilings[] = {9, 99, 999, 9999, MaximumValue};
        const int ceiling = std::min(high, ceilings[range(0, 4)]);
        return ceiling <= low ? low : range(low, ceiling);
    }

    Values list(int length, int low, int high)
    {
        Values values;
        for (int i = 0; i < length; ++i)
            values.append(typical(low, high));
        return values;
    }

    QString word(int length,
                 const QString &letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz"))
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(letters.at(range(0, int(letters.size()) - 1)));
        return text;
    }
};

// What the oracles and case makers share: the random source and the list of broken rules.
struct Context
{
    Random random;
    QString challenge;
    QStringList problems;

    void require(bool ok, const QString &rule)
    {
        if (!ok)
            problems.append(challenge + QStringLiteral(": ") + rule);
    }
};

using NormalOracle = std::function<Values(Context &, const Values &)>;
using NormalInputs = std::function<QList<Values>(Context &)>;
using AlphaOracle = std::function<QString(Context &, const QString &)>;
using AlphaInputs = std::function<QStringList(Context &)>;

// One challenge, in the order of the course.
struct Entry
{
    QString name;
    int difficulty;
    int tapeLength;
    int programLength; // 0: no limit
    QString type;
    int caseCount;
    QString text;
    NormalInputs normalInputs = {};
    NormalOracle normalOracle = {};
    AlphaInputs alphaInputs = {};
    AlphaOracle alphaOracle = {};
};

QList<Entry> courseEntries();

} // namespace coursegen

#endif // COURSEDATA_H
