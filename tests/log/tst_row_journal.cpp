// SPDX-License-Identifier: GPL-3.0-or-later
// The row journal: what a journal file reads back as (torn last lines, damage,
// save notes, restore notes), what the writer puts in it, the generations that
// Clear and Open start (every one with unsaved rows kept), a restore's sources
// removed only once its copy is on the disk, the sync off the caller's thread, a
// disk that fills and empties again, files readable by the user only, and a
// journal that cannot be written.
#include "log/journal_contents.h"
#include "log/row_journal.h"
#include "platform/checked_file.h"
#include "support/journal_rows.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using FileFaults::Call;
Q_DECLARE_METATYPE(FileFaults::Fault)

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

int ModeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}
} // namespace

class TestRowJournal : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FileFaults::Disarm(); }

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
        QTest::newRow("a line feed alone is inside a line")
            << Lines(11, 1) + "x\t\n" + Lines(12, 1) + Lines(14, 1) << 2 << 0 << 1
            << "6/12/2026 10:49:14";
        QTest::newRow("a line longer than any row")
            << Lines(11, 1) + QByteArray(JournalContents::MaxLineBytes + 10, '\t') + "\r\n" +
                   Lines(12, 1)
            << 2 << 0 << 1 << "6/12/2026 10:49:12";
    }
    void readsBack() {
        QFETCH(QByteArray, bytes);
        // From bytes, and from a file read in blocks: the same.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal-1.tsv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QString error;
        for (const JournalContents& journal :
             {JournalContents::Parse(bytes), JournalContents::Read(path, &error)}) {
            QCOMPARE(error, QString());
            QTEST(journal.RowCount(), "rows");
            QTEST(journal.SavedRows(), "saved");
            QTEST(journal.DroppedLines(), "dropped");
            QTEST(journal.LastTime(), "lastTime");
            const QList<Fields> rows = RowsOf(journal);
            QCOMPARE(rows.size(), journal.RowCount());
            if (journal.RowCount() > 0) {
                QCOMPARE(journal.FirstTime(), QStringLiteral("6/12/2026 10:49:11"));
                QCOMPARE(rows[0], RowAt(11)); // " HOLD" with its leading space
            }
            if (journal.RowCount() > 1)
                QVERIFY(rows[1][7].isEmpty()); // an empty last field
        }
    }

    // A generation that begins with restored rows names its sources and notes
    // their end; one a kill cut short has the first note only.
    void restoreNotes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("from");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("rows");
        const QByteArray head = "#restoring journal-1.tsv journal-4.tsv\r\n";
        const QStringList both{"journal-1.tsv", "journal-4.tsv"};
        QTest::newRow("finished") << head + Lines(11, 3) + "#restored\r\n" + Lines(14, 1) << both
                                  << true << 4;
        QTest::newRow("cut short") << head + Lines(11, 2) + "6/12" << both << false << 2;
        QTest::newRow("no notes") << Lines(11, 2) << QStringList() << false << 2;
        QTest::newRow("a note after a row is no restore")
            << Lines(11, 1) + head + Lines(12, 1) + "#restored\r\n"
            << QStringList() << false << 2;
    }
    void restoreNotes() {
        QFETCH(QByteArray, bytes);
        const JournalContents journal = JournalContents::Parse(bytes);
        QTEST(journal.RestoredFrom(), "from");
        QTEST(journal.RestoreComplete(), "complete");
        QTEST(journal.RowCount(), "rows");
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
        QCOMPARE(RowsOf(journal).value(1), row);
    }

    // The rows are read again from the file when restored or saved: a file that
    // lost rows since is a failure that names it, not rows made up.
    void rowsReadAgainFromTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal-1.tsv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Lines(11, 5));
        file.close();
        const JournalContents journal = JournalContents::Read(path);
        QCOMPARE(RowsOf(journal).value(4), RowAt(15));
        QVERIFY(file.resize(Lines(11, 3).size()));
        JournalContents::RowReader reader(journal);
        LogLineFormat::Fields fields;
        int read = 0;
        while (reader.Next(fields))
            ++read;
        QCOMPARE(read, 3);
        QVERIFY2(reader.Error().contains(QDir::toNativeSeparators(path)),
                 qPrintable(reader.Error()));
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

    // The journal's folder and files are the user's alone; a folder an earlier
    // version left open to all is closed too.
    void readableByTheUserOnly_data() {
        QTest::addColumn<bool>("folderThere");
        QTest::newRow("new folder") << false;
        QTest::newRow("folder of an earlier version") << true;
    }
    void readableByTheUserOnly() {
        QFETCH(bool, folderThere);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data/Brackwater"));
        if (folderThere) {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
        }
        RowJournal journal(folder);
        QVERIFY(journal.Begin());
        journal.Append(RowAt(1));
        QCOMPARE(ModeOf(folder), 0700);
        QCOMPARE(ModeOf(journal.CurrentPath()), 0600);
    }

    // Clear and Open begin a new generation; every earlier one with unsaved rows
    // stays for the next start, one without goes.
    void generationsWithUnsavedRowsAreAllKept() {
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        QVERIFY(journal.Begin());
        const QString first = journal.CurrentPath();
        journal.Append(RowAt(1));
        journal.Append(RowAt(2));

        QVERIFY(journal.Begin()); // Clear with two unsaved rows
        QCOMPARE(journal.KeptPaths(), QStringList({first}));
        QCOMPARE(journal.Rows(), 0);
        QCOMPARE(journal.Files(), QStringList({first, journal.CurrentPath()}));
        QCOMPARE(JournalContents::Read(first).RowCount(), 2);

        const QString empty = journal.CurrentPath();
        QVERIFY(journal.Begin()); // nothing recorded since: the empty one goes
        QVERIFY(!QFile::exists(empty));

        const QString second = journal.CurrentPath();
        journal.Append(RowAt(3));
        QVERIFY(journal.Begin()); // a second unsaved generation: both stay
        QCOMPARE(journal.KeptPaths(), QStringList({first, second}));
        QCOMPARE(journal.Files(), QStringList({first, second, journal.CurrentPath()}));

        const QString saved = journal.CurrentPath();
        journal.Append(RowAt(4));
        journal.NoteSaved(1);
        QVERIFY(journal.Begin()); // all saved: not kept
        QVERIFY(!QFile::exists(saved));

        journal.Discard();
        QCOMPARE(journal.Files(), QStringList({first, second}));
        QCOMPARE(JournalContents::Read(second).RowCount(), 1);
    }

    // Rows restored at the start come with the names of their journals; those
    // go only once the copy is on the disk, and stay when it cannot be written.
    void restoredJournalsGoOnceTheCopyIsOnTheDisk_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("written") << false;
        QTest::newRow("disk full, then emptied") << true;
    }
    void restoredJournalsGoOnceTheCopyIsOnTheDisk() {
        QFETCH(bool, diskFull);
        QTemporaryDir dir;
        QStringList sources;
        for (const char* name : {"journal-1.tsv", "journal-2.tsv"}) {
            sources << dir.filePath(QLatin1String(name));
            QFile file(sources.last());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Lines(11, 2));
        }
        RowJournal journal(dir.path());
        journal.SetSyncDelay(60000);
        journal.SetRetryDelay(20);
        if (diskFull)
            FileFaults::Arm({.call = Call::Append, .nth = 1, .error = ENOSPC});
        journal.Begin(
            4, [](int i) { return RowAt(11 + i % 2); }, sources);
        QCOMPARE(QFileInfo(journal.CurrentPath()).fileName(), QStringLiteral("journal-3.tsv"));
        QVERIFY(QFile::exists(sources[0]) && QFile::exists(sources[1]));
        journal.SyncNow();
        QCOMPARE(QFile::exists(sources[0]), diskFull);
        if (diskFull) {
            FileFaults::Disarm();
            journal.SyncNow();
            QVERIFY(!QFile::exists(sources[0]) && !QFile::exists(sources[1]));
        }
        const JournalContents copy = JournalContents::Read(journal.CurrentPath());
        QCOMPARE(copy.RestoredFrom(), QStringList({"journal-1.tsv", "journal-2.tsv"}));
        QVERIFY(copy.RestoreComplete());
        QCOMPARE(copy.RowCount(), 4);
        QCOMPARE(copy.DroppedLines(), 0);
    }

    // A disk that fills and empties again: said once with the system's reason,
    // the rows wait, and all of them reach the file in order once it takes them,
    // which is said once too. No line is torn, none glued to another.
    void resumesAfterTheDiskFilled_data() {
        QTest::addColumn<FileFaults::Fault>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full") << FileFaults::Fault{Call::Append, 1, ENOSPC, false}
                              << "No space left on device";
        QTest::newRow("full in the middle of a row")
            << FileFaults::Fault{Call::Append, 1, ENOSPC, true} << "No space left on device";
        QTest::newRow("I/O error at the second row")
            << FileFaults::Fault{Call::Append, 2, EIO, false} << "Input/output error";
        QTest::newRow("full at the last row")
            << FileFaults::Fault{Call::Append, 4, ENOSPC, false} << "No space left on device";
    }
    void resumesAfterTheDiskFilled() {
        QFETCH(FileFaults::Fault, fault);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        journal.SetRetryDelay(50);
        QSignalSpy failed(&journal, &RowJournal::Failed);
        QSignalSpy resumed(&journal, &RowJournal::Resumed);
        QVERIFY(journal.Begin());
        journal.Append(RowAt(1));
        journal.Append(RowAt(2));
        FileFaults::Arm(fault);
        for (int s = 3; s <= 6; ++s)
            journal.Append(RowAt(s));
        const int written = fault.nth; // rows 3 to 2 + nth - 1 went through first
        QCOMPARE(FileBytes(journal.CurrentPath()), Lines(1, 1 + written));
        QCOMPARE(journal.WaitingRows(), 5 - written);
        QVERIFY(!journal.Writing());
        QTest::qWait(200); // retries meanwhile fail silently
        QCOMPARE(failed.size(), 1);
        const QString message = failed.at(0).at(0).toString();
        QVERIFY2(message.contains(QDir::toNativeSeparators(journal.CurrentPath())) &&
                     message.contains(reason),
                 qPrintable(message));

        FileFaults::Disarm();
        QVERIFY(resumed.wait(3000));
        QCOMPARE(resumed.at(0).at(0).toString(),
                 QStringLiteral("The journal \"%1\" is written again: %2 recorded meanwhile %3.")
                     .arg(QDir::toNativeSeparators(journal.CurrentPath()),
                          written == 4 ? QStringLiteral("1 row")
                                       : QStringLiteral("%1 rows").arg(5 - written),
                          written == 4 ? QStringLiteral("is in it") : QStringLiteral("are in it")));
        journal.Append(RowAt(7));
        QCOMPARE(FileBytes(journal.CurrentPath()), Lines(1, 7));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(resumed.size(), 1);
        QVERIFY(journal.Writing());
    }

    // A Clear while the disk is full: the rows of the generation it ends still
    // reach that generation's file, the new one's reach the new file.
    void clearDuringAFullDisk() {
        QTemporaryDir dir;
        RowJournal journal(dir.path());
        journal.SetRetryDelay(50);
        QSignalSpy failed(&journal, &RowJournal::Failed);
        QSignalSpy resumed(&journal, &RowJournal::Resumed);
        QVERIFY(journal.Begin());
        const QString first = journal.CurrentPath();
        journal.Append(RowAt(1));
        FileFaults::Arm({.call = Call::Append, .nth = 1, .error = ENOSPC});
        journal.Append(RowAt(2));
        journal.Begin();
        journal.Append(RowAt(3));
        FileFaults::Disarm();
        QVERIFY(resumed.wait(3000));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(FileBytes(first), Lines(1, 2));
        QCOMPARE(FileBytes(journal.CurrentPath()), Lines(3, 1));
        QCOMPARE(journal.WaitingRows(), 0);
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
