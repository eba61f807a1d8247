// SPDX-License-Identifier: GPL-3.0-or-later
// The log table: row contents by model and locale, append and clear rules, the
// model the grid shows, and the compact storage across chunk boundaries.

#include "base/day_count.h"
#include "log/log_table.h"
#include "meter/frame_decoder.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <thread>

namespace {
const double SampleTime = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));

CurrentReading Reading(int model) {
    CurrentReading r;
    r.ModelCode = model;
    r.ChannelCount = (model == 301 || model == 303) ? 2 : 1;
    r.MainValue = 23.5;
    r.SubValue = 24.1;
    r.SubText = QStringLiteral("12:34");
    r.SubUnitText = r.ChannelCount == 2 ? QStringLiteral("C") : QStringLiteral("MM:SS");
    return r;
}

using Row = std::array<QByteArray, LogRowStore::CellCount>;

// Rows that test the coding against the row above: equal cells, shared starts of
// every length (15 and more, 128 and more take a longer count), shorter and longer
// texts, empty ones, across blocks and chunks.
std::vector<Row> Awkward(int count) {
    std::vector<Row> rows;
    QRandomGenerator random(7);
    for (int i = 0; i < count; ++i) {
        Row row;
        row[0] = QByteArrayLiteral("6/12/2026");
        row[1] = QByteArray::number(10 + i / 3600) + ':' + QByteArray::number(i / 60 % 60) + ':' +
                 QByteArray::number(i % 60);
        row[2] = QByteArray::number(20.0 + (i % 937) / 10.0, 'f', 1);
        row[3] = i % 50 == 0 ? QByteArray() : QByteArrayLiteral("C");
        row[4] = QByteArray(int(random.bounded(40)), 'x') + QByteArray::number(i % 11);
        row[5] = QByteArray(i % 300, char('a' + i % 3));
        row[6] = i % 2 ? QByteArray("\xc2\xb0 K") : QByteArray("\xc2\xb0 J");
        row[7] = random.bounded(4) == 0 ? QByteArrayLiteral(" HOLD") : QByteArray();
        rows.push_back(row);
    }
    return rows;
}

bool Same(const LogRowStore::RawCells& cells, const Row& row) {
    for (int k = 0; k < LogRowStore::CellCount; ++k)
        if (cells[k] != QByteArrayView(row[size_t(k)]))
            return false;
    return true;
}

LogRowStore Store(const std::vector<Row>& rows) {
    LogRowStore store;
    for (const Row& row : rows) {
        LogRowStore::CellViews views;
        for (int k = 0; k < LogRowStore::CellCount; ++k)
            views[size_t(k)] = row[size_t(k)];
        store.AppendRaw(views);
    }
    return store;
}

QStringList RowTexts(const LogTable& table, int row) {
    QStringList texts;
    for (int c = 0; c < LogTable::ColumnCount; ++c)
        texts << table.Cell(row, c);
    return texts;
}
} // namespace

