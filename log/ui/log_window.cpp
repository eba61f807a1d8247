// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/log_window.h"

#include "base/handler_guard.h"
#include "base/ui/help.h"
#include "base/ui/message_box.h"
#include "base/ui/tool_strip.h"
#include "log/log_file_filters.h"
#include "log/log_print_layout.h"
#include "log/log_table.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_page_printer.h"
#include "log/ui/open_progress_dialog.h"
#include "log/ui/pdf_output.h"
#include "log/ui/print_progress_dialog.h"
#include "log/ui/scope_dialog.h"
#include "recording/ui/recording_controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QStyleOptionHeader>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace {
// Room either side of a cell's text.
constexpr int CellPadding = 12;

// The grid's corner above the row numbers carries the header of column 0.
class CornerHeader : public QObject {
public:
    CornerHeader(QAbstractButton* corner, const LogTable& table)
        : QObject(corner), corner_(corner), table_(table) {
        corner->installEventFilter(this);
        connect(&table, &LogTable::headerDataChanged, corner, [corner] { corner->update(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != corner_ || event->type() != QEvent::Paint)
            return false;
        QStyleOptionHeader option;
        option.initFrom(corner_);
        option.rect = corner_->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = table_.Cell(0, 0);
        option.textAlignment = Qt::AlignCenter;
        QPainter painter(corner_);
        corner_->style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
        return true;
    }

private:
    QAbstractButton* corner_;
    const LogTable& table_;
};
} // namespace

TfrmList::TfrmList(RecordingSession& session, QWidget* parent)
    : QMainWindow(parent), Table(&session.Log()), Grid1(new LogGrid(this)), session_(session) {
    // The pictures are compiled into the static library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(brackwater);
    setWindowTitle(tr("Tabular"));

    ToolStrip tools(this);
    // A tool bar is named by its title.
    tools.Bar->setWindowTitle(tr("Log tools"));
    btnOpen = tools.AddButton("open", QCoreApplication::translate("ToolStrip", "Open file"));
    btnSave = tools.AddButton("save", QCoreApplication::translate("ToolStrip", "Save to File"));
    btnPrint = tools.AddButton("print", QCoreApplication::translate("ToolStrip", "Print"));
    btnClear = tools.AddButton("clear", QCoreApplication::translate("ToolStrip", "Clear Tabular"));
    Controls = new RecordingControls(session, RecordingControls::Recorder::Log, tools);
    btnPause = Controls->btnPause;
    btnRun = Controls->btnRun;
    btnToGraph =
        tools.AddButton("to-graph", QCoreApplication::translate("ToolStrip", "Output Data to Graph"));
    btnHelp = tools.AddButton("help", QCoreApplication::translate("ToolStrip", "HELP"));
    Controls->AddRateEntry(tools, font());
    MaskEdit1 = Controls->MaskEdit1;

    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    mnuNew = fileMenu->addAction(tr("&New"));
    mnuOpen = fileMenu->addAction(tr("&Open"));
    mnuSave = fileMenu->addAction(tr("&Save"));
    SaveAs1 = fileMenu->addAction(tr("Save &As..."));
    mnuPrint = fileMenu->addAction(tr("&Print"));
    mnuOpen->setShortcuts(QKeySequence::Open);
    mnuSave->setShortcuts(QKeySequence::Save);
    SaveAs1->setShortcuts(QKeySequence::SaveAs);
    mnuPrint->setShortcuts(QKeySequence::Print);
    QMenu* runMenu = menuBar()->addMenu(tr("&Run"));
    Run1 = runMenu->addAction(tr("&Run"));
    mnuPause = runMenu->addAction(tr("&Pause"));
    for (QMenu* menu : {fileMenu, runMenu})
        menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    mnuToGraph = menuBar()->addAction(tr("&Output To Graph"));
    mnuHelp = menuBar()->addAction(tr("&Help"));

    // untranslated: a font family
    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setStyleHint(QFont::SansSerif);
    gridFont.setPixelSize(11);
    gridFont.setBold(true);
    Grid1->setFont(gridFont);
    Grid1->setModel(Table);
    //: What screen readers call the window's table of recorded readings
    Grid1->setAccessibleName(tr("Recorded readings"));
    Grid1->setColumnHidden(0, true); // the row numbers stand in the fixed left column
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Grid1->horizontalHeader()->setHighlightSections(false);
    Grid1->horizontalHeader()->setStretchLastSection(true);
    QHeaderView* rows = Grid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(gridFont).height() + 6);
    rows->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setHighlightSections(false);
    if (auto* corner = Grid1->findChild<QAbstractButton*>())
        new CornerHeader(corner, *Table);
    setCentralWidget(Grid1);
    SizeColumns();
    // Wide enough that every column shows whole without scrolling sideways; columns
    // are sized to their widest text, far narrower than the design's 64-pixel grid.
    resize(std::max(560, TableWidth()), 420);

