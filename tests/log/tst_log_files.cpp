// SPDX-License-Identifier: GPL-3.0-or-later
// Log files on disk: what Save writes byte for byte, what Open reads back, and that
// failures name the file and lose nothing: a failed save leaves the old file, a
// cancelled one complete lines, a long line ends the reading, a binary file is
// refused, and a read error fails the reading.

#include "base/day_count.h"
#include "log/log_file_reader.h"
#include "log/log_file_writer.h"
#include "log/log_line_format.h"
#include "log/log_table.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using Rows = QList<QStringList>;

namespace {
const double Start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
const QString DateFormat = QStringLiteral("d/M/yyyy");

CurrentReading TwoChannel(double main, double sub) {
    CurrentReading r;
    r.ModelCode = 301;
    r.ChannelCount = 2;
    r.MainValue = main;
    r.SubValue = sub;
    return r;
}

// The worked example: three two-channel rows, the last in HOLD with the second
// channel over range, then a one-channel row with the timer at 12:34.
void FillExample(LogTable& table) {
    table.AppendLogRow({Start, TwoChannel(23.5, 24.1)}, DateFormat);
    table.AppendLogRow({Start + 2 / 86400.0, TwoChannel(23.6, 24.1)}, DateFormat);
    CurrentReading held = TwoChannel(23.6, 0);
    held.SubOverload = true;
    held.ModeText = QStringLiteral(" HOLD");
    table.AppendLogRow({Start + 4 / 86400.0, held}, DateFormat);
    CurrentReading timer;
    timer.ModelCode = 300;
    timer.MainValue = 23.5;
    timer.SubText = QStringLiteral("12:34");
    timer.SubUnitText = QStringLiteral("MM:SS");
    table.AppendLogRow({Start, timer}, DateFormat);
}

// Rows whose values vary, about 40 bytes a line.
void Fill(LogTable& table, int rows, const QLocale& locale = QLocale::c()) {
    table.SetLocale(locale);
    for (int i = 0; i < rows; ++i) {
        CurrentReading r = TwoChannel(20.0 + (i % 937) / 10.0, -48.0 + (i % 411) / 10.0);
        r.MainOverload = i % 97 == 5;
        r.ModeText = i % 10 == 0 ? QStringLiteral(" MAX HOLD") : QString();
        table.AppendLogRow({Start + i / 86400.0, r}, DateFormat);
    }
}

Rows TableRows(const LogTable& table, int from = 1, int to = -1) {
    Rows rows;
    const int last = to < 0 ? table.RowCount() - 1 : to;
    for (int r = from; r <= last; ++r) {
        QStringList cells;
        for (int c = 1; c < LogTable::ColumnCount; ++c)
            cells << table.Cell(r, c);
        rows << cells;
    }
    return rows;
}

Rows StoreRows(const LogRowStore& store) {
    Rows rows;
    for (int r = 0; r < store.Count(); ++r) {
        QStringList cells;
        for (int c = 0; c < LogRowStore::CellCount; ++c)
            cells << store.Cell(r, c);
        rows << cells;
    }
    return rows;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

Rows ReadRows(const QString& path) {
    LogFileReader reader(LogLineFormat::OpenSeparator(path));
    if (!reader.Open(path) || !reader.ReadAll())
        return {{reader.ErrorText()}};
    return StoreRows(reader.TakeRows());
}

LogRowStore Parse(const QByteArray& bytes, const QList<int>& chunks) {
    LogFileReader reader(QLatin1Char('\t'));
    qsizetype pos = 0;
    for (int i = 0; pos < bytes.size(); ++i) {
        const qsizetype n = std::min<qsizetype>(chunks[i % chunks.size()], bytes.size() - pos);
        reader.Feed(QByteArrayView(bytes).sliced(pos, n));
        pos += n;
    }
    reader.Finish();
    return reader.TakeRows();
}
} // namespace

class TestLogFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void savedExample_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray tabbed = "6/12/2026\t10:49:11\t23.5\tC\t24.1\tC\tK\t\t\r\n"
                                  "6/12/2026\t10:49:13\t23.6\tC\t24.1\tC\tK\t\t\r\n"
                                  "6/12/2026\t10:49:15\t23.6\tC\tOL\tC\tK\t HOLD\t\r\n"
                                  "6/12/2026\t10:49:11\t23.5\tC\t12:34\tMM:SS\tK\t\t\r\n";
        QByteArray commas = tabbed;
        commas.replace('\t', ',');
        QTest::newRow("LOG.TXT") << "LOG.TXT" << tabbed;
        QTest::newRow("log.txt") << "log.txt" << tabbed;
        QTest::newRow("log.dat") << "log.dat" << tabbed;
        QTest::newRow("log.csv") << "log.csv" << commas;
        QTest::newRow("LOG.CSV") << "LOG.CSV" << commas;
        QTest::newRow("datacsv") << "datacsv" << commas;
    }
    void savedExample() {
        QFETCH(QString, name);
        LogTable table;
        table.SetLocale(QLocale::c());
        FillExample(table);
        const QString path = dir_.filePath(name);
        const LogFileWriter::Result result = LogFileWriter::Save(path, table, {1, 4});
        QVERIFY2(result.Error.isEmpty(), qPrintable(result.Error));
        QCOMPARE(result.Rows, 4);
        QTEST(Contents(path), "bytes");
    }

    void savedRanges() {
        LogTable table;
        QCOMPARE(table.RowCount(), 2);
        const QString path = dir_.filePath(QStringLiteral("empty.txt"));
        QVERIFY(LogFileWriter::Save(path, table, {1, 1}).Error.isEmpty());
        QCOMPARE(Contents(path), QByteArray("\t\t\t\t\t\t\t\t\r\n"));

        Fill(table, 10);
        QVERIFY(LogFileWriter::Save(path, table, {2, 5}).Error.isEmpty());
        QByteArray expected;
        for (int r = 2; r <= 5; ++r)
            LogLineFormat::AppendLine(expected, table.LineFields(r), QLatin1Char('\t'));
        QCOMPARE(Contents(path), expected);
        // A first row beyond the table: an empty file, not no file.
        QVERIFY(LogFileWriter::Save(path, table, {50, 10}).Error.isEmpty());
        QCOMPARE(Contents(path), QByteArray());
    }

    void cancelKeepsCompleteLines() {
        LogTable table;
        Fill(table, 5000);
        const QString path = dir_.filePath(QStringLiteral("cancelled.txt"));
        Write(path, "old");
        int calls = 0;
        const LogFileWriter::Result result =
            LogFileWriter::Save(path, table, {1, 5000}, [&](int) { return ++calls < 2; });
        QVERIFY(result.Cancelled);
        QVERIFY(result.Error.isEmpty());
        QVERIFY(result.Rows > 0 && result.Rows < 5000);
        const QByteArray bytes = Contents(path);
        QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.size(), result.Rows);
        for (const QByteArray& line : lines)
            QVERIFY2(line.endsWith("\t\r") && line.count('\t') == 8, line.constData());
        QCOMPARE(ReadRows(path), TableRows(table, 1, result.Rows));
    }

    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("disk full") << false;
    }
    void failedSaveKeepsOldFile() {
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("log.txt"));
        Write(path, "rows saved earlier\r\n");
        LogTable table;
        Fill(table, 5000);
        LogFileWriter::Result result;
        if (readOnlyFolder) {
            QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0555) == 0);
            // Root writes anywhere: the save runs as an ordinary user then.
            const bool root = ::geteuid() == 0;
            QVERIFY(!root || ::seteuid(65534) == 0);
            result = LogFileWriter::Save(path, table, {1, 5000});
            QVERIFY(!root || ::seteuid(0) == 0);
            ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        } else {
            // A full disk: writes past 64 KiB fail.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old{};
            ::getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = 64 * 1024;
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
            result = LogFileWriter::Save(path, table, {1, 5000});
            ::setrlimit(RLIMIT_FSIZE, &old);
        }
        QVERIFY(result.Error.contains(path));
        QVERIFY2(result.Error.size() > path.size() + 40, qPrintable(result.Error));
        QCOMPARE(result.Rows, 0);
        QCOMPARE(Contents(path), QByteArray("rows saved earlier\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"log.txt"});
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("quoted");
        QTest::newRow("point, tabs") << "en_US"
                                     << "a.txt" << false;
        QTest::newRow("point, commas") << "en_US"
                                       << "a.csv" << false;
        QTest::newRow("decimal comma, tabs") << "de_DE"
                                             << "b.txt" << false;
        QTest::newRow("decimal comma, commas") << "de_DE"
                                               << "b.csv" << true;
    }
    void roundTrip() {
        QFETCH(QString, locale);
        QFETCH(QString, name);
        QFETCH(bool, quoted);
        LogTable table;
        Fill(table, 3000, QLocale(locale));
        const QString path = dir_.filePath(name);
        QVERIFY(LogFileWriter::Save(path, table, {1, 3000}).Error.isEmpty());
        QCOMPARE(Contents(path).contains('"'), quoted);
        QCOMPARE(ReadRows(path), TableRows(table));
    }

    void savedRangeOpensFromRow1() {
        LogTable table;
        Fill(table, 60);
        const QString path = dir_.filePath(QStringLiteral("range.txt"));
        QVERIFY(LogFileWriter::Save(path, table, {40, 49}).Error.isEmpty());
        LogTable opened;
        LogFileReader reader(QLatin1Char('\t'));
        QVERIFY(reader.Open(path) && reader.ReadAll());
        opened.LoadRows(reader.TakeRows());
        QCOMPARE(opened.RowCount(), 11);
        QCOMPARE(opened.Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(opened.Cell(10, 0), QStringLiteral("10"));
        QCOMPARE(TableRows(opened), TableRows(table, 40, 49));
    }

    void opened_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        const QStringList a{"a", "b", "", "", "", "", "", ""};
        const QStringList c{"c", "d", "", "", "", "", "", ""};
        QTest::newRow("CR LF") << "x.txt" << QByteArray("a\tb\t\r\nc\td\t\r\n") << Rows{a, c};
        QTest::newRow("LF") << "x.txt" << QByteArray("a\tb\t\nc\td\t\n") << Rows{a, c};
        QTest::newRow("no line end at the end")
            << "x.txt" << QByteArray("a\tb\t\nc\td\t") << Rows{a, c};
        QTest::newRow("empty file") << "x.txt" << QByteArray() << Rows{};
        QTest::newRow("first line without separator")
            << "x.txt" << QByteArray("title\na\tb\t\n") << Rows{};
        QTest::newRow("blank line ends the reading")
            << "x.txt" << QByteArray("a\tb\t\r\n\r\nc\td\t\r\n") << Rows{a};
        QTest::newRow("empty table's line") << "x.txt" << QByteArray("\t\t\t\t\t\t\t\t\r\n")
                                            << Rows{{"", "", "", "", "", "", "", ""}};
        QTest::newRow("ten fields") << "x.txt" << QByteArray("1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t\r\n")
                                    << Rows{{"1", "2", "3", "4", "5", "6", "7", "8"}};
        QTest::newRow(".CSV in capitals") << "X.CSV" << QByteArray("a,b,\r\n") << Rows{a};
        QTest::newRow("datacsv read with tabs") << "datacsv" << QByteArray("a,b,\r\n") << Rows{};
        QTest::newRow("spreadsheet CSV keeps its last column") << "s.csv"
                                                               << QByteArray("\xEF\xBB\xBF"
                                                                             "a,b\r\nc,d\r\n")
                                                               << Rows{a, c};
        QTest::newRow("quoted fields") << "q.csv" << QByteArray("\"6,5\",\"say \"\"x\"\"\",\r\n")
                                       << Rows{{"6,5", "say \"x\"", "", "", "", "", "", ""}};
        QTest::newRow("other text kept as it stands")
            << "x.txt" << QByteArray(" a \t\xC3\xA9\t\r\n")
            << Rows{{" a ", "\u00e9", "", "", "", "", "", ""}};
    }
    void opened() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = dir_.filePath(name);
        Write(path, bytes);
        QTEST(ReadRows(path), "rows");
        // However the bytes arrive.
        if (LogLineFormat::OpenSeparator(name) == QLatin1Char('\t')) {
            QTEST(StoreRows(Parse(bytes, {1})), "rows");
            QTEST(StoreRows(Parse(bytes, {3, 1, 7})), "rows");
        }
    }

    void chunksDoNotMatter() {
        LogTable table;
        Fill(table, 2000);
        QByteArray bytes;
        for (int r = 1; r < table.RowCount(); ++r)
            LogLineFormat::AppendLine(bytes, table.LineFields(r), QLatin1Char('\t'));
        const Rows whole = StoreRows(Parse(bytes, {int(bytes.size())}));
        QCOMPARE(whole, TableRows(table));
        QCOMPARE(StoreRows(Parse(bytes, {1})), whole);
        QCOMPARE(StoreRows(Parse(bytes, {39, 40, 41, 4096, 2})), whole);
    }

    void longLineEndsTheReading() {
        const QString path = dir_.filePath(QStringLiteral("long.txt"));
        // Three rows, then a 2 MB line, then a row that is not read.
        Write(path,
              QByteArray("a\tb\t\r\n").repeated(3) + QByteArray(2 << 20, 'x') + "\t\r\nc\td\t\r\n");
        LogFileReader reader(QLatin1Char('\t'));
        QVERIFY(reader.Open(path) && reader.ReadAll());
        QVERIFY(reader.Ended());
        QCOMPARE(reader.RowCount(), 3);
        QCOMPARE(reader.LongLine(), 4);

        // A line just at the limit is read.
        Write(path, QByteArray(LogFileReader::MaxLineBytes - 1, 'y') + "\t\r\nc\td\t\r\n");
        LogFileReader limit(QLatin1Char('\t'));
        QVERIFY(limit.Open(path) && limit.ReadAll());
        QCOMPARE(limit.RowCount(), 2);
        QCOMPARE(limit.LongLine(), 0);

        // Random bytes with plenty of tabs and line ends but no NUL: no crash, nothing huge.
        QByteArray noise(3 << 20, Qt::Uninitialized);
        QRandomGenerator random(11);
        for (char& c : noise) {
            const quint32 v = random.bounded(1, 256);
            c = v < 40 ? '\t' : v < 44 ? '\n' : char(v);
        }
        Write(path, noise);
        LogFileReader binary(QLatin1Char('\t'));
        QVERIFY(binary.Open(path) && binary.ReadAll());
        QVERIFY(binary.RowCount() > 0);
        QVERIFY(binary.RowCount() <= noise.count('\n') + 1);
    }

    // NUL bytes (a binary file, UTF-16 text) or a UTF-16 byte order mark: not a text
    // log, wherever they stand, and the reading fails with the file's name.
    void notATextLog_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zeros") << QByteArray(3 << 20, '\0');
        QTest::newRow("NUL after good rows")
            << QByteArray("a\tb\t\r\n").repeated(300000) + QByteArray("c\0d\t\r\n", 6);
        QTest::newRow("UTF-16 LE with BOM") << QByteArray("\xFF\xFE"
                                                          "a\0\t\0b\0\t\0\r\0\n\0",
                                                          14);
        QTest::newRow("UTF-16 BE, no BOM") << QByteArray("\0a\0\t\0b\0\t\0\r\0\n", 12);
        QTest::newRow("UTF-16 BOM, no NUL") << QByteArray("\xFE\xFF\x4E\x2D\t\t\r\n");
    }
    void notATextLog() {
        QFETCH(QByteArray, bytes);
        const QString path = dir_.filePath(QStringLiteral("binary.txt"));
        Write(path, bytes);
        LogFileReader reader(QLatin1Char('\t'));
        QVERIFY(reader.Open(path));
        QVERIFY(!reader.ReadAll());
        QVERIFY(reader.NotText());
        QVERIFY2(reader.ErrorText().contains(path) &&
                     reader.ErrorText().contains(QStringLiteral("not a text log")),
                 qPrintable(reader.ErrorText()));
    }

    // Reading that fails part-way (a failing disk) fails with the system's reason.
    void readErrorPartWay() {
        LogTable table;
        Fill(table, 60000);
        const QString path = dir_.filePath(QStringLiteral("failing.txt"));
        QVERIFY(LogFileWriter::Save(path, table, {1, 60000}).Error.isEmpty());
        FileFaults::Arm({.call = FileFaults::Call::Read, .nth = 2, .error = EIO});
        LogFileReader reader(QLatin1Char('\t'));
        const bool opened = reader.Open(path);
        const bool read = reader.ReadAll();
        FileFaults::Disarm();
        QVERIFY(opened && !read);
        QVERIFY(reader.RowCount() > 0); // some rows came before the failure
        QVERIFY2(reader.ErrorText().contains(path) &&
                     reader.ErrorText().contains(QStringLiteral("Input/output error")),
                 qPrintable(reader.ErrorText()));

        // A real one: the process's memory file fails at its first page.
        LogFileReader memory(QLatin1Char('\t'));
        QVERIFY(memory.Open(QStringLiteral("/proc/self/mem")));
        QVERIFY(!memory.ReadAll());
        QVERIFY(memory.ErrorText().contains(QStringLiteral("Input/output error")));
    }

    void cancelledOpenKeepsRowsRead() {
        LogTable table;
        Fill(table, 60000);
        const QString path = dir_.filePath(QStringLiteral("big.txt"));
        QVERIFY(LogFileWriter::Save(path, table, {1, 60000}).Error.isEmpty());
        LogFileReader reader(QLatin1Char('\t'));
        QVERIFY(reader.Open(path));
        QList<int> told;
        QVERIFY(reader.ReadAll([&](int rows) {
            told << rows;
            return false;
        }));
        QVERIFY(reader.Cancelled());
        QCOMPARE(told.size(), 1);
        QCOMPARE(reader.RowCount(), told.front());
        QVERIFY(reader.RowCount() > 0 && reader.RowCount() < 60000);
        QCOMPARE(StoreRows(reader.TakeRows()), TableRows(table, 1, told.front()));
    }

    void unreadableFileIsNamed() {
        const QString missing = dir_.filePath(QStringLiteral("missing.txt"));
        LogFileReader reader(QLatin1Char('\t'));
        QVERIFY(!reader.Open(missing));
        QVERIFY(reader.ErrorText().contains(missing));
        QVERIFY(reader.ErrorText().size() > missing.size() + 30);
        LogFileReader folder(QLatin1Char('\t'));
        QVERIFY(!folder.Open(dir_.path()) || !folder.ReadAll());
        QVERIFY(folder.ErrorText().contains(dir_.path()));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestLogFiles)
#include "tst_log_files.moc"
