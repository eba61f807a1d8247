#include "log/log_window.h"

#include "app/help.h"
#include "app/rate_entry.h"
#include "app/tool_strip.h"
#include "log/log_table.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableView>
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

TfrmList::TfrmList(AppState& state, QWidget* parent)
    : QMainWindow(parent), Table(new LogTable(this)), Grid1(new QTableView(this)), state_(state) {
    // The pictures are compiled into the static library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(brackwater);
    setWindowTitle(QStringLiteral("Tabular"));

    ToolStrip tools(this);
    btnOpen = tools.AddButton("open", "Open file");
    btnSave = tools.AddButton("save", "Save to File");
    btnPrint = tools.AddButton("print", "Print");
    btnClear = tools.AddButton("clear", "Clear Tabular");
    btnPause = tools.AddButton("pause", "Pause");
    btnRun = tools.AddButton("run", "Run");
    btnRun->setEnabled(false);
    btnToGraph = tools.AddButton("to-graph", "Output Data to Graph");
    btnHelp = tools.AddButton("help", "HELP");
    MaskEdit1 = tools.AddRateEntry(font());

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNew = fileMenu->addAction(QStringLiteral("&New"));
    mnuOpen = fileMenu->addAction(QStringLiteral("&Open"));
    mnuSave = fileMenu->addAction(QStringLiteral("&Save"));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAs1 = fileMenu->addAction(QStringLiteral("Save &As..."));
    mnuPrint = fileMenu->addAction(QStringLiteral("&Print"));
    QMenu* runMenu = menuBar()->addMenu(QStringLiteral("&Run"));
    Run1 = runMenu->addAction(QStringLiteral("&Run"));
    mnuPause = runMenu->addAction(QStringLiteral("&Pause"));
    mnuToGraph = menuBar()->addAction(QStringLiteral("&Output To Graph"));
    mnuHelp = menuBar()->addAction(QStringLiteral("&Help"));
    // Files, printing and the log graph come with their own work.
    for (QAction* pending : {btnOpen, btnSave, btnPrint, mnuOpen, mnuSave, SaveAs1, mnuPrint})
        pending->setEnabled(false);

    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setStyleHint(QFont::SansSerif);
    gridFont.setPixelSize(11);
    gridFont.setBold(true);
    Grid1->setFont(gridFont);
    Grid1->setModel(Table);
    Grid1->setColumnHidden(0, true); // the row numbers stand in the fixed left column
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setShowGrid(true);
    Grid1->setWordWrap(false);
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
    connect(btnPause, &QAction::triggered, this, &TfrmList::BitBtn5Click);
    connect(mnuPause, &QAction::triggered, this, &TfrmList::BitBtn5Click);
    connect(btnRun, &QAction::triggered, this, &TfrmList::btnRunClick);
    connect(Run1, &QAction::triggered, this, &TfrmList::btnRunClick);
    connect(btnHelp, &QAction::triggered, this, &TfrmList::btnHelpClick);
    connect(mnuHelp, &QAction::triggered, this, &TfrmList::btnHelpClick);
    connect(MaskEdit1, &QLineEdit::textChanged, this, &TfrmList::MaskEdit1Change);
    connect(btnToGraph, &QAction::triggered, this, &TfrmList::BitBtn7Click);
    connect(mnuToGraph, &QAction::triggered, this, &TfrmList::BitBtn7Click);
}

void TfrmList::AppendLogRow(double now) {
    Table->AppendLogRow(state_.Reading, now, state_.Settings.LogDateFormat);
    Grid1->scrollToBottom();
}

bool TfrmList::Row1Empty() const {
    return Table->Cell(1, 1).isEmpty();
}

void TfrmList::InitLogTable() {
    SettingsVars& settings = state_.Settings;
    if (settings.ListingRate == 0)
        settings.ListingRate = 2;
    MaskEdit1->setText(RateEntryText(settings.ListingRate));
    MaskEdit1Change(); // also when the text did not change
    Table->WriteHeader();
    SizeColumns();
}

void TfrmList::SizeColumns() {
    Grid1->verticalHeader()->setMinimumWidth(ColumnWidth(0));
    for (int c = 1; c < LogTable::ColumnCount; ++c)
        Grid1->setColumnWidth(c, ColumnWidth(c));
}

QStringList TfrmList::WidestTexts(int column) const {
    const QLocale locale;
    const QString value = LogTable::FormatValue(-1370.0, locale);
    switch (column) {
    case 0:
        return {QStringLiteral("NO"), QStringLiteral("8888888")};
    case 1: {
        const QString format = state_.Settings.LogDateFormat.isEmpty()
                                   ? locale.dateFormat(QLocale::ShortFormat)
                                   : state_.Settings.LogDateFormat;
        return {QStringLiteral("DATE"), QDate(2026, 12, 28).toString(format)};
    }
    case 2:
        return {QStringLiteral("TIME"), QStringLiteral("23:59:59")};
    case 3:
        return {QStringLiteral("T1"), value, QStringLiteral("OL")};
    case 4:
        return {QStringLiteral("T2"), QStringLiteral("C"), QStringLiteral("F")};
    case 5:
        return {QStringLiteral("T3"), value, QStringLiteral("88:88")};
    case 6:
        return {QStringLiteral("T4"), QStringLiteral("MM:SS"), QStringLiteral("HH:MM")};
    case 7:
        return {QStringLiteral("UNIT"), QStringLiteral("K")};
    default:
        return {QStringLiteral(" MAX HOLD REL LBT"), QStringLiteral(" AVG HOLD REL LBT")};
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

void TfrmList::ShowRunning() {
    btnPause->setEnabled(true);
    btnRun->setEnabled(false);
}

void TfrmList::ShowPaused() {
    btnPause->setEnabled(false);
    btnRun->setEnabled(true);
}

void TfrmList::BitBtn4Click() {
    Table->Clear();
}

void TfrmList::BitBtn5Click() {
    state_.Recording.ListRunning = false;
    ShowPaused();
}

void TfrmList::btnRunClick() {
    state_.Recording.ListRunning = true;
    ShowRunning();
}

void TfrmList::btnHelpClick() {
    OpenHelpTopic(QStringLiteral("Hlp_Tabular1"));
}

void TfrmList::BitBtn7Click() {
    emit GraphRequested();
}

void TfrmList::MaskEdit1Change() {
    const RateEntry entry = ParseRateEntry(MaskEdit1->displayText());
    state_.Settings.ListingRate = entry.Rate;
    if (entry.Rewrite)
        MaskEdit1->setText(entry.Text);
}
