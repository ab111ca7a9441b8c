// The real program, headless, from a cold start to the main menu.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "headless_run.h"
#include "scratch_folder.h"
#include "test_program_data.h"

namespace {
using test_support::RunHeadless;

class StartupFlow : public ::testing::Test {
protected:
    test_support::ScratchFolder scratch_{"pebbledash-flow"};
    const std::filesystem::path folder_ = scratch_.Path();
};

// Overlay point (x right, y up, -16..16 x -12..12) to a pixel of an 800 x 600 shot.
std::pair<int, int> PixelOf(double x, double y) {
    return {static_cast<int>((x + 16) / 32 * 800), static_cast<int>((12 - y) / 24 * 600)};
}

TEST_F(StartupFlow, ColdStartShowsTheProgressBarFromStepOneAndEndsInTheMainMenu) {
    test_support::WriteStartupData(folder_);
    const auto run = RunHeadless(folder_, "--frames 20 --frame-ms 16");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("frames"), 20);
    EXPECT_EQ(run.Number("app_state"), 5);
    EXPECT_EQ(run.List("missing_files"), "[]") << run.report;
    // One picture when the bar appears, then one for each of its nine advances.
    EXPECT_EQ(run.Number("loading_pictures"), 10);

    const auto first = test_support::ReadPng(folder_ / "shots" / "loading-01.png");
    ASSERT_EQ(first.width, 800);
    ASSERT_EQ(first.height, 600);
    const auto [barX, barY] = PixelOf(0, -9.75);
    EXPECT_EQ(first.At(barX, barY), test_support::LoadingEntryColor(0));
    const auto [backX, backY] = PixelOf(-10, 5);
    EXPECT_EQ(first.At(backX, backY), test_support::LoadingEntryColor(10));

    const auto last = test_support::ReadPng(folder_ / "shots" / "loading-10.png");
    EXPECT_EQ(last.At(barX, barY), test_support::LoadingEntryColor(9));

    // The loading picture is gone once the main menu is reached.
    const auto menu = test_support::ReadPng(folder_ / "shots" / "last.png");
    EXPECT_NE(menu.At(barX, barY), test_support::LoadingEntryColor(0));
    EXPECT_NE(menu.At(backX, backY), test_support::LoadingEntryColor(10));

    // The saved files of a first start exist, and play.url was opened once at the end.
    EXPECT_EQ(std::filesystem::file_size(folder_ / "data" / "settings.dat"), 48u);
    EXPECT_EQ(std::filesystem::file_size(folder_ / "data" / "records.dat"), 480u);
    EXPECT_EQ(run.List("opened"), std::string("[\"") + test_support::kPlayAddress + "\"]") << run.report;
}

TEST_F(StartupFlow, MissingDataStillReachesTheMainMenuAndNamesEveryMissingFile) {
    const auto run = RunHeadless(folder_, "--frames 5 --frame-ms 16");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 5);
    EXPECT_TRUE(run.ListHas("missing_files", "sprite.x")) << run.report;
    EXPECT_TRUE(run.ListHas("missing_files", "Palatino Linotype.wid")) << run.report;
    EXPECT_TRUE(run.ListHas("missing_files", "skybox01.sky")) << run.report;
}

TEST_F(StartupFlow, ScriptedShotsAreTakenAtTheirFrames) {
    test_support::WriteStartupData(folder_);
    test_support::WriteFile(folder_ / "script.txt", std::string("# a comment\n3 shot early\n7 mouse 0 0\n8 shot moved\n"));
    const auto run = RunHeadless(folder_, "--frames 10 --frame-ms 16 --script '" + (folder_ / "script.txt").string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_TRUE(std::filesystem::exists(folder_ / "shots" / "early.png"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "shots" / "moved.png"));
    EXPECT_TRUE(run.ListHas("shots", "early"));
}

TEST_F(StartupFlow, BadScriptIsRefusedWithTheLine) {
    test_support::WriteFile(folder_ / "script.txt", std::string("1 shot ok\n2 jump high\n"));
    const auto run = RunHeadless(folder_, "--frames 3 --script '" + (folder_ / "script.txt").string() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.log.find("line 2"), std::string::npos) << run.log;
}
}  // namespace
