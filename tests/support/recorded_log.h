// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A log table as a two-channel meter records it, one row a second from 6 December
// 2026 10:00 in the C locale: rising main values with the odd overload, second
// values below and above zero, annunciators now and then.

class LogTable;

void RecordLog(LogTable& table, int rows);
