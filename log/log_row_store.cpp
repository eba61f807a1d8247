#include "log/log_row_store.h"

#include <utility>

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

LogRowStore::LogRowStore(LogRowStore&& other) noexcept
    : chunks_(std::move(other.chunks_)), count_(std::exchange(other.count_, 0)) {
    other.chunks_.clear();
}

LogRowStore& LogRowStore::operator=(LogRowStore&& other) noexcept {
    chunks_ = std::move(other.chunks_);
    other.chunks_.clear();
    count_ = std::exchange(other.count_, 0);
    return *this;
}

LogRowStore::Chunk& LogRowStore::ChunkForAppend() {
    if (size_t(count_ >> ChunkShift) == chunks_.size()) {
        chunks_.push_back(std::make_shared<Chunk>());
        chunks_.back()->offsets.reserve(ChunkRows);
        chunks_.back()->bytes.reserve(ChunkRows * TypicalRowBytes);
    }
    return *chunks_.back();
}

void LogRowStore::Append(const Cells& cells) {
    std::array<QByteArray, CellCount> utf8;
    RawCells raw;
    for (int k = 0; k < CellCount; ++k) {
        utf8[k] = cells[k].toUtf8();
        raw[k] = utf8[k];
    }
    AppendRaw(raw);
}

void LogRowStore::AppendRaw(const RawCells& cells) {
    Chunk& chunk = ChunkForAppend();
    chunk.offsets.push_back(static_cast<uint32_t>(chunk.bytes.size()));
    for (const QByteArrayView cell : cells) {
        PutLength(chunk.bytes, static_cast<uint32_t>(cell.size()));
        chunk.bytes.insert(chunk.bytes.end(), cell.begin(), cell.end());
    }
    // A full chunk gives back its spare capacity now: from here on snapshots share it.
    if (++count_ % ChunkRows == 0)
        chunk.bytes.shrink_to_fit();
}

LogRowStore LogRowStore::Snapshot() const {
    LogRowStore copy;
    copy.count_ = count_;
    // A restarted store may hold an empty chunk beyond its rows.
    const auto used = static_cast<std::ptrdiff_t>((count_ + ChunkRows - 1) >> ChunkShift);
    copy.chunks_.assign(chunks_.begin(), chunks_.begin() + used);
    if (count_ % ChunkRows != 0)
        copy.chunks_.back() = std::make_shared<Chunk>(*copy.chunks_.back());
    return copy;
}

void LogRowStore::AppendRows(const LogRowStore& other) {
    for (int row = 0; row < other.Count(); ++row)
        AppendRaw(other.RawRow(row));
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

LogRowStore::RawCells LogRowStore::RawRow(int row) const {
    RawCells cells;
    if (row < 0 || row >= count_)
        return cells;
    const Chunk& chunk = *chunks_[static_cast<size_t>(row >> ChunkShift)];
    const char* p = chunk.bytes.data() + chunk.offsets[static_cast<size_t>(row & (ChunkRows - 1))];
    for (QByteArrayView& cell : cells) {
        const uint32_t length = TakeLength(p);
        cell = QByteArrayView(p, static_cast<qsizetype>(length));
        p += length;
    }
    return cells;
}

void LogRowStore::Clear() {
    chunks_.clear();
    count_ = 0;
}

void LogRowStore::Restart() {
    // A chunk a snapshot shares must not change: such a store starts anew.
    if (chunks_.size() != 1 || chunks_.front().use_count() != 1) {
        Clear();
        return;
    }
    chunks_.front()->offsets.clear();
    chunks_.front()->bytes.clear();
    count_ = 0;
}
