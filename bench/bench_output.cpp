// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What one refresh of the interactive handlers' output pane costs while a program runs and
// its output grows, with one new value per refresh (the worst case: the window refreshes
// after every batch of 1000 commands). "idle" is a refresh with nothing new to show;
// "refresh" is the handler's own work; "+ events" adds
// the event loop's relayout and repaint of the shown pane; "rewrite" is what replacing the
// pane's whole text on every refresh would cost instead.

#include "io/alphahandler.h"
#include "io/numerichandler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

struct Figures
{
    double idle = 0;
    double refresh = 0;
    double withEvents = 0;
    double rewrite = 0;
};

double microseconds(const QElapsedTimer &timer, int rounds)
{
    return double(timer.nsecsElapsed()) / 1e3 / rounds;
}

// `value(i)` is the i-th output value.
Figures measure(IOHandler &handler, QPlainTextEdit *pane, int before,
                const std::function<int(int)> &value)
{
    const int rounds = 50;
    handler.start();
    for (int i = 0; i < before; ++i)
        handler.output(value(i));
    handler.refresh();
    QApplication::processEvents();

    Figures figures;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        handler.refresh();
    figures.idle = microseconds(timer, rounds);

    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        handler.output(value(before + i));
        handler.refresh();
    }
    figures.refresh = microseconds(timer, rounds);

    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        handler.output(value(before + rounds + i));
        handler.refresh();
        QApplication::processEvents();
    }
    figures.withEvents = microseconds(timer, rounds);

    const QString text = pane->document()->toRawText();
    const int rewrites = 5;
    timer.restart();
    for (int i = 0; i < rewrites; ++i) {
        pane->setPlainText(text);
        QApplication::processEvents();
    }
    figures.rewrite = microseconds(timer, rewrites);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto *input = new QPlainTextEdit(&window);
    auto *output = new QPlainTextEdit(&window);
    output->setReadOnly(true);
    output->setGeometry(0, 0, 400, 300);
    window.resize(400, 300);
    window.show();

    NumericHandler numeric(input, output);
    AlphaHandler alpha(input, output);
    const auto print = [](const char *name, int before, const Figures &figures) {
        std::printf("%-10s %10d %10.2f %12.1f %12.1f %12.1f\n", name, before, figures.idle,
                    figures.refresh, figures.withEvents, figures.rewrite);
    };
    std::printf("Output pane refresh, one new value per refresh (microseconds per refresh)\n");
    std::printf("%-10s %10s %10s %12s %12s %12s\n", "handler", "values", "idle", "refresh",
                "+ events", "rewrite");
    for (int before : {100, 100000})
        print("numeric", before,
              measure(numeric, output, before, [](int i) { return 1000 + i % 33713; }));
    // a line break after every 60 letters, as a program writing lines of text would
    for (int before : {100, 100000})
        print("alpha", before,
              measure(alpha, output, before, [](int i) { return i % 61 == 60 ? 0 : 1 + i % 26; }));
    // letters only: the whole output is one word
    for (int before : {100, 100000})
        print("alpha word", before,
              measure(alpha, output, before, [](int i) { return 1 + i % 26; }));
    return 0;
}
