// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef STARTUP_H
#define STARTUP_H

#include <QString>
#include <QStringList>

// The steps of start-up that come before the window: kept apart from main() so they can be
// tested without starting the application.

// What zindle prints instead of opening its window when an argument is exactly "--help" or
// "--version" (the first of them counts); empty for every other command line.
QString informationText(const QStringList &arguments);

// Erases every challenge completion mark, and the passing programs kept with their scores,
// when the arguments hold exactly "--reset".
// Answers whether it did.
bool applyResetOption(const QStringList &arguments);

// The program file that a desktop or a user names on the command line: the first argument after
// the program's own name that is no option and names an existing file other than a folder
// (a pipe too), whether or not it can be read; empty if there is none.
QString programFileArgument(const QStringList &arguments);

// Replaces the process-wide challenge list with the challenges of the given file.
void loadChallenges(const QString &fileName);

#endif // STARTUP_H
