// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One journal file read back: how many rows it holds, each a log file line with
// tabs, how many of its first rows were saved to a file, the times of its first
// and last row, and whether it holds rows restored from other journals. A last
// line without its line end (a power cut in the middle of a write) is dropped,
// and so is any other line that is neither a whole row nor a note; the rows
// around it are kept.
//
// Reading streams: the file is read in blocks, and only regular files are read
// (a FIFO, a device, a folder or a symbolic link is refused at once), so memory
// does not grow with the file. The rows themselves are read again, in order, by
// a RowReader.

#include "log/log_line_format.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class JournalLineSource;

class JournalContents {
public:
    // A save note: "#saved N" and the line end, N rows from the start saved.
    static constexpr char SavedNote[] = "#saved ";
    // A generation that begins with rows restored from other journals names them
    // first ("#restoring" and the file names) and notes their end ("#restored"):
    // a restore that a kill cut short is told from a finished one.
    static constexpr char RestoringNote[] = "#restoring";
    static constexpr char RestoredNote[] = "#restored";
    static constexpr char Separator = '\t';
    // A longer line is no row.
    static constexpr qsizetype MaxLineBytes = 64 * 1024;

    // Reads the file through; on failure, error names the file and the reason.
    static JournalContents Read(const QString& path, QString* error = nullptr);
    static JournalContents Parse(const QByteArray& bytes);

    QString Path() const { return path_; }
    // Read failed because the path is not a regular file.
    bool NotAFile() const { return notAFile_; }
    int RowCount() const { return rows_; }
    int SavedRows() const { return saved_; }
    bool HasUnsaved() const { return RowCount() > saved_; }
    // Date and time of the first and the last row, as the table shows them.
    QString FirstTime() const;
    QString LastTime() const;
    // Lines left out: a torn last line, or damage.
    int DroppedLines() const { return dropped_; }
    // Lines, but no row among them.
    bool Damaged() const { return rows_ == 0 && dropped_ > 0; }
    // The journals (file names) whose rows this one begins with.
    const QStringList& RestoredFrom() const { return restoredFrom_; }
    // Every restored row is in this one.
    bool RestoreComplete() const { return restoreComplete_; }

    // The rows, in order, read again from the file (or the parsed bytes).
    class RowReader {
    public:
        explicit RowReader(const JournalContents& contents);
        ~RowReader();
        RowReader(const RowReader&) = delete;
        RowReader& operator=(const RowReader&) = delete;
        // The next row; false after the last one, or on a failure.
        bool Next(LogLineFormat::Fields& fields);
        // What failed and why, naming the file; empty after a normal end.
        QString Error() const { return error_; }

    private:
        struct Source;
        std::unique_ptr<Source> source_;
        QString path_;
        int left_ = 0;
        QString error_;
    };

private:
    static QString TimeOf(const QByteArray& line);
    // Takes in every line of a source of lines; false when reading it failed.
    bool Scan(JournalLineSource& lines);

    QString path_;
    QByteArray bytes_; // parsed bytes, read again instead of a file
    bool notAFile_ = false;
    int rows_ = 0;
    int saved_ = 0;
    int dropped_ = 0;
    QByteArray first_; // the first and the last row's lines
    QByteArray last_;
    QStringList restoredFrom_;
    bool restoreComplete_ = false;
};