    connect(btnClear, &QAction::triggered, this, &TfrmList::BitBtn4Click);
    connect(mnuNew, &QAction::triggered, this, &TfrmList::BitBtn4Click);
    connect(mnuPause, &QAction::triggered, this, &TfrmList::BitBtn5Click);
    connect(Run1, &QAction::triggered, Controls, &RecordingControls::btnRunClick);
    connect(btnHelp, &QAction::triggered, this, &TfrmList::btnHelpClick);
    connect(mnuHelp, &QAction::triggered, this, &TfrmList::btnHelpClick);
    connect(btnToGraph, &QAction::triggered, this, &TfrmList::BitBtn7Click);
    connect(mnuToGraph, &QAction::triggered, this, &TfrmList::BitBtn7Click);
    // The newest row stays in view.
    connect(&session, &RecordingSession::RowAppended, Grid1, &LogGrid::scrollToBottom);
    connect(&session, &RecordingSession::LogTableInitialized, this, [this] {
        Controls->ShowRate();
        SizeColumns();
    });

    // Files and printing.
    mnuExportCsv = new QAction(tr("&Export CSV..."), this);
    mnuExportCsv->setStatusTip(tr("Save the table for spreadsheets and scripts"));
    fileMenu->insertAction(mnuPrint, mnuExportCsv);
    askFileName_ = [this](const FileRequest& request) {
        return AskFileName(this, request, session_);
    };
    showMessage_ = [this](MessageKind kind, const QString& text) { ShowMessage(this, kind, text); };
    printerInstalled_ = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    const auto guarded = [this](void (TfrmList::*handler)()) {
        return [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); };
    };
    for (QAction* save : {btnSave, mnuSave, SaveAs1})
        connect(save, &QAction::triggered, this, guarded(&TfrmList::btnSaveClick));
    for (QAction* open : {btnOpen, mnuOpen})
        connect(open, &QAction::triggered, this, guarded(&TfrmList::btnOpenClick));
    for (QAction* print : {btnPrint, mnuPrint})
        connect(print, &QAction::triggered, this, guarded(&TfrmList::btnPrintClick));
    connect(mnuExportCsv, &QAction::triggered, this, guarded(&TfrmList::mnuExportCsvClick));
    connect(&session.Files(), &LogFiles::Finished, this, &TfrmList::FilesFinished);
}

TfrmList::~TfrmList() = default;

bool TfrmList::Row1Empty() const {
    return Table->Cell(1, 1).isEmpty();
}

void TfrmList::InitLogTable() {
    session_.InitLogTable();
}

void TfrmList::SizeColumns() {
    Grid1->verticalHeader()->setMinimumWidth(ColumnWidth(0));
    for (int c = 1; c < LogTable::ColumnCount; ++c)
        Grid1->setColumnWidth(c, ColumnWidth(c));
}

QStringList TfrmList::WidestTexts(int column) const {
    const QLocale locale;
    const QString value = LogTable::FormatValue(-1370.0, locale);
    const QString header = LogTable::HeaderText(column);
    // The cells are the log file's fields, the same in every language.
    switch (column) {
    case 0:
        return {header, QStringLiteral("8888888")};
    case 1: {
        const QString format = session_.Settings().LogDateFormat.isEmpty()
                                   ? locale.dateFormat(QLocale::ShortFormat)
                                   : session_.Settings().LogDateFormat;
        return {header, QDate(2026, 12, 28).toString(format)};
    }
    case 2:
        return {header, QStringLiteral("23:59:59")};
    case 3:
        return {header, value, QStringLiteral("OL")};
    case 4:
        return {header, QStringLiteral("C"), QStringLiteral("F")};
    case 5:
        return {header, value, QStringLiteral("88:88")};
    case 6:
        return {header, QStringLiteral("MM:SS"), QStringLiteral("HH:MM")};
    case 7:
        return {header, QStringLiteral("K")};
    default:
        return {QStringLiteral(" MAX HOLD REL LBT"), // untranslated: log file fields
                QStringLiteral(" AVG HOLD REL LBT")};
    }
}

