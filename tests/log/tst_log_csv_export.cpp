// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV export for spreadsheets and scripts: header, ISO times with the UTC
// offset of each local moment, point decimals, empty values for "OL", quoting,
// whatever the system's locale; two-digit years read as the log graph reads them;
// rows across a change of daylight-saving time in order. The test runs in the
// time zone of Berlin, whose clocks change at the end of October.

#include "base/day_count.h"
#include "log/log_csv_export.h"
#include "log/log_dates.h"
#include "log/log_file_reader.h"
#include "log/log_table.h"

#include <QTemporaryDir>
#include <QTest>
#include <ctime>

namespace {
double Start() {
    return DayCountFromDateTime(QDateTime(QDate(2026, 12, 7), QTime(10, 49, 11)));
}

void Fill(LogTable& table, const QString& dateFormat) {
    CurrentReading r;
    r.ModelCode = 301;
    r.ChannelCount = 2;
    r.MainValue = 23.5;
    r.SubValue = -4.2;
    table.AppendLogRow({Start(), r}, dateFormat);
    r.SubOverload = true;
    r.ModeText = QStringLiteral(" MAX HOLD");
    table.AppendLogRow({Start() + 2 / 86400.0, r}, dateFormat);
    CurrentReading timer;
    timer.ModelCode = 300;
    timer.MainOverload = true;
    timer.SubText = QStringLiteral("12:34");
    timer.SubUnitText = QStringLiteral("MM:SS");
    table.AppendLogRow({Start() + 1.0, timer}, dateFormat);
}

// Rows with only a date and a time, as a file might hold them.
void AddTimes(LogTable& table, const QStringList& dateTimes) {
    LogRowStore rows;
    for (const QString& dateTime : dateTimes) {
        const QStringList parts = dateTime.split(QLatin1Char(' '));
        rows.Append({parts[0], parts[1], "1.0", "C", "2.0", "C", "K", ""});
    }
    table.LoadRows(std::move(rows));
}

QList<QDateTime> ExportedTimes(const QByteArray& lines) {
    QList<QDateTime> times;
    for (const QByteArray& line : lines.split('\n'))
        if (!line.isEmpty())
            times << QDateTime::fromString(QString::fromLatin1(line.left(line.indexOf(','))),
                                           Qt::ISODate);
    return times;
}
} // namespace

