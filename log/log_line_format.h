// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one definition of a log file line: table columns 1 to 8 (date, time, the
// two values with their units, type, annunciators), each followed by the
// separator, then CR LF. The separator is a comma for comma-separated files and a
// tab otherwise. Saving, opening and the headless recorder all use it.
//
// A field that would not read back as itself (one holding the separator, or one
// starting with a double quote) is written in double quotes with inner quotes
// doubled, as spreadsheets do; with a comma as decimal separator this keeps 23,5
// one field in a comma-separated file. Reading takes the text after the last
// separator as one more field, so spreadsheet lines without a trailing separator
// keep their last column.

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <array>

namespace LogLineFormat {
constexpr int FieldCount = 8;
using Fields = std::array<QString, FieldCount>;
// Field texts as bytes in the file's encoding.
using RawFields = std::array<QByteArrayView, FieldCount>;

// Writing: a comma when the name's last three characters are "csv" in any case
// (so "datacsv" too), else a tab.
QChar SaveSeparator(const QString& fileName);
// Reading: a comma when the name's extension, from its last dot, is ".csv" in any
// case, else a tab.
QChar OpenSeparator(const QString& fileName);

// What spreadsheets put before the first line of a UTF-8 file; reading skips it.
inline constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// True when the system's 8-bit encoding is UTF-8, so text stored as UTF-8 goes to
// and from files unchanged.
bool LocalIsUtf8();

// Appends one whole line, line end included, in the system's 8-bit encoding.
void AppendLine(QByteArray& out, const Fields& fields, QChar separator);
QByteArray Line(const Fields& fields, QChar separator);
// The same from texts already in the file's encoding.
void AppendRawLine(QByteArray& out, const RawFields& fields, char separator);
// A field in double quotes, inner quotes doubled (RFC 4180).
void AppendQuoted(QByteArray& out, QByteArrayView field);

// Whether a line (its line end removed) lets the reading go on: one without any
// separator, an empty line included, ends it.
bool ContinuesReading(QByteArrayView line, char separator);
// Splits a line (its line end removed) into at most FieldCount fields, quoted
// fields unquoted, and returns how many it holds. Unquoted texts are copied into
// scratch, which the views may point into until the next call.
int SplitLine(QByteArrayView line, char separator, RawFields& fields, QByteArray& scratch);
} // namespace LogLineFormat
