// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of recording that the log and the live graph windows share: Pause
// and Run on the tool strip, and the sampling-rate entry. They send the user's
// choices to the recording core and always show the core's recording state.

#include "recording/recording_session.h"

#include <QObject>

class QAction;
class QLineEdit;
class ToolStrip;

class RecordingControls : public QObject {
    Q_OBJECT
public:
    // Which recording the controls drive: the log's rows or the live graph's points.
    enum class Recorder { Log, LiveGraph };

    // Adds Pause and Run to the strip where it stands now.
    RecordingControls(RecordingSession& session, Recorder recorder, ToolStrip& strip);
    // Adds the rate entry with its captions at the strip's end.
    void AddRateEntry(ToolStrip& strip, const QFont& font);

    void Pause();
    void btnRunClick();
    // The entry's text changed: the rate follows, unreadable fields are corrected.
    void MaskEdit1Change();
    // The stored rate written into the entry, then read back as if typed (a rate
    // above 3660 comes back smaller).
    void ShowRate();

    QAction* btnPause;
    QAction* btnRun;
    QLineEdit* MaskEdit1 = nullptr;

signals:
    // The rate entry gave a new rate (also when it did not change).
    void RateChanged(int32_t rate);

private:
    void ShowRunning(bool running);
    int32_t Rate() const;

    RecordingSession& session_;
    Recorder recorder_;
};
