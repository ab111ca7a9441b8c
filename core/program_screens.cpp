// The composition root's screen rows: each screen's states, hooks and loading group, and
// the links between the main menu and the screens it conducts.
#include "core/program_objects.h"

#include "core/app_state.h"
#include "menus/site_links.h"
#include "core/music.h"
#include "core/race_choices.h"
#include "core/saved_files.h"

namespace {

ScreenRow::PointerHook Pointer(const std::function<void(double, double)>& handler) {
    return [handler](long double x, long double y) { handler(static_cast<double>(x), static_cast<double>(y)); };
}

// A screen the main menu slides in beside its column: its keys and pointer in `states`,
// its update in every menu state, made anew (and hidden until it slides in) after the
// display is re-created.
template <typename Screen>
ScreenRow SubScreenRow(const char* name, StateSet states, LoadingGroup group, Screen& screen) {
    ScreenRow row;
    row.name = name;
    row.states = states;
    row.updateStates = MenuStates;
    row.group = group;
    row.init = [&screen] { screen.Init(); };
    row.rebuild = [&screen] {
        screen.Build();
        screen.HideAll();
    };
    row.keys = [&screen] { screen.KeyStep(); };
    row.update = [&screen] { screen.Update(); };
    row.hover = Pointer([&screen](double x, double y) { screen.Hover(x, y); });
    row.click = Pointer([&screen](double x, double y) { screen.Click(x, y); });
    row.slide = [&screen](long double offset) { screen.slideOffset = offset; };
    row.enter = [&screen] { screen.Enter(); };
    return row;
}

}  // namespace

std::function<void(uint8_t)> ProgramObjects::OpenScreenHook() {
    return [this](uint8_t target) { mainMenu_.OpenScreen(target); };
}

TRecordsMenu::Hooks ProgramObjects::RecordsMenuHooks() {
    TRecordsMenu::Hooks hooks;
    hooks.openScreen = OpenScreenHook();
    hooks.openClearQuestion = [this] { exitMenu_.Ask(StateClearRecordsConfirm); };
    hooks.showWorldScores = [this] { OpenLink(TRecordsMenu::WorldScoresLink(scoreServer_, recordsMenu_.table)); };
    return hooks;
}

TMainMenu::Hooks ProgramObjects::MainMenuHooks() {
    TMainMenu::Hooks hooks;
    hooks.exiting = [this] { return exitMenu_.exiting; };
    hooks.startRace = [this] { return startGameMenu_.startRace; };
    hooks.startGame = [this] {
        StartGame();
        startGameMenu_.startRace = false;
    };
    hooks.openExitQuestion = [this] { exitMenu_.Ask(StateExitConfirm); };
    return hooks;
}

TExitMenu::Hooks ProgramObjects::ExitMenuHooks() {
    TExitMenu::Hooks hooks;
    hooks.openScreen = OpenScreenHook();
    hooks.slideOutColumn = [this] { mainMenu_.StartSlideOut(); };
    hooks.showRecords = [this] { recordsMenu_.ShowAll(); };
    return hooks;
}

TExitGameMenu::Hooks ProgramObjects::ExitGameMenuHooks() {
    TExitGameMenu::Hooks hooks;
    hooks.stopRaceSounds = [this] {
        if (game_) game_->StopRaceSounds();
    };
    hooks.resetCarPhysics = [this] {
        if (game_) game_->ResetCarPhysics();
    };
    hooks.playGameMusic = [this] { PlayMusic("2", game_ ? game_->TrackNo : 0); };
    hooks.hideGameOverSprite = [this] {
        if (game_) iSpriteHide(game_->GameOverSprite);
    };
    hooks.openNameEntry = [this] { return game_ && nameEntry_.Qualify(game_->GetScore()); };
    hooks.leaveRace = [this] {
        if (!game_) return;
        game_->ResetGame();
        game_->HideRaceScene();
        game_->NoteReturnToMenu();
    };
    hooks.sendResult = [this] { sender_.Start(Submission()); };
    hooks.openScreen = [this](uint8_t target) { mainMenu_.OpenScreen(target); };
    return hooks;
}

ConnThrd::Outcome ProgramObjects::SendingOutcome() {
    ConnThrd::Outcome outcome;
    outcome.failed = [] { AppState = StateSendFailed; };
    // Sent: the main menu with the panel closed, and on to the high-score tables.
    outcome.done = [this] {
        exitGameMenu_.Close();
        ReturnToMenu();
        mainMenu_.OpenScreen(StateRecords);
    };
    return outcome;
}

ScoreSubmission ProgramObjects::Submission() const {
    ScoreSubmission submission;
    submission.difficulty = CurrentDifficulty;
    submission.name = nameEntry_.nameText;
    submission.score = game_ ? game_->GetScore() : 0;
    submission.country = Saved.settings.lastCountry.Text();
    return submission;
}

