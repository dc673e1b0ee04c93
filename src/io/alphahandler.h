#ifndef ALPHAHANDLER_H
#define ALPHAHANDLER_H

#include "interpreter/iohandler.h"

#include <memory>

class QPlainTextEdit;
class Zindle;

// The interactive handler in alphabet mode: letters of the input pane come in as 1 to 26 and
// line breaks as 0, a dialog asks for another line when the pane has no more, and output is
// written back as lower-case letters with 0 as a line break. Values above 26 are refused.
class AlphaHandler : public IOHandler
{
public:
    explicit AlphaHandler(Zindle *window);
    explicit AlphaHandler(QPlainTextEdit *input, QPlainTextEdit *output);
    ~AlphaHandler() override;

    void start() override;
    void refresh() override;
    bool hasInput() override;
    int input() override;
    bool output(int value) override;

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // ALPHAHANDLER_H
