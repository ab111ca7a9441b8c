// The saved display settings follow what the engine gave when full screen was not as asked.
#include "core/shown_display.h"

#include <gtest/gtest.h>

#include "core/saved_files.h"
#include "tests/core/temp_program_folder.h"

namespace {

TEST(ShownDisplay, RefusedFullScreenOrAnotherModeIsWrittenBack) {
    TempProgramFolder folder;
    Saved.settings = Settings{};
    Saved.settings.windowed = 0;
    Saved.settings.resolution = 0;  // 640 x 480 asked
    Saved.pendingSettings = Saved.settings;
    Saved.pendingSettings.shadows = 1;  // an edit not yet applied

    EXPECT_FALSE(KeepSavedSettingsToShownDisplay(640));
    EXPECT_FALSE(folder.Exists("data/settings.dat"));
    EXPECT_FALSE(KeepSavedSettingsToShownDisplay(1280)) << "a width outside the list keeps the resolution";

    EXPECT_TRUE(KeepSavedSettingsToShownDisplay(800));
    EXPECT_EQ(Saved.settings.resolution, 1);
    EXPECT_EQ(Saved.pendingSettings.resolution, 1);
    EXPECT_EQ(folder.Read("data/settings.dat")[3], 1);

    EXPECT_TRUE(KeepSavedSettingsToShownDisplay(0)) << "full screen refused: a window was given";
    EXPECT_EQ(Saved.settings.windowed, 1);
    EXPECT_EQ(Saved.pendingSettings.windowed, 1);
    EXPECT_EQ(Saved.pendingSettings.shadows, 1);
    EXPECT_EQ(folder.Read("data/settings.dat")[0], 1);

    Settings windowed;
    EXPECT_FALSE(MatchShownDisplay(windowed, 0)) << "a window asked and given";
}

}  // namespace
