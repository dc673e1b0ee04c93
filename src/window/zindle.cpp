// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/zindle.h"
#include "window/zindle_p.h"

#include "challenges/challengemodel.h"
#include "interpreter/limits.h"
#include "interpreter/programtext.h"
#include "interpreter/runhistory.h"
#include "io/alphahandler.h"
#include "io/numerichandler.h"
#include "window/testresultsview.h"
#include "window/viewzoom.h"

#include <QActionGroup>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMessageBox>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

Zindle::Zindle(QWidget *parent)
    : QMainWindow(parent, {})
    , d(std::make_unique<Private>(this))
{
    d->ui.setupUi(this);
    d->setupSession();
    d->setupTapeView();
    d->setupEditor();
    d->setupZoom();
    d->setupStepToMenu();
    d->setupRunSpeedMenu();
    d->setupBackActions();
    d->setupChallengePane();
    d->setupTestResults();
    d->setupHelp();
    d->applyWindowState();
}

void Zindle::Private::setupSession()
{
    // The window's own timer events drive the session's runs.
    state.session = std::make_unique<RunSession>(q);
    RunSession *session = state.session.get();
    session->setInteractiveHandler(newInteractiveHandler(false));
    session->setProgramSource([this] { return ui.editProgram->toPlainText(); });
    QObject::connect(session, &RunSession::runningChanged, q, [this] { applyWindowState(); });
    QObject::connect(session, &RunSession::viewsChanged, q, &Zindle::updateViews);
    QObject::connect(session, &RunSession::runStopped, q, &Zindle::reportStop);
    QObject::connect(session, &RunSession::pacingChanged, q,
                     [this](bool paced) { setPaced(paced); });
}

void Zindle::Private::setupTapeView()
{
    state.tapeModel = std::make_unique<TapeModel>(&state.session->machine());
    ui.tableTape->setModel(state.tapeModel.get());
    QHeaderView *header = ui.tableTape->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultSectionSize(8 * QFontMetrics(q->font()).horizontalAdvance(u'M'));
}

void Zindle::Private::setupEditor()
{
    state.highlighter = new ProgramHighlighter(ui.editProgram->document());
    QFont programFont(u"Monospace"_s, 14);
    programFont.setStyleHint(QFont::TypeWriter);
    ui.editProgram->setFont(programFont);
    QObject::connect(ui.editProgram, &QPlainTextEdit::modificationChanged, q, &Zindle::changed);
    // A changed program makes the history of the old one untrue. The mark of a run changes
    // only the text's look, which leaves the program as the machine has it.
    QObject::connect(ui.editProgram, &QPlainTextEdit::textChanged, q, [this] {
        RunSession &session = *state.session;
        if (!session.isRunning() && session.history().isRecording()
            && machineProgram(ui.editProgram->toPlainText()) != session.machine().program()) {
            session.endHistory();
            applyHistoryState();
        }
    });
}

void Zindle::Private::setupZoom()
{
    new ViewZoom(q, {ui.editProgram, ui.editInput, ui.editOutput, ui.tableTape});
}

void Zindle::Private::setupStepToMenu()
{
    stepToMenu = std::make_unique<QMenu>();
    using StepTo = RunSession::StepTo;
    const std::pair<QString, StepTo> entries[] = {
        {Zindle::tr("10"), StepTo::TenSteps},
        {Zindle::tr("100"), StepTo::HundredSteps},
        {Zindle::tr("1000"), StepTo::ThousandSteps},
        {Zindle::tr("out of loop"), StepTo::OutOfLoop},
        {Zindle::tr("to next input"), StepTo::NextInput},
        {Zindle::tr("to next output"), StepTo::NextOutput},
    };
    for (const auto &[text, mode] : entries) {
        QAction *entry = stepToMenu->addAction(text);
        entry->setData(int(mode));
        entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + int(mode))));
    }
    ui.actionStepTo->setMenu(stepToMenu.get());
    // The menu has no parent, so its shortcuts work through the tool-bar button that opens it,
    // which a challenge test disables together with the rest of the tool bar.
    if (QWidget *button = ui.toolBar->widgetForAction(ui.actionStepTo))
        button->addActions(stepToMenu->actions());
    QObject::connect(stepToMenu.get(), &QMenu::triggered, q, &Zindle::step);
}

