// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/progressstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// Far beyond any program typed or any test run to its end, yet a number a person can read.
constexpr int MaximumCommands = 100000000;
constexpr qint64 MaximumSteps = Q_INT64_C(1000000000000000);

const QString marksGroup = u"challenge"_s;
const QString scoresGroup = u"records"_s;

// A value that is not a whole number in range reads as -1, which no valid score holds.
qint64 readNumber(const QSettings &settings, const QString &key, qint64 maximum)
{
    bool ok = false;
    const qint64 value = settings.value(key).toString().toLongLong(&ok);
    return ok && value >= 0 && value <= maximum ? value : -1;
}

QString scorePrefix(int row, const QString &kind)
{
    return u"%1/%2/%3-"_s.arg(scoresGroup).arg(row).arg(kind);
}

// Settings say only that a write failed; the file and its folder say why.
QString failureReason(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (file.isDir())
        return QCoreApplication::translate("ProgressStore", "A folder is in its place.");
    if (file.exists() && !file.isWritable())
        return QCoreApplication::translate("ProgressStore", "The file cannot be changed.");
    const QFileInfo folder(file.path());
    if (!folder.isDir() || !folder.isWritable())
        return QCoreApplication::translate("ProgressStore", "Its folder cannot be written.");
    return QCoreApplication::translate("ProgressStore",
                                       "The disk may be full, or the file may be in use.");
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

struct ProgressStore::Private
{
    // The settings object, made anew when the application's identity changed (tests set theirs
    // after the first look-up).
    QSettings &settings();
    // Puts what was written on disk and notes a failure.
    void sync();

    QPointer<QSettings> store;
    StoreFailure failure;
    bool told = false;
};

QSettings &ProgressStore::Private::settings()
{
    if (!store || store->organizationName() != QCoreApplication::organizationName()
        || store->applicationName() != QCoreApplication::applicationName()) {
        delete store;
        store = new QSettings(QCoreApplication::instance());
    }
    return *store;
}

void ProgressStore::Private::sync()
{
    QSettings &s = settings();
    s.sync();
    if (s.status() == QSettings::NoError || failure.isFailure())
        return;
    failure = {QDir::toNativeSeparators(s.fileName()), failureReason(s.fileName())};
}

ProgressStore::ProgressStore()
    : d(std::make_unique<Private>())
{
}

ProgressStore::~ProgressStore() = default;

ProgressStore &ProgressStore::instance()
{
    static ProgressStore store;
    return store;
}

bool ProgressStore::isComplete(int row)
{
    QSettings &settings = d->settings();
    settings.beginReadArray(marksGroup);
    settings.setArrayIndex(row);
    const bool complete = settings.value(u"complete"_s, false).toBool();
    settings.endArray();
    return complete;
}

void ProgressStore::markComplete(int row)
{
    QSettings &settings = d->settings();
    settings.beginWriteArray(marksGroup);
    settings.setArrayIndex(row);
    settings.setValue(u"complete"_s, true);
    settings.endArray();
    d->sync();
}

PassScore ProgressStore::score(int row, const QString &kind)
{
    const QSettings &settings = d->settings();
    const QString prefix = scorePrefix(row, kind);
    PassScore score;
    score.commands = int(readNumber(settings, prefix + u"commands"_s, MaximumCommands));
    score.steps = readNumber(settings, prefix + u"steps"_s, MaximumSteps);
    return score.isValid() ? score : PassScore();
}

void ProgressStore::setScore(int row, const QString &kind, const PassScore &score)
{
    QSettings &settings = d->settings();
    const QString prefix = scorePrefix(row, kind);
    settings.setValue(prefix + u"commands"_s, score.commands);
    settings.setValue(prefix + u"steps"_s, score.steps);
    d->sync();
}

void ProgressStore::clearScores()
{
    d->settings().remove(scoresGroup);
    d->sync();
}

QString ProgressStore::programFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/solutions"_s;
}

void ProgressStore::removeKeptPrograms(const QString &folder)
{
    // Only the files the records write: anything else in the folder is somebody else's.
    static const QRegularExpression kept(u"^\\d{2,}(\\.latest)?\\.bf$"_s);
    QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &name : names) {
        if (kept.match(name).hasMatch())
            dir.remove(name);
    }
    dir.rmdir(folder);
}

void ProgressStore::reset()
{
    QSettings &settings = d->settings();
    settings.beginGroup(marksGroup);
    settings.remove(QString());
    settings.endGroup();
    clearScores();
    removeKeptPrograms(programFolder());
}

StoreFailure ProgressStore::takeFailureToTell()
{
    if (d->told || !d->failure.isFailure())
        return {};
    d->told = true;
    return d->failure;
}
