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
    // What a place would hide of the main menu and of the log itself (a place
    // pushed back onto the screen can land on the log).
    const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    const auto covered = [&](const QRect& r) {
        return area(r.intersected(mainMenu)) + area(r.intersected(log));
    };
    const QRect besideLog[] = {
        onScreen({log.right() + 1, log.top()}),
        onScreen({log.left() - size.width(), log.top()}),
        onScreen({log.left(), log.bottom() + 1}),
        onScreen({log.left(), log.top() - size.height()}),
    };
    for (const QRect& c : besideLog)
        if (covered(c) == 0)
            return c;
    // No side of the log is clear (the main menu stands there, or the screen
    // ends): every place that touches an edge of the two windows or of the
    // screen, the free one nearest the log, else the one hiding the least.
    const int xs[] = {log.left(),
                      log.right() + 1,
                      log.left() - size.width(),
                      mainMenu.left(),
                      mainMenu.right() + 1,
                      mainMenu.left() - size.width(),
                      screen.left(),
                      screen.right() + 1 - size.width()};
    const int ys[] = {log.top(),
                      log.bottom() + 1,
                      log.top() - size.height(),
                      mainMenu.top(),
                      mainMenu.bottom() + 1,
                      mainMenu.top() - size.height(),
                      screen.top(),
                      screen.bottom() + 1 - size.height()};
    const auto distance = [&](const QRect& r) {
        return (r.center() - log.center()).manhattanLength();
    };
    QRect best = besideLog[0];
    for (const QRect& c : besideLog)
        if (covered(c) < covered(best))
            best = c;
    for (const int x : xs) {
        for (const int y : ys) {
            const QRect c = onScreen({x, y});
            if (covered(c) < covered(best) ||
                (covered(c) == covered(best) && covered(c) == 0 && distance(c) < distance(best)))
                best = c;
        }
    }
    return best;
}

QPoint CentredOn(const QRect& screen, const QSize& windowSize) {
    return screen.topLeft() + QPoint((screen.width() - windowSize.width()) / 2,
                                     (screen.height() - windowSize.height()) / 2);
}
