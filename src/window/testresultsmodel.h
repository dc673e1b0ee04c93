// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTRESULTSMODEL_H
#define TESTRESULTSMODEL_H

#include "challenges/challengerun.h"

#include <QAbstractTableModel>

#include <memory>

// The cases of the last test as a table: one row per case with its number, input, expected and
// written values, verdict and steps. The first wrong value of a row is written between marks
// that a screen reader reads; the Written column's WrongValueRole says where they stand.
class TestResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Input, Expected, Written, Verdict, Steps, ColumnCount };
    // The Written column's (start, length) of the marked wrong value in its display text, as a
    // QPoint; an invalid variant when the row has none in view.
    static constexpr int WrongValueRole = Qt::UserRole + 1;

    explicit TestResultsModel(QObject *parent = nullptr);
    ~TestResultsModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cases of a new test, all of them, those not run as such.
    void setCases(const QList<CaseResult> &cases);
    // One case ended, or the test reached it.
    void setCase(int row, const CaseResult &result);
    const CaseResult &caseAt(int row) const;
    // The rows as tab-separated lines of their display texts, as a spreadsheet pastes them.
    QString tabSeparated(const QList<int> &rows) const;

private:
    Q_DISABLE_COPY_MOVE(TestResultsModel)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // TESTRESULTSMODEL_H
