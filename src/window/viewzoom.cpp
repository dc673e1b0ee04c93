// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/viewzoom.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// From half the normal size to three times it.
constexpr int MinimumLevel = -5;
constexpr int MaximumLevel = 20;

// What a view looked like before the first zoom, to scale from and to return to.
struct Normal
{
    QAbstractScrollArea *view = nullptr;
    QFont font;
    bool ownFont = false; // false: the view took its font from its parent
    int columnWidth = 0; // tables only
    int minimumHeight = 0;
};

QFont scaled(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    return font;
}

// The height at which a table shows its header, every row at its font and its scroll bar,
// so that a larger font never leaves part of a row under the scroll bar.
int wholeRowsHeight(const QTableView *table)
{
    int height = 2 * table->frameWidth();
    if (!table->horizontalHeader()->isHidden())
        height += table->horizontalHeader()->sizeHint().height();
    // QTableView hides the row hint that every item view offers. No row is ever shorter than
    // the header's smallest section, even where the header is hidden.
    const QAbstractItemView *view = table;
    const int shortest = table->verticalHeader()->minimumSectionSize();
    for (int row = 0; table->model() && row < table->model()->rowCount(); ++row)
        height += std::max(view->sizeHintForRow(row), shortest);
    if (table->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        height += table->horizontalScrollBar()->sizeHint().height();
    return height;
}

// Whether the editor shows the line that holds its cursor.
bool showsCursor(const QPlainTextEdit *edit)
{
    return edit->viewport()->rect().intersects(edit->cursorRect());
}

} // namespace

struct ViewZoom::Private
{
    void apply();

    QList<QAbstractScrollArea *> views;
    // Taken at the first zoom, once the window has given each view its font.
    QList<Normal> normals;
    int level = 0;
    int wheelDelta = 0; // eighths of a degree not yet turned into steps
};

ViewZoom::ViewZoom(QWidget *window, const QList<QAbstractScrollArea *> &views)
    : QObject(window)
    , d(std::make_unique<Private>())
{
    d->views = views;
    for (QAbstractScrollArea *view : views)
        view->viewport()->installEventFilter(this);

    const auto addShortcut = [this, window](const QList<QKeySequence> &keys,
                                            void (ViewZoom::*slot)()) {
        auto *shortcut = new QShortcut(window);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    // Ctrl+= is Ctrl++ without Shift on keyboards that put + above =.
    zoomInKeys << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    addShortcut(zoomInKeys, &ViewZoom::zoomIn);
    addShortcut(QKeySequence::keyBindings(QKeySequence::ZoomOut), &ViewZoom::zoomOut);
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, &ViewZoom::resetZoom);
}

ViewZoom::~ViewZoom() = default;

void ViewZoom::setLevel(int level)
{
    level = std::clamp(level, MinimumLevel, MaximumLevel);
    if (level == d->level)
        return;
    if (d->normals.isEmpty()) {
        for (QAbstractScrollArea *view : std::as_const(d->views)) {
            Normal normal{view, view->font(), view->testAttribute(Qt::WA_SetFont), 0,
                          view->minimumHeight()};
            if (auto *table = qobject_cast<QTableView *>(view))
                normal.columnWidth = table->horizontalHeader()->defaultSectionSize();
            d->normals.append(normal);
        }
    }
    d->level = level;
    d->apply();
}

void ViewZoom::zoomIn()
{
    setLevel(d->level + 1);
}

void ViewZoom::zoomOut()
{
    setLevel(d->level - 1);
}

void ViewZoom::resetZoom()
{
    setLevel(0);
}

void ViewZoom::Private::apply()
{
    const double factor = 1.0 + level / 10.0;
    for (const Normal &normal : std::as_const(normals)) {
        auto *edit = qobject_cast<QPlainTextEdit *>(normal.view);
        const bool keepCursor = edit && showsCursor(edit);
        QFont font = scaled(normal.font, factor);
        // Back at the normal size a view that inherited its font inherits it again.
        if (level == 0)
            font = normal.ownFont ? normal.font : QFont();
        normal.view->setFont(font);
        if (auto *table = qobject_cast<QTableView *>(normal.view)) {
            // In whole pixels, as the window measures the M for the normal width.
            const int advance = QFontMetrics(normal.view->font()).horizontalAdvance(u'M');
            const int normalAdvance = QFontMetrics(normal.font).horizontalAdvance(u'M');
            const int width = level == 0
                ? normal.columnWidth
                : int(std::lround(double(normal.columnWidth) * advance / normalAdvance));
            table->horizontalHeader()->setDefaultSectionSize(width);
            // The tape is a single row: it grows with its font rather than hide its values.
            if (table->verticalHeader()->stretchLastSection()) {
                table->setMinimumHeight(level == 0 ? normal.minimumHeight
                                                   : std::max(normal.minimumHeight,
                                                              wholeRowsHeight(table)));
            }
        }
        // A timer fires once the layouts, which the new fonts asked to be redone, have given
        // the editor its new size.
        if (keepCursor)
            QTimer::singleShot(0, edit, &QPlainTextEdit::ensureCursorVisible);
    }
}

bool ViewZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // A fine-grained wheel or touch pad sends many small turns; one step per notch.
    d->wheelDelta += wheel->angleDelta().y();
    const int steps = d->wheelDelta / QWheelEvent::DefaultDeltasPerStep;
    d->wheelDelta -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        setLevel(d->level + steps);
    wheel->accept();
    return true;
}
