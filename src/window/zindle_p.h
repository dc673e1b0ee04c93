// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ZINDLE_P_H
#define ZINDLE_P_H

// The window's private record, shared by the files that implement Zindle.

#include "window/zindle.h"

#include "challenges/challengerecords.h"
#include "challenges/challengerun.h"
#include "interpreter/iohandler.h"
#include "interpreter/machine.h"
#include "io/pacer.h"
#include "window/programhighlighter.h"
#include "window/tapemodel.h"
#include "ui_zindle.h"

#include <QChar>
#include <QElapsedTimer>
#include <QMenu>
#include <QObject>
#include <QString>

#include <algorithm>
#include <memory>

class TestResultsView;

// What the window knows about the machine, the run, the test and the file.
struct WorkbenchState
{
    std::unique_ptr<Machine> machine;
    std::unique_ptr<TapeModel> tapeModel;
    // Owned by the program editor's document.
    ProgramHighlighter *highlighter = nullptr;
    std::unique_ptr<IOHandler> interactiveHandler;
    IOHandler *activeHandler = nullptr; // the handler installed in the machine
    int challengeIndex = -1;
    int testsLeft = 0;
    bool running = false;
    int timerId = -1;
    int stopPosition = -1;
    QChar stopCommand;
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
    void setupMachine();
    void setupTapeView();
    void setupEditor();
    void setupZoom();
    void setupStepToMenu();
    void setupRunSpeedMenu();
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

    // Makes `handler` the one the machine reads and writes through and the views refresh
    // (zindle.cpp).
    void installHandler(IOHandler *handler);
    // What the window is doing, from the run, its timer and the test (zindle.cpp).
    WindowState windowState() const;
    // Enables, disables and makes read-only what the window's state implies; called wherever a
    // run or a test starts or ends (zindle.cpp).
    void applyWindowState();

    // The run timer, an ordinary timer on the window; state.timerId is -1 while it is off
    // (runcontrol.cpp). While it runs, the window and the mark are drawn at the screen's pace.
    void startRunTimer();
    void killRunTimer();
    void setPaced(bool paced);
    // True when the run timer paces the run at runSpeed, as it does every run but a test's.
    bool watchable() const { return runSpeed != 0 && state.testsLeft == 0; }
    // The steps a watchable run owes by its clock, each through step() with its refresh.
    void runWatchable();
    // Runs up to `count` steps of the run in progress (runcontrol.cpp). A stop condition met
    // ends the pending step-to mode and the run timer.
    RunResult advance(int count);
    // After the steps of a batch: the run timer again if a prompt held it off, the views, and
    // the end of the run if the machine stopped.
    void endBatch(bool paused);
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
    // The handler of the challenge test in progress; activeHandler points to it meanwhile.
    std::unique_ptr<IOHandler> testHandler;
    // Calls of the machine's step() in the test case running.
    qint64 caseStepCalls = 0;
    // The cases of the last test; the handler of a case replayed from them.
    std::unique_ptr<ChallengeRun> challengeRun;
    std::unique_ptr<IOHandler> replayHandler;
    TestResultsView *testResults = nullptr;
    ChallengeRecords records;
    // True while runSteps() executes commands. An interactive handler may open a modal prompt
    // in the middle of a batch; a timer event that arrives from the prompt's event loop must
    // not step the machine again.
    bool inBatch = false;
    // The run timer was killed while a prompt was open and is to be started again.
    bool timerHeldOff = false;
    // The steps of one machine run() in a continuous run, sized by the time they take.
    int chunkSteps = 1000;
    // Commands per second of a run, as chosen in the Run speed menu; 0 is full speed.
    int runSpeed = 0;
    // A watchable run's clock, started with its timer, and the steps it took since.
    QElapsedTimer speedClock;
    qint64 speedSteps = 0;
    RepaintThrottle throttle;
    int markPosition = -1;
    Pacer markPacer;
};

#endif // ZINDLE_P_H
