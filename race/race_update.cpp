// TGame's frame update: the mini-map and effect bars, then the phase of the level
// (game over, intro, time over, level complete or racing).
#include <string>

#include "core/app_state.h"
#include "core/frame_timer.h"
#include "core/music.h"
#include "core/race_choices.h"
#include "core/shared_objects.h"
#include "race/game.h"
#include "race/level_rules.h"

namespace {

constexpr long double kTickSeconds = 0.013L;
constexpr long double kGameOverSeconds = 3.0L;
constexpr float kBarLength = 2.625f / 10;  // bar scale per second of effect left
constexpr float kBarShift = 2.1f / 10;     // the bar grows to the right from its left end
constexpr float kBarHeight = 0.4f;
constexpr float kBarY = 7.07f;
constexpr float kReverseBarX = 11.42f;
constexpr float kBoostBarX = 5.42f;
// Banner growth and pulse steps; the shrink step is the banner's own.
constexpr long double kBannerGrowth = 0.05L;
constexpr long double kBannerPhaseStep = 0.1L;
// The complete banner keeps pulsing while the time bonus still has a second to count.
constexpr long double kCompletePulseUntil = 1.0L;

void ShowTimedEffect(long double seconds, EngineHandle icon, EngineHandle bar, float barX) {
    if (seconds > 0) {
        iSpriteShow(icon);
        iSpriteShow(bar);
        const float left = static_cast<float>(seconds);
        iSpriteScaleSet(bar, {left * kBarLength, kBarHeight});
        iSpriteLocationSet(bar, {left * kBarShift + barX, kBarY});
    } else {
        iSpriteHide(icon);
        iSpriteHide(bar);
    }
}

}  // namespace

void TGame::UpdateRace() {
    TCar* player = PlayerCar();
    if (!Built || !player) return;
    UpdateHudSprites(player);
    if (GameOver) {
        GameOverStep();
    } else if (IntroPhase) {
        IntroStep();
    } else if (TimeOverPhase) {
        TimeOverStep();
    } else if (CompletePhase) {
        CompleteStep();
    } else {
        RacingStep();
    }
}

void TGame::UpdateHudSprites(const TCar* player) {
    const int slot = TrackNo;
    const track_tables::MapScale& scale = track_tables::kMapScales[slot - 1];
    iSpriteScaleSet(MapSprite, {scale.x, scale.y});
    iSpriteTextureSet(MapSprite, MapTextures[slot - 1]);

    const Vec3 track = Tracks[slot - 1] ? Tracks[slot - 1]->Location : Vec3{};
    float dotY = (player->Location.z - track.z - 10) * track_tables::kMapUnitsPerWorld + track_tables::kMapCentreY;
    if (slot == 4 || slot == 5) dotY += track_tables::kMapDotRaise;
    const float dotX = (player->Location.x - track.x) * track_tables::kMapUnitsPerWorld + track_tables::kMapCentreX;
    iSpriteLocationSet(MapDot, {dotX, dotY});

    ShowTimedEffect(player->ReverseTimer, ReverseIcon, ReverseBar, kReverseBarX);
    ShowTimedEffect(player->BoostReserve, BoostIcon, BoostBar, kBoostBarX);
}

void TGame::GameOverStep() {
    GameOverDelay -= kTickSeconds * FrameScale;
    if (GameOverDelay >= 0) return;

    iSpriteHide(GameOverSprite);
    const int rank = hooks_.openNameEntry ? hooks_.openNameEntry(GetScore()) : 0;
    if (rank > 0) {
        events_.Add("name entry rank " + std::to_string(rank));
    } else {
        HideRaceScene();
        iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
        iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
        ResetGame();
        AppState = StateMainMenu;
        StopMusic();
        PlayMusic("1");
        events_.Add("main menu");
    }
    cursor_.Show();
    GameOver = false;
    GameOverDelay = kGameOverSeconds;
}

void TGame::IntroStep() {
    ForEachCar([](TCar& car) {
        if (car.InRace) car.Reset();
    });
    LevelBanner.Advance(kBannerGrowth * FrameScale, kBannerPhaseStep * FrameScale);
    if (LevelBanner.Shown()) {
        DrawBanner(LevelBanner, "LEVEL " + std::to_string(GetLevel()), 3, 3, 0.2f);
    } else {
        IntroPhase = false;
    }
}

void TGame::TimeOverStep() {
    CoastCars();
    TimeOverBanner.Advance(kBannerGrowth, kBannerPhaseStep * FrameScale);
    if (TimeOverBanner.Shown()) {
        DrawBanner(TimeOverBanner, "TIME IS OVER!", 5, 5, 0.1f);
        return;
    }
    TimeOverPhase = false;
    SetLives(GetLives() - 1);
    HideRaceScene();
    ShowLoadingPicture();
    StopMusic();
    SetLevel(GetLevel() - 1);
    StartLevel();
}

void TGame::CompleteStep() {
    CoastCars();
    CompleteBanner.Advance(kBannerGrowth, kBannerPhaseStep, TimeLeft < kCompletePulseUntil);
    const int32_t points = race_rules::TimeBonusStep(TimeLeft, CurrentDifficulty, FrameScale);
    if (points != 0) SetScore(GetScore() + points);
    if (CompleteBanner.Shown()) {
        DrawBanner(CompleteBanner, "LEVEL COMPLETE!", 5, 8, 0.2f);
        DrawBanner(CompleteBanner, "YOUR PLACE IS " + std::to_string(Place), 5, 8, 0.2f, -2);
        return;
    }
    events_.Add("score " + std::to_string(GetScore()));
    StopRaceSounds();
    HideRaceScene();
    ShowLoadingPicture();
    StopMusic();
    StartLevel();
}

void TGame::CoastCars() {
    const CarRaceView view = RaceView();
    ForEachCar([&view](TCar& car) {
        if (!car.InRace) return;
        car.Spin = 0;
        car.Update(view);
    });
}

// A banner's text at x = (1 - Scale) x shift - offset: `offset` is where the full-size
// text starts, `shift` keeps the growing text about centred.
void TGame::DrawBanner(const RaceBanner& banner, const std::string& text, float shift, float offset, float spacing,
                       float y) {
    const float scale = static_cast<float>(banner.Scale);
    iPrintColorSet(1, 1, 0, static_cast<float>(banner.Alpha));
    iPrint(text.c_str(), {(1 - scale) * shift - offset, y}, {scale, scale}, spacing, Shared.Fonts[0]);
    iPrintColorSet(1, 1, 1, 1);
}
