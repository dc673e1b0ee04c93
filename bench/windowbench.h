// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WINDOWBENCH_H
#define WINDOWBENCH_H

// What the benchmarks of the window share.

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

// The application of a window benchmark: offscreen unless told otherwise, never touching the
// user's settings, and printing each line as soon as it is complete.
inline std::unique_ptr<QApplication> benchApplication(int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return app;
}

// The longest time between two turns of the event loop, seen by a timer that asks for a turn
// every millisecond.
class GapProbe
{
public:
    GapProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            longest = std::max(longest, clock.nsecsElapsed());
            clock.restart();
        });
    }
    void start()
    {
        longest = 0;
        clock.start();
        timer.start();
    }
    double stopMilliseconds()
    {
        timer.stop();
        return double(longest) / 1e6;
    }

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 longest = 0;
};

#endif // WINDOWBENCH_H
