// The options screen's keyboard: the selection and item keys of AppState 6, the volume keys,
// and the captures of the driving keys, the boost key and the boss key.
#include "core/app_state.h"
#include "core/music.h"
#include "core/saved_files.h"
#include "engine/engine.h"
#include "menus/opt_menu.h"
#include "menus/opt_menu_layout.h"
#include "platform/platform.h"

using option_rules::DrivingKey;
using option_rules::Modifiers;

namespace {

enum Key : int { kEscape = 1, kEnter = 28, kLeftCtrl = 29, kLeftShift = 42, kRightShift = 54, kLeftAlt = 56,
                 kRightCtrl = 157, kRightAlt = 184, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

// A slider steps by keyboard only when more than this many milliseconds have passed.
constexpr uint32_t kVolumeStepMs = 100;

int LowestClickedKey() {
    for (int code = 1; code <= 255; ++code) {
        if (iKeyClick(code) != 0) return code;
    }
    return 0;
}

}  // namespace

Modifiers TOptMenu::HeldModifiers() {
    return Modifiers{iKeyDown(kLeftShift) != 0 || iKeyDown(kRightShift) != 0,
                     iKeyDown(kLeftAlt) != 0 || iKeyDown(kRightAlt) != 0,
                     iKeyDown(kLeftCtrl) != 0 || iKeyDown(kRightCtrl) != 0};
}

void TOptMenu::KeyStep() {
    if (AppState == StateOptions) {
        for (int code : {kEscape, kLeft, kRight, kUp, kDown, kEnter}) {
            if (AppState != StateOptions) return;
            if (iKeyClick(code) == 0) continue;
            HandleKey(code, Modifiers{});
            if (code == kEscape) return;
        }
        if (AppState == StateOptions) {
            StepVolumeKeys(iKeyDown(kLeft) != 0, iKeyDown(kRight) != 0, platform::TickCount());
        }
        return;
    }
    if (!InOptionStates(AppState)) return;
    if (const int code = LowestClickedKey()) HandleKey(code, HeldModifiers());
}

void TOptMenu::HandleKey(int code, const Modifiers& held) {
    switch (static_cast<uint8_t>(AppState)) {
        case StateOptions: OptionsKey(code); break;
        case StateBindAccelerate: DrivingCapture(code, DrivingKey::Accelerate); break;
        case StateBindBrake: DrivingCapture(code, DrivingKey::Brake); break;
        case StateBindLeft: DrivingCapture(code, DrivingKey::Left); break;
        case StateBindRight: DrivingCapture(code, DrivingKey::Right); break;
        case StateBindBoost: BoostCapture(code); break;
        case StateBindBossKey: BossCapture(code, held); break;
        default: break;
    }
}

void TOptMenu::MoveUp() {
    if (selection <= 3) return;
    if (selection == 4) {
        selection = 1;
    } else if (selection == 10) {
        selection = 2;
    } else if (selection == 12) {
        selection = 3;
    } else {
        --selection;
    }
}

// From a tab (or none) into the first item of the page shown; then down the page's items,
// holding at its last one.
void TOptMenu::MoveDown() {
    const int shown = page <= 2 ? page : 0;
    if (selection <= 3) {
        selection = static_cast<uint8_t>(opt_menu_layout::kFirstItemOfPage[shown]);
        return;
    }
    const int itemPage = opt_menu_layout::PageOfItem(selection);
    if (itemPage >= 0 && selection < opt_menu_layout::kLastItemOfPage[itemPage]) ++selection;
}

void TOptMenu::OptionsKey(int code) {
    Settings& pending = Saved.pendingSettings;
    switch (code) {
        case kEscape:
            if (hooks_.openScreen) hooks_.openScreen(StateOptions);
            return;
        case kUp:
            PlayClick();
            MoveUp();
            return;
        case kDown:
            PlayClick();
            MoveDown();
            return;
        case kEnter:
            PlayClick();
            if (selection != 10 && selection != 11) ItemAction(selection);
            return;
        case kLeft:
        case kRight: break;
        default: return;
    }
    PlayClick();
    const bool right = code == kRight;
    switch (selection) {
        case 0: case 1: case 2: case 3:
            if (!right && selection >= 1) --selection;
            if (right && selection <= 2) ++selection;
            break;
        case 4: pending.windowed = pending.windowed == 1 ? 0 : 1; break;
        case 5:
            resolutionArrowRight = right;
            pending.resolution = option_rules::StepResolution(pending.resolution, right);
            break;
        case 6:
            depthArrowRight = right;
            pending.colorDepth = pending.colorDepth == 0 ? 1 : 0;
            break;
        case 7: pending.engineOption = pending.engineOption == 0 ? 1 : 0; break;
        case 8: pending.shadows = pending.shadows == 0 ? 1 : 0; break;
        default: break;
    }
}

void TOptMenu::StepVolumeKeys(bool leftHeld, bool rightHeld, uint32_t tickMs) {
    if (page != 1 || (selection != 10 && selection != 11) || (!leftHeld && !rightHeld)) return;
    const bool music = selection == 10;
    uint32_t& lastTick = music ? musicKeyTick : soundKeyTick;
    if (tickMs - lastTick <= kVolumeStepMs) return;
    lastTick = tickMs;
    const bool up = !leftHeld;
    Settings& live = Saved.settings;
    if (music) {
        live.musicVolume = option_rules::VolumeStep(live.musicVolume, up);
        // The music's own gain rule, as when dragging: a step down never sounds louder.
        SetMenuMusicGain(MusicGain(live.musicVolume));
    } else {
        live.soundVolume = option_rules::VolumeStep(live.soundVolume, up);
    }
    SaveLive();
}

void TOptMenu::DrivingCapture(int code, DrivingKey row) {
    PlayClick();
    if (code == kEscape || code == kEnter) {
        AppState = StateOptions;
        return;
    }
    if (!option_rules::AcceptsDrivingKey(code, row, Saved.settings)) return;
    option_rules::DrivingKeyField(Saved.settings, row) = static_cast<uint16_t>(code);
    AppState = StateOptions;
    SaveLive();
}

void TOptMenu::BoostCapture(int code) {
    PlayClick();
    if (code == kEscape || code == kEnter) {
        AppState = StateOptions;
        return;
    }
    if (!option_rules::AcceptsBoostKey(code)) return;
    Saved.settings.keyBoost = static_cast<uint16_t>(code);
    AppState = StateOptions;
    SaveLive();
}

void TOptMenu::BossCapture(int code, const Modifiers& held) {
    if (code == kUp || code == kEnter || code == kEscape) {
        AppState = StateOptions;
        PlayClick();
        if (code == kUp) MoveUp();
        return;
    }
    if (!option_rules::AcceptsBossKey(code, Saved.settings)) return;
    Settings& pending = Saved.pendingSettings;
    pending.bossKey = static_cast<uint8_t>(code);
    pending.bossShift = held.shift ? 1 : 0;
    pending.bossAlt = held.alt ? 1 : 0;
    pending.bossCtrl = held.ctrl ? 1 : 0;
    AppState = StateOptions;
    Apply();
    PlayClick();
}
