// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/programeditor.h"

#include "interpreter/machine.h"
#include "interpreter/programtext.h"
#include "io/programfile.h"
#include "window/programhighlighter.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// One letter per character for what the editor marks on it: '.' nothing, 'm' a bracket shown
// with its partner, 'e' a bracket without one.
QString marks(const ProgramEditor &editor)
{
    QString letters(editor.document()->characterCount() - 1, u'.');
    for (const QTextEdit::ExtraSelection &selection : editor.extraSelections()) {
        const bool error = selection.format.underlineStyle() == QTextCharFormat::WaveUnderline;
        for (int i = selection.cursor.selectionStart(); i < selection.cursor.selectionEnd(); ++i)
            letters[i] = error ? u'e' : u'm';
    }
    return letters;
}

// The line numbers as they are drawn.
QImage gutterImage(ProgramEditor &editor)
{
    const QRect contents = editor.contentsRect();
    return editor.grab(QRect(contents.topLeft(), QSize(editor.gutterWidth(), contents.height())))
        .toImage();
}

} // namespace

class tst_ProgramEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void brackets_data();
    void brackets();
    void afterEdits();
    void longProgram();
    void bracketsInOneLongLine_data();
    void bracketsInOneLongLine();
    void toolTips_data();
    void toolTips();
    void gutter_data();
    void gutter();
    void longLineEditing_data();
    void longLineEditing();
    void firstPieceDeleted();
    void longLineCopied();
    void longLineGutter();
    void longLineRun_data();
    void longLineRun();

private:
    void place(int position);
    std::unique_ptr<ProgramEditor> editor;
};

void tst_ProgramEditor::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
    editor = std::make_unique<ProgramEditor>();
    editor->resize(400, 300);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
}

void tst_ProgramEditor::cleanup()
{
    editor.reset();
}

void tst_ProgramEditor::place(int position)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(position);
    editor->setTextCursor(cursor);
}

void tst_ProgramEditor::brackets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("marked");

    QTest::newRow("before an open") << u"[+]"_s << 0 << u"m.m"_s;
    QTest::newRow("after a close") << u"[+]"_s << 3 << u"m.m"_s;
    QTest::newRow("between two, the one after") << u"[+][-]"_s << 3 << u"...m.m"_s;
    QTest::newRow("across lines") << u"[\n+\n]"_s << 4 << u"m...m"_s;
    QTest::newRow("nested") << u"[[+]]"_s << 1 << u".m.m."_s;
    QTest::newRow("no bracket beside") << u"[++]"_s << 2 << u"...."_s;
    QTest::newRow("unmatched open") << u"[[+]"_s << 4 << u"em.m"_s;
    QTest::newRow("unmatched close across lines") << u"+]\n[\n]"_s << 0 << u".e...."_s;
    QTest::newRow("cursor on an unmatched one") << u"]"_s << 0 << u"e"_s;
}

void tst_ProgramEditor::brackets()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, marked);

    editor->setPlainText(text);
    place(cursor);
    QTRY_COMPARE(marks(*editor), marked);
}

