// Finding the help page and its sections.
#include "app/help.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void MissingPageGivesNoAddress() {
        QTemporaryDir dir;
        QVERIFY(HelpPageUrl(dir.path(), QStringLiteral("Hlp_Graph")).isEmpty());
    }

    void AddressCarriesTheTopic() {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/help dir #1-XXXXXX"));
        QFile page(dir.filePath(QStringLiteral("BrackWater.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        const QUrl url = HelpPageUrl(dir.path(), QStringLiteral("Hlp_RT_Graph"));
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), QFileInfo(page).absoluteFilePath());
        QCOMPARE(url.fragment(), QStringLiteral("Hlp_RT_Graph"));
        QVERIFY(!HelpPageUrl(dir.path()).hasFragment());
    }

    void ShippedPageHasEveryTopic() {
        const QString path = QFINDTESTDATA("../../resources/BrackWater.htm");
        QFile page(path);
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(path));
        const QString html = QString::fromUtf8(page.readAll());
        for (const char* topic : {"Hlp_Link_Test", "Hlp_Tabular1", "Hlp_RT_Graph", "Hlp_Graph"}) {
            const QRegularExpression anchor(QStringLiteral("id=\"%1\"").arg(QLatin1String(topic)));
            QVERIFY2(html.contains(anchor), topic);
        }
        // Every link inside the page leads somewhere in it.
        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        for (const auto& m : link.globalMatch(html)) {
            const QString target = QStringLiteral("id=\"%1\"").arg(m.captured(1));
            QVERIFY2(html.contains(target), qPrintable(m.captured(1)));
        }
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
