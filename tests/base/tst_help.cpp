// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the help page and its sections.
#include "base/help_page.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    // The program in <prefix>/bin: the page beside it (a build folder), else the
    // installed one in <prefix>/share/brackwater.
    void FindsThePage_data() {
        QTest::addColumn<QString>("beside"); // "file", "folder" or "" for nothing
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("found"); // relative to the prefix; empty for no address
        QTest::newRow("nowhere") << "" << false << "";
        QTest::newRow("build folder") << "file" << false << "bin/BrackWater.htm";
        QTest::newRow("installed") << "" << true << "share/brackwater/BrackWater.htm";
        QTest::newRow("beside first") << "file" << true << "bin/BrackWater.htm";
        QTest::newRow("folder of that name")
            << "folder" << true << "share/brackwater/BrackWater.htm";
    }
    void FindsThePage() {
        QFETCH(QString, beside);
        QFETCH(bool, installed);
        QTemporaryDir prefix(QDir::tempPath() + QStringLiteral("/help dir #1-XXXXXX"));
        QDir dir(prefix.path());
        QVERIFY(dir.mkpath(QStringLiteral("bin")));
        QVERIFY(dir.mkpath(QStringLiteral("share/brackwater")));
        const auto touch = [&](const QString& path) {
            QFile page(dir.filePath(path));
            return page.open(QIODevice::WriteOnly);
        };
        if (beside == QLatin1String("file"))
            QVERIFY(touch(QStringLiteral("bin/BrackWater.htm")));
        if (beside == QLatin1String("folder"))
            QVERIFY(dir.mkpath(QStringLiteral("bin/BrackWater.htm")));
        if (installed)
            QVERIFY(touch(QStringLiteral("share/brackwater/BrackWater.htm")));

        const QString program = dir.filePath(QStringLiteral("bin"));
        const QUrl url = HelpPageUrl(program, QStringLiteral("Hlp_RT_Graph"));
        QFETCH(QString, found);
        if (found.isEmpty()) {
            QVERIFY(url.isEmpty());
            return;
        }
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), QFileInfo(dir.filePath(found)).absoluteFilePath());
        QCOMPARE(url.fragment(), QStringLiteral("Hlp_RT_Graph"));
        QVERIFY(!HelpPageUrl(program).hasFragment());
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
