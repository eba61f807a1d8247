// SPDX-License-Identifier: GPL-3.0-or-later
// The journal in the recording core and what the next start makes of it: rows
// journaled as recorded, Clear keeping them, saves noted by rows, and the
// recovery of an earlier run's unsaved recordings: every one offered oldest first
// with its count and times, restored into the table in time order with
// recording paused, written to a file, or discarded; a torn last line left out; a
// restore a kill cut short told from a finished one; what is not a journal set
// aside and named, in bounded memory.
#include "base/day_count.h"
#include "log/log_line_format.h"
#include "recording/journal_recovery.h"
#include "recording/recording_session.h"
#include "support/journal_rows.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>
#include <sys/stat.h>

namespace {
// A session as the window program has it: a two-channel meter, a journal.
struct Core {
    std::unique_ptr<RecordingSession> session;
    double now = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));

    Core(ScratchSettings& settings, const QString& folder) : session(settings.Session(301)) {
        session->Log().SetLocale(QLocale::c());
        session->EnableJournal(folder);
    }
    // One recorded row a second.
    void Record(int rows) {
        for (int i = 0; i < rows; ++i) {
            session->AppendLogRow(now);
            now += 1.0 / 86400.0;
        }
    }
    LogLineFormat::Fields Row(int row) const { return session->Log().LineFields(row); }
    // Runs a file operation of the core to its end.
    LogFiles::Result Run(BackgroundTask* task) { return session->Files().RunToEnd(task, {}); }
    int TableRows() const {
        return session->Log().Cell(1, 0).isEmpty() ? 0 : session->Log().RowCount() - 1;
    }
};

// A journal file of rows count rows from the given second on, with notes around.
void PutJournal(const QString& path, int from, int count, const QByteArray& head = {},
                const QByteArray& tail = {}) {
    QByteArray bytes = head;
    for (int i = from; i < from + count; ++i)
        bytes += QStringLiteral("6/12/2026\t10:%1:%2\t23.5\tC\t48.0\tC\tK\t\t\r\n")
                     .arg(i / 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'))
                     .toLatin1();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes + tail);
}

// The process's peak resident memory so far.
qint64 PeakResidentBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}
} // namespace

Q_DECLARE_METATYPE(QList<bool>)

