// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengerecords.h"

#include "io/programfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// Far beyond any program typed or any test run to its end, yet a number a person can read.
constexpr int MaximumCommands = 100000000;
constexpr qint64 MaximumSteps = Q_INT64_C(1000000000000000);

const QString group = u"records"_s;

enum class Kind { Best, Latest };

QString kindName(Kind kind)
{
    return kind == Kind::Best ? u"best"_s : u"latest"_s;
}

// A value that is not a whole number in range reads as -1, which no valid score holds.
qint64 readNumber(const QSettings &settings, const QString &key, qint64 maximum)
{
    bool ok = false;
    const qint64 value = settings.value(key).toString().toLongLong(&ok);
    return ok && value >= 0 && value <= maximum ? value : -1;
}

} // namespace

bool PassScore::isValid() const
{
    return commands >= 0 && commands <= MaximumCommands && steps >= 0 && steps <= MaximumSteps;
}

bool PassScore::isBetterThan(const PassScore &other) const
{
    if (commands != other.commands)
        return commands < other.commands;
    return steps < other.steps;
}

struct ChallengeRecords::Private
{
    QString fileName(int row, Kind kind) const;
    PassScore score(int row, Kind kind) const;
    void keep(int row, Kind kind, const QString &program, const PassScore &score,
              QList<UnkeptProgram> *unkept) const;

    QString folder;
};

QString ChallengeRecords::Private::fileName(int row, Kind kind) const
{
    const QString number = u"%1"_s.arg(row, 2, 10, QLatin1Char('0'));
    return folder + u'/' + number + (kind == Kind::Best ? u".bf"_s : u".latest.bf"_s);
}

PassScore ChallengeRecords::Private::score(int row, Kind kind) const
{
    QSettings settings;
    const QString prefix = u"%1/%2/%3-"_s.arg(group).arg(row).arg(kindName(kind));
    PassScore score;
    score.commands = int(readNumber(settings, prefix + u"commands"_s, MaximumCommands));
    score.steps = readNumber(settings, prefix + u"steps"_s, MaximumSteps);
    if (!score.isValid() || !QFileInfo(fileName(row, kind)).isFile())
        return {};
    return score;
}

void ChallengeRecords::Private::keep(int row, Kind kind, const QString &program,
                                     const PassScore &score, QList<UnkeptProgram> *unkept) const
{
    const QString name = fileName(row, kind);
    QString error;
    // A folder that cannot be made shows in the write's own error.
    QDir().mkpath(folder);
    if (!writeProgramFile(name, program, &error)) {
        unkept->append({name, error});
        return;
    }
    QSettings settings;
    const QString prefix = u"%1/%2/%3-"_s.arg(group).arg(row).arg(kindName(kind));
    settings.setValue(prefix + u"commands"_s, score.commands);
    settings.setValue(prefix + u"steps"_s, score.steps);
}

ChallengeRecords::ChallengeRecords(const QString &folder)
    : d(std::make_unique<Private>())
{
    d->folder = !folder.isEmpty()
            ? folder
            : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/solutions"_s;
}

ChallengeRecords::~ChallengeRecords() = default;

QString ChallengeRecords::bestFileName(int row) const
{
    return d->fileName(row, Kind::Best);
}

QString ChallengeRecords::latestFileName(int row) const
{
    return d->fileName(row, Kind::Latest);
}

PassScore ChallengeRecords::best(int row) const
{
    return d->score(row, Kind::Best);
}

PassScore ChallengeRecords::latest(int row) const
{
    return d->score(row, Kind::Latest);
}

QList<UnkeptProgram> ChallengeRecords::recordPass(int row, const QString &program,
                                                  const PassScore &score)
{
    QList<UnkeptProgram> unkept;
    if (row < 0 || !score.isValid())
        return unkept;
    const PassScore kept = best(row);
    if (!kept.isValid() || score.isBetterThan(kept))
        d->keep(row, Kind::Best, program, score, &unkept);
    d->keep(row, Kind::Latest, program, score, &unkept);
    return unkept;
}

void ChallengeRecords::clear()
{
    QSettings settings;
    settings.remove(group);
    // Only the files this store writes: anything else in the folder is somebody else's.
    static const QRegularExpression kept(u"^\\d{2,}(\\.latest)?\\.bf$"_s);
    QDir folder(d->folder);
    const QStringList names = folder.entryList(QDir::Files);
    for (const QString &name : names) {
        if (kept.match(name).hasMatch())
            folder.remove(name);
    }
    folder.rmdir(d->folder);
}
