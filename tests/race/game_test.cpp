// The race object through its operations: a new game and its levels, and every row of
// the race's transition table (time over, the finish in each place, overturned, game
// over to the main menu or the name entry).
#include <gtest/gtest.h>

#include <set>
#include <span>
#include <utility>

#include "core/app_state.h"
#include "core/frame_timer.h"
#include "core/race_choices.h"
#include "core/saved_files.h"
#include "tests/race/race_fixture.h"

namespace {

int OpponentsInRace(const TGame& game) {
    int count = 0;
    for (int model = 1; model <= TGame::kModels; ++model) {
        for (const auto& car : game.Cars[model - 1]) {
            if (car->InRace && car.get() != game.PlayerCar()) ++count;
        }
    }
    return count;
}

TCar& FirstOpponent(const TGame& game) {
    for (const auto& instances : game.Cars) {
        for (const auto& car : instances) {
            if (car->InRace && car.get() != game.PlayerCar()) return *car;
        }
    }
    return *game.PlayerCar();
}

TEST_F(RaceTest, NewGameOnEasyStartsLevelOneWithFiveLivesAnd48SecondsOnTrackOne) {
    StartGame(0, 1, 1);
    EXPECT_TRUE(game_->Built);
    EXPECT_EQ(game_->GetLives(), 5);
    EXPECT_EQ(game_->GetLevel(), 1);
    EXPECT_EQ(game_->GetScore(), 0);
    EXPECT_EQ(game_->LapsLeft, 2);
    EXPECT_NEAR(double(game_->TimeLeft), 48, 1e-9);  // the intro does not count down
    EXPECT_EQ(game_->Events().Lines().front(), "level 1 track 1");

    // Three opponents of other models, the player behind them on grid slot 3.
    EXPECT_EQ(OpponentsInRace(*game_), 3);
    for (const auto& car : game_->Cars[0]) {
        if (car.get() != game_->PlayerCar()) {
            EXPECT_FALSE(car->InRace);
        }
    }
    const TCar& player = *game_->PlayerCar();
    EXPECT_TRUE(player.InRace);
    const track_tables::PointXZ slot3 = track_tables::GridSlotPosition(1, 3);
    EXPECT_FLOAT_EQ(player.Location.x, slot3.x);  // (60, -3735): row 1, second column
    EXPECT_FLOAT_EQ(player.Location.z, slot3.z);
    EXPECT_FLOAT_EQ(player.Rotation.y, 180);
}

TEST_F(RaceTest, HardPutsSevenOpponentsOnTheGridOfTrackFourFacingPlusZ) {
    StartGame(2, 4, 4);
    EXPECT_EQ(game_->GetLives(), 2);
    EXPECT_EQ(game_->LapsLeft, 4);
    EXPECT_NEAR(double(game_->TimeLeft), 118, 1e-9);
    EXPECT_EQ(OpponentsInRace(*game_), 7);
    EXPECT_FALSE(game_->Cars[3][1]->InRace);  // the player's model, instance 2
    std::set<std::pair<float, float>> places;
    for (const auto& instances : game_->Cars) {
        for (const auto& car : instances) {
            if (!car->InRace) continue;
            EXPECT_FLOAT_EQ(car->Rotation.y, 270);
            places.insert({car->Location.x, car->Location.z});
        }
    }
    EXPECT_EQ(places.size(), 8u);  // eight distinct grid slots
    const track_tables::PointXZ last = track_tables::GridSlotPosition(4, 7);
    EXPECT_FLOAT_EQ(game_->PlayerCar()->Location.x, last.x);
    EXPECT_FLOAT_EQ(game_->PlayerCar()->Location.z, last.z);
}

TEST_F(RaceTest, ASecondGameReusesTheBuiltRace) {
    StartGame(1, 2, 2);
    const TCar* car = game_->Cars[2][1].get();
    const EngineHandle chassis = car->Chassis;
    const EngineHandle pair = game_->CarPairs[0][9];
    EXPECT_NE(pair, 0);
    game_->SetScore(700);
    game_->ResetGame();
    EXPECT_EQ(game_->GetLives(), 3);
    EXPECT_EQ(game_->GetLevel(), 0);
    EXPECT_EQ(game_->GetScore(), 0);

    StartGame(1, 2, 3);
    EXPECT_EQ(game_->Cars[2][1].get(), car);
    EXPECT_EQ(game_->Cars[2][1]->Chassis, chassis);
    EXPECT_EQ(game_->CarPairs[0][9], pair);
    EXPECT_EQ(game_->GetLevel(), 1);
    EXPECT_EQ(game_->GetLives(), 3);
}

TEST_F(RaceTest, SetScoreIgnoresANegativeValue) {
    game_->SetScore(120);
    game_->SetScore(120 - 150);
    EXPECT_EQ(game_->GetScore(), 120);
    game_->SetScore(0);
    EXPECT_EQ(game_->GetScore(), 0);
}

TEST_F(RaceTest, TimeOutWithTwoLivesShowsTimeOverThenReplaysTheLevelWithOneLifeLess) {
    StartGame(2, 1, 1);
    game_->TimeLeft = 0.005L;
    game_->UpdateRace();
    EXPECT_TRUE(game_->TimeOverPhase);
    EXPECT_FALSE(game_->GameOver);
    EXPECT_EQ(game_->GetLives(), 2);  // the life goes when the banner is done
    EXPECT_EQ(LastEvent(), "time over");

    platform::UseManualClock(1002);  // the replay draws a new track: slot 3
    RunUntil([this] { return !game_->TimeOverPhase; });
    EXPECT_EQ(game_->GetLives(), 1);
    EXPECT_EQ(game_->GetLevel(), 1);
    EXPECT_EQ(game_->TrackNo, 3);
    EXPECT_TRUE(game_->IntroPhase);
    EXPECT_NEAR(double(game_->TimeLeft), 167, 1e-9);  // 85 + 2 x 42 - 2
    EXPECT_EQ(LastEvent(), "level 1 track 3");
}

TEST_F(RaceTest, TimeOutWithOneLifeEndsTheGameAtOnceWithoutTimeOver) {
    StartGame(2, 1, 1);
    game_->SetLives(1);
    game_->TimeLeft = 0.005L;
    game_->UpdateRace();
    EXPECT_TRUE(game_->GameOver);
    EXPECT_FALSE(game_->TimeOverPhase);
    EXPECT_EQ(LastEvent(), "game over");
    EXPECT_FALSE(HasEvent("time over"));
}

TEST_F(RaceTest, FirstPlaceScoresAndCompletesTheLevelWithTiesInThePlayersFavour) {
    StartGame(1, 3, 1);
    SetOpponentCheckpoints(19);
    ReachFinishLine(18);  // 19 after this gate: level with the best opponents
    game_->UpdateRace();
    EXPECT_TRUE(game_->CompletePhase);
    EXPECT_EQ(game_->Place, 1);
    EXPECT_EQ(game_->GetScore(), 300);  // 200 + 100 x Medium
    EXPECT_EQ(game_->GetLives(), 3);
    EXPECT_EQ(LastEvent(), "level complete place 1");
}

// The gate counts as a race makes them: every car goes round the gates of the track, the
// opponents counted by their own drivers and the player by the race. Opponents two gates
// ahead all the way have crossed the line and gone through the next gate when the
// player finishes: they are ahead over the same distance, whatever the laps.
TEST_F(RaceTest, OpponentsOverTheLineFirstFinishAheadOfThePlayerOnTheirOwnCounts) {
    StartGame(2, 1, 2);
    const std::span<const track_tables::GateEntry> gates = game_->Gates();
    const int count = static_cast<int>(gates.size());
    const auto putInGate = [&gates, count](TCar& car, int passage) {
        const track_tables::GateEntry& gate = gates[passage % count];
        car.Location = {gate.x, car.Location.y, gate.z};
        car.Reset();
    };
    ASSERT_EQ(OpponentsInRace(*game_), 7);
    ASSERT_EQ(game_->LapsLeft, 4);
    constexpr int kLead = 2;
    int passage = 0;
    for (; passage < 5 * count + kLead && !game_->CompletePhase && !game_->GameOver; ++passage) {
        for (const auto& instances : game_->Cars) {
            for (const auto& car : instances) {
                if (car->InRace && car.get() != game_->PlayerCar()) putInGate(*car, passage);
            }
        }
        if (passage >= kLead) putInGate(*game_->PlayerCar(), passage - kLead);
        game_->UpdateRace();
    }
    // The player's fifth crossing of the line (the first one starts the first lap).
    EXPECT_EQ(passage, 4 * count + 1 + kLead);
    EXPECT_TRUE(game_->CompletePhase);
    EXPECT_EQ(game_->Place, 8);
    EXPECT_EQ(LastEvent(), "level complete place 8");
    EXPECT_EQ(FirstOpponent(*game_).CheckpointsPassed, game_->PlayerCar()->CheckpointsPassed + kLead);
}

TEST_F(RaceTest, FinishingSecondWithTwoLivesCostsALifeButCompletesTheLevel) {
    StartGame(2, 1, 1);
    SetOpponentCheckpoints(19);
    FirstOpponent(*game_).CheckpointsPassed = 30;
    ReachFinishLine(18);
    game_->UpdateRace();
    EXPECT_TRUE(game_->CompletePhase);
    EXPECT_FALSE(game_->GameOver);
    EXPECT_EQ(game_->Place, 2);
    EXPECT_EQ(game_->GetLives(), 1);
    EXPECT_EQ(game_->GetScore(), 0);
    EXPECT_EQ(LastEvent(), "level complete place 2");

    RunUntil([this] { return !game_->CompletePhase; });
    EXPECT_EQ(game_->GetLevel(), 2);
    EXPECT_EQ(game_->GetLives(), 1);
    EXPECT_TRUE(game_->IntroPhase);
}

TEST_F(RaceTest, FinishingSecondWithOneLifeEndsTheGameAtTheLine) {
    StartGame(2, 1, 1);
    game_->SetLives(1);
    SetOpponentCheckpoints(25);
    ReachFinishLine(18);
    game_->UpdateRace();
    EXPECT_TRUE(game_->GameOver);
    EXPECT_FALSE(game_->CompletePhase);
    EXPECT_GE(game_->Place, 2);
    EXPECT_EQ(LastEvent(), "game over");
}

TEST_F(RaceTest, TheTimeBonusTurnsTheSecondsLeftIntoPoints) {
    StartGame(1, 1, 1);
    SetOpponentCheckpoints(0);
    ReachFinishLine(18);
    game_->TimeLeft = 10.5L;
    game_->UpdateRace();
    ASSERT_TRUE(game_->CompletePhase);
    // The finishing frame goes on and runs the timer once.
    EXPECT_NEAR(double(game_->TimeLeft), 10.5 - 0.01333, 1e-12);
    RunUntil([this] { return game_->TimeLeft <= 0.99L; });
    // 38 frames of 0.25 s, down to 0.98667 s, at 3 points each on Medium, on top of
    // the 300 for first place.
    EXPECT_EQ(game_->GetScore(), 300 + 38 * 3);
    EXPECT_NEAR(double(game_->TimeLeft), 10.5 - 0.01333 - 38 * 0.25, 1e-12);
    EXPECT_TRUE(game_->CompletePhase);
}

TEST_F(RaceTest, OverturnedWithLivesToSpareCostsALifeAndSetsTheCarBackAtTheGuardGate) {
    StartGame(0, 5, 1);
    TCar& player = *game_->PlayerCar();
    game_->NextGate = 3;
    player.Roll = 270;
    player.OverturnedTime = 3.5L;
    player.Location = {-60, -48, -3730};
    game_->UpdateRace();
    EXPECT_EQ(game_->GetLives(), 4);
    EXPECT_FALSE(game_->GameOver);
    // Guard gate 1 (-40, -3738) is crossed in x; x -60 is beyond gate 3's -70.
    EXPECT_FLOAT_EQ(player.Location.x, -46);
    EXPECT_FLOAT_EQ(player.Location.z, -3738);
    EXPECT_FLOAT_EQ(player.Rotation.y, 270);
    EXPECT_EQ(player.Spin, 0);
    EXPECT_EQ(LastEvent(), "overturned");
}

TEST_F(RaceTest, OverturnedWithOneLifeEndsTheGame) {
    StartGame(0, 5, 1);
    game_->SetLives(1);
    TCar& player = *game_->PlayerCar();
    player.Roll = 270;
    player.OverturnedTime = 3.5L;
    game_->UpdateRace();
    EXPECT_TRUE(game_->GameOver);
    EXPECT_EQ(LastEvent(), "game over");
}

TEST_F(RaceTest, GameOverWithAScoreEqualToRankTenGoesBackToTheMainMenu) {
    StartGame(0, 1, 1);
    Saved.records[0][9].score = 100;
    game_->SetLives(1);
    game_->SetScore(100);
    game_->TimeLeft = 0.005L;
    game_->UpdateRace();
    ASSERT_TRUE(game_->GameOver);
    // Three seconds at 0.013 s a frame, then the hand-over.
    const int frames = RunUntil([this] { return !game_->GameOver; });
    EXPECT_EQ(frames, 231);
    EXPECT_EQ(AppState, StateMainMenu);
    EXPECT_EQ(game_->GetScore(), 0);
    EXPECT_EQ(game_->GetLives(), 3);
    EXPECT_EQ(game_->GetLevel(), 0);
    EXPECT_EQ(game_->GameOverDelay, 3.0L);
    EXPECT_EQ(LastEvent(), "main menu");
}

TEST_F(RaceTest, GameOverWithOnePointMoreThanRankTenOpensTheNameEntryAtRankTen) {
    StartGame(0, 1, 1);
    Saved.records[0][9].score = 100;
    Saved.settings.lastCountry.Assign("Iceland");
    game_->SetLives(1);
    game_->SetScore(101);
    game_->TimeLeft = 0.005L;
    game_->UpdateRace();
    RunUntil([this] { return !game_->GameOver; });
    EXPECT_EQ(AppState, StateNameEntry);
    EXPECT_EQ(nameEntry_->InsertRank(), 10);
    EXPECT_EQ(nameEntry_->countryText, "Iceland");
    EXPECT_EQ(game_->GetScore(), 101);  // kept for the entry
    EXPECT_EQ(LastEvent(), "name entry rank 10");
}

TEST_F(RaceTest, LargeFramesShortenTheGameOverWait) {
    StartGame(0, 1, 1);
    game_->SetLives(1);
    game_->TimeLeft = 0.005L;
    game_->UpdateRace();
    FrameScale = 100;  // 1.3 s a frame
    EXPECT_EQ(RunUntil([this] { return !game_->GameOver; }), 3);
}

}  // namespace
