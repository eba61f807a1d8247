// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_print_layout.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Left = 150, Top = 250, Right = 4500, Bottom = 5500;
constexpr int ColumnLines[] = {510, 980, 1450, 2000, 2300, 2930, 3230, 3650};
constexpr int HeaderOffsets[] = {0, 380, 850, 1350, 1770, 2130, 2700, 3030, 3500};
constexpr int RowOffsets[] = {0, 350, 800, 1400, 1850, 2300, 2750, 3100, 3500};
constexpr int TextLeft = 250;
} // namespace

int LogPrintLayout::Scale(int designPixels) const {
    return static_cast<int>(std::lround(double(designPixels) * dpi_ / DesignDpi));
}

QRect LogPrintLayout::Frame() const {
    // Corners at the design's corners: drawn, its outline runs through both.
    return QRect(Scale(Left), Scale(Top), Scale(Right) - Scale(Left), Scale(Bottom) - Scale(Top));
}

QList<QLine> LogPrintLayout::Rules() const {
    QList<QLine> lines;
    const int left = Scale(Left), right = Scale(Right);
    lines << QLine(left, Scale(460), right, Scale(460))
          << QLine(left, Scale(470), right, Scale(470));
    for (int y = 570; y <= 5370; y += 100)
        lines << QLine(left, Scale(y), right, Scale(y));
    for (const int x : ColumnLines)
        lines << QLine(Scale(x), Scale(Top), Scale(x), Scale(Bottom));
    return lines;
}

int LogPrintLayout::ColumnLeft(int column) const {
    if (column == 0)
        return Scale(Left) + FramePenWidth() / 2;
    return Scale(ColumnLines[column - 1]) + RulePenWidth() / 2;
}

int LogPrintLayout::ColumnRight(int column) const {
    if (column == ColumnCount - 1)
        return Scale(Right) - FramePenWidth() / 2;
    return Scale(ColumnLines[column]) - RulePenWidth() / 2;
}

int LogPrintLayout::FitX(int column, int x, int width) const {
    const int left = ColumnLeft(column), right = ColumnRight(column);
    // Seven-digit row numbers need nearly all of the first column.
    if (width > right - left - 2 * Inset())
        return left + (right - left - width) / 2;
    return std::clamp(x, left + Inset(), right - Inset() - width);
}

int LogPrintLayout::HeaderX(int column) const {
    return Scale(TextLeft + HeaderOffsets[column]);
}

int LogPrintLayout::RowX(int column) const {
    return Scale(TextLeft + RowOffsets[column]);
}
