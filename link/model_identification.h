#pragma once
// Learns the meter's model from its identification reply (three digits and 0x13)
// and sets up the reading for it; without a meter, falls back to the model last
// seen. Windows that depend on the model (the panel) follow ModelIdentified.

#include "app/app_state.h"

#include <QByteArray>
#include <QObject>
#include <QString>

struct ModelEntry {
    int32_t ModelCode;
    QByteArray Reply; // the meter's answer to the identification request
    QString ModelText;
    int32_t ChannelCount;
    QString TTHint; // what the panel's T key does on this model
    bool TypeJ;     // takes J sensors besides K

    bool TwoChannel() const { return ChannelCount == 2; }
};

class ModelIdentification : public QObject {
    Q_OBJECT
public:
    explicit ModelIdentification(AppState& state, QObject* parent = nullptr);

    // The four models, 300 to 303; nullptr for any other code.
    static const ModelEntry* FindModel(int32_t modelCode);

    // An exact match of one of the four replies sets the model and returns true;
    // anything else changes nothing.
    bool IdentifyModel(const QByteArray& reply);
    // The model of the last identified meter, or 300 when that is unknown.
    void ApplyLastModel();

signals:
    void ModelIdentified(int32_t modelCode);

private:
    AppState& state_;
};
