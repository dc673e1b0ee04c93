// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BENCHPROGRAMS_H
#define BENCHPROGRAMS_H

// Programs, and ways to run them, that more than one benchmark uses.

#include "interpreter/machine.h"
#include "interpreter/programtext.h"

#include <QFile>
#include <QString>

// The course's Collatz walker without its output, walking from 7 (no value above 52) outer ×
// inner times: loops inside loops that the machine cannot work out at once. Empty if the walker
// is not found.
inline QString collatzWalks(int outer, int inner)
{
    QFile file(
        QStringLiteral(ZINDLE_SOURCE_DIR "/tests/challenges/solutions/33-collatz-walker.bf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString walker = machineProgram(QString::fromLatin1(file.readAll()));
    walker.remove(u' ');
    walker.remove(u'.');
    walker.replace(u',', QString(7, u'+'));
    // The walk starts on cell 0 and ends on cell 2 with the marker in cell 0; the two counters
    // sit in cells 6 and 7.
    return QStringLiteral(">>>>>>") + QString(outer, u'+') + QStringLiteral("[>")
           + QString(inner, u'+') + QStringLiteral("[<<<<<<<") + walker
           + QStringLiteral("<<->>>>>>>-]<-]");
}

// A batch of at most 1000 calls of step(), as the window ran before run() existed; returns the
// steps taken.
inline int thousandSteps(Machine &machine)
{
    for (int i = 1; i <= 1000; ++i) {
        if (machine.step())
            return i;
    }
    return 1000;
}

#endif // BENCHPROGRAMS_H
