// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Learns the meter's model from its identification reply (three digits and 0x13)
// and sets up the reading for it; without a meter, falls back to the model last
// seen. Windows that depend on the model (the panel) follow ModelIdentified.

#include "base/app_state.h"
#include "meter/meter_protocol.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class ModelIdentification : public QObject {
    Q_OBJECT
public:
    explicit ModelIdentification(AppState& state, QObject* parent = nullptr);

    // An exact match of one of the four replies sets the model and returns true;
    // anything else changes nothing.
    bool IdentifyModel(const QByteArray& reply);
    // The model of the last identified meter, or 300 when that is unknown, marked
    // as assumed.
    void ApplyLastModel();

signals:
    void ModelIdentified(int32_t modelCode);

private:
    void Take(const ModelEntry& model, bool assumed);

    AppState& state_;
};