int TfrmList::ColumnWidth(int column) const {
    const QFontMetrics cells(Grid1->font());
    const QFontMetrics header(Grid1->horizontalHeader()->font());
    int width = 0;
    for (const QString& text : WidestTexts(column))
        width = std::max({width, cells.horizontalAdvance(text), header.horizontalAdvance(text)});
    return width + CellPadding;
}

int TfrmList::TableWidth() const {
    int width = ColumnWidth(0) + 2 * Grid1->frameWidth() +
                Grid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Grid1);
    for (int c = 1; c < LogTable::ColumnCount; ++c)
        width += ColumnWidth(c);
    return width;
}

void TfrmList::BitBtn4Click() {
    session_.BitBtn4Click();
}

void TfrmList::BitBtn5Click() {
    Controls->Pause();
}

void TfrmList::btnHelpClick() {
    OpenHelpTopic(QStringLiteral("Hlp_Tabular1"));
}

void TfrmList::BitBtn7Click() {
    emit GraphRequested();
}

void TfrmList::SetFileDialogs(TfrmScope* scope, TfrmPrintProgress* printProgress,
                              TfrmOpenProgress* openProgress) {
    frmScope_ = scope;
    frmPrintProgress_ = printProgress;
    frmOpenProgress_ = openProgress;
}

void TfrmList::SetFileNameFunction(FileNameFunction ask) {
    askFileName_ = std::move(ask);
}

void TfrmList::SetMessageFunction(MessageFunction show) {
    showMessage_ = std::move(show);
}

void TfrmList::SetPrinterCheck(std::function<bool()> printerInstalled) {
    printerInstalled_ = std::move(printerInstalled);
}

std::optional<RowRange> TfrmList::AskRange(const QString& caption, LogRowRange::Rule rule) {
    frmScope_->setWindowTitle(caption);
    frmScope_->edtSelFrom->setText(QStringLiteral("1"));
    frmScope_->edtSelTo->setText(QString::number(Table->RowCount() - 1));
    if (frmScope_->exec() != QDialog::Accepted)
        return std::nullopt;
    const std::optional<RowRange> range =
        LogRowRange::Resolve(rule, frmScope_->radAll->isChecked(), frmScope_->edtSelFrom->text(),
                             frmScope_->edtSelTo->text(), Table->RowCount() - 1);
    if (!range)
        showMessage_(MessageKind::Warning, tr("invalid integer"));
    return range;
}

QList<QAction*> TfrmList::FileActions() const {
    return {btnOpen,  mnuOpen,      btnSave,  mnuSave, SaveAs1,    btnPrint,
            mnuPrint, mnuExportCsv, btnClear, mnuNew,  btnToGraph, mnuToGraph};
}

void TfrmList::HoldFileActions(ProgressDialog* dialog) {
    workDialog_ = dialog;
    for (QAction* action : FileActions())
        action->setEnabled(false);
}

void TfrmList::Watch(BackgroundTask* task) {
    if (task)
        workDialog_->Watch(*task);
    else
        EndFileWork({});
}

void TfrmList::EndFileWork(const QString& message, MessageKind kind) {
    if (!workDialog_)
        return;
    std::exchange(workDialog_, nullptr)->Finish();
    for (QAction* action : FileActions())
        action->setEnabled(true);
    if (!message.isEmpty())
        showMessage_(kind, message);
    emit FileWorkEnded();
}

void TfrmList::FilesFinished(const LogFiles::Result& result) {
    // The exit question and the recovery save through the core too; those are not ours.
    if (workDialog_ && !printTask_)
        EndFileWork(result.Error.isEmpty() ? result.Notice : result.Error,
                    result.Error.isEmpty() ? MessageKind::Warning : MessageKind::Error);
}

void TfrmList::btnSaveClick() {
    if (frmPrintProgress_->InUse())
        return;
    const QString fileName = askFileName_(SaveLogRequest());
    if (fileName.isEmpty())
        return;
    const std::optional<RowRange> range = AskRange(tr("Save File"), LogRowRange::Rule::Save);
    if (!range)
        return;
    HoldFileActions(frmPrintProgress_);
    frmPrintProgress_->Start(tr("Saving Progress"), tr("savint....."), range->Count());
    Watch(session_.Files().Save(fileName, *range));
}

