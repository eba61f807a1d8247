// SPDX-License-Identifier: GPL-3.0-or-later
// The questions about unsaved rows in the window program: the start offers an
// earlier run's unsaved recording before anything is opened or recorded, with
// Restore, Save As and Discard (which asks once more); an exit by the user asks
// Save, Discard or Cancel; an exit by a signal asks nothing and keeps the
// journal; a journal that cannot be written is reported once, and its return
// replaces the report.
#include "app/ui/window_set.h"
#include "base/day_count.h"
#include "log/journal_contents.h"
#include "meter_emulator.h"
#include "platform/checked_file.h"
#include "support/journal_rows.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Recovery = JournalQuestions::Recovery;
using Exit = JournalQuestions::Exit;
Q_DECLARE_METATYPE(QList<Recovery>)
Q_DECLARE_METATYPE(Exit)

namespace {
// The program in-process, its journal in a folder of the test, every question
// answered from a list and remembered.
struct Program {
    RecordingSession session;
    WindowSet w;
    QList<Recovery> recoveryAnswers;
    QList<bool> discardAnswers;
    QStringList fileNames;
    Exit exitAnswer = Exit::Cancel;
    QStringList offers, discardQuestions, exitQuestions;
    bool portOpenAtOffer = false;
    bool heartbeatAtOffer = false;

    Program(std::unique_ptr<QSettings> store, const QStringList& ports, const QString& journal)
        : session(std::move(store), ports), w(session) {
        w.Form1->Timer1.stop();
        session.Search().SetDelays({0, 0, 150, 0});
        session.EnableJournal(journal);
        JournalQuestions q;
        q.AskRecovery = [this](const QString& offer) {
            offers << offer;
            portOpenAtOffer = session.Comm1().Active();
            heartbeatAtOffer = session.ThTimer1.isActive();
            return recoveryAnswers.takeFirst();
        };
        q.ConfirmDiscard = [this](const QString& question) {
            discardQuestions << question;
            return discardAnswers.takeFirst();
        };
        q.AskExit = [this](const QString& question) {
            exitQuestions << question;
            return exitAnswer;
        };
        q.AskSaveFileName = [this] { return fileNames.takeFirst(); };
        w.frmMain->SetJournalQuestions(q);
    }
    void Record(int rows) {
        double now = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
        for (int i = 0; i < rows; ++i, now += 1.0 / 86400.0)
            session.AppendLogRow(now);
    }
    int TableRows() const {
        return session.Log().Cell(1, 0).isEmpty() ? 0 : session.Log().RowCount() - 1;
    }
};
} // namespace

