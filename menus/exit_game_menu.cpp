// The in-race panel: widgets, texts by state, keys and pointer.
#include "menus/exit_game_menu.h"

#include "core/app_state.h"
#include "core/effect_sound.h"
#include "core/frame_dispatch.h"
#include "core/pack_texture.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "menus/yes_no_buttons.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";
constexpr uint16_t kPanelEntry = 1;
constexpr float kRaceStepSeconds = 0.01333f;

// The click areas of the send question and the retry question: fixed, narrower than the
// buttons' pictures, every bound exclusive.
constexpr double kAreaBottom = -3.8, kAreaTop = -2.4;
constexpr double kSendLeft = -3.5, kSendRight = 0.24;
constexpr double kLeaveLeft = 1.0, kLeaveRight = 4.88;

enum Key : int { kEscape = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

constexpr int kKeys[] = {kUp, kDown, kLeft, kRight, kEnter, kEscape};

void Print(const char* text, float x, float y, float size) {
    iPrint(text, Vec2{x, y}, Vec2{size, size}, 0.15f, Shared.Fonts[0]);
}

template <typename Hook, typename... Args>
void Call(const Hook& hook, Args... args) {
    if (hook) hook(args...);
}

}  // namespace

TExitGameMenu::TExitGameMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TExitGameMenu::Init() {
    Build();
    selection = 1;
}

void TExitGameMenu::Build() {
    panel.Build(LoadPackTexture(kForms, kPanelEntry));
    panel.SetScale(18, 12);
    panel.SetLocation(0, 0);
    yes_no_buttons::Build(buttons, [](auto& button, EngineHandle highlight, EngineHandle base) {
        button.Build(highlight, base);
    });
}

void TExitGameMenu::Rebuild() {
    Build();
    if (!InRaceDialogStates(AppState)) return;
    for (TSpriteFlatButton& button : buttons) {
        button.enabled = true;
        button.Show();
    }
    panel.Show();
}

void TExitGameMenu::Open() {
    for (TSpriteFlatButton& button : buttons) {
        button.enabled = true;
        button.Show();
    }
    panel.Show();
    Call(hooks_.stopRaceSounds);
    selection = 2;
}

void TExitGameMenu::Close() {
    for (TSpriteFlatButton& button : buttons) {
        button.enabled = false;
        button.Hide();
    }
    panel.Hide();
}

void TExitGameMenu::Toggle() {
    selection = selection == 1 ? 2 : 1;
    PlayEffectSound(Shared.ClickSound);
}

void TExitGameMenu::Resume() {
    AppState = StateRace;
    Close();
    iSimulationFrqSet(kRaceStepSeconds);
    Call(hooks_.resetCarPhysics);
}

void TExitGameMenu::ResumeWithMusic() {
    Resume();
    Call(hooks_.playGameMusic);
}

void TExitGameMenu::EndRace() {
    Call(hooks_.hideGameOverSprite);
    const bool record = hooks_.openNameEntry && hooks_.openNameEntry();
    if (!record) {
        iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
        iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
        Call(hooks_.leaveRace);
        AppState = StateMainMenu;
    }
    Close();
}

void TExitGameMenu::Send() { Call(hooks_.sendResult); }

void TExitGameMenu::Leave() {
    Close();
    ReturnToMenu();
    Call(hooks_.openScreen, static_cast<uint8_t>(StateRecords));
}

void TExitGameMenu::Update() {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i + 1 == selection) {
            buttons[i].SetHovered();
        } else {
            buttons[i].ClearHovered();
        }
        buttons[i].UpdateFade();
    }
    iPrintsHide();
    iPrintColorSet(1, 1, 0, 1);
    switch (AppState) {
        case StateRaceExitConfirm:
            Print("Exit To Menu?", -5, 1, 0.65f);
            break;
        case StateSendResultAsk:
            Print("Send the result", -5.4f, 2.5f, 0.65f);
            Print("To World's", -3.7f, 1, 0.65f);
            Print("Highscores page?", -5.9f, -0.5f, 0.65f);
            break;
        case StateSending:
            iPrintColorSet(1, 0, 0, 1);
            Print("Please wait...", -4.8f, 0, 0.65f);
            iPrintColorSet(1, 1, 1, 1);
            break;
        case StateSendFailed:
            iPrintColorSet(1, 0, 0, 1);
            Print("Can't connect", -3.5f, 1.5f, 0.5f);
            Print("to server! Repeat?", -5.3f, 0, 0.5f);
            iPrintColorSet(1, 1, 1, 1);
            break;
        default:
            break;
    }
}

void TExitGameMenu::KeyStep() {
    for (const int code : kKeys) {
        if (iKeyClick(code) == 0) continue;
        HandleKey(code);
        return;
    }
}

void TExitGameMenu::HandleKey(int code) {
    const uint8_t state = AppState;
    const bool inRace = state == StateRaceExitConfirm;
    if (!inRace && state != StateSendResultAsk && state != StateSendFailed) return;
    switch (code) {
        case kUp:
        case kDown:
        case kLeft:
        case kRight:
            Toggle();
            break;
        case kEnter:
            if (inRace && selection == 1) {
                EndRace();
            } else if (inRace) {
                ResumeWithMusic();
            } else if (selection == 1) {
                Send();
            } else {
                Leave();
            }
            break;
        case kEscape:
            if (inRace) {
                ResumeWithMusic();
            } else {
                Close();
                ReturnToMenu();
            }
            break;
        default:
            break;
    }
}

void TExitGameMenu::Hover(double x, double y) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i].Contains(x, y)) continue;
        const auto index = static_cast<uint8_t>(i + 1);
        if (index != selection) PlayEffectSound(Shared.HoverSound);
        selection = index;
    }
}

void TExitGameMenu::Click(double x, double y) {
    if (AppState == StateRaceExitConfirm) {
        for (size_t i = 0; i < buttons.size(); ++i) {
            if (!buttons[i].Contains(x, y)) continue;
            const auto index = static_cast<uint8_t>(i + 1);
            if (index != selection) PlayEffectSound(Shared.HoverSound);
            selection = index;
            if (index == 1) {
                EndRace();
            } else {
                ResumeWithMusic();
            }
            return;
        }
        return;
    }
    if (AppState != StateSendResultAsk && AppState != StateSendFailed) return;
    if (!(kAreaBottom < y && y < kAreaTop)) return;
    if (kSendLeft < x && x < kSendRight) {
        Send();
    } else if (kLeaveLeft < x && x < kLeaveRight) {
        Leave();
    }
}
