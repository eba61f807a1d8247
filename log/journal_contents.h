#pragma once
// One journal file read back: the rows it holds, each a log file line with tabs,
// and how many of its first rows were saved to a file. A last line without its
// line end (a power cut in the middle of a write) is dropped, and so is any other
// line that is neither a whole row nor a save note; the rows around it are kept.

#include "log/log_line_format.h"

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

class JournalContents {
public:
    // A save note: "#saved N" and the line end, N rows from the start saved.
    static constexpr char SavedNote[] = "#saved ";
    static constexpr char Separator = '\t';

    // Reads the whole file; on failure, error names the file and the reason.
    static JournalContents Read(const QString& path, QString* error = nullptr);
    static JournalContents Parse(const QByteArray& bytes);

    QString Path() const { return path_; }
    int RowCount() const { return int(rows_.size()); }
    LogLineFormat::Fields Row(int index) const;
    int SavedRows() const { return saved_; }
    bool HasUnsaved() const { return RowCount() > saved_; }
    // Date and time of the first and the last row, as the table shows them.
    QString FirstTime() const;
    QString LastTime() const;
    // Lines left out: a torn last line, or damage.
    int DroppedLines() const { return dropped_; }

private:
    QString TimeOf(int index) const;

    static bool IsWholeRow(QByteArrayView line, LogLineFormat::RawFields& fields,
                           QByteArray& scratch);

    QString path_;

    QByteArray bytes_;
    std::vector<std::pair<qsizetype, qsizetype>> rows_; // start and length, line end excluded
    int saved_ = 0;
    int dropped_ = 0;
};
