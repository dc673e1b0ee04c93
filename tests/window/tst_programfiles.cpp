// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// New, Open, Save and Save as in the window, the title that follows the file and its changes,
// the offer to save unsaved changes, and what a user sees when a file cannot be read or written.

#include "window/zindle.h"

#include "modalanswerer.h"
#include "tricklepipe.h"
#include "window/windowfixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString QuestionTitle = u"Save changes?"_s;
const QString QuestionText = u"Do you want to save changes to your existing program?"_s;
const QString SaveCaption = u"Save..."_s;
const QString OpenCaption = u"Open..."_s;
const QString SaveDialog = u"save dialog, *.bf"_s;
const QString OpenDialog = u"open dialog, *.bf"_s;
const QString FullDevice = u"/dev/full"_s;

enum Spoil { Nothing, RemoveDirectory, LockDirectory };

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeContents(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QString titleFor(const QString &path, bool modified)
{
    return u"Zindle - "_s + path + (modified ? u"*"_s : QString());
}

bool isCharacterDevice(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

void expectSaveName(ModalAnswerer &answerer, const QString &name)
{
    answerer.expectFileName(SaveCaption, SaveDialog, name);
}

void expectOpenName(ModalAnswerer &answerer, const QString &name)
{
    answerer.expectFileName(OpenCaption, OpenDialog, name);
}

// A warning box with this title, its text kept for the test to look at.
void expectWarning(ModalAnswerer &answerer, const QString &title, QString *text)
{
    answerer.expectMessageBox(title, QString(), QMessageBox::Ok,
                              [text](QWidget *widget) { *text = ModalAnswerer::textOf(widget); });
}

} // namespace

class tst_ProgramFiles : public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void titleFollowsFileAndChanges();
    void unsavedQuestion_data();
    void unsavedQuestion();
    void yesOnUnnamedProgram_data();
    void yesOnUnnamedProgram();
    void openDialogCancelledAfterYes();
    void saveAsNewName();
    void saveReplacesTheFileInOneStep();
    void shortcuts();
    void closeWhileRunning_data();
    void closeWhileRunning();
    void newLeavesPanesAndTape();
    void failedWrite_data();
    void failedWrite();
    void failedRead_data();
    void failedRead();
    void waitOnPipeCancelled();

private:
    QPlainTextEdit *editor() const { return edit(u"editProgram"_s); }
    QString path(const QString &name) const { return dir->filePath(name); }
    // Types at the end of the program, where an opened file leaves the cursor at the start.
    void type(const QString &text) const;
    // "New", "Open", "Save", "SaveAs" trigger the action, "Close" closes the window.
    void perform(const QString &command) const;
    // Opens the file through the Open command; the window must not be modified.
    void open(const QString &file);
    // The dialogs expected so far were all shown, in order, with the expected words.
    void verifyAnswered();

    std::unique_ptr<QTemporaryDir> dir;
};

void tst_ProgramFiles::type(const QString &text) const
{
    QTest::keyClick(editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor(), text);
}

void tst_ProgramFiles::perform(const QString &command) const
{
    if (command == u"Close"_s)
        window->close();
    else
        action(u"action"_s + command)->trigger();
}

void tst_ProgramFiles::open(const QString &file)
{
    expectOpenName(*answerer, file);
    perform(u"Open"_s);
    verifyAnswered();
    QCOMPARE(window->windowTitle(), titleFor(file, false));
}

void tst_ProgramFiles::verifyAnswered()
{
    QVERIFY2(answerer->isDone(), qPrintable(answerer->pending()));
    QCOMPARE(answerer->mismatches(), QStringList());
}

void tst_ProgramFiles::initTestCase()
{
    // Closing a window in one test must not end the application under the next.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_ProgramFiles::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(openWindow());
}

