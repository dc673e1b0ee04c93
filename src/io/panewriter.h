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
class PaneWriter
{
public:
    explicit PaneWriter(QPlainTextEdit *pane);
    ~PaneWriter();

    // Forgets the output and clears the pane.
    void clear();
    void append(QStringView text);
    bool isEmpty() const;
    // Makes the pane show the output.
    void show();

private:
    Q_DISABLE_COPY_MOVE(PaneWriter)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PANEWRITER_H
