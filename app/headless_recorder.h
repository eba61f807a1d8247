// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records without any window: finds the meter with the same search as the link
// test window, polls it once a second through the recording core, and appends one
// log line per row to a file, written through to the system as it is taken, so a
// killed recorder loses no row it took. It keeps no table of past rows: the file
// holds them. When the file cannot be written (a full disk) it keeps recording,
// and the rows wait in memory, at most a day of them, until writing works again.
// It says what happens, one line per event, on standard error, and keeps
// searching while no meter answers.

#include "alarm/alarm_command.h"
#include "platform/appending_file.h"
#include "publish/broker_address.h"
#include "recording/recording_session.h"

#include <QTimer>
#include <memory>

class HeadlessRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int SearchAgainMs = 5000;
    static constexpr int ProgressMs = 10 * 60 * 1000;

    static constexpr int DaySeconds = 24 * 60 * 60;

    // The file is open for appending; every is the seconds between rows.
    HeadlessRecorder(RecordingSession& session, AppendingFile& file, int every);

    // Says each alarm that rises or clears in a line, and runs the command (when
    // one is set) for each that rises; the recorder's end waits for those still running.
    void WatchAlarms(const AlarmCommandOptions& onAlarm);
    // Searches for the meter and records from when it answers.
    void Start();
    // Ends the recording: the port closed, the file written out and synced; the
    // settings untouched. Stopped follows.
    void Stop();
    qint64 RowsWritten() const { return file_.RowsWritten(); }
    // Rows that could not be written by the end, and were lost.
    qint64 RowsLost() const { return lost_; }
    // One line on standard error.
    static void Say(const QString& line);

signals:
    // A line about the alarms, as said on standard error.
    void AlarmSaid(const QString& line);
    void Stopped();

private:
    void Search();
    void SearchFinished(const PortSearch::Result& result);
    void WriteRow(int row);
    void AlarmChanged(const AlarmEvent& event);
    void SayAlarm(const QString& line);

    QString FileName() const;

    RecordingSession& session_;
    AppendingFile& file_;
    int every_;
    QChar separator_;
    QTimer searchAgain_;
    QTimer progress_;
    QStringList tried_; // the ports the search under way tries
    qint64 lost_ = 0;
    bool saidNotFound_ = false;
    std::unique_ptr<AlarmCommand> onAlarm_;
};

// Runs the recorder of the command line `--record FILE [--every SECONDS]` on the
// ports given (the system's are listed too) until a termination signal, publishing
// the rows when a broker is given and watching the alarms given; returns the exit
// code: 0 after a clean end, 2 for bad input found before any search (an output
// that is not a regular file among it), 1 when rows could not be written by the end.
int RunHeadlessRecorder(const QString& fileName, int every, const QStringList& ports,
                        const PublishOptions& publish = {}, const AlarmRules& alarms = {},
                        const AlarmCommandOptions& onAlarm = {});
