#include "log/log_row_store.h"

namespace {
void PutLength(std::vector<char>& bytes, uint32_t length) {
    while (length >= 0x80) {
        bytes.push_back(static_cast<char>(length | 0x80));
        length >>= 7;
    }
    bytes.push_back(static_cast<char>(length));
}

uint32_t TakeLength(const char*& p) {
    uint32_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<uint8_t>(*p++);
        length |= static_cast<uint32_t>(byte & 0x7F) << shift;
        if (byte < 0x80)
            return length;
    }
}
} // namespace

void LogRowStore::Append(const Cells& cells) {
    if (count_ % ChunkRows == 0) {
        // The full chunk gives back its spare capacity before the next one starts.
        if (!chunks_.empty())
            chunks_.back()->bytes.shrink_to_fit();
        chunks_.push_back(std::make_unique<Chunk>());
        chunks_.back()->offsets.reserve(ChunkRows);
        chunks_.back()->bytes.reserve(ChunkRows * TypicalRowBytes);
    }
    Chunk& chunk = *chunks_.back();
    chunk.offsets.push_back(static_cast<uint32_t>(chunk.bytes.size()));
    for (const QString& cell : cells) {
        const QByteArray utf8 = cell.toUtf8();
        PutLength(chunk.bytes, static_cast<uint32_t>(utf8.size()));
        chunk.bytes.insert(chunk.bytes.end(), utf8.begin(), utf8.end());
    }
    ++count_;
}

QString LogRowStore::Cell(int row, int cell) const {
    if (row < 0 || row >= count_ || cell < 0 || cell >= CellCount)
        return {};
    const Chunk& chunk = *chunks_[static_cast<size_t>(row >> ChunkShift)];
    const char* p = chunk.bytes.data() + chunk.offsets[static_cast<size_t>(row & (ChunkRows - 1))];
    for (int k = 0; k < cell; ++k)
        p += TakeLength(p);
    const uint32_t length = TakeLength(p);
    return QString::fromUtf8(p, static_cast<qsizetype>(length));
}

void LogRowStore::Clear() {
    chunks_.clear();
    count_ = 0;
}
