// A small recursive JSON and UTF-8 checker for the runner's reports.
#include "json_check.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace test_support {
namespace {

class Checker {
public:
    explicit Checker(const std::string& text) : s_(text) {}

    bool Document() {
        Space();
        if (!Value(0)) return false;
        Space();
        return at_ == s_.size();
    }
    size_t At() const { return at_; }

private:
    bool Value(int depth) {
        if (depth > 64 || at_ >= s_.size()) return false;
        switch (s_[at_]) {
            case '{': return Object(depth);
            case '[': return Array(depth);
            case '"': return String();
            case 't': return Word("true");
            case 'f': return Word("false");
            case 'n': return Word("null");
            default: return Number();
        }
    }
    bool Object(int depth) {
        ++at_;
        Space();
        if (Eat('}')) return true;
        do {
            Space();
            if (at_ >= s_.size() || s_[at_] != '"' || !String()) return false;
            Space();
            if (!Eat(':')) return false;
            Space();
            if (!Value(depth + 1)) return false;
            Space();
        } while (Eat(','));
        return Eat('}');
    }
    bool Array(int depth) {
        ++at_;
        Space();
        if (Eat(']')) return true;
        do {
            Space();
            if (!Value(depth + 1)) return false;
            Space();
        } while (Eat(','));
        return Eat(']');
    }
    bool String() {
        ++at_;
        while (at_ < s_.size()) {
            const unsigned char c = static_cast<unsigned char>(s_[at_]);
            if (c == '"') {
                ++at_;
                return true;
            }
            if (c < 0x20) return false;
            if (c == '\\') {
                ++at_;
                if (at_ >= s_.size()) return false;
                const char e = s_[at_];
                if (e == 'u') {
                    for (int i = 1; i <= 4; ++i) {
                        if (at_ + i >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[at_ + i]))) return false;
                    }
                    at_ += 5;
                    continue;
                }
                if (!std::strchr("\"\\/bfnrt", e) || e == 0) return false;
                ++at_;
                continue;
            }
            if (!Utf8()) return false;
        }
        return false;
    }
    bool Utf8() {
        const unsigned char lead = static_cast<unsigned char>(s_[at_]);
        size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                     : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0 || at_ + length > s_.size()) return false;
        uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (size_t k = 1; k < length; ++k) {
            const unsigned char c = static_cast<unsigned char>(s_[at_ + k]);
            if ((c & 0xC0) != 0x80) return false;
            code = code << 6 | (c & 0x3F);
        }
        const uint32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        at_ += length;
        return true;
    }
    bool Number() {
        const size_t start = at_;
        Eat('-');
        if (Eat('0')) {
        } else if (!Digits()) {
            return false;
        }
        if (Eat('.') && !Digits()) return false;
        if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
            ++at_;
            if (!Eat('+')) Eat('-');
            if (!Digits()) return false;
        }
        return at_ > start;
    }
    bool Digits() {
        const size_t start = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
        return at_ > start;
    }
    bool Word(const char* word) {
        const size_t n = std::strlen(word);
        if (s_.compare(at_, n, word) != 0) return false;
        at_ += n;
        return true;
    }
    bool Eat(char c) {
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void Space() {
        while (at_ < s_.size() && std::strchr(" \t\r\n", s_[at_]) && s_[at_] != 0) ++at_;
    }

    const std::string& s_;
    size_t at_ = 0;
};

}  // namespace

bool IsValidJson(const std::string& text, size_t* where) {
    Checker checker(text);
    const bool valid = checker.Document();
    if (where) *where = checker.At();
    return valid;
}

}  // namespace test_support
