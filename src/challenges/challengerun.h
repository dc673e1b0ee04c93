// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CHALLENGERUN_H
#define CHALLENGERUN_H

#include "challenges/challengetest.h"
#include "interpreter/machine.h"

#include <QList>
#include <QString>

#include <memory>

class IOHandler;
class QPlainTextEdit;
struct Challenge;

// Values as a case gives them or a program writes them, kept to the first Limit with a count
// of the rest, so that a case of tens of thousands of values or a program that writes millions
// stays small wherever it is shown.
struct ValueList
{
    static constexpr int Limit = 1000;

    QList<int> shown;
    qint64 more = 0;

    void append(int value);
    qint64 count() const { return shown.size() + more; }
    static ValueList of(const QList<int> &values);
};

// Where a failed case first parted from what the case asked for.
struct CaseDifference
{
    enum Kind { None, WrongValue, MissingOutput, UnreadInput };

    Kind kind = None;
    // WrongValue: the written value's index; MissingOutput: the first expected value not
    // written; UnreadInput: the first input value not read. All from 0.
    qint64 index = -1;
    // The values at that index, whether or not the lists above still show them.
    bool hasExpected = false;
    int expected = 0;
    bool hasWritten = false;
    int written = 0;
};

// One test case of a challenge, as it was run: what it gave, what it asked for, what the
// program did and how it ended.
struct CaseResult
{
    enum Verdict { NotRun, Passed, Failed };

    int number = 0;
    TestType type = TestType::Unknown;
    Verdict verdict = NotRun;
    StopReason stopReason = StopReason::NotStopped;
    // The step limit ran out while the program was still running.
    bool outOfSteps = false;
    // The steps the case took (on a step limit, the step() calls made).
    qint64 steps = 0;
    // The values given as input (a game's piles and the computer's moves), how many of them
    // the program read, the values expected and the values written.
    ValueList input;
    qint64 inputRead = 0;
    ValueList expected;
    ValueList written;
    // A letter case's texts as the case line gives them, line breaks in place.
    QString inputText;
    QString expectedText;
    CaseDifference difference;
    // A game's draws from the random source in order, which deal the same game again.
    QList<int> draws;

    bool passed() const { return stopReason == StopReason::Finished && !outOfSteps; }
    // "pass", or what the window would report for the run.
    QString text() const;
    // Where the case went wrong, "expected 6, wrote 7 (value 3)"; empty when it did not.
    QString differenceText() const;
    // The case's lists as one line each: numbers, or the letters of a letter case with its
    // line breaks written "\n", and "… N more" after the values kept.
    QString inputShown() const;
    QString expectedShown() const;
    QString writtenShown() const { return listText(written); }
    QString listText(const ValueList &values) const;
    QString valueText(int value) const;
};

// Every case of one challenge for one program, run one at a time on a machine: the window
// runs each case in timed batches and zindle-check runs them straight through. Both start a
// case with beginCase() and hand its end to endCase(), which records what happened; the
// handler it installs wraps the challenge's test handler and watches every value go by,
// without changing a verdict.
class ChallengeRun
{
public:
    // The test handler writes each case into these panes, if given, as it does in the window.
    explicit ChallengeRun(const Challenge &challenge, QPlainTextEdit *input = nullptr,
                          QPlainTextEdit *output = nullptr);
    ~ChallengeRun();

    const Challenge &challenge() const;
    // False for a challenge whose test type has no handler.
    bool isValid() const;
    int caseCount() const;
    // Every case of the challenge, those not run (yet) as NotRun with what their line gives.
    const QList<CaseResult> &cases() const;
    qint64 totalSteps() const;

    // Gives the machine the challenge's tape and maximum, the program and the run's handler.
    void setUp(Machine &machine, const QString &programText);
    // The run's handler: each start() begins the next case (after beginCase(), the one it
    // named). It belongs to the run; createHandler() makes one that passes every call on to it,
    // for an owner that owns what it installs, and that must not outlive the run.
    IOHandler *handler() const;
    std::unique_ptr<IOHandler> createHandler() const;
    // Starts the machine and the handler on case `index` (from 0, below caseCount()), in any
    // order.
    void beginCase(Machine &machine, int index);
    // Records the end of the case begun last, from the calls of step() it took; a machine
    // still running was cancelled, and its case stays not run.
    const CaseResult &endCase(const Machine &machine, qint64 stepCalls, bool outOfSteps = false);
    // beginCase(), steps until the machine stops or `maximumSteps` run out, endCase().
    const CaseResult &runCase(Machine &machine, int index, qint64 maximumSteps);

    // Deals case `index` again exactly as it was run, into `replay()` and not into cases():
    // the same game for Nim, and no output refused, so that the program can be followed past
    // its first wrong value; the output pane, if any, shows what it writes. The handler then
    // judges nothing; a new beginCase() ends this.
    void beginReplay(Machine &machine, int index);
    // The same for a machine that its owner starts: the handler's next start() replays.
    void prepareReplay(int index);
    const CaseResult &replay() const;
    // The calls of step() after which a replay of the case stands where it went wrong: right
    // after a wrong value was written, just before a command that crashed or asked for input in
    // vain, after the last command otherwise.
    static qint64 pauseStep(const CaseResult &result);

    struct Steps
    {
        qint64 stepCalls = 0;
        bool stopped = false;
    };
    // Steps a machine already started until it stops or `maximumSteps` calls of step() ran.
    static Steps runSteps(Machine &machine, qint64 maximumSteps);

private:
    Q_DISABLE_COPY_MOVE(ChallengeRun)
    struct Private;
    const std::unique_ptr<Private> d;
};

// A text on one line that a terminal shows as it is: line breaks and tabs as "\n" and "\t",
// other control characters by their code ("\x1b").
QString escapedControls(const QString &text);

// The steps of the cases in the list together.
qint64 totalSteps(const QList<CaseResult> &cases);

#endif // CHALLENGERUN_H
