// A length byte and up to ten single-byte characters, as the saved files store texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct ShortText {
    static constexpr size_t kCapacity = 10;
    static constexpr size_t kFileSize = 1 + kCapacity;

    // 0..10 in a sound file; a larger value read from a damaged file is kept as it is.
    uint8_t length = 0;
    // Bytes past the length carry no meaning but are kept, so a record is written back as read.
    std::array<char, kCapacity> chars{};

    // The text, with the length held to the capacity.
    std::string Text() const;
    // Stores at most the first ten characters; bytes past the new length keep their values.
    void Assign(std::string_view text);

    // Byte image: the length byte, then the ten characters.
    void ToBytes(uint8_t* out) const;
    static ShortText FromBytes(const uint8_t* in);

    bool operator==(const ShortText&) const = default;
};