bool ProgramObjects::MenuInputBlocked() const {
    return exitMenu_.exiting || startGameMenu_.startRace || (InMenuStates(AppState) && mainMenu_.ButtonsMoving());
}

void ProgramObjects::AddScreens() {
    AddMainMenuAndExitQuestion();
    AddSubScreens();
    AddNameEntry();
    AddRaceDialog();
}

void ProgramObjects::AddMainMenuAndExitQuestion() {
    ScreenRow main;
    main.name = "main menu";
    main.states = {StateMainMenu};
    main.updateStates = MenuStates;
    main.group = LoadingGroup::MainMenu;
    main.init = [this] { mainMenu_.Init(); };
    main.rebuild = [this] {
        mainMenu_.Build();
        mainMenu_.ShowButtons();
    };
    main.keys = [this] { mainMenu_.KeyStep(); };
    main.update = [this] { mainMenu_.Update(); };
    screens_.Add(std::move(main));

    ScreenRow exit;
    exit.name = "exit question";
    exit.states = {StateExitConfirm, StateClearRecordsConfirm};
    exit.updateStates = exit.states;
    exit.group = LoadingGroup::MainMenu;
    exit.init = [this] { exitMenu_.Init(); };
    exit.rebuild = [this] { exitMenu_.Rebuild(); };
    exit.keys = [this] { exitMenu_.KeyStep(); };
    exit.update = [this] { exitMenu_.Update(); };
    exit.hover = Pointer([this](double x, double y) { exitMenu_.Hover(x, y); });
    exit.click = Pointer([this](double x, double y) { exitMenu_.Click(x, y); });
    screens_.Add(std::move(exit));
}

void ProgramObjects::AddSubScreens() {
    // In the order of their updates: high scores, help, difficulty, options, car choice.
    screens_.Add(SubScreenRow("high scores", {StateRecords}, LoadingGroup::SideScreens, recordsMenu_));
    screens_.Add(SubScreenRow("help", {StateHelp}, LoadingGroup::SideScreens, helpMenu_));
    screens_.Add(SubScreenRow("difficulty", {StateDifficulty}, LoadingGroup::ChoiceScreens, startGameMenu_));
    ScreenRow options = SubScreenRow("options", OptionStates, LoadingGroup::SideScreens, optionsMenu_);
    // While the boss key or the boost key is awaited the pointer is left alone; while a
    // driving key is awaited another row may still be clicked.
    const auto takesPointer = [] { return AppState != StateBindBossKey && AppState != StateBindBoost; };
    options.hover = [this, takesPointer](long double x, long double y) {
        if (takesPointer()) optionsMenu_.Hover(static_cast<double>(x), static_cast<double>(y));
    };
    options.click = [this, takesPointer](long double x, long double y) {
        if (takesPointer()) optionsMenu_.Click(static_cast<double>(x), static_cast<double>(y));
    };
    screens_.Add(std::move(options));
    screens_.Add(SubScreenRow("car choice", {StateCarChoice}, LoadingGroup::ChoiceScreens, shipMenu_));
}

void ProgramObjects::AddNameEntry() {
    ScreenRow row;
    row.name = "name entry";
    row.states = NameEntryStates;
    row.updateStates = NameEntryStates;
    row.group = LoadingGroup::SideScreens;
    row.init = [this] { nameEntry_.Init(); };
    row.rebuild = [this] {
        nameEntry_.Build();
        if (InNameEntryStates(AppState)) nameEntry_.Show();
    };
    row.keys = [this] { nameEntry_.KeyStep(); };
    row.update = [this] { nameEntry_.Update(); };
    row.hover = Pointer([this](double x, double y) { nameEntry_.Hover(x, y); });
    row.click = Pointer([this](double x, double y) { nameEntry_.Click(x, y); });
    screens_.Add(std::move(row));
}

void ProgramObjects::AddRaceDialog() {
    ScreenRow row;
    row.name = "in-race dialog";
    row.states = {StateRaceExitConfirm, StateSendResultAsk, StateSendFailed};  // 26 takes no input
    row.updateStates = RaceDialogStates;
    row.updatesAfterRace = true;
    row.group = LoadingGroup::ChoiceScreens;
    row.init = [this] { exitGameMenu_.Init(); };
    row.rebuild = [this] { exitGameMenu_.Rebuild(); };
    row.keys = [this] { exitGameMenu_.KeyStep(); };
    row.update = [this] { exitGameMenu_.Update(); };
    row.hover = Pointer([this](double x, double y) { exitGameMenu_.Hover(x, y); });
    row.click = Pointer([this](double x, double y) { exitGameMenu_.Click(x, y); });
    screens_.Add(std::move(row));
}
