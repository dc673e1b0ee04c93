#ifndef ZINDLE_P_H
#define ZINDLE_P_H

// The window's private record, shared by the files that implement Zindle.

#include "window/zindle.h"

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"
#include "ui_zindle.h"

#include <QChar>
#include <QMenu>
#include <QString>

#include <algorithm>
#include <memory>

#if __has_include("window/tapemodel.h")
#include "window/tapemodel.h"
#define ZINDLE_HAVE_TAPEMODEL 1
#else
class TapeModel;
#endif
#if __has_include("window/programhighlighter.h")
#include "window/programhighlighter.h"
#define ZINDLE_HAVE_HIGHLIGHTER 1
#else
class ProgramHighlighter;
#endif

// What the window knows about the machine, the run, the test and the file.
struct WorkbenchState
{
    std::unique_ptr<Machine> machine;
#ifdef ZINDLE_HAVE_TAPEMODEL
    std::unique_ptr<TapeModel> tapeModel;
#else
    TapeModel *tapeModel = nullptr;
#endif
#ifdef ZINDLE_HAVE_HIGHLIGHTER
    std::unique_ptr<ProgramHighlighter> highlighter;
#else
    ProgramHighlighter *highlighter = nullptr;
#endif
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

struct Zindle::Private
{
    Ui::Zindle ui;
    WorkbenchState state;
    std::unique_ptr<QMenu> stepToMenu;
    // The handler of the challenge test in progress; activeHandler points to it meanwhile.
    std::unique_ptr<IOHandler> testHandler;
    // True while runSteps() executes commands. An interactive handler may open a modal prompt
    // in the middle of a batch; a timer event that arrives from the prompt's event loop must
    // not step the machine again.
    bool inBatch = false;
    // The run timer was killed while a prompt was open and is to be started again.
    bool timerHeldOff = false;
};

#endif // ZINDLE_P_H
