#include "recording/recording_session.h"

#include "base/handler_guard.h"
#include "base/log_categories.h"
#include "link/panel_commands.h"
#include "log/journal_contents.h"
#include "log/log_file_writer.h"
#include "platform/device_access.h"

#include <algorithm>

RecordingSession::RecordingSession(std::unique_ptr<QSettings> store, const QStringList& extraPorts,
                                   Heartbeat::Clock clock, QObject* parent)
    : QObject(parent), store_(std::make_unique<SettingsStore>(std::move(store))),
      meter_(state_.Reading, state_.Link), models_(state_),
      search_(state_, meter_, portNames_, linkSteps_,
              [this](const QByteArray& reply) { return models_.IdentifyModel(reply); }) {
    state_.ExtraPortNames = extraPorts;
    state_.Settings.LogDateFormat = LogDateFormatFor(QLocale::system());
    store_->Read(state_.Settings);
    settingsReadProblem_ = store_->ReadProblem();
    QString alarmProblem;
    alarms_.SetRules(store_->ReadAlarms(&alarmProblem));
    if (!alarmProblem.isEmpty())
        settingsReadProblem_ +=
            (settingsReadProblem_.isEmpty() ? QString() : QStringLiteral(" ")) + alarmProblem;
    liveRange_ = {double(state_.Settings.MinScale), double(state_.Settings.MaxScale)};

    QStringList ports;
    TSerialPort::ListPortNames(ports, state_.ExtraPortNames);
    portNames_.setStringList(ports);
    meter_.Comm1.SetDeviceName(TSerialPort::NativeName(ports.value(0)));

    connect(&models_, &ModelIdentification::ModelIdentified, this,
            &RecordingSession::ModelIdentified);
    connect(&meter_, &MeterLink::ConnectionAnnounced, this, &RecordingSession::ConnectionAnnounced);
    connect(&meter_.Replug, &ReplugWatch::Reopened, this, [this](const QString& device) {
        // Back before the link was declared lost: the status names the device anew.
        if (state_.Link.MeterConnected)
            emit StatusText(QStringLiteral("Thermometer is connected at ") + device);
    });

    beat_ = std::make_unique<Heartbeat>(state_, std::move(clock));
    ThTimer1.setTimerType(Qt::PreciseTimer);
    ThTimer1.setInterval(Heartbeat::InitialInterval);
    connect(&ThTimer1, &QTimer::timeout, this, [this] { RunGuarded([this] { ThTimer1Timer(); }); });

    connect(&meter_, &MeterLink::Received, this, &RecordingSession::PortOperationEnded);
    portWaitLimit_.setSingleShot(true);
    portWaitLimit_.setTimerType(Qt::PreciseTimer);
    connect(&portWaitLimit_, &QTimer::timeout, this, &RecordingSession::CheckPortWaits);
}

RecordingSession::~RecordingSession() = default;

bool RecordingSession::NeedsSearch() const {
    return state_.Settings.SettingsMissing || state_.Settings.LastConnectedDevice.isEmpty();
}

void RecordingSession::Reconnect() {
    // A search under way holds the port and leaves it open itself.
    if (search_.Running()) {
        emit ReconnectEnded(false);
        return;
    }
    reconnecting_ = true;
    linkSteps_.After(ReconnectSettleMs, [this] {
        try {
            meter_.Comm1.SetActive(false);
        } catch (const std::exception& e) {
            qCInfo(lcLink) << "closing before the reconnect failed:" << e.what();
        }
        state_.Link.MeterConnected = false;
        models_.ApplyLastModel();
        InitLogTable();
        emit StatusText(QStringLiteral("No Connection"));
        InitLiveGraph();
        SetListRunning(false);
        SetGraphRunning(false);
        search_.ReopenLastPort([this](bool opened) {
            // Without the last port the heartbeat stays off until the user runs a search.
            if (opened)
                ThTimer1.start();
            EndReconnect(opened);
        });
    });
}

void RecordingSession::EndReconnect(bool polling) {
    reconnecting_ = false;
    emit ReconnectEnded(polling);
}

void RecordingSession::RunSearch() {
    if (reconnecting_)
        EndReconnect(false);
    SearchHooks hooks;
    hooks.StopHeartbeat = [this] { ThTimer1.stop(); };
    hooks.ApplyLastModel = [this] { models_.ApplyLastModel(); };
    hooks.SetStatus = [this](const QString& text) { emit StatusText(text); };
    hooks.PermissionDenied = &DevicePermissionDenied;
    search_.Run(hooks);
}

