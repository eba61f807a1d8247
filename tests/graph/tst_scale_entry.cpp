// SPDX-License-Identifier: GPL-3.0-or-later
// The range dialog's texts and rules: the live graph's limits cut to whole numbers
// for showing and read back as fractions; the log graph's shown as the shortest
// number and read back as whole numbers, swapped when reversed, nothing taken
// when either fails.

#include "graph/scale_entry.h"

#include <QTest>

class ScaleEntryTest : public QObject {
    Q_OBJECT
private slots:
    void texts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("live");
        QTest::addColumn<QString>("log");
        QTest::newRow("99.7") << 99.7 << "99"
                              << "99.7";
        QTest::newRow("1370") << 1370.0 << "1370"
                              << "1370";
        QTest::newRow("-200.9") << -200.9 << "-200"
                                << "-200.9";
        QTest::newRow("-0.5") << -0.5 << "0"
                              << "-0.5";
        QTest::newRow("250.7") << 250.7 << "250"
                               << "250.7";
    }
    void texts() {
        QFETCH(double, value);
        QFETCH(QString, live);
        QFETCH(QString, log);
        QCOMPARE(ScaleEntry::LiveText(value), live);
        QCOMPARE(ScaleEntry::LogText(value, QLocale(QStringLiteral("en_US"))), log);
    }

    void liveValues_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("fraction") << "en_US"
                                  << "99.7" << true << 99.7;
        QTest::newRow("comma locale") << "de_DE"
                                      << "99,7" << true << 99.7;
        QTest::newRow("whole") << "en_US"
                               << " -50 " << true << -50.0;
        QTest::newRow("letters") << "en_US"
                                 << "abc" << false << 0.0;
        QTest::newRow("empty") << "en_US"
                               << "" << false << 0.0;
        QTest::newRow("thousands") << "en_US"
                                   << "1,370" << false << 0.0;
    }
    void liveValues() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        try {
            QCOMPARE(ScaleEntry::LiveValue(text, ScaleEntry::Bound::Maximum, QLocale(locale)),
                     value);
            QVERIFY(ok);
        } catch (const EConvertError& e) {
            QVERIFY(!ok);
            const QString message = QString::fromLocal8Bit(e.what());
            QVERIFY2(message.contains(QStringLiteral("maximum")) &&
                         message.contains(QLatin1Char('"') + text + QLatin1Char('"')),
                     qPrintable(message));
        }
    }

    void logRanges_data() {
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("min");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QString>("failing");
        QTest::newRow("in order") << "500"
                                  << "100" << 100.0 << 500.0 << "";
        QTest::newRow("reversed, swapped") << "100"
                                           << "500" << 100.0 << 500.0 << "";
        QTest::newRow("equal") << "250"
                               << "250" << 250.0 << 250.0 << "";
        QTest::newRow("fraction") << "12.5"
                                  << "0" << 0.0 << 0.0 << "maximum";
        QTest::newRow("minimum fails") << "100"
                                       << "x" << 0.0 << 0.0 << "minimum";
        QTest::newRow("both fail: maximum first") << "a"
                                                  << "b" << 0.0 << 0.0 << "maximum";
    }
    void logRanges() {
        QFETCH(QString, max);
        QFETCH(QString, min);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(QString, failing);
        try {
            const ScaleEntry::Range range = ScaleEntry::LogRange(max, min);
            QVERIFY(failing.isEmpty());
            QCOMPARE(range.min, lower);
            QCOMPARE(range.max, upper);
        } catch (const EConvertError& e) {
            QVERIFY2(QString::fromLocal8Bit(e.what()).contains(failing + QStringLiteral(" \"")),
                     e.what());
            QVERIFY(!failing.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(ScaleEntryTest)
#include "tst_scale_entry.moc"
