// The composition root's screen rows: each screen's states, hooks and loading group, and
// the links between the main menu and the screens it conducts.
#include "core/program_objects.h"

#include "core/app_state.h"
#include "core/music.h"
#include "core/race_choices.h"
#include "core/saved_files.h"

namespace {

ScreenRow::PointerHook Pointer(const std::function<void(double, double)>& handler) {
    return [handler](long double x, long double y) { handler(static_cast<double>(x), static_cast<double>(y)); };
}

}  // namespace

TMainMenu::Hooks ProgramObjects::MainMenuHooks() {
    TMainMenu::Hooks hooks;
    hooks.exiting = [this] { return exitMenu_.exiting; };
    hooks.startRace = [] { return false; };
    hooks.startGame = [this] { StartGame(); };
    hooks.openExitQuestion = [this] { exitMenu_.Ask(StateExitConfirm); };
    return hooks;
}

TExitMenu::Hooks ProgramObjects::ExitMenuHooks() {
    TExitMenu::Hooks hooks;
    hooks.openScreen = [this](uint8_t target) { mainMenu_.OpenScreen(target); };
    hooks.slideOutColumn = [this] { mainMenu_.StartSlideOut(); };
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
    return exitMenu_.exiting || (InMenuStates(AppState) && mainMenu_.ButtonsMoving());
}

void ProgramObjects::AddScreens() {
    AddMainMenuAndExitQuestion();
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