void RecordingSession::StartRecording() {
    ThTimer1.start();
    emit LinkShown(state_.Link.MeterConnected);
    InitLiveGraph();
    SetGraphRunning(true);
    SetListRunning(!restoredPaused_);
    restoredPaused_ = false;
}

void RecordingSession::ThTimer1Timer() {
    const Heartbeat::Due due =
        beat_->Tick(ThTimer1.interval(),
                    {meter_.Comm1.Active(), !liveGraphHasPoints_, log_.Cell(1, 1).isEmpty()});
    if (due.Poll)
        SendPoll();
    if (due.LinkLost)
        LinkLost();
    if (due.GraphPoint) {
        liveGraphHasPoints_ = true;
        emit PointDue(*due.GraphPoint);
    }
    if (due.LogRow)
        AppendLogRow(*due.LogRow);
    const AlarmMonitor::Update alarms = alarms_.Evaluate(due.Seen);
    for (const AlarmEvent& event : alarms.Events)
        emit AlarmChanged(event);
    emit AlarmsWatched();
    if (alarms.Beep)
        emit AlarmSoundDue();
    ThTimer1.setInterval(due.NextInterval);
    PortOperationEnded();
}

void RecordingSession::SendPoll() {
    static const uint8_t poll = PollByte; // static storage: the write completes after the tick
    state_.Link.PortBusy = true;
    try {
        meter_.Comm1.WriteData(&poll, 1, false);
    } catch (const std::exception& e) {
        // A lost device shows as missing frames and, in time, as the lost link.
        qCInfo(lcLink) << "poll not sent:" << e.what();
    }
    state_.Link.PortBusy = false;
}

void RecordingSession::LinkLost() {
    qCInfo(lcLink) << "link lost: no frames from" << meter_.Comm1.DeviceName() << "for 5 ticks";
    emit StatusText(QStringLiteral("No Connection"));
    emit LinkShown(false);
}

void RecordingSession::ConnectionAnnounced() {
    const QString device = meter_.Comm1.DeviceName();
    qCInfo(lcLink) << "link up: frames from" << device;
    // The device that answers is the one to reopen at the next start.
    search_.NoteAnsweringPort();
    emit StatusText(QStringLiteral("Thermometer is connected at ") + device);
    emit LinkShown(true);
    emit LinkUp(device);
}

void RecordingSession::InitLogTable() {
    if (state_.Settings.ListingRate == 0)
        SetListingRate(2);
    log_.WriteHeader();
    emit LogTableInitialized();
}

void RecordingSession::InitLiveGraph() {
    if (state_.Settings.GraphingRate == 0)
        SetGraphingRate(2);
    // The graph starts again from the range read at start-up.
    liveRange_ = {double(state_.Settings.MinScale), double(state_.Settings.MaxScale)};
    emit LiveGraphReset();
}

void RecordingSession::AppendLogRow(double now) {
    AppendLogRow(Sample{now, state_.Reading});
}

void RecordingSession::AppendLogRow(const Sample& sample) {
    log_.AppendLogRow(sample, state_.Settings.LogDateFormat);
    const int row = log_.RowCount() - 1;
    if (journal_) {
        if (journal_->Started())
            journal_->Append(log_.LineFields(row));
        else
            StartJournal(); // with this row
    }
    emit RowAppended(row);
    emit RowRecorded(sample);
}

void RecordingSession::BitBtn4Click() {
    log_.Clear();
    if (journal_)
        journal_->Begin();
}

int RecordingSession::TableRows() const {
    return log_.Cell(1, 0).isEmpty() ? 0 : log_.RowCount() - 1;
}

void RecordingSession::EnableJournal(const QString& folder) {
    journal_ = std::make_unique<RowJournal>(folder);
    connect(journal_.get(), &RowJournal::Failed, this, &RecordingSession::JournalFailed);
}

void RecordingSession::StartJournal() {
    if (journal_)
        journal_->Begin(TableRows(), [this](int i) { return log_.LineFields(i + 1); });
}

int RecordingSession::UnsavedRows() const {
    return journal_ ? journal_->Rows() - journal_->SavedRows() : 0;
}

void RecordingSession::RestoreRows(const JournalContents& contents) {
    LogRowStore rows;
    for (int i = 0; i < contents.RowCount(); ++i)
        rows.Append(contents.Row(i));
    log_.LoadRows(std::move(rows));
    SetListRunning(false);
    restoredPaused_ = true;
}

void RecordingSession::LogReplaced() {
    if (journal_)
        journal_->Begin();
}

