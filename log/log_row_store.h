#pragma once
// Compact storage of the log's data rows: each row's eight texts (date to
// annunciators) encoded as UTF-8 with length prefixes, packed into chunks of a
// fixed number of rows. Appending never moves earlier rows, so it costs the same
// at any table length, and a row costs little more than its own text. A full
// chunk never changes again, so a snapshot shares the full chunks and copies only
// the last one: another thread may read it while this store grows.

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class LogRowStore {
public:
    static constexpr int CellCount = 8; // table columns 1 to 8
    using Cells = std::array<QString, CellCount>;
    // Cell texts as UTF-8 bytes, valid until the store changes.
    using RawCells = std::array<QByteArrayView, CellCount>;

    LogRowStore() = default;
    // A store moved from is empty.
    LogRowStore(LogRowStore&& other) noexcept;
    LogRowStore& operator=(LogRowStore&& other) noexcept;

    int Count() const { return count_; }
    void Append(const Cells& cells);
    // The same from UTF-8 bytes: what loading a file uses, without a QString per cell.
    void AppendRaw(const RawCells& cells);
    // Appends every row of other, in order.
    void AppendRows(const LogRowStore& other);
    // The rows as they are now, for reading on another thread while this store
    // goes on taking rows; it costs a copy of the last, partly filled chunk.
    LogRowStore Snapshot() const;
    // Cell k (0 to 7) of row i (0-based).
    QString Cell(int row, int cell) const;
    // All cells of row i (0-based) as bytes; empty views beyond the last row.
    RawCells RawRow(int row) const;
    void Clear();
    // Forgets every row but keeps the room of the first chunk, so a store that
    // only ever holds its newest row allocates nothing per row.
    void Restart();

private:
    static constexpr int ChunkShift = 12;
    static constexpr int ChunkRows = 1 << ChunkShift;
    static constexpr int TypicalRowBytes = 40; // a recorded row, length prefixes included

    struct Chunk {
        std::vector<uint32_t> offsets; // start of each row in bytes
        std::vector<char> bytes;
    };

    // The chunk that takes the next row, started when the last one is full.
    Chunk& ChunkForAppend();

    std::vector<std::shared_ptr<Chunk>> chunks_; // all but the last are full, shared by snapshots
    int count_ = 0;
};
