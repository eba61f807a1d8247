// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/model_identification.h"

ModelIdentification::ModelIdentification(AppState& state, QObject* parent)
    : QObject(parent), state_(state) {}

bool ModelIdentification::IdentifyModel(const QByteArray& reply) {
    for (const ModelEntry& m : MeterModels()) {
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
