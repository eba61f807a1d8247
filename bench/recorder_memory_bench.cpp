// SPDX-License-Identifier: GPL-3.0-or-later
// The headless recorder's heap over a long run: its core (the recording session
// with a fake clock, the recorder and its file) takes a million one-second rows,
// and the heap in use is compared before and after. The baseline is the same
// session keeping its table, as the window program does.

#include "app/headless_recorder.h"
#include "base/day_count.h"
#include "platform/appending_file.h"
#include "recording/recording_session.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>

namespace {
constexpr int Rows = 1000000;

long HeapInUse() {
    return long(mallinfo2().uordblks);
}

// Heap bytes per row over Rows rows; recorder: through the headless recorder
// to a file, else into the session's table only.
double HeapBytesPerRow(const QString& settings, const QString& file, bool recorder) {
    double now = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
    int64_t ms = 0;
    RecordingSession session(std::make_unique<QSettings>(settings, QSettings::IniFormat), {},
                             {[&] { return now; }, [&] { return ms; }});
    session.Log().SetLocale(QLocale::c());
    AppendingFile out(file, AppendingFile::Mode::Extend);
    if (!out.Open())
        return -1;
    std::unique_ptr<HeadlessRecorder> headless;
    if (recorder)
        headless = std::make_unique<HeadlessRecorder>(session, out, 1);
    // The first rows settle the allocations every run makes once.
    for (int i = 0; i < 1000; ++i, now += 1.0 / 86400.0, ms += 1000)
        session.AppendLogRow(now);
    QCoreApplication::processEvents();
    const long before = HeapInUse();
    for (int i = 0; i < Rows; ++i, now += 1.0 / 86400.0, ms += 1000) {
        session.AppendLogRow(now);
        if (i % 4096 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const long after = HeapInUse();
    out.SyncNow();
    return double(after - before) / Rows;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("settings.ini"));
    const double table =
        HeapBytesPerRow(settings, dir.filePath(QStringLiteral("table.tsv")), false);
    const double recorder =
        HeapBytesPerRow(settings, dir.filePath(QStringLiteral("recorder.tsv")), true);
    std::printf("table_heap_bytes_per_row: %.2f\n", table);
    std::printf("recorder_heap_bytes_per_row: %.2f\n", recorder);
    return recorder >= 0 && table >= 0 ? 0 : 1;
}
