// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The helper that answers the GUI tests' boxes: whatever goes wrong with a box, the test goes
// on and the answerer says what went wrong.

#include "modalanswerer.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

class tst_ModalAnswerer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boxes_data();
    void boxes();
    void boxOpenedByAnAnswer();
    void questionsTakeTheirTurn();

private:
    // Opens a box and waits in its own event loop, as the code under test does.
    static void ask(const QString &title, const QString &text)
    {
        QMessageBox::information(nullptr, title, text);
    }

    std::unique_ptr<ModalAnswerer> answerer;
    // Should the answerer itself fail, this closes the box so the test still ends.
    QTimer rescue;
    bool rescued = false;
};

void tst_ModalAnswerer::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    answerer = std::make_unique<ModalAnswerer>();
    rescued = false;
    rescue.setSingleShot(true);
    rescue.callOnTimeout(this, [this] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            rescued = true;
            dialog->done(QDialog::Rejected);
            rescue.start(10);
        }
    });
    rescue.start(10000);
}

void tst_ModalAnswerer::cleanup()
{
    rescue.stop();
    answerer.reset();
    QVERIFY2(!rescued, "a box stayed open until the test closed it");
}

void tst_ModalAnswerer::boxes_data()
{
    QTest::addColumn<QString>("expectedText"); // empty: no box expected
    QTest::addColumn<bool>("answerCloses");
    QTest::addColumn<QStringList>("mismatches");

    QTest::newRow("expected") << u"Text"_s << true << QStringList();
    QTest::newRow("unexpected") << QString() << true << QStringList{u"unexpected Title: Text"_s};
    QTest::newRow("other words") << u"Other"_s << true
                                 << QStringList{u"expected Title: Other, got Title: Text"_s};
    QTest::newRow("left open by its answer")
        << u"Text"_s << false << QStringList{u"left open by its answer Title: Text"_s};
}

void tst_ModalAnswerer::boxes()
{
    QFETCH(QString, expectedText);
    QFETCH(bool, answerCloses);
    QFETCH(QStringList, mismatches);

    if (answerCloses && !expectedText.isEmpty())
        answerer->expectMessageBox(u"Title"_s, expectedText);
    else if (!expectedText.isEmpty())
        answerer->expect(u"Title"_s, expectedText, [](QWidget *) {});
    ask(u"Title"_s, u"Text"_s);
    QVERIFY(answerer->isDone());
    QCOMPARE(answerer->seen(), QStringList{u"Title: Text"_s});
    QCOMPARE(answerer->mismatches(), mismatches);
}

void tst_ModalAnswerer::boxOpenedByAnAnswer()
{
    answerer->expectMessageBox(u"Outer"_s, u"first"_s, QMessageBox::Ok,
                               [](QWidget *) { ask(u"Inner"_s, u"second"_s); });
    answerer->expectMessageBox(u"Inner"_s, u"second"_s);
    ask(u"Outer"_s, u"first"_s);
    QVERIFY(answerer->isDone());
    QCOMPARE(answerer->seen(), QStringList({u"Outer: first"_s, u"Inner: second"_s}));
    QCOMPARE(answerer->mismatches(), QStringList());
}

void tst_ModalAnswerer::questionsTakeTheirTurn()
{
    answerer->expectFileName(u"Save..."_s, u"*.bf"_s, u"a.bf"_s);
    answerer->expectMessageBox(u"Title"_s, u"Text"_s);
    answerer->expectFileName(u"Open..."_s, u"*.bf"_s, u"b.bf"_s);

    QCOMPARE(answerer->answer(u"Save..."_s, u"*.bf"_s), u"a.bf"_s);
    // A question where a box is due, and a box where a question is due, are both wrong.
    QCOMPARE(answerer->answer(u"Open..."_s, u"*.bf"_s), QString());
    ask(u"Title"_s, u"Text"_s);
    QVERIFY(answerer->isDone());
    QCOMPARE(answerer->mismatches(),
             QStringList({u"unexpected Open...: *.bf instead of Title"_s,
                          u"unexpected Title: Text instead of Open..."_s}));
}

QTEST_MAIN(tst_ModalAnswerer)
#include "tst_modalanswerer.moc"
