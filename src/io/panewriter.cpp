#include "panewriter.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

struct PaneWriter::Private
{
    QPlainTextEdit *pane = nullptr;
    // The document as this writer left it: any edit by someone else moves its revision on.
    QPointer<QTextDocument> document;
    int revision = -1;
    qsizetype length = 0;
};

PaneWriter::PaneWriter(QPlainTextEdit *pane)
    : d(std::make_unique<Private>())
{
    d->pane = pane;
}

PaneWriter::~PaneWriter() = default;

void PaneWriter::show(const QString &text)
{
    QTextDocument *document = d->pane->document();
    const bool untouched = document == d->document && document->revision() == d->revision
        && document->characterCount() == d->length + 1;
    if (untouched && text.size() == d->length)
        return;
    if (untouched && text.size() > d->length) {
        QTextCursor cursor(document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text.sliced(d->length));
    } else {
        d->pane->setPlainText(text);
    }
    d->document = document;
    d->revision = document->revision();
    d->length = text.size();
}

void PaneWriter::rewrite()
{
    d->document = nullptr;
}
