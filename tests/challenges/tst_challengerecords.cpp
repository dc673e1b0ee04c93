// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learner's best and latest passing programs: kept by the store, recorded by the window
// on a pass, shown in the challenge pane, opened from the File menu, cleared by "--reset".

#include "challenges/challengerecords.h"

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/challengemodel.h"
#include "modalanswerer.h"
#include "window/startup.h"
#include "window/windowfixture.h"
#include "window/zindle.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PassScore)

namespace {

constexpr int Echo = 2;
constexpr int RunTimeout = 20000;

QString contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList challengeKeys()
{
    QSettings settings;
    settings.beginGroup(u"challenge"_s);
    return settings.allKeys();
}

} // namespace

static bool operator==(const PassScore &a, const PassScore &b)
{
    return a.commands == b.commands && a.steps == b.steps;
}

namespace QTest {
template<>
char *toString(const PassScore &score)
{
    return qstrdup(QByteArray::number(score.commands) + " commands, "
                   + QByteArray::number(score.steps) + " steps");
}
} // namespace QTest

class tst_ChallengeRecords : public WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void keepsBestAndLatest_data();
    void keepsBestAndLatest();
    void damagedRecords_data();
    void damagedRecords();
    void resetClears();

    void passIsRecordedAndShown();
    void unwritableLocationKeepsThePass();
    void unwritableSettingsAreTold();
    void openBest();

private:
    void passEcho(const QString &program);
    QString recordsText() const { return child<QLabel>(u"labelRecords"_s)->text(); }
    QPlainTextEdit *editor() const { return edit(u"editProgram"_s); }

    QString folder;
};

void tst_ChallengeRecords::initTestCase()
{
    loadCourse();
    QCOMPARE(challengeList().size(), 50);
    folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/solutions"_s;
}

void tst_ChallengeRecords::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    QVERIFY(applyResetOption({u"zindle"_s, u"--reset"_s}));
    QFile::remove(folder);
}

void tst_ChallengeRecords::cleanup()
{
    closeWindow();
    QFile::remove(folder);
    QDir().rmdir(QSettings().fileName());
}

void tst_ChallengeRecords::keepsBestAndLatest_data()
{
    QTest::addColumn<PassScore>("later");
    QTest::addColumn<bool>("newBest");

    QTest::newRow("fewer commands") << PassScore{9, 500} << true;
    QTest::newRow("as many commands, fewer steps") << PassScore{10, 99} << true;
    QTest::newRow("as many commands, as many steps") << PassScore{10, 100} << false;
    QTest::newRow("as many commands, more steps") << PassScore{10, 101} << false;
    QTest::newRow("more commands, fewer steps") << PassScore{11, 1} << false;
}

void tst_ChallengeRecords::keepsBestAndLatest()
{
    QFETCH(PassScore, later);
    QFETCH(bool, newBest);

    ChallengeRecords records;
    QVERIFY(!records.best(7).isValid());
    QVERIFY(records.recordPass(7, u"first"_s, {10, 100}).isEmpty());
    QCOMPARE(records.best(7), (PassScore{10, 100}));
    QCOMPARE(contents(records.bestFileName(7)), u"first"_s);

    QVERIFY(records.recordPass(7, u"later"_s, later).isEmpty());
    QCOMPARE(records.best(7), (newBest ? later : PassScore{10, 100}));
    QCOMPARE(contents(records.bestFileName(7)), newBest ? u"later"_s : u"first"_s);
    QCOMPARE(records.latest(7), later);
    QCOMPARE(contents(records.latestFileName(7)), u"later"_s);
    QVERIFY(!records.best(8).isValid());
}

void tst_ChallengeRecords::damagedRecords_data()
{
    QTest::addColumn<QVariant>("commands");
    QTest::addColumn<QVariant>("steps");

    QTest::newRow("negative") << QVariant(-5) << QVariant(10);
    QTest::newRow("huge") << QVariant(10) << QVariant(u"99999999999999999999999"_s);
    QTest::newRow("beyond any program") << QVariant(Q_INT64_C(5000000000)) << QVariant(10);
    QTest::newRow("not a number") << QVariant(u"ten"_s) << QVariant(10);
    QTest::newRow("fraction") << QVariant(u"2.5"_s) << QVariant(10);
    QTest::newRow("missing") << QVariant() << QVariant(10);
}

void tst_ChallengeRecords::damagedRecords()
{
    QFETCH(QVariant, commands);
    QFETCH(QVariant, steps);

    ChallengeRecords records;
    QVERIFY(records.recordPass(3, u"+."_s, {2, 2}).isEmpty());
    QVERIFY(records.best(3).isValid());
    QSettings settings;
    settings.setValue(u"records/3/best-commands"_s, commands);
    settings.setValue(u"records/3/best-steps"_s, steps);
    settings.sync();
    QVERIFY(!records.best(3).isValid());
    QVERIFY(records.latest(3).isValid());

    // A damaged best is no best: the next pass takes its place.
    QVERIFY(records.recordPass(3, u"+.."_s, {3, 4}).isEmpty());
    QCOMPARE(records.best(3), (PassScore{3, 4}));
}

