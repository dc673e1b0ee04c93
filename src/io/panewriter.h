#ifndef PANEWRITER_H
#define PANEWRITER_H

#include <QtGlobal>

#include <memory>

class QPlainTextEdit;
class QString;

// Keeps a pane showing a text that only grows during a run. The handlers redraw their output
// after every batch of commands, so rewriting the whole pane each time would cost time in
// proportion to all the output so far; instead only the new tail is appended, as long as
// nobody else has changed the pane since it was last written.
class PaneWriter
{
public:
    explicit PaneWriter(QPlainTextEdit *pane);
    ~PaneWriter();

    // Makes the pane's text equal to `text`, which must begin with the text of the previous
    // call unless rewrite() was called in between.
    void show(const QString &text);
    // Makes the next show() replace the pane's whole text.
    void rewrite();

private:
    Q_DISABLE_COPY_MOVE(PaneWriter)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PANEWRITER_H
