// The log grid while recording: an append repaints the new row only, the rows
// above move as pixels, and what the screen shows is what a full repaint shows.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_window.h"
#include "support/far_end.h"
#include "support/scratch_settings.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QScreen>
#include <QTableView>
#include <QTest>

namespace {
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
} // namespace

class TestLogGrid : public QObject {
    Q_OBJECT
private slots:
    void appendRepaintsTheNewRow_data() {
        QTest::addColumn<int>("rowsBefore");
        QTest::newRow("grid not yet full") << 3;
        QTest::newRow("grid scrolling") << 200;
    }
    void appendRepaintsTheNewRow() {
        QFETCH(int, rowsBefore);
        ScratchSettings settings;
        auto session = settings.Session(303);
        TfrmList list(*session);
        list.InitLogTable();
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const double t0 = CurrentDayCount();
        for (int i = 0; i < rowsBefore; ++i)
            session->AppendLogRow(t0 + i / 86400.0);
        QTest::qWait(100); // the grid's own delayed layouts settle

        QWidget* cells = list.Grid1->viewport();
        QWidget* numbers = list.Grid1->verticalHeader()->viewport();
        PaintSpy cellPaint(cells);
        PaintSpy numberPaint(numbers);
        for (int i = 0; i < 5; ++i) {
            // The meter's next reading: 10.0, 10.1, ... degrees.
            const QByteArray frame = MeterFrame(0x80, 2 << 6, 0x01, uint8_t(i), 0x04, 0x80);
            session->Meter().Assembler.Feed(reinterpret_cast<const uint8_t*>(frame.constData()),
                                            int(frame.size()));
            session->AppendLogRow(t0 + (rowsBefore + i) / 86400.0);
            QCoreApplication::processEvents();
        }
        const int rowHeight = list.Grid1->verticalHeader()->defaultSectionSize();
        const QRect newest = list.Grid1->visualRect(list.Table->index(rowsBefore + 4, 1));
        QVERIFY(cells->rect().contains(newest));
        QVERIFY2(cellPaint.painted.boundingRect().height() <= (rowsBefore < 10 ? 5 : 1) * rowHeight,
                 qPrintable(QString::number(cellPaint.painted.boundingRect().height())));
        QVERIFY(cellPaint.painted.boundingRect().contains(newest.center()));
        QVERIFY(numberPaint.painted.boundingRect().height() <=
                (rowsBefore < 10 ? 5 : 1) * rowHeight);

        // The screen holds exactly what a full repaint draws.
        const QImage shown = list.screen()->grabWindow(list.winId()).toImage();
        const QImage full = list.grab().toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 full.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestLogGrid)
#include "tst_log_grid.moc"
