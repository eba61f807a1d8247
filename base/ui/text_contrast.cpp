// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/text_contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

double RelativeLuminance(const QColor& color) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& color, const QColor& background, double minimum) {
    if (ContrastRatio(color, background) >= minimum)
        return color;
    // Towards white or black, whichever stands further from the background.
    const bool lighten =
        ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
    const double back = RelativeLuminance(background);
    const QColor hsl = color.toHsl();
    // In the 8 bits a style sheet names, which must still read.
    const auto at = [&](double lightness) {
        return QColor(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).rgb());
    };
    // Luminance grows with lightness at a fixed hue and saturation: halve the span
    // between the colour's own lightness and the end that reads.
    const auto reads = [&](double lightness) {
        const QColor c = at(lightness);
        return (RelativeLuminance(c) > back) == lighten && ContrastRatio(c, background) >= minimum;
    };
    double from = hsl.lightnessF();
    double to = lighten ? 1.0 : 0.0;
    if (!reads(to))
        return at(to);
    for (int i = 0; i < 24; ++i) {
        const double middle = (from + to) / 2;
        (reads(middle) ? to : from) = middle;
    }
    return at(to);
}

QColor ReadableOnWindow(const QColor& color, const QPalette& palette) {
    return ReadableOn(color, palette.color(QPalette::Window));
}
