// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHECKREPORT_H
#define CHECKREPORT_H

#include "challenges/challenge.h"
#include "challenges/coursecheck.h"

#include <QString>

#include <memory>

class QTextStream;

// One program file checked against one challenge.
struct CheckedProgram
{
    QString fileName;
    int row = -1;
    Challenge challenge;
    // Why the file could not be read; empty when it was, and `result` then holds the check.
    QString readError;
    CheckResult result;
};

// zindle-check's reports: plain text for people, JSON or JUnit XML for scripts, autograders and
// CI systems. Each program file gets one report, written as soon as it is checked: in JSON one
// object per line, in JUnit one testsuite per file inside one testsuites document.
class CheckReport
{
public:
    enum Format { Text, Json, JUnit };
    enum ExitCode { Passed = 0, Failed = 1, Unusable = 2 };

    // The format named on the command line; false for a name that is none of them.
    static bool formatFromName(const QString &name, Format *format);

    // Reports go to `out`; in text, a file that cannot be read is reported on `err`.
    CheckReport(Format format, QTextStream *out, QTextStream *err);
    ~CheckReport();

    // Text tells which file each report is about once there is more than one.
    void setNamesFiles(bool names);
    void begin();
    void add(const CheckedProgram &program);
    void end();
    // Passed only when every program passed; Unusable when one could not be checked at all or
    // the report could not be written.
    ExitCode exitCode() const;
    // Why the report could not be written in full; empty when it was.
    QString writeError() const;

private:
    Q_DISABLE_COPY_MOVE(CheckReport)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // CHECKREPORT_H
