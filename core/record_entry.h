// One high-score entry (16 bytes) and the three tables of "data\records.dat" (480 bytes).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/short_text.h"

struct RecordEntry {
    static constexpr size_t kFileSize = 16;

    ShortText name;       // bytes 0..10
    uint8_t padding11 = 0;
    int32_t score = 0;    // bytes 12..15, signed

    void ToBytes(uint8_t* out) const;
    static RecordEntry FromBytes(const uint8_t* in);

    bool operator==(const RecordEntry&) const = default;
};

inline constexpr int kRecordTableCount = 3;   // one per difficulty: 0 Easy, 1 Medium, 2 Hard
inline constexpr int kRecordRankCount = 10;   // rank 1 (the best) first

using RecordTable = std::array<RecordEntry, kRecordRankCount>;
// Index [difficulty][rank - 1]. Table t starts at byte 160 x t, rank r at 16 x (r - 1) within it.
using RecordTables = std::array<RecordTable, kRecordTableCount>;

inline constexpr size_t kRecordsFileSize = kRecordTableCount * kRecordRankCount * RecordEntry::kFileSize;

std::array<uint8_t, kRecordsFileSize> RecordTablesToBytes(const RecordTables& tables);
RecordTables RecordTablesFromBytes(std::span<const uint8_t, kRecordsFileSize> bytes);
