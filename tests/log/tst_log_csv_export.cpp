// The CSV export for spreadsheets and scripts: header, ISO times, point decimals,
// empty values for "OL", quoting, whatever the system's locale.

#include "base/day_count.h"
#include "log/log_csv_export.h"
#include "log/log_file_reader.h"
#include "log/log_table.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const double Start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 7), QTime(10, 49, 11)));

void Fill(LogTable& table, const QString& dateFormat) {
    CurrentReading r;
    r.ModelCode = 301;
    r.ChannelCount = 2;
    r.MainValue = 23.5;
    r.SubValue = -4.2;
    table.AppendLogRow({Start, r}, dateFormat);
    r.SubOverload = true;
    r.ModeText = QStringLiteral(" MAX HOLD");
    table.AppendLogRow({Start + 2 / 86400.0, r}, dateFormat);
    CurrentReading timer;
    timer.ModelCode = 300;
    timer.MainOverload = true;
    timer.SubText = QStringLiteral("12:34");
    timer.SubUnitText = QStringLiteral("MM:SS");
    table.AppendLogRow({Start + 1.0, timer}, dateFormat);
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
        QTest::newRow("locale's own short date") << "en_GB"
                                                 << "";
    }
    void rows() {
        QFETCH(QString, locale);
        QFETCH(QString, dateFormat);
        LogTable table;
        table.SetLocale(QLocale(locale));
        Fill(table, dateFormat);
        QCOMPARE(LogCsvExport::Lines(table, dateFormat, {1, 3}),
                 QByteArray("2026-12-07T10:49:11,23.5,C,-4.2,C,K,\r\n"
                            "2026-12-07T10:49:13,23.5,C,,C,K,MAX HOLD\r\n"
                            "2026-12-08T10:49:11,,C,12:34,MM:SS,K,\r\n"));
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
        QVERIFY(LogCsvExport::Save(missing, table, {}).Error.contains(missing));
    }
};

QTEST_GUILESS_MAIN(TestLogCsvExport)
#include "tst_log_csv_export.moc"
