// TGame: the one race object: the cars, pickups, drivers and tracks of the game in
// progress, its masked counters, its sprites and sounds, and the operations that build
// the race, start games and levels and run the race's rules each frame.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/cursor_sprite.h"
#include "core/hud_line.h"
#include "core/loading_screen.h"
#include "engine/engine.h"
#include "race/cameraman_look_at_point_keep_distance_fast.h"
#include "race/race_banner.h"
#include "race/race_event_log.h"
#include "world/world.h"

// Created once by the init phase with Built false and kept for the whole run; its
// contents are built by the first NewGame. It reads the program-wide CurrentDifficulty,
// SelectedCar, AppState, FrameScale, Shared and Saved. Arrays numbered 1..n in the
// game are indexed [n - 1] here: Cars[model - 1][instance - 1], Bonuses[kind - 1][copy - 1],
// Tracks, MapTextures and the car's per-track slots [slot - 1], CarPairs[n - 1][n' - 1].
class TGame {
public:
    // What the race needs from the screens over it (the composition root fills these).
    struct Hooks {
        // Game over: opens the name entry when `score` enters the current difficulty's
        // high-score table (AppState 19, the second field from lastCountry, the screen
        // shown) and returns the rank 1..10; returns 0 and changes nothing otherwise.
        std::function<int(int32_t score)> openNameEntry;
        // NewGame: hides the in-race dialog's and the name entry's images.
        std::function<void()> hideResultScreens;
    };

    static constexpr int kModels = 5;
    static constexpr int kInstances = 2;
    static constexpr int kCars = kModels * kInstances;
    static constexpr int kCopies = 4;  // pickups of each kind

    // `loading` is the init phase's loading picture, shown while levels load; `cursor`
    // is shown again when a game ends. Both must outlive the race.
    TGame(LoadingScreen& loading, CursorSprite& cursor, Hooks hooks);

    // The masked counters. SetScore ignores a negative value (the old score stays).
    int32_t GetScore() const { return Counters.GetScore(); }
    int32_t GetLevel() const { return Counters.GetLevel(); }
    int32_t GetLives() const { return Counters.GetLives(); }
    void SetScore(int32_t value) { Counters.SetScore(value); }
    void SetLevel(int32_t value) { Counters.SetLevel(value); }
    void SetLives(int32_t value) { Counters.SetLives(value); }

    // One-time construction, by the first NewGame.
    void BuildRace();
    // Reads the cars' and pickups' models into the engine's shared models, one file after
    // another while one as slow as the slowest so far fits into budgetMs (files left over are
    // read when the race is built).
    static void PreloadModels(uint32_t budgetMs);
    // The engine lost all its objects (re-opened after a suspend): every sprite, sound,
    // pair, car and pickup engine object is made again and loaded tracks are reloaded.
    void RebuildRace();
    // Game music off, score 0, lives 3, level 0, menu music on.
    void ResetGame();
    void ShowRaceScene();
    void HideRaceScene();

    // A new game at level 1 for CurrentDifficulty and SelectedCar (the caller sets AppState 4).
    void NewGame();
    // The next level: a new random track, the grid, the routes, the time limit, the intro.
    void StartLevel();
    // The race's rules for one frame (AppState 4, and once after an engine re-open).
    void UpdateRace();

    // The chase camera in use; the init phase makes a new one after each engine
    // re-open and hands it over here. Not owned; nullptr leaves the camera alone.
    void SetChaseCamera(CameramanLookAtPointKeepDistanceFast_t* camera) { chaseCamera_ = camera; }

    // Instance 1 of SelectedCar; nullptr before BuildRace.
    TCar* PlayerCar() const;
    // iBodyPhysicsReset on the four wheel bodies and the chassis of each of the ten cars.
    void ResetCarPhysics();
    // The boss key: every existing track counts as not loaded.
    void ForgetLoadedTracks();
    // The six sounds of every car and WarningSound stopped.
    void StopRaceSounds();
    // What the HUD line shows this frame.
    HudValues Hud() const;
    // The gates of the current track (of slot 1 before the first level).
    std::span<const track_tables::GateEntry> Gates() const;
    const RaceEventLog& Events() const { return events_; }
    // ReturnToMenu has taken the game back to the main menu (noted in the event log).
    void NoteReturnToMenu() { events_.Add("main menu"); }

