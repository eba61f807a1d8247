// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_search.h"

#include "base/handler_guard.h"
#include "base/log_categories.h"
#include "link/model_query.h"
#include "meter/meter_protocol.h"
#include "platform/device_access.h"

namespace {
// Runs one port call; a failure is ignored, as the search just goes on. The port
// reports its reason on the link's diagnostics as it fails.
bool Try(const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (const std::exception& e) {
        qCInfo(lcSearch) << "port call failed, search goes on:" << e.what();
        return false;
    }
}

} // namespace

PortSearch::PortSearch(AppState& state, MeterLink& meter, QStringListModel& ports, StepTimer& steps,
                       std::function<bool(const QByteArray&)> identify, QObject* parent)
    : QObject(parent), state_(state), meter_(meter), ports_(ports), steps_(steps),
      identify_(std::move(identify)), portSource_([&state] {
          QStringList list;
          TSerialPort::ListPortNames(list, state.ExtraPortNames);
          return list;
      }),
      portListMark_([&state] { return DeviceListMark(state.ExtraPortNames); }) {}

void PortSearch::SetPortSource(std::function<QStringList()> source) {
    portSource_ = std::move(source);
    portListMark_ = {}; // a list made up elsewhere may change at any time
}

QStringList PortSearch::Present(const QStringList& ports) {
    QStringList present;
    for (const QString& port : ports)
        if (TSerialPort::Present(port))
            present.append(port);
    return present;
}

QString PortSearch::PortListMark() const {
    return portListMark_ ? portListMark_() : QString();
}

void PortSearch::Run(const SearchHooks& hooks) {
    Begin(hooks);
    state_.SearchInProgress = true;
    emit Started();
    steps_.After(delays_.Settle, [this] { Settled(); });
}

void PortSearch::Begin(const SearchHooks& hooks) {
    hooks_ = hooks;
    result_ = {};
    refused_.clear();
    busy_.clear();
    running_ = true;
    meter_.Replug.Stop(); // the search takes the port over
    if (hooks_.StopHeartbeat)
        hooks_.StopHeartbeat();
}

void PortSearch::Stop() {
    if (!running_)
        return;
    steps_.Stop();
    running_ = false;
    state_.SearchInProgress = false;
}

void PortSearch::Settled() {
    Try([&] { meter_.Comm1.SetActive(false); });
    state_.Link.MeterConnected = false;
    emit SearchingShown();
    steps_.After(delays_.Searching, [this] {
        // Ports deleted by an earlier search, or plugged in since, get their chance again.
        ports_.setStringList(portSource_());
        presentAtSearch_ = Present(ports_.stringList());
        remaining_ = ports_.rowCount();
        position_ = 0;
        TryPorts();
    });
}

void PortSearch::TryPorts() {
    // Ports that cannot be opened are passed over at once; the first that opens is asked.
    while (remaining_ > 0) {
        --remaining_;
        const QString device = ports_.stringList().value(position_);
        emit PortTried(device);
        const bool opened = Try([&] {
            meter_.Comm1.SetDeviceName(TSerialPort::NativeName(device));
            meter_.DetachRxChar();
            meter_.Comm1.SetActive(true);
        });
        if (opened && meter_.Comm1.Active()) {
            ModelQuery::Ask(meter_.Comm1);
            steps_.After(delays_.Reply, [this, device] { ReplyDue(device); });
            return;
        }
        // A port that cannot be opened leaves the list until the next search.
        qCInfo(lcSearch) << device << "could not be opened";
        if (hooks_.PermissionDenied && hooks_.PermissionDenied(device))
            refused_.append(device);
        else if (meter_.Comm1.InUseElsewhere())
            busy_.append(device);
        ports_.removeRows(position_, 1);
    }
    NoneAnswered();
}

void PortSearch::ReplyDue(const QString& device) {
    const QByteArray reply = ModelQuery::Answer(meter_.Comm1);
    const bool identified = identify_(reply);
    qCInfo(lcSearch) << device << "answered" << reply.toHex(' ')
                     << (identified ? "(a meter)" : "(no meter)");
    if (identified) {
        state_.Link.MeterConnected = true;
        state_.SearchInProgress = false;
        Answered();
        return;
    }
    Try([&] { meter_.Comm1.SetActive(false); });
    ++position_;
    TryPorts();
}

