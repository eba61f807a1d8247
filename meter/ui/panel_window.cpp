// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/ui/panel_window.h"

#include "base/handler_guard.h"
#include "base/ui/message_box.h"
#include "base/ui/text_contrast.h"
#include "meter/meter_protocol.h"
#include "meter/ui/panel_key.h"

#include <QAction>
#include <QCoreApplication>

namespace {
struct Place {
    PanelElement Element;
    const char* Name;
    int Left, Top, Width, Height; // digits only; the other pictures have their own size
    const char* Picture;          // nullptr for the digits, drawn from the digit tables
};

using E = PanelElement;
// Listed in PanelElement's order.
constexpr Place Places[] = {
    {E::MainMinus, "MainMinus", 40, 110, 0, 0, ":/lcd/main_minus.svg"},
    {E::MainD1, "MainD1", 47, 99, 14, 24, nullptr},
    {E::MainD2, "MainD2", 62, 99, 14, 24, nullptr},
    {E::MainD3, "MainD3", 77, 99, 14, 24, nullptr},
    {E::MainD4, "MainD4", 98, 99, 14, 24, nullptr},
    {E::imgPoint, "imgPoint", 91, 118, 0, 0, ":/lcd/main_point.svg"},
    {E::SubD1, "SubD1", 44, 125, 8, 15, nullptr},
    {E::SubD2, "SubD2", 54, 125, 8, 14, nullptr},
    {E::SubD3, "SubD3", 66, 125, 8, 14, nullptr},
    {E::SubD4, "SubD4", 76, 125, 8, 14, nullptr},
    {E::SubD5, "SubD5", 86, 125, 8, 14, nullptr},
    {E::SubD6, "SubD6", 97, 125, 8, 14, nullptr},
    {E::imgCOL, "imgCOL", 63, 125, 0, 0, ":/lcd/colon.svg"},
    {E::imgSubPoint, "imgSubPoint", 94, 136, 0, 0, ":/lcd/sub_point.svg"},
    {E::imgMIN, "imgMIN", 35, 75, 0, 0, ":/lcd/min.svg"},
    {E::imgAVG, "imgAVG", 56, 75, 0, 0, ":/lcd/avg.svg"},
    {E::imgMAX, "imgMAX", 80, 75, 0, 0, ":/lcd/max.svg"},
    {E::imgHOLD, "imgHOLD", 103, 75, 0, 0, ":/lcd/hold.svg"},
    {E::imgT1, "imgT1", 39, 85, 0, 0, ":/lcd/t1.svg"},
    {E::imgT2, "imgT2", 55, 85, 0, 0, ":/lcd/t2.svg"},
    {E::imgT1_T2, "imgT1_T2", 72, 85, 0, 0, ":/lcd/t1_t2.svg"},
    {E::imgREL, "imgREL", 101, 86, 0, 0, ":/lcd/rel.svg"},
    {E::imglbt, "imglbt", 26, 87, 0, 0, ":/lcd/low_battery.svg"},
    {E::imgK, "imgK", 26, 99, 0, 0, ":/lcd/type_k.svg"},
    {E::imgJ, "imgJ", 25, 112, 0, 0, ":/lcd/type_j.svg"},
    {E::imgdT1, "imgdT1", 25, 122, 0, 0, ":/lcd/sub_t1.svg"},
    {E::imgdT2, "imgdT2", 25, 131, 0, 0, ":/lcd/sub_t2.svg"},
    {E::imguC, "imguC", 117, 99, 0, 0, ":/lcd/main_c.svg"},
    {E::imguF, "imguF", 116, 110, 0, 0, ":/lcd/main_f.svg"},
    {E::imgdC, "imgdC", 112, 122, 0, 0, ":/lcd/sub_c.svg"},
    {E::imgdF, "imgdF", 112, 130, 0, 0, ":/lcd/sub_f.svg"},
};
static_assert(std::size(Places) == PanelDisplay::ElementCount);
} // namespace

