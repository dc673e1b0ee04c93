#ifndef MACHINE_H
#define MACHINE_H

#include <QChar>
#include <QString>

#include <memory>

class IOHandler;

// Why the machine stopped. The numbers are fixed: the window reports by them.
enum class StopReason : int {
    NotStopped = 0,
    Finished = 1,
    LeftEdge = 2,
    RightEdge = 3,
    BadInput = 4,
    BadOutput = 5,
    UnmatchedLoop = 6,
    IncompleteResult = 7,
};

// The brainfuck interpreter: a program, a tape of wrapping cells and a program counter,
// executing exactly one command per step(). It never runs by itself and never shows
// anything; every failure becomes a stop reason for its owner to report.
class Machine
{
public:
    // Every tape keeps at least one cell and at most this many.
    static constexpr int MaximumTapeLength = 1000000;
    static constexpr int DefaultMaximumValue = 33713;

    explicit Machine(int tapeLength);
    ~Machine();

    void setProgram(const QString &program);
    QString program() const;
    void setHandler(IOHandler *handler);
    IOHandler *handler() const;

    int maximumValue() const;
    void setMaximumValue(int value);
    int tapeLength() const;
    void setTapeLength(int length);

    void reset();
    void start();
    bool step();

    bool isRunning() const;
    StopReason stopReason() const;
    int programCounter() const;
    QChar currentCommand() const;
    int currentCell() const;
    int cell(int index) const;
    int findLoopEnd(int position) const;

private:
    Q_DISABLE_COPY_MOVE(Machine)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // MACHINE_H
