// SPDX-License-Identifier: GPL-3.0-or-later
// The log window's Save, Open and Export as a user meets them: the file dialog's
// types, the range dialog, the progress dialog with Cancel, the messages, and an
// open that fails (a missing file, a FIFO, a binary or UTF-16 file, a read error)
// leaving the table, the journal and the recording as they were. The dialogs
// themselves: the range choice kept between uses, Cancel only setting the marks.

#include "base/background_task.h"
#include "base/day_count.h"
#include "log/log_csv_export.h"
#include "log/log_file_filters.h"
#include "log/log_file_writer.h"
#include "log/log_table.h"
#include "log/ui/log_file_dialogs.h"
#include "log/ui/log_window.h"
#include "log/ui/open_progress_dialog.h"
#include "log/ui/print_progress_dialog.h"
#include "log/ui/scope_dialog.h"
#include "platform/checked_file.h"
#include "recording/ui/recording_controls.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
#include <sys/stat.h>
#include <utility>

namespace {
QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Fill(LogTable& table, int rows) {
    table.SetLocale(QLocale::c());
    CurrentReading r;
    r.ModelCode = 301;
    r.ChannelCount = 2;
    const double start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    for (int i = 0; i < rows; ++i) {
        r.MainValue = i / 10.0;
        table.AppendLogRow({start + i / 86400.0, r}, QStringLiteral("d/M/yyyy"));
    }
}

// The log window with its dialogs, the file dialog and message box replaced.
struct Fixture {
    ScratchSettings settings;
    std::unique_ptr<RecordingSession> session = settings.Session();
    const AppState& state = session->State();
    TfrmList list{*session};
    TfrmScope scope;
    TfrmPrintProgress progress;
    TfrmOpenProgress openProgress;
    QList<FileRequest> requests;
    QString fileName;
    QStringList messages;

    Fixture() {
        list.SetFileDialogs(&scope, &progress, &openProgress);
        list.SetFileNameFunction([this](const FileRequest& request) {
            requests << request;
            return fileName;
        });
        list.SetMessageFunction([this](MessageKind, const QString& text) { messages << text; });
    }
    // Runs one of the window's file actions to its end.
    bool Run(QAction* action) {
        QSignalSpy ended(&list, &TfrmList::FileWorkEnded);
        action->trigger();
        return ended.wait(20000);
    }
    // Answers the range dialog once it shows.
    void AnswerRange(bool all, const QString& from, const QString& to, bool ok = true) {
        QTimer::singleShot(0, &scope, [=, this] {
            QVERIFY(scope.isVisible());
            (all ? scope.radAll : scope.radNo)->setChecked(true);
            if (!from.isNull())
                scope.edtSelFrom->setText(from);
            if (!to.isNull())
                scope.edtSelTo->setText(to);
            (ok ? scope.BitBtn1 : scope.BitBtn2)->click();
        });
    }
};

// Runs once when the widget is shown.
class OnShow : public QObject {
public:
    OnShow(QWidget* widget, std::function<void()> action) : action_(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && action_)
            std::exchange(action_, nullptr)();
        return false;
    }

private:
    std::function<void()> action_;
};

QStringList Shown(const QStringList& filters) {
    QStringList texts;
    for (const QString& filter : filters)
        texts << LogFileFilters::DisplayText(filter);
    return texts;
}
} // namespace

