// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/panewriter.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class tst_PaneWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void growingOutput();
    void nothingNew();
    void paneChangedElsewhere_data();
    void paneChangedElsewhere();
    void clear();
    void slowPaneCatchesUp();
    void lateUpdateKeepsOthersText();
    void boundedTail_data();
    void boundedTail();
    void lettersBreakAnywhere();

private:
    std::unique_ptr<QPlainTextEdit> pane;
};

void tst_PaneWriter::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    pane = std::make_unique<QPlainTextEdit>();
    pane->setReadOnly(true);
}

void tst_PaneWriter::growingOutput()
{
    PaneWriter writer(pane.get());
    writer.clear();
    QString expected;
    for (int i = 0; i < 50; ++i) {
        const QString piece = i % 7 == 6 ? u"\u2028"_s : QString::number(i);
        writer.append(piece);
        expected += piece;
        if (i % 3 == 0)
            writer.show();
        QCOMPARE(pane->document()->toRawText(),
                 expected.first(pane->document()->toRawText().size()));
    }
    writer.show();
    QCOMPARE(pane->document()->toRawText(), expected);
    QCOMPARE(pane->document()->blockCount(), 1);
}

void tst_PaneWriter::nothingNew()
{
    PaneWriter writer(pane.get());
    writer.append(u"12, 13");
    writer.show();
    const int revision = pane->document()->revision();
    writer.show();
    writer.show();
    QCOMPARE(pane->document()->revision(), revision);
    QCOMPARE(pane->toPlainText(), u"12, 13"_s);
}

void tst_PaneWriter::paneChangedElsewhere_data()
{
    QTest::addColumn<QString>("foreign");

    QTest::newRow("same length") << u"xy"_s;
    QTest::newRow("longer") << u"Piles: 7 12 9"_s;
    QTest::newRow("emptied") << QString();
    QTest::newRow("other document") << u"xy"_s;
}

void tst_PaneWriter::paneChangedElsewhere()
{
    QFETCH(QString, foreign);

    PaneWriter writer(pane.get());
    writer.append(u"ab");
    writer.show();
    QTextDocument other;
    if (QTest::currentDataTag() == "other document"_L1) {
        other.setPlainText(foreign);
        pane->setDocument(&other);
    } else {
        pane->setPlainText(foreign);
    }
    writer.append(u"c");
    writer.show();
    QCOMPARE(pane->toPlainText(), u"abc"_s);
    pane->setDocument(nullptr);
}

void tst_PaneWriter::clear()
{
    PaneWriter writer(pane.get());
    writer.append(u"abc");
    writer.show();
    writer.clear();
    QVERIFY(writer.isEmpty());
    QCOMPARE(pane->toPlainText(), QString());
    writer.append(u"d");
    writer.show();
    QCOMPARE(pane->toPlainText(), u"d"_s);
}

// One paragraph long enough that laying it out takes well over a millisecond anywhere, and
// short enough for the pane to keep all of it.
static QString longParagraph()
{
    return QString(PaneWriter::Limit - 10, u'x');
}

void tst_PaneWriter::slowPaneCatchesUp()
{
    PaneWriter writer(pane.get());
    writer.clear();
    writer.append(longParagraph());
    writer.show();
    QCOMPARE(pane->document()->characterCount(), longParagraph().size() + 1);

    // the next update waits, but the pane still ends up with all of the output
    writer.append(u"tail");
    writer.show();
    writer.show();
    QTRY_COMPARE_WITH_TIMEOUT(pane->toPlainText(), longParagraph() + u"tail"_s, 60000);
}

void tst_PaneWriter::lateUpdateKeepsOthersText()
{
    PaneWriter writer(pane.get());
    writer.clear();
    writer.append(longParagraph());
    QElapsedTimer firstUpdate;
    firstUpdate.start();
    writer.show();
    const qint64 cost = firstUpdate.elapsed();
    writer.append(u"tail");
    writer.show();
    pane->setPlainText(u"Required output: 1"_s);
    // an update still to come must not overwrite what someone else wrote since
    QTest::qWait(int(cost) * 10 + 100);
    QCOMPARE(pane->toPlainText(), u"Required output: 1"_s);
}

