// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/model_identification.h"

ModelIdentification::ModelIdentification(AppState& state, QObject* parent)
    : QObject(parent), state_(state) {}

bool ModelIdentification::IdentifyModel(const QByteArray& reply) {
    for (const ModelEntry& m : MeterModels()) {
        if (reply == m.Reply) {
            Take(m, false);
            return true;
        }
    }
    return false;
}

void ModelIdentification::ApplyLastModel() {
    const ModelEntry* m = FindModel(state_.Settings.LastModel);
    Take(m ? *m : *FindModel(300), true);
}

void ModelIdentification::Take(const ModelEntry& model, bool assumed) {
    CurrentReading& r = state_.Reading;
    r.ModelCode = model.ModelCode;
    r.ModelText = model.ModelText;
    r.ChannelCount = model.ChannelCount;
    r.ModelAssumed = assumed;
    state_.Link.FrameLength = 8;
    emit ModelIdentified(model.ModelCode);
}
