// SPDX-License-Identifier: GPL-3.0-or-later
// The log grid against a table view set up as the log window had it: the same
// pixels, the same cursor movement and the same selections for the same input;
// an append repaints the new row only, and the grid keeps nothing per row.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_cell_delegate.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_window.h"
#include "support/far_end.h"
#include "support/recorded_log.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
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

// The log window's grid settings, on either view.
template <class View> void SetUp(View& view, LogTable& table) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    view.setFont(font);
    view.setItemDelegate(new LogCellDelegate(&view));
    view.setModel(&table);
    view.setColumnHidden(0, true);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setSelectionMode(QAbstractItemView::ContiguousSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.horizontalHeader()->setHighlightSections(false);
    view.horizontalHeader()->setStretchLastSection(true);
    QHeaderView* rows = view.verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(font).height() + 6);
    rows->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setHighlightSections(false);
    rows->setMinimumWidth(51);
    const int widths[] = {0, 70, 60, 45, 30, 45, 40, 38, 90};
    for (int c = 1; c < LogTable::ColumnCount; ++c)
        view.setColumnWidth(c, widths[c]);
    view.resize(440, 260);
}

// The grid and a table view as the log window had it, over one table.
struct Views {
    explicit Views(int rows) {
        RecordLog(table, rows);
        SetUp(grid, table);
        SetUp(reference, table);
        // Neither takes the focus by being shown, which would set its cursor.
        for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(&grid),
                                        static_cast<QAbstractItemView*>(&reference)}) {
            view->setFocusPolicy(Qt::NoFocus);
            view->show();
        }
    }
    bool Exposed() {
        return QTest::qWaitForWindowExposed(&grid) && QTest::qWaitForWindowExposed(&reference);
    }
    void Both(const std::function<void(QAbstractItemView& view)>& act) {
        act(grid);
        act(reference);
        QCoreApplication::processEvents();
    }
    // Every cell selected in one is selected in the other, and the cursor stands alike.
    void CompareSelection() const {
        QCOMPARE(grid.currentIndex(), reference.currentIndex());
        for (int row = 0; row < table.rowCount(); ++row)
            for (int column = 0; column < LogTable::ColumnCount; ++column) {
                const QModelIndex index = table.index(row, column);
                QVERIFY2(grid.selectionModel()->isSelected(index) ==
                             reference.selectionModel()->isSelected(index),
                         qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
            }
        QCOMPARE(grid.verticalScrollBar()->value(), reference.verticalScrollBar()->value());
    }

    LogTable table;
    LogGrid grid;
    QTableView reference;
};

using Action = std::function<void(QAbstractItemView& view, QHeaderView& rowNumbers)>;

// The middle of a row's number.
QPoint RowNumberAt(QAbstractItemView& view, QHeaderView& numbers, int row) {
    return QPoint(numbers.width() / 2, view.visualRect(view.model()->index(row, 1)).center().y());
}

// A table view's pixels, except that its row numbers end with its last row, as the
// grid's do: below it the strip is as blank as the cells.
QImage EndingWithTheRows(QTableView& view) {
    QImage image = view.grab().toImage();
    const int rows = view.model()->rowCount();
    const int end = rows == 0 ? 0 : view.rowViewportPosition(rows - 1) + view.rowHeight(rows - 1);
    QRect below = view.verticalHeader()->geometry();
    below.setTop(below.top() + end);
    if (below.isValid())
        QPainter(&image).fillRect(below, view.palette().base());
    return image;
}

QPoint SectionCenter(QHeaderView& header, int section) {
    const int position = header.sectionViewportPosition(section) + header.sectionSize(section) / 2;
    return header.orientation() == Qt::Vertical ? QPoint(header.width() / 2, position)
                                                : QPoint(position, header.height() / 2);
}
} // namespace
Q_DECLARE_METATYPE(Action)

