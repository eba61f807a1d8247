// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read-out between two marked times of a chart: the time from the earlier
// to the later and, for each series, the change of value and its rate in degrees
// per minute. A series' value at a mark is that of its set point nearest in time.

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

class ChartData;

struct TwoPointReadout {
    Q_DECLARE_TR_FUNCTIONS(TwoPointReadout)

public:
    struct Change {
        bool valid = false; // the series has points
        double from = 0, to = 0;
    };
    double t1 = 0, t2 = 0; // day counts, t1 <= t2
    std::vector<Change> series;

    static TwoPointReadout Between(const ChartData& data, double a, double b);
    // The time of the set point, of any series, nearest to x; x itself when there is none.
    static double Snap(const ChartData& data, double x);

    double Seconds() const;
    // Degrees per minute; NaN when both marks stand at one time.
    double PerMinute(int subset) const;
    // Lines for the chart: the time between the marks, then each series' change;
    // labels name the series (none for a single unnamed one).
    QString Text(const QStringList& labels, const QLocale& locale = QLocale()) const;
};
