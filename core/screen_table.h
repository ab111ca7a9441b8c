// The screens' one home: a row per screen with the AppStates it answers and its plain hooks,
// filled by the composition root and walked by the init phase and the per-frame and pointer
// dispatch. Adding a screen means its own files plus one row (see menus/README.md).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/app_state.h"

// The loading step of the first init phase that makes a screen (and of a later one that rebuilds it).
enum class LoadingGroup : uint8_t {
    MainMenu,       // main menu and exit question
    SideScreens,    // high scores, help, options, name entry
    ChoiceScreens,  // car and difficulty choice, in-race dialog
};

struct ScreenRow {
    using PointerHook = std::function<void(long double x, long double y)>;

    std::string name;         // for messages and tests
    StateSet states;          // the AppStates whose keys, hover and click go to this screen
    StateSet updateStates;    // the AppStates in which `update` runs, once per frame
    LoadingGroup group = LoadingGroup::SideScreens;
    // The update runs after the race's frame update instead of before it (the in-race dialog).
    bool updatesAfterRace = false;

    std::function<void()> init;     // first init phase: the screen's Init
    std::function<void()> rebuild;  // a later init phase: new engine objects, the current picture restored
    std::function<void()> keys;     // the keyboard step while AppState is in `states`
    std::function<void()> update;   // each frame while AppState is in `updateStates`
    PointerHook hover;              // the pointer moved (menu units), in `states`
    PointerHook click;              // the left button was clicked (menu units), in `states`

    // For the sub-screens the main menu slides in and out: the transition's offset, 0 at
    // rest, 50 fully away; and the arrival once the slide-in ends.
    std::function<void(long double offset)> slide;
    std::function<void()> enter;
};

class ScreenTable {
public:
    // Rows are walked in the order they were added, which is the order of their updates.
    // A state may belong to one row's `states` only; a second claim throws std::logic_error.
    void Add(ScreenRow row);

    // The row whose `states` hold `state`, or nullptr.
    const ScreenRow* For(uint8_t state) const;

    // Every row of the group, in order: `init` in the first init phase, `rebuild` in later ones.
    void Init(LoadingGroup group) const;
    void Rebuild(LoadingGroup group) const;
    // Every row whose `updateStates` hold `state` (read once by the caller for the whole walk):
    // Update those that run before the race's frame update, UpdateAfterRace the others.
    void Update(uint8_t state) const;
    void UpdateAfterRace(uint8_t state) const;

    // The row's hooks for the current state; a missing row or hook does nothing.
    void Keys(uint8_t state) const;
    void Hover(uint8_t state, long double x, long double y) const;
    void Click(uint8_t state, long double x, long double y) const;

    size_t Size() const { return rows_.size(); }

private:
    std::vector<ScreenRow> rows_;
    std::vector<int16_t> byState_ = std::vector<int16_t>(256, -1);  // row index per state
};
