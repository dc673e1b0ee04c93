// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHALLENGE_H
#define CHALLENGE_H

#include <QList>
#include <QString>
#include <QStringList>

// One challenge of the course as the challenge file describes it. The test case lines are kept
// as raw text; only the test handlers give them meaning.
struct Challenge
{
    QString name;
    QString text;
    int difficulty = 0;
    int tapeLength = 10000;
    // The most commands a program may have to be tested; 0 means no limit.
    int programLength = 0;
    QString testType;
    QStringList testCases;
    // The course's own reference solution: its command count and the steps it takes over all
    // test cases together. 0 where the file gives none (no steps for a game dealt at random).
    int parCommands = 0;
    qint64 parSteps = 0;
};

// The course of the running program, in file order: a challenge's row here is its identity.
QList<Challenge> &challengeList();

#endif // CHALLENGE_H
