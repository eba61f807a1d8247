#pragma once
// Finds the meter: tries every listed port in turn with the identification
// request and takes the first whose answer is exactly one of the model replies.
// Each search starts from a fresh port list, so a meter plugged in after the
// program started is found too. Ends with the port reopened for frame reception,
// on the answering port or, when none answered, on the port that answered last time.

#include "base/app_state.h"
#include "link/meter_link.h"

#include <QStringListModel>
#include <functional>

struct SearchDelays {
    uint32_t Settle = 400;     // before the port is closed
    uint32_t Searching = 3000; // after "searching" is shown, before the first port
    uint32_t Reply = 500;      // for the meter's identification reply
    uint32_t Reopen = 500;     // before the port is reopened for reception
};

struct SearchHooks {
    std::function<void()> StopHeartbeat;
    std::function<void()> ShowSearching;
    std::function<void()> ApplyLastModel;
    std::function<void(const QString&)> SetStatus;
    // True when the device exists but this user may not open it.
    std::function<bool(const QString& device)> PermissionDenied;
};

class PortSearch {
public:
    struct Result {
        bool Found = false;
        QStringList Lines; // the result lines for the user
    };

    PortSearch(AppState& state, MeterLink& meter, QStringListModel& ports,
               std::function<bool(const QByteArray& reply)> identify);

    void SetDelays(const SearchDelays& delays) { delays_ = delays; }
    // Where a search gets its port list; by default the system's serial ports
    // followed by the devices of the command line and the demo.
    void SetPortSource(std::function<QStringList()> source) { portSource_ = std::move(source); }
    // The ports a search would try now.
    QStringList ListedPorts() const { return portSource_(); }
    const SearchDelays& Delays() const { return delays_; }

    // Runs the whole search; SearchInProgress is set while it runs.
    Result Run(const SearchHooks& hooks);

    // The port open now delivers a meter's frames or replies: it is the one to reopen
    // at the next start, by name and by its position in the list.
    void NoteAnsweringPort();
    // Opens the port that answered last time, for frame reception; false when it
    // could not be opened (the failure is otherwise ignored).
    bool ReopenLastPort();
    // The list position ReopenLastPort would use: the stored device when it is still
    // listed (positions shift when the list changes between runs), else the stored position.
    int LastPortPosition() const;

private:
    // Sends the identification request and checks the reply on the open port.
    bool AskModel(QByteArray& reply);

    AppState& state_;
    MeterLink& meter_;
    QStringListModel& ports_; // the port list; ports that cannot be opened leave it
    std::function<bool(const QByteArray&)> identify_;
    std::function<QStringList()> portSource_;
    SearchDelays delays_;
};
