// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's point store and its level-of-detail summary: the line found through
// the summary must be the one a walk over every point gives, after bulk fills and
// after single writes, shifts and clears, for sorted and unsorted times, with
// blanks; the points in view and the nearest point likewise.

#include "base/day_count.h"
#include "graph/chart_data.h"

#include <QRandomGenerator>
#include <QTest>
#include <bit>
#include <cmath>

namespace {
using Point = ChartData::Point;

// The same line from every point, one by one.
std::vector<Point> ReferenceOutline(const ChartData& data, int s, ChartData::Extent view,
                                    int columns, int& visible) {
    std::vector<Point> out;
    visible = 0;
    struct Run {
        int column;
        Point first, last;
        double minY, maxY;
        int count;
    } run{};
    bool haveRun = false, gap = false;
    const auto columnOf = [&](double x) {
        if (x < view.lower)
            return -1;
        if (x > view.upper)
            return columns;
        const double width = view.upper - view.lower;
        return width <= 0 ? 0 : std::min(int((x - view.lower) / width * columns), columns - 1);
    };
    const auto close = [&] {
        if (run.column < 0) {
            out.push_back(run.last);
        } else if (run.column >= columns) {
            out.push_back(run.first);
        } else {
            visible += run.count;
            out.push_back(run.first);
            if (run.count > 2) {
                const bool lowFirst = run.first.y - run.minY < run.maxY - run.first.y;
                const double middle =
                    view.lower + (run.column + 0.5) * (view.upper - view.lower) / columns;
                out.push_back({middle, lowFirst ? run.minY : run.maxY});
                out.push_back({middle, lowFirst ? run.maxY : run.minY});
            }
            if (run.count > 1)
                out.push_back(run.last);
        }
    };
    for (int i = 0; i < data.Points(); ++i) {
        const Point p{data.X(s, i), double(data.Y(s, i))};
        if (p.x == 0.0) {
            gap = true;
            continue;
        }
        const int c = columnOf(p.x);
        if (haveRun && run.column == c) {
            run.last = p;
            run.minY = std::min(run.minY, p.y);
            run.maxY = std::max(run.maxY, p.y);
            ++run.count;
        } else {
            if (haveRun) {
                close();
                if (gap)
                    out.push_back({out.back().x, std::nan("")});
            }
            run = {c, p, p, p.y, p.y, 1};
            haveRun = true;
        }
        gap = false;
    }
    if (haveRun)
        close();
    return out;
}

bool Same(const std::vector<Point>& a, const std::vector<Point>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || (a[i].y != b[i].y && !(std::isnan(a[i].y) && std::isnan(b[i].y))))
            return false;
    return true;
}

// n points a second apart from day 46000, some blank, some runs of blanks, and
// optionally a stretch where the clock went back an hour.
void Fill(ChartData& data, int n, quint32 seed, bool clockBack) {
    QRandomGenerator random(seed);
    data.SetSubsets(1);
    data.SetPoints(n);
    double t = 46000.25;
    double y = 20;
    for (int i = 0; i < n; ++i) {
        t += 1.0 / 86400;
        if (clockBack && i == n / 2)
            t -= 1.0 / 24;
        y += random.bounded(2.0) - 1.0;
        const bool blank = random.bounded(20) == 0 || (i > n / 3 && i < n / 3 + 700);
        if (!blank) {
            data.SetX(0, i, t);
            data.SetY(0, i, float(y));
        }
    }
}

