// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TAPEMODEL_H
#define TAPEMODEL_H

#include <QAbstractItemModel>

#include <memory>

class Machine;

// The machine's tape as a table of one row and one column per cell, read straight from the
// machine whenever the view asks. Owners reset it after the machine moved on.
class TapeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit TapeModel(Machine *machine, QObject *parent = nullptr);
    ~TapeModel() override;

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The current cell, kept inside the tape when the machine has just crashed off an end.
    QModelIndex currentIndex() const;
    // In alphabet mode a cell's tool tip also names the letter its value stands for.
    void setAlphabet(bool alphabet);
    // Tells the views that everything changed, the number of columns included.
    void resetModel();

private:
    Q_DISABLE_COPY_MOVE(TapeModel)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // TAPEMODEL_H
