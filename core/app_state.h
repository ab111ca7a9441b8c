// The current screen or phase of the game, its values and the sets the dispatch tests against.
#pragma once

#include <atomic>
#include <cstdint>

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

// The main menu and every screen that lives beside it.
bool InMenuStates(uint8_t state);
// The options screen and its key-capture states.
bool InOptionStates(uint8_t state);
// States with the race scene on screen behind them.
bool InRaceSceneStates(uint8_t state);
bool InNameEntryStates(uint8_t state);
// States in which the race's text line is drawn.
bool InHudStates(uint8_t state);
bool InRaceDialogStates(uint8_t state);