void CompareWithReference(const ChartData& data) {
    ChartData::Extent all{};
    QVERIFY(data.XExtent(all));
    const double span = all.upper - all.lower;
    const ChartData::Extent views[] = {
        all,
        {all.lower + span * 0.45, all.lower + span * 0.55},
        {all.lower + span * 0.3, all.lower + span * 0.3 + 20.0 / 86400},
        {all.upper + 1, all.upper + 2},
        {all.lower + span / 3, all.lower + span / 3},
    };
    for (const ChartData::Extent view : views)
        for (const int columns : {1, 7, 1200}) {
            std::vector<Point> got;
            int expectedVisible = 0;
            const int visible = data.Outline(0, view, columns, got);
            const std::vector<Point> expected =
                ReferenceOutline(data, 0, view, columns, expectedVisible);
            QVERIFY2(
                Same(got, expected),
                qPrintable(
                    QStringLiteral("%1 points, expected %2").arg(got.size()).arg(expected.size())));
            QCOMPARE(visible, expectedVisible);
        }
}
} // namespace

class ChartDataTest : public QObject {
    Q_OBJECT
private slots:
    void outlineMatchesEveryPoint_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("clockBack");
        QTest::newRow("few") << 5 << false;
        QTest::newRow("one block and a bit") << 33 << false;
        QTest::newRow("100 000") << 100000 << false;
        QTest::newRow("clock set back") << 70000 << true;
    }
    void outlineMatchesEveryPoint() {
        QFETCH(int, points);
        QFETCH(bool, clockBack);
        ChartData data;
        Fill(data, points, 7, clockBack);
        CompareWithReference(data);
        if (QTest::currentTestFailed())
            return;

        // Single writes after the summary exists, then the live graph's shift.
        data.SetX(0, points / 2, 0.0);
        data.SetY(0, points - 1, 1e4f);
        data.SetX(0, points - 1, data.X(0, points - 2) + 1.0 / 86400);
        CompareWithReference(data);
        data.DropOldest(std::min(points, 100));
        data.SetX(0, 0, 46000.25);
        CompareWithReference(data);
    }

    // A full view of a million points comes out near four points a column.
    void outlineIsBoundedByColumns() {
        ChartData data;
        Fill(data, 1000000, 3, false);
        ChartData::Extent all{};
        QVERIFY(data.XExtent(all));
        std::vector<Point> out;
        const int visible = data.Outline(0, all, 1200, out);
        QVERIFY(visible > 900000);
        QVERIFY2(out.size() <= 1200 * 5, qPrintable(QString::number(out.size())));
    }

    void pointsInViewAndNearest() {
        ChartData data;
        Fill(data, 50000, 11, true);
        ChartData::Extent all{};
        QVERIFY(data.XExtent(all));
        const ChartData::Extent view{all.lower + (all.upper - all.lower) * 0.6,
                                     all.lower + (all.upper - all.lower) * 0.62};
        std::vector<Point> expected;
        for (int i = 0; i < data.Points(); ++i) {
            const double x = data.X(0, i);
            if (x != 0.0 && x >= view.lower && x <= view.upper)
                expected.push_back({x, double(data.Y(0, i))});
        }
        std::vector<Point> got;
        QVERIFY(data.PointsInView(0, view, int(expected.size()), got));
        QVERIFY(Same(got, expected));
        QVERIFY(!data.PointsInView(0, view, int(expected.size()) - 1, got));

        for (const double x : {all.lower - 1, view.lower + 0.3 / 86400, all.upper + 1}) {
            int best = -1;
            for (int i = 0; i < data.Points(); ++i)
                if (data.X(0, i) != 0.0 &&
                    (best < 0 || std::abs(data.X(0, i) - x) < std::abs(data.X(0, best) - x)))
                    best = i;
            QCOMPARE(data.X(0, data.Nearest(0, x)), data.X(0, best));
        }
    }

    // A day count made of a date and a time to the millisecond, as the program's are,
    // reads back unchanged however far the points of a block lie apart; others to
    // the millisecond.
    void timesReadBack_data() {
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<bool>("exact");
        const QDateTime start(QDate(2026, 12, 6), QTime(23, 59, 58, 250));
        QList<double> seconds, midnight, weeks, century;
        for (int i = 0; i < 40; ++i) {
            seconds << DayCountFromDateTime(start.addMSecs(i * 1000));
            midnight << DayCountFromDateTime(start.addMSecs(i * 137));
            weeks << DayCountFromDateTime(start.addDays(i % 3 == 0 ? 30 * i : 0).addSecs(i));
            century << DayCountFromDateTime(start.addYears(i % 2 ? -150 : 0).addSecs(i));
        }
        QTest::newRow("seconds across midnight") << seconds << true;
        QTest::newRow("milliseconds") << midnight << true;
        QTest::newRow("weeks apart in one block") << weeks << true;
        QTest::newRow("before 1899 and after") << century << true;
        QTest::newRow("any double") << QList<double>{46000.123456789, 1e12, -3.5, 0.25} << false;
    }
    void timesReadBack() {
        QFETCH(QList<double>, times);
        QFETCH(bool, exact);
        ChartData data;
        data.SetSubsets(1);
        data.SetPoints(int(times.size()) + 1);
        for (int i = 0; i < times.size(); ++i)
            data.SetX(0, i + 1, times[i]); // the first point stays blank
        for (int i = 0; i < times.size(); ++i) {
            const double x = data.X(0, i + 1);
            if (exact)
                QCOMPARE(qint64(std::bit_cast<quint64>(x)),
                         qint64(std::bit_cast<quint64>(times[i])));
            else
                QVERIFY2(std::abs(x - times[i]) <=
                             0.5 / 86400000 * std::max(1.0, std::abs(times[i]) / 1e5),
                         qPrintable(QString::number(times[i], 'g', 17)));
        }
        QCOMPARE(data.X(0, 0), 0.0);
        data.SetX(0, 1, 0.0);
        QCOMPARE(data.X(0, 1), 0.0);
    }

    // The version moves with every change of the points and only then.
    void versionFollowsChanges() {
        ChartData data;
        data.SetSubsets(2);
        data.SetPoints(100);
        uint64_t version = data.Version();
        const auto changed = [&] {
            const bool moved = data.Version() != version;
            version = data.Version();
            return moved;
        };
        QVERIFY(data.SetX(0, 3, 46000.5));
        QVERIFY(changed());
        QVERIFY(data.SetY(1, 3, 2.0f));
        QVERIFY(changed());
        std::vector<Point> out;
        ChartData::Extent all{};
        data.XExtent(all);
        data.Outline(0, all, 10, out);
        data.X(0, 3);
        QVERIFY(!changed());
        data.Put(0, 4, 46000.6, 1.0f);
        data.Changed(0, 4, 4);
        QVERIFY(changed());
        data.DropOldest(1);
        QVERIFY(changed());
        data.Clear(1);
        QVERIFY(changed());
        data.SetPoints(50);
        QVERIFY(changed());
    }

    void extentsAndClearing() {
        ChartData data;
        data.SetSubsets(2);
        data.SetPoints(3);
        ChartData::Extent e{};
        QVERIFY(!data.XExtent(e));
        QVERIFY(!data.SetX(2, 0, 1.0));
        QVERIFY(!data.SetY(0, 3, 1.0f));
        data.SetX(0, 1, 46001.0);
        data.SetY(0, 1, -5.0f);
        data.SetX(1, 2, 46002.0);
        data.SetY(1, 2, 7.0f);
        data.SetY(1, 0, 99.0f); // a blank's Y does not count
        QVERIFY(data.XExtent(e));
        QCOMPARE(e.lower, 46001.0);
        QCOMPARE(e.upper, 46002.0);
        QVERIFY(data.YExtent(e));
        QCOMPARE(e.lower, -5.0);
        QCOMPARE(e.upper, 7.0);
        data.Clear(1);
        QVERIFY(data.YExtent(e));
        QCOMPARE(e.upper, -5.0);
        QCOMPARE(data.Nearest(1, 46002.0), -1);
    }
};

QTEST_GUILESS_MAIN(ChartDataTest)
#include "tst_chart_data.moc"
