// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/programeditor.h"

#include "io/programfile.h"

#include <QHelpEvent>
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

QTEST_MAIN(tst_ProgramEditor)
#include "tst_programeditor.moc"
