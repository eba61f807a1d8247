// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes, through the window or question a user meets it
// in, against every failure point of the checked writer (a full disk at the first
// write, a short write, an I/O error at the flush, the sync, the rename or the
// folder sync): the old file stays byte for byte, no temporary file is left, the
// message names the file and the system's reason, and the journal and its count
// of unsaved rows are as they were.

#include "answer_dialog.h"
#include "app/ui/window_set.h"
#include "base/day_count.h"
#include "base/handler_guard.h"
#include "graph/ui/plot_chart.h"
#include "log/journal_contents.h"
#include "platform/checked_file.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using FileFaults::Call;
Q_DECLARE_METATYPE(FileFaults::Fault)

namespace {
const QByteArray OldContent = "what the file held before\r\n";

// The program in-process with its journal in a folder of the test; messages from
// the log window and the error box are collected.
struct Program {
    QTemporaryDir dir;
    ScratchSettings settings;
    RecordingSession session{settings.Store(), {}};
    WindowSet w{session};
    QStringList messages;
    QStringList offers;
    QList<JournalQuestions::Recovery> recoveryAnswers;
    QString fileName;
    ExceptionDisplay previous;

    Program() {
        w.Form1->Timer1.stop();
        session.EnableJournal(dir.filePath(QStringLiteral("journal")));
        w.frmList->SetMessageFunction(
            [this](MessageKind, const QString& text) { messages << text; });
        w.frmList->SetFileNameFunction([this](const FileRequest&) { return fileName; });
        w.frmList->SetPrinterCheck([] { return false; });
        JournalQuestions q;
        q.AskRecovery = [this](const QString& offer) {
            offers << offer;
            return recoveryAnswers.takeFirst();
        };
        q.ConfirmDiscard = [](const QString&) { return false; };
        q.AskExit = [](const QString&) { return JournalQuestions::Exit::Save; };
        q.AskSaveFileName = [this] { return fileName; };
        w.frmMain->SetJournalQuestions(q);
        previous = SetExceptionDisplay([this](const QString& text) { messages << text; });
    }
    ~Program() { SetExceptionDisplay(previous); }

