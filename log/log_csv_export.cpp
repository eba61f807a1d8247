// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_csv_export.h"

#include "log/log_dates.h"
#include "log/log_line_format.h"
#include "log/log_table.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <cstring>
#include <limits>

namespace LogCsvExport {
const QByteArray HeaderLine = "time,t1,t1_unit,t2,t2_unit,type,annunciators\r\n";

namespace {
constexpr int SecondsPerDay = 86400;

bool NeedsQuotes(QByteArrayView field) {
    for (const char c : field)
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
}

void AppendField(QByteArray& out, QByteArrayView field) {
    if (NeedsQuotes(field))
        LogLineFormat::AppendQuoted(out, field);
    else
        out.append(field);
}

char* Copy(char* p, QByteArrayView bytes) {
    if (!bytes.empty())
        std::memcpy(p, bytes.data(), size_t(bytes.size()));
    return p + bytes.size();
}

char* TwoDigits(char* p, int v) {
    p[0] = char('0' + v / 10);
    p[1] = char('0' + v % 10);
    return p + 2;
}

// Hours, minutes and seconds with any one separator between them, as column 2 holds them.
bool ParseTime(QByteArrayView text, int& seconds) {
    int parts[3] = {0, 0, 0};
    int part = 0, digits = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9' && digits < 2) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
        } else if (digits > 0 && part < 2 && !(c >= '0' && c <= '9')) {
            ++part;
            digits = 0;
        } else {
            return false;
        }
    }
    if (part != 2 || digits == 0 || parts[0] >= 24 || parts[1] >= 60 || parts[2] >= 60)
        return false;
    seconds = (parts[0] * 60 + parts[1]) * 60 + parts[2];
    return true;
}

// "+01:00": the offset of local time from UTC.
QByteArray OffsetText(int seconds) {
    QByteArray text(6, Qt::Uninitialized);
    const int minutes = std::abs(seconds) / 60;
    text[0] = seconds < 0 ? '-' : '+';
    TwoDigits(text.data() + 1, minutes / 60);
    text[3] = ':';
    TwoDigits(text.data() + 4, minutes % 60);
    return text;
}

int OffsetAt(QDate day, int seconds) {
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(seconds * 1000)).offsetFromUtc();
}

// One distinct date of the date column, converted once.
struct Day {
    QByteArray iso; // "2026-12-07"; empty when the text is not a date
    QDate date;
    qint64 localStart = 0; // local seconds since the epoch at its midnight
    int offset = 0;        // the day's offset, when it has only one
    bool offsetChanges = false;
    int otherOffset = 0; // the offset after the change
    QByteArray offsetText;
};

class RowWriter {
public:
    RowWriter(const LogTable& table, const QString& dateFormat)
        : table_(table), decimalPoint_(table.Locale().decimalPoint().toUtf8()),
          dateFormat_(dateFormat.isEmpty() ? table.Locale().dateFormat(QLocale::ShortFormat)
                                           : dateFormat) {}