class TestLogCsvExport : public QObject {
    Q_OBJECT
private slots:
    void rows_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateFormat");
        QTest::newRow("point, d/M/yyyy") << "en_US"
                                         << "d/M/yyyy";
        QTest::newRow("decimal comma, dd.MM.yyyy") << "de_DE"
                                                   << "dd.MM.yyyy";
        QTest::newRow("two-digit year, dd.MM.yy") << "de_DE"
                                                  << "dd.MM.yy";
        QTest::newRow("locale's own short date") << "en_GB"
                                                 << "";
        QTest::newRow("en_US short date, two-digit year") << "en_US"
                                                          << "";
    }
    void rows() {
        QFETCH(QString, locale);
        QFETCH(QString, dateFormat);
        LogTable table;
        table.SetLocale(QLocale(locale));
        Fill(table, dateFormat);
        QCOMPARE(LogCsvExport::Lines(table, dateFormat, {1, 3}),
                 QByteArray("2026-12-07T10:49:11+01:00,23.5,C,-4.2,C,K,\r\n"
                            "2026-12-07T10:49:13+01:00,23.5,C,,C,K,MAX HOLD\r\n"
                            "2026-12-08T10:49:11+01:00,,C,12:34,MM:SS,K,\r\n"));
    }

    // Every exported time is the moment the table's date and time name, summer and
    // winter alike, and a German and an American table (two-digit years both) give
    // the same times.
    void timesReadBack() {
        QList<QByteArray> columns;
        for (const QString& locale : {QStringLiteral("de_DE"), QStringLiteral("en_US")}) {
            LogTable table;
            table.SetLocale(QLocale(locale));
            CurrentReading r;
            r.ModelCode = 301;
            r.ChannelCount = 2;
            const double first = DayCountFromDateTime(QDateTime(QDate(2026, 6, 30), QTime(22, 0)));
            const QString format = QLocale(locale).dateFormat(QLocale::ShortFormat);
            QVERIFY(LogDates::TwoDigitYear(format));
            for (int i = 0; i < 3000; ++i)
                table.AppendLogRow({first + i * 0.0625, r}, format);
            const QByteArray lines = LogCsvExport::Lines(table, format, {1, 3000});
            const QList<QDateTime> times = ExportedTimes(lines);
            QCOMPARE(times.size(), 3000);
            QByteArray column;
            for (int i = 0; i < 3000; ++i) {
                const QDate date = QDate::fromString(table.Cell(i + 1, 1), format).addYears(100);
                const QTime time = QTime::fromString(table.Cell(i + 1, 2), table.TimeFormat());
                const QDateTime back = times[i].toLocalTime();
                QVERIFY2(back.date() == date && back.time() == time,
                         qPrintable(table.Cell(i + 1, 1) + " " + table.Cell(i + 1, 2)));
                QCOMPARE(times[i].offsetFromUtc(), back.offsetFromUtc());
                if (i > 0)
                    QVERIFY(times[i - 1] < times[i]);
                column += times[i].toString(Qt::ISODate).toLatin1() + '\n';
            }
            columns << column;
        }
        QCOMPARE(columns[0], columns[1]);
        QVERIFY(columns[0].startsWith("2026-06-30T22:00:00+02:00\n"));
        QVERIFY(columns[0].contains("2027-01-0"));
    }

    // The night the clocks go back, 02:00 to 03:00 comes twice: the rows taken in
    // the second pass get the winter offset, so every row follows the one before.
    void daylightSavingChange() {
        LogTable table;
        table.SetLocale(QLocale::c());
        AddTimes(table, {"25.10.2026 01:30:00", "25.10.2026 02:00:00", "25.10.2026 02:30:00",
                         "25.10.2026 02:59:59", "25.10.2026 02:00:00", "25.10.2026 02:30:00",
                         "25.10.2026 03:00:00", "29.3.2026 01:59:59", "29.3.2026 03:00:00"});
        const QByteArray lines = LogCsvExport::Lines(table, QStringLiteral("d.M.yyyy"), {1, 9});
        QCOMPARE(lines.split('\n').size(), 10);
        const QList<QByteArrayView> expected{
            "2026-10-25T01:30:00+02:00", "2026-10-25T02:00:00+02:00", "2026-10-25T02:30:00+02:00",
            "2026-10-25T02:59:59+02:00", "2026-10-25T02:00:00+01:00", "2026-10-25T02:30:00+01:00",
            "2026-10-25T03:00:00+01:00", "2026-03-29T01:59:59+01:00", "2026-03-29T03:00:00+02:00"};
        const QList<QByteArray> got = lines.split('\n');
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(got[i].startsWith(expected[i]), got[i].constData());
        const QList<QDateTime> times = ExportedTimes(lines);
        for (int i = 1; i < 7; ++i)
            QVERIFY(times[i - 1].toSecsSinceEpoch() < times[i].toSecsSinceEpoch());
    }

    // Rows opened from a file of another format keep their texts, quoted where needed.
    void foreignTextsKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("other.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Dec 7,noon,\"1,5\",C,x\"y,,,,\r\n");
        file.close();
        LogFileReader reader(QLatin1Char(','));
        QVERIFY(reader.Open(path) && reader.ReadAll());
        LogTable table;
        table.SetLocale(QLocale(QStringLiteral("de_DE")));
        table.LoadRows(reader.TakeRows());
        QCOMPARE(LogCsvExport::Lines(table, QStringLiteral("d/M/yyyy"), {1, 1}),
                 QByteArray("Dec 7 noon,1.5,C,\"x\"\"y\",,,\r\n"));
    }

    void file() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.csv"));
        LogTable table;
        table.SetLocale(QLocale::c());
        Fill(table, QStringLiteral("d/M/yyyy"));
        const LogCsvExport::Result result =
            LogCsvExport::Save(path, table, QStringLiteral("d/M/yyyy"));
        QVERIFY(result.Error.isEmpty());
        QCOMPARE(result.Rows, 3);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 LogCsvExport::HeaderLine +
                     LogCsvExport::Lines(table, QStringLiteral("d/M/yyyy"), {1, 3}));
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/log.csv"));
        const QString error = LogCsvExport::Save(missing, table, {}).Error;
        QVERIFY(error.contains(missing) && error.contains(QStringLiteral("No such file")));
    }
};

int main(int argc, char* argv[]) {
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    TestLogCsvExport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_log_csv_export.moc"
