// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/ui/recording_controls.h"

#include "base/rate_entry.h"
#include "base/ui/tool_strip.h"

#include <QAction>
#include <QLineEdit>
#include <QToolBar>

RecordingControls::RecordingControls(RecordingSession& session, Recorder recorder, ToolStrip& strip)
    : QObject(strip.Bar), session_(session), recorder_(recorder) {
    btnPause = strip.AddButton("pause", tr("Pause"));
    btnRun = strip.AddButton("run", tr("Run"));
    connect(btnPause, &QAction::triggered, this, &RecordingControls::Pause);
    connect(btnRun, &QAction::triggered, this, &RecordingControls::btnRunClick);
    if (recorder_ == Recorder::Log) {
        connect(&session, &RecordingSession::ListRunningChanged, this,
                &RecordingControls::ShowRunning);
        ShowRunning(session.State().Recording.ListRunning);
    } else {
        connect(&session, &RecordingSession::GraphRunningChanged, this,
                &RecordingControls::ShowRunning);
        ShowRunning(session.State().Recording.GraphRunning);
    }
}

void RecordingControls::AddRateEntry(ToolStrip& strip, const QFont& font) {
    MaskEdit1 = strip.AddRateEntry(font);
    connect(MaskEdit1, &QLineEdit::textChanged, this, &RecordingControls::MaskEdit1Change);
}

void RecordingControls::Pause() {
    if (recorder_ == Recorder::Log)
        session_.SetListRunning(false);
    else
        session_.SetGraphRunning(false);
}

void RecordingControls::btnRunClick() {
    if (recorder_ == Recorder::Log)
        session_.SetListRunning(true);
    else
        session_.SetGraphRunning(true);
}

void RecordingControls::ShowRunning(bool running) {
    btnPause->setEnabled(running);
    btnRun->setEnabled(!running);
}

int32_t RecordingControls::Rate() const {
    return recorder_ == Recorder::Log ? session_.Settings().ListingRate
                                      : session_.Settings().GraphingRate;
}

void RecordingControls::ShowRate() {
    MaskEdit1->setText(RateEntryText(Rate()));
    MaskEdit1Change(); // also when the text did not change
}

void RecordingControls::MaskEdit1Change() {
    const RateEntry entry = ParseRateEntry(MaskEdit1->displayText());
    if (recorder_ == Recorder::Log)
        session_.SetListingRate(entry.Rate);
    else
        session_.SetGraphingRate(entry.Rate);
    if (entry.Rewrite)
        MaskEdit1->setText(entry.Text);
    emit RateChanged(entry.Rate);
}
