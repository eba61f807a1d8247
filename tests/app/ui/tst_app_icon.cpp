// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon compiled into the program for its windows and tray: it
// must render, with its parts visible, at every size a desktop asks for.
#include <QIcon>
#include <QImage>
#include <QTest>

class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void rendersAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 256})
            QTest::addRow("%d px", size) << size;
    }
    void rendersAtEverySize() {
        QFETCH(int, size);
        const QIcon icon(QStringLiteral(":/brackwater.svg"));
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // Rounded corners stay clear; the tile, the white thermometer and the red
        // reading must all show.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        int opaque = 0, white = 0, red = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                opaque += c.alpha() > 128;
                white += c.red() > 230 && c.green() > 230 && c.blue() > 230;
                red += c.red() > 200 && c.green() < 120 && c.blue() < 90;
            }
        }
        QVERIFY2(opaque > size * size * 3 / 4, qPrintable(QString::number(opaque)));
        QVERIFY2(white >= size * size / 20, qPrintable(QString::number(white)));
        QVERIFY2(red >= size * size / 30, qPrintable(QString::number(red)));
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"
