#include "log/journal_contents.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

JournalContents JournalContents::Read(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The journal %1 could not be read: %2.")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return {};
    }
    JournalContents contents = Parse(file.readAll());
    contents.path_ = path;
    return contents;
}

// A row exactly as the log line format writes one: eight fields, each ended by
// the separator (quoted where a field holds one). Anything else was damaged.
bool JournalContents::IsWholeRow(QByteArrayView line, LogLineFormat::RawFields& fields,
                                 QByteArray& scratch) {
    if (line.isEmpty() || line.back() != Separator ||
        LogLineFormat::SplitLine(line, Separator, fields, scratch) != LogLineFormat::FieldCount)
        return false;
    QByteArray again;
    LogLineFormat::AppendRawLine(again, fields, Separator);
    return again.size() == line.size() + 2 && QByteArrayView(again).first(line.size()) == line;
}

JournalContents JournalContents::Parse(const QByteArray& bytes) {
    JournalContents c;
    LogLineFormat::RawFields fields;
    QByteArray scratch;
    c.bytes_ = bytes;
    const char* data = c.bytes_.constData();
    const qsizetype size = c.bytes_.size();
    const qsizetype noteLength = qsizetype(std::strlen(SavedNote));
    qsizetype start = 0;
    while (start < size) {
        const qsizetype end = c.bytes_.indexOf("\r\n", start);
        if (end < 0) {
            ++c.dropped_; // torn: the write of this line never finished
            break;
        }
        const qsizetype length = end - start;
        const char* line = data + start;
        if (IsWholeRow(QByteArrayView(line, length), fields, scratch)) {
            c.rows_.emplace_back(start, length);
        } else if (length > noteLength && std::memcmp(line, SavedNote, size_t(noteLength)) == 0) {
            bool ok = false;
            const long long saved =
                QByteArray::fromRawData(line + noteLength, length - noteLength).toLongLong(&ok);
            if (ok && saved >= 0)
                c.saved_ = std::max(c.saved_, int(std::min<long long>(saved, c.RowCount())));
            else
                ++c.dropped_;
        } else {
            ++c.dropped_;
        }
        start = end + 2;
    }
    return c;
}

LogLineFormat::Fields JournalContents::Row(int index) const {
    const auto [start, length] = rows_.at(size_t(index));
    LogLineFormat::RawFields raw;
    QByteArray scratch;
    LogLineFormat::SplitLine(QByteArrayView(bytes_.constData() + start, length), Separator, raw,
                             scratch);
    // A field's leading byte-order mark is text like any other: kept, so that a
    // row written again reads back the same.
    QStringDecoder decode(QStringConverter::System, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
    LogLineFormat::Fields fields;
    for (int k = 0; k < LogLineFormat::FieldCount; ++k)
        fields[size_t(k)] = decode.decode(raw[size_t(k)]);
    return fields;
}

QString JournalContents::TimeOf(int index) const {
    if (index < 0 || index >= RowCount())
        return {};
    const LogLineFormat::Fields fields = Row(index);
    return fields[0] + QLatin1Char(' ') + fields[1];
}

QString JournalContents::FirstTime() const {
    return TimeOf(0);
}

QString JournalContents::LastTime() const {
    return TimeOf(RowCount() - 1);
}
