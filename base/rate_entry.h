// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sampling-rate entries of the log and live-graph windows. Their text is
// "  MM : SS  " (edit mask, literals kept); minutes and seconds are each capped
// at 60, so the longest rate is 3660 seconds.

#include <QString>
#include <cstdint>

struct RateEntry {
    int32_t Rate = 0;     // seconds between samples
    bool Rewrite = false; // a field was unreadable or above 60
    QString Text;         // the corrected text, when Rewrite
};

// The input mask of the entries: two digits of minutes and of seconds, blanks shown as '_'.
extern const QString RateEntryMask;

// Reads the entry's displayed text, literals and blank markers included.
RateEntry ParseRateEntry(const QString& text);

// The text a window writes into its entry for a rate; only the last two digits of
// each field survive, so rates above 3660 come back smaller once read.
QString RateEntryText(int32_t rate);