void TfrmList::btnOpenClick() {
    if (frmOpenProgress_->InUse())
        return;
    const QString fileName =
        askFileName_({.Saving = false,
                      .Caption = tr("Open"),
                      .Filters = LogFileFilters::Open(QLocale().decimalPoint()),
                      .DefaultSuffix = {}});
    if (fileName.isEmpty())
        return;
    HoldFileActions(frmOpenProgress_);
    frmOpenProgress_->Start();
    Watch(session_.Files().Open(fileName));
}

QString TfrmList::ChoosePdfFile() {
    return askFileName_({.Saving = true,
                         .Caption = tr("No printer is installed: print to a PDF file"),
                         .Filters = {QStringLiteral("%1 (*.pdf)").arg(tr("PDF file"))},
                         .DefaultSuffix = QStringLiteral("pdf")});
}

void TfrmList::btnPrintClick() {
    if (frmPrintProgress_->InUse())
        return;
    const std::optional<RowRange> range = AskRange(tr("Print Range"), LogRowRange::Rule::Print);
    if (!range || range->Empty())
        return;
    // The printer and the table's snapshot belong to the worker until it ends.
    struct Job {
        QPrinter printer{QPrinter::HighResolution};
        std::unique_ptr<LogTable> table;
        RowRange range;
        QString pdf; // no printer installed: the PDF file printed to
        QString error;
    };
    auto job = std::make_shared<Job>();
    job->range = *range;
    if (!printerInstalled_()) {
        job->pdf = ChoosePdfFile();
        if (job->pdf.isEmpty())
            return;
        job->printer.setOutputFormat(QPrinter::PdfFormat);
        job->printer.setResolution(LogPrintLayout::DesignDpi);
    }
    job->printer.setPageOrientation(QPageLayout::Portrait);
    job->printer.setDocName(windowTitle());
    job->table = Table->Snapshot();

    printTask_ = std::make_unique<BackgroundTask>([job](BackgroundTask& task) {
        const auto print = [&](QPainter& painter, const std::function<bool()>& newPage) {
            LogPagePrinter::Print(painter, *job->table, job->range, newPage,
                                  [&task](int rows) { return task.Step(rows); });
            painter.end();
        };
        if (job->pdf.isEmpty()) {
            QPainter painter;
            if (!painter.begin(&job->printer))
                job->error = tr("The log could not be printed: \"%1\" could not be opened.")
                                 .arg(job->printer.printerName());
            else
                print(painter, [&job] { return job->printer.newPage(); });
            return;
        }
        // A PDF file is written as every file is: complete, or not at all.
        PdfOutput pdf(job->pdf, job->printer);
        QPainter painter;
        const bool painting = pdf.Writer() && painter.begin(pdf.Writer());
        if (painting)
            print(painter, [&pdf] { return pdf.Writer()->newPage(); });
        if (!painting || !pdf.Commit())
            job->error =
                tr("The log could not be printed to \"%1\": %2.").arg(job->pdf, pdf.ErrorText());
    });
    connect(printTask_.get(), &BackgroundTask::Done, this, [this, job] {
        const QString failure = printTask_->Failure();
        EndFileWork(failure.isEmpty() ? job->error
                                      : tr("The log could not be printed: %1.").arg(failure));
        printTask_.release()->deleteLater();
    });
    HoldFileActions(frmPrintProgress_);
    frmPrintProgress_->Start(tr("Print Progress"), tr("printing....."), range->Count());
    Watch(printTask_.get());
    printTask_->Start();
}

void TfrmList::mnuExportCsvClick() {
    if (frmPrintProgress_->InUse())
        return;
    const QString fileName =
        askFileName_({.Saving = true,
                      .Caption = tr("Export CSV"),
                      .Filters = {QStringLiteral("%1 (*.csv *.CSV)").arg(tr("CSV file"))},
                      .DefaultSuffix = QStringLiteral("csv")});
    if (fileName.isEmpty())
        return;
    HoldFileActions(frmPrintProgress_);
    frmPrintProgress_->Start(tr("Export Progress"), tr("exporting....."), Table->Rows().Count());
    Watch(session_.Files().ExportCsv(fileName));
}