void RecordingSession::LogSaved(int firstRow, int lastRow) {
    if (!journal_ || journal_->Rows() == 0)
        return;
    // The journal's rows are the table's last ones (after the rows of an opened file).
    const int tableRows = TableRows();
    const int firstJournaled = tableRows - journal_->Rows() + 1;
    if (firstRow <= firstJournaled && lastRow >= firstJournaled)
        journal_->NoteSaved(std::min(lastRow, tableRows) - firstJournaled + 1);
}

QString RecordingSession::SaveLog(const QString& path) {
    const int rows = TableRows();
    const QString problem = LogFileWriter::Save(path, log_, {1, rows}).Error;
    if (problem.isEmpty())
        LogSaved(1, rows);
    return problem;
}

void RecordingSession::DiscardUnsavedRows() {
    if (journal_)
        journal_->Discard();
}

void RecordingSession::SetListRunning(bool running) {
    state_.Recording.ListRunning = running;
    emit ListRunningChanged(running);
}

void RecordingSession::SetGraphRunning(bool running) {
    state_.Recording.GraphRunning = running;
    emit GraphRunningChanged(running);
}

void RecordingSession::SetListingRate(int32_t rate) {
    state_.Settings.ListingRate = rate;
}

void RecordingSession::SetGraphingRate(int32_t rate) {
    state_.Settings.GraphingRate = rate;
}

QString RecordingSession::SetAlarmRules(const AlarmRules& rules) {
    ApplyAlarmRules(rules);
    return store_ ? store_->WriteAlarms(rules) : QString();
}

void RecordingSession::ApplyAlarmRules(const AlarmRules& rules) {
    for (const AlarmEvent& event : alarms_.SetRules(rules))
        emit AlarmChanged(event);
    emit AlarmRulesChanged(rules);
}

void RecordingSession::AcknowledgeAlarms() {
    alarms_.Acknowledge();
    emit AlarmsAcknowledged();
}

bool RecordingSession::SendPanelCommand(uint8_t command) {
    return ::SendPanelCommand(state_.Link, meter_.Comm1, command);
}

void RecordingSession::WhenPortFree(QObject* context, std::function<void()> then) {
    if (!state_.Link.PortBusy) {
        then();
        return;
    }
    PortWait wait{context, {}, std::move(then)};
    wait.Since.start();
    portWaits_.push_back(std::move(wait));
    if (!portWaitLimit_.isActive())
        portWaitLimit_.start(int(PortBusyWaitMs));
}

void RecordingSession::PortOperationEnded() {
    if (!portWaits_.empty())
        QMetaObject::invokeMethod(this, &RecordingSession::CheckPortWaits, Qt::QueuedConnection);
}

void RecordingSession::CheckPortWaits() {
    // Taken out first: a step may open a modal window, and the waits go on meanwhile.
    std::vector<PortWait> due;
    qint64 nextLimit = -1;
    for (auto it = portWaits_.begin(); it != portWaits_.end();) {
        const qint64 left = qint64(PortBusyWaitMs) - it->Since.elapsed();
        if (!state_.Link.PortBusy || left <= 0) {
            due.push_back(std::move(*it));
            it = portWaits_.erase(it);
        } else {
            nextLimit = nextLimit < 0 ? left : std::min(nextLimit, left);
            ++it;
        }
    }
    portWaitLimit_.stop();
    if (nextLimit >= 0)
        portWaitLimit_.start(int(nextLimit));
    for (PortWait& wait : due)
        if (wait.Context)
            RunGuarded(wait.Then);
}

void RecordingSession::ShutDown(bool storeSettings) {
    if (shutDown_)
        return;
    shutDown_ = true;
    // Nothing more takes the port over.
    search_.Stop();
    linkSteps_.Stop();
    reconnecting_ = false;
    // Port events still run during the wait, so the timer stops only after it.
    WhenPortFree(this, [this, storeSettings] { FinishShutDown(storeSettings); });
}

void RecordingSession::FinishShutDown(bool storeSettings) {
    ThTimer1.stop();
    meter_.Replug.Stop();
    // Everything recorded reaches the disk; rows not saved stay for the next start.
    if (journal_)
        journal_->Close();

    QString problem;
    if (storeSettings) {
        try {
            problem = store_->Write(state_.Settings, state_.Reading.ModelCode, liveRange_);
        } catch (const std::exception& e) {
            problem = QStringLiteral("The settings could not be saved: %1.")
                          .arg(QString::fromLocal8Bit(e.what()));
        }
        if (!problem.isEmpty())
            qCInfo(lcSettings) << problem;
    }
    store_.reset();

    try {
        meter_.Comm1.SetActive(false);
    } catch (const std::exception& e) {
        qCInfo(lcLink) << "closing the port at shut-down failed:" << e.what();
    }
    emit ShutDownFinished(problem);
}
