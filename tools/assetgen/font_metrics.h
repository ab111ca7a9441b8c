// The cell metrics of the game's bitmap font, in ems (the em is the text size
// iPrint is given), shared by the font generator and its tests.
#pragma once

namespace assetgen {

inline constexpr int kEmPixels = 64;        // atlas pixels per em
inline constexpr double kGlyphScale = 1.4;  // glyphs are drawn at this many times the face's size
inline constexpr double kLetterEm = 0.96;   // advance of letters and every other sign not below
inline constexpr double kDigitEm = 0.5;     // digits and the minus (the HUD right-aligns by them)
inline constexpr double kSpaceEm = 0.5;     // the word space, as wide as a digit
inline constexpr double kStopEm = 0.4;      // the small stops . , : ; ' !
// How far a glyph's fill may reach past either side of its cell before it is
// condensed. Every text the game prints spaces characters at least 0.2 em apart,
// so neighbouring fills keep at least 0.1 em between them.
inline constexpr double kOverhangEm = 0.05;
inline constexpr int kRimPixels = 3;  // the dark rim around each glyph, atlas pixels

inline constexpr bool TakesDigitCell(char c) { return (c >= '0' && c <= '9') || c == '-'; }
inline constexpr bool IsStop(char c) {
    return c == '.' || c == ',' || c == ':' || c == ';' || c == '\'' || c == '!';
}
inline constexpr double AdvanceEm(char c) {
    return TakesDigitCell(c) ? kDigitEm : c == ' ' ? kSpaceEm : IsStop(c) ? kStopEm : kLetterEm;
}

}  // namespace assetgen