void tst_PaneWriter::boundedTail_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("values");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("skipped");

    const int fill = int(PaneWriter::Capacity);
    const int limit = int(PaneWriter::Limit);
    const QString notShown = u"earlier values not shown"_s;
    QTest::newRow("numbers, all shown") << u", "_s << fill / 6 << QString() << 0;
    QTest::newRow("numbers, many dropped") << u", "_s << 2000000 << notShown << 0;
    QTest::newRow("letters, all shown") << QString() << limit << QString() << 0;
    QTest::newRow("letters, some dropped") << QString() << limit + 1 << notShown << 0;
    QTest::newRow("letters, many dropped") << QString() << 3000000 << notShown << 0;
    // A pane rebuilt from the latest values of a long output counts the ones it skipped too.
    QTest::newRow("numbers, rebuilt") << u", "_s << 20000 + limit << notShown << 20000;
    QTest::newRow("letters, rebuilt") << QString() << 20000 + limit << notShown << 20000;
}

// However much is written, the pane holds the true tail of the output, from the start of a
// value, and first says how many values it no longer shows.
void tst_PaneWriter::boundedTail()
{
    QFETCH(QString, separator);
    QFETCH(int, values);
    QFETCH(QString, firstLine);
    QFETCH(int, skipped);

    const auto value = [&](int i) {
        if (!separator.isEmpty())
            return QString::number(i);
        return QString(QChar(i % 27 == 26 ? u'\u2028' : char16_t(u'a' + i % 27)));
    };
    PaneWriter writer(pane.get());
    writer.setSeparator(separator);
    writer.clear();
    writer.skip(skipped);
    for (int i = skipped; i < values; ++i) {
        if (i > skipped)
            writer.append(separator);
        writer.append(value(i));
        if (i % 100000 == 0)
            writer.show();
    }
    writer.show();
    // The values the pane accounts for: the ones it counts as not shown and the ones it shows.
    // Letters repeat, so the last one alone cannot tell an earlier state of the pane.
    const auto accountedFor = [&] {
        const QTextDocument *document = pane->document();
        QString number = document->firstBlock().text().section(u' ', 1, 1);
        const qint64 notShown = document->blockCount() == 2
                                    ? number.remove(QLocale().groupSeparator()).toLongLong()
                                    : 0;
        const QString tail = document->lastBlock().text();
        return notShown + (separator.isEmpty() ? tail.size() : tail.count(separator) + 1);
    };
    QTRY_VERIFY_WITH_TIMEOUT(pane->document()->toRawText().endsWith(value(values - 1))
                                 && accountedFor() == values,
                             60000);

    const QString text = pane->document()->toRawText();
    if (firstLine.isEmpty()) {
        QCOMPARE(pane->document()->blockCount(), 1);
        QVERIFY(text.startsWith(value(0) + separator + value(1)));
        return;
    }
    QCOMPARE(pane->document()->blockCount(), 2);
    const QString first = pane->document()->firstBlock().text();
    const QString tail = pane->document()->lastBlock().text();
    QVERIFY2(first.contains(firstLine), qPrintable(first));
    QVERIFY(tail.size() >= PaneWriter::Capacity && tail.size() <= PaneWriter::Limit);
    // The count and the first value shown meet: nothing lost, nothing shown twice.
    QString number = first.section(u' ', 1, 1);
    const qint64 dropped = number.remove(QLocale().groupSeparator()).toLongLong();
    QVERIFY2(dropped > 0, qPrintable(first));
    if (separator.isEmpty()) {
        QCOMPARE(tail.size(), values - dropped);
        QCOMPARE(tail.first(1), value(int(dropped)));
    } else {
        QCOMPARE(tail.section(separator, 0, 0), value(int(dropped)));
        QCOMPARE(tail.count(separator), values - dropped - 1);
    }
}

// Letters have no blanks to break lines at; the pane is told so only while it shows them.
void tst_PaneWriter::lettersBreakAnywhere()
{
    const QTextOption::WrapMode own = pane->wordWrapMode();
    auto letters = std::make_unique<PaneWriter>(pane.get());
    letters->append(u"abc");
    letters->show();
    QCOMPARE(pane->wordWrapMode(), QTextOption::WrapAnywhere);
    pane->setPlainText(u"Required output: abc"_s);
    QCOMPARE(pane->wordWrapMode(), own);

    letters->append(u"d");
    letters->show();
    QCOMPARE(pane->wordWrapMode(), QTextOption::WrapAnywhere);
    letters.reset();
    QCOMPARE(pane->wordWrapMode(), own);

    PaneWriter numbers(pane.get());
    numbers.setSeparator(u", "_s);
    numbers.append(u"1, 2");
    numbers.show();
    QCOMPARE(pane->wordWrapMode(), own);
}

QTEST_MAIN(tst_PaneWriter)
#include "tst_panewriter.moc"