    void Append(QByteArray& out, int row) {
        const LogRowStore::RawCells cells = table_.Rows().RawRow(row - 1);
        if (AppendPlain(out, cells))
            return;
        AppendTime(out, cells[0], cells[1]);
        out += ',';
        AppendValue(out, cells[2]);
        out += ',';
        AppendField(out, cells[3]);
        out += ',';
        AppendValue(out, cells[4]);
        out += ',';
        AppendField(out, cells[5]);
        out += ',';
        AppendField(out, cells[6]);
        out += ',';
        AppendField(out, cells[7].trimmed());
        out += "\r\n";
    }

private:
    const Day& DayOf(QByteArrayView text) {
        if (last_ && text == QByteArrayView(lastText_))
            return *last_;
        lastText_ = text.toByteArray();
        auto found = days_.find(lastText_);
        if (found == days_.end()) {
            Day day;
            day.date = LogDates::Read(QString::fromUtf8(text), dateFormat_);
            if (day.date.isValid()) {
                day.iso = day.date.toString(Qt::ISODate).toLatin1();
                day.localStart =
                    (day.date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * SecondsPerDay;
                day.offset = OffsetAt(day.date, 0);
                day.otherOffset = OffsetAt(day.date, SecondsPerDay - 1);
                day.offsetChanges = day.offset != day.otherOffset;
                day.offsetText = OffsetText(day.offset);
            }
            found = days_.insert(lastText_, day);
        }
        last_ = &found.value();
        return *last_;
    }

    // On the day the clocks change, an hour of local times either does not exist
    // or comes twice. Of the offsets a local time can have, the earliest moment
    // not before the previous row is taken, so rows keep their order.
    int OffsetOn(const Day& day, int seconds) {
        const qint64 local = day.localStart + seconds;
        int best = OffsetAt(day.date, seconds);
        for (const int offset : {day.offset, day.otherOffset}) {
            const QDateTime moment = QDateTime::fromSecsSinceEpoch(local - offset, Qt::LocalTime);
            if (moment.offsetFromUtc() != offset || moment.date() != day.date ||
                moment.time().msecsSinceStartOfDay() != seconds * 1000)
                continue;
            const qint64 utc = local - offset;
            const qint64 bestUtc = local - best;
            if ((bestUtc < lastUtc_ && utc >= lastUtc_) || (utc >= lastUtc_ && utc < bestUtc))
                best = offset;
        }
        return best;
    }

    // The common row, as recorded: a date and time that convert, values that are
    // plain numbers, no text to quote. It is written with one resize and plain
    // copies, as a saved line is; false, with nothing written, for any other row.
    bool AppendPlain(QByteArray& out, const LogRowStore::RawCells& cells) {
        const QByteArrayView mode = cells[7].trimmed();
        for (const QByteArrayView text : {cells[3], cells[5], cells[6], mode})
            if (NeedsQuotes(text))
                return false;
        if (!PlainValue(cells[2]) || !PlainValue(cells[4]))
            return false;
        int seconds = 0;
        const Day& day = DayOf(cells[0]);
        if (day.iso.isEmpty() || !ParseTime(cells[1], seconds))
            return false;
        qsizetype length = 40 + mode.size();
        for (int k = 2; k < 7; ++k)
            length += cells[k].size();
        const qsizetype at = out.size();
        out.resize(at + length);
        char* p = WriteTime(out.data() + at, day, seconds);
        *p++ = ',';
        p = WriteValue(p, cells[2]);
        *p++ = ',';
        p = Copy(p, cells[3]);
        *p++ = ',';
        p = WriteValue(p, cells[4]);
        for (const QByteArrayView text : {cells[5], cells[6], mode}) {
            *p++ = ',';
            p = Copy(p, text);
        }
        *p++ = '\r';
        *p++ = '\n';
        out.resize(p - out.constData());
        return true;
    }

    // "2026-12-07T17:40:37+01:00": 25 bytes.
    char* WriteTime(char* p, const Day& day, int seconds) {
        p = Copy(p, day.iso);
        *p++ = 'T';
        p = TwoDigits(p, seconds / 3600);
        *p++ = ':';
        p = TwoDigits(p, seconds / 60 % 60);
        *p++ = ':';
        p = TwoDigits(p, seconds % 60);
        if (!day.offsetChanges) {
            lastUtc_ = day.localStart + seconds - day.offset;
            return Copy(p, day.offsetText);
        }
        const int offset = OffsetOn(day, seconds);
        lastUtc_ = day.localStart + seconds - offset;
        return Copy(p, OffsetText(offset));
    }

    void AppendTime(QByteArray& out, QByteArrayView date, QByteArrayView time) {
        const Day& day = DayOf(date);
        int seconds = 0;
        if (day.iso.isEmpty() || !ParseTime(time, seconds)) {
            if (!date.empty() || !time.empty())
                AppendField(out, date.toByteArray() + ' ' + time.toByteArray());
            return;
        }
        char text[32];
        out.append(text, WriteTime(text, day, seconds) - text);
    }

    // "OL", dashes (written as nothing), or the table's own form of a number: an
    // optional sign, digits, and the locale's decimal separator with digits.
    bool PlainValue(QByteArrayView cell) const {
        if (cell == "OL" || cell == "----")
            return true;
        qsizetype i = cell.startsWith('-') ? 1 : 0;
        const qsizetype wholeStart = i;
        while (i < cell.size() && cell[i] >= '0' && cell[i] <= '9')
            ++i;
        if (i == wholeStart)
            return false;
        if (i == cell.size())
            return true;
        if (!cell.sliced(i).startsWith(decimalPoint_))
            return false;
        i += decimalPoint_.size();
        const qsizetype fractionStart = i;
        while (i < cell.size() && cell[i] >= '0' && cell[i] <= '9')
            ++i;
        return i > fractionStart && i == cell.size();
    }

    // A plain value with a point as decimal separator.
    char* WriteValue(char* p, QByteArrayView cell) const {
        if (cell == "OL" || cell == "----")
            return p;
        const qsizetype point = cell.indexOf(decimalPoint_);
        if (point < 0)
            return Copy(p, cell);
        p = Copy(p, cell.first(point));
        *p++ = '.';
        return Copy(p, cell.sliced(point + decimalPoint_.size()));
    }

    void AppendValue(QByteArray& out, QByteArrayView cell) {
        if (PlainValue(cell)) {
            const qsizetype at = out.size();
            out.resize(at + cell.size());
            out.resize(WriteValue(out.data() + at, cell) - out.constData());
            return;
        }
        QString text = QString::fromUtf8(cell);
        text.replace(QString::fromUtf8(decimalPoint_), QLatin1String("."));
        bool number = false;
        QLocale::c().toDouble(text, &number);
        if (number)
            out += text.toLatin1();
        else
            AppendField(out, cell);
    }

    const LogTable& table_;
    const QByteArray decimalPoint_;
    const QString dateFormat_;
    QHash<QByteArray, Day> days_;
    QByteArray lastText_;
    const Day* last_ = nullptr;
    qint64 lastUtc_ = std::numeric_limits<qint64>::min();
};
} // namespace

QByteArray Lines(const LogTable& table, const QString& dateFormat, RowRange range) {
    QByteArray out;
    RowWriter writer(table, dateFormat);
    for (int row = range.From; row <= range.To; ++row)
        writer.Append(out, row);
    return out;
}

Result Save(const QString& fileName, const LogTable& table, const QString& dateFormat,
            const Progress& progress) {
    RowWriter writer(table, dateFormat);
    return LogFileWriter::Write(
        fileName,
        {.Count = table.Rows().Count(),
         .Line = [&](QByteArray& block, int i) { writer.Append(block, i + 1); },
         .Head = HeaderLine,
         .FailureFormat = QCoreApplication::translate(
             "LogCsvExport", "The log could not be exported to \"%1\": %2.")},
        progress, LogFileWriter::OnCancel::KeepRowsWritten);
}
} // namespace LogCsvExport
