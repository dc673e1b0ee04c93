// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program editor's bracket marks cost on a program of 100,000 commands: pairing all
// brackets once, a key typed into the middle of the program, and a move of the cursor, each
// against the same editor without the marks (a plain editor with the same highlighter). Then
// bracket-heavy programs of one line: the time to open them, a key typed into them, and the
// memory they take.

#include "interpreter/bracketmatcher.h"
#include "io/programfile.h"
#include "window/programeditor.h"
#include "window/programhighlighter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// Nested loops that add and move, 100,000 commands in lines of `width`; `unmatched` leaves
// every loop open.
QString program(int width, bool unmatched)
{
    QString text;
    while (text.size() < 100000)
        text += unmatched ? u"[+>-<"_s : u"[+>-<]"_s;
    text.truncate(100000);
    if (width > 0) {
        for (qsizetype i = width; i < text.size(); i += width + 1)
            text.insert(i, u'\n');
    }
    return text;
}

double microsPerCall(int calls, const std::function<void()> &call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call();
    return double(timer.nsecsElapsed()) / 1000.0 / calls;
}

// Opens the program as Open does and puts the cursor into its middle.
void prepare(QPlainTextEdit &editor, const QString &text)
{
    setEditorFileText(&editor, text);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(cursor);
    QCoreApplication::processEvents();
}

// Milliseconds per key typed in the middle of the program, each followed by the events it
// leaves (the marks, the repaint). The two editors take turns, so that whatever else the
// machine does weighs on both alike.
std::pair<double, double> millisPerKey(QPlainTextEdit &first, QPlainTextEdit &second,
                                       const QString &text, Qt::Key key, int keys)
{
    prepare(first, text);
    prepare(second, text);
    qint64 nanos[2] = {0, 0};
    QElapsedTimer timer;
    for (int i = 0; i < keys; ++i) {
        int which = 0;
        for (QPlainTextEdit *editor : {&first, &second}) {
            timer.start();
            QTest::keyClick(editor, key);
            QCoreApplication::processEvents();
            nanos[which++] += timer.nsecsElapsed();
        }
    }
    return {nanos[0] / 1e6 / keys, nanos[1] / 1e6 / keys};
}

// The most memory the process has held so far, in MB.
long peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6)) / 1024;
    }
    return -1;
}

// Opens the program in a shown editor with its highlighter, as Open does, until it is painted;
// then types keys into its middle.
void openAndType(const char *what, const QString &text, int keys)
{
    ProgramEditor editor;
    ProgramHighlighter colours(editor.document());
    editor.resize(700, 500);
    editor.show();
    if (!QTest::qWaitForWindowExposed(&editor))
        std::fprintf(stderr, "the editor was not exposed\n");
    const ProgramFile file{text, text.toUtf8()};
    QElapsedTimer timer;
    timer.start();
    setEditorFile(&editor, file);
    QCoreApplication::processEvents();
    editor.repaint();
    const double open = timer.nsecsElapsed() / 1e6;
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(cursor);
    QCoreApplication::processEvents();
    timer.start();
    for (int i = 0; i < keys; ++i) {
        QTest::keyClick(&editor, Qt::Key_BracketLeft);
        QCoreApplication::processEvents();
        editor.repaint();
    }
    std::printf("  %s: open %.0f ms, a key %.0f ms, peak memory %ld MB\n", what, open,
                timer.nsecsElapsed() / 1e6 / std::max(keys, 1), peakMegabytes());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    std::printf("Pairing the brackets of 100,000 commands:\n");
    for (int width : {0, 80}) {
        const QString text = program(width, false);
        BracketMatcher matcher;
        QTextDocument document(text);
        const double pairing = microsPerCall(200, [&] { matcher.setText(text); });
        const double copying = microsPerCall(200, [&] { (void)document.toPlainText(); });
        std::printf("  %s: %.0f us, plus %.0f us to take the text from the editor\n",
                    width ? "lines of 80" : "one line   ", pairing, copying);
    }

    std::printf("A key typed into the middle of 100,000 commands (typing, marks and repaint):\n");
    const struct
    {
        const char *what;
        int width;
        bool unmatched;
        Qt::Key key;
    } cases[] = {
        {"lines of 80, a bracket ", 80, false, Qt::Key_BracketLeft},
        {"lines of 80, a command ", 80, false, Qt::Key_Plus},
        {"lines of 80, cursor key", 80, false, Qt::Key_Right},
        {"all 16,667 loops open  ", 80, true, Qt::Key_BracketRight},
        {"one line, a bracket    ", 0, false, Qt::Key_BracketLeft},
    };
    for (const auto &c : cases) {
        const QString text = program(c.width, c.unmatched);
        ProgramEditor editor;
        QPlainTextEdit plain;
        ProgramHighlighter editorColours(editor.document());
        ProgramHighlighter plainColours(plain.document());
        for (QPlainTextEdit *e : {static_cast<QPlainTextEdit *>(&editor), &plain}) {
            e->resize(700, 500);
            e->show();
            if (!QTest::qWaitForWindowExposed(e))
                std::fprintf(stderr, "the editor was not exposed\n");
        }
        const auto [marked, bare] = millisPerKey(editor, plain, text, c.key, c.width ? 40 : 4);
        std::printf("  %s: %.2f ms with the marks, %.2f ms without (%d marked)\n", c.what,
                    marked, bare, int(editor.extraSelections().size()));
    }

    std::printf("Bracket-heavy programs of one line (open, a key typed into the middle):\n");
    openAndType("1,000,000 ']'      ", QString(1000000, u']'), 10);
    openAndType("1,000,000 '['      ", QString(1000000, u'['), 10);
    openAndType("500,000-deep nest  ", QString(500000, u'[') + QString(500000, u']'), 10);
    openAndType("10,000,000 '['     ", QString(10000000, u'['), 0);
    return 0;
}
