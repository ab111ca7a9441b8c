// The options screen's sharp edges: slider truncation, the capture sets, resolution steps,
// keyboard volume steps, Apply's restart rule, Defaults, and the bytes each save leaves.
#include "menus/opt_menu.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/loop_flags.h"
#include "core/saved_files.h"
#include "menus/opt_menu_layout.h"
#include "tests/core/temp_program_folder.h"

namespace {

using option_rules::DrivingKey;
using option_rules::Modifiers;

enum : int { kEsc = 1, kDigit1 = 2, kDigit0 = 11, kW = 17, kEnter = 28, kLeftCtrl = 29, kA = 30,
             kSpace = 57, kF1 = 59, kF5 = 63, kF10 = 68, kCode69 = 69, kF12 = 88,
             kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

class OptMenuTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    int clicks = 0;
    int minimised = 0;
    std::vector<uint8_t> opened;
    TOptMenu menu{TOptMenu::Hooks{[this](uint8_t target) { opened.push_back(target); }, [] {},
                                  [this] { ++clicks; }, [this] { ++minimised; }}};

    void SetUp() override {
        Saved.settings = Settings{};
        Saved.pendingSettings = Settings{};
        Loop = LoopFlags{};
        AppState = StateOptions;
        menu.Init();
        menu.Enter();
        menu.Update();  // at rest: the video page's items take the pointer
    }

