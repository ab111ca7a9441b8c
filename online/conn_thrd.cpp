// The score submission's thread procedure and the version reply's token.
#include "online/conn_thrd.h"

#include <utility>

#include "online/score_encoding.h"

namespace {

bool IsText(std::string_view reply) {
    for (const char c : reply) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> VersionReplyToken(std::string_view reply) {
    if (reply.substr(0, 2) != "OK" || !IsText(reply)) return std::nullopt;
    // Five times: the text before the first "|" becomes the field and the rest is kept;
    // without a "|" the field is empty and the rest stays as it is.
    std::string_view rest = reply;
    std::string_view field;
    for (int i = 0; i < 5; ++i) {
        const size_t bar = rest.find('|');
        if (bar == std::string_view::npos) {
            field = {};
            continue;
        }
        field = rest.substr(0, bar);
        rest = rest.substr(bar + 1);
    }
    return std::string(field);
}

ConnThrd::ConnThrd(Get get, std::string server, ScoreSubmission submission, FrameHandOff& handOff, Outcome outcome)
    : get_(std::move(get)),
      server_(std::move(server)),
      submission_(std::move(submission)),
      handOff_(handOff),
      outcome_(std::move(outcome)),
      thread_([this] { Execute(); }) {}

void ConnThrd::Execute() {
    const platform::HttpReply version = get_(server_ + std::string(online::VersionRequestPath));
    const std::optional<std::string> token = version.ok ? VersionReplyToken(version.body) : std::nullopt;
    if (!token) {
        handOff_.Post(outcome_.failed);
        return;
    }
    const std::string text = online::BuildSubmissionText(submission_.difficulty, submission_.name, submission_.score,
                                                          *token, submission_.country);
    // The submission's own answer is not looked at: the run finishes as sent either way.
    get_(server_ + std::string(online::SubmissionRequestPath) + online::EncodeSubmission(text));
    handOff_.Post(outcome_.done);
}
