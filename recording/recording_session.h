// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recording core. It owns the serial port and the link to the meter, the port
// list and the search, the model, the one-second heartbeat that polls and samples,
// the settings, and the log table of recorded rows. It records with or without
// windows: windows render its state and send it the user's actions, and learn of
// every change through its signals. A test builds a fresh one. The window program
// also journals the recorded rows, so that rows not saved survive the program.
// The log's files (open, save, export) are its LogFiles.

#include "alarm/alarm_monitor.h"
#include "base/app_state.h"
#include "link/meter_link.h"
#include "link/model_identification.h"
#include "link/port_search.h"
#include "link/port_watch.h"
#include "log/log_table.h"
#include "log/row_journal.h"
#include "meter/heartbeat.h"
#include "recording/log_files.h"
#include "recording/settings_store.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSettings>
#include <QStringListModel>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class JournalContents;

class RecordingSession : public QObject {
    Q_OBJECT
public:
    // Reads the settings from the store and lists the ports (the system's, then the
    // extra devices of the command line and the demo); the port stays closed.
    RecordingSession(std::unique_ptr<QSettings> store, const QStringList& extraPorts,
                     Heartbeat::Clock clock = Heartbeat::Clock::System(),
                     QObject* parent = nullptr);
    ~RecordingSession() override;

    // Program-wide state: read freely, changed only through the session.
    const AppState& State() const { return state_; }
    const CurrentReading& Reading() const { return state_.Reading; }
    const SettingsVars& Settings() const { return state_.Settings; }
    // The settings store could not be read: which file and why, else empty.
    QString SettingsReadProblem() const { return settingsReadProblem_; }

    MeterLink& Meter() { return meter_; }
    TSerialPort& Comm1() { return meter_.Comm1; }
    const PanelDisplay& Display() const { return meter_.Display; }
    QStringListModel& PortNames() { return portNames_; }
    ModelIdentification& Models() { return models_; }
    PortSearch& Search() { return search_; }
    // While no meter is linked: asks each port plugged in for a meter.
    PortWatch& HotPlug() { return portWatch_; }
    LogTable& Log() { return log_; }
    const LogTable& Log() const { return log_; }
    // Data rows in the table: 0 for the empty table's blank row.
    int TableRows() const;
    LogFiles& Files() { return *files_; }
    QTimer ThTimer1; // the heartbeat's timer; runs while the program polls the meter

    // --- start-up
    // How long the start lets the port settle before it closes and reopens it.
    static constexpr uint32_t ReconnectSettleMs = 400;
    // No meter has answered a search yet (or the settings were missing): the start
    // searches instead of reopening a port by position.
    bool NeedsSearch() const;
    // The start without a search: after a moment the last model, the last port
    // reopened and asked for its model, polling if it is the same meter, recording
    // paused; ReconnectEnded follows. Without it, a meter found later (the same one
    // back, or one plugged in) is polled as soon as it is found.
    void Reconnect();

    // --- the port search
    // Starts the search; Search() tells its steps and its result by signals.
    void RunSearch();
    // OK after a search: polling and recording start; a meter found later is polled at once.
    void StartRecording();
    void StartHeartbeat() { ThTimer1.start(); }

    // --- the heartbeat
    void ThTimer1Timer();

    // --- the log and the live graph
    void InitLogTable();
    void InitLiveGraph();
    // The table keeps only the newest row (the headless recorder, whose rows
    // live in its file): memory stays flat however long it records.
    void KeepOnlyNewestRow() { log_.SetKeepsPastRows(false); }
    // A row from the current reading taken at the given day count.
    void AppendLogRow(double now);
    void AppendLogRow(const Sample& sample);
    void BitBtn4Click(); // Clear: the table back to one blank row
    void SetListRunning(bool running);
    void SetGraphRunning(bool running);
    void SetListingRate(int32_t rate);
    void SetGraphingRate(int32_t rate);
    // The live graph was cleared: its next sample is taken at the next tick.
    void LiveGraphCleared() { liveGraphHasPoints_ = false; }
    // The live graph's vertical range, stored as MinScale and MaxScale at shut-down.
    void SetLiveRange(const VerticalRange& range) { liveRange_ = range; }
    VerticalRange LiveRange() const { return liveRange_; }
    void SetShowReso(int32_t showReso) { state_.Settings.ShowReso = showReso; }
    // The date pattern of log rows; the locale's short date, widened, by default.
    void SetLogDateFormat(const QString& format) { state_.Settings.LogDateFormat = format; }

    // --- the journal (the window program keeps one; the headless recorder needs none)
    // Recorded rows are journaled in this folder once StartJournal has run.
    void EnableJournal(const QString& folder);
    RowJournal* Journal() { return journal_.get(); }
    // Begins the run's journal with the rows the table holds now (rows put back
    // at start, from the journals restoredFrom); a first recorded row begins it too.
    void StartJournal(const QStringList& restoredFrom = {});
    // Recorded rows not saved to a file since they were recorded.
    int UnsavedRows() const;
    // Rows of an earlier run's journal put back into the table, after the rows put
    // back before them and before any recorded since. The log's recording stays
    // paused, also through the start's search. Returns what went wrong reading
    // the journal (the table is unchanged then), or an empty text.
    QString RestoreRows(const JournalContents& contents);
    // The unsaved rows are given up (the exit question's Discard).
    void DiscardUnsavedRows();

