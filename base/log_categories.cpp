// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/log_categories.h"

// Messages are written at info level, which these categories leave off by default.
Q_LOGGING_CATEGORY(lcLink, "brackwater.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSearch, "brackwater.search", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "brackwater.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcJournal, "brackwater.journal", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPublish, "brackwater.publish", QtWarningMsg)
