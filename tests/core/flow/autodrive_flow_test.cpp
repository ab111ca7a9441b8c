// The runner's test driver on the real game: it presses the bound driving keys as a
// player's keyboard would and wins level 1 on Easy on each of the five tracks.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;

struct Event {
    int frame = 0;
    std::string text;
};

std::vector<Event> Events(const test_support::HeadlessResult& run) {
    std::vector<Event> events;
    const std::string list = run.List("events");
    static const std::regex item(R"re(\{"frame": (\d+), "event": "([^"]*)"\})re");
    for (auto it = std::sregex_iterator(list.begin(), list.end(), item); it != std::sregex_iterator(); ++it) {
        events.push_back({std::stoi((*it)[1]), (*it)[2]});
    }
    return events;
}

// The index of the first event starting with `prefix` at or after `from`; -1 when none.
int Find(const std::vector<Event>& events, const std::string& prefix, int from = 0) {
    for (int i = from; i < static_cast<int>(events.size()); ++i) {
        if (events[i].text.rfind(prefix, 0) == 0) return i;
    }
    return -1;
}

// Frames of 26 ms (two race ticks). The level start draws its track from the clock:
// (tick mod 5) + 1, and with this frame time the first level starts at a multiple of
// 5 ms, so --start-ms (track - 1) gives that track.
constexpr int kFrameMs = 26;
std::string DriveArguments(int track, int frames) {
    return "--new-game 0 1 --autodrive --no-draw --seed 1 --frame-ms " + std::to_string(kFrameMs) + " --start-ms " +
           std::to_string(track - 1) + " --frames " + std::to_string(frames);
}

// Level 1's limit on Easy (base time less 2 s) in frames, and some more for the intro,
// the time bonus, the banner and the next level's start.
int FrameBudget(int track) {
    static const int kBaseSeconds[] = {50, 60, 85, 60, 100};
    const double secondsPerFrame = 0.01333 * kFrameMs / 13.0;
    return static_cast<int>(std::ceil((kBaseSeconds[track - 1] - 2) / secondsPerFrame)) + 400;
}

class AutodriveFlow : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    GeneratedGameFolder folder_;
};

TEST_P(AutodriveFlow, WinsLevelOneOnEasyAndGoesOnToLevelTwo) {
    const int track = GetParam();
    const auto run = folder_.Run(DriveArguments(track, FrameBudget(track)));
    ASSERT_EQ(run.exitCode, 0) << run.log;
    const std::vector<Event> events = Events(run);
    ASSERT_FALSE(events.empty()) << run.report;
    EXPECT_EQ(events[0].frame, 1);
    EXPECT_EQ(events[0].text, "level 1 track " + std::to_string(track));

    const int complete = Find(events, "level complete");
    ASSERT_GE(complete, 0) << "no finish on track " << track << ": " << run.report;
    EXPECT_EQ(Find(events, "time over"), -1) << run.report;
    EXPECT_EQ(events[complete].text, "level complete place 1") << run.report;
    EXPECT_EQ(Find(events, "overturned"), -1) << run.report;
    // The completed level hands over with its score: the win's 200 points and the time
    // bonus (a pickup taken on the way can cost points again).
    const int score = Find(events, "score ", complete);
    ASSERT_EQ(score, complete + 1) << run.report;
    EXPECT_GT(std::stoi(events[score].text.substr(6)), 200) << run.report;
    const int next = Find(events, "level 2 track ", complete);
    ASSERT_EQ(next, score + 1) << run.report;
    EXPECT_GT(events[next].frame, events[complete].frame);
    EXPECT_EQ(Find(events, "game over"), -1) << run.report;

    // The run ends inside level 2, or later when the driver also wins level 2 within
    // the frames left.
    EXPECT_GE(run.Number("level"), 2);
    EXPECT_GE(run.Number("lives"), 5);
}

INSTANTIATE_TEST_SUITE_P(EveryTrack, AutodriveFlow, ::testing::Values(1, 2, 3, 4, 5),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Track" + std::to_string(info.param);
                         });

TEST(AutodriveOptions, TheDriverTakesNoValue) {
    GeneratedGameFolder folder;
    EXPECT_EQ(folder.Run("--frames 2 --autodrive 1").exitCode, 2);
    const auto run = folder.Run("--frames 2 --frame-ms 16 --autodrive");
    EXPECT_EQ(run.exitCode, 0) << run.log;
}

}  // namespace