    // --- alarms, watched at every tick while the heartbeat runs, recording or not
    const AlarmMonitor& Alarms() const { return alarms_; }
    // New rules, taken at once and kept in the settings; returns a message naming
    // the settings file and the reason when they could not be kept, else empty.
    QString SetAlarmRules(const AlarmRules& rules);
    // New rules for this run only, the settings untouched (the recorder's command line).
    void ApplyAlarmRules(const AlarmRules& rules);
    // The sound stops until the next alarm rises; the alarms stay up until they clear.
    void AcknowledgeAlarms();

    // --- the folder every file dialog starts in
    // The folder last used if it still exists, else the user's documents folder,
    // else the home folder.
    QString FileFolder() const;
    // A file was chosen in folder: it is kept in the settings for the next run.
    // Returns a message naming the settings file and the reason when it could not
    // be kept, else empty.
    QString SetFileFolder(const QString& folder);

    // --- the panel's keys
    // Sends one key byte while the meter is linked; false (nothing sent) without a link.
    bool SendPanelCommand(uint8_t command);

    // Runs then once no port operation is in progress: at once when none is, else
    // after the receive event or the tick that ends it, after PortBusyWaitMs at
    // most. Not at all when context is gone by then.
    void WhenPortFree(QObject* context, std::function<void()> then);

    // --- the end
    // Waits briefly for a port operation in progress, lets a file operation end,
    // stops the heartbeat, stores the settings (unless told not to) and closes the
    // port; ShutDownFinished follows, at once when no port operation is in progress.
    void ShutDown(bool storeSettings = true);

signals:
    void StatusText(const QString& text);
    // The device found at the meter's place is not taken: another meter, none that
    // answers, or one in use (never None).
    void MeterRefused(const QString& device, ReplugWatch::Refusal why);
    // The first frame after the link was down, from this device.
    void LinkUp(const QString& device);
    // The meter's device went away and came back, and the port is open on it
    // again: the text says where and which model answered.
    void MeterReopened(const QString& text);
    // Whether the panel shows the meter linked (its "No Link" hidden).
    void LinkShown(bool linked);
    void ModelIdentified(int32_t modelCode);
    void ListRunningChanged(bool running);
    void GraphRunningChanged(bool running);
    // The header and the listing rate are set up; the log window shows them.
    void LogTableInitialized();
    // The live graph is set up for the model and the graphing rate.
    void LiveGraphReset();
    void RowAppended(int row);
    // A row was recorded from this sample (after RowAppended), for those who pass
    // readings on; rows put back or opened from a file are not recorded ones.
    void RowRecorded(const Sample& sample);
    // The journal cannot be written: which file and why.
    void JournalFailed(const QString& message);
    // The journal is written again, the rows recorded meanwhile too.
    void JournalResumed(const QString& message);
    void PointDue(const Sample& sample);
    // An alarm rose or cleared.
    void AlarmChanged(const AlarmEvent& event);
    // The alarms were looked at: the values of those up may have changed.
    void AlarmsWatched();
    void AlarmRulesChanged(const AlarmRules& rules);
    // A beep is due: an alarm is up, not acknowledged, and the rules ask for sound.
    void AlarmSoundDue();
    void AlarmsAcknowledged();
    // The start's reconnect is over; polling tells whether the heartbeat runs. A
    // search started meanwhile takes the port over and ends it without polling.
    void ReconnectEnded(bool polling);
    // The end: problem names the settings file and the reason when they could not
    // be stored, else it is empty.
    void ShutDownFinished(const QString& problem);

private:
    struct PortWait {
        QPointer<QObject> Context;
        QElapsedTimer Since;
        std::function<void()> Then;
    };
    SearchHooks Hooks();
    void SearchEnded(const PortSearch::Result& result);
    void MeterPluggedIn(const QString& device, const QByteArray& reply);
    void MeterBack(const QString& device, int32_t model);
    void MeterRefusedAt(const QString& device, ReplugWatch::Refusal why);
    void WatchForMeters(const QStringList& known);
    void LinkLost();
    void SendPoll();
    void ConnectionAnnounced();
    void EndReconnect(bool polling);
    // A port operation may have ended: waits for a free port look again, after this event.
    void PortOperationEnded();
    void CheckPortWaits();
    void FinishShutDown(bool storeSettings);

    AppState state_;
    std::unique_ptr<SettingsStore> store_;
    QString settingsReadProblem_;
    MeterLink meter_;
    QStringListModel portNames_;
    ModelIdentification models_;
    StepTimer linkSteps_; // the one pending step of the search or the reconnect
    PortSearch search_;
    PortWatch portWatch_;
    // A meter found without the user's search (back, or plugged in) is polled at once.
    bool pollWhenFound_ = false;
    QString refusal_; // why the device at the meter's place is not taken, while it is not
    LogTable log_;
    std::unique_ptr<Heartbeat> beat_;
    AlarmMonitor alarms_;
    QString fileFolder_; // the last folder used once the settings are closed
    VerticalRange liveRange_;
    bool liveGraphHasPoints_ = false;
    std::unique_ptr<RowJournal> journal_;
    std::unique_ptr<LogFiles> files_; // after the table and the journal: it ends first
    bool restoredPaused_ = false; // rows were restored: the start's search leaves the log paused
    int restoredRows_ = 0;        // the table's first rows, put back at the start
    bool reconnecting_ = false;
    std::vector<PortWait> portWaits_;
    QTimer portWaitLimit_;
    bool shutDown_ = false;
};
