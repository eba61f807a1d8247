#include "link/port_search.h"

#include "base/delay.h"
#include "base/handler_guard.h"
#include "base/log_categories.h"
#include "platform/device_access.h"

#include <QFileInfo>
#include <array>
#include <cerrno>

namespace {
uint8_t IdentificationRequest = 'K'; // static storage: the write is asynchronous
constexpr int ReplySize = 4;

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

PortSearch::PortSearch(AppState& state, MeterLink& meter, QStringListModel& ports,
                       std::function<bool(const QByteArray&)> identify)
    : state_(state), meter_(meter), ports_(ports), identify_(std::move(identify)),
      portSource_([&state] {
          QStringList list;
          TSerialPort::ListPortNames(list, state.ExtraPortNames);
          return list;
      }) {}

PortSearch::Result PortSearch::Run(const SearchHooks& hooks) {
    Result result;
    state_.SearchInProgress = true;
    meter_.Replug.Stop(); // the search takes the port over
    if (hooks.StopHeartbeat)
        hooks.StopHeartbeat();
    DelayWithMessages(delays_.Settle);
    Try([&] { meter_.Comm1.SetActive(false); });
    state_.Link.MeterConnected = false;
    if (hooks.ShowSearching)
        hooks.ShowSearching();
    DelayWithMessages(delays_.Searching);

    // Ports deleted by an earlier search, or plugged in since, get their chance again.
    ports_.setStringList(portSource_());
    QStringList refused, busy;
    const int count = ports_.rowCount();
    int position = 0;
    for (int i = 0; i < count; ++i) {
        const QString device = ports_.stringList().value(position);
        const bool opened = Try([&] {
            meter_.Comm1.SetDeviceName(TSerialPort::NativeName(device));
            meter_.DetachRxChar();
            meter_.Comm1.SetActive(true);
        });
        if (!opened || !meter_.Comm1.Active()) {
            // A port that cannot be opened leaves the list until the next search.
            qCInfo(lcSearch) << device << "could not be opened";
            if (hooks.PermissionDenied && hooks.PermissionDenied(device))
                refused.append(device);
            else if (meter_.Comm1.LastErrorCode() == EACCES ||
                     meter_.Comm1.LastErrorCode() == EBUSY)
                busy.append(device);
            ports_.removeRows(position, 1);
            continue;
        }
        QByteArray reply;
        const bool identified = AskModel(reply);
        qCInfo(lcSearch) << device << "answered" << reply.toHex(' ')
                         << (identified ? "(a meter)" : "(no meter)");
        if (identified) {
            state_.Link.MeterConnected = true;
            state_.SearchInProgress = false;
            break;
        }
        Try([&] { meter_.Comm1.SetActive(false); });
        ++position;
    }

    if (state_.Link.MeterConnected) {
        result.Found = true;
        const QString name = meter_.Comm1.DeviceName();
        if (hooks.SetStatus)
            hooks.SetStatus(QStringLiteral("Thermometer is connected at ") + name);
        result.Lines << QStringLiteral("Serial Port :") + name
                     << QStringLiteral("Model:") + state_.Reading.ModelText;
        Try([&] {
            NoteAnsweringPort();
            state_.Settings.LastModel = state_.Reading.ModelCode;
            meter_.Comm1.SetActive(false);
            meter_.AttachRxChar();
            DelayWithMessages(delays_.Reopen);
            meter_.Comm1.SetActive(true);
        });
    } else {
        if (hooks.ApplyLastModel)
            hooks.ApplyLastModel();
        if (hooks.SetStatus)
            hooks.SetStatus(QStringLiteral("No Connection"));
        result.Lines << QStringLiteral("Can not find any THERMOMETER");
        ReopenLastPort();
    }
    for (const QString& device : busy)
        result.Lines << QStringLiteral("%1 is in use by another program.").arg(device);
    for (const QString& device : refused) {
        const QString group = DeviceGroup(device);
        result.Lines
            << QStringLiteral("%1 was skipped: permission denied.").arg(device)
            << (group.isEmpty() || group == QLatin1String("root")
                    ? QStringLiteral("Ask your administrator for access to the serial ports.")
                    : QStringLiteral("Join the group \"%1\" (sudo usermod -aG %1 $USER), then "
                                     "log in again.")
                          .arg(group));
    }
    state_.SearchInProgress = false;
    return result;
}

bool PortSearch::AskModel(QByteArray& reply) {
    Try([&] { meter_.Comm1.WriteData(&IdentificationRequest, 1, false); });
    DelayWithMessages(delays_.Reply);
    uint32_t waiting = 0;
    if (!Try([&] { waiting = meter_.Comm1.BytesWaiting(); }))
        waiting = 0;
    if (waiting < ReplySize)
        return false;
    // The reply buffer holds 8 bytes; anything beyond is drained in pieces of that size.
    // Only an exact 4-byte reply can be a model, so a longer one is kept just long enough to fail.
    std::array<uint8_t, 8> buffer;
    Try([&] {
        while (waiting > 0) {
            const int n = int(std::min<uint32_t>(waiting, buffer.size()));
            meter_.Comm1.ReadData(buffer.data(), n, false);
            if (reply.size() <= ReplySize)
                reply.append(reinterpret_cast<const char*>(buffer.data()), n);
            waiting -= uint32_t(n);
        }
    });
    return identify_(reply);
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

bool PortSearch::ReopenLastPort() {
    return Try([&] {
        const int position = LastPortPosition();
        if (position < 0 || position >= ports_.rowCount())
            Abort(); // no such entry: the port stays closed
        meter_.Comm1.SetDeviceName(TSerialPort::NativeName(ports_.stringList().at(position)));
        meter_.AttachRxChar();
        DelayWithMessages(delays_.Reopen);
        meter_.Comm1.SetActive(true);
    });
}
