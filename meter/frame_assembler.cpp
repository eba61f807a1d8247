// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/frame_assembler.h"

#include <algorithm>

FrameAssembler::FrameAssembler(LinkState& link, FrameDecoder& decoder, QObject* parent)
    : QObject(parent), link_(link), decoder_(decoder) {
    rxBuffer_.reserve(Frame().size() + ReadLimit);
}

void FrameAssembler::Feed(const uint8_t* data, int count) {
    if (count > 0)
        rxBuffer_.append(reinterpret_cast<const char*>(data), count);

    // A frame never exceeds the decoder's frame size, whatever FrameLength says.
    const qsizetype length = std::clamp<qsizetype>(link_.FrameLength, 2, Frame().size());
    qsizetype pos = 0; // bytes consumed; removed from the buffer once at the end
    while (rxBuffer_.size() - pos >= length) {
        const qsizetype start = rxBuffer_.indexOf('\x02', pos);
        if (start < 0) {
            pos = rxBuffer_.size();
            break;
        }
        if (start > pos) {
            pos = start;
            continue;
        }
        if (static_cast<uint8_t>(rxBuffer_.at(pos + length - 1)) != 0x03) {
            // Wrong end marker: the whole candidate goes, the start marker with it.
            pos += length;
            continue;
        }
        link_.FrameSeen = true;
        link_.MissedTicks = 0;
        if (!link_.MeterConnected) {
            emit ConnectionAnnounced();
            link_.MeterConnected = true;
        }
        Frame frame{};
        std::copy_n(reinterpret_cast<const uint8_t*>(rxBuffer_.constData()) + pos, length,
                    frame.begin());
        pos += length;
        ++framesAccepted_;
        decoder_.DecodeFrame(frame);
    }
    rxBuffer_.remove(0, pos);
}
