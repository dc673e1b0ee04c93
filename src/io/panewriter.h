// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PANEWRITER_H
#define PANEWRITER_H

#include <QtGlobal>

#include <memory>

class QPlainTextEdit;
class QString;
class QStringView;

// The output of a run and the pane that shows it. A run may write without end, so the pane
// holds only the latest output, from Capacity up to Limit characters of it, and says in a first
// line how many earlier values it no longer shows; what it shows is always the true tail of the
// output. Values are told apart by the separator the handler writes between them, or, without
// one, each character is a value.
//
// The handlers redraw their output after every batch of commands, so rewriting the whole pane
// each time would cost time in proportion to all it holds; instead only the new tail is
// appended, as long as nobody else has changed the pane since it was last written, and the
// pane is rewritten only when earlier output has to go.
//
// Even an append makes the pane lay out its whole paragraph again. Once that costs more than a
// quarter of a millisecond, the pane is brought up to date at most once a frame and only as
// often as keeps it to a small share of the run's time; a timer shows the rest soon after the
// last refresh, so the pane always ends up showing the latest output.
class PaneWriter
{
public:
    // What the pane keeps of a long output: enough to scroll back through several screens, and
    // little enough to lay out quickly, as the pane lays out its whole paragraph for every
    // change (and a line without blanks, as letters are, takes longest). Output beyond the limit
    // is dropped in pieces of a fifth, so dropping costs little against the output written.
    static constexpr qsizetype Capacity = 10000;
    static constexpr qsizetype Limit = Capacity + Capacity / 4;

    explicit PaneWriter(QPlainTextEdit *pane);
    ~PaneWriter();

    // The text the handler writes between two values; empty, the default, for values of one
    // character each.
    void setSeparator(const QString &separator);
    // Forgets the output and clears the pane.
    void clear();
    void append(QStringView text);
    // Counts `values` earlier values that were never appended among those not shown, for an
    // output whose pane is rebuilt from its latest values only.
    void skip(qint64 values);
    // Nothing appended since clear(): the next value needs no separator before it.
    bool isEmpty() const;
    // Makes the pane show the output, now or, while updating it is slow, shortly.
    void show();

private:
    Q_DISABLE_COPY_MOVE(PaneWriter)
    void flush();
    void dropEarlyOutput();
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PANEWRITER_H
