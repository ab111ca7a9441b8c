// The race's text line: time text, positions, the low-time blink; and the music's track choice.
#include "core/hud_line.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/effect_sound.h"
#include "core/frame_timer.h"
#include "core/music.h"

namespace {

TEST(HudLine, TimeTextIsMinutesAndSecondsOfTheTruncatedMagnitude) {
    EXPECT_EQ(TimeText(75.9L), "01:15");
    EXPECT_EQ(TimeText(5.2L), "00:05");
    EXPECT_EQ(TimeText(-3.0L), "-00:03");
    EXPECT_EQ(TimeText(0), "00:00");
    EXPECT_EQ(TimeText(-0.5L), "-00:00");
    EXPECT_EQ(TimeText(59.999L), "00:59");
    EXPECT_EQ(TimeText(60.0L), "01:00");
    EXPECT_EQ(TimeText(-125.0L), "-02:05");
    EXPECT_EQ(TimeText(6000.0L), "100:00");
}

TEST(HudLine, ScoreEndsNearFivePointOneAndTimeMovesLeftForTheSign) {
    EXPECT_FLOAT_EQ(ScoreTextX("0"), 4.75f);
    EXPECT_FLOAT_EQ(ScoreTextX("12345"), 3.35f);
    EXPECT_FLOAT_EQ(TimeTextX(0), 11.4f) << "00:00 is drawn where a negative time is";
    EXPECT_FLOAT_EQ(TimeTextX(-3), 11.4f);
    EXPECT_FLOAT_EQ(TimeTextX(0.001L), 11.8f);
}

TEST(HudLine, BlinkPhaseWrapsToZeroAboveTwoPi) {
    EXPECT_NEAR(static_cast<double>(AdvanceBlinkPhase(0, 1)), 0.1, 1e-12);
    EXPECT_NEAR(static_cast<double>(AdvanceBlinkPhase(1, 2.5L)), 1.25, 1e-12);
    EXPECT_NEAR(static_cast<double>(AdvanceBlinkPhase(6.18L, 1)), 6.28, 1e-12) << "just below 2 pi";
    EXPECT_EQ(AdvanceBlinkPhase(6.19L, 1), 0);
}

TEST(HudLine, TheTimeBlinksOnlyBelowTenSecondsAndNotAfterGameOver) {
    FrameScale = 1;
    long double phase = 1.0L;
    HudValues values;
    values.timeLeft = 10.0L;
    DrawHudLine(values, phase, StateRace, 0);
    EXPECT_EQ(phase, 1.0L) << "exactly ten seconds";
    values.timeLeft = 9.99L;
    DrawHudLine(values, phase, StateRace, 0);
    EXPECT_NEAR(static_cast<double>(phase), 1.1, 1e-12);
    DrawHudLine(values, phase, StatePause, 0);
    EXPECT_NEAR(static_cast<double>(phase), 1.2, 1e-12) << "the pause still blinks";
    values.timeLeft = 15;
    DrawHudLine(values, phase, StateRace, 0);
    EXPECT_NEAR(static_cast<double>(phase), 1.2, 1e-12) << "kept, not reset, when time rises";
    values.timeLeft = -2;
    values.gameOver = true;
    DrawHudLine(values, phase, StateRace, 0);
    EXPECT_NEAR(static_cast<double>(phase), 1.2, 1e-12) << "nothing is drawn once the game is over";
}

TEST(Music, GameMusicFollowsTheTrackNumberModuloThree) {
    EXPECT_EQ(GameMusicOf(1), 2);
    EXPECT_EQ(GameMusicOf(2), 3);
    EXPECT_EQ(GameMusicOf(3), 1);
    EXPECT_EQ(GameMusicOf(4), 2);
    EXPECT_EQ(GameMusicOf(5), 3);
    EXPECT_EQ(GameMusicOf(6), 1);
    EXPECT_EQ(GameMusicOf(7), 2);
}

TEST(Music, VolumesKeepAFloorAtZero) {
    EXPECT_FLOAT_EQ(MusicGain(0), 0.56f);
    EXPECT_FLOAT_EQ(MusicGain(100), static_cast<float>(100 / 300.0 + 0.56));
    EXPECT_FLOAT_EQ(MusicGain(50), static_cast<float>(50 / 300.0 + 0.56)) << "not an integer division";
    EXPECT_FLOAT_EQ(EffectGain(0), 0.66f);
    EXPECT_FLOAT_EQ(EffectGain(30), 0.76f);
}

}  // namespace
