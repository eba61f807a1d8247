// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON of a reading says what the log row of the same sample says: its time
// (with the offset from UTC), both channels as numbers or null, units, type,
// annunciators and model. Home Assistant's discovery follows the model and units.
#include "base/day_count.h"
#include "log/log_table.h"
#include "publish/reading_message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <ctime>

class TestReadingMessage : public QObject {
    Q_OBJECT

    static QJsonObject Parse(const QByteArray& json) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
        return error.error == QJsonParseError::NoError ? doc.object() : QJsonObject();
    }

    // The number a value column shows, or null for "OL" and dashes.
    static QJsonValue ColumnValue(const QString& text) {
        if (text == QLatin1String("OL") || text.startsWith(QLatin1String("--")))
            return QJsonValue::Null;
        return QLocale::c().toDouble(text);
    }

private slots:
    // A zone with half-hour offsets and summer time, whatever the machine's own.
    void initTestCase() {
        qputenv("TZ", "America/St_Johns");
        tzset();
        QCOMPARE(QDateTime(QDate(2024, 1, 15), QTime(12, 0)).offsetFromUtc(), -(3 * 3600 + 1800));
    }

    void readingSaysWhatTheRowSays_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<double>("main");
        QTest::addColumn<bool>("mainOverload");
        QTest::addColumn<bool>("mainValid");
        QTest::addColumn<double>("sub");
        QTest::addColumn<bool>("subOverload");
        QTest::addColumn<bool>("subValid");
        QTest::addColumn<QString>("modeText");
        QTest::addColumn<bool>("celsius");
        // Values as the decoder makes them: digits times a tenth.
        QTest::newRow("two channels")
            << 301 << 234 * 0.1 << false << true << -12 * 0.1 << false << true << "" << true;
        QTest::newRow("first over range")
            << 303 << 0.0 << true << true << 1372 * 0.1 << false << true << " HOLD" << false;
        QTest::newRow("second shows dashes") << 301 << 1999 * 0.1 << false << true << 0.0 << false
                                             << false << " MAX REL LBT" << true;
        QTest::newRow("both without a number")
            << 303 << 0.0 << false << false << 0.0 << true << true << " AVG" << true;
        QTest::newRow("no decimal point")
            << 303 << 1250.0 << false << true << -40.0 << false << true << "" << false;
        QTest::newRow("one channel with its timer")
            << 300 << 876 * 0.1 << false << true << 0.0 << false << true << " MIN HOLD" << true;
    }
    void readingSaysWhatTheRowSays() {
        QFETCH(int, model);
        Sample s;
        s.Time = DayCount(QDate(2024, 7, 14), QTime(13, 5, 9, 700));
        CurrentReading& r = s.Reading;
        r.ModelCode = model;
        QFETCH(double, main);
        QFETCH(bool, mainOverload);
        QFETCH(bool, mainValid);
        QFETCH(double, sub);
        QFETCH(bool, subOverload);
        QFETCH(bool, subValid);
        QFETCH(QString, modeText);
        QFETCH(bool, celsius);
        r.MainValue = main;
        r.MainOverload = mainOverload;
        r.MainValid = mainValid;
        r.SubValue = sub;
        r.SubOverload = subOverload;
        r.SubValid = subValid;
        r.ModeText = modeText;
        r.TypeText = QStringLiteral("J");
        r.UnitText = celsius ? QStringLiteral("C") : QStringLiteral("F");
        if (r.IsOneChannel()) {
            r.SubText = QStringLiteral("12:34");
            r.SubUnitText = QStringLiteral("MM:SS");
        } else {
            r.SubUnitText = r.UnitText;
        }

        LogTable table;
        table.SetLocale(QLocale::c());
        table.AppendLogRow(s, QStringLiteral("yyyy-MM-dd"));
        const LogLineFormat::Fields row = table.LineFields(1);
        const QJsonObject m = Parse(ReadingMessage::Reading(s));
        QVERIFY(!m.isEmpty());

        const QDateTime time = QDateTime::fromString(m.value("time").toString(), Qt::ISODate);
        QCOMPARE(time, QDateTime(QDate::fromString(row[0], QStringLiteral("yyyy-MM-dd")),
                                 QTime::fromString(row[1], QStringLiteral("HH:mm:ss"))));
        QCOMPARE(m.value("model").toInt(), model);
        QCOMPARE(m.value("type").toString(), row[6]);
        QCOMPARE(m.value("t1"), ColumnValue(row[2]));
        QCOMPARE(m.value("t1_unit").toString(), row[3]);
        QStringList annunciators;
        for (const QJsonValue& a : m.value("annunciators").toArray())
            annunciators << a.toString();
        QCOMPARE(annunciators.join(QLatin1Char(' ')), row[7].trimmed());
        if (r.IsTwoChannel()) {
            QCOMPARE(m.value("t2"), ColumnValue(row[4]));
            QCOMPARE(m.value("t2_unit").toString(), row[5]);
            QVERIFY(!m.contains("timer"));
        } else {
            QCOMPARE(m.value("timer").toString(), row[4]);
            QCOMPARE(m.value("timer_unit").toString(), row[5]);
            QVERIFY(!m.contains("t2"));
        }
    }

    // The offset is the one in force at the sample's own date, whatever the season now.
    void timeCarriesItsOffset_data() {
        QTest::addColumn<QDate>("date");
        QTest::newRow("winter") << QDate(2024, 1, 15);
        QTest::newRow("summer") << QDate(2024, 7, 15);
    }
    void timeCarriesItsOffset() {
        QFETCH(QDate, date);
        const QDateTime local(date, QTime(23, 59, 59));
        const QString text = ReadingMessage::IsoTime(DayCountFromDateTime(local));
        const int offset = local.offsetFromUtc();
        QCOMPARE(text.left(19), QStringLiteral("%1T23:59:59").arg(date.toString(Qt::ISODate)));
        QCOMPARE(text.mid(19), QStringLiteral("%1%2:%3")
                                   .arg(offset < 0 ? '-' : '+')
                                   .arg(std::abs(offset) / 3600, 2, 10, QLatin1Char('0'))
                                   .arg(std::abs(offset) / 60 % 60, 2, 10, QLatin1Char('0')));
        QCOMPARE(QDateTime::fromString(text, Qt::ISODate), local);
    }

    // The alarm state: an overloaded reading has no number; a silent meter has no
    // channel and counts in seconds.
    void alarmStateSaysWhatRoseOrCleared_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("overload");
        QTest::addColumn<QByteArray>("expected"); // the message without its times
        QTest::newRow("high, raised")
            << int(AlarmKind::High) << false
            << QByteArray(
                   R"({"active":1,"channel":2,"kind":"high","limit":30,"state":"raised","unit":"F","value":31.2})");
        QTest::newRow("OL")
            << int(AlarmKind::High) << true
            << QByteArray(
                   R"({"active":1,"channel":2,"kind":"high","limit":30,"state":"raised","unit":"F","value":null})");
        QTest::newRow("silent meter")
            << int(AlarmKind::NoReading) << false
            << QByteArray(
                   R"({"active":1,"channel":null,"kind":"no-reading","limit":30,"state":"raised","unit":"s","value":31.2})");
    }
    void alarmStateSaysWhatRoseOrCleared() {
        QFETCH(int, kind);
        QFETCH(bool, overload);
        QFETCH(QByteArray, expected);
        const double now = DayCountFromDateTime(QDateTime(QDate(2024, 7, 14), QTime(13, 5, 9)));
        AlarmEvent event;
        event.What = {AlarmKind(kind),   2, 31.2, overload, 30, 1, QStringLiteral("F"),
                      now - 10.0 / 86400};
        event.Time = now;
        event.Active = 1;
        QJsonObject message = Parse(ReadingMessage::AlarmState(event));
        QCOMPARE(message.take("since").toString(), ReadingMessage::IsoTime(now - 10.0 / 86400));
        QCOMPARE(message.take("time").toString(), ReadingMessage::IsoTime(now));
        QCOMPARE(QJsonDocument(message).toJson(QJsonDocument::Compact), expected);

        const QJsonObject none = Parse(ReadingMessage::NoAlarm(now));
        QCOMPARE(none.value("state").toString(), QStringLiteral("cleared"));
        QCOMPARE(none.value("active").toInt(-1), 0);
        QVERIFY(none.value("channel").isNull());
    }

    void discoveryFollowsModelAndUnits() {
        CurrentReading r;
        r.ModelCode = 301;
        r.ModelText = QStringLiteral("Two channel, K type thermometer.");
        r.UnitText = QStringLiteral("C");
        r.SubUnitText = QStringLiteral("F");
        const QList<ReadingMessage::Retained> two = ReadingMessage::Discovery("lab/kiln 2", r);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0].Topic, QByteArray("homeassistant/sensor/brackwater_lab_kiln_2/t1/config"));
        QCOMPARE(two[1].Topic, QByteArray("homeassistant/sensor/brackwater_lab_kiln_2/t2/config"));
        const QJsonObject t1 = Parse(two[0].Payload);
        const QJsonObject t2 = Parse(two[1].Payload);
        QCOMPARE(t1.value("state_topic").toString(), QStringLiteral("lab/kiln 2/reading"));
        QCOMPARE(t1.value("availability_topic").toString(), QStringLiteral("lab/kiln 2/status"));
        QCOMPARE(t1.value("value_template").toString(), QStringLiteral("{{ value_json.t1 }}"));
        QCOMPARE(t2.value("value_template").toString(), QStringLiteral("{{ value_json.t2 }}"));
        QCOMPARE(t1.value("unit_of_measurement").toString(), QStringLiteral("\u00b0C"));
        QCOMPARE(t2.value("unit_of_measurement").toString(), QStringLiteral("\u00b0F"));
        QCOMPARE(t1.value("device_class").toString(), QStringLiteral("temperature"));
        QVERIFY(t1.value("unique_id") != t2.value("unique_id"));
        QCOMPARE(t1.value("device").toObject().value("identifiers"),
                 t2.value("device").toObject().value("identifiers"));

        // A one-channel meter takes the second channel away.
        CurrentReading one = r;
        one.ModelCode = 300;
        const QList<ReadingMessage::Retained> single = ReadingMessage::Discovery("lab/kiln 2", one);
        QCOMPARE(single.size(), 2);
        QVERIFY(!single[0].Payload.isEmpty());
        QCOMPARE(single[1].Topic, two[1].Topic);
        QVERIFY(single[1].Payload.isEmpty());

        // The key changes exactly where the announcement would.
        CurrentReading fahrenheit = r;
        fahrenheit.UnitText = QStringLiteral("F");
        QVERIFY(ReadingMessage::DiscoveryKey(fahrenheit) != ReadingMessage::DiscoveryKey(r));
        QVERIFY(ReadingMessage::DiscoveryKey(one) != ReadingMessage::DiscoveryKey(r));
        CurrentReading otherValue = r;
        otherValue.MainValue = 99;
        QCOMPARE(ReadingMessage::DiscoveryKey(otherValue), ReadingMessage::DiscoveryKey(r));
    }
};

QTEST_GUILESS_MAIN(TestReadingMessage)
#include "tst_reading_message.moc"
