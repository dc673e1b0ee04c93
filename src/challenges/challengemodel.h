// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHALLENGEMODEL_H
#define CHALLENGEMODEL_H

#include <QAbstractItemModel>

// The challenge table: one row per challenge of the challenge list with its completion mark,
// its name and its difficulty picture. It holds no data of its own and reads the marks at every
// paint, so every paint shows the current marks.
class ChallengeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit ChallengeModel(QObject *parent = nullptr);
    ~ChallengeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    Q_DISABLE_COPY_MOVE(ChallengeModel)
};

// Completion marks live in the progress store under the challenge's row, so they survive
// restarts; only "--reset" removes them.
bool isChallengeComplete(int row);
void markChallengeComplete(int row);

#endif // CHALLENGEMODEL_H