void tst_ProgramEditor::afterEdits()
{
    editor->setFocus();
    editor->setPlainText(u"[+]\n[-]"_s);
    place(3);
    QTRY_COMPARE(marks(*editor), u"m.m...."_s);
    QTest::keyClick(editor.get(), Qt::Key_Backspace);
    QTRY_COMPARE(marks(*editor), u"e....."_s);
    QTest::keyClick(editor.get(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor.get(), u"]"_s);
    QTRY_COMPARE(marks(*editor), u"m.....m"_s);
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(marks(*editor), u"m.m...."_s);
}

void tst_ProgramEditor::longProgram()
{
    // 100,000 commands in lines of 80: one loop around 49,999 nested ones, one close too many.
    QString program = QString(50000, u'[') + QString(50000, u']') + u']';
    for (qsizetype i = 80; i < program.size(); i += 81)
        program.insert(i, u'\n');
    editor->setPlainText(program);
    place(0);
    // The far partner is found although it lies out of view.
    const qsizetype last = program.lastIndexOf(u']');
    const qsizetype partner = program.lastIndexOf(u']', last - 1);
    QTRY_COMPARE(marks(*editor).count(u'm'), 2);
    QCOMPARE(marks(*editor).at(partner), u'm');
    // The unmatched close is marked once it comes into view.
    QCOMPARE(marks(*editor).count(u'e'), 0);
    editor->moveCursor(QTextCursor::End);
    QTRY_COMPARE(marks(*editor).at(last), u'e');
    QCOMPARE(marks(*editor).count(u'e'), 1);
}

void tst_ProgramEditor::bracketsInOneLongLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("selections"); // that mark brackets without a partner

    QTest::newRow("all unmatched closes") << QString(20000, u']') << 1;
    QTest::newRow("unmatched opens and a comment") << u"a b "_s + QString(20000, u'[') << 1;
    QTest::newRow("ordinary line") << u"[a comment] [-]"_s.repeated(100) << 0;
}

// What made a long line of brackets freeze the window: a selection for every unmatched bracket
// in view, each drawing the line once more, and wrapping at word boundaries in a line without
// any. Brackets side by side share one mark, and only a very long line wraps anywhere.
void tst_ProgramEditor::bracketsInOneLongLine()
{
    QFETCH(QString, program);
    QFETCH(int, selections);

    editor->setPlainText(program);
    editor->moveCursor(QTextCursor::End);
    editor->moveCursor(QTextCursor::Left);
    QTRY_VERIFY(selections == 0 || marks(*editor).count(u'e') > 100);
    const QList<QTextEdit::ExtraSelection> all = editor->extraSelections();
    QCOMPARE(std::count_if(all.begin(), all.end(), [](const QTextEdit::ExtraSelection &mark) {
                 return mark.format.underlineStyle() == QTextCharFormat::WaveUnderline;
             }), selections);
    QCOMPARE(editor->wordWrapMode(), program.size() > 10000
                 ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor->setPlainText(u"[a comment]"_s);
    QCOMPARE(editor->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void tst_ProgramEditor::toolTips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("unmatched open") << u"+[+"_s << 1 << u"No matching ]"_s;
    QTest::newRow("unmatched close") << u"+\n+]"_s << 3 << u"No matching ["_s;
    QTest::newRow("matched") << u"[+]"_s << 2 << QString();
    QTest::newRow("other command") << u"[+"_s << 1 << QString();
}

void tst_ProgramEditor::toolTips()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, toolTip);

    editor->setPlainText(text);
    QTextCursor cursor(editor->document());
    cursor.setPosition(position);
    const QRect before = editor->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QPoint middle((before.left() + editor->cursorRect(cursor).left()) / 2,
                        before.center().y());
    QHelpEvent help(QEvent::ToolTip, middle, editor->viewport()->mapToGlobal(middle));
    QCoreApplication::sendEvent(editor->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), toolTip);
}

void tst_ProgramEditor::gutter_data()
{
    QTest::addColumn<QString>("lineBreak");

    QTest::newRow("line feeds") << u"\n"_s;
    // Kept from a file, and shown as line breaks within one paragraph.
    QTest::newRow("lone carriage returns") << u"\r"_s;
}

