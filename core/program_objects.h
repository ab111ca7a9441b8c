// ProgramObjects: the program's composition root. It owns the core's objects, the
// screens and the race, gives every screen its row in the screen table, connects the
// race through GameLinks, and runs the window cycle.
#pragma once

#include <memory>
#include <vector>

#include "core/cursor_sprite.h"
#include "core/frame_dispatch.h"
#include "core/frame_timer.h"
#include "core/game_links.h"
#include "core/init_phase.h"
#include "core/loading_screen.h"
#include "core/pointer_dispatch.h"
#include "core/program_entry.h"
#include "core/screen_table.h"
#include "menus/exit_game_menu.h"
#include "menus/exit_menu.h"
#include "menus/help_menu.h"
#include "menus/main_menu.h"
#include "menus/opt_menu.h"
#include "menus/record_input_menu.h"
#include "menus/records_menu.h"
#include "menus/select_ship_menu.h"
#include "menus/start_game_menu.h"
#include "online/score_sender.h"
#include "online/share_screen.h"
#include "race/game.h"

// One per run. The core (init phase, dispatch, ReturnToMenu) reaches the race and the
// name entry only through the links filled here; the race reaches the name entry
// through its hooks. Everything lives until the run ends.
class ProgramObjects {
public:
    explicit ProgramObjects(ProgramOptions options);
    ~ProgramObjects();
    ProgramObjects(const ProgramObjects&) = delete;
    ProgramObjects& operator=(const ProgramObjects&) = delete;

    // The old RunProgram: seeds the random source, loads the saved files, runs the
    // window cycle, opens "play.url" at the end.
    int Run();

    // The race object, made by the first init phase; nullptr before.
    const TGame* Race() const { return game_.get(); }
    const TMainMenu& MainMenu() const { return mainMenu_; }

private:
    void Connect();
    void ConnectInitPhase();
    void ConnectFrame();
    void AddScreens();
    void AddMainMenuAndExitQuestion();
    void AddSubScreens();
    void AddNameEntry();
    void AddRaceDialog();
    TMainMenu::Hooks MainMenuHooks();
    std::function<void(uint8_t)> OpenScreenHook();
    TRecordsMenu::Hooks RecordsMenuHooks();
    TExitMenu::Hooks ExitMenuHooks();
    TExitGameMenu::Hooks ExitGameMenuHooks();
    ConnThrd::Outcome SendingOutcome();
    // Yes in 24 or 27: the difficulty, the typed name, the race score and lastCountry go out.
    ScoreSubmission Submission() const;
    // AppState 37: the pointer to the share screen, then its Update.
    void LeavingStep();
    bool MenuInputBlocked() const;
    // The race begins when the main menu's column is out: NewGame and AppState 4.
    void StartGame();
    void RunStep();
    // The --new-game start, once, in the first frame of the main menu.
    void StartChosenGame();
    void MakeChaseCamera();
    void MakeRace();
    void LeaveRace();

    ProgramOptions options_;
    FrameTimer timer_;
    LoadingScreen loading_;
    CursorSprite cursor_;
    GameLinks links_;
    ScreenTable screens_;
    InitPhase initPhase_;
    PointerDispatch pointer_;
    FrameDispatch dispatch_;
    std::unique_ptr<TGame> game_;
    TMainMenu mainMenu_;
    TExitMenu exitMenu_;
    TRecordsMenu recordsMenu_;
    THelpMenu helpMenu_;
    TStartGameMenu startGameMenu_;
    TOptMenu optionsMenu_;
    TSelectShipMenu shipMenu_;
    TRecordInputMenu nameEntry_;
    TExitGameMenu exitGameMenu_;
    // Made anew by every init phase (its engine objects go with the engine).
    std::unique_ptr<TShareScreen> shareScreen_;
    // Each engine opening makes a new chase camera; the old ones (their engine objects
    // gone with the engine) are kept, never destroyed while the program runs.
    std::vector<std::unique_ptr<CameramanLookAtPointKeepDistanceFast_t>> chaseCameras_;
    bool chosenGameStarted_ = false;
    bool leavingShown_ = false;  // the menus were put away under the share screen
    std::string scoreServer_;  // the world high-score server's base address
    // Last: destroyed first, so a running submission ends before what its steps touch.
    ScoreSender sender_;
};
