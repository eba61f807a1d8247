// SPDX-License-Identifier: GPL-3.0-or-later
// The journal against real processes: a recording window program (this test
// started again as a child that runs the program's own window code, its journal
// in its user data folder) is killed with SIGKILL, and the next start offers
// exactly the rows it had on screen and restores the same texts; SIGTERM ends it
// without a question and leaves the journal for the next start; a disk that
// fills and empties again loses no row; a kill during a restore neither loses
// nor repeats one.
#include "app/ui/window_program.h"
#include "app/ui/window_set.h"
#include "log/journal_contents.h"
#include "meter_emulator.h"
#include "platform/checked_file.h"
#include "platform/termination_signals.h"
#include "recording/journal_recovery.h"
#include "support/journal_rows.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>

namespace {
const char ChildFlag[] = "--recording-child";
// While a file of this name is in the child's home, its disk is full.
const char DiskFullFlag[] = "disk-full";

// A journal of count rows, one a second from the given second of the day on.
QByteArray JournalRows(int from, int count) {
    QByteArray bytes;
    for (int i = from; i < from + count; ++i)
        bytes += QStringLiteral("6/12/2026\t%1:%2:%3\t23.5\tC\t48.0\tC\tK\t\t\r\n")
                     .arg(i / 3600, 2, 10, QLatin1Char('0'))
                     .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'))
                     .toLatin1();
    return bytes;
}
} // namespace

// The child: the window program on the given device, a first run. It presses OK
// on the port search when the search has ended, as a user would, and prints
// every row the table takes ("ROW " and the row as a log file line), what the
// journal says when it stops and when it is back, and "ASKED" if anything asks
// about unsaved rows. Its disk is full while the test says so.
static int RunChild(int argc, char* argv[]) {
    Q_INIT_RESOURCE(brackwater);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brackwater"));
    QApplication::setQuitOnLastWindowClosed(false);
    TerminationSignals termination;
    const QString device = QString::fromLocal8Bit(argv[2]);
    return RunWindowProgram(termination, {device}, {}, [](RecordingSession& session, WindowSet& w) {
        session.Search().SetDelays({0, 0, 300, 0});
        auto* poll = new QTimer(w.frmLinkTest.get());
        QObject::connect(poll, &QTimer::timeout, poll, [&w, poll] {
            if (w.frmLinkTest->isVisible() && w.frmLinkTest->Memo1->isVisible()) {
                poll->stop();
                w.frmLinkTest->Button1->click();
            }
        });
        poll->start(20);
        JournalQuestions q = w.frmMain->Questions();
        q.AskExit = [](const QString&) {
            std::puts("ASKED");
            std::fflush(stdout);
            return JournalQuestions::Exit::Cancel;
        };
        q.AskRecovery = [](const QString&) {
            std::puts("ASKED");
            std::fflush(stdout);
            return JournalQuestions::Recovery::Restore;
        };
        w.frmMain->SetJournalQuestions(q);
        const auto say = [](const char* what) {
            return [what](const QString& message) {
                std::printf("%s %s\n", what, qPrintable(message));
                std::fflush(stdout);
            };
        };
        auto* disk = new QTimer(&session);
        QObject::connect(disk, &QTimer::timeout, disk, [full = false]() mutable {
            const bool now = QFile::exists(
                QDir(qEnvironmentVariable("HOME")).filePath(QString::fromLatin1(DiskFullFlag)));
            if (now == full)
                return;
            full = now;
            if (full)
                FileFaults::Arm({FileFaults::Call::Append, 1, ENOSPC, false});
            else
                FileFaults::Disarm();
        });
        disk->start(50);
        QObject::connect(&session, &RecordingSession::JournalFailed, &session,
                         say("JOURNAL-FAILED"));
        QObject::connect(&session, &RecordingSession::JournalResumed, &session,
                         say("JOURNAL-BACK"));
        QObject::connect(&session, &RecordingSession::RowAppended, &session, [&session](int row) {
            const QByteArray line =
                "ROW " + LogLineFormat::Line(session.Log().LineFields(row), QLatin1Char('\t'));
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
        });
    });
}