    RaceCounters Counters;  // Score, Level, Lives
    std::array<std::unique_ptr<TTrassa>, track_tables::kTrackSlots> Tracks;
    std::array<std::array<std::unique_ptr<TCar>, kInstances>, kModels> Cars;
    std::array<std::array<EngineHandle, kCars>, kCars> CarPairs{};  // upper triangle only
    std::vector<TEnemy> Enemies;  // driver k drives Cars[k / 2][k % 2]
    std::array<std::array<std::unique_ptr<TBonus>, kCopies>, TBonus::kKinds> Bonuses;
    BonusSpawner Spawner;  // holds BonusTimer
    int32_t LapsLeft = 0;
    int32_t NextGate = 0;
    int32_t WrongWayFrames = 0;
    EngineHandle PauseSprite = 0, GameOverSprite = 0;
    EngineHandle ReverseIcon = 0, ReverseBar = 0, BoostIcon = 0, BoostBar = 0;
    int32_t Place = 0;
    bool Built = false;
    uint8_t TrackNo = 1;
    bool GameOver = false;
    EngineHandle GameOverSound = 0, CompleteSound = 0, WarningSound = 0;
    RaceBanner CompleteBanner, TimeOverBanner, LevelBanner;
    bool TimeOverPhase = false, CompletePhase = false, IntroPhase = false;
    long double GameOverDelay = 3.0L;
    long double TimeLeft = 0;
    EngineHandle PanelSprite = 0;
    EngineHandle MapSprite = 0;
    std::array<EngineHandle, track_tables::kTrackSlots> MapTextures{};
    EngineHandle MapDot = 0;
    EngineHandle FlashSprite = 0;
    long double BlinkPhase = 0;

private:
    // Set-up (race_setup.cpp).
    void ShowLoadingPicture();
    void MakeSprites();
    void MakeSounds();
    void MakeCarPairs();
    void SetDriversCars();
    // Pairs of every car with track slot `slot` and the wheel-table friction of this load.
    void PairCarsWithTrack(int slot, float wheelFriction2, float wheelFriction);
    BonusGrid BonusView() const;
    CarRaceView RaceView();
    // The ten cars in driver order: model 1 instance 1, model 1 instance 2, model 2 ...
    template <typename Action>
    void ForEachCar(Action action) const;

    // Level start (level_start.cpp).
    void ShowTrack();
    void PlaceOnGrid(TCar& car, int gridSlot);
    void PlaceCamera(const TCar& player);

    // Frame update (race_update.cpp).
    void UpdateHudSprites(const TCar* player);
    void GameOverStep();
    void IntroStep();
    void TimeOverStep();
    void CompleteStep();
    void EndOfLevel();
    void CoastCars();
    void DrawBanner(const RaceBanner& banner, const std::string& text, float shift, float offset, float spacing,
                    float y = 0);

    // The racing phase (racing_step.cpp).
    void RacingStep();
    // True when the game ended at the finish line (the rest of the frame is skipped).
    bool GateStep(TCar& player);
    void WrongWayStep(const TCar& player);
    void GuardGateStep(TCar& player);
    void OverturnStep(TCar& player);
    void TimerStep();
    void StartGameOver(bool withSound);
    void PlayRaceSound(EngineHandle sound);

    LoadingScreen& loading_;
    CursorSprite& cursor_;
    Hooks hooks_;
    CameramanLookAtPointKeepDistanceFast_t* chaseCamera_ = nullptr;
    BonusGrid bonusGrid_{};  // the twenty pickups as the world objects see them
    RaceEventLog events_;
};

template <typename Action>
void TGame::ForEachCar(Action action) const {
    for (const auto& instances : Cars) {
        for (const auto& car : instances) {
            if (car) action(*car);
        }
    }
}
