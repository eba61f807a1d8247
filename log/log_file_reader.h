// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a log file into rows of the log table. Lines end with LF or CR LF;
// fields go into columns 1 to 8 in order, quoted ones unquoted; a line without
// any separator, an empty one included, ends the reading. A line longer than
// MaxLineBytes ends it too (a binary file is not read into memory whole), and
// the rows before it stay. Rows go straight into compact storage.
//
// Only regular files are opened (a FIFO or a device would block the reader),
// and a file holding NUL bytes (a binary file, UTF-16 text) is refused as not a
// text log. A failed or refused reading is reported as such: its rows are not
// meant to be used.

#include "log/log_row_store.h"
#include "platform/checked_file.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <functional>

class LogFileReader {
    Q_DECLARE_TR_FUNCTIONS(LogFileReader)

public:
    static constexpr qsizetype MaxLineBytes = 64 * 1024;
    // Told the number of rows read so far now and then; false cancels.
    using Progress = std::function<bool(int rows)>;

    explicit LogFileReader(QChar separator);

    // Opens the file; false with ErrorText() when it cannot be read or is not a
    // regular file.
    bool Open(const QString& fileName);
    // Reads the opened file to its end or to a line that ends the reading. False
    // with ErrorText() when reading failed or the file is not a text log.
    bool ReadAll(const Progress& progress = {});

    // The parsing itself, for bytes from anywhere: the next bytes of the file, and
    // the end of the file (a last line without a line end counts).
    void Feed(QByteArrayView bytes);
    void Finish();

    // The content of the file stopped the reading before its end.
    bool Ended() const { return ended_; }
    // The bytes are not a text log: NUL bytes, or a UTF-16 byte order mark.
    bool NotText() const { return !notText_.isEmpty(); }
    bool Cancelled() const { return cancelled_; }
    // The number (from 1) of a line longer than MaxLineBytes that ended the reading, or 0.
    int LongLine() const { return longLine_; }
    QString ErrorText() const { return error_; }
    int RowCount() const { return rows_.Count(); }
    LogRowStore TakeRows() { return std::move(rows_); }

private:
    void TakeLine(QByteArrayView line);

    char separator_;
    RegularFileReader file_;
    QString fileName_;
    QString notText_; // why the bytes are not a text log
    LogRowStore rows_;
    QByteArray pending_; // the start of a line whose end has not come yet
    QByteArray scratch_;
    QByteArray converted_;
    int lines_ = 0;
    int longLine_ = 0;
    bool ended_ = false;
    bool cancelled_ = false;
    QString error_;
};
