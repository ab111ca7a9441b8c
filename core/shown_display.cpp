// The display settings made to match what the engine gave.
#include "core/shown_display.h"

#include "core/saved_files.h"

bool MatchShownDisplay(Settings& settings, int shownWidth) {
    if (settings.windowed == 1) return false;
    if (shownWidth <= 0) {
        settings.windowed = 1;
        return true;
    }
    int resolution = -1;
    if (shownWidth == 640) resolution = 0;
    if (shownWidth == 800) resolution = 1;
    if (shownWidth == 1024) resolution = 2;
    if (resolution < 0 || resolution == settings.resolution) return false;
    settings.resolution = static_cast<uint8_t>(resolution);
    return true;
}

bool KeepSavedSettingsToShownDisplay(int shownWidth) {
    Settings& live = Saved.settings;
    if (!MatchShownDisplay(live, shownWidth)) return false;
    // The edit copy shows the display as it now is; its other edits are kept.
    Saved.pendingSettings.windowed = live.windowed;
    Saved.pendingSettings.resolution = live.resolution;
    Saved.SaveSettings(SettingsCopy::Live);
    return true;
}
