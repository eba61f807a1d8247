// The log window's Save, Open and Export as a user meets them: the file dialog's
// types, the range dialog, the progress dialog with Cancel, the messages, and a
// failed open that leaves the table and the recording as they were. The dialogs
// themselves: the range choice kept between uses, Cancel only setting the mark.

#include "base/day_count.h"
#include "log/log_csv_export.h"
#include "log/log_file_filters.h"
#include "log/log_file_writer.h"
#include "log/log_table.h"
#include "log/ui/log_window.h"
#include "log/ui/open_progress_dialog.h"
#include "log/ui/print_progress_dialog.h"
#include "log/ui/scope_dialog.h"
#include "recording/ui/recording_controls.h"
#include "support/scratch_settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
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
        list.SetMessageFunction([this](const QString& text) { messages << text; });
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

    void saveWithRange() {
        Fixture f;
        Fill(*f.list.Table, 10);
        f.fileName = dir_.filePath(QStringLiteral("range.txt"));
        f.AnswerRange(false, QStringLiteral("5"), QStringLiteral("2"));
        f.list.SaveAs1->trigger();
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
        f.list.btnSave->trigger();
        QCOMPARE(f.session->UnsavedRows(), 2);
        f.AnswerRange(true, {}, {});
        f.list.btnSave->trigger();
        QCOMPARE(f.session->UnsavedRows(), 0);

        f.list.btnOpen->trigger(); // the file just saved, all six rows
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
                         f.progress.windowTitle() == "Saving Progress" &&
                         f.progress.Label1->text() == "savint....." &&
                         f.progress.ProgressBar1->maximum() == 20000;
            f.progress.BitBtn1->click();
        });
        f.list.btnSave->trigger();
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
        f.list.btnSave->trigger();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains(f.fileName));
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
        QVERIFY(f.messages.isEmpty());
        QVERIFY(!f.state.Recording.ListRunning);
        QVERIFY(f.list.btnRun->isEnabled() && !f.list.btnPause->isEnabled());
        QCOMPARE(f.list.Table->RowCount(), 6);
        QCOMPARE(f.list.Table->Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(f.list.Table->Cell(1, 3), QStringLiteral("1.0"));
        QCOMPARE(f.list.Table->Cell(0, 1), QStringLiteral("DATE"));
        QVERIFY(!f.openProgress.isVisible());
    }

    void unreadableFileLeavesEverything() {
        Fixture f;
        Fill(*f.list.Table, 7);
        f.list.Controls->btnRunClick();
        f.fileName = dir_.filePath(QStringLiteral("missing.txt"));
        f.list.btnOpen->trigger();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains(f.fileName));
        QCOMPARE(f.list.Table->RowCount(), 8);
        QCOMPARE(f.list.Table->Cell(7, 3), QStringLiteral("0.6"));
        QVERIFY(f.state.Recording.ListRunning);
        QVERIFY(f.list.btnPause->isEnabled());
        QVERIFY(!f.openProgress.isVisible());
    }

    void longLineIsReported() {
        Fixture f;
        const QString path = dir_.filePath(QStringLiteral("long.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a\tb\t\r\nc\td\t\r\n" + QByteArray(2 << 20, 'x') + "\t\r\n");
        file.close();
        f.fileName = path;
        f.list.btnOpen->trigger();
        QCOMPARE(f.list.Table->RowCount(), 3);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains(QStringLiteral("line 3")));
        QVERIFY(f.messages[0].contains(path));
    }

    void exportCsv() {
        Fixture f;
        Fill(*f.list.Table, 4);
        f.fileName = dir_.filePath(QStringLiteral("export.csv"));
        f.list.mnuExportCsv->trigger();
        QCOMPARE(f.requests.back().DefaultSuffix, QStringLiteral("csv"));
        QCOMPARE(Contents(f.fileName),
                 LogCsvExport::HeaderLine +
                     LogCsvExport::Lines(*f.list.Table, f.state.Settings.LogDateFormat, {1, 4}));
        QVERIFY(f.messages.isEmpty());
    }

    void progressDialogs() {
        TfrmPrintProgress progress;
        progress.Start(QStringLiteral("Graphing Progress"), QStringLiteral("graphing....."), 10);
        QVERIFY(progress.isVisible());
        QVERIFY(progress.Step(1));
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(progress.isVisible()); // only the mark is set
        QVERIFY(!progress.Step(2));
        progress.Finish();
        QVERIFY(!progress.isVisible());
        progress.Start(QStringLiteral("Print Progress"), QStringLiteral("printing....."), 10);
        QCOMPARE(progress.Result(), ProgressDialog::ModalResult::None);
        QVERIFY(progress.Step(1));
        progress.BitBtn1->click();
        QVERIFY(progress.isVisible());
        QVERIFY(!progress.Step(2));
        progress.Finish();

        TfrmOpenProgress open;
        open.Start();
        QCOMPARE(open.lblCount->text(), QStringLiteral("0"));
        QVERIFY(open.Step(1234));
        QCOMPARE(open.lblCount->text(), QStringLiteral("1234"));
        // The count is shown about 30 times a second, not at every step.
        QVERIFY(open.Step(1235));
        QCOMPARE(open.lblCount->text(), QStringLiteral("1234"));
        QThread::msleep(ProgressThrottle::IntervalMs + 10);
        QVERIFY(open.Step(1236));
        QCOMPARE(open.lblCount->text(), QStringLiteral("1236"));
        open.close(); // the frame's close box while the operation runs
        QVERIFY(open.isVisible());
        QVERIFY(!open.Step(1237));
        open.Finish();
        QVERIFY(!open.isVisible());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestLogFileActions)
#include "tst_log_file_actions.moc"
