// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the log table's texts into the log graph's points: one series from the
// main value, a second from the second value when row 1 comes from a two-channel
// meter (its column 6 holds a temperature unit). X is the row's date and time as a
// day count, read with the patterns the table writes; texts that do not convert,
// such as "OL", leave their point blank. The rows are read in order straight from
// the stored bytes: a date is converted only when it differs from the row above,
// times and values in the table's own forms are read digit by digit. It reads the
// table only, so it may run on a worker thread while the table does not change.

#include <QByteArrayView>
#include <QCoreApplication>
#include <QLocale>
#include <QString>

class ChartData;
class GraphProgress;
class LogTable;

class LogGraphBuild {
    Q_DECLARE_TR_FUNCTIONS(LogGraphBuild)

public:
    // dateFormat is the date column's pattern; empty means the table's short format.
    LogGraphBuild(const LogTable& table, const QString& dateFormat);

    // Data rows, 1 to Rows(): the table's rows taken now, so rows recorded during
    // the build are not graphed.
    int Rows() const { return rows_; }
    int SeriesCount() const;

    // The date and time of the first and the last row. A failure stops there and
    // names the row and the text; what was read stays, the rest is 0.
    struct Span {
        double first = 0;
        double last = 0;
        QString error;
    };
    Span FirstAndLast() const;

    // Fills series 0 (and 1) of data, point i - 1 from row i, stopping when progress
    // reports a cancel; data must hold SeriesCount() series of Rows() blank points.
    // A row whose date or time does not convert puts its second value at the last
    // time that converted (first, before any did). Returns the rows read.
    int Fill(ChartData& data, GraphProgress& progress, double first) const;

    // "date time" as a day count; false when either part does not convert.
    bool DateTime(const QString& date, const QString& time, double& days) const;
    // A value as the table writes it, with the locale's decimal separator.
    bool Number(const QString& text, float& value) const;

private:
    // The same from cells' UTF-8 bytes.
    bool RowDateTime(QByteArrayView date, QByteArrayView time, double& days) const;
    bool ReadNumber(QByteArrayView text, float& value) const;
    bool Date(QByteArrayView text, qint64& day) const;
    bool Time(QByteArrayView text, int& ms) const;

    const LogTable& table_;
    int rows_;
    QString dateFormat_;
    QString timeFormat_;
    QString lenientTimeFormat_;
    QLocale locale_;
    QByteArray decimalPoint_; // as UTF-8
    QByteArray timeSeparator_;
    // Consecutive rows mostly share their date: the last one read is kept.
    mutable QByteArray lastDate_;
    mutable bool haveDate_ = false;
    mutable qint64 lastDay_ = 0;
};
