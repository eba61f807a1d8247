// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log table: a header row and the data rows of recorded readings, nine
// text columns (row number, date, time, main value, unit, second value or timer,
// its unit or format, type, annunciators). Rows live in compact storage; this
// model shows them to the grid, and saving, printing and graphing read the same
// cell texts through Cell().

#include "log/log_line_format.h"
#include "log/log_row_store.h"
#include "meter/sample.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <memory>

class LogTable : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 9;

    explicit LogTable(QObject* parent = nullptr);

    // The locale whose decimal and time separators the rows use; the user's own by default.
    void SetLocale(const QLocale& locale);
    const QLocale& Locale() const { return locale_; }
    // The pattern of the time column: hours, minutes and seconds with the locale's separator.
    const QString& TimeFormat() const { return timeFormat_; }

    // Grid terms: row 0 is the header, rows 1 to RowCount() - 1 are data rows. An
    // empty table has RowCount() 2 and a wholly blank row 1.
    int RowCount() const { return rows_.Count() < 1 ? 2 : rows_.Count() + 1; }
    QString Cell(int row, int column) const;
    // Columns 1 to 8 of a data row, as a log file line holds them.
    LogLineFormat::Fields LineFields(int row) const;

    // The texts of columns 1 to 8 that a sample makes. dateFormat is the date
    // pattern of column 1; empty means the locale's short format.
    LogRowStore::Cells RowCells(const Sample& sample, const QString& dateFormat) const;
    // One row from a sample.
    void AppendLogRow(const Sample& sample, const QString& dateFormat);
    // Back to one blank data row; the header stays.
    void Clear();
    // Without past rows, each row appended replaces the one before: row 1 is
    // always the newest.
    void SetKeepsPastRows(bool keeps) { keepsPastRows_ = keeps; }
    // Replaces the data rows with loaded ones in one go; rows recorded since the
    // last Clear() follow them, so none is lost.
    void LoadRows(LogRowStore&& rows);
    // Replaces the data rows outright.
    void ReplaceRows(LogRowStore&& rows);
    // The data rows themselves: row r of the table is row r - 1 here.
    const LogRowStore& Rows() const { return rows_; }
    // The table as it is now, for another thread to read while this one goes on
    // taking rows. Made and deleted on this table's thread.
    std::unique_ptr<LogTable> Snapshot() const;
    // Counts Clear() and LoadRows(): rows keep their numbers while it stays the same.
    int Resets() const { return resets_; }
    // The header row: the headers are shown and printed, never written to a file.
    void WriteHeader();
    static QString HeaderText(int column);

    // Fixed-point with one decimal and the locale's separator, as the log shows values.
    static QString FormatValue(double value, const QLocale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // A value column: "OL", the value, or dashes for a display without a number.
    QString ValueText(bool overload, bool valid, double value) const;

    LogRowStore rows_;
    std::array<QString, ColumnCount> header_;
    QLocale locale_;
    QString timeFormat_;
    int resets_ = 0;
    bool keepsPastRows_ = true;
};
