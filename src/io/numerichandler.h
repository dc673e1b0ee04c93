#ifndef NUMERICHANDLER_H
#define NUMERICHANDLER_H

#include "interpreter/iohandler.h"

#include <memory>

class QPlainTextEdit;
class Zindle;

// The interactive handler outside alphabet mode: reads decimal numbers from the input pane,
// asks for one in a dialog when the pane has no more, and lists the output as decimal numbers
// in the output pane. It accepts every output, so a run under it always finishes normally.
class NumericHandler : public IOHandler
{
public:
    explicit NumericHandler(Zindle *window);
    explicit NumericHandler(QPlainTextEdit *input, QPlainTextEdit *output);
    ~NumericHandler() override;

    void start() override;
    void refresh() override;
    bool hasInput() override;
    int input() override;
    bool output(int value) override;

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // NUMERICHANDLER_H
