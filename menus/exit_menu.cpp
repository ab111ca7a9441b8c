// The exit and clearing questions: panel, Yes and No, keys and pointer.
#include "menus/exit_menu.h"

#include "core/app_state.h"
#include "core/effect_sound.h"
#include "core/pack_texture.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "menus/side_panel.h"
#include "menus/yes_no_buttons.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";

enum Key : int { kEscape = 1, kEnter = 28, kLeft = 203, kRight = 205 };

void PrintLine(const char* text, float x, float y) {
    iPrint(text, Vec2{x, y}, Vec2{0.65f, 0.65f}, 0.15f, Shared.Fonts[0]);
}

}  // namespace

TExitMenu::TExitMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TExitMenu::Init() {
    Build();
    selection = 1;
    exiting = false;
}

void TExitMenu::Build() {
    panel.Build(LoadPackTexture(kForms, 1), 6);
    panel.SetScale(18, 12);
    panel.SetLocation(0, 0);
    panel.SetAlpha(100);
    yes_no_buttons::Build(buttons, [](auto& button, EngineHandle highlight, EngineHandle base) {
        button.Build(highlight, base, 7);
    });
}

void TExitMenu::Rebuild() {
    Build();
    if (AppState == StateExitConfirm || AppState == StateClearRecordsConfirm) Open();
}

void TExitMenu::Open() {
    for (TMeshFlatButton& button : buttons) {
        button.enabled = true;
        button.Show();
    }
    panel.Show();
    selection = 2;
}

void TExitMenu::Close() {
    for (TMeshFlatButton& button : buttons) {
        button.enabled = false;
        button.Hide();
    }
    panel.Hide();
}

void TExitMenu::Ask(uint8_t question) {
    Open();
    returnState = AppState;
    AppState = question;
}

void TExitMenu::Toggle() {
    selection = selection == 1 ? 2 : 1;
    PlayEffectSound(Shared.ClickSound);
}

void TExitMenu::Back() {
    iPrintsHide();
    Close();
    AppState = returnState;
}

void TExitMenu::ConfirmExit() {
    Close();
    exiting = true;
    AppState = returnState;
    const uint8_t from = returnState;
    if (InOptionStates(from)) {
        AppState = StateOptions;
        if (hooks_.openScreen) hooks_.openScreen(StateOptions);
    } else if (from == StateDifficulty || from == StateHelp || from == StateRecords || from == StateCarChoice) {
        if (hooks_.openScreen) hooks_.openScreen(from);
    } else if (from == StateMainMenu) {
        if (hooks_.slideOutColumn) hooks_.slideOutColumn();
    }
}

void TExitMenu::ClearRecords() {
    Saved.ClearRecords();
    iPrintsHide();
    Close();
    Back();
}

void TExitMenu::Update() {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (static_cast<int>(i) + 1 == selection) {
            buttons[i].SetHovered();
        } else {
            buttons[i].ClearHovered();
        }
        buttons[i].UpdateFade();
    }
    iPrintsHide();
    iPrintColorSet(1, 1, 0, 1);
    if (AppState == StateExitConfirm) {
        PrintLine("Exit The Game?", -5, 1);
    } else if (AppState == StateClearRecordsConfirm) {
        PrintLine("Do You Want To", -5.1f, 2.5f);
        PrintLine("Clear The High", -5.1f, 1);
        PrintLine("Score Table?", -4.5f, -0.5f);
    }
}

void TExitMenu::KeyStep() {
    const bool clearing = AppState == StateClearRecordsConfirm;
    if (iKeyClick(kLeft) != 0 || iKeyClick(kRight) != 0) Toggle();
    if (iKeyClick(kEnter) != 0) {
        if (!clearing) {
            // The keyboard always returns to the main menu; Yes leaves at once.
            Close();
            AppState = selection == 1 ? StateLeaving : StateMainMenu;
        } else if (selection == 1) {
            ClearRecords();
        } else {
            Close();
            if (hooks_.showRecords) hooks_.showRecords();
            AppState = StateRecords;
        }
        return;
    }
    if (iKeyClick(kEscape) != 0) {
        Close();
        AppState = clearing ? StateRecords : StateMainMenu;
    }
}

void TExitMenu::Hover(double x, double y) { HoverPanelButtons(buttons, x, y, selection); }

void TExitMenu::Click(double x, double y) {
    const bool clearing = AppState == StateClearRecordsConfirm;
    ClickPanelButtons(buttons, x, y, selection, [this, clearing](uint8_t index) {
        if (index == 2) {
            Back();
        } else if (clearing) {
            ClearRecords();
        } else {
            ConfirmExit();
        }
    });
}
