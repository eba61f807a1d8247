// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A journal's rows in memory, for tests that compare them.

#include "log/journal_contents.h"

#include <QList>

// Every row, in order; a read failure fails the test's comparison with an empty list.
QList<LogLineFormat::Fields> RowsOf(const JournalContents& journal);
