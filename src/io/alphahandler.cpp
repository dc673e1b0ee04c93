#include "alphahandler.h"

#include "io/panewriter.h"
#include "window/zindle.h"

#include <QInputDialog>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

struct AlphaHandler::Private
{
    explicit Private(QPlainTextEdit *output)
        : writer(output)
    {
    }

    QPlainTextEdit *editInput = nullptr;
    // The input pane's text at the start of the run, followed by every line entered since.
    QString inputText;
    qsizetype position = 0;
    int value = 0;
    PaneWriter writer;
};

AlphaHandler::AlphaHandler(Zindle *window)
    : AlphaHandler(window->inputEdit(), window->outputEdit())
{
}

AlphaHandler::AlphaHandler(QPlainTextEdit *input, QPlainTextEdit *output)
    : d(std::make_unique<Private>(output))
{
    d->editInput = input;
}

AlphaHandler::~AlphaHandler() = default;

void AlphaHandler::start()
{
    d->inputText = d->editInput->toPlainText();
    d->position = 0;
    d->writer.clear();
}

void AlphaHandler::refresh()
{
    d->writer.show();
}

bool AlphaHandler::hasInput()
{
    for (;;) {
        const QString &text = d->inputText;
        while (d->position < text.size() && !text.at(d->position).isLetter() && text.at(d->position) != u'\n')
            ++d->position;
        if (d->position < text.size())
            break;
        bool ok = false;
        const QString line = QInputDialog::getText(d->editInput, u"Enter input..."_s, u"Input:"_s,
                                                   QLineEdit::Normal, QString(), &ok);
        if (!ok)
            return false;
        // The line break closes the entered line, so the scan above always finds something.
        d->inputText += line + u'\n';
    }
    const QChar character = d->inputText.at(d->position++).toLower();
    // A letter outside a to z comes out negative, which the machine refuses as bad input.
    d->value = character == u'\n' ? 0 : static_cast<signed char>(character.toLatin1()) - 96;
    return true;
}

int AlphaHandler::input()
{
    return d->value;
}

bool AlphaHandler::output(int value)
{
    if (value < 0 || value > 26)
        return false;
    const QChar character = value == 0 ? QChar(QChar::LineSeparator) : QChar(char16_t(96 + value));
    d->writer.append(QStringView(&character, 1));
    return true;
}
