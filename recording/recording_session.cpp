// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/recording_session.h"

#include "base/handler_guard.h"
#include "base/log_categories.h"
#include "link/panel_commands.h"
#include "log/journal_contents.h"
#include "platform/device_access.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

RecordingSession::RecordingSession(std::unique_ptr<QSettings> store, const QStringList& extraPorts,
                                   Heartbeat::Clock clock, QObject* parent)
    : QObject(parent), store_(std::make_unique<SettingsStore>(std::move(store))),
      meter_(state_.Reading, state_.Link), models_(state_),
      search_(state_, meter_, portNames_, linkSteps_,
              [this](const QByteArray& reply) { return models_.IdentifyModel(reply); }),
      portWatch_([this] { return search_.PresentPorts(); },
                 [this] { return search_.PortListMark(); }) {
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
    meter_.Replug.SetExpectedModel([this] { return state_.Reading.ModelCode; });
    connect(&meter_.Replug, &ReplugWatch::Reopened, this, &RecordingSession::MeterBack);
    connect(&meter_.Replug, &ReplugWatch::Refused, this, &RecordingSession::MeterRefusedAt);
    connect(&search_, &PortSearch::Finished, this, &RecordingSession::SearchEnded);
    connect(&portWatch_, &PortWatch::MeterAnswered, this, &RecordingSession::MeterPluggedIn);

    files_ = std::make_unique<LogFiles>(*this);
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
    pollWhenFound_ = true;
    linkSteps_.After(ReconnectSettleMs, [this] {
        try {
            meter_.Comm1.SetActive(false);
        } catch (const std::exception& e) {
            qCInfo(lcLink) << "closing before the reconnect failed:" << e.what();
        }
        state_.Link.MeterConnected = false;
        models_.ApplyLastModel();
        InitLogTable();
        emit StatusText(tr("No Connection"));
        InitLiveGraph();
        SetListRunning(false);
        SetGraphRunning(false);
        search_.ReopenLastPort([this](bool opened) {
            // Without the last port the heartbeat stays off until a meter is found.
            if (!opened) {
                if (meter_.Comm1.InUseElsewhere())
                    MeterRefusedAt(meter_.Comm1.DeviceName(), ReplugWatch::Refusal::InUse);
                EndReconnect(false);
                return;
            }
            // Whatever sits at the last port now must be the same meter to be polled.
            meter_.Replug.Confirm(state_.Settings.LastConnectedSerial, [this](bool same) {
                if (same) {
                    search_.NoteAnsweringPort(); // it answered as the meter: its place is stored
                    ThTimer1.start();
                }
                EndReconnect(same);
            });
        });
    });
}

void RecordingSession::EndReconnect(bool polling) {
    reconnecting_ = false;
    if (!polling && !search_.Running())
        WatchForMeters(search_.PresentPorts());
    emit ReconnectEnded(polling);
}

SearchHooks RecordingSession::Hooks() {
    SearchHooks hooks;
    hooks.StopHeartbeat = [this] { ThTimer1.stop(); };
    hooks.ApplyLastModel = [this] { models_.ApplyLastModel(); };
    hooks.SetStatus = [this](const QString& text) { emit StatusText(text); };
    hooks.PermissionDenied = &DevicePermissionDenied;
    return hooks;
}

void RecordingSession::RunSearch() {
    if (reconnecting_)
        EndReconnect(false);
    // The user's search: OK (or the recorder) starts polling what it finds.
    pollWhenFound_ = false;
    portWatch_.Stop();
    refusal_.clear();
    search_.Run(Hooks());
}

void RecordingSession::SearchEnded(const PortSearch::Result& result) {
    if (shutDown_)
        return;
    if (!result.Found) {
        // Ports plugged in from now on (or since the search took its list) are asked.
        WatchForMeters(search_.PresentAtSearch());
        return;
    }
    portWatch_.Stop();
    refusal_.clear();
    // The adapter's serial number tells the meter's device from another at the next start.
    const DeviceIdentity& identity = meter_.Replug.Identity();
    const bool learnt = meter_.Comm1.Active() && identity.Path == meter_.Comm1.DeviceName();
    state_.Settings.LastConnectedSerial = learnt ? identity.SerialNumber : QString();
    if (pollWhenFound_) {
        // No OK follows: the panel shows the link as the first frame would.
        ThTimer1.start();
        emit LinkShown(true);
    }
}

void RecordingSession::WatchForMeters(const QStringList& known) {
    if (!shutDown_ && !state_.Link.MeterConnected)
        portWatch_.Start(known);
}

void RecordingSession::MeterPluggedIn(const QString& device, const QByteArray& reply) {
    if (shutDown_ || search_.Running() || reconnecting_)
        return;
    search_.Adopt(device, reply, Hooks());
}

void RecordingSession::MeterBack(const QString& device, int32_t model) {
    refusal_.clear();
    portWatch_.Stop();
    search_.NoteAnsweringPort();
    // Said at every return, also one too quick for the link to be declared lost
    // (a reused device name, an adapter without a serial number): the user can
    // tell when another device of the same model took the meter's place.
    const QString text = tr("The port %1 was reopened; the meter answers as model %2.")
                             .arg(device, QString::number(model));
    qCInfo(lcLink) << text;
    emit StatusText(text);
    emit MeterReopened(text);
    if (!state_.Link.MeterConnected && pollWhenFound_ && !ThTimer1.isActive())
        ThTimer1.start(); // refused at the start, the meter is back since
}