// The temporary folder goes too, whatever the window's boxes left to report.
void tst_ProgramFiles::cleanup()
{
    closeWindow();
    // A locked folder must be writable again for the temporary folder to go.
    QFile::setPermissions(path(u"work"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir.reset();
}

void tst_ProgramFiles::roundTrip_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("program");

    QTest::newRow("two lines, each with a line end")
        << QByteArray("+[>+<-]\n.,\n") << u"+[>+<-]\n.,"_s;
    QTest::newRow("two lines, no line end after the last")
        << QByteArray("+[>+<-]\n.,") << u"+[>+<-]\n.,"_s;
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("only a line end") << QByteArray("\n") << QString();
    QTest::newRow("blank lines kept") << QByteArray("\n\n+\n\n") << u"\n\n+\n"_s;
    QTest::newRow("carriage return line ends")
        << QByteArray("add +\r\nprint .\r\n") << u"add +\nprint ."_s;
    QTest::newRow("lone carriage return breaks the line, not lost")
        << QByteArray("+\r-\n") << u"+\n-"_s;
    QTest::newRow("carriage returns kept, also the last")
        << QByteArray("a\r+\r\n-\r") << u"a\n+\n-\n"_s;
    QTest::newRow("comments outside ASCII")
        << QByteArray("gr\xc3\xbc\xc3\x9f +\n") << u"gr\u00fc\u00df +"_s;
    QTest::newRow("bytes that are not UTF-8") << QByteArray("gr\xfc\xdf +\n")
                                              << u"gr\u00fc\u00df +"_s;
    QTest::newRow("UTF-16") << QByteArray("\xfe\xff\0+\0\n", 6) << u"+"_s;
}

// Save writes the file again without any dialog, even when nothing changed, and a program
// saved unchanged comes back byte for byte.
void tst_ProgramFiles::roundTrip()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, program);

    const QString name = path(u"program.bf"_s);
    QVERIFY(writeContents(name, file));
    open(name);
    QCOMPARE(editor()->toPlainText(), program);

    perform(u"Save"_s);
    verifyAnswered();
    QCOMPARE(contents(name), file);
    QCOMPARE(window->windowTitle(), titleFor(name, false));
}

void tst_ProgramFiles::titleFollowsFileAndChanges()
{
    QCOMPARE(window->windowTitle(), u"Zindle"_s);

    type(u"+"_s);
    QCOMPARE(window->windowTitle(), u"Zindle - unsaved*"_s);
    QSignalSpy titles(window.get(), &QWidget::windowTitleChanged);
    type(u"+"_s);
    QCOMPARE(titles.count(), 0);

    const QString name = path(u"title.bf"_s);
    expectSaveName(*answerer, name);
    perform(u"Save"_s);
    verifyAnswered();
    QCOMPARE(window->windowTitle(), titleFor(name, false));
    QCOMPARE(contents(name), QByteArray("++"));

    // Undoing back to the saved text still counts as a change.
    QTest::keyClick(editor(), Qt::Key_Return);
    QCOMPARE(window->windowTitle(), titleFor(name, true));
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor()->toPlainText(), u"++"_s);
    QCOMPARE(window->windowTitle(), titleFor(name, true));
    answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::Cancel);
    perform(u"New"_s);
    verifyAnswered();
    QCOMPARE(editor()->toPlainText(), u"++"_s);

    perform(u"Save"_s);
    QCOMPARE(window->windowTitle(), titleFor(name, false));
    perform(u"New"_s);
    verifyAnswered();
    QCOMPARE(window->windowTitle(), u"Zindle"_s);
    QCOMPARE(editor()->toPlainText(), QString());
}

void tst_ProgramFiles::unsavedQuestion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("key"); // answers with this key instead of a click when set
    QTest::addColumn<bool>("goesOn");

    const QStringList commands = {u"New"_s, u"Open"_s, u"Close"_s};
    for (const QString &command : commands) {
        const QByteArray name = command.toLatin1();
        QTest::addRow("%s, yes", name.constData()) << command << int(QMessageBox::Yes) << 0 << true;
        QTest::addRow("%s, no", name.constData()) << command << int(QMessageBox::No) << 0 << true;
        QTest::addRow("%s, cancel", name.constData()) << command << int(QMessageBox::Cancel) << 0
                                                      << false;
        QTest::addRow("%s, escape", name.constData())
            << command << int(QMessageBox::Cancel) << int(Qt::Key_Escape) << false;
    }
    QTest::newRow("New, return takes the default")
        << u"New"_s << int(QMessageBox::Yes) << int(Qt::Key_Return) << true;
}

