// SPDX-License-Identifier: GPL-3.0-or-later
// The publisher against a real broker, in-process: readings that wait while the
// broker is away go out in order when it is back, the oldest dropped beyond the
// bound and counted; Home Assistant's discovery follows the meter. Against a peer
// that takes the connection and then keeps silent, or withholds acknowledgements,
// each trouble is named while it lasts.
#include "publish/mqtt_publisher.h"
#include "test_broker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTest>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A local TCP peer that speaks just enough MQTT to misbehave: it takes every
// connection, and answers CONNECT, PINGREQ and each QoS 1 PUBLISH only as told.
class FakeBroker {
public:
    bool AnswerConnect = true;
    bool AnswerPings = true;
    bool Acknowledge = false;

    FakeBroker() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(listener_, 8) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
        accepting_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
        QObject::connect(accepting_.get(), &QSocketNotifier::activated, [this] { Accept(); });
    }
    ~FakeBroker() {
        accepting_.reset();
        for (auto& peer : peers_) {
            peer->Notifier.reset();
            ::close(peer->Socket);
        }
        ::close(listener_);
    }

    int Port() const { return port_; }
    int Connections() const { return int(peers_.size()); }
    // Acknowledges what was withheld, and from now on everything.
    void AcknowledgeAll() {
        Acknowledge = true;
        for (auto& peer : peers_) {
            for (int id : peer->Unacknowledged)
                Send(*peer, Puback(id));
            peer->Unacknowledged.clear();
        }
    }

private:
    struct Peer {
        int Socket = -1;
        std::unique_ptr<QSocketNotifier> Notifier;
        QByteArray Pending;
        QList<int> Unacknowledged;
    };

    void Accept() {
        auto peer = std::make_unique<Peer>();
        peer->Socket = ::accept(listener_, nullptr, nullptr);
        if (peer->Socket < 0)
            return;
        peer->Notifier = std::make_unique<QSocketNotifier>(peer->Socket, QSocketNotifier::Read);
        Peer* p = peer.get();
        QObject::connect(p->Notifier.get(), &QSocketNotifier::activated, [this, p] { Read(*p); });
        peers_.push_back(std::move(peer));
    }

    static QByteArray Puback(int id) {
        const char bytes[] = {0x40, 0x02, char(id >> 8), char(id & 0xff)};
        return QByteArray(bytes, sizeof bytes);
    }

    static void Send(Peer& peer, const QByteArray& bytes) {
        if (peer.Socket >= 0)
            (void)::send(peer.Socket, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
    }

    void Read(Peer& peer) {
        char buffer[4096];
        const ssize_t got = ::recv(peer.Socket, buffer, sizeof buffer, 0);
        if (got <= 0) {
            peer.Notifier.reset();
            ::close(peer.Socket);
            peer.Socket = -1;
            return;
        }
        peer.Pending.append(buffer, got);
        for (;;) {
            // The fixed header: the type, then the remaining length in 7-bit groups.
            qsizetype at = 1;
            int length = 0;
            for (int shift = 0; at < peer.Pending.size(); shift += 7) {
                const auto byte = uchar(peer.Pending[at++]);
                length |= (byte & 0x7f) << shift;
                if (!(byte & 0x80))
                    break;
            }
            if (peer.Pending.size() < 2 || at + length > peer.Pending.size())
                return;
            const QByteArray body = peer.Pending.mid(at, length);
            const int type = uchar(peer.Pending[0]) >> 4;
            const int qos = (uchar(peer.Pending[0]) >> 1) & 3;
            peer.Pending.remove(0, at + length);
            if (type == 1 && AnswerConnect) {
                Send(peer, QByteArray("\x20\x02\x00\x00", 4));
            } else if (type == 12 && AnswerPings) {
                Send(peer, QByteArray("\xd0\x00", 2));
            } else if (type == 3 && qos == 1) {
                const int topic = (uchar(body[0]) << 8) | uchar(body[1]);
                const int id = (uchar(body[2 + topic]) << 8) | uchar(body[3 + topic]);
                if (Acknowledge)
                    Send(peer, Puback(id));
                else
                    peer.Unacknowledged.append(id);
            }
        }
    }

    int listener_ = -1;
    int port_ = 0;
    std::unique_ptr<QSocketNotifier> accepting_;
    std::vector<std::unique_ptr<Peer>> peers_;
};
} // namespace

