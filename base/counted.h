// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A count with its noun in the right number, for messages: "1 row", "0 rows", "2 rows".

#include <QString>

inline QString Counted(qint64 count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}
