// A game pad alone through the real program: from the home screen into a race, paused and
// resumed with Start, driven with stick and triggers through a lap and the whole level,
// and pulled out and plugged back in both in the menus and during the race.
#include <gtest/gtest.h>

#include <string>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;

// Frames of 26 ms, as the keyboard driver's runs. The menus take input from frame 100.
constexpr int kFrameMs = 26;

// One control of the runner's virtual pad pressed for one frame.
std::string Tap(int frame, const std::string& button) {
    return std::to_string(frame) + " pad " + button + " down\n" + std::to_string(frame + 1) + " pad " + button +
           " up\n";
}

class PadFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    GeneratedGameFolder folder_;
};

TEST_F(PadFlow, APadAloneStartsARaceWinsItAndSurvivesBeingPulledOut) {
    // A on Start, A on the car choice's OK; the pad is pulled out and plugged in again
    // while the difficulty screen slides in; A on the difficulty, Start on "Race". In
    // the race the runner's driver holds the pad's stick, triggers and A; the pad is
    // pulled out and back once more, and Start pauses and resumes.
    std::string script = Tap(100, "a") + Tap(140, "a") + "180 pad detach\n200 pad attach\n" + Tap(240, "a") +
                         Tap(246, "start");
    constexpr int kPulled = 900, kBack = 940, kPause = 1200, kResume = 1230;
    script += std::to_string(kPulled) + " pad detach\n" + std::to_string(kBack) + " pad attach\n";
    script += Tap(kPause, "start") + std::to_string(kPause - 3) + " shot driving\n" + std::to_string(kPause + 3) +
              " shot paused\n" + Tap(kResume, "start");
    test_support::WriteFile(folder_.Path() / "script.txt", script);
    const auto run = folder_.Run("--pad-drive --no-draw --seed 1 --frame-ms " + std::to_string(kFrameMs) +
                                 " --frames 2800 --script '" + (folder_.Path() / "script.txt").string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("pads"), 1) << "the pad plugged back in is the game's again";

    // No key was scripted: the pad's buttons chose the car, the difficulty and the race.
    ASSERT_TRUE(run.ListHas("events", "level 1 track")) << run.report;
    EXPECT_EQ(run.Number("car"), 1);
    EXPECT_EQ(run.Number("difficulty"), 0);
    EXPECT_TRUE(run.ListHas("events", "level complete place 1")) << "the pad drove both laps: " << run.report;
    EXPECT_FALSE(run.ListHas("events", "time over")) << run.report;
    EXPECT_GE(run.Number("level"), 2) << run.report;

    // Start showed the pause banner's yellow title; just before, the road had none there.
    const auto driving = test_support::ReadPng(folder_.Path() / "shots" / "driving.png");
    const auto paused = test_support::ReadPng(folder_.Path() / "shots" / "paused.png");
    ASSERT_EQ(paused.width, 800);
    EXPECT_GT(GeneratedGameFolder::YellowPixels(paused, 270, 530, 240, 320), 2000);
    EXPECT_LT(GeneratedGameFolder::YellowPixels(driving, 270, 530, 240, 320), 200);
}

TEST(PadScript, BadPadLinesAreRefused) {
    GeneratedGameFolder folder;
    for (const std::string line : {"5 pad\n", "5 pad a\n", "5 pad a pressed\n", "5 pad leftx 2\n", "5 pad wheel 1\n"}) {
        test_support::WriteFile(folder.Path() / "bad.txt", line);
        EXPECT_EQ(folder.Run("--frames 2 --script '" + (folder.Path() / "bad.txt").string() + "'").exitCode, 2)
            << line;
    }
}

}  // namespace
