// The banner rule shared by the race's three big texts.
#include "race/race_banner.h"

#include <cmath>

namespace {
constexpr long double kPulseEnd = 4 * 3.14159265358979323846L;
constexpr long double kShrinkStep = 0.05L;
}  // namespace

void RaceBanner::Start() {
    Visible = 2.0L;
    Scale = 0;
    Alpha = 0;
    Phase = 0;
    Pulsing = true;
}

void RaceBanner::Advance(long double growth, long double phaseStep, bool mayStopPulsing) {
    if (Pulsing) {
        if (Scale < 1) {
            Scale += growth;
            Alpha += growth;
        } else if (Phase < kPulseEnd) {
            Alpha = std::cos(Phase) * 0.4L + 0.6L;
            Phase += phaseStep;
        } else if (mayStopPulsing) {
            Pulsing = false;
        }
        return;
    }
    if (Scale > 0) {
        Scale -= kShrinkStep;
        Alpha -= kShrinkStep;
    } else {
        Visible = -1;
    }
}
