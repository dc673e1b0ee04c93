#include "io/panewriter.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestPaneWriter : public QObject
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

private:
    std::unique_ptr<QPlainTextEdit> pane;
};

void TestPaneWriter::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    pane = std::make_unique<QPlainTextEdit>();
    pane->setReadOnly(true);
}

void TestPaneWriter::growingOutput()
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

void TestPaneWriter::nothingNew()
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

void TestPaneWriter::paneChangedElsewhere_data()
{
    QTest::addColumn<QString>("foreign");

    QTest::newRow("same length") << u"xy"_s;
    QTest::newRow("longer") << u"Piles: 7 12 9"_s;
    QTest::newRow("emptied") << QString();
    QTest::newRow("other document") << u"xy"_s;
}

void TestPaneWriter::paneChangedElsewhere()
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

void TestPaneWriter::clear()
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

// One paragraph long enough that laying it out takes well over a millisecond anywhere.
static QString longParagraph()
{
    return QString(50000, u'x');
}

void TestPaneWriter::slowPaneCatchesUp()
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

void TestPaneWriter::lateUpdateKeepsOthersText()
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

QTEST_MAIN(TestPaneWriter)
#include "tst_panewriter.moc"
