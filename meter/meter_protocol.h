// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the meter understands and answers, beyond its display frames: the four
// models with their identification replies, the poll byte and the key bytes of
// its front panel.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct ModelEntry {
    int32_t ModelCode;
    QByteArray Reply;  // the meter's answer to the identification request
    QString ModelText; // English: published messages and the recorder's output carry it
    int32_t ChannelCount;
    const char* TTHint; // what the panel's T key does on this model, to be translated
    bool TypeJ;         // takes J sensors besides K

    bool TwoChannel() const { return ChannelCount == 2; }
};

// The four models, 300 to 303.
const std::array<ModelEntry, 4>& MeterModels();
// A model text in the user's language, for showing.
QString ShownModelText(const QString& modelText);
// nullptr for a code that is none of them.
const ModelEntry* FindModel(int32_t modelCode);

constexpr uint8_t PollByte = 'A';

namespace PanelCommand {
constexpr uint8_t REL = 'R';
constexpr uint8_t HOLD = 'H';
constexpr uint8_t MMA = 'M';       // next AVG/MAX/MIN mode
constexpr uint8_t MMACancel = 'N'; // leave AVG/MAX/MIN
constexpr uint8_t TT = 'T';        // timer start/stop, or the T1/T2/T1-T2 view
constexpr uint8_t CF = 'C';        // degrees C or F
} // namespace PanelCommand
