// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/headless_recorder.h"

#include "app/publishing.h"
#include "base/day_count.h"
#include "log/log_line_format.h"
#include "platform/termination_signals.h"
#include "recording/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

HeadlessRecorder::HeadlessRecorder(RecordingSession& session, AppendingFile& file, int every)
    : session_(session), file_(file), every_(every),
      separator_(LogLineFormat::SaveSeparator(file.Path())) {
    session_.KeepOnlyNewestRow();
    file_.SetWaitLimit(std::max(DaySeconds / std::max(every, 1), 1));
    connect(&file_, &AppendingFile::Stopped, this, [this](const QString& reason) {
        Say(tr("writing %1 failed: %2; recording goes on, the rows wait in memory (a day of them "
               "at most) and are written when it works again")
                .arg(FileName(), reason));
    });
    connect(&file_, &AppendingFile::Resumed, this, [this](qint64 rows, qint64 dropped) {
        QString line = tr("writing %1 works again: %n rows that waited written", nullptr, int(rows))
                           .arg(FileName());
        if (dropped > 0)
            line += tr("; the oldest %n rows beyond a day dropped", nullptr, int(dropped));
        Say(line);
    });
    connect(&file_, &AppendingFile::Dropping, this, [this] {
        Say(tr("a day of rows waits for %1: the oldest are dropped from now on").arg(FileName()));
    });
    connect(&file_, &AppendingFile::SyncFailed, this, [this](const QString& reason) {
        Say(tr("syncing %1 to the disk failed: %2; its last rows may be lost if the power fails")
                .arg(FileName(), reason));
    });
    // No one watches a "searching" label here; the reply and reopen waits stay.
    session_.Search().SetDelays({0, 0, 500, 500});
    searchAgain_.setSingleShot(true);
    searchAgain_.setInterval(SearchAgainMs);
    connect(&searchAgain_, &QTimer::timeout, this, &HeadlessRecorder::Search);
    progress_.setInterval(ProgressMs);
    connect(&progress_, &QTimer::timeout, this,
            [this] { Say(tr("%n rows written so far", nullptr, int(RowsWritten()))); });

    connect(&session_, &RecordingSession::RowAppended, this, &HeadlessRecorder::WriteRow);
    connect(&session_, &RecordingSession::LinkShown, this, [this](bool linked) {
        if (!linked)
            Say(tr("link lost: no frames from %1 for 5 s; waiting for the meter")
                    .arg(session_.Comm1().DeviceName()));
    });
    connect(&session_, &RecordingSession::LinkUp, this,
            [](const QString& device) { Say(tr("link back: %1").arg(device)); });
    connect(&session_, &RecordingSession::MeterReopened, this, &HeadlessRecorder::Say);
    // Nothing is recorded from a device that is not the meter found at the start.
    connect(
        &session_, &RecordingSession::MeterRefused, this,
        [](const QString& device, ReplugWatch::Refusal why) {
            switch (why) {
            case ReplugWatch::Refusal::OtherMeter:
                Say(tr("a different meter is connected at %1; not recording from it").arg(device));
                break;
            case ReplugWatch::Refusal::NoAnswer:
                Say(tr("no thermometer answers at %1; not recording from it").arg(device));
                break;
            case ReplugWatch::Refusal::InUse:
                Say(tr("%1 is in use by another program; not recording from it").arg(device));
                break;
            case ReplugWatch::Refusal::None:
                break;
            }
        });
    connect(&session_.HotPlug(), &PortWatch::MeterAnswered, this, [](const QString& device) {
        Say(tr("a meter answers at %1, plugged in since the search").arg(device));
    });
    connect(&session_.Search(), &PortSearch::Finished, this, &HeadlessRecorder::SearchFinished);
    connect(&session_, &RecordingSession::ShutDownFinished, this, [this] {
        file_.Close();
        lost_ = file_.WaitingRows();
        QString line =
            tr("stopped: %n rows written to %1", nullptr, int(RowsWritten())).arg(FileName());
        if (lost_ > 0)
            line += tr("; %n rows could not be written: %1", nullptr, int(lost_))
                        .arg(file_.ErrorText());
        Say(line);
        if (!onAlarm_ || onAlarm_->Running() == 0) {
            emit Stopped();
            return;
        }
        Say(tr("waiting for the alarm command to end"));
        onAlarm_->WhenDone([this] { emit Stopped(); });
    });
}

QString HeadlessRecorder::FileName() const {
    return QDir::toNativeSeparators(file_.Path());
}

void HeadlessRecorder::WatchAlarms(const AlarmCommandOptions& onAlarm) {
    connect(&session_, &RecordingSession::AlarmChanged, this, &HeadlessRecorder::AlarmChanged);
    if (onAlarm.IsSet()) {
        onAlarm_ = std::make_unique<AlarmCommand>(onAlarm);
        connect(onAlarm_.get(), &AlarmCommand::Said, this, &HeadlessRecorder::SayAlarm);
    }
}

void HeadlessRecorder::SayAlarm(const QString& line) {
    Say(line);
    emit AlarmSaid(line);
}

