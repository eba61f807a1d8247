// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/mqtt_publisher.h"

#include "base/log_categories.h"
#include "platform/network_socket.h"
#include "publish/reading_message.h"

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mosquitto.h>
#include <mutex>
#include <thread>
#include <vector>

// One connection attempt: a client of its own and, once connecting, its network
// thread. Whoever is last of the publisher and the thread that starts it closes it.
struct MqttPublisher::Link {
    mosquitto* Client = nullptr;
    int Attempt = 0;
    std::mutex Mutex; // guards what follows
    std::condition_variable Changed;
    MqttPublisher* Target = nullptr; // cleared when retired: nothing calls back after
    std::vector<int> Acknowledged;   // ids the broker acknowledged, not yet taken
    bool Gone = false;               // the connection ended
    bool Starting = true;            // the starting thread has not finished
    bool LoopStarted = false;

    // Ends the connection and its thread; abort cuts a connect still waiting.
    void Close(bool abort) {
        if (!Client)
            return;
        mosquitto_disconnect(Client);
        if (abort) {
            // Else the thread waits for a connect the network may never answer.
            const int socket = mosquitto_socket(Client);
            if (socket >= 0)
                ShutDownSocket(socket);
        }
        if (LoopStarted)
            mosquitto_loop_stop(Client, false);
        mosquitto_destroy(Client);
        Client = nullptr;
    }
};

namespace {
QString ConnackText(int code) {
    switch (code) {
    case 1:
        return MqttPublisher::tr("it does not speak this protocol version");
    case 2:
        return MqttPublisher::tr("it rejected the client identifier");
    case 3:
        return MqttPublisher::tr("the server is unavailable");
    case 4:
        return MqttPublisher::tr("bad user name or password");
    case 5:
        return MqttPublisher::tr("not authorised (wrong user name or password?)");
    default:
        return QString::fromUtf8(mosquitto_connack_string(code));
    }
}

// The library's result code as the user reads it; error is errno right after the call.
QString ResultText(int code, int error) {
    switch (code) {
    case MOSQ_ERR_ERRNO:
        return QString::fromLocal8Bit(std::strerror(error));
    case MOSQ_ERR_EAI: // the library leaves the resolver's code in errno
        return ResolverErrorText(error);
    // Codes the library itself has no words for.
    case MOSQ_ERR_MALFORMED_PACKET:
        return MqttPublisher::tr("the broker sent a packet that breaks the protocol");
    case MOSQ_ERR_LOOKUP:
        return MqttPublisher::tr("the host name could not be looked up");
    case MOSQ_ERR_TIMEOUT:
        return MqttPublisher::tr("the broker did not answer in time");
    default:
        break;
    }
    // untranslated: the library's own words for a code it does not know
    if (code == MOSQ_ERR_UNKNOWN || std::strcmp(mosquitto_strerror(code), "Unknown error.") == 0)
        return MqttPublisher::tr("error %1 of the MQTT library").arg(code);
    QString text = QString::fromUtf8(mosquitto_strerror(code));
    if (text.endsWith(QLatin1Char('.'))) // it ends a part of a line here
        text.chop(1);
    return text;
}
} // namespace

template <typename Call> void MqttPublisher::CallBack(Link& link, Call call) {
    // Under the link's lock: the publisher clears Target under it before it goes away.
    std::lock_guard lock(link.Mutex);
    if (link.Target)
        QMetaObject::invokeMethod(
            link.Target, [target = link.Target, call] { call(*target); }, Qt::QueuedConnection);
}

void MqttPublisher::OnConnect(mosquitto* client, void* data, int code) {
    auto& link = *static_cast<Link*>(data);
    const int attempt = link.Attempt;
    if (code == 0) {
        CallBack(link, [attempt](MqttPublisher& p) { p.LinkUp(attempt); });
        return;
    }
    // The library would try again by itself; the publisher does that, with its back-off.
    mosquitto_disconnect(client);
    CallBack(link, [attempt, reason = ConnackText(code)](MqttPublisher& p) {
        p.LinkEnded(attempt, Failure::Refused, reason);
    });
}

