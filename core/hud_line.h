// The race's text line at the top of the screen: score, lives, level, laps left and
// the remaining time, which pulses red with a repeating warning below ten seconds.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"

// The race's values the line shows, read from the race object each frame.
struct HudValues {
    int32_t score = 0;
    int32_t lives = 0;
    int32_t level = 0;
    int32_t lapsLeft = 0;
    long double timeLeft = 0;  // seconds; below 0 once the time is over
    bool gameOver = false;     // the line is not drawn
    EngineHandle warningSound = 0;  // "sound\11.wav" of the race
};

// Below this many seconds the time blinks and the warning sound repeats.
inline constexpr long double kLowTimeSeconds = 10;

// "mm:ss" of the whole seconds of |timeLeft| (truncated), "-" in front below 0:
// 75.9 gives "01:15", 5.2 "00:05", -3.0 "-00:03".
std::string TimeText(long double timeLeft);
// Left end of the score so that it ends near x = 5.1: 5.1 - 0.35 per character.
float ScoreTextX(const std::string& scoreText);
// 11.8 while time is left, 11.4 (room for the sign) at 0 and below.
float TimeTextX(long double timeLeft);
// BlinkPhase after one frame: + 0.1 x frameScale, back to 0 once above 2 pi.
long double AdvanceBlinkPhase(long double phase, long double frameScale);

// Draws the line with font `font` for AppState `state` (grey numbers in the pause),
// unless the game is over. Below ten seconds it advances `blinkPhase` (the race's
// BlinkPhase, radians) by FrameScale and keeps the warning sound playing at the live
// settings' soundVolume / 300 + 0.5.
void DrawHudLine(const HudValues& values, long double& blinkPhase, uint8_t state, EngineHandle font);
