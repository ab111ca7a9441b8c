// Pictures and sounds written by other programs (ImageMagick, sox, oggenc from Debian) load
// and show what they hold: every DDS kind (DXT1, DXT3, DXT5, uncompressed), PNGs and JPEGs
// of several kinds, WAVs of every sample width and OGG Vorbis.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/engine/engine_fixture.h"

namespace {

using ForeignFiles = EngineTest;

bool Have(const char* program) { return std::filesystem::exists(std::string("/usr/bin/") + program); }

// Runs a program from /usr/bin in the program folder; true when it succeeded.
bool Make(const std::string& folder, const std::string& command) {
    return std::system(("cd '" + folder + "' && /usr/bin/" + command + " >/dev/null 2>&1").c_str()) == 0;
}

TEST_F(ForeignFiles, ImageMagickPicturesOfEveryKindShowTheirColour) {
    if (!Have("convert")) GTEST_SKIP() << "ImageMagick is not installed (scripts/deps.sh)";
    WriteFile("data/sprite.x", kSpriteX);
    std::filesystem::create_directories(folder_ + "/data");
    const struct {
        const char* file;
        const char* options;  // convert arguments before the output file
        Rgb color;
    } cases[] = {
        {"dxt1.dds", "-size 64x64 xc:red -define dds:compression=dxt1", kRed},
        {"dxt1-mips.dds", "-size 64x48 xc:lime -define dds:compression=dxt1 -define dds:mipmaps=6", kGreen},
        {"dxt3.dds", "-size 32x32 xc:blue -alpha set -define dds:compression=dxt3", kBlue},
        {"dxt5.dds", "-size 20x12 xc:white -alpha set -define dds:compression=dxt5", kWhite},
        {"plain.dds", "-size 16x16 xc:red -alpha set -define dds:compression=none", kRed},
        {"palette.png", "-size 16x16 xc:lime PNG8:", kGreen},
        {"grey16.png", "-size 16x16 xc:white -depth 16 -define png:color-type=0 -define png:bit-depth=16", kWhite},
        {"rgb48.png", "-size 16x16 xc:red -depth 16 PNG48:", kRed},
        {"rgba.png", "-size 16x16 xc:blue -alpha set PNG32:", kBlue},
        {"interlaced.png", "-size 16x16 xc:red -interlace PNG", kRed},
        {"baseline.jpg", "-size 16x16 xc:blue -quality 95", kBlue},
        {"progressive.jpg", "-size 16x16 xc:lime -quality 95 -interlace JPEG", kGreen},
        {"grey.jpg", "-size 16x16 xc:white -colorspace Gray", kWhite},
    };
    const EngineHandle camera = MenuCamera();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string output = std::string(c.options).back() == ':' ? std::string(c.options) + c.file
                                                                         : std::string(c.options) + " " + c.file;
        ASSERT_TRUE(Make(folder_ + "/data", "convert " + output));
        iTextureMipLevelsSet(std::string(c.file) == "dxt1-mips.dds" ? 0 : 1);
        const EngineHandle texture = iTextureCreate(("data\\" + std::string(c.file)).c_str());
        ASSERT_NE(texture, 0) << (log_.empty() ? "" : log_.back());
        const EngineHandle sprite = iSpriteCreate("data\\sprite.x", camera);
        iSpriteTextureSet(sprite, texture);
        iSpriteScaleSet(sprite, {20, 15});
        iSpriteShow(sprite);
        EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), c.color.r, c.color.g, c.color.b, 12));
        iSpriteHide(sprite);
    }
}

TEST_F(ForeignFiles, SoxAndOggencSoundsOfEveryKindLoad) {
    if (!Have("sox") || !Have("oggenc")) GTEST_SKIP() << "sox or vorbis-tools is not installed (scripts/deps.sh)";
    std::filesystem::create_directories(folder_ + "/sound");
    const char* kinds[] = {"-b 8 -c 1 -r 11025 u8.wav", "-b 16 -c 2 -r 44100 s16.wav", "-b 24 -c 1 -r 48000 s24.wav",
                           "-e floating-point -b 32 -c 2 -r 22050 f32.wav", "-e mu-law -c 1 -r 8000 ulaw.wav"};
    for (const char* kind : kinds) {
        ASSERT_TRUE(Make(folder_ + "/sound", std::string("sox -n ") + kind + " synth 0.3 sine 440")) << kind;
    }
    ASSERT_TRUE(Make(folder_ + "/sound", "oggenc -Q -q 2 -o music.ogg s16.wav"));
    ASSERT_TRUE(Make(folder_ + "/sound", "oggenc -Q -q 0 -o mono.ogg u8.wav"));
    for (const char* file : {"u8.wav", "s16.wav", "s24.wav", "f32.wav", "ulaw.wav", "music.ogg", "mono.ogg"}) {
        SCOPED_TRACE(file);
        const std::string path = std::string("sound\\") + file;
        EXPECT_NE(iSoundCreate(path.c_str(), -1), 0);
        EXPECT_NE(iSoundCreate(path.c_str(), 0), 0);
        const EngineHandle music = iSoundOggCreate(path.c_str(), 0, 0);
        ASSERT_NE(music, 0);
        iSoundPlayNow(music, 0);
        EXPECT_NE(iSoundPlaying(music), 0);
    }
}

}  // namespace
