// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {
// Installed translators, owned here so a second call replaces them.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

void Install(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
}

// At the application object's creation, so no text is made before the language is known.
void InstallAtStart() {
    InstallTranslations();
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallAtStart)

QString InstallTranslations(const QLocale& locale) {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();

    auto own = std::make_unique<QTranslator>();
    const QString folder = QStringLiteral(":/i18n");
    if (!own->load(locale, QStringLiteral("brackwater"), QStringLiteral("_"), folder) &&
        !own->load(QStringLiteral("brackwater_en"), folder))
        return {};
    const QString language = own->language().section(QLatin1Char('_'), 0, 0);
    Install(std::move(own));
    // Qt's own texts (standard buttons, file dialogs) only for the language chosen above,
    // so that a dialog never mixes two languages.
    if (language != QLatin1String("en")) {
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const char* module : {"qtbase", "qtserialport"}) {
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QLatin1String(module) + QLatin1Char('_') + language, qtFolder))
                Install(std::move(qt));
        }
    }
    return language;
}
