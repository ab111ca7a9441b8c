// The rows the score store keeps and the outcomes of a submission.
#pragma once

#include <cstdint>
#include <string>

namespace scores {

struct ScoreEntry {
    int difficulty = 0;
    std::string name;           // UTF-8, as typed
    std::string country;        // UTF-8, as typed
    std::int64_t score = 0;
    std::int64_t submitted = 0; // Unix time, seconds
};

// Outcome of storing a submission. Only Stored wrote anything.
enum class SubmitResult { Stored, UnknownToken, UsedToken, ExpiredToken, Failed };

}  // namespace scores