void tst_ProgramEditor::gutter()
{
    QFETCH(QString, lineBreak);

    // The numbers sit left of the text, as wide as the widest number in the editor's font.
    setEditorFileText(editor.get(), (u"+"_s + lineBreak).repeated(8));
    const int narrow = editor->gutterWidth();
    QCOMPARE(editor->viewport()->x(), editor->contentsRect().left() + narrow);
    // One number beside each line the user sees, the cursor's in bold, as for line feeds.
    ProgramEditor lineFeeds;
    lineFeeds.resize(editor->size());
    lineFeeds.setPlainText(u"+\n"_s.repeated(8));
    lineFeeds.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lineFeeds));
    place(5);
    QTextCursor cursor = lineFeeds.textCursor();
    cursor.setPosition(5);
    lineFeeds.setTextCursor(cursor);
    QCOMPARE(gutterImage(*editor), gutterImage(lineFeeds));

    setEditorFileText(editor.get(), (u"+"_s + lineBreak).repeated(1200));
    QVERIFY(editor->gutterWidth() > narrow);
    QFont larger = editor->font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    const int wide = editor->gutterWidth();
    editor->setFont(larger);
    QVERIFY(editor->gutterWidth() > wide);
    QCOMPARE(editor->viewport()->x(), editor->contentsRect().left() + editor->gutterWidth());
}

void tst_ProgramEditor::longLineEditing_data()
{
    QTest::addColumn<int>("position"); // in the document, whose second block is a piece
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("edited"); // the text that Save writes after it

    const int piece = LinePieceLength;
    const QString as(piece, u'a');
    const QString bs(10, u'b');
    QTest::newRow("Return in a piece") << piece + 6 << int(Qt::Key_Return) << QString()
                                       << as + u"bbbbb\nbbbbb\n+"_s;
    QTest::newRow("Return at a piece's start") << piece + 1 << int(Qt::Key_Return) << QString()
                                               << as + u"\n"_s + bs + u"\n+"_s;
    QTest::newRow("Backspace at a piece's start")
            << piece + 1 << int(Qt::Key_Backspace) << QString() << as.chopped(1) + bs + u"\n+"_s;
    QTest::newRow("Delete at a piece's end") << piece << int(Qt::Key_Delete) << QString()
                                             << as + bs.chopped(1) + u"\n+"_s;
    const QString pasted = u"<\n"_s + QString(3 * piece, u'>') + u"\r\n."_s;
    QTest::newRow("paste of a long line into a piece") << piece + 6 << 0 << pasted
            << as + u"bbbbb<\n"_s + QString(3 * piece, u'>') + u"\n.bbbbb\n+"_s;
}

// Typing and pasting into a line held in pieces edit the one line it is: Return and a pasted
// line end start a line of their own, Backspace and Delete take a character beyond the break,
// a pasted long line is held in pieces too, and each is one step to undo.
void tst_ProgramEditor::longLineEditing()
{
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(QString, pasted);
    QFETCH(QString, edited);

    const QString text = QString(LinePieceLength, u'a') + QString(10, u'b') + u"\n+"_s;
    setEditorFileText(editor.get(), text);
    QCOMPARE(editor->blockCount(), 3);
    editor->setFocus();
    place(position);
    if (key != 0) {
        QTest::keyClick(editor.get(), Qt::Key(key));
    } else {
        QGuiApplication::clipboard()->setText(pasted);
        editor->paste();
    }
    QCOMPARE(editorFileText(editor.get()), edited);
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.length() - 1 <= 2 * LinePieceLength);
    editor->undo();
    QCOMPARE(editorFileText(editor.get()), text);
    editor->redo();
    QCOMPARE(editorFileText(editor.get()), edited);
}

// Deleting the first piece of a line with the line before it leaves its mark on the first
// block, which starts a line all the same: Return there makes a line of its own.
void tst_ProgramEditor::firstPieceDeleted()
{
    setEditorFileText(editor.get(), QString(LinePieceLength, u'a') + u"bbbbbbbbbb\n+"_s);
    editor->setFocus();
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(LinePieceLength + 1, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    QCOMPARE(editorFileText(editor.get()), u"bbbbbbbbbb\n+"_s);
    place(5);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QCOMPARE(editorFileText(editor.get()), u"bbbbb\nbbbbb\n+"_s);
}

// Copying, and dragging, which takes the same data, give the text without the breaks between
// the pieces, as Save writes it.
void tst_ProgramEditor::longLineCopied()
{
    QString text;
    for (int i = 0; text.size() < 2 * LinePieceLength; ++i)
        text += QString::number(i) + u' ';
    text += u"\n\u00a0+"_s;
    setEditorFileText(editor.get(), text);
    QVERIFY(editor->blockCount() > 2);
    editor->selectAll();
    editor->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(text).replace(u'\u00a0', u' '));
    // Within one piece, the copy is the editor's own, rich text with it.
    place(10);
    editor->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
    editor->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), text.mid(10, 1));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
}

