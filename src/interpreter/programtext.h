// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMTEXT_H
#define PROGRAMTEXT_H

#include <QChar>
#include <QString>

// One of the eight brainfuck commands; the breakpoint mark '@' is not one.
bool isCommand(QChar character);

// The length of a program as the Length command reports it and challenges limit it.
int countCommands(const QString &text);

// The editor text as the machine runs it: everything but the commands and '@' becomes a
// space, so the text keeps its length and a program counter is also an editor position.
QString machineProgram(QString text);

#endif // PROGRAMTEXT_H
