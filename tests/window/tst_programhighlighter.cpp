// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/programhighlighter.h"

#include "io/programfile.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

QTextCharFormat coloured(int red, int green, int blue)
{
    QTextCharFormat format;
    format.setForeground(QColor(red, green, blue));
    return format;
}

QTextCharFormat dotted(QTextCharFormat format)
{
    format.setUnderlineStyle(QTextCharFormat::DotLine);
    return format;
}

// Formats compare by what they set, whatever the order in which they set it.
bool sameLook(const QTextCharFormat &a, const QTextCharFormat &b)
{
    return a.properties().size() == b.properties().size() && a.foreground() == b.foreground()
        && a.background() == b.background() && a.underlineStyle() == b.underlineStyle()
        && a.fontWeight() == b.fontWeight();
}

QTextCharFormat weighted(QTextCharFormat format, int weight)
{
    format.setFontWeight(weight);
    return format;
}

// One letter per character for the format the highlighter gave it, so that a whole line can
// be compared at once: '.' untouched, 'm'/'M' move and its mark, 'v'/'V' value and its mark,
// 'l' loop, 'i' input/output, 'c' the current command, '?' anything else. Lines join with '\n'.
QString formatLetters(const QTextDocument &document)
{
    QTextCharFormat current = weighted(coloured(255, 255, 255), QFont::Black);
    current.setBackground(QColor(255, 128, 0));
    const QList<QPair<QChar, QTextCharFormat>> known = {
        {u'm', coloured(192, 0, 0)},
        {u'M', dotted(coloured(192, 0, 0))},
        {u'v', coloured(0, 128, 255)},
        {u'V', dotted(coloured(0, 128, 255))},
        {u'l', coloured(128, 0, 192)},
        {u'i', weighted(coloured(0, 128, 0), QFont::Bold)},
        {u'c', current},
    };
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString letters(block.length() - 1, u'.');
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            QChar letter = u'?';
            for (const auto &[candidate, format] : known) {
                if (sameLook(range.format, format))
                    letter = candidate;
            }
            for (int i = range.start; i < range.start + range.length; ++i)
                letters[i] = letter;
        }
        lines << letters;
    }
    return lines.join(u'\n');
}

} // namespace

class tst_ProgramHighlighter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void classesAndRuns_data();
    void classesAndRuns();
    void currentPosition_data();
    void currentPosition();
    void editDropsMark();
    void documentReplaced();
    void runAcrossPieces();

private:
    std::unique_ptr<QTextDocument> document;
    ProgramHighlighter *highlighter = nullptr;
};

void tst_ProgramHighlighter::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    document = std::make_unique<QTextDocument>();
    // A document reports its changes, and so gets highlighted, only once it has a layout.
    document->documentLayout();
    highlighter = new ProgramHighlighter(document.get());
}

void tst_ProgramHighlighter::classesAndRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("letters");

    QTest::newRow("five plus") << u"+++++"_s << u"vvvvV"_s;
    QTest::newRow("four plus") << u"++++"_s << u"vvvv"_s;
    QTest::newRow("seven plus") << u"+++++++"_s << u"vvvvVvv"_s;
    QTest::newRow("ten left") << u"<<<<<<<<<<"_s << u"mmmmMmmmmM"_s;
    QTest::newRow("plus and minus form one run") << u"+-+-+"_s << u"vvvvV"_s;
    QTest::newRow("left and right form one run") << u"<><><>"_s << u"mmmmMm"_s;
    QTest::newRow("four right then plus") << u">>>>+"_s << u"mmmmv"_s;
    QTest::newRow("space splits a run") << u"+++ +++++"_s << u"vvv.vvvvV"_s;
    QTest::newRow("letter splits a run") << u"++a+++b+"_s << u"vv.vvv.v"_s;
    QTest::newRow("loop run does not count") << u"+++[+]+"_s << u"vvvlvlv"_s;
    QTest::newRow("loops and breakpoint") << u"[]@"_s << u"lll"_s;
    QTest::newRow("input and output") << u",.,"_s << u"iii"_s;
    QTest::newRow("others untouched") << u"ab 12 #~\u00e9\u2192"_s << u".........."_s;
    QTest::newRow("runs end at line breaks") << u"+++\n++\n\n++"_s << u"vvv\nvv\n\nvv"_s;
    QTest::newRow("two marked runs in a line") << u"+++++>>>>>"_s << u"vvvvVmmmmM"_s;
}

