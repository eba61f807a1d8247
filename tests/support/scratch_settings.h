// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings files for tests: each store is a fresh INI file in a temporary folder,
// so a test starts from exactly the settings it writes.

#include "recording/settings_store.h"

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

class RecordingSession;

class ScratchSettings {
public:
    // A new file holding content (nothing: a first run).
    std::unique_ptr<QSettings> Store(const QByteArray& content = {});
    // A recording core on a new file holding settings, with a meter of the model
    // identified (0: none).
    std::unique_ptr<RecordingSession> Session(int model = 0, const QByteArray& settings = {});
    // The last file made, as the program would read it at the next start.
    SettingsVars Stored() const;
    QString Path() const { return path_; }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    int files_ = 0;
    QString path_;
};

// The settings of a run that found a meter: both rates 1 s, range 0 to 300, the
// notice allowed, and the meter's model, list position and device.
QByteArray CompleteSettings(int lastModel, const QString& device, int lastPort = 0);

// The whole content of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// Sets the core up for a model as the meter's identification reply would.
void IdentifyModel(RecordingSession& session, int model);
// Complete settings with the given live graph range and rates.
QByteArray RangeSettings(int minScale, int maxScale, int graphingRate = 0, int listingRate = 0);
