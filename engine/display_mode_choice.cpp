// Choosing a full-screen mode from the display's list.
#include "engine/display_mode_choice.h"

#include <cstdint>

namespace engine {

namespace {

int64_t Area(const DisplayModeRequest& mode) { return int64_t(mode.width) * mode.height; }

// Of two modes of the same size, whether `candidate` has the better depth for `want`.
bool BetterDepth(const DisplayModeRequest& candidate, const DisplayModeRequest& best, int wantBits) {
    if (best.bits == wantBits) return false;
    if (candidate.bits == wantBits) return true;
    return candidate.bits > best.bits;
}

}  // namespace

std::optional<size_t> ChooseFullScreenMode(const DisplayModeRequest& want,
                                           std::span<const DisplayModeRequest> offered) {
    // Ranks: 0 the asked size, 1 larger both ways, 2 anything else.
    const auto rank = [&want](const DisplayModeRequest& mode) {
        if (mode.width == want.width && mode.height == want.height) return 0;
        if (mode.width >= want.width && mode.height >= want.height) return 1;
        return 2;
    };
    std::optional<size_t> best;
    for (size_t i = 0; i < offered.size(); ++i) {
        const DisplayModeRequest& mode = offered[i];
        if (mode.width <= 0 || mode.height <= 0) continue;
        if (!best) {
            best = i;
            continue;
        }
        const DisplayModeRequest& chosen = offered[*best];
        const int modeRank = rank(mode), chosenRank = rank(chosen);
        if (modeRank != chosenRank) {
            if (modeRank < chosenRank) best = i;
            continue;
        }
        if (Area(mode) != Area(chosen)) {
            // Larger modes: the smallest; smaller modes: the largest.
            const bool nearer = modeRank == 1 ? Area(mode) < Area(chosen) : Area(mode) > Area(chosen);
            if (nearer) best = i;
            continue;
        }
        if (mode.width == chosen.width && BetterDepth(mode, chosen, want.bits)) best = i;
    }
    return best;
}

}  // namespace engine
