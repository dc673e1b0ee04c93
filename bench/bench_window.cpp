// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the window runs a program while it shows the run live: commands per second under
// Run compared with the machine alone (step() and run()), repaints of the tape view per second,
// the cost of one batch (commands and refresh) for short and long tapes and for small and large
// output, and the longest time the event loop was kept from handling anything else.

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"
#include "interpreter/programtext.h"
#include "io/panewriter.h"
#include "window/programhighlighter.h"
#include "window/zindle.h"

#include "benchprograms.h"
#include "windowbench.h"
#include "modalanswerer.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {


double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Breaks a program into lines of at most `width` characters, as programs are written.
QString wrapped(const QString &text, int width = 80)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); i += width) {
        if (i > 0)
            result += u'\n';
        result += text.mid(i, width);
    }
    return result;
}

// Writes 10^levels values of 1 through nested counting loops, then, with `endless`, goes on
// writing about one value per 1000 commands until halted.
QString outputProgram(int levels, bool endless)
{
    QString text = QString(levels, u'>') + u'+' + QString(levels, u'<');
    for (int i = 0; i < levels; ++i)
        text += QString(10, u'+') + u"[>"_s;
    text += u'.';
    for (int i = 0; i < levels; ++i)
        text += u"<-]"_s;
    text += u'\n';
    if (endless)
        text += wrapped(QString(levels, u'>') + u"[."_s
                        + QString(499, u'>').replace(u">"_s, u"><"_s) + u']');
    return text;
}

// Loops inside loops that the machine cannot work out at once: about 300 million commands.
QString longProgram()
{
    return wrapped(collatzWalks(400, 400));
}

class NullHandler : public IOHandler
{
public:
    bool output(int) override { return true; }
};

struct Alone
{
    long long commands = 0;
    double seconds = 0;
    double processorSeconds = 0;
    double perSecond() const { return double(commands) / seconds; }
};

// Runs the program to its end on a machine alone, `batch` answering the steps of one batch.
template<typename Batch>
Alone runAlone(const QString &program, Batch batch)
{
    NullHandler handler;
    Machine machine(1000);
    machine.setHandler(&handler);
    machine.setProgram(machineProgram(program));
    machine.start();
    Alone alone;
    QElapsedTimer timer;
    timer.start();
    const double processorStart = processorSeconds();
    while (machine.isRunning())
        alone.commands += batch(machine);
    alone.seconds = double(timer.nsecsElapsed()) / 1e9;
    alone.processorSeconds = processorSeconds() - processorStart;
    return alone;
}

int millionSteps(Machine &machine)
{
    return machine.run(1 << 20).steps;
}

// What moving the mark of the command executed last costs on its own: the highlighter lays
// out the marked line again for every move, and the window moves it after every batch.
double markMoveMicros(const QString &program)
{
    QPlainTextEdit editor;
    QFont font(u"Monospace"_s, 14);
    font.setStyleHint(QFont::TypeWriter);
    editor.setFont(font);
    editor.setPlainText(program);
    ProgramHighlighter highlighter(editor.document());
    editor.show();
    const int moves = 2000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < moves; ++i)
        highlighter.setCurrentPosition(int((i * 7919) % program.size()));
    return double(clock.nsecsElapsed()) / 1e3 / moves;
}

// Counts events of one kind that reach an object.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : counted(type)
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == counted)
            ++count;
        return QObject::eventFilter(watched, event);
    }
    QEvent::Type counted;
    long long count = 0;
};

