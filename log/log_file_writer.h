#pragma once
// Writes rows to a log file the user chose, in the log file format (the separator
// by the file's name), whole or not at all: an existing file is replaced only
// once every row is written.

#include "log/log_line_format.h"

#include <QString>
#include <functional>

// Writes count rows taken from row(0) to row(count - 1). Returns an empty text on
// success, else a message naming the file and the reason.
QString WriteLogFile(const QString& path, int count,
                     const std::function<LogLineFormat::Fields(int index)>& row);
