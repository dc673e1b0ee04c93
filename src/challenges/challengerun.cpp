// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challengerun.h"

#include "challenges/alphatesthandler.h"
#include "challenges/challenge.h"
#include "challenges/nimtesthandler.h"
#include "challenges/normaltesthandler.h"
#include "interpreter/crashtext.h"
#include "interpreter/iohandler.h"
#include "interpreter/programtext.h"
#include "io/alphabet.h"

#include <QCoreApplication>
#include <QObject>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Gives the run's texts their translation context.
struct Messages
{
    Q_DECLARE_TR_FUNCTIONS(ChallengeRun)
};

QList<int> letterValues(const QString &text)
{
    QList<int> values;
    values.reserve(text.size());
    for (QChar character : text)
        values.append(letterValue(character));
    return values;
}

QString withMore(const QString &text, qint64 more)
{
    if (more == 0)
        return text;
    return text + u' ' + Messages::tr("\u2026 %1 more").arg(more);
}

} // namespace

QString escapedControls(const QString &text)
{
    QString line;
    for (QChar character : text) {
        if (character == u'\n')
            line += u"\\n"_s;
        else if (character == u'\t')
            line += u"\\t"_s;
        else if (character.category() == QChar::Other_Control)
            line += u"\\x%1"_s.arg(character.unicode(), 2, 16, QChar(u'0'));
        else
            line += character;
    }
    return line;
}

void ValueList::append(int value)
{
    if (shown.size() < Limit)
        shown.append(value);
    else
        ++more;
}

ValueList ValueList::of(const QList<int> &values)
{
    ValueList list;
    list.shown = values.mid(0, Limit);
    list.more = values.size() - list.shown.size();
    return list;
}

QString CaseResult::text() const
{
    if (outOfSteps)
        return QCoreApplication::translate("CourseCheck",
                                           "The program did not end within the step limit!");
    if (passed())
        return u"pass"_s;
    if (verdict == NotRun)
        return Messages::tr("not run");
    return crashText(stopReason);
}

QString CaseResult::valueText(int value) const
{
    if (type != TestType::Alpha)
        return QString::number(value);
    if (value == 0)
        return u"\\n"_s;
    if (value > 0 && value <= LetterCount)
        return valueLetter(value);
    return u"[%1]"_s.arg(value);
}

QString CaseResult::listText(const ValueList &values) const
{
    QStringList texts;
    for (int value : values.shown)
        texts.append(valueText(value));
    return withMore(texts.join(type == TestType::Alpha ? QString() : u","_s), values.more);
}

QString CaseResult::inputShown() const
{
    if (type == TestType::Alpha)
        return withMore(escapedControls(inputText), input.count() - inputText.size());
    return listText(input);
}

QString CaseResult::expectedShown() const
{
    if (type == TestType::Alpha)
        return withMore(escapedControls(expectedText), expected.count() - expectedText.size());
    return listText(expected);
}

QString CaseResult::differenceText() const
{
    const QString at = QString::number(difference.index + 1);
    switch (difference.kind) {
    case CaseDifference::None:
        break;
    case CaseDifference::WrongValue:
        if (type == TestType::Nim)
            return Messages::tr("wrote %1, a move the game does not allow (value %2)")
                .arg(valueText(difference.written), at);
        if (!difference.hasExpected)
            return Messages::tr("expected no more output, wrote %1 (value %2)")
                .arg(valueText(difference.written), at);
        return Messages::tr("expected %1, wrote %2 (value %3)")
            .arg(valueText(difference.expected), valueText(difference.written), at);
    case CaseDifference::MissingOutput:
        if (!difference.hasExpected)
            return Messages::tr("expected output missing: the game was left unfinished");
        return Messages::tr("expected %1, wrote nothing more (value %2)")
            .arg(valueText(difference.expected), at);
    case CaseDifference::UnreadInput:
        return Messages::tr("input left unread: %1 of %2 values read")
            .arg(inputRead)
            .arg(input.count());
    }
    return QString();
}

qint64 totalSteps(const QList<CaseResult> &cases)
{
    qint64 steps = 0;
    for (const CaseResult &caseResult : cases)
        steps += caseResult.steps;
    return steps;
}

namespace {

// Passes every call on to the test handler and tells the run what went by.
class RecordingHandler : public IOHandler
{
public:
    using Watcher = std::function<void(bool isInput, int value, bool accepted)>;

    RecordingHandler(std::function<void()> starter, std::function<void()> replayShower,
                     Watcher watcher)
        : starting(std::move(starter))
        , showReplay(std::move(replayShower))
        , watch(std::move(watcher))
    {
    }

    void start() override { starting(); }
    void refresh() override
    {
        inner->refresh();
        if (!judging)
            showReplay();
    }
    bool hasInput() override { return inner->hasInput(); }
    int input() override
    {
        const int value = inner->input();
        watch(true, value, true);
        return value;
    }
    bool output(int value) override
    {
        const bool accepted = inner->output(value);
        watch(false, value, accepted);
        return accepted || !judging;
    }
    bool isComplete() override { return inner->isComplete(); }

