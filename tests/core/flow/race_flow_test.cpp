// Whole games through the headless runner on the generated data set: a game started as
// the main menu starts one, in which nobody drives or the test driver drives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "generated_game_folder.h"
#include "world/track_tables.h"

namespace {

namespace fs = std::filesystem;
using test_support::GeneratedGameFolder;
using test_support::Picture;
using test_support::RunHeadless;

// A scratch program folder with the generated data and no saved files, so the run starts
// with the default settings and high-score tables (1000 down to 100).
class RaceFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!game_.Fill()) GTEST_SKIP() << "no generated data";
        folder_ = game_.Path();
    }
    GeneratedGameFolder game_;
    fs::path folder_;
};

// Overlay point (x right, y up, -16..16 x -12..12) to a pixel of an 800 x 600 shot.
std::pair<int, int> PixelOf(double x, double y) {
    return {static_cast<int>((x + 16) / 32 * 800), static_cast<int>((12 - y) / 24 * 600)};
}

// Whether two shots show the same loading picture: every pixel of the band through the
// progress bar (y = -9.75) and a few points of the background around it.
bool SameLoadingPicture(const Picture& a, const Picture& b) {
    if (a.width != 800 || b.width != 800) return false;
    const int barY = PixelOf(0, -9.75).second;
    for (int y = barY - 10; y <= barY + 10; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (a.At(x, y) != b.At(x, y)) return false;
        }
    }
    constexpr std::pair<double, double> kBackground[] = {{-10, 5}, {10, -5}, {0, 8}, {-14, -2}};
    for (const auto& [x, y] : kBackground) {
        const auto [px, py] = PixelOf(x, y);
        if (a.At(px, py) != b.At(px, py)) return false;
    }
    return true;
}

// Where `text` first appears in the report's event list; npos when it does not.
size_t EventAt(const test_support::HeadlessResult& run, const std::string& text, size_t from = 0) {
    return run.List("events").find("\"" + text + "\"", from);
}

TEST_F(RaceFlow, NobodyDrivesUntilTheGameIsOverAndTheMenuIsBack) {
    // Hard gives two lives. Frames of 0.9 s keep the run short; with the clock at a
    // multiple of 5 ms every level is drawn on track slot 1 (98 s on Hard at level 1).
    const auto run = RunHeadless(folder_, "--new-game 2 1 --frame-ms 900 --start-ms 0 --frames 450 --no-draw");
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

TEST_F(RaceFlow, ARaceReportsItsCountersWhileItRunsAndItsStartShowsTheLoadingPicture) {
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

    // Ten pictures of the start-up, whose bar shows step k in picture k; then the new
    // game's: the picture as it was left (step 1) when the game starts and again as the
    // race is built, then the level start's: shown, two steps on, and five more steps
    // half a second apart, up to step 8.
    ASSERT_EQ(run.Number("loading_pictures"), 20) << run.report;
    const auto shot = [this](int n) {
        char name[32];
        std::snprintf(name, sizeof name, "loading-%02d.png", n);
        return test_support::ReadPng(folder_ / "shots" / name);
    };
    const int steps[10] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int n = 11; n <= 20; ++n) {
        const Picture level = shot(n);
        ASSERT_EQ(level.width, 800) << "picture " << n;
        EXPECT_TRUE(SameLoadingPicture(level, shot(steps[n - 11]))) << "picture " << n << ": step " << steps[n - 11];
        if (n > 11) {
            EXPECT_EQ(SameLoadingPicture(level, shot(n - 1)), steps[n - 11] == steps[n - 12]) << n;
        }
    }
    // The race is on screen once the level has started.
    EXPECT_FALSE(SameLoadingPicture(test_support::ReadPng(folder_ / "shots" / "last.png"), shot(8)));
}

