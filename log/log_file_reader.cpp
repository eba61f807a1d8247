// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_file_reader.h"

#include "log/log_line_format.h"

#include <cstring>

namespace {
constexpr qsizetype BlockBytes = 1 << 20;
} // namespace

LogFileReader::LogFileReader(QChar separator) : separator_(separator.toLatin1()) {}

bool LogFileReader::Open(const QString& fileName) {
    fileName_ = fileName;
    if (!file_.Open(fileName)) {
        error_ =
            tr("The log file \"%1\" could not be opened: %2.").arg(fileName, file_.ErrorText());
        return false;
    }
    return true;
}

bool LogFileReader::ReadAll(const Progress& progress) {
    QByteArray block(BlockBytes, Qt::Uninitialized);
    while (!ended_) {
        const qint64 n = file_.Read(block.data(), block.size());
        if (n < 0) {
            error_ =
                tr("The log file \"%1\" could not be read: %2.").arg(fileName_, file_.ErrorText());
            return false;
        }
        if (n == 0)
            break;
        Feed(QByteArrayView(block.data(), n));
        if (NotText())
            break;
        if (progress && !progress(rows_.Count())) {
            cancelled_ = true;
            return true;
        }
    }
    if (NotText()) {
        error_ = tr("The log file \"%1\" could not be opened: it is not a text log (%2).")
                     .arg(fileName_, notText_);
        return false;
    }
    Finish();
    return true;
}

void LogFileReader::Feed(QByteArrayView bytes) {
    if (ended_)
        return;
    // Text never holds a NUL byte; binary files and UTF-16 text do.
    if (std::memchr(bytes.data(), '\0', bytes.size())) {
        notText_ = tr("it holds NUL bytes");
        ended_ = true;
        return;
    }
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end && !ended_) {
        const auto* lineEnd = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!lineEnd) {
            // Room for a CR before the LF still to come.
            if (pending_.size() + (end - p) > MaxLineBytes + 1) {
                longLine_ = lines_ + 1;
                ended_ = true;
                return;
            }
            pending_.append(p, end - p);
            return;
        }
        if (pending_.isEmpty()) {
            TakeLine(QByteArrayView(p, lineEnd - p));
        } else {
            pending_.append(p, lineEnd - p);
            TakeLine(pending_);
            pending_.resize(0);
        }
        p = lineEnd + 1;
    }
}

void LogFileReader::Finish() {
    if (!ended_ && !pending_.isEmpty())
        TakeLine(pending_);
    pending_.clear();
}

void LogFileReader::TakeLine(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() > MaxLineBytes) {
        longLine_ = lines_ + 1;
        ended_ = true;
        return;
    }
    if (lines_ == 0 && line.startsWith(LogLineFormat::Utf8Bom))
        line = line.sliced(LogLineFormat::Utf8Bom.size());
    if (lines_ == 0 && (line.startsWith("\xFF\xFE") || line.startsWith("\xFE\xFF"))) {
        notText_ = tr("it is UTF-16 text");
        ended_ = true;
        return;
    }
    if (!LogLineFormat::ContinuesReading(line, separator_)) {
        ended_ = true;
        return;
    }
    ++lines_;
    LogLineFormat::RawFields fields;
    const int count = LogLineFormat::SplitLine(line, separator_, fields, scratch_);
    for (int k = count; k < LogLineFormat::FieldCount; ++k)
        fields[k] = {};
    if (!LogLineFormat::LocalIsUtf8()) {
        // The store keeps UTF-8; convert each field once, all into one buffer.
        converted_.resize(0);
        std::array<qsizetype, LogLineFormat::FieldCount + 1> starts{};
        for (int k = 0; k < LogLineFormat::FieldCount; ++k) {
            converted_ += QString::fromLocal8Bit(fields[k]).toUtf8();
            starts[k + 1] = converted_.size();
        }
        for (int k = 0; k < LogLineFormat::FieldCount; ++k)
            fields[k] = QByteArrayView(converted_).sliced(starts[k], starts[k + 1] - starts[k]);
    }
    rows_.AppendRaw(fields);
}