void tst_ProgramFiles::unsavedQuestion()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(int, key);
    QFETCH(bool, goesOn);

    const QString name = path(u"program.bf"_s);
    const QString other = path(u"other.bf"_s);
    QVERIFY(writeContents(name, "+"));
    QVERIFY(writeContents(other, ">"));
    open(name);
    type(u"-"_s);

    if (key != 0)
        answerer->expect(QuestionTitle, QuestionText,
                         [key](QWidget *box) { QTest::keyClick(box, Qt::Key(key)); });
    else
        answerer->expectMessageBox(QuestionTitle, QuestionText,
                                   QMessageBox::StandardButton(answer));
    if (goesOn && command == u"Open"_s)
        expectOpenName(*answerer, other);
    perform(command);
    verifyAnswered();

    QCOMPARE(contents(name), answer == QMessageBox::Yes ? QByteArray("+-") : QByteArray("+"));
    QCOMPARE(window->isVisible(), !(goesOn && command == u"Close"_s));
    if (!goesOn) {
        QCOMPARE(editor()->toPlainText(), u"+-"_s);
        QCOMPARE(window->windowTitle(), titleFor(name, true));
    } else if (command == u"New"_s) {
        QCOMPARE(editor()->toPlainText(), QString());
        QCOMPARE(window->windowTitle(), u"Zindle"_s);
    } else if (command == u"Open"_s) {
        QCOMPARE(editor()->toPlainText(), u">"_s);
        QCOMPARE(window->windowTitle(), titleFor(other, false));
    }
}

void tst_ProgramFiles::yesOnUnnamedProgram_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("nameGiven");

    QTest::newRow("New, save dialog cancelled") << u"New"_s << false;
    QTest::newRow("Open, save dialog cancelled") << u"Open"_s << false;
    QTest::newRow("Close, save dialog cancelled") << u"Close"_s << false;
    QTest::newRow("New, name given") << u"New"_s << true;
    QTest::newRow("Close, name given") << u"Close"_s << true;
}

// Yes on a program without a name asks for one; without a name nothing goes on.
void tst_ProgramFiles::yesOnUnnamedProgram()
{
    QFETCH(QString, command);
    QFETCH(bool, nameGiven);

    const QString name = path(u"named.bf"_s);
    type(u"+."_s);
    answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::Yes);
    expectSaveName(*answerer, nameGiven ? name : QString());
    perform(command);
    verifyAnswered();

    QCOMPARE(QFileInfo::exists(name), nameGiven);
    if (nameGiven) {
        QCOMPARE(contents(name), QByteArray("+."));
        QCOMPARE(window->isVisible(), command != u"Close"_s);
        if (command == u"New"_s)
            QCOMPARE(window->windowTitle(), u"Zindle"_s);
    } else {
        QVERIFY(window->isVisible());
        QCOMPARE(editor()->toPlainText(), u"+."_s);
        QCOMPARE(window->windowTitle(), u"Zindle - unsaved*"_s);
    }
}

void tst_ProgramFiles::openDialogCancelledAfterYes()
{
    const QString name = path(u"program.bf"_s);
    QVERIFY(writeContents(name, "+"));
    open(name);
    type(u"-"_s);

    answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::Yes);
    expectOpenName(*answerer, QString());
    perform(u"Open"_s);
    verifyAnswered();

    QCOMPARE(contents(name), QByteArray("+-"));
    QCOMPARE(editor()->toPlainText(), u"+-"_s);
    QCOMPARE(window->windowTitle(), titleFor(name, false));
}

