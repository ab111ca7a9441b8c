// The race's texts as a player sees them at 800 x 600: the banners the race prints
// at its own places come out centred on the screen's middle, and the HUD's numbers
// show in their full orange.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;
using test_support::Picture;

// The columns holding banner yellow, the print colour (1, 1, 0) at near-full alpha,
// in the rows [y0, y1); the table's yellow blocks and the road's dashes are duller.
struct Span {
    int first = -1, last = -1;
    double Middle() const { return (first + last) / 2.0; }
    int Width() const { return last - first + 1; }
};

Span BannerYellow(const Picture& picture, int y0, int y1) {
    Span span;
    for (int x = 0; x < picture.width; ++x) {
        for (int y = y0; y < y1; ++y) {
            const auto p = picture.At(x, y);
            if (p[0] > 220 && p[1] > 220 && p[2] < 80) {
                if (span.first < 0) span.first = x;
                span.last = x;
                break;
            }
        }
    }
    return span;
}

// Pixels of the HUD's orange (217, 141, 57) at near its full strength inside the
// panel's number boxes (lives, level, laps, score, time), rows 12..32.
int HudOrangePixels(const Picture& picture) {
    const int boxes[5][2] = {{75, 127}, {220, 265}, {333, 377}, {443, 535}, {632, 765}};
    int count = 0;
    for (const auto& box : boxes) {
        for (int y = 12; y < 33; ++y) {
            for (int x = box[0]; x < box[1]; ++x) {
                const auto p = picture.At(x, y);
                if (p[0] > 170 && p[1] > 100 && p[2] < 100 && p[0] - p[2] > 100) ++count;
            }
        }
    }
    return count;
}

constexpr double kScreenMiddle = 399.5;

int EventFrame(const test_support::HeadlessResult& run, const std::string& text) {
    std::smatch match;
    const std::string list = run.List("events");
    if (!std::regex_search(list, match, std::regex(R"re(\{"frame": (\d+), "event": ")re" + text + "\"\\}"))) return -1;
    return std::stoi(match[1]);
}

class RaceTexts : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    GeneratedGameFolder folder_;
};

TEST_F(RaceTexts, WrongWayIsCentredAndTheHudNumbersAreOrange) {
    // Holding Down from the start on track 1 backs the car away from the first gate
    // until the warning shows.
    test_support::WriteFile(folder_.Path() / "script.txt", std::string("100 key 208 down\n"));
    const auto run = folder_.Run("--new-game 0 1 --no-draw --seed 1 --frame-ms 26 --start-ms 0 --frames 331 --script '" +
                                 (folder_.Path() / "script.txt").string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    const Picture shot = test_support::ReadPng(folder_.Path() / "shots" / "last.png");
    ASSERT_EQ(shot.width, 800);
    // "WRONG WAY" at (-5, 0), size 1: the middle row band, about ten units wide.
    const Span banner = BannerYellow(shot, 285, 315);
    ASSERT_GE(banner.first, 0) << "no warning on screen";
    EXPECT_GT(banner.Width(), 200);
    EXPECT_NEAR(banner.Middle(), kScreenMiddle, 6);
    EXPECT_NEAR(banner.first, 400 - 5 * 25, 4) << "it starts at its own place";
    // "x5", "1", "2", "0" and "00:41": a drab, greyed orange would count nothing.
    EXPECT_GT(HudOrangePixels(shot), 150);
}

TEST_F(RaceTexts, LevelCompleteAndThePlaceAreCentredAsOneBlock) {
    const std::string drive = "--new-game 0 1 --autodrive --no-draw --seed 1 --frame-ms 26 --start-ms 0 --frames ";
    const auto first = folder_.Run(drive + "2300");
    ASSERT_EQ(first.exitCode, 0) << first.log;
    const int complete = EventFrame(first, "level complete place 1");
    ASSERT_GT(complete, 0) << first.report;
    // 25 frames later the banner is at full size and near full alpha.
    const auto second = folder_.Run(drive + std::to_string(complete + 25));
    ASSERT_EQ(second.exitCode, 0) << second.log;
    // The same race to the same finish, still in the level-complete banner.
    EXPECT_EQ(EventFrame(second, "level complete place 1"), complete) << second.report;
    EXPECT_FALSE(second.ListHas("events", "score ")) << second.report;
    const Picture shot = test_support::ReadPng(folder_.Path() / "shots" / "last.png");
    ASSERT_EQ(shot.width, 800);
    const Span completeLine = BannerYellow(shot, 285, 315);
    const Span placeLine = BannerYellow(shot, 335, 365);
    ASSERT_GE(completeLine.first, 0);
    ASSERT_GE(placeLine.first, 0);
    // Both lines start at x = -8; the block they make spans -8..8.
    EXPECT_NEAR(completeLine.first, 200, 4);
    EXPECT_NEAR(placeLine.first, 200, 4);
    const Span block{std::min(completeLine.first, placeLine.first), std::max(completeLine.last, placeLine.last)};
    EXPECT_NEAR(block.Middle(), kScreenMiddle, 5);
    EXPECT_NEAR(completeLine.Middle(), kScreenMiddle, 6);
    EXPECT_NEAR(placeLine.Middle(), kScreenMiddle, 12);
}

}  // namespace
