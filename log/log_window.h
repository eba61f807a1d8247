#pragma once
// The tabular log window: the table of readings recorded at the listing rate,
// the rate entry, and Run, Pause and Clear. Closing it only hides it; the table
// and the recording go on.

#include "app/app_state.h"

#include <QMainWindow>

class LogTable;
class QAction;
class QLineEdit;
class QTableView;

class TfrmList : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmList(AppState& state, QWidget* parent = nullptr);

    // One row from the current reading, taken at the day count now; the newest row stays in view.
    void AppendLogRow(double now);
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

    // The tool buttons of recording, set at link loss and return, at start-up and
    // by the port search without touching ListRunning.
    void ShowRunning();
    void ShowPaused();

    LogTable* Table;
    QTableView* Grid1;
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

public slots:
    void BitBtn4Click(); // clear
    void BitBtn5Click(); // pause
    void btnRunClick();
    void btnHelpClick();
    void MaskEdit1Change();
    void BitBtn7Click(); // output to graph

signals:
    // The log graph window is to draw the table.
    void GraphRequested();

private:
    void SizeColumns();

    AppState& state_;
};
