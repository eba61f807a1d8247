// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/meter_link.h"

#include "base/log_categories.h"
#include "link/frame_reception.h"

MeterLink::MeterLink(CurrentReading& reading, LinkState& link, QObject* parent)
    : QObject(parent), Decoder(reading, Display), Assembler(link, Decoder), Replug(Comm1) {
    // Every port failure ends the running handler silently; the reason goes to the
    // link's diagnostics.
    Comm1.SetOnError([](TSerialPort* sender, const ESerialError& error, TSerialAction& action) {
        qCInfo(lcLink) << sender->DeviceName() << "failed:" << error.Message() << "(error"
                       << error.ErrorCode << ")";
        action = TSerialAction::saAbort;
    });
    connect(&Assembler, &FrameAssembler::ConnectionAnnounced, this,
            &MeterLink::ConnectionAnnounced);
    AttachRxChar();
}

void MeterLink::AttachRxChar() {
    Comm1.SetOnRxChar([this](TSerialPort* sender) {
        Comm1RxChar(*sender, Assembler);
        emit Received();
    });
}

void MeterLink::DetachRxChar() {
    Comm1.SetOnRxChar({});
}
