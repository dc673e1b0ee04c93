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

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Far beyond any program written by hand or generated, and small enough for the editor;
// it also ends reading a device that never runs dry.
constexpr qint64 LargestFile = 64 * 1024 * 1024;
// How often a wait on a pipe asks whether to go on.
constexpr qint64 WaitSliceMilliseconds = 100;

// Where the editor keeps the character of the file that a line separator stands for.
constexpr int FileCharacterProperty = QTextFormat::UserProperty + 0x0d;
// Where the editor marks a block that continues the line of the block before it.
constexpr int ContinuesLineProperty = QTextFormat::UserProperty + 0x0e;
// Where the editor's document keeps the file that it shows, as long as it shows it unchanged.
constexpr char FileTextProperty[] = "programFileText";
constexpr char FileBytesProperty[] = "programFileBytes";

// Gives the messages their translation context.
struct Messages
{
    Q_DECLARE_TR_FUNCTIONS(ProgramFile)
};

QString tooLarge()
{
    return Messages::tr("The file is larger than %1 MB.").arg(LargestFile / (1024 * 1024));
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

enum class Waited { Ready, Quiet, TooLong, Cancelled };

// Waits until `fd` is ready for `events`, for at most `milliseconds` and not past `total`,
// asking the caller in between whether to go on.
Waited waitFor(int fd, short events, int milliseconds, const QDeadlineTimer &total,
               const FileWait &wait, bool *hungUp = nullptr)
{
    const QDeadlineTimer quiet(milliseconds);
    for (;;) {
        if (wait.keepWaiting && !wait.keepWaiting())
            return Waited::Cancelled;
        if (total.hasExpired())
            return Waited::TooLong;
        if (quiet.hasExpired())
            return Waited::Quiet;
        const qint64 slice =
            std::min({quiet.remainingTime(), total.remainingTime(), WaitSliceMilliseconds});
        pollfd request{fd, events, 0};
        const int ready = ::poll(&request, 1, int(slice));
        // An error shows in the read or write that follows.
        if (ready > 0 || (ready < 0 && errno != EINTR)) {
            if (hungUp)
                *hungUp = ready > 0 && (request.revents & POLLHUP) != 0;
            return Waited::Ready;
        }
    }
}

// Why a wait on a pipe ended without it being ready; `quiet` for a Quiet end.
QString waitError(Waited waited, const FileWait &wait, const QString &quiet)
{
    switch (waited) {
    case Waited::Cancelled:
        return Messages::tr("Waiting for the pipe was cancelled.");
    case Waited::TooLong:
        return Messages::tr("The pipe was still not done after %1 seconds.")
            .arg(wait.totalMilliseconds / 1000);
    default:
        return quiet;
    }
}

// Reads a named or unnamed pipe without ever blocking: opening a pipe that nobody writes to
// would wait for a writer forever, and so would reading one whose writer never closes it.
bool readPipe(const QString &name, QByteArray *bytes, QString *error, const FileWait &wait)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    // A writer that trickles resets the silence each time, so all of it has a limit too.
    const QDeadlineTimer total(wait.totalMilliseconds);
    // Until someone opens the pipe for writing, reading it finds its end at once.
    bool writerSeen = false;
    const QDeadlineTimer writerDeadline(wait.writerMilliseconds);
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
            const Waited waited = waitFor(fd, POLLIN, int(writerDeadline.remainingTime()), total,
                                          wait, &hungUp);
            if (waited != Waited::Ready) {
                *error = waitError(
                    waited, wait,
                    Messages::tr("Nothing was written to the pipe within %1 seconds.")
                        .arg(wait.writerMilliseconds / 1000));
                break;
            }
            // A writer that came and went without a word leaves an empty program.
            writerSeen = hungUp;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A writer has the pipe open but has written nothing more yet.
            writerSeen = true;
            const Waited waited = waitFor(fd, POLLIN, wait.silenceMilliseconds, total, wait);
            if (waited != Waited::Ready) {
                *error = waitError(
                    waited, wait,
                    Messages::tr("Nothing more was written to the pipe for %1 seconds.")
                        .arg(wait.silenceMilliseconds / 1000));
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

// write() that reports a reader gone as EPIPE instead of ending the process with SIGPIPE.
ssize_t writeQuietly(int fd, const char *data, size_t size)
{
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const ssize_t count = ::write(fd, data, size);
    const int writeError = errno;
    if (count < 0 && writeError == EPIPE) {
        // Takes back the signal that the write raised while it was blocked.
        const timespec now{0, 0};
        while (sigtimedwait(&pipeSignal, nullptr, &now) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = writeError;
    return count;
}

// Writes a device or a pipe where it is: renaming a new file over it would replace it. Opening
// a pipe never waits for a reader, and writing waits for one only within the limits of `wait`.
bool writeInPlace(const QString &name, const QByteArray &bytes, QString *error,
                  const FileWait &wait)
{
    const int fd = ::open(QFile::encodeName(name).constData(),
                          O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = errno == ENXIO ? Messages::tr("Nothing reads from the pipe.")
                                : qt_error_string(errno);
        return false;
    }
    const QDeadlineTimer total(wait.totalMilliseconds);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            writeQuietly(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count >= 0) {
            written += count;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            *error = qt_error_string(errno);
            break;
        }
        const Waited waited = waitFor(fd, POLLOUT, wait.silenceMilliseconds, total, wait);
        if (waited != Waited::Ready) {
            *error = waitError(waited, wait,
                               Messages::tr("Nothing more was read from the pipe for %1 seconds.")
                                   .arg(wait.silenceMilliseconds / 1000));
            break;
        }
    }
    if (::close(fd) != 0 && written == bytes.size()) {
        *error = qt_error_string(errno);
        return false;
    }
    return written == bytes.size();
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

enum class LineEnds {
    OfAFile, // only line feeds; other line separators stay in the line, remembered
    OfAPaste // every character that the document takes for one, as a paste does
};

// Inserts `text` at the cursor, a long line in pieces, each line end a line of its own.
void insertInPieces(QTextCursor *cursor, const QString &text, LineEnds ends)
{
    QTextBlockFormat line = cursor->blockFormat();
    line.clearProperty(ContinuesLineProperty);
    QTextBlockFormat piece = line;
    piece.setProperty(ContinuesLineProperty, true);
    // Text after a kept carriage return must not pass for one.
    QTextCharFormat plain = cursor->charFormat();
    plain.clearProperty(FileCharacterProperty);
    int length = cursor->positionInBlock();
    qsizetype from = 0;
    const auto insertUpTo = [&](qsizetype to) {
        if (to > from)
            cursor->insertText(text.mid(from, to - from), plain);
        from = to;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        if (character == u'\n'
            || (ends == LineEnds::OfAPaste && needsStandIn(character)
                && character != QChar::LineSeparator)) {
            insertUpTo(i);
            if (character == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            cursor->insertBlock(line, plain);
            from = i + 1;
            length = 0;
            continue;
        }
        if (length >= LinePieceLength) {
            insertUpTo(i);
            cursor->insertBlock(piece, plain);
            length = 0;
        }
        // Each such character of a file is shown as a line break that remembers what it was.
        if (ends == LineEnds::OfAFile && needsStandIn(character)) {
            insertUpTo(i);
            QTextCharFormat standIn = plain;
            standIn.setProperty(FileCharacterProperty, int(character.unicode()));
            cursor->insertText(QString(QChar::LineSeparator), standIn);
            from = i + 1;
        }
        ++length;
    }
    insertUpTo(text.size());
}

} // namespace

bool writeProgramFile(const QString &name, const QString &text, QString *error)
{
    return writeProgramFile(name, programFileBytes(text), error);
}

bool writeProgramFile(const QString &name, const QByteArray &bytes, QString *error,
                      const FileWait &wait)
{
    const QFileInfo info(name);
    if (info.exists() && !info.isFile() && !info.isDir())
        return writeInPlace(name, bytes, error, wait);

    // The bytes go to a new file that replaces the old one only once all of it is on disk, so
    // a failed save leaves the previous file whole.
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool readProgramFile(const QString &name, QString *text, QString *error)
{
    ProgramFile file;
    if (!readProgramFile(name, &file, error))
        return false;
    *text = file.text;
    return true;
}

bool readProgramFile(const QString &name, ProgramFile *file, QString *error,
                     const FileWait &wait)
{
    // All of it as bytes first: a pipe may be empty at one moment and hold more at the next,
    // so only its writer closing it says that the program is complete.
    QByteArray bytes;
    if (!(isPipe(name) ? readPipe(name, &bytes, error, wait) : readFile(name, &bytes, error)))
        return false;
    file->text = programFileText(bytes);
    file->bytes = bytes;
    return true;
}

QString programFileText(const QByteArray &bytes)
{
    // A UTF-16 or UTF-32 byte order mark names the file's encoding; otherwise it is UTF-8, and
    // a UTF-8 mark stays in the text so that saving writes it again. Bytes that are not UTF-8
    // are each taken as the Latin-1 character of that number rather than lost.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    QString text;
    if (marked && *marked != QStringConverter::Utf8) {
        text = QStringDecoder(*marked).decode(bytes);
    } else {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(bytes);
        if (decoder.hasError())
            text = QString::fromLatin1(bytes);
    }
    text.replace(u"\r\n"_s, u"\n"_s);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray programFileBytes(const QString &text)
{
    return text.toUtf8();
}

void setEditorFileText(QPlainTextEdit *editor, const QString &text)
{
    // Emptied as setPlainText() does (no undo history, not modified, the view at the top), then
    // filled in one edit, so that the highlighter and the bracket marks see the text once.
    editor->setPlainText(QString());
    QTextDocument *document = editor->document();
    document->setProperty(FileTextProperty, QVariant());
    document->setProperty(FileBytesProperty, QVariant());
    // Reading a file is nothing to undo.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    insertInPieces(&cursor, text, LineEnds::OfAFile);
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    editor->moveCursor(QTextCursor::Start);
}

QString editorFileText(const QPlainTextEdit *editor)
{
    // The document's own characters, not its plain text, which also turns no-break spaces
    // into blanks. A line separator typed by the user is a line end, as in the plain text.
    const QTextDocument *document = editor->document();
    QString text;
    text.reserve(document->characterCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin() && !continuesLine(block))
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

void setEditorFile(QPlainTextEdit *editor, const ProgramFile &file)
{
    setEditorFileText(editor, file.text);
    editor->document()->setProperty(FileTextProperty, file.text);
    editor->document()->setProperty(FileBytesProperty, file.bytes);
}

QByteArray editorFileBytes(const QPlainTextEdit *editor)
{
    // The file's own bytes keep what its text does not: a line end after the last line, the
    // encoding, and bytes that are not UTF-8.
    const QString text = editorFileText(editor);
    const QTextDocument *document = editor->document();
    const QVariant bytes = document->property(FileBytesProperty);
    if (bytes.isValid() && document->property(FileTextProperty).toString() == text)
        return bytes.toByteArray();
    return programFileBytes(text);
}

bool continuesLine(const QTextBlock &block)
{
    // The first block starts a line whatever format an edit left it with.
    return block.isValid() && block.previous().isValid()
        && block.blockFormat().boolProperty(ContinuesLineProperty);
}

bool mayHoldPieces(const QTextDocument *document)
{
    // The document keeps every format that it ever used, so this may also find one no longer
    // in use; never does it miss one.
    const QList<QTextFormat> formats = document->allFormats();
    return std::any_of(formats.begin(), formats.end(), [](const QTextFormat &format) {
        return format.isBlockFormat() && format.boolProperty(ContinuesLineProperty);
    });
}

void insertProgramText(QTextCursor *cursor, const QString &text)
{
    cursor->beginEditBlock();
    cursor->removeSelectedText();
    insertInPieces(cursor, text, LineEnds::OfAPaste);
    cursor->endEditBlock();
}

void insertLineBreak(QTextCursor *cursor)
{
    QTextBlockFormat line = cursor->blockFormat();
    line.clearProperty(ContinuesLineProperty);
    cursor->insertBlock(line);
}

QString selectedProgramText(const QTextCursor &cursor)
{
    const int start = cursor.selectionStart();
    QString text = cursor.selectedText();
    // From the end, so that the positions still to come stay where they are.
    for (QTextBlock block = cursor.document()->findBlock(cursor.selectionEnd());
         block.isValid() && block.position() > start; block = block.previous()) {
        if (continuesLine(block))
            text.remove(block.position() - 1 - start, 1);
    }
    // As the document's plain text gives them.
    for (QChar &character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator)
            character = u'\n';
        else if (character == QChar::Nbsp)
            character = u' ';
    }
    return text;
}
