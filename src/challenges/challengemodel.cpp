// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengemodel.h"

#include "challenges/challenge.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

enum Column { CompleteColumn = 0, NameColumn = 1, DifficultyColumn = 2, ColumnCount = 3 };

constexpr int DifficultyPictureSize = 24;

// The one settings object of the marks, kept for the application's lifetime. A new one per
// lookup would read the whole store again each time, and the table looks up every row at
// every paint. Every settings object of the process shares what this one has read, so marks
// written or erased through any of them show at once.
QSettings &completionStore()
{
    static QPointer<QSettings> store;
    if (!store || store->organizationName() != QCoreApplication::organizationName()
        || store->applicationName() != QCoreApplication::applicationName()) {
        delete store;
        store = new QSettings(QCoreApplication::instance());
    }
    return *store;
}

} // namespace

ChallengeModel::ChallengeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

ChallengeModel::~ChallengeModel() = default;

QModelIndex ChallengeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column);
}

QModelIndex ChallengeModel::parent(const QModelIndex &) const
{
    return {};
}

// A flat list: only the root has rows, so views and testers never look for children.
int ChallengeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(challengeList().size());
}

int ChallengeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChallengeModel::data(const QModelIndex &index, int role) const
{
    const QList<Challenge> &list = challengeList();
    if (!index.isValid() || index.row() >= list.size())
        return {};
    const Challenge &challenge = list.at(index.row());

    if (role == Qt::DisplayRole && index.column() == NameColumn)
        return challenge.name;
    if (role != Qt::DecorationRole)
        return {};
    if (index.column() == CompleteColumn) {
        if (isChallengeComplete(index.row()))
            return QIcon(u":/complete.png"_s);
        return {};
    }
    if (index.column() == DifficultyColumn) {
        const int difficulty = std::clamp(challenge.difficulty, 0, 5);
        // Through QIcon, which takes the @2x picture on screens scaled by 2.
        const QIcon picture(u":/difficulty%1.png"_s.arg(difficulty));
        return picture.pixmap(QSize(DifficultyPictureSize, DifficultyPictureSize),
                              qGuiApp->devicePixelRatio());
    }
    return {};
}

bool isChallengeComplete(int row)
{
    QSettings &settings = completionStore();
    settings.beginReadArray(u"challenge"_s);
    settings.setArrayIndex(row);
    const bool complete = settings.value(u"complete"_s, false).toBool();
    settings.endArray();
    return complete;
}

void markChallengeComplete(int row)
{
    QSettings &settings = completionStore();
    settings.beginWriteArray(u"challenge"_s);
    settings.setArrayIndex(row);
    settings.setValue(u"complete"_s, true);
    settings.endArray();
    // On disk at once, as when each mark had a settings object of its own.
    settings.sync();
}
