// A game's numbers: time limits by track, difficulty and level, lives, laps, opponents,
// the choice of opponents and the time bonus of a completed level.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/random_source.h"
#include "race/level_rules.h"

namespace {

using race_rules::CarId;

TEST(TimeLimit, FirstLevelOnTrackOneEasyIs48AndFromLevelFiveOn50) {
    EXPECT_EQ(race_rules::TimeLimit(1, 0, 1), 48);
    EXPECT_EQ(race_rules::TimeLimit(1, 0, 2), 46);
    EXPECT_EQ(race_rules::TimeLimit(1, 0, 4), 42);
    EXPECT_EQ(race_rules::TimeLimit(1, 0, 5), 50);
    EXPECT_EQ(race_rules::TimeLimit(1, 0, 12), 50);
}

TEST(TimeLimit, FullTimesByBaseAndDifficulty) {
    // Track slot, then the seconds on Easy, Medium, Hard from level 5 on: base + d x (base div 2).
    const int expected[5][3] = {{50, 75, 100}, {60, 90, 120}, {85, 127, 169}, {60, 90, 120}, {100, 150, 200}};
    for (int track = 1; track <= 5; ++track) {
        for (int difficulty = 0; difficulty <= 2; ++difficulty) {
            EXPECT_EQ(race_rules::TimeLimit(track, difficulty, 5), expected[track - 1][difficulty])
                << "track " << track << " difficulty " << difficulty;
            EXPECT_EQ(race_rules::TimeLimit(track, difficulty, 3), expected[track - 1][difficulty] - 6);
        }
    }
    EXPECT_EQ(race_rules::TimeLimit(6, 0, 5), 70);
    EXPECT_EQ(race_rules::TimeLimit(7, 2, 5), 89);  // 45 + 2 x 22
}

TEST(GameNumbers, LivesLapsAndOpponentsByDifficulty) {
    EXPECT_EQ(race_rules::StartingLives(0), 5);
    EXPECT_EQ(race_rules::StartingLives(1), 3);
    EXPECT_EQ(race_rules::StartingLives(2), 2);
    EXPECT_EQ(race_rules::LapsPerRace(0), 2);
    EXPECT_EQ(race_rules::LapsPerRace(2), 4);
    EXPECT_EQ(race_rules::OpponentCount(0), 3);
    EXPECT_EQ(race_rules::OpponentCount(1), 5);
    EXPECT_EQ(race_rules::OpponentCount(2), 7);
}

// Instance 1 cars come first with rising model numbers, then instance 2 cars; no car twice.
void ExpectGridOrder(const std::vector<CarId>& chosen) {
    std::set<std::pair<int, int>> seen;
    for (size_t i = 0; i < chosen.size(); ++i) {
        EXPECT_TRUE(seen.insert({chosen[i].model, chosen[i].instance}).second);
        if (i == 0) continue;
        if (chosen[i].instance == chosen[i - 1].instance) {
            EXPECT_GT(chosen[i].model, chosen[i - 1].model);
        }
        EXPECT_GE(chosen[i].instance, chosen[i - 1].instance);
    }
}

TEST(ChooseOpponents, EasyWithCarOneTakesThreeOtherModelsInstanceOneFirst) {
    int allInstanceOne = 0;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SeedRandom(seed);
        const auto chosen = race_rules::ChooseOpponents(1, 3);
        ASSERT_EQ(chosen.size(), 3u);
        for (const CarId& car : chosen) {
            EXPECT_NE(car.model, 1);
            EXPECT_GE(car.model, 2);
            EXPECT_LE(car.model, 5);
        }
        ExpectGridOrder(chosen);
        if (chosen.back().instance == 1) ++allInstanceOne;
    }
    // Both happen: three instance-1 cars in one pass, or the pass skipped models and
    // instance-2 cars filled up.
    EXPECT_GT(allInstanceOne, 0);
    EXPECT_LT(allInstanceOne, 200);
}

TEST(ChooseOpponents, HardTakesSevenCarsAndNeverThePlayersModel) {
    for (int player = 1; player <= 5; ++player) {
        for (uint32_t seed = 0; seed < 100; ++seed) {
            SeedRandom(seed);
            const auto chosen = race_rules::ChooseOpponents(player, 7);
            ASSERT_EQ(chosen.size(), 7u) << "player " << player << " seed " << seed;
            for (const CarId& car : chosen) EXPECT_NE(car.model, player);
        }
    }
}

TEST(TimeBonus, ConvertsWholeTicksUntilAtMost099SecondsAreLeft) {
    long double timeLeft = 10;
    int32_t points = 0;
    int frames = 0;
    while (const int32_t step = race_rules::TimeBonusStep(timeLeft, 1, 1)) {
        points += step;
        ++frames;
    }
    // 10 s at 0.25 s a frame: 37 frames, down to 0.75 s; 3 points a frame on Medium.
    EXPECT_EQ(frames, 37);
    EXPECT_EQ(points, 111);
    EXPECT_NEAR(double(timeLeft), 0.75, 1e-12);

    long double justAbove = 0.991L;
    EXPECT_EQ(race_rules::TimeBonusStep(justAbove, 0, 1), 2);
    long double atLimit = 0.99L;
    EXPECT_EQ(race_rules::TimeBonusStep(atLimit, 2, 1), 0);
    EXPECT_EQ(atLimit, 0.99L);
}

TEST(TimeBonus, PointsAreTheWholePartOfTheScaledStep) {
    long double timeLeft = 20;
    EXPECT_EQ(race_rules::TimeBonusStep(timeLeft, 0, 1.3L), 2);  // 2.6
    EXPECT_NEAR(double(timeLeft), 20 - 0.325, 1e-12);
    EXPECT_EQ(race_rules::TimeBonusStep(timeLeft, 2, 1.3L), 5);  // 5.2
    EXPECT_EQ(race_rules::TimeBonusStep(timeLeft, 2, 0), 0);      // a still frame converts nothing
}

}  // namespace