    IOHandler *inner = nullptr;
    bool judging = true;

private:
    std::function<void()> starting;
    std::function<void()> showReplay;
    Watcher watch;
};

// For an owner that must own the handler it installs: passes every call on to the run's.
class ForwardingHandler : public IOHandler
{
public:
    explicit ForwardingHandler(IOHandler *target) : to(target) { }

    void start() override { to->start(); }
    void refresh() override { to->refresh(); }
    bool hasInput() override { return to->hasInput(); }
    int input() override { return to->input(); }
    bool output(int value) override { return to->output(value); }
    bool isComplete() override { return to->isComplete(); }

private:
    IOHandler *to;
};

} // namespace

struct ChallengeRun::Private
{
    void makeHandler(int firstCase);
    // The case's facts from its line, and all of its expected values.
    CaseResult freshRecord(int index, QList<int> *allExpected = nullptr) const;
    // The handler's start(): the case it loads next begins, into cases() or the replay.
    void startCase();
    void watch(bool isInput, int value, bool accepted);
    // A replay is followed in the window: its output pane shows what the program wrote.
    void showReplay();
    int draw();

    Challenge challenge;
    TestType type = TestType::Unknown;
    QPlainTextEdit *editInput = nullptr;
    QPlainTextEdit *editOutput = nullptr;
    std::unique_ptr<IOHandler> handler;
    // Stands in for a test type that has no handler, so that a run of it refuses everything.
    IOHandler noHandler;
    RecordingHandler recorder{[this] { startCase(); }, [this] { showReplay(); },
                              [this](bool isInput, int value, bool accepted) {
                                  watch(isInput, value, accepted);
                              }};
    // The case that the handler loads at its next start(); -1 when it must be made afresh.
    int nextCase = -1;
    bool replayNext = false;
    QList<CaseResult> cases;
    CaseResult replay;
    CaseResult *current = nullptr;
    QList<int> currentExpected;
    qint64 rejectedIndex = -1;
    int rejectedValue = 0;
    QList<int> replayDraws;
    qsizetype replayDrawn = 0;
};

void ChallengeRun::Private::makeHandler(int firstCase)
{
    Challenge rest = challenge;
    rest.testCases = challenge.testCases.mid(firstCase);
    handler = createTestHandler(rest, editInput, editOutput);
    if (auto *nim = dynamic_cast<NimTestHandler *>(handler.get()))
        nim->setRandomSource([this] { return draw(); });
    recorder.inner = handler ? handler.get() : &noHandler;
    nextCase = firstCase;
}

CaseResult ChallengeRun::Private::freshRecord(int index, QList<int> *allExpected) const
{
    CaseResult record;
    record.number = index + 1;
    record.type = type;
    const QString line = challenge.testCases.value(index);
    QList<int> input;
    QList<int> expected;
    if (type == TestType::Normal) {
        NormalTestHandler::parseCase(line, &input, &expected);
    } else if (type == TestType::Alpha) {
        QString inputText;
        QString expectedText;
        AlphaTestHandler::parseCase(line, &inputText, &expectedText);
        input = letterValues(inputText);
        expected = letterValues(expectedText);
        record.inputText = inputText.left(ValueList::Limit);
        record.expectedText = expectedText.left(ValueList::Limit);
    }
    // A game's input is what the computer deals and plays, recorded as it happens.
    record.input = ValueList::of(input);
    record.expected = ValueList::of(expected);
    if (allExpected)
        *allExpected = expected;
    return record;
}

void ChallengeRun::Private::startCase()
{
    // A replay leaves its handler in the middle of a case.
    if (nextCase < 0)
        makeHandler(0);
    const int index = nextCase;
    CaseResult *record = replayNext ? &replay : index < cases.size() ? &cases[index] : nullptr;
    current = record;
    if (record)
        *record = freshRecord(index, &currentExpected);
    rejectedIndex = -1;
    recorder.judging = !replayNext;
    recorder.inner->start();
    nextCase = replayNext ? -1 : index + 1;
    replayNext = false;
}

void ChallengeRun::Private::watch(bool isInput, int value, bool accepted)
{
    if (!current)
        return;
    if (isInput) {
        ++current->inputRead;
        if (type == TestType::Nim)
            current->input.append(value);
        return;
    }
    current->written.append(value);
    if (!accepted && rejectedIndex < 0) {
        rejectedIndex = current->written.count() - 1;
        rejectedValue = value;
    }
}

void ChallengeRun::Private::showReplay()
{
    if (!editOutput)
        return;
    // A game's pane shows its piles; the others the output required.
    const QString first = type == TestType::Nim
                              ? editOutput->toPlainText().section(u'\n', 0, 0)
                              : QObject::tr("Required output: %1").arg(replay.expectedShown());
    editOutput->setPlainText(first + u'\n'
                             + Messages::tr("Written: %1").arg(replay.writtenShown()));
}

int ChallengeRun::Private::draw()
{
    const bool replaying = current == &replay && replayDrawn < replayDraws.size();
    const int value = replaying ? replayDraws.at(replayDrawn++) : std::rand();
    if (current)
        current->draws.append(value);
    return value;
}

