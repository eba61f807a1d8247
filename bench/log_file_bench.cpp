// SPDX-License-Identifier: GPL-3.0-or-later
// Log files: saving and opening 1,000,000 rows of a two-channel log through the
// code the log window uses (without its dialogs), against the floor of reading
// the same file into one buffer and counting its lines, and of writing the same
// bytes in one call; resident memory per row after opening 2.6 million rows, in
// the table alone and in the shown log window;
// exporting the month as CSV against saving it, both where syncing costs nothing;
// printing 10,000 rows (200 pages) to PDF against 200 pages of ruling alone; and
// the longest time between two progress calls, which bounds how late Cancel acts.

#include "base/day_count.h"
#include "log/log_csv_export.h"
#include "log/log_file_reader.h"
#include "log/log_file_writer.h"
#include "log/log_line_format.h"
#include "log/log_print_layout.h"
#include "log/log_table.h"
#include "log/ui/log_page_printer.h"
#include "log/ui/log_window.h"
#include "resident_memory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace {
constexpr int Rows = 1000000;
constexpr int MonthRows = 2600000;
constexpr int PrintRows = 10000;
const double Start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
const QString DateFormat = QStringLiteral("d/M/yyyy");

void Print(const char* name, double value) {
    std::printf("%s: %.3f\n", name, value);
    std::fflush(stdout);
}

CurrentReading Reading(int i) {
    CurrentReading r;
    r.ModelCode = 303;
    r.ChannelCount = 2;
    r.MainValue = 20.0 + (i % 937) / 10.0;
    r.SubValue = 48.0 - (i % 411) / 10.0;
    r.ModeText = (i % 100 == 0) ? QStringLiteral(" HOLD") : QString();
    return r;
}

void Fill(LogTable& table, int rows) {
    table.SetLocale(QLocale::c());
    for (int i = 0; i < rows; ++i)
        table.AppendLogRow({Start + i / 86400.0, Reading(i)}, DateFormat);
}

// Progress callbacks that note the longest gap between two calls.
struct Gaps {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    void Begin() {
        clock.start();
        last = 0;
        longest = 0;
    }
    bool Step() {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        return true;
    }
    double LongestMs() {
        Step();
        return longest / 1e6;
    }
};

