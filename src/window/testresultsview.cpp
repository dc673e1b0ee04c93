// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testresultsview.h"

#include "window/testresultsmodel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Draws the marked wrong value of a cell in bold and in the colour of a failure. When the cell
// is too narrow, the values before the mark give way, never the mark.
class MarkDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QVariant mark = index.data(TestResultsModel::WrongValueRole);
        if (!mark.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QPoint at = mark.toPoint();
        const QString before = text.left(at.x());
        const QString marked = text.mid(at.x(), at.y());
        const QString after = text.mid(at.x() + at.y());
        QFont bold = item.font;
        bold.setBold(true);
        const QFontMetrics plain(item.font);
        const QFontMetrics strong(bold);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(2, 0, -2, 0);
        const bool selected = item.state & QStyle::State_Selected;
        const QColor textColour = item.palette.color(
            selected ? QPalette::HighlightedText : QPalette::Text);
        const int room = area.width() - strong.horizontalAdvance(marked);
        const QString shownAfter = plain.elidedText(after, Qt::ElideRight,
                                                    std::max(0, room / 3));
        const QString shownBefore = plain.elidedText(
            before, Qt::ElideLeft, std::max(0, room - plain.horizontalAdvance(shownAfter)));

        painter->save();
        painter->setClipRect(area);
        int x = area.left();
        const auto draw = [&](const QString &part, const QFont &font, const QColor &colour) {
            painter->setFont(font);
            painter->setPen(colour);
            const QRect rect(x, area.top(), area.right() - x + 1, area.height());
            painter->drawText(rect, int(Qt::AlignLeft | Qt::AlignVCenter), part);
            x += QFontMetrics(font).horizontalAdvance(part);
        };
        draw(shownBefore, item.font, textColour);
        draw(marked, bold, selected ? textColour : QColor(0xb0, 0x00, 0x00));
        draw(shownAfter, item.font, textColour);
        painter->restore();
    }
};

} // namespace

struct TestResultsView::Private
{
    TestResultsModel *model = nullptr;
    QTableView *table = nullptr;
    QPushButton *debugButton = nullptr;
    bool debugEnabled = true;
};

TestResultsView::TestResultsView(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>())
{
    setObjectName(u"widgetTestResults"_s);
    d->model = new TestResultsModel(this);
    d->table = new QTableView(this);
    d->table->setObjectName(u"tableTestResults"_s);
    d->table->setAccessibleName(tr("Test results"));
    d->table->setModel(d->model);
    d->table->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->table->setWordWrap(false);
    d->table->verticalHeader()->hide();
    QHeaderView *header = d->table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(TestResultsModel::Number, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(TestResultsModel::Steps, QHeaderView::ResizeToContents);
    d->table->setItemDelegateForColumn(TestResultsModel::Written, new MarkDelegate(d->table));
    d->table->installEventFilter(this);

    d->debugButton = new QPushButton(tr("&Debug this case"), this);
    d->debugButton->setObjectName(u"buttonDebugCase"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(d->debugButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->table);
    layout->addLayout(buttons);

    connect(d->debugButton, &QPushButton::clicked, this, &TestResultsView::requestDebug);
    connect(d->table, &QTableView::doubleClicked, this, &TestResultsView::requestDebug);
    const auto enable = [this] { setDebugEnabled(d->debugEnabled); };
    connect(d->model, &QAbstractItemModel::modelReset, this, enable);
    connect(d->table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, enable);
    setDebugEnabled(true);
}

TestResultsView::~TestResultsView() = default;

TestResultsModel *TestResultsView::model() const
{
    return d->model;
}

QTableView *TestResultsView::table() const
{
    return d->table;
}

int TestResultsView::currentCase() const
{
    return d->table->currentIndex().isValid() ? d->table->currentIndex().row() : -1;
}

void TestResultsView::copySelection() const
{
    QList<int> rows;
    for (const QModelIndex &index : d->table->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && currentCase() >= 0)
        rows.append(currentCase());
    std::sort(rows.begin(), rows.end());
    if (!rows.isEmpty())
        QApplication::clipboard()->setText(d->model->tabSeparated(rows));
}

void TestResultsView::setDebugEnabled(bool enabled)
{
    d->debugEnabled = enabled;
    const bool hasCase = currentCase() >= 0
                         && d->model->caseAt(currentCase()).verdict != CaseResult::NotRun;
    d->debugButton->setEnabled(enabled && hasCase);
}

bool TestResultsView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelection();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            requestDebug();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TestResultsView::requestDebug()
{
    if (d->debugButton->isEnabled())
        emit debugCaseRequested(currentCase());
}
