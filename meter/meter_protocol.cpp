// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/meter_protocol.h"

const std::array<ModelEntry, 4>& MeterModels() {
    static const std::array<ModelEntry, 4> models{{
        {300, QByteArray("300\x13"), QStringLiteral("One channel, K type thermometer."), 1,
         QStringLiteral("START/STOP TIMER"), false},
        {301, QByteArray("301\x13"), QStringLiteral("Two channel, K type thermometer."), 2,
         QStringLiteral("T1/T2/T1-T2 switch"), false},
        {302, QByteArray("302\x13"), QStringLiteral("One channel, K J type thermometer."), 1,
         QStringLiteral("START/STOP TIMER"), true},
        {303, QByteArray("303\x13"), QStringLiteral("Two channel, K J type thermometer."), 2,
         QStringLiteral("T1/T2/T1-T2 switch"), true},
    }};
    return models;
}

const ModelEntry* FindModel(int32_t modelCode) {
    for (const ModelEntry& m : MeterModels())
        if (m.ModelCode == modelCode)
            return &m;
    return nullptr;
}