// Turns the event loop until the condition holds, the way exec() would turn it (QTest's waits
// sleep between turns, which would starve the run timer).
void waitFor(const std::function<bool()> &condition, const char *what, int timeout = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeout) {
            std::fprintf(stderr, "gave up waiting for %s\n", what);
            return;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

class Bench
{
public:
    Bench()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "the window was not exposed\n");
        tape()->viewport()->installEventFilter(&paints);
        window.installEventFilter(&batches);
    }

    QAction *action(const QString &name) { return window.findChild<QAction *>(name); }
    QPlainTextEdit *edit(const QString &name) { return window.findChild<QPlainTextEdit *>(name); }
    QTableView *tape() { return window.findChild<QTableView *>(u"tableTape"_s); }
    bool idle() { return !action(u"actionHalt"_s)->isEnabled(); }

    void setTapeLength(int length)
    {
        ModalAnswerer answerer;
        answerer.expectInputDialog(u"Enter tape length..."_s, u"Length:"_s, length);
        action(u"actionTapeLength"_s)->trigger();
        waitFor([&] { return answerer.isDone(); }, "the tape length dialog");
    }

    void setAlphabet(bool on)
    {
        if (action(u"actionAlphabet"_s)->isChecked() != on)
            action(u"actionAlphabet"_s)->trigger();
    }

    struct Run
    {
        double seconds = 0;
        double processorSeconds = 0;
        double repaintsPerSecond = 0;
        double batchesPerSecond = 0;
        double longestGapMs = 0;
    };

    // Runs the program to its end under Run.
    Run runToEnd(const QString &program)
    {
        edit(u"editProgram"_s)->setPlainText(program);
        GapProbe probe;
        paints.count = 0;
        batches.count = 0;
        QElapsedTimer clock;
        clock.start();
        const double processorStart = processorSeconds();
        probe.start();
        action(u"actionRun"_s)->trigger();
        waitFor([this] { return idle(); }, "the end of the run", 600000);
        Run run;
        run.longestGapMs = probe.stopMilliseconds();
        run.seconds = double(clock.nsecsElapsed()) / 1e9;
        run.processorSeconds = processorSeconds() - processorStart;
        run.repaintsPerSecond = double(paints.count) / run.seconds;
        run.batchesPerSecond = double(batches.count) / run.seconds;
        return run;
    }

    // Starts a program that never ends, waits until `ready`, then measures the batches over a
    // second and halts. Answers the wall time per batch in microseconds.
    double perBatch(const QString &program, const std::function<bool()> &ready)
    {
        edit(u"editProgram"_s)->setPlainText(program);
        action(u"actionRun"_s)->trigger();
        waitFor(ready, "the run to get going", 600000);
        batches.count = 0;
        QElapsedTimer clock;
        clock.start();
        waitFor([&] { return clock.elapsed() >= 1000; }, "a second", 5000);
        const double micros =
            double(clock.nsecsElapsed()) / 1e3 / double(std::max(1LL, batches.count));
        action(u"actionHalt"_s)->trigger();
        return micros;
    }

    Zindle window;
    EventCounter paints{QEvent::Paint};
    EventCounter batches{QEvent::Timer};
};

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> app = benchApplication(argc, argv);

    const QString program = longProgram();
    const Alone stepped = runAlone(program, thousandSteps);
    std::printf("Machine::step() alone, batches of 1000: %.1f million commands/s (%lld commands)\n",
                stepped.perSecond() / 1e6, stepped.commands);

    // Alternating rounds, so that a busy moment of the machine hits both alike: the best rate of
    // each, the fewest repaints and the longest gap of all.
    Bench bench;
    Alone ran;
    Bench::Run run;
    double fewestRepaints = 0;
    double longestGap = 0;
    for (int round = 0; round < 3; ++round) {
        const Alone alone = runAlone(program, millionSteps);
        const Bench::Run windowed = bench.runToEnd(program);
        if (round == 0 || alone.perSecond() > ran.perSecond())
            ran = alone;
        if (round == 0 || windowed.seconds < run.seconds)
            run = windowed;
        fewestRepaints = round == 0 ? windowed.repaintsPerSecond
                                    : std::min(fewestRepaints, windowed.repaintsPerSecond);
        longestGap = std::max(longestGap, windowed.longestGapMs);
    }
    std::printf("Machine::run() alone:                   %.1f million commands/s\n",
                ran.perSecond() / 1e6);
    const double rate = double(ran.commands) / run.seconds;
    std::printf("Run in the window:     %.1f million commands/s, %.0f%% of run() alone "
                "(%.0f%% in processor time)\n",
                rate / 1e6, 100.0 * rate / ran.perSecond(),
                100.0 * ran.processorSeconds / run.processorSeconds);
    std::printf("  tape view repaints:  %.0f per second at the fewest\n", fewestRepaints);
    std::printf("  longest event-loop gap: %.1f ms\n", longestGap);
    const double mark = markMoveMicros(program);
    std::printf("  batches: %.0f per second; moving the program mark takes %.1f us, done once a "
                "frame while running\n",
                run.batchesPerSecond, mark);

    // One batch with its refresh, by tape length; the run sits in the middle of the tape.
    const auto middle = [](int cells) { return wrapped(QString(cells / 2, u'>')) + u"\n+[]"_s; };
    bench.setTapeLength(1000);
    const double shortTape = bench.perBatch(middle(1000), [] { return true; });
    bench.setTapeLength(50000);
    const double longTape = bench.perBatch(middle(50000), [] { return true; });
    std::printf("A batch takes a frame of work (16 ms), then its refresh and often a repaint:\n");
    std::printf("Per batch, tape of 1000 cells:   %.1f ms\n", shortTape / 1000);
    std::printf("Per batch, tape of 50000 cells:  %.1f ms\n", longTape / 1000);
    bench.setTapeLength(1000);

    // The highlighter lays out the line of the marked command again after every batch, so the
    // cost of a batch follows the length of that line.
    for (int width : {10, 80, 1000}) {
        const QString loop = u"+["_s + QString(1000, u'>').replace(u">>"_s, u"><"_s) + u']';
        const double micros = bench.perBatch(wrapped(loop, width), [] { return true; });
        std::printf("Per batch, program lines of %4d commands: %.1f ms\n", width, micros / 1000);
    }

    // One batch with its refresh, by the output written so far, in both modes.
    for (bool alphabet : {false, true}) {
        bench.setAlphabet(alphabet);
        for (int levels : {2, 5}) {
            const int values = levels == 2 ? 100 : 100000;
            QPlainTextEdit *output = bench.edit(u"editOutput"_s);
            const int perValue = alphabet ? 1 : 3; // "a" or "1, "
            // A pane holds at most about twice its capacity.
            const qsizetype filled = std::min(qsizetype(values * perValue), PaneWriter::Capacity);
            const double micros = bench.perBatch(outputProgram(levels, true), [&] {
                return output->document()->characterCount() > filled;
            });
            std::printf("Per batch, %s output, %6d values written: %.1f ms\n",
                        alphabet ? "alphabet" : "numeric ", values, micros / 1000);
        }
        // The pane ends up holding exactly the tail of the run's output, after a line that
        // counts the values it no longer shows.
        bench.runToEnd(outputProgram(5, false));
        // A long pane may take its last update a moment after the run.
        QTextDocument *output = bench.edit(u"editOutput"_s)->document();
        const auto shownValues = [&] {
            const QString tail = output->lastBlock().text();
            return alphabet ? tail.size() : tail.count(u", "_s) + 1;
        };
        const auto dropped = [&] {
            const QString first = output->firstBlock().text();
            if (output->blockCount() < 2)
                return 0LL;
            return first.section(u' ', 1, 1).remove(u',').toLongLong();
        };
        waitFor([&] { return dropped() + shownValues() == 100000; }, "the last output", 2000);
        const qsizetype shown = shownValues();
        const QString expected = alphabet ? QString(shown, u'a')
                                          : QStringList(shown, u"1"_s).join(u", "_s);
        const bool exact = output->blockCount() == 2 && output->lastBlock().text() == expected;
        std::printf("  %s output of 100000 values: the last %lld shown exactly: %s\n",
                    alphabet ? "alphabet" : "numeric", (long long)shown, exact ? "yes" : "NO");
    }
    return 0;
}
