// Image pack files: reading slots and entries from memory, and writing whole files.
#include "formats/pack_file.h"

#include <stdexcept>

namespace formats {
namespace {

uint32_t ReadU32(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

void WriteU32(uint8_t* at, uint32_t value) {
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
    at[2] = uint8_t(value >> 16);
    at[3] = uint8_t(value >> 24);
}

}  // namespace

PackEntry DecodePackSlot(std::span<const uint8_t, kPackSlotSize> slot) {
    return PackEntry{ReadU32(slot.data()), ReadU32(slot.data() + 4)};
}

bool PackEntryFits(const PackEntry& entry, uint64_t fileSize) {
    return uint64_t(entry.offset) + uint64_t(entry.size) <= fileSize;
}

std::optional<PackEntry> PackFile::Slot(uint16_t index) const {
    const uint64_t start = PackSlotOffset(index);
    if (start + kPackSlotSize > bytes_.size()) return std::nullopt;
    return DecodePackSlot(bytes_.subspan(start).first<kPackSlotSize>());
}

std::optional<std::span<const uint8_t>> PackFile::Entry(uint16_t index) const {
    const std::optional<PackEntry> slot = Slot(index);
    if (!slot || !PackEntryFits(*slot, bytes_.size())) return std::nullopt;
    return bytes_.subspan(slot->offset, slot->size);
}

std::vector<uint8_t> PackFile::Write(const std::vector<std::vector<uint8_t>>& entries) {
    if (entries.size() > 65536) throw std::length_error("a pack file holds at most 65536 entries");
    uint64_t total = kPackSlotSize * entries.size();
    for (const std::vector<uint8_t>& data : entries) total += data.size();
    if (total > UINT32_MAX) throw std::length_error("a pack file must stay below 4 GiB");

    std::vector<uint8_t> file(kPackSlotSize * entries.size());
    file.reserve(total);
    for (size_t i = 0; i < entries.size(); ++i) {
        WriteU32(file.data() + kPackSlotSize * i, uint32_t(file.size()));
        WriteU32(file.data() + kPackSlotSize * i + 4, uint32_t(entries[i].size()));
        file.insert(file.end(), entries[i].begin(), entries[i].end());
    }
    return file;
}

}  // namespace formats
