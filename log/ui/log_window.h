// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tabular log window: it shows the recording core's table of readings taken
// at the listing rate, with the rate entry, Run, Pause and Clear, and the table's
// files: open, save, print and export. The files are the core's LogFiles; this
// window asks for names and ranges, shows the progress and the outcome. Printing
// runs here, on a worker thread over a snapshot of the table. Closing the window
// only hides it; the table and the recording go on.

#include "base/ui/message_box.h"
#include "log/log_row_range.h"
#include "log/ui/log_file_dialogs.h"
#include "recording/recording_session.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class BackgroundTask;
class LogGrid;
class LogTable;
class ProgressDialog;
class RecordingControls;
class QAction;
class QLineEdit;
class TfrmOpenProgress;
class TfrmPrintProgress;
class TfrmScope;

class TfrmList : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmList(RecordingSession& session, QWidget* parent = nullptr);
    // A print still running is cancelled and waited for.
    ~TfrmList() override;

    // Column 1 of row 1 is empty: nothing recorded yet.
    bool Row1Empty() const;
    // Header row, column widths, and the listing rate shown in the entry.
    void InitLogTable();
    // A column's width: its widest header or cell text, with padding. Column 0 is
    // the fixed column of row numbers.
    int ColumnWidth(int column) const;
    // The texts that decide a column's width.
    QStringList WidestTexts(int column) const;
    // The grid's width with every column whole, frame and scroll bar included.
    int TableWidth() const;

    // The range and progress dialogs that saving, opening and printing use.
    void SetFileDialogs(TfrmScope* scope, TfrmPrintProgress* printProgress,
                        TfrmOpenProgress* openProgress);
    // The file-name choice, the message box and whether a printer is installed;
    // tests replace them.
    using FileNameFunction = std::function<QString(const FileRequest& request)>;
    using MessageFunction = std::function<void(MessageKind kind, const QString& text)>;
    void SetFileNameFunction(FileNameFunction ask);
    void SetMessageFunction(MessageFunction show);
    void SetPrinterCheck(std::function<bool()> printerInstalled);
    // A file operation or a print started here is running.
    bool FileWorkRunning() const { return workDialog_ != nullptr; }

    RecordingControls* Controls; // Pause, Run and the rate entry
    LogTable* Table;             // the core's table, shown here
    LogGrid* Grid1;
    QLineEdit* MaskEdit1;
    QAction* btnOpen;
    QAction* btnSave;
    QAction* btnPrint;
    QAction* btnClear;
    QAction* btnPause;
    QAction* btnRun;
    QAction* btnToGraph;
    QAction* btnHelp;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* SaveAs1;
    QAction* mnuPrint;
    QAction* Run1;
    QAction* mnuPause;
    QAction* mnuToGraph;
    QAction* mnuHelp;
    QAction* mnuExportCsv;

public slots:
    void BitBtn4Click(); // clear
    void BitBtn5Click(); // pause
    void btnHelpClick();
    void btnSaveClick();
    void btnOpenClick();
    void btnPrintClick();
    void mnuExportCsvClick();
    void BitBtn7Click(); // output to graph

signals:
    // The log graph window is to draw the table.
    void GraphRequested();
    // A file operation or a print started here has ended and its outcome was shown.
    void FileWorkEnded();

private:
    void SizeColumns();
    // Shows the range dialog with the table's rows and turns the choice into rows by
    // the rule; none when the dialog was cancelled or "invalid integer" was shown.
    std::optional<RowRange> AskRange(const QString& caption, LogRowRange::Rule rule);
    // Where printing goes when no printer is installed; empty when the user cancels.
    QString ChoosePdfFile();
    // The file actions, Clear and the graph wait while work shows its progress in
    // dialog; Watch hands the dialog the task (none: the work could not start).
    QList<QAction*> FileActions() const;
    void HoldFileActions(ProgressDialog* dialog);
    void Watch(BackgroundTask* task);
    void EndFileWork(const QString& message, MessageKind kind = MessageKind::Error);
    void FilesFinished(const LogFiles::Result& result);

    TfrmScope* frmScope_ = nullptr;
    TfrmPrintProgress* frmPrintProgress_ = nullptr;
    TfrmOpenProgress* frmOpenProgress_ = nullptr;
    FileNameFunction askFileName_;
    MessageFunction showMessage_;
    std::function<bool()> printerInstalled_;
    ProgressDialog* workDialog_ = nullptr; // the dialog of the work running, if any
    std::unique_ptr<BackgroundTask> printTask_;

    RecordingSession& session_;
};