void MqttPublisher::OnDisconnect(mosquitto* client, void* data, int code) {
    const int error = errno;
    auto& link = *static_cast<Link*>(data);
    mosquitto_disconnect(client); // no reconnect by the library: the thread ends
    {
        std::lock_guard lock(link.Mutex);
        link.Gone = true;
    }
    link.Changed.notify_all();
    if (code == MOSQ_ERR_SUCCESS)
        return; // asked for
    const int attempt = link.Attempt;
    if (code == MOSQ_ERR_KEEPALIVE) {
        CallBack(link,
                 [attempt](MqttPublisher& p) { p.LinkEnded(attempt, Failure::KeepAlive, {}); });
        return;
    }
    CallBack(link, [attempt, reason = ResultText(code, error)](MqttPublisher& p) {
        p.LinkEnded(attempt, Failure::Lost, reason);
    });
}

void MqttPublisher::OnPublish(mosquitto*, void* data, int id) {
    auto& link = *static_cast<Link*>(data);
    std::lock_guard lock(link.Mutex);
    // One call back takes all the ids gathered until it runs.
    const bool first = link.Acknowledged.empty();
    link.Acknowledged.push_back(id);
    link.Changed.notify_all();
    if (first && link.Target)
        QMetaObject::invokeMethod(
            link.Target, [target = link.Target] { target->TakeAcknowledgements(); },
            Qt::QueuedConnection);
}

void MqttPublisher::OnLog(mosquitto*, void* data, int level, const char* text) {
    if (!(level & MOSQ_LOG_ERR))
        return;
    auto& link = *static_cast<Link*>(data);
    const int attempt = link.Attempt;
    CallBack(link, [attempt, line = QString::fromUtf8(text)](MqttPublisher& p) {
        p.LibraryError(attempt, line);
    });
}

MqttPublisher::MqttPublisher(PublishOptions options, int queueLimit, PublishTiming timing,
                             QObject* parent)
    : QObject(parent), options_(std::move(options)), timing_(timing),
      readingTopic_(options_.Broker.Topic("reading")),
      statusTopic_(options_.Broker.Topic("status")), alarmTopic_(options_.Broker.Topic("alarm")),
      queue_(queueLimit) {
    static std::once_flag initialized;
    std::call_once(initialized, [] { mosquitto_lib_init(); });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &MqttPublisher::Attempt);
    answerWait_.setSingleShot(true);
    answerWait_.setInterval(std::chrono::seconds(timing_.AnswerWaitSeconds));
    connect(&answerWait_, &QTimer::timeout, this,
            [this] { LinkEnded(attempt_, Failure::Silent, {}); });
    acknowledgeWait_.setSingleShot(true);
    acknowledgeWait_.setInterval(std::chrono::seconds(timing_.AcknowledgeWaitSeconds));
    connect(&acknowledgeWait_, &QTimer::timeout, this, &MqttPublisher::AcknowledgementsOverdue);
}

MqttPublisher::~MqttPublisher() {
    Stop();
}

void MqttPublisher::Start() {
    if (!stopped_ && !link_ && !retry_.isActive())
        Attempt();
}

