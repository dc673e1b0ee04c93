// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHALLENGERECORDS_H
#define CHALLENGERECORDS_H

#include "challenges/progressstore.h"

#include <QList>
#include <QString>

#include <memory>

// A program that passed and could not be kept, and why.
struct UnkeptProgram
{
    QString fileName;
    QString error;
};

// The learner's passing programs, per challenge row: the best one and the latest one, each with
// its score. The scores live in the progress store beside, never inside, the completion marks;
// the programs are files in the store's folder. A record whose score
// is damaged or whose program is gone counts as no record.
class ChallengeRecords
{
public:
    // `folder` empty: the progress store's folder.
    explicit ChallengeRecords(const QString &folder = QString());
    ~ChallengeRecords();

    QString bestFileName(int row) const;
    QString latestFileName(int row) const;
    // Invalid when there is no usable record.
    PassScore best(int row) const;
    PassScore latest(int row) const;

    // Keeps `program` as the latest pass of the row, and as its best if it beats the one kept.
    // A record changes only once its program is safely written: a failed write leaves that
    // record as it was and is returned, so the caller can tell the user which file it was.
    QList<UnkeptProgram> recordPass(int row, const QString &program, const PassScore &score);

    // Forgets every record and removes the kept programs.
    void clear();

private:
    Q_DISABLE_COPY_MOVE(ChallengeRecords)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // CHALLENGERECORDS_H
