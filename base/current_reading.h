// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one decoded state of the meter: what its display shows now, plus the model.
// Written by the frame decoder and the model identification; read by the panel,
// the log, the live graph and the heartbeat.

#include <QString>
#include <cstdint>

struct CurrentReading {
    int32_t ModelCode = 0; // 300..303; 0 before any identification
    QString ModelText;
    int32_t ChannelCount = 1;
    // The last run's model, taken while no meter answers.
    bool ModelAssumed = false;

    double MainValue = 0.0;
    // False while the display holds dashes or codes that are no digit: its value is
    // made up and must not be recorded, as during an overload.
    bool MainValid = true;
    bool MainOverload = false;
    bool MainNegative = false;
    bool MainNoPoint = false;

    double SubValue = 0.0;
    bool SubValid = true; // two-channel models; a timer is never a number
    bool SubOverload = false;
    bool SubNegative = false;
    bool SubNoPoint = false;
    bool TimerMinSec = false;
    int32_t ChannelView = 0;

    int32_t MmaMode = 0;
    bool TypeJ = false;
    bool Relative = false;
    bool Hold = false;
    bool LowBattery = false;
    bool Celsius = false;

    QString TypeText = QStringLiteral("K");
    QString UnitText = QStringLiteral("C");
    QString SubUnitText = QStringLiteral("C");
    QString SubText;
    QString ModeText;

    bool IsTwoChannel() const { return ModelCode == 301 || ModelCode == 303; }
    bool IsOneChannel() const { return ModelCode == 300 || ModelCode == 302; }
};