class TestJournalRecovery : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void recordedRowsAreJournaled() {
        QTemporaryDir dir;
        Core run(settings_, dir.path());
        run.Record(3);
        RowJournal& journal = *run.session->Journal();
        QVERIFY(journal.Started());
        const JournalContents back = JournalContents::Read(journal.CurrentPath());
        QCOMPARE(back.RowCount(), 3);
        const QList<LogLineFormat::Fields> rows = RowsOf(back);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rows.value(i), run.Row(i + 1));
        QCOMPARE(run.session->UnsavedRows(), 3);
    }

    // Which saves leave rows unsaved: the journal holds the recorded rows, which
    // follow the rows of an opened file.
    void savesAreNotedByRow_data() {
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("recorded");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("unsaved");
        QTest::newRow("whole table") << 0 << 5 << 1 << 5 << 0;
        QTest::newRow("first three") << 0 << 5 << 1 << 3 << 2;
        QTest::newRow("last three") << 0 << 5 << 3 << 5 << 5;
        QTest::newRow("range cut at the end") << 0 << 5 << 1 << 50 << 0;
        QTest::newRow("after an open, whole table") << 4 << 3 << 1 << 7 << 0;
        QTest::newRow("after an open, the recorded rows") << 4 << 3 << 5 << 7 << 0;
        QTest::newRow("after an open, the file's rows") << 4 << 3 << 1 << 4 << 3;
        QTest::newRow("after an open, one recorded row") << 4 << 3 << 2 << 5 << 2;
    }
    void savesAreNotedByRow() {
        QFETCH(int, opened);
        QFETCH(int, recorded);
        QFETCH(int, first);
        QFETCH(int, last);
        QTemporaryDir dir;
        Core run(settings_, dir.path());
        run.Record(1); // the journal has begun
        if (opened > 0) {
            QByteArray lines; // a file's rows, opened into the table
            for (int i = 0; i < opened; ++i)
                lines +=
                    "1/1/2026\t00:00:0" + QByteArray::number(i) + "\t1.0\tC\t2.0\tC\tK\t\t\r\n";
            const QString file = dir.filePath(QStringLiteral("opened.txt"));
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(lines) == lines.size());
            out.close();
            QCOMPARE(run.Run(run.session->Files().Open(file)).Error, QString());
            QCOMPARE(run.TableRows(), opened);
        } else {
            run.session->BitBtn4Click();
        }
        run.Record(recorded);
        QCOMPARE(run.session->UnsavedRows(), recorded);
        const LogFiles::Result saved = run.Run(run.session->Files().Save(
            dir.filePath(QStringLiteral("saved.txt")), {first, std::min(last, run.TableRows())}));
        QCOMPARE(saved.Error, QString());
        QTEST(run.session->UnsavedRows(), "unsaved");
        QFETCH(int, unsaved);
        QCOMPARE(JournalContents::Read(run.session->Journal()->CurrentPath()).SavedRows(),
                 recorded - unsaved);
    }

    void saveAllWritesTheTableAndNotesIt() {
        QTemporaryDir dir;
        Core run(settings_, dir.path());
        run.Record(2);
        const QString path = dir.filePath(QStringLiteral("saved.csv"));
        QCOMPARE(run.Run(run.session->Files().SaveAll(path)).Error, QString());
        QByteArray expected;
        LogLineFormat::AppendLine(expected, run.Row(1), QLatin1Char(','));
        LogLineFormat::AppendLine(expected, run.Row(2), QLatin1Char(','));
        QCOMPARE(FileBytes(path), expected);
        QCOMPARE(run.session->UnsavedRows(), 0);
    }

    // A save whose rows were cleared from the table before it ended notes nothing:
    // its row numbers no longer name the journal's rows.
    void clearDuringASaveNotesNothing() {
        QTemporaryDir dir;
        Core run(settings_, dir.path());
        run.Record(3);
        BackgroundTask* task =
            run.session->Files().Save(dir.filePath(QStringLiteral("s.txt")), {1, 3});
        run.session->BitBtn4Click();
        run.Record(2);
        QCOMPARE(run.Run(task).Error, QString());
        QCOMPARE(run.session->UnsavedRows(), 2);
    }

    // Rows recorded while a file is read (Run pressed meanwhile) follow the file's
    // rows, numbered after them, and make up the new journal generation; the rows
    // recorded before stay as the backup.
    void rowsRecordedDuringAnOpenFollowTheFile() {
        QTemporaryDir dir;
        Core run(settings_, dir.path());
        run.Record(3);
        const QString before = run.session->Journal()->CurrentPath();
        const QString file = dir.filePath(QStringLiteral("four.txt"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("1/1/2026\t00:00:00\t1.0\tC\t2.0\tC\tK\t\t\r\n").repeated(4));
        out.close();
        run.session->SetListRunning(true);
        BackgroundTask* task = run.session->Files().Open(file);
        QVERIFY(!run.session->State().Recording.ListRunning); // paused while reading
        run.session->SetListRunning(true);
        run.Record(2);
        const LogLineFormat::Fields recorded = run.Row(5);
        QCOMPARE(run.Run(task).Error, QString());
        QCOMPARE(run.TableRows(), 6);
        QCOMPARE(run.session->Log().Cell(4, 2), QStringLiteral("00:00:00"));
        QCOMPARE(run.Row(6), recorded);
        QCOMPARE(run.session->Log().Cell(6, 0), QStringLiteral("6"));
        const RowJournal& journal = *run.session->Journal();
        QCOMPARE(journal.KeptPaths(), QStringList({before}));
        const JournalContents now = JournalContents::Read(journal.CurrentPath());
        QCOMPARE(now.RowCount(), 2);
        QCOMPARE(RowsOf(now).value(1), recorded);
        QCOMPARE(run.session->UnsavedRows(), 2);
    }

    // An earlier run recorded, cleared, recorded again and was killed: the next
    // start offers both recordings, the cleared one first and called the earlier
    // one, each count in words that read right.
    void offersTheUnsavedRecordingsOldestFirst() {
        QTemporaryDir dir;
        QStringList offers;
        {
            Core earlier(settings_, dir.path());
            const auto time = [&](int row) {
                return earlier.Row(row)[0] + QLatin1Char(' ') + earlier.Row(row)[1];
            };
            earlier.Record(2);
            offers << QStringLiteral("An earlier recording was not saved: 2 rows from %1 to %2")
                          .arg(time(1), time(2));
            earlier.session->BitBtn4Click(); // Clear: kept as the backup
            earlier.now += 60.0 / 86400.0;
            earlier.Record(1);
            offers << QStringLiteral("The last recording was not saved: 1 row from %1 to %2")
                          .arg(time(1), time(1));
        }
        QVERIFY(offers[1].contains(QStringLiteral(" 10:50:13 to ")));
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        QVERIFY(recovery.Problems().isEmpty());
        QCOMPARE(recovery.Pending().size(), size_t(2));
        QCOMPARE(recovery.Offer(recovery.Pending()[0]), offers[0]);
        QCOMPARE(recovery.Offer(recovery.Pending()[1]), offers[1]);
    }

    // Restored rows come back numbered with their texts, the log's recording stays
    // paused (also through the start's search), and they are journaled again
    // before the journal they came from goes.
    void restorePutsTheRowsBackPaused() {
        QTemporaryDir dir;
        QList<LogLineFormat::Fields> recorded;
        QString source;
        {
            Core earlier(settings_, dir.path());
            earlier.Record(4);
            for (int row = 1; row <= 4; ++row)
                recorded.append(earlier.Row(row));
            source = earlier.session->Journal()->CurrentPath();
        }
        Core next(settings_, dir.path());
        next.session->SetListRunning(true);
        JournalRecovery recovery(*next.session);
        QCOMPARE(recovery.Pending().size(), size_t(1));
        QCOMPARE(recovery.Restore(recovery.Pending()[0]), QString());
        QCOMPARE(next.TableRows(), 4);
        for (int row = 1; row <= 4; ++row) {
            QCOMPARE(next.session->Log().Cell(row, 0), QString::number(row));
            QCOMPARE(next.Row(row), recorded[row - 1]);
        }
        QVERIFY(!next.session->State().Recording.ListRunning);
        recovery.Finish();
        QVERIFY(!QFile::exists(source));
        const JournalContents again = JournalContents::Read(next.session->Journal()->CurrentPath());
        QCOMPARE(again.RowCount(), 4);
        QCOMPARE(again.RestoredFrom(), QStringList({QFileInfo(source).fileName()}));
        QVERIFY(again.RestoreComplete());
        QCOMPARE(RowsOf(again).value(3), recorded[3]);
        QCOMPARE(next.session->UnsavedRows(), 4); // still not in any file

        next.session->StartRecording(); // OK of the start's search
        QVERIFY(!next.session->State().Recording.ListRunning);
        QVERIFY(next.session->State().Recording.GraphRunning);
        next.session->ThTimer1.stop();
        next.session->StartRecording(); // a later search starts it as usual
        QVERIFY(next.session->State().Recording.ListRunning);
        next.session->ThTimer1.stop();
    }

    // Two Clears with rows never saved: all three recordings are offered, oldest
    // first, and restored they stand in time order; restoring some and
    // discarding one keeps that order too.
    void everyUnsavedRecordingIsOfferedAndRestoredInTimeOrder_data() {
        QTest::addColumn<QList<bool>>("restore");
        QTest::newRow("all three") << QList<bool>{true, true, true};
        QTest::newRow("the middle one discarded") << QList<bool>{true, false, true};
    }
    void everyUnsavedRecordingIsOfferedAndRestoredInTimeOrder() {
        QFETCH(QList<bool>, restore);
        QTemporaryDir dir;
        QList<QList<LogLineFormat::Fields>> recorded(3);
        {
            Core earlier(settings_, dir.path());
            for (int g = 0; g < 3; ++g) {
                if (g > 0)
                    earlier.session->BitBtn4Click();
                earlier.Record(g + 2);
                for (int row = 1; row <= g + 2; ++row)
                    recorded[g].append(earlier.Row(row));
                earlier.now += 60.0 / 86400.0;
            }
        }
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        QCOMPARE(recovery.Pending().size(), size_t(3));
        QList<LogLineFormat::Fields> expected;
        QStringList sources;
        for (int g = 0; g < 3; ++g) {
            const JournalContents& journal = recovery.Pending()[size_t(g)];
            QCOMPARE(journal.RowCount(), g + 2);
            QCOMPARE(journal.FirstTime(), recorded[g][0][0] + ' ' + recorded[g][0][1]);
            sources << journal.Path();
            if (restore[g]) {
                QCOMPARE(recovery.Restore(journal), QString());
                expected += recorded[g];
            } else {
                recovery.Discard(journal);
            }
        }
        QCOMPARE(next.TableRows(), int(expected.size()));
        for (int row = 1; row <= next.TableRows(); ++row) {
            QCOMPARE(next.Row(row), expected[row - 1]);
            QCOMPARE(next.session->Log().Cell(row, 0), QString::number(row));
        }
        recovery.Finish();
        for (const QString& source : sources)
            QVERIFY2(!QFile::exists(source), qPrintable(source));
        QCOMPARE(RowsOf(JournalContents::Read(next.session->Journal()->CurrentPath())), expected);
    }

    // A kill in the middle of a restore leaves the copy's first note without
    // its last: the journals it came from are offered again and the copy is not;
    // a kill after the copy was finished leaves the sources, which then go.
    void aRestoreCutShortIsToldFromAFinishedOne_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("sourcesThere");
        QTest::addColumn<QList<int>>("offered");
        QTest::newRow("cut short") << QByteArray() << true << QList<int>{2, 3};
        QTest::newRow("finished, sources there")
            << QByteArray("#restored\r\n") << true << QList<int>{5};
        QTest::newRow("finished, sources gone")
            << QByteArray("#restored\r\n") << false << QList<int>{5};
        QTest::newRow("cut short, sources gone") << QByteArray() << false << QList<int>{4};
    }
    void aRestoreCutShortIsToldFromAFinishedOne() {
        QFETCH(QByteArray, tail);
        QFETCH(bool, sourcesThere);
        QFETCH(QList<int>, offered);
        QTemporaryDir dir;
        if (sourcesThere) {
            PutJournal(dir.filePath(QStringLiteral("journal-1.tsv")), 0, 2);
            PutJournal(dir.filePath(QStringLiteral("journal-2.tsv")), 10, 3);
        }
        // A cut short copy has some of the rows; a finished one all, maybe more.
        const int copied = tail.isEmpty() ? 4 : 5;
        PutJournal(dir.filePath(QStringLiteral("journal-3.tsv")), 0, copied,
                   "#restoring journal-1.tsv journal-2.tsv\r\n", tail);
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        QList<int> counts;
        for (const JournalContents& journal : recovery.Pending())
            counts << journal.RowCount();
        QCOMPARE(counts, offered);
        for (const JournalContents& journal : recovery.Pending())
            QCOMPARE(recovery.Restore(journal), QString());
        recovery.Finish();
        QCOMPARE(next.TableRows(), std::accumulate(offered.begin(), offered.end(), 0));
        // Nothing is offered twice at the start after.
        QCOMPARE(next.session->Journal()->Files(),
                 QStringList({next.session->Journal()->CurrentPath()}));
    }

    // Under a journal's name: what is not a file is set aside, a file without one
    // recognisable row is kept aside as damaged; each is named in a message and
    // this run's journal takes the next free name. The next start says nothing.
    void whatIsNotAJournalIsSetAside_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("aside");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << "fifo"
                              << "journal-4.not-a-file"
                              << "it is a pipe (FIFO), not a regular file";
        QTest::newRow("folder") << "folder"
                                << "journal-4.not-a-file"
                                << "it is a folder, not a file";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "journal-4.not-a-file"
                                           << "it is a symbolic link, not a regular file";
        QTest::newRow("link to nothing") << "dangling"
                                         << "journal-4.not-a-file"
                                         << "it is a symbolic link, not a regular file";
        QTest::newRow("random bytes") << "random"
                                      << "journal-4.damaged"
                                      << "holds no recognisable row";
        QTest::newRow("text without a row") << "text"
                                            << "journal-4.damaged"
                                            << "holds no recognisable row";
    }
    void whatIsNotAJournalIsSetAside() {
        QFETCH(QString, kind);
        QFETCH(QString, aside);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        PutJournal(dir.filePath(QStringLiteral("journal-2.tsv")), 0, 2);
        const QString path = dir.filePath(QStringLiteral("journal-4.tsv"));
        const QByteArray name = QFile::encodeName(path);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "zero" || kind == "dangling") {
            QVERIFY(QFile::link(kind == "zero" ? QStringLiteral("/dev/zero") : dir.filePath("none"),
                                path));
        } else {
            QByteArray bytes = kind == "text" ? QByteArray("a note\r\nanother\r\n") : QByteArray();
            for (int i = 0; kind == "random" && i < 4096; ++i)
                bytes += char(QRandomGenerator::global()->bounded(256));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        QCOMPARE(recovery.Problems().size(), 1);
        const QString message = recovery.Problems()[0];
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)) && message.contains(reason) &&
                     message.contains(QStringLiteral("set aside as \"%1\".")
                                          .arg(QDir::toNativeSeparators(dir.filePath(aside)))),
                 qPrintable(message));
        QVERIFY(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink());
        QVERIFY(QFileInfo(dir.filePath(aside)).exists() ||
                QFileInfo(dir.filePath(aside)).isSymLink());
        QCOMPARE(recovery.Pending().size(), size_t(1)); // the journal beside it still is
        QCOMPARE(recovery.Restore(recovery.Pending()[0]), QString());
        recovery.Finish();
        QCOMPARE(QFileInfo(next.session->Journal()->CurrentPath()).fileName(),
                 QStringLiteral("journal-5.tsv"));
        QCOMPARE(next.TableRows(), 2);
        QVERIFY(JournalRecovery(*next.session).Problems().isEmpty());
    }

    // 200 MB of random bytes under a journal's name: read through in blocks (the
    // process's peak memory grows by far less than the file), found without a
    // row, and set aside.
    void aLargeDamagedJournalIsReadInBoundedMemory() {
        QTemporaryDir dir;
        constexpr qint64 size = 200LL << 20;
        if (QStorageInfo(dir.path()).bytesAvailable() < 2 * size)
            QSKIP("not enough room for a 200 MB file here");
        const QString path = dir.filePath(QStringLiteral("journal-1.tsv"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QRandomGenerator random(20);
            QByteArray block(1 << 20, Qt::Uninitialized);
            for (qint64 written = 0; written < size; written += block.size()) {
                random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
                QCOMPARE(file.write(block), block.size());
            }
        }
        const qint64 peakBefore = PeakResidentBytes();
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        const qint64 growth = PeakResidentBytes() - peakBefore;
        QVERIFY2(growth < size / 4, qPrintable(QString::number(growth)));
        QCOMPARE(recovery.Problems().size(), 1);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("journal-1.damaged"))));
        QVERIFY(recovery.Pending().empty());
    }

    void saveAsAndDiscardSettleTheJournal_data() {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("save as txt") << "kept.txt";
        QTest::newRow("save as csv") << "kept.csv";
        QTest::newRow("discard") << "";
    }
    void saveAsAndDiscardSettleTheJournal() {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        QByteArray lines;
        QString source;
        {
            Core earlier(settings_, dir.path());
            earlier.Record(3);
            for (int row = 1; row <= 3; ++row)
                LogLineFormat::AppendLine(lines, earlier.Row(row),
                                          LogLineFormat::SaveSeparator(fileName));
            source = earlier.session->Journal()->CurrentPath();
        }
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        QCOMPARE(recovery.Pending().size(), size_t(1));
        if (fileName.isEmpty()) {
            recovery.Discard(recovery.Pending()[0]);
        } else {
            const QString path = dir.filePath(fileName);
            QCOMPARE(recovery.SaveAs(recovery.Pending()[0], path), QString());
            QCOMPARE(FileBytes(path), lines);
        }
        // Saved: gone at once, so a kill now cannot offer it again; discarded: at the end.
        QCOMPARE(QFile::exists(source), fileName.isEmpty());
        recovery.Finish();
        QCOMPARE(next.TableRows(), 0);
        // Only this run's journal is left, without the earlier rows.
        QCOMPARE(next.session->Journal()->Files(),
                 QStringList({next.session->Journal()->CurrentPath()}));
        QCOMPARE(JournalContents::Read(next.session->Journal()->CurrentPath()).RowCount(), 0);
        QVERIFY(JournalRecovery(*next.session).Pending().empty());
    }

    void saveAsFailureKeepsTheJournal() {
        QTemporaryDir dir;
        {
            Core earlier(settings_, dir.path());
            earlier.Record(2);
        }
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        const QString problem =
            recovery.SaveAs(recovery.Pending()[0], dir.filePath(QStringLiteral("no/such.txt")));
        QVERIFY2(problem.contains(QStringLiteral("no/such.txt")), qPrintable(problem));
        recovery.Finish();
        // Still offered at the next start.
        Core third(settings_, dir.path());
        QCOMPARE(JournalRecovery(*third.session).Pending().size(), size_t(1));
    }

    // A power cut in the middle of a write: the torn line is left out, the rows
    // before it are offered. A wholly saved journal is not offered, and goes.
    void tornLastLineAndSavedJournals() {
        QTemporaryDir dir;
        QString saved;
        {
            Core earlier(settings_, dir.path());
            earlier.Record(2);
            QCOMPARE(earlier.Run(earlier.session->Files().SaveAll(dir.filePath("all.txt"))).Error,
                     QString());
            saved = earlier.session->Journal()->CurrentPath();
        }
        QFile torn(dir.filePath(QStringLiteral("journal-7.tsv")));
        QVERIFY(torn.open(QIODevice::WriteOnly));
        torn.write("6/12/26\t10:49:11\t23.5\tC\t48.0\tC\tK\t\t\r\n"
                   "6/12/26\t10:49:12\t23.5\tC\t48.0\tC\tK\t\t\r\n"
                   "6/12/26\t10:49:13\t23.");
        torn.close();
        Core next(settings_, dir.path());
        JournalRecovery recovery(*next.session);
        QCOMPARE(recovery.Pending().size(), size_t(1));
        QCOMPARE(recovery.Offer(recovery.Pending()[0]),
                 QStringLiteral("The last recording was not saved: 2 rows from 6/12/26 10:49:11 "
                                "to 6/12/26 10:49:12"));
        QCOMPARE(recovery.Restore(recovery.Pending()[0]), QString());
        recovery.Finish();
        QVERIFY(!QFile::exists(saved));
        QCOMPARE(next.TableRows(), 2);
        QCOMPARE(next.session->Log().Cell(2, 2), QStringLiteral("10:49:12"));
    }
};

QTEST_GUILESS_MAIN(TestJournalRecovery)
#include "tst_journal_recovery.moc"
