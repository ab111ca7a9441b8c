// ".wid" fonts: byte layout, round trips, and truncated or damaged files.
#include "formats/wid_font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using formats::ReadWidFont;
using formats::WidFont;
using formats::WriteWidFont;

WidFont SampleFont() {
    WidFont font;
    font.emPixels = 32;
    for (int c = 0; c < 256; ++c) {
        formats::WidGlyph& g = font.glyphs[c];
        g.x = uint16_t(c * 3);
        g.y = uint16_t(60000 + c);
        g.width = uint16_t(c % 17);
        g.height = uint16_t(32 - c % 5);
        g.offsetX = int16_t(c % 7 - 3);
        g.offsetY = int16_t(-(c % 4));
        g.advance = float(c) * 0.25f;
    }
    font.atlasPng = {0x89, 'P', 'N', 'G', 1, 2, 3};
    return font;
}

void ExpectSameFont(const WidFont& a, const WidFont& b) {
    EXPECT_EQ(a.emPixels, b.emPixels);
    EXPECT_EQ(a.atlasPng, b.atlasPng);
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(a.glyphs[c].x, b.glyphs[c].x);
        EXPECT_EQ(a.glyphs[c].y, b.glyphs[c].y);
        EXPECT_EQ(a.glyphs[c].width, b.glyphs[c].width);
        EXPECT_EQ(a.glyphs[c].height, b.glyphs[c].height);
        EXPECT_EQ(a.glyphs[c].offsetX, b.glyphs[c].offsetX);
        EXPECT_EQ(a.glyphs[c].offsetY, b.glyphs[c].offsetY);
        EXPECT_EQ(a.glyphs[c].advance, b.glyphs[c].advance);
    }
}

TEST(WidFont, LayoutHasTagVersionEmTableAndAtlas) {
    WidFont font;
    font.emPixels = 0x01020304 & 0xFFF;
    font.glyphs['A'] = {0x0102, 0x0304, 5, 6, -2, 3, 1.5f};
    font.atlasPng = {7, 8, 9};
    const std::vector<uint8_t> bytes = WriteWidFont(font);
    ASSERT_EQ(bytes.size(), 12u + 256u * 16u + 4u + 3u);
    EXPECT_EQ(std::memcmp(bytes.data(), "PWID", 4), 0);
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[8], 0x04);
    EXPECT_EQ(bytes[9], 0x03);
    const uint8_t* a = bytes.data() + 12 + 'A' * 16;
    EXPECT_EQ(a[0], 0x02);
    EXPECT_EQ(a[1], 0x01);
    EXPECT_EQ(a[2], 0x04);
    EXPECT_EQ(a[8], 0xFE);  // -2, two's complement
    EXPECT_EQ(a[9], 0xFF);
    float advance;
    std::memcpy(&advance, a + 12, 4);
    EXPECT_EQ(advance, 1.5f);
    const size_t atlasAt = 12 + 256 * 16;
    EXPECT_EQ(bytes[atlasAt], 3);
    EXPECT_EQ(bytes[atlasAt + 4], 7);
    EXPECT_EQ(bytes.back(), 9);
}

TEST(WidFont, RoundTripsEveryGlyph) {
    const WidFont font = SampleFont();
    std::string error;
    const auto back = ReadWidFont(WriteWidFont(font), &error);
    ASSERT_TRUE(back) << error;
    ExpectSameFont(font, *back);
}

TEST(WidFont, RoundTripsAnEmptyAtlas) {
    WidFont font = SampleFont();
    font.atlasPng.clear();
    const auto back = ReadWidFont(WriteWidFont(font));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->atlasPng.empty());
}

TEST(WidFont, EveryTruncationIsRejected) {
    const std::vector<uint8_t> bytes = WriteWidFont(SampleFont());
    for (size_t size = 0; size < bytes.size(); ++size) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
        std::string error;
        EXPECT_FALSE(ReadWidFont(cut, &error)) << "size " << size;
        EXPECT_FALSE(error.empty());
    }
}

TEST(WidFont, DamagedHeadersAndValuesAreRejected) {
    const std::vector<uint8_t> good = WriteWidFont(SampleFont());
    auto damaged = [&](size_t at, std::vector<uint8_t> patch) {
        std::vector<uint8_t> bytes = good;
        std::copy(patch.begin(), patch.end(), bytes.begin() + at);
        return ReadWidFont(bytes).has_value();
    };
    EXPECT_FALSE(damaged(0, {'P', 'W', 'I', 'E'}));
    EXPECT_FALSE(damaged(4, {2, 0, 0, 0}));
    EXPECT_FALSE(damaged(8, {0, 0, 0, 0}));
    EXPECT_FALSE(damaged(8, {0x01, 0x10, 0, 0}));  // 4097 pixels
    EXPECT_TRUE(damaged(8, {0x00, 0x10, 0, 0}));   // 4096 is the largest em
    const size_t advanceOf65 = 12 + 65 * 16 + 12;
    float nan = std::numeric_limits<float>::quiet_NaN(), negative = -1.0f;
    std::vector<uint8_t> nanBytes(4), negativeBytes(4);
    std::memcpy(nanBytes.data(), &nan, 4);
    std::memcpy(negativeBytes.data(), &negative, 4);
    EXPECT_FALSE(damaged(advanceOf65, nanBytes));
    EXPECT_FALSE(damaged(advanceOf65, negativeBytes));
    EXPECT_FALSE(damaged(12 + 256 * 16, {0xFF, 0xFF, 0xFF, 0xFF}));  // atlas longer than the file
}

TEST(WidFont, TrailingBytesAfterTheAtlasAreIgnored) {
    std::vector<uint8_t> bytes = WriteWidFont(SampleFont());
    bytes.insert(bytes.end(), {1, 2, 3});
    const auto back = ReadWidFont(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->atlasPng, SampleFont().atlasPng);
}

}  // namespace
