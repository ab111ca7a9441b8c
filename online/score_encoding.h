// The world high-score exchange shared by the game and pebbledash-scores: paths, key letter, submission text, 5-bit coding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace online {

// Request paths on the score server (appended to its base address, e.g. "http://host:8080").
inline constexpr std::string_view VersionRequestPath = "/cgi/version.pl?version&prg=Pebbledash";
inline constexpr std::string_view SubmissionRequestPath = "/cgi/version.pl?hs&prg=Pebbledash&inf=";
inline constexpr std::string_view WorldScoresPath = "/cgi/version.pl?prg=Pebbledash&show&type=";

// The value of the "key=" field; the server refuses any other.
inline constexpr char SubmissionKeyLetter = 'R';

// Symbol v + 1 of this table stands for the 5-bit value v. Letters and digits only, so the
// encoded text goes into a URL unescaped.
inline constexpr std::string_view SubmissionSymbols = "k3QwZ9pXbR7fLm2TcV8hNs5GyD4jE6aU";
static_assert(SubmissionSymbols.size() == 32);
static_assert([] {
    for (std::size_t i = 0; i < SubmissionSymbols.size(); ++i)
        if (SubmissionSymbols.find(SubmissionSymbols[i]) != i) return false;
    return true;
}(), "every symbol must be distinct");

// Appends "0" until the text's length is a multiple of 5 (0 to 4 characters).
inline void PadSubmissionText(std::string& text)
{
    while (text.size() % 5 != 0) text.push_back('0');
}

// The padded submission text: "type=d|name=n|score=s|key=K|p=token|add=a|z=" then the filler.
// No character of the values is escaped; name and country are sent as typed.
inline std::string BuildSubmissionText(int difficulty, std::string_view name, std::int64_t score,
                                       std::string_view token, std::string_view country)
{
    std::string text = "type=" + std::to_string(difficulty);
    text.append("|name=").append(name);
    text.append("|score=").append(std::to_string(score));
    text.append("|key=").push_back(SubmissionKeyLetter);
    text.append("|p=").append(token);
    text.append("|add=").append(country);
    text.append("|z=");
    PadSubmissionText(text);
    return text;
}

// Each byte becomes 8 bits (most significant first); "0" bits go in front until the count is
// a multiple of 5; each group of 5 bits becomes one symbol. 5 bytes give 8 symbols.
inline std::string EncodeSubmission(std::string_view text)
{
    const std::size_t bits = text.size() * 8;
    const std::size_t lead = (5 - bits % 5) % 5;
    std::string out;
    out.reserve((bits + lead) / 5);
    unsigned group = 0;
    std::size_t inGroup = lead;  // the leading zero bits already sit in the group
    for (unsigned char c : text) {
        for (int bit = 7; bit >= 0; --bit) {
            group = (group << 1) | ((c >> bit) & 1u);
            if (++inGroup == 5) {
                out.push_back(SubmissionSymbols[group]);
                group = 0;
                inGroup = 0;
            }
        }
    }
    return out;
}

// The exact inverse of EncodeSubmission: nothing for a symbol outside the table, a symbol count
// no text encodes to (1, 4, 6, ...), or leading filler bits that are not zero.
inline std::optional<std::string> DecodeSubmission(std::string_view symbols)
{
    const std::size_t bits = symbols.size() * 5;
    const std::size_t lead = bits % 8;
    if (lead >= 5) return std::nullopt;
    std::string out;
    out.reserve(bits / 8);
    unsigned value = 0;
    std::size_t have = 0;
    std::size_t skip = lead;
    for (char symbol : symbols) {
        const std::size_t v = SubmissionSymbols.find(symbol);
        if (v == std::string_view::npos) return std::nullopt;
        for (int bit = 4; bit >= 0; --bit) {
            const unsigned b = (v >> bit) & 1u;
            if (skip > 0) {
                if (b != 0) return std::nullopt;
                --skip;
                continue;
            }
            value = (value << 1) | b;
            if (++have == 8) {
                out.push_back(static_cast<char>(value));
                value = 0;
                have = 0;
            }
        }
    }
    return out;
}

}  // namespace online
