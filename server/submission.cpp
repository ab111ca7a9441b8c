// Reads and checks the fields of a decoded submission text.
#include "server/submission.h"

#include "online/score_encoding.h"

namespace scores {
namespace {

// Free text as the name-entry screen could hold it: at most 10 characters, none of them a
// control character (C0, DEL or the C1 range of Latin-1).
bool CheckFreeText(std::string_view value, const char* field, std::string& error)
{
    if (value.size() > MaxNameLength) {
        error = std::string(field) + " is longer than 10 characters";
        return false;
    }
    for (unsigned char c : value) {
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            error = std::string(field) + " holds a control character";
            return false;
        }
    }
    return true;
}

// A score as the game writes it: plain decimal digits, no sign, no leading zero.
bool ReadScore(std::string_view value, std::int64_t& score, std::string& error)
{
    if (value.empty() || value.find_first_not_of("0123456789") != std::string_view::npos ||
        (value.size() > 1 && value[0] == '0')) {
        error = "score is not a decimal number";
        return false;
    }
    std::int64_t v = 0;
    for (char c : value) {
        v = v * 10 + (c - '0');
        if (v > MaxScore) {
            error = "score is out of range";
            return false;
        }
    }
    score = v;
    return true;
}

// The middle of the text from the name on: name "|score=" s "|key=" k "|p=" t "|add=" a.
// The name may itself contain "|score=", so each occurrence is tried in turn and the first one
// followed by the whole fixed sequence wins; with names of at most 10 characters it is the only one.
bool SplitMiddle(std::string_view middle, std::string_view parts[5])
{
    static constexpr std::string_view keys[4] = {"|score=", "|key=", "|p=", "|add="};
    for (std::size_t at = middle.find(keys[0]); at != std::string_view::npos;
         at = middle.find(keys[0], at + 1)) {
        parts[0] = middle.substr(0, at);
        std::size_t pos = at + keys[0].size();
        bool whole = true;
        for (int k = 1; k < 4 && whole; ++k) {
            const std::size_t bar = middle.find('|', pos);
            if (bar == std::string_view::npos || middle.substr(bar, keys[k].size()) != keys[k]) {
                whole = false;
                break;
            }
            parts[k] = middle.substr(pos, bar - pos);
            pos = bar + keys[k].size();
        }
        if (whole) {
            parts[4] = middle.substr(pos);
            return true;
        }
    }
    return false;
}

}  // namespace

bool ParseSubmission(std::string_view text, TSubmission& out, std::string& error)
{
    // The real "|z=" is the last one: only "0" characters may follow it.
    const std::size_t z = text.rfind("|z=");
    if (z == std::string_view::npos) {
        error = "field z is missing";
        return false;
    }
    const std::string_view filler = text.substr(z + 3);
    const std::size_t wanted = (5 - (z + 3) % 5) % 5;
    if (filler.size() != wanted || filler.find_first_not_of('0') != std::string_view::npos) {
        error = "filler after z= is not the 0 to 4 zeros that pad the text to a multiple of 5";
        return false;
    }
    const std::string_view body = text.substr(0, z);
    if (body.substr(0, 5) != "type=") {
        error = "field type is missing or not first";
        return false;
    }
    const std::size_t typeEnd = body.find('|');
    if (typeEnd == std::string_view::npos || body.substr(typeEnd, 6) != "|name=") {
        error = "field name is missing or not second";
        return false;
    }
    const std::string_view type = body.substr(5, typeEnd - 5);
    std::string_view parts[5];
    if (!SplitMiddle(body.substr(typeEnd + 6), parts)) {
        error = "fields missing, extra or out of order (type, name, score, key, p, add, z)";
        return false;
    }
    const auto [name, score, key, token, country] = parts;
    if (type.size() != 1 || type[0] < '0' || type[0] > '2') {
        error = "difficulty (type) must be 0, 1 or 2";
        return false;
    }
    if (!CheckFreeText(name, "name", error) || !CheckFreeText(country, "country (add)", error))
        return false;
    if (!ReadScore(score, out.score, error)) return false;
    if (key.size() != 1 || key[0] != online::SubmissionKeyLetter) {
        error = "wrong key";
        return false;
    }
    if (token.empty() || token.size() > MaxTokenLength) {
        error = token.empty() ? "token (p) is missing" : "token (p) is too long";
        return false;
    }
    out.difficulty = type[0] - '0';
    out.name = Latin1ToUtf8(name);
    out.country = Latin1ToUtf8(country);
    out.token = std::string(token);
    return true;
}

std::string Latin1ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (unsigned char c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace scores
