// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panewriter.h"

#include "io/pacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A pane holding less text than this is always updated at once, so small outputs show after
// every refresh however busy the machine is; a longer one, when its update was slower than this.
constexpr qsizetype LongText = 2000;
constexpr qint64 SlowUpdateNanoseconds = 250000;
// A slow update waits until this many times its cost has passed since the previous one,
// which keeps the pane to about a tenth of the run's time.
constexpr qint64 SlowUpdateSpacing = 9;

// The first line of a pane that no longer shows all of the output.
QString droppedLine(qint64 values)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    // Values go in large pieces, never one alone.
    return QCoreApplication::translate("PaneWriter", "… %1 earlier values not shown")
        .arg(locale.toString(values));
}

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
    QString separator;
    // The latest output, from the start of a value on; at most Limit characters.
    QString text;
    // Values of the run no longer in `text`.
    qint64 dropped = 0;

    // What the pane shows: the line about dropped values (if any) and the first `shown`
    // characters of `text`, in a document that this writer left at `revision`.
    QPointer<QTextDocument> document;
    int revision = -1;
    qint64 shownDropped = 0;
    qsizetype shownLength = 0;
    qsizetype shown = 0;
    // Spaces the updates of a slow pane by their cost.
    Pacer pacer;

    // Letters come without blanks, so a line of them can only be broken anywhere, and a pane
    // that looks for blanks first takes the square of its length to find that out. The pane is
    // told while it shows this writer's letters, and gets its own way back as soon as anyone
    // else writes to it.
    QPointer<QPlainTextEdit> wrappedPane;
    QTextOption::WrapMode paneWrap = QTextOption::WrapAtWordBoundaryOrAnywhere;
    QMetaObject::Connection wrapGuard;
    bool writing = false;

    void breakAnywhere()
    {
        if (!separator.isEmpty() || wrappedPane == pane)
            return;
        restoreWrap();
        wrappedPane = pane;
        paneWrap = pane->wordWrapMode();
        pane->setWordWrapMode(QTextOption::WrapAnywhere);
        wrapGuard = QObject::connect(pane->document(), &QTextDocument::contentsChanged, pane,
                                     [this] {
                                         if (!writing)
                                             restoreWrap();
                                     });
    }

    void restoreWrap()
    {
        QObject::disconnect(wrapGuard);
        if (wrappedPane)
            wrappedPane->setWordWrapMode(paneWrap);
        wrappedPane = nullptr;
    }

    // The pane holds exactly what this writer last put there.
    bool paneUntouched() const
    {
        const QTextDocument *current = pane->document();
        return current == document && current->revision() == revision
                && current->characterCount() == shownLength + 1;
    }
};

PaneWriter::PaneWriter(QPlainTextEdit *pane)
    : d(std::make_unique<Private>(this))
{
    d->pane = pane;
}

PaneWriter::~PaneWriter()
{
    d->restoreWrap();
}

void PaneWriter::setSeparator(const QString &separator)
{
    d->separator = separator;
}

void PaneWriter::clear()
{
    d->text.clear();
    d->dropped = 0;
    d->document = nullptr;
    flush();
}

void PaneWriter::append(QStringView text)
{
    d->text += text;
    if (d->text.size() > Limit)
        dropEarlyOutput();
}

void PaneWriter::skip(qint64 values)
{
    d->dropped += values;
}

void PaneWriter::dropEarlyOutput()
{
    qsizetype cut = d->text.size() - Capacity;
    qint64 values = cut;
    if (!d->separator.isEmpty()) {
        // The rest must begin with a whole value: cut just after a separator.
        const qsizetype next = d->text.indexOf(d->separator, cut);
        if (next < 0)
            return;
        cut = next + d->separator.size();
        values = QStringView(d->text).first(cut).count(d->separator);
    }
    d->text.remove(0, cut);
    d->dropped += values;
}

bool PaneWriter::isEmpty() const
{
    return d->text.isEmpty();
}

void PaneWriter::show()
{
    if (d->text.size() == d->shown && d->dropped == d->shownDropped && d->paneUntouched())
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
    const bool sameStart = untouched && d->dropped == d->shownDropped;
    if (sameStart && d->text.size() == d->shown)
        return;
    d->writing = true;
    d->breakAnywhere();
    if (sameStart && d->text.size() > d->shown) {
        QTextCursor cursor(document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(d->text.sliced(d->shown));
    } else if (d->dropped == 0) {
        d->pane->setPlainText(d->text);
    } else {
        d->pane->setPlainText(droppedLine(d->dropped) + u'\n' + d->text);
    }
    // Nobody undoes output; keeping every change for undo would only grow without end.
    if (document->isUndoRedoEnabled())
        document->setUndoRedoEnabled(false);
    d->writing = false;
    d->document = document;
    d->revision = document->revision();
    d->shownDropped = d->dropped;
    d->shown = d->text.size();
    d->shownLength = document->characterCount() - 1;
    const qint64 updateCost = cost.nsecsElapsed();
    const bool slow = d->shownLength >= LongText && updateCost >= SlowUpdateNanoseconds;
    d->pacer.setSpacing(slow ? std::max(Pacer::FrameNanoseconds, updateCost * SlowUpdateSpacing)
                             : 0);
    d->pacer.drawn();
}
