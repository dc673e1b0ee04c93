// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef IOTESTSUPPORT_H
#define IOTESTSUPPORT_H

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include "modalanswerer.h"

#include <QInputDialog>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StopReason)

// One answer to an input prompt; std::nullopt cancels the prompt.
using Answer = std::optional<QString>;
Q_DECLARE_METATYPE(Answer)

// The two panes a handler works on; the output pane is read-only, as in the window.
struct Panes
{
    Panes()
        : input(new QPlainTextEdit(&owner))
        , output(new QPlainTextEdit(&owner))
    {
        output->setReadOnly(true);
    }

    QWidget owner;
    QPlainTextEdit *input;
    QPlainTextEdit *output;
};

// Queues the answers to the handler's input prompts. Besides the title and label that the
// answerer checks, each prompt must belong to the input pane and ask for the right kind of
// value; what differs is added to `problems`.
inline void expectPrompts(ModalAnswerer &answerer, QWidget *pane, QInputDialog::InputMode mode,
                          const QList<Answer> &answers, QStringList *problems)
{
    const auto check = [pane, mode, problems](QWidget *widget) {
        auto *dialog = qobject_cast<QInputDialog *>(widget);
        if (!dialog || dialog->parentWidget() != pane || dialog->inputMode() != mode) {
            *problems << u"prompt of another kind or parent"_s;
            return;
        }
        if (mode == QInputDialog::IntInput
            && (dialog->intValue() != 0 || dialog->intMinimum() != 0
                || dialog->intMaximum() != 2147483647 || dialog->intStep() != 1))
            *problems << u"number prompt with value %1 in %2..%3 step %4"_s.arg(dialog->intValue())
                             .arg(dialog->intMinimum())
                             .arg(dialog->intMaximum())
                             .arg(dialog->intStep());
        if (mode == QInputDialog::TextInput
            && (!dialog->textValue().isEmpty() || dialog->textEchoMode() != QLineEdit::Normal))
            *problems << u"text prompt with initial text '%1'"_s.arg(dialog->textValue());
    };
    for (const Answer &answer : answers) {
        if (!answer)
            answerer.expectCancelledInput(u"Enter input..."_s, u"Input:"_s, check);
        else if (mode == QInputDialog::IntInput)
            answerer.expectInputDialog(u"Enter input..."_s, u"Input:"_s, answer->toInt(), check);
        else
            answerer.expectInputDialog(u"Enter input..."_s, u"Input:"_s, *answer, check);
    }
}

// Runs a program to its end as the window does: start the machine, then the handler, and
// refresh the handler after every batch of steps. Gives up (NotStopped) past a step limit.
inline StopReason runProgram(Machine &machine, IOHandler &handler, const QString &program,
                             int batch = 1000)
{
    machine.setHandler(&handler);
    machine.setProgram(program);
    machine.start();
    handler.start();
    handler.refresh();
    for (int steps = 0; steps < 1000000;) {
        for (int i = 0; i < batch; ++i, ++steps) {
            if (machine.step()) {
                handler.refresh();
                return machine.stopReason();
            }
        }
        handler.refresh();
    }
    return StopReason::NotStopped;
}

// A program that reads `count` values into cells 0, 1, 2, ...
inline QString readInto(int count)
{
    return u",>"_s.repeated(count);
}

inline QList<int> cells(const Machine &machine, int count)
{
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values << machine.cell(i);
    return values;
}

// A program that writes the given values, each from a fresh cell.
inline QString printing(const QList<int> &values)
{
    QString program;
    for (int value : values)
        program += QString(value, u'+') + u".>"_s;
    return program;
}

#endif // IOTESTSUPPORT_H
