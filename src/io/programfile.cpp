// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/programfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Far beyond any program written by hand or generated, and small enough for the editor;
// it also ends reading a device that never runs dry.
constexpr qint64 LargestFile = 64 * 1024 * 1024;
// How long a pipe may wait for someone to write to it, and how long a writer may then fall
// silent before the pipe is given up.
constexpr int WriterWaitMilliseconds = 2000;
constexpr int SilenceMilliseconds = 10000;

// Where the editor keeps the character of the file that a line separator stands for.
constexpr int FileCharacterProperty = QTextFormat::UserProperty + 0x0d;

// Gives the messages their translation context.
struct ProgramFile
{
    Q_DECLARE_TR_FUNCTIONS(ProgramFile)
};

QString tooLarge()
{
    return ProgramFile::tr("The file is larger than %1 MB.").arg(LargestFile / (1024 * 1024));
}

// Characters that the editor's document cannot hold as themselves: it starts a new paragraph
// at each of them, and gives a line separator back as "\n".
bool needsStandIn(QChar character)
{
    switch (character.unicode()) {
    case u'\r':
    case QChar::LineSeparator:
    case QChar::ParagraphSeparator:
    case 0xfdd0: // the document's frame marks
    case 0xfdd1:
        return true;
    default:
        return false;
    }
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

// Waits until the pipe can be read or the time is up; false when it is up.
bool waitForPipe(int fd, int milliseconds, bool *hungUp)
{
    QDeadlineTimer deadline(milliseconds);
    for (;;) {
        pollfd request{fd, POLLIN, 0};
        const int ready = ::poll(&request, 1, int(deadline.remainingTime()));
        if (ready > 0) {
            *hungUp = (request.revents & POLLHUP) != 0;
            return true;
        }
        if (ready == 0 || errno != EINTR)
            return ready != 0;
    }
}

// Reads a named or unnamed pipe without ever blocking: opening a pipe that nobody writes to
// would wait for a writer forever, and so would reading one whose writer never closes it.
bool readPipe(const QString &name, QByteArray *bytes, QString *error)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    // Until someone opens the pipe for writing, reading it finds its end at once.
    bool writerSeen = false;
    QDeadlineTimer writerDeadline(WriterWaitMilliseconds);
    bool done = false;
    while (!done) {
        char buffer[65536];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            writerSeen = true;
            bytes->append(buffer, count);
            if (bytes->size() > LargestFile) {
                *error = tooLarge();
                break;
            }
        } else if (count == 0 && writerSeen) {
            done = true;
        } else if (count == 0) {
            bool hungUp = false;
            if (!waitForPipe(fd, int(writerDeadline.remainingTime()), &hungUp)) {
                *error = ProgramFile::tr("Nothing was written to the pipe within %1 seconds.")
                             .arg(WriterWaitMilliseconds / 1000);
                break;
            }
            // A writer that came and went without a word leaves an empty program.
            writerSeen = hungUp;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A writer has the pipe open but has written nothing more yet.
            writerSeen = true;
            bool hungUp = false;
            if (!waitForPipe(fd, SilenceMilliseconds, &hungUp)) {
                *error = ProgramFile::tr("Nothing more was written to the pipe for %1 seconds.")
                             .arg(SilenceMilliseconds / 1000);
                break;
            }
        } else if (errno != EINTR) {
            *error = qt_error_string(errno);
            break;
        }
    }
    ::close(fd);
    return done;
}

bool readFile(const QString &name, QByteArray *bytes, QString *error)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!file.isSequential() && file.size() > LargestFile) {
        *error = tooLarge();
        return false;
    }
    // A device has no size to check first; reading one byte past the limit tells.
    *bytes = file.isSequential() ? file.read(LargestFile + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    if (bytes->size() > LargestFile) {
        *error = tooLarge();
        return false;
    }
    return true;
}

bool isPipe(const QString &name)
{
    struct stat status;
    return ::stat(QFile::encodeName(name).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
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
    // All of it as bytes first: a pipe may be empty at one moment and hold more at the next,
    // so only its writer closing it says that the program is complete.
    QByteArray bytes;
    if (!(isPipe(name) ? readPipe(name, &bytes, error) : readFile(name, &bytes, error)))
        return false;
    *text = programFileText(bytes);
    return true;
}

QString programFileText(const QByteArray &bytes)
{
    // A UTF-16 or UTF-32 byte order mark names the file's encoding; otherwise it is the
    // locale's, and a UTF-8 mark stays in the text so that saving writes it again.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    QStringDecoder decoder = marked && *marked != QStringConverter::Utf8
            ? QStringDecoder(*marked)
            : QStringDecoder(QStringConverter::System, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    text.replace(u"\r\n"_s, u"\n"_s);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

void setEditorFileText(QPlainTextEdit *editor, const QString &text)
{
    // Each such character is shown as a line break that remembers what it was.
    QString shown = text;
    QList<std::pair<qsizetype, char16_t>> standIns;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (needsStandIn(shown.at(i))) {
            standIns.append({i, shown.at(i).unicode()});
            shown[i] = QChar::LineSeparator;
        }
    }
    editor->setPlainText(shown);
    if (standIns.isEmpty())
        return;

    // Remembering them belongs to reading the file, not to an edit that could be undone.
    QTextDocument *document = editor->document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const auto &[position, original] : std::as_const(standIns)) {
        cursor.setPosition(int(position));
        cursor.setPosition(int(position) + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setProperty(FileCharacterProperty, int(original));
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
}

QString editorFileText(const QPlainTextEdit *editor)
{
    // The document's own characters, not its plain text, which also turns no-break spaces
    // into blanks. A line separator typed by the user is a line end, as in the plain text.
    const QTextDocument *document = editor->document();
    QString text;
    text.reserve(document->characterCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            text += u'\n';
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QVariant original = fragment.charFormat().property(FileCharacterProperty);
            const QChar lineSeparator = original.isValid() ? QChar(char16_t(original.toInt()))
                                                           : QChar(u'\n');
            QString piece = fragment.text();
            for (QChar &character : piece) {
                if (character == QChar::LineSeparator)
                    character = lineSeparator;
            }
            text += piece;
        }
    }
    return text;
}
