// SPDX-License-Identifier: GPL-3.0-or-later
// The library's own figures for a month's log file, the baselines of
// scripts/measure-month.sh: opening the file with the log's reader (wall and CPU
// time) and saving the rows again with the log's writer into a folder in memory,
// where the file's sync costs nothing; each the median of three.
//   month_bench --write FILE [--rows N]   writes a month of one-second rows, tab-separated
//   month_bench [--library FILE]          prints open_2_6m_s, open_2_6m_cpu_s, save_2_6m_nosync_s
//                                         for FILE, or for a month written to a scratch folder

#include "log/log_file_reader.h"
#include "log/log_file_writer.h"
#include "log/log_table.h"
#include "month_rows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

int Fail(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto value = [&](const char* option) {
        const qsizetype at = args.indexOf(QLatin1String(option));
        return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
    };
    const QString rows = value("--rows");
    if (const QString file = value("--write"); !file.isEmpty())
        return MonthRows::WriteFile(file, rows.isEmpty() ? MonthRows::Month : rows.toInt())
                   ? 0
                   : Fail(QStringLiteral("%1 could not be written").arg(file));
    QTemporaryDir scratch;
    QString file = value("--library");
    if (file.isEmpty()) {
        file = scratch.filePath(QStringLiteral("month.txt"));
        if (!MonthRows::WriteFile(file, rows.isEmpty() ? MonthRows::Month : rows.toInt()))
            return Fail(QStringLiteral("%1 could not be written").arg(file));
    }

    // Each three times, the median counts: the machine is shared.
    constexpr int Runs = 3;
    std::vector<double> open, openCpu, save;
    LogTable table;
    table.SetLocale(QLocale::c());
    // Memory-backed where the system has it, so that the sync is no cost.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir folder(QDir(shm).exists() ? shm + QStringLiteral("/month-XXXXXX")
                                            : QDir::tempPath() + QStringLiteral("/month-XXXXXX"));
    for (int run = 0; run < Runs; ++run) {
        table.Clear();
        QElapsedTimer clock;
        clock.start();
        const double cpu = CpuSeconds();
        LogFileReader reader(QLatin1Char('\t'));
        if (!reader.Open(file) || !reader.ReadAll())
            return Fail(reader.ErrorText());
        table.LoadRows(reader.TakeRows());
        open.push_back(clock.nsecsElapsed() / 1e9);
        openCpu.push_back(CpuSeconds() - cpu);

        clock.restart();
        const LogFileWriter::Result saved = LogFileWriter::Save(
            folder.filePath(QStringLiteral("saved.txt")), table, {1, table.RowCount() - 1});
        save.push_back(clock.nsecsElapsed() / 1e9);
        if (!saved.Error.isEmpty())
            return Fail(saved.Error);
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const double openS = median(open);
    const double openCpuS = median(openCpu);
    const double saveS = median(save);

    std::printf("rows: %d\n", table.RowCount() - 1);
    std::printf("open_2_6m_s: %.3f\n", openS);
    std::printf("open_2_6m_cpu_s: %.3f\n", openCpuS);
    std::printf("save_2_6m_nosync_s: %.3f\n", saveS);
    return 0;
}