void tst_ProgramFiles::saveAsNewName()
{
    const QString name = path(u"program.bf"_s);
    const QString copy = path(u"copy"_s);
    QVERIFY(writeContents(name, "+\n-\n"));
    open(name);

    expectSaveName(*answerer, copy);
    perform(u"SaveAs"_s);
    verifyAnswered();
    QCOMPARE(contents(copy), QByteArray("+\n-\n"));
    QCOMPARE(contents(name), QByteArray("+\n-\n"));
    QCOMPARE(window->windowTitle(), titleFor(copy, false));

    // Save now goes to the new name.
    type(u"."_s);
    perform(u"Save"_s);
    verifyAnswered();
    QCOMPARE(contents(copy), QByteArray("+\n-."));
    QCOMPARE(contents(name), QByteArray("+\n-\n"));
}

// A file is replaced by a complete new one rather than rewritten in place, so a save that
// breaks off half way cannot leave a cut-off program behind.
void tst_ProgramFiles::saveReplacesTheFileInOneStep()
{
    const QString name = path(u"program.bf"_s);
    const QString link = path(u"link.bf"_s);
    QVERIFY(writeContents(name, "+"));
    QCOMPARE(::link(QFile::encodeName(name).constData(), QFile::encodeName(link).constData()), 0);
    QVERIFY(QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    open(name);

    type(u"-"_s);
    perform(u"Save"_s);
    verifyAnswered();
    QCOMPARE(contents(name), QByteArray("+-"));
    QCOMPARE(contents(link), QByteArray("+"));
    const QFileDevice::Permissions others = QFile::ReadGroup | QFile::WriteGroup
                                            | QFile::ExeGroup | QFile::ReadOther
                                            | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(name) & others, QFile::ReadGroup);
}

void tst_ProgramFiles::shortcuts()
{
    QVERIFY(showWindow());
    const QString name = path(u"keys.bf"_s);

    type(u"+"_s);
    expectSaveName(*answerer, name);
    QTest::keyClick(editor(), Qt::Key_S, Qt::ControlModifier);
    verifyAnswered();
    QCOMPARE(contents(name), QByteArray("+"));

    QVERIFY(showWindow()); // the closed dialog handed the focus back
    QTest::keyClick(editor(), Qt::Key_N, Qt::ControlModifier);
    verifyAnswered();
    QCOMPARE(window->windowTitle(), u"Zindle"_s);
    QCOMPARE(editor()->toPlainText(), QString());

    expectOpenName(*answerer, name);
    QTest::keyClick(editor(), Qt::Key_O, Qt::ControlModifier);
    verifyAnswered();
    QCOMPARE(editor()->toPlainText(), u"+"_s);
}

void tst_ProgramFiles::closeWhileRunning_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");

    QTest::newRow("close cancelled") << int(QMessageBox::Cancel) << false;
    QTest::newRow("changes dropped") << int(QMessageBox::No) << true;
}

// Closing stops the run before asking, and the run stays stopped when the window stays.
void tst_ProgramFiles::closeWhileRunning()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);

    type(u"+[]"_s);
    action(u"actionRun"_s)->trigger();
    QVERIFY(action(u"actionHalt"_s)->isEnabled());
    QVERIFY(editor()->isReadOnly());

    bool stoppedWhenAsked = false;
    answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::StandardButton(answer),
                               [&](QWidget *) {
                                   stoppedWhenAsked = !action(u"actionHalt"_s)->isEnabled();
                               });
    QCOMPARE(window->close(), closes);
    verifyAnswered();
    QVERIFY(stoppedWhenAsked);
    QCOMPARE(window->isVisible(), !closes);
    QVERIFY(!action(u"actionHalt"_s)->isEnabled());
    QVERIFY(window->menuBar()->isEnabled());
    QVERIFY(!editor()->isReadOnly());
    QCOMPARE(editor()->toPlainText(), u"+[]"_s);
}