// In a race the chase camera follows the player's car: after a few seconds of the test
// driver's driving from the grid (track 3, heading along -x, the camera starting 40
// units to +x and 80 up), it is behind the car and above it, about 22 units away (10
// back, 20 up) and farther while it lags at speed out of a corner; left where it
// started it would be some 170 units away.
TEST_F(RaceFlow, TheChaseCameraTrailsThePlayersCar) {
    const auto run = RunHeadless(folder_, "--new-game 0 3 --autodrive --no-draw --frame-ms 26 --start-ms 2 --frames 260");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    ASSERT_EQ(run.Number("app_state"), 4);
    const std::string car = run.List("player_car"), camera = run.List("camera");
    double cx = 0, cy = 0, cz = 0, heading = 0, kx = 0, ky = 0, kz = 0;
    ASSERT_EQ(std::sscanf(car.c_str(), "[%lf, %lf, %lf, %lf]", &cx, &cy, &cz, &heading), 4) << run.report;
    ASSERT_EQ(std::sscanf(camera.c_str(), "[%lf, %lf, %lf]", &kx, &ky, &kz), 3) << run.report;
    const track_tables::PointXZ grid = track_tables::GridSlotPosition(3, 3);  // behind Easy's three opponents
    EXPECT_GT(std::hypot(cx - grid.x, cz - grid.z), 40) << "the car has driven off: " << car;
    const double distance = std::sqrt((kx - cx) * (kx - cx) + (ky - cy) * (ky - cy) + (kz - cz) * (kz - cz));
    EXPECT_GT(distance, 12) << camera << " " << car;
    EXPECT_LT(distance, 50) << camera << " " << car;
    EXPECT_GT(ky - cy, 10) << "above the car";
    // Behind the car: the camera's way from the car points against its heading.
    const double radians = heading * M_PI / 180;
    const double along = (kx - cx) * std::cos(radians) + (kz - cz) * std::sin(radians);
    EXPECT_LT(along, -3) << camera << " " << car;
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
    const test_support::ScratchFolder folder("pebbledash-race-options");
    EXPECT_EQ(RunHeadless(folder.Path(), "--new-game 3 1").exitCode, 2);
    EXPECT_EQ(RunHeadless(folder.Path(), "--new-game 0 6").exitCode, 2);
    const auto missingCar = RunHeadless(folder.Path(), "--new-game 1");
    EXPECT_EQ(missingCar.exitCode, 2);
    EXPECT_NE(missingCar.log.find("missing car"), std::string::npos) << missingCar.log;
}

}  // namespace

// What a window manager may do to the game's window mid-race: squeeze it to a pixel and
// to slivers, stretch it, take the focus away and minimise it. The game goes on, draws
// nothing while minimised, and once the window is 800 x 600 again shows the race in it
// exactly as its picture holds it, as large as before.
TEST_F(RaceFlow, AWindowSqueezedStretchedBlurredAndMinimisedShowsTheRaceAgainAfterwards) {
    const fs::path script = folder_ / "window.txt";
    {
        std::ofstream out(script);
        out << "40 shot before\n"
               "41 window 1 1\n42 shot pixel\n43 window 3 2\n44 window 1200 40\n45 window 30 600\n"
               "46 window 800 600\n47 window blur\n48 window focus\n"
               "50 window minimise 400\n60 shot after\n";
    }
    const auto run = RunHeadless(folder_, "--new-game 0 3 --frame-ms 16 --start-ms 2 --frames 62 --script '" +
                                              script.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 4) << "still racing";
    EXPECT_EQ(run.Number("frames"), 62);

    // Minimised, the game stopped drawing until the window came back (frames are real time).
    double longest = 0;
    const std::string frameMs = run.List("frame_ms");
    for (const char* at = frameMs.c_str(); *at != '\0';) {
        char* end = nullptr;
        const double ms = std::strtod(at + 1, &end);
        if (end == at + 1) break;
        longest = std::max(longest, ms);
        at = end;
    }
    EXPECT_GE(longest, 390) << "no frame waited out the minimised window";

    const Picture before = test_support::ReadPng(folder_ / "shots" / "before.png");
    const Picture after = test_support::ReadPng(folder_ / "shots" / "after.png");
    const Picture window = test_support::ReadPng(folder_ / "shots" / "after-window.png");
    const Picture pixel = test_support::ReadPng(folder_ / "shots" / "pixel.png");
    ASSERT_EQ(before.width, 800);
    ASSERT_EQ(before.height, 600);
    EXPECT_EQ(pixel.width, 1) << "a one-pixel window draws a one-pixel picture";
    ASSERT_EQ(after.width, 800);
    ASSERT_EQ(after.height, 600);
    ASSERT_EQ(window.width, 800);
    ASSERT_EQ(window.height, 600);
    EXPECT_EQ(window.rgba, after.rgba) << "the window shows its picture whole, without bars";
    // The grid before the start: the same scene, only the opponents' wheels and the HUD's
    // numbers may have moved.
    size_t same = 0;
    for (size_t i = 0; i + 3 < before.rgba.size(); i += 4) {
        same += std::equal(before.rgba.begin() + i, before.rgba.begin() + i + 3, after.rgba.begin() + i);
    }
    EXPECT_GT(same, 800u * 600u * 8 / 10);
}
