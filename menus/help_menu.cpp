// The help pages: their widgets, keys and pointer, and the turning of pages.
#include "menus/help_menu.h"

#include <string>

#include "core/app_state.h"
#include "core/pack_texture.h"
#include "engine/engine.h"
#include "menus/side_panel.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";

enum Key : int { kEscape = 1, kEnter = 28, kLeft = 203, kRight = 205 };
constexpr int kKeys[] = {kEscape, kEnter, kLeft, kRight};

enum Button : uint8_t { kPrev = 1, kNext = 2 };

constexpr PanelButton kButtons[2] = {
    {"HelpPrev", 16, 17, 6, 3, 3.8, -7.0, 1.8, 6.7, -6.6, -7.7},
    {"HelpNext", 18, 19, 6, 3, 9.2, -7.0, 7.3, 12.3, -6.6, -7.7},
};
constexpr int32_t kButtonPriority = 3;

constexpr PanelImage kFrame{20, 18, 6.5, -0.7};
constexpr PanelImage kTitle{6, 3, 6.5, 6.3};
constexpr PanelImage kPage{16, 10, 6.5, -0.7};
constexpr size_t kFirstPage = 2;  // images[2 + page - 1]

const PanelImage& ImagePlace(size_t i) { return i == 0 ? kFrame : i == 1 ? kTitle : kPage; }

}  // namespace

THelpMenu::THelpMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void THelpMenu::Init() {
    selection = kPrev;
    page = 1;
    slideOffset = 50;
    Build();
}

void THelpMenu::Build() {
    const double shift = SlideShift(slideOffset);
    BuildPanelImage(images[0], LoadPackTexture(kForms, 3), 2, kFrame);
    BuildPanelImage(images[1], LoadPackTexture(kForms, 14), 3, kTitle);
    for (size_t i = kFirstPage; i < images.size(); ++i) {
        const std::string file = "data\\Over" + std::to_string(i - kFirstPage + 1) + ".png";
        BuildPanelImage(images[i], iTextureCreate(file.c_str()), 3, kPage);
    }
    for (size_t i = 0; i < images.size(); ++i) PlacePanelImage(images[i], ImagePlace(i), shift);
    for (size_t i = 0; i < buttons.size(); ++i) {
        BuildPanelButton(buttons[i], kForms, kButtons[i], kButtonPriority);
        PlacePanelButton(buttons[i], kButtons[i], shift);
    }
    ShowAll();
}

void THelpMenu::ShowAll() {
    for (TMeshFlatButton& button : buttons) button.Show();
    for (TMeshFlatImage& image : images) image.Show();
    hidden_ = false;
}

void THelpMenu::HideAll() {
    for (TMeshFlatButton& button : buttons) button.Hide();
    for (TMeshFlatImage& image : images) image.Hide();
    hidden_ = true;
}

void THelpMenu::Enter() {
    slideOffset = 0;
    selection = kPrev;
}

void THelpMenu::TurnPage(bool back) {
    if (back) {
        page = page <= 1 || page > kPages ? kPages : page - 1;
    } else {
        page = page >= kPages ? 1 : page + 1;
    }
}

void THelpMenu::Update() {
    if (hidden_ && slideOffset < 50) ShowAll();
    StepPanelButtons(buttons, selection, slideOffset == 0);
    if (!hidden_) {
        for (size_t i = kFirstPage; i < images.size(); ++i) {
            if (i - kFirstPage + 1 == page) {
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

void THelpMenu::KeyStep() {
    for (int code : kKeys) {
        if (iKeyClick(code) == 0) continue;
        HandleKey(code);
        return;
    }
}

void THelpMenu::HandleKey(int code) {
    if (AppState != StateHelp) return;
    switch (code) {
        case kEscape:
            PlayClickSound();
            OpenScreen(StateHelp);
            break;
        case kLeft:
            PlayClickSound();
            if (selection == kNext) {
                selection = kPrev;
            } else {
                TurnPage(true);
            }
            break;
        case kRight:
            PlayClickSound();
            if (selection == kPrev) {
                selection = kNext;
            } else {
                TurnPage(false);
            }
            break;
        case kEnter:
            PlayClickSound();
            TurnPage(selection == kPrev);
            break;
        default:
            break;
    }
}

void THelpMenu::Hover(double x, double y) { HoverPanelButtons(buttons, x, y, selection); }

void THelpMenu::Click(double x, double y) {
    ClickPanelButtons(buttons, x, y, selection, [this](uint8_t index) { TurnPage(index == kPrev); });
}

void THelpMenu::OpenScreen(uint8_t target) {
    if (hooks_.openScreen) hooks_.openScreen(target);
}
