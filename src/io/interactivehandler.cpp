// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interactivehandler.h"

#include "io/panewriter.h"

#include <QInputDialog>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

struct InteractiveHandler::Private
{
    Private(QPlainTextEdit *input, QPlainTextEdit *output, Prompt kind)
        : editInput(input)
        , prompt(kind)
        , writer(output)
    {
    }

    // Whatever the user enters, as text that readValue() reads like the pane's.
    bool ask(QString *text) const;

    QPlainTextEdit *const editInput;
    const Prompt prompt;
    // The input pane's text at the start of the run, followed by everything entered since.
    QString inputText;
    qsizetype position = 0;
    int value = 0;
    PaneWriter writer;
};

bool InteractiveHandler::Private::ask(QString *text) const
{
    bool ok = false;
    if (prompt == Prompt::Line) {
        *text = QInputDialog::getText(editInput, u"Enter input..."_s, u"Input:"_s,
                                      QLineEdit::Normal, QString(), &ok);
    } else {
        *text = QString::number(QInputDialog::getInt(editInput, u"Enter input..."_s,
                                                     u"Input:"_s, 0, 0, 2147483647, 1, &ok));
    }
    // The line break closes what was entered, so even an empty line reads as a value.
    *text += u'\n';
    return ok;
}

InteractiveHandler::InteractiveHandler(QPlainTextEdit *input, QPlainTextEdit *output,
                                       Prompt prompt)
    : d(std::make_unique<Private>(input, output, prompt))
{
}

InteractiveHandler::~InteractiveHandler() = default;

void InteractiveHandler::start()
{
    d->inputText = d->editInput->toPlainText();
    d->position = 0;
    d->writer.clear();
}

void InteractiveHandler::skipOutput(qint64 values)
{
    d->writer.skip(values);
}

void InteractiveHandler::refresh()
{
    d->writer.show();
}

bool InteractiveHandler::hasInput()
{
    while (!readValue(d->inputText, &d->position, &d->value)) {
        QString entered;
        if (!d->ask(&entered))
            return false;
        d->inputText += entered;
    }
    return true;
}

int InteractiveHandler::input()
{
    return d->value;
}

PaneWriter &InteractiveHandler::writer()
{
    return d->writer;
}
