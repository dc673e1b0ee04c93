// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A flood of output in the window: a program that writes without end (`+[.]`) runs for a
// minute under Run, in numeric and in alphabet mode. Measured: the peak memory of the process,
// the longest time the event loop was kept from handling anything else, how often the output
// pane was brought up to date, values written per second, how long Pause, Step and Halt take,
// and how long after Halt the pane takes its last update.
// Then a program whose values count up shows that what the pane holds at Halt is the true
// tail of the output: the dropped values and the values shown add up, in order.
// Set ZINDLE_FLOOD_SECONDS for a shorter or longer flood.

#include "window/zindle.h"

#include "windowbench.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The process's peak resident memory in megabytes since the last reset.
double peakMegabytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

void resetPeak()
{
    QFile clear(u"/proc/self/clear_refs"_s);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Turns the event loop as exec() would, for the given time.
void turnEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double millisecondsOf(const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    return double(clock.nsecsElapsed()) / 1e6;
}

struct Window
{
    Window()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "the window was not exposed\n");
    }
    QAction *action(const QString &name) { return window.findChild<QAction *>(name); }
    QPlainTextEdit *edit(const QString &name) { return window.findChild<QPlainTextEdit *>(name); }
    QTextDocument *output() { return edit(u"editOutput"_s)->document(); }

    Zindle window;
};

// Values the pane no longer shows, from its first line; 0 when it shows all.
qint64 droppedValues(QTextDocument *pane)
{
    if (pane->blockCount() < 2)
        return 0;
    QString number = pane->firstBlock().text().section(u' ', 1, 1);
    number.remove(QLocale().groupSeparator());
    return number.toLongLong();
}

void flood(Window &w, bool alphabet, int seconds)
{
    if (w.action(u"actionAlphabet"_s)->isChecked() != alphabet)
        w.action(u"actionAlphabet"_s)->trigger();
    w.edit(u"editProgram"_s)->setPlainText(u"+[.]"_s);
    long long updates = 0;
    QElapsedTimer sinceUpdate;
    sinceUpdate.start();
    const QMetaObject::Connection counting =
        QObject::connect(w.output(), &QTextDocument::contentsChanged, [&] {
            ++updates;
            sinceUpdate.restart();
        });
    resetPeak();
    const double before = peakMegabytes();
    GapProbe probe;
    probe.start();
    w.action(u"actionRun"_s)->trigger();
    turnEventLoopFor(seconds * 1000);
    const double gap = probe.stopMilliseconds();

    // Pause, step once, go on, then halt; each is one user command.
    const double pause = millisecondsOf([&] { w.action(u"actionRun"_s)->trigger(); });
    const double step = millisecondsOf([&] { w.action(u"actionStep"_s)->trigger(); });
    w.action(u"actionRun"_s)->trigger();
    turnEventLoopFor(1000);
    QElapsedTimer sinceHalt;
    const double halt = millisecondsOf([&] {
        sinceHalt.start();
        w.action(u"actionHalt"_s)->trigger();
    });
    turnEventLoopFor(1000);
    QObject::disconnect(counting);
    const qint64 sinceLastUpdate = sinceHalt.nsecsElapsed() - sinceUpdate.nsecsElapsed();
    const double lastUpdate = std::max(0.0, double(sinceLastUpdate) / 1e6);

    const qint64 dropped = droppedValues(w.output());
    const QString tail = w.output()->lastBlock().text();
    const qsizetype shown = alphabet ? tail.size() : tail.count(u", "_s) + 1;
    const double peak = peakMegabytes();
    std::printf("%s flood, %d s: peak memory %.0f MB (%.0f MB before the run), longest event-loop "
                "gap %.1f ms, %.1f pane updates/s, %.1f million values/s\n",
                alphabet ? "alphabet" : "numeric ", seconds, peak, before, gap,
                double(updates) / seconds, double(dropped + shown) / seconds / 1e6);
    std::printf("  pause %.1f ms, step %.1f ms, halt %.1f ms, last pane update %.1f ms after halt; "
                "%lld values written, %lld shown (%lld characters)\n",
                pause, step, halt, lastUpdate, (long long)(dropped + shown), (long long)shown,
                (long long)tail.size());
}

// Counts 1 to 33713 over and over; the pane at Halt must show the very last values, in order,
// right after the ones it says it dropped.
void trueTail(Window &w, int seconds)
{
    if (w.action(u"actionAlphabet"_s)->isChecked())
        w.action(u"actionAlphabet"_s)->trigger();
    w.edit(u"editProgram"_s)->setPlainText(u"+[[.+]+]"_s);
    w.action(u"actionRun"_s)->trigger();
    turnEventLoopFor(seconds * 1000);
    w.action(u"actionHalt"_s)->trigger();
    turnEventLoopFor(200);

    const qint64 dropped = droppedValues(w.output());
    const QStringList values = w.output()->lastBlock().text().split(u", "_s);
    bool inOrder = dropped > 0;
    for (qsizetype i = 0; i < values.size() && inOrder; ++i)
        inOrder = values.at(i).toLongLong() == (dropped + i) % 33713 + 1;
    std::printf("counting flood, %d s: %lld values dropped, %lld shown, the shown ones the true "
                "tail: %s\n",
                seconds, (long long)dropped, (long long)values.size(), inOrder ? "yes" : "NO");
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> app = benchApplication(argc, argv);
    const int seconds = qEnvironmentVariableIsSet("ZINDLE_FLOOD_SECONDS")
            ? qEnvironmentVariableIntValue("ZINDLE_FLOOD_SECONDS")
            : 60;

    Window w;
    flood(w, false, seconds);
    flood(w, true, seconds);
    trueTail(w, std::min(seconds, 10));
    return 0;
}
