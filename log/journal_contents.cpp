// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/journal_contents.h"

#include "platform/checked_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace {
constexpr qsizetype ReadBytes = 1 << 20;

QString CannotRead(const QString& path, const QString& reason) {
    return QCoreApplication::translate("JournalContents",
                                       "The journal \"%1\" could not be read: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

enum class LineKind { Row, Saved, Restoring, Restored, Other };

// A row exactly as the log line format writes one: eight fields, each ended by
// the separator (quoted where a field holds one). Anything else was damaged.
bool IsWholeRow(QByteArrayView line, LogLineFormat::RawFields& fields, QByteArray& scratch) {
    constexpr char separator = JournalContents::Separator;
    if (line.size() < LogLineFormat::FieldCount || line.back() != separator ||
        LogLineFormat::SplitLine(line, separator, fields, scratch) != LogLineFormat::FieldCount)
        return false;
    QByteArray again;
    LogLineFormat::AppendRawLine(again, fields, separator);
    return again.size() == line.size() + 2 && QByteArrayView(again).first(line.size()) == line;
}

LineKind Classify(QByteArrayView line, LogLineFormat::RawFields& fields, QByteArray& scratch) {
    if (!line.startsWith('#'))
        return IsWholeRow(line, fields, scratch) ? LineKind::Row : LineKind::Other;
    if (line.startsWith(JournalContents::SavedNote))
        return LineKind::Saved;
    if (line == QByteArrayView(JournalContents::RestoredNote))
        return LineKind::Restored;
    if (line.startsWith(JournalContents::RestoringNote) &&
        line.sliced(qsizetype(std::strlen(JournalContents::RestoringNote))).startsWith(' '))
        return LineKind::Restoring;
    return LineKind::Other;
}

LogLineFormat::Fields Decode(const LogLineFormat::RawFields& raw) {
    // A field's leading byte-order mark is text like any other: kept, so that a
    // row written again reads back the same.
    QStringDecoder decode(QStringConverter::System, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
    LogLineFormat::Fields fields;
    for (int k = 0; k < LogLineFormat::FieldCount; ++k)
        fields[size_t(k)] = decode.decode(raw[size_t(k)]);
    return fields;
}
} // namespace

// Lines ending in CR LF, from a file read in blocks or from bytes in memory. An
// unfinished line is kept only up to the longest a row may be.
class JournalLineSource {
public:
    enum class Kind { Line, Damaged, End, Failed };

    bool OpenFile(const QString& path) {
        if (!reader_.Open(path, RegularFileReader::Links::Refuse))
            return false;
        buffer_.resize(JournalContents::MaxLineBytes + ReadBytes + 1);
        return true;
    }
    void OpenBytes(const QByteArray& bytes) {
        buffer_ = bytes;
        filled_ = bytes.size();
        ended_ = true;
    }
    const RegularFileReader& Reader() const { return reader_; }

    // The next line, its line end removed, valid until the next call.
    Kind Next(QByteArrayView& line) {
        for (;;) {
            const char* data = buffer_.constData();
            if (scan_ < filled_) {
                const auto* found = static_cast<const char*>(
                    std::memchr(data + scan_, '\n', size_t(filled_ - scan_)));
                if (found) {
                    const qsizetype end = found - data;
                    scan_ = end + 1;
                    // A line feed alone belongs to the line.
                    if (end == start_ || data[end - 1] != '\r')
                        continue;
                    line = QByteArrayView(data + start_, end - 1 - start_);
                    start_ = scan_;
                    if (std::exchange(skipping_, false) ||
                        line.size() > JournalContents::MaxLineBytes)
                        return Kind::Damaged;
                    return Kind::Line;
                }
                scan_ = filled_;
            }
            if (ended_) {
                // A last line without its end: torn.
                if (start_ < filled_ || skipping_) {
                    start_ = scan_ = filled_;
                    skipping_ = false;
                    return Kind::Damaged;
                }
                return Kind::End;
            }
            if (!Fill())
                return Kind::Failed;
        }
    }

private:
    bool Fill() {
        if (filled_ - start_ > JournalContents::MaxLineBytes) {
            // Too long for a row: dropped up to its end, but for its last byte,
            // which may be the CR of that end.
            skipping_ = true;
            start_ = filled_ - 1;
        }
        if (start_ > 0) {
            char* data = buffer_.data();
            std::memmove(data, data + start_, size_t(filled_ - start_));
            filled_ -= start_;
            scan_ -= start_;
            start_ = 0;
        }
        const qint64 n = reader_.Read(buffer_.data() + filled_, ReadBytes);
        if (n < 0)
            return false;
        if (n == 0)
            ended_ = true;
        filled_ += n;
        return true;
    }

    RegularFileReader reader_;
    QByteArray buffer_;
    qsizetype start_ = 0; // the line being read
    qsizetype scan_ = 0;  // searched up to here
    qsizetype filled_ = 0;
    bool ended_ = false;
    bool skipping_ = false;
};

JournalContents JournalContents::Read(const QString& path, QString* error) {
    JournalContents c;
    c.path_ = path;
    JournalLineSource source;
    if (!source.OpenFile(path)) {
        c.notAFile_ = source.Reader().NotAFile();
        if (error)
            *error = CannotRead(path, source.Reader().ErrorText());
        return c;
    }
    if (!c.Scan(source)) {
        if (error)
            *error = CannotRead(path, source.Reader().ErrorText());
        return {};
    }
    return c;
}

JournalContents JournalContents::Parse(const QByteArray& bytes) {
    JournalContents c;
    JournalLineSource source;
    source.OpenBytes(bytes);
    c.Scan(source);
    c.bytes_ = bytes;
    return c;
}

bool JournalContents::Scan(JournalLineSource& source) {
    LogLineFormat::RawFields fields;
    QByteArray scratch;
    QByteArrayView line;
    for (;;) {
        switch (source.Next(line)) {
        case JournalLineSource::Kind::End:
            return true;
        case JournalLineSource::Kind::Failed:
            return false;
        case JournalLineSource::Kind::Damaged:
            ++dropped_;
            continue;
        case JournalLineSource::Kind::Line:
            break;
        }
        switch (Classify(line, fields, scratch)) {
        case LineKind::Row:
            if (rows_ == 0)
                first_ = line.toByteArray();
            last_.resize(0); // keeps its room: no allocation per row
            last_.append(line);
            ++rows_;
            break;
        case LineKind::Saved: {
            bool ok = false;
            const qint64 saved =
                line.sliced(qsizetype(std::strlen(SavedNote))).toByteArray().toLongLong(&ok);
            if (ok && saved >= 0)
                saved_ = std::max(saved_, int(std::min<qint64>(saved, rows_)));
            else
                ++dropped_;
            break;
        }
        case LineKind::Restoring:
            if (rows_ == 0 && restoredFrom_.isEmpty())
                restoredFrom_ =
                    QString::fromUtf8(line.sliced(qsizetype(std::strlen(RestoringNote))))
                        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            break;
        case LineKind::Restored:
            restoreComplete_ = !restoredFrom_.isEmpty();
            break;
        case LineKind::Other:
            ++dropped_;
            break;
        }
    }
}

QString JournalContents::TimeOf(const QByteArray& line) {
    if (line.isEmpty())
        return {};
    LogLineFormat::RawFields raw;
    QByteArray scratch;
    LogLineFormat::SplitLine(line, Separator, raw, scratch);
    const LogLineFormat::Fields fields = Decode(raw);
    return fields[0] + QLatin1Char(' ') + fields[1];
}

QString JournalContents::FirstTime() const {
    return TimeOf(first_);
}

QString JournalContents::LastTime() const {
    return TimeOf(last_);
}

struct JournalContents::RowReader::Source {
    JournalLineSource lines;
    LogLineFormat::RawFields fields;
    QByteArray scratch;
};

JournalContents::RowReader::RowReader(const JournalContents& contents)
    : source_(std::make_unique<Source>()), left_(contents.RowCount()) {
    if (contents.path_.isEmpty()) {
        source_->lines.OpenBytes(contents.bytes_);
    } else if (!source_->lines.OpenFile(contents.path_)) {
        error_ = CannotRead(contents.path_, source_->lines.Reader().ErrorText());
        left_ = 0;
    }
    path_ = contents.path_;
}

JournalContents::RowReader::~RowReader() = default;

bool JournalContents::RowReader::Next(LogLineFormat::Fields& fields) {
    QByteArrayView line;
    while (left_ > 0) {
        switch (source_->lines.Next(line)) {
        case JournalLineSource::Kind::Line:
            if (Classify(line, source_->fields, source_->scratch) == LineKind::Row) {
                --left_;
                fields = Decode(source_->fields);
                return true;
            }
            break;
        case JournalLineSource::Kind::Damaged:
            break;
        case JournalLineSource::Kind::Failed:
            error_ = CannotRead(path_, source_->lines.Reader().ErrorText());
            left_ = 0;
            return false;
        case JournalLineSource::Kind::End:
            error_ = CannotRead(
                path_, QCoreApplication::translate(
                           "JournalContents", "it holds fewer rows than when it was read first"));
            left_ = 0;
            return false;
        }
    }
    return false;
}
