// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup.h"

#include "challenges/challengeloader.h"
#include "challenges/progressstore.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString informationText(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == u"--version")
            return u"zindle %1\n"_s.arg(QStringLiteral(ZINDLE_VERSION));
        if (argument == u"--help") {
            return u"Usage: zindle [--reset] [FILE]\n"
                   "A workbench for writing, running and debugging brainfuck programs, with a "
                   "course of challenges.\n\n"
                   "  --reset    erase the marks of passed challenges, and the best and latest\n"
                   "             passing programs kept with them, before the window opens\n"
                   "  FILE       open this program file, as File > Open does\n"
                   "  --help     print this help and exit\n"
                   "  --version  print the version and exit\n\n"
                   "Qt's own options, such as -style NAME, are accepted too. zindle-check tests a "
                   "program\nagainst a challenge from the command line.\n"_s;
        }
    }
    return {};
}

bool applyResetOption(const QStringList &arguments)
{
    if (!arguments.contains(u"--reset"_s))
        return false;
    ProgressStore::instance().reset();
    return true;
}

QString programFileArgument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const QFileInfo file(argument);
        if (!argument.startsWith(u'-') && file.exists() && !file.isDir())
            return argument;
    }
    return {};
}

void loadChallenges(const QString &fileName)
{
    ChallengeLoader loader;
    QFile file(fileName);
    // An unreadable file leaves an empty list: the window then starts with no challenges.
    file.open(QIODevice::ReadOnly);
    loader.setDevice(&file);
    loader.read();
}
