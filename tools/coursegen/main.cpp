// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the challenge file. Usage: coursegen FILE SOLUTIONS
// (normally resources/challenges.xml tests/challenges/solutions)

#include "course.h"

#include <QSaveFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: coursegen FILE SOLUTIONS\n";
        return 2;
    }
    const CourseDocument course = generateCourse(QString::fromLocal8Bit(argv[2]));
    for (const QString &problem : course.problems)
        err << problem << '\n';
    if (!course.problems.isEmpty())
        return 1;

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(course.xml) != course.xml.size()
        || !file.commit()) {
        err << "cannot write " << file.fileName() << ": " << file.errorString() << '\n';
        return 1;
    }
    return 0;
}
