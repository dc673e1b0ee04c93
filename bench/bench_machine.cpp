// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Commands per second of Machine::step() driven in batches of 1000 (as the window drove it),
// of Machine::run() in batches of a million, of the beef interpreter, and of each program
// translated to C and compiled by gcc -O2 ahead of time, on the same programs (8-bit cells:
// maximum value 255). Seconds are processor seconds, so that other work on a busy machine does
// not count against any of them. The compiled programs count no steps and know no stops; their
// rate is the commands that step() counted over their time.

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include "benchprograms.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace {

class AcceptingHandler : public IOHandler
{
public:
    bool output(int value) override
    {
        sum = sum * 31 + value;
        return true;
    }
    long long sum = 0;
};

struct Program
{
    const char *name;
    QString text;
};

QList<Program> programs()
{
    // three nested counting loops of 255 passes each, doing arithmetic inside
    const QString nested = u"-[>-[>-[>+>++<<-]<-]<-]"_qs;
    // an outer loop that skips a long loop body on every pass: forward scans dominate
    const QString body = QString(20, u'+') + u"[>+<-]"_qs + QString(20, u'-');
    const QString skipping = u"-[>-[>-[>[[["_qs + body + u"]]]<-]<-]<-]"_qs;
    // output on almost every command
    const QString output = u"-[>-[>-[.-]<-]<-]"_qs;
    // the course's table of squares (each the last plus the next odd number) to 255, 255 times
    const QString squares = u"-[>>[-]>[-]<<-[->+[>+>+<<-]>.>[<<+>>-]<<+<]<-]"_qs;
    return {{"nested loops", nested},
            {"skipped loops", skipping},
            {"heavy output", output},
            {"squares", squares},
            {"Collatz walks", collatzWalks(255, 255)}};
}

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double childProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds =
        [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Measure
{
    long long commands = 0;
    double seconds = 0;
    long long outputs = 0;
    double rate() const { return double(commands) / seconds; }
};

// Runs the program to its end with `batch` answering the steps of one batch.
template<typename Batch>
Measure measure(const QString &text, Batch batch)
{
    AcceptingHandler handler;
    Machine machine(1000);
    machine.setMaximumValue(255);
    machine.setHandler(&handler);
    machine.setProgram(text);
    machine.start();
    Measure result;
    const double start = processorSeconds();
    while (machine.isRunning())
        result.commands += batch(machine);
    result.seconds = processorSeconds() - start;
    result.outputs = handler.sum;
    return result;
}

int runBatch(Machine &machine)
{
    return machine.run(1000000).steps;
}

double runBeef(const QString &beef, const QString &text)
{
    QTemporaryFile file;
    if (!file.open())
        return -1;
    file.write(text.toLatin1());
    file.flush();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    const double start = childProcessorSeconds();
    process.start(beef, {file.fileName()});
    if (!process.waitForFinished(600000))
        return -1;
    return childProcessorSeconds() - start;
}

// The program as C with 8-bit cells, which wrap at 255 as the machine's cells do at maximum 255.
QByteArray translated(const QString &text)
{
    QByteArray c = "#include <stdio.h>\nstatic unsigned char t[1000];\n"
                   "int main(void) {\n unsigned char *p = t;\n long long s = 0;\n";
    for (const QChar command : text) {
        switch (command.unicode()) {
        case u'+': c += "++*p;\n"; break;
        case u'-': c += "--*p;\n"; break;
        case u'>': c += "++p;\n"; break;
        case u'<': c += "--p;\n"; break;
        case u'[': c += "while (*p) {\n"; break;
        case u']': c += "}\n"; break;
        case u'.': c += "s = s * 31 + *p;\n"; break;
        default: break;
        }
    }
    return c + " printf(\"%lld\\n\", s);\n return 0;\n}\n";
}

// Processor seconds of the program compiled by gcc -O2 (not counting the compiler), or -1.
double runCompiled(const QString &gcc, const QString &text)
{
    QTemporaryDir directory;
    if (!directory.isValid())
        return -1;
    QFile source(directory.filePath(u"program.c"_qs));
    if (!source.open(QIODevice::WriteOnly) || source.write(translated(text)) < 0)
        return -1;
    source.close();
    const QString binary = directory.filePath(u"program"_qs);
    if (QProcess::execute(gcc, {u"-O2"_qs, u"-o"_qs, binary, source.fileName()}) != 0)
        return -1;
    double best = -1;
    for (int round = 0; round < 3; ++round) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        const double start = childProcessorSeconds();
        process.start(binary, {});
        if (!process.waitForFinished(600000))
            return -1;
        const double seconds = childProcessorSeconds() - start;
        if (best < 0 || seconds < best)
            best = seconds;
    }
    return best;
}

} // namespace

int main()
{
    const QString beef = QStandardPaths::findExecutable(u"beef"_qs);
    const QString gcc = QStandardPaths::findExecutable(u"gcc"_qs);
    std::printf("Millions of commands per second (maximum value 255): step() in batches of 1000,\n"
                "run() in batches of a million, C by gcc -O2 (each the best of three), and beef\n");
    std::printf("%-14s %11s %9s %9s %9s %9s %10s %10s %10s\n", "program", "commands", "step()",
                "run()", "C", "beef", "run/step", "C/run", "run/beef");
    for (const Program &program : programs()) {
        Measure stepped;
        Measure ran;
        // Alternating rounds, so that a busy moment of the machine hits both alike.
        for (int round = 0; round < 3; ++round) {
            const Measure steps = measure(program.text, thousandSteps);
            const Measure runs = measure(program.text, runBatch);
            if (round == 0 || steps.rate() > stepped.rate())
                stepped = steps;
            if (round == 0 || runs.rate() > ran.rate())
                ran = runs;
        }
        double beefRate = 0;
        if (!beef.isEmpty()) {
            const double seconds = runBeef(beef, program.text);
            if (seconds > 0)
                beefRate = double(stepped.commands) / seconds;
        }
        double compiledRate = 0;
        if (!gcc.isEmpty()) {
            const double seconds = runCompiled(gcc, program.text);
            if (seconds > 0)
                compiledRate = double(stepped.commands) / seconds;
        }
        std::printf("%-14s %11lld %9.0f %9.0f %9.0f %9.0f %9.2fx %9.2fx %9.2fx\n", program.name,
                    stepped.commands, stepped.rate() / 1e6, ran.rate() / 1e6,
                    compiledRate / 1e6, beefRate / 1e6, ran.rate() / stepped.rate(),
                    compiledRate / ran.rate(), beefRate > 0 ? ran.rate() / beefRate : 0.0);
        if (ran.commands != stepped.commands || ran.outputs != stepped.outputs)
            std::printf("  run() DIFFERS from step(): %lld commands\n", ran.commands);
    }
    if (beef.isEmpty())
        std::printf("beef is not installed; run `make bench` to install it\n");
    return 0;
}
