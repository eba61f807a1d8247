// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main menu puts the panel, the live graph and the log. Pure
// arithmetic on outer window rectangles (frame included), so it can be checked
// without windows. Halves are truncated toward zero.

#include <QRect>

// First showing of the live graph: beside the panel at the top, kept within the
// screen's width and its upper half.
QRect PlaceGraph(const QRect& screen, int panelWidth, const QSize& graphSize);
// First showing of the log: beside the panel in the lower half, limited the same way.
QRect PlaceLog(const QRect& screen, int panelWidth, const QSize& logSize);

// The arrange action, once the panel stands in the top-left corner: the graph
// beside it, the log under the graph at the same size.
struct Arrangement {
    QRect Graph;
    QRect Log;
};
Arrangement ArrangeWorkingWindows(const QRect& screen, int panelWidth);

// First showing of the log graph: beside the log (right, left, below, above, the
// first that covers neither the main menu nor the log once kept on the screen),
// else the place nearest the log that covers neither, else where it covers them
// least. All rectangles are outer ones, frames included.
QRect PlaceBesideLog(const QRect& screen, const QRect& log, const QRect& mainMenu,
                     const QSize& size);

// Top-left corner that centres a window of the given size on the screen.
QPoint CentredOn(const QRect& screen, const QSize& windowSize);