void PortSearch::Adopt(const QString& device, const QByteArray& reply, const SearchHooks& hooks) {
    Begin(hooks);
    steps_.Stop();
    Try([&] { meter_.Comm1.SetActive(false); });
    // The port list as it is now, with the new port in it, for its position.
    ports_.setStringList(portSource_());
    presentAtSearch_ = Present(ports_.stringList());
    const bool named = Try([&] { meter_.Comm1.SetDeviceName(TSerialPort::NativeName(device)); });
    if (!named || !identify_(reply)) {
        state_.Link.MeterConnected = false;
        NoneAnswered();
        return;
    }
    qCInfo(lcSearch) << device << "was plugged in and answered" << reply.toHex(' ');
    state_.Link.MeterConnected = true;
    Answered();
}

void PortSearch::Answered() {
    result_.Found = true;
    const QString name = meter_.Comm1.DeviceName();
    result_.Lines << tr("Serial Port :%1").arg(name)
                  << tr("Model:%1").arg(ShownModelText(state_.Reading.ModelText));
    // One catch-all block to the reopen: a failure on the way skips the rest.
    const bool closed = Try([&] {
        NoteAnsweringPort();
        state_.Settings.LastModel = state_.Reading.ModelCode;
        meter_.Comm1.SetActive(false);
        meter_.AttachRxChar();
    });
    if (!closed) {
        Finish();
        return;
    }
    steps_.After(delays_.Reopen, [this] {
        Try([&] { meter_.Comm1.SetActive(true); });
        Finish();
    });
}

void PortSearch::NoneAnswered() {
    if (hooks_.ApplyLastModel)
        hooks_.ApplyLastModel();
    result_.Lines << tr("Can not find any THERMOMETER");
    ReopenLastPort([this](bool) { Finish(); });
}

void PortSearch::Finish() {
    for (const QString& device : busy_)
        result_.Lines << tr("%1 is in use by another program.").arg(device);
    for (const QString& device : refused_) {
        const QString group = DeviceGroup(device);
        result_.Lines
            << tr("%1 was skipped: permission denied.").arg(device)
            << (group.isEmpty() || group == QLatin1String("root")
                    ? tr("Ask your administrator for access to the serial ports.")
                    : tr("Join the group \"%1\" (sudo usermod -aG %1 $USER), then log in again.")
                          .arg(group));
    }
    running_ = false;
    state_.SearchInProgress = false;
    // The status follows the result's showing, not the answer before the reopen wait.
    if (hooks_.SetStatus)
        hooks_.SetStatus(result_.Found
                             ? tr("Thermometer is connected at %1").arg(meter_.Comm1.DeviceName())
                             : tr("No Connection"));
    const Result result = result_; // a receiver may start the next search
    emit Finished(result);
}

void PortSearch::NoteAnsweringPort() {
    const QStringList listed = ports_.stringList();
    for (int i = 0; i < listed.size(); ++i) {
        if (TSerialPort::NativeName(listed[i]) == meter_.Comm1.DeviceName()) {
            state_.Settings.LastConnectedPort = i;
            state_.Settings.LastConnectedDevice = listed[i];
            return;
        }
    }
}

int PortSearch::LastPortPosition() const {
    const QString& device = state_.Settings.LastConnectedDevice;
    if (!device.isEmpty()) {
        const int byName = int(ports_.stringList().indexOf(device));
        if (byName >= 0)
            return byName;
    }
    return state_.Settings.LastConnectedPort;
}

void PortSearch::ReopenLastPort(std::function<void(bool opened)> then) {
    // One catch-all block, the wait included: a failure skips the remaining steps.
    const bool named = Try([&] {
        const int position = LastPortPosition();
        if (position < 0 || position >= ports_.rowCount())
            Abort(); // no such entry: the port stays closed
        meter_.Comm1.SetDeviceName(TSerialPort::NativeName(ports_.stringList().at(position)));
        meter_.AttachRxChar();
    });
    if (!named) {
        then(false);
        return;
    }
    steps_.After(delays_.Reopen, [this, then = std::move(then)] {
        then(Try([&] { meter_.Comm1.SetActive(true); }));
    });
}
