// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a printed log page puts its ruling and texts. The positions are laid out
// in the pixels of a 600-dpi printer and scaled to the printer's own resolution,
// so the table measures the same on paper at any resolution: a frame of 7.25 by
// 8.75 inches, a header band, and 50 row bands of a sixth of an inch.

#include <QLine>
#include <QList>
#include <QRect>

class LogPrintLayout {
public:
    static constexpr int DesignDpi = 600;
    static constexpr int RowsPerPage = 50;
    static constexpr int ColumnCount = 9;

    explicit LogPrintLayout(int dpi) : dpi_(dpi) {}

    // A length in design pixels as device pixels.
    int Scale(int designPixels) const;

    QRect Frame() const;
    int FramePenWidth() const { return Scale(20); }
    int RulePenWidth() const { return Scale(5); }
    // Every line but the frame: the double line under the header, the row lines and
    // the column lines.
    QList<QLine> Rules() const;

    // Top-left corners of the texts: header texts, and row k (0 to 49) of a page.
    int HeaderX(int column) const;
    int HeaderY() const { return Scale(320); }
    int RowX(int column) const;
    int RowY(int k) const { return Scale(500 + 100 * k); }

    // A column's inner edges: its left and right rule (the frame for the outer
    // columns), each moved in by half the line's width.
    int ColumnLeft(int column) const;
    int ColumnRight(int column) const;
    // The room kept between a text and its column's rules.
    int Inset() const { return Scale(30); }
    // Where a text width wide, laid out at x, starts so that it stays inside its
    // column with the inset: never left of the inset, and moved left from x when
    // it would come within the inset of the right rule. A text too wide for both
    // insets is centred between the rules.
    int FitX(int column, int x, int width) const;

    // Pages for a number of rows; no rows print no page.
    static int PageCount(int rows) { return (rows + RowsPerPage - 1) / RowsPerPage; }

private:
    int dpi_;
};
