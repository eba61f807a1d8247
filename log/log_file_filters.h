// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-type lists of the log's save and open dialogs, chosen by the decimal
// separator each time a dialog opens: with a decimal comma the comma-separated
// type is not offered. Each entry is a Qt name filter whose text before the last
// parenthesis is the shown name; the patterns match either case, as the file
// systems the names came from did.

#include <QStringList>

namespace LogFileFilters {
QStringList Save(const QString& decimalPoint);
QStringList Open(const QString& decimalPoint);
// The shown name of a filter, as the dialog lists it.
QString DisplayText(const QString& filter);
} // namespace LogFileFilters
