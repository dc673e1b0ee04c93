// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zindle's command line as a user types it: "--help" and "--version" answer without a window and
// without the settings store; every other argument opens the window, and only "--reset" erases
// the completion marks. A program file named on it opens in the window, as File > Open would.
// The window is closed as a user closes it (through the plugin in quitonclose.cpp), so that
// every run ends by itself, with its status.

#include <QFile>
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
    QString spoilProgram(const QString &spoil);

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
    environment.insert(u"QT_PLUGIN_PATH"_s, QStringLiteral(ZINDLE_PLUGINS));
    environment.insert(u"QT_QPA_GENERIC_PLUGINS"_s, u"quitonclose"_s);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home->path());
    process.start(QStringLiteral(ZINDLE_PROGRAM), arguments);
    QVERIFY(process.waitForStarted(60000));
}

// A program file in the temporary home, as `spoil` leaves it: "missing", "unreadable", "too
// large" (beyond what File > Open reads) or, for anything else, holding a short program.
QString tst_CommandLine::spoilProgram(const QString &spoil)
{
    const QString name = home->filePath(u"program.bf"_s);
    if (spoil == u"missing")
        return name;
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write("+[-]") != 4)
        return QString();
    if (spoil == u"too large" && !file.resize(qint64(65) * 1024 * 1024))
        return QString();
    file.close();
    if (spoil == u"unreadable" && !file.setPermissions(QFile::WriteOwner))
        return QString();
    return name;
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
    QTest::addColumn<QString>("program"); // how spoilProgram() leaves the file named "FILE"
    QTest::addColumn<bool>("erased");
    QTest::addColumn<QString>("windows"); // what the plugin prints; FILE: the program's path

    const QString window = u"Zindle\n"_s;
    const QString file = u"FILE"_s;
    const QString reset = u"--reset"_s;
    QTest::newRow("none") << QStringList() << QString() << false << window;
    QTest::newRow("reset after another") << QStringList{u"extra"_s, reset} << QString() << true
                                         << window;
    QTest::newRow("reset twice") << QStringList{reset, reset} << QString() << true << window;
    QTest::newRow("other letter case") << QStringList{u"--RESET"_s} << QString() << false
                                       << window;
    QTest::newRow("single dash") << QStringList{u"-reset"_s} << QString() << false << window;
    QTest::newRow("appended value") << QStringList{u"--reset=1"_s} << QString() << false
                                    << window;
    QTest::newRow("extra") << QStringList{u"extra"_s} << QString() << false << window;
    QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s} << QString() << false
                                    << window;
    QTest::newRow("help misspelt") << QStringList{u"-help"_s, u"--Help"_s, u"--version=1"_s}
                                   << QString() << false << window;
    QTest::newRow("Qt's own option") << QStringList{u"-style"_s, u"fusion"_s} << QString()
                                     << false << window;
    QTest::newRow("file") << QStringList{file} << u"readable"_s << false
                          << u"Zindle - FILE\n"_s;
    QTest::newRow("file after reset") << QStringList{reset, file} << u"readable"_s << true
                                      << u"Zindle - FILE\n"_s;
    QTest::newRow("missing file") << QStringList{file} << u"missing"_s << false << window;
    const QString failed = u"Open failed: The program could not be read from FILE:\n"_s;
    QTest::newRow("unreadable file") << QStringList{file} << u"unreadable"_s << false
                                     << failed + u"Permission denied\n"_s + window;
    QTest::newRow("file too large") << QStringList{file} << u"too large"_s << false
                                    << failed + u"The file is larger than 64 MB.\n"_s + window;
}

void tst_CommandLine::opensWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, program);
    QFETCH(bool, erased);
    QFETCH(QString, windows);

    if (!program.isEmpty()) {
        const QString name = spoilProgram(program);
        QVERIFY(!name.isEmpty());
        if (QFile probe(name); program == u"unreadable" && probe.open(QIODevice::ReadOnly))
            QSKIP("an unreadable file is still readable for this user");
        arguments.replaceInStrings(u"FILE"_s, name);
        windows.replace(u"FILE"_s, name);
    }
    QProcess process;
    start(process, arguments, u"offscreen"_s);
    // The window is up, and so is a message box in front of it where one is expected.
    QByteArray log;
    const bool box = windows.contains(u':');
    const auto windowsShown = [&] {
        log += process.readAllStandardError();
        return (log.contains("name=\"Zindle\"") && (!box || log.contains("QMessageBox")))
            || process.state() == QProcess::NotRunning;
    };
    QTRY_VERIFY_WITH_TIMEOUT(windowsShown(), 60000);
    QCOMPARE(process.state(), QProcess::Running);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()), windows);
    QCOMPARE(marksKept(), !erased);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
