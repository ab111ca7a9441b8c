// The main menu: the column, its slides, OpenScreen and the transition between screens.
#include "menus/main_menu.h"

#include "core/app_state.h"
#include "core/effect_sound.h"
#include "core/frame_timer.h"
#include "core/pack_texture.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "menus/site_links.h"

namespace {

constexpr const char* kPack = "data\\MainMenu.dat";

struct ButtonLayout {
    const char* name;
    uint16_t baseEntry, highlightEntry;
    double width, height;
    double left, right, top, bottom;  // outline, fixed in place
    double y;                         // centre height; x comes from the slide
};

// Index 1..6 is the column (top to bottom), 7 and 8 the two buttons above it.
constexpr ButtonLayout kButtons[8] = {
    {"MMStart", 0, 1, 13, 3, -14.5, -4.0, 1.3, 0.0, 0.7},
    {"MMOptions", 2, 3, 13, 3, -14.5, -4.0, -0.4, -1.7, -1.0},
    {"MMHighScore", 4, 5, 13, 3, -14.5, -4.0, -2.1, -3.4, -2.7},
    {"MMHelp", 6, 7, 13, 3, -14.5, -4.0, -3.8, -5.1, -4.4},
    {"MMMoreGames", 8, 9, 13, 3, -14.5, -4.0, -5.5, -6.8, -6.1},
    {"MMExit", 10, 11, 13, 3, -14.5, -4.0, -7.2, -8.5, -7.8},
    {"MMTell", 14, 15, 10, 3, -14.5, -6.8, 4.2, 2.9, 3.7},
    {"MMSubscribe", 12, 13, 10, 5, -14.5, -6.8, 7.2, 4.7, 6.0},
};

enum Key : int { kEscape = 1, kEnter = 28, kUp = 200, kDown = 208 };

// Where a column button is fully out (index 1..6): the lower a button, the further left.
long double ColumnOutX(int index) { return -15.5L - 6.0L * index; }
constexpr long double kCornerOutX = -60.0L;

// A running transition stops within this distance of its ends.
constexpr long double kEndEpsilon = 0.00001L;

}  // namespace

TMainMenu::TMainMenu(const ScreenTable& screens, Hooks hooks) : screens_(screens), hooks_(std::move(hooks)) {}

void TMainMenu::Init() {
    selection = 1;
    Build();
    for (TMeshFlatButton& button : buttons) button.enabled = true;
}

void TMainMenu::Build() {
    background.Build(iTextureCreate("data\\MenuZadnik.jpg"), 0);
    background.SetScale(32, 24);
    background.SetLocation(0, 0);
    background.SetAlpha(100);
    background.Show();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ButtonLayout& layout = kButtons[i];
        TMeshFlatButton& button = buttons[i];
        button.hovered = false;
        button.Build(LoadPackTexture(kPack, layout.highlightEntry), LoadPackTexture(kPack, layout.baseEntry), 1);
        button.SetScale(0, layout.width, layout.height);
        button.SetScale(1, layout.width, layout.height);
        button.name = layout.name;
        button.outline = RectangleOutline(layout.left, layout.top, layout.right, layout.bottom);
        // The new meshes take the places and opacities the update left on the old ones.
        button.base.SetAlpha(100);
        button.highlight.SetAlpha(button.highlight.alpha);
        button.SetLocation(0, button.highlight.x, button.highlight.y);
        button.SetLocation(1, button.highlight.x, button.highlight.y);
    }
}

void TMainMenu::ShowButtons() {
    for (TMeshFlatButton& button : buttons) button.Show();
}

void TMainMenu::HideButtons() {
    for (TMeshFlatButton& button : buttons) button.Hide();
}

void TMainMenu::ParkButtons() {
    for (int i = 1; i <= 8; ++i) {
        TMeshFlatButton& button = buttons[i - 1];
        const double x = i <= 6 ? -13.4 - 6.0 * i : -59.9;
        button.SetLocation(0, x, kButtons[i - 1].y);
        button.SetLocation(1, x, kButtons[i - 1].y);
        button.highlight.SetAlpha(0);
        button.enabled = false;
    }
    slideSpeed = 0.4L;
    pendingState = 0;
    transition = 50;
}

bool TMainMenu::Transitioning() const { return pendingState != 0 || (transition != 0 && transition != 50); }

void TMainMenu::OpenScreen(uint8_t target) {
    if (Transitioning()) return;
    if (AppState == StateMainMenu) {
        bringingIn = true;
        transition = 49;
    } else {
        bringingIn = false;
        transition = 1;
    }
    pendingState = AppState == target ? 0 : target;
}

void TMainMenu::StartSlideOut() {
    for (int i = 1; i <= 6; ++i) {
        buttons[i - 1].highlight.x = -9.51;
        slideDelay[i - 1] = 0.3L + 0.2L * (6 - i);
    }
    buttons[6].highlight.x = -11.01;
    buttons[7].highlight.x = -11.01;
    slideSpeed = -0.4L;
}