    std::vector<uint8_t> File() const { return folder.Read("data/settings.dat"); }
    static uint16_t Word(const std::vector<uint8_t>& bytes, size_t at) { return uint16_t(bytes[at] | bytes[at + 1] << 8); }
    void Key(int code, Modifiers held = {}) { menu.HandleKey(code, held); }
    void OpenPage(int page) {
        menu.Click(opt_menu_layout::kItems[page].x, opt_menu_layout::kItems[page].y);
        menu.Update();
    }
};

TEST(OptionRules, SliderCutsTheFractionAndIsFullBeforeTheKnobsEnd) {
    EXPECT_EQ(option_rules::Slider(4.8), 0);
    EXPECT_EQ(option_rules::Slider(4.9), 1) << "1.04 is cut to 1";
    EXPECT_EQ(option_rules::Slider(9.6), 50);
    EXPECT_EQ(option_rules::Slider(14.39), 99);
    EXPECT_EQ(option_rules::Slider(14.4), 100);
    EXPECT_EQ(option_rules::Slider(-16), 0);
    EXPECT_DOUBLE_EQ(opt_menu_layout::KnobX(100), 13.7) << "the knob stops short of where 100 is reached";
    EXPECT_DOUBLE_EQ(opt_menu_layout::KnobX(0), 4.5);
}

TEST(OptionRules, CaptureSets) {
    Settings live;  // left 203, right 205, accelerate 200, brake 208, boss 88
    live.bossKey = kA;
    for (int taken : {208, 203, 205, int(kA)}) {
        EXPECT_FALSE(option_rules::AcceptsDrivingKey(taken, DrivingKey::Accelerate, live)) << taken;
    }
    EXPECT_TRUE(option_rules::AcceptsDrivingKey(kUp, DrivingKey::Accelerate, live)) << "its own key again";
    EXPECT_TRUE(option_rules::AcceptsDrivingKey(kW, DrivingKey::Accelerate, live));
    EXPECT_TRUE(option_rules::AcceptsDrivingKey(kSpace, DrivingKey::Brake, live)) << "the boost key is not compared";
    for (int digit = kDigit1; digit <= kDigit0; ++digit) {
        EXPECT_FALSE(option_rules::AcceptsDrivingKey(digit, DrivingKey::Left, live)) << digit;
        EXPECT_FALSE(option_rules::AcceptsBoostKey(digit)) << digit;
    }
    EXPECT_FALSE(option_rules::AcceptsDrivingKey(kLeftCtrl, DrivingKey::Left, live));

    live.keyAccelerate = kW;
    EXPECT_TRUE(option_rules::AcceptsBoostKey(kW)) << "boost may share the accelerate key";
    EXPECT_TRUE(option_rules::AcceptsBoostKey(kLeftCtrl));
    EXPECT_FALSE(option_rules::AcceptsBoostKey(kUp));
    EXPECT_FALSE(option_rules::AcceptsBoostKey(kEnter));

    for (int f = kF1; f <= kF10; ++f) EXPECT_TRUE(option_rules::AcceptsBossKey(f, live)) << f;
    EXPECT_TRUE(option_rules::AcceptsBossKey(kCode69, live));
    EXPECT_TRUE(option_rules::AcceptsBossKey(kF12, live));
    EXPECT_TRUE(option_rules::AcceptsBossKey(kDigit1, live));
    EXPECT_FALSE(option_rules::AcceptsBossKey(kW, live)) << "bound to accelerate";
    EXPECT_FALSE(option_rules::AcceptsBossKey(kLeftCtrl, live));
    EXPECT_FALSE(option_rules::AcceptsBossKey(kEnter, live));
}

TEST_F(OptMenuTest, RefusedDrivingKeyKeepsWaitingAndAnAcceptedOneIsSaved) {
    AppState = StateBindAccelerate;
    Key(kDown);  // the brake key
    EXPECT_EQ(AppState, StateBindAccelerate);
    EXPECT_EQ(clicks, 1) << "a refused key still clicks";
    EXPECT_FALSE(folder.Exists("data/settings.dat"));
    Key(kW);
    EXPECT_EQ(AppState, StateOptions);
    const auto bytes = File();
    ASSERT_EQ(bytes.size(), Settings::kFileSize);
    EXPECT_EQ(Word(bytes, 36), kW);
    EXPECT_EQ(Saved.pendingSettings.keyAccelerate, kW) << "SaveLive copies live into the edit copy";

    AppState = StateBindBoost;
    Key(kW);
    EXPECT_EQ(AppState, StateOptions);
    EXPECT_EQ(Word(File(), 44), kW);

    AppState = StateBindLeft;
    Key(kEnter);
    EXPECT_EQ(AppState, StateOptions) << "Enter cancels";
    EXPECT_EQ(Saved.settings.keyLeft, kLeft);
}

TEST_F(OptMenuTest, BossKeyCaptureTakesModifiersAndApplies) {
    AppState = StateBindBossKey;
    Key(kLeftCtrl, Modifiers{false, false, true});
    EXPECT_EQ(AppState, StateBindBossKey) << "a modifier alone is not a boss key";
    Key(kF5, Modifiers{false, true, true});
    EXPECT_EQ(AppState, StateOptions);
    const auto bytes = File();
    EXPECT_EQ(bytes[27], kF5);
    EXPECT_EQ(bytes[28], 0);  // shift
    EXPECT_EQ(bytes[29], 1);  // alt
    EXPECT_EQ(bytes[30], 1);  // ctrl
    EXPECT_EQ(Saved.settings.bossKey, kF5);
    EXPECT_EQ(menu.KeyLine(17, {}), "CTRL+ALT+F5");

    menu.selection = 17;
    AppState = StateBindBossKey;
    EXPECT_EQ(menu.KeyLine(17, Modifiers{true, false, false}), "SHIFT+?");
    Key(kUp);
    EXPECT_EQ(AppState, StateOptions);
    EXPECT_EQ(menu.selection, 16);
}

TEST_F(OptMenuTest, ResolutionStepsByPointerHalfAndWraps) {
    Saved.pendingSettings.resolution = 0;
    const double row = opt_menu_layout::kItems[4].y;
    std::vector<std::string> shown;
    for (int i = 0; i < 3; ++i) {
        menu.Click(12.4, row);
        shown.push_back(menu.ResolutionLine());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"800x600", "1024x768", "640x480"}));
    EXPECT_TRUE(menu.resolutionArrowRight);
    menu.Click(12.39, row);
    EXPECT_EQ(menu.ResolutionLine(), "1024x768") << "the left half steps back past 0";
    EXPECT_FALSE(menu.resolutionArrowRight);

    menu.PointerMoved(13.0, row, false);
    EXPECT_TRUE(menu.resolutionArrowRight) << "hovering lights the arrow";
    menu.PointerMoved(2.0, opt_menu_layout::kItems[5].y, false);
    EXPECT_FALSE(menu.depthArrowRight);
    EXPECT_EQ(menu.selection, 6);
    EXPECT_EQ(Saved.settings.resolution, 1) << "only the edit copy changes before Apply";
}

TEST_F(OptMenuTest, KeyboardVolumeStepsAtMostOncePer100Ms) {
    OpenPage(1);
    menu.selection = 10;
    menu.StepVolumeKeys(false, true, 1000);
    EXPECT_EQ(Saved.settings.musicVolume, 54);
    menu.StepVolumeKeys(false, true, 1100);
    EXPECT_EQ(Saved.settings.musicVolume, 54) << "exactly 100 ms is not more than 100 ms";
    menu.StepVolumeKeys(false, true, 1101);
    EXPECT_EQ(Saved.settings.musicVolume, 58);
    EXPECT_EQ(File()[12], 58);
    menu.selection = 11;
    menu.StepVolumeKeys(true, false, 1102);
    EXPECT_EQ(Saved.settings.soundVolume, 46) << "each slider keeps its own tick";
    EXPECT_EQ(File()[8], 46);
    Saved.settings.musicVolume = 98;
    menu.selection = 10;
    menu.StepVolumeKeys(false, true, 5000);
    EXPECT_EQ(Saved.settings.musicVolume, 100);
}

