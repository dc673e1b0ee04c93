#include "challenges/challenge.h"

#include "challenges/alphatesthandler.h"
#include "challenges/coursecheck.h"
#include "challenges/nimtesthandler.h"
#include "challenges/normaltesthandler.h"
#include "window/zindle.h"

using namespace Qt::StringLiterals;

IOHandler *createTestHandler(const Challenge &challenge, QPlainTextEdit *input, QPlainTextEdit *output)
{
    if (challenge.testType == u"normal"_s)
        return new NormalTestHandler(input, output, challenge.testCases);
    if (challenge.testType == u"alpha"_s)
        return new AlphaTestHandler(input, output, challenge.testCases);
    if (challenge.testType == u"nim"_s)
        return new NimTestHandler(input, output);
    return nullptr;
}

IOHandler *Challenge::createTestHandler(Zindle *window) const
{
    return ::createTestHandler(*this, window->inputEdit(), window->outputEdit());
}
