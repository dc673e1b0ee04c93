// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef NUMERICHANDLER_H
#define NUMERICHANDLER_H

#include "io/interactivehandler.h"

class QPlainTextEdit;
class Zindle;

// The interactive handler outside alphabet mode: reads decimal numbers from the input pane,
// asks for one in a dialog when the pane has no more, and lists the output as decimal numbers
// in the output pane. It accepts every output, so a run under it always finishes normally.
class NumericHandler : public InteractiveHandler
{
public:
    explicit NumericHandler(Zindle *window);
    explicit NumericHandler(QPlainTextEdit *input, QPlainTextEdit *output);
    ~NumericHandler() override;

    bool output(int value) override;

protected:
    bool readValue(const QString &text, qsizetype *position, int *value) const override;
};

#endif // NUMERICHANDLER_H
