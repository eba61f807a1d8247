#include "link/model_identification.h"

#include <array>

namespace {
const std::array<ModelEntry, 4>& Models() {
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
} // namespace

ModelIdentification::ModelIdentification(AppState& state, QObject* parent)
    : QObject(parent), state_(state) {}

const ModelEntry* ModelIdentification::FindModel(int32_t modelCode) {
    for (const ModelEntry& m : Models())
        if (m.ModelCode == modelCode)
            return &m;
    return nullptr;
}

bool ModelIdentification::IdentifyModel(const QByteArray& reply) {
    for (const ModelEntry& m : Models()) {
        if (reply != m.Reply)
            continue;
        CurrentReading& r = state_.Reading;
        r.ModelCode = m.ModelCode;
        r.ModelText = m.ModelText;
        r.ChannelCount = m.ChannelCount;
        state_.Link.FrameLength = 8;
        emit ModelIdentified(m.ModelCode);
        return true;
    }
    return false;
}

void ModelIdentification::ApplyLastModel() {
    const ModelEntry* m = FindModel(state_.Settings.LastModel);
    if (!m)
        m = FindModel(300);
    IdentifyModel(m->Reply);
}
