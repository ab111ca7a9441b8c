// Start-up loading and the rebuild after a suspend.
#include "core/init_phase.h"

#include "core/app_state.h"
#include "core/music.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "platform/platform.h"

namespace {
constexpr const char* kFontFile = "data\\_fontg\\Palatino Linotype.wid";
// The last two progress pictures stay on screen at least this long each.
constexpr uint32_t kLoadingPauseMs = 500;
}  // namespace

SharedObjects Shared;

namespace {
template <typename Hook>
void Call(const Hook& hook) {
    if (hook) hook();
}
}  // namespace

InitPhase::InitPhase(FrameTimer& timer, LoadingScreen& loading, CursorSprite& cursor, const GameLinks& links,
                     const ScreenTable& screens)
    : timer_(timer), loading_(loading), cursor_(cursor), links_(links), screens_(screens) {}

void InitPhase::Run() {
    CommonSteps();
    if (initDone_) {
        AfterSuspend();
    } else {
        FirstTime();
    }
}

void InitPhase::CommonSteps() {
    platform::RemoveCloseCommand(platform::FindWindow("Pebbledash"));
    iBoundingSphereCollisionCheckSet(-1);
    timer_.Start();
}

void InitPhase::MakeCameraAndSky() {
    iEscEnable(0);
    Shared.MainCamera = iCameraCreate(0, 0, 1.0f, 1.0f);
    iCameraEulerOrientationSet(Shared.MainCamera, 0, 0, 0, "xyz");
    iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
    iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
    iListenerCameraSet(Shared.MainCamera);
    Shared.SkyBox = iSkyBoxCreate("data\\skybox01.sky");
    iSkyBoxShow(Shared.SkyBox);
    Call(links_.makeChaseCamera);
}

void InitPhase::MakeFonts() {
    // Glyphs are scaled freely, so the font alone gets a mip chain.
    iTextureMipLevelsSet(0);
    Shared.Fonts[0] = iFontCreate(kFontFile, Shared.MainCamera);
    Shared.Fonts[1] = iFontCreate(kFontFile, Shared.MainCamera);
    iTextureMipLevelsSet(1);
}

void InitPhase::MakeSoundsAndMusic() {
    Shared.HoverSound = iSoundCreate("sound\\14.WAV", 0);
    Shared.ClickSound = iSoundCreate("sound\\15.wav", 0);
    static constexpr const char* kMusicFiles[] = {"sound\\musmenu.ogg", "sound\\musgame1.ogg",
                                                  "sound\\musgame2.ogg", "sound\\musgame3.ogg"};
    for (size_t i = 0; i < Shared.MusicTracks.size(); ++i) {
        Shared.MusicTracks[i] = iSoundOggCreate(kMusicFiles[i], 0, 0);
    }
}

// The progress picture stays for the pause; the race's models are read meanwhile, so the
// pause costs no more than it did and the first race starts sooner.
void InitPhase::LoadingPause() {
    const uint32_t start = platform::TickCount();
    if (links_.preloadRace) links_.preloadRace(kLoadingPauseMs);
    const uint32_t spentMs = platform::TickCount() - start;
    if (spentMs < kLoadingPauseMs) platform::Sleep(kLoadingPauseMs - spentMs);
}

void InitPhase::FirstTime() {
    MakeCameraAndSky();
    loading_.Build(Shared.MainCamera);

    iTextureMipLevelsSet(1);
    Call(links_.loadShareScreen);
    loading_.Advance();  // 2: the share screen's resources

    MakeFonts();
    loading_.Advance();  // 3

    screens_.Init(LoadingGroup::MainMenu);
    loading_.Advance();  // 4: main menu and exit question
    screens_.Init(LoadingGroup::SideScreens);
    loading_.Advance();  // 5: high scores, help, options, name entry
    screens_.Init(LoadingGroup::ChoiceScreens);
    loading_.Advance();  // 6: car and difficulty choice, in-race dialog
    MakeSoundsAndMusic();
    loading_.Advance();  // 7
    loading_.Advance();  // 8

    cursor_.Build(Shared.MainCamera);
    iLightDirectionalSet(&kLightDirection, kLightColor.data());
    iMouseResolutionSet(800);

    cursor_.Show();
    AppState = StateMainMenu;
    Call(links_.arrangeMainMenu);
    loading_.Advance();  // 9
    LoadingPause();

    Call(links_.makeRace);
    loading_.Advance();  // 10: the race object
    LoadingPause();

    initDone_ = true;
    loading_.Finish();
    PlayMusic("1");
}

void InitPhase::AfterSuspend() {
    MakeCameraAndSky();
    loading_.Build(Shared.MainCamera);

    iTextureMipLevelsSet(1);
    Call(links_.loadShareScreen);
    loading_.Advance();  // the share screen again

    MakeFonts();
    loading_.Advance();

    screens_.Rebuild(LoadingGroup::MainMenu);
    loading_.Advance();  // main menu and exit question rebuilt
    screens_.Rebuild(LoadingGroup::SideScreens);
    loading_.Advance();  // side screens rebuilt
    screens_.Rebuild(LoadingGroup::ChoiceScreens);
    loading_.Advance();  // choice screens and dialog rebuilt
    MakeSoundsAndMusic();
    loading_.Advance();
    loading_.Advance();

    cursor_.Build(Shared.MainCamera);
    iLightDirectionalSet(&kLightDirection, kLightColor.data());
    iMouseResolutionSet(800);
    Call(links_.arrangeMainMenu);
    loading_.Advance();
    LoadingPause();

    Call(links_.rebuildRace);
    loading_.Advance();  // the race, when built
    LoadingPause();

    initDone_ = true;
    loading_.Finish();

    if (InRaceSceneStates(AppState)) {
        iCameraLocationSet(Shared.MainCamera, {0, 100, 0});
        iCameraLookAt(Shared.MainCamera, {0, 0, -600}, 1.0f);
        Call(links_.restoreRaceScene);
        PlayMusic("2", links_.trackNo ? links_.trackNo() : 0);
    } else {
        PlayMusic("1");
    }
    if (AppState == StateRace || AppState == StatePause) {
        cursor_.Hide();
    } else {
        cursor_.Show();
    }
}
