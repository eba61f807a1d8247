// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes at arbitrary chunking through frame assembly, decoding and the panel state.
#include "meter/frame_assembler.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    CurrentReading reading;
    reading.ModelCode = 300 + data[0] % 5; // 304 stands for an unidentified model
    LinkState link;
    PanelDisplay display;
    FrameDecoder decoder(reading, display);
    FrameAssembler assembler(link, decoder);
    const uint8_t chunkSeed = data[1];
    size_t pos = 2;
    size_t step = 0;
    while (pos < size) {
        // Chunk sizes from 1 to the read limit, varied by the input itself.
        const size_t chunk =
            1 + (chunkSeed * 31 + step * 17 + data[pos]) % FrameAssembler::ReadLimit;
        const size_t n = chunk < size - pos ? chunk : size - pos;
        assembler.Feed(data + pos, static_cast<int>(n));
        if (assembler.RxBuffer().size() >= link.FrameLength)
            __builtin_trap();
        for (int e = 0; e < PanelDisplay::ElementCount; ++e) {
            const auto el = static_cast<PanelElement>(e);
            const int limit = PanelDisplay::IsMainDigit(el) ? PanelDisplay::MainImageCount
                                                            : PanelDisplay::SubImageCount;
            if (PanelDisplay::IsDigit(el) && (display.Image(el) < 0 || display.Image(el) >= limit))
                __builtin_trap();
        }
        pos += n;
        ++step;
    }
    return 0;
}
