// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program in the user's language: its own texts and Qt's (standard buttons and
// dialogs), chosen from the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) as
// soon as the application object exists, in every program that links the core.
// English is the source text; its plural forms ("1 row", "2 rows") come from the
// English translation, which is also what any language without one gets.

#include <QLocale>
#include <QString>

// Replaces the translations in use with those for the locale's languages.
// Returns the language of the program's own texts that was chosen ("de", "es", "en").
QString InstallTranslations(const QLocale& locale = QLocale::system());