void tst_ProgramFiles::newLeavesPanesAndTape()
{
    type(u"+++>++"_s);
    edit(u"editInput"_s)->setPlainText(u"7"_s);
    action(u"actionRun"_s)->trigger();
    QTRY_VERIFY(!action(u"actionHalt"_s)->isEnabled());
    edit(u"editOutput"_s)->setPlainText(u"earlier output"_s);

    const QAbstractItemModel *tape = window->findChild<QTableView *>(u"tableTape"_s)->model();
    QVariantList cells;
    for (int column = 0; tape && column < 3; ++column)
        cells.append(tape->data(tape->index(0, column)));

    answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::No);
    perform(u"New"_s);
    verifyAnswered();
    QCOMPARE(editor()->toPlainText(), QString());
    QCOMPARE(edit(u"editInput"_s)->toPlainText(), u"7"_s);
    QCOMPARE(edit(u"editOutput"_s)->toPlainText(), u"earlier output"_s);
    for (int column = 0; tape && column < 3; ++column)
        QCOMPARE(tape->data(tape->index(0, column)), cells.at(column));
}

void tst_ProgramFiles::failedWrite_data()
{
    // The program is "+-": typed into a fresh window, or "-" typed after opening work/program.bf
    // (holding "+"), whose folder is then spoiled.
    QTest::addColumn<bool>("named");
    QTest::addColumn<int>("spoil");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target"); // the name given in the save dialog, if one is asked
    QTest::addColumn<QString>("reason");

    const QString noFolder = u"No such file or directory"_s;
    const QString noSpace = u"No space left on device"_s;
    const QString denied = u"Permission denied"_s;
    QTest::newRow("Save, folder gone") << true << int(RemoveDirectory) << u"Save"_s << QString()
                                       << noFolder;
    QTest::newRow("Save, folder read-only") << true << int(LockDirectory) << u"Save"_s << QString()
                                            << denied;
    QTest::newRow("Save as, missing folder") << true << int(Nothing) << u"SaveAs"_s
                                             << u"missing/copy.bf"_s << noFolder;
    QTest::newRow("Save as, full device") << true << int(Nothing) << u"SaveAs"_s << FullDevice
                                          << noSpace;
    QTest::newRow("Save unnamed, missing folder") << false << int(Nothing) << u"Save"_s
                                                  << u"missing/copy.bf"_s << noFolder;
    QTest::newRow("Yes before New, folder gone") << true << int(RemoveDirectory) << u"New"_s
                                                 << QString() << noFolder;
    QTest::newRow("Yes before Open, folder gone") << true << int(RemoveDirectory) << u"Open"_s
                                                  << QString() << noFolder;
    QTest::newRow("Yes before Close, folder read-only") << true << int(LockDirectory) << u"Close"_s
                                                        << QString() << denied;
    QTest::newRow("Yes before Close, unnamed, full device") << false << int(Nothing) << u"Close"_s
                                                            << FullDevice << noSpace;
    QTest::newRow("Yes before New, unnamed, missing folder") << false << int(Nothing) << u"New"_s
                                                             << u"missing/copy.bf"_s << noFolder;
}

