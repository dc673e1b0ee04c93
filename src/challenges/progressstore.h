// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRESSSTORE_H
#define PROGRESSSTORE_H

#include <QString>
#include <QtGlobal>

#include <memory>

// What a passing program scored over all the cases of a test: its length in commands and the
// steps it took.
struct PassScore
{
    int commands = -1;
    qint64 steps = -1;

    // Within the bounds any real program could reach; a hand-edited store may hold anything.
    bool isValid() const;
    // Fewer commands wins; fewer steps breaks a tie.
    bool isBetterThan(const PassScore &other) const;
};

// A write to the settings store that did not reach the disk, and why.
struct StoreFailure
{
    QString fileName;
    QString reason;

    bool isFailure() const { return !fileName.isEmpty(); }
};

// Everything kept between runs of the application: the completion marks, the scores of the kept
// programs, the folder the programs are kept in, and "--reset", which erases them. It owns the
// one settings object of the process: a new one per look-up would read the whole store again
// each time, and the challenge table looks up every row at every paint. Every write is synced at
// once and checked, so a store that cannot be written is noticed.
class ProgressStore
{
public:
    // The process's store, for the application's current settings identity.
    static ProgressStore &instance();
    ~ProgressStore();

    bool isComplete(int row);
    // Marks are never unset; only reset() removes them.
    void markComplete(int row);

    // The score kept under `kind` ("best", "latest") for the row; invalid when there is none.
    PassScore score(int row, const QString &kind);
    void setScore(int row, const QString &kind, const PassScore &score);
    // Forgets every score.
    void clearScores();

    // Where passing programs are kept: "solutions" in the application's data location.
    static QString programFolder();
    // Removes the programs kept in `folder`, and the folder if nothing else is in it.
    static void removeKeptPrograms(const QString &folder);

    // Erases the marks, the scores and the kept programs.
    void reset();

    // The first write that failed and has not been told yet; told once, it is not told again
    // while the process lives.
    StoreFailure takeFailureToTell();

private:
    ProgressStore();
    Q_DISABLE_COPY_MOVE(ProgressStore)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PROGRESSSTORE_H