void tst_ChallengeRecords::resetClears()
{
    ChallengeRecords records;
    QVERIFY(records.recordPass(0, u"."_s, {1, 1}).isEmpty());
    markChallengeComplete(0);
    QFile foreign(folder + u"/notes.txt"_s);
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.close();

    QVERIFY(applyResetOption({u"zindle"_s, u"--reset"_s}));
    QVERIFY(!records.best(0).isValid());
    QVERIFY(!records.latest(0).isValid());
    QVERIFY(!QFile::exists(records.bestFileName(0)));
    QVERIFY(!QFile::exists(records.latestFileName(0)));
    QVERIFY(QSettings().allKeys().isEmpty());
    // Files the store did not write stay where they are.
    QVERIFY(foreign.exists());
    QVERIFY(foreign.remove());
}

void tst_ChallengeRecords::passEcho(const QString &program)
{
    if (!window) {
        QVERIFY(openWindow(Show::Active));
        action(u"actionChallenges"_s)->trigger();
        auto *table = child<QTableView>(u"tableChallenge"_s);
        table->setCurrentIndex(table->model()->index(Echo, 1));
    }
    editor()->setPlainText(program);
    answerer->expectMessageBox(u"Pass"_s, u"Your program has passed the challenge!"_s);
    window->findChild<QPushButton *>(u"buttonTest"_s)->click();
}

void tst_ChallengeRecords::passIsRecordedAndShown()
{
    const QString program = u"read , and write . it"_s;
    passEcho(program);
    QVERIFY(recordsText().contains(u"Your best: not passed yet\n0 of 50 complete"_s));
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    // Two commands in each of the six cases.
    QTRY_VERIFY(recordsText().contains(u"Your best: 2 commands, 12 steps\n1 of 50 complete"_s));
    ChallengeRecords records;
    QCOMPARE(records.best(Echo), (PassScore{2, 12}));
    QCOMPARE(contents(records.bestFileName(Echo)), program);
    QVERIFY(window->findChild<QAction *>(u"actionOpenBest"_s)->isEnabled());

    passEcho(u",.>"_s);
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QTRY_COMPARE(records.latest(Echo), (PassScore{3, 18}));
    QCOMPARE(records.best(Echo), (PassScore{2, 12}));
    QCOMPARE(contents(records.bestFileName(Echo)), program);
    QCOMPARE(contents(records.latestFileName(Echo)), u",.>"_s);
    // The completion marks are stored as they always were.
    QCOMPARE(challengeKeys(), (QStringList{u"3/complete"_s, u"size"_s}));
}

void tst_ChallengeRecords::unwritableLocationKeepsThePass()
{
    // A file where the folder should be: no user, not even an administrator, can write there.
    QDir().mkpath(QFileInfo(folder).path());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    passEcho(u",."_s);
    QString warning;
    answerer->expectMessageBox(u"Keep program"_s, QString(), QMessageBox::Ok,
                               [&](QWidget *box) { warning = ModalAnswerer::textOf(box); });
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    ChallengeRecords records;
    QVERIFY2(warning.contains(QDir::toNativeSeparators(records.bestFileName(Echo))),
             qPrintable(warning));
    QVERIFY2(warning.contains(QDir::toNativeSeparators(records.latestFileName(Echo))),
             qPrintable(warning));
    QVERIFY(isChallengeComplete(Echo));
    QVERIFY(!records.best(Echo).isValid());
    QVERIFY(recordsText().contains(u"Your best: passed, no program kept\n1 of 50 complete"_s));
    QCOMPARE(editor()->toPlainText(), u",."_s);
}

void tst_ChallengeRecords::unwritableSettingsAreTold()
{
    // A folder where the settings file should be: no write reaches it, not even as root.
    const QString file = QSettings().fileName();
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkpath(file));

    passEcho(u",."_s);
    QString warning;
    answerer->expectMessageBox(u"Keep progress"_s, QString(), QMessageBox::Ok,
                               [&](QWidget *box) { warning = ModalAnswerer::textOf(box); });
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY2(warning.contains(QDir::toNativeSeparators(file)), qPrintable(warning));
    // The pass shows, and the program is kept where it can be.
    QVERIFY(isChallengeComplete(Echo));
    QVERIFY(recordsText().contains(u"Your best: 2 commands, 12 steps\n1 of 50 complete"_s));
    QCOMPARE(contents(ChallengeRecords().bestFileName(Echo)), u",."_s);
    // Told once: the next pass says nothing more.
    passEcho(u",.>"_s);
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QVERIFY(QDir().rmdir(file));
}

void tst_ChallengeRecords::openBest()
{
    passEcho(u"echo ,."_s);
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    QTRY_VERIFY(window->findChild<QAction *>(u"actionOpenBest"_s)->isEnabled());

    editor()->setPlainText(u"something else"_s);
    answerer->expectMessageBox(u"Save changes?"_s,
                               u"Do you want to save changes to your existing program?"_s,
                               QMessageBox::No);
    QVERIFY(showWindow());
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(editor()->toPlainText(), u"echo ,."_s);
    // An untitled copy: saving it asks for a name and leaves the kept program as it was.
    QCOMPARE(window->windowTitle(), u"Zindle"_s);
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"copy.bf"_s);
    editor()->appendPlainText(u"+"_s);
    answerer->expectFileName(u"Save..."_s, u"save dialog, *.bf"_s, copy);
    window->findChild<QAction *>(u"actionSave"_s)->trigger();
    QTRY_VERIFY(answerer->isDone());
    QCOMPARE(contents(copy), u"echo ,.\n+"_s);
    QCOMPARE(contents(ChallengeRecords().bestFileName(Echo)), u"echo ,."_s);
    QCOMPARE(window->windowTitle(), u"Zindle - %1"_s.arg(copy));
}

QTEST_MAIN(tst_ChallengeRecords)
#include "tst_challengerecords.moc"
