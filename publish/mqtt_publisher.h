// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Publishes each recorded reading to an MQTT broker through libmosquitto: one JSON
// message on <base>/reading at QoS 1, <base>/status kept "online" (retained) with
// "offline" as the last will, and, when asked, Home Assistant's discovery.
//
// The library's network thread does all the talking; what it learns comes back by
// queued calls, so everything here runs on the owner's thread and Publish() never
// waits for the network. Each connection attempt has a client and a thread of its
// own, and a failed or lost one is tried again after 1, 2, 4 … up to 60 seconds:
// nothing the library does on a failure (a thread that ends quietly after a TLS
// error, a connect that hangs) can leave publishing stuck. Readings wait in a
// bounded queue while the broker is away and go out in order when it is back.
// A broker that takes readings but does not acknowledge them is said too, while
// it happens, not only when the program ends.

#include "meter/sample.h"
#include "publish/broker_address.h"
#include "publish/message_queue.h"

#include <QObject>
#include <QTimer>
#include <memory>

// How long the publisher waits on the broker; tests shorten the waits.
struct PublishTiming {
    // The library's keep-alive (5 at least): a connection silent for about twice
    // as long is lost.
    int KeepAliveSeconds = 30;
    // An attempt the broker has not answered by then is given up and tried anew.
    int AnswerWaitSeconds = 30;
    // Readings sent and none of them acknowledged for that long are said.
    int AcknowledgeWaitSeconds = 30;
};

class MqttPublisher : public QObject {
    Q_OBJECT
public:
    static constexpr int DayOfRows = 86400; // one-second rows
    static constexpr int FirstRetryMs = 1000;
    static constexpr int LastRetryMs = 60000;
    // Messages handed to the library at once; the rest wait in the queue.
    static constexpr int InFlightLimit = 100;
    static constexpr int StopWaitMs = 3000;

    explicit MqttPublisher(PublishOptions options, int queueLimit = DayOfRows,
                           PublishTiming timing = {}, QObject* parent = nullptr);
    ~MqttPublisher() override;

    // Connects, and keeps connecting until Stop().
    void Start();
    // Queues the reading of one recorded row and sends what the connection can take.
    void Publish(const Sample& sample);
    // The alarm state, kept (retained) on <base>/alarm: sent now when connected,
    // and again on every connection, so the broker always holds the latest.
    void PublishAlarm(const QByteArray& payload);
    // Publishes "offline", lets what waits go out for up to waitMs while connected,
    // and disconnects. Returns the readings still waiting, which were not delivered.
    int Stop(int waitMs = StopWaitMs);

    bool Connected() const { return connected_; }
    int Waiting() const { return queue_.Size(); }
    const MessageQueue& Queue() const { return queue_; }

signals:
    // One line for the user: connected, a failure (each once, until the broker is
    // back), back again, readings not acknowledged and acknowledged again, readings
    // dropped; brief says the same in a few words, for a status bar.
    void Said(const QString& line, const QString& brief);

private:
    struct Link;
    // Silent: no answer to the connect in time; KeepAlive: the broker stopped
    // answering the library's keep-alive.
    enum class Failure { Unreachable, Refused, Lost, Tls, Silent, KeepAlive };

    // libmosquitto's callbacks, on its network thread.
    static void OnConnect(struct mosquitto* client, void* link, int code);
    static void OnDisconnect(struct mosquitto* client, void* link, int code);
    static void OnPublish(struct mosquitto* client, void* link, int id);
    static void OnLog(struct mosquitto* client, void* link, int level, const char* text);
    // Runs a call on the publisher's thread, unless the link was retired meanwhile.
    template <typename Call> static void CallBack(Link& link, Call call);

    void Attempt();
    void LinkUp(int attempt);
    // The attempt or the connection ended, and why.
    void LinkEnded(int attempt, Failure failure, const QString& reason);
    void TakeAcknowledgements();
    // Readings in flight and no acknowledgement for the wait: said once.
    void AcknowledgementsOverdue();
    void LibraryError(int attempt, const QString& text);
    // Hands queued readings to the connection while fewer than this are unacknowledged.
    void HandOver(int inFlightLimit);
    void PublishRetained(const QByteArray& topic, const QByteArray& payload);
    void AnnounceDiscovery();
    // Ends the current link; abort cuts a connect the network has not answered.
    void Retire(bool abort);

    PublishOptions options_;
    PublishTiming timing_;
    QByteArray readingTopic_;
    QByteArray statusTopic_;
    QByteArray alarmTopic_;
    QByteArray alarm_; // the latest alarm state; empty: none to keep
    MessageQueue queue_;
    std::shared_ptr<Link> link_;
    int attempt_ = 0;
    bool connected_ = false;
    bool everConnected_ = false;
    bool stopped_ = false;
    int retryMs_ = FirstRetryMs;
    QTimer retry_;
    QTimer answerWait_;
    QTimer acknowledgeWait_; // runs while readings are in flight, from the last acknowledgement
    bool saidUnacknowledged_ = false;
    QString saidProblem_; // the failure said last; empty while connected
    QString libraryError_;
    long long droppedBefore_ = 0; // dropped before the current time away
    bool saidDropping_ = false;
    bool haveReading_ = false;
    CurrentReading lastReading_;
    QString announced_; // the discovery key last announced on this connection
};