void TMainMenu::MoveColumnButton(int index) {
    TMeshFlatButton& button = buttons[index - 1];
    long double x = button.highlight.x;
    if (!(ColumnOutX(index) < x && x < kColumnRestX)) return;
    settled = false;
    if (slideSpeed >= 0) {
        x += slideSpeed * FrameScale;
    } else if (slideDelay[index - 1] >= 0) {
        slideDelay[index - 1] -= 0.013L * FrameScale;
    } else {
        x += slideSpeed * FrameScale;
    }
    if (x > kColumnRestX) {
        x = kColumnRestX;
        button.enabled = true;
    }
    if (x < ColumnOutX(index)) {
        x = ColumnOutX(index);
        if (index == 1) {
            if (hooks_.exiting && hooks_.exiting()) AppState = StateLeaving;
            if (hooks_.startRace && hooks_.startRace()) {
                if (hooks_.startGame) hooks_.startGame();
                settled = true;
                ParkButtons();
                return;
            }
        }
    }
    button.SetLocation(0, static_cast<double>(x), button.highlight.y);
    button.SetLocation(1, static_cast<double>(x), button.highlight.y);
}

void TMainMenu::MoveCornerButton(int index) {
    TMeshFlatButton& button = buttons[index - 1];
    long double x = button.highlight.x;
    if (!(kCornerOutX < x && x < kCornerRestX)) return;
    settled = false;
    x += slideSpeed * FrameScale;
    if (x > kCornerRestX) {
        x = kCornerRestX;
        button.enabled = true;
    }
    if (x < kCornerOutX) x = kCornerOutX;
    button.SetLocation(0, static_cast<double>(x), button.highlight.y);
    button.SetLocation(1, static_cast<double>(x), button.highlight.y);
}

void TMainMenu::Update() {
    settled = true;
    for (int i = 1; i <= 6; ++i) MoveColumnButton(i);
    MoveCornerButton(7);
    MoveCornerButton(8);
    if (settled) {
        for (int i = 1; i <= 8; ++i) {
            if (i == selection) {
                buttons[i - 1].SetHovered();
            } else {
                buttons[i - 1].ClearHovered();
            }
        }
    }
    for (TMeshFlatButton& button : buttons) {
        button.SetLocation(0, button.highlight.x, button.highlight.y);
        button.SetLocation(1, button.highlight.x, button.highlight.y);
        button.UpdateFade();
    }
    StepTransition();
}

void TMainMenu::SlideScreen(uint8_t state, long double offset) const {
    if (const ScreenRow* row = screens_.For(state); row && row->slide) row->slide(offset);
}

void TMainMenu::StepTransition() {
    if (!(kEndEpsilon < transition && transition < 50 - kEndEpsilon)) return;
    transition += bringingIn ? -FrameScale : FrameScale;
    if (transition < kEndEpsilon) {
        // The pending screen has arrived.
        transition = 0;
        if (const ScreenRow* row = screens_.For(pendingState); row && row->enter) row->enter();
        AppState = pendingState;
        pendingState = 0;
    } else if (transition > 50 - kEndEpsilon) {
        // The open screen has left: put it fully away, however far a long frame took the
        // count, so it never stays in place beside the screen that comes next.
        SlideScreen(static_cast<uint8_t>(AppState), 50);
        const bool leaving = (hooks_.startRace && hooks_.startRace()) || (hooks_.exiting && hooks_.exiting());
        if (leaving) {
            StartSlideOut();
        } else if (pendingState == 0) {
            transition = 50;
            AppState = StateMainMenu;
            bringingIn = true;
        } else {
            transition = 49;
            bringingIn = true;
        }
    }
    SlideScreen(bringingIn ? pendingState : static_cast<uint8_t>(AppState), transition);
}

void TMainMenu::Activate(int index) {
    switch (index) {
        case 1: OpenScreen(StateCarChoice); break;
        case 2: OpenScreen(StateOptions); break;
        case 3: OpenScreen(StateRecords); break;
        case 4: OpenScreen(StateHelp); break;
        case 6:
            if (hooks_.openExitQuestion) hooks_.openExitQuestion();
            break;
        default: {
            const std::string link = index == 5   ? SiteAddress()
                                     : index == 7 ? TellAFriendLink()
                                                  : SiteAddress() + "/subscribe";
            if (hooks_.openLink) {
                hooks_.openLink(link);
            } else {
                OpenLink(link);
            }
        }
    }
}

void TMainMenu::KeyStep() {
    if (iKeyClick(kEscape) != 0) {
        if (hooks_.openExitQuestion) hooks_.openExitQuestion();
        return;
    }
    if (iKeyClick(kUp) != 0) {
        PlayEffectSound(Shared.HoverSound);
        selection = selection == 1 ? 7 : selection == 7 ? 8 : selection == 8 ? 6 : selection - 1;
    }
    if (iKeyClick(kDown) != 0) {
        PlayEffectSound(Shared.HoverSound);
        selection = selection == 8 ? 7 : selection == 7 ? 1 : selection == 6 ? 8 : selection + 1;
    }
    if (iKeyClick(kEnter) != 0) {
        PlayEffectSound(Shared.ClickSound);
        Activate(selection);
    }
}

void TMainMenu::Hover(double x, double y) {
    for (int i = 1; i <= 8; ++i) {
        if (!buttons[i - 1].Contains(x, y)) continue;
        if (i != selection) PlayEffectSound(Shared.HoverSound);
        selection = i;
    }
}

void TMainMenu::Click(double x, double y) {
    for (int i = 1; i <= 8; ++i) {
        if (!buttons[i - 1].Contains(x, y)) continue;
        PlayEffectSound(Shared.ClickSound);
        selection = i;
        Activate(i);
    }
}