void Zindle::Private::setupBackActions()
{
    using BackTo = RunSession::BackTo;
    struct Entry
    {
        const char16_t *name;
        QString text;
        BackTo mode;
        QKeySequence key;
    };
    // Alt with the digit of the step-to entry each one mirrors; no written action uses Alt
    // with a digit.
    const Entry entries[] = {
        {u"actionStepBack", Zindle::tr("Step back"), BackTo::OneStep,
         QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_S)},
        {u"actionBack10", Zindle::tr("Back 10"), BackTo::TenSteps,
         QKeySequence(Qt::ALT | Qt::Key_1)},
        {u"actionBack100", Zindle::tr("Back 100"), BackTo::HundredSteps,
         QKeySequence(Qt::ALT | Qt::Key_2)},
        {u"actionBack1000", Zindle::tr("Back 1000"), BackTo::ThousandSteps,
         QKeySequence(Qt::ALT | Qt::Key_3)},
        {u"actionBackToOutput", Zindle::tr("Back to the previous output"), BackTo::Output,
         QKeySequence(Qt::ALT | Qt::Key_6)},
        {u"actionBackToInput", Zindle::tr("Back to the previous input"), BackTo::Input,
         QKeySequence(Qt::ALT | Qt::Key_5)},
        {u"actionBackToBreakpoint", Zindle::tr("Back to the previous breakpoint"),
         BackTo::Breakpoint, QKeySequence(Qt::ALT | Qt::Key_4)},
        {u"actionBackToStart", Zindle::tr("Back to the start"), BackTo::Start,
         QKeySequence(Qt::ALT | Qt::Key_0)},
    };
    backMenu = new QMenu(q);
    ui.menuMachine->addSeparator();
    for (const Entry &entry : entries) {
        auto *action = new QAction(entry.text, backMenu);
        action->setObjectName(QString::fromUtf16(entry.name));
        action->setShortcut(entry.key);
        backMenu->addAction(action);
        ui.menuMachine->addAction(action);
        QObject::connect(action, &QAction::triggered, q,
                         [this, mode = entry.mode] { state.session->stepBack(mode); });
        backActions.append(action);
    }
    ui.actionStep->setMenu(backMenu);
    // The button still steps; its arrow opens the way back. The menu bar is off during a run,
    // so the shortcuts work through the button, as the step-to menu's do.
    if (auto *button = qobject_cast<QToolButton *>(ui.toolBar->widgetForAction(ui.actionStep))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->addActions(backActions);
    }
}

void Zindle::Private::setupRunSpeedMenu()
{
    QMenu *menu = ui.menuMachine->addMenu(Zindle::tr("Run speed"));
    menu->setObjectName(u"menuRunSpeed"_s);
    auto *speeds = new QActionGroup(menu);
    const std::pair<QString, int> entries[] = {
        {Zindle::tr("Full speed"), 0},
        {Zindle::tr("1000 commands per second"), 1000},
        {Zindle::tr("100 commands per second"), 100},
        {Zindle::tr("10 commands per second"), 10},
    };
    for (const auto &[text, speed] : entries) {
        QAction *entry = speeds->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(speed == state.session->runSpeed());
        entry->setData(speed);
        menu->addAction(entry);
    }
    // The menu bar is off during a run, so a new speed applies from the next run or resume.
    QObject::connect(speeds, &QActionGroup::triggered, q,
                     [this](QAction *entry) { state.session->setRunSpeed(entry->data().toInt()); });
}

void Zindle::Private::setupChallengePane()
{
    ui.widgetChallenge->hide();
    ui.tableChallenge->setModel(new ChallengeModel(q));
    QHeaderView *header = ui.tableChallenge->horizontalHeader();
    // The style's minimum would otherwise widen the picture column past its 24 pixels.
    header->setMinimumSectionSize(std::min(header->minimumSectionSize(), 24));
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    header->resizeSection(0, 24);
    header->resizeSection(2, 32);
    ui.tableChallenge->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QObject::connect(ui.tableChallenge->selectionModel(), &QItemSelectionModel::currentChanged, q,
            &Zindle::selectChallenge);
}

