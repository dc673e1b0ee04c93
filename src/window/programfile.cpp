#include "programfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Puts the text through a stream in the locale's encoding; false if any of it failed to go out.
bool writeText(QFileDevice &file, const QString &text)
{
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    stream << text;
    stream.flush();
    return stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

} // namespace

bool writeProgramFile(const QString &name, const QString &text, QString *error)
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

bool readProgramFile(const QString &name, QString *text, QString *error)
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
