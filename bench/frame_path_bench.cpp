// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of frame assembly plus decoding, and the latency from the meter's last
// byte on a pseudo-terminal to the decoded reading. Prints one "name: value" per figure.
#include "link/meter_link.h"
#include "platform/pty_device.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
QByteArray Stream(int frames) {
    QByteArray s;
    s.reserve(frames * 8);
    for (int i = 0; i < frames; ++i) {
        // Every frame differs, so every one is decoded, not skipped as a repeat.
        const int v = i % 10000;
        const char f[] = {'\x02',
                          char(0x80 | (i & 0x37)),
                          char((i >> 3) & 0x3E),
                          char((v / 1000) << 4 | (v / 100 % 10)),
                          char((v / 10 % 10) << 4 | (v % 10)),
                          char(0xB1),
                          char(i & 0x7F),
                          '\x03'};
        s.append(f, 8);
    }
    return s;
}

double Throughput(const QByteArray& stream) {
    CurrentReading reading;
    reading.ModelCode = 303;
    LinkState link;
    PanelDisplay display;
    FrameDecoder decoder(reading, display);
    FrameAssembler assembler(link, decoder);
    QElapsedTimer t;
    t.start();
    const auto* data = reinterpret_cast<const uint8_t*>(stream.constData());
    for (qsizetype pos = 0; pos < stream.size(); pos += FrameAssembler::ReadLimit)
        assembler.Feed(data + pos,
                       int(std::min<qsizetype>(FrameAssembler::ReadLimit, stream.size() - pos)));
    return assembler.FramesAccepted() / (t.nsecsElapsed() / 1e9);
}

// The least any receiver must do: copy each chunk and find its start markers.
double BaselineScan(const QByteArray& stream) {
    QElapsedTimer t;
    t.start();
    uint8_t chunk[FrameAssembler::ReadLimit];
    size_t markers = 0;
    for (qsizetype pos = 0; pos < stream.size(); pos += FrameAssembler::ReadLimit) {
        const size_t n =
            size_t(std::min<qsizetype>(FrameAssembler::ReadLimit, stream.size() - pos));
        std::memcpy(chunk, stream.constData() + pos, n);
        for (const uint8_t* p = chunk;
             (p = static_cast<const uint8_t*>(std::memchr(p, 2, chunk + n - p))); ++p)
            ++markers;
    }
    const double secs = t.nsecsElapsed() / 1e9;
    return markers / secs;
}

double Percentile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[size_t(q * (v.size() - 1))];
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QByteArray stream = Stream(2'000'000);
    const double fps = Throughput(stream);
    const double base = BaselineScan(stream);
    std::printf("frames_per_s: %.0f\n", fps);
    std::printf("baseline_scan_frames_per_s: %.0f\n", base);
    std::printf("frames_per_s_vs_baseline: %.3f\n", fps / base);

    PtyDevice meter;
    if (!meter.OpenPty()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    CurrentReading reading;
    reading.ModelCode = 303;
    LinkState link;
    MeterLink spine(reading, link);
    spine.Comm1.SetDeviceName(meter.Path());
    spine.Comm1.SetActive(true);

    QElapsedTimer clock;
    clock.start();
    qint64 decodedAt = -1;
    // The last element drawn marks the end of decoding.
    QObject::connect(&spine.Display, &PanelDisplay::Changed, &app,
                     [&](PanelElement) { decodedAt = clock.nsecsElapsed(); });
    const QByteArray frames = Stream(401);
    std::vector<double> latencies;
    for (int i = 1; i <= 400; ++i) {
        decodedAt = -1;
        const quint64 before = spine.Assembler.FramesAccepted();
        meter.Write(frames.mid(i * 8, 8));
        const qint64 sent = clock.nsecsElapsed();
        if (!QTest::qWaitFor([&] { return spine.Assembler.FramesAccepted() > before; }, 1000) ||
            decodedAt < 0)
            continue;
        latencies.push_back((decodedAt - sent) / 1e6);
        QTest::qWait(2);
    }
    if (latencies.empty()) {
        std::fprintf(stderr, "no frame came through\n");
        return 1;
    }
    const double lineTime = 8 * 10 / 9600.0 * 1000; // 8 bytes of 10 bits at 9600 baud
    std::printf("latency_p50_ms: %.3f\n", Percentile(latencies, 0.5));
    std::printf("latency_p99_ms: %.3f\n", Percentile(latencies, 0.99));
    std::printf("frame_line_time_ms: %.2f\n", lineTime);
    std::printf("latency_p99_vs_line_time: %.3f\n", Percentile(latencies, 0.99) / lineTime);
    std::printf("latency_samples: %zu\n", latencies.size());
    return 0;
}
