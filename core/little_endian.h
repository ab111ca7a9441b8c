// Little-endian integers in byte buffers, for the saved files' fixed layouts.
#pragma once

#include <cstdint>

namespace little_endian {

inline uint16_t Read16(const uint8_t* at) { return uint16_t(at[0] | at[1] << 8); }

inline uint32_t Read32(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

inline void Write16(uint8_t* at, uint16_t value) {
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
}

inline void Write32(uint8_t* at, uint32_t value) {
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
    at[2] = uint8_t(value >> 16);
    at[3] = uint8_t(value >> 24);
}

}  // namespace little_endian
