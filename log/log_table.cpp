// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_table.h"

#include "base/day_count.h"

#include <algorithm>
#include <cmath>

namespace {
// The separator between hours and minutes in the locale's own time format.
QString TimeSeparator(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = 0;
    while (i < format.size() && (format[i] == QLatin1Char('h') || format[i] == QLatin1Char('H')))
        ++i;
    if (i == 0 || i >= format.size() || format[i].isLetter())
        return QStringLiteral(":");
    return format.mid(i, 1);
}
} // namespace

LogTable::LogTable(QObject* parent) : QAbstractTableModel(parent) {
    SetLocale(QLocale());
}

void LogTable::SetLocale(const QLocale& locale) {
    locale_ = locale;
    timeFormat_ = QStringLiteral("HH%1mm%1ss").arg(TimeSeparator(locale));
}

QString LogTable::FormatValue(double value, const QLocale& locale) {
    QString text;
    if (std::abs(value) >= 1e7)
        text = QString::number(value, 'E', 6);
    else if (std::abs(value) >= 1e6) // seven significant digits leave no decimal
        text = QString::number(std::round(value), 'f', 1);
    else
        text = QString::number(value, 'f', 1);
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

QString LogTable::ValueText(bool overload, bool valid, double value) const {
    if (overload)
        return QStringLiteral("OL"); // untranslated: a log file field
    return valid ? FormatValue(value, locale_) : QStringLiteral("----");
}

QString LogTable::Cell(int row, int column) const {
    if (column < 0 || column >= ColumnCount)
        return {};
    if (row == 0)
        return header_[static_cast<size_t>(column)];
    if (row > rows_.Count())
        return {};
    return column == 0 ? QString::number(row) : rows_.Cell(row - 1, column - 1);
}

LogLineFormat::Fields LogTable::LineFields(int row) const {
    LogLineFormat::Fields fields;
    for (int c = 0; c < LogLineFormat::FieldCount; ++c)
        fields[static_cast<size_t>(c)] = Cell(row, c + 1);
    return fields;
}

LogRowStore::Cells LogTable::RowCells(const Sample& sample, const QString& dateFormat) const {
    const CurrentReading& reading = sample.Reading;
    const QDateTime time = DateTimeFromDayCount(sample.Time);
    LogRowStore::Cells cells;
    cells[0] =
        time.toString(dateFormat.isEmpty() ? locale_.dateFormat(QLocale::ShortFormat) : dateFormat);
    cells[1] = time.toString(timeFormat_);
    cells[2] = ValueText(reading.MainOverload, reading.MainValid, reading.MainValue);
    cells[3] = reading.UnitText;
    if (reading.IsOneChannel())
        cells[4] = reading.SubText;
    else if (reading.IsTwoChannel())
        cells[4] = ValueText(reading.SubOverload, reading.SubValid, reading.SubValue);
    cells[5] = reading.SubUnitText;
    cells[6] = reading.TypeText;
    cells[7] = reading.ModeText;
    return cells;
}

void LogTable::AppendLogRow(const Sample& sample, const QString& dateFormat) {
    const LogRowStore::Cells cells = RowCells(sample, dateFormat);
    if (!keepsPastRows_)
        rows_.Restart();
    const int n = rows_.Count();
    if (n == 0) {
        // The blank row 1 of an empty table takes the first reading.
        rows_.Append(cells);
        emit dataChanged(index(0, 0), index(0, ColumnCount - 1));
        emit headerDataChanged(Qt::Vertical, 0, 0);
        return;
    }
    beginInsertRows({}, n, n);
    rows_.Append(cells);
    endInsertRows();
}

void LogTable::Clear() {
    beginResetModel();
    rows_.Clear();
    ++resets_;
    endResetModel();
}

void LogTable::LoadRows(LogRowStore&& rows) {
    beginResetModel();
    rows.AppendRows(rows_);
    rows_ = std::move(rows);
    ++resets_;
    endResetModel();
}

void LogTable::ReplaceRows(LogRowStore&& rows) {
    beginResetModel();
    rows_ = std::move(rows);
    ++resets_;
    endResetModel();
}

std::unique_ptr<LogTable> LogTable::Snapshot() const {
    auto copy = std::make_unique<LogTable>();
    copy->SetLocale(locale_);
    copy->header_ = header_;
    copy->rows_ = rows_.Snapshot();
    return copy;
}

QString LogTable::HeaderText(int column) {
    static const char* const texts[ColumnCount - 1] = {
        //: Column header of the log: the row number
        QT_TR_NOOP("NO"), QT_TR_NOOP("DATE"), QT_TR_NOOP("TIME"), QT_TR_NOOP("T1"),
        QT_TR_NOOP("T2"), QT_TR_NOOP("T3"),   QT_TR_NOOP("T4"),   QT_TR_NOOP("UNIT")};
    return column >= 0 && column < ColumnCount - 1 ? tr(texts[column]) : QString();
}

void LogTable::WriteHeader() {
    for (int c = 0; c < ColumnCount - 1; ++c)
        header_[static_cast<size_t>(c)] = HeaderText(c);
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int LogTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount() - 1;
}

int LogTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogTable::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return Cell(index.row() + 1, index.column());
}

QVariant LogTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? Cell(0, section) : Cell(section + 1, 0);
}

Qt::ItemFlags LogTable::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
