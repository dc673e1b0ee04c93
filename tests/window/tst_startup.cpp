// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The steps of start-up that come before the window: the "--reset" option and reading the course.

#include "window/startup.h"

#include "challenges/challenge.h"
#include "challenges/challengemodel.h"

#include <QCoreApplication>
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

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
