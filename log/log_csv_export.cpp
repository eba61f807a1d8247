#include "log/log_csv_export.h"

#include "log/log_line_format.h"
#include "log/log_table.h"

#include <QDate>
#include <QSaveFile>

namespace LogCsvExport {
const QByteArray HeaderLine = "time,t1,t1_unit,t2,t2_unit,type,annunciators\r\n";

namespace {
constexpr qsizetype BlockBytes = 1 << 20;
constexpr int RowsPerPoll = 1024;

void AppendField(QByteArray& out, QByteArrayView field) {
    bool quote = false;
    for (const char c : field)
        quote = quote || c == ',' || c == '"' || c == '\r' || c == '\n';
    if (quote)
        LogLineFormat::AppendQuoted(out, field);
    else
        out.append(field);
}

// Hours, minutes and seconds with any one separator between them, as column 2 holds them.
bool ParseTime(QByteArrayView text, int& h, int& m, int& s) {
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
    h = parts[0];
    m = parts[1];
    s = parts[2];
    return part == 2 && digits > 0 && h < 24 && m < 60 && s < 60;
}

class RowWriter {
public:
    RowWriter(const LogTable& table, const QString& dateFormat)
        : table_(table), decimalPoint_(table.Locale().decimalPoint()),
          dateFormat_(dateFormat.isEmpty() ? table.Locale().dateFormat(QLocale::ShortFormat)
                                           : dateFormat) {}

    void Append(QByteArray& out, int row) {
        const LogRowStore::RawCells cells = table_.Rows().RawRow(row - 1);
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
    void AppendTime(QByteArray& out, QByteArrayView date, QByteArrayView time) {
        if (!haveDate_ || date != QByteArrayView(lastDate_)) {
            haveDate_ = true;
            lastDate_ = date.toByteArray();
            const QDate day = QDate::fromString(QString::fromUtf8(date), dateFormat_);
            isoDate_ = day.isValid() ? day.toString(Qt::ISODate).toLatin1() : QByteArray();
        }
        int h = 0, m = 0, s = 0;
        if (!isoDate_.isEmpty() && ParseTime(time, h, m, s)) {
            const auto twoDigits = [&out](int v) {
                out += char('0' + v / 10);
                out += char('0' + v % 10);
            };
            out += isoDate_;
            out += 'T';
            twoDigits(h);
            out += ':';
            twoDigits(m);
            out += ':';
            twoDigits(s);
        } else if (!date.empty() || !time.empty()) {
            AppendField(out, date.toByteArray() + ' ' + time.toByteArray());
        }
    }

    void AppendValue(QByteArray& out, QByteArrayView cell) {
        if (cell == "OL" || cell == "----")
            return;
        QString text = QString::fromUtf8(cell);
        text.replace(decimalPoint_, QLatin1String("."));
        bool number = false;
        QLocale::c().toDouble(text, &number);
        if (number)
            out += text.toLatin1();
        else
            AppendField(out, cell);
    }

    const LogTable& table_;
    const QString decimalPoint_;
    const QString dateFormat_;
    bool haveDate_ = false; // dates change once a day: the last one is converted once
    QByteArray lastDate_;
    QByteArray isoDate_;
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
    Result result;
    QSaveFile file(fileName);
    const auto failed = [&] {
        result.Error = QStringLiteral("The log could not be exported to \"%1\": %2.")
                           .arg(fileName, file.errorString());
        result.Rows = 0;
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    QByteArray block = HeaderLine;
    block.reserve(BlockBytes + 4096);
    RowWriter writer(table, dateFormat);
    for (int row = 1; row <= table.Rows().Count(); ++row) {
        writer.Append(block, row);
        ++result.Rows;
        if (block.size() >= BlockBytes) {
            if (file.write(block) != block.size())
                return failed();
            block.resize(0);
        }
        if (result.Rows % RowsPerPoll == 0 && progress && !progress(result.Rows)) {
            result.Cancelled = true;
            break;
        }
    }
    if (file.write(block) != block.size() || !file.commit())
        return failed();
    return result;
}
} // namespace LogCsvExport
