// Length-prefixed texts of the saved files.
#include "core/short_text.h"

#include <algorithm>

std::string ShortText::Text() const {
    return std::string(chars.data(), std::min<size_t>(length, kCapacity));
}

void ShortText::Assign(std::string_view text) {
    const size_t count = std::min(text.size(), kCapacity);
    length = uint8_t(count);
    std::copy_n(text.begin(), count, chars.begin());
}

void ShortText::ToBytes(uint8_t* out) const {
    out[0] = length;
    std::copy(chars.begin(), chars.end(), out + 1);
}

ShortText ShortText::FromBytes(const uint8_t* in) {
    ShortText text;
    text.length = in[0];
    std::copy_n(in + 1, kCapacity, text.chars.begin());
    return text;
}
