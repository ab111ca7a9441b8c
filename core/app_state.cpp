// The state byte and its sets.
#include "core/app_state.h"

std::atomic<uint8_t> AppState{0};

const StateSet OptionStates{StateOptions,  StateBindBossKey,    StateBindLeft, StateBindRight,
                            StateBindAccelerate, StateBindBrake, StateBindBoost};
const StateSet MenuStates{StateDifficulty,     StateMainMenu,  StateOptions,   StateHelp,
                          StateBindBossKey,    StateExitConfirm, StateRecords, StateClearRecordsConfirm,
                          StateBindLeft,       StateBindRight, StateBindAccelerate, StateBindBrake,
                          StateBindBoost,      StateCarChoice};
const StateSet RaceSceneStates{StateRace,          StatePause,          StateRaceExitConfirm, StateNameEntry,
                               StateNameEntryName, StateNameEntryCountry, StateSendResultAsk, StateSendFailed};
const StateSet NameEntryStates{StateNameEntry, StateNameEntryName, StateNameEntryCountry};
const StateSet HudStates{StateRace, StatePause, StateRaceExitConfirm};
const StateSet RaceDialogStates{StateRaceExitConfirm, StateSendResultAsk, StateSending, StateSendFailed};
