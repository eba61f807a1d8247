// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_row_range.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

namespace LogRowRange {
namespace {
std::optional<int> RowNumber(Rule rule, const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    if (rule == Rule::Save)
        return value == INT_MIN ? INT_MAX : std::abs(value);
    return value;
}
} // namespace

std::optional<RowRange> Resolve(Rule rule, bool all, const QString& from, const QString& to,
                                int lastRow) {
    if (all)
        return RowRange{1, lastRow};
    const std::optional<int> first = RowNumber(rule, from);
    const std::optional<int> last = RowNumber(rule, to);
    if (!first || !last)
        return std::nullopt;
    RowRange range{*first, *last};
    if (range.From > range.To)
        std::swap(range.From, range.To);
    range.To = std::min(range.To, lastRow);
    // Rows before row 1 hold no data: a negative start prints from row 1 as 0 does.
    if (range.From < 1)
        range.From = 1;
    return range;
}
} // namespace LogRowRange
