// SPDX-License-Identifier: GPL-3.0-or-later
// The two-point read-out from known points: the time between the marks, each
// series' change and its rate per minute, taken at the points nearest in time,
// whatever order the marks came in; and its text.

#include "graph/chart_data.h"
#include "graph/two_point_readout.h"

#include <QTest>

namespace {
constexpr double Second = 1.0 / 86400.0;
constexpr double T0 = 46362.5;
} // namespace

class TwoPointReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void changesAndRates() {
        // Every 10 s: the main channel warms 1.5 degrees, the second cools 0.5;
        // the second is over range (blank) at the 5th point.
        ChartData data;
        data.SetSubsets(2);
        data.SetPoints(100);
        for (int i = 0; i < 100; ++i) {
            data.SetX(0, i, T0 + 10 * i * Second);
            data.SetY(0, i, 20.0f + 1.5f * i);
            if (i != 5) {
                data.SetX(1, i, T0 + 10 * i * Second);
                data.SetY(1, i, 90.0f - 0.5f * i);
            }
        }
        // Marks slightly off the points, the later one first.
        const TwoPointReadout r =
            TwoPointReadout::Between(data, T0 + 603 * Second, T0 + 4.9 * Second);
        QCOMPARE(r.t1, T0 + 4.9 * Second);
        QCOMPARE(r.series.size(), size_t(2));
        QCOMPARE(r.series[0].from, 20.0); // point 0 (4.9 s is nearer 0 than 10)
        QCOMPARE(r.series[0].to, 110.0);  // point 60
        QCOMPARE(r.series[1].to, 60.0);
        QCOMPARE(r.Seconds(), 598.1);
        QVERIFY(qAbs(r.PerMinute(0) - 90.0 / (598.1 / 60)) < 1e-9);

        // Snapped marks stand on points: 60 s apart, 9 and -3 degrees a minute.
        const TwoPointReadout snapped =
            TwoPointReadout::Between(data, TwoPointReadout::Snap(data, T0 + 98 * Second),
                                     TwoPointReadout::Snap(data, T0 + 161 * Second));
        QCOMPARE(snapped.Seconds(), 60.0);
        QCOMPARE(snapped.PerMinute(0), 9.0);
        QCOMPARE(snapped.PerMinute(1), -3.0);
        // The second series has no point at 50 s: its nearest stands in.
        const TwoPointReadout gap =
            TwoPointReadout::Between(data, T0 + 50 * Second, T0 + 50 * Second);
        QCOMPARE(gap.series[1].from, 88.0);
        QVERIFY(std::isnan(gap.PerMinute(0)));

        const QString text = snapped.Text({QStringLiteral("Main"), QStringLiteral("Second")},
                                          QLocale(QStringLiteral("en_US")));
        QCOMPARE(text, QStringLiteral("\u0394t 00:01:00\nMain: \u0394T +9.0 (+9.00 \u00B0/min)\n"
                                      "Second: \u0394T -3.0 (-3.00 \u00B0/min)"));
    }

    void longSpansAndEmptySeries() {
        ChartData data;
        data.SetSubsets(2);
        data.SetPoints(2);
        data.SetX(0, 0, T0);
        data.SetY(0, 0, 10.0f);
        data.SetX(0, 1, T0 + 2 + 3723 * Second);
        data.SetY(0, 1, 10.0f);
        const TwoPointReadout r = TwoPointReadout::Between(data, T0, T0 + 2 + 3723 * Second);
        QVERIFY(!r.series[1].valid);
        QCOMPARE(r.Text({}, QLocale(QStringLiteral("en_US"))),
                 QStringLiteral("\u0394t 2 d 01:02:03\n\u0394T 0.0 (0.00 \u00B0/min)\nno points"));
    }
};

QTEST_GUILESS_MAIN(TwoPointReadoutTest)
#include "tst_two_point_readout.moc"
