// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run history at 10^6 to 10^10 steps into a run: how long Step back, Back 1000, Back to the
// start and a jump to the middle take, how long the way forward to the furthest step takes
// again, how much memory the history holds, and what recording costs a continuous run against
// the machine's run() alone.
// An argument caps the length (for example 1e9) for a quicker look.

#include "interpreter/runhistory.h"

#include "benchprograms.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

struct Program
{
    const char *name;
    QString text;
    int tapeLength;
};

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void startMachine(Machine &machine, const Program &program)
{
    machine.setMaximumValue(2000000000);
    machine.setProgram(program.text);
    machine.start();
}

// Steps in pieces of a million, as a continuous run of the window takes them.
template<typename Run>
qint64 runTo(qint64 done, qint64 target, Run run)
{
    while (done < target) {
        const RunResult result = run(int(std::min<qint64>(target - done, 1 << 20)));
        done += result.steps;
        if (result.stopped)
            break;
    }
    return done;
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The longest of `count` Step backs in a row from where the history stands.
double stepBacks(RunHistory &history, int count)
{
    double longest = 0;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        history.goTo(history.position() - 1);
        longest = std::max(longest, milliseconds(timer));
    }
    return longest;
}

double timedGoTo(RunHistory &history, qint64 target)
{
    QElapsedTimer timer;
    timer.start();
    history.goTo(target);
    return milliseconds(timer);
}

void measure(const Program &program, const std::vector<qint64> &lengths)
{
    std::printf("\n%s (tape of %d cells)\n", program.name, program.tapeLength);
    std::printf("%14s %8s %8s %9s %8s %8s %8s %7s %9s %9s %9s\n", "steps", "back 1", "20 back",
                "back 1000", "start", "middle", "end", "points", "memory MB", "run s",
                "record s");
    Machine plain(program.tapeLength);
    startMachine(plain, program);
    Machine machine(program.tapeLength);
    startMachine(machine, program);
    RunHistory history(&machine);
    history.begin(nullptr);
    qint64 plainDone = 0;
    qint64 done = 0;
    double plainSeconds = 0;
    double recordSeconds = 0;
    for (const qint64 length : lengths) {
        // Both in turns, so that a busy moment of the machine hits both alike.
        while (done < length) {
            const qint64 slice = std::min<qint64>(length, done + (1 << 26));
            double start = processorSeconds();
            plainDone = runTo(plainDone, slice, [&](int n) { return plain.run(n); });
            plainSeconds += processorSeconds() - start;
            start = processorSeconds();
            const qint64 reached = runTo(done, slice, [&](int n) { return history.run(n); });
            recordSeconds += processorSeconds() - start;
            if (reached < slice) {
                done = reached;
                break;
            }
            done = reached;
        }
        if (done < length) {
            std::printf("%14lld the program ended\n", done);
            return;
        }
        const double back = timedGoTo(history, length - 1);
        const double backs = stepBacks(history, 20);
        const double thousand = timedGoTo(history, history.position() - 1000);
        const double toStart = timedGoTo(history, 0);
        const double middle = timedGoTo(history, length / 2 + 1);
        const double toEnd = timedGoTo(history, length);
        std::printf("%14lld %8.2f %8.2f %9.2f %8.2f %8.1f %8.1f %7d %9.1f %9.3f %9.3f\n",
                    length, back, backs, thousand, toStart, middle, toEnd,
                    history.checkpointCount(), double(history.memoryUse()) / (1 << 20),
                    plainSeconds, recordSeconds);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 cap = argc > 1 ? qint64(std::atof(argv[1])) : qint64(1e10);
    std::vector<qint64> lengths;
    for (const qint64 length : {qint64(1e6), qint64(1e8), qint64(1e9), qint64(1e10)}) {
        if (length <= cap)
            lengths.push_back(length);
    }
    std::printf("Run history: milliseconds of one Step back, of the longest of 20 Step backs in\n"
                "a row, of Back 1000, of Back to the start, of a jump to the middle and of the\n"
                "way forward again to the furthest step; its checkpoints and memory (budget\n"
                "%lld MB); and the processor seconds of run() alone and of run() recorded\n",
                RunHistory::DefaultBudget >> 20);
    // The course's Collatz walker, walking again and again: loops that run() cannot fold.
    const Program collatz{"Collatz walks", collatzWalks(4000, 4000), 1000};
    // A loop that run() works out at once, copying on a tape of the largest size the menu
    // allows.
    const Program tight{"tight loop", QString(6, u'-') + u"[>+<-]-[>+<-]-[>+<-]"_qs, 50000};
    for (const Program &program : {collatz, tight})
        measure(program, lengths);
    return 0;
}
