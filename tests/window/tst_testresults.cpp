// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's "Test results" after a test, against zindle-check's word on the same program,
// and Debug this case, as a user reaches them.

#include "window/zindle.h"

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"
#include "challenges/challengemodel.h"
#include "modalanswerer.h"
#include "programmark.h"
#include "window/testresultsmodel.h"
#include "window/testresultsview.h"
#include "window/windowfixture.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int Echo = 2;
constexpr int WhatsInAName = 13;
constexpr int RunTimeout = 20000;

QJsonArray values(const QList<int> &list)
{
    QJsonArray array;
    for (int value : list)
        array.append(value);
    return array;
}

QJsonValue difference(const CaseResult &result)
{
    switch (result.difference.kind) {
    case CaseDifference::WrongValue:
        return result.difference.index;
    case CaseDifference::MissingOutput:
        return u"expected output missing"_s;
    case CaseDifference::UnreadInput:
        return u"input left unread"_s;
    case CaseDifference::None:
        break;
    }
    return QJsonValue();
}

} // namespace

class tst_TestResults : public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void viewAgreesWithTheChecker_data();
    void viewAgreesWithTheChecker();
    void debugPausesAtTheWrongValue();

private:
    TestResultsView *view() const { return window->findChild<TestResultsView *>(); }
    // Selects the challenge, types the program and tests it to its failure.
    void failTest(int row, const QString &program, const QString &crash);

    QTemporaryDir files;
};

void tst_TestResults::initTestCase()
{
    loadCourse();
    QCOMPARE(challengeList().at(WhatsInAName).testType, u"alpha"_s);
}

void tst_TestResults::init()
{
    clearProgress();
    QVERIFY(openWindow(Show::Active));
}

void tst_TestResults::cleanup()
{
    closeWindow();
}

void tst_TestResults::failTest(int row, const QString &program, const QString &crash)
{
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    auto *test = window->findChild<QPushButton *>(u"buttonTest"_s);
    // The pane is laid out once the event loop has run, not at once.
    QTRY_VERIFY(!test->visibleRegion().isEmpty());
    auto *table = window->findChild<QTableView *>(u"tableChallenge"_s);
    table->setCurrentIndex(table->model()->index(row, 1));
    edit(u"editProgram"_s)->setPlainText(program);
    answerer->expectMessageBox(u"Crash"_s, crash);
    answerer->expectMessageBox(u"Fail"_s, u"The program failed the challenge."_s);
    QTest::mouseClick(test, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(answerer->isDone(), RunTimeout);
    // The boxes took the focus with them.
    QVERIFY(showWindow());
}

void tst_TestResults::viewAgreesWithTheChecker_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("crash");

    QTest::newRow("wrong value") << Echo << u",[.,]+."_s << u"Bad output!"_s;
    QTest::newRow("output missing")
        << Echo << u","_s << u"The program terminated without delivering the full result!"_s;
    QTest::newRow("wrong letter") << WhatsInAName << u"+++.."_s << u"Bad output!"_s;
}

void tst_TestResults::viewAgreesWithTheChecker()
{
    QFETCH(int, row);
    QFETCH(QString, program);
    QFETCH(QString, crash);

    failTest(row, program, crash);
    const TestResultsModel *model = view()->model();
    QVERIFY(view()->isVisible());

    QFile file(files.filePath(u"program.bf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(program.toUtf8());
    file.close();
    QProcess check;
    check.start(QStringLiteral(ZINDLE_CHECK_PROGRAM),
                {u"--format=json"_s, u"--challenge=%1"_s.arg(row), file.fileName()});
    QVERIFY(check.waitForFinished(RunTimeout));
    const QJsonArray cases =
        QJsonDocument::fromJson(check.readAllStandardOutput()).object()[u"cases"_s].toArray();
    QVERIFY(!cases.isEmpty());
    for (int i = 0; i < model->rowCount(); ++i) {
        const CaseResult &shown = model->caseAt(i);
        if (i >= cases.size()) {
            QCOMPARE(shown.verdict, CaseResult::NotRun);
            continue;
        }
        const QJsonObject checked = cases.at(i).toObject();
        QCOMPARE(shown.passed() ? u"pass"_s : u"fail"_s, checked[u"verdict"_s].toString());
        QCOMPARE(shown.steps, checked[u"steps"_s].toInteger());
        QCOMPARE(values(shown.input.shown), checked[u"input"_s][u"values"_s].toArray());
        QCOMPARE(values(shown.expected.shown), checked[u"expected"_s][u"values"_s].toArray());
        QCOMPARE(values(shown.written.shown), checked[u"written"_s][u"values"_s].toArray());
        QCOMPARE(difference(shown), checked[u"firstDifference"_s]);
    }
}

// The machine stops where the test found the wrong value, with the '.' that wrote it marked, goes
// back and on from there; no verdict of a test follows.
void tst_TestResults::debugPausesAtTheWrongValue()
{
    // Echo's first case is 0 => 0: the second '.' writes the wrong 1.
    const QString program = u"read , write . add + write . end"_s;
    failTest(Echo, program, u"Bad output!"_s);
    QTableView *table = view()->table();
    table->setFocus();
    table->selectRow(0);
    QTest::keyClick(table, Qt::Key_Return);

    QVERIFY(!window->menuBar()->isEnabled());
    QTRY_COMPARE(markedPosition(edit(u"editProgram"_s)), int(program.lastIndexOf(u'.')));
    QCOMPARE(edit(u"editOutput"_s)->toPlainText(), u"Required output: 0\nWritten: 0,1"_s);
    // The replayed case goes back and forward again like any run.
    QAction *stepBack = window->findChild<QAction *>(u"actionStepBack"_s);
    QVERIFY(stepBack && stepBack->isEnabled());
    stepBack->trigger();
    QTRY_COMPARE(markedPosition(edit(u"editProgram"_s)), int(program.lastIndexOf(u'+')));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(markedPosition(edit(u"editProgram"_s)), int(program.lastIndexOf(u'.')));
    // Step finds the end; the replay asks for nothing more and passes no judgement.
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->menuBar()->isEnabled());
    QVERIFY(!isChallengeComplete(Echo));
}

QTEST_MAIN(tst_TestResults)
#include "tst_testresults.moc"
