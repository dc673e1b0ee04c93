#include "window/zindle.h"
#include "window/zindle_p.h"

#include "challenges/challengemodel.h"
#include "interpreter/programtext.h"
#include "io/alphahandler.h"
#include "io/numerichandler.h"
#include "window/viewzoom.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMessageBox>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<IOHandler> createInteractiveHandler(Zindle *window, bool alphabet)
{
    if (alphabet)
        return std::make_unique<AlphaHandler>(window);
    return std::make_unique<NumericHandler>(window);
}

} // namespace

Zindle::Zindle(QWidget *parent)
    : QMainWindow(parent, {})
    , d(std::make_unique<Private>(this))
{
    WorkbenchState &s = d->state;
    d->ui.setupUi(this);
    d->ui.widgetChallenge->hide();

    s.interactiveHandler = createInteractiveHandler(this, false);
    s.activeHandler = s.interactiveHandler.get();

    s.machine = std::make_unique<Machine>(1000);
    s.machine->setHandler(s.activeHandler);

    s.tapeModel = std::make_unique<TapeModel>(s.machine.get());
    d->ui.tableTape->setModel(s.tapeModel.get());
    QHeaderView *tapeHeader = d->ui.tableTape->horizontalHeader();
    tapeHeader->setSectionResizeMode(QHeaderView::Fixed);
    tapeHeader->setDefaultSectionSize(8 * QFontMetrics(font()).horizontalAdvance(u'M'));

    s.highlighter = std::make_unique<ProgramHighlighter>(d->ui.editProgram->document());

    QFont programFont(u"Monospace"_s, 14);
    programFont.setStyleHint(QFont::TypeWriter);
    d->ui.editProgram->setFont(programFont);
    new ViewZoom(this, {d->ui.editProgram, d->ui.editInput, d->ui.editOutput, d->ui.tableTape});

    connect(d->ui.editProgram, &QPlainTextEdit::modificationChanged, this, &Zindle::changed);

    d->stepToMenu = std::make_unique<QMenu>();
    const std::pair<QString, int> entries[] = {
        {tr("10"), 1}, {tr("100"), 2}, {tr("1000"), 3},
        {tr("out of loop"), 4}, {tr("to next input"), 5}, {tr("to next output"), 6},
    };
    for (const auto &[text, mode] : entries) {
        QAction *entry = d->stepToMenu->addAction(text);
        entry->setData(mode);
        entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + mode)));
    }
    d->ui.actionStepTo->setMenu(d->stepToMenu.get());
    // The menu has no parent, so its shortcuts work through the tool-bar button that opens it,
    // which a challenge test disables together with the rest of the tool bar.
    if (QWidget *button = d->ui.toolBar->widgetForAction(d->ui.actionStepTo))
        button->addActions(d->stepToMenu->actions());
    connect(d->stepToMenu.get(), &QMenu::triggered, this, &Zindle::step);

    d->ui.tableChallenge->setModel(new ChallengeModel(this));
    QHeaderView *challengeHeader = d->ui.tableChallenge->horizontalHeader();
    // The style's minimum would otherwise widen the picture column past its 24 pixels.
    challengeHeader->setMinimumSectionSize(std::min(challengeHeader->minimumSectionSize(), 24));
    challengeHeader->setSectionResizeMode(0, QHeaderView::Fixed);
    challengeHeader->setSectionResizeMode(1, QHeaderView::Stretch);
    challengeHeader->setSectionResizeMode(2, QHeaderView::Fixed);
    challengeHeader->resizeSection(0, 24);
    challengeHeader->resizeSection(2, 32);
    d->ui.tableChallenge->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    connect(d->ui.tableChallenge->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Zindle::selectChallenge);
    connect(d->ui.actionIndex, &QAction::triggered, this, &Zindle::helpIndex);
    connect(d->ui.actionAbout, &QAction::triggered, this, &Zindle::helpAbout);
    connect(d->ui.actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
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
                                            d->state.machine->tapeLength(), 1, 50000, 1, &ok);
    if (!ok)
        return;
    d->state.machine->setTapeLength(length);
    d->state.tapeModel->resetModel();
}

void Zindle::on_actionMaximumValue_triggered()
{
    bool ok = false;
    const int value = QInputDialog::getInt(this, tr("Enter maximum value..."), tr("Value:"),
                                           d->state.machine->maximumValue(), 1, 2000000000, 1,
                                           &ok);
    if (ok)
        d->state.machine->setMaximumValue(value);
}

void Zindle::on_actionAlphabet_triggered(bool checked)
{
    WorkbenchState &s = d->state;
    std::unique_ptr<IOHandler> handler = createInteractiveHandler(this, checked);
    s.activeHandler = handler.get();
    s.machine->setHandler(s.activeHandler);
    s.interactiveHandler = std::move(handler);
    s.tapeModel->setAlphabet(checked);
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
