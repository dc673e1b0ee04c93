// Commands per second of Machine::step() driven in batches of 1000, as the window drives it,
// compared with the beef interpreter on the same programs (8-bit cells, maximum value 255).

#include "interpreter/iohandler.h"
#include "interpreter/machine.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>

namespace {

class AcceptingHandler : public IOHandler
{
public:
    bool output(int value) override
    {
        sum += value;
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
    // (a) three nested counting loops of 255 passes each, doing arithmetic inside
    const QString nested = u"-[>-[>-[>+>++<<-]<-]<-]"_qs;
    // (b) an outer loop that skips a long loop body on every pass: forward scans dominate
    const QString body = QString(20, u'+') + u"[>+<-]"_qs + QString(20, u'-');
    const QString skipping = u"-[>-[>-[>[[["_qs + body + u"]]]<-]<-]<-]"_qs;
    // (c) output on almost every command
    const QString output = u"-[>-[>-[.-]<-]<-]"_qs;
    return {{"nested loops", nested}, {"skipped loops", skipping}, {"heavy output", output}};
}

struct Measure
{
    long long commands = 0;
    double seconds = 0;
};

Measure runMachine(const QString &text)
{
    AcceptingHandler handler;
    Machine machine(1000);
    machine.setMaximumValue(255);
    machine.setHandler(&handler);
    machine.setProgram(text);
    machine.start();
    Measure measure;
    QElapsedTimer timer;
    timer.start();
    bool stopped = false;
    while (!stopped) {
        int i = 0;
        for (; i < 1000; ++i) {
            if (machine.step()) {
                stopped = true;
                ++i;
                break;
            }
        }
        measure.commands += i;
    }
    measure.seconds = double(timer.nsecsElapsed()) / 1e9;
    return measure;
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
    QElapsedTimer timer;
    timer.start();
    process.start(beef, {file.fileName()});
    if (!process.waitForFinished(600000))
        return -1;
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main()
{
    const QString beef = QStandardPaths::findExecutable(u"beef"_qs);
    std::printf("Machine::step() in batches of 1000 (maximum value 255)\n");
    std::printf("%-16s %14s %10s %14s %14s %8s\n", "program", "commands", "seconds", "commands/s", "beef cmds/s",
                "ratio");
    for (const Program &program : programs()) {
        const Measure measure = runMachine(program.text);
        const double rate = double(measure.commands) / measure.seconds;
        double beefRate = 0;
        if (!beef.isEmpty()) {
            const double seconds = runBeef(beef, program.text);
            if (seconds > 0)
                beefRate = double(measure.commands) / seconds;
        }
        std::printf("%-16s %14lld %10.3f %14.0f %14.0f %8.2f\n", program.name, measure.commands, measure.seconds,
                    rate, beefRate, beefRate > 0 ? rate / beefRate : 0.0);
    }
    if (beef.isEmpty())
        std::printf("beef is not installed; run `make bench` to install it\n");
    return 0;
}
