// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_file_filters.h"

namespace LogFileFilters {
namespace {
const QString Txt = QStringLiteral("TXT file(*.txt,data seperated by tab) (*.txt *.TXT)");
const QString Csv = QStringLiteral("EXCEL file format(*.CSV,seperated by comma) (*.csv *.CSV)");
const QString All = QStringLiteral("All files (*.*) (*)");
} // namespace

QStringList Save(const QString& decimalPoint) {
    if (decimalPoint == QLatin1String(","))
        return {QStringLiteral("TXT file(*.txt,data seperated by tab)  (*.txt *.TXT)"), All};
    return {Txt, Csv, All};
}

QStringList Open(const QString& decimalPoint) {
    if (decimalPoint == QLatin1String(","))
        return {Txt, QStringLiteral("All files(*.*) (*)")};
    return {Txt, Csv, All};
}

QString DisplayText(const QString& filter) {
    return filter.left(filter.lastIndexOf(QLatin1String(" (")));
}
} // namespace LogFileFilters
