// Keeping the saved display settings true to the display the engine actually gave.
#pragma once

#include "core/settings.h"

// After the engine set the display: `shownWidth` is iDisplayMode (the full-screen mode's
// width, 0 in a window). When full screen was asked but a window was given, windowed becomes
// 1; when a full-screen mode of another listed width was given (640, 800 or 1024), the
// resolution follows it. Other widths leave the resolution as asked. True when changed.
bool MatchShownDisplay(Settings& settings, int shownWidth);

// The same for the program's live and edit records; the settings file is rewritten when the
// live record changed. True when it changed (the caller re-reads its display parameters).
bool KeepSavedSettingsToShownDisplay(int shownWidth);