class TestJournalProgram : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

    // A home of its own for each child: settings, data folder, runtime folder.
    struct Child {
        QTemporaryDir home;
        QProcess process;
        QByteArray out;

        QString DataFolder() const { return home.filePath(QStringLiteral("data/Brackwater")); }
        void Start(const QString& device) {
            QDir(home.path()).mkpath(QStringLiteral("run"));
            QFile::setPermissions(home.filePath(QStringLiteral("run")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), home.path());
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
            env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            process.setProcessEnvironment(env);
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process.start(QCoreApplication::applicationFilePath(),
                          {QString::fromLatin1(ChildFlag), device});
        }
        // The rows printed so far, read back as a journal would be.
        JournalContents Rows() {
            out += process.readAllStandardOutput();
            QByteArray lines;
            for (const QByteArray& line : out.split('\n'))
                if (line.startsWith("ROW ") && line.endsWith('\r'))
                    lines += line.mid(4) + '\n';
            return JournalContents::Parse(lines);
        }
        bool WaitRows(int count) {
            return QTest::qWaitFor([&] { return Rows().RowCount() >= count; }, 30000);
        }
        bool WaitOut(const QByteArray& text) {
            return QTest::qWaitFor(
                [&] {
                    Rows();
                    return out.contains(text);
                },
                30000);
        }
        void Signal(int number) { ::kill(pid_t(process.processId()), number); }
    };

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void killedRecordingIsOfferedAtTheNextStart() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        Child child;
        child.Start(meter.DevicePath());
        QVERIFY(child.WaitRows(3));
        child.Signal(SIGKILL);
        QVERIFY(child.process.waitForFinished(10000));
        const JournalContents onScreen = child.Rows();
        QVERIFY(!child.out.contains("ASKED"));

        // The next start, in-process, on the same data folder.
        RecordingSession session(settings_.Store(CompleteSettings(301, meter.DevicePath())),
                                 {meter.DevicePath()});
        session.EnableJournal(child.DataFolder());
        WindowSet w(session);
        w.Form1->Timer1.stop();
        QStringList offers;
        JournalQuestions q;
        q.AskRecovery = [&](const QString& offer) {
            offers << offer;
            return JournalQuestions::Recovery::Restore;
        };
        w.frmMain->SetJournalQuestions(q);
        w.Timer1Timer();
        QCOMPARE(offers, QStringList{QStringLiteral(
                                         "The last recording was not saved: %1 rows from %2 to %3")
                                         .arg(onScreen.RowCount())
                                         .arg(onScreen.FirstTime(), onScreen.LastTime())});
        QCOMPARE(session.Log().RowCount() - 1, onScreen.RowCount());
        const QList<LogLineFormat::Fields> shown = RowsOf(onScreen);
        for (int row = 1; row <= onScreen.RowCount(); ++row) {
            QCOMPARE(session.Log().Cell(row, 0), QString::number(row));
            QCOMPARE(session.Log().LineFields(row), shown.value(row - 1));
        }
        QVERIFY(!session.State().Recording.ListRunning);
    }

    // The disk under the journal fills up while the program records (the file
    // fault seam, switched in the child) and empties again: said once with the
    // system's reason, said once when it is back, and after a kill every row the
    // table took is in the journal, in order, with no torn line.
    void journalCatchesUpAfterTheDiskFilled() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        Child child;
        child.Start(meter.DevicePath());
        QVERIFY(child.WaitRows(2));
        const QString full = child.home.filePath(QString::fromLatin1(DiskFullFlag));
        QVERIFY(QFile(full).open(QIODevice::WriteOnly));
        QVERIFY(child.WaitOut("JOURNAL-FAILED"));
        const int atFull = child.Rows().RowCount();
        QVERIFY(child.WaitRows(atFull + 3));
        QVERIFY(QFile::remove(full));
        QVERIFY(child.WaitOut("JOURNAL-BACK"));
        const int atBack = child.Rows().RowCount();
        QVERIFY(child.WaitRows(atBack + 2));
        child.Signal(SIGKILL);
        QVERIFY(child.process.waitForFinished(20000));
        const JournalContents onScreen = child.Rows();
        QCOMPARE(child.out.count("JOURNAL-FAILED"), 1);
        QCOMPARE(child.out.count("JOURNAL-BACK"), 1);
        QVERIFY2(child.out.contains("No space left on device"), child.out.constData());

        const QStringList files =
            QDir(child.DataFolder()).entryList({QStringLiteral("journal-*.tsv")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const JournalContents kept =
            JournalContents::Read(QDir(child.DataFolder()).filePath(files[0]));
        QCOMPARE(kept.DroppedLines(), 0);
        QCOMPARE(RowsOf(kept), RowsOf(onScreen));
    }

    // Two unsaved recordings restored at the start, the program killed at some
    // moment of the restore: the next start offers every row exactly once, in
    // time order, whether the kill came before, during or after the copy. Under the
    // sanitizers, where the copy takes several times as long, the build sets a third
    // of the rows (RESTORE_ROWS).
    void killDuringRestoreLosesAndRepeatsNothing_data() {
        QTest::addColumn<int>("delayMs");
        for (int delay : {0, 30, 100, 300, 1000})
            QTest::addRow("%d ms after the answer", delay) << delay;
    }
    void killDuringRestoreLosesAndRepeatsNothing() {
        QFETCH(int, delayMs);
        constexpr int Rows = RESTORE_ROWS;
        Child child;
        QVERIFY(QDir().mkpath(child.DataFolder()));
        const QByteArray older = JournalRows(0, Rows);
        const QByteArray newer = JournalRows(Rows + 60, Rows);
        for (const auto& [name, bytes] :
             {std::pair{"journal-1.tsv", older}, {"journal-2.tsv", newer}}) {
            QFile file(QDir(child.DataFolder()).filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
        }
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        child.Start(meter.DevicePath());
        QVERIFY(QTest::qWaitFor(
            [&] {
                child.Rows();
                return child.out.count("ASKED") >= 2;
            },
            30000));
        QTest::qWait(delayMs);
        child.Signal(SIGKILL);
        QVERIFY(child.process.waitForFinished(20000));

        const auto session = settings_.Session(300);
        session->EnableJournal(child.DataFolder());
        JournalRecovery next(*session);
        QVERIFY2(next.Problems().isEmpty(), qPrintable(next.Problems().join('\n')));
        QList<LogLineFormat::Fields> offered;
        for (const JournalContents& journal : next.Pending())
            offered += RowsOf(journal);
        QCOMPARE(offered, RowsOf(JournalContents::Parse(older + newer)));
    }

    void terminatedRecordingKeepsItsJournal() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        Child child;
        child.Start(meter.DevicePath());
        QVERIFY(child.WaitRows(2));
        child.Signal(SIGTERM);
        QVERIFY(child.process.waitForFinished(20000));
        QCOMPARE(child.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.process.exitCode(), 0);
        const JournalContents onScreen = child.Rows();
        QVERIFY(!child.out.contains("ASKED"));

        const QStringList files =
            QDir(child.DataFolder()).entryList({QStringLiteral("journal-*.tsv")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const JournalContents kept =
            JournalContents::Read(QDir(child.DataFolder()).filePath(files[0]));
        QCOMPARE(kept.RowCount(), onScreen.RowCount());
        QVERIFY(kept.HasUnsaved());
        QCOMPARE(RowsOf(kept).value(kept.RowCount() - 1),
                 RowsOf(onScreen).value(onScreen.RowCount() - 1));
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return RunChild(argc, argv);
    QApplication app(argc, argv);
    TestJournalProgram test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_journal_program.moc"
