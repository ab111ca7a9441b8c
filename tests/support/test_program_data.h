// A small, complete program folder for tests: the files the start-up reads, made by the test.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// A solid-colour PNG of the given size (RGBA).
std::vector<uint8_t> SolidPng(int width, int height, std::array<uint8_t, 4> rgba);

// The colour of entry k of the test "Loading.dat" (0..9 bar steps, 10 background)
// and of frame k of "Cursor.dat": distinct, opaque, easy to tell apart in a shot.
std::array<uint8_t, 4> LoadingEntryColor(int k);
std::array<uint8_t, 4> CursorFrameColor(int k);

// The address in the test "play.url".
inline constexpr const char* kPlayAddress = "https://pebbledash.example/play";

// Writes data/sprite.x (the 1.6 x 1.6 overlay quad), data/Loading.dat, data/Cursor.dat,
// the font data/_fontg/Palatino Linotype.wid, data/skybox01.sky with its faces, the menus'
// plain pictures (data/MenuZadnik.jpg, data/Over1..4.png) and play.url below root.
void WriteStartupData(const std::filesystem::path& root);

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
void WriteFile(const std::filesystem::path& path, const std::string& text);

// Reads a PNG file's pixels (RGBA); empty on failure.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    std::array<uint8_t, 4> At(int x, int y) const;
};
Picture ReadPng(const std::filesystem::path& path);

}  // namespace test_support
