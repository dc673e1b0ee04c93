#ifndef PANEWRITER_H
#define PANEWRITER_H

#include <QtGlobal>

#include <memory>

class QPlainTextEdit;
class QString;
class QStringView;

// The output of a run, which only grows, and the pane that shows it. The handlers redraw
// their output after every batch of commands, so rewriting the whole pane each time would
// cost time in proportion to all the output so far; instead only the new tail is appended,
// as long as nobody else has changed the pane since it was last written.
//
// Even an append makes the pane lay out its whole paragraph again, and a run's output is one
// paragraph. Once that paragraph is long and costs more than a quarter of a millisecond, the pane
// is brought up to date only as often as keeps it to a small share of the run's time; a timer shows
// the rest soon after the last refresh, so the pane always ends up holding all of the output.
class PaneWriter
{
public:
    explicit PaneWriter(QPlainTextEdit *pane);
    ~PaneWriter();

    // Forgets the output and clears the pane.
    void clear();
    void append(QStringView text);
    bool isEmpty() const;
    // Makes the pane show the output, now or, while updating it is slow, shortly.
    void show();

private:
    Q_DISABLE_COPY_MOVE(PaneWriter)
    void flush();
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PANEWRITER_H
