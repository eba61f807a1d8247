// The row journal: what a journal file reads back as (torn last lines, damage,
// save notes), what the writer puts in it, the generations that Clear and Open
// start with their one backup, the sync off the caller's thread, and a journal
// that cannot be written.
#include "log/journal_contents.h"
#include "log/row_journal.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Fields = LogLineFormat::Fields;

Fields RowAt(int second) {
    return {"6/12/2026", QStringLiteral("10:49:%1").arg(second, 2, 10, QLatin1Char('0')),
            "23.5",      "C",
            "24.1",      "C",
            "K",         second % 2 ? QStringLiteral(" HOLD") : QString()};
}

QByteArray Lines(int from, int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        LogLineFormat::AppendLine(out, RowAt(from + i), QLatin1Char('\t'));
    return out;
}
} // namespace

class TestRowJournal : public QObject {
    Q_OBJECT

private slots:
    void readsBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("dropped");
        QTest::addColumn<QString>("lastTime");
        const QByteArray three = Lines(11, 3);
        QTest::newRow("whole rows") << three << 3 << 0 << 0 << "6/12/2026 10:49:13";
        QTest::newRow("empty") << QByteArray() << 0 << 0 << 0 << "";
        QTest::newRow("torn in a field")
            << three + "6/12/2026\t10:49:1" << 3 << 0 << 1 << "6/12/2026 10:49:13";
        QTest::newRow("torn before the line end")
            << three + Lines(14, 1).chopped(2) << 3 << 0 << 1 << "6/12/2026 10:49:13";
        QTest::newRow("torn between CR and LF")
            << three + Lines(14, 1).chopped(1) << 3 << 0 << 1 << "6/12/2026 10:49:13";
        QTest::newRow("saved note")
            << Lines(11, 2) + "#saved 2\r\n" + Lines(13, 2) << 4 << 2 << 0 << "6/12/2026 10:49:14";
        QTest::newRow("note beyond the rows") << Lines(11, 2) + "#saved 9\r\n"
                                              << 2 << 2 << 0 << "6/12/2026 10:49:12";
        QTest::newRow("smaller note later") << Lines(11, 3) + "#saved 3\r\n#saved 1\r\n"
                                            << 3 << 3 << 0 << "6/12/2026 10:49:13";
        QTest::newRow("damaged note") << Lines(11, 2) + "#saved x\r\n"
                                      << 2 << 0 << 1 << "6/12/2026 10:49:12";
        QTest::newRow("damaged line between rows")
            << Lines(11, 1) + "6/12/2026\t10:49\r\n" + Lines(12, 1) << 2 << 0 << 1
            << "6/12/2026 10:49:12";
        QTest::newRow("a row with one field too many")
            << Lines(11, 1) + "x\t" + Lines(12, 1) + Lines(14, 1) << 2 << 0 << 1
            << "6/12/2026 10:49:14";
    }
    void readsBack() {
        QFETCH(QByteArray, bytes);
        const JournalContents journal = JournalContents::Parse(bytes);
        QTEST(journal.RowCount(), "rows");
        QTEST(journal.SavedRows(), "saved");
        QTEST(journal.DroppedLines(), "dropped");
        QTEST(journal.LastTime(), "lastTime");
        if (journal.RowCount() > 0) {
            QCOMPARE(journal.FirstTime(), QStringLiteral("6/12/2026 10:49:11"));
            QCOMPARE(journal.Row(0), RowAt(11)); // " HOLD" with its leading space
        }
        if (journal.RowCount() > 1)
            QVERIFY(journal.Row(1)[7].isEmpty()); // an empty last field
    }

    // Texts the meter never sends but an opened and restored file may hold: a tab, a
    // leading quote, a leading byte-order mark. Written as the log file format quotes
    // them, they read back unchanged, not as damaged lines.
    void unusualTextsReadBackUnchanged() {
        const QString bom(QChar(0xFEFF));
        const LogLineFormat::Fields row = {"6/12/2026",  "10:49:11", "\"23.5", "C\tF",
                                           bom + "24.1", "C",        "K",      bom};
        const QByteArray line = LogLineFormat::Line(row, QLatin1Char(JournalContents::Separator));
        const JournalContents journal = JournalContents::Parse(line + line);
        QCOMPARE(journal.RowCount(), 2);
        QCOMPARE(journal.DroppedLines(), 0);
        QCOMPARE(journal.Row(1), row);
    }

    void writesEachRowAsTheLogFileHasIt() {
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        QVERIFY(!journal.Started());
        QVERIFY(!journal.Append(RowAt(1))); // nothing before a generation begins
        QVERIFY(journal.Begin());
        QVERIFY(journal.Writing());
        for (int s = 11; s < 14; ++s)
            QVERIFY(journal.Append(RowAt(s)));
        // Through to the system at once: another reader sees every row now.
        QCOMPARE(FileBytes(journal.CurrentPath()), Lines(11, 3));
        QCOMPARE(journal.Rows(), 3);
        QVERIFY(journal.HasUnsaved());

        journal.NoteSaved(2);
        QVERIFY(journal.Append(RowAt(14)));
        JournalContents back = JournalContents::Read(journal.CurrentPath());
        QCOMPARE(back.RowCount(), 4);
        QCOMPARE(back.SavedRows(), 2);
        QCOMPARE(journal.SavedRows(), 2);
        journal.NoteSaved(4);
        QVERIFY(!journal.HasUnsaved());
        QVERIFY(!JournalContents::Read(journal.CurrentPath()).HasUnsaved());
        journal.NoteSaved(3); // an earlier save does not unsave rows
        QCOMPARE(journal.SavedRows(), 4);
    }

    void beginsWithTheTablesRows() {
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        QVERIFY(journal.Begin(3, [](int i) { return RowAt(20 + i); }));
        QCOMPARE(journal.Rows(), 3);
        QCOMPARE(FileBytes(journal.CurrentPath()), Lines(20, 3));
    }

    // Clear and Open begin a new generation; the one before stays as the backup
    // while it holds unsaved rows, and only one backup is kept.
    void generationsKeepOneUnsavedBackup() {
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        QVERIFY(journal.Begin());
        const QString first = journal.CurrentPath();
        journal.Append(RowAt(1));
        journal.Append(RowAt(2));

        QVERIFY(journal.Begin()); // Clear with two unsaved rows
        QCOMPARE(journal.BackupPath(), first);
        QCOMPARE(journal.Rows(), 0);
        QCOMPARE(journal.Files(), QStringList({first, journal.CurrentPath()}));
        QCOMPARE(JournalContents::Read(first).RowCount(), 2);

        const QString empty = journal.CurrentPath();
        QVERIFY(journal.Begin()); // nothing recorded since: the empty one goes, the backup stays
        QVERIFY(!QFile::exists(empty));
        QCOMPARE(journal.BackupPath(), first);

        const QString second = journal.CurrentPath();
        journal.Append(RowAt(3));
        QVERIFY(journal.Begin()); // a newer unsaved generation replaces the backup
        QCOMPARE(journal.BackupPath(), second);
        QVERIFY(!QFile::exists(first));
        QCOMPARE(journal.Files(), QStringList({second, journal.CurrentPath()}));

        const QString saved = journal.CurrentPath();
        journal.Append(RowAt(4));
        journal.NoteSaved(1);
        QVERIFY(journal.Begin()); // all saved: no backup needed
        QVERIFY(!QFile::exists(saved));
        QCOMPARE(journal.BackupPath(), second);

        journal.Discard();
        QCOMPARE(journal.Files(), QStringList({second}));
    }

    // The sync runs a while after a write, off the writer's thread, and not
    // again while nothing new was written.
    void syncsAfterWritesOnly() {
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        journal.SetSyncDelay(50);
        QVERIFY(journal.Begin());
        journal.Append(RowAt(1));
        QVERIFY(QTest::qWaitFor([&] { return journal.SyncsDone() >= 1; }, 3000));
        const int done = journal.SyncsDone();
        QTest::qWait(300);
        QCOMPARE(journal.SyncsDone(), done);
        journal.Append(RowAt(2));
        QVERIFY(QTest::qWaitFor([&] { return journal.SyncsDone() > done; }, 3000));
    }

    // A journal that cannot be written says so once, names the place and keeps
    // counting the rows, which the table still holds unsaved.
    void cannotBeWritten() {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("taken"));
        QFile taken(notAFolder);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();
        RowJournal journal(notAFolder + QStringLiteral("/journal"));
        QSignalSpy failed(&journal, &RowJournal::Failed);
        QVERIFY(!journal.Begin());
        QVERIFY(!journal.Writing());
        QVERIFY(!journal.Append(RowAt(1)));
        QVERIFY(!journal.Append(RowAt(2)));
        QCOMPARE(failed.size(), 1);
        const QString message = failed.at(0).at(0).toString();
        QVERIFY2(message.contains(QDir::toNativeSeparators(notAFolder)), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("cannot be created")));
        QCOMPARE(journal.Rows(), 2);
        QVERIFY(journal.HasUnsaved());
    }
};

QTEST_GUILESS_MAIN(TestRowJournal)
#include "tst_row_journal.moc"
