#include "app/reading_window.h"

#include "app/handler_guard.h"

#include <QVBoxLayout>

namespace {
uint8_t PollByte = 'A'; // static storage: the write is asynchronous
}

ReadingWindow::ReadingWindow(MeterLink& meter, CurrentReading& reading, LinkState& link)
    : meter_(meter), reading_(reading), link_(link), status_(new QLabel(this)), main_(new QLabel(this)),
      sub_(new QLabel(this)), mode_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Brackwater"));
    auto* layout = new QVBoxLayout(this);
    QFont big = main_->font();
    big.setPointSize(big.pointSize() * 3);
    main_->setFont(big);
    for (QLabel* l : {status_, main_, sub_, mode_})
        layout->addWidget(l);
    resize(360, 180);
    connect(&timer_, &QTimer::timeout, this, &ReadingWindow::Poll);
    connect(&meter_, &MeterLink::ConnectionAnnounced, this, [this] {
        status_->setText(QStringLiteral("Thermometer is connected at ") + meter_.Comm1.DeviceName());
    });
    status_->setText(QStringLiteral("No Connection"));
    timer_.start(1000);
}

void ReadingWindow::Poll() {
    link_.PortBusy = true;
    if (meter_.Comm1.Active())
        RunGuarded([this] { meter_.Comm1.WriteData(&PollByte, 1, false); });
    link_.PortBusy = false;
    if (link_.FrameSeen) {
        link_.FrameSeen = false;
        silentTicks_ = 0;
    } else if (link_.MeterConnected && ++silentTicks_ > 4) {
        link_.MeterConnected = false;
        silentTicks_ = 0;
        status_->setText(QStringLiteral("No Connection"));
    }
    Refresh();
}

void ReadingWindow::Refresh() {
    const CurrentReading& r = reading_;
    main_->setText(r.MainOverload ? QStringLiteral("OL")
                                  : QStringLiteral("%1 %2").arg(r.MainValue, 0, 'f', 1).arg(r.UnitText));
    sub_->setText(r.SubOverload && r.IsTwoChannel() ? QStringLiteral("OL")
                                                    : r.SubText + QLatin1Char(' ') + r.SubUnitText);
    mode_->setText(QStringLiteral("Type %1%2").arg(r.TypeText, r.ModeText));
}
