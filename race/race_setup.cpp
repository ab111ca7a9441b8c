// TGame's construction: the one-time build, the rebuild after an engine re-open, the
// reset to a fresh game and the race scene shown and hidden.
#include <algorithm>
#include <string>

#include "core/app_state.h"
#include "core/music.h"
#include "core/race_choices.h"
#include "core/shared_objects.h"
#include "platform/platform.h"
#include "race/game.h"

namespace {

constexpr int kStartLives = 3;

// The wheel-table friction of a track loaded again after an engine re-open.
constexpr float kRebuildWheelFriction2 = 30;
constexpr float kRebuildWheelFriction = 200;

struct SpriteLayout {
    const char* model;
    const char* texture;
    Vec2 scale;
    bool placed;
    Vec2 location;
};

constexpr SpriteLayout kPanel{"data\\Sprite.x", "data\\Game panels.png", {19.475f, 3.575f}, true, {0, 9}};
constexpr SpriteLayout kMapDot{"data\\Sprite.x", "data\\RedPoint.png", {0.25f, 0.25f}, true, {0, 9}};
constexpr SpriteLayout kReverseIcon{"data\\sprite.x", "data\\Vodila.png", {3.3f, 1.45f}, true, {13.6f, 7.6f}};
constexpr SpriteLayout kReverseBar{"data\\sprite.x", "data\\Tail.png", {0.125f, 0.4f}, true, {11.42f, 7.07f}};
constexpr SpriteLayout kBoostIcon{"data\\sprite.x", "data\\Action.png", {3.3f, 1.45f}, true, {7.6f, 7.6f}};
constexpr SpriteLayout kBoostBar{"data\\sprite.x", "data\\Tail.png", {0.125f, 0.4f}, true, {11.42f, 7.07f}};
constexpr SpriteLayout kPause{"data\\sprite.x", "data\\Pause.png", {20, 15}, false, {}};
constexpr SpriteLayout kGameOver{"data\\sprite.x", "data\\Game Over.png", {20, 15}, false, {}};
constexpr SpriteLayout kFlash{"data\\sprite.x", "data\\WhiteScreen.jpg", {20, 15}, false, {}};

EngineHandle MakeSprite(const SpriteLayout& layout) {
    const EngineHandle sprite = iSpriteCreate(layout.model, Shared.MainCamera);
    iSpriteTextureSet(sprite, iTextureCreate(layout.texture));
    iSpriteScaleSet(sprite, layout.scale);
    if (layout.placed) iSpriteLocationSet(sprite, layout.location);
    return sprite;
}

}  // namespace

TGame::TGame(LoadingScreen& loading, CursorSprite& cursor, Hooks hooks)
    : loading_(loading), cursor_(cursor), hooks_(std::move(hooks)) {}

void TGame::ShowLoadingPicture() {
    loading_.Show();
    iRender();
}

void TGame::MakeSprites() {
    PanelSprite = MakeSprite(kPanel);
    MapSprite = iSpriteCreate("data\\Sprite.x", Shared.MainCamera);
    for (int n = 1; n <= track_tables::kTrackSlots; ++n) {
        MapTextures[n - 1] = iTextureCreate(("data\\Trassa" + std::to_string(n) + ".png").c_str());
    }
    iSpriteLocationSet(MapSprite, {track_tables::kMapCentreX, track_tables::kMapCentreY});
    MapDot = MakeSprite(kMapDot);
    ReverseIcon = MakeSprite(kReverseIcon);
    ReverseBar = MakeSprite(kReverseBar);
    BoostIcon = MakeSprite(kBoostIcon);
    BoostBar = MakeSprite(kBoostBar);
    PauseSprite = MakeSprite(kPause);
    GameOverSprite = MakeSprite(kGameOver);
    FlashSprite = MakeSprite(kFlash);
    iSpriteColorSet(FlashSprite, 1, 1, 1, 0);
    iSpriteShow(FlashSprite);
}

void TGame::MakeSounds() {
    CompleteSound = iSoundCreate("sound\\12.wav", 0);
    GameOverSound = iSoundCreate("sound\\13.wav", 0);
    WarningSound = iSoundCreate("sound\\11.wav", 0);
}

void TGame::MakeCarPairs() {
    for (auto& row : CarPairs) row.fill(0);
    // Car number n (1..10) is Cars[(n + 1) div 2][n mod 2 + 1]: odd numbers instance 2.
    auto carNumber = [this](int n) -> TCar& { return *Cars[(n + 1) / 2 - 1][n % 2]; };
    for (int n = 1; n <= kCars; ++n) {
        for (int other = n + 1; other <= kCars; ++other) {
            const EngineHandle pair = iBodyBodyCreate(carNumber(n).Chassis, carNumber(other).Chassis);
            iBodyBodyFeedbackEnable(pair, -1, -1, -1);
            CarPairs[n - 1][other - 1] = pair;
        }
    }
}

void TGame::SetDriversCars() {
    Enemies.resize(kCars);
    for (int k = 0; k < kCars; ++k) Enemies[k].Car = Cars[k / 2][k % 2].get();
}

