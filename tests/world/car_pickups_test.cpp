// Pickup effects on the player's game, and taking pickups by touch: anyone takes, only the player scores.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/world/world_fixture.h"
#include "world/world.h"

namespace {

class PickupEffectTest : public ::testing::Test {
protected:
    void SetUp() override {
        car_.Model = 3;
        view_.selectedCar = 3;
        view_.counters = &counters_;
        counters_.SetScore(1000);
        counters_.SetLives(2);
    }
    TCar car_;
    RaceCounters counters_;
    CarRaceView view_;
};

TEST_F(PickupEffectTest, EachKindOnThePlayersCar) {
    const int scores[] = {1050, 1150, 1200, 1050, 1100};
    for (int kind = PickupP50; kind <= PickupAction; ++kind) {
        car_.ApplyPickup(kind, view_);
        EXPECT_EQ(counters_.GetScore(), scores[kind - 1]) << "kind " << kind;
    }
    EXPECT_EQ(counters_.GetLives(), 3);
    EXPECT_DOUBLE_EQ(double(car_.ReverseTimer), 10.0);
    EXPECT_DOUBLE_EQ(double(car_.BoostReserve), 10.0);
}

TEST_F(PickupEffectTest, ReversingPickupBelowOneHundredFiftyKeepsTheScoreButReverses) {
    counters_.SetScore(149);
    car_.ApplyPickup(PickupStrelki, view_);
    EXPECT_EQ(counters_.GetScore(), 149);
    EXPECT_DOUBLE_EQ(double(car_.ReverseTimer), 10.0);
}

TEST_F(PickupEffectTest, OtherModelsGetNoEffect) {
    view_.selectedCar = 1;
    for (int kind = PickupP50; kind <= PickupAction; ++kind) car_.ApplyPickup(kind, view_);
    EXPECT_EQ(counters_.GetScore(), 1000);
    EXPECT_EQ(counters_.GetLives(), 2);
    EXPECT_DOUBLE_EQ(double(car_.ReverseTimer), -1.0);
    EXPECT_DOUBLE_EQ(double(car_.BoostReserve), -1.0);
}

// Real bodies: the twenty pickups, two cars of different models, the engine's contact feedback.
class PickupTouchTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        WriteCarFiles();
        for (const char* sound : {"sound/8.wav", "sound/9.wav", "sound/10.wav"}) WriteWav(sound, 5.0f);
        OpenEngine();
        for (int kind = 0; kind < TBonus::kKinds; ++kind) {
            for (int copy = 0; copy < 4; ++copy) {
                pickups_[kind][copy].Create(kind + 1);
                pickups_[kind][copy].Take();
                grid_[kind][copy] = &pickups_[kind][copy];
            }
        }
        player_.Create(2, grid_);
        opponent_.Create(4, grid_);
        counters_.SetScore(500);
        counters_.SetLives(3);
        view_ = {1, 2, &grid_, &counters_};
    }

    // `car` at the origin on a pickup of `kind` (copy 1), the other car far away; one step.
    TBonus& Touch(TCar& car, TCar& other, int kind) {
        car.Location = {0, 0, 0};
        car.Reset();
        other.Location = {100, 0, 0};
        other.Reset();
        TBonus& bonus = pickups_[kind - 1][0];
        bonus.Location = {0, 0, 0};
        bonus.Locate();
        bonus.Activate();
        StepPhysics(0.03f);
        car.Update(view_);
        other.Update(view_);
        return bonus;
    }

    TBonus pickups_[TBonus::kKinds][4];
    BonusGrid grid_{};
    TCar player_, opponent_;
    RaceCounters counters_;
    CarRaceView view_;
};

TEST_F(PickupTouchTest, PlayerTakesScoresAndHearsIt) {
    const TBonus& bonus = Touch(player_, opponent_, PickupP100);
    EXPECT_FALSE(bonus.Active);
    EXPECT_EQ(counters_.GetScore(), 600);
    EXPECT_NE(iSoundPlaying(bonus.PickupSound), 0);
    StepPhysics(0.03f);
    player_.Update(view_);  // taken: not counted twice
    EXPECT_EQ(counters_.GetScore(), 600);
}

TEST_F(PickupTouchTest, OpponentOfAnotherModelTakesSilentlyWithoutScore) {
    const TBonus& bonus = Touch(opponent_, player_, PickupLife);
    EXPECT_FALSE(bonus.Active);
    EXPECT_EQ(counters_.GetScore(), 500);
    EXPECT_EQ(counters_.GetLives(), 3);
    EXPECT_EQ(iSoundPlaying(bonus.PickupSound), 0);
}

}  // namespace
