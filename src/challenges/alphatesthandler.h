// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ALPHATESTHANDLER_H
#define ALPHATESTHANDLER_H

#include "interpreter/iohandler.h"

#include <QStringList>

#include <memory>

class QPlainTextEdit;
class Zindle;

// Runs the test cases of a letter challenge, one case per run: feeds the case's letters as
// 1 to 26 and each line break as 0, and judges every output letter the moment it is made.
class AlphaTestHandler : public IOHandler
{
public:
    explicit AlphaTestHandler(Zindle *window, const QStringList &cases);
    explicit AlphaTestHandler(QPlainTextEdit *input, QPlainTextEdit *output,
                              const QStringList &cases);
    ~AlphaTestHandler() override;

    void start() override;
    bool hasInput() override;
    int input() override;
    bool output(int value) override;
    bool isComplete() override;

    // The input text (line breaks in place, the closing one added) and the expected letters
    // of a case line, read as start() reads them; false for a line that is no case.
    static bool parseCase(const QString &line, QString *inputText, QString *expectedText);

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // ALPHATESTHANDLER_H
