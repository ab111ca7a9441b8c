// The options screen: widgets, page contents, pointer, and the actions that change the settings.
#include "menus/opt_menu.h"

#include "core/app_state.h"
#include "core/effect_sound.h"
#include "core/key_names.h"
#include "core/loop_flags.h"
#include "core/music.h"
#include "core/pack_texture.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "menus/opt_menu_layout.h"
#include "platform/platform.h"

using namespace opt_menu_layout;
using option_rules::Modifiers;

namespace {

// Images shown on one page only (Update decides), by number.
constexpr int kPageImagesFirst = 3;
constexpr int kFirstOverItems = 6;  // images from the active tab on are drawn over the items
constexpr int kVideoSwitchFirst = 9, kVideoSwitchLast = 18;
constexpr int kMusicKnob = 19, kSoundKnob = 20;
constexpr int kApplyItem = 9, kDefaultsItem = 18;
// The resolution and depth rows light their right arrow from this pointer x on.
constexpr double kArrowSplitX = 12.4;

void Print(const std::string& text, double x, double y, Vec2 scale) {
    iPrint(text.c_str(), Vec2{static_cast<float>(x), static_cast<float>(y)}, scale, 0.1f, Shared.Fonts[0]);
}

}  // namespace

TOptMenu::TOptMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TOptMenu::Init() {
    Build();
    selection = 1;
    page = 0;
    restartNeeded = false;
    slideOffset = 50;
}

void TOptMenu::Build() {
    // Within one priority the engine draws in creation order: the frame, title and page panels
    // go under the item bases, the active tab, switches, arrows and knobs over them.
    const auto buildImage = [this](int i) {
        const Image& layout = kImages[i];
        images[i].Build(LoadPackTexture(layout.forms ? kForms : kPack, layout.entry), layout.priority);
        images[i].SetScale(layout.width, layout.height);
    };
    for (int i = 0; i < kFirstOverItems - 1; ++i) buildImage(i);
    for (int i = 0; i < kItemCount; ++i) {
        const Item& layout = kItems[i];
        TMeshFlatButton& button = buttons[i];
        button.hovered = false;
        button.Build(LoadPackTexture(kPack, layout.highlightEntry), LoadPackTexture(kPack, layout.baseEntry),
                     kItemPriority);
        for (int which = 0; which < 2; ++which) button.SetScale(which, layout.width, layout.height);
        button.outline = RectangleOutline(layout.left, layout.top, layout.right, layout.bottom);
        button.name = layout.name;
    }
    for (int i = kFirstOverItems - 1; i < kImageCount; ++i) buildImage(i);
    images[0].SetLocation(kImages[0].x, kImages[0].y);
    images[1].SetLocation(kImages[1].x, kImages[1].y);
    draggingMusic = draggingSound = false;
    Show();
}

void TOptMenu::Show() {
    for (TMeshFlatButton& button : buttons) button.Show();
    for (TMeshFlatImage& image : images) image.Show();
}

void TOptMenu::HideAll() {
    for (TMeshFlatButton& button : buttons) button.Hide();
    for (TMeshFlatImage& image : images) image.Hide();
}

void TOptMenu::Enter() {
    slideOffset = 0;
    selection = 4;
    page = 0;
}

void TOptMenu::PlayHover() {
    if (hooks_.playHoverSound) {
        hooks_.playHoverSound();
    } else {
        PlayEffectSound(Shared.HoverSound);
    }
}

void TOptMenu::PlayClick() {
    if (hooks_.playClickSound) {
        hooks_.playClickSound();
    } else {
        PlayEffectSound(Shared.ClickSound);
    }
}

void TOptMenu::SetMenuMusicGain(float gain) { iSoundVolumeSet(Shared.MusicTracks[0], gain); }

void TOptMenu::ItemAction(int item, const double* pointerX) {
    Settings& pending = Saved.pendingSettings;
    switch (item) {
        case 1: case 2: case 3: page = static_cast<uint8_t>(item - 1); break;
        case 4: pending.windowed = pending.windowed == 1 ? 0 : 1; break;
        case 5:
            if (pointerX) resolutionArrowRight = *pointerX >= kArrowSplitX;
            pending.resolution = option_rules::StepResolution(pending.resolution, resolutionArrowRight);
            break;
        case 6:
            if (pointerX) depthArrowRight = *pointerX >= kArrowSplitX;
            pending.colorDepth = pending.colorDepth == 0 ? 1 : 0;
            break;
        case 7: pending.engineOption = pending.engineOption == 0 ? 1 : 0; break;
        case 8: pending.shadows = pending.shadows == 0 ? 1 : 0; break;
        case 9: Apply(); break;
        case 10:
            if (!pointerX) break;
            Saved.settings.musicVolume = option_rules::Slider(*pointerX);
            draggingMusic = true;
            break;
        case 11:
            if (!pointerX) break;
            Saved.settings.soundVolume = option_rules::Slider(*pointerX);
            draggingSound = true;
            break;
        case 12: AppState = StateBindAccelerate; break;
        case 13: AppState = StateBindBrake; break;
        case 14: AppState = StateBindLeft; break;
        case 15: AppState = StateBindRight; break;
        case 16: AppState = StateBindBoost; break;
        case 17: AppState = StateBindBossKey; break;
        case 18: Defaults(); break;
        default: break;
    }
}

