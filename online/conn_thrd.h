// ConnThrd: the score submission's background thread: the version request, then the encoded score.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "online/frame_hand_off.h"
#include "platform/platform.h"

// What one submission sends, taken on the main thread when the player says Yes.
struct ScoreSubmission {
    int difficulty = 0;   // CurrentDifficulty, 0..2
    std::string name;     // the name typed on the name-entry screen, at most 10 characters
    int32_t score = 0;    // the race's score
    std::string country;  // lastCountry of the settings, at most 10 characters
};

// The submission token of a version reply: its fifth "|"-separated field. Nothing when the
// reply does not begin with exactly "OK" or is not text (it holds a NUL or a control byte
// other than tab, CR and LF); empty when the reply has fewer than five "|".
std::optional<std::string> VersionReplyToken(std::string_view reply);

class ConnThrd {
public:
    using Get = std::function<platform::HttpReply(const std::string& url)>;
    // The thread's final steps, handed to the frame loop (never run on the thread).
    struct Outcome {
        std::function<void()> failed;  // the version step failed: the retry question
        std::function<void()> done;    // the score was sent (or its request failed unseen)
    };

    // Created suspended on the platform's lowest-priority worker thread. `get` and
    // `handOff` must outlive the thread; `server` is the base address, no trailing slash.
    ConnThrd(Get get, std::string server, ScoreSubmission submission, FrameHandOff& handOff, Outcome outcome);

    void Resume() { thread_.Resume(); }
    bool Finished() const { return thread_.Finished(); }
    void Join() { thread_.Join(); }

    // The thread procedure: GET the version; on a failed request or a reply without "OK"
    // hand over `failed` and end. Otherwise GET the submission with the token in it,
    // whatever its answer hand over `done`.
    void Execute();

private:
    Get get_;
    std::string server_;
    ScoreSubmission submission_;
    FrameHandOff& handOff_;
    Outcome outcome_;
    platform::WorkerThread thread_;  // last: joined before the members it uses go
};
