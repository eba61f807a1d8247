#pragma once
// The one definition of a log file line: table columns 1 to 8 (date, time, the
// two values with their units, type, annunciators), each followed by the
// separator, then CR LF. The separator is a comma for comma-separated files and a
// tab otherwise. Saving, opening and the headless recorder all use it.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <array>

namespace LogLineFormat {
constexpr int FieldCount = 8;
using Fields = std::array<QString, FieldCount>;

// Writing: a comma when the name's last three characters are "csv" in any case
// (so "datacsv" too), else a tab.
QChar SaveSeparator(const QString& fileName);
// Reading: a comma when the name's extension, from its last dot, is ".csv" in any
// case, else a tab.
QChar OpenSeparator(const QString& fileName);

// Appends one whole line, line end included, in the system's 8-bit encoding.
void AppendLine(QByteArray& out, const Fields& fields, QChar separator);
QByteArray Line(const Fields& fields, QChar separator);
} // namespace LogLineFormat
