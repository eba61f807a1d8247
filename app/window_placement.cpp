// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_placement.h"

#include <algorithm>

namespace {
QSize Limited(const QRect& screen, int panelWidth, QSize size) {
    if (screen.width() - panelWidth < size.width())
        size.setWidth(screen.width() - panelWidth);
    if (screen.height() / 2 < size.height())
        size.setHeight(screen.height() / 2);
    return size;
}
} // namespace

QRect PlaceGraph(const QRect& screen, int panelWidth, const QSize& graphSize) {
    return {screen.topLeft() + QPoint(panelWidth, 0), Limited(screen, panelWidth, graphSize)};
}

QRect PlaceLog(const QRect& screen, int panelWidth, const QSize& logSize) {
    return {screen.topLeft() + QPoint(panelWidth, screen.height() / 2),
            Limited(screen, panelWidth, logSize)};
}

Arrangement ArrangeWorkingWindows(const QRect& screen, int panelWidth) {
    const QSize graph(screen.width() - panelWidth - 40, (screen.height() - 100) / 2);
    return {QRect(screen.topLeft() + QPoint(panelWidth, 0), graph),
            QRect(screen.topLeft() + QPoint(panelWidth, graph.height()), graph)};
}

QRect PlaceBesideLog(const QRect& screen, const QRect& log, const QRect& mainMenu,
                     const QSize& size) {
    const auto onScreen = [&](QPoint topLeft) {
        topLeft.setX(std::clamp(topLeft.x(), screen.left(),
                                std::max(screen.left(), screen.right() + 1 - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), screen.top(),
                                std::max(screen.top(), screen.bottom() + 1 - size.height())));
        return QRect(topLeft, size);
    };
    const QRect candidates[] = {
        onScreen({log.right() + 1, log.top()}),
        onScreen({log.left() - size.width(), log.top()}),
        onScreen({log.left(), log.bottom() + 1}),
        onScreen({log.left(), log.top() - size.height()}),
    };
    // What a place would hide of the main menu and of the log itself (a place
    // pushed back onto the screen can land on the log).
    const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    const auto covered = [&](const QRect& r) {
        return area(r.intersected(mainMenu)) + area(r.intersected(log));
    };
    QRect best = candidates[0];
    for (const QRect& c : candidates) {
        if (covered(c) == 0)
            return c;
        if (covered(c) < covered(best))
            best = c;
    }
    return best;
}

QPoint CentredOn(const QRect& screen, const QSize& windowSize) {
    return screen.topLeft() + QPoint((screen.width() - windowSize.width()) / 2,
                                     (screen.height() - windowSize.height()) / 2);
}
