#include "app/window_placement.h"

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

QPoint CentredOn(const QRect& screen, const QSize& windowSize) {
    return screen.topLeft() + QPoint((screen.width() - windowSize.width()) / 2,
                                     (screen.height() - windowSize.height()) / 2);
}
