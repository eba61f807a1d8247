#include "link/meter_link.h"

#include "link/frame_reception.h"

MeterLink::MeterLink(CurrentReading& reading, LinkState& link, QObject* parent)
    : QObject(parent), Decoder(reading, Display), Assembler(link, Decoder) {
    // Every port failure ends the running handler silently.
    Comm1.SetOnError([](TSerialPort*, const ESerialError&, TSerialAction& action) {
        action = TSerialAction::saAbort;
    });
    connect(&Assembler, &FrameAssembler::ConnectionAnnounced, this,
            &MeterLink::ConnectionAnnounced);
    AttachRxChar();
}

void MeterLink::AttachRxChar() {
    Comm1.SetOnRxChar([this](TSerialPort* sender) { Comm1RxChar(*sender, Assembler); });
}

void MeterLink::DetachRxChar() {
    Comm1.SetOnRxChar({});
}