// The alarm lines are for scripts too (they watch the journal for "ALARM"): English in
// every language, as the manual page shows them.
void HeadlessRecorder::AlarmChanged(const AlarmEvent& event) {
    // untranslated: a date's format
    const QString time =
        DateTimeFromDayCount(event.Time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // untranslated: a line scripts read
    QString line =
        QStringLiteral("%1 %2: %3")
            .arg(event.Raised ? QStringLiteral("ALARM") : QStringLiteral("alarm cleared"), time,
                 DescribeAlarm(event.What, event.Raised, TextFor::Scripts));
    if (event.Raised && event.What.Since != event.Time)
        // untranslated: a line scripts read
        line +=
            QStringLiteral(" (since %1)")
                .arg(DateTimeFromDayCount(event.What.Since).toString(QStringLiteral("HH:mm:ss")));
    SayAlarm(line);
    if (event.Raised && onAlarm_)
        onAlarm_->Run(event, session_.Comm1().DeviceName());
}

void HeadlessRecorder::Say(const QString& line) {
    std::fprintf(stderr, "brackwater: %s\n", qPrintable(line));
    std::fflush(stderr);
}

void HeadlessRecorder::Start() {
    Say(tr("recording to %1, a row every %2 s").arg(FileName(), QString::number(every_)));
    if (const AlarmRules& rules = session_.Alarms().Rules(); rules.Any())
        SayAlarm(tr("alarms: %1").arg(DescribeRules(rules)));
    QTimer::singleShot(0, this, &HeadlessRecorder::Search);
}

void HeadlessRecorder::Search() {
    tried_ = session_.Search().ListedPorts();
    session_.RunSearch();
}

void HeadlessRecorder::SearchFinished(const PortSearch::Result& result) {
    if (!result.Found) {
        if (!saidNotFound_) {
            saidNotFound_ = true;
            Say(tr("no meter answered on %1; searching again every %2 s and asking each port "
                   "plugged in")
                    .arg(tried_.isEmpty() ? tr("(no serial ports)")
                                          : tried_.join(QStringLiteral(", ")),
                         QString::number(SearchAgainMs / 1000)));
            for (const QString& line : result.Lines.mid(1))
                Say(line);
        }
        searchAgain_.start();
        return;
    }
    searchAgain_.stop(); // found without it, by a port plugged in
    //: %1 the model's number, %2 what the model is, %3 the device
    Say(tr("meter found: model %1 (%2) at %3")
            .arg(QString::number(session_.Reading().ModelCode), session_.Reading().ModelText,
                 session_.Comm1().DeviceName()));
    session_.SetListingRate(every_);
    session_.SetListRunning(true);
    session_.StartHeartbeat();
    progress_.start();
}

void HeadlessRecorder::WriteRow(int row) {
    // Written through to the system at once: a kill after this loses nothing.
    file_.Append(LogLineFormat::Line(session_.Log().LineFields(row), separator_));
}

void HeadlessRecorder::Stop() {
    searchAgain_.stop();
    progress_.stop();
    session_.ShutDown(false);
}

namespace {
void Refuse(const QString& fileName, const QString& reason) {
    HeadlessRecorder::Say(HeadlessRecorder::tr("cannot record to %1: %2")
                              .arg(QDir::toNativeSeparators(fileName), reason));
}
} // namespace

int RunHeadlessRecorder(const QString& fileName, int every, const QStringList& ports,
                        const PublishOptions& publish, const AlarmRules& alarms,
                        const AlarmCommandOptions& onAlarm) {
    const QFileInfo info(fileName);
    if (!info.absoluteDir().exists()) {
        Refuse(fileName, HeadlessRecorder::tr("the folder %1 does not exist")
                             .arg(QDir::toNativeSeparators(info.absolutePath())));
        return 2;
    }
    // Appended to, never truncated: an earlier recording in the file stays. A
    // FIFO or a device is refused before it is opened.
    AppendingFile file(fileName, AppendingFile::Mode::Extend);
    if (!file.Open()) {
        Refuse(fileName, file.ErrorText());
        return 2;
    }

    RecordingSession session(SettingsStore::OpenPlatformStore(), ports);
    if (!session.SettingsReadProblem().isEmpty())
        std::fprintf(stderr, "brackwater: %s\n", qPrintable(session.SettingsReadProblem()));
    if (every <= 0)
        every = std::max(session.Settings().ListingRate, 1);

    // Only the command line's alarms: a recorder never takes the window program's.
    session.ApplyAlarmRules(alarms);
    HeadlessRecorder recorder(session, file, every);
    recorder.WatchAlarms(onAlarm);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Received, &recorder,
                     &HeadlessRecorder::Stop);
    QObject::connect(&recorder, &HeadlessRecorder::Stopped, &recorder,
                     [&] { QCoreApplication::exit(recorder.RowsLost() > 0 ? 1 : 0); });
    // Rows reach the file first; the broker gets them from the publisher's network thread.
    const auto publisher = StartPublishing(
        session, publish, [](const QString& line, const QString&) { HeadlessRecorder::Say(line); });
    recorder.Start();
    const int exitCode = QCoreApplication::exec();
    if (publisher)
        publisher->Stop();
    return exitCode;
}
