#include "challengemodel.h"

#include "challenges/challenge.h"

#include <QIcon>
#include <QPixmap>
#include <QSettings>

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
        const QPixmap picture(u":/difficulty%1.png"_s.arg(difficulty));
        if (picture.isNull())
            return picture;
        return picture.scaled(DifficultyPictureSize, DifficultyPictureSize, Qt::KeepAspectRatio,
                              Qt::SmoothTransformation);
    }
    return {};
}

bool isChallengeComplete(int row)
{
    QSettings settings;
    settings.beginReadArray(u"challenge"_s);
    settings.setArrayIndex(row);
    const bool complete = settings.value(u"complete"_s, false).toBool();
    settings.endArray();
    return complete;
}

void markChallengeComplete(int row)
{
    QSettings settings;
    settings.beginWriteArray(u"challenge"_s);
    settings.setArrayIndex(row);
    settings.setValue(u"complete"_s, true);
    settings.endArray();
}
