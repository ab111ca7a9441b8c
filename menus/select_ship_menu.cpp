// The car choice: its widgets, keys and pointer, and the cycling of SelectedCar.
#include "menus/select_ship_menu.h"

#include "core/app_state.h"
#include "core/pack_texture.h"
#include "core/race_choices.h"
#include "engine/engine.h"
#include "menus/side_panel.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";
constexpr const char* kStartGame = "data\\StartGame.dat";

enum Key : int { kEscape = 1, kEnter = 28, kLeft = 203, kRight = 205 };
constexpr int kKeys[] = {kEscape, kEnter, kLeft, kRight};

enum Button : uint8_t { kOk = 1, kRightArrow = 2, kLeftArrow = 3 };

constexpr PanelButton kButtons[3] = {
    {"SelectShipOK", 1, 2, 8, 4, 6.5, -7.4, 5.4, 8.5, -7.0, -8.3},
    {"SelectShipRight", 3, 4, 8, 4, 9.45, -7.35, 9.0, 11.3, -7.0, -8.3},
    {"SelectShipLeft", 5, 6, 8, 4, 3.5, -7.4, 2.8, 5.0, -7.0, -8.3},
};
constexpr int32_t kButtonPriority = 3;

constexpr PanelImage kPanel{20, 18, 6.5, -0.7};
constexpr PanelImage kTitle{12, 3, 6.5, 6.3};
constexpr PanelImage kCar{18, 16, 6.5, -0.7};
constexpr size_t kFirstCar = 2;  // images[2 + model - 1]; picture of model m is entry m + 6
constexpr int kCarModels = 5;

const PanelImage& ImagePlace(size_t i) { return i == 0 ? kPanel : i == 1 ? kTitle : kCar; }

}  // namespace

TSelectShipMenu::TSelectShipMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TSelectShipMenu::Init() {
    selection = kRightArrow;
    slideOffset = 50;
    Build();
    SelectedCar = 1;
}

void TSelectShipMenu::Build() {
    const double shift = SlideShift(slideOffset);
    BuildPanelImage(images[0], LoadPackTexture(kForms, 3), 2, kPanel);
    BuildPanelImage(images[1], LoadPackTexture(kStartGame, 0), 3, kTitle);
    for (size_t i = kFirstCar; i < images.size(); ++i) {
        BuildPanelImage(images[i], LoadPackTexture(kStartGame, static_cast<uint16_t>(i + 5)), 3, kCar);
    }
    for (size_t i = 0; i < images.size(); ++i) PlacePanelImage(images[i], ImagePlace(i), shift);
    for (size_t i = 0; i < buttons.size(); ++i) {
        BuildPanelButton(buttons[i], kStartGame, kButtons[i], kButtonPriority);
        PlacePanelButton(buttons[i], kButtons[i], shift);
    }
    ShowAll();
}

void TSelectShipMenu::ShowAll() {
    for (TMeshFlatButton& button : buttons) button.Show();
    for (TMeshFlatImage& image : images) image.Show();
    hidden_ = false;
}

void TSelectShipMenu::HideAll() {
    for (TMeshFlatButton& button : buttons) button.Hide();
    for (TMeshFlatImage& image : images) image.Hide();
    hidden_ = true;
}

void TSelectShipMenu::Enter() {
    slideOffset = 0;
    selection = kOk;
}

void TSelectShipMenu::CycleCar(bool up) {
    // A model outside 1..5 (never set by the menus) is brought back into the cycle.
    const int index = ((SelectedCar - 1) % kCarModels + kCarModels) % kCarModels;
    SelectedCar = (index + (up ? 1 : kCarModels - 1)) % kCarModels + 1;
}

void TSelectShipMenu::Update() {
    if (hidden_ && slideOffset < 50) ShowAll();
    StepPanelButtons(buttons, selection, slideOffset == 0);
    if (!hidden_) {
        for (size_t i = kFirstCar; i < images.size(); ++i) {
            if (static_cast<int>(i - kFirstCar) + 1 == SelectedCar) {
                images[i].Show();
            } else {
                images[i].Hide();
            }
        }
    }
    const double shift = SlideShift(slideOffset);
    for (size_t i = 0; i < images.size(); ++i) PlacePanelImage(images[i], ImagePlace(i), shift);
    for (size_t i = 0; i < buttons.size(); ++i) PlacePanelButton(buttons[i], kButtons[i], shift);
}

void TSelectShipMenu::KeyStep() {
    for (int code : kKeys) {
        if (iKeyClick(code) == 0) continue;
        HandleKey(code);
        return;
    }
}

void TSelectShipMenu::HandleKey(int code) {
    if (AppState != StateCarChoice) return;
    switch (code) {
        case kEscape:
            PlayClickSound();
            OpenScreen(StateCarChoice);
            break;
        case kLeft:
            PlayClickSound();
            if (selection == kLeftArrow) {
                CycleCar(false);
            } else if (selection == kOk) {
                selection = kLeftArrow;
            } else if (selection == kRightArrow) {
                selection = kOk;
            }
            break;
        case kRight:
            PlayClickSound();
            if (selection == kRightArrow) {
                CycleCar(true);
            } else if (selection == kOk) {
                selection = kRightArrow;
            } else if (selection == kLeftArrow) {
                selection = kOk;
            }
            break;
        case kEnter:
            PlayClickSound();
            Activate(selection);
            break;
        default:
            break;
    }
}

void TSelectShipMenu::Hover(double x, double y) { HoverPanelButtons(buttons, x, y, selection); }

void TSelectShipMenu::Click(double x, double y) {
    ClickPanelButtons(buttons, x, y, selection, [this](uint8_t index) { Activate(index); });
}

void TSelectShipMenu::Activate(uint8_t index) {
    switch (index) {
        case kOk: OpenScreen(StateDifficulty); break;
        case kRightArrow: CycleCar(true); break;
        case kLeftArrow: CycleCar(false); break;
        default: break;
    }
}

void TSelectShipMenu::OpenScreen(uint8_t target) {
    if (hooks_.openScreen) hooks_.openScreen(target);
}
