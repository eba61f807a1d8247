// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Diagnostics of the program, off by default. QT_LOGGING_RULES turns them on,
// e.g. QT_LOGGING_RULES="brackwater.*=true" or "brackwater.link.info=true".

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLink)   // brackwater.link: port open/close/errors, link lost and back
Q_DECLARE_LOGGING_CATEGORY(lcSearch) // brackwater.search: each port tried, what it answered
Q_DECLARE_LOGGING_CATEGORY(lcSettings) // brackwater.settings: reading and storing the settings
Q_DECLARE_LOGGING_CATEGORY(lcJournal)  // brackwater.journal: journal generations, recovery
Q_DECLARE_LOGGING_CATEGORY(lcPublish)  // brackwater.publish: the broker connection, its failures
