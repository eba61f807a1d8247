// SPDX-License-Identifier: GPL-3.0-or-later
// Writing rows that are not in the table (a journal's) to a file the user chose:
// the log file format with the separator the name selects, an existing file
// replaced only by a complete one, and a failure that names the file.
#include "log/log_file_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLogFileWriter : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    static LogLineFormat::Fields Row(int i) {
        return {"6/12/2026", QStringLiteral("10:49:1%1").arg(i),     "23.5", "C", "OL", "C",
                "K",         i ? QString() : QStringLiteral(" HOLD")};
    }

private slots:
    void writesTheRows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        const QByteArray tabbed = "6/12/2026\t10:49:10\t23.5\tC\tOL\tC\tK\t HOLD\t\r\n"
                                  "6/12/2026\t10:49:11\t23.5\tC\tOL\tC\tK\t\t\r\n";
        QByteArray commas = tabbed;
        commas.replace('\t', ',');
        QTest::newRow("txt") << "run.txt" << tabbed;
        QTest::newRow("CSV") << "RUN.CSV" << commas;
        QTest::newRow("no extension") << "run" << tabbed;
    }
    void writesTheRows() {
        QFETCH(QString, name);
        const QString path = dir_.filePath(name);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older, longer file that must not leave a tail behind\r\n\r\n\r\n\r\n");
        old.close();
        QCOMPARE(LogFileWriter::SaveRows(path, 2, Row).Error, QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "content");
    }

    void failureNamesTheFile() {
        const QString path = dir_.filePath(QStringLiteral("missing/run.txt"));
        const QString problem = LogFileWriter::SaveRows(path, 2, Row).Error;
        QVERIFY2(problem.startsWith(QStringLiteral("The log could not be saved to \"") + path),
                 qPrintable(problem));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestLogFileWriter)
#include "tst_log_file_writer.moc"