class TestMqttPublisher : public QObject {
    Q_OBJECT

    static Sample Reading(int model, double t1, const QString& unit = QStringLiteral("C")) {
        Sample s;
        s.Time = 45000.5;
        s.Reading.ModelCode = model;
        s.Reading.MainValue = t1;
        s.Reading.UnitText = unit;
        s.Reading.SubUnitText = unit;
        return s;
    }

    static PublishOptions Options(const TestBroker& broker, const QString& base,
                                  bool discovery = false) {
        PublishOptions options;
        options.Broker = BrokerAddress::Parse(broker.Url({}, base));
        options.HaDiscovery = discovery;
        return options;
    }

    static PublishOptions Options(const FakeBroker& broker) {
        PublishOptions options;
        options.Broker =
            BrokerAddress::Parse(QStringLiteral("mqtt://127.0.0.1:%1/lab/fake").arg(broker.Port()));
        return options;
    }

    static bool HaveMosquitto() {
        return !TestBroker::Program().isEmpty() &&
               !TestBroker::ClientProgram("mosquitto_sub").isEmpty();
    }

    // Waits for a line that starts so; false when none came.
    static bool SaysSoon(const QStringList& said, const QString& start, int ms = 30000) {
        return QTest::qWaitFor(
            [&] {
                return std::any_of(said.begin(), said.end(),
                                   [&](const QString& line) { return line.startsWith(start); });
            },
            ms);
    }

private slots:
    // A peer that takes the connection and never answers CONNECT: named as such,
    // by the publisher's own wait or by the library's keep-alive, whichever ends first.
    void silentBrokerIsNamed_data() {
        QTest::addColumn<int>("answerWait");
        QTest::addColumn<int>("keepAlive");
        QTest::addColumn<int>("said");
        QTest::newRow("the answer wait") << 1 << 30 << 1;
        QTest::newRow("the keep-alive") << 60 << 5 << 5;
    }
    void silentBrokerIsNamed() {
        QFETCH(int, answerWait);
        QFETCH(int, keepAlive);
        QFETCH(int, said);
        FakeBroker broker;
        QVERIFY(broker.Port() > 0);
        broker.AnswerConnect = false;
        QStringList lines; // before the publisher, whose end may still say something
        MqttPublisher publisher(Options(broker), 10, {keepAlive, answerWait, 30});
        connect(&publisher, &MqttPublisher::Said, this,
                [&](const QString& line, const QString&) { lines << line; });
        publisher.Start();
        const QString line = QStringLiteral("publishing: the broker at 127.0.0.1:%1 did not answer "
                                            "within %2 s; trying again, readings wait")
                                 .arg(broker.Port())
                                 .arg(said);
        QVERIFY2(SaysSoon(lines, line), qPrintable(lines.join('\n')));
        // Said once, however often it is tried again.
        QVERIFY(QTest::qWaitFor([&] { return broker.Connections() >= 2; }, 30000));
        QCOMPARE(lines, QStringList{line});
    }

