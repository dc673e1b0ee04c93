// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tapemodel.h"

#include "interpreter/machine.h"
#include "io/alphabet.h"
#include "window/palettecolours.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The shade of an odd column. Darker shades vanish into a dark palette's base, so there the
// base takes on a little of the text colour instead.
QColor shade(const QPalette &palette, int column)
{
    const QColor base = palette.color(QPalette::Base);
    const int factor = (column & 2) ? 118 : 112;
    if (!isDarkPalette(palette))
        return base.darker(factor);
    const QColor text = palette.color(QPalette::Text);
    const double share = (factor - 100) / 200.0;
    const auto mix = [share](double under, double over) {
        return float(under + (over - under) * share);
    };
    return QColor::fromRgbF(mix(base.redF(), text.redF()), mix(base.greenF(), text.greenF()),
                            mix(base.blueF(), text.blueF()));
}

// The marker as drawn; on a dark palette the same shape in the text colour, as its dark blue
// would vanish there.
QIcon markerIcon(const QPalette &palette)
{
    const QIcon picture(u":/check.png"_s);
    if (!isDarkPalette(palette))
        return picture;
    const QColor colour = readableOn(palette.color(QPalette::Text), shade(palette, 3));
    QIcon recoloured;
    for (const QSize &size : picture.availableSizes()) {
        QPixmap pixmap = picture.pixmap(size);
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), colour);
        painter.end();
        recoloured.addPixmap(pixmap);
    }
    return recoloured;
}

} // namespace

struct TapeModel::Private
{
    Machine *machine = nullptr;
    // Asked for on every refresh of the current cell; loading the picture each time is wasteful.
    std::optional<QIcon> marker;
    qint64 markerPalette = 0; // the cache key of the palette the marker was drawn for
    std::optional<QFont> currentFont;
    bool alphabet = false;
};

TapeModel::TapeModel(Machine *machine, QObject *parent)
    : QAbstractItemModel(parent)
    , d(std::make_unique<Private>())
{
    d->machine = machine;
    resetModel();
}

TapeModel::~TapeModel() = default;

QModelIndex TapeModel::index(int row, int column, const QModelIndex &) const
{
    return createIndex(row, column);
}

QModelIndex TapeModel::parent(const QModelIndex &) const
{
    return {};
}

// A cell has no children: counting rows under it too would make the flat table an endless tree.
int TapeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

int TapeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : d->machine->tapeLength();
}

QVariant TapeModel::data(const QModelIndex &index, int role) const
{
    if (index.row() != 0)
        return {};
    const int column = index.column();
    if (column < 0 || column >= d->machine->tapeLength())
        return {};
    // Odd columns shaded in two tones, so positions can be counted by eye in fours.
    if (role == Qt::BackgroundRole && (column & 1))
        return shade(QPalette(), column);
    if (role == Qt::DisplayRole)
        return QString::number(d->machine->cell(column));
    if (role == Qt::ToolTipRole) {
        // Numbered as the header numbers the columns.
        const int value = d->machine->cell(column);
        if (d->alphabet && value >= 1 && value <= LetterCount) {
            return tr("Cell %1: %2, the letter %3")
                .arg(column + 1)
                .arg(value)
                .arg(valueLetter(value));
        }
        return tr("Cell %1: %2").arg(column + 1).arg(value);
    }
    if (column != d->machine->currentCell())
        return {};
    if (role == Qt::DecorationRole) {
        const QPalette palette;
        if (!d->marker || d->markerPalette != palette.cacheKey()) {
            d->marker = markerIcon(palette);
            d->markerPalette = palette.cacheKey();
        }
        return *d->marker;
    }
    if (role == Qt::FontRole) {
        if (!d->currentFont) {
            d->currentFont = QFont();
            d->currentFont->setWeight(QFont::Bold);
        }
        return *d->currentFont;
    }
    return {};
}

QModelIndex TapeModel::currentIndex() const
{
    int column = d->machine->currentCell();
    if (column > d->machine->tapeLength() - 1)
        column = d->machine->tapeLength() - 1;
    if (column < 0)
        column = 0;
    return index(0, column);
}

void TapeModel::setAlphabet(bool alphabet)
{
    d->alphabet = alphabet;
}

void TapeModel::resetModel()
{
    beginResetModel();
    endResetModel();
}
