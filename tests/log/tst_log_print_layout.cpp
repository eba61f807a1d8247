// The printed page's arithmetic: the design's 600-dpi positions scaled to the
// printer, so the frame measures 7.25 by 8.75 inches at any resolution.
#include "log/log_print_layout.h"

#include <QTest>

class TestLogPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void scaled_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300") << 300;
        QTest::newRow("600") << 600;
        QTest::newRow("1200") << 1200;
    }
    void scaled() {
        QFETCH(int, dpi);
        const LogPrintLayout layout(dpi);
        const QRect frame = layout.Frame();
        QCOMPARE(frame.left(), 150 * dpi / 600);
        QCOMPARE(frame.top(), 250 * dpi / 600);
        QCOMPARE(double(frame.width()) / dpi, 7.25);
        QCOMPARE(double(frame.height()) / dpi, 8.75);
        QCOMPARE(layout.FramePenWidth(), 20 * dpi / 600);
        const QList<QLine> rules = layout.Rules();
        QCOMPARE(rules.size(), 2 + 49 + 8);
        int horizontal = 0;
        for (const QLine& line : rules) {
            if (line.dy() == 0) {
                ++horizontal;
                QCOMPARE(line.x1(), frame.left());
                QCOMPARE(line.x2(), frame.left() + frame.width());
            } else {
                QCOMPARE(line.y1(), frame.top());
                QCOMPARE(line.y2(), frame.top() + frame.height());
            }
        }
        QCOMPARE(horizontal, 51);
        QCOMPARE(rules[1].y1() - rules[0].y1(), 10 * dpi / 600); // the double line
        QCOMPARE(rules[2].y1(), 570 * dpi / 600);
        QCOMPARE(rules[50].y1(), 5370 * dpi / 600);
        QCOMPARE(rules.back().x1(), 3650 * dpi / 600);
        // Row bands a sixth of an inch apart, the last row in the last band.
        QCOMPARE(double(layout.RowY(1) - layout.RowY(0)) / dpi, 1.0 / 6);
        QCOMPARE(layout.RowY(49), 5400 * dpi / 600);
        QCOMPARE(layout.HeaderY(), 320 * dpi / 600);
        QCOMPARE(layout.HeaderX(1), 630 * dpi / 600);
        QCOMPARE(layout.RowX(3), 1650 * dpi / 600);
        QCOMPARE(layout.HeaderX(8), 3750 * dpi / 600);
    }

    void pages() {
        QCOMPARE(LogPrintLayout::PageCount(0), 0);
        QCOMPARE(LogPrintLayout::PageCount(1), 1);
        QCOMPARE(LogPrintLayout::PageCount(50), 1);
        QCOMPARE(LogPrintLayout::PageCount(51), 2);
        QCOMPARE(LogPrintLayout::PageCount(10000), 200);
    }
};

QTEST_GUILESS_MAIN(TestLogPrintLayout)
#include "tst_log_print_layout.moc"
