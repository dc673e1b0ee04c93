#include "zindle.h"

#include <QPlainTextEdit>

struct Zindle::Private
{
    QPlainTextEdit *editInput = nullptr;
    QPlainTextEdit *editOutput = nullptr;
};

Zindle::Zindle(QWidget *parent)
    : QMainWindow(parent)
    , d(std::make_unique<Private>())
{
    d->editInput = new QPlainTextEdit(this);
    d->editOutput = new QPlainTextEdit(this);
}

Zindle::~Zindle() = default;

QPlainTextEdit *Zindle::inputEdit() const
{
    return d->editInput;
}

QPlainTextEdit *Zindle::outputEdit() const
{
    return d->editOutput;
}
