// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/programeditor.h"

#include "interpreter/bracketmatcher.h"
#include "io/programfile.h"
#include "window/palettecolours.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// The margin that shows the line numbers; the editor paints it, since only the editor knows
// where its lines are.
class Gutter : public QWidget
{
public:
    Gutter(QWidget *parent, std::function<void(QPaintEvent *)> paint)
        : QWidget(parent)
        , paintGutter(std::move(paint))
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override { paintGutter(event); }

private:
    std::function<void(QPaintEvent *)> paintGutter;
};

// Past this length a line wraps at any character: wrapping at word boundaries searches a
// line without spaces again and again, and a long enough line of brackets froze the window.
constexpr int LongestWordWrappedLine = 10000;

bool isBracket(QChar character)
{
    return character == u'[' || character == u']';
}

} // namespace

struct ProgramEditor::Private
{
    explicit Private(ProgramEditor *editor)
        : q(editor)
        , gutter(new Gutter(editor, [this](QPaintEvent *event) { paintGutter(event); }))
    {
        // Lines above and below rather than a background: a background would hide the mark of
        // the command executed last when it stands on one of the two brackets.
        matchFormat.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        matchFormat.setUnderlineColor(shown(QColor(0, 128, 255), QPalette::Base));
        matchFormat.setFontOverline(true);
        errorFormat.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        errorFormat.setUnderlineColor(shown(QColor(Qt::red), QPalette::Base));
        selectionsDue.setSingleShot(true);
        selectionsDue.setInterval(0);
    }

    // The written colour on a light palette; on a dark one, made readable on that background.
    QColor shown(const QColor &colour, QPalette::ColorRole background) const;
    void paintGutter(QPaintEvent *event);
    void placeGutter();
    void textChanged(int removed, int added);
    // The line, counted from 0, that holds `position` in `block`.
    int lineAt(const QTextBlock &block, int position) const;
    // Whether a piece of a long line starts after block `first` up to block `last`.
    bool piecesBetween(int first, int last) const;
    void findPieces();
    // Backspace or Delete beside the break between two pieces: it takes the character beyond
    // the break with it, as the user sees nothing else there. False when not beside one.
    bool deleteAcrossPieces(QKeyEvent *event);
    int cursorLine() const;
    // The bracket beside the cursor: the one after it, else the one before it; -1 for none.
    int bracketAtCursor() const;
    // The document position of the character drawn at this viewport point, -1 for none.
    int characterAt(QPoint point) const;
    void updateSelections();

    // Wraps long lines anywhere when the text holds one (see LongestWordWrappedLine).
    void wrapFor(int longestLine);

    ProgramEditor *const q;
    Gutter *const gutter;
    BracketMatcher matcher;
    QTextCharFormat matchFormat;
    QTextCharFormat errorFormat;
    // Selections follow the layout, which the document updates only after telling of a change;
    // building them once the change is through also spares the work for every key of a paste.
    QTimer selectionsDue;
    int currentLine = -1;
    // The line separators in the text, in order: carriage returns read from a file and breaks
    // typed with Shift+Return. Each starts a line of its own on screen, so it gets a number.
    std::vector<int> lineBreaks;
    // The numbers of the blocks that continue the line before them, in order. These get no
    // number of their own.
    std::vector<int> pieces;
};

ProgramEditor::ProgramEditor(QWidget *parent)
    : QPlainTextEdit(parent)
    , d(std::make_unique<Private>(this))
{
    // Programs read left to right. Left to decide, the layout looks for the direction of each
    // line in all the text after it, which a long line of commands never ends.
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    document()->setDefaultTextOption(option);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) { d->textChanged(removed, added); });
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { d->placeGutter(); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy != 0)
            d->gutter->scroll(0, dy);
        else
            d->gutter->update(0, rect.y(), d->gutter->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        const int line = d->cursorLine();
        if (line != d->currentLine) {
            d->currentLine = line;
            d->gutter->update();
        }
        d->selectionsDue.start();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, &d->selectionsDue,
            qOverload<>(&QTimer::start));
    connect(&d->selectionsDue, &QTimer::timeout, this, [this] { d->updateSelections(); });
    d->placeGutter();
}

ProgramEditor::~ProgramEditor() = default;

int ProgramEditor::gutterWidth() const
{
    int digits = 1;
    const int lines = blockCount() - int(d->pieces.size()) + int(d->lineBreaks.size());
    for (int left = std::max(1, lines); left >= 10; left /= 10)
        ++digits;
    const QFontMetrics metrics(font());
    // Room for two digits at least, so the margin does not jump at the tenth line.
    return metrics.horizontalAdvance(u'9') * (std::max(digits, 2) + 1);
}

void ProgramEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    d->placeGutter();
    d->selectionsDue.start();
}

void ProgramEditor::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        d->placeGutter();
        d->selectionsDue.start();
    }
}

bool ProgramEditor::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QPlainTextEdit::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int position = d->characterAt(help->pos());
    if (position >= 0 && d->matcher.isUnmatched(position)) {
        const bool opening = document()->characterAt(position) == u'[';
        QToolTip::showText(help->globalPos(), opening ? tr("No matching ]") : tr("No matching ["),
                           viewport());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void ProgramEditor::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly() || !mayHoldPieces(document())) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (d->deleteAcrossPieces(event)) {
        event->accept();
        return;
    }
    // Return copies the block's format to the new block, which would make a piece of it (also
    // in the first block, which keeps the mark when an edit removes the line before a piece).
    if (event->matches(QKeySequence::InsertParagraphSeparator)) {
        QTextCursor cursor = textCursor();
        insertLineBreak(&cursor);
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData *ProgramEditor::createMimeDataFromSelection() const
{
    // The text of a line held in pieces is taken as the one line it is. Rich text would hold
    // each piece as a paragraph, so such a selection is given as plain text only.
    const QTextCursor cursor = textCursor();
    const int first = document()->findBlock(cursor.selectionStart()).blockNumber();
    const int last = document()->findBlock(cursor.selectionEnd()).blockNumber();
    if (!d->piecesBetween(first, last))
        return QPlainTextEdit::createMimeDataFromSelection();
    auto *copied = new QMimeData;
    copied->setText(selectedProgramText(cursor));
    return copied;
}

void ProgramEditor::insertFromMimeData(const QMimeData *source)
{
    const QString text = source ? source->text() : QString();
    if (isReadOnly() || text.isNull()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // A long line goes in as pieces, and no line pasted into a piece becomes one.
    QTextCursor cursor = textCursor();
    insertProgramText(&cursor, text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ProgramEditor::Private::placeGutter()
{
    const int width = q->gutterWidth();
    q->setViewportMargins(width, 0, 0, 0);
    const QRect contents = q->contentsRect();
    gutter->setGeometry(contents.left(), contents.top(), width, contents.height());
    gutter->update();
}

QColor ProgramEditor::Private::shown(const QColor &colour, QPalette::ColorRole background) const
{
    const QPalette &palette = q->palette();
    return isDarkPalette(palette) ? readableOn(colour, palette.color(background)) : colour;
}

void ProgramEditor::Private::paintGutter(QPaintEvent *event)
{
    QPainter painter(gutter);
    const QPalette &palette = q->palette();
    painter.fillRect(event->rect(), palette.color(QPalette::Window));
    QFont plain = q->font();
    QFont bold = plain;
    bold.setBold(true);
    const int right = gutter->width() - QFontMetrics(plain).horizontalAdvance(u'9') / 2;
    const int current = cursorLine();

    QTextBlock block = q->firstVisibleBlock();
    qreal top = q->blockBoundingGeometry(block).translated(q->contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = q->blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            const QTextLayout *layout = block.layout();
            const QString text = block.text();
            for (int i = 0; i < std::max(1, layout->lineCount()); ++i) {
                const QTextLine line = layout->lineAt(i);
                const int start = line.isValid() ? line.textStart() : 0;
                // The number stands beside a line's first row, however far the line wraps.
                if (start > 0 ? text.at(start - 1) != QChar::LineSeparator : continuesLine(block))
                    continue;
                const int number = lineAt(block, block.position() + start);
                painter.setFont(number == current ? bold : plain);
                painter.setPen(shown(palette.color(number == current ? QPalette::Text
                                                                     : QPalette::PlaceholderText),
                                     QPalette::Window));
                const qreal y = line.isValid() ? line.y() : 0;
                const int rowHeight = int(line.isValid() ? line.height() : height);
                painter.drawText(QRect(0, int(top + y), right, rowHeight),
                                 Qt::AlignRight | Qt::AlignVCenter, QString::number(number + 1));
            }
        }
        top += height;
        block = block.next();
    }
}

void ProgramEditor::Private::textChanged(int removed, int added)
{
    // Formats alone (the highlighter's) change no bracket.
    if (removed == 0 && added == 0)
        return;
    const QString text = q->document()->toRawText();
    matcher.setText(text);
    const size_t breaks = lineBreaks.size();
    lineBreaks.clear();
    qsizetype lineStart = 0;
    qsizetype longestLine = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        if (character == QChar::LineSeparator)
            lineBreaks.push_back(int(i));
        if (character == QChar::LineSeparator || character == QChar::ParagraphSeparator) {
            longestLine = std::max(longestLine, i - lineStart);
            lineStart = i + 1;
        }
    }
    wrapFor(int(std::max(longestLine, text.size() - lineStart)));
    const size_t pieceCount = pieces.size();
    findPieces();
    if (lineBreaks.size() != breaks || pieces.size() != pieceCount)
        placeGutter();
    selectionsDue.start();
}

void ProgramEditor::Private::wrapFor(int longestLine)
{
    const QTextOption::WrapMode mode = longestLine > LongestWordWrappedLine
            ? QTextOption::WrapAnywhere
            : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (q->wordWrapMode() != mode)
        q->setWordWrapMode(mode);
}

void ProgramEditor::Private::findPieces()
{
    pieces.clear();
    const QTextDocument *document = q->document();
    // Most programs have no long line; these are spared a walk over all their blocks per key.
    if (!mayHoldPieces(document))
        return;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (continuesLine(block))
            pieces.push_back(block.blockNumber());
    }
}

int ProgramEditor::Private::lineAt(const QTextBlock &block, int position) const
{
    const auto before = std::lower_bound(lineBreaks.begin(), lineBreaks.end(), position);
    const auto pieced = std::upper_bound(pieces.begin(), pieces.end(), block.blockNumber());
    return block.blockNumber() - int(pieced - pieces.begin()) + int(before - lineBreaks.begin());
}

bool ProgramEditor::Private::piecesBetween(int first, int last) const
{
    const auto next = std::upper_bound(pieces.begin(), pieces.end(), first);
    return next != pieces.end() && *next <= last;
}

bool ProgramEditor::Private::deleteAcrossPieces(QKeyEvent *event)
{
    QTextCursor cursor = q->textCursor();
    if (cursor.hasSelection())
        return false;
    const QTextBlock block = cursor.block();
    QTextCursor::MoveOperation towards;
    QTextBlock beyond;
    if (event->key() == Qt::Key_Backspace && (event->modifiers() & ~Qt::ShiftModifier) == 0
        && cursor.atBlockStart() && continuesLine(block)) {
        towards = QTextCursor::PreviousCharacter;
        beyond = block.previous();
    } else if (event->matches(QKeySequence::Delete) && cursor.atBlockEnd()
               && continuesLine(block.next())) {
        towards = QTextCursor::NextCharacter;
        beyond = block.next();
    } else {
        return false;
    }
    // The break, and the character beyond it unless that piece is empty.
    cursor.movePosition(towards, QTextCursor::KeepAnchor, beyond.length() > 1 ? 2 : 1);
    cursor.removeSelectedText();
    q->setTextCursor(cursor);
    q->ensureCursorVisible();
    return true;
}

int ProgramEditor::Private::cursorLine() const
{
    const QTextCursor cursor = q->textCursor();
    return lineAt(cursor.block(), cursor.position());
}

int ProgramEditor::Private::bracketAtCursor() const
{
    const int position = q->textCursor().position();
    const QTextDocument *document = q->document();
    if (isBracket(document->characterAt(position)))
        return position;
    if (position > 0 && isBracket(document->characterAt(position - 1)))
        return position - 1;
    return -1;
}

int ProgramEditor::Private::characterAt(QPoint point) const
{
    const QTextCursor cursor = q->cursorForPosition(point);
    int position = cursor.position();
    // The nearest cursor position lies after the character when the point is in its right half.
    if (point.x() < q->cursorRect(cursor).left())
        --position;
    return position;
}

void ProgramEditor::Private::updateSelections()
{
    QList<QTextEdit::ExtraSelection> selections;
    const auto select = [&](int position, int length, const QTextCharFormat &format) {
        QTextCursor cursor(q->document());
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        selections.append({cursor, format});
    };
    // Only what can be seen is marked, and brackets side by side share one mark: a program
    // may hold thousands of unmatched brackets, and the editor draws every line once more for
    // each selection on it.
    if (matcher.unmatchedCount() > 0) {
        const QRect area = q->viewport()->rect();
        const int from = q->cursorForPosition(area.topLeft()).position();
        const int to = q->cursorForPosition(area.bottomRight()).position() + 1;
        const QList<int> unmatched = matcher.unmatched(from, to);
        for (qsizetype i = 0; i < unmatched.size();) {
            qsizetype last = i;
            while (last + 1 < unmatched.size() && unmatched[last + 1] == unmatched[last] + 1)
                ++last;
            select(unmatched[i], int(unmatched[last] - unmatched[i]) + 1, errorFormat);
            i = last + 1;
        }
    }
    const int bracket = bracketAtCursor();
    const int partner = bracket < 0 ? -1 : matcher.partner(bracket);
    if (partner >= 0) {
        select(bracket, 1, matchFormat);
        select(partner, 1, matchFormat);
    }
    q->setExtraSelections(selections);
}
