// The closing share screen's description ("wdata\config.ini"): lines naming its background
// picture, its picture buttons with their link targets, and where and how its countdown shows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// A rectangle of the screen's 800 x 600 layout pixels: (0, 0) is the top-left corner, y grows
// downward. The file gives left, top, width, height.
struct LayoutRect {
    int32_t left = 0, top = 0, height = 0, width = 0;
};

struct ShareButtonLines {
    LayoutRect hoverRect, normalRect, waitRect;  // a link button waits in its normal place
    std::string hoverPath, normalPath, waitPath;  // a link button waits with its normal picture
    std::string target;                           // the file to open; "exit" for the last button
};

struct ShareDescription {
    bool usable = true;        // false at the first missing or malformed line
    int32_t buttonCount = 0;   // as the file says; the last is the exit button
    std::string backgroundPath;
    std::vector<ShareButtonLines> buttons;  // as many as were read before the text ended or failed
    int32_t textX = 0, textY = 0;  // the countdown's position, layout pixels
    int32_t countdown = 0;         // seconds
    uint32_t textColour = 0;       // red, green, blue bytes, red lowest
    bool textSizeGiven = false;    // a line "TRUE" followed by the size
    int32_t textSize = 0;          // when not given: 0.4 of the last button's height
};

// Reads the description's text. Lines end in LF or CR LF and lose their leading spaces;
// numbers are decimal 32-bit integers separated by exactly one space. A picture path or link
// target must be a file `exists` knows; an empty, malformed or missing line makes the
// description unusable, and every value after it stays 0 or empty.
ShareDescription ReadShareDescription(std::string_view text, const std::function<bool(const std::string&)>& exists);

}  // namespace formats
