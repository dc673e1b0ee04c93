// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ZINDLE_P_H
#define ZINDLE_P_H

// The window's private record, shared by the files that implement Zindle.

#include "window/zindle.h"

#include "challenges/challengerecords.h"
#include "challenges/runsession.h"
#include "io/pacer.h"
#include "window/programhighlighter.h"
#include "window/tapemodel.h"
#include "ui_zindle.h"

#include <QMenu>
#include <QObject>
#include <QString>

#include <algorithm>
#include <memory>

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
    void setupChallengePane();
    void setupHelp();

    // What the window is doing, from the run, its timer and the test (zindle.cpp).
    WindowState windowState() const;
    // Enables, disables and makes read-only what the window's state implies; called wherever a
    // run or a test starts or ends (zindle.cpp).
    void applyWindowState();

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
    ChallengeRecords records;
    RepaintThrottle throttle;
    int markPosition = -1;
    Pacer markPacer;
};

#endif // ZINDLE_P_H
