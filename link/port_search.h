// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the meter: tries every listed port in turn with the identification
// request and takes the first whose answer is exactly one of the model replies.
// Each search starts from a fresh port list, so a meter plugged in after the
// program started is found too. Ends with the port reopened for frame reception,
// on the answering port or, when none answered, on the port that answered last time.
// The search runs step by step on timers and reports each step by a signal.

#include "base/app_state.h"
#include "base/step_timer.h"
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
    std::function<void()> ApplyLastModel;
    std::function<void(const QString&)> SetStatus;
    // True when the device exists but this user may not open it.
    std::function<bool(const QString& device)> PermissionDenied;
};

class PortSearch : public QObject {
    Q_OBJECT
public:
    struct Result {
        bool Found = false;
        QStringList Lines; // the result lines for the user
    };

    // The search waits on steps, which it shares with whatever else takes the port over.
    PortSearch(AppState& state, MeterLink& meter, QStringListModel& ports, StepTimer& steps,
               std::function<bool(const QByteArray& reply)> identify, QObject* parent = nullptr);

    void SetDelays(const SearchDelays& delays) { delays_ = delays; }
    // Where a search gets its port list; by default the system's serial ports
    // followed by the devices of the command line and the demo.
    void SetPortSource(std::function<QStringList()> source);
    // The ports a search would try now.
    QStringList ListedPorts() const { return portSource_(); }
    // Of those, the ones that are there now.
    QStringList PresentPorts() const { return Present(portSource_()); }
    // Changes whenever the ports present may have changed; empty when that is unknown.
    QString PortListMark() const;
    const SearchDelays& Delays() const { return delays_; }

    // Starts a search, in place of any sequence still waiting on the port; Finished
    // ends it. SearchInProgress is set until a port has answered or, when none does,
    // until the search ends.
    void Run(const SearchHooks& hooks);
    // A port plugged in since answered the identification request with reply: the
    // search's end as if it had found the meter there (the port reopened for
    // reception, Finished). Used while no meter is linked.
    void Adopt(const QString& device, const QByteArray& reply, const SearchHooks& hooks);
    // The ports that were there when the last search took its list.
    QStringList PresentAtSearch() const { return presentAtSearch_; }
    // From Run until Finished, the reopen after an answer included.
    bool Running() const { return running_; }
    // Ends a search where it stands, without a result: the program is ending.
    void Stop();

    // The port open now delivers a meter's frames or replies: it is the one to reopen
    // at the next start, by name and by its position in the list.
    void NoteAnsweringPort();
    // Opens the port that answered last time, for frame reception, after the reopen
    // wait; then learns whether it opened (a failure is otherwise ignored).
    void ReopenLastPort(std::function<void(bool opened)> then);
    // The list position ReopenLastPort would use: the stored device when it is still
    // listed (positions shift when the list changes between runs), else the stored position.
    int LastPortPosition() const;

signals:
    void Started();
    // "Searching" is shown; the first port is tried after the searching wait.
    void SearchingShown();
    // This port is tried next: opened and asked for its model.
    void PortTried(const QString& device);
    // A port answered, or none did; the port is open again for reception if it could be.
    void Finished(const PortSearch::Result& result);

private:
    static QStringList Present(const QStringList& ports);
    void Begin(const SearchHooks& hooks);
    void Settled();
    void TryPorts();
    void ReplyDue(const QString& device);
    void Answered();
    void NoneAnswered();
    void Finish();

    AppState& state_;
    MeterLink& meter_;
    QStringListModel& ports_; // the port list; ports that cannot be opened leave it
    StepTimer& steps_;
    std::function<bool(const QByteArray&)> identify_;
    std::function<QStringList()> portSource_;
    std::function<QString()> portListMark_;
    SearchDelays delays_;

    // The search under way.
    bool running_ = false;
    SearchHooks hooks_;
    Result result_;
    QStringList refused_, busy_;
    QStringList presentAtSearch_;
    int remaining_ = 0; // ports of this search's list not tried yet
    int position_ = 0;  // list position of the next port
};

Q_DECLARE_METATYPE(PortSearch::Result)
