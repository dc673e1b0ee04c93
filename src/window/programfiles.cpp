// The program's file: New, Open, Save, Save as, the title that shows the file and whether the
// program changed, and the offer to save before changes would be lost.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTextStream>

namespace {

QString saveName(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, Zindle::tr("Save..."), QString(), Zindle::tr("*.bf"));
}

} // namespace

void Zindle::changed()
{
    WorkbenchState &s = d->state;
    if (s.modified)
        return;
    s.modified = true;
    setWindowTitle(s.fileName.isEmpty() ? tr("Zindle - unsaved*") : tr("Zindle - %1*").arg(s.fileName));
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
    if (!maybeSave())
        return;
    d->ui.editProgram->setPlainText(QString());
    d->state.fileName.clear();
    unchanged();
}

void Zindle::on_actionOpen_triggered()
{
    if (!maybeSave())
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Open..."), QString(), tr("*.bf"));
    if (name.isEmpty())
        return;
    d->state.fileName = name;
    loadFile();
}

void Zindle::on_actionSave_triggered()
{
    if (d->state.fileName.isEmpty()) {
        const QString name = saveName(this);
        if (name.isEmpty())
            return;
        d->state.fileName = name;
    }
    saveFile();
}

void Zindle::on_actionSaveAs_triggered()
{
    const QString name = saveName(this);
    if (name.isEmpty())
        return;
    d->state.fileName = name;
    saveFile();
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
    if (s.fileName.isEmpty()) {
        const QString name = saveName(this);
        if (name.isEmpty())
            return false;
        s.fileName = name;
    }
    saveFile();
    return true;
}

void Zindle::saveFile()
{
    QFile file(d->state.fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    stream << d->ui.editProgram->toPlainText();
    unchanged();
}

void Zindle::loadFile()
{
    QFile file(d->state.fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    QStringList lines;
    while (!stream.atEnd())
        lines.append(stream.readLine());
    d->ui.editProgram->setPlainText(lines.join(u'\n'));
    unchanged();
}

void Zindle::closeEvent(QCloseEvent *event)
{
    if (d->state.running)
        stopRun();
    if (!maybeSave())
        event->ignore();
}
