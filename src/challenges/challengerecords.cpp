// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengerecords.h"

#include "io/programfile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Best, Latest };

QString kindName(Kind kind)
{
    return kind == Kind::Best ? u"best"_s : u"latest"_s;
}

} // namespace

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
    const PassScore score = ProgressStore::instance().score(row, kindName(kind));
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
    ProgressStore::instance().setScore(row, kindName(kind), score);
}

ChallengeRecords::ChallengeRecords(const QString &folder)
    : d(std::make_unique<Private>())
{
    d->folder = !folder.isEmpty() ? folder : ProgressStore::programFolder();
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
    ProgressStore::instance().clearScores();
    ProgressStore::removeKeptPrograms(d->folder);
}
