// The options screen's engine-free rules.
#include "menus/option_rules.h"

#include <algorithm>

namespace option_rules {

namespace {

constexpr int kShift[] = {42, 54};
constexpr int kAlt[] = {56, 184};
constexpr int kCtrl[] = {29, 157};
constexpr int kSpace = 57;
constexpr int kUp = 200, kLeft = 203, kRight = 205, kDown = 208;

bool IsLetterKey(int code) {
    return (code >= 16 && code <= 25) || (code >= 30 && code <= 38) || (code >= 44 && code <= 50);
}

bool IsAnyOf(int code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

int32_t Slider(double x) {
    if (x <= 4.8) return 0;
    if (x >= 14.4) return 100;
    return static_cast<int32_t>((x - 4.8) / 9.6 * 100);
}

uint8_t StepResolution(uint8_t resolution, bool forward) {
    if (forward) return resolution >= 2 ? 0 : static_cast<uint8_t>(resolution + 1);
    return resolution == 0 || resolution > 2 ? 2 : static_cast<uint8_t>(resolution - 1);
}

std::string ResolutionName(uint8_t resolution) {
    switch (resolution) {
        case 0: return "640x480";
        case 1: return "800x600";
        case 2: return "1024x768";
        default: return "";
    }
}

std::string DepthName(uint8_t colorDepth) { return colorDepth == 0 ? "16" : "32"; }

bool RestartNeeded(const Settings& live, const Settings& pending) {
    if (live.windowed != pending.windowed || live.engineOption != pending.engineOption ||
        live.shadows != pending.shadows) {
        return true;
    }
    return pending.windowed == 0 &&
           (live.resolution != pending.resolution || live.colorDepth != pending.colorDepth);
}

void TakeLiveOnlyFields(Settings& pending, const Settings& live) {
    pending.soundVolume = live.soundVolume;
    pending.musicVolume = live.musicVolume;
    pending.lastCountry = live.lastCountry;
}

int32_t VolumeStep(int32_t volume, bool up) { return std::clamp(volume + (up ? 4 : -4), 0, 100); }

uint16_t& DrivingKeyField(Settings& settings, DrivingKey key) {
    switch (key) {
        case DrivingKey::Accelerate: return settings.keyAccelerate;
        case DrivingKey::Brake: return settings.keyBrake;
        case DrivingKey::Left: return settings.keyLeft;
        default: return settings.keyRight;
    }
}

uint16_t DrivingKeyValue(const Settings& settings, DrivingKey key) {
    switch (key) {
        case DrivingKey::Accelerate: return settings.keyAccelerate;
        case DrivingKey::Brake: return settings.keyBrake;
        case DrivingKey::Left: return settings.keyLeft;
        default: return settings.keyRight;
    }
}

bool AcceptsDrivingKey(int code, DrivingKey row, const Settings& live) {
    if (!IsLetterKey(code) && !IsAnyOf(code, {kSpace, kUp, kLeft, kRight, kDown})) return false;
    if (code == live.bossKey) return false;
    for (DrivingKey other : {DrivingKey::Accelerate, DrivingKey::Brake, DrivingKey::Left, DrivingKey::Right}) {
        if (other != row && code == DrivingKeyValue(live, other)) return false;
    }
    return true;
}

bool AcceptsBoostKey(int code) {
    return IsLetterKey(code) ||
           IsAnyOf(code, {kCtrl[0], kShift[0], kShift[1], kAlt[0], kSpace, kCtrl[1], kAlt[1], kLeft, kRight});
}

bool AcceptsBossKey(int code, const Settings& live) {
    const bool inSet = (code >= 2 && code <= 27) || (code >= 30 && code <= 38) || (code >= 44 && code <= 50) ||
                       (code >= 59 && code <= 69) || code == 87 || code == 88;
    if (!inSet) return false;
    return code != live.keyLeft && code != live.keyRight && code != live.keyAccelerate && code != live.keyBrake;
}

std::string BossKeyLine(const Modifiers& modifiers, const std::string& keyText) {
    std::string line;
    if (modifiers.ctrl) line += "CTRL+";
    if (modifiers.alt) line += "ALT+";
    if (modifiers.shift) line += "SHIFT+";
    return line + keyText;
}

}  // namespace option_rules
