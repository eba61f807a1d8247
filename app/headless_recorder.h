#pragma once
// Records without any window: finds the meter with the same search as the link
// test window, polls it once a second through the recording core, and appends one
// log line per row to a file, written through to the system as it is taken, so a
// killed recorder loses no row it took. It says what happens, one line per event,
// on standard error, and keeps searching while no meter answers.

#include "publish/broker_address.h"
#include "recording/recording_session.h"

#include <QFile>
#include <QTimer>

class HeadlessRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int SearchAgainMs = 5000;
    static constexpr int ProgressMs = 10 * 60 * 1000;

    // The file is open for appending; every is the seconds between rows.
    HeadlessRecorder(RecordingSession& session, QFile& file, int every);

    // Searches for the meter and records from when it answers.
    void Start();
    // Ends the recording: the port closed, the file flushed; the settings untouched.
    // Stopped follows.
    void Stop();
    qint64 RowsWritten() const { return rows_; }
    // One line on standard error.
    static void Say(const QString& line);

signals:
    // Writing the file failed: recording cannot go on.
    void Failed();
    void Stopped();

private:
    void Search();
    void SearchFinished(const PortSearch::Result& result);
    void WriteRow(int row);

    RecordingSession& session_;
    QFile& file_;
    int every_;
    QChar separator_;
    QTimer searchAgain_;
    QTimer progress_;
    QStringList tried_; // the ports the search under way tries
    qint64 rows_ = 0;
    bool saidNotFound_ = false;
};

// Runs the recorder of the command line `--record FILE [--every SECONDS]` on the
// ports given (the system's are listed too) until a termination signal, publishing
// the rows when a broker is given; returns the exit code: 0 after a clean end, 2
// for bad input found before any search, 1 when the file could not be written later.
int RunHeadlessRecorder(const QString& fileName, int every, const QStringList& ports,
                        const PublishOptions& publish = {});
