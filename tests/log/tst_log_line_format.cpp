// SPDX-License-Identifier: GPL-3.0-or-later
// Log file lines: the worked example byte for byte, the two separator rules, quoting
// of fields that would not read back as themselves, and splitting lines into fields.
#include "log/log_file_reader.h"
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

    // Only fields that would otherwise read back differently are quoted.
    void quoting_data() {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("decimal comma in csv") << QChar(',') << "23,5" << QByteArray("\"23,5\",");
        QTest::newRow("decimal comma in tab file") << QChar('\t') << "23,5" << QByteArray("23,5\t");
        QTest::newRow("tab in tab file") << QChar('\t') << "a\tb" << QByteArray("\"a\tb\"\t");
        QTest::newRow("leading quote") << QChar(',') << "\"x" << QByteArray("\"\"\"x\",");
        QTest::newRow("inner quote left alone") << QChar(',') << "5\"" << QByteArray("5\",");
        QTest::newRow("annunciators") << QChar(',') << " HOLD" << QByteArray(" HOLD,");
        QTest::newRow("byte-order mark") << QChar(',') << QString(QChar(0xFEFF)) + "a"
                                         << QByteArray("\"\xEF\xBB\xBF"
                                                       "a\",");
    }
    void quoting() {
        QFETCH(QChar, separator);
        QFETCH(QString, field);
        QFETCH(QByteArray, written);
        const QByteArray line = LogLineFormat::Line({field}, separator);
        QCOMPARE(line.left(written.size()), written);
        // Written and split again, the field is itself.
        LogLineFormat::RawFields fields;
        QByteArray scratch;
        const int count = LogLineFormat::SplitLine(QByteArrayView(line).chopped(2),
                                                   separator.toLatin1(), fields, scratch);
        QCOMPARE(count, LogLineFormat::FieldCount);
        QCOMPARE(fields[0].toByteArray(), field.toUtf8());
    }

    // A first field that starts with the bytes of a UTF-16 mark is quoted, so that
    // the file it starts is not taken for UTF-16 text when read back.
    void utf16MarkQuoted() {
        const LogLineFormat::RawFields fields{"\xFF\xFExt", "", "", "", "", "", "", ""};
        QByteArray line;
        LogLineFormat::AppendRawLine(line, fields, ',');
        QCOMPARE(line, QByteArray("\"\xFF\xFExt\",,,,,,,,\r\n"));
        LogFileReader reader(QLatin1Char(','));
        reader.Feed(line);
        reader.Finish();
        QVERIFY(!reader.NotText());
        QCOMPARE(reader.TakeRows().RawRow(0)[0], QByteArrayView("\xFF\xFExt"));
    }

    void splitLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("as saved") << QByteArray("a,b,c,d,e,f,g,h,")
                                  << QStringList{"a", "b", "c", "d", "e", "f", "g", "h"};
        QTest::newRow("empty table's line")
            << QByteArray(",,,,,,,,") << QStringList{"", "", "", "", "", "", "", ""};
        QTest::newRow("spreadsheet: no trailing separator")
            << QByteArray("a,b,c") << QStringList{"a", "b", "c"};
        QTest::newRow("ten fields") << QByteArray("1,2,3,4,5,6,7,8,9,10,")
                                    << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"};
        QTest::newRow("eight without trailing")
            << QByteArray("1,2,3,4,5,6,7,8") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"};
        QTest::newRow("unquoted decimal comma splits")
            << QByteArray("6/12/2026,10:49:11,23,5,C,")
            << QStringList{"6/12/2026", "10:49:11", "23", "5", "C"};
        QTest::newRow("quoted") << QByteArray("\"23,5\",C,\"say \"\"hi\"\"\",")
                                << QStringList{"23,5", "C", "say \"hi\""};
        QTest::newRow("quoted empty") << QByteArray("\"\",x,") << QStringList{"", "x"};
        QTest::newRow("text after closing quote")
            << QByteArray("\"ab\"cd,e,") << QStringList{"abcd", "e"};
        QTest::newRow("unclosed quote") << QByteArray("x,\"ab,cd") << QStringList{"x", "ab,cd"};
        QTest::newRow("spaces kept") << QByteArray(" a , b ,") << QStringList{" a ", " b "};
    }
    void splitLine() {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, fields);
        LogLineFormat::RawFields raw;
        QByteArray scratch;
        const int count = LogLineFormat::SplitLine(line, ',', raw, scratch);
        QStringList got;
        for (int k = 0; k < count; ++k)
            got << QString::fromUtf8(raw[k]);
        QCOMPARE(got, fields);
    }
};

QTEST_GUILESS_MAIN(TestLogLineFormat)
#include "tst_log_line_format.moc"
