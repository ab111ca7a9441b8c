// "data\boss.dat": 8 bytes another program may leave behind; read and deleted at start.
#pragma once

#include <array>
#include <cstdint>

struct BossSnapshot {
    static constexpr size_t kFileSize = 8;

    // Byte 1 is an AppState value; the other bytes have no effect.
    std::array<uint8_t, kFileSize> bytes{};

    uint8_t AppStateByte() const { return bytes[1]; }
};
