// Image pack files: many complete image files behind an index of (offset, size) slots.
//
// Layout, all integers unsigned 32-bit little-endian:
//   byte 8 x i      offset of entry i's data from the start of the file
//   byte 8 x i + 4  size of entry i's data in bytes
// The index starts at byte 0 with entry 0 and has no header, count or terminator;
// entry i is found by position alone. The data blocks lie anywhere after the index.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace formats {

inline constexpr uint64_t kPackSlotSize = 8;

struct PackEntry {
    uint32_t offset = 0;
    uint32_t size = 0;
};

// Where entry `index`'s slot starts.
constexpr uint64_t PackSlotOffset(uint16_t index) { return kPackSlotSize * index; }

// Decodes one 8-byte index slot.
PackEntry DecodePackSlot(std::span<const uint8_t, kPackSlotSize> slot);

// True when the entry's data lies wholly inside a file of fileSize bytes
// (computed without 32-bit overflow).
bool PackEntryFits(const PackEntry& entry, uint64_t fileSize);

// A read-only view of a whole pack file held in memory. It never reads outside
// the buffer: a slot or an entry's data that does not lie inside it gives no entry.
class PackFile {
public:
    explicit PackFile(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    std::optional<PackEntry> Slot(uint16_t index) const;
    // The entry's data; a view into the buffer, valid while the buffer lives.
    std::optional<std::span<const uint8_t>> Entry(uint16_t index) const;

    // Builds a pack file: the index of entries.size() slots, then each entry's
    // data in order. At most 65 536 entries (the index is 16-bit).
    static std::vector<uint8_t> Write(const std::vector<std::vector<uint8_t>>& entries);

private:
    std::span<const uint8_t> bytes_;
};

}  // namespace formats
