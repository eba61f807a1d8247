// SPDX-License-Identifier: GPL-3.0-or-later
// The log window's grid as screen readers read it: a table of the log's rows and
// nine columns with the texts, titles and row numbers the grid shows, its current
// cell and selection, a bounded number of cells however many are read, and the
// table's changes (a row appended, Clear, Open) announced once each.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_grid_accessible.h"
#include "log/ui/log_window.h"
#include "support/recorded_log.h"
#include "support/scratch_settings.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {
// What reached the screen reader about the grid.
struct Announced {
    QAccessible::Event Type;
    int Change; // the kind of a table change, else -1
    int First;
    int Last;
    int Child;
};
QList<Announced> announced;

void Record(QAccessibleEvent* event) {
    if (!qobject_cast<LogGrid*>(event->object()))
        return;
    if (event->type() == QAccessible::TableModelChanged) {
        const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
        announced.append(
            {event->type(), change->modelChangeType(), change->firstRow(), change->lastRow(), -1});
    } else {
        announced.append({event->type(), -1, -1, -1, event->child()});
    }
}

QString Name(QAccessibleInterface* cell) {
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("(none)");
}
} // namespace

class LogGridAccessibleTest : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

    // A shown log window whose table holds rows recorded rows.
    struct Shown {
        Shown(ScratchSettings& settings, int rows)
            : session(settings.Session(303)), list(*session) {
            list.InitLogTable();
            RecordLog(*list.Table, rows);
            list.show();
        }
        QAccessibleInterface* Table() const {
            return QAccessible::queryAccessibleInterface(list.Grid1);
        }
        std::unique_ptr<RecordingSession> session;
        TfrmList list;
    };

