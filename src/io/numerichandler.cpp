#include "numerichandler.h"

#include "io/panewriter.h"
#include "window/zindle.h"

#include <QInputDialog>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

struct NumericHandler::Private
{
    explicit Private(QPlainTextEdit *output)
        : writer(output)
    {
    }

    QPlainTextEdit *editInput = nullptr;
    // The input pane's text as it was when the run started; the pane is read-only meanwhile.
    QString inputText;
    qsizetype position = 0;
    int value = 0;
    // Every value of the run so far, already joined, so that a refresh only appends the tail.
    PaneWriter writer;
};

NumericHandler::NumericHandler(Zindle *window)
    : NumericHandler(window->inputEdit(), window->outputEdit())
{
}

NumericHandler::NumericHandler(QPlainTextEdit *input, QPlainTextEdit *output)
    : d(std::make_unique<Private>(output))
{
    d->editInput = input;
}

NumericHandler::~NumericHandler() = default;

void NumericHandler::start()
{
    d->inputText = d->editInput->toPlainText();
    d->position = 0;
    d->writer.clear();
}

void NumericHandler::refresh()
{
    d->writer.show();
}

bool NumericHandler::hasInput()
{
    const QString &text = d->inputText;
    // Everything but a digit separates numbers, the minus sign included: input is never negative.
    while (d->position < text.size() && !text.at(d->position).isDigit())
        ++d->position;
    if (d->position < text.size()) {
        const qsizetype begin = d->position;
        while (d->position < text.size() && text.at(d->position).isDigit())
            ++d->position;
        bool ok = false;
        d->value = QStringView(text).sliced(begin, d->position - begin).toInt(&ok);
        // A run that fits no 32-bit number must not pass for 0: -1 makes the machine refuse it.
        if (!ok)
            d->value = -1;
        return true;
    }
    bool ok = false;
    d->value = QInputDialog::getInt(d->editInput, u"Enter input..."_s, u"Input:"_s, 0, 0, 2147483647, 1, &ok);
    return ok;
}

int NumericHandler::input()
{
    return d->value;
}

bool NumericHandler::output(int value)
{
    if (!d->writer.isEmpty())
        d->writer.append(u", ");
    d->writer.append(QString::number(value));
    return true;
}
