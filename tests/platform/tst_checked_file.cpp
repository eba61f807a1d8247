// SPDX-License-Identifier: GPL-3.0-or-later
// The checked file path: a file replaces its target only when every write, the
// flush, the sync, the rename and the folder sync succeeded; at any failure (the
// seam's, or a real full file system) the old target stays byte for byte, no
// temporary file is left, and the reason is the system's own text. The reader
// opens only regular files, at once, and reports read errors with their reason.

#include "platform/checked_file.h"
#include "platform/checked_file_device.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using FileFaults::Call;
Q_DECLARE_METATYPE(FileFaults::Call)

namespace {
const QByteArray OldContent = "rows saved earlier\r\n";

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Bytes of a given size, different at every position so a lost block shows.
QByteArray Pattern(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('a' + (i * 7 + i / 4096) % 26);
    return bytes;
}

// Writes bytes in pieces of piece bytes through the writer; its error text, or
// empty on success.
QString WriteFile(const QString& path, const QByteArray& bytes, qsizetype piece) {
    CheckedFileWriter file(path);
    if (!file.Open())
        return file.ErrorText();
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        if (!file.Write(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at))))
            return file.ErrorText();
    return file.Commit() ? QString() : file.ErrorText();
}
} // namespace

class TestCheckedFile : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FileFaults::Disarm(); }

    void writesWholeFiles_data() {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<qsizetype>("piece");
        QTest::newRow("empty") << qsizetype(0) << qsizetype(1);
        QTest::newRow("small, byte by byte") << qsizetype(3000) << qsizetype(1);
        QTest::newRow("blocks and a rest, odd pieces")
            << qsizetype(5 << 20) + 17 << qsizetype(99991);
        QTest::newRow("one huge piece") << qsizetype(3 << 20) + 5 << qsizetype(3 << 20) + 5;
    }
    void writesWholeFiles() {
        QFETCH(qsizetype, size);
        QFETCH(qsizetype, piece);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        Put(path, OldContent);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        const QByteArray bytes = Pattern(size);
        QCOMPARE(WriteFile(path, bytes, piece), QString());
        QCOMPARE(FileBytes(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"log.txt"});
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0640); // a replaced file keeps its permissions
    }

    // Every step that can fail, in each way: the target stays as it was, nothing
    // is left behind, the reason is the system's.
    void failureLeavesTheTarget_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<int>("nth");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("shortWrite");
        QTest::addColumn<bool>("existed");
        QTest::addColumn<QString>("reason");
        const QString full = QStringLiteral("No space left on device");
        const QString io = QStringLiteral("Input/output error");
        QTest::newRow("first write, disk full")
            << Call::Write << 1 << ENOSPC << false << true << full;
        QTest::newRow("third write, I/O error") << Call::Write << 3 << EIO << false << true << io;
        QTest::newRow("short write") << Call::Write << 2 << ENOSPC << true << true << full;
        QTest::newRow("quota") << Call::Write << 2 << EDQUOT << false << true
                               << QStringLiteral("Disk quota exceeded");
        QTest::newRow("flush, disk full") << Call::Flush << 1 << ENOSPC << false << true << full;
        QTest::newRow("flush, short") << Call::Flush << 1 << ENOSPC << true << true << full;
        QTest::newRow("sync, I/O error") << Call::Sync << 1 << EIO << false << true << io;
        QTest::newRow("rename, I/O error") << Call::Rename << 1 << EIO << false << true << io;
        QTest::newRow("folder sync, I/O error")
            << Call::FolderSync << 1 << EIO << false << true << io;
        QTest::newRow("folder sync, new file")
            << Call::FolderSync << 1 << EIO << false << false << io;
    }
    void failureLeavesTheTarget() {
        QFETCH(Call, call);
        QFETCH(int, nth);
        QFETCH(int, error);
        QFETCH(bool, shortWrite);
        QFETCH(bool, existed);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        if (existed)
            Put(path, OldContent);
        FileFaults::Arm({.call = call, .nth = nth, .error = error, .shortWrite = shortWrite});
        // Five blocks and a rest: several writes, and a flush with bytes in it.
        const QString problem = WriteFile(path, Pattern((5 << 20) + 333), 4000);
        FileFaults::Disarm();
        QCOMPARE(problem, reason);
        QCOMPARE(QFile::exists(path), existed);
        QCOMPARE(FileBytes(path), existed ? OldContent : QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 existed ? QStringList{"log.txt"} : QStringList{});
    }

    // A file system that fills up for real: 64 KiB of tmpfs.
    void fullFileSystem() {
        if (::geteuid() != 0)
            QSKIP("Mounting a small tmpfs needs root; the seam's tests stand in for it.");
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable(QStringLiteral("No tmpfs can be mounted here (%1); the seam's tests "
                                            "stand in for it.")
                                 .arg(SystemErrorText(errno))));
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        Put(path, Pattern(20000));
        const QByteArray before = FileBytes(path);
        const QString problem = WriteFile(path, Pattern(200000), 3000);
        // The same through the device adaptor, as Qt's image and PDF writers use it.
        CheckedFileDevice device(dir.filePath(QStringLiteral("graph.png")));
        const bool opened = device.open(QIODevice::WriteOnly);
        const bool wrote = opened && device.write(Pattern(200000)) == 200000;
        const bool committed = wrote && device.Commit();
        const QString deviceProblem = device.ErrorText();
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        const QByteArray after = FileBytes(path);
        ::umount(mountPoint.constData());
        QCOMPARE(problem, QStringLiteral("No space left on device"));
        QCOMPARE(after, before);
        QVERIFY(opened && !committed);
        QCOMPARE(deviceProblem, QStringLiteral("No space left on device"));
        QCOMPARE(left, QStringList{"log.txt"});
    }

    void deviceWritesThroughTheCheckedPath() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("drawing.svg"));
        Put(path, OldContent);
        {
            CheckedFileDevice device(path);
            QVERIFY(device.open(QIODevice::WriteOnly));
            QCOMPARE(device.write("<svg/>"), qint64(6));
            // Not committed: the old file stays.
        }
        QCOMPARE(FileBytes(path), OldContent);
        CheckedFileDevice device(path);
        QVERIFY(!device.open(QIODevice::ReadOnly));
        FileFaults::Arm({.call = Call::Write, .nth = 1, .error = EIO});
        QVERIFY(device.open(QIODevice::WriteOnly));
        QCOMPARE(device.write("<svg/>"), qint64(6)); // buffered yet
        QVERIFY(!device.Commit());
        QCOMPARE(device.ErrorText(), QStringLiteral("Input/output error"));
        QCOMPARE(FileBytes(path), OldContent);
    }

    void readerTakesRegularFilesOnly_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "No such file or directory";
        QTest::newRow("folder") << "folder"
                                << "it is a folder, not a file";
        QTest::newRow("FIFO") << "fifo"
                              << "it is a pipe (FIFO), not a regular file";
        QTest::newRow("device") << "/dev/zero"
                                << "it is a device, not a regular file";
    }
    void readerTakesRegularFilesOnly() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = kind;
        if (kind == "missing")
            path = dir.filePath(QStringLiteral("none.txt"));
        else if (kind == "folder")
            path = dir.path();
        else if (kind == "fifo") {
            path = dir.filePath(QStringLiteral("pipe"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        QElapsedTimer clock;
        clock.start();
        RegularFileReader reader;
        QVERIFY(!reader.Open(path));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(reader.ErrorText(), reason);
    }

    void readErrors() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        Put(path, Pattern(10000));
        FileFaults::Arm({.call = Call::Read, .nth = 2, .error = EIO});
        RegularFileReader reader;
        QVERIFY(reader.Open(path));
        char buffer[4000];
        QCOMPARE(reader.Read(buffer, sizeof buffer), qint64(4000));
        QCOMPARE(reader.Read(buffer, sizeof buffer), qint64(-1));
        QCOMPARE(reader.ErrorText(), QStringLiteral("Input/output error"));
    }
};

QTEST_GUILESS_MAIN(TestCheckedFile)
#include "tst_checked_file.moc"
