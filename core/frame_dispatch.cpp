// Per-frame dispatch by AppState.
#include "core/frame_dispatch.h"

#include "core/app_state.h"
#include "core/boss_key.h"
#include "core/loop_flags.h"
#include "core/music.h"
#include "core/pad_keys.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "platform/platform.h"

namespace {

enum Key : int { kEscape = 1, kP = 25, kPause = 197 };

// The simulation's fixed step while a race runs; 0 freezes the world.
constexpr float kRaceStepSeconds = 0.01333f;

const GameLinks* returnToMenuLinks = nullptr;

bool PauseKeyClicked() { return iKeyClick(kPause) != 0 || iKeyClick(kP) != 0; }

// The three race tracks of the music; the menu music is not playing in a race.
void StopGameMusic() {
    for (size_t i = 1; i < Shared.MusicTracks.size(); ++i) iSoundStop(Shared.MusicTracks[i], 0);
}

template <typename Hook, typename... Args>
void Call(const Hook& hook, Args... args) {
    if (hook) hook(args...);
}

int TrackNo(const GameLinks& links) { return links.trackNo ? links.trackNo() : 0; }

}  // namespace

FrameDispatch::FrameDispatch(FrameTimer& timer, CursorSprite& cursor, PointerDispatch& pointer,
                             const GameLinks& links, const ScreenTable& screens)
    : timer_(timer), cursor_(cursor), pointer_(pointer), links_(links), screens_(screens) {}

void FrameDispatch::RunStep() {
    timer_.Measure();
    if (AppState == StateLeaving) {
        Call(links_.leavingStep);
        return;
    }

    if (AppState == StateRace || AppState == StatePause) {
        cursor_.Hide();
    } else {
        cursor_.Show();
    }
    // While a screen change animates the menus take no input, but the boss key still hides
    // the game at once: that is all it is for.
    const bool inputBlocked = links_.menuInputBlocked && links_.menuInputBlocked();
    if (inputBlocked) {
        BossKeyStep();
    } else {
        KeyboardStep();
        pointer_.HoverStep();
        pointer_.ClickStep();
    }

    // The menu screens, then the name entry; each decides itself what to draw for the state.
    // The in-race dialog follows the race's update.
    screens_.Update(AppState);
    if (AppState == StateRace) Call(links_.updateRace);
    screens_.UpdateAfterRace(AppState);
    const uint8_t state = AppState;
    if (InHudStates(state)) Call(links_.drawHud, state);
    // The pads' keys for the state this step has left, so the next frame's input uses them.
    iPadKeysSet(PadKeysFor(state, Saved.settings));
}

void FrameDispatch::KeyboardStep() {
    if (BossKeyStep()) return;
    switch (AppState) {
        case StateRace:
            RaceKeys();
            break;
        case StatePause:
            PauseKeys();
            break;
        default:
            screens_.Keys(AppState);
            break;
    }
}

void FrameDispatch::RaceKeys() {
    if (iKeyClick(kEscape) != 0) {
        AppState = StateRaceExitConfirm;
        Call(links_.openRaceDialog);
        iSimulationFrqSet(0);
        StopGameMusic();
        return;
    }
    if (!PauseKeyClicked()) return;
    AppState = StatePause;
    Call(links_.showPauseSprite, true);
    iSimulationFrqSet(0);
    StopGameMusic();
}

void FrameDispatch::PauseKeys() {
    if (PauseKeyClicked()) {
        AppState = StateRace;
        Call(links_.showPauseSprite, false);
        iSimulationFrqSet(kRaceStepSeconds);
        Call(links_.resetCarPhysics);
        PlayMusic("2", TrackNo(links_));
        return;
    }
    if (iKeyClick(kEscape) == 0) return;
    AppState = StateRaceExitConfirm;
    Call(links_.openRaceDialog);
    Call(links_.showPauseSprite, false);
    iSimulationFrqSet(0);
}

bool FrameDispatch::BossKeyStep() {
    const Settings& settings = Saved.settings;
    const int required = RequiredBossModifiers(settings.bossShift == 1, settings.bossAlt == 1, settings.bossCtrl == 1);
    if (!BossKeyFired(settings.bossKey, required)) return false;
    if (AppState == StateBindBossKey) {
        AppState = StateOptions;
        return false;
    }
    if (AppState == StateRace) {
        // The race pauses and falls silent, but the simulation is not stopped.
        AppState = StatePause;
        iSoundVolumeSet(Shared.MusicTracks[GameMusicOf(TrackNo(links_))], 0);
        Call(links_.showPauseSprite, true);
    }
    Call(links_.forgetLoadedTracks);
    const bool fullScreen = settings.windowed == 0;
    if (fullScreen) Loop.MinimizedByUser = true;
    platform::MinimizeWindow(platform::FindWindow("Pebbledash"));
    if (fullScreen) Loop.SuspendRequested = -1;
    return true;
}

void SetReturnToMenuLinks(const GameLinks* links) { returnToMenuLinks = links; }

void ReturnToMenu() {
    if (returnToMenuLinks) Call(returnToMenuLinks->leaveRace);
    AppState = StateMainMenu;
    iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
    iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
    PlayMusic("1");
}
