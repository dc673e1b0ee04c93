// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef INTERACTIVEHANDLER_H
#define INTERACTIVEHANDLER_H

#include "interpreter/iohandler.h"

#include <QtGlobal>

#include <memory>

class PaneWriter;
class QPlainTextEdit;
class QString;

// What the two interactive handlers share: they read the input pane as it was when the run
// started, ask for more in a prompt once it holds no more values, and collect the run's output
// for the output pane, which shows it at every refresh. They differ in how a value is read
// from the text and how one is written.
class InteractiveHandler : public IOHandler
{
public:
    ~InteractiveHandler() override;

    void start() override;
    void refresh() override;
    bool hasInput() override;
    int input() override;
    // After start(): the output given next follows `values` earlier ones, which the pane counts
    // among those it does not show.
    void skipOutput(qint64 values);

protected:
    // What the prompt asks for when the input has no more values: a line of text or a number.
    enum class Prompt { Line, Number };

    explicit InteractiveHandler(QPlainTextEdit *input, QPlainTextEdit *output, Prompt prompt);

    // Takes the next value of `text` from `*position` on and moves past it; false when the
    // rest of the text holds none.
    virtual bool readValue(const QString &text, qsizetype *position, int *value) const = 0;
    // The run's output so far, which refresh() shows in the output pane.
    PaneWriter &writer();

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // INTERACTIVEHANDLER_H
