// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/nimtesthandler.h"
#include "challenges/coursecheck.h"
#include "interpreter/machine.h"
#include "window/zindle.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <array>
#include <cstdlib>
#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StopReason)

namespace {

using Piles = std::array<int, 3>;

// A deal whose second pile holds one object and whose first holds more: after the program
// empties the third pile, the computer's move is forced.
bool secondPileOfOne(const Piles &piles)
{
    return piles[0] > 1 && piles[1] == 1;
}

// Reads the three piles, then takes the whole third pile.
const QString emptyThirdPile = u",,,>+++.<."_s;
// Reads the computer's pile and count into two fresh cells.
const QString readComputer = u">>,>,"_s;

} // namespace

class tst_NimTestHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void deals();
    void protocol_data();
    void protocol();
    void computerLeavesOne();
    void gameEndedByComputer_data();
    void gameEndedByComputer();
    void gameEndedByProgram_data();
    void gameEndedByProgram();
    void nothingCarriesOver();
    void windowPanes();

private:
    Piles shownPiles();
    QStringList shownPlay();
    Piles dealWhere(const std::function<bool(const Piles &)> &wanted);
    StopReason play(const QString &program);

    QPlainTextEdit inputPane;
    QPlainTextEdit outputPane;
    std::unique_ptr<NimTestHandler> handler;
    Machine machine{100};
    unsigned seed = 1;
};

void tst_NimTestHandler::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    handler = std::make_unique<NimTestHandler>(&inputPane, &outputPane);
    machine.setHandler(handler.get());
    seed = 1;
    std::srand(seed);
}

// The piles as the output pane shows them.
Piles tst_NimTestHandler::shownPiles()
{
    handler->refresh();
    static const QRegularExpression format(u"^Piles: (\\d+) (\\d+) (\\d+)$"_s);
    const QRegularExpressionMatch match = format.match(outputPane.toPlainText());
    if (!match.hasMatch())
        return {-1, -1, -1};
    return {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
}

// The transcript as the input pane shows it.
QStringList tst_NimTestHandler::shownPlay()
{
    handler->refresh();
    const QString text = inputPane.toPlainText();
    if (!text.startsWith(u"Computer play: "_s))
        return {};
    return text.mid(15).split(u',');
}

// Deals games until one suits the test; the handler is left started on it.
Piles tst_NimTestHandler::dealWhere(const std::function<bool(const Piles &)> &wanted)
{
    for (int tries = 0; tries < 100000; ++tries) {
        std::srand(++seed);
        handler->start();
        const Piles piles = shownPiles();
        if (wanted(piles))
            return piles;
    }
    return {-1, -1, -1};
}

StopReason tst_NimTestHandler::play(const QString &program)
{
    machine.setProgram(program);
    machine.start();
    return CourseCheck::finishCase(machine, 100000).stopReason;
}

void tst_NimTestHandler::deals()
{
    QSet<int> thirdPiles;
    for (int game = 0; game < 2000; ++game) {
        handler->start();
        const Piles piles = shownPiles();
        QVERIFY(piles[0] >= 1 && piles[0] <= 30);
        QVERIFY(piles[1] >= 1 && piles[1] <= 30);
        QVERIFY(piles[2] >= 1 && piles[2] <= 31);
        QVERIFY((piles[0] ^ piles[1] ^ piles[2]) != 0);
        QCOMPARE(shownPlay(), (QStringList{QString::number(piles[0]), QString::number(piles[1]),
                                           QString::number(piles[2])}));
        thirdPiles.insert(piles[2]);
    }
    QCOMPARE(thirdPiles.size(), 31);
}

void tst_NimTestHandler::protocol_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("fourth read before moving") << u",,,,"_s << StopReason::BadInput;
    QTest::newRow("output before the piles") << u"."_s << StopReason::BadOutput;
    QTest::newRow("output after two piles") << u",,>."_s << StopReason::BadOutput;
    QTest::newRow("pile 0") << u",,,>."_s << StopReason::BadOutput;
    QTest::newRow("pile 4") << u",,,>++++."_s << StopReason::BadOutput;
    QTest::newRow("count larger than any pile") << u",,,>+++."_s + QString(32, u'+') + u'.'
                                                << StopReason::BadOutput;
    QTest::newRow("emptied pile") << emptyThirdPile + u",,>."_s << StopReason::BadOutput;
    QTest::newRow("two moves in a row") << u",,,>+++.[-].."_s << StopReason::BadOutput;
    QTest::newRow("reads on its own turn") << u",,,>+++.[-].,,,"_s << StopReason::BadInput;
    QTest::newRow("ends with objects left") << u",,,"_s << StopReason::IncompleteResult;
    QTest::newRow("count 0, then the computer moves") << u",,,>+++.[-].,,"_s
                                                      << StopReason::IncompleteResult;
}

