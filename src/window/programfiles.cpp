// The program's file: New, Open, Save, Save as, the title that shows the file and whether the
// program changed, and the offer to save before changes would be lost.

#include "window/zindle.h"
#include "window/zindle_p.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QString fileFilter = u"*.bf"_s;

QString saveName(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, Zindle::tr("Save..."), QString(), fileFilter);
}

// Puts the text through a stream in the locale's encoding; false if any of it failed to go out.
bool writeText(QFileDevice &file, const QString &text)
{
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    stream << text;
    stream.flush();
    return stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

// Writes the program to the named file; on failure `error` says why.
bool writeProgram(const QString &name, const QString &text, QString *error)
{
    const QFileInfo info(name);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or a pipe is written in place: renaming a new file over it would replace it.
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
            && writeText(file, text) && file.flush()) {
            file.close();
            if (file.error() == QFileDevice::NoError)
                return true;
        }
        *error = file.errorString();
        return false;
    }

    // The text goes to a new file that replaces the old one only once all of it is on disk, so
    // a failed save leaves the previous file whole.
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text) && writeText(file, text)
        && file.commit())
        return true;
    *error = file.errorString();
    file.cancelWriting();
    return false;
}

// Reads the program from the named file, its lines joined with "\n"; on failure `error` says why.
bool readProgram(const QString &name, QString *text, QString *error)
{
    // Not in text mode: that would drop every carriage return, also one inside a line.
    // readLine() already takes "\r\n" as a line end.
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    QStringList lines;
    while (!stream.atEnd())
        lines.append(stream.readLine());
    if (stream.status() != QTextStream::Ok || file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *text = lines.join(u'\n');
    return true;
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
    const QString name = QFileDialog::getOpenFileName(this, tr("Open..."), QString(), fileFilter);
    if (!name.isEmpty())
        loadFile(name);
}

void Zindle::on_actionSave_triggered()
{
    const QString name = d->state.fileName.isEmpty() ? saveName(this) : d->state.fileName;
    if (!name.isEmpty())
        saveFile(name);
}

void Zindle::on_actionSaveAs_triggered()
{
    const QString name = saveName(this);
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
    const QString name = s.fileName.isEmpty() ? saveName(this) : s.fileName;
    // The caller goes on only if the program is safely on disk.
    return !name.isEmpty() && saveFile(name);
}

bool Zindle::saveFile(const QString &name)
{
    QString error;
    if (!writeProgram(name, d->ui.editProgram->toPlainText(), &error)) {
        QMessageBox::warning(this, tr("Save failed"),
                             tr("The program could not be saved to %1:\n%2\n\nIt is still in the editor.")
                                 .arg(QDir::toNativeSeparators(name), error));
        return false;
    }
    d->state.fileName = name;
    unchanged();
    return true;
}

bool Zindle::loadFile(const QString &name)
{
    QString text;
    QString error;
    if (!readProgram(name, &text, &error)) {
        QMessageBox::warning(this, tr("Open failed"),
                             tr("The program could not be read from %1:\n%2")
                                 .arg(QDir::toNativeSeparators(name), error));
        return false;
    }
    d->ui.editProgram->setPlainText(text);
    d->state.fileName = name;
    unchanged();
    return true;
}

void Zindle::closeEvent(QCloseEvent *event)
{
    if (d->state.running)
        stopRun();
    if (!maybeSave())
        event->ignore();
}
