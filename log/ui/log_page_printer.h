// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws rows of the log table as printed pages: the ruling, the header row and
// up to 50 rows on each page, at the positions of the print layout scaled to the
// device's resolution. The fonts keep their point sizes on any device.

#include "log/log_row_range.h"

#include <QFont>
#include <functional>

class LogPrintLayout;
class LogTable;
class QPainter;

namespace LogPagePrinter {
// The header in Arial 12 point, the rows in the window's 8-point sans serif.
QFont HeaderFont();
QFont RowFont();

// The ruling of one page.
void DrawPrintPage(QPainter& painter, const LogPrintLayout& layout);

// Prints rows of the range, starting a page every 50 rows with newPage (not
// before the first); progress is told the rows printed after each row and
// returns false to stop. Returns the pages drawn.
int Print(QPainter& painter, const LogTable& table, RowRange range,
          const std::function<bool()>& newPage, const std::function<bool(int rows)>& progress);
} // namespace LogPagePrinter
