// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The interactive handlers of both modes: the input pane's text read as numbers or letters,
// prompts answered (or cancelled) with text of the input's choosing once the pane runs dry,
// and output written and shown in the output pane.

#include "fuzzsupport.h"

#include "io/alphahandler.h"
#include "io/numerichandler.h"
#include "io/panewriter.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QInputDialog>
#include <QPlainTextEdit>
#include <QTimer>

#include <deque>
#include <memory>

namespace {

// Answers each prompt with the next answer, or cancels it when there is none.
struct PromptAnswerer
{
    std::deque<QString> answers;
    int prompts = 0;

    void answer()
    {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ++prompts;
        if (answers.empty()) {
            dialog->reject();
            return;
        }
        const QString text = answers.front();
        answers.pop_front();
        if (dialog->inputMode() == QInputDialog::IntInput)
            dialog->setIntValue(text.toInt());
        else
            dialog->setTextValue(text);
        dialog->accept();
    }
};

QString expectedLetter(int value)
{
    return value == 0 ? QString(QChar(QChar::LineSeparator)) : QString(QChar(char16_t(96 + value)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // Kept for the whole run and never destroyed, like the application itself.
    static QPlainTextEdit &inputPane = *new QPlainTextEdit;
    static QPlainTextEdit &outputPane = *new QPlainTextEdit;
    static PromptAnswerer &answerer = *new PromptAnswerer;
    static QTimer &answering = *new QTimer;
    if (!answering.isActive()) {
        QObject::connect(&answering, &QTimer::timeout, [] { answerer.answer(); });
        answering.start(0);
    }

    const bool alphabet = data.ConsumeBool();
    std::unique_ptr<InteractiveHandler> handler;
    if (alphabet)
        handler = std::make_unique<AlphaHandler>(&inputPane, &outputPane);
    else
        handler = std::make_unique<NumericHandler>(&inputPane, &outputPane);
    inputPane.setPlainText(QString::fromUtf8(data.ConsumeRandomLengthString(200)));
    answerer.answers.clear();
    answerer.prompts = 0;
    for (int i = data.ConsumeIntegralInRange(0, 3); i > 0; --i)
        answerer.answers.push_back(QString::fromUtf8(data.ConsumeRandomLengthString(20)));

    outputPane.setPlainText(QStringLiteral("left from before"));
    handler->start();
    require(outputPane.toPlainText().isEmpty(), "a run starts with an empty output pane");
    QString shown;
    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            const int prompts = answerer.prompts;
            if (!handler->hasInput()) {
                require(answerer.prompts > prompts, "no input only after a cancelled prompt");
                break;
            }
            const int value = handler->input();
            require(value >= -1 || alphabet, "a number is negative only when unreadable");
            require(value <= 26 || !alphabet, "a letter is at most 26");
            break;
        }
        case 1: {
            const int value = alphabet ? data.ConsumeIntegralInRange(-1, 28)
                                       : data.ConsumeIntegral<int>();
            const bool accepted = handler->output(value);
            require(accepted == (!alphabet || (value >= 0 && value <= 26)), "output accepted");
            if (accepted && alphabet)
                shown += expectedLetter(value);
            else if (accepted)
                shown += (shown.isEmpty() ? QString() : QStringLiteral(", "))
                        + QString::number(value);
            break;
        }
        default: {
            handler->refresh();
            // A long pane may take its update a moment later, and keeps only the latest output.
            const QString pane = outputPane.document()->toRawText();
            if (shown.size() < 2000)
                require(pane == shown, "the output pane shows every value");
            require(pane.size() < PaneWriter::Limit + 100, "the pane holds a bounded amount");
            break;
        }
        }
    }
    return 0;
}
