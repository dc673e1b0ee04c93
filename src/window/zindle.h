// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ZINDLE_H
#define ZINDLE_H

#include <QMainWindow>

#include <memory>

class QAction;
class QCloseEvent;
class QModelIndex;
class QPlainTextEdit;
class QTimerEvent;
enum class StopReason : int;
struct ProgramFile;

// The workbench's only window: the program editor, the input and output panes, the live tape
// and the challenge pane, with every command as an action. It owns the run session (the machine,
// the handlers and the run) and shows it, and its own timer drives the session's runs so the
// window stays live while a program runs.
//
// Its members live in four files: zindle.cpp sets the window up and holds the machine
// settings and Help commands; runcontrol.cpp shows and forwards runs; programfiles.cpp keeps
// the program's file; src/challenges/challengeflow.cpp selects challenges and tests programs.
// zindle_p.h holds the private record they share.
class Zindle : public QMainWindow
{
    Q_OBJECT

public:
    explicit Zindle(QWidget *parent = nullptr);
    ~Zindle() override;

    // The panes through which every handler reads input and writes output.
    QPlainTextEdit *inputEdit() const;
    QPlainTextEdit *outputEdit() const;

public slots:
    // Program files (programfiles.cpp).
    void changed();
    void unchanged();
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionOpenBest_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    // Machine settings and Help (zindle.cpp).
    void on_actionLength_triggered();
    void on_actionTapeLength_triggered();
    void on_actionMaximumValue_triggered();
    void on_actionAlphabet_triggered(bool checked);
    void helpIndex();
    void helpAbout();
    // Run control (runcontrol.cpp).
    void on_actionRun_triggered();
    void on_actionStep_triggered();
    void on_actionHalt_triggered();
    void step(QAction *action);
    // Challenges (challengeflow.cpp).
    void on_buttonTest_clicked();
    void selectChallenge(const QModelIndex &index);

protected:
    // runcontrol.cpp
    void timerEvent(QTimerEvent *event) override;
    // programfiles.cpp
    void closeEvent(QCloseEvent *event) override;

    // Every program file name comes from the user through here: the open or the save dialog
    // with this caption and filter. An empty name means the user cancelled.
    enum class FileDialog { Open, Save };
    virtual QString askFileName(FileDialog dialog, const QString &caption, const QString &filter);

private:
    // Run control (runcontrol.cpp): the views follow the machine after every batch, and the
    // user is told why a run stopped.
    void updateViews();
    void reportStop(StopReason reason);

    // The number of the eight command characters in the program editor (zindle.cpp).
    int commandCount() const;

    // Program files (programfiles.cpp). saveFile() and loadFile() take the file name on
    // success only and tell the user about a failure themselves; false means nothing changed.
    bool maybeSave();
    QString askSaveName();
    bool saveFile(const QString &name);
    bool loadFile(const QString &name);
    // Reads a program, telling the user if it cannot be read.
    bool readProgram(const QString &name, ProgramFile *file);
    // Puts a program into the editor as the unchanged text of `fileName` (empty: untitled).
    void showProgram(const ProgramFile &file, const QString &fileName);

    // Challenge tests (challengeflow.cpp).
    void testCasePassed();
    void testFailed();
    void endTest();
    // The selected challenge's par, the learner's best and the course total.
    void showRecords();
    // Warns the user, once, that the progress store cannot be written.
    void tellStoreFailure();

    Q_DISABLE_COPY(Zindle)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // ZINDLE_H
