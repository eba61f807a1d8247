// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_line_format.h"

#include <cstring>

namespace LogLineFormat {

QChar SaveSeparator(const QString& fileName) {
    return fileName.right(3).compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
               ? QLatin1Char(',')
               : QLatin1Char('\t');
}

QChar OpenSeparator(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && fileName.mid(dot).compare(QLatin1String(".csv"), Qt::CaseInsensitive) == 0
               ? QLatin1Char(',')
               : QLatin1Char('\t');
}

bool LocalIsUtf8() {
    static const bool utf8 = QString::fromUtf8("\xc3\xa9\xe2\x82\xac").toLocal8Bit() ==
                             QByteArray("\xc3\xa9\xe2\x82\xac");
    return utf8;
}

void AppendLine(QByteArray& out, const Fields& fields, QChar separator) {
    std::array<QByteArray, FieldCount> bytes;
    RawFields raw;
    for (int k = 0; k < FieldCount; ++k) {
        bytes[k] = fields[k].toLocal8Bit();
        raw[k] = bytes[k];
    }
    AppendRawLine(out, raw, separator.toLatin1());
}

QByteArray Line(const Fields& fields, QChar separator) {
    QByteArray out;
    AppendLine(out, fields, separator);
    return out;
}

namespace {
// A leading byte-order mark (UTF-8's, or the bytes of UTF-16's) would be taken for
// the file's own at its start.
bool NeedsQuotes(QByteArrayView field, char separator) {
    if (field.startsWith('"') || field.startsWith(Utf8Bom) || field.startsWith("\xFF\xFE") ||
        field.startsWith("\xFE\xFF"))
        return true;
    for (const char c : field)
        if (c == separator)
            return true;
    return false;
}
} // namespace

void AppendQuoted(QByteArray& out, QByteArrayView field) {
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendRawLine(QByteArray& out, const RawFields& fields, char separator) {
    qsizetype length = 2;
    bool quotes = false;
    for (const QByteArrayView field : fields) {
        length += field.size() + 1;
        quotes = quotes || NeedsQuotes(field, separator);
    }
    if (quotes) {
        for (const QByteArrayView field : fields) {
            if (NeedsQuotes(field, separator))
                AppendQuoted(out, field);
            else
                out.append(field);
            out += separator;
        }
        out += "\r\n";
        return;
    }
    // The common line: one resize and plain copies, as saving a month of rows needs.
    const qsizetype at = out.size();
    out.resize(at + length);
    char* p = out.data() + at;
    for (const QByteArrayView field : fields) {
        if (!field.empty())
            std::memcpy(p, field.data(), size_t(field.size()));
        p += field.size();
        *p++ = separator;
    }
    p[0] = '\r';
    p[1] = '\n';
}

bool ContinuesReading(QByteArrayView line, char separator) {
    return !line.empty() && std::memchr(line.data(), separator, line.size()) != nullptr;
}

int SplitLine(QByteArrayView line, char separator, RawFields& fields, QByteArray& scratch) {
    if (scratch.size() < line.size())
        scratch.resize(line.size());
    char* unquoted = scratch.data();
    const char* p = line.data();
    const char* const end = p + line.size();
    int count = 0;
    while (count < FieldCount && p < end) {
        if (*p != '"') {
            const auto* sep = static_cast<const char*>(std::memchr(p, separator, end - p));
            const char* fieldEnd = sep ? sep : end;
            fields[count++] = QByteArrayView(p, fieldEnd - p);
            if (!sep)
                break;
            p = sep + 1;
            continue;
        }
        // Quoted: up to the closing quote, "" standing for one quote; anything after
        // the closing quote up to the separator belongs to the field as it stands.
        char* const start = unquoted;
        ++p;
        while (p < end) {
            if (*p == '"') {
                if (p + 1 < end && p[1] == '"') {
                    *unquoted++ = '"';
                    p += 2;
                    continue;
                }
                ++p;
                break;
            }
            *unquoted++ = *p++;
        }
        while (p < end && *p != separator)
            *unquoted++ = *p++;
        fields[count++] = QByteArrayView(start, unquoted - start);
        if (p == end)
            break;
        ++p;
    }
    return count;
}

} // namespace LogLineFormat
