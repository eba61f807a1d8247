// Log table and grid at a month's length, offscreen: a row appended and painted
// in the shown log window, its grid scrolled to the newest row, at 1,000 rows and
// at 2.6 million (the rows before are loaded in one go, as opening a file does);
// the memory per row of the table alone and in the window, whose difference is
// what the grid keeps of its own; and the same with a plain table view showing the
// table with the log's cell painter, as the baseline of the same run.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_cell_delegate.h"
#include "log/ui/log_grid.h"
#include "log/ui/log_window.h"
#include "month_rows.h"
#include "recording/recording_session.h"
#include "resident_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
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

// Milliseconds per row appended through the recording core, each painted before the next.
double MsPerAppend(RecordingSession& session, int& i) {
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < Timed; ++n, ++i) {
        const Frame frame = FrameOf(i);
        session.Meter().Assembler.Feed(frame.data(), int(frame.size()));
        session.AppendLogRow(Start + i / 86400.0);
        QCoreApplication::processEvents();
    }
    return clock.nsecsElapsed() / 1e6 / Timed;
}

long Resident() {
    QCoreApplication::processEvents();
    malloc_trim(0);
    return ResidentBytes();
}

// A recording core whose log a grid shows, following each new row.
struct Recording {
    explicit Recording(const QString& folder)
        : session(
              std::make_unique<QSettings>(folder + QStringLiteral("/s.ini"), QSettings::IniFormat),
              {}) {
        session.Models().IdentifyModel("303\x13");
        session.Log().SetLocale(QLocale::c());
        session.InitLogTable();
    }
    // Append and paint at 1,000 rows and after a month is loaded; bytes per row of the month.
    void Measure(int rows, double& msAt1k, double& msAtMonth, double& bytesPerRow) {
        int i = 0;
        for (; i < Timed; ++i) {
            const Frame frame = FrameOf(i);
            session.Meter().Assembler.Feed(frame.data(), int(frame.size()));
            session.AppendLogRow(Start + i / 86400.0);
            QCoreApplication::processEvents();
        }
        msAt1k = MsPerAppend(session, i);
        session.Log().Clear();
        const long before = Resident();
        session.Log().LoadRows(MonthRows::Store(rows));
        const long after = Resident();
        bytesPerRow = double(after - before) / rows;
        MsPerAppend(session, i); // the first appends after the load settle the view
        msAtMonth = MsPerAppend(session, i);
    }

    RecordingSession session;
};

void Print(const char* name, double value, const char* format = "%s: %.3f\n") {
    std::printf(format, name, value);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--rows"));
    const int rows = at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : MonthRows::Month;
    QTemporaryDir scratch;

    double tableBytesPerRow = 0;
    {
        const long before = Resident();
        LogTable table;
        table.LoadRows(MonthRows::Store(rows));
        tableBytesPerRow = double(Resident() - before) / rows;
    }

    // The log window as it is.
    double ms1k = 0, msMonth = 0, windowBytesPerRow = 0;
    {
        Recording recording(scratch.path());
        TfrmList list(recording.session);
        list.InitLogTable();
        list.show();
        recording.Measure(rows, ms1k, msMonth, windowBytesPerRow);
    }

    // A plain table view with the log's cell painter, its row numbers in its vertical
    // header, of the window grid's size, scrolled to each new row.
    double plain1k = 0, plainMonth = 0, plainBytesPerRow = 0;
    {
        Recording recording(scratch.path());
        QTableView plain;
        {
            const TfrmList sizes(recording.session);
            plain.setFont(sizes.Grid1->font());
            plain.verticalHeader()->setDefaultSectionSize(sizes.Grid1->rowHeight());
            plain.verticalHeader()->setMinimumWidth(sizes.ColumnWidth(0));
            plain.resize(sizes.size());
            plain.setModel(&recording.session.Log());
            for (int c = 1; c < LogTable::ColumnCount; ++c)
                plain.setColumnWidth(c, sizes.ColumnWidth(c));
        }
        plain.setItemDelegate(new LogCellDelegate(&plain));
        plain.setColumnHidden(0, true);
        plain.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        QObject::connect(&recording.session, &RecordingSession::RowAppended, &plain,
                         &QTableView::scrollToBottom);
        plain.show();
        recording.Measure(rows, plain1k, plainMonth, plainBytesPerRow);
    }

    Print("rows", rows, "%s: %.0f\n");
    Print("append_paint_ms_1k", ms1k);
    Print("append_paint_ms_2_6m", msMonth);
    Print("append_paint_ratio_2_6m_to_1k", msMonth / ms1k, "%s: %.2f\n");
    Print("table_bytes_per_row", tableBytesPerRow, "%s: %.1f\n");
    Print("window_bytes_per_row", windowBytesPerRow, "%s: %.1f\n");
    Print("grid_bytes_per_row", windowBytesPerRow - tableBytesPerRow, "%s: %.1f\n");
    Print("plain_table_view_append_paint_ms_1k", plain1k);
    Print("plain_table_view_append_paint_ms_2_6m", plainMonth);
    Print("plain_table_view_append_paint_ratio_2_6m_to_1k", plainMonth / plain1k, "%s: %.2f\n");
    Print("plain_table_view_grid_bytes_per_row", plainBytesPerRow - tableBytesPerRow, "%s: %.1f\n");
    return 0;
}
