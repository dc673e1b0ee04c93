// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// What every fuzz target needs before its first input: an application without a display, and
// a settings store of its own, so that no run ever reads or writes the user's marks.

#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringView>

#include <cstdio>
#include <cstdlib>

inline void startFuzzApplication()
{
    static int argc = 1;
    static char name[] = "zindle-fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    const QString store = QDir::tempPath() + QStringLiteral("/zindle-fuzz-settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store);
    // Qt's warnings (such as every prompt's from the offscreen platform) would only bury the
    // fuzzer's own report; a fatal message still ends the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    new QApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("MurkleSoftware"));
    QCoreApplication::setApplicationName(QStringLiteral("Zindle"));
    // The font system keeps what it sets up on first use; done here, it is not taken for a
    // leak of the first input.
    QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("x"));
}

// The font library keeps what it looks up for each new script it meets, unreachable to the
// leak checker though never lost; every other leak still ends the run.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// A broken promise of the code under test: report it and stop, so that the fuzzer keeps the input.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A program of up to `longest` characters, each drawn from `characters`; a character written
// there more than once is drawn that much more often.
inline QString fuzzedProgram(FuzzedDataProvider &data, QStringView characters, size_t longest)
{
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, longest);
    QString text;
    for (size_t i = 0; i < length; ++i)
        text += characters.at(data.ConsumeIntegralInRange<qsizetype>(0, characters.size() - 1));
    return text;
}

#endif // FUZZSUPPORT_H