// A line held in pieces has one number, beside its first row; the numbers after it count on
// from there, and the cursor's line is bold also when the cursor is in a later piece.
void tst_ProgramEditor::longLineGutter()
{
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    setEditorFileText(editor.get(), QString(LinePieceLength + 1, u'+') + u"\n-"_s);
    QCOMPARE(editor->blockCount(), 3);
    place(LinePieceLength + 1);
    ProgramEditor lines;
    lines.setLineWrapMode(QPlainTextEdit::NoWrap);
    lines.resize(editor->size());
    lines.setPlainText(u"+\n-"_s);
    lines.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lines));
    QCOMPARE(editor->gutterWidth(), lines.gutterWidth());

    // The margin beside a block's row; the viewport and the margin share their top.
    const auto rows = [](ProgramEditor &shown, int number) {
        const QRect row =
            shown.cursorRect(QTextCursor(shown.document()->findBlockByNumber(number)));
        return gutterImage(shown).copy(0, row.top(), shown.gutterWidth(), row.height());
    };
    QCOMPARE(rows(*editor, 0), rows(lines, 0));
    QCOMPARE(rows(*editor, 2), rows(lines, 1));
    const QImage blank = rows(*editor, 1);
    QVERIFY(!blank.isNull());
    const QRgb background = blank.pixel(0, 0);
    for (int y = 0; y < blank.height(); ++y) {
        for (int x = 0; x < blank.width(); ++x)
            QCOMPARE(blank.pixel(x, y), background);
    }
}

void tst_ProgramEditor::longLineRun_data()
{
    QTest::addColumn<QString>("program");

    const QString many(3 * LinePieceLength, u'+');
    QTest::newRow("a loop across pieces") << u"++[>"_s + many + u"<-]>@"_s + many + u"]"_s;
    QTest::newRow("pieces and short lines")
            << u"+\n[\n"_s + many + u"[-]]"_s + many + u"\n]"_s;
}

// A program whose long line is held in pieces runs as it is written: the same number of steps,
// ending on the same command, which the highlighter marks where it stands.
void tst_ProgramEditor::longLineRun()
{
    QFETCH(QString, program);

    setEditorFileText(editor.get(), program);
    ProgramHighlighter colours(editor->document());
    const QString shown = editor->toPlainText();
    QVERIFY(shown.size() > program.size());
    Machine written(10);
    Machine pieced(10);
    written.setProgram(machineProgram(program));
    pieced.setProgram(machineProgram(shown));
    written.start();
    pieced.start();
    int steps = 0;
    bool stopped = false;
    while (!stopped) {
        stopped = written.step();
        QCOMPARE(pieced.step(), stopped);
        QCOMPARE(pieced.currentCommand(), written.currentCommand());
        ++steps;
    }
    QCOMPARE(pieced.stopReason(), written.stopReason());
    const int position = pieced.programCounter();
    QCOMPARE(shown.at(position), u']');
    QCOMPARE(countCommands(shown.left(position)),
             countCommands(program.left(written.programCounter())));

    colours.setCurrentPosition(position);
    const QTextBlock block = editor->document()->findBlock(position);
    const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
    const auto marked = std::find_if(formats.begin(), formats.end(), [](const auto &range) {
        return range.format.background().color() == QColor(255, 128, 0);
    });
    QVERIFY(marked != formats.end());
    QCOMPARE(block.position() + marked->start, position);
}

QTEST_MAIN(tst_ProgramEditor)
#include "tst_programeditor.moc"
