// The name-entry screen: widgets, typing, keys, pointer and the record it stores.
#include "menus/record_input_menu.h"

#include "core/app_state.h"
#include "core/effect_sound.h"
#include "core/frame_dispatch.h"
#include "core/key_names.h"
#include "core/pack_texture.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";
constexpr uint16_t kBackgroundEntry = 54;

struct ButtonLayout {
    const char* name;
    uint16_t baseEntry, highlightEntry;
    double width, height, centreX, centreY;
    double left, right, bottom, top;  // outline
};

constexpr ButtonLayout kButtons[4] = {
    {"ExitYes", 45, 46, 14.24, 2.4, 0.1, 0.1, -6.4, 7.0, -1.0, 0.7},
    {"ExitNo", 45, 46, 14.24, 2.4, 0.1, -3.1, -6.4, 7.0, -4.1, -2.2},
    {"", 48, 49, 8, 4, -3.0, -5.1, -5.1, 0.0, -5.7, -4.6},
    {"", 50, 51, 8, 4, 3.0, -5.1, 0.9, 6.0, -5.7, -4.6},
};

enum Key : int { kEscape = 1, kBackspace = 14, kEnter = 28, kLeftShift = 42, kRightShift = 54,
                 kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

constexpr Vec2 kTextSize{0.5f, 0.5f};
constexpr float kTextSpacing = 0.1f;

bool IsLetterKey(int code) {
    return (code >= 16 && code <= 25) || (code >= 30 && code <= 38) || (code >= 44 && code <= 50);
}

void SetYellow() { iPrintColorSet(1, 1, 0, 1); }
void SetWhite() { iPrintColorSet(1, 1, 1, 1); }

void Print(const std::string& text, double x, double y) {
    iPrint(text.c_str(), Vec2{static_cast<float>(x), static_cast<float>(y)}, kTextSize, kTextSpacing,
           Shared.Fonts[0]);
}

}  // namespace

TRecordInputMenu::TRecordInputMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TRecordInputMenu::Init() {
    Build();
    selection = 1;
    blinkPeriod = 0.5;
    blinkOn = true;
    lastBlink = 0;
}

void TRecordInputMenu::Build() {
    background.Build(LoadPackTexture(kForms, kBackgroundEntry));
    background.SetScale(17.68, 12.88);
    background.SetLocation(0, 0);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ButtonLayout& layout = kButtons[i];
        TSpriteFlatButton& button = buttons[i];
        button.hovered = false;
        button.Build(LoadPackTexture(kForms, layout.highlightEntry), LoadPackTexture(kForms, layout.baseEntry));
        for (int which = 0; which < 2; ++which) {
            button.SetScale(which, layout.width, layout.height);
            button.SetLocation(which, layout.centreX, layout.centreY);
        }
        button.outline = RectangleOutline(layout.left, layout.top, layout.right, layout.bottom);
        button.name = layout.name;
    }
}

void TRecordInputMenu::Show() {
    for (TSpriteFlatButton& button : buttons) button.enabled = true;
    background.Show();
    for (TSpriteFlatButton& button : buttons) button.Show();
}

void TRecordInputMenu::Hide() {
    background.Hide();
    for (TSpriteFlatButton& button : buttons) {
        button.Hide();
        button.enabled = false;
    }
}

int32_t TRecordInputMenu::Score() const { return hooks_.getScore ? hooks_.getScore() : 0; }

int TRecordInputMenu::Difficulty() const { return hooks_.currentDifficulty ? hooks_.currentDifficulty() : 0; }

void TRecordInputMenu::PlayHover() {
    if (hooks_.playHoverSound) {
        hooks_.playHoverSound();
    } else {
        PlayEffectSound(Shared.HoverSound);
    }
}

bool TRecordInputMenu::Qualify(int32_t score) {
    insertRank_ = Saved.QualifyingRank(Difficulty(), score);
    if (insertRank_ == 0) return false;
    AppState = StateNameEntry;
    countryText = Saved.settings.lastCountry.Text();
    Show();
    return true;
}

void TRecordInputMenu::Confirm() {
    // The settings keep the new lastCountry in memory; the records file is rewritten here.
    Saved.InsertRecord(Difficulty(), insertRank_, nameText, countryText, Score());
    AppState = StateSendResultAsk;
    Hide();
    if (hooks_.showSendResultQuestion) hooks_.showSendResultQuestion();
}

void TRecordInputMenu::Cancel() {
    Hide();
    ReturnToMenu();
}

