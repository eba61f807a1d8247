// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LCD digit pictures, rendered once from the compiled-in vector sources and
// shared by every digit element that shows them: "LCDM0".."LCDM11" for the main
// display (digits, dash, blank), "LCDS0".."LCDS12" for the second (digits, dash,
// blank, H).

#include "meter/panel_display.h"

#include <QPixmap>
#include <QString>
#include <array>

class DigitBitmaps {
public:
    // Throws when a picture is missing: the panel cannot be built without them.
    // Drawn for screens of the given pixel ratio (0: the application's highest).
    explicit DigitBitmaps(qreal ratio = 0);

    std::array<QPixmap, PanelDisplay::MainImageCount> MainDigitBitmaps;
    std::array<QPixmap, PanelDisplay::SubImageCount> SubDigitBitmaps;

    // The picture a digit element shows for an image index of its table.
    const QPixmap& Image(PanelElement element, int index) const;
};

// Renders a compiled-in vector picture at its own size, in as many pixels as a
// screen of the given pixel ratio shows there (0: the application's highest), so
// it is sharp at any scale. Throws std::runtime_error when the resource is missing.
QPixmap LoadPicture(const QString& resource, qreal ratio = 0);
// The same from a picture's source text (a picture with translated captions).
QPixmap LoadPicture(const QByteArray& source, qreal ratio = 0);
