// Image pack files: the index layout, round trips and damaged files.
#include "formats/pack_file.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using formats::PackEntry;
using formats::PackFile;

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(uint8_t(v));
    return out;
}

void PutU32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(value >> (8 * i));
}

std::vector<uint8_t> AsVector(std::span<const uint8_t> span) { return {span.begin(), span.end()}; }

TEST(PackFileWrite, PlacesIndexFirstThenDataInOrder) {
    const std::vector<std::vector<uint8_t>> entries = {Bytes({1, 2, 3}), {}, Bytes({9, 8})};
    const std::vector<uint8_t> file = PackFile::Write(entries);

    const std::vector<uint8_t> expected = Bytes({
        24, 0, 0, 0, 3, 0, 0, 0,  // entry 0: after the three slots
        27, 0, 0, 0, 0, 0, 0, 0,  // entry 1: empty
        27, 0, 0, 0, 2, 0, 0, 0,  // entry 2
        1, 2, 3, 9, 8});
    EXPECT_EQ(file, expected);
}

TEST(PackFileWrite, RoundTripsEveryEntry) {
    std::vector<std::vector<uint8_t>> entries;
    for (int i = 0; i < 40; ++i) {
        std::vector<uint8_t> data(size_t(i * 7 % 300));
        for (size_t k = 0; k < data.size(); ++k) data[k] = uint8_t(i * 31 + k);
        entries.push_back(data);
    }
    const std::vector<uint8_t> file = PackFile::Write(entries);
    const PackFile pack(file);
    for (uint16_t i = 0; i < entries.size(); ++i) {
        const auto entry = pack.Entry(i);
        ASSERT_TRUE(entry.has_value()) << "entry " << i;
        EXPECT_EQ(AsVector(*entry), entries[i]) << "entry " << i;
    }
}

TEST(PackFileRead, EntryZeroComesFromBytesZeroToSeven) {
    // Data first, index slot 0 pointing at it, little-endian: offset 0x0A, size 3.
    std::vector<uint8_t> file = Bytes({0x0A, 0, 0, 0, 3, 0, 0, 0, 0xEE, 0xEE, 'P', 'N', 'G'});
    const PackFile pack(file);
    const auto slot = pack.Slot(0);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(slot->offset, 10u);
    EXPECT_EQ(slot->size, 3u);
    EXPECT_EQ(AsVector(*pack.Entry(0)), Bytes({'P', 'N', 'G'}));
}

TEST(PackFileRead, SlotIntegersAreLittleEndian) {
    const std::vector<uint8_t> slot = Bytes({0x78, 0x56, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89});
    const PackEntry entry = formats::DecodePackSlot(std::span<const uint8_t, 8>(slot.data(), 8));
    EXPECT_EQ(entry.offset, 0x12345678u);
    EXPECT_EQ(entry.size, 0x89ABCDEFu);
}

TEST(PackFileRead, EntryMayLieAnywhereAndReachTheLastByte) {
    std::vector<uint8_t> file(32, 0);
    PutU32(file, 8, 28);  // entry 1: the last four bytes
    PutU32(file, 12, 4);
    file[28] = 1, file[31] = 4;
    const auto entry = PackFile(file).Entry(1);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(AsVector(*entry), Bytes({1, 0, 0, 4}));
}

TEST(PackFileRead, DamagedFilesGiveNoEntry) {
    // Empty and short files: the slot itself is missing.
    EXPECT_FALSE(PackFile({}).Entry(0).has_value());
    const std::vector<uint8_t> seven = Bytes({8, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(PackFile(seven).Slot(0).has_value());

    // A truncated file: the index promises more data than is stored.
    std::vector<uint8_t> truncated = PackFile::Write({Bytes({1, 2, 3, 4, 5})});
    truncated.pop_back();
    EXPECT_TRUE(PackFile(truncated).Slot(0).has_value());
    EXPECT_FALSE(PackFile(truncated).Entry(0).has_value());

    // Garbage: offsets and sizes far beyond the file.
    std::vector<uint8_t> garbage(64, 0xFF);
    for (uint16_t i = 0; i < 8; ++i) EXPECT_FALSE(PackFile(garbage).Entry(i).has_value());
}

TEST(PackFileRead, OffsetPlusSizeOverflowIsRejected) {
    // 0xFFFFFFF0 + 0x20 wraps to 0x10 in 32 bits, which would look inside the file.
    std::vector<uint8_t> file(64, 0);
    PutU32(file, 0, 0xFFFFFFF0u);
    PutU32(file, 4, 0x20u);
    EXPECT_FALSE(PackFile(file).Entry(0).has_value());
    EXPECT_FALSE(formats::PackEntryFits(PackEntry{0xFFFFFFFFu, 0xFFFFFFFFu}, 64));
    EXPECT_TRUE(formats::PackEntryFits(PackEntry{64, 0}, 64));
    EXPECT_FALSE(formats::PackEntryFits(PackEntry{65, 0}, 64));
}

TEST(PackFileRead, IndexBeyondStoredEntries) {
    const std::vector<uint8_t> file = PackFile::Write({Bytes({'a'}), Bytes({'b'})});
    const PackFile pack(file);
    EXPECT_FALSE(pack.Slot(2).has_value()) << "slot 2 would start at the last byte";
    EXPECT_FALSE(pack.Entry(std::numeric_limits<uint16_t>::max()).has_value());
}

}  // namespace
