// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's cost: time per recorded row with and without the journal (the
// row into the table, then through to the system), the CPU one sync to disk
// takes, and what both make at one row a second, as a share of one core.

#include "base/day_count.h"
#include "platform/file_sync.h"
#include "recording/recording_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {
constexpr int Rows = 20000;
constexpr int Syncs = 20;

double CpuNs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e9 +
            double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e3);
}

// Nanoseconds per recorded row, optionally journaled in folder.
double NsPerRow(const QString& settings, const QString& folder) {
    RecordingSession session(std::make_unique<QSettings>(settings, QSettings::IniFormat), {});
    session.Log().SetLocale(QLocale::c());
    if (!folder.isEmpty()) {
        session.EnableJournal(folder);
        session.StartJournal();
    }
    double now = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Rows; ++i, now += 1.0 / 86400.0)
        session.AppendLogRow(now);
    return double(clock.nsecsElapsed()) / Rows;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("settings.ini"));
    NsPerRow(settings, {}); // warm up
    const double baseline = NsPerRow(settings, {});
    const double journaled = NsPerRow(settings, dir.filePath(QStringLiteral("journal")));
    std::printf("row_without_journal_ns: %.0f\n", baseline);
    std::printf("row_with_journal_ns: %.0f\n", journaled);
    std::printf("journal_per_row_ns: %.0f\n", journaled - baseline);

    // One sync of a file with a few seconds' rows, as the worker runs it every 3 s.
    const QString file = dir.filePath(QStringLiteral("sync.tsv"));
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    double cpu = 0, wall = 0;
    for (int i = 0; i < Syncs; ++i) {
        out.write("6/12/2026\t10:49:11\t23.5\tC\t24.1\tC\tK\t\t\r\n");
        out.flush();
        const double c0 = CpuNs();
        QElapsedTimer clock;
        clock.start();
        SyncFileToDisk(file);
        wall += double(clock.nsecsElapsed());
        cpu += CpuNs() - c0;
    }
    std::printf("sync_wall_us: %.0f\n", wall / Syncs / 1e3);
    std::printf("sync_cpu_us: %.0f\n", cpu / Syncs / 1e3);
    // One row a second, one sync every 3 seconds.
    const double perSecondNs = (journaled - baseline) + cpu / Syncs / 3;
    std::printf("journal_cpu_percent_of_core_at_1_row_per_s: %.4f\n", perSecondNs / 1e9 * 100);
    return 0;
}
