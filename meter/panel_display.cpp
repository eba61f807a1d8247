// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/panel_display.h"

namespace {
constexpr PanelElement MainDigits[] = {PanelElement::MainD1, PanelElement::MainD2,
                                       PanelElement::MainD3, PanelElement::MainD4};
}

PanelDisplay::PanelDisplay(QObject* parent) : QObject(parent) {
    // Before the first frame every digit shows 8 (all segments) and nothing else is lit.
    for (int i = 0; i < ElementCount; ++i) {
        const auto e = static_cast<PanelElement>(i);
        image_[i] = IsDigit(e) ? 8 : 0;
        visible_[i] = IsDigit(e);
    }
}

bool PanelDisplay::IsMainDigit(PanelElement e) {
    return e >= PanelElement::MainD1 && e <= PanelElement::MainD4;
}

bool PanelDisplay::IsSubDigit(PanelElement e) {
    return e >= PanelElement::SubD1 && e <= PanelElement::SubD6;
}

void PanelDisplay::SetImage(PanelElement e, int code) {
    // Codes the meter never sends have no picture: they draw blank.
    const int limit = IsMainDigit(e) ? MainImageCount : SubImageCount;
    if (code < 0 || code >= limit)
        code = Blank;
    if (image_[Index(e)] == code)
        return;
    image_[Index(e)] = code;
    emit Changed(e);
}

void PanelDisplay::SetVisible(PanelElement e, bool visible) {
    if (visible_[Index(e)] == visible)
        return;
    visible_[Index(e)] = visible;
    emit Changed(e);
}

void PanelDisplay::DrawStatus(const CurrentReading& r) {
    using E = PanelElement;
    switch (r.MmaMode) {
    case 0:
        SetVisible(E::imgMIN, false);
        SetVisible(E::imgAVG, false);
        SetVisible(E::imgMAX, false);
        break;
    case 1:
        SetVisible(E::imgMAX, true);
        SetVisible(E::imgMIN, false);
        SetVisible(E::imgAVG, false);
        break;
    case 2:
        SetVisible(E::imgMIN, true);
        SetVisible(E::imgAVG, false);
        SetVisible(E::imgMAX, false);
        break;
    case 4:
        SetVisible(E::imgAVG, true);
        SetVisible(E::imgMIN, false);
        SetVisible(E::imgMAX, false);
        break;
    case 7:
        SetVisible(E::imgMIN, true);
        SetVisible(E::imgAVG, true);
        SetVisible(E::imgMAX, true);
        break;
    default: // 3, 5, 6: the meter is between modes; keep what is lit
        break;
    }
    SetVisible(E::imgHOLD, r.Hold);
    SetVisible(E::imgREL, r.Relative);
    SetVisible(E::imgK, !r.TypeJ);
    SetVisible(E::imgJ, r.TypeJ);
    SetVisible(E::imguC, r.Celsius);
    SetVisible(E::imguF, !r.Celsius);
    SetVisible(E::imglbt, r.LowBattery);
}

void PanelDisplay::DrawMainDigits(const CurrentReading& r, const DigitCodes& d) {
    SetVisible(PanelElement::MainMinus, r.MainNegative);
    if (r.MainOverload) {
        SetVisible(PanelElement::imgPoint, false);
        for (auto e : MainDigits)
            SetImage(e, Dash);
        return;
    }
    for (int i = 0; i < 4; ++i)
        SetImage(MainDigits[i], d[i]);
    SetVisible(PanelElement::imgPoint, !r.MainNoPoint);
}

void PanelDisplay::DrawSubDisplay(const CurrentReading& r, const DigitCodes& s) {
    using E = PanelElement;
    if (r.IsOneChannel()) {
        SetVisible(E::imgCOL, true);
        SetImage(E::SubD1, s[0]);
        SetImage(E::SubD2, s[1]);
        SetImage(E::SubD3, s[2]);
        SetImage(E::SubD4, s[3]);
        SetImage(E::SubD5, Blank);
        SetImage(E::SubD6, r.TimerMinSec ? Blank : LetterH);
        for (auto e : {E::imgdC, E::imgdF, E::imgdT1, E::imgdT2, E::imgT1, E::imgT2, E::imgT1_T2,
                       E::imgSubPoint})
            SetVisible(e, false);
        // The channel annunciators are dark now: a two-channel meter that follows
        // must light them again, whatever its view.
        showChannelView_ = NoChannelView;
        return;
    }
    if (!r.IsTwoChannel())
        return;

    SetVisible(E::imgdC, r.Celsius);
    SetVisible(E::imgdF, !r.Celsius);
    SetVisible(E::imgCOL, false);
    SetImage(E::SubD1, Blank);

    if (r.ChannelView != showChannelView_) {
        const int v = r.ChannelView;
        SetVisible(E::imgT1_T2, v == 0 || v == 1);
        SetVisible(E::imgT1, v == 2);
        SetVisible(E::imgT2, v == 3);
        SetVisible(E::imgdT1, v == 0 || v == 3);
        SetVisible(E::imgdT2, v == 1 || v == 2);
        showChannelView_ = v;
    }

    if (r.SubOverload) {
        SetImage(E::SubD2, Blank);
        for (auto e : {E::SubD3, E::SubD4, E::SubD5, E::SubD6})
            SetImage(e, Dash);
        return;
    }
    SetImage(E::SubD2, r.SubNegative ? Dash : Blank);
    SetVisible(E::imgSubPoint, !r.SubNoPoint);
    SetImage(E::SubD3, s[0]);
    SetImage(E::SubD4, s[1]);
    SetImage(E::SubD5, s[2]);
    SetImage(E::SubD6, s[3]);
}
