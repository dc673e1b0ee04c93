// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's file: New, Open, Save, Save as, the title that shows the file and whether the
// program changed, and the offer to save before changes would be lost.

#include "window/zindle.h"
#include "window/zindle_p.h"
#include "io/programfile.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString fileFilter = u"*.bf"_s;
// Longer than a pipe may wait for its writer, so that the common failure is told without a
// box coming and going first.
constexpr qint64 WaitUnseenMilliseconds = 3000;

// A file that keeps the window waiting (a pipe) says so after a moment, in a box whose Cancel
// gives up the wait; until then the wait goes unseen.
class WaitShown
{
public:
    WaitShown(QWidget *parent, const QString &fileName)
        : window(parent)
        , name(fileName)
    {
        shown.start();
    }

    FileWait wait()
    {
        FileWait wait;
        wait.keepWaiting = [this] { return keepWaiting(); };
        return wait;
    }

private:
    bool keepWaiting()
    {
        if (!dialog && !shown.hasExpired(WaitUnseenMilliseconds))
            return true;
        if (!dialog) {
            dialog = std::make_unique<QProgressDialog>(
                QCoreApplication::translate("Zindle", "Waiting for %1...")
                    .arg(QDir::toNativeSeparators(name)),
                QCoreApplication::translate("Zindle", "Cancel"), 0, 0, window);
            dialog->setObjectName(u"fileWait"_s);
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setMinimumDuration(0);
            dialog->show();
        }
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    }

    QWidget *const window;
    const QString name;
    QElapsedTimer shown;
    std::unique_ptr<QProgressDialog> dialog;
};

} // namespace

QString Zindle::askFileName(FileDialog dialog, const QString &caption, const QString &filter)
{
    if (dialog == FileDialog::Open)
        return QFileDialog::getOpenFileName(this, caption, QString(), filter);
    return QFileDialog::getSaveFileName(this, caption, QString(), filter);
}

QString Zindle::askSaveName()
{
    return askFileName(FileDialog::Save, tr("Save..."), fileFilter);
}

void Zindle::changed()
{
    WorkbenchState &s = d->state;
    if (s.modified)
        return;
    s.modified = true;
    setWindowTitle(s.fileName.isEmpty() ? tr("Zindle - unsaved*")
                                        : tr("Zindle - %1*").arg(s.fileName));
}

void Zindle::unchanged()
{
    WorkbenchState &s = d->state;
    d->ui.editProgram->document()->setModified(false);
    s.modified = false;
    setWindowTitle(s.fileName.isEmpty() ? tr("Zindle") : tr("Zindle - %1").arg(s.fileName));
}

void Zindle::on_actionNew_triggered()
{
    if (maybeSave())
        showProgram(ProgramFile(), QString());
}

void Zindle::on_actionOpen_triggered()
{
    if (!maybeSave())
        return;
    const QString name = askFileName(FileDialog::Open, tr("Open..."), fileFilter);
    if (!name.isEmpty())
        loadFile(name);
}

void Zindle::on_actionOpenBest_triggered()
{
    const int row = d->state.challengeIndex;
    if (row < 0 || !d->records.best(row).isValid() || !maybeSave())
        return;
    // An untitled copy: saving it must not overwrite the kept program behind its score.
    ProgramFile file;
    if (readProgram(d->records.bestFileName(row), &file))
        showProgram(file, QString());
}

void Zindle::on_actionSave_triggered()
{
    const QString name = d->state.fileName.isEmpty() ? askSaveName() : d->state.fileName;
    if (!name.isEmpty())
        saveFile(name);
}

void Zindle::on_actionSaveAs_triggered()
{
    const QString name = askSaveName();
    if (!name.isEmpty())
        saveFile(name);
}

bool Zindle::maybeSave()
{
    WorkbenchState &s = d->state;
    if (!s.modified)
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Save changes?"), tr("Do you want to save changes to your existing program?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    const QString name = s.fileName.isEmpty() ? askSaveName() : s.fileName;
    // The caller goes on only if the program is safely on disk.
    return !name.isEmpty() && saveFile(name);
}

bool Zindle::saveFile(const QString &name)
{
    QString error;
    WaitShown waiting(this, name);
    if (!writeProgramFile(name, editorFileBytes(d->ui.editProgram), &error, waiting.wait())) {
        QMessageBox::warning(this, tr("Save failed"),
                             tr("The program could not be saved to %1:\n%2\n\nIt is still in the "
                                "editor.")
                                 .arg(QDir::toNativeSeparators(name), error));
        return false;
    }
    d->state.fileName = name;
    unchanged();
    return true;
}

bool Zindle::loadFile(const QString &name)
{
    ProgramFile file;
    if (!readProgram(name, &file))
        return false;
    showProgram(file, name);
    return true;
}

bool Zindle::readProgram(const QString &name, ProgramFile *file)
{
    QString error;
    WaitShown waiting(this, name);
    if (readProgramFile(name, file, &error, waiting.wait()))
        return true;
    QMessageBox::warning(this, tr("Open failed"),
                         tr("The program could not be read from %1:\n%2")
                             .arg(QDir::toNativeSeparators(name), error));
    return false;
}

void Zindle::showProgram(const ProgramFile &file, const QString &fileName)
{
    setEditorFile(d->ui.editProgram, file);
    d->state.fileName = fileName;
    unchanged();
}

void Zindle::closeEvent(QCloseEvent *event)
{
    if (d->state.session->isRunning())
        d->state.session->stopRun();
    if (!maybeSave())
        event->ignore();
}
