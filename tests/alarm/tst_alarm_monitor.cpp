// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm rules at the heartbeat's ticks on a fake clock: a script of readings,
// one per tick, goes through the real heartbeat, and the alarms must rise and clear
// at exactly the ticks expected: after the delay, not for a shorter spike, with
// the hysteresis, for "OL", never for dashes or a lost link, for a silent meter,
// on both displays and in both units.

#include "alarm/alarm_monitor.h"

#include <QTest>

namespace {
// Rules from words: "1=..30" "2=-5..", "delay=3", "margin=2", "unit=F", "silence=8", "sound".
AlarmRules Rules(const QString& text) {
    AlarmRules rules;
    int delay = 0;
    double margin = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        if (key == QLatin1String("1") || key == QLatin1String("2"))
            ParseLimitRange(value, rules.Channel[key.toInt() - 1]);
        else if (key == QLatin1String("delay"))
            delay = value.toInt();
        else if (key == QLatin1String("margin"))
            margin = value.toDouble();
        else if (key == QLatin1String("unit"))
            rules.Unit = value;
        else if (key == QLatin1String("silence"))
            rules.NoReadingSeconds = value.toInt();
        else if (key == QLatin1String("sound"))
            rules.Sound = true;
    }
    for (ChannelLimits& limits : rules.Channel) {
        limits.DelaySeconds = delay;
        limits.Hysteresis = margin;
    }
    return rules;
}
} // namespace

class TestAlarmMonitor : public QObject {
    Q_OBJECT

    struct Rig {
        AppState state;
        double now = 46000.5;
        int64_t ms = 0;
        Heartbeat beat{state, Heartbeat::Clock{[this] { return now; }, [this] { return ms; }}};
        AlarmMonitor alarms;
        int tick = 0;
        QStringList events; // "3+high1": tick, raised or cleared (-), kind, channel
        QList<AlarmEvent> seen;
        QList<int> beeps;

