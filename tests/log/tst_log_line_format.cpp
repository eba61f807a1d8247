// Log file lines: the worked example byte for byte, and the two separator rules.
#include "log/log_line_format.h"

#include <QTest>

class TestLogLineFormat : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("lines");
        const QByteArray tabbed = "6/12/2026\t10:49:11\t23.5\tC\t24.1\tC\tK\t\t\r\n"
                                  "6/12/2026\t10:49:15\t23.6\tC\tOL\tC\tK\t HOLD\t\r\n"
                                  "6/12/2026\t10:49:11\t23.5\tC\t12:34\tMM:SS\tK\t\t\r\n"
                                  "\t\t\t\t\t\t\t\t\r\n";
        QByteArray commas = tabbed;
        commas.replace('\t', ',');
        QTest::newRow("LOG.TXT") << "LOG.TXT" << tabbed;
        QTest::newRow("log.dat") << "log.dat" << tabbed;
        QTest::newRow("LOG.CSV") << "LOG.CSV" << commas;
        QTest::newRow("datacsv") << "datacsv" << commas;
    }
    void workedExample() {
        QFETCH(QString, fileName);
        const QChar separator = LogLineFormat::SaveSeparator(fileName);
        QByteArray out;
        LogLineFormat::AppendLine(out, {"6/12/2026", "10:49:11", "23.5", "C", "24.1", "C", "K", ""},
                                  separator);
        LogLineFormat::AppendLine(
            out, {"6/12/2026", "10:49:15", "23.6", "C", "OL", "C", "K", " HOLD"}, separator);
        LogLineFormat::AppendLine(
            out, {"6/12/2026", "10:49:11", "23.5", "C", "12:34", "MM:SS", "K", ""}, separator);
        out += LogLineFormat::Line({}, separator); // an empty table's one line
        QTEST(out, "lines");
    }

    void openSeparator_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("capitals") << "LOG.CSV" << QChar(',');
        QTest::newRow("path") << "/tmp/a.b/log.csv" << QChar(',');
        QTest::newRow("no dot") << "datacsv" << QChar('\t');
        QTest::newRow("txt") << "log.txt" << QChar('\t');
        QTest::newRow("csv inside") << "log.csv.txt" << QChar('\t');
    }
    void openSeparator() {
        QFETCH(QString, fileName);
        QTEST(LogLineFormat::OpenSeparator(fileName), "separator");
    }
};

QTEST_GUILESS_MAIN(TestLogLineFormat)
#include "tst_log_line_format.moc"
