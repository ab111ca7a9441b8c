// The fade of a button's highlight: 2 percent per frame, whatever the frame time.
#pragma once

// The highlight alpha after one frame: up by 2 to at most 100 while the button is
// selected and enabled, otherwise down by 2 to at least 0. A full fade takes 50 frames.
constexpr int NextHighlightAlpha(int alpha, bool fadeIn) {
    if (fadeIn) {
        if (alpha < 100) alpha += 2;
        return alpha > 100 ? 100 : alpha;
    }
    if (alpha > 0) alpha -= 2;
    return alpha < 0 ? 0 : alpha;
}