    // Readings taken and not acknowledged are said while they wait, once, and so is
    // the end of it; a broker that then falls silent is lost by the keep-alive.
    void unacknowledgedReadingsAreSaid() {
        FakeBroker broker;
        QVERIFY(broker.Port() > 0);
        QStringList said;
        MqttPublisher publisher(Options(broker), 100, {5, 30, 1});
        connect(&publisher, &MqttPublisher::Said, this,
                [&](const QString& line, const QString&) { said << line; });
        publisher.Start();
        QVERIFY(QTest::qWaitFor([&] { return publisher.Connected(); }, 30000));
        for (int i = 1; i <= 3; ++i)
            publisher.Publish(Reading(301, i));
        const QString where = QStringLiteral("the broker at 127.0.0.1:%1").arg(broker.Port());
        const QString overdue =
            QStringLiteral("publishing: %1 has acknowledged no reading for 1 s; ").arg(where);
        QVERIFY2(SaysSoon(said, overdue + "3 readings wait"), qPrintable(said.join('\n')));
        publisher.Publish(Reading(301, 4));
        QTest::qWait(1500);
        QCOMPARE(said.filter(overdue).size(), 1);

        broker.AcknowledgeAll();
        QVERIFY2(
            SaysSoon(said,
                     QStringLiteral("publishing: %1 acknowledges readings again; ").arg(where)),
            qPrintable(said.join('\n')));
        QVERIFY(QTest::qWaitFor([&] { return publisher.Waiting() == 0; }, 10000));

        // Silent from now on: neither acknowledgements nor keep-alive answers.
        broker.Acknowledge = false;
        broker.AnswerPings = false;
        publisher.Publish(Reading(301, 5));
        QVERIFY2(
            SaysSoon(said, QStringLiteral("publishing: lost %1: it stopped answering (no reply "
                                          "within the keep-alive of 5 s); readings wait")
                               .arg(where)),
            qPrintable(said.join('\n')));
    }

    void waitingReadingsGoOutWhenTheBrokerIsBack() {
        if (!HaveMosquitto())
            QSKIP("mosquitto is not installed (apt install mosquitto mosquitto-clients)");
        TestBroker broker;
        QVERIFY(broker.Start());
        TestSubscriber subscriber(broker, QStringLiteral("lab/q/#"));
        QVERIFY(subscriber.WaitSubscribed());
        // The subscriber's session outlives the broker's restart; the publisher
        // starts while the broker is away.
        broker.Stop();

        MqttPublisher publisher(Options(broker, QStringLiteral("lab/q")), 5);
        QStringList said;
        connect(&publisher, &MqttPublisher::Said, this,
                [&](const QString& line, const QString& brief) {
                    QVERIFY(brief.startsWith(QLatin1String("MQTT: ")));
                    said << line;
                });
        publisher.Start();
        QVERIFY(QTest::qWaitFor([&] { return !said.isEmpty(); }, 5000));
        QVERIFY2(said.value(0).startsWith(QStringLiteral("publishing: cannot reach the broker at "
                                                         "127.0.0.1:%1: Connection refused")
                                              .arg(broker.Port())),
                 qPrintable(said.join('\n')));
        for (int i = 1; i <= 8; ++i)
            publisher.Publish(Reading(301, i));
        QCOMPARE(publisher.Waiting(), 5);
        QCOMPARE(said.filter(QStringLiteral("the oldest are dropped")).size(), 1);

        QVERIFY(broker.Start());
        QVERIFY2(QTest::qWaitFor([&] { return publisher.Connected(); }, 20000),
                 qPrintable(said.join('\n')));
        QCOMPARE(said.last(), QStringLiteral("publishing to %1; 5 readings waiting go out now; 3 "
                                             "older ones were dropped meanwhile")
                                  .arg(broker.Url({}, QStringLiteral("lab/q"))));
        QVERIFY(QTest::qWaitFor(
            [&] { return subscriber.Payloads(QStringLiteral("lab/q/reading")).size() >= 5; },
            10000));
        QList<double> values;
        for (const QByteArray& payload : subscriber.Payloads(QStringLiteral("lab/q/reading")))
            values << QJsonDocument::fromJson(payload).object().value("t1").toDouble();
        QCOMPARE(values, (QList<double>{4, 5, 6, 7, 8}));

        QCOMPARE(subscriber.Payloads(QStringLiteral("lab/q/status")).value(0), "online");
        QCOMPARE(publisher.Stop(), 0);
        // The subscriber may see the retained "online" twice, once more as it subscribes again.
        QVERIFY(QTest::qWaitFor(
            [&] { return subscriber.Payloads(QStringLiteral("lab/q/status")).last() == "offline"; },
            5000));
    }

