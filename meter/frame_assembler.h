// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts the meter's frames out of the received byte stream: a frame starts with
// 0x02 and its eighth byte is 0x03. Accepted frames mark the link alive and go
// to the decoder; the first one after the link was down announces the connection.

#include "base/link_state.h"
#include "meter/frame_decoder.h"

#include <QByteArray>
#include <QObject>

class FrameAssembler : public QObject {
    Q_OBJECT
public:
    static constexpr int ReadLimit = 256; // bytes taken from the port per receive event

    FrameAssembler(LinkState& link, FrameDecoder& decoder, QObject* parent = nullptr);

    // Appends received bytes and decodes every complete frame, in arrival order.
    void Feed(const uint8_t* data, int count);

    const QByteArray& RxBuffer() const { return rxBuffer_; }
    LinkState& Link() { return link_; }
    quint64 FramesAccepted() const { return framesAccepted_; }

signals:
    // The first accepted frame while MeterConnected was false, before it is decoded.
    void ConnectionAnnounced();

private:
    LinkState& link_;
    FrameDecoder& decoder_;
    QByteArray rxBuffer_;
    quint64 framesAccepted_ = 0;
};
