// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengemodel.h"

#include "challenges/challenge.h"
#include "challenges/progressstore.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

enum Column { CompleteColumn = 0, NameColumn = 1, DifficultyColumn = 2, ColumnCount = 3 };

constexpr int DifficultyPictureSize = 24;

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
    return ProgressStore::instance().isComplete(row);
}

void markChallengeComplete(int row)
{
    ProgressStore::instance().markComplete(row);
}
