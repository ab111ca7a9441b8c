// The player's settings: one 48-byte record in "data\settings.dat".
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/short_text.h"

// Member initialisers are the defaults of a first start; every byte not named is 0.
// Values read from a file are kept as read, also when out of range.
struct Settings {
    static constexpr size_t kFileSize = 48;
    using Bytes = std::array<uint8_t, kFileSize>;

    uint8_t windowed = 1;      // 1 windowed, 0 full screen
    uint8_t engineOption = 0;  // 0 or 1; handed to the engine as 0 or 2
    uint8_t shadows = 0;       // 1 shows the shadow meshes of track, cars and pickups
    uint8_t resolution = 1;    // 0 640 x 480, 1 800 x 600, 2 1024 x 768 (full screen only)
    uint8_t colorDepth = 0;    // 0 16 bits, 1 32 bits per pixel
    std::array<uint8_t, 3> padding5{};
    int32_t soundVolume = 50;  // 0..100: effect sounds
    int32_t musicVolume = 50;  // 0..100: music
    ShortText lastCountry;     // second field of the last confirmed name entry
    uint8_t bossKey = 88;      // key code of the boss key (F12)
    uint8_t bossShift = 0;     // 1: the boss key needs Shift held
    uint8_t bossAlt = 0;       // 1: ... Alt held
    uint8_t bossCtrl = 0;      // 1: ... Ctrl held
    uint8_t padding31 = 0;
    uint16_t keyLeft = 203;        // Left arrow
    uint16_t keyRight = 205;       // Right arrow
    uint16_t keyAccelerate = 200;  // Up arrow
    uint16_t keyBrake = 208;       // Down arrow: brake and reverse
    uint16_t reserved1 = 200;      // no meaning
    uint16_t reserved2 = 208;      // no meaning
    uint16_t keyBoost = 57;        // Space
    uint16_t padding46 = 0;

    // The control defaults of a first start: boss key and its modifiers, the driving
    // keys and the two reserved words. Nothing else changes.
    void ResetControls();

    Bytes ToBytes() const;
    static Settings FromBytes(std::span<const uint8_t, kFileSize> bytes);

    bool operator==(const Settings&) const = default;
};
