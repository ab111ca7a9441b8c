// The options screen through the real program: keys bound with the refusal rules and kept
// in the settings file, and Apply with a display change surviving the display's re-creation.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;
using Bytes = std::vector<uint8_t>;

enum Key : int { kEsc = 1, kDigit2 = 3, kW = 17, kEnter = 28, kCtrl = 29, kF5 = 63,
                 kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

// The options screen has slid in and stands on the video page by this frame.
constexpr int kOptionsOpen = 205;

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class OptionsFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    // Presses `code` for one frame at `frame`; `frame` moves on by three.
    void Key(int& frame, int code) {
        script_ += std::to_string(frame) + " key " + std::to_string(code) + " down\n" + std::to_string(frame + 1) +
                   " key " + std::to_string(code) + " up\n";
        frame += 3;
    }
    void Line(const std::string& line) { script_ += line + "\n"; }
    // Down, Enter on the main menu: the options slide in.
    void OpenOptions() {
        int frame = 150;
        Key(frame, kDown);
        Key(frame, kEnter);
    }
    // On the hand-driven clock, so the slides stand where the frame numbers expect them
    // however busy the machine is.
    test_support::HeadlessResult Run(int frames) {
        test_support::WriteFile(folder_.Path() / "script.txt", script_);
        return folder_.Run("--frame-ms 16 --start-ms 2 --frames " + std::to_string(frames) + " --script '" +
                           (folder_.Path() / "script.txt").string() + "'");
    }
    GeneratedGameFolder folder_;
    std::string script_;
};

TEST_F(OptionsFlow, KeysAreBoundWithTheRefusalRulesAndKeptInTheSettingsFile) {
    OpenOptions();
    int frame = kOptionsOpen;
    for (int code : {kUp, kRight, kRight, kEnter, kDown, kEnter}) Key(frame, code);  // controls page, accelerate row
    Key(frame, kDown);    // the brake's key: refused, still waiting
    Key(frame, kDigit2);  // a digit: refused
    const int waiting = frame;
    Line(std::to_string(waiting) + " shot waiting");
    Key(frame, kW);       // accepted: accelerate on W
    for (int i = 0; i < 5; ++i) Key(frame, kDown);  // the boss key's row
    Key(frame, kEnter);
    Line(std::to_string(frame) + " key 29 down");  // Ctrl held, then F5
    frame += 2;
    Key(frame, kF5);
    Line(std::to_string(frame) + " key 29 up");
    const auto run = Run(frame + 10);
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 6) << run.report;

    const Bytes settings = ReadBytes(folder_.Path() / "data" / "settings.dat");
    ASSERT_EQ(settings.size(), 48u);
    EXPECT_EQ(settings[36] | settings[37] << 8, kW) << "accelerate";
    EXPECT_EQ(settings[38] | settings[39] << 8, kDown) << "the brake keeps its key";
    EXPECT_EQ(settings[27], kF5) << "boss key";
    EXPECT_EQ(settings[28], 0) << "no Shift";
    EXPECT_EQ(settings[29], 0) << "no Alt";
    EXPECT_EQ(settings[30], 1) << "Ctrl";

    // While accelerate's key is awaited its row reads "?" in white on the controls page.
    const auto shot = test_support::ReadPng(folder_.Path() / "shots" / "waiting.png");
    EXPECT_GT(GeneratedGameFolder::WhitePixels(shot, 620, 700, 240, 275), 5);
}

TEST_F(OptionsFlow, ApplyWithShadowsOnReCreatesTheDisplayAndTheOptionsScreenComesBack) {
    OpenOptions();
    int frame = kOptionsOpen;
    Line(std::to_string(frame - 3) + " shot before");
    for (int code : {kDown, kDown, kDown, kDown, kEnter, kDown}) Key(frame, code);  // shadows on, to Apply
    Key(frame, kEnter);
    const int applied = frame;
    Line(std::to_string(applied + 60) + " shot after");
    const auto run = Run(applied + 70);
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 6) << run.report;
    EXPECT_EQ(run.Number("loading_pictures"), 20) << "ten at start, ten for the new display";
    const Bytes settings = ReadBytes(folder_.Path() / "data" / "settings.dat");
    ASSERT_EQ(settings.size(), 48u);
    EXPECT_EQ(settings[2], 1) << "shadows";

    // On the new display the options stand on their video page again: its resolution line
    // "800x600" is printed in yellow in its box, as before the display was made anew.
    const auto before = test_support::ReadPng(folder_.Path() / "shots" / "before.png");
    const auto after = test_support::ReadPng(folder_.Path() / "shots" / "after.png");
    ASSERT_EQ(after.width, 800);
    EXPECT_GT(GeneratedGameFolder::YellowPixels(before, 660, 750, 285, 315), 20);
    EXPECT_GT(GeneratedGameFolder::YellowPixels(after, 660, 750, 285, 315), 20);
}

}  // namespace
