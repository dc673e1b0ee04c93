#include "panewriter.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

struct PaneWriter::Private
{
    QPlainTextEdit *pane = nullptr;
    QString text;
    // The document as this writer left it: any edit by someone else moves its revision on.
    QPointer<QTextDocument> document;
    int revision = -1;
    qsizetype shown = 0;
};

PaneWriter::PaneWriter(QPlainTextEdit *pane)
    : d(std::make_unique<Private>())
{
    d->pane = pane;
}

PaneWriter::~PaneWriter() = default;

void PaneWriter::clear()
{
    d->text.clear();
    d->document = nullptr;
    show();
}

void PaneWriter::append(QStringView text)
{
    d->text += text;
}

bool PaneWriter::isEmpty() const
{
    return d->text.isEmpty();
}

void PaneWriter::show()
{
    QTextDocument *document = d->pane->document();
    const bool untouched = document == d->document && document->revision() == d->revision
        && document->characterCount() == d->shown + 1;
    if (untouched && d->text.size() == d->shown)
        return;
    if (untouched && d->text.size() > d->shown) {
        QTextCursor cursor(document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(d->text.sliced(d->shown));
    } else {
        d->pane->setPlainText(d->text);
    }
    d->document = document;
    d->revision = document->revision();
    d->shown = d->text.size();
}
