// Whole games through the headless runner on the generated data set: a game started as
// the main menu starts one, in which nobody drives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "headless_run.h"

namespace {

namespace fs = std::filesystem;
using test_support::RunHeadless;

// A scratch copy of the generated data and sound folders, without saved files, so the
// run starts with the default high-score tables (1000 down to 100).
class RaceFlow : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("PEBBLEDASH_BIN");
        const fs::path generated = fs::path(bin ? bin : ".");
        if (!fs::exists(generated / "data" / "sprite.x")) GTEST_SKIP() << "no generated data in " << generated;
        std::string pattern = (fs::temp_directory_path() / "pebbledash-race-flow-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        fs::copy(generated / "data", folder_ / "data", fs::copy_options::recursive);
        if (fs::exists(generated / "sound")) {
            fs::copy(generated / "sound", folder_ / "sound", fs::copy_options::recursive);
        }
        fs::remove(folder_ / "data" / "settings.dat");
        fs::remove(folder_ / "data" / "records.dat");
    }
    void TearDown() override {
        if (folder_.empty()) return;
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

// Where `text` first appears in the report's event list; npos when it does not.
size_t EventAt(const test_support::HeadlessResult& run, const std::string& text, size_t from = 0) {
    return run.List("events").find("\"" + text + "\"", from);
}

TEST_F(RaceFlow, NobodyDrivesUntilTheGameIsOverAndTheMenuIsBack) {
    // Hard gives two lives. Frames of 0.9 s keep the run short; with the clock at a
    // multiple of 5 ms every level is drawn on track slot 1 (98 s on Hard at level 1).
    const auto run = RunHeadless(folder_, "--new-game 2 1 --frame-ms 900 --start-ms 0 --frames 450");
    ASSERT_EQ(run.exitCode, 0) << run.log;

    const size_t first = EventAt(run, "level 1 track 1");
    const size_t timeOver = EventAt(run, "time over");
    const size_t replay = EventAt(run, "level 1 track 1", first + 1);
    const size_t gameOver = EventAt(run, "game over");
    const size_t menu = EventAt(run, "main menu");
    ASSERT_NE(first, std::string::npos) << run.report;
    ASSERT_NE(menu, std::string::npos) << run.report;
    EXPECT_LT(first, timeOver);
    EXPECT_LT(timeOver, replay);
    EXPECT_LT(replay, gameOver);
    EXPECT_LT(gameOver, menu);
    EXPECT_FALSE(run.ListHas("events", "name entry")) << run.report;
    EXPECT_FALSE(run.ListHas("events", "level complete")) << run.report;

    // Back in the main menu with the menu camera and the menu music, the game reset.
    EXPECT_EQ(run.Number("app_state"), 5);
    EXPECT_EQ(run.List("camera"), "[0, 10, 0]");
    EXPECT_EQ(run.Number("music"), 0);
    EXPECT_EQ(run.Number("score"), 0);
    EXPECT_EQ(run.Number("lives"), 3);
    EXPECT_EQ(run.Number("level"), 0);
}

TEST_F(RaceFlow, ARaceReportsItsCountersWhileItRuns) {
    const auto run = RunHeadless(folder_, "--new-game 0 3 --frame-ms 16 --start-ms 2 --frames 30");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 4);
    EXPECT_EQ(run.Number("lives"), 5);
    EXPECT_EQ(run.Number("level"), 1);
    EXPECT_EQ(run.Number("track"), 3);
    EXPECT_EQ(run.Number("laps_left"), 2);
    EXPECT_EQ(run.Number("place"), 0);
    EXPECT_TRUE(run.ListHas("events", "{\"frame\": 1, \"event\": \"level 1 track 3\"}")) << run.report;
    // The game music of track 3 (index 1) plays.
    EXPECT_EQ(run.Number("music"), 1);
}

TEST_F(RaceFlow, PKeyPausesTheRaceAndSilencesItThenResumesWithTheGameMusic) {
    const fs::path script = folder_ / "pause.txt";
    {
        std::ofstream out(script);
        out << "5 key 25 down\n6 key 25 up\n";
    }
    auto run = RunHeadless(folder_, "--new-game 0 3 --frame-ms 16 --start-ms 2 --frames 10 --script '" +
                                        script.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 14);
    EXPECT_EQ(run.Number("music"), -1);

    {
        std::ofstream out(script, std::ios::app);
        out << "8 key 197 down\n9 key 197 up\n";
    }
    fs::remove(folder_ / "data" / "settings.dat");
    run = RunHeadless(folder_, "--new-game 0 3 --frame-ms 16 --start-ms 2 --frames 12 --script '" +
                                   script.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 4);
    EXPECT_EQ(run.Number("music"), 1);
}

TEST(RaceFlowOptions, BadNewGameArgumentsAreRefused) {
    std::string pattern = (fs::temp_directory_path() / "pebbledash-race-options-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    EXPECT_EQ(RunHeadless(folder, "--new-game 3 1").exitCode, 2);
    EXPECT_EQ(RunHeadless(folder, "--new-game 0 6").exitCode, 2);
    const auto missingCar = RunHeadless(folder, "--new-game 1");
    EXPECT_EQ(missingCar.exitCode, 2);
    EXPECT_NE(missingCar.log.find("missing car"), std::string::npos) << missingCar.log;
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace
