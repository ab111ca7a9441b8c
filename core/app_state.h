// The current screen or phase of the game, its values and the sets the dispatch tests against.
#pragma once

#include <atomic>
#include <bitset>
#include <cstdint>
#include <initializer_list>

// Written by the main thread and by the score-submission thread; read anew at every step.
extern std::atomic<uint8_t> AppState;

enum AppStateValue : uint8_t {
    StateDifficulty = 2,
    StateRace = 4,
    StateMainMenu = 5,
    StateOptions = 6,
    StateHelp = 8,
    StateBindBossKey = 10,
    StateExitConfirm = 11,
    StateRecords = 12,
    StateClearRecordsConfirm = 13,
    StatePause = 14,
    StateRaceExitConfirm = 16,
    StateNameEntry = 19,
    StateNameEntryName = 20,
    StateNameEntryCountry = 21,
    StateSendResultAsk = 24,
    StateSending = 26,
    StateSendFailed = 27,
    StateBindLeft = 28,
    StateBindRight = 29,
    StateBindAccelerate = 32,
    StateBindBrake = 33,
    StateBindBoost = 34,
    StateCarChoice = 36,
    StateLeaving = 37,
};

// A set of AppState values.
class StateSet {
public:
    StateSet() = default;
    StateSet(std::initializer_list<AppStateValue> states) {
        for (const AppStateValue state : states) bits_.set(state);
    }
    bool Has(uint8_t state) const { return bits_.test(state); }

private:
    std::bitset<256> bits_;
};

// The main menu and every screen that lives beside it.
extern const StateSet MenuStates;
// The options screen and its key-capture states.
extern const StateSet OptionStates;
// States with the race scene on screen behind them.
extern const StateSet RaceSceneStates;
extern const StateSet NameEntryStates;
// States in which the race's text line is drawn.
extern const StateSet HudStates;
extern const StateSet RaceDialogStates;

inline bool InMenuStates(uint8_t state) { return MenuStates.Has(state); }
inline bool InOptionStates(uint8_t state) { return OptionStates.Has(state); }
inline bool InRaceSceneStates(uint8_t state) { return RaceSceneStates.Has(state); }
inline bool InNameEntryStates(uint8_t state) { return NameEntryStates.Has(state); }
inline bool InHudStates(uint8_t state) { return HudStates.Has(state); }
inline bool InRaceDialogStates(uint8_t state) { return RaceDialogStates.Has(state); }