// The user is told which file failed and why; the program stays in the editor, still marked
// as changed and under its old name, the old file stays whole, and nothing goes on.
void tst_ProgramFiles::failedWrite()
{
    QFETCH(bool, named);
    QFETCH(int, spoil);
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QString, reason);

    if (target == FullDevice && !isCharacterDevice(FullDevice))
        QSKIP("this system has no full device");
    const QString work = path(u"work"_s);
    const QString name = path(u"work/program.bf"_s);
    QVERIFY(QDir().mkpath(work));
    QVERIFY(writeContents(name, "+"));
    if (named) {
        open(name);
        type(u"-"_s);
    } else {
        type(u"+-"_s);
    }
    if (spoil == RemoveDirectory) {
        QVERIFY(QDir(work).removeRecursively());
    } else if (spoil == LockDirectory) {
        QVERIFY(QFile::setPermissions(work, QFile::ReadOwner | QFile::ExeOwner));
        if (QFile probe(path(u"work/probe"_s)); probe.open(QIODevice::WriteOnly))
            QSKIP("a read-only folder is still writable for this user");
    }
    const QString failing = target.isEmpty() ? name : target.startsWith(u'/')
        ? target : path(target);
    const QString title = named ? titleFor(name, true) : u"Zindle - unsaved*"_s;

    if (command != u"Save"_s && command != u"SaveAs"_s)
        answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::Yes);
    if (!target.isEmpty())
        expectSaveName(*answerer, failing);
    QString warning;
    expectWarning(*answerer, u"Save failed"_s, &warning);
    perform(command);
    verifyAnswered();

    QVERIFY2(warning.contains(failing), qPrintable(warning));
    QVERIFY2(warning.contains(reason), qPrintable(warning));
    QVERIFY(window->isVisible());
    QCOMPARE(editor()->toPlainText(), u"+-"_s);
    QCOMPARE(window->windowTitle(), title);
    if (spoil != RemoveDirectory)
        QCOMPARE(contents(name), QByteArray("+"));
    if (target == FullDevice)
        QVERIFY(isCharacterDevice(FullDevice));

    // The failed name was not taken: Save goes to the old name, or asks for one.
    if (spoil == Nothing) {
        if (!named)
            expectSaveName(*answerer, name);
        perform(u"Save"_s);
        verifyAnswered();
        QCOMPARE(contents(name), QByteArray("+-"));
        QCOMPARE(window->windowTitle(), titleFor(name, false));
    }
}

void tst_ProgramFiles::failedRead_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << u"gone.bf"_s << u"No such file or directory"_s;
    QTest::newRow("folder") << u"folder"_s << u"directory"_s;
    QTest::newRow("pipe nobody writes to") << u"pipe"_s << u"Nothing was written to the pipe"_s;
}

// The editor keeps its program, its changes and its name, and the user is told which file
// failed and why.
void tst_ProgramFiles::failedRead()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);

    const QString name = path(u"program.bf"_s);
    const QString failing = path(target);
    QVERIFY(writeContents(name, "+"));
    QVERIFY(QDir().mkpath(path(u"folder"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(path(u"pipe"_s)).constData(), 0600), 0);
    open(name);
    type(u"-"_s);

    answerer->expectMessageBox(QuestionTitle, QuestionText, QMessageBox::No);
    expectOpenName(*answerer, failing);
    QString warning;
    expectWarning(*answerer, u"Open failed"_s, &warning);
    perform(u"Open"_s);
    verifyAnswered();

    QVERIFY2(warning.contains(failing), qPrintable(warning));
    QVERIFY2(warning.contains(reason), qPrintable(warning));
    QCOMPARE(editor()->toPlainText(), u"+-"_s);
    QCOMPARE(window->windowTitle(), titleFor(name, true));

    perform(u"Save"_s);
    verifyAnswered();
    QCOMPARE(contents(name), QByteArray("+-"));
}

// A pipe whose writer never stops keeps the window waiting no longer than the user wants: the
// window says that it waits, and its Cancel ends the wait as a failed Open.
void tst_ProgramFiles::waitOnPipeCancelled()
{
    const QString name = path(u"trickle"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    std::atomic<bool> stop = false;
    std::thread writer(tricklePipe, name, &stop);
    expectOpenName(*answerer, name);
    answerer->expect(QString(), QString(), [](QWidget *widget) {
        if (auto *waiting = qobject_cast<QProgressDialog *>(widget))
            waiting->cancel();
    });
    QString warning;
    expectWarning(*answerer, u"Open failed"_s, &warning);
    perform(u"Open"_s);
    stop = true;
    writer.join();
    verifyAnswered();
    QVERIFY2(warning.contains(u"cancelled"_s), qPrintable(warning));
    QCOMPARE(window->windowTitle(), u"Zindle"_s);
}

QTEST_MAIN(tst_ProgramFiles)
#include "tst_programfiles.moc"
