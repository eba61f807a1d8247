// SPDX-License-Identifier: GPL-3.0-or-later
// The appending writer of the journal and the recorder: each append whole or
// absent, a file extended on a new line, only regular files written (a FIFO
// without blocking, a device not at all), lines that wait through a full disk
// (the fault seam and a real small tmpfs) and reach the file in order once it
// takes them again, and a limit on the rows waiting that drops the oldest.

#include "platform/appending_file.h"
#include "platform/checked_file.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using FileFaults::Call;

namespace {
QByteArray Row(int n) {
    return QStringLiteral("6/12/2026\t10:%1:%2\t23.5\tC\t24.1\tC\tK\t\t\r\n")
        .arg(n / 60, 2, 10, QLatin1Char('0'))
        .arg(n % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

QByteArray Rows(int from, int to) {
    QByteArray rows;
    for (int n = from; n <= to; ++n)
        rows += Row(n);
    return rows;
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A small tmpfs of its own, where the test may mount one; unmounted at the end.
struct SmallDisk {
    QTemporaryDir dir;
    bool mounted = false;
    explicit SmallDisk(const char* size) {
        const QByteArray options = QByteArray("size=") + size;
        mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                          options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    // Fills what room is left with a file of its own.
    void Fill() const {
        const int fd = ::open(QFile::encodeName(Path(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0600);
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        while (::write(fd, block.constData(), 1) > 0) {
        }
        ::close(fd);
    }
    void Empty() const { QFile::remove(Path(QStringLiteral("filler"))); }
};
} // namespace

class TestAppendingFile : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FileFaults::Disarm(); }

    // Whatever an earlier writer left, the first row starts a line of its own.
    void extendsOnANewLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << Row(1);
        QTest::newRow("whole lines") << Row(0) << Row(0) + Row(1);
        QTest::newRow("torn in a field") << QByteArray("6/12/2026\t10:0")
                                         << "6/12/2026\t10:0\r\n" + Row(1);
        QTest::newRow("torn between CR and LF") << QByteArray("x\r") << "x\r\n" + Row(1);
        QTest::newRow("a line feed alone") << QByteArray("x\n") << "x\n" + Row(1);
    }
    void extendsOnANewLine() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.tsv"));
        if (!before.isEmpty())
            Put(path, before);
        AppendingFile file(path, AppendingFile::Mode::Extend);
        QVERIFY(file.Open());
        QVERIFY(file.Append(Row(1)));
        QCOMPARE(FileBytes(path), after);
        QVERIFY(file.Append(Row(2)));
        QCOMPARE(FileBytes(path), after + Row(2));
        QCOMPARE(file.RowsWritten(), 2);
    }

    // Only a regular file is written: anything else is refused at once, before
    // it is opened, so a FIFO never blocks and a device never takes a byte.
    void refusesWhatIsNotAFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder"
                                << "it is a folder, not a file";
        QTest::newRow("FIFO without a reader") << "fifo"
                                               << "it is a pipe (FIFO), not a regular file";
        QTest::newRow("FIFO with a reader") << "read fifo"
                                            << "it is a pipe (FIFO), not a regular file";
        QTest::newRow("device") << "/dev/null"
                                << "it is a device, not a regular file";
        QTest::newRow("link to a device") << "link"
                                          << "it is a device, not a regular file";
    }
    void refusesWhatIsNotAFile() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = kind;
        int reader = -1;
        if (kind == "folder") {
            path = dir.path();
        } else if (kind.endsWith("fifo")) {
            path = dir.filePath(QStringLiteral("pipe"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            if (kind == "read fifo")
                reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        } else if (kind == "link") {
            path = dir.filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
        }
        QElapsedTimer clock;
        clock.start();
        AppendingFile file(path, AppendingFile::Mode::Extend);
        QVERIFY(!file.Open());
        QVERIFY(file.NotAFile());
        QCOMPARE(file.ErrorText(), reason);
        if (reader >= 0) {
            char byte;
            QCOMPARE(::read(reader, &byte, 1), ssize_t(0)); // nothing was written to it
            ::close(reader);
        }
    }

    // The disk fills: the row in the middle of its write is cut back, the rows
    // wait, each stop and return is said once, and the rows reach the file in
    // order; a retry comes with a later row or from the timer.
    void waitsThroughAFullDisk_data() {
        QTest::addColumn<bool>("shortWrite");
        QTest::addColumn<bool>("byTimer");
        QTest::newRow("row refused, retried by the next row") << false << false;
        QTest::newRow("row cut short, retried by the next row") << true << false;
        QTest::newRow("row cut short, retried by the timer") << true << true;
    }
    void waitsThroughAFullDisk() {
        QFETCH(bool, shortWrite);
        QFETCH(bool, byTimer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.tsv"));
        AppendingFile file(path, AppendingFile::Mode::Extend);
        file.SetRetryDelay(byTimer ? 30 : 60000);
        QSignalSpy stopped(&file, &AppendingFile::Stopped);
        QSignalSpy resumed(&file, &AppendingFile::Resumed);
        QVERIFY(file.Open());
        QVERIFY(file.Append(Row(1)));
        FileFaults::Arm({.call = Call::Append, .nth = 1, .error = ENOSPC, .shortWrite = shortWrite});
        for (int n = 2; n <= 4; ++n)
            QVERIFY(!file.Append(Row(n)));
        QCOMPARE(FileBytes(path), Row(1));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.at(0).at(0).toString(), QStringLiteral("No space left on device"));
        QCOMPARE(file.WaitingRows(), 3);
        FileFaults::Disarm();
        if (byTimer) {
            QVERIFY(resumed.wait(3000));
        } else {
            file.SetRetryDelay(0); // the next row tries again at once
            QVERIFY(file.Append(Row(5)));
        }
        QCOMPARE(resumed.size(), 1);
        QCOMPARE(resumed.at(0).at(0).toLongLong(), byTimer ? 3 : 4);
        QVERIFY(file.Append(Row(byTimer ? 5 : 6)));
        QCOMPARE(FileBytes(path), Rows(1, byTimer ? 5 : 6));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(file.RowsWritten(), byTimer ? 5 : 6);
    }

    // At most so many rows wait: beyond, the oldest go, which is said once when
    // it begins and counted when writing works again.
    void dropsTheOldestBeyondTheLimit() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.tsv"));
        AppendingFile file(path, AppendingFile::Mode::Extend);
        file.SetRetryDelay(60000);
        file.SetWaitLimit(5);
        QSignalSpy dropping(&file, &AppendingFile::Dropping);
        QSignalSpy resumed(&file, &AppendingFile::Resumed);
        QVERIFY(file.Open());
        FileFaults::Arm({.call = Call::Append, .nth = 1, .error = ENOSPC});
        for (int n = 1; n <= 12; ++n)
            file.Append(Row(n));
        QCOMPARE(file.WaitingRows(), 5);
        QCOMPARE(dropping.size(), 1);
        FileFaults::Disarm();
        QVERIFY(file.Retry());
        QCOMPARE(resumed.size(), 1);
        QCOMPARE(resumed.at(0).at(0).toLongLong(), 5);
        QCOMPARE(resumed.at(0).at(1).toLongLong(), 7);
        QCOMPARE(FileBytes(path), Rows(8, 12));
    }

    // A real file system that fills up and empties again: no torn or glued line.
    void realSmallDiskFillsAndEmpties() {
        SmallDisk disk("64k");
        if (!disk.mounted)
            QSKIP("no tmpfs can be mounted here");
        const QString path = disk.Path(QStringLiteral("run.tsv"));
        AppendingFile file(path, AppendingFile::Mode::Extend);
        file.SetRetryDelay(60000);
        QSignalSpy stopped(&file, &AppendingFile::Stopped);
        QVERIFY(file.Open());
        QVERIFY(file.Append(Row(0)));
        disk.Fill();
        int n = 1;
        for (; n <= 200; ++n)
            file.Append(Row(n));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.at(0).at(0).toString(), QStringLiteral("No space left on device"));
        QVERIFY(file.WaitingRows() > 0);
        disk.Empty();
        QVERIFY(file.Retry());
        QVERIFY(file.Append(Row(n)));
        QCOMPARE(FileBytes(path), Rows(0, n));
        QVERIFY(file.SyncNow());
    }

    // A journal's file: new only, the user's alone, in a folder made for it.
    void newOwnerOnlyFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("made/journal-1.tsv"));
        {
            AppendingFile file(path, AppendingFile::Mode::NewOwnerOnly);
            QVERIFY(file.Open());
            QVERIFY(file.Append(Row(1)));
            QVERIFY(file.SyncNow());
        }
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        QCOMPARE(::stat(QFile::encodeName(dir.filePath(QStringLiteral("made"))).constData(), &st),
                 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        AppendingFile again(path, AppendingFile::Mode::NewOwnerOnly);
        QVERIFY(!again.Open()); // never an existing file
        QCOMPARE(again.ErrorText(), QStringLiteral("File exists"));
        QCOMPARE(FileBytes(path), Row(1));
    }
};

QTEST_GUILESS_MAIN(TestAppendingFile)
#include "tst_appending_file.moc"
