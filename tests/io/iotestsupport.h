#ifndef IOTESTSUPPORT_H
#define IOTESTSUPPORT_H

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QApplication>
#include <QInputDialog>
#include <QList>
#include <QStringList>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StopReason)

// One answer to an input prompt; std::nullopt cancels the prompt.
using Answer = std::optional<QString>;
Q_DECLARE_METATYPE(Answer)

// Answers the handlers' input prompts as a user would, while the handler under test waits
// in the dialog's own event loop. Each prompt must be the expected one; a prompt beyond the
// given answers is cancelled and noted, so a test never hangs on a dialog.
class PromptAnswerer
{
public:
    PromptAnswerer(QWidget *parent, QInputDialog::InputMode mode, const QList<Answer> &answers)
        : expectedParent(parent)
        , expectedMode(mode)
        , pending(answers)
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { answer(); });
        timer.start(5);
    }

    // What was wrong with the prompts seen, in order; empty when every prompt was expected.
    QStringList problems;
    int prompts = 0;

    int unused() const { return int(pending.size()); }

private:
    void answer()
    {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        ++prompts;
        if (dialog->windowTitle() != u"Enter input..."_s || dialog->labelText() != u"Input:"_s)
            problems << u"prompt titled '%1' with label '%2'"_s.arg(dialog->windowTitle(), dialog->labelText());
        if (dialog->parentWidget() != expectedParent)
            problems << u"prompt not parented to the input pane"_s;
        if (dialog->inputMode() != expectedMode)
            problems << u"prompt in input mode %1"_s.arg(int(dialog->inputMode()));
        if (expectedMode == QInputDialog::IntInput
            && (dialog->intValue() != 0 || dialog->intMinimum() != 0 || dialog->intMaximum() != 2147483647
                || dialog->intStep() != 1))
            problems << u"number prompt with value %1 in %2..%3 step %4"_s.arg(dialog->intValue())
                            .arg(dialog->intMinimum())
                            .arg(dialog->intMaximum())
                            .arg(dialog->intStep());
        if (expectedMode == QInputDialog::TextInput
            && (!dialog->textValue().isEmpty() || dialog->textEchoMode() != QLineEdit::Normal))
            problems << u"text prompt with initial text '%1'"_s.arg(dialog->textValue());
        if (pending.isEmpty()) {
            problems << u"unexpected prompt"_s;
            dialog->reject();
            return;
        }
        const Answer next = pending.takeFirst();
        if (!next) {
            dialog->reject();
            return;
        }
        if (expectedMode == QInputDialog::IntInput)
            dialog->setIntValue(next->toInt());
        else
            dialog->setTextValue(*next);
        dialog->accept();
    }

    QWidget *expectedParent;
    QInputDialog::InputMode expectedMode;
    QList<Answer> pending;
    QTimer timer;
};

// Runs a program to its end as the window does: start the machine, then the handler, and
// refresh the handler after every batch of steps. Gives up (NotStopped) past a step limit.
inline StopReason runProgram(Machine &machine, IOHandler &handler, const QString &program, int batch = 1000)
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
