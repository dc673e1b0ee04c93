// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zindle's command line as a user types it: "--help" and "--version" answer without a window and
// without the settings store; every other argument opens the window, and only "--reset" erases
// the completion marks.

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void answersWithoutWindow_data();
    void answersWithoutWindow();
    void opensWindow_data();
    void opensWindow();

private:
    QString settingsFile() const { return home->filePath(u"config/MurkleSoftware/Zindle.conf"_s); }
    bool marksKept() const;
    void start(QProcess &process, const QStringList &arguments, const QString &platform);

    std::unique_ptr<QTemporaryDir> home;
};

void tst_CommandLine::init()
{
    home = std::make_unique<QTemporaryDir>();
    QVERIFY(home->isValid());
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.beginWriteArray(u"challenge"_s);
    settings.setArrayIndex(2);
    settings.setValue(u"complete"_s, true);
    settings.endArray();
}

bool tst_CommandLine::marksKept() const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.beginReadArray(u"challenge"_s);
    settings.setArrayIndex(2);
    return settings.value(u"complete"_s, false).toBool();
}

void tst_CommandLine::start(QProcess &process, const QStringList &arguments,
                            const QString &platform)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home->path());
    environment.insert(u"XDG_CONFIG_HOME"_s, home->filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, home->filePath(u"data"_s));
    environment.insert(u"QT_QPA_PLATFORM"_s, platform);
    // Repaints of the shown window are logged under its object name: the sign that it opened.
    environment.insert(u"QT_LOGGING_RULES"_s, u"qt.widgets.painting=true"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZINDLE_PROGRAM), arguments);
    QVERIFY(process.waitForStarted(60000));
}

void tst_CommandLine::answersWithoutWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answer");

    const QString usage = u"Usage: zindle [--reset] [FILE]\n"_s;
    const QString version = u"zindle %1\n"_s.arg(QStringLiteral(ZINDLE_VERSION));
    QTest::newRow("help") << QStringList{u"--help"_s} << usage;
    QTest::newRow("version") << QStringList{u"--version"_s} << version;
    QTest::newRow("help before reset") << QStringList{u"--help"_s, u"--reset"_s} << usage;
    QTest::newRow("version after reset") << QStringList{u"--reset"_s, u"extra"_s, u"--version"_s}
                                         << version;
}

void tst_CommandLine::answersWithoutWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answer);

    // There is no platform plugin of that name: creating the application object would abort.
    QProcess process;
    start(process, arguments, u"none"_s);
    QVERIFY(process.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(output.startsWith(answer), qPrintable(output));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QVERIFY(marksKept());
}

void tst_CommandLine::opensWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("erased");

    QTest::newRow("none") << QStringList() << false;
    QTest::newRow("reset after another") << QStringList{u"extra"_s, u"--reset"_s} << true;
    QTest::newRow("other letter case") << QStringList{u"--RESET"_s} << false;
    QTest::newRow("single dash") << QStringList{u"-reset"_s} << false;
    QTest::newRow("appended value") << QStringList{u"--reset=1"_s} << false;
    QTest::newRow("extra") << QStringList{u"extra"_s} << false;
    QTest::newRow("help misspelt") << QStringList{u"-help"_s, u"--Help"_s, u"--version=1"_s}
                                   << false;
}

void tst_CommandLine::opensWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, erased);

    QProcess process;
    start(process, arguments, u"offscreen"_s);
    QByteArray log;
    const auto windowShown = [&] {
        log += process.readAllStandardError();
        return log.contains("name=\"Zindle\"") || process.state() == QProcess::NotRunning;
    };
    QTRY_VERIFY_WITH_TIMEOUT(windowShown(), 60000);
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(marksKept(), !erased);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