    void Record(int rows) {
        IdentifyModel(session, 301);
        double now = DayCountFromDateTime(QDateTime(QDate(2026, 12, 7), QTime(17, 40, 37)));
        for (int i = 0; i < rows; ++i, now += 1.0 / 86400.0)
            session.AppendLogRow(now);
    }
    bool Run(QAction* action) {
        QSignalSpy ended(w.frmList.get(), &TfrmList::FileWorkEnded);
        action->trigger();
        return ended.wait(20000);
    }
};

// An earlier run's journal of 150 rows, never saved.
void EarlierJournal(const QString& folder) {
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("journal-1.tsv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 150; ++i)
        file.write(QStringLiteral("6/12/2026\t10:%1:%2\t23.5\tC\t48.0\tC\tK\t\t\r\n")
                       .arg(i / 60, 2, 10, QLatin1Char('0'))
                       .arg(i % 60, 2, 10, QLatin1Char('0'))
                       .toLatin1());
}
} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }
    void cleanup() { FileFaults::Disarm(); }

    void everyWriterEveryFailure_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<FileFaults::Fault>("fault");
        QTest::addColumn<QString>("reason");
        const QString full = QStringLiteral("No space left on device");
        const QString io = QStringLiteral("Input/output error");
        const struct {
            const char* name;
            FileFaults::Fault fault;
            QString reason;
        } faults[] = {
            {"first write, disk full", {Call::Write, 1, ENOSPC, false}, full},
            {"short write", {Call::Write, 1, ENOSPC, true}, full},
            {"flush, I/O error", {Call::Flush, 1, EIO, false}, io},
            {"sync, I/O error", {Call::Sync, 1, EIO, false}, io},
            {"rename, I/O error", {Call::Rename, 1, EIO, false}, io},
            {"folder sync, I/O error", {Call::FolderSync, 1, EIO, false}, io},
        };
        const struct {
            const char* writer;
            const char* name;
        } writers[] = {
            {"Save", "log.txt"},          {"Save As", "log.csv"},
            {"Export CSV", "export.csv"}, {"recovery Save As", "recovered.txt"},
            {"exit Save", "exit.txt"},    {"print to PDF", "log.pdf"},
            {"graph PNG", "graph.png"},   {"graph SVG", "graph.svg"},
            {"graph PDF", "graph.pdf"},   {"graph print to PDF", "print.pdf"},
        };
        for (const auto& writer : writers)
            for (const auto& fault : faults)
                QTest::addRow("%s, %s", writer.writer, fault.name)
                    << QString::fromLatin1(writer.writer) << QString::fromLatin1(writer.name)
                    << fault.fault << fault.reason;
    }
    void everyWriterEveryFailure() {
        QFETCH(QString, writer);
        QFETCH(QString, name);
        QFETCH(FileFaults::Fault, fault);
        QFETCH(QString, reason);
        Program p;
        const QString journalFolder = p.dir.filePath(QStringLiteral("journal"));
        if (writer == "recovery Save As")
            EarlierJournal(journalFolder);
        else
            p.Record(40);
        QDir().mkpath(p.dir.filePath(QStringLiteral("out")));
        const QString target = p.dir.filePath(QStringLiteral("out/") + name);
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(OldContent) == OldContent.size());
        old.close();
        p.fileName = target;
        RowJournal& journal = *p.session.Journal();
        journal.SyncNow();
        const QStringList journals = journal.Files();
        QList<QByteArray> journalBytes;
        for (const QString& file : journals)
            journalBytes << FileBytes(file);
        const int unsaved = p.session.UnsavedRows();

        FileFaults::Arm(fault);
        bool ran = true;
        QString error;
        if (writer == "Save" || writer == "Save As") {
            AnswerDialog<TfrmScope>(*p.w.frmScope,
                                    [](TfrmScope& d) { d.radAll->setChecked(true); });
            ran = p.Run(writer == "Save" ? p.w.frmList->btnSave : p.w.frmList->SaveAs1);
        } else if (writer == "Export CSV") {
            ran = p.Run(p.w.frmList->mnuExportCsv);
        } else if (writer == "print to PDF") {
            AnswerDialog<TfrmScope>(*p.w.frmScope,
                                    [](TfrmScope& d) { d.radAll->setChecked(true); });
            ran = p.Run(p.w.frmList->btnPrint);
        } else if (writer == "recovery Save As") {
            // The offer comes back after the failure; Later leaves it for the next start.
            p.recoveryAnswers = {JournalQuestions::Recovery::SaveAs,
                                 JournalQuestions::Recovery::Later};
            p.w.RecoverJournal();
            QCOMPARE(p.offers.size(), 2);
        } else if (writer == "exit Save") {
            QVERIFY(!p.w.frmMain->ShutDown());
            QVERIFY(!p.w.frmMain->ShuttingDown());
        } else if (writer == "graph print to PDF") {
            if (!p.w.frmGraph->PlotChart1->Output().PrintToPdf(target, &error))
                p.messages << error;
        } else {
            const ChartOutput::ImageFormat format =
                name.endsWith("png")   ? ChartOutput::ImageFormat::Png
                : name.endsWith("svg") ? ChartOutput::ImageFormat::Svg
                                       : ChartOutput::ImageFormat::Pdf;
            if (!p.w.frmGraph->PlotChart1->Output().ExportImage(target, format, &error))
                p.messages << error;
        }
        FileFaults::Disarm();
        QVERIFY(ran);

        QCOMPARE(FileBytes(target), OldContent);
        QCOMPARE(QDir(p.dir.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{name});
        QCOMPARE(p.messages.size(), 1);
        QVERIFY2(p.messages[0].contains(target) && p.messages[0].contains(reason),
                 qPrintable(p.messages[0]));
        QVERIFY(!p.messages[0].contains(QStringLiteral("Unknown error")));
        QCOMPARE(p.session.UnsavedRows(), unsaved);
        journal.SyncNow();
        QCOMPARE(journal.Files(), journals);
        for (int i = 0; i < journals.size(); ++i)
            QCOMPARE(FileBytes(journals[i]), journalBytes[i]);
        QVERIFY(!p.w.frmPrintProgress->isVisible());
    }

    // The same writers with nothing armed: the file is replaced and, where the
    // journal is concerned, its rows are noted as saved.
    void withoutFaultsTheFileIsReplaced() {
        Program p;
        p.Record(40);
        const QString target = p.dir.filePath(QStringLiteral("log.txt"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(OldContent) == OldContent.size());
        old.close();
        p.fileName = target;
        AnswerDialog<TfrmScope>(*p.w.frmScope, [](TfrmScope& d) { d.radAll->setChecked(true); });
        QVERIFY(p.Run(p.w.frmList->btnSave));
        QVERIFY(p.messages.isEmpty());
        QCOMPARE(FileBytes(target).count("\r\n"), 40);
        QCOMPARE(p.session.UnsavedRows(), 0);
    }
};

QTEST_MAIN(TestFileFaults)
#include "tst_file_faults.moc"