void tst_NimTestHandler::protocol()
{
    QFETCH(QString, program);
    QFETCH(StopReason, reason);

    handler->start();
    QCOMPARE(play(program), reason);
}

void tst_NimTestHandler::computerLeavesOne()
{
    // From 5, 1, 0 the only pile holding more than one is the first: it is left with one.
    const Piles dealt =
        dealWhere([](const Piles &piles) { return piles[0] == 5 && piles[1] == 1; });
    QCOMPARE(dealt[0], 5);
    QCOMPARE(play(emptyThirdPile + readComputer), StopReason::IncompleteResult);
    QCOMPARE(shownPiles(), (Piles{1, 1, 0}));
    QCOMPARE(shownPlay(), (QStringList{u"5"_s, u"1"_s, QString::number(dealt[2]), u"1"_s, u"4"_s}));
    QCOMPARE(machine.cell(2), 1);
    QCOMPARE(machine.cell(3), 4);

    // With two piles above one it picks either, and leaves one in it.
    QSet<int> picked;
    for (int game = 0; game < 16; ++game) {
        const Piles before =
            dealWhere([](const Piles &piles) { return piles[0] > 1 && piles[1] > 1; });
        QCOMPARE(play(emptyThirdPile + readComputer), StopReason::IncompleteResult);
        const int pile = machine.cell(2);
        QVERIFY(pile == 1 || pile == 2);
        Piles after = before;
        after[2] = 0;
        after[std::size_t(pile - 1)] = 1;
        QCOMPARE(shownPiles(), after);
        QCOMPARE(machine.cell(3), before[std::size_t(pile - 1)] - 1);
        picked.insert(pile);
    }
    QCOMPARE(picked.size(), 2);
}

void tst_NimTestHandler::gameEndedByComputer_data()
{
    QTest::addColumn<QString>("after");
    QTest::addColumn<StopReason>("reason");

    QTest::newRow("program ends") << QString() << StopReason::Finished;
    QTest::newRow("program reads on") << u","_s << StopReason::BadInput;
    QTest::newRow("program writes on") << u"."_s << StopReason::BadOutput;
}

void tst_NimTestHandler::gameEndedByComputer()
{
    QFETCH(QString, after);
    QFETCH(StopReason, reason);

    dealWhere(secondPileOfOne);
    // leaves 1, 1, 0 to the program, which takes pile 1; the computer takes the last object
    const QString program = emptyThirdPile + readComputer + u">+.."_s + u">,>,"_s + after;
    QCOMPARE(play(program), reason);
    QCOMPARE(shownPiles(), (Piles{0, 0, 0}));
    QCOMPARE(shownPlay().mid(5), (QStringList{u"2"_s, u"1"_s}));
}

void tst_NimTestHandler::gameEndedByProgram_data()
{
    gameEndedByComputer_data();
}

void tst_NimTestHandler::gameEndedByProgram()
{
    QFETCH(QString, after);
    QFETCH(StopReason, reason);

    // At 1, 1, 0 the program takes nothing from pile 1; the computer empties pile 1 or 2 at
    // random, and the program takes the last object from the other (3 minus the computer's).
    const QString program = emptyThirdPile + readComputer + u">+.[-]."_s + u">,>,"_s
            + u">+++<<[->>-<<]>>."_s + u"[-]+."_s + after;
    QSet<int> picked;
    for (int game = 0; game < 8; ++game) {
        dealWhere(secondPileOfOne);
        QCOMPARE(play(program), reason);
        QCOMPARE(shownPiles(), (Piles{0, 0, 0}));
        const QStringList play = shownPlay();
        QCOMPARE(play.size(), 7);
        QCOMPARE(play.at(6), u"1"_s);
        picked.insert(play.at(5).toInt());
    }
    QCOMPARE(picked, (QSet<int>{1, 2}));
}

void tst_NimTestHandler::nothingCarriesOver()
{
    handler->start();
    QCOMPARE(play(u",,,>."_s), StopReason::BadOutput);
    handler->start();
    QCOMPARE(play(u",,,"_s), StopReason::IncompleteResult);
    QCOMPARE(shownPlay().size(), 3);
}

void tst_NimTestHandler::windowPanes()
{
    Zindle window;
    NimTestHandler windowHandler(&window);
    windowHandler.start();
    windowHandler.refresh();
    QVERIFY(QRegularExpression(u"^Piles: \\d+ \\d+ \\d+$"_s).match(
        window.outputEdit()->toPlainText()).hasMatch());
    QVERIFY(QRegularExpression(u"^Computer play: \\d+,\\d+,\\d+$"_s).match(
        window.inputEdit()->toPlainText()).hasMatch());
}

QTEST_MAIN(tst_NimTestHandler)
#include "tst_nimtesthandler.moc"
