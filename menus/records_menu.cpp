// The high-score screen: its widgets, keys and pointer, and the printed table.
#include "menus/records_menu.h"

#include <cstdio>

#include "core/app_state.h"
#include "core/pack_texture.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "menus/side_panel.h"
#include "online/score_encoding.h"

namespace {

constexpr const char* kForms = "data\\Forms.dat";

enum Key : int { kEscape = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };
constexpr int kKeys[] = {kEscape, kEnter, kUp, kLeft, kRight, kDown};

enum Button : uint8_t { kClear = 1, kWorld = 2, kEasyTab = 3, kMediumTab = 4, kHardTab = 5 };

constexpr PanelButton kButtons[5] = {
    {"RecordsClear", 20, 21, 10, 6, 2.8, -9.0, 0.2, 6.7, -8.3, -10.1},
    {"RecordsShowWWW", 22, 23, 10, 6, 10.0, -9.0, 7.3, 14.1, -8.3, -10.1},
    {"RecordsEasy", 24, 25, 8, 4, 1.9, 4.0, 0.0, 4.5, 4.5, 3.4},
    {"RecordsMedium", 27, 28, 8, 4, 6.5, 4.0, 4.7, 9.2, 4.5, 3.4},
    {"RecordsHard", 30, 31, 8, 4, 11.1, 4.0, 9.4, 13.9, 4.5, 3.4},
};
constexpr int32_t kButtonPriority = 3;

struct ImageRow {
    uint16_t entry;
    int32_t priority;
    PanelImage place;
};
constexpr ImageRow kImages[4] = {
    {2, 2, {18, 16, 6.5, -0.7}},    // frame
    {25, 4, {8.4, 4.4, 1.9, 4.0}},  // Easy tab, active
    {28, 4, {8.4, 4.4, 6.5, 4.0}},  // Medium tab, active
    {31, 4, {8.4, 4.4, 11.1, 4.0}},  // Hard tab, active
};
constexpr size_t kFirstTab = 1;  // images[1 + table]

// The table's text: yellow, half a unit high, lines 0.96 apart from y = 1.7 down.
constexpr double kTextX = 2.7;
constexpr double kFirstLineY = 1.7;
constexpr double kLineSpacing = 0.96;
constexpr Vec2 kTextSize{0.5f, 0.5f};
constexpr float kLetterSpacing = 0.2f;

}  // namespace

TRecordsMenu::TRecordsMenu(Hooks hooks) : hooks_(std::move(hooks)) {}

void TRecordsMenu::Init() {
    selection = kClear;
    table = 0;
    slideOffset = 50;
    Build();
}

void TRecordsMenu::Build() {
    const double shift = SlideShift(slideOffset);
    for (size_t i = 0; i < images.size(); ++i) {
        const ImageRow& row = kImages[i];
        BuildPanelImage(images[i], LoadPackTexture(kForms, row.entry), row.priority, row.place);
        PlacePanelImage(images[i], row.place, shift);
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        BuildPanelButton(buttons[i], kForms, kButtons[i], kButtonPriority);
        PlacePanelButton(buttons[i], kButtons[i], shift);
    }
    ShowAll();
}

void TRecordsMenu::ShowAll() {
    for (TMeshFlatButton& button : buttons) button.Show();
    for (TMeshFlatImage& image : images) image.Show();
    hidden_ = false;
}

void TRecordsMenu::HideAll() {
    for (TMeshFlatButton& button : buttons) button.Hide();
    for (TMeshFlatImage& image : images) image.Hide();
    hidden_ = true;
}

void TRecordsMenu::Enter() {
    slideOffset = 0;
    selection = kWorld;
}

void TRecordsMenu::Update() {
    if (hidden_ && slideOffset < 50) ShowAll();
    StepPanelButtons(buttons, selection, slideOffset == 0);
    const double shift = SlideShift(slideOffset);
    for (size_t i = 0; i < images.size(); ++i) PlacePanelImage(images[i], kImages[i].place, shift);
    for (size_t i = 0; i < buttons.size(); ++i) PlacePanelButton(buttons[i], kButtons[i], shift);
    if (!hidden_) {
        for (size_t i = kFirstTab; i < images.size(); ++i) {
            if (i - kFirstTab == table) {
                images[i].Show();
            } else {
                images[i].Hide();
            }
        }
    }

    if (AppState != StateRecords) return;
    iPrintsHide();
    iPrintColorSet(1, 1, 0, 1);
    // `table` is public; anything past Hard reads as Hard rather than past the tables.
    const RecordTable& shown = Saved.records[table < kRecordTableCount ? table : kRecordTableCount - 1];
    for (int rank = 1; rank <= kRecordRankCount; ++rank) {
        const std::string line = RecordLine(shown[rank - 1]);
        const Vec2 at{static_cast<float>(kTextX + shift), static_cast<float>(kFirstLineY - kLineSpacing * (rank - 1))};
        iPrint(line.c_str(), at, kTextSize, kLetterSpacing, Shared.Fonts[0]);
    }
}

void TRecordsMenu::KeyStep() {
    for (int code : kKeys) {
        if (iKeyClick(code) == 0) continue;
        HandleKey(code);
        return;
    }
}

void TRecordsMenu::HandleKey(int code) {
    if (AppState != StateRecords) return;
    switch (code) {
        case kEscape:
            PlayClickSound();
            if (hooks_.openScreen) hooks_.openScreen(StateRecords);
            break;
        case kUp:
            PlayHoverSound();
            if (selection <= kWorld) selection = kEasyTab;
            break;
        case kDown:
            PlayHoverSound();
            if (selection > kWorld) selection = kWorld;
            break;
        case kLeft:
            PlayHoverSound();
            if (selection > kEasyTab) {
                --selection;
            } else if (selection == kWorld) {
                selection = kClear;
            }
            break;
        case kRight:
            PlayHoverSound();
            if (selection == kClear) {
                selection = kWorld;
            } else if (selection == kEasyTab || selection == kMediumTab) {
                ++selection;
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

void TRecordsMenu::Hover(double x, double y) { HoverPanelButtons(buttons, x, y, selection); }

void TRecordsMenu::Click(double x, double y) {
    ClickPanelButtons(buttons, x, y, selection, [this](uint8_t index) { Activate(index); });
}

void TRecordsMenu::Activate(uint8_t index) {
    switch (index) {
        case kClear:
            if (slideOffset == 0 && hooks_.openClearQuestion) hooks_.openClearQuestion();
            break;
        case kWorld:
            if (hooks_.showWorldScores) hooks_.showWorldScores();
            break;
        case kEasyTab:
        case kMediumTab:
        case kHardTab:
            table = index - kEasyTab;
            break;
        default:
            break;
    }
}

std::string TRecordsMenu::WorldScoresLink(const std::string& server, int table) {
    return server + std::string(online::WorldScoresPath) + std::to_string(table);
}

std::string TRecordsMenu::RecordLine(const RecordEntry& entry) {
    std::string name = entry.name.Text();
    for (char& c : name) {
        if (c < ' ' || c > '~') c = '?';
    }
    char line[32];  // 10 + 1 + at most 11 for an int32 + the terminator
    std::snprintf(line, sizeof line, "%10s %6d", name.c_str(), static_cast<int>(entry.score));
    return line;
}
