// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TESTRESULTSVIEW_H
#define TESTRESULTSVIEW_H

#include <QWidget>

#include <memory>

class QTableView;
class TestResultsModel;

// The "Test results" view: the cases of the last test in a table, with the first wrong value of
// each marked, Ctrl+C to copy the selected rows, and "Debug this case" (the button, Enter or a
// double-click on a row) to follow the program through one case.
class TestResultsView : public QWidget
{
    Q_OBJECT

public:
    explicit TestResultsView(QWidget *parent = nullptr);
    ~TestResultsView() override;

    TestResultsModel *model() const;
    QTableView *table() const;
    // The row Debug this case takes; -1 when none is current.
    int currentCase() const;
    // Copies the selected rows, or the current one, to the clipboard as tab-separated text.
    void copySelection() const;
    // Debugging is offered only while nothing runs.
    void setDebugEnabled(bool enabled);

signals:
    void debugCaseRequested(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY_MOVE(TestResultsView)
    void requestDebug();

    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // TESTRESULTSVIEW_H
