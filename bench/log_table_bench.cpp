// Log table: time per appended row at 1,000 and at 2,000,000 rows, resident memory
// per row at 2,000,000 rows against the rows' own text size, then the same with
// the log window's grid showing the table (offscreen): an append with the repaint
// it causes, against a plain grid with the default cell painter showing the same
// table, as the log window had it before.

#include "base/day_count.h"
#include "log/log_table.h"
#include "log/ui/log_window.h"
#include "recording/recording_session.h"
#include "resident_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Many = 2000000;
constexpr int Timed = 1000;
const double Start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
const QString DateFormat = QStringLiteral("d/M/yyyy");

// A two-channel reading that changes from row to row as a real one does.
void Vary(CurrentReading& r, int i) {
    r.MainValue = 20.0 + (i % 937) / 10.0;
    r.SubValue = 48.0 - (i % 411) / 10.0;
    r.ModeText = (i % 100 == 0) ? QStringLiteral(" HOLD") : QString();
}

template <typename Append> double NsPerAppend(CurrentReading& r, int from, Append append) {
    QElapsedTimer clock;
    clock.start();
    for (int i = from; i < from + Timed; ++i) {
        Vary(r, i);
        append(i);
    }
    return double(clock.nsecsElapsed()) / Timed;
}

// The meter's frame for the reading Vary makes: degrees C, main T1, second T2.
Frame FrameOf(const CurrentReading& r) {
    const auto digits = [](double value) {
        const int n = int(std::lround(std::abs(value) * 10));
        return std::array<uint8_t, 2>{uint8_t((n / 1000 % 10) << 4 | (n / 100 % 10)),
                                      uint8_t((n / 10 % 10) << 4 | (n % 10))};
    };
    const auto main = digits(r.MainValue), sub = digits(r.SubValue);
    const uint8_t status = 0x80 | (r.ModeText.isEmpty() ? 0 : 0x20);
    const uint8_t flags = (2 << 6) | (r.SubValue < 0 ? 0x10 : 0);
    return {0x02, status, flags, main[0], main[1], sub[0], sub[1], 0x03};
}

void Print(const char* name, double value, const char* format = "%s: %.1f\n") {
    std::printf(format, name, value);
}

void PrintMs(const char* name, double ns) {
    Print(name, ns / 1e6, "%s: %.3f\n");
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurrentReading r;
    r.ModelCode = 303;
    r.ChannelCount = 2;

    {
        LogTable table;
        table.SetLocale(QLocale::c());
        const auto append = [&](int i) {
            table.AppendLogRow({Start + i / 86400.0, r}, DateFormat);
        };
        for (int i = 0; i < Timed; ++i)
            append(i);
        Print("append_ns_at_1k", NsPerAppend(r, Timed, append));
        table.Clear();

        const long before = ResidentBytes();
        for (int i = 0; i < Many; ++i) {
            Vary(r, i);
            append(i);
        }
        const long after = ResidentBytes();
        Print("append_ns_at_2m", NsPerAppend(r, Many, append));
        Print("bytes_per_row_2m", double(after - before) / Many);

        // The rows as a saved file holds them: eight fields, each with its separator, and CR LF.
        double text = 0;
        for (int row = 1; row < table.RowCount(); row += 997)
            for (int c = 1; c < LogTable::ColumnCount; ++c)
                text += table.Cell(row, c).toUtf8().size() + 1;
        Print("text_bytes_per_row", text / ((table.RowCount() - 2) / 997 + 1) + 2);
    }

    // The window: the grid follows every append and keeps the newest row in view. The
    // rows come from the recording core, which decodes the meter's frames.
    QTemporaryDir scratch;
    RecordingSession session(std::make_unique<QSettings>(scratch.filePath(QStringLiteral("b.ini")),
                                                         QSettings::IniFormat),
                             {});
    session.Models().IdentifyModel("303\x13");
    session.Log().SetLocale(QLocale::c());
    TfrmList list(session);
    list.InitLogTable();
    list.show();
    // The grid as it was: a plain table view with the default cell painter, same font and size.
    LogTable plainTable;
    plainTable.SetLocale(QLocale::c());
    QTableView plain;
    plain.setModel(&plainTable);
    plain.setFont(list.Grid1->font());
    plain.verticalHeader()->setDefaultSectionSize(
        list.Grid1->verticalHeader()->defaultSectionSize());
    plain.setGeometry(list.Grid1->geometry());
    plain.show();

    const auto append = [&](int i) {
        session.Meter().Assembler.Feed(FrameOf(r).data(), int(Frame().size()));
        session.AppendLogRow(Start + i / 86400.0);
        QCoreApplication::processEvents();
    };
    const auto appendPlain = [&](int i) {
        plainTable.AppendLogRow({Start + i / 86400.0, r}, DateFormat);
        plain.scrollToBottom();
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < Timed; ++i) {
        append(i);
        appendPlain(i);
    }
    PrintMs("window_append_paint_ms_at_1k", NsPerAppend(r, Timed, append));
    PrintMs("plain_grid_append_paint_ms_at_1k", NsPerAppend(r, Timed, appendPlain));
    const long before = ResidentBytes();
    for (int i = 2 * Timed; i < Many; ++i) {
        Vary(r, i);
        list.Table->AppendLogRow({Start + i / 86400.0, r}, DateFormat);
    }
    const long after = ResidentBytes();
    for (int i = 2 * Timed; i < Many; ++i) {
        Vary(r, i);
        plainTable.AppendLogRow({Start + i / 86400.0, r}, DateFormat);
    }
    QCoreApplication::processEvents();
    PrintMs("window_append_paint_ms_at_2m", NsPerAppend(r, Many, append));
    PrintMs("plain_grid_append_paint_ms_at_2m", NsPerAppend(r, Many, appendPlain));
    Print("window_bytes_per_row_2m", double(after - before) / (Many - 2 * Timed));
    return 0;
}