TEST_F(OptMenuTest, DraggingMovesTheVolumeAndSavesWhenTheButtonIsUp) {
    OpenPage(1);
    const double y = opt_menu_layout::kItems[9].y;
    menu.Click(9.6, y);
    EXPECT_EQ(Saved.settings.musicVolume, 50);
    EXPECT_TRUE(menu.draggingMusic);
    menu.PointerMoved(14.0, y, true);
    EXPECT_EQ(Saved.settings.musicVolume, 95);
    EXPECT_FALSE(folder.Exists("data/settings.dat")) << "nothing is saved while dragging";
    menu.PointerMoved(15.0, y, false);
    EXPECT_FALSE(menu.draggingMusic);
    EXPECT_EQ(Saved.settings.musicVolume, 95) << "the move that ends the drag does not slide";
    EXPECT_EQ(File()[12], 95);
}

TEST_F(OptMenuTest, ApplyRestartsOnlyForDisplayChanges) {
    Saved.pendingSettings.resolution = 2;  // windowed: the resolution waits for full screen
    menu.Apply();
    EXPECT_FALSE(menu.restartNeeded);
    EXPECT_EQ(Saved.settings.resolution, 2);
    EXPECT_EQ(Loop.SuspendRequested, 0);
    EXPECT_EQ(File()[3], 2);

    Saved.pendingSettings.windowed = 0;
    menu.Apply();
    EXPECT_TRUE(menu.restartNeeded);
    EXPECT_EQ(Loop.SuspendRequested, -1);
    EXPECT_TRUE(Loop.DisplayChanged) << "re-created at once, not after a wait for the user";
    EXPECT_EQ(minimised, 1);
    EXPECT_EQ(File()[0], 0);

    Loop = LoopFlags{};
    Saved.pendingSettings.colorDepth = 1;  // in full screen the depth counts
    menu.Apply();
    EXPECT_TRUE(menu.restartNeeded);
    Loop = LoopFlags{};
    Saved.pendingSettings.shadows = 1;
    Saved.settings.soundVolume = 7;  // a live-only change the edit copy has not seen
    Saved.settings.lastCountry.Assign("Ruritania");
    menu.Apply();
    EXPECT_TRUE(menu.restartNeeded);
    EXPECT_EQ(Saved.settings.soundVolume, 7);
    EXPECT_EQ(Saved.settings.lastCountry.Text(), "Ruritania");
    const auto bytes = File();
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[8], 7);
    EXPECT_EQ(bytes[16], 9);
}

TEST_F(OptMenuTest, DefaultsShowOnlyAfterApply) {
    AppState = StateBindLeft;
    Key(kA);
    ASSERT_EQ(menu.KeyLine(14, {}), "A");
    Saved.settings.musicVolume = 20;  // the edit copy is stale here
    menu.Defaults();
    EXPECT_EQ(menu.KeyLine(14, {}), "A");
    auto bytes = File();
    EXPECT_EQ(Word(bytes, 32), kLeft);
    EXPECT_EQ(bytes[12], 20) << "Defaults keeps the live volume";
    menu.Apply();
    EXPECT_EQ(menu.KeyLine(14, {}), "LEFT");
    EXPECT_EQ(Saved.settings.musicVolume, 20);
}

TEST_F(OptMenuTest, ArrowsAndEnterMoveWithinTheScreen) {
    EXPECT_EQ(menu.selection, 4);
    Key(kUp);
    EXPECT_EQ(menu.selection, 1);
    Key(kLeft);
    Key(kLeft);
    EXPECT_EQ(menu.selection, 0);
    Key(kUp);
    EXPECT_EQ(menu.selection, 0);
    for (int i = 0; i < 4; ++i) Key(kRight);
    EXPECT_EQ(menu.selection, 3);
    Key(kEnter);
    EXPECT_EQ(menu.page, 2);
    Key(kDown);
    EXPECT_EQ(menu.selection, 12) << "into the page shown";
    for (int i = 0; i < 10; ++i) Key(kDown);
    EXPECT_EQ(menu.selection, 18) << "held at the page's last item";
    Key(kEnter);
    EXPECT_EQ(File()[27], kF12) << "Defaults written";
    Key(kUp);
    Key(kEnter);
    EXPECT_EQ(AppState, StateBindBossKey);
    AppState = StateOptions;
    Key(kEsc);
    EXPECT_EQ(opened, (std::vector<uint8_t>{StateOptions}));
}

}  // namespace