class TestLogGrid : public QObject {
    Q_OBJECT
private slots:
    void looksAsTheTableViewDid_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<Action>("act");
        const auto none = [](QAbstractItemView&, QHeaderView&) {};
        QTest::newRow("blank table") << 0 << Action(none);
        QTest::newRow("a few rows") << 3 << Action(none);
        QTest::newRow("at the end")
            << 300 << Action([](QAbstractItemView& view, QHeaderView&) { view.scrollToBottom(); });
        QTest::newRow("in the middle") << 300 << Action([](QAbstractItemView& view, QHeaderView&) {
            view.verticalScrollBar()->setValue(137);
        });
        QTest::newRow("cells selected, cursor with focus")
            << 60 << Action([](QAbstractItemView& view, QHeaderView&) {
                   view.setFocus();
                   view.selectionModel()->select(
                       QItemSelection(view.model()->index(2, 2), view.model()->index(6, 4)),
                       QItemSelectionModel::ClearAndSelect);
                   view.selectionModel()->setCurrentIndex(view.model()->index(6, 4),
                                                          QItemSelectionModel::NoUpdate);
               });
        QTest::newRow("rows selected by their numbers")
            << 300 << Action([](QAbstractItemView& view, QHeaderView& numbers) {
                   view.verticalScrollBar()->setValue(100);
                   QTest::mouseClick(numbers.viewport(), Qt::LeftButton, {},
                                     RowNumberAt(view, numbers, 102));
                   QTest::mouseClick(numbers.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                                     RowNumberAt(view, numbers, 105));
               });
        QTest::newRow("scrolled sideways")
            << 40 << Action([](QAbstractItemView& view, QHeaderView&) {
                   view.resize(200, 200);
                   QCoreApplication::processEvents();
                   view.horizontalScrollBar()->setValue(3);
               });
    }
    // The same pixels as a table view with the same settings, headers and lines included,
    // but for the row numbers' strip below the last row.
    void looksAsTheTableViewDid() {
        QFETCH(int, rows);
        QFETCH(Action, act);
        Views views(rows);
        QVERIFY(views.Exposed());
        act(views.grid, *views.grid.verticalHeader());
        act(views.reference, *views.reference.verticalHeader());
        QCoreApplication::processEvents();
        if (views.grid.hasFocus() != views.reference.hasFocus()) {
            // Only one window is active: each is drawn with the focus in turn.
            views.grid.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&views.grid));
            views.grid.setFocus();
            const QImage grid = views.grid.grab().toImage();
            views.reference.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&views.reference));
            views.reference.setFocus();
            QCOMPARE(grid, EndingWithTheRows(views.reference));
        } else {
            QCOMPARE(views.grid.grab().toImage(), EndingWithTheRows(views.reference));
        }
        views.CompareSelection();
    }

    void movesAndSelectsAsTheTableViewDid_data() {
        QTest::addColumn<Action>("act");
        const auto keys = [](QList<QPair<int, Qt::KeyboardModifiers>> presses) {
            return Action([presses](QAbstractItemView& view, QHeaderView&) {
                view.setCurrentIndex(view.model()->index(40, 3));
                for (const auto& [key, modifiers] : presses)
                    QTest::keyClick(&view, Qt::Key(key), modifiers);
            });
        };
        QTest::newRow("arrows") << keys({{Qt::Key_Down, {}},
                                         {Qt::Key_Down, {}},
                                         {Qt::Key_Left, {}},
                                         {Qt::Key_Left, {}},
                                         {Qt::Key_Left, {}},
                                         {Qt::Key_Up, {}}});
        QTest::newRow("pages") << keys(
            {{Qt::Key_PageDown, {}}, {Qt::Key_PageDown, {}}, {Qt::Key_PageUp, {}}});
        QTest::newRow("home and end") << keys({{Qt::Key_End, {}},
                                               {Qt::Key_Home, Qt::ControlModifier},
                                               {Qt::Key_End, Qt::ControlModifier}});
        QTest::newRow("tab wraps") << keys({{Qt::Key_End, Qt::ControlModifier},
                                            {Qt::Key_Tab, {}},
                                            {Qt::Key_Backtab, {}},
                                            {Qt::Key_Backtab, {}}});
        QTest::newRow("shift extends") << keys({{Qt::Key_Down, Qt::ShiftModifier},
                                                {Qt::Key_Right, Qt::ShiftModifier},
                                                {Qt::Key_PageDown, Qt::ShiftModifier},
                                                {Qt::Key_End, Qt::ShiftModifier}});
        QTest::newRow("select all") << keys({{Qt::Key_A, Qt::ControlModifier}});
        QTest::newRow("drag over cells") << Action([](QAbstractItemView& view, QHeaderView&) {
            const QPoint from = view.visualRect(view.model()->index(3, 2)).center();
            const QPoint to = view.visualRect(view.model()->index(9, 5)).center();
            QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, view.viewport()->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view.viewport(), &move);
            QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              view.visualRect(view.model()->index(12, 1)).center());
        });
        QTest::newRow("column headers") << Action([](QAbstractItemView& view, QHeaderView&) {
            auto* columns = view.findChild<QHeaderView*>();
            for (QHeaderView* header : view.findChildren<QHeaderView*>())
                if (header->orientation() == Qt::Horizontal)
                    columns = header;
            QTest::mouseClick(columns->viewport(), Qt::LeftButton, {}, SectionCenter(*columns, 3));
            QTest::mouseClick(columns->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              SectionCenter(*columns, 5));
        });
        QTest::newRow("row numbers after scrolling")
            << Action([](QAbstractItemView& view, QHeaderView& numbers) {
                   view.verticalScrollBar()->setValue(150);
                   QTest::mouseClick(numbers.viewport(), Qt::LeftButton, {},
                                     RowNumberAt(view, numbers, 151));
                   view.verticalScrollBar()->setValue(170);
                   QTest::mouseClick(numbers.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                                     RowNumberAt(view, numbers, 173));
               });
    }
    void movesAndSelectsAsTheTableViewDid() {
        QFETCH(Action, act);
        Views views(300);
        QVERIFY(views.Exposed());
        act(views.grid, *views.grid.verticalHeader());
        act(views.reference, *views.reference.verticalHeader());
        QCoreApplication::processEvents();
        views.CompareSelection();
        // Keys may have left the focus in either window.
        views.grid.clearFocus();
        views.reference.clearFocus();
        QCOMPARE(views.grid.grab().toImage(), views.reference.grab().toImage());
    }

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
        const int rowHeight = list.Grid1->rowHeight();
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

    // A table that goes before its grid leaves it empty, not pointing at nothing.
    void tableGoesFirst() {
        auto table = std::make_unique<LogTable>();
        RecordLog(*table, 50);
        LogGrid grid;
        SetUp(grid, *table);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        table.reset();
        grid.resize(300, 150);
        grid.hide();
        grid.show();
        QCoreApplication::processEvents();
        QCOMPARE(grid.verticalScrollBar()->maximum(), 0);
        QVERIFY(!grid.indexAt(QPoint(5, 5)).isValid());
    }

    // However long the table, the row numbers keep sections only for the rows round the view.
    void keepsNothingPerRow() {
        LogTable table;
        RecordLog(table, 20000);
        LogGrid grid;
        SetUp(grid, table);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        for (const int value : {0, 9000, 15000}) {
            grid.verticalScrollBar()->setValue(value);
            QCoreApplication::processEvents();
            QVERIFY(grid.verticalHeader()->count() < 200);
            const QModelIndex top = grid.indexAt(QPoint(5, 1));
            QCOMPARE(top.row(), value);
            QCOMPARE(grid.verticalHeader()->model()->headerData(
                         grid.verticalHeader()->logicalIndexAt(1), Qt::Vertical),
                     QVariant(QString::number(value + 1)));
        }
    }
};

QTEST_MAIN(TestLogGrid)
#include "tst_log_grid.moc"
