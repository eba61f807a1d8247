// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/frame_decoder.h"

#include <algorithm>

namespace {
DigitCodes Nibbles(uint8_t high, uint8_t low) {
    return {high >> 4, high & 15, low >> 4, low & 15};
}

int Zero(int code) {
    return code == PanelDisplay::Blank ? 0 : code;
}

// Dashes (a meter without a reading) and codes without a picture (line noise) are no number.
bool IsNumber(const DigitCodes& d) {
    return std::all_of(d.begin(), d.end(),
                       [](int code) { return code <= 9 || code == PanelDisplay::Blank; });
}
} // namespace

int DigitsValue(const DigitCodes& d) {
    return Zero(d[0]) * 1000 + Zero(d[1]) * 100 + Zero(d[2]) * 10 + d[3];
}

FrameDecoder::FrameDecoder(CurrentReading& reading, PanelDisplay& display)
    : reading_(reading), display_(display) {
    lastBytes_.fill(0xFF);
    SetLocale(QLocale());
}

void FrameDecoder::SetLocale(const QLocale& locale) {
    locale_ = locale;
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

void FrameDecoder::DecodeFrame(const Frame& frame) {
    if (frame == lastFrame_)
        return;
    // Order matters: the digit decoders use the flags and unit of this same frame.
    const bool statusChanged = frame[1] != lastBytes_[1];
    if (statusChanged) {
        DecodeStatus(frame);
        lastBytes_[1] = frame[1];
    }
    // Sign, point and overload change the values without touching the digits
    // (-0.1 to +0.1 at a zero crossing): new flags decode both displays again.
    const bool flagsChanged = frame[2] != lastBytes_[2];
    if (flagsChanged) {
        DecodeFlags(frame);
        lastBytes_[2] = frame[2];
    }
    if (flagsChanged || frame[3] != lastBytes_[3] || frame[4] != lastBytes_[4]) {
        DecodeMainDigits(frame);
        lastBytes_[3] = frame[3];
        lastBytes_[4] = frame[4];
    }
    // The second display's unit follows the status byte (-40 reads the same in C and F).
    if (statusChanged || flagsChanged || frame[5] != lastBytes_[5] || frame[6] != lastBytes_[6]) {
        DecodeSubDisplay(frame);
        lastBytes_[5] = frame[5];
        lastBytes_[6] = frame[6];
    }
    lastFrame_ = frame;
}

void FrameDecoder::DecodeStatus(const Frame& frame) {
    CurrentReading& r = reading_;
    const uint8_t b = frame[1];
    r.ModeText.clear();
    r.MmaMode = b & 7;
    r.TypeJ = b & 0x08;
    r.Relative = b & 0x10;
    r.Hold = b & 0x20;
    r.LowBattery = b & 0x40;
    r.Celsius = b & 0x80;
    // untranslated: the mode, type and unit texts are the log file's fields
    switch (r.MmaMode) {
    case 1:
        r.ModeText += QStringLiteral(" MAX");
        break;
    case 2:
        r.ModeText += QStringLiteral(" MIN");
        break;
    case 4:
        r.ModeText += QStringLiteral(" AVG");
        break;
    default:
        break;
    }
    if (r.Hold)
        r.ModeText += QStringLiteral(" HOLD");
    if (r.Relative)
        r.ModeText += QStringLiteral(" REL");
    r.TypeText = r.TypeJ ? QStringLiteral("J") : QStringLiteral("K");
    r.UnitText = r.Celsius ? QStringLiteral("C") : QStringLiteral("F");
    if (r.LowBattery)
        r.ModeText += QStringLiteral(" LBT");
    display_.DrawStatus(r);
}

void FrameDecoder::DecodeFlags(const Frame& frame) {
    CurrentReading& r = reading_;
    const uint8_t f = frame[2];
    r.MainOverload = f & 0x01;
    r.MainNegative = f & 0x02;
    r.MainNoPoint = f & 0x04;
    r.SubOverload = f & 0x08;
    r.SubNegative = f & 0x10;
    r.TimerMinSec = f & 0x10;
    r.SubNoPoint = f & 0x20;
    r.ChannelView = f >> 6;
}

void FrameDecoder::DecodeMainDigits(const Frame& frame) {
    CurrentReading& r = reading_;
    const DigitCodes d = Nibbles(frame[3], frame[4]);
    r.MainValid = IsNumber(d);
    r.MainValue = DigitsValue(d);
    if (!r.MainNoPoint)
        r.MainValue *= 0.1;
    if (r.MainNegative)
        r.MainValue = -r.MainValue;
    display_.DrawMainDigits(r, d);
}

void FrameDecoder::DecodeSubDisplay(const Frame& frame) {
    CurrentReading& r = reading_;
    const DigitCodes s = Nibbles(frame[5], frame[6]);
    if (r.IsOneChannel()) {
        r.SubText = QString::number(s[0]) + QString::number(s[1]) + QLatin1Char(':') +
                    QString::number(s[2]) + QString::number(s[3]);
        r.SubUnitText = r.TimerMinSec ? QStringLiteral("MM:SS") : QStringLiteral("HH:MM");
    } else if (r.IsTwoChannel()) {
        r.SubUnitText = r.Celsius ? QStringLiteral("C") : QStringLiteral("F");
        r.SubValue = DigitsValue(s);
        if (!r.SubNoPoint)
            r.SubValue *= 0.1;
        if (r.SubNegative)
            r.SubValue = -r.SubValue;
        r.SubValid = IsNumber(s);
        r.SubText = locale_.toString(r.SubValue, 'f', 1);
    } else {
        return;
    }
    display_.DrawSubDisplay(r, s);
}
