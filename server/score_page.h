// The world high-score page: one table per difficulty as plain HTML.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "server/score_entry.h"

namespace scores {

// Text made safe inside HTML element content and attribute values.
std::string EscapeHtml(std::string_view text);

// tables[d] holds the best rows of difficulty d in rank order; the table of `chosen` is marked
// and scrolled to.
std::string RenderScorePage(const std::vector<ScoreEntry> tables[3], int chosen);

}  // namespace scores
