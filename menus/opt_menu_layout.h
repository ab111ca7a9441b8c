// Where the options screen's items and images stand, what they show and which page uses them.
#pragma once

#include <array>
#include <cstdint>

namespace opt_menu_layout {

inline constexpr const char* kPack = "data\\OptMenu.dat";
inline constexpr const char* kForms = "data\\Forms.dat";

// A parked base image sits far off screen, so only the highlight is ever seen.
inline constexpr double kParkedX = 800;
inline constexpr double kParkedY = 0;

// Items are built with priority 3: base 3, highlight 4.
inline constexpr int32_t kItemPriority = 3;

// Positions are centres in menu units before the slide shift; outlines do not slide.
struct Item {
    const char* name;  // only the tabs carry one
    uint16_t baseEntry, highlightEntry;
    double width, height;
    bool parked;  // the base stays at (800, 0)
    double x, y;  // both images (the highlight only when parked)
    double left, right, bottom, top;
};

inline constexpr int kItemCount = 18;

// items[i - 1] is item i.
inline constexpr std::array<Item, kItemCount> kItems{{
    {"OptVideo", 9, 10, 12, 8, false, 1.2, 4.0, -1.3, 4.1, 3.5, 4.8},
    {"OptSound", 12, 13, 12, 8, false, 6.7, 4.0, 4.4, 9.8, 3.5, 4.8},
    {"OptControls", 15, 16, 12, 8, false, 12.2, 4.0, 10.1, 15.5, 3.5, 4.8},
    {"", 4, 37, 20, 4, true, 6.23, 1.25, -1.5, 15.5, 0.4, 1.8},     // display mode
    {"", 4, 38, 20, 4, true, 6.34, -0.23, -1.5, 15.5, -1.1, 0.3},   // resolution
    {"", 4, 39, 20, 4, true, 6.58, -1.71, -1.5, 15.5, -2.6, -1.2},  // colour depth
    {"", 4, 40, 20, 4, true, 6.7, -3.19, -1.5, 15.5, -4.1, -2.7},   // engine option
    {"", 4, 41, 20, 4, true, 5.64, -4.71, -1.5, 15.5, -5.6, -4.2},  // shadows
    {"", 5, 6, 8, 4, false, 6.5, -7.0, 4.6, 9.4, -7.7, -6.8},       // Apply
    {"", 4, 26, 20, 4, true, 5.58, 0.0, -1.5, 15.5, -1.0, 1.0},     // music volume
    {"", 4, 27, 20, 4, true, 5.74, -3.38, -1.5, 15.5, -4.5, -2.5},  // effects volume
    {"", 4, 29, 20, 4, true, 8.48, 0.84, 0.7, 13.3, 0.45, 1.4},     // accelerate
    {"", 4, 30, 20, 4, true, 8.52, -0.4, 0.7, 13.3, -0.75, 0.2},    // brake
    {"", 4, 31, 20, 4, true, 8.6, -1.64, 0.7, 13.3, -1.95, -1.0},   // steer left
    {"", 4, 32, 20, 4, true, 8.68, -2.92, 0.7, 13.3, -3.15, -2.2},  // steer right
    {"", 4, 33, 20, 4, true, 8.56, -4.24, 0.7, 13.3, -4.35, -3.4},  // boost
    {"", 4, 34, 20, 4, true, 8.56, -5.56, 0.7, 13.3, -5.55, -4.6},  // boss key
    {"", 7, 8, 8, 4, false, 6.5, -7.0, 4.6, 9.4, -7.7, -6.8},       // Defaults
}};

// The item numbers of each page (tabs 1..3 belong to none).
inline constexpr int kFirstItemOfPage[3] = {4, 10, 12};
inline constexpr int kLastItemOfPage[3] = {9, 11, 18};

// The page an item belongs to, or -1 for a tab.
constexpr int PageOfItem(int item) {
    if (item >= 4 && item <= 9) return 0;
    if (item == 10 || item == 11) return 1;
    if (item >= 12 && item <= 18) return 2;
    return -1;
}

struct Image {
    bool forms;  // from "data\Forms.dat" (the frame), else "data\OptMenu.dat"
    uint16_t entry;
    int32_t priority;
    double width, height;
    double x, y;  // the knobs' x is computed from the volume
};

inline constexpr int kImageCount = 20;

// images[i - 1] is image i.
inline constexpr std::array<Image, kImageCount> kImages{{
    {true, 3, 2, 20, 18, 6.5, -0.7},           // panel frame
    {false, 0, 3, 8, 3, 6.5, 6.3},             // title
    {false, 1, 3, 20, 16, 6.5, -1.5},          // page 0 panel
    {false, 3, 3, 20, 16, 6.5, -1.5},          // page 1 panel
    {false, 2, 3, 20, 16, 6.5, -1.5},          // page 2 panel
    {false, 10, 3, 12.4, 8.4, 1.2, 4.0},       // active tab, page 0
    {false, 13, 3, 12.4, 8.4, 6.7, 4.0},       // active tab, page 1
    {false, 16, 3, 12.4, 8.4, 12.2, 4.0},      // active tab, page 2
    {false, 20, 3, 8, 2, 13.04, 1.46},         // windowed
    {false, 22, 3, 8, 2, 10.62, 1.46},         // full screen
    {false, 20, 3, 8, 2, 12.77, -3.04},        // engine option off
    {false, 22, 3, 8, 2, 10.35, -3.04},        // engine option on
    {false, 20, 3, 8, 2, 12.85, -4.5},         // shadows off
    {false, 22, 3, 8, 2, 10.35, -4.5},         // shadows on
    {false, 19, 3, 2, 2, 14.43, 0.04},         // resolution, right arrow lit
    {false, 18, 3, 2, 2, 9.37, 0.0},           // resolution, left arrow lit
    {false, 19, 3, 2, 2, 14.43, -1.51},        // colour depth, right arrow lit
    {false, 18, 3, 2, 2, 9.37, -1.55},         // colour depth, left arrow lit
    {false, 24, 3, 4, 4, 4.5, 0.2},            // music knob
    {false, 24, 3, 4, 4, 4.5, -3.18},          // effects knob
}};

// The knob's centre x for a volume 0..100: 4.5 at 0, 13.7 at 100.
constexpr double KnobX(int32_t volume) { return 4.5 + 9.2 * volume / 100.0; }

}  // namespace opt_menu_layout