TfrmPanel::TfrmPanel(RecordingSession& session, const DigitBitmaps& digits, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      session_(session), digits_(digits),
      showMessage_([this](const QString& text) { ShowMessage(this, MessageKind::Warning, text); }) {
    setObjectName(QStringLiteral("frmPanel"));
    setWindowTitle(tr("PANEL"));
    setFixedSize(155, 422);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    // Created bottom to top: the body, the model pictures, the display, the keys.
    Image1 = AddPicture(QStringLiteral("Image1"), QStringLiteral(":/panel/meter_front.svg"),
                        QPoint(6, -1));
    for (int i = 0; i < 4; ++i) {
        const QString model = QString::number(300 + i);
        imgSpec[i] =
            AddPicture(QStringLiteral("imgSpec") + model,
                       QStringLiteral(":/panel/key_row_%1.svg").arg(model), QPoint(14, 264));
    }
    imgtk =
        AddPicture(QStringLiteral("imgtk"), QStringLiteral(":/panel/banner_k.svg"), QPoint(24, 48));
    imgtkj = AddPicture(QStringLiteral("imgtkj"), QStringLiteral(":/panel/banner_kj.svg"),
                        QPoint(24, 48));

    QFont captionFont = font();
    captionFont.setPixelSize(10);
    captionFont.setBold(true);
    lblt1 = new QLabel(QStringLiteral("T1"), this);
    lblt2 = new QLabel(QStringLiteral("T2"), this);
    for (QLabel* label : {lblt1, lblt2}) {
        label->setFont(captionFont);
        label->setStyleSheet(QStringLiteral("color: #f3f5f7;"));
        label->adjustSize();
    }
    lblt1->setObjectName(QStringLiteral("lblt1"));
    lblt2->setObjectName(QStringLiteral("lblt2"));
    lblt1->move(30, 18);
    lblt2->move(114, 18);

    BuildDisplay();

    lblnolink = new QLabel(tr("No Link"), this);
    lblnolink->setObjectName(QStringLiteral("lblnolink"));
    QFont noLinkFont = font();
    noLinkFont.setPixelSize(10);
    noLinkFont.setBold(true);
    lblnolink->setFont(noLinkFont);
    // On the glass's own colour, so it stays legible over lit annunciators.
    const QColor glass(0xcb, 0xd2, 0xbb);
    lblnolink->setStyleSheet(
        QStringLiteral("color: %1; background: %2; padding: 0px 2px;")
            .arg(ReadableOn(QColor(0xe0, 0x1b, 0x12), glass).name(), glass.name()));
    lblnolink->adjustSize();
    lblnolink->move(48, 72);
    lblnolink->hide();

    // Created in reading order, which is the order Tab takes. The keys are named by
    // the captions printed on them (the power symbol closes the panel).
    btnClose = AddKey(QStringLiteral("btnClose"), QRect(28, 176, 42, 28), tr("Close"),
                      tr("Close PANEL"), &TfrmPanel::btnCloseClick);
    //: Caption printed on the meter's key
    btnREL = AddKey(QStringLiteral("btnREL"), QRect(86, 176, 44, 28), tr("REL"), tr("REL button"),
                    &TfrmPanel::btnRELClick);
    //: Caption printed on the meter's key
    btnHOLD = AddKey(QStringLiteral("btnHOLD"), QRect(28, 227, 42, 28), tr("HOLD"),
                     tr("HOLD button"), &TfrmPanel::btnHOLDClick);
    //: Caption printed on the meter's key
    btnMMA = AddKey(QStringLiteral("btnMMA"), QRect(87, 226, 42, 28), tr("AVG MAX/MIN"),
                    tr("single click to change AVG/MAX/MIN mode, double click to cancel ."),
                    &TfrmPanel::btnMMAClick);
    connect(btnMMA, &PanelKey::DblClick, this, &TfrmPanel::btnMMADblClick);
    // Named and hinted by the model set-up.
    btnTT = AddKey(QStringLiteral("btnTT"), QRect(28, 273, 48, 31), QString(), QString(),
                   &TfrmPanel::btnTTClick);
    //: Caption printed on the meter's key
    btnCF = AddKey(QStringLiteral("btnCF"), QRect(84, 270, 51, 34), tr("°C/°F"),
                   tr("Change degree"), &TfrmPanel::btnCFClick);

    // The panel is a picture of the meter: its menu is the right button's.
    mnuAlarms = new QAction(tr("Alarms..."), this);
    addAction(mnuAlarms);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuAlarms, &QAction::triggered, this, &TfrmPanel::AlarmsRequested);

    SetupModel(session.Reading().ModelCode);
    connect(&session.Meter().Display, &PanelDisplay::Changed, this, &TfrmPanel::Render);
    connect(&session, &RecordingSession::LinkShown, this,
            [this](bool linked) { ShowNoLink(!linked); });
    connect(&session, &RecordingSession::ModelIdentified, this, &TfrmPanel::SetupModel);
    DescribeDisplay();
}

QLabel* TfrmPanel::AddPicture(const QString& name, const QString& resource, QPoint position) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    const QPixmap picture = LoadPicture(resource);
    label->setPixmap(picture);
    label->setGeometry(QRect(position, picture.deviceIndependentSize().toSize()));
    return label;
}

