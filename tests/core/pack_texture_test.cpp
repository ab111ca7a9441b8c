// Pack entries read from files, and the serial numbers of texture requests.
#include "core/pack_texture.h"

#include <gtest/gtest.h>

#include "formats/pack_file.h"
#include "tests/core/temp_program_folder.h"

namespace {

class PackTextureTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    const std::vector<std::vector<uint8_t>> entries = {{'z', 'e', 'r', 'o'}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}};

    void WritePack(const std::string& relative) { folder.Write(relative, formats::PackFile::Write(entries)); }
};

TEST_F(PackTextureTest, ReadsEveryEntryThroughItsSlot) {
    WritePack("data/Forms.dat");
    for (uint16_t i = 0; i < entries.size(); ++i) {
        const auto data = ReadPackEntryFromFile("data\\Forms.dat", i);
        ASSERT_TRUE(data.has_value()) << "entry " << i;
        EXPECT_EQ(*data, entries[i]) << "entry " << i;
    }
}

TEST_F(PackTextureTest, FileNameIsMatchedWithoutCase) {
    WritePack("data/forms.dat");
    EXPECT_EQ(ReadPackEntryFromFile("data\\Forms.dat", 2), entries[2]);
}

TEST_F(PackTextureTest, DamagedOrMissingFilesGiveNothing) {
    EXPECT_EQ(ReadPackEntryFromFile("data\\Missing.dat", 0), std::nullopt);

    std::vector<uint8_t> truncated = formats::PackFile::Write(entries);
    truncated.pop_back();
    folder.Write("data/Cut.dat", truncated);
    EXPECT_EQ(ReadPackEntryFromFile("data\\Cut.dat", 0), entries[0]);
    EXPECT_EQ(ReadPackEntryFromFile("data\\Cut.dat", 2), std::nullopt) << "the last entry lost a byte";
    EXPECT_EQ(ReadPackEntryFromFile("data\\Cut.dat", 3), std::nullopt) << "slot 3 lies in the data";
    EXPECT_EQ(ReadPackEntryFromFile("data\\Cut.dat", 65535), std::nullopt);

    folder.Write("data/Short.dat", {4, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadPackEntryFromFile("data\\Short.dat", 0), std::nullopt);

    // offset + size wraps in 32 bits to a small number inside the file.
    folder.Write("data/Wrap.dat", {0xF8, 0xFF, 0xFF, 0xFF, 0x10, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadPackEntryFromFile("data\\Wrap.dat", 0), std::nullopt);
}

TEST_F(PackTextureTest, EveryRequestRaisesTheSerial) {
    WritePack("data/Cursor.dat");
    const int32_t start = TextureSerial;

    int32_t first = 0, second = 0;
    LoadPackTexture("data\\Cursor.dat", 0, &first);
    LoadPackTexture("data\\Cursor.dat", 0, &second);
    EXPECT_EQ(first, start + 1);
    EXPECT_EQ(second, start + 2) << "two loads of one entry use two serials";

    int32_t untouched = -1;
    EXPECT_EQ(LoadPackTexture("data\\Missing.dat", 0, &untouched), 0);
    EXPECT_EQ(TextureSerial, start + 3) << "a missing file still raises the serial";
    EXPECT_EQ(untouched, -1);

    EXPECT_EQ(LoadPackTexture("data\\Cursor.dat", 9), 0) << "no entry 9: no texture";
    EXPECT_EQ(TextureSerial, start + 4);
}

}  // namespace
