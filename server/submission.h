// One decoded score submission: reading its fields from the text and checking each against the game's limits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

inline constexpr std::size_t MaxNameLength = 10;         // name and country, characters
inline constexpr std::int64_t MaxScore = 2147483647;     // the game keeps scores as signed 32-bit
inline constexpr std::size_t MaxTokenLength = 64;

struct TSubmission {
    int difficulty = 0;        // 0 Easy, 1 Medium, 2 Hard
    std::string name;          // UTF-8, converted from the game's single-byte text
    std::string country;       // UTF-8, the second name-entry field
    std::int64_t score = 0;
    std::string token;         // the one-time value the version reply handed out
};

// Reads the fields of a decoded, padded submission text in their fixed order (type, name,
// score, key, p, add, z). Name and country may hold "|" and "=", as the game sends them
// unescaped. Returns false with a one-line reason naming the field on any fault.
bool ParseSubmission(std::string_view text, TSubmission& out, std::string& error);

// The single-byte text of the game read as Latin-1 and written as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace scores
