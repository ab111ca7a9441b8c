// The difficulty choice: its widgets, keys and pointer, and the start of a race.
#include "menus/start_game_menu.h"

#include "core/app_state.h"
#include "core/pack_texture.h"
#include "core/race_choices.h"
#include "engine/engine.h"
#include "menus/side_panel.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";
constexpr const char* kStartGame = "data\\StartGame.dat";

enum Key : int { kEscape = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };
constexpr int kKeys[] = {kEscape, kEnter, kUp, kLeft, kRight, kDown};

enum Button : uint8_t { kEasy = 1, kMedium = 2, kHard = 3, kBack = 4, kRace = 5 };

constexpr PanelButton kButtons[5] = {
    {"StartGameEasy", 13, 14, 13, 4, 6.5, 2.5, 1.3, 12.5, 3.4, 1.6},
    {"StartGameMedium", 15, 16, 13, 4, 6.5, -0.5, 1.3, 12.5, 0.4, -1.4},
    {"StartGameHard", 17, 18, 13, 4, 6.5, -3.5, 1.3, 12.5, -2.6, -4.4},
    {"StartGameBack", 19, 20, 6, 3, 3.8, -7.0, 1.8, 6.7, -6.6, -7.7},
    {"StartGameRace", 21, 22, 6, 3, 9.2, -7.0, 7.3, 12.3, -6.6, -7.7},
};
constexpr int32_t kButtonPriority = 3;

struct ImageRow {
    const char* pack;
    uint16_t entry;
    int32_t priority;
    PanelImage place;
};
constexpr ImageRow kImages[5] = {
    {kForms, 3, 2, {20, 18, 6.5, -0.7}},      // panel
    {kStartGame, 12, 2, {14, 3, 6.5, 6.3}},   // title
    {kStartGame, 14, 4, {13.4, 4.4, 6.5, 2.5}},   // Easy marker
    {kStartGame, 16, 4, {13.4, 4.4, 6.5, -0.5}},  // Medium marker
    {kStartGame, 18, 4, {13.4, 4.4, 6.5, -3.5}},  // Hard marker
};
constexpr size_t kFirstMarker = 2;  // images[2 + difficulty]

}  // namespace

TStartGameMenu::TStartGameMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TStartGameMenu::Init() {
    startRace = false;
    selection = kEasy;
    CurrentDifficulty = 0;
    slideOffset = 50;
    Build();
}

void TStartGameMenu::Build() {
    const double shift = SlideShift(slideOffset);
    for (size_t i = 0; i < images.size(); ++i) {
        const ImageRow& row = kImages[i];
        BuildPanelImage(images[i], LoadPackTexture(row.pack, row.entry), row.priority, row.place);
        PlacePanelImage(images[i], row.place, shift);
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        BuildPanelButton(buttons[i], kStartGame, kButtons[i], kButtonPriority);
        PlacePanelButton(buttons[i], kButtons[i], shift);
    }
    ShowAll();
}

void TStartGameMenu::ShowAll() {
    for (TMeshFlatButton& button : buttons) button.Show();
    for (TMeshFlatImage& image : images) image.Show();
    hidden_ = false;
}

void TStartGameMenu::HideAll() {
    for (TMeshFlatButton& button : buttons) button.Hide();
    for (TMeshFlatImage& image : images) image.Hide();
    hidden_ = true;
}

void TStartGameMenu::Enter() {
    slideOffset = 0;
    selection = kRace;
}

void TStartGameMenu::Update() {
    if (hidden_ && slideOffset < 50) ShowAll();
    StepPanelButtons(buttons, selection, slideOffset == 0);
    if (!hidden_) {
        for (size_t i = kFirstMarker; i < images.size(); ++i) {
            if (static_cast<int>(i - kFirstMarker) == CurrentDifficulty) {
                images[i].Show();
            } else {
                images[i].Hide();
            }
        }
    }
    const double shift = SlideShift(slideOffset);
    for (size_t i = 0; i < images.size(); ++i) PlacePanelImage(images[i], kImages[i].place, shift);
    for (size_t i = 0; i < buttons.size(); ++i) PlacePanelButton(buttons[i], kButtons[i], shift);
}

void TStartGameMenu::KeyStep() {
    for (int code : kKeys) {
        if (iKeyClick(code) == 0) continue;
        HandleKey(code);
        return;
    }
}

void TStartGameMenu::HandleKey(int code) {
    if (AppState != StateDifficulty) return;
    switch (code) {
        case kRight:
            PlayHoverSound();
            if (selection == kBack) selection = kRace;
            break;
        case kLeft:
            PlayHoverSound();
            if (selection == kRace) selection = kBack;
            break;
        case kUp:
            PlayHoverSound();
            if (selection > kHard) {
                selection = kHard;
            } else if (selection > kEasy) {
                --selection;
            }
            break;
        case kDown:
            PlayHoverSound();
            if (selection == kHard) {
                selection = kRace;
            } else if (selection < kHard) {
                ++selection;
            }
            break;
        case kEnter:
            PlayHoverSound();
            Activate(selection);
            if (selection <= kHard) selection = kRace;
            break;
        case kEscape:
            PlayHoverSound();
            OpenScreen(StateDifficulty);
            break;
        default:
            break;
    }
}

void TStartGameMenu::Hover(double x, double y) { HoverPanelButtons(buttons, x, y, selection); }

void TStartGameMenu::Click(double x, double y) {
    ClickPanelButtons(buttons, x, y, selection, [this](uint8_t index) { Activate(index); });
}

void TStartGameMenu::Activate(uint8_t index) {
    switch (index) {
        case kEasy:
        case kMedium:
        case kHard:
            CurrentDifficulty = index - kEasy;
            break;
        case kBack:
            OpenScreen(StateCarChoice);
            break;
        case kRace:
            if (slideOffset != 0) break;
            OpenScreen(StateDifficulty);
            startRace = true;
            break;
        default:
            break;
    }
}

void TStartGameMenu::OpenScreen(uint8_t target) {
    if (hooks_.openScreen) hooks_.openScreen(target);
}