class TestLogFileActions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void saveDialogTypes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("saveTypes");
        QTest::addColumn<QStringList>("openTypes");
        QTest::newRow("decimal point")
            << "en_US"
            << QStringList{"TXT file(*.txt,data seperated by tab)",
                           "EXCEL file format(*.CSV,seperated by comma)", "All files (*.*)"}
            << QStringList{"TXT file(*.txt,data seperated by tab)",
                           "EXCEL file format(*.CSV,seperated by comma)", "All files (*.*)"};
        QTest::newRow("decimal comma")
            << "de_DE" << QStringList{"TXT file(*.txt,data seperated by tab) ", "All files (*.*)"}
            << QStringList{"TXT file(*.txt,data seperated by tab)", "All files(*.*)"};
    }
    void saveDialogTypes() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        Fixture f;
        f.list.btnSave->trigger(); // cancelled in the file dialog: nothing more happens
        f.list.btnOpen->trigger();
        QCOMPARE(f.requests.size(), 2);
        QVERIFY(f.requests[0].Saving);
        QCOMPARE(f.requests[0].DefaultSuffix, QStringLiteral("dat"));
        QTEST(Shown(f.requests[0].Filters), "saveTypes");
        QVERIFY(!f.requests[1].Saving);
        QTEST(Shown(f.requests[1].Filters), "openTypes");
        QVERIFY(!f.scope.isVisible());
        QVERIFY(f.messages.isEmpty());
    }

    // With the TXT type shown, the typed name of an existing CSV file opens once the
    // folder is listed (Qt's own dialog, as the offscreen platform has no other).
    void openTakesATypedNameOfAnotherType() {
        QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("log.csv"));
        for (const QString& name : {csv, folder.filePath(QStringLiteral("log.txt"))}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        Fixture f;
        f.list.btnOpen->trigger();
        QCOMPARE(f.requests.size(), 1);
        QCOMPARE(f.session->SetFileFolder(folder.path()), QString());
        bool openEnabled = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* model = dialog->findChild<QFileSystemModel*>();
            QVERIFY(model);
            QVERIFY(
                QTest::qWaitFor([&] { return model->rowCount(model->index(folder.path())) > 0; }));
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                             QStringLiteral("log.csv"));
            QPushButton* open =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
            openEnabled = open->isEnabled();
            open->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        QWidget parent;
        const QString chosen = AskFileName(&parent, f.requests[0], *f.session);
        QVERIFY(openEnabled);
        QCOMPARE(chosen, csv);
    }

    void saveWithRange() {
        Fixture f;
        Fill(*f.list.Table, 10);
        f.fileName = dir_.filePath(QStringLiteral("range.txt"));
        f.AnswerRange(false, QStringLiteral("5"), QStringLiteral("2"));
        QVERIFY(f.Run(f.list.SaveAs1));
        QCOMPARE(f.scope.windowTitle(), QStringLiteral("Save File"));
        QCOMPARE(Contents(f.fileName).count('\n'), 4);
        QVERIFY(Contents(f.fileName).startsWith(f.list.Table->Cell(2, 1).toUtf8()));

        // The choice stays; the edits are refilled with the whole table.
        bool selectKept = false;
        QTimer::singleShot(0, &f.scope, [&] {
            selectKept = f.scope.radNo->isChecked() && f.scope.edtSelFrom->text() == "1" &&
                         f.scope.edtSelTo->text() == "10";
        });
        f.AnswerRange(true, {}, {}, false);
        QFile::remove(f.fileName);
        f.list.mnuSave->trigger();
        QVERIFY(selectKept);
        QVERIFY(!QFile::exists(f.fileName)); // cancelled: no file

        f.AnswerRange(false, QStringLiteral("x"), QStringLiteral("3"));
        f.list.btnSave->trigger();
        QCOMPARE(f.messages, QStringList{"invalid integer"});
        QVERIFY(!QFile::exists(f.fileName));
    }

    // The journal hears of saves and opens made in the window: saved rows are no
    // longer offered back, and an opened file starts a new journal after its rows.
    void journalFollowsSaveAndOpen() {
        Fixture f;
        QTemporaryDir journal;
        f.session->EnableJournal(journal.path());
        IdentifyModel(*f.session, 301);
        for (int i = 0; i < 6; ++i)
            f.session->AppendLogRow(46362.5 + i / 86400.0);
        QCOMPARE(f.session->UnsavedRows(), 6);

        f.fileName = dir_.filePath(QStringLiteral("part.txt"));
        f.AnswerRange(false, QStringLiteral("1"), QStringLiteral("4"));
        QVERIFY(f.Run(f.list.btnSave));
        QCOMPARE(f.session->UnsavedRows(), 2);
        f.AnswerRange(true, {}, {});
        QVERIFY(f.Run(f.list.btnSave));
        QCOMPARE(f.session->UnsavedRows(), 0);

        QVERIFY(f.Run(f.list.btnOpen)); // the file just saved, all six rows
        QCOMPARE(f.list.Table->RowCount(), 7);
        QCOMPARE(f.session->UnsavedRows(), 0);
        f.session->AppendLogRow(46362.6);
        QCOMPARE(f.session->UnsavedRows(), 1);
    }

    // Cancel in the progress dialog: the save stops at once and keeps complete lines.
    void cancelSaving() {
        Fixture f;
        Fill(*f.list.Table, 20000);
        f.fileName = dir_.filePath(QStringLiteral("cancel.csv"));
        f.AnswerRange(true, {}, {});
        bool duringSave = false;
        OnShow cancel(&f.progress, [&] {
            duringSave = !f.list.btnSave->isEnabled() && !f.list.btnClear->isEnabled() &&
                         !f.list.btnToGraph->isEnabled() &&
                         f.progress.windowTitle() == "Saving Progress" &&
                         f.progress.Label1->text() == "savint....." &&
                         f.progress.ProgressBar1->maximum() == 20000;
            f.progress.BitBtn1->click();
        });
        QVERIFY(f.Run(f.list.btnSave));
        QVERIFY(duringSave);
        QVERIFY(!f.progress.isVisible());
        QVERIFY(f.list.btnSave->isEnabled() && f.list.btnClear->isEnabled());
        const QByteArray bytes = Contents(f.fileName);
        QVERIFY(bytes.size() > 0);
        QVERIFY(bytes.count('\n') < 20000);
        QVERIFY(bytes.endsWith(",\r\n"));
        QVERIFY(f.messages.isEmpty());
    }

    void saveFailureIsReported() {
        Fixture f;
        Fill(*f.list.Table, 3);
        f.fileName = dir_.filePath(QStringLiteral("no/such/folder/log.txt"));
        f.AnswerRange(true, {}, {});
        QVERIFY(f.Run(f.list.btnSave));
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains(f.fileName));
        QVERIFY(f.messages[0].contains(QStringLiteral("No such file or directory")));
        QVERIFY(!f.progress.isVisible());
    }

    void openReplacesTableAndPauses() {
        Fixture f;
        f.list.InitLogTable();
        Fill(*f.list.Table, 30);
        const QString path = dir_.filePath(QStringLiteral("opened.txt"));
        QVERIFY(LogFileWriter::Save(path, *f.list.Table, {11, 15}).Error.isEmpty());
        f.list.Controls->btnRunClick();
        f.fileName = path;
        f.list.mnuOpen->trigger();
        // Paused while the file is read.
        QVERIFY(!f.state.Recording.ListRunning);
        QSignalSpy ended(&f.list, &TfrmList::FileWorkEnded);
        QVERIFY(ended.wait(20000));
        QVERIFY(f.messages.isEmpty());
        QVERIFY(!f.state.Recording.ListRunning);
        QVERIFY(f.list.btnRun->isEnabled() && !f.list.btnPause->isEnabled());
        QCOMPARE(f.list.Table->RowCount(), 6);
        QCOMPARE(f.list.Table->Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(f.list.Table->Cell(1, 3), QStringLiteral("1.0"));
        QCOMPARE(f.list.Table->Cell(0, 1), QStringLiteral("DATE"));
        QVERIFY(!f.openProgress.isVisible());
    }

    // An open that fails changes nothing: not the table, not the journal, not the
    // recording; the message names the file and the reason. A FIFO is answered at
    // once instead of blocking the program.
    void failedOpenLeavesEverything_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "No such file or directory";
        QTest::newRow("FIFO") << "fifo"
                              << "not a regular file";
        QTest::newRow("folder") << "folder"
                                << "folder";
        QTest::newRow("UTF-16") << "utf16"
                                << "not a text log";
        QTest::newRow("binary") << "binary"
                                << "not a text log";
        QTest::newRow("read error part-way") << "failing"
                                             << "Input/output error";
    }
    void failedOpenLeavesEverything() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Fixture f;
        QTemporaryDir journal;
        f.session->EnableJournal(journal.path());
        IdentifyModel(*f.session, 301);
        for (int i = 0; i < 7; ++i)
            f.session->AppendLogRow(46362.5 + i / 86400.0);
        f.list.Controls->btnRunClick();
        const QString journalPath = f.session->Journal()->CurrentPath();
        f.session->Journal()->SyncNow();
        const QByteArray journalBytes = FileBytes(journalPath);

        QTemporaryDir files;
        QString path = files.filePath(kind + QStringLiteral(".txt"));
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            path = files.path();
        } else if (kind == "utf16") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\xFF\xFE") +
                       QByteArray(reinterpret_cast<const char*>(u"6/12/2026\t10:49:11\t\r\n"), 42));
        } else if (kind == "binary") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("a\tb\t\r\n").repeated(5) + QByteArray(5000, '\0'));
        } else if (kind == "failing") {
            LogTable rows;
            Fill(rows, 60000);
            QVERIFY(LogFileWriter::Save(path, rows, {1, 60000}).Error.isEmpty());
            FileFaults::Arm({.call = FileFaults::Call::Read, .nth = 2, .error = EIO});
        }
        f.fileName = path;
        QElapsedTimer clock;
        clock.start();
        const bool ended = f.Run(f.list.btnOpen);
        FileFaults::Disarm();
        QVERIFY(ended);
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].contains(path) && f.messages[0].contains(reason),
                 qPrintable(f.messages[0]));
        QCOMPARE(f.list.Table->RowCount(), 8);
        QCOMPARE(f.list.Table->Cell(7, 0), QStringLiteral("7"));
        QVERIFY(f.state.Recording.ListRunning);
        QVERIFY(f.list.btnPause->isEnabled() && !f.list.btnRun->isEnabled());
        QCOMPARE(f.session->Journal()->CurrentPath(), journalPath);
        QCOMPARE(f.session->UnsavedRows(), 7);
        f.session->Journal()->SyncNow();
        QCOMPARE(FileBytes(journalPath), journalBytes);
        QVERIFY(!f.openProgress.isVisible());
        QVERIFY(f.list.btnOpen->isEnabled());
    }

    // A line too long ends the reading; the message counts the rows loaded before it.
    void longLineIsReported_data() {
        QTest::addColumn<int>("rowsBefore");
        QTest::addColumn<QString>("counted");
        QTest::newRow("none") << 0 << "No row before it was loaded.";
        QTest::newRow("one") << 1 << "The row before it was loaded.";
        QTest::newRow("two") << 2 << "The 2 rows before it were loaded.";
    }
    void longLineIsReported() {
        QFETCH(int, rowsBefore);
        QFETCH(QString, counted);
        Fixture f;
        const QString path = dir_.filePath(QStringLiteral("long.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("a\tb\t\r\n").repeated(rowsBefore) + QByteArray(2 << 20, 'x') +
                   "\t\r\n");
        file.close();
        f.fileName = path;
        QVERIFY(f.Run(f.list.btnOpen));
        QCOMPARE(f.list.Table->RowCount(), rowsBefore + 1 + (rowsBefore == 0));
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains(QStringLiteral("line %1,").arg(rowsBefore + 1)));
        QVERIFY(f.messages[0].contains(path));
        QVERIFY2(f.messages[0].endsWith(counted), qPrintable(f.messages[0]));
    }

    void exportCsv() {
        Fixture f;
        Fill(*f.list.Table, 4);
        f.fileName = dir_.filePath(QStringLiteral("export.csv"));
        QVERIFY(f.Run(f.list.mnuExportCsv));
        QCOMPARE(f.requests.back().DefaultSuffix, QStringLiteral("csv"));
        QCOMPARE(Contents(f.fileName),
                 LogCsvExport::HeaderLine +
                     LogCsvExport::Lines(*f.list.Table, f.state.Settings.LogDateFormat, {1, 4}));
        QVERIFY(f.messages.isEmpty());
    }

    // The dialogs follow a task's counter from a timer, and Cancel (the button,
    // Escape, the frame's close box) sets the task's mark without closing them.
    void progressDialogs() {
        BackgroundTask task([](BackgroundTask& t) {
            for (int i = 1; t.Step(i); ++i)
                QThread::msleep(1);
        });
        TfrmPrintProgress progress;
        progress.Start(QStringLiteral("Graphing Progress"), QStringLiteral("graphing....."),
                       1000000);
        QVERIFY(progress.isVisible() && progress.InUse());
        progress.Watch(task);
        task.Start();
        QTRY_VERIFY(progress.ProgressBar1->value() > 0);
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(progress.isVisible()); // only the marks are set
        QCOMPARE(progress.Result(), ProgressDialog::ModalResult::Cancel);
        QSignalSpy done(&task, &BackgroundTask::Done);
        QVERIFY(done.wait(5000));
        progress.Finish();
        QVERIFY(!progress.isVisible());
        QCOMPARE(progress.ProgressBar1->value(), task.Progress());

        BackgroundTask counting([](BackgroundTask& t) {
            t.Step(1234);
            while (!t.CancelRequested())
                QThread::msleep(1);
        });
        TfrmOpenProgress open;
        open.Start();
        QCOMPARE(open.lblCount->text(), QStringLiteral("0"));
        QCOMPARE(open.Result(), ProgressDialog::ModalResult::None);
        open.Watch(counting);
        counting.Start();
        QTRY_COMPARE(open.lblCount->text(), QStringLiteral("1234"));
        open.close(); // the frame's close box while the operation runs
        QVERIFY(open.isVisible());
        QVERIFY(counting.CancelRequested());
        counting.Wait();
        open.Finish();
        QVERIFY(!open.isVisible());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestLogFileActions)
#include "tst_log_file_actions.moc"
