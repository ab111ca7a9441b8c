// The race's text line.
#include "core/hud_line.h"

#include <cmath>
#include <cstdio>

#include "core/app_state.h"
#include "core/frame_timer.h"
#include "core/saved_files.h"
#include "engine/engine.h"

namespace {
constexpr float kLineY = 11.1f;
constexpr Vec2 kTextSize{0.5f, 0.5f};
constexpr float kSpacing = 0.1f;
constexpr long double kTwoPi = 6.283185307179586L;

void Print(const std::string& text, float x, EngineHandle font) {
    iPrint(text.c_str(), Vec2{x, kLineY}, kTextSize, kSpacing, font);
}
}  // namespace

std::string TimeText(long double timeLeft) {
    const long long n = static_cast<long long>(std::fabs(timeLeft));
    char text[48];
    std::snprintf(text, sizeof text, "%s%02lld:%02lld", timeLeft < 0 ? "-" : "", n / 60, n % 60);
    return text;
}

float ScoreTextX(const std::string& scoreText) {
    return static_cast<float>(5.1 - 0.35 * static_cast<double>(scoreText.size()));
}

float TimeTextX(long double timeLeft) { return timeLeft > 0 ? 11.8f : 11.4f; }

long double AdvanceBlinkPhase(long double phase, long double frameScale) {
    phase += 0.1L * frameScale;
    return phase > kTwoPi ? 0 : phase;
}

void DrawHudLine(const HudValues& values, long double& blinkPhase, uint8_t state, EngineHandle font) {
    if (values.gameOver) return;
    if (state == StatePause) {
        iPrintColorSet(0.5f, 0.5f, 0.5f, 1.0f);
    } else {
        iPrintColorSet(217 / 255.0f, 141 / 255.0f, 57 / 255.0f, 1.0f);
    }
    const std::string score = std::to_string(values.score);
    Print(score, ScoreTextX(score), font);
    Print("x" + std::to_string(values.lives), -12.7f, font);
    Print(std::to_string(values.level), -7.0f, font);
    Print(std::to_string(values.lapsLeft), -2.5f, font);

    if (values.timeLeft < kLowTimeSeconds) {
        blinkPhase = AdvanceBlinkPhase(blinkPhase, FrameScale);
        const float fade = static_cast<float>(1 - std::fabs(std::cos(blinkPhase)));
        iPrintColorSet(1, fade, fade, 1);
        iSoundVolumeSet(values.warningSound, static_cast<float>(Saved.settings.soundVolume / 300.0 + 0.5));
        if (iSoundPlaying(values.warningSound) == 0) iSoundPlayNow(values.warningSound, 0);
    }
    Print(TimeText(values.timeLeft), TimeTextX(values.timeLeft), font);
    iPrintColorSet(1, 1, 1, 1);
}