void Zindle::Private::setupHelp()
{
    QObject::connect(ui.actionIndex, &QAction::triggered, q, &Zindle::helpIndex);
    QObject::connect(ui.actionAbout, &QAction::triggered, q, &Zindle::helpAbout);
    QObject::connect(ui.actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
}

WindowState Zindle::Private::windowState() const
{
    const RunSession &session = *state.session;
    if (session.isTesting())
        return WindowState::Testing;
    if (!session.isRunning())
        return WindowState::Idle;
    return session.isTimerActive() ? WindowState::Running : WindowState::Paused;
}

void Zindle::Private::applyWindowState()
{
    const WindowState now = windowState();
    const bool busy = now != WindowState::Idle;
    const bool testing = now == WindowState::Testing;
    // A run holds the program, its input and the machine's settings until it ends.
    ui.actionHalt->setEnabled(busy);
    ui.menuBar->setEnabled(!busy);
    ui.editInput->setReadOnly(busy);
    ui.editProgram->setReadOnly(busy);
    // During a test the button is Cancel; an interactive run must end before a test starts.
    ui.buttonTest->setEnabled(!busy || testing);
    // A test owns the machine until it ends: no run command, no other challenge.
    ui.toolBar->setEnabled(!testing);
    ui.tableChallenge->setEnabled(!testing);
    testResults->setDebugEnabled(!busy);
    // The form's "&Test" keeps its text until the first test has ended.
    if (testing)
        ui.buttonTest->setText(Zindle::tr("Cancel"));
    else if (shownState == WindowState::Testing)
        ui.buttonTest->setText(Zindle::tr("Test"));
    shownState = now;
    applyHistoryState();
}

void Zindle::Private::applyHistoryState()
{
    const RunSession &session = *state.session;
    const bool canGoBack = !session.isTesting() && session.history().isRecording()
        && session.history().position() > 0;
    for (QAction *action : std::as_const(backActions))
        action->setEnabled(canGoBack);
}

std::unique_ptr<InteractiveHandler> Zindle::Private::newInteractiveHandler(bool alphabet) const
{
    if (alphabet)
        return std::make_unique<AlphaHandler>(q);
    return std::make_unique<NumericHandler>(q);
}

Zindle::~Zindle() = default;

QPlainTextEdit *Zindle::inputEdit() const
{
    return d->ui.editInput;
}

QPlainTextEdit *Zindle::outputEdit() const
{
    return d->ui.editOutput;
}

int Zindle::commandCount() const
{
    return countCommands(d->ui.editProgram->toPlainText());
}

void Zindle::on_actionLength_triggered()
{
    QMessageBox::information(this, tr("Length"),
                             tr("Your program contains %1 commands.").arg(commandCount()));
}

void Zindle::on_actionTapeLength_triggered()
{
    bool ok = false;
    const int length = QInputDialog::getInt(this, tr("Enter tape length..."), tr("Length:"),
                                            d->state.session->machine().tapeLength(), 1,
                                            Limits::MaximumTapeLength, 1, &ok);
    if (!ok)
        return;
    d->state.session->endHistory();
    d->state.session->machine().setTapeLength(length);
    d->state.tapeModel->resetModel();
    d->applyHistoryState();
}

void Zindle::on_actionMaximumValue_triggered()
{
    bool ok = false;
    const int value = QInputDialog::getInt(this, tr("Enter maximum value..."), tr("Value:"),
                                           d->state.session->machine().maximumValue(), 1,
                                           Limits::MaximumValue, 1, &ok);
    if (!ok)
        return;
    d->state.session->endHistory();
    d->state.session->machine().setMaximumValue(value);
    d->applyHistoryState();
}

void Zindle::on_actionAlphabet_triggered(bool checked)
{
    d->state.session->setInteractiveHandler(d->newInteractiveHandler(checked));
    d->state.tapeModel->setAlphabet(checked);
    d->applyHistoryState();
}

void Zindle::helpIndex()
{
    QMessageBox::critical(this, tr("Serious warning"), tr("Nobody can help you."));
}

void Zindle::helpAbout()
{
    QMessageBox::about(this, tr("About Zindle"),
                       tr("<h3>Zindle %1</h3>"
                          "<p>A workbench for writing, running and debugging brainfuck programs, "
                          "with a course of challenges to work through.</p>"
                          "<p>MurkleSoftware<br>murklesoftware.example</p>")
                           .arg(QStringLiteral(ZINDLE_VERSION)));
}
