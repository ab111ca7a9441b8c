// A race object on a scratch program folder: real physics bodies for the cars, no open
// engine (every drawing and sound call does nothing), a hand-driven clock that picks
// the track, and the real name-entry screen behind the race's hooks.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/cursor_sprite.h"
#include "core/loading_screen.h"
#include "menus/record_input_menu.h"
#include "race/race.h"
#include "tests/support/scratch_folder.h"

class RaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new game on `difficulty` with the player in `car`, on track slot `track`
    // (chosen through the clock), with the level intro already over.
    void StartGame(int difficulty, int car, int track);
    // UpdateRace with AppState 4 until `done` holds or `limit` frames have run; the frames run.
    template <typename Done>
    int RunUntil(Done done, int limit = 5000) {
        int frames = 0;
        while (!done() && frames < limit) {
            game_->UpdateRace();
            ++frames;
        }
        return frames;
    }
    // Puts the player's car in gate 0 with one lap left and `checkpoints` counted, so
    // the next UpdateRace finishes the race.
    void ReachFinishLine(int32_t checkpoints);
    // Gives every opponent in the race this many checkpoints.
    void SetOpponentCheckpoints(int32_t checkpoints);
    bool HasEvent(const std::string& line) const;
    std::string LastEvent() const;

    test_support::ScratchFolder scratch_{"pd-race-game"};
    std::string folder_;
    LoadingScreen loading_;
    CursorSprite cursor_;
    std::unique_ptr<TRecordInputMenu> nameEntry_;
    std::unique_ptr<TGame> game_;
};
