// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The steps of start-up around the window: the "--reset" option, reading the course, and the
// program file named on the command line, which opens as File > Open would open it.

#include "window/startup.h"

#include "answeredwindow.h"
#include "challenges/challenge.h"
#include "challenges/challengemodel.h"

#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resetOption_data();
    void resetOption();
    void loadsChallengesInFileOrder();
    void unreadableFileLeavesNoChallenges();
    void programFileArgument_data();
    void programFileArgument();
    void opensProgramAsFileOpen_data();
    void opensProgramAsFileOpen();

private:
    QTemporaryDir files;
};

void tst_Startup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"MurkleSoftware"_s);
    QCoreApplication::setApplicationName(u"Zindle"_s);
}

void tst_Startup::resetOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("erased");

    QTest::newRow("alone") << QStringList{u"zindle"_s, u"--reset"_s} << true;
    QTest::newRow("after other arguments") << QStringList{u"zindle"_s, u"-style"_s, u"fusion"_s,
                                                          u"--reset"_s} << true;
    QTest::newRow("none") << QStringList{u"zindle"_s} << false;
    QTest::newRow("other letter case") << QStringList{u"zindle"_s, u"--Reset"_s} << false;
    QTest::newRow("single dash") << QStringList{u"zindle"_s, u"-reset"_s} << false;
    QTest::newRow("appended value") << QStringList{u"zindle"_s, u"--reset=1"_s} << false;
    QTest::newRow("trailing blank") << QStringList{u"zindle"_s, u"--reset "_s} << false;
}

void tst_Startup::resetOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, erased);

    {
        QSettings settings;
        settings.clear();
        settings.setValue(u"other/kept"_s, 1);
    }
    markChallengeComplete(0);
    markChallengeComplete(3);
    QVERIFY(isChallengeComplete(0));
    QVERIFY(isChallengeComplete(3));

    QCOMPARE(applyResetOption(arguments), erased);
    QCOMPARE(isChallengeComplete(0), !erased);
    QCOMPARE(isChallengeComplete(3), !erased);
    QSettings settings;
    QCOMPARE(settings.childGroups().contains(u"challenge"_s), !erased);
    QCOMPARE(settings.value(u"other/kept"_s).toInt(), 1);

    // The marks do not come back at the next start without the option.
    applyResetOption({u"zindle"_s});
    QCOMPARE(isChallengeComplete(0), !erased);
}

void tst_Startup::loadsChallengesInFileOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"challenges.xml"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<xml>"
               "<challenge><name>First</name><tape_length>20</tape_length></challenge>"
               "<challenge><name>Second</name><test type=\"normal\"><data>1;1</data></test>"
               "</challenge>"
               "</xml>");
    file.close();

    loadChallenges(path);
    QCOMPARE(challengeList().size(), 2);
    QCOMPARE(challengeList().at(0).name, u"First"_s);
    QCOMPARE(challengeList().at(0).tapeLength, 20);
    QCOMPARE(challengeList().at(1).name, u"Second"_s);
    QCOMPARE(challengeList().at(1).testCases, QStringList{u"1;1"_s});
}

void tst_Startup::unreadableFileLeavesNoChallenges()
{
    challengeList() = {Challenge()};
    loadChallenges(u":/no-such-file.xml"_s);
    QCOMPARE(challengeList().size(), 0);
}

void tst_Startup::programFileArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    const QString program = files.filePath(u"program.bf"_s);
    const QString other = files.filePath(u"other.b"_s);
    const QString missing = files.filePath(u"missing.bf"_s);
    const QString zindle = u"zindle"_s;
    QTest::newRow("none") << QStringList{zindle} << QString();
    QTest::newRow("file") << QStringList{zindle, program} << program;
    QTest::newRow("after reset") << QStringList{zindle, u"--reset"_s, program} << program;
    QTest::newRow("first of two") << QStringList{zindle, other, program} << other;
    QTest::newRow("missing skipped") << QStringList{zindle, missing, program} << program;
    QTest::newRow("missing only") << QStringList{zindle, missing} << QString();
    QTest::newRow("folder") << QStringList{zindle, files.path()} << QString();
    QTest::newRow("option") << QStringList{zindle, u"-reset"_s} << QString();
    QTest::newRow("own name") << QStringList{program} << QString();
}

void tst_Startup::programFileArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    for (const char *name : {"program.bf", "other.b"}) {
        QFile file(files.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(::programFileArgument(arguments), expected);
}

void tst_Startup::opensProgramAsFileOpen_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qint64>("size"); // beyond the contents: a sparse file too large to read

    QTest::newRow("readable") << QByteArray("+[->+<]\n, .\n") << qint64(0);
    QTest::newRow("too large") << QByteArray("+") << qint64(65) * 1024 * 1024;
}

void tst_Startup::opensProgramAsFileOpen()
{
    QFETCH(QByteArray, contents);
    QFETCH(qint64, size);

    const QString name = files.filePath(u"opened.bf"_s);
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    QVERIFY(size == 0 || file.resize(size));
    file.close();

    // The same file opened from the menu and from the command line: the same boxes, the same
    // window afterwards.
    QString warnings[2];
    QString title[2];
    QString text[2];
    for (int way = 0; way < 2; ++way) {
        ModalAnswerer answerer;
        AnsweredWindow window(&answerer);
        window.show();
        if (way == 0)
            answerer.expectFileName(u"Open..."_s, u"open dialog, *.bf"_s, name);
        if (size > 0) {
            answerer.expectMessageBox(u"Open failed"_s, QString(), QMessageBox::Ok,
                                      [&warnings, way](QWidget *box) {
                                          warnings[way] = ModalAnswerer::textOf(box);
                                      });
        }
        if (way == 0)
            window.findChild<QAction *>(u"actionOpen"_s)->trigger();
        else
            QCOMPARE(window.openFile(name), size == 0);
        QTRY_VERIFY2(answerer.isDone(), qPrintable(answerer.pending()));
        QCOMPARE(answerer.mismatches(), QStringList());
        title[way] = window.windowTitle();
        text[way] = window.findChild<QPlainTextEdit *>(u"editProgram"_s)->toPlainText();
    }
    QCOMPARE(warnings[1], warnings[0]);
    QCOMPARE(title[1], title[0]);
    QCOMPARE(text[1], text[0]);
    QCOMPARE(title[1], size == 0 ? u"Zindle - %1"_s.arg(name) : u"Zindle"_s);
    QCOMPARE(text[1], size == 0 ? u"+[->+<]\n, ."_s : QString());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
