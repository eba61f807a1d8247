// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_row_store.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

namespace {
std::atomic<uint64_t> nextContents{1};

uint64_t NewContents() {
    return nextContents.fetch_add(1, std::memory_order_relaxed);
}

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

// A cell's code: the bytes it shares with the cell above and the bytes after
// them, four bits each; 15 means the length follows in full.
constexpr uint32_t Long = 15;

// The row this thread read last, which the next read of the row after it goes on from.
struct LastRead {
    uint64_t contents = 0;
    int row = -1;
    uint32_t next = 0; // where the row after it starts in its chunk
    std::array<std::string, LogRowStore::CellCount> cells;
};
thread_local LastRead lastRead;
} // namespace

LogRowStore::RawCells::RawCells(const CellViews& cells) {
    for (int k = 0; k < CellCount; ++k) {
        bytes_.append(cells[k].data(), cells[k].size());
        starts_[k + 1] = static_cast<uint32_t>(bytes_.size());
    }
}

bool LogRowStore::RawCells::operator==(const RawCells& other) const {
    for (int k = 0; k < CellCount; ++k)
        if ((*this)[k] != other[k])
            return false;
    return true;
}

LogRowStore::Reader::Reader(const LogRowStore& store, int first)
    : store_(store), row_(std::max(first, 0)) {}

bool LogRowStore::Reader::Next(CellViews& cells) {
    if (row_ >= store_.count_)
        return false;
    if (!positioned_) {
        // From the start of the row's block up to the row before it.
        int row = row_ & ~(BlockRows - 1);
        next_ = store_.BlockStart(row);
        for (; row < row_; ++row)
            next_ = store_.DecodeRow(row, next_, cells_);
        positioned_ = true;
    } else if ((row_ & (ChunkRows - 1)) == 0) {
        next_ = 0;
    }
    next_ = store_.DecodeRow(row_, next_, cells_);
    for (int k = 0; k < CellCount; ++k)
        cells[k] = QByteArrayView(cells_[k].data(), qsizetype(cells_[k].size()));
    ++row_;
    return true;
}

LogRowStore::LogRowStore() : contents_(NewContents()) {}

LogRowStore::LogRowStore(LogRowStore&& other) noexcept
    : chunks_(std::move(other.chunks_)), count_(std::exchange(other.count_, 0)),
      last_(std::move(other.last_)), contents_(NewContents()) {
    other.Clear();
}

LogRowStore& LogRowStore::operator=(LogRowStore&& other) noexcept {
    chunks_ = std::move(other.chunks_);
    count_ = std::exchange(other.count_, 0);
    last_ = std::move(other.last_);
    contents_ = NewContents();
    other.Clear();
    return *this;
}

LogRowStore::Chunk& LogRowStore::ChunkForAppend() {
    if (size_t(count_ >> ChunkShift) == chunks_.size()) {
        chunks_.push_back(std::make_shared<Chunk>());
        chunks_.back()->blocks.reserve(ChunkRows / BlockRows);
        chunks_.back()->bytes.reserve(ChunkRows * TypicalRowBytes);
    }
    return *chunks_.back();
}

void LogRowStore::Append(const Cells& cells) {
    std::array<QByteArray, CellCount> utf8;
    CellViews views;
    for (int k = 0; k < CellCount; ++k) {
        utf8[k] = cells[k].toUtf8();
        views[k] = utf8[k];
    }
    AppendRaw(views);
}

// A row is a byte with a bit for each cell equal to the one above, then the code
// and the new bytes of each other cell.
void LogRowStore::AppendRaw(const CellViews& cells) {
    Chunk& chunk = ChunkForAppend();
    if (count_ % BlockRows == 0) {
        chunk.blocks.push_back(static_cast<uint32_t>(chunk.bytes.size()));
        for (std::string& cell : last_)
            cell.clear();
    }
    std::vector<char>& out = chunk.bytes;
    const size_t maskAt = out.size();
    out.push_back(0);
    uint8_t same = 0;
    for (int k = 0; k < CellCount; ++k) {
        const QByteArrayView cell = cells[k];
        std::string& above = last_[k];
        const size_t length = static_cast<size_t>(cell.size());
        size_t shared = 0;
        const size_t common = std::min(above.size(), length);
        while (shared < common && above[shared] == cell[qsizetype(shared)])
            ++shared;
        if (shared == length && length == above.size()) {
            same |= uint8_t(1u << k);
            continue;
        }
        const size_t rest = length - shared;
        out.push_back(
            static_cast<char>(std::min<size_t>(shared, Long) << 4 | std::min<size_t>(rest, Long)));
        if (shared >= Long)
            PutLength(out, static_cast<uint32_t>(shared));
        if (rest >= Long)
            PutLength(out, static_cast<uint32_t>(rest));
        out.insert(out.end(), cell.data() + shared, cell.data() + length);
        above.resize(shared);
        above.append(cell.data() + shared, rest);
    }
    out[maskAt] = static_cast<char>(same);
    ++count_;
    // A full chunk gives back its spare capacity now: from here on it never changes.
    if (count_ % ChunkRows == 0)
        out.shrink_to_fit();
}

