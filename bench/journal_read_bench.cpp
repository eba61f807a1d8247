// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a journal at the start, bounded: 200 MB of random bytes under a
// journal's name, read through by the journal reader, beside a plain read of the
// same file in blocks (the baseline), with the peak memory each adds.

#include "log/journal_contents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr qint64 Size = 200LL << 20;

long PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal-1.tsv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QRandomGenerator random(20);
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (qint64 written = 0; written < Size; written += block.size()) {
            random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            if (file.write(block) != block.size())
                return 1;
        }
    }

    long peak = PeakResidentKb();
    QElapsedTimer clock;
    clock.start();
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QByteArray block(1 << 20, Qt::Uninitialized);
        while (file.read(block.data(), block.size()) > 0) {
        }
    }
    const double plainMs = double(clock.nsecsElapsed()) / 1e6;
    const long plainKb = PeakResidentKb() - peak;

    peak = PeakResidentKb();
    clock.start();
    const JournalContents contents = JournalContents::Read(path);
    const double journalMs = double(clock.nsecsElapsed()) / 1e6;
    const long journalKb = PeakResidentKb() - peak;

    std::printf("plain_read_200mb_random_ms: %.0f\n", plainMs);
    std::printf("journal_read_200mb_random_ms: %.0f\n", journalMs);
    std::printf("plain_read_200mb_random_peak_kb: %ld\n", plainKb);
    std::printf("journal_read_200mb_random_peak_kb: %ld\n", journalKb);
    std::printf("journal_read_200mb_random_rows: %d\n", contents.RowCount());
    return 0;
}
