// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own colours against what lies behind them, as drawn: under a dark desktop
// palette every one keeps a contrast of 4.5:1, under a light one each is the colour written.

#include "window/palettecolours.h"
#include "window/programhighlighter.h"
#include "window/zindle.h"

#include "window/windowfixture.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

QPalette darkPalette(const QColor &window, const QColor &base, const QColor &text)
{
    QPalette palette(window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    QColor placeholder = text;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    return palette;
}

// The colour of a glyph or picture in `image` that stands out most from `background`.
QColor strongest(const QImage &image, const QColor &background)
{
    QColor found = background;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 0 && contrastRatio(pixel, background)
                                         > contrastRatio(found, background))
                found = pixel;
        }
    }
    return found;
}

} // namespace

class tst_DarkPalette : public WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void colours_data();
    void colours();

private:
    void checkProgram(bool dark);
    void checkGutter(bool dark);
    void checkTape(bool dark);
    void check(const QString &what, const QColor &colour, const QColor &background,
               const QColor &written, bool dark);

    QPalette original;
};

void tst_DarkPalette::initTestCase()
{
    original = QApplication::palette();
}

void tst_DarkPalette::cleanup()
{
    closeWindow();
    QApplication::setPalette(original);
}

void tst_DarkPalette::colours_data()
{
    QTest::addColumn<QPalette>("palette");

    QTest::newRow("light") << original;
    QTest::newRow("dark grey") << darkPalette(QColor(53, 53, 53), QColor(42, 42, 42),
                                              QColor(240, 240, 240));
    QTest::newRow("black") << darkPalette(QColor(30, 30, 30), QColor(0, 0, 0),
                                          QColor(200, 200, 200));
    QTest::newRow("dark blue") << darkPalette(QColor(25, 30, 50), QColor(15, 20, 40),
                                              QColor(180, 190, 210));
}

void tst_DarkPalette::colours()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    QVERIFY(openWindow());
    const bool dark = isDarkPalette(palette);
    QCOMPARE(dark, QTest::currentDataTag() != QByteArray("light"));

    checkProgram(dark);
    checkGutter(dark);
    checkTape(dark);
}

void tst_DarkPalette::check(const QString &what, const QColor &colour, const QColor &background,
                            const QColor &written, bool dark)
{
    if (dark) {
        const double contrast = contrastRatio(colour, background);
        QVERIFY2(contrast >= MinimumContrast,
                 qPrintable(u"%1: %2 on %3, contrast %4"_s.arg(what, colour.name(),
                                                              background.name())
                                .arg(contrast)));
    } else if (written.isValid()) {
        QCOMPARE(colour, written);
    }
}

void tst_DarkPalette::checkProgram(bool dark)
{
    auto *editor = window->findChild<QPlainTextEdit *>(u"editProgram"_s);
    const QColor base = editor->palette().color(QPalette::Base);
    editor->setPlainText(u"<+[,.@]"_s);
    const QList<QColor> written = {QColor(192, 0, 0), QColor(0, 128, 255), QColor(128, 0, 192),
                                   QColor(0, 128, 0), QColor(0, 128, 0), QColor(128, 0, 192),
                                   QColor(128, 0, 192)};
    const QTextBlock block = editor->document()->firstBlock();
    const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
    QVERIFY(!formats.isEmpty());
    for (const QTextLayout::FormatRange &range : formats) {
        check(u"command %1"_s.arg(block.text().at(range.start)),
              range.format.foreground().color(), base, written.at(range.start), dark);
    }

    // The mark of the command executed last, on its own background.
    auto *highlighter = editor->document()->findChild<ProgramHighlighter *>();
    QVERIFY(highlighter);
    highlighter->setCurrentPosition(1);
    bool marked = false;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (range.start != 1 || range.format.background().style() == Qt::NoBrush)
            continue;
        marked = true;
        const QColor background = range.format.background().color();
        QCOMPARE(background, QColor(255, 128, 0));
        check(u"execution mark"_s, range.format.foreground().color(), background,
              QColor(255, 255, 255), dark);
    }
    QVERIFY(marked);

    // The marks of a matching bracket and of one without a match, under the bracket.
    const QList<QColor> bracketColours = {QColor(0, 128, 255), QColor(Qt::red)};
    for (int i = 0; i < 2; ++i) {
        const auto style = i == 0 ? QTextCharFormat::SingleUnderline
                                  : QTextCharFormat::WaveUnderline;
        editor->setPlainText(i == 0 ? u"[+]"_s : u"[+"_s);
        editor->moveCursor(QTextCursor::Start);
        QTRY_VERIFY(!editor->extraSelections().isEmpty()
                    && editor->extraSelections().constLast().format.underlineStyle() == style);
        for (const QTextEdit::ExtraSelection &selection : editor->extraSelections()) {
            if (selection.format.underlineStyle() == QTextCharFormat::NoUnderline)
                continue;
            check(u"bracket mark"_s, selection.format.underlineColor(), base,
                  bracketColours.at(i), dark);
        }
    }
}

