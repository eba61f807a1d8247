// SPDX-License-Identifier: GPL-3.0-or-later
// The rate entries' text rules and the day-count date-times.

#include "base/day_count.h"
#include "base/rate_entry.h"

#include <QTest>

class RateEntryTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("rewritten"); // empty: the text stands
        QTest::newRow("5 min 2 s") << "  05 : 02  " << 302 << "";
        QTest::newRow("0 is accepted") << "  00 : 00  " << 0 << "";
        QTest::newRow("60 and 60 stand") << "  60 : 60  " << 3660 << "";
        QTest::newRow("75 minutes") << "  75 : 02  " << 3602 << "  60 : 02 ";
        QTest::newRow("75 minutes, 99 seconds") << "  75 : 99  " << 3660 << "  60 : 60 ";
        QTest::newRow("blank digit in minutes") << "  5_ : 02  " << 2 << "  00 : 02 ";
        QTest::newRow("all blank") << "  __ : __  " << 0 << "  00 : 00 ";
        QTest::newRow("sign is no digit") << "  -5 : 10  " << 10 << "  00 : 10 ";
        QTest::newRow("short text") << "  05" << 300 << "  05 : 00 ";
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(int, rate);
        QFETCH(QString, rewritten);
        const RateEntry entry = ParseRateEntry(text);
        QCOMPARE(entry.Rate, rate);
        QCOMPARE(entry.Rewrite, !rewritten.isEmpty());
        QCOMPARE(entry.Text, rewritten);
    }

    // What a window writes for a stored rate, and what it reads back from that text.
    void format_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("readBack");
        QTest::newRow("2 s") << 2 << "  00 : 02 " << 2;
        QTest::newRow("123 s") << 123 << "  02 : 03 " << 123;
        QTest::newRow("3660 s") << 3660 << "  61 : 00 " << 3600;
        QTest::newRow("3700 s") << 3700 << "  61 : 40 " << 3640;
        QTest::newRow("6000 s") << 6000 << "  00 : 00 " << 0;
        QTest::newRow("123 min keeps 23") << 123 * 60 + 5 << "  23 : 05 " << 23 * 60 + 5;
    }
    void format() {
        QFETCH(int, rate);
        QFETCH(QString, text);
        QFETCH(int, readBack);
        QCOMPARE(RateEntryText(rate), text);
        QCOMPARE(ParseRateEntry(text + QLatin1Char(' ')).Rate, readBack);
    }

    void dayCount() {
        const QDateTime t(QDate(2026, 12, 6), QTime(10, 49, 11));
        QCOMPARE(DayCountFromDateTime(t), 46362 + (10 * 3600 + 49 * 60 + 11) / 86400.0);
        QCOMPARE(DateTimeFromDayCount(DayCountFromDateTime(t)), t);
        QCOMPARE(DateTimeFromDayCount(0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
        // A hair before the second still reads as that second.
        const double almost = DayCountFromDateTime(t) - 0.0001 / 86400.0;
        QCOMPARE(DateTimeFromDayCount(almost).time(), QTime(10, 49, 11));
    }
};

QTEST_GUILESS_MAIN(RateEntryTest)
#include "tst_rate_entry.moc"