class TestJournalWindows : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

    // A run that recorded three rows and was killed: its journal, and the rows as
    // a tab-separated file holds them.
    QByteArray EarlierRun(const QString& journal) {
        Program earlier(settings_.Store(), {}, journal);
        IdentifyModel(earlier.session, 301);
        earlier.Record(3);
        return FileBytes(earlier.session.Journal()->CurrentPath());
    }

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void recoveryComesFirst_data() {
        QTest::addColumn<QList<Recovery>>("answers");
        QTest::addColumn<QList<bool>>("discards");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("tableRows");
        QTest::addColumn<bool>("saved");
        QTest::newRow("restore") << QList<Recovery>{Recovery::Restore} << QList<bool>{}
                                 << QStringList{} << 3 << false;
        QTest::newRow("discard asks once more")
            << QList<Recovery>{Recovery::Discard, Recovery::Discard} << QList<bool>{false, true}
            << QStringList{} << 0 << false;
        QTest::newRow("save as") << QList<Recovery>{Recovery::SaveAs} << QList<bool>{}
                                 << QStringList{"kept.txt"} << 0 << true;
        QTest::newRow("save as cancelled, then restore")
            << QList<Recovery>{Recovery::SaveAs, Recovery::Restore} << QList<bool>{}
            << QStringList{""} << 3 << false;
    }
    void recoveryComesFirst() {
        QFETCH(QList<Recovery>, answers);
        QFETCH(QList<bool>, discards);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        const QString journal = dir.filePath(QStringLiteral("Brackwater"));
        const QByteArray recorded = EarlierRun(journal);
        const JournalContents earlier = JournalContents::Parse(recorded);

        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        Program p(settings_.Store(CompleteSettings(301, meter.DevicePath())), {meter.DevicePath()},
                  journal);
        p.recoveryAnswers = answers;
        p.discardAnswers = discards;
        for (QString& name : names)
            name = name.isEmpty() ? name : dir.filePath(name);
        p.fileNames = names;
        QSignalSpy reconnected(&p.session, &RecordingSession::ReconnectEnded);
        p.w.Timer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return reconnected.count() == 1; }, 4000));

        // Asked before the port was opened or anything could be recorded.
        QCOMPARE(p.offers.size(), answers.size());
        QCOMPARE(p.offers[0],
                 QStringLiteral("The last recording was not saved: 3 rows from %1 to %2")
                     .arg(earlier.FirstTime(), earlier.LastTime()));
        QVERIFY(!p.portOpenAtOffer && !p.heartbeatAtOffer);
        QCOMPARE(p.discardQuestions.size(), discards.size());
        if (!discards.isEmpty())
            QVERIFY(p.discardQuestions[0].startsWith(QStringLiteral("Discard the 3 rows from ")));
        // Then the start went on as usual, the log paused.
        QVERIFY(p.session.Comm1().Active());
        QVERIFY(!p.session.State().Recording.ListRunning);
        QTEST(p.TableRows(), "tableRows");
        const QList<LogLineFormat::Fields> earlierRows = RowsOf(earlier);
        for (int row = 1; row <= p.TableRows(); ++row)
            QCOMPARE(p.session.Log().LineFields(row), earlierRows.value(row - 1));
        QFETCH(bool, saved);
        if (saved)
            QCOMPARE(FileBytes(dir.filePath(QStringLiteral("kept.txt"))), recorded);
        // Settled: the next start offers nothing unless the rows were restored
        // (they are in this run's journal, still unsaved).
        const RowJournal& j = *p.session.Journal();
        QCOMPARE(j.Files(), QStringList({j.CurrentPath()}));
        QCOMPARE(j.Rows(), p.TableRows());
    }

    // A termination signal (logout) while a start question is open ends the
    // program there: nothing is restored, saved or discarded, nothing opened.
    void signalDuringTheStartQuestions_data() {
        QTest::addColumn<bool>("inDiscardQuestion");
        QTest::newRow("offer") << false;
        QTest::newRow("discard question") << true;
    }
    void signalDuringTheStartQuestions() {
        QFETCH(bool, inDiscardQuestion);
        QTemporaryDir dir;
        const QString journal = dir.filePath(QStringLiteral("Brackwater"));
        const QByteArray recorded = EarlierRun(journal);
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        Program p(settings_.Store(CompleteSettings(301, meter.DevicePath())), {meter.DevicePath()},
                  journal);
        const auto signal = [&] { p.w.frmMain->ShutDown(TfrmMain::ExitRequest::Signal); };
        JournalQuestions q = p.w.frmMain->Questions();
        q.AskRecovery = [&](const QString&) {
            if (inDiscardQuestion)
                return Recovery::Discard;
            signal(); // the box ends without a click
            return Recovery::Later;
        };
        q.ConfirmDiscard = [&](const QString&) {
            signal();
            return true; // even a click racing the signal does not discard
        };
        p.w.frmMain->SetJournalQuestions(q);
        p.w.Timer1Timer();
        QVERIFY(!p.session.Comm1().Active());
        QVERIFY(!p.w.frmLinkTest->isVisible());
        const QStringList files =
            QDir(journal).entryList({QStringLiteral("journal-*.tsv")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QCOMPARE(FileBytes(QDir(journal).filePath(files[0])), recorded);
    }

    void exitAsksAboutUnsavedRows_data() {
        QTest::addColumn<Exit>("answer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("journalKept");
        QTest::newRow("cancel") << Exit::Cancel << "" << false << true;
        QTest::newRow("discard") << Exit::Discard << "" << true << false;
        QTest::newRow("save") << Exit::Save << "saved.txt" << true << true;
        QTest::newRow("save, no file chosen") << Exit::Save << "" << false << true;
    }
    void exitAsksAboutUnsavedRows() {
        QFETCH(Exit, answer);
        QFETCH(QString, name);
        QTemporaryDir dir;
        Program p(settings_.Store(), {}, dir.path());
        IdentifyModel(p.session, 301);
        p.Record(3);
        const QString journal = p.session.Journal()->CurrentPath();
        p.exitAnswer = answer;
        p.fileNames = {name.isEmpty() ? name : dir.filePath(name)};
        QTEST(p.w.frmMain->ShutDown(), "ends");
        QCOMPARE(p.exitQuestions,
                 QStringList{"3 recorded rows are not saved. Save them before exiting?"});
        QTEST(QFile::exists(journal), "journalKept");
        if (!name.isEmpty()) {
            QCOMPARE(FileBytes(dir.filePath(name)).count("\r\n"), 3);
            QVERIFY(!JournalContents::Read(journal).HasUnsaved());
        }
        QFETCH(bool, ends);
        if (!ends) { // still running: asked again next time
            p.exitAnswer = Exit::Cancel;
            QVERIFY(!p.w.frmMain->ShutDown());
            QCOMPARE(p.exitQuestions.size(), 2);
        }
    }

    void exitQuestionCountsOneRow() {
        QTemporaryDir dir;
        Program p(settings_.Store(), {}, dir.path());
        IdentifyModel(p.session, 301);
        p.Record(1);
        p.exitAnswer = Exit::Cancel;
        QVERIFY(!p.w.frmMain->ShutDown());
        QCOMPARE(p.exitQuestions,
                 QStringList{"1 recorded row is not saved. Save it before exiting?"});
    }

    void nothingUnsavedNothingAsked() {
        QTemporaryDir dir;
        Program p(settings_.Store(), {}, dir.path());
        p.Record(2);
        QCOMPARE(p.session.Files()
                     .RunToEnd(p.session.Files().SaveAll(dir.filePath("all.txt")), {})
                     .Error,
                 QString());
        QVERIFY(p.w.frmMain->ShutDown());
        QVERIFY(p.exitQuestions.isEmpty());
    }

    // Closing the main menu window is an exit by the user: Cancel keeps it open.
    void closingTheMainMenuCanBeCancelled() {
        QTemporaryDir dir;
        Program p(settings_.Store(), {}, dir.path());
        p.Record(1);
        p.w.frmMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.w.frmMain.get()));
        QVERIFY(!p.w.frmMain->close());
        QVERIFY(p.w.frmMain->isVisible());
        QCOMPARE(p.exitQuestions.size(), 1);
    }

    // A termination signal (logout, kill) ends without asking; the rows stay in
    // the journal, on the disk, for the next start.
    void signalExitAsksNothingAndKeepsTheJournal() {
        QTemporaryDir dir;
        Program p(settings_.Store(), {}, dir.path());
        p.Record(3);
        const QString journal = p.session.Journal()->CurrentPath();
        QVERIFY(p.w.frmMain->ShutDown(TfrmMain::ExitRequest::Signal));
        QVERIFY(p.exitQuestions.isEmpty());
        const JournalContents kept = JournalContents::Read(journal);
        QCOMPARE(kept.RowCount(), 3);
        QVERIFY(kept.HasUnsaved());
    }

    // A journal that cannot be written is reported once, in an error box that
    // does not stop the recording; once it is written again, an information box
    // takes the failure's place instead of opening over it.
    void journalFailureIsReportedOnceAndReplacedWhenItEnds() {
        QTemporaryDir dir;
        Program p(settings_.Store(), {}, dir.path());
        p.session.Journal()->SetRetryDelay(20);
        const auto boxes = [] {
            QList<QMessageBox*> shown;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                    shown << box;
            return shown;
        };
        p.Record(1);
        FileFaults::Arm({FileFaults::Call::Append, 1, ENOSPC, false});
        const auto disarm = qScopeGuard([] { FileFaults::Disarm(); });
        p.Record(3);
        QTest::qWait(100); // shown after the tick that wrote the row; retries fail silently
        QCOMPARE(p.TableRows(), 4); // recording went on
        QCOMPARE(boxes().size(), 1);
        QCOMPARE(boxes()[0]->icon(), QMessageBox::Critical);
        QVERIFY2(boxes()[0]->text().contains(QStringLiteral("No space left on device")),
                 qPrintable(boxes()[0]->text()));

        FileFaults::Disarm();
        QVERIFY(QTest::qWaitFor(
            [&] { return boxes().size() == 1 && boxes()[0]->icon() == QMessageBox::Information; }));
        QVERIFY2(boxes()[0]->text().contains(QStringLiteral("is written again")),
                 qPrintable(boxes()[0]->text()));
    }
};

QTEST_MAIN(TestJournalWindows)
#include "tst_journal_windows.moc"
