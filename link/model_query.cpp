// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/model_query.h"

#include "base/log_categories.h"
#include "link/serial_port.h"
#include "meter/meter_protocol.h"

#include <algorithm>
#include <array>

namespace {
uint8_t IdentificationRequest = 'K'; // static storage: the write is asynchronous
constexpr uint32_t ReplySize = 4;
} // namespace

void ModelQuery::Ask(TSerialPort& port) {
    try {
        port.WriteData(&IdentificationRequest, 1, false);
    } catch (const std::exception& e) {
        qCInfo(lcSearch) << "identification request not sent:" << e.what();
    }
}

QByteArray ModelQuery::Answer(TSerialPort& port) {
    QByteArray answer;
    try {
        uint32_t waiting = port.BytesWaiting();
        if (waiting < ReplySize)
            return {};
        // Read in pieces of the 8-byte reply buffer; only an exact 4-byte reply can
        // be a model, so a longer one is kept just long enough to fail.
        std::array<uint8_t, 8> buffer;
        while (waiting > 0) {
            const int n = int(std::min<uint32_t>(waiting, buffer.size()));
            port.ReadData(buffer.data(), n, false);
            if (answer.size() <= qsizetype(ReplySize))
                answer.append(reinterpret_cast<const char*>(buffer.data()), n);
            waiting -= uint32_t(n);
        }
    } catch (const std::exception& e) {
        qCInfo(lcSearch) << "answer not read:" << e.what();
    }
    return answer;
}

int32_t ModelQuery::ModelOf(const QByteArray& answer) {
    for (const ModelEntry& m : MeterModels())
        if (answer == m.Reply)
            return m.ModelCode;
    return 0;
}
