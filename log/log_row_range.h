// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows a save or a print covers, from the range dialog's choice. Both take
// "All" as every row and put a reversed range in order, cut the end at the last
// row and raise 0 to 1; saving takes each typed number as its absolute value,
// printing takes them as typed and starts at row 1 at the earliest.

#include <QString>
#include <optional>

struct RowRange {
    int From = 1;
    int To = 0;
    bool Empty() const { return From > To; }
    int Count() const { return Empty() ? 0 : To - From + 1; }
};

namespace LogRowRange {
enum class Rule { Save, Print };

// lastRow is the table's last data row (RowCount - 1). No value when a typed
// number is not an integer: the caller shows "invalid integer".
std::optional<RowRange> Resolve(Rule rule, bool all, const QString& from, const QString& to,
                                int lastRow);
} // namespace LogRowRange
