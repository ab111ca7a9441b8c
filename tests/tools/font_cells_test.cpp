// The game's bitmap font against the places the game prints at: its cells make the
// lines the race and the name entry place by character count come out centred, the
// HUD's numbers keep their places, and each glyph sits inside its cell, on the line
// middle.
#include <gtest/gtest.h>

#include <stb_image.h>

#include <algorithm>
#include <memory>
#include <string>

#include "formats/wid_font.h"
#include "generated_data.h"
#include "tools/assetgen/font_metrics.h"

namespace assetgen_test {
namespace {

struct Atlas {
    int width = 0, height = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> rgba{nullptr, stbi_image_free};
    const stbi_uc* At(int x, int y) const { return rgba.get() + (static_cast<size_t>(y) * width + x) * 4; }
};

class GameFont : public ::testing::Test {
protected:
    void SetUp() override {
        const auto bytes = ReadBytes(GeneratedRoot() / "data/_fontg/Palatino Linotype.wid");
        std::string error;
        auto read = formats::ReadWidFont(bytes, &error);
        ASSERT_TRUE(read.has_value()) << error;
        font_ = std::move(*read);
        int channels = 0;
        atlas_.rgba.reset(stbi_load_from_memory(font_.atlasPng.data(), static_cast<int>(font_.atlasPng.size()),
                                                &atlas_.width, &atlas_.height, &channels, 4));
        ASSERT_NE(atlas_.rgba, nullptr);
    }

    // Where a line printed at x ends, in overlay units, as the engine advances its pen:
    // each character's advance scaled by size, plus spacing between characters.
    double LineEnd(const std::string& text, double x, double size, double spacing) const {
        for (size_t i = 0; i < text.size(); ++i) {
            x += font_.glyphs[static_cast<uint8_t>(text[i])].advance / font_.emPixels * size;
            if (i + 1 < text.size()) x += spacing;
        }
        return x;
    }

    // A texel of the glyph's fill: bright and nearly opaque (its rim is dark).
    bool IsFill(const formats::WidGlyph& g, int col, int row) const {
        const stbi_uc* p = atlas_.At(g.x + col, g.y + row);
        return p[3] > 200 && p[0] > 200;
    }

    formats::WidFont font_;
    Atlas atlas_;
};

TEST_F(GameFont, LinesPlacedByCharacterCountComeOutCentred) {
    struct Line {
        const char* text;
        double x, size, spacing;
    };
    // The race's banners at full size and the name entry's lines. (The level intro
    // and "TIME IS OVER!" are placed for narrower letters and sit right of the middle.)
    const Line lines[] = {
        {"LEVEL COMPLETE!", -8, 1, 0.2}, {"YOUR PLACE IS 8", -8, 1, 0.2},          {"WRONG WAY", -5, 1, 0.2},
        {"Your score is 1234", -4.4, 0.5, 0.1}, {"Please enter your name:", -6.55, 0.5, 0.1},
        {"Your country:", -3.4, 0.5, 0.1},     {"Abcdefghij", -2.5, 0.5, 0.1},      {"Norway", -1.5, 0.5, 0.1},
    };
    for (const Line& line : lines) {
        const double middle = (line.x + LineEnd(line.text, line.x, line.size, line.spacing)) / 2;
        EXPECT_NEAR(middle, 0, 0.45) << line.text;
    }
    EXPECT_NEAR(LineEnd("LEVEL COMPLETE!", -8, 1, 0.2), 8, 0.3);
}

TEST_F(GameFont, HudNumbersKeepTheirPlaces) {
    // The score right-aligned by 0.35 per character ends near 5.1 at every length.
    for (const std::string score : {"0", "205", "99999"}) {
        EXPECT_NEAR(LineEnd(score, 5.1 - 0.35 * score.size(), 0.5, 0.1), 5.0, 0.01) << score;
    }
    // A negative time starts 0.4 further left: the minus takes one digit cell, so the
    // digits stand where a positive time's do.
    EXPECT_NEAR(LineEnd("-00:03", 11.4, 0.5, 0.1), LineEnd("00:03", 11.8, 0.5, 0.1), 0.06);
    EXPECT_LT(LineEnd("-00:03", 11.4, 0.5, 0.1), 14.5) << "inside the time box";
}

TEST_F(GameFont, GlyphFillStaysInItsCellAndCapitalsSitOnTheLineMiddle) {
    const double overhang = assetgen::kOverhangEm * font_.emPixels;
    for (int code = 33; code < 127; ++code) {
        const formats::WidGlyph& g = font_.glyphs[code];
        ASSERT_LE(g.x + g.width, atlas_.width) << code;
        ASSERT_LE(g.y + g.height, atlas_.height) << code;
        EXPECT_FLOAT_EQ(g.advance, assetgen::AdvanceEm(static_cast<char>(code)) * font_.emPixels) << code;
        int left = g.width, right = -1;
        for (int row = 0; row < g.height; ++row) {
            for (int col = 0; col < g.width; ++col) {
                if (!IsFill(g, col, row)) continue;
                left = std::min(left, col);
                right = std::max(right, col);
            }
        }
        ASSERT_GE(right, 0) << "no fill in " << static_cast<char>(code);
        EXPECT_GE(g.offsetX + left, -overhang - 1) << static_cast<char>(code);
        EXPECT_LE(g.offsetX + right + 1, g.advance + overhang + 1) << static_cast<char>(code);
    }
    for (const char c : {'H', 'E', '0', '8'}) {
        const formats::WidGlyph& g = font_.glyphs[static_cast<uint8_t>(c)];
        int top = g.height, bottom = -1;
        for (int row = 0; row < g.height; ++row) {
            for (int col = 0; col < g.width; ++col) {
                if (!IsFill(g, col, row)) continue;
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
        EXPECT_NEAR(g.offsetY + (top + bottom + 1) / 2.0, font_.emPixels / 2.0, 2.5) << c;
        // Drawn large: capitals and digits stand over four fifths of the em tall.
        EXPECT_GT(bottom + 1 - top, 0.8 * font_.emPixels) << c;
    }
}

}  // namespace
}  // namespace assetgen_test
