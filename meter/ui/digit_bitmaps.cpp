// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/ui/digit_bitmaps.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <stdexcept>

// The pictures are compiled into the static library; referencing the resource
// initialiser keeps the linker from dropping them. It must sit outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(brackwater);
}

namespace {
QPixmap Render(QSvgRenderer& renderer, qreal ratio) {
    const QSize size = renderer.defaultSize();
    if (ratio <= 0)
        ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // Rounded up: at a ratio such as 1.5 no edge of the picture is cut.
    QPixmap pixmap(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}
} // namespace

QPixmap LoadPicture(const QString& resource, qreal ratio) {
    InitResources();
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        throw std::runtime_error("Picture not found: " + // untranslated: a build fault
                                 resource.toStdString());
    return Render(renderer, ratio);
}

QPixmap LoadPicture(const QByteArray& source, qreal ratio) {
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        // untranslated: a build fault
        throw std::runtime_error("Picture not readable");
    return Render(renderer, ratio);
}

DigitBitmaps::DigitBitmaps(qreal ratio) {
    for (int i = 0; i < PanelDisplay::MainImageCount; ++i)
        MainDigitBitmaps[i] = LoadPicture(QStringLiteral(":/LCDM%1").arg(i), ratio);
    for (int i = 0; i < PanelDisplay::SubImageCount; ++i)
        SubDigitBitmaps[i] = LoadPicture(QStringLiteral(":/LCDS%1").arg(i), ratio);
}

const QPixmap& DigitBitmaps::Image(PanelElement element, int index) const {
    if (PanelDisplay::IsMainDigit(element))
        return MainDigitBitmaps.at(index);
    return SubDigitBitmaps.at(index);
}
