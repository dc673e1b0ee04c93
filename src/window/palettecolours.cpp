// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/palettecolours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

QColor blended(const QColor &colour, const QColor &background)
{
    const double alpha = colour.alphaF();
    const auto mix = [alpha](double over, double under) {
        return over * alpha + under * (1 - alpha);
    };
    return QColor::fromRgbF(float(mix(colour.redF(), background.redF())),
                            float(mix(colour.greenF(), background.greenF())),
                            float(mix(colour.blueF(), background.blueF())));
}

} // namespace

bool isDarkPalette(const QPalette &palette)
{
    return relativeLuminance(palette.color(QPalette::Base))
        < relativeLuminance(palette.color(QPalette::Text));
}

double contrastRatio(const QColor &colour, const QColor &background)
{
    const double front = relativeLuminance(blended(colour, background));
    const double back = relativeLuminance(background);
    return (std::max(front, back) + 0.05) / (std::min(front, back) + 0.05);
}

QColor readableOn(const QColor &colour, const QColor &background)
{
    QColor shown = blended(colour, background);
    // A background of middle luminance is as far from black as from white at 0.179.
    const bool lighten = relativeLuminance(background) < 0.179;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    shown.getHslF(&hue, &saturation, &lightness);
    while (contrastRatio(shown, background) < MinimumContrast
           && (lighten ? lightness < 1 : lightness > 0)) {
        lightness = std::clamp(lightness + (lighten ? 0.01F : -0.01F), 0.0F, 1.0F);
        shown = QColor::fromHslF(hue, saturation, lightness);
    }
    return shown;
}