void TRecordInputMenu::MoveSelection(bool up) {
    if (up && selection > 1) --selection;
    if (!up && selection < 4) ++selection;
    if (selection == 1) {
        AppState = StateNameEntryName;
    } else if (selection == 2) {
        AppState = StateNameEntryCountry;
    } else {
        AppState = StateNameEntry;
    }
}

void TRecordInputMenu::KeyStep() {
    for (int code = 1; code <= 255; ++code) {
        if (iKeyClick(code) == 0) continue;
        HandleKey(code, iKeyDown(kLeftShift) != 0 || iKeyDown(kRightShift) != 0);
        return;
    }
}

void TRecordInputMenu::HandleKey(int code, bool shiftHeld) {
    const uint8_t state = AppState;
    if (!InNameEntryStates(state)) return;
    if (code == kEscape) {
        Cancel();
        return;
    }
    if (code == kUp || code == kDown) {
        MoveSelection(code == kUp);
        PlayHover();
        return;
    }
    if (state != StateNameEntry) {
        Type(code, shiftHeld);
        return;
    }
    if (code == kLeft && selection == 4) {
        MoveSelection(true);
        PlayHover();
    } else if (code == kRight && selection == 3) {
        MoveSelection(false);
        PlayHover();
    } else if (code == kEnter) {
        switch (selection) {
            case 1: AppState = StateNameEntryName; break;
            case 2: AppState = StateNameEntryCountry; break;
            case 3: Confirm(); break;
            case 4: Cancel(); break;
            default: break;
        }
    }
}

void TRecordInputMenu::Type(int code, bool shiftHeld) {
    const uint8_t state = AppState;
    if (state != StateNameEntryName && state != StateNameEntryCountry) return;
    std::string& text = state == StateNameEntryName ? nameText : countryText;
    if (IsLetterKey(code)) {
        if (text.size() >= kTextCapacity) return;
        const char upper = KeyNames(code)[0];
        text.push_back(shiftHeld ? upper : static_cast<char>(upper + 32));
    } else if (code == kBackspace) {
        if (!text.empty()) text.pop_back();
    } else if (code == kEnter) {
        if (state == StateNameEntryName) {
            AppState = StateNameEntryCountry;
            selection = 2;
        } else {
            AppState = StateNameEntry;
            selection = 3;
        }
        blinkOn = false;
    }
}

void TRecordInputMenu::Hover(double x, double y) {
    for (uint8_t index = 1; index <= buttons.size(); ++index) {
        if (!buttons[index - 1].Contains(x, y)) continue;
        if (index != selection) {
            PlayHover();
            if (index == 1 || index == 2) blinkOn = true;
        }
        AppState = index == 1 ? StateNameEntryName : index == 2 ? StateNameEntryCountry : StateNameEntry;
        selection = index;
    }
}

void TRecordInputMenu::Click(double x, double y) {
    for (uint8_t index = 1; index <= buttons.size(); ++index) {
        if (!buttons[index - 1].Contains(x, y)) continue;
        if (index != selection) PlayHover();
        selection = index;
        switch (index) {
            case 1: AppState = StateNameEntryName; break;
            case 2: AppState = StateNameEntryCountry; break;
            case 3: Confirm(); break;
            default: Cancel(); break;
        }
    }
}

double TRecordInputMenu::ScoreLineX(int32_t score) {
    const int length = static_cast<int>(std::to_string(score).size());
    return -4.4 - 0.3 * (length / 1000);
}

void TRecordInputMenu::PrintField(const std::string& text, double y, bool typing, bool selected) {
    const double x = -0.25 * static_cast<double>(text.size());
    if (typing) {
        const double now = iSystemTimer();
        if (now - lastBlink > blinkPeriod) {
            lastBlink = now;
            blinkOn = !blinkOn;
        }
        SetWhite();
        Print(blinkOn ? text + "I" : text, x, y);
        return;
    }
    if (selected) {
        SetWhite();
    } else {
        SetYellow();
    }
    Print(text, x, y);
}

void TRecordInputMenu::Update() {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i + 1 == selection) {
            buttons[i].SetHovered();
        } else {
            buttons[i].ClearHovered();
        }
        buttons[i].UpdateFade();
    }

    const uint8_t state = AppState;
    iPrintsHide();
    SetYellow();
    const int32_t score = Score();
    Print("Your score is " + std::to_string(score), ScoreLineX(score), 4.2);
    Print("Please enter your name:", -6.55, 2.2);
    PrintField(nameText, 0.2, state == StateNameEntryName, selection == 1);
    SetYellow();
    Print("Your country:", -3.4, -1.35);
    PrintField(countryText, -3.0, state == StateNameEntryCountry, selection == 2);
}
