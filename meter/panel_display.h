// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the panel's LCD shows, element by element, without any widget: the image
// index of each digit position and the visibility of each annunciator. The frame
// decoder hands each group's digit codes here; the panel window only renders it.

#include "base/current_reading.h"

#include <QObject>
#include <array>

enum class PanelElement {
    MainMinus,
    MainD1,
    MainD2,
    MainD3,
    MainD4,
    imgPoint,
    SubD1,
    SubD2,
    SubD3,
    SubD4,
    SubD5,
    SubD6,
    imgCOL,
    imgSubPoint,
    imgMIN,
    imgAVG,
    imgMAX,
    imgHOLD,
    imgT1,
    imgT2,
    imgT1_T2,
    imgREL,
    imglbt,
    imgK,
    imgJ,
    imgdT1,
    imgdT2,
    imguC,
    imguF,
    imgdC,
    imgdF,
    Count
};

using DigitCodes = std::array<int, 4>;

class PanelDisplay : public QObject {
    Q_OBJECT
public:
    static constexpr int ElementCount = static_cast<int>(PanelElement::Count);
    static constexpr int MainImageCount = 12; // 0-9, dash, blank
    static constexpr int SubImageCount = 13;  // 0-9, dash, blank, H
    static constexpr int Dash = 10;
    static constexpr int Blank = 11;
    static constexpr int LetterH = 12;

    explicit PanelDisplay(QObject* parent = nullptr);

    static bool IsMainDigit(PanelElement e);
    static bool IsSubDigit(PanelElement e);
    static bool IsDigit(PanelElement e) { return IsMainDigit(e) || IsSubDigit(e); }

    // Image index of a digit element (always within its image table).
    int Image(PanelElement e) const { return image_[Index(e)]; }
    bool Visible(PanelElement e) const { return visible_[Index(e)]; }
    int ShowChannelView() const { return showChannelView_; }

    void DrawStatus(const CurrentReading& r);
    void DrawMainDigits(const CurrentReading& r, const DigitCodes& d);
    void DrawSubDisplay(const CurrentReading& r, const DigitCodes& s);

signals:
    void Changed(PanelElement element);

private:
    static int Index(PanelElement e) { return static_cast<int>(e); }
    void SetImage(PanelElement e, int code);
    void SetVisible(PanelElement e, bool visible);

    std::array<int, ElementCount> image_{};
    std::array<bool, ElementCount> visible_{};
    static constexpr int NoChannelView = -1;
    int showChannelView_ = NoChannelView; // none lit, so the next two-channel frame lights them
};