class LogTableTest : public QObject {
    Q_OBJECT
private slots:
    void rowContents_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("mainOverload");
        QTest::addColumn<bool>("subOverload");
        QTest::addColumn<double>("mainValue");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("columns3to8");
        const QStringList twoChannel{"23.5", "C", "24.1", "C", "K", ""};
        QTest::newRow("301") << 301 << false << false << 23.5 << "en_US" << twoChannel;
        QTest::newRow("303, main OL") << 303 << true << false << 23.5 << "en_US"
                                      << QStringList{"OL", "C", "24.1", "C", "K", ""};
        QTest::newRow("301, second OL") << 301 << false << true << 23.5 << "en_US"
                                        << QStringList{"23.5", "C", "OL", "C", "K", ""};
        QTest::newRow("300 timer") << 300 << false << true << 23.5 << "en_US"
                                   << QStringList{"23.5", "C", "12:34", "MM:SS", "K", ""};
        QTest::newRow("302 timer") << 302 << false << false << -10.0 << "en_US"
                                   << QStringList{"-10.0", "C", "12:34", "MM:SS", "K", ""};
        QTest::newRow("unknown model") << 0 << false << false << 1372.0 << "en_US"
                                       << QStringList{"1372.0", "C", "", "MM:SS", "K", ""};
        QTest::newRow("comma locale") << 301 << false << false << 23.5 << "de_DE"
                                      << QStringList{"23,5", "C", "24,1", "C", "K", ""};
        QTest::newRow("nearest tenth") << 301 << false << false << 99.96 << "en_US"
                                       << QStringList{"100.0", "C", "24.1", "C", "K", ""};
    }
    void rowContents() {
        QFETCH(int, model);
        QFETCH(bool, mainOverload);
        QFETCH(bool, subOverload);
        QFETCH(double, mainValue);
        QFETCH(QString, locale);
        QFETCH(QStringList, columns3to8);
        LogTable table;
        table.SetLocale(QLocale(locale));
        CurrentReading r = Reading(model);
        r.MainOverload = mainOverload;
        r.SubOverload = subOverload;
        r.MainValue = mainValue;
        table.AppendLogRow({SampleTime, r}, QStringLiteral("d/M/yyyy"));
        QCOMPARE(RowTexts(table, 1).mid(3), columns3to8);
    }

    // A display showing dashes, or codes that are no digit, reaches the log as dashes,
    // not as a made-up value.
    void displayWithoutNumber_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("subText");
        QTest::newRow("both dashed") << 301 << 0x00 << 0xABBA << 0xAB89 << "----"
                                     << "----";
        QTest::newRow("main 12 and 13") << 303 << 0x00 << 0x0C0D << 0xB235 << "----"
                                        << "23.5";
        QTest::newRow("second H") << 301 << 0x00 << 0xB235 << 0xC123 << "23.5"
                                  << "----";
        QTest::newRow("overload reads OL") << 301 << 0x09 << 0xAAAA << 0xAAAA << "OL"
                                           << "OL";
        QTest::newRow("timer keeps its codes") << 300 << 0x10 << 0xB235 << 0xAB0C << "23.5"
                                               << "1011:012";
    }
    void displayWithoutNumber() {
        QFETCH(int, model);
        QFETCH(int, flags);
        QFETCH(int, main);
        QFETCH(int, sub);
        CurrentReading r;
        r.ModelCode = model;
        PanelDisplay display;
        FrameDecoder decoder(r, display);
        decoder.SetLocale(QLocale::c());
        decoder.DecodeFrame({0x02, 0x80, uint8_t(flags), uint8_t(main >> 8), uint8_t(main),
                             uint8_t(sub >> 8), uint8_t(sub), 0x03});
        LogTable table;
        table.SetLocale(QLocale::c());
        table.AppendLogRow({SampleTime, r}, {});
        QTEST(table.Cell(1, 3), "mainText");
        QTEST(table.Cell(1, 5), "subText");
    }

    void dateAndTime_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("d/M/yyyy") << "en_GB"
                                  << "d/M/yyyy"
                                  << "6/12/2026"
                                  << "10:49:11";
        QTest::newRow("dots for time") << "fi_FI"
                                       << "d.M.yyyy"
                                       << "6.12.2026"
                                       << "10.49.11";
        QTest::newRow("12-hour locale keeps 24 hours") << "en_US"
                                                       << "M/d/yyyy"
                                                       << "12/6/2026"
                                                       << "10:49:11";
        QTest::newRow("no format: the locale's") << "de_DE"
                                                 << ""
                                                 << "06.12.26"
                                                 << "10:49:11";
    }
    void dateAndTime() {
        QFETCH(QString, locale);
        QFETCH(QString, dateFormat);
        QFETCH(QString, date);
        QFETCH(QString, time);
        LogTable table;
        table.SetLocale(QLocale(locale));
        table.AppendLogRow({SampleTime + 0.5 / 86400.0 * 0.9, Reading(301)}, dateFormat);
        QCOMPARE(table.Cell(1, 1), date);
        QCOMPARE(table.Cell(1, 2), time);
    }

    void annunciatorsKeepTheirSpaces() {
        LogTable table;
        CurrentReading r = Reading(303);
        r.ModeText = QStringLiteral(" MAX HOLD");
        r.TypeText = QStringLiteral("J");
        table.AppendLogRow({SampleTime, r}, {});
        QCOMPARE(table.Cell(1, 7), QStringLiteral("J"));
        QCOMPARE(table.Cell(1, 8), QStringLiteral(" MAX HOLD"));
    }

    void appendAndClear() {
        LogTable table;
        QCOMPARE(table.RowCount(), 2);
        QCOMPARE(RowTexts(table, 1), QStringList(LogTable::ColumnCount, QString()));
        table.WriteHeader();
        QCOMPARE(RowTexts(table, 0),
                 (QStringList{"NO", "DATE", "TIME", "T1", "T2", "T3", "T4", "UNIT", ""}));

        table.AppendLogRow({SampleTime, Reading(301)}, {});
        QCOMPARE(table.RowCount(), 2);
        QCOMPARE(table.Cell(1, 0), QStringLiteral("1"));
        table.AppendLogRow({SampleTime + 1 / 86400.0, Reading(301)}, {});
        QCOMPARE(table.RowCount(), 3);
        QCOMPARE(table.Cell(2, 0), QStringLiteral("2"));
        QVERIFY(table.Cell(3, 1).isEmpty());

        table.Clear();
        QCOMPARE(table.RowCount(), 2);
        QCOMPARE(RowTexts(table, 1), QStringList(LogTable::ColumnCount, QString()));
        QCOMPARE(table.Cell(0, 1), QStringLiteral("DATE"));
        table.AppendLogRow({SampleTime, Reading(301)}, {});
        QCOMPARE(table.Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(table.RowCount(), 2);
    }

    // The grid sees row 1 filled in place, then each later row inserted at the end.
    void modelSignals() {
        LogTable table;
        QSignalSpy inserted(&table, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);
        QCOMPARE(table.rowCount(), 1);
        table.AppendLogRow({SampleTime, Reading(301)}, {});
        QCOMPARE(inserted.size(), 0);
        QCOMPARE(changed.size(), 1);
        table.AppendLogRow({SampleTime, Reading(301)}, {});
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted[0][1].toInt(), 1);
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.data(table.index(1, 3), Qt::DisplayRole).toString(), QStringLiteral("23.5"));
        QCOMPARE(table.headerData(1, Qt::Vertical, Qt::DisplayRole).toString(),
                 QStringLiteral("2"));
        QVERIFY(!(table.flags(table.index(1, 3)) & Qt::ItemIsEditable));
    }

    // Rows across several storage chunks come back exactly, long and non-ASCII texts included.
    void storageRoundTrip() {
        LogRowStore store;
        const int rows = 10000;
        for (int i = 0; i < rows; ++i) {
            LogRowStore::Cells cells;
            for (int k = 0; k < LogRowStore::CellCount; ++k)
                cells[size_t(k)] = QStringLiteral("%1-%2").arg(i).arg(k);
            if (i % 1000 == 7)
                cells[7] = QString(300, QChar(0x00B0)) + QString::number(i);
            store.Append(cells);
        }
        QCOMPARE(store.Count(), rows);
        for (int i : {0, 1, 4095, 4096, 4097, 8191, 8192, 9999}) {
            QCOMPARE(store.Cell(i, 0), QStringLiteral("%1-0").arg(i));
            QCOMPARE(store.Cell(i, 6), QStringLiteral("%1-6").arg(i));
        }
        QCOMPARE(store.Cell(5007, 7), QString(300, QChar(0x00B0)) + QStringLiteral("5007"));
        QCOMPARE(store.Cell(5007, 6), QStringLiteral("5007-6"));
        QVERIFY(store.Cell(rows, 0).isEmpty());
        store.Clear();
        QCOMPARE(store.Count(), 0);
    }

    // Every row reads back exactly, whatever order the rows are read in.
    void codedRows_data() {
        QTest::addColumn<QString>("order");
        QTest::newRow("forward") << "forward";
        QTest::newRow("backward") << "backward";
        QTest::newRow("at random") << "random";
        QTest::newRow("in order from the middle of a block") << "reader";
    }
    void codedRows() {
        QFETCH(QString, order);
        const std::vector<Row> rows = Awkward(9000);
        const LogRowStore store = Store(rows);
        QCOMPARE(store.Count(), int(rows.size()));
        const int n = store.Count();
        if (order == QLatin1String("reader")) {
            for (const int first : {0, 7, 4095, 4103, 8990}) {
                LogRowStore::Reader reader(store, first);
                LogRowStore::CellViews cells;
                for (int row = first; row < n; ++row) {
                    QVERIFY(reader.Next(cells));
                    for (int k = 0; k < LogRowStore::CellCount; ++k)
                        QCOMPARE(cells[size_t(k)], QByteArrayView(rows[size_t(row)][size_t(k)]));
                }
                QVERIFY(!reader.Next(cells));
            }
            return;
        }
        QRandomGenerator random(11);
        for (int i = 0; i < n; ++i) {
            const int row = order == QLatin1String("forward")    ? i
                            : order == QLatin1String("backward") ? n - 1 - i
                                                                 : int(random.bounded(n));
            QVERIFY2(Same(store.RawRow(row), rows[size_t(row)]), qPrintable(QString::number(row)));
            QCOMPARE(store.Cell(row, 5), QString::fromUtf8(rows[size_t(row)][5]));
        }
        QVERIFY(store.RawRow(n) == LogRowStore::RawCells());
    }

    // A thread goes on from the row it read last only in the same contents: not in
    // another store, nor after a clear or a move.
    void readsFollowTheContents() {
        std::vector<Row> first = Awkward(40);
        std::vector<Row> second = Awkward(40);
        for (Row& row : second)
            row[2] += "0";
        LogRowStore a = Store(first);
        LogRowStore b = Store(second);
        for (int row = 0; row < 40; ++row) {
            QVERIFY(Same(a.RawRow(row), first[size_t(row)]));
            QVERIFY(Same(b.RawRow(row), second[size_t(row)]));
        }
        QVERIFY(Same(a.RawRow(20), first[20]));
        a.Clear();
        for (const Row& row : second) {
            LogRowStore::CellViews views;
            for (int k = 0; k < LogRowStore::CellCount; ++k)
                views[size_t(k)] = row[size_t(k)];
            a.AppendRaw(views);
        }
        QVERIFY(Same(a.RawRow(21), second[21]));
        LogRowStore moved(std::move(a));
        QCOMPARE(a.Count(), 0);
        QVERIFY(Same(moved.RawRow(22), second[22]));
        QVERIFY(a.RawRow(22) == LogRowStore::RawCells());
    }

    // Threads read one store at the same time, each from its own place.
    void concurrentReaders() {
        const std::vector<Row> rows = Awkward(6000);
        const LogRowStore store = Store(rows);
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                for (int i = 0; i < 6000; ++i) {
                    const int row = (i * (t + 1) * 7919) % 6000;
                    if (!Same(store.RawRow(row), rows[size_t(row)]))
                        ++wrong;
                }
            });
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(wrong.load(), 0);
    }

    // Loading replaces the rows with one reset; rows recorded while the file was read follow.
    void loadRows() {
        LogTable table;
        table.SetLocale(QLocale::c());
        table.AppendLogRow({SampleTime, Reading(301)}, QStringLiteral("d/M/yyyy"));
        LogRowStore loaded;
        loaded.AppendRaw({"a", "b", "c", "d", "e", "f", "g", "h"});
        loaded.AppendRaw({"1", "", "", "", "", "", "", ""});
        QSignalSpy resets(&table, &QAbstractItemModel::modelReset);
        table.LoadRows(std::move(loaded));
        QCOMPARE(resets.size(), 1);
        QCOMPARE(loaded.Count(), 0);
        QCOMPARE(table.RowCount(), 4);
        QCOMPARE(RowTexts(table, 1), (QStringList{"1", "a", "b", "c", "d", "e", "f", "g", "h"}));
        QCOMPARE(RowTexts(table, 2).mid(0, 3), (QStringList{"2", "1", ""}));
        QCOMPARE(RowTexts(table, 3).mid(3, 1), QStringList{"23.5"});
        QCOMPARE(table.Rows().RawRow(2)[2], QByteArrayView("23.5"));
        QVERIFY(table.Rows().RawRow(3)[0].isEmpty());
    }

    // A snapshot keeps the rows, header and locale of its moment while the table
    // grows across chunk boundaries, is cleared and refilled; it shares the full
    // chunks, so taking one does not copy the table.
    void snapshotStaysAsTaken() {
        LogTable table;
        table.SetLocale(QLocale(QStringLiteral("de_DE")));
        table.WriteHeader();
        for (int i = 0; i < 5000; ++i)
            table.AppendLogRow({SampleTime + i / 86400.0, Reading(301)}, {});
        const int resets = table.Resets();
        const std::unique_ptr<LogTable> snapshot = table.Snapshot();
        QCOMPARE(table.Resets(), resets);
        for (int i = 0; i < 5000; ++i)
            table.AppendLogRow({SampleTime, Reading(300)}, {});
        QCOMPARE(snapshot->RowCount(), 5001);
        QCOMPARE(RowTexts(*snapshot, 4097), RowTexts(table, 4097));
        QCOMPARE(RowTexts(*snapshot, 5000), RowTexts(table, 5000));
        QCOMPARE(snapshot->Cell(0, 7), QStringLiteral("UNIT"));
        QCOMPARE(snapshot->Cell(5000, 3), QStringLiteral("23,5"));
        QVERIFY(snapshot->Cell(5001, 1).isEmpty());
        const QStringList last = RowTexts(*snapshot, 5000);
        table.Clear();
        QCOMPARE(table.Resets(), resets + 1);
        table.AppendLogRow({SampleTime, Reading(300)}, {});
        QCOMPARE(RowTexts(*snapshot, 5000), last);
        QCOMPARE(RowTexts(*snapshot, 1)[4], QStringLiteral("C"));
    }
};

QTEST_GUILESS_MAIN(LogTableTest)
#include "tst_log_table.moc"
