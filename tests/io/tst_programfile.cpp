// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading program files from odd places (pipes, devices) and carrying every character of a
// file through the editor, so that opening and saving without edits changes nothing.

#include "io/programfile.h"

#include "tricklepipe.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <atomic>
#include <cerrno>
#include <future>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Until the deadline, for the events on `fd`.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd request{fd, events, 0};
    return ::poll(&request, 1, int(deadline.remainingTime())) > 0;
}

// Writes the pieces into the pipe through `fd`, open before any reader came, and closes it
// once `opened` tells that a reader has opened the pipe: closed sooner, the pipe and all it
// holds would be gone before the reader got there. A reader that gave up leaves the writer
// waiting no longer than a minute.
void writePipe(int fd, int opened, const QList<QByteArray> &pieces)
{
    const QDeadlineTimer deadline(60000);
    bool ok = true;
    for (const QByteArray &piece : pieces) {
        for (qsizetype written = 0; ok && written < piece.size();) {
            const ssize_t count = ::write(fd, piece.constData() + written,
                                          size_t(piece.size() - written));
            if (count > 0)
                written += count;
            else
                ok = (errno == EAGAIN || errno == EINTR) && waitFor(fd, POLLOUT, deadline);
        }
    }
    if (ok)
        waitFor(opened, POLLIN, deadline);
    ::close(fd);
}

} // namespace

class tst_ProgramFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pipe_data();
    void pipe();
    void unusableSource_data();
    void unusableSource();
    void throughTheEditor_data();
    void throughTheEditor();
    void typedLineBreaksAreLineFeeds();
    void savedUnchanged_data();
    void savedUnchanged();
    void longLines_data();
    void longLines();
    void trickle_data();
    void trickle();
    void pipeNobodyReads();

private:
    QTemporaryDir dir;
};

void tst_ProgramFile::initTestCase()
{
    QVERIFY(dir.isValid());
}

void tst_ProgramFile::pipe_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QString>("text");

    QTest::newRow("one piece") << QList<QByteArray>{"+[>,.<]\n"} << u"+[>,.<]"_s;
    QTest::newRow("carriage returns") << QList<QByteArray>{"a\r+\r\n-\r"} << u"a\r+\n-\r"_s;
    QTest::newRow("longer than the pipe holds")
            << QList<QByteArray>{QByteArray(100000, '+'), QByteArray(100000, '-')}
            << QString(100000, u'+') + QString(100000, u'-');
    QTest::newRow("writer that writes nothing") << QList<QByteArray>{} << QString();
}

// A pipe is empty before its writer has written; only the writer closing it ends the program.
void tst_ProgramFile::pipe()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QString, text);

    const QString name = dir.filePath(u"pipe"_s);
    QFile::remove(name);
    QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    // The writer is there before the reader comes, however late its thread gets to run, so
    // the reader never gives up waiting for one.
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(fd >= 0);
    const int opened = ::inotify_init1(IN_CLOEXEC);
    QVERIFY(opened >= 0);
    QVERIFY(::inotify_add_watch(opened, QFile::encodeName(name).constData(), IN_OPEN) >= 0);
    std::thread writer(writePipe, fd, opened, pieces);
    QString read;
    QString error;
    const bool ok = readProgramFile(name, &read, &error);
    writer.join();
    ::close(opened);
    QVERIFY2(ok, qPrintable(error));
    QCOMPARE(read, text);
}

void tst_ProgramFile::unusableSource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");

    QTest::newRow("pipe nobody writes to") << u"lonely pipe"_s
                                           << u"Nothing was written to the pipe"_s;
    QTest::newRow("device without end") << u"/dev/zero"_s << u"larger than 64 MB"_s;
    QTest::newRow("folder") << u"."_s << u"directory"_s;
}

