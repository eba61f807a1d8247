// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/two_point_readout.h"

#include "graph/chart_data.h"

#include <cmath>
#include <limits>

TwoPointReadout TwoPointReadout::Between(const ChartData& data, double a, double b) {
    TwoPointReadout r;
    r.t1 = std::min(a, b);
    r.t2 = std::max(a, b);
    for (int s = 0; s < data.Subsets(); ++s) {
        Change c;
        const int from = data.Nearest(s, r.t1);
        const int to = data.Nearest(s, r.t2);
        c.valid = from >= 0 && to >= 0;
        if (c.valid) {
            c.from = data.Y(s, from);
            c.to = data.Y(s, to);
        }
        r.series.push_back(c);
    }
    return r;
}

double TwoPointReadout::Snap(const ChartData& data, double x) {
    double best = x, distance = std::numeric_limits<double>::infinity();
    for (int s = 0; s < data.Subsets(); ++s)
        if (const int i = data.Nearest(s, x); i >= 0 && std::abs(data.X(s, i) - x) < distance) {
            best = data.X(s, i);
            distance = std::abs(best - x);
        }
    return best;
}

double TwoPointReadout::Seconds() const {
    // Day counts carry the second in their fraction only to about a microsecond.
    return std::round((t2 - t1) * 86400.0 * 1000.0) / 1000.0;
}

double TwoPointReadout::PerMinute(int subset) const {
    const Change& c = series[static_cast<size_t>(subset)];
    if (Seconds() <= 0)
        return std::numeric_limits<double>::quiet_NaN();
    return (c.to - c.from) / (Seconds() / 60.0);
}

QString TwoPointReadout::Text(const QStringList& labels, const QLocale& locale) const {
    const qint64 total = std::llround(Seconds());
    const qint64 days = total / 86400;
    QString span = QStringLiteral("%1:%2:%3")
                       .arg(total / 3600 % 24, 2, 10, QLatin1Char('0'))
                       .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
                       .arg(total % 60, 2, 10, QLatin1Char('0'));
    if (days > 0)
        span = QStringLiteral("%1 d %2").arg(days).arg(span);
    QStringList lines{QStringLiteral("\u0394t %1").arg(span)};
    for (size_t s = 0; s < series.size(); ++s) {
        const Change& c = series[s];
        const QString name = s < static_cast<size_t>(labels.size()) ? labels[int(s)] : QString();
        if (!c.valid) {
            lines << (name.isEmpty() ? tr("no points") : tr("%1: no points").arg(name));
            continue;
        }
        const QString label = name.isEmpty() ? QString() : name + QStringLiteral(": ");
        const auto signedText = [&](double v, int decimals) {
            return (v > 0 ? QStringLiteral("+") : QString()) + locale.toString(v, 'f', decimals);
        };
        const double rate = PerMinute(int(s));
        lines << QStringLiteral("%1\u0394T %2 (%3 \u00B0/min)")
                     .arg(label, signedText(c.to - c.from, 1),
                          std::isnan(rate) ? QStringLiteral("-") : signedText(rate, 2));
    }
    return lines.join(QLatin1Char('\n'));
}
