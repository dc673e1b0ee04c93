// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ALPHAHANDLER_H
#define ALPHAHANDLER_H

#include "io/interactivehandler.h"

class QPlainTextEdit;
class Zindle;

// The interactive handler in alphabet mode: letters of the input pane come in as 1 to 26 and
// line breaks as 0, a dialog asks for another line when the pane has no more, and output is
// written back as lower-case letters with 0 as a line break. Values above 26 are refused.
class AlphaHandler : public InteractiveHandler
{
public:
    explicit AlphaHandler(Zindle *window);
    explicit AlphaHandler(QPlainTextEdit *input, QPlainTextEdit *output);
    ~AlphaHandler() override;

    bool output(int value) override;

protected:
    bool readValue(const QString &text, qsizetype *position, int *value) const override;
};

#endif // ALPHAHANDLER_H