PanelKey* TfrmPanel::AddKey(const QString& name, const QRect& geometry, const QString& caption,
                            const QString& hint, void (TfrmPanel::*click)()) {
    auto* key = new PanelKey(name, geometry, this);
    key->setAccessibleName(caption);
    key->setToolTip(hint);
    connect(key, &PanelKey::Click, this, click);
    return key;
}

void TfrmPanel::BuildDisplay() {
    for (const Place& p : Places) {
        QLabel* label;
        if (p.Picture) {
            label = AddPicture(QString::fromLatin1(p.Name), QString::fromLatin1(p.Picture),
                               QPoint(p.Left, p.Top));
        } else {
            label = new QLabel(this);
            label->setObjectName(QString::fromLatin1(p.Name));
            label->setGeometry(p.Left, p.Top, p.Width, p.Height);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        elements_[static_cast<int>(p.Element)] = label;
        Render(p.Element);
    }
}

void TfrmPanel::Render(PanelElement element) {
    QLabel* label = elements_[static_cast<int>(element)];
    const PanelDisplay& display = session_.Display();
    if (PanelDisplay::IsDigit(element))
        label->setPixmap(digits_.Image(element, display.Image(element)));
    label->setVisible(display.Visible(element));
    DescribeDisplay();
}

void TfrmPanel::ShowNoLink(bool show) {
    lblnolink->setVisible(show);
    DescribeDisplay();
}

void TfrmPanel::DescribeDisplay() {
    if (!lblnolink)
        return;
    const CurrentReading& r = session_.Reading();
    const auto value = [](bool overload, bool valid, bool noPoint, double v, const QString& unit) {
        // untranslated: what the meter's display shows
        const QString shown = overload ? QStringLiteral("OL")
                              : !valid ? QStringLiteral("----")
                                       : QString::number(v, 'f', noPoint ? 0 : 1);
        return shown + QStringLiteral(" \u00b0") + unit;
    };
    const QString main = value(r.MainOverload, r.MainValid, r.MainNoPoint, r.MainValue, r.UnitText);
    const QString second =
        r.IsTwoChannel() ? value(r.SubOverload, r.SubValid, r.SubNoPoint, r.SubValue, r.SubUnitText)
                         : r.SubText + QLatin1Char(' ') + r.SubUnitText;
    const QString modes = r.ModeText.simplified();
    QString text;
    if (!lblnolink->isHidden() || r.ModelCode == 0)
        text = tr("Meter display: No Link");
    else if (modes.isEmpty())
        text = tr("Meter display: %1; second display: %2").arg(main, second);
    else
        text = tr("Meter display: %1 (%2); second display: %3").arg(main, modes, second);
    if (Image1->accessibleName() != text)
        Image1->setAccessibleName(text);
}

void TfrmPanel::SetupModel(int32_t modelCode) {
    const ModelEntry* model = FindModel(modelCode);
    if (!model)
        model = FindModel(300);
    for (int i = 0; i < 4; ++i)
        imgSpec[i]->setVisible(300 + i == model->ModelCode);
    imgtk->setVisible(!model->TypeJ);
    imgtkj->setVisible(model->TypeJ);
    lblt1->setVisible(model->TwoChannel());
    lblt2->setVisible(model->TwoChannel());
    //: Caption printed on the meter's key of two-channel models
    const QString channelView = tr("T1/T2 T1-T2");
    //: Caption printed on the meter's key of one-channel models
    const QString timer = tr("TIMER");
    btnTT->setAccessibleName(model->TwoChannel() ? channelView : timer);
    btnTT->setToolTip(QCoreApplication::translate("ModelEntry", model->TTHint));
}

void TfrmPanel::SetMessageFunction(MessageFunction show) {
    showMessage_ = std::move(show);
}

void TfrmPanel::SendCommand(uint8_t command) {
    // A write that fails (the port closed underneath) ends here without a message.
    RunGuarded([&] {
        if (!session_.SendPanelCommand(command))
            showMessage_(tr("No Link"));
    });
}

void TfrmPanel::btnCloseClick() {
    hide();
}
void TfrmPanel::btnRELClick() {
    SendCommand(PanelCommand::REL);
}
void TfrmPanel::btnHOLDClick() {
    SendCommand(PanelCommand::HOLD);
}
void TfrmPanel::btnMMAClick() {
    SendCommand(PanelCommand::MMA);
}
void TfrmPanel::btnMMADblClick() {
    SendCommand(PanelCommand::MMACancel);
}
void TfrmPanel::btnTTClick() {
    SendCommand(PanelCommand::TT);
}
void TfrmPanel::btnCFClick() {
    SendCommand(PanelCommand::CF);
}

bool TfrmPanel::NoLinkShown() const {
    return !lblnolink->isHidden();
}