private slots:
    void initTestCase() {
        // What a screen reader's connection does; offscreen, only the platform can.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(Record);
    }

    void readsAsTheGridShows() {
        Shown shown(settings_, 40);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
        LogTable& table = *shown.list.Table;
        QAccessibleInterface* iface = shown.Table();
        QCOMPARE(iface->role(), QAccessible::Table);
        QAccessibleTableInterface* grid = iface->tableInterface();
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 40);
        QCOMPARE(grid->columnCount(), LogTable::ColumnCount);
        QCOMPARE(iface->childCount(), 41 * LogTable::ColumnCount);
        for (int column = 0; column < LogTable::ColumnCount; ++column) {
            QCOMPARE(grid->columnDescription(column), table.Cell(0, column));
            QCOMPARE(Name(iface->child(column)), table.Cell(0, column));
            QCOMPARE(iface->child(column)->role(), QAccessible::ColumnHeader);
        }
        for (int row = 0; row < 40; ++row)
            for (int column = 0; column < LogTable::ColumnCount; ++column) {
                QAccessibleInterface* cell = grid->cellAt(row, column);
                QCOMPARE(Name(cell), table.Cell(row + 1, column));
                QCOMPARE(cell->parent(), iface);
                QCOMPARE(iface->child(iface->indexOfChild(cell)), cell);
                QAccessibleTableCellInterface* place = cell->tableCellInterface();
                QCOMPARE(Name(place->columnHeaderCells().value(0)), table.Cell(0, column));
                QCOMPARE(Name(place->rowHeaderCells().value(0)), QString::number(row + 1));
                QCOMPARE(place->rowIndex(), row);
                QCOMPARE(place->columnIndex(), column);
            }
        QCOMPARE(grid->cellAt(40, 0), nullptr);

        // What the mouse points at: a value, its row number, a column title.
        LogGrid& view = *shown.list.Grid1;
        view.scrollToTop();
        for (QAccessibleInterface* cell :
             {grid->cellAt(2, 3), grid->cellAt(2, 0), iface->child(4), iface->child(0)})
            QCOMPARE(iface->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QVERIFY(!grid->cellAt(2, 3)->state().offscreen);
        QVERIFY(grid->cellAt(39, 3)->state().offscreen);

        // The current cell and the selection, both ways.
        view.setCurrentIndex(table.index(5, 2));
        QCOMPARE(iface->focusChild(), grid->cellAt(5, 2));
        QVERIFY(grid->selectRow(7));
        QVERIFY(grid->isRowSelected(7));
        QCOMPARE(grid->selectedRows(), QList<int>{7});
        QCOMPARE(grid->selectedCellCount(), LogTable::ColumnCount);
        QVERIFY(grid->cellAt(7, 4)->tableCellInterface()->isSelected());
        QVERIFY(grid->cellAt(7, 4)->state().selected);
        QVERIFY(!grid->cellAt(6, 4)->state().selected);
        QVERIFY(view.selectionModel()->isSelected(table.index(7, 8)));
        QVERIFY(grid->unselectRow(7));
        QCOMPARE(grid->selectedCellCount(), 0);
        view.selectAll();
        QCOMPARE(grid->selectedColumnCount(), LogTable::ColumnCount);
        QCOMPARE(grid->selectedCells().size(), 40 * LogTable::ColumnCount);
    }

    // However many cells are read, a few thousand are kept; those let go are deleted.
    void keepsFewCells() {
        Shown shown(settings_, 3000);
        QAccessibleInterface* iface = shown.Table();
        auto* grid = static_cast<LogGridAccessible*>(iface->tableInterface());
        const QAccessible::Id first = QAccessible::uniqueId(grid->cellAt(0, 1));
        const int walked = 3 * LogGridAccessible::CachedCells;
        for (int i = 0; i < walked; ++i)
            QCOMPARE(
                Name(iface->child(LogTable::ColumnCount + i)),
                shown.list.Table->Cell(1 + i / LogTable::ColumnCount, i % LogTable::ColumnCount));
        QCOMPARE(grid->CellsKept(), LogGridAccessible::CachedCells);
        QCOMPARE(QAccessible::accessibleInterface(first), nullptr);
    }

    void announcesChanges() {
        Shown shown(settings_, 30);
        QVERIFY(QTest::qWaitForWindowActive(&shown.list));
        LogTable& table = *shown.list.Table;
        QAccessibleInterface* iface = shown.Table();
        QAccessibleTableInterface* grid = iface->tableInterface();
        const QAccessible::Id kept = QAccessible::uniqueId(grid->cellAt(29, 2));
        const auto changes = [] {
            QList<int> kinds;
            for (const Announced& a : std::as_const(announced))
                if (a.Type == QAccessible::TableModelChanged)
                    kinds.append(a.Change);
            return kinds;
        };

        // The current cell, as the cursor moves.
        shown.list.Grid1->setFocus();
        announced.clear();
        shown.list.Grid1->setCurrentIndex(table.index(4, 3));
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced[0].Type, QAccessible::Focus);
        QCOMPARE(iface->child(announced[0].Child), grid->cellAt(4, 3));

        // A row appended while recording: once, and the cells kept stay.
        announced.clear();
        shown.session->AppendLogRow(CurrentDayCount());
        QCOMPARE(changes(), QList<int>{QAccessibleTableModelChangeEvent::RowsInserted});
        QCOMPARE(announced.back().First, 30);
        QCOMPARE(announced.back().Last, 30);
        QCOMPARE(grid->rowCount(), 31);
        QVERIFY(QAccessible::accessibleInterface(kept));

        // Clear, then Open: the cells of the rows gone go with them.
        announced.clear();
        shown.list.BitBtn4Click();
        QCOMPARE(changes(), QList<int>{QAccessibleTableModelChangeEvent::ModelReset});
        QCOMPARE(QAccessible::accessibleInterface(kept), nullptr);
        QCOMPARE(grid->rowCount(), 1);
        const QAccessible::Id blank = QAccessible::uniqueId(grid->cellAt(0, 2));
        LogTable opened;
        RecordLog(opened, 12);
        announced.clear();
        table.ReplaceRows(opened.Rows().Snapshot());
        QCOMPARE(changes(), QList<int>{QAccessibleTableModelChangeEvent::ModelReset});
        QCOMPARE(QAccessible::accessibleInterface(blank), nullptr);
        QCOMPARE(grid->rowCount(), 12);
        QCOMPARE(Name(grid->cellAt(11, 2)), opened.Cell(12, 2));
    }
};

QTEST_MAIN(LogGridAccessibleTest)
#include "tst_log_grid_accessible.moc"
