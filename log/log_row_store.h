// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compact storage of the log's data rows: each row's eight texts (date to
// annunciators) as UTF-8, each cell written as what it shares with the same cell
// of the row before: nothing when equal (the date, the units, the type), else
// the length of the common start and the bytes after it (a time or a value
// changes in its last digits). Every 16th row stands alone, so any row is found
// by decoding at most 16; consecutive reads on one thread go on from the row
// before. A recorded row takes about ten bytes, and appending costs the same at
// any table length. A full chunk never changes again, so a snapshot shares the
// full chunks and copies only the last one: another thread may read it while
// this store grows.

#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LogRowStore {
public:
    static constexpr int CellCount = 8; // table columns 1 to 8
    using Cells = std::array<QString, CellCount>;
    // Cell texts as UTF-8 bytes, as a file line's fields hold them.
    using CellViews = std::array<QByteArrayView, CellCount>;

    // One row's cells as UTF-8 bytes, held by the object itself.
    class RawCells {
    public:
        RawCells() = default;
        explicit RawCells(const CellViews& cells);
        QByteArrayView operator[](int cell) const {
            return QByteArrayView(bytes_.constData() + starts_[cell],
                                  starts_[cell + 1] - starts_[cell]);
        }
        bool operator==(const RawCells& other) const;

    private:
        friend class LogRowStore;
        std::array<uint32_t, CellCount + 1> starts_{};
        QVarLengthArray<char, 96> bytes_;
    };

    // Reads rows in order from a given one, each from the row before it.
    class Reader {
    public:
        Reader(const LogRowStore& store, int first);
        // The next row's cells, valid until the next call; false past the last row.
        bool Next(CellViews& cells);
        int Row() const { return row_; } // the row Next() reads

    private:
        const LogRowStore& store_;
        int row_;
        bool positioned_ = false;
        uint32_t next_ = 0; // where row_ starts in its chunk
        std::array<std::string, CellCount> cells_;
    };

    LogRowStore();
    // A store moved from is empty.
    LogRowStore(LogRowStore&& other) noexcept;
    LogRowStore& operator=(LogRowStore&& other) noexcept;

    int Count() const { return count_; }
    void Append(const Cells& cells);
    void AppendRaw(const CellViews& cells);
    // Appends every row of other, in order.
    void AppendRows(const LogRowStore& other);
    // The rows as they are now, for reading on another thread while this store
    // goes on taking rows; it costs a copy of the last, partly filled chunk.
    LogRowStore Snapshot() const;
    // Cell k (0 to 7) of row i (0-based).
    QString Cell(int row, int cell) const;
    // All cells of row i (0-based); empty beyond the last row.
    RawCells RawRow(int row) const;
    void Clear();
    // Forgets every row but keeps the room of the first chunk, so a store that
    // only ever holds its newest row allocates nothing per row.
    void Restart();

private:
    static constexpr int ChunkShift = 12;
    static constexpr int ChunkRows = 1 << ChunkShift;
    static constexpr int BlockShift = 4; // rows that code against the row before them
    static constexpr int BlockRows = 1 << BlockShift;
    static constexpr int TypicalRowBytes = 12;

    struct Chunk {
        std::vector<uint32_t> blocks; // start of each block of rows in bytes
        std::vector<char> bytes;
    };
    using Texts = std::array<std::string, CellCount>;

    // The chunk that takes the next row, started when the last one is full.
    Chunk& ChunkForAppend();
    // Where the block holding row starts in its chunk.
    uint32_t BlockStart(int row) const;
    // Decodes row, which starts at offset in its chunk, into cells, which hold the
    // row before it (nothing at a block's start); returns where the next row starts.
    uint32_t DecodeRow(int row, uint32_t offset, Texts& cells) const;
    // The cells of row, going on from the last row this thread read when it can;
    // valid until this thread decodes another row.
    const Texts& Decode(int row) const;

    std::vector<std::shared_ptr<Chunk>> chunks_; // all but a partly filled last one shared by snapshots
    int count_ = 0;
    Texts last_;        // the last row appended, which the next codes against
    uint64_t contents_; // tells apart the contents a thread last read from
};