LogRowStore LogRowStore::Snapshot() const {
    LogRowStore copy;
    copy.count_ = count_;
    // A restarted store may hold an empty chunk beyond its rows.
    const auto used = static_cast<std::ptrdiff_t>((count_ + ChunkRows - 1) >> ChunkShift);
    copy.chunks_.assign(chunks_.begin(), chunks_.begin() + used);
    copy.last_ = last_;
    if (count_ % ChunkRows != 0)
        copy.chunks_.back() = std::make_shared<Chunk>(*copy.chunks_.back());
    return copy;
}

void LogRowStore::AppendRows(const LogRowStore& other) {
    const int count = other.Count();
    Reader reader(other, 0);
    CellViews cells;
    for (int row = 0; row < count && reader.Next(cells); ++row)
        AppendRaw(cells);
}

uint32_t LogRowStore::BlockStart(int row) const {
    const Chunk& chunk = *chunks_[static_cast<size_t>(row >> ChunkShift)];
    return chunk.blocks[static_cast<size_t>((row & (ChunkRows - 1)) >> BlockShift)];
}

uint32_t LogRowStore::DecodeRow(int row, uint32_t offset, Texts& cells) const {
    const char* start = chunks_[static_cast<size_t>(row >> ChunkShift)]->bytes.data();
    const char* p = start + offset;
    if ((row & (BlockRows - 1)) == 0)
        for (std::string& cell : cells)
            cell.clear();
    const auto same = static_cast<uint8_t>(*p++);
    for (int k = 0; k < CellCount; ++k) {
        if (same & (1u << k))
            continue;
        const auto code = static_cast<uint8_t>(*p++);
        uint32_t shared = code >> 4;
        uint32_t rest = code & 0x0F;
        if (shared == Long)
            shared = TakeLength(p);
        if (rest == Long)
            rest = TakeLength(p);
        std::string& cell = cells[static_cast<size_t>(k)];
        cell.resize(shared);
        cell.append(p, rest);
        p += rest;
    }
    return static_cast<uint32_t>(p - start);
}

const LogRowStore::Texts& LogRowStore::Decode(int row) const {
    LastRead& last = lastRead;
    if (last.contents == contents_ && last.row == row)
        return last.cells;
    if (last.contents == contents_ && last.row == row - 1 && (row & (BlockRows - 1)) != 0) {
        last.next = DecodeRow(row, last.next, last.cells);
    } else {
        int r = row & ~(BlockRows - 1);
        uint32_t offset = BlockStart(r);
        for (; r <= row; ++r)
            offset = DecodeRow(r, offset, last.cells);
        last.next = offset;
        last.contents = contents_;
    }
    last.row = row;
    return last.cells;
}

QString LogRowStore::Cell(int row, int cell) const {
    if (row < 0 || row >= count_ || cell < 0 || cell >= CellCount)
        return {};
    const std::string& text = Decode(row)[static_cast<size_t>(cell)];
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

LogRowStore::RawCells LogRowStore::RawRow(int row) const {
    RawCells raw;
    if (row < 0 || row >= count_)
        return raw;
    const Texts& cells = Decode(row);
    for (int k = 0; k < CellCount; ++k) {
        const std::string& cell = cells[static_cast<size_t>(k)];
        raw.bytes_.append(cell.data(), qsizetype(cell.size()));
        raw.starts_[static_cast<size_t>(k + 1)] = static_cast<uint32_t>(raw.bytes_.size());
    }
    return raw;
}

void LogRowStore::Clear() {
    chunks_.clear();
    count_ = 0;
    for (std::string& cell : last_)
        cell.clear();
    contents_ = NewContents();
}

void LogRowStore::Restart() {
    // A chunk a snapshot shares must not change: such a store starts anew.
    if (chunks_.size() != 1 || chunks_.front().use_count() != 1) {
        Clear();
        return;
    }
    chunks_.front()->blocks.clear();
    chunks_.front()->bytes.clear();
    count_ = 0;
    for (std::string& cell : last_)
        cell.clear();
    contents_ = NewContents();
}