// A clear reason, and never a wait for a writer or an end that does not come.
void tst_ProgramFile::unusableSource()
{
    QFETCH(QString, name);
    QFETCH(QString, error);

    const QString path = name.startsWith(u'/') ? name : dir.filePath(name);
    if (name == u"lonely pipe"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QString text = u"kept"_s;
    QString reason;
    QVERIFY(!readProgramFile(path, &text, &reason));
    QVERIFY2(reason.contains(error), qPrintable(reason));
    QCOMPARE(text, u"kept"_s);
}

void tst_ProgramFile::throughTheEditor_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("lone and final carriage returns")
            << QByteArray("a\r+\r\n-\r") << u"a\n+\n-\n"_s << QByteArray("a\r+\n-\r");
    QTest::newRow("carriage return line ends") << QByteArray("+\r\n-\r\n") << u"+\n-"_s
                                               << QByteArray("+\n-");
    QTest::newRow("carriage return before a line end")
            << QByteArray("+\r\r\n-") << u"+\n\n-"_s << QByteArray("+\r\n-");
    QTest::newRow("line and paragraph separators")
            << QByteArray("+\xe2\x80\xa8-\xe2\x80\xa9.") << u"+\n-\n."_s
            << QByteArray("+\xe2\x80\xa8-\xe2\x80\xa9.");
    QTest::newRow("no-break space") << QByteArray("+\xc2\xa0-") << u"+ -"_s
                                    << QByteArray("+\xc2\xa0-");
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf+\n") << u"\ufeff+"_s
                                     << QByteArray("\xef\xbb\xbf+");
    QTest::newRow("UTF-16 by its byte order mark") << QByteArray("\xff\xfe+\0-\0", 6) << u"+-"_s
                                                   << QByteArray("+-");
    QTest::newRow("nothing but carriage returns") << QByteArray("\r\r") << u"\n\n"_s
                                                  << QByteArray("\r\r");
}

void tst_ProgramFile::throughTheEditor()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);

    QPlainTextEdit editor;
    setEditorFileText(&editor, programFileText(file));
    QCOMPARE(editor.toPlainText(), shown);
    QVERIFY(!editor.document()->isUndoAvailable());
    QCOMPARE(editorFileText(&editor).toUtf8(), saved);
}

// Only what came from the file goes back as it was; new line breaks are line feeds, also the
// one typed right after a carriage return.
void tst_ProgramFile::typedLineBreaksAreLineFeeds()
{
    QPlainTextEdit editor;
    setEditorFileText(&editor, u"+\r-"_s);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(2);
    editor.setTextCursor(cursor);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, u"<"_s);
    QCOMPARE(editorFileText(&editor), u"+\r\n<-"_s);
}

void tst_ProgramFile::savedUnchanged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");

    QTest::newRow("final line break") << QByteArray("+++.\n") << u"+++."_s;
    QTest::newRow("carriage return line ends") << QByteArray("+\r\n-\r\n") << u"+\n-"_s;
    QTest::newRow("not UTF-8") << QByteArray("+\xe9-\xff\n") << u"+\u00e9-\u00ff"_s;
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbf+\n") << u"\ufeff+"_s;
    QTest::newRow("UTF-16 byte order mark")
            << QByteArray("\xff\xfe+\0\n\0-\0\n\0", 10) << u"+\n-"_s;
    QTest::newRow("no-break space and carriage return") << QByteArray("+\xc2\xa0-\r.")
                                                        << u"+ -\n."_s;
}

// Open, then Save without a change, writes the file back byte for byte; after a change the
// program is written as UTF-8 without a final line end.
void tst_ProgramFile::savedUnchanged()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);

    const QString name = dir.filePath(u"unchanged.bf"_s);
    QFile out(name);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(file);
    out.close();
    ProgramFile read;
    QString error;
    QVERIFY2(readProgramFile(name, &read, &error), qPrintable(error));
    QPlainTextEdit editor;
    setEditorFile(&editor, read);
    QCOMPARE(editor.toPlainText(), shown);
    QVERIFY2(writeProgramFile(name, editorFileBytes(&editor), &error), qPrintable(error));
    QFile in(name);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(in.readAll(), file);

    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, u"<"_s);
    QCOMPARE(editorFileBytes(&editor), (editorFileText(&editor)).toUtf8());
    QVERIFY(editorFileBytes(&editor).endsWith('<'));
}

