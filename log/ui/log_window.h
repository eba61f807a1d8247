#pragma once
// The tabular log window: it shows the recording core's table of readings taken
// at the listing rate, with the rate entry, Run, Pause and Clear. Closing it only
// hides it; the table and the recording go on.

#include "app/recording_session.h"

#include <QMainWindow>

class LogTable;
class RecordingControls;
class QAction;
class QLineEdit;
class QTableView;

class TfrmList : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmList(RecordingSession& session, QWidget* parent = nullptr);

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

    RecordingControls* Controls; // Pause, Run and the rate entry
    LogTable* Table;             // the core's table, shown here
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
    void btnHelpClick();

private:
    void SizeColumns();

    RecordingSession& session_;
};
