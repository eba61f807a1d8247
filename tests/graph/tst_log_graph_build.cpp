// SPDX-License-Identifier: GPL-3.0-or-later
// The log graph's conversion of table texts to points: what the table writes in
// several locales reads back to the same times and values, one or two series by
// the second unit, "OL" and dashes leave their point out, a row without a valid
// date puts its second value at the last good time, the first and last row's
// failures are named, and a cancel leaves the rest blank.

#include "base/day_count.h"
#include "graph/chart_data.h"
#include "graph/graph_progress.h"
#include "graph/log_graph_build.h"
#include "log/log_table.h"

#include <QTest>

namespace {
constexpr double Second = 1.0 / 86400.0;
const double T0 = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 50)));

CurrentReading Reading(int model, double main, double sub) {
    CurrentReading r;
    r.ModelCode = model;
    r.ChannelCount = (model == 301 || model == 303) ? 2 : 1;
    r.MainValue = main;
    r.SubValue = sub;
    r.SubText = QStringLiteral("12:34");
    r.SubUnitText = r.ChannelCount == 2 ? QStringLiteral("F") : QStringLiteral("HH:MM");
    return r;
}

// Cancels once the given step comes.
class CancelAt : public GraphProgress {
public:
    explicit CancelAt(int step) : step_(step) {}
    void Start(const QString&, const QString&, int) override {}
    bool Step(int position) override {
        last = position;
        return position >= step_;
    }
    void Finish() override {}
    int last = 0;

private:
    int step_;
};

void Prepare(ChartData& data, const LogGraphBuild& build) {
    data.SetSubsets(build.SeriesCount());
    data.SetPoints(build.Rows());
}
} // namespace

