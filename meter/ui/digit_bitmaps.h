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
    DigitBitmaps();

    std::array<QPixmap, PanelDisplay::MainImageCount> MainDigitBitmaps;
    std::array<QPixmap, PanelDisplay::SubImageCount> SubDigitBitmaps;

    // The picture a digit element shows for an image index of its table.
    const QPixmap& Image(PanelElement element, int index) const;
};

// Renders a compiled-in vector picture at its own size, sharp at the screen's
// pixel density. Throws std::runtime_error when the resource is missing.
QPixmap LoadPicture(const QString& resource);
