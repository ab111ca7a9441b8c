// The composition root: the screens and the race connected to the core.
#include "core/program_objects.h"

#include "core/app_config.h"
#include "core/app_state.h"
#include "core/hud_line.h"
#include "core/pointer_position.h"
#include "core/race_choices.h"
#include "core/random_source.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "core/window_cycle.h"
#include "online/score_server_address.h"
#include "platform/platform.h"

namespace {

void ApplyLiveDisplaySettings(AppConfig& config) {
    const Settings& s = Saved.settings;
    ApplyDisplaySettings(config, s.windowed, s.resolution, s.colorDepth, s.engineOption);
}

TRecordInputMenu::Hooks NameEntryHooks(const std::unique_ptr<TGame>& game, std::function<void()> showSendQuestion) {
    TRecordInputMenu::Hooks hooks;
    hooks.getScore = [&game] { return game ? game->GetScore() : 0; };
    hooks.currentDifficulty = [] { return CurrentDifficulty; };
    hooks.showSendResultQuestion = std::move(showSendQuestion);
    return hooks;
}

}  // namespace

ProgramObjects::ProgramObjects(ProgramOptions options)
    : options_(std::move(options)),
      initPhase_(timer_, loading_, cursor_, links_, screens_),
      pointer_(cursor_, screens_),
      dispatch_(timer_, cursor_, pointer_, links_, screens_),
      mainMenu_(screens_, MainMenuHooks()),
      exitMenu_(ExitMenuHooks()),
      recordsMenu_(RecordsMenuHooks()),
      helpMenu_({OpenScreenHook()}),
      startGameMenu_({OpenScreenHook()}),
      optionsMenu_({.openScreen = OpenScreenHook(), .playHoverSound = {}, .playClickSound = {}, .minimizeWindow = {}}),
      shipMenu_({OpenScreenHook()}),
      nameEntry_(NameEntryHooks(game_, [this] { exitGameMenu_.Open(); })),
      exitGameMenu_(ExitGameMenuHooks()),
      scoreServer_(options_.scoreServer ? *options_.scoreServer : DefaultScoreServerAddress()),
      sender_(scoreServer_, SendingOutcome()) {
    Connect();
    AddScreens();
    SetReturnToMenuLinks(&links_);
}

ProgramObjects::~ProgramObjects() { SetReturnToMenuLinks(nullptr); }

int ProgramObjects::Run() {
    SeedRandom(options_.seed ? *options_.seed : platform::TickCount());
    if (const auto snapshotState = Saved.LoadSavedFiles()) AppState = *snapshotState;

    const platform::Point desktop = platform::DesktopSize();
    AppConfig config = DefaultAppConfig(desktop.x, desktop.y, platform::CaptionHeight());
    ApplyLiveDisplaySettings(config);

    WindowCycle::Hooks hooks;
    hooks.initPhase = [this] { initPhase_.Run(); };
    hooks.runStep = [this] { RunStep(); };
    hooks.bossKey = [] { return static_cast<int>(Saved.settings.bossKey); };
    hooks.reloadDisplaySettings = ApplyLiveDisplaySettings;
    WindowCycle cycle(config, hooks);
    cycle.Run();

    platform::OpenWithDefaultHandler(platform::ResolvePath("play.url"));
    return 0;
}

void ProgramObjects::RunStep() {
    // What the score submission's thread handed over takes effect here, between two frames.
    sender_.RunHandedSteps();
    dispatch_.RunStep();
    StartChosenGame();
}

void ProgramObjects::StartChosenGame() {
    if (chosenGameStarted_ || !options_.newGame || !game_ || AppState != StateMainMenu) return;
    chosenGameStarted_ = true;
    CurrentDifficulty = options_.newGame->difficulty;
    SelectedCar = options_.newGame->car;
    StartGame();
}

void ProgramObjects::StartGame() {
    if (!game_) return;
    game_->NewGame();
    AppState = StateRace;
}

