// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language follows the locale, with Qt's own texts in the same language,
// and English (with its plural forms) for every language without a translation.
#include "base/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTest>

class TstTranslations : public QObject {
    Q_OBJECT
private slots:
    void languageFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de_DE"
                                << "de";
        QTest::newRow("Austrian German") << "de_AT"
                                         << "de";
        QTest::newRow("Spanish") << "es_MX"
                                 << "es";
        QTest::newRow("French has none") << "fr_FR"
                                         << "en";
        QTest::newRow("C") << "C"
                           << "en";
        QTest::newRow("English") << "en_GB"
                                 << "en";
    }
    void languageFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(InstallTranslations(QLocale(locale)), language);
    }

    void qtsOwnTextsComeInTheSameLanguage() {
        const QString qtbase =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
        if (!QFile::exists(qtbase))
            QSKIP("Qt's German translations are not installed");
        InstallTranslations(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
        InstallTranslations(QLocale(QStringLiteral("fr_FR")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void cleanupTestCase() { InstallTranslations(QLocale(QStringLiteral("en"))); }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
