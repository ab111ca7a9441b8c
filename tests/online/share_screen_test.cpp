// The share screen's description reader: the generator's file, and faulty files that make
// the screen unusable (the program then quits at once).
#include "online/share_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/core/temp_program_folder.h"

namespace {

// The pictures and link files the description below names, in a fresh program folder.
class ShareScreenReader : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_.Path("wdata"));
        for (const char* name : {"bg.jpg", "a.png", "a_lit.png", "a.html", "x.png", "x_lit.png", "x_wait.png"}) {
            folder_.Write(std::string("wdata/") + name, {'p'});
        }
    }
    static TShareScreen Read(const std::string& text) {
        TShareScreen screen;
        screen.Read(text);
        return screen;
    }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    static std::string Join(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        return text;
    }

    // One link button and the exit button; paths written as the distribution writes them.
    const std::string good_ =
        "2\n"
        "wdata\\bg.jpg\n"
        "70 400 300 76\n"
        "  72 402 296 70\n"
        "wdata\\a.png\n"
        "wdata\\A_LIT.png\n"
        "wdata\\a.html\n"
        "290 500 220 64\n"
        "290 500 220 64\n"
        "291 501 218 60\n"
        "wdata\\x.png\n"
        "wdata\\x_lit.png\n"
        "wdata\\x_wait.png\n"
        "530 532\n"
        "5\n"
        "255 214 64\n"
        "TRUE\n"
        "26\n";
    TempProgramFolder folder_;
};

TEST_F(ShareScreenReader, ReadsTheDescriptionInFileOrder) {
    const TShareScreen screen = Read(good_);
    ASSERT_TRUE(screen.usable);
    EXPECT_EQ(screen.buttonCount, 2);
    ASSERT_EQ(screen.buttons.size(), 2u);
    const TButton& link = screen.buttons[0];
    EXPECT_EQ(link.target, "wdata\\a.html");
    EXPECT_TRUE(link.ready);
    // Rectangles are read as left, top, width, height and kept as left, top, height, width.
    EXPECT_EQ(link.normalRect.left, 72);
    EXPECT_EQ(link.normalRect.top, 402);
    EXPECT_EQ(link.normalRect.height, 70);
    EXPECT_EQ(link.normalRect.width, 296);
    EXPECT_EQ(link.waitPath, link.normalPath);
    EXPECT_EQ(link.waitRect.width, link.normalRect.width);
    const TButton& exit = screen.buttons[1];
    EXPECT_TRUE(exit.IsExit());
    EXPECT_FALSE(exit.ready);
    EXPECT_EQ(exit.waitRect.height, 60);
    EXPECT_EQ(exit.waitPath, "wdata\\x_wait.png");
    EXPECT_EQ(screen.countdown, 5);
    EXPECT_EQ(screen.textX, 530);
    EXPECT_EQ(screen.textY, 532);
    EXPECT_EQ(screen.textColour, 0x40D6FFu);  // red in the lowest byte
    EXPECT_TRUE(screen.textSizeGiven);
    EXPECT_EQ(screen.textSize, 26);

    // Any other word than TRUE: the size is 0.4 of the exit button's height, and a
    // description with Windows line ends reads the same.
    std::vector<std::string> lines = Lines(good_);
    lines[16] = "true";
    lines.pop_back();
    std::string crlf;
    for (const std::string& line : lines) crlf += line + "\r\n";
    const TShareScreen sized = Read(crlf);
    ASSERT_TRUE(sized.usable);
    EXPECT_FALSE(sized.textSizeGiven);
    EXPECT_EQ(sized.textSize, 25);  // 64 x 0.4, truncated
    EXPECT_EQ(sized.buttons[0].target, "wdata\\a.html");
}

TEST_F(ShareScreenReader, EveryFaultyDescriptionDisablesTheScreen) {
    const std::vector<std::string> lines = Lines(good_);
    const auto with = [&lines](size_t index, const std::string& line) {
        std::vector<std::string> changed = lines;
        changed[index] = line;
        return Join(changed);
    };
    const struct {
        const char* what;
        std::string text;
    } faulty[] = {
        {"two spaces between numbers", with(2, "70  400 300 76")},
        {"a number short", with(9, "291 501 218")},
        {"a word for a number", with(14, "five")},
        {"an empty number line", with(13, "")},
        {"a missing picture", with(5, "wdata\\nothing.png")},
        {"a missing link target", with(6, "wdata\\nothing.html")},
        {"an empty background path", with(1, "")},
        {"no buttons", with(0, "0")},
        {"more buttons than lines", with(0, "3")},
        {"a size line missing after TRUE", Join(std::vector<std::string>(lines.begin(), lines.end() - 1))},
    };
    for (const auto& c : faulty) EXPECT_FALSE(Read(c.text).usable) << c.what;

    // A short file, cut after any line.
    for (size_t kept = 0; kept < lines.size(); ++kept) {
        EXPECT_FALSE(Read(Join(std::vector<std::string>(lines.begin(), lines.begin() + kept))).usable) << kept;
    }
}

}  // namespace
