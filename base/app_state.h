// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide state shared between the windows: the reading, the link, the
// settings variables and the recording flags. One instance is created in main()
// and handed to whoever needs it; a test builds a fresh one.

#include "base/current_reading.h"
#include "base/link_state.h"

#include <QString>
#include <QStringList>
#include <cstdint>

struct SettingsVars {
    int32_t GraphingRate = 0; // ticks (seconds) between live-graph points
    int32_t ListingRate = 0;  // ticks (seconds) between log rows
    int32_t MaxScale = 1370;  // live graph's vertical range, degrees
    int32_t MinScale = -200;
    int32_t ShowReso = 1;          // non-zero: the resolution notice may be shown
    int32_t LastConnectedPort = 0; // position in the port list of the last port that answered
    int32_t LastModel = 0;         // model code of the meter last identified
    QString LastConnectedDevice;   // that port's name, kept beside its position
    QString LastConnectedSerial;   // its USB adapter's serial number, where it has one
    bool SettingsMissing = false;  // reading failed: start with the port search
    QString LogDateFormat;         // date pattern of log rows (Qt's pattern language)
};

struct RecordingFlags {
    bool GraphRunning = false;
    bool ListRunning = false;
};

struct AppState {
    CurrentReading Reading;
    LinkState Link;
    SettingsVars Settings;
    RecordingFlags Recording;
    bool SearchInProgress = false;
    QStringList ExtraPortNames; // devices given on the command line or by the demo
};