void TOptMenu::Apply() {
    Settings& pending = Saved.pendingSettings;
    Settings& live = Saved.settings;
    // The edit copy may predate a volume or lastCountry change made on the live record.
    option_rules::TakeLiveOnlyFields(pending, live);
    Saved.SaveSettings(SettingsCopy::Pending);
    if (iSoundPlaying(Shared.MusicTracks[0]) == 0) PlayMusic("1");
    restartNeeded = option_rules::RestartNeeded(live, pending);
    live = pending;
    if (!restartNeeded) return;
    if (hooks_.minimizeWindow) {
        hooks_.minimizeWindow();
    } else {
        platform::MinimizeWindow(platform::FindWindow("Pebbledash"));
    }
    // The window cycle re-opens the engine with the live settings at once, without a wait.
    Loop.DisplayChanged = true;
    Loop.SuspendRequested = -1;
}

void TOptMenu::Defaults() {
    Settings& pending = Saved.pendingSettings;
    option_rules::TakeLiveOnlyFields(pending, Saved.settings);
    pending.ResetControls();
    Saved.SaveSettings(SettingsCopy::Pending);
}

void TOptMenu::SaveLive() {
    Saved.SaveSettings(SettingsCopy::Live);
    Saved.pendingSettings = Saved.settings;
}

void TOptMenu::Hover(double x, double y) { PointerMoved(x, y, iMouseButtonDown(0) != 0); }

void TOptMenu::PointerMoved(double x, double y, bool leftButtonDown) {
    if (!leftButtonDown && (draggingMusic || draggingSound)) {
        SaveLive();
        draggingMusic = draggingSound = false;
    }
    if (draggingMusic) {
        Saved.settings.musicVolume = option_rules::Slider(x);
        SetMenuMusicGain(MusicGain(Saved.settings.musicVolume));
    }
    if (draggingSound) Saved.settings.soundVolume = option_rules::Slider(x);
    for (int item = 1; item <= kItemCount; ++item) {
        if (!buttons[item - 1].Contains(x, y)) continue;
        if (item != selection) PlayHover();
        selection = static_cast<uint8_t>(item);
        if (item == 5) resolutionArrowRight = x >= kArrowSplitX;
        if (item == 6) depthArrowRight = x >= kArrowSplitX;
    }
}

void TOptMenu::Click(double x, double y) {
    for (int item = 1; item <= kItemCount; ++item) {
        if (!buttons[item - 1].Contains(x, y)) continue;
        PlayClick();
        selection = static_cast<uint8_t>(item);
        ItemAction(item, &x);
    }
}

void TOptMenu::Update() {
    const bool atRest = slideOffset == 0;
    for (int item = 1; item <= kItemCount; ++item) {
        const int itemPage = PageOfItem(item);
        buttons[item - 1].enabled = itemPage < 0 ? atRest : itemPage == page;
    }
    // After a re-created display the init phase leaves the screen hidden; whenever it is in
    // view the parts every page shares are shown again.
    if (slideOffset < 50 || InOptionStates(AppState)) {
        images[0].Show();
        images[1].Show();
        for (int item = 1; item <= kItemCount; ++item) {
            if (item != kApplyItem && item != kDefaultsItem) buttons[item - 1].Show();
        }
    }
    ShowPageContents();
    for (int item = 1; item <= kItemCount; ++item) {
        TMeshFlatButton& button = buttons[item - 1];
        if (item == selection) {
            button.SetHovered();
        } else {
            button.ClearHovered();
        }
        button.UpdateFade();
    }
    PlaceAll();
    if (InOptionStates(AppState) && page != 1) PrintTexts();
}

