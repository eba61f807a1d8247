#include "log/journal_contents.h"

#include <QDir>
#include <QFile>
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

JournalContents JournalContents::Parse(const QByteArray& bytes) {
    JournalContents c;
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
        if (length > 0 && line[length - 1] == Separator &&
            std::count(line, line + length, Separator) == LogLineFormat::FieldCount) {
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
    LogLineFormat::Fields fields;
    qsizetype from = rows_.at(size_t(index)).first;
    for (QString& field : fields) {
        const qsizetype tab = bytes_.indexOf(Separator, from);
        field = QString::fromLocal8Bit(bytes_.constData() + from, tab - from);
        from = tab + 1;
    }
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
