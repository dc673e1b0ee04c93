#include "panewriter.h"

#include "io/pacer.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// A pane holding less text than this is always updated at once, so small outputs show after
// every refresh however busy the machine is; a longer one, when its update was slower than this.
constexpr qsizetype LongText = 2000;
constexpr qint64 SlowUpdateNanoseconds = 250000;
// A slow update waits until this many times its cost has passed since the previous one,
// which keeps the pane to about a tenth of the run's time.
constexpr qint64 SlowUpdateSpacing = 9;

} // namespace

struct PaneWriter::Private
{
    explicit Private(PaneWriter *writer)
        // A late update must not overwrite what another handler has written in the meantime.
        : pacer([this, writer] {
            if (paneUntouched())
                writer->flush();
        })
    {
    }

    QPlainTextEdit *pane = nullptr;
    QString text;
    // The document as this writer left it: any edit by someone else moves its revision on.
    QPointer<QTextDocument> document;
    int revision = -1;
    qsizetype shown = 0;
    // Spaces the updates of a slow pane by their cost.
    Pacer pacer;

    // The pane holds exactly what this writer last put there.
    bool paneUntouched() const
    {
        const QTextDocument *current = pane->document();
        return current == document && current->revision() == revision
            && current->characterCount() == shown + 1;
    }
};

PaneWriter::PaneWriter(QPlainTextEdit *pane)
    : d(std::make_unique<Private>(this))
{
    d->pane = pane;
}

PaneWriter::~PaneWriter() = default;

void PaneWriter::clear()
{
    d->text.clear();
    d->document = nullptr;
    flush();
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
    if (d->text.size() == d->shown && d->paneUntouched())
        return;
    if (d->pacer.mayDrawNow())
        flush();
}

void PaneWriter::flush()
{
    d->pacer.cancel();
    QElapsedTimer cost;
    cost.start();
    QTextDocument *document = d->pane->document();
    const bool untouched = d->paneUntouched();
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
    const qint64 updateCost = cost.nsecsElapsed();
    const bool slow = d->shown >= LongText && updateCost >= SlowUpdateNanoseconds;
    d->pacer.setSpacing(slow ? updateCost * SlowUpdateSpacing : 0);
    d->pacer.drawn();
}