void tst_DarkPalette::checkGutter(bool dark)
{
    if (!dark)
        return; // the palette's own colours there
    auto *editor = window->findChild<QPlainTextEdit *>(u"editProgram"_s);
    editor->setPlainText(u"+\n+"_s);
    editor->moveCursor(QTextCursor::Start);
    const QColor background = editor->palette().color(QPalette::Window);
    const int margin = editor->viewport()->x();
    QVERIFY(margin > 0);
    // The number of the cursor's line and that of another line.
    for (int line = 0; line < 2; ++line) {
        const QTextBlock block = editor->document()->findBlockByNumber(line);
        const QRect row = editor->cursorRect(QTextCursor(block));
        const QImage image = editor->grab(QRect(editor->frameWidth(),
                                                editor->viewport()->y() + row.top(),
                                                margin - editor->frameWidth(), row.height()))
                                 .toImage();
        check(u"line number %1"_s.arg(line + 1), strongest(image, background), background,
              QColor(), dark);
    }
}

void tst_DarkPalette::checkTape(bool dark)
{
    auto *tape = window->findChild<QTableView *>(u"tableTape"_s);
    const QAbstractItemModel *model = tape->model();
    const QPalette palette = tape->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const auto background = [&](int column) {
        const QVariant shade = model->data(model->index(0, column), Qt::BackgroundRole);
        return shade.isValid() ? shade.value<QColor>() : base;
    };
    const QList<QColor> written = {base, base.darker(112), base, base.darker(118)};
    for (int column = 0; column < 4; ++column) {
        if (!dark)
            QCOMPARE(background(column), written.at(column));
        check(u"value in column %1"_s.arg(column), text, background(column), QColor(), dark);
    }
    QVERIFY(background(1) != base && background(3) != background(1));

    // The current-cell marker, on plain and on shaded columns.
    auto *editor = window->findChild<QPlainTextEdit *>(u"editProgram"_s);
    editor->setPlainText(u">>>"_s);
    QList<int> marked;
    for (int step = 0; step < 5; ++step) {
        for (int column = 0; column < 4; ++column) {
            const QVariant icon = model->data(model->index(0, column), Qt::DecorationRole);
            if (!icon.isValid() || marked.contains(column))
                continue;
            marked << column;
            const QImage picture = icon.value<QIcon>().pixmap(QSize(4, 8)).toImage();
            check(u"marker in column %1"_s.arg(column), strongest(picture, background(column)),
                  background(column), QColor(32, 48, 96), dark);
        }
        window->findChild<QAction *>(u"actionStep"_s)->trigger();
    }
    window->findChild<QAction *>(u"actionHalt"_s)->trigger();
    QCOMPARE(marked, (QList<int>{0, 1, 2, 3}));
}

QTEST_MAIN(tst_DarkPalette)
#include "tst_darkpalette.moc"
