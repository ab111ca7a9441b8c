// Driving the engine's frames by hand: a manual clock and the phases the game's loop calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/platform.h"

// Switches to the hand-driven clock and starts a frame, so the next frame's duration is what RunFrame says.
inline void StartManualFrames() {
    platform::UseManualClock(0);
    iEngineMain();
}

// One frame of the given length: measure, run phase, and the engine's work after it (no drawing).
inline void RunFrame(float seconds) {
    platform::AdvanceClock(seconds);
    iEngineMain();
    iEngineRunBegin();
    iEngineRunEnd();
}

// An uncompressed 32-bit DDS of one colour (bytes r, g, b, a), as the asset generator writes them.
inline std::string SolidDds(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    std::vector<uint32_t> header(32, 0);
    header[0] = 0x20534444;  // "DDS "
    header[1] = 124;
    header[2] = 0x1 | 0x2 | 0x4 | 0x1000;
    header[3] = uint32_t(height);
    header[4] = uint32_t(width);
    header[5] = uint32_t(width) * 4;
    header[19] = 32;           // pixel format size
    header[20] = 0x40 | 0x1;   // RGB with alpha
    header[22] = 32;
    header[23] = 0x00FF0000;   // red mask
    header[24] = 0x0000FF00;
    header[25] = 0x000000FF;
    header[26] = 0xFF000000;
    header[27] = 0x1000;       // a texture
    std::string bytes(reinterpret_cast<const char*>(header.data()), header.size() * 4);
    for (int i = 0; i < width * height; ++i) bytes += {char(b), char(g), char(r), char(a)};
    return bytes;
}
