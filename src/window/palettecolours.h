// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PALETTECOLOURS_H
#define PALETTECOLOURS_H

#include <QColor>

class QPalette;

// The program's own colours were chosen for dark text on a light base. On a dark desktop
// palette these helpers lighten each of them just enough to stay readable; on a light one the
// colours stay as written.

// The least contrast ratio between a text or a mark and what lies behind it.
constexpr double MinimumContrast = 4.5;

// Whether the palette puts light text on a dark base, as dark desktop themes do.
bool isDarkPalette(const QPalette &palette);

// The contrast ratio of what `colour` draws over `background`, from 1 to 21, as accessibility
// guidelines define it from relative luminance. A translucent colour counts as blended.
double contrastRatio(const QColor &colour, const QColor &background);

// `colour` as drawn over `background` (opaque) where it has the least contrast there; otherwise
// the colour of the same hue made lighter over a dark background (darker over a light one)
// until it has.
QColor readableOn(const QColor &colour, const QColor &background);

#endif // PALETTECOLOURS_H