void RecordingSession::MeterRefusedAt(const QString& device, ReplugWatch::Refusal why) {
    QString text;
    switch (why) {
    case ReplugWatch::Refusal::None:
        refusal_.clear();
        emit StatusText(tr("No Connection"));
        return;
    case ReplugWatch::Refusal::OtherMeter:
        text = tr("A different meter is connected at %1").arg(device);
        break;
    case ReplugWatch::Refusal::NoAnswer:
        text = tr("No thermometer answers at %1").arg(device);
        break;
    case ReplugWatch::Refusal::InUse:
        text = tr("%1 is in use by another program").arg(device);
        break;
    }
    qCInfo(lcLink) << text;
    refusal_ = text;
    emit StatusText(text);
    emit MeterRefused(device, why);
}

void RecordingSession::StartRecording() {
    ThTimer1.start();
    pollWhenFound_ = true;
    emit LinkShown(state_.Link.MeterConnected);
    InitLiveGraph();
    SetGraphRunning(true);
    SetListRunning(!restoredPaused_);
    restoredPaused_ = false;
}

void RecordingSession::ThTimer1Timer() {
    const Heartbeat::Due due =
        beat_->Tick(ThTimer1.interval(), {meter_.Comm1.Active() && meter_.Comm1.HasOnRxChar(),
                                          !liveGraphHasPoints_, log_.Cell(1, 1).isEmpty()});
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
    // Where another device sits at the meter's place, that says more.
    emit StatusText(refusal_.isEmpty() ? tr("No Connection") : refusal_);
    emit LinkShown(false);
}

void RecordingSession::ConnectionAnnounced() {
    const QString device = meter_.Comm1.DeviceName();
    qCInfo(lcLink) << "link up: frames from" << device;
    // Frames alone do not make a port the meter's for the next start: only an answer
    // to the identification request does (the search's, or the check of a reopen).
    portWatch_.Stop();
    refusal_.clear();
    // A meter answers as the model taken for it.
    state_.Reading.ModelAssumed = false;
    emit StatusText(tr("Thermometer is connected at %1").arg(device));
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
    restoredRows_ = 0;
    if (journal_)
        journal_->Begin();
}

int RecordingSession::TableRows() const {
    return log_.Cell(1, 0).isEmpty() ? 0 : log_.RowCount() - 1;
}

void RecordingSession::EnableJournal(const QString& folder) {
    journal_ = std::make_unique<RowJournal>(folder);
    connect(journal_.get(), &RowJournal::Failed, this, &RecordingSession::JournalFailed);
    connect(journal_.get(), &RowJournal::Resumed, this, &RecordingSession::JournalResumed);
}

void RecordingSession::StartJournal(const QStringList& restoredFrom) {
    if (journal_)
        journal_->Begin(
            TableRows(), [this](int i) { return log_.LineFields(i + 1); }, restoredFrom);
}

int RecordingSession::UnsavedRows() const {
    return journal_ ? journal_->Rows() - journal_->SavedRows() : 0;
}

QString RecordingSession::RestoreRows(const JournalContents& contents) {
    LogRowStore rows;
    JournalContents::RowReader reader(contents);
    LogLineFormat::Fields fields;
    while (reader.Next(fields))
        rows.Append(fields);
    if (!reader.Error().isEmpty())
        return reader.Error();
    const LogRowStore& table = log_.Rows();
    const int before = std::min(restoredRows_, table.Count());
    LogRowStore merged;
    LogRowStore::Reader tableReader(table, 0);
    LogRowStore::CellViews cells;
    for (int i = 0; i < before && tableReader.Next(cells); ++i)
        merged.AppendRaw(cells);
    merged.AppendRows(rows);
    while (tableReader.Next(cells))
        merged.AppendRaw(cells);
    restoredRows_ = before + rows.Count();
    log_.ReplaceRows(std::move(merged));
    SetListRunning(false);
    restoredPaused_ = true;
    return {};
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

QString RecordingSession::FileFolder() const {
    const QString last = store_ ? store_->ReadFileFolder() : fileFolder_;
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString RecordingSession::SetFileFolder(const QString& folder) {
    fileFolder_ = folder;
    return store_ ? store_->WriteFileFolder(folder) : QString();
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
    portWatch_.Stop();
    linkSteps_.Stop();
    reconnecting_ = false;
    // Port events still run during the wait, so the timer stops only after it.
    WhenPortFree(this, [this, storeSettings] { FinishShutDown(storeSettings); });
}

void RecordingSession::FinishShutDown(bool storeSettings) {
    ThTimer1.stop();
    meter_.Replug.Stop();
    // A file being written is finished, and noted, before the journal closes.
    files_->Wait();
    // Everything recorded reaches the disk; rows not saved stay for the next start.
    if (journal_)
        journal_->Close();

    QString problem;
    if (storeSettings) {
        try {
            // The model the meter last answered with; one shown without a meter is not stored.
            problem = store_->Write(state_.Settings, state_.Settings.LastModel, liveRange_);
        } catch (const std::exception& e) {
            problem =
                tr("The settings could not be saved: %1.").arg(QString::fromLocal8Bit(e.what()));
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
