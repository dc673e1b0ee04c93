// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What looking up completion marks costs when the settings store is crowded: 300,000 keys
// of marks, as a long-used or tampered-with store may hold. The challenge table looks up
// every visible row at every paint.

#include "challenges/challenge.h"
#include "challenges/challengemodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QCoreApplication::setOrganizationName(u"MurkleSoftware"_s);
    QCoreApplication::setApplicationName(u"Zindle"_s);

    const int keys = 300000;
    {
        QSettings settings;
        settings.beginWriteArray(u"challenge"_s);
        // Beyond the course's rows, and every other row of the course.
        for (int row = 0; row < keys; ++row) {
            settings.setArrayIndex(row < 25 ? row * 2 : row + 25);
            settings.setValue(u"complete"_s, true);
        }
        settings.endArray();
    }

    QElapsedTimer timer;
    timer.start();
    isChallengeComplete(0);
    const double first = double(timer.nsecsElapsed()) / 1e6;

    const int rounds = 1000;
    timer.restart();
    int marked = 0;
    for (int i = 0; i < rounds; ++i)
        marked += isChallengeComplete(i % 50) ? 1 : 0;
    const double lookup = double(timer.nsecsElapsed()) / 1e3 / rounds;

    timer.restart();
    markChallengeComplete(3);
    const double mark = double(timer.nsecsElapsed()) / 1e6;

    std::printf("completion marks, store of %d keys: first lookup %.1f ms, then %.1f us each "
                "(%d of %d marked), a table of 50 rows %.2f ms; one mark written %.1f ms\n",
                keys, first, lookup, marked, rounds, lookup * 50 / 1e3, mark);
    return 0;
}
