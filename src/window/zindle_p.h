// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ZINDLE_P_H
#define ZINDLE_P_H

// The window's private record, shared by the files that implement Zindle.

#include "window/zindle.h"

#include "challenges/challengerecords.h"
#include "challenges/challengerun.h"
#include "challenges/runsession.h"
#include "io/interactivehandler.h"
#include "io/pacer.h"
#include "window/programhighlighter.h"
#include "window/tapemodel.h"
#include "ui_zindle.h"

#include <QMenu>
#include <QObject>
#include <QString>

#include <algorithm>
#include <memory>

class TestResultsView;

// What the window knows about the run, the challenge and the file. The run itself (the machine,
// its handlers, the run state and the test's progress) lives in the session, which the window
// shows and drives.
struct WorkbenchState
{
    // Declared before the tape model, which reads the session's machine until it goes.
    std::unique_ptr<RunSession> session;
    std::unique_ptr<TapeModel> tapeModel;
    // Owned by the program editor's document.
    ProgramHighlighter *highlighter = nullptr;
    int challengeIndex = -1;
    QString fileName;
    bool modified = false;
};

// What the window is doing, which decides what the user may touch. A run is paused while
// the run timer is off: after a step, a step-to count or a breakpoint.
enum class WindowState { Idle, Running, Paused, Testing };

// Paints the window at the screen's pace while a program runs continuously. Every batch still
// updates the views' content, but painting them after each batch would cost far more than the
// batch itself; update requests that come within a frame of the last paint wait for that frame.
class RepaintThrottle : public QObject
{
public:
    explicit RepaintThrottle(QWidget *watched);
    ~RepaintThrottle() override;

    // On while the run timer runs; turning it off paints what is still waiting.
    void setActive(bool active);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY_MOVE(RepaintThrottle)
    void paintNow();

    QWidget *window;
    Pacer pacer;
    bool forced = false;
};

struct Zindle::Private
{
    explicit Private(Zindle *window)
        : q(window)
        , throttle(window)
        , markPacer([this] { showMark(); })
    {
    }

    // The steps of the window's set-up, in order (zindle.cpp).
    void setupSession();
    void setupTapeView();
    void setupEditor();
    void setupZoom();
    void setupStepToMenu();
    void setupRunSpeedMenu();
    void setupBackActions();
    void setupChallengePane();
    void setupTestResults();
    void setupHelp();

    // The cases of the last test and Debug this case (testresults.cpp). A test's handler
    // records each case into challengeRun, which recordTestCase() ends and shows.
    std::unique_ptr<IOHandler> beginTestResults(const Challenge &challenge);
    void recordTestCase();
    // Sets the machine up as the test ran case `row` and starts the run, paused before its
    // first command; false when there is no such case or a run is in progress.
    bool setUpCaseReplay(int row);
    void debugCase(int row);
    // Puts the interactive handler back after a replayed case.
    void endReplay();

    // What the window is doing, from the run, its timer and the test (zindle.cpp).
    WindowState windowState() const;
    // Enables, disables and makes read-only what the window's state implies; called wherever a
    // run or a test starts or ends (zindle.cpp).
    void applyWindowState();
    // Offers the back actions while the run has a step to go back to (zindle.cpp).
    void applyHistoryState();
    // A handler of the kind the user chose, numbers or letters, bound to the panes (zindle.cpp).
    std::unique_ptr<InteractiveHandler> newInteractiveHandler(bool alphabet) const;
    // Writes the output pane as it was at the step the machine shows, which lies behind the
    // furthest step: the run's handler stands there, so a handler of the same kind is fed the
    // history's output instead (runcontrol.cpp).
    void showPastOutput();

    // While a continuous run goes at full speed, the window and the mark are drawn at the
    // screen's pace (runcontrol.cpp).
    void setPaced(bool paced);
    // Marks the command at `position` in the program (-1: none). While the program runs
    // continuously the mark moves at the screen's pace: re-highlighting its line costs far
    // more than a batch of commands, and nobody sees a mark that moves between two frames.
    void markCommand(int position);
    void showMark();

    Zindle *const q;

    Ui::Zindle ui;
    WorkbenchState state;
    // The state the widgets show, as applyWindowState() last left them.
    WindowState shownState = WindowState::Idle;
    std::unique_ptr<QMenu> stepToMenu;
    // The way back through a run: the Step button's arrow opens it, and the Machine menu
    // holds the same actions. Owned by the window; it owns the actions, so that the window's
    // own actions stay the written ones.
    QMenu *backMenu = nullptr;
    QList<QAction *> backActions;
    // The handler that writes the past output, and how many outputs it has been given.
    std::unique_ptr<InteractiveHandler> pastOutput;
    qint64 pastShown = 0;
    // The cases of the last test; while one of them is replayed, its handler is the session's
    // interactive one.
    std::unique_ptr<ChallengeRun> challengeRun;
    bool replaying = false;
    TestResultsView *testResults = nullptr;
    ChallengeRecords records;
    RepaintThrottle throttle;
    int markPosition = -1;
    Pacer markPacer;
};

#endif // ZINDLE_P_H
