// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_file_filters.h"

#include <QCoreApplication>

namespace LogFileFilters {
namespace {
// Only the shown name is translated: the patterns after it are what the dialog matches.
QString Filter(const char* name, QLatin1StringView patterns,
               QLatin1StringView gap = QLatin1StringView(" ")) {
    return QCoreApplication::translate("LogFileFilters", name) + gap + QLatin1Char('(') + patterns +
           QLatin1Char(')');
}

QString Txt(QLatin1StringView gap = QLatin1StringView(" ")) {
    return Filter(QT_TRANSLATE_NOOP("LogFileFilters", "TXT file(*.txt,data seperated by tab)"),
                  QLatin1StringView("*.txt *.TXT"), gap);
}
QString Csv() {
    return Filter(
        QT_TRANSLATE_NOOP("LogFileFilters", "EXCEL file format(*.CSV,seperated by comma)"),
        QLatin1StringView("*.csv *.CSV"));
}
QString All() {
    return Filter(QT_TRANSLATE_NOOP("LogFileFilters", "All files (*.*)"), QLatin1StringView("*"));
}
} // namespace

QStringList Save(const QString& decimalPoint) {
    if (decimalPoint == QLatin1String(","))
        return {Txt(QLatin1StringView("  ")), All()};
    return {Txt(), Csv(), All()};
}

QStringList Open(const QString& decimalPoint) {
    if (decimalPoint == QLatin1String(","))
        return {Txt(), Filter(QT_TRANSLATE_NOOP("LogFileFilters", "All files(*.*)"),
                              QLatin1StringView("*"))};
    return {Txt(), Csv(), All()};
}

QString DisplayText(const QString& filter) {
    return filter.left(filter.lastIndexOf(QLatin1String(" (")));
}
} // namespace LogFileFilters