void tst_ProgramHighlighter::classesAndRuns()
{
    QFETCH(QString, text);
    QFETCH(QString, letters);

    document->setPlainText(text);
    QCOMPARE(formatLetters(*document), letters);
}

void tst_ProgramHighlighter::currentPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("letters");

    const QString twoLines = u"+++\n,.,"_s;
    QTest::newRow("first line") << twoLines << QList<int>{1} << u"vcv\niii"_s;
    QTest::newRow("moved to the next line") << twoLines << QList<int>{1, 5} << u"vvv\nici"_s;
    QTest::newRow("moved within a line") << twoLines << QList<int>{0, 2} << u"vvc\niii"_s;
    QTest::newRow("removed") << twoLines << QList<int>{1, -1} << u"vvv\niii"_s;
    QTest::newRow("fifth of a run") << u"+++++"_s << QList<int>{4} << u"vvvvc"_s;
    QTest::newRow("space") << u"+ +"_s << QList<int>{1} << u"vcv"_s;
    QTest::newRow("end of a line") << twoLines << QList<int>{3} << u"vvv\niii"_s;
    QTest::newRow("end of the text") << twoLines << QList<int>{1, 7} << u"vvv\niii"_s;
    QTest::newRow("past the text") << twoLines << QList<int>{1, 100} << u"vvv\niii"_s;
}

void tst_ProgramHighlighter::currentPosition()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, positions);
    QFETCH(QString, letters);

    document->setPlainText(text);
    for (int position : positions)
        highlighter->setCurrentPosition(position);
    QCOMPARE(formatLetters(*document), letters);
}

void tst_ProgramHighlighter::editDropsMark()
{
    document->setPlainText(u"+++\n>>"_s);
    highlighter->setCurrentPosition(1);
    QTextCursor cursor(document.get());
    cursor.setPosition(3);
    cursor.insertText(u"+"_s);
    QCOMPARE(formatLetters(*document), u"vvvv\nmm"_s);
    highlighter->setCurrentPosition(6);
    QCOMPARE(formatLetters(*document), u"vvvv\nmc"_s);
}

void tst_ProgramHighlighter::documentReplaced()
{
    // The marked line disappears with the old text; moving the mark afterwards must not
    // touch it.
    document->setPlainText(u"+\n"_s.repeated(300) + u"+++"_s);
    highlighter->setCurrentPosition(601);
    document->setPlainText(u",\n."_s);
    highlighter->setCurrentPosition(2);
    QCOMPARE(formatLetters(*document), u"i\nc"_s);

    highlighter->setCurrentPosition(0);
    QTextCursor cursor(document.get());
    cursor.select(QTextCursor::Document);
    cursor.insertText(u"[\n\n]"_s);
    highlighter->setCurrentPosition(-1);
    QCOMPARE(formatLetters(*document), u"l\n\nl"_s);
}

// A run of a line held in pieces is counted in fives on across the break between two pieces,
// also after an edit in the piece before the break.
void tst_ProgramHighlighter::runAcrossPieces()
{
    QTextCursor cursor(document.get());
    insertProgramText(&cursor, u">"_s + QString(LinePieceLength + 6, u'+'));
    QCOMPARE(document->blockCount(), 2);
    const QString first = u"m"_s + u"vvvvV"_s.repeated(LinePieceLength / 5 - 1) + u"vvvv"_s;
    QCOMPARE(formatLetters(*document), first + u"\nVvvvvVv"_s);
    cursor.setPosition(1);
    cursor.insertText(u"+"_s);
    QCOMPARE(formatLetters(*document), first + u"V\nvvvvVvv"_s);
}

QTEST_MAIN(tst_ProgramHighlighter)
#include "tst_programhighlighter.moc"