ChallengeRun::ChallengeRun(const Challenge &challenge, QPlainTextEdit *input,
                           QPlainTextEdit *output)
    : d(std::make_unique<Private>())
{
    d->challenge = challenge;
    d->type = testTypeOf(challenge);
    d->editInput = input;
    d->editOutput = output;
    d->makeHandler(0);
    for (int i = 0; i < challenge.testCases.size(); ++i)
        d->cases.append(d->freshRecord(i));
}

ChallengeRun::~ChallengeRun() = default;

const Challenge &ChallengeRun::challenge() const
{
    return d->challenge;
}

bool ChallengeRun::isValid() const
{
    return d->handler != nullptr;
}

int ChallengeRun::caseCount() const
{
    return int(d->cases.size());
}

const QList<CaseResult> &ChallengeRun::cases() const
{
    return d->cases;
}

qint64 ChallengeRun::totalSteps() const
{
    return ::totalSteps(d->cases);
}

void ChallengeRun::setUp(Machine &machine, const QString &programText)
{
    setUpMachine(machine, d->challenge);
    machine.setHandler(&d->recorder);
    machine.setProgram(machineProgram(programText));
}

IOHandler *ChallengeRun::handler() const
{
    return &d->recorder;
}

std::unique_ptr<IOHandler> ChallengeRun::createHandler() const
{
    return std::make_unique<ForwardingHandler>(&d->recorder);
}

void ChallengeRun::beginCase(Machine &machine, int index)
{
    if (index != d->nextCase)
        d->makeHandler(index);
    machine.start();
    d->recorder.start();
}

const CaseResult &ChallengeRun::endCase(const Machine &machine, qint64 stepCalls,
                                        bool outOfSteps)
{
    static const CaseResult noCase;
    if (!d->current)
        return noCase;
    CaseResult &record = *d->current;
    record.stopReason = machine.stopReason();
    record.outOfSteps = outOfSteps;
    record.steps = outOfSteps || record.stopReason == StopReason::NotStopped
                          ? stepCalls
                          : stepsTaken(machine, stepCalls);
    if (!outOfSteps && record.stopReason == StopReason::NotStopped)
        record.verdict = CaseResult::NotRun;
    else
        record.verdict = record.passed() ? CaseResult::Passed : CaseResult::Failed;

    CaseDifference &difference = record.difference;
    const QList<int> &expected = d->currentExpected;
    const bool game = d->type == TestType::Nim;
    if (d->rejectedIndex >= 0) {
        difference.kind = CaseDifference::WrongValue;
        difference.index = d->rejectedIndex;
        difference.hasWritten = true;
        difference.written = d->rejectedValue;
    } else if (record.stopReason == StopReason::IncompleteResult) {
        if (game || record.written.count() < expected.size()) {
            difference.kind = CaseDifference::MissingOutput;
            difference.index = record.written.count();
        } else if (record.inputRead < record.input.count()) {
            difference.kind = CaseDifference::UnreadInput;
            difference.index = record.inputRead;
        }
    }
    if (!game && difference.index >= 0 && difference.kind != CaseDifference::UnreadInput
        && difference.index < expected.size()) {
        difference.hasExpected = true;
        difference.expected = expected.at(difference.index);
    }
    d->current = nullptr;
    return record;
}

const CaseResult &ChallengeRun::runCase(Machine &machine, int index, qint64 maximumSteps)
{
    beginCase(machine, index);
    const Steps steps = runSteps(machine, maximumSteps);
    return endCase(machine, steps.stepCalls, !steps.stopped);
}

void ChallengeRun::prepareReplay(int index)
{
    d->replayDraws = d->cases.value(index).draws;
    d->replayDrawn = 0;
    // The handler loads the case afresh, whatever it ran before.
    d->makeHandler(index);
    d->replayNext = true;
}

void ChallengeRun::beginReplay(Machine &machine, int index)
{
    prepareReplay(index);
    machine.start();
    d->recorder.start();
}

qint64 ChallengeRun::pauseStep(const CaseResult &result)
{
    // A command that crashed or asked in vain is shown before it runs; a wrong value right
    // after the command that wrote it.
    const bool crashedAtCommand = result.difference.kind == CaseDifference::None
                                  && result.verdict == CaseResult::Failed && !result.outOfSteps;
    return std::max<qint64>(0, crashedAtCommand ? result.steps - 1 : result.steps);
}

const CaseResult &ChallengeRun::replay() const
{
    return d->replay;
}

ChallengeRun::Steps ChallengeRun::runSteps(Machine &machine, qint64 maximumSteps)
{
    Steps steps;
    while (!steps.stopped && steps.stepCalls < maximumSteps) {
        const qint64 left = maximumSteps - steps.stepCalls;
        const RunResult ran = machine.run(int(std::min<qint64>(left, 1 << 30)));
        steps.stopped = ran.stopped;
        steps.stepCalls += ran.steps;
    }
    return steps;
}
