// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts the program colours itself stay readable on light and dark desktops: the
// contrast between two colours as accessibility guidelines measure it (1 to 21;
// 4.5 or more for text), and the variant of a colour that reaches it on a background.

#include <QColor>

class QPalette;

// Relative luminance of an opaque colour, 0 (black) to 1 (white).
double RelativeLuminance(const QColor& color);
double ContrastRatio(const QColor& a, const QColor& b);

// The least minimum a text needs on its background.
inline constexpr double ReadableContrast = 4.5;

// The colour itself when it reads on background, else the nearest variant of its
// hue and saturation that does: lighter on a dark background, darker on a light one.
QColor ReadableOn(const QColor& color, const QColor& background, double minimum = ReadableContrast);
// The same on the palette's window colour, where labels and status lines stand.
QColor ReadableOnWindow(const QColor& color, const QPalette& palette);