class LogGraphBuildTest : public QObject {
    Q_OBJECT
private slots:
    // Twenty rows across midnight, written and read in the locale's own forms.
    void readsWhatTheTableWrites_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateFormat");
        QTest::newRow("en_US") << "en_US"
                               << "M/d/yyyy";
        QTest::newRow("de_DE two-digit year") << "de_DE"
                                              << "dd.MM.yy";
        QTest::newRow("fi_FI, dot in the time") << "fi_FI"
                                                << "d.M.yyyy";
        QTest::newRow("the table's short format") << "en_GB"
                                                  << "";
        QTest::newRow("month names") << "en_US"
                                     << "d MMM yyyy";
        QTest::newRow("a decimal separator of two bytes") << "fa_IR"
                                                          << "yyyy/M/d";
    }
    void readsWhatTheTableWrites() {
        QFETCH(QString, locale);
        QFETCH(QString, dateFormat);
        LogTable table;
        table.SetLocale(QLocale(locale));
        for (int i = 0; i < 20; ++i)
            table.AppendLogRow({T0 + i * Second, Reading(303, -12.5 + i * 3.3, 1234.5 - i)},
                               dateFormat);
        const LogGraphBuild build(table, dateFormat);
        QCOMPARE(build.Rows(), 20);
        QCOMPARE(build.SeriesCount(), 2);
        const LogGraphBuild::Span span = build.FirstAndLast();
        QVERIFY2(span.error.isEmpty(), qPrintable(span.error));
        QVERIFY(qAbs(span.first - T0) < 1e-9);
        QVERIFY(qAbs(span.last - (T0 + 19 * Second)) < 1e-9);

        ChartData data;
        Prepare(data, build);
        CancelAt never(1000);
        QCOMPARE(build.Fill(data, never, span.first), 20);
        for (int i = 0; i < 20; ++i) {
            QVERIFY2(qAbs(data.X(0, i) - (T0 + i * Second)) < 1e-9,
                     qPrintable(table.Cell(i + 1, 1)));
            QCOMPARE(data.X(1, i), data.X(0, i));
            QCOMPARE(data.Y(0, i), float(QString::number(-12.5 + i * 3.3, 'f', 1).toDouble()));
            QCOMPARE(data.Y(1, i), float(1234.5 - i));
        }
    }

    void seriesByTheSecondUnit_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("series");
        QTest::newRow("two channels, C") << 301 << "C" << 2;
        QTest::newRow("two channels, F") << 303 << "F" << 2;
        QTest::newRow("timer MM:SS") << 300 << "MM:SS" << 1;
        QTest::newRow("timer HH:MM") << 302 << "HH:MM" << 1;
    }
    void seriesByTheSecondUnit() {
        QFETCH(int, model);
        QFETCH(QString, unit);
        QFETCH(int, series);
        CurrentReading r = Reading(model, 20, 30);
        r.SubUnitText = unit;
        LogTable table;
        table.AppendLogRow({T0, r}, QStringLiteral("d/M/yyyy"));
        QCOMPARE(LogGraphBuild(table, QStringLiteral("d/M/yyyy")).SeriesCount(), series);
    }

    // "OL" and dashes leave their own point out; a row whose date does not read
    // leaves its main point out and puts its second value at the last good time.
    void unreadableTextsLeaveTheirPointOut() {
        LogTable table;
        table.SetLocale(QLocale(QStringLiteral("en_US")));
        const QString format = QStringLiteral("d/M/yyyy");
        CurrentReading r = Reading(301, 20, 30);
        table.AppendLogRow({T0, r}, format);
        r.MainOverload = true;
        table.AppendLogRow({T0 + Second, r}, format); // row 2: main "OL"
        r.MainOverload = false;
        r.SubValid = false;
        table.AppendLogRow({T0 + 2 * Second, r}, format); // row 3: second "----"
        r.SubValid = true;
        table.AppendLogRow({T0 + 3 * Second, r}, QStringLiteral("'no date'")); // row 4
        table.AppendLogRow({T0 + 4 * Second, r}, format);
        QCOMPARE(table.Cell(2, 3), QStringLiteral("OL"));
        QCOMPARE(table.Cell(3, 5), QStringLiteral("----"));

        const LogGraphBuild build(table, format);
        ChartData data;
        Prepare(data, build);
        CancelAt never(1000);
        build.Fill(data, never, build.FirstAndLast().first);
        const double x[] = {T0, 0, T0 + 2 * Second, 0, T0 + 4 * Second};
        const double x2[] = {T0, T0 + Second, 0, T0 + 2 * Second, T0 + 4 * Second};
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(qAbs(data.X(0, i) - x[i]) < 1e-9, qPrintable(QString::number(i)));
            QVERIFY2(qAbs(data.X(1, i) - x2[i]) < 1e-9, qPrintable(QString::number(i)));
        }
        QCOMPARE(data.Y(1, 3), 30.0f);
    }

    // An empty table has one blank row: the message names it, and the one point stays blank.
    void emptyTable() {
        LogTable table;
        const LogGraphBuild build(table, QStringLiteral("d/M/yyyy"));
        QCOMPARE(build.Rows(), 1);
        QCOMPARE(build.SeriesCount(), 1);
        const LogGraphBuild::Span span = build.FirstAndLast();
        QVERIFY(span.error.contains(QStringLiteral("Row 1")));
        QCOMPARE(span.first, 0.0);
        QCOMPARE(span.last, 0.0);
        ChartData data;
        Prepare(data, build);
        CancelAt never(1000);
        QCOMPARE(build.Fill(data, never, span.first), 1);
        QCOMPARE(data.Points(), 1);
        QCOMPARE(data.X(0, 0), 0.0);
    }

    void lastRowFailureIsNamed() {
        LogTable table;
        const QString format = QStringLiteral("d/M/yyyy");
        table.AppendLogRow({T0, Reading(300, 1, 0)}, format);
        table.AppendLogRow({T0 + Second, Reading(300, 2, 0)}, QStringLiteral("'bad'"));
        const LogGraphBuild::Span span = LogGraphBuild(table, format).FirstAndLast();
        QVERIFY(qAbs(span.first - T0) < 1e-9);
        QCOMPARE(span.last, 0.0);
        QVERIFY2(span.error.contains(QStringLiteral("Row 2")) &&
                     span.error.contains(QStringLiteral("bad")),
                 qPrintable(span.error));
    }

    // Cancel after row k: points 0 to k - 1 are drawn, k and later stay blank.
    void cancelLeavesTheRestBlank() {
        LogTable table;
        const QString format = QStringLiteral("d/M/yyyy");
        for (int i = 0; i < 50; ++i)
            table.AppendLogRow({T0 + i * Second, Reading(303, i, -i)}, format);
        const LogGraphBuild build(table, format);
        ChartData data;
        Prepare(data, build);
        const int k = 17;
        CancelAt cancel(k + 1);
        QCOMPARE(build.Fill(data, cancel, T0), k);
        QCOMPARE(cancel.last, k + 1);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(data.X(0, i) != 0.0, i < k);
            QCOMPARE(data.X(1, i) != 0.0, i < k);
        }
    }

    void numbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<float>("value");
        QTest::newRow("plain") << "en_US"
                               << "23.5" << true << 23.5f;
        QTest::newRow("negative") << "en_US"
                                  << "-200.0" << true << -200.0f;
        QTest::newRow("comma") << "de_DE"
                               << "1370,0" << true << 1370.0f;
        QTest::newRow("exponent") << "en_US"
                                  << "1.370000E+07" << true << 1.37e7f;
        QTest::newRow("OL") << "en_US"
                            << "OL" << false << 0.0f;
        QTest::newRow("dashes") << "en_US"
                                << "----" << false << 0.0f;
        QTest::newRow("empty") << "en_US"
                               << "" << false << 0.0f;
        QTest::newRow("point in a comma locale") << "de_DE"
                                                 << "23.5" << false << 0.0f;
        QTest::newRow("group separator") << "en_US"
                                         << "1,370.0" << false << 0.0f;
        QTest::newRow("beyond a float") << "en_US"
                                        << "1e300" << false << 0.0f;
    }
    void numbers() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(float, value);
        LogTable table;
        table.SetLocale(QLocale(locale));
        float read = 0;
        QCOMPARE(LogGraphBuild(table, QString()).Number(text, read), ok);
        if (ok)
            QCOMPARE(read, value);
    }
};

QTEST_GUILESS_MAIN(LogGraphBuildTest)
#include "tst_log_graph_build.moc"
