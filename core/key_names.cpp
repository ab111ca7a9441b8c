// Key code to text, for the classic PC scan codes the engine reports.
#include "core/key_names.h"

#include <array>

std::string KeyNames(int code) {
    static constexpr std::array<const char*, 10> kDigits{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    static constexpr const char* kTopRow = "QWERTYUIOP";
    static constexpr const char* kHomeRow = "ASDFGHJKL";
    static constexpr const char* kBottomRow = "ZXCVBNM";
    if (code >= 2 && code <= 11) return kDigits[code - 2];
    if (code >= 16 && code <= 25) return std::string(1, kTopRow[code - 16]);
    if (code >= 30 && code <= 38) return std::string(1, kHomeRow[code - 30]);
    if (code >= 44 && code <= 50) return std::string(1, kBottomRow[code - 44]);
    if (code >= 59 && code <= 68) return "F" + std::to_string(code - 58);
    switch (code) {
        case 1: return "ESCAPE";
        case 12: return "-";
        case 13: return "=";
        case 14: return "BACKSPACE";
        case 15: return "TAB";
        case 26: return "[";
        case 27: return "]";
        case 29: return "L CTRL";
        case 42: return "L SHIFT";
        case 54: return "R SHIFT";
        case 56: return "L ALT";
        case 57: return "SPACE";
        case 87: return "F11";
        case 88: return "F12";
        case 157: return "R CTRL";
        case 184: return "R ALT";
        case 200: return "UP";
        case 203: return "LEFT";
        case 205: return "RIGHT";
        case 208: return "DOWN";
        default: return "";
    }
}
