// SPDX-License-Identifier: GPL-3.0-or-later
// The publisher against a real broker, in-process: readings that wait while the
// broker is away go out in order when it is back, the oldest dropped beyond the
// bound and counted; Home Assistant's discovery follows the meter.
#include "publish/mqtt_publisher.h"
#include "test_broker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

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

private slots:
    void initTestCase() {
        if (TestBroker::Program().isEmpty() || TestBroker::ClientProgram("mosquitto_sub").isEmpty())
            QSKIP("mosquitto is not installed (apt install mosquitto mosquitto-clients)");
    }

    void waitingReadingsGoOutWhenTheBrokerIsBack() {
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
