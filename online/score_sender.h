// The current score submission: starts a new ConnThrd on each Yes and carries its final
// steps to the frame loop.
#pragma once

#include <memory>
#include <string>

#include "online/conn_thrd.h"
#include "online/frame_hand_off.h"
#include "platform/platform.h"

class ScoreSender {
public:
    // `server`: the score server's base address. `get` replaces the HTTP client (tests);
    // empty, the sender's own bounded client is used.
    ScoreSender(std::string server, ConnThrd::Outcome outcome, ConnThrd::Get get = {});
    // Waits for a thread still running (its exchange is bounded by the client's time-outs).
    ~ScoreSender();
    ScoreSender(const ScoreSender&) = delete;
    ScoreSender& operator=(const ScoreSender&) = delete;

    // Yes in AppState 24 or 27: the previous thread is waited for and freed first, so two
    // never run at once; then AppState 26 and a new thread is started.
    void Start(const ScoreSubmission& submission);
    // The main thread, before each run step: the final steps the thread handed over.
    void RunHandedSteps() { handOff_.RunPosted(); }
    // A thread was started and has not ended yet.
    bool Running() const { return current_ && !current_->Finished(); }
    const std::string& Server() const { return server_; }

private:
    std::string server_;
    ConnThrd::Outcome outcome_;
    platform::HttpClient http_;
    ConnThrd::Get get_;
    FrameHandOff handOff_;
    std::unique_ptr<ConnThrd> current_;  // kept after it ends; freed by the next Start
};