void tst_ProgramFile::longLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("pieces"); // blocks that continue the line before them

    const int length = LinePieceLength;
    QTest::newRow("just short enough") << QByteArray(length, ']') << 0;
    QTest::newRow("one character too long") << QByteArray(length + 1, ']') << 1;
    QTest::newRow("among short lines, with a final line end")
            << "+\n" + QByteArray(2 * length + 5, '[') + "\n-\n" << 2;
    // The carriage returns are kept in the line, so they shift where its pieces begin.
    QTest::newRow("lone carriage returns and a line end")
            << (QByteArray(length - 2, '+') + "\r").repeated(3) + "\r\n" + QByteArray(length, '<')
            << 2;
    QTest::newRow("not UTF-8") << QByteArray(length, '\xe9') + "\xff" << 1;
}

// A long line is held in pieces that Save leaves out: opened and saved unchanged, the file is
// written back byte for byte, while the plain text that the machine runs has a line break,
// one character, between two pieces.
void tst_ProgramFile::longLines()
{
    QFETCH(QByteArray, file);
    QFETCH(int, pieces);

    QPlainTextEdit editor;
    const QString text = programFileText(file);
    setEditorFile(&editor, ProgramFile{text, file});
    QCOMPARE(editorFileText(&editor), text);
    QCOMPARE(editorFileBytes(&editor), file);
    QCOMPARE(editor.toPlainText().size(), text.size() + pieces);
    QVERIFY(!editor.document()->isUndoAvailable());
    QVERIFY(!editor.document()->isModified());
    QCOMPARE(editor.textCursor().position(), 0);
    int continued = 0;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        QVERIFY(block.length() - 1 <= LinePieceLength);
        continued += continuesLine(block) ? 1 : 0;
    }
    QCOMPARE(continued, pieces);
}

void tst_ProgramFile::trickle_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("error");

    QTest::newRow("over the total time") << false << u"still not done after 1 seconds"_s;
    QTest::newRow("cancelled") << true << u"cancelled"_s;
}

// A writer that goes on and on, a byte at a time, holds the reader no longer than the total
// time, or than its caller wants to wait.
void tst_ProgramFile::trickle()
{
    QFETCH(bool, cancel);
    QFETCH(QString, error);

    const QString name = dir.filePath(u"trickle"_s);
    QFile::remove(name);
    QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    std::atomic<bool> stop = false;
    std::thread writer(tricklePipe, name, &stop);
    QElapsedTimer waited;
    waited.start();
    FileWait wait;
    wait.totalMilliseconds = cancel ? 60000 : 1000;
    if (cancel)
        wait.keepWaiting = [&waited] { return !waited.hasExpired(500); };
    ProgramFile file;
    QString reason;
    const bool ok = readProgramFile(name, &file, &reason, wait);
    stop = true;
    writer.join();
    QVERIFY(!ok);
    QVERIFY2(reason.contains(error), qPrintable(reason));
    QVERIFY2(waited.elapsed() < 5000, qPrintable(QString::number(waited.elapsed())));
}

// Saving onto a pipe that nobody reads fails at once instead of waiting for a reader.
void tst_ProgramFile::pipeNobodyReads()
{
    const QString name = dir.filePath(u"unread"_s);
    QFile::remove(name);
    QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    QString error;
    auto saved = std::async(std::launch::async,
                            [&] { return writeProgramFile(name, u"+"_s, &error); });
    if (saved.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Frees the writer stuck in open() before failing.
        const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK);
        saved.wait();
        ::close(fd);
        QFAIL("saving onto a pipe that nobody reads waited for a reader");
    }
    QVERIFY(!saved.get());
    QVERIFY2(error.contains(u"Nothing reads from the pipe"_s), qPrintable(error));
}

QTEST_MAIN(tst_ProgramFile)
#include "tst_programfile.moc"
