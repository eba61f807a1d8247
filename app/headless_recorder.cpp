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

HeadlessRecorder::HeadlessRecorder(RecordingSession& session, QFile& file, int every)
    : session_(session), file_(file), every_(every),
      separator_(LogLineFormat::SaveSeparator(file.fileName())) {
    // No one watches a "searching" label here; the reply and reopen waits stay.
    session_.Search().SetDelays({0, 0, 500, 500});
    searchAgain_.setSingleShot(true);
    searchAgain_.setInterval(SearchAgainMs);
    connect(&searchAgain_, &QTimer::timeout, this, &HeadlessRecorder::Search);
    progress_.setInterval(ProgressMs);
    connect(&progress_, &QTimer::timeout, this,
            [this] { Say(QStringLiteral("%1 rows written so far").arg(rows_)); });

    connect(&session_, &RecordingSession::RowAppended, this, &HeadlessRecorder::WriteRow);
    connect(&session_, &RecordingSession::LinkShown, this, [this](bool linked) {
        if (!linked)
            Say(QStringLiteral("link lost: no frames from %1 for 5 s; waiting for the meter")
                    .arg(session_.Comm1().DeviceName()));
    });
    connect(&session_, &RecordingSession::LinkUp, this,
            [](const QString& device) { Say(QStringLiteral("link back: %1").arg(device)); });
    // Nothing is recorded from a device that is not the meter found at the start.
    connect(&session_, &RecordingSession::MeterRefused, this,
            [](const QString& text) { Say(text + QStringLiteral("; not recording from it")); });
    connect(&session_.HotPlug(), &PortWatch::MeterAnswered, this, [](const QString& device) {
        Say(QStringLiteral("a meter answers at %1, plugged in since the search").arg(device));
    });
    connect(&session_.Search(), &PortSearch::Finished, this, &HeadlessRecorder::SearchFinished);
    connect(&session_, &RecordingSession::ShutDownFinished, this, [this] {
        file_.flush();
        Say(QStringLiteral("stopped: %1 rows written to %2")
                .arg(rows_)
                .arg(QDir::toNativeSeparators(file_.fileName())));
        if (!onAlarm_ || onAlarm_->Running() == 0) {
            emit Stopped();
            return;
        }
        Say(QStringLiteral("waiting for the alarm command to end"));
        onAlarm_->WhenDone([this] { emit Stopped(); });
    });
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

void HeadlessRecorder::AlarmChanged(const AlarmEvent& event) {
    const QString time =
        DateTimeFromDayCount(event.Time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QString line =
        QStringLiteral("%1 %2: %3")
            .arg(event.Raised ? QStringLiteral("ALARM") : QStringLiteral("alarm cleared"), time,
                 DescribeAlarm(event.What, event.Raised));
    if (event.Raised && event.What.Since != event.Time)
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
    Say(QStringLiteral("recording to %1, a row every %2 s")
            .arg(QDir::toNativeSeparators(file_.fileName()))
            .arg(every_));
    if (const AlarmRules& rules = session_.Alarms().Rules(); rules.Any())
        SayAlarm(QStringLiteral("alarms: %1").arg(DescribeRules(rules)));
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
            Say(QStringLiteral("no meter answered on %1; searching again every %2 s and "
                               "asking each port plugged in")
                    .arg(tried_.isEmpty() ? QStringLiteral("(no serial ports)")
                                          : tried_.join(QStringLiteral(", ")))
                    .arg(SearchAgainMs / 1000));
            for (const QString& line : result.Lines.mid(1))
                Say(line);
        }
        searchAgain_.start();
        return;
    }
    searchAgain_.stop(); // found without it, by a port plugged in
    Say(QStringLiteral("meter found: model %1 (%2) at %3")
            .arg(session_.Reading().ModelCode)
            .arg(session_.Reading().ModelText, session_.Comm1().DeviceName()));
    session_.SetListingRate(every_);
    session_.SetListRunning(true);
    session_.StartHeartbeat();
    progress_.start();
}

void HeadlessRecorder::WriteRow(int row) {
    const QByteArray line = LogLineFormat::Line(session_.Log().LineFields(row), separator_);
    // Written through to the system at once: a kill after this loses nothing.
    if (file_.write(line) != line.size() || !file_.flush()) {
        Say(QStringLiteral("writing %1 failed: %2; %3 rows were written")
                .arg(QDir::toNativeSeparators(file_.fileName()), file_.errorString())
                .arg(rows_));
        emit Failed();
        return;
    }
    ++rows_;
}

void HeadlessRecorder::Stop() {
    searchAgain_.stop();
    progress_.stop();
    session_.ShutDown(false);
}

namespace {
void Refuse(const QString& fileName, const QString& reason) {
    std::fprintf(stderr, "brackwater: cannot record to %s: %s\n",
                 qPrintable(QDir::toNativeSeparators(fileName)), qPrintable(reason));
}
} // namespace

int RunHeadlessRecorder(const QString& fileName, int every, const QStringList& ports,
                        const PublishOptions& publish, const AlarmRules& alarms,
                        const AlarmCommandOptions& onAlarm) {
    const QFileInfo info(fileName);
    if (!info.absoluteDir().exists()) {
        Refuse(fileName, QStringLiteral("the folder %1 does not exist")
                             .arg(QDir::toNativeSeparators(info.absolutePath())));
        return 2;
    }
    if (info.isDir()) {
        Refuse(fileName, QStringLiteral("it is a folder"));
        return 2;
    }
    // Appended to, never truncated: an earlier recording in the file stays.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        Refuse(fileName, file.errorString());
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
    int code = 0;
    QObject::connect(&termination, &TerminationSignals::Received, &recorder,
                     &HeadlessRecorder::Stop);
    // Stopped after the tick whose row could not be written, not inside it.
    QObject::connect(
        &recorder, &HeadlessRecorder::Failed, &recorder,
        [&] {
            code = 1;
            recorder.Stop();
        },
        Qt::QueuedConnection);
    QObject::connect(&recorder, &HeadlessRecorder::Stopped, &recorder,
                     [&] { QCoreApplication::exit(code); });
    // Rows reach the file first; the broker gets them from the publisher's network thread.
    const auto publisher = StartPublishing(
        session, publish, [](const QString& line, const QString&) { HeadlessRecorder::Say(line); });
    recorder.Start();
    const int exitCode = QCoreApplication::exec();
    if (publisher)
        publisher->Stop();
    return exitCode;
}