void ProgramObjects::Connect() {
    ConnectInitPhase();
    ConnectFrame();
    pointer_.SetMainMenuHandlers(
        [this](long double x, long double y) { mainMenu_.Hover(static_cast<double>(x), static_cast<double>(y)); },
        [this](long double x, long double y) { mainMenu_.Click(static_cast<double>(x), static_cast<double>(y)); });
}

void ProgramObjects::ConnectInitPhase() {
    links_.makeChaseCamera = [this] { MakeChaseCamera(); };
    links_.arrangeMainMenu = [this] {
        if (initPhase_.Done()) return;  // after a re-creation the update re-applies the stored places
        mainMenu_.ShowButtons();
        mainMenu_.ParkButtons();
    };
    links_.makeRace = [this] { MakeRace(); };
    links_.preloadRace = [](uint32_t ms) { TGame::PreloadModels(ms); };
    links_.loadShareScreen = [this] {
        shareScreen_ = std::make_unique<TShareScreen>();
        shareScreen_->Load();
    };
    links_.rebuildRace = [this] {
        if (game_ && game_->Built) game_->RebuildRace();
    };
    links_.restoreRaceScene = [this] {
        if (!game_) return;
        game_->UpdateRace();
        game_->ShowRaceScene();
    };
}

void ProgramObjects::ConnectFrame() {
    links_.updateRace = [this] {
        if (game_) game_->UpdateRace();
    };
    links_.drawHud = [this](uint8_t state) {
        if (game_) DrawHudLine(game_->Hud(), game_->BlinkPhase, state, Shared.Fonts[1]);
    };
    links_.menuInputBlocked = [this] { return MenuInputBlocked(); };
    links_.leavingStep = [this] { LeavingStep(); };
    links_.openRaceDialog = [this] { exitGameMenu_.Open(); };
    links_.showPauseSprite = [this](bool shown) {
        if (!game_) return;
        if (shown) {
            iSpriteShow(game_->PauseSprite);
        } else {
            iSpriteHide(game_->PauseSprite);
        }
    };
    links_.resetCarPhysics = [this] {
        if (game_) game_->ResetCarPhysics();
    };
    links_.trackNo = [this] { return game_ ? static_cast<int>(game_->TrackNo) : 0; };
    links_.forgetLoadedTracks = [this] {
        if (game_) game_->ForgetLoadedTracks();
    };
    links_.leaveRace = [this] { LeaveRace(); };
}

void ProgramObjects::MakeChaseCamera() {
    chaseCameras_.push_back(CameramanLookAtPointKeepDistanceFast_t::ForRace(Shared.MainCamera));
    if (game_) game_->SetChaseCamera(chaseCameras_.back().get());
}

void ProgramObjects::MakeRace() {
    TGame::Hooks hooks;
    hooks.openNameEntry = [this](int32_t score) { return nameEntry_.Qualify(score) ? nameEntry_.InsertRank() : 0; };
    hooks.hideResultScreens = [this] {
        exitGameMenu_.Close();
        nameEntry_.Hide();
    };
    game_ = std::make_unique<TGame>(loading_, cursor_, std::move(hooks));
    if (!chaseCameras_.empty()) game_->SetChaseCamera(chaseCameras_.back().get());
}

void ProgramObjects::LeaveRace() {
    if (game_) game_->HideRaceScene();
    nameEntry_.Hide();
    exitGameMenu_.Close();
    if (!game_) return;
    game_->ResetGame();
    game_->NoteReturnToMenu();
}

void ProgramObjects::LeavingStep() {
    if (!shareScreen_) {
        iExit();
        return;
    }
    if (!leavingShown_) {
        // The share screen is the whole picture: nothing of the menus stays in front of it.
        leavingShown_ = true;
        mainMenu_.HideButtons();
        mainMenu_.background.Hide();
    }
    const std::optional<MenuPoint> pointer = ReadMenuPointer();
    if (pointer) cursor_.PlaceAt(pointer->x, pointer->y);
    shareScreen_->Hover(pointer);
    shareScreen_->Update();
}
