// Starting score submissions one at a time.
#include "online/score_sender.h"

#include <utility>

#include "core/app_state.h"

ScoreSender::ScoreSender(std::string server, ConnThrd::Outcome outcome, ConnThrd::Get get)
    : server_(std::move(server)), outcome_(std::move(outcome)), get_(std::move(get)) {
    while (!server_.empty() && server_.back() == '/') server_.pop_back();
    if (!get_) get_ = [this](const std::string& url) { return http_.Get(url); };
}

ScoreSender::~ScoreSender() {
    if (current_) current_->Join();
}

void ScoreSender::Start(const ScoreSubmission& submission) {
    if (current_) {
        current_->Join();
        current_.reset();
    }
    current_ = std::make_unique<ConnThrd>(get_, server_, submission, handOff_, outcome_);
    AppState = StateSending;
    current_->Resume();
}
