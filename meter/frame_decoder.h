// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the meter's 8-byte display frames into the CurrentReading and the panel's
// display state. Only the byte groups that changed since they were last decoded
// are decoded again, so an unchanged display costs nothing.

#include "base/current_reading.h"
#include "meter/panel_display.h"

#include <QLocale>
#include <array>
#include <cstdint>

using Frame = std::array<uint8_t, 8>;

class FrameDecoder {
public:
    FrameDecoder(CurrentReading& reading, PanelDisplay& display);

    void DecodeFrame(const Frame& frame);

    // The locale for the second display's text; the user's own by default.
    void SetLocale(const QLocale& locale);

    const Frame& LastFrame() const { return lastFrame_; }

private:
    void DecodeStatus(const Frame& frame);
    void DecodeFlags(const Frame& frame);
    void DecodeMainDigits(const Frame& frame);
    void DecodeSubDisplay(const Frame& frame);

    CurrentReading& reading_;
    PanelDisplay& display_;
    QLocale locale_;
    Frame lastFrame_{}; // previous frame, all 0x00 at start
    Frame lastBytes_;   // bytes 1..6 as last decoded, 0xFF at start
};

// Value of four digit codes: a blank (11) counts as 0 except in the units place.
int DigitsValue(const DigitCodes& d);
