// The options screen's rules that need no engine: the slider, the resolution steps, Apply's
// restart test and the sets of keys each capture accepts.
#pragma once

#include <cstdint>
#include <string>

#include "core/settings.h"

namespace option_rules {

// A volume 0..100 from the pointer's x in menu units: 0 up to 4.8, 100 from 14.4, and in
// between (x - 4.8) / 9.6 * 100 with the fraction cut off.
int32_t Slider(double x);

// One step of the resolution 0..2 forward (2 wraps to 0) or back (0 wraps to 2).
uint8_t StepResolution(uint8_t resolution, bool forward);
// "640x480", "800x600", "1024x768"; empty for any other value.
std::string ResolutionName(uint8_t resolution);
// "16" or "32" for colour depth 0 or 1.
std::string DepthName(uint8_t colorDepth);

// Applying `pending` over `live` must re-create the display: windowed, engine option or
// shadows differ, or full screen is asked and resolution or colour depth differ.
bool RestartNeeded(const Settings& live, const Settings& pending);

// Volumes and lastCountry change only in the live record (lastCountry also outside the
// options screen); an Apply or Defaults that writes the edit copy takes them from live first.
void TakeLiveOnlyFields(Settings& pending, const Settings& live);

// A volume step by keyboard: 4 down or up, held within 0..100.
int32_t VolumeStep(int32_t volume, bool up);

// The four driving keys a capture can bind (boost has its own set).
enum class DrivingKey { Accelerate, Brake, Left, Right };

uint16_t& DrivingKeyField(Settings& settings, DrivingKey key);
uint16_t DrivingKeyValue(const Settings& settings, DrivingKey key);

// A letter, Space or an arrow that is neither the boss key nor one of the other three
// driving keys (the boost key is not compared).
bool AcceptsDrivingKey(int code, DrivingKey row, const Settings& live);
// A letter, Space, Left, Right, or a Ctrl, Shift or Alt key; no comparison with other keys.
bool AcceptsBoostKey(int code);
// 1..0, -, =, Backspace, Tab, the letter rows with [ ], F1..F12 and code 69, and not one of
// the four driving keys of `live`.
bool AcceptsBossKey(int code, const Settings& live);

// Modifier keys held now, as the boss key stores them.
struct Modifiers {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

// "CTRL+", "ALT+", "SHIFT+" in that order for the modifiers given, then `keyText`.
std::string BossKeyLine(const Modifiers& modifiers, const std::string& keyText);

}  // namespace option_rules