double Seconds(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Gaps gaps;

    // A month of rows, written line by line so that nothing else is in memory yet.
    const QString month = dir.filePath(QStringLiteral("month.txt"));
    {
        LogTable one;
        one.SetLocale(QLocale::c());
        QFile file(month);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block;
        for (int i = 0; i < MonthRows; ++i) {
            one.Clear();
            one.AppendLogRow({Start + i / 86400.0, Reading(i)}, DateFormat);
            LogLineFormat::AppendLine(block, one.LineFields(1), QLatin1Char('\t'));
            if (block.size() > (1 << 20) || i == MonthRows - 1) {
                file.write(block);
                block.resize(0);
            }
        }
    }
    {
        const long before = ResidentBytes();
        LogTable table;
        LogFileReader reader(QLatin1Char('\t'));
        if (!reader.Open(month) || !reader.ReadAll())
            return 1;
        table.LoadRows(reader.TakeRows());
        Print("open_bytes_per_row_2_6m", double(ResidentBytes() - before) / (table.RowCount() - 1));

        // Export CSV against Save of the same month, both onto a memory file system
        // where the sync costs nothing: the figures are the work of each.
        table.SetLocale(QLocale::c());
        const QString shm = QStringLiteral("/dev/shm");
        QTemporaryDir memory((QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
                             QStringLiteral("/brackwater-bench-XXXXXX"));
        const int rows = table.RowCount() - 1;
        QElapsedTimer clock;
        clock.start();
        const LogFileWriter::Result saved =
            LogFileWriter::Save(memory.filePath(QStringLiteral("month.txt")), table, {1, rows});
        const double save = Seconds(clock);
        QFile::remove(memory.filePath(QStringLiteral("month.txt")));
        clock.start();
        const LogCsvExport::Result exported =
            LogCsvExport::Save(memory.filePath(QStringLiteral("month.csv")), table, DateFormat);
        const double exportS = Seconds(clock);
        if (!saved.Error.isEmpty() || !exported.Error.isEmpty() || exported.Rows != rows)
            return 1;
        Print("save_2_6m_nosync_s", save);
        Print("export_2_6m_s", exportS);
        Print("export_to_save_ratio", exportS / save);
    }
    {
        // The same into the log window, whose grid keeps a little per row of its own.
        QTemporaryDir scratch;
        RecordingSession session(
            std::make_unique<QSettings>(scratch.filePath(QStringLiteral("b.ini")),
                                        QSettings::IniFormat),
            {});
        TfrmList list(session);
        list.show();
        QCoreApplication::processEvents();
        const long before = ResidentBytes();
        LogFileReader reader(QLatin1Char('\t'));
        if (!reader.Open(month) || !reader.ReadAll())
            return 1;
        list.Table->LoadRows(reader.TakeRows());
        QCoreApplication::processEvents();
        Print("window_open_bytes_per_row_2_6m",
              double(ResidentBytes() - before) / (list.Table->RowCount() - 1));
        QFile::remove(month);
    }

    LogTable table;
    Fill(table, Rows);
    const QString saved = dir.filePath(QStringLiteral("log.txt"));
    QElapsedTimer clock;
    gaps.Begin();
    clock.start();
    const LogFileWriter::Result result =
        LogFileWriter::Save(saved, table, {1, Rows}, [&](int) { return gaps.Step(); });
    const double save = Seconds(clock);
    const double saveGap = gaps.LongestMs();
    if (!result.Error.isEmpty() || result.Rows != Rows)
        return 1;

    QByteArray bytes;
    clock.start();
    {
        QFile file(saved);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        bytes = file.readAll();
    }
    qsizetype lines = 0;
    for (const char *p = bytes.constData(), *end = p + bytes.size();
         (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
        ++lines;
    const double floorRead = Seconds(clock);
    if (lines != Rows)
        return 1;

    clock.start();
    {
        QFile file(dir.filePath(QStringLiteral("floor.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    const double floorWrite = Seconds(clock);
    Print("save_1m_s", save);
    Print("floor_write_1m_s", floorWrite);
    Print("save_to_floor_ratio", save / floorWrite);
    Print("save_bytes_per_row", double(bytes.size()) / Rows);
    bytes.clear();
    bytes.squeeze();

    LogTable opened;
    gaps.Begin();
    clock.start();
    {
        LogFileReader reader(QLatin1Char('\t'));
        if (!reader.Open(saved) || !reader.ReadAll([&](int) { return gaps.Step(); }))
            return 1;
        opened.LoadRows(reader.TakeRows());
    }
    const double open = Seconds(clock);
    const double openGap = gaps.LongestMs();
    if (opened.RowCount() - 1 != Rows || opened.Cell(Rows, 3) != table.Cell(Rows, 3))
        return 1;
    Print("open_1m_s", open);
    Print("floor_read_1m_s", floorRead);
    Print("open_to_floor_ratio", open / floorRead);

    // Printing: the same rows on 200 pages, against 200 pages of ruling alone.
    const auto printPdf = [&](const QString& name, bool rows) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        printer.setResolution(LogPrintLayout::DesignDpi);
        printer.setPageOrientation(QPageLayout::Portrait);
        QElapsedTimer printing;
        printing.start();
        QPainter painter(&printer);
        if (rows) {
            gaps.Begin();
            LogPagePrinter::Print(
                painter, table, {1, PrintRows}, [&] { return printer.newPage(); },
                [&](int) { return gaps.Step(); });
        } else {
            const LogPrintLayout layout(printer.resolution());
            for (int page = 0; page < LogPrintLayout::PageCount(PrintRows); ++page) {
                if (page > 0)
                    printer.newPage();
                LogPagePrinter::DrawPrintPage(painter, layout);
            }
        }
        painter.end();
        return Seconds(printing);
    };
    const double ruling = printPdf(QStringLiteral("ruling.pdf"), false);
    const double print = printPdf(QStringLiteral("log.pdf"), true);
    const double printGap = gaps.LongestMs();
    Print("print_10k_pdf_s", print);
    Print("floor_pdf_200_ruled_pages_s", ruling);
    Print("print_to_floor_ratio", print / ruling);

    Print("longest_step_save_ms", saveGap);
    Print("longest_step_open_ms", openGap);
    Print("longest_step_print_ms", printGap);
    return 0;
}