    // The broker never came: the end says what was lost, dropped ones included.
    void endWithoutBrokerSaysWhatWasLost() {
        if (!HaveMosquitto())
            QSKIP("mosquitto is not installed (apt install mosquitto mosquitto-clients)");
        TestBroker never;
        MqttPublisher publisher(Options(never, QStringLiteral("lab/lost")), 2);
        QStringList said;
        connect(&publisher, &MqttPublisher::Said, this,
                [&](const QString& line, const QString&) { said << line; });
        publisher.Start();
        for (int i = 1; i <= 5; ++i)
            publisher.Publish(Reading(301, i));
        QCOMPARE(publisher.Stop(), 2);
        QCOMPARE(said.last(), QStringLiteral("publishing: 2 readings were not delivered, and 3 "
                                             "older ones were dropped before"));

        // One of each reads in the singular.
        MqttPublisher single(Options(never, QStringLiteral("lab/one")), 1);
        QStringList singleSaid;
        connect(&single, &MqttPublisher::Said, this,
                [&](const QString& line, const QString&) { singleSaid << line; });
        single.Start();
        single.Publish(Reading(301, 1));
        single.Publish(Reading(301, 2));
        QCOMPARE(single.Stop(), 1);
        QCOMPARE(singleSaid.last(), QStringLiteral("publishing: 1 reading was not delivered, and 1 "
                                                   "older one was dropped before"));
    }

    void discoveryFollowsTheMeter() {
        if (!HaveMosquitto())
            QSKIP("mosquitto is not installed (apt install mosquitto mosquitto-clients)");
        TestBroker broker;
        QVERIFY(broker.Start());
        TestSubscriber subscriber(broker, QStringLiteral("homeassistant/#"));
        QVERIFY(subscriber.WaitSubscribed());
        MqttPublisher publisher(Options(broker, QStringLiteral("lab/ha"), true));
        publisher.Start();
        QVERIFY(QTest::qWaitFor([&] { return publisher.Connected(); }, 10000));

        const QString t1 = QStringLiteral("homeassistant/sensor/brackwater_lab_ha/t1/config");
        const QString t2 = QStringLiteral("homeassistant/sensor/brackwater_lab_ha/t2/config");
        const auto unit = [&](const QString& topic) {
            const QList<QByteArray> configs = subscriber.Payloads(topic);
            return configs.isEmpty() ? QString()
                                     : QJsonDocument::fromJson(configs.last())
                                           .object()
                                           .value("unit_of_measurement")
                                           .toString();
        };
        publisher.Publish(Reading(301, 20));
        publisher.Publish(Reading(301, 21)); // the same meter: nothing announced again
        QVERIFY(QTest::qWaitFor([&] { return unit(t2) == QStringLiteral("\u00b0C"); }, 5000));
        QCOMPARE(unit(t1), QStringLiteral("\u00b0C"));

        publisher.Publish(Reading(301, 70, QStringLiteral("F")));
        QVERIFY(QTest::qWaitFor([&] { return unit(t2) == QStringLiteral("\u00b0F"); }, 5000));
        QCOMPARE(subscriber.Payloads(t1).size(), 2);

        // A one-channel meter now: its second channel is taken away.
        publisher.Publish(Reading(300, 70, QStringLiteral("F")));
        QVERIFY(QTest::qWaitFor([&] { return subscriber.Payloads(t2).size() == 3; }, 5000));
        QVERIFY(subscriber.Payloads(t2).last().isEmpty());
        publisher.Stop();

        // What stays on the broker for Home Assistant to find: the one channel.
        TestSubscriber later(broker, QStringLiteral("homeassistant/#"));
        QVERIFY(later.WaitSubscribed());
        QCOMPARE(later.Payloads(t1).size(), 1);
        QVERIFY(later.Payloads(t2).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMqttPublisher)
#include "tst_mqtt_publisher.moc"
