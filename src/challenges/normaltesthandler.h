// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NORMALTESTHANDLER_H
#define NORMALTESTHANDLER_H

#include "interpreter/iohandler.h"

#include <QList>
#include <QStringList>

#include <memory>

class QPlainTextEdit;
class Zindle;

// Runs the test cases of a numeric challenge, one case per run: feeds the case's numbers
// as input and judges every output the moment it is made.
class NormalTestHandler : public IOHandler
{
public:
    explicit NormalTestHandler(Zindle *window, const QStringList &cases);
    explicit NormalTestHandler(QPlainTextEdit *input, QPlainTextEdit *output,
                               const QStringList &cases);
    ~NormalTestHandler() override;

    void start() override;
    bool hasInput() override;
    int input() override;
    bool output(int value) override;
    bool isComplete() override;

    // The values a case line gives as input and expects as output, read as start() reads
    // them; false for a line that is no case, which then runs with neither.
    static bool parseCase(const QString &line, QList<int> *input, QList<int> *expected);

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // NORMALTESTHANDLER_H
