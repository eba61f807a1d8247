// SPDX-License-Identifier: GPL-3.0-or-later
// Log table and grid at a month's length, offscreen: a row appended and painted
// in the shown log window, its grid scrolled to the newest row, at 1,000 rows and
// at 2.6 million (the rows before are loaded in one go, as opening a file does),
// in CPU time (and on the wall), in turns to two windows so both meet the same load;
// the memory per row of the table alone and in the window, whose difference is
// what the grid keeps of its own; the same with accessibility on, as a screen
// reader's connection turns it on, after the reader has read a few thousand cells
// (the figures with it off are the baseline); and the same with a plain table view
// showing the table with the log's cell painter, as the baseline of the same run.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_cell_delegate.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_grid_accessible.h"
#include "log/ui/log_window.h"
#include "month_rows.h"
#include "recording/recording_session.h"
#include "resident_memory.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <cstdio>
#include <ctime>
#include <malloc.h>

namespace {
constexpr int Timed = 1000;
const double Start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));

// The meter's frame of a two-channel reading that changes from row to row.
Frame FrameOf(int i) {
    const auto digits = [](int tenths) {
        return std::array<uint8_t, 2>{uint8_t((tenths / 1000 % 10) << 4 | (tenths / 100 % 10)),
                                      uint8_t((tenths / 10 % 10) << 4 | (tenths % 10))};
    };
    const auto main = digits(200 + i % 937), sub = digits(480 - i % 411);
    return {0x02, 0x80, 2 << 6, main[0], main[1], sub[0], sub[1], 0x03};
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long Resident() {
    QCoreApplication::processEvents();
    malloc_trim(0);
    return ResidentBytes();
}

// Milliseconds per row appended through the recording core, each painted before the
// next: CPU time of the window's thread, which does all of it (the machine is shared,
// and the clock on the wall counts the waits for a core too), and the wall's.
struct Cost {
    double cpu = 0;
    double wall = 0;
};

// A recording core whose log a view shows, following each new row.
struct Shown {
    explicit Shown(const QString& settings)
        : session(std::make_unique<QSettings>(settings, QSettings::IniFormat), {}) {
        session.Models().IdentifyModel("303\x13");
        session.Log().SetLocale(QLocale::c());
        session.InitLogTable();
    }
    void Append(int count, bool timed) {
        QElapsedTimer clock;
        clock.start();
        const double cpu = ThreadCpuMs();
        for (int n = 0; n < count; ++n, ++next) {
            const Frame frame = FrameOf(next);
            session.Meter().Assembler.Feed(frame.data(), int(frame.size()));
            session.AppendLogRow(Start + next / 86400.0);
            QCoreApplication::processEvents();
        }
        if (timed) {
            spent.cpu += ThreadCpuMs() - cpu;
            spent.wall += clock.nsecsElapsed() / 1e6;
            appended += count;
        }
    }
    Cost PerRow() const { return {spent.cpu / appended, spent.wall / appended}; }

    RecordingSession session;
    std::unique_ptr<QWidget> view; // goes before the session
    int next = 0;
    int appended = 0;
    Cost spent;
};

// Appends to a log of 1,000 rows and to one of a month in turns, so that both meet
// the same load; the memory a month's rows take, loaded into the shown log. Each
// log, once filled, is read.
void Compare(
    Shown& small, Shown& month, int rows, double& bytesPerRow,
    const std::function<void(Shown&)>& read = [](Shown&) {}) {
    small.Append(Timed, false);
    read(small);
    const long before = Resident();
    month.session.Log().LoadRows(MonthRows::Store(rows));
    read(month);
    bytesPerRow = double(Resident() - before) / rows;
    month.Append(Timed / 5, false); // the first appends after the load settle the view
    for (int round = 0; round < 20; ++round) {
        small.Append(Timed / 20, true);
        month.Append(Timed / 20, true);
    }
}

void Print(const char* name, double value, const char* format = "%s: %.3f\n") {
    std::printf(format, name, value);
    std::fflush(stdout);
}

struct WindowFigures {
    Cost ms1k;
    Cost msMonth;
    double bytesPerRow = 0;
};

// The log window as it is, with accessibility off and on (as a screen reader's
// connection turns it on), in turns so that both meet the same load. With it on, a
// reader has read a few thousand cells of each log, which the grid's table then keeps.
std::array<WindowFigures, 2> Windows(const QTemporaryDir& scratch, int rows) {
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    struct Logs {
        explicit Logs(const QString& name)
            : small(name + QStringLiteral("a")), month(name + QStringLiteral("b")) {}
        Shown small;
        Shown month;
    };
    std::array<std::unique_ptr<Logs>, 2> logs;
    std::array<WindowFigures, 2> figures;
    for (int on = 0; on < 2; ++on)
        logs[on] = std::make_unique<Logs>(scratch.filePath(QStringLiteral("window-%1-").arg(on)));
    for (int on = 0; on < 2; ++on) {
        platform->setActive(on);
        for (Shown* shown : {&logs[on]->small, &logs[on]->month}) {
            auto list = std::make_unique<TfrmList>(shown->session);
            list->InitLogTable();
            list->show();
            shown->view = std::move(list);
        }
        const auto read = [on](Shown& shown) {
            QAccessibleInterface* table =
                QAccessible::queryAccessibleInterface(static_cast<TfrmList&>(*shown.view).Grid1);
            for (int i = 0; on && i < LogGridAccessible::CachedCells; ++i)
                table->child(i);
        };
        logs[on]->small.Append(Timed, false);
        read(logs[on]->small);
        const long before = Resident();
        logs[on]->month.session.Log().LoadRows(MonthRows::Store(rows));
        read(logs[on]->month);
        figures[on].bytesPerRow = double(Resident() - before) / rows;
        // The first appends after the load settle the view.
        logs[on]->month.Append(Timed / 5, false);
    }
    for (int round = 0; round < 20; ++round)
        for (int on = 0; on < 2; ++on) {
            platform->setActive(on);
            logs[on]->small.Append(Timed / 20, true);
            logs[on]->month.Append(Timed / 20, true);
        }
    platform->setActive(false);
    for (int on = 0; on < 2; ++on) {
        figures[on].ms1k = logs[on]->small.PerRow();
        figures[on].msMonth = logs[on]->month.PerRow();
    }
    return figures;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--rows"));
    const int rows = at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : MonthRows::Month;

    double tableBytesPerRow = 0;
    {
        const long before = Resident();
        LogTable table;
        table.LoadRows(MonthRows::Store(rows));
        tableBytesPerRow = double(Resident() - before) / rows;
    }

    QTemporaryDir scratch;
    const auto [off, on] = Windows(scratch, rows);
    const Cost ms1k = off.ms1k, msMonth = off.msMonth;
    const double windowBytesPerRow = off.bytesPerRow;

    // A plain table view with the log's cell painter, its row numbers in its vertical
    // header, of the window grid's size, scrolled to each new row.
    double plainBytesPerRow = 0;
    Cost plain1k, plainMonth;
    {
        Shown small(scratch.filePath(QStringLiteral("c.ini")));
        Shown month(scratch.filePath(QStringLiteral("d.ini")));
        for (Shown* shown : {&small, &month}) {
            auto plain = std::make_unique<QTableView>();
            {
                const TfrmList sizes(shown->session);
                plain->setFont(sizes.Grid1->font());
                plain->verticalHeader()->setDefaultSectionSize(sizes.Grid1->rowHeight());
                plain->verticalHeader()->setMinimumWidth(sizes.ColumnWidth(0));
                plain->resize(sizes.size());
                plain->setModel(&shown->session.Log());
                for (int c = 1; c < LogTable::ColumnCount; ++c)
                    plain->setColumnWidth(c, sizes.ColumnWidth(c));
            }
            plain->setItemDelegate(new LogCellDelegate(plain.get()));
            plain->setColumnHidden(0, true);
            plain->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            QObject::connect(&shown->session, &RecordingSession::RowAppended, plain.get(),
                             &QTableView::scrollToBottom);
            plain->show();
            shown->view = std::move(plain);
        }
        Compare(small, month, rows, plainBytesPerRow);
        plain1k = small.PerRow();
        plainMonth = month.PerRow();
    }

    Print("rows", rows, "%s: %.0f\n");
    Print("append_paint_ms_1k", ms1k.cpu);
    Print("append_paint_ms_2_6m", msMonth.cpu);
    Print("append_paint_ratio_2_6m_to_1k", msMonth.cpu / ms1k.cpu, "%s: %.2f\n");
    Print("append_paint_wall_ms_1k", ms1k.wall);
    Print("append_paint_wall_ms_2_6m", msMonth.wall);
    Print("table_bytes_per_row", tableBytesPerRow, "%s: %.1f\n");
    Print("window_bytes_per_row", windowBytesPerRow, "%s: %.1f\n");
    Print("grid_bytes_per_row", windowBytesPerRow - tableBytesPerRow, "%s: %.1f\n");
    Print("append_paint_ms_1k_a11y_on", on.ms1k.cpu);
    Print("append_paint_ms_2_6m_a11y_on", on.msMonth.cpu);
    Print("append_paint_a11y_on_to_off_ratio_1k", on.ms1k.cpu / ms1k.cpu, "%s: %.2f\n");
    Print("append_paint_a11y_on_to_off_ratio_2_6m", on.msMonth.cpu / msMonth.cpu, "%s: %.2f\n");
    Print("window_bytes_per_row_a11y_on", on.bytesPerRow, "%s: %.1f\n");
    Print("plain_table_view_append_paint_ms_1k", plain1k.cpu);
    Print("plain_table_view_append_paint_ms_2_6m", plainMonth.cpu);
    Print("plain_table_view_append_paint_ratio_2_6m_to_1k", plainMonth.cpu / plain1k.cpu,
          "%s: %.2f\n");
    Print("plain_table_view_grid_bytes_per_row", plainBytesPerRow - tableBytesPerRow, "%s: %.1f\n");
    return 0;
}
