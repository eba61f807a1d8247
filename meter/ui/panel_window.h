// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panel: a picture of the meter whose display is built from small images
// that follow the meter's own display, and whose keys send the meter's key
// bytes. It renders PanelDisplay; the model set-up picks the key row, the
// sensor banner, the channel labels and the T key's hint.

#include "meter/panel_display.h"
#include "meter/ui/digit_bitmaps.h"
#include "recording/recording_session.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

class PanelKey;
class QAction;

class TfrmPanel : public QWidget {
    Q_OBJECT
public:
    using MessageFunction = std::function<void(const QString& text)>;

    // The digit images are loaded once by the main window and shared.
    TfrmPanel(RecordingSession& session, const DigitBitmaps& digits, QWidget* parent = nullptr);

    // The red "No Link" on the display: shown while the meter is not linked.
    void ShowNoLink(bool show);
    bool NoLinkShown() const;
    // Key row picture, sensor banner, T1/T2 captions and the T key's hint for a
    // model; any code but 301..303 sets up model 300.
    void SetupModel(int32_t modelCode);
    // How "No Link" reaches the user; a message box unless replaced (tests).
    void SetMessageFunction(MessageFunction show);

    void btnCloseClick();
    void btnRELClick();
    void btnHOLDClick();
    void btnMMAClick();
    void btnMMADblClick();
    void btnTTClick();
    void btnCFClick();

    QAction* mnuAlarms; // in the panel's menu (right click)

signals:
    // The Alarms dialog was asked for.
    void AlarmsRequested();

private:
    QLabel* AddPicture(const QString& name, const QString& resource, QPoint position);
    PanelKey* AddKey(const QString& name, const QRect& geometry, const QString& caption,
                     const QString& hint, void (TfrmPanel::*click)());
    void BuildDisplay();
    void Render(PanelElement element);
    // What the display shows, as words for screen readers: the picture's name.
    void DescribeDisplay();
    void SendCommand(uint8_t command);

    RecordingSession& session_;
    const DigitBitmaps& digits_;
    MessageFunction showMessage_;
    std::array<QLabel*, PanelDisplay::ElementCount> elements_{};

    QLabel* Image1;
    std::array<QLabel*, 4> imgSpec{}; // imgSpec300 .. imgSpec303
    QLabel* imgtk;
    QLabel* imgtkj;
    QLabel* lblt1;
    QLabel* lblt2;
    QLabel* lblnolink = nullptr; // made after the display, which describes itself from then on
    PanelKey* btnClose;
    PanelKey* btnREL;
    PanelKey* btnHOLD;
    PanelKey* btnMMA;
    PanelKey* btnTT;
    PanelKey* btnCF;
};