void TGame::PairCarsWithTrack(int slot, float wheelFriction2, float wheelFriction) {
    const TTrassa& track = *Tracks[slot - 1];
    ForEachCar([&](TCar& car) { car.PairWithTrack(slot, track.TableBody, track.Body, wheelFriction2, wheelFriction); });
}

void TGame::PreloadModels(uint32_t budgetMs) {
    const uint32_t start = platform::TickCount();
    std::vector<const char*> files = TCar::ModelFiles();
    const std::vector<const char*> pickups = TBonus::ModelFiles();
    files.insert(files.end(), pickups.begin(), pickups.end());
    // A file is begun only when one as slow as the slowest so far still fits: the pause must
    // not outlast its budget because of the reading ahead.
    uint32_t slowestMs = 0;
    for (const char* file : files) {
        const uint32_t begun = platform::TickCount();
        if (begun - start + slowestMs >= budgetMs) return;
        iModelPreload(file);
        slowestMs = std::max(slowestMs, platform::TickCount() - begun);
    }
}

void TGame::BuildRace() {
    StopMusic();
    ShowLoadingPicture();
    Enemies.resize(kCars);
    MakeSprites();
    for (int kind = 1; kind <= TBonus::kKinds; ++kind) {
        for (auto& bonus : Bonuses[kind - 1]) {
            bonus = std::make_unique<TBonus>();
            bonus->Create(kind);
        }
    }
    bonusGrid_ = BonusView();
    const BonusGrid& grid = bonusGrid_;
    for (int model = 1; model <= kModels; ++model) {
        for (auto& car : Cars[model - 1]) {
            car = std::make_unique<TCar>();
            car->Create(model, grid);
        }
    }
    MakeCarPairs();
    MakeSounds();
    SetDriversCars();
    Built = true;
}

void TGame::RebuildRace() {
    StopMusic();
    ShowLoadingPicture();
    MakeSprites();
    for (auto& copies : Bonuses) {
        for (auto& bonus : copies) {
            if (bonus) bonus->Rebuild();
        }
    }
    ForEachCar([this](TCar& car) { car.Rebuild(bonusGrid_); });
    MakeCarPairs();
    MakeSounds();
    SetDriversCars();
    for (int slot = 1; slot <= track_tables::kTrackSlots; ++slot) {
        TTrassa* track = Tracks[slot - 1].get();
        if (!track || !track->Loaded) continue;
        track->Reload();
        track->Locate();
        PairCarsWithTrack(slot, kRebuildWheelFriction2, kRebuildWheelFriction);
    }
    Built = true;
}

void TGame::ResetGame() {
    StopMusic();
    SetScore(0);
    SetLives(kStartLives);
    SetLevel(0);
    PlayMusic("1");
}

void TGame::ShowRaceScene() {
    iSpriteShow(PanelSprite);
    iSpriteShow(MapSprite);
    iSpriteShow(MapDot);
    if (AppState == StatePause) iSpriteShow(PauseSprite);
    if (TTrassa* track = Tracks[TrackNo - 1].get()) track->Show();
    iSkyBoxShow(Shared.SkyBox);
    ForEachCar([](TCar& car) {
        if (car.InRace) car.Show();
    });
}

void TGame::HideRaceScene() {
    for (EngineHandle sprite : {GameOverSprite, PauseSprite, PanelSprite, MapSprite, MapDot, ReverseIcon, ReverseBar,
                                BoostIcon, BoostBar}) {
        iSpriteHide(sprite);
    }
    StopRaceSounds();
}

void TGame::StopRaceSounds() {
    ForEachCar([](TCar& car) { car.StopSounds(); });
    iSoundStop(WarningSound, 0);
}

TCar* TGame::PlayerCar() const {
    if (SelectedCar < 1 || SelectedCar > kModels) return nullptr;
    return Cars[SelectedCar - 1][0].get();
}

void TGame::ResetCarPhysics() {
    ForEachCar([](TCar& car) {
        for (EngineHandle wheel : car.WheelBodies) iBodyPhysicsReset(wheel);
        iBodyPhysicsReset(car.Chassis);
    });
}

void TGame::ForgetLoadedTracks() {
    for (auto& track : Tracks) {
        if (track) track->Loaded = false;
    }
}

HudValues TGame::Hud() const {
    HudValues values;
    values.score = GetScore();
    values.lives = GetLives();
    values.level = GetLevel();
    values.lapsLeft = LapsLeft;
    values.timeLeft = TimeLeft;
    values.gameOver = GameOver;
    values.warningSound = WarningSound;
    return values;
}

std::span<const track_tables::GateEntry> TGame::Gates() const {
    return track_tables::kGates[std::clamp<int>(TrackNo, 1, track_tables::kTrackSlots) - 1];
}

BonusGrid TGame::BonusView() const {
    BonusGrid grid{};
    for (int kind = 0; kind < TBonus::kKinds; ++kind) {
        for (int copy = 0; copy < kCopies; ++copy) grid[kind][copy] = Bonuses[kind][copy].get();
    }
    return grid;
}

CarRaceView TGame::RaceView() {
    CarRaceView view;
    view.trackNo = TrackNo;
    view.selectedCar = SelectedCar;
    view.bonuses = &bonusGrid_;
    view.counters = &Counters;
    return view;
}