void MqttPublisher::Attempt() {
    if (stopped_)
        return;
    auto link = std::make_shared<Link>();
    link->Attempt = ++attempt_;
    link->Target = this;
    link->Client = mosquitto_new(nullptr, true, link.get());
    link_ = link;
    if (!link->Client) {
        link->Starting = false;
        LinkEnded(attempt_, Failure::Unreachable, ResultText(MOSQ_ERR_ERRNO, errno));
        return;
    }
    mosquitto* client = link_->Client;
    mosquitto_connect_callback_set(client, &MqttPublisher::OnConnect);
    mosquitto_disconnect_callback_set(client, &MqttPublisher::OnDisconnect);
    mosquitto_publish_callback_set(client, &MqttPublisher::OnPublish);
    mosquitto_log_callback_set(client, &MqttPublisher::OnLog);
    // The library's own reconnect never runs (a lost link ends its thread); were it
    // to, it must not keep the thread asleep when the link is retired.
    mosquitto_reconnect_delay_set(client, 1, 1, false);
    const BrokerAddress& broker = options_.Broker;
    if (!broker.User.isEmpty())
        mosquitto_username_pw_set(client, broker.User.toUtf8().constData(),
                                  options_.Password.isEmpty() ? nullptr
                                                              : options_.Password.constData());
    static const char offline[] = "offline";
    mosquitto_will_set(client, statusTopic_.constData(), int(sizeof offline - 1), offline, 1, true);
    if (broker.Tls)
        mosquitto_int_option(client, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
    libraryError_.clear();

    // The connect looks the host name up first, which can take the resolver's
    // timeouts: never on this thread.
    std::thread([link, host = broker.Host.toUtf8(), port = broker.Port,
                 keepAlive = timing_.KeepAliveSeconds] {
        int code = mosquitto_connect_async(link->Client, host.constData(), port, keepAlive);
        const int error = errno;
        if (code == MOSQ_ERR_SUCCESS)
            code = mosquitto_loop_start(link->Client);
        bool retired = false;
        {
            std::lock_guard lock(link->Mutex);
            link->Starting = false;
            link->LoopStarted = code == MOSQ_ERR_SUCCESS;
            retired = !link->Target;
        }
        if (retired)
            link->Close(true);
        else if (code != MOSQ_ERR_SUCCESS)
            CallBack(*link,
                     [attempt = link->Attempt, reason = ResultText(code, error)](MqttPublisher& p) {
                         p.LinkEnded(attempt, Failure::Unreachable, reason);
                     });
    }).detach();
    answerWait_.start();
}

void MqttPublisher::LinkUp(int attempt) {
    if (attempt != attempt_ || !link_)
        return;
    answerWait_.stop();
    connected_ = true;
    retryMs_ = FirstRetryMs;
    announced_.clear();
    PublishRetained(statusTopic_, QByteArrayLiteral("online"));
    if (!alarm_.isEmpty())
        PublishRetained(alarmTopic_, alarm_);
    if (options_.HaDiscovery && haveReading_)
        AnnounceDiscovery();
    // Said the first time, and after each failure that was said.
    if (!everConnected_ || !saidProblem_.isEmpty()) {
        QString line =
            everConnected_
                ? tr("publishing: the broker at %1 is back").arg(options_.Broker.HostPort())
                : tr("publishing to %1").arg(options_.Broker.Url());
        if (!saidProblem_.isEmpty())
            line += tr("; %n readings waiting go out now", nullptr, queue_.Size());
        const long long dropped = queue_.Dropped() - droppedBefore_;
        if (dropped > 0)
            line += tr("; %n older ones were dropped meanwhile", nullptr, int(dropped));
        emit Said(line, tr("MQTT: connected"));
    }
    everConnected_ = true;
    saidProblem_.clear();
    saidDropping_ = false;
    droppedBefore_ = queue_.Dropped();
    HandOver(InFlightLimit);
}

void MqttPublisher::LinkEnded(int attempt, Failure failure, const QString& reason) {
    if (attempt != attempt_ || !link_)
        return;
    const bool wasConnected = connected_;
    connected_ = false;
    answerWait_.stop();
    acknowledgeWait_.stop();
    saidUnacknowledged_ = false; // the loss is said instead
    // Acknowledgements that came before the end still count.
    TakeAcknowledgements();
    queue_.ConnectionEnded();
    // An attempt this side gives up may still be connecting.
    Retire(failure == Failure::Unreachable || failure == Failure::Tls ||
           failure == Failure::Silent);
    if (stopped_)
        return;
    const QString where = options_.Broker.HostPort();
    QString line;
    QString brief;
    if (failure == Failure::Refused) {
        line = tr("publishing: the broker at %1 refused the connection: %2; trying again, "
                  "readings wait")
                   .arg(where, reason);
        brief = tr("MQTT: the broker refused");
    } else if (failure == Failure::Tls) {
        line = tr("publishing: TLS with the broker at %1 failed: %2; trying again, readings wait")
                   .arg(where, reason);
        brief = tr("MQTT: TLS failed");
    } else if (!wasConnected && (failure == Failure::Silent || failure == Failure::KeepAlive)) {
        line =
            tr("publishing: the broker at %1 did not answer within %2 s; trying again, readings "
               "wait")
                .arg(where, QString::number(failure == Failure::Silent ? timing_.AnswerWaitSeconds
                                                                       : timing_.KeepAliveSeconds));
        brief = tr("MQTT: the broker does not answer");
    } else if (wasConnected) {
        const QString why =
            failure == Failure::KeepAlive
                ? tr("it stopped answering (no reply within the keep-alive of %1 s)")
                      .arg(timing_.KeepAliveSeconds)
                : reason;
        line =
            tr("publishing: lost the broker at %1: %2; readings wait until it is back (up to "
               "%3)")
                .arg(where,
                     why + (libraryError_.isEmpty() ? QString()
                                                    : QStringLiteral(" (%1)").arg(libraryError_)),
                     QString::number(queue_.Limit()));
        brief = tr("MQTT: broker lost, readings wait");
    } else {
        line = tr("publishing: cannot reach the broker at %1: %2; trying again, readings wait")
                   .arg(where, reason);
        brief = tr("MQTT: cannot reach the broker");
    }
    qCInfo(lcPublish) << line;
    if (line != saidProblem_) {
        saidProblem_ = line;
        emit Said(line, brief);
    }
    int delay = retryMs_;
    if (wasConnected)
        delay = FirstRetryMs;
    else
        retryMs_ = std::min(retryMs_ * 2, LastRetryMs);
    retry_.start(delay);
}

void MqttPublisher::LibraryError(int attempt, const QString& text) {
    if (attempt != attempt_ || !link_)
        return;
    qCInfo(lcPublish) << "libmosquitto:" << text;
    QString reason = text;
    // untranslated: the library's own words
    reason.remove(QRegularExpression(QStringLiteral("^OpenSSL Error\\[\\d+\\]: ")));
    if (connected_) {
        // Said with the disconnection that follows.
        libraryError_ = reason;
        return;
    }
    // Such an error ends the library's thread without a word: the attempt is over.
    LinkEnded(attempt,
              text.startsWith(QLatin1String("OpenSSL")) ? Failure::Tls : Failure::Unreachable,
              reason);
}

void MqttPublisher::TakeAcknowledgements() {
    if (!link_)
        return;
    std::vector<int> ids;
    {
        std::lock_guard lock(link_->Mutex);
        ids.swap(link_->Acknowledged);
    }
    for (int id : ids)
        queue_.Acknowledged(id);
    if (ids.empty() || stopped_)
        return;
    // The wait starts anew from this acknowledgement, for what is still in flight.
    acknowledgeWait_.stop();
    if (saidUnacknowledged_) {
        saidUnacknowledged_ = false;
        emit Said(tr("publishing: the broker at %1 acknowledges readings again; %n readings wait",
                     nullptr, queue_.Size())
                      .arg(options_.Broker.HostPort()),
                  tr("MQTT: readings acknowledged again"));
    }
    HandOver(InFlightLimit);
}

void MqttPublisher::AcknowledgementsOverdue() {
    if (!connected_ || stopped_ || queue_.InFlight() == 0 || saidUnacknowledged_)
        return;
    saidUnacknowledged_ = true;
    //: %1 is the broker's host:port, %2 seconds
    emit Said(tr("publishing: the broker at %1 has acknowledged no reading for %2 s; %n readings "
                 "wait",
                 nullptr, queue_.Size())
                  .arg(options_.Broker.HostPort(), QString::number(timing_.AcknowledgeWaitSeconds)),
              tr("MQTT: readings not acknowledged"));
}

void MqttPublisher::HandOver(int inFlightLimit) {
    if (!connected_ || !link_)
        return;
    while (queue_.InFlight() < inFlightLimit) {
        const QByteArray* payload = queue_.NextToHand();
        if (!payload)
            break;
        int id = 0;
        const int code = mosquitto_publish(link_->Client, &id, readingTopic_.constData(),
                                           int(payload->size()), payload->constData(), 1, false);
        // Without a connection the library still keeps the message; either way it is
        // handed again if this connection ends before the broker acknowledges it.
        if (code != MOSQ_ERR_SUCCESS && code != MOSQ_ERR_NO_CONN)
            break;
        queue_.Handed(id);
    }
    if (queue_.InFlight() > 0 && !stopped_ && !acknowledgeWait_.isActive() && !saidUnacknowledged_)
        acknowledgeWait_.start();
}

void MqttPublisher::PublishRetained(const QByteArray& topic, const QByteArray& payload) {
    mosquitto_publish(link_->Client, nullptr, topic.constData(), int(payload.size()),
                      payload.isEmpty() ? nullptr : payload.constData(), 1, true);
}

void MqttPublisher::PublishAlarm(const QByteArray& payload) {
    if (stopped_)
        return;
    alarm_ = payload;
    if (connected_ && link_)
        PublishRetained(alarmTopic_, alarm_);
}

void MqttPublisher::AnnounceDiscovery() {
    for (const ReadingMessage::Retained& config :
         ReadingMessage::Discovery(options_.Broker.Base, lastReading_))
        PublishRetained(config.Topic, config.Payload);
    announced_ = ReadingMessage::DiscoveryKey(lastReading_);
}

void MqttPublisher::Publish(const Sample& sample) {
    if (stopped_)
        return;
    if (queue_.Push(ReadingMessage::Reading(sample)) && !saidDropping_) {
        saidDropping_ = true;
        emit Said(tr("publishing: %n readings wait, as many as are kept; the oldest are dropped "
                     "until the broker is back",
                     nullptr, queue_.Limit()),
                  tr("MQTT: queue full, the oldest dropped"));
    }
    if (options_.HaDiscovery) {
        lastReading_ = sample.Reading;
        haveReading_ = true;
        if (connected_ && ReadingMessage::DiscoveryKey(lastReading_) != announced_)
            AnnounceDiscovery();
    }
    HandOver(InFlightLimit);
}

int MqttPublisher::Stop(int waitMs) {
    if (stopped_)
        return queue_.Size();
    stopped_ = true;
    retry_.stop();
    answerWait_.stop();
    acknowledgeWait_.stop();
    if (connected_ && link_) {
        TakeAcknowledgements();
        // Everything waiting goes out now, "offline" last: acknowledged in order, its
        // acknowledgement says that all before it arrived.
        HandOver(std::numeric_limits<int>::max());
        int offline = 0;
        if (mosquitto_publish(link_->Client, &offline, statusTopic_.constData(), 7, "offline", 1,
                              true) == MOSQ_ERR_SUCCESS) {
            std::unique_lock lock(link_->Mutex);
            link_->Changed.wait_for(lock, std::chrono::milliseconds(waitMs), [&] {
                return link_->Gone ||
                       std::find(link_->Acknowledged.begin(), link_->Acknowledged.end(), offline) !=
                           link_->Acknowledged.end();
            });
        }
        TakeAcknowledgements();
    }
    Retire(false);
    connected_ = false;
    const int left = queue_.Size();
    const long long dropped = queue_.Dropped() - droppedBefore_;
    if (left > 0)
        //: %1 is empty or says how many older readings were dropped
        emit Said(tr("publishing: %n readings were not delivered%1", nullptr, left)
                      .arg(dropped > 0 ? tr(", and %n older ones were dropped before", nullptr,
                                            int(dropped))
                                       : QString()),
                  tr("MQTT: %n readings not delivered", nullptr, int(left + dropped)));
    return left;
}

void MqttPublisher::Retire(bool abort) {
    if (!link_)
        return;
    const std::shared_ptr<Link> link = std::move(link_);
    bool starting = false;
    {
        std::lock_guard lock(link->Mutex);
        link->Target = nullptr;
        starting = link->Starting;
    }
    // Still looking the host up: the starting thread closes it when it is done.
    if (!starting)
        link->Close(abort);
}
