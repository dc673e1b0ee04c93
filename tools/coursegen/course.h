// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef COURSE_H
#define COURSE_H

#include <QByteArray>
#include <QStringList>

// The shipped challenge file, made from the statements and the task oracles in coursedata.cpp
// and the par of the reference solutions.
// The same seed always gives the same bytes, so the committed file can be checked against it.
struct CourseDocument
{
    QByteArray xml;
    // Every place where a case broke the rules of its task or of the file format; empty when
    // the document is fit to ship.
    QStringList problems;
};

// `solutions` is the folder of the course's reference solutions, one per row named by its
// two-digit row ("07-catenate.bf"; a ".wrong.bf" is a deliberately wrong variant). Each runs
// through the program's own machine and test handlers, and what it achieves becomes the par of
// its challenge: its command count, and its steps over all cases where the cases are fixed.
CourseDocument generateCourse(const QString &solutions);

#endif // COURSE_H
