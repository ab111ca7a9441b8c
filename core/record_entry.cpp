// The high-score entries' byte layout.
#include "core/record_entry.h"

#include "core/little_endian.h"

void RecordEntry::ToBytes(uint8_t* out) const {
    name.ToBytes(out);
    out[11] = padding11;
    little_endian::Write32(out + 12, uint32_t(score));
}

RecordEntry RecordEntry::FromBytes(const uint8_t* in) {
    RecordEntry entry;
    entry.name = ShortText::FromBytes(in);
    entry.padding11 = in[11];
    entry.score = int32_t(little_endian::Read32(in + 12));
    return entry;
}

std::array<uint8_t, kRecordsFileSize> RecordTablesToBytes(const RecordTables& tables) {
    std::array<uint8_t, kRecordsFileSize> out{};
    uint8_t* at = out.data();
    for (const RecordTable& table : tables) {
        for (const RecordEntry& entry : table) {
            entry.ToBytes(at);
            at += RecordEntry::kFileSize;
        }
    }
    return out;
}

RecordTables RecordTablesFromBytes(std::span<const uint8_t, kRecordsFileSize> bytes) {
    RecordTables tables;
    const uint8_t* at = bytes.data();
    for (RecordTable& table : tables) {
        for (RecordEntry& entry : table) {
            entry = RecordEntry::FromBytes(at);
            at += RecordEntry::kFileSize;
        }
    }
    return tables;
}