void TOptMenu::ShowPageContents() {
    const Settings& pending = Saved.pendingSettings;
    const auto showIf = [](TMeshFlatImage& image, bool shown) {
        if (shown) {
            image.Show();
        } else {
            image.Hide();
        }
    };
    const bool video = page == 0;
    if (video) {
        buttons[kApplyItem - 1].Show();
    } else {
        buttons[kApplyItem - 1].Hide();
    }
    if (page == 2) {
        buttons[kDefaultsItem - 1].Show();
    } else {
        buttons[kDefaultsItem - 1].Hide();
    }
    for (int p = 0; p < 3; ++p) {
        showIf(images[kPageImagesFirst + p - 1], page == p);  // page panels 3, 4, 5 (video, sound, controls)
        showIf(images[6 + p - 1], page == p);                 // active tabs 6, 7, 8
    }
    const bool lit[kVideoSwitchLast - kVideoSwitchFirst + 1] = {
        pending.windowed == 1,     pending.windowed == 0,     pending.engineOption == 0,
        pending.engineOption == 1, pending.shadows == 0,      pending.shadows == 1,
        resolutionArrowRight,      !resolutionArrowRight,     depthArrowRight,
        !depthArrowRight};
    for (int image = kVideoSwitchFirst; image <= kVideoSwitchLast; ++image) {
        showIf(images[image - 1], video && lit[image - kVideoSwitchFirst]);
    }
    showIf(images[kMusicKnob - 1], page == 1);
    showIf(images[kSoundKnob - 1], page == 1);
}

void TOptMenu::PlaceAll() {
    const double offset = static_cast<double>(0.4L * slideOffset);
    for (int i = 0; i < kImageCount; ++i) {
        double x = kImages[i].x;
        if (i + 1 == kMusicKnob) x = KnobX(Saved.settings.musicVolume);
        if (i + 1 == kSoundKnob) x = KnobX(Saved.settings.soundVolume);
        images[i].SetLocation(x + offset, kImages[i].y);
    }
    for (int i = 0; i < kItemCount; ++i) {
        const Item& layout = kItems[i];
        TMeshFlatButton& button = buttons[i];
        button.SetLocation(1, layout.x + offset, layout.y);
        if (layout.parked) {
            button.SetLocation(0, kParkedX, kParkedY);
        } else {
            button.SetLocation(0, layout.x + offset, layout.y);
        }
    }
}

std::string TOptMenu::ResolutionLine() const {
    return option_rules::ResolutionName(Saved.pendingSettings.resolution);
}

std::string TOptMenu::DepthLine() const { return option_rules::DepthName(Saved.pendingSettings.colorDepth); }

std::string TOptMenu::KeyLine(int item, const Modifiers& held) const {
    const Settings& live = Saved.settings;
    const uint8_t state = AppState;
    switch (item) {
        case 12: return state == StateBindAccelerate ? "?" : KeyNames(live.keyAccelerate);
        case 13: return state == StateBindBrake ? "?" : KeyNames(live.keyBrake);
        case 14: return state == StateBindLeft ? "?" : KeyNames(live.keyLeft);
        case 15: return state == StateBindRight ? "?" : KeyNames(live.keyRight);
        case 16: return state == StateBindBoost ? "?" : KeyNames(live.keyBoost);
        case 17:
            if (state == StateBindBossKey) return option_rules::BossKeyLine(held, "?");
            return option_rules::BossKeyLine(Modifiers{live.bossShift != 0, live.bossAlt != 0, live.bossCtrl != 0},
                                             KeyNames(live.bossKey));
        default: return "";
    }
}

void TOptMenu::PrintTexts() {
    const double offset = static_cast<double>(0.4L * slideOffset);
    iPrintsHide();
    const auto color = [this](int item) {
        if (selection == item) {
            iPrintColorSet(1, 1, 1, 1);
        } else {
            iPrintColorSet(1, 1, 0, 1);
        }
    };
    if (page == 0) {
        const Vec2 scale{0.3f, 0.5f};
        const std::string resolution = ResolutionLine();
        color(5);
        Print(resolution, 12.7 - 0.25 * resolution.size() + offset, 0, scale);
        const std::string depth = DepthLine();
        color(6);
        Print(depth, 12.5 - 0.25 * depth.size() + offset, -1.6, scale);
        return;
    }
    const Modifiers held = AppState == StateBindBossKey ? HeldModifiers() : Modifiers{};
    struct Line {
        int item;
        double y;
    };
    static constexpr Line kLines[] = {{17, -5.4}, {16, -4.05}, {15, -2.75}, {14, -1.45}, {13, 0.15}, {12, 1.1}};
    for (const Line& line : kLines) {
        const std::string text = KeyLine(line.item, held);
        color(line.item);
        Print(text, 10.8 - 0.24 * text.size() + offset, line.y, Vec2{0.4f, 0.4f});
    }
}
