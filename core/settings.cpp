// The settings record's byte layout, all integers little-endian.
#include "core/settings.h"

#include <algorithm>

#include "core/little_endian.h"

using namespace little_endian;

void Settings::ResetControls() {
    const Settings defaults;
    bossKey = defaults.bossKey;
    bossShift = defaults.bossShift;
    bossAlt = defaults.bossAlt;
    bossCtrl = defaults.bossCtrl;
    keyLeft = defaults.keyLeft;
    keyRight = defaults.keyRight;
    keyAccelerate = defaults.keyAccelerate;
    keyBrake = defaults.keyBrake;
    reserved1 = defaults.reserved1;
    reserved2 = defaults.reserved2;
    keyBoost = defaults.keyBoost;
}

Settings::Bytes Settings::ToBytes() const {
    Bytes out{};
    uint8_t* at = out.data();
    at[0] = windowed;
    at[1] = engineOption;
    at[2] = shadows;
    at[3] = resolution;
    at[4] = colorDepth;
    std::copy(padding5.begin(), padding5.end(), at + 5);
    Write32(at + 8, uint32_t(soundVolume));
    Write32(at + 12, uint32_t(musicVolume));
    lastCountry.ToBytes(at + 16);
    at[27] = bossKey;
    at[28] = bossShift;
    at[29] = bossAlt;
    at[30] = bossCtrl;
    at[31] = padding31;
    Write16(at + 32, keyLeft);
    Write16(at + 34, keyRight);
    Write16(at + 36, keyAccelerate);
    Write16(at + 38, keyBrake);
    Write16(at + 40, reserved1);
    Write16(at + 42, reserved2);
    Write16(at + 44, keyBoost);
    Write16(at + 46, padding46);
    return out;
}

Settings Settings::FromBytes(std::span<const uint8_t, kFileSize> bytes) {
    const uint8_t* at = bytes.data();
    Settings s;
    s.windowed = at[0];
    s.engineOption = at[1];
    s.shadows = at[2];
    s.resolution = at[3];
    s.colorDepth = at[4];
    std::copy_n(at + 5, s.padding5.size(), s.padding5.begin());
    s.soundVolume = int32_t(Read32(at + 8));
    s.musicVolume = int32_t(Read32(at + 12));
    s.lastCountry = ShortText::FromBytes(at + 16);
    s.bossKey = at[27];
    s.bossShift = at[28];
    s.bossAlt = at[29];
    s.bossCtrl = at[30];
    s.padding31 = at[31];
    s.keyLeft = Read16(at + 32);
    s.keyRight = Read16(at + 34);
    s.keyAccelerate = Read16(at + 36);
    s.keyBrake = Read16(at + 38);
    s.reserved1 = Read16(at + 40);
    s.reserved2 = Read16(at + 42);
    s.keyBoost = Read16(at + 44);
    s.padding46 = Read16(at + 46);
    return s;
}