        explicit Rig(int model, const QString& unit) {
            state.Reading.ModelCode = model;
            state.Reading.ChannelCount = model == 301 || model == 303 ? 2 : 1;
            state.Reading.UnitText = unit;
            state.Reading.SubUnitText =
                state.Reading.ChannelCount == 2 ? unit : QStringLiteral("MM:SS");
            state.Reading.SubValid = state.Reading.ChannelCount == 2;
        }
        // One tick a second. A token is the main display's reading ("25.0", "OL" or
        // "--" for dashes), optionally "/" and the second display's; "." is a tick
        // without a frame.
        void Tick(const QString& token) {
            ms += 1000;
            now += 1.0 / 86400.0;
            ++tick;
            if (token != QLatin1String(".")) {
                CurrentReading& r = state.Reading;
                const QStringList parts = token.split(QLatin1Char('/'));
                Set(parts[0], r.MainValue, r.MainOverload, r.MainValid);
                if (parts.size() > 1)
                    Set(parts[1], r.SubValue, r.SubOverload, r.SubValid);
                state.Link.FrameSeen = true;
                state.Link.MeterConnected = true; // as the frame reception does
            }
            const Heartbeat::Due due = beat.Tick(1000, {true, false, false});
            const AlarmMonitor::Update update = alarms.Evaluate(due.Seen);
            for (const AlarmEvent& e : update.Events) {
                events << QStringLiteral("%1%2%3%4")
                              .arg(tick)
                              .arg(e.Raised ? QLatin1Char('+') : QLatin1Char('-'))
                              .arg(AlarmKindName(e.What.Kind))
                              .arg(e.What.Kind == AlarmKind::NoReading
                                       ? QString()
                                       : QString::number(e.What.Channel));
                seen << e;
            }
            if (update.Beep)
                beeps << tick;
        }
        static void Set(const QString& text, double& value, bool& overload, bool& valid) {
            overload = text == QLatin1String("OL");
            valid = text != QLatin1String("--");
            if (!overload && valid)
                value = text.toDouble();
        }
        void Run(const QString& script) {
            for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                Tick(token);
        }
    };

private slots:
    void risesAndClearsAtTheRightTicks_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("unit"); // the meter's
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("at once without a delay")
            << 300 << "C"
            << "1=..30"
            << "25 31 31 25" << QStringList{"2+high1", "4-high1"};
        QTest::newRow("on the limit is inside") << 300 << "C"
                                                << "1=..30"
                                                << "30 30 29" << QStringList{};
        QTest::newRow("rises after staying beyond for the delay")
            << 300 << "C"
            << "1=..30 delay=3"
            << "25 31 31 31 31 31" << QStringList{"5+high1"};
        QTest::newRow("a shorter spike does not ring") << 300 << "C"
                                                       << "1=..30 delay=3"
                                                       << "25 31 31 25 31 31 25" << QStringList{};
        QTest::newRow("a late frame does not break the delay")
            << 300 << "C"
            << "1=..30 delay=3"
            << "31 . 31 31" << QStringList{"4+high1"};
        QTest::newRow("clears only back inside by the margin")
            << 300 << "C"
            << "1=..30 margin=2"
            << "31 29.9 28.5 28.0 31" << QStringList{"1+high1", "4-high1", "5+high1"};
        QTest::newRow("low limit with margin")
            << 300 << "C"
            << "1=-5.. margin=1"
            << "0 -5.5 -4.5 -4.0" << QStringList{"2+low1", "4-low1"};
        QTest::newRow("OL is beyond the high limit")
            << 300 << "C"
            << "1=..30 delay=2"
            << "25 OL OL OL 25" << QStringList{"4+high1", "5-high1"};
        QTest::newRow("OL raises no low alarm and clears one")
            << 300 << "C"
            << "1=10.."
            << "5 OL" << QStringList{"1+low1", "2-low1"};
        QTest::newRow("dashes raise nothing and break the delay")
            << 300 << "C"
            << "1=..30 delay=2"
            << "31 -- 31 31 31 --" << QStringList{"5+high1"};
        QTest::newRow("dashes keep an alarm up")
            << 300 << "C"
            << "1=..30"
            << "31 -- -- 25" << QStringList{"1+high1", "4-high1"};
        QTest::newRow("a lost link raises no limit alarm")
            << 300 << "C"
            << "1=..30 delay=2"
            << "31 . . . . . . 31 31 31" << QStringList{"10+high1"};
        QTest::newRow("an alarm stays up through a lost link")
            << 300 << "C"
            << "1=..30"
            << "31 . . . . . . . 25" << QStringList{"1+high1", "9-high1"};
        QTest::newRow("no reading for 8 s, then back")
            << 300 << "C"
            << "silence=8"
            << "25 . . . . . . . . . 25" << QStringList{"9+no-reading", "11-no-reading"};
        QTest::newRow("silence shorter than its limit")
            << 300 << "C"
            << "silence=8"
            << "25 . . . . . . 25 . . . . . . 25" << QStringList{};
        QTest::newRow("second display of a two-channel meter")
            << 301 << "C"
            << "1=..30 2=..50"
            << "25/40 25/51 31/51 25/45" << QStringList{"2+high2", "3+high1", "4-high1", "4-high2"};
        QTest::newRow("a timer is never compared") << 300 << "C"
                                                   << "2=..5"
                                                   << "25/10 25/99" << QStringList{};
        QTest::newRow("rules in C, meter in F")
            << 301 << "F"
            << "1=..30 2=..0 unit=C margin=1"
            << "85/31 87/33 85/33 84/33 84/30.1"
            << QStringList{"2+high1", "2+high2", "4-high1", "5-high2"};
        QTest::newRow("rules in F, meter in C") << 300 << "C"
                                                << "1=..86 unit=F"
                                                << "29.9 30.1" << QStringList{"2+high1"};
    }
    void risesAndClearsAtTheRightTicks() {
        QFETCH(int, model);
        QFETCH(QString, unit);
        QFETCH(QString, rules);
        QFETCH(QString, script);
        Rig rig(model, unit);
        rig.alarms.SetRules(Rules(rules));
        rig.Run(script);
        QTEST(rig.events, "events");
    }

    // What an alarm carries: the reading and the limit in the meter's unit, and
    // since when the reading was beyond (the start of the delay).
    void eventsCarryTheirValues() {
        Rig rig(300, QStringLiteral("F"));
        rig.alarms.SetRules(Rules(QStringLiteral("1=..30 unit=C delay=2 margin=2")));
        const double start = rig.now;
        rig.Run(QStringLiteral("80 87 88 89 70"));
        QCOMPARE(rig.seen.size(), 2);
        const AlarmEvent& up = rig.seen[0];
        QVERIFY(up.Raised);
        QCOMPARE(up.What.Value, 89.0);
        QCOMPARE(up.What.Limit, 86.0);
        QCOMPARE(up.What.Hysteresis, 3.6);
        QCOMPARE(up.What.Unit, QStringLiteral("F"));
        QCOMPARE(up.What.Since, start + 2.0 / 86400.0); // the second tick went beyond
        QCOMPARE(up.Time, start + 4.0 / 86400.0);
        QCOMPARE(up.Active, 1);
        QCOMPARE(DescribeAlarm(up.What, true),
                 QStringLiteral("channel 1 (main) 89.0 F is above the high limit 86 F"));
        QCOMPARE(BriefAlarm(up.What), QStringLiteral("Main 89.0 F above 86 F"));
        const AlarmEvent& down = rig.seen[1];
        QVERIFY(!down.Raised);
        QCOMPARE(down.What.Value, 70.0);
        QCOMPARE(down.Active, 0);
        QCOMPARE(DescribeAlarm(down.What, false),
                 QStringLiteral("channel 1 (main) 70.0 F is back below the high limit 86 F"));
    }

    // While up, an alarm's value follows the reading, for the status line.
    void activeAlarmFollowsTheReading() {
        Rig rig(301, QStringLiteral("C"));
        rig.alarms.SetRules(Rules(QStringLiteral("2=-5..")));
        rig.Run(QStringLiteral("20/-6 20/-8.5"));
        const std::vector<Alarm> active = rig.alarms.Active();
        QCOMPARE(active.size(), size_t(1));
        QCOMPARE(active[0].Value, -8.5);
        QCOMPARE(BriefAlarm(active[0]), QStringLiteral("Second -8.5 C below -5 C"));
        rig.Run(QStringLiteral("20/OL"));
        QVERIFY(rig.alarms.Active().empty()); // OL clears a low alarm
    }

    void removedLimitClearsItsAlarm() {
        Rig rig(301, QStringLiteral("C"));
        rig.alarms.SetRules(Rules(QStringLiteral("1=..30 2=..30 silence=5")));
        rig.Run(QStringLiteral("31/31 . . . . ."));
        QCOMPARE(rig.alarms.Active().size(), size_t(3));
        const std::vector<AlarmEvent> cleared =
            rig.alarms.SetRules(Rules(QStringLiteral("2=..40")));
        QCOMPARE(cleared.size(), size_t(2));
        QCOMPARE(cleared[0].What.Channel, 1);
        QCOMPARE(cleared[1].What.Kind, AlarmKind::NoReading);
        QCOMPARE(cleared[1].Active, 1);
        // The limit kept is judged anew at the next reading.
        rig.Run(QStringLiteral("31/31"));
        QCOMPARE(rig.events.last(), QStringLiteral("7-high2"));
    }

    // The sound beeps at every tick while an alarm is up until acknowledged; a new
    // alarm sounds again; acknowledging keeps the alarm up.
    void acknowledgeSilencesUntilTheNextAlarm() {
        Rig rig(301, QStringLiteral("C"));
        rig.alarms.SetRules(Rules(QStringLiteral("1=..30 2=..30 sound")));
        rig.Run(QStringLiteral("31/20 31/20"));
        QCOMPARE(rig.beeps, (QList<int>{1, 2}));
        rig.alarms.Acknowledge();
        rig.Run(QStringLiteral("31/20"));
        QCOMPARE(rig.beeps.size(), 2);
        QCOMPARE(rig.alarms.Active().size(), size_t(1));
        rig.Run(QStringLiteral("31/31"));
        QCOMPARE(rig.beeps.last(), 4);
        // Without sound asked for, nothing beeps.
        Rig quiet(300, QStringLiteral("C"));
        quiet.alarms.SetRules(Rules(QStringLiteral("1=..30")));
        quiet.Run(QStringLiteral("31 31"));
        QVERIFY(quiet.beeps.isEmpty());
    }

    void limitRanges_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("low");  // empty: none
        QTest::addColumn<QString>("high"); // empty: none
        QTest::addColumn<bool>("ok");
        QTest::newRow("both") << "-5..30.5"
                              << "-5"
                              << "30.5" << true;
        QTest::newRow("high only") << "..30"
                                   << ""
                                   << "30" << true;
        QTest::newRow("low only") << "-5.."
                                  << "-5"
                                  << "" << true;
        QTest::newRow("neither") << ".."
                                 << ""
                                 << "" << false;
        QTest::newRow("no dots") << "30"
                                 << ""
                                 << "" << false;
        QTest::newRow("not a number") << "a..30"
                                      << ""
                                      << "" << false;
        QTest::newRow("low above high") << "30..5"
                                        << ""
                                        << "" << false;
        QTest::newRow("three dots") << "1...5"
                                    << ""
                                    << "" << false;
        QTest::newRow("infinite") << "..inf"
                                  << ""
                                  << "" << false;
    }
    void limitRanges() {
        QFETCH(QString, text);
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(bool, ok);
        ChannelLimits limits;
        QCOMPARE(ParseLimitRange(text, limits).isEmpty(), ok);
        QCOMPARE(limits.Low ? DegreesText(*limits.Low) : QString(), low);
        QCOMPARE(limits.High ? DegreesText(*limits.High) : QString(), high);
    }
};

QTEST_GUILESS_MAIN(TestAlarmMonitor)
#include "tst_alarm_monitor.moc"
