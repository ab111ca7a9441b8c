// The score submission: the version reply's fifth field, what the thread asks for, and its
// final steps taking effect only between two frames, one thread at a time.
#include "online/conn_thrd.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/app_state.h"
#include "online/score_encoding.h"
#include "online/score_sender.h"

namespace {

TEST(VersionReplyToken, TheFifthFieldOfAnOkReply) {
    using namespace std::string_literals;
    const struct {
        std::string reply;
        std::optional<std::string> token;
    } cases[] = {
        {"OK|1|Pebbledash|300|TOKEN|", "TOKEN"},  // the server's reply
        {"OK|1|2|3|4|5|6", "4"},                  // more fields: still the fifth
        {"OK|1|2|3|4", ""},                       // four separators: no fifth field
        {"OK", ""},                               // no "|" at all: sent with an empty token
        {"OKAY|a|b|c|T|", "T"},
        {"OK|1|2|3|T\t|\r\n", "T\t"},             // tab, CR and LF are text
        {"Ok|1|2|3|T|", std::nullopt},            // the comparison is exact
        {"ok|1|2|3|T|", std::nullopt},
        {" OK|1|2|3|T|", std::nullopt},
        {"O", std::nullopt},
        {"", std::nullopt},
        {"OK|1|2|3|T\0x|"s, std::nullopt},        // not text
        {"OK|1|2|3|T|\x01", std::nullopt},
        {"OK|1|2|3|\x7f|", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(VersionReplyToken(c.reply), c.token) << '"' << c.reply << '"';
}

// A fake server: records the URLs, answers the version request with `version`.
struct FakeServer {
    std::mutex mutex;
    std::vector<std::string> urls;
    platform::HttpReply version{true, "OK|1|Pebbledash|300|T0K|", ""};
    std::atomic<int> inside{0}, mostInside{0};

    ConnThrd::Get Get() {
        return [this](const std::string& url) {
            const int now = ++inside;
            for (int most = mostInside; now > most && !mostInside.compare_exchange_weak(most, now);) {
            }
            // Long enough for a second thread, were one started, to overlap this one.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            {
                std::lock_guard<std::mutex> lock(mutex);
                urls.push_back(url);
            }
            --inside;
            return url.find("version&") != std::string::npos ? version : platform::HttpReply{false, "", "down"};
        };
    }
};

// Runs the frame loop's hand-over until the thread's outcome arrived.
void WaitForOutcome(ScoreSender& sender, const std::vector<std::string>& outcomes, size_t count) {
    while (outcomes.size() < count) {
        sender.RunHandedSteps();
        std::this_thread::yield();
    }
}

TEST(ScoreSender, SendsTheTokenWithTheScoreAndHandsItsStepsToTheFrameLoop) {
    FakeServer server;
    std::vector<std::string> outcomes;
    ScoreSender sender("http://scores.test:8080/", {[&] { outcomes.push_back("failed"); },
                                                    [&] { outcomes.push_back("done"); }},
                       server.Get());
    AppState = StateSendResultAsk;
    sender.Start({2, "a|b=c", 4321, "Oz"});
    EXPECT_EQ(AppState, StateSending);
    while (sender.Running()) std::this_thread::yield();
    EXPECT_TRUE(outcomes.empty()) << "nothing happens on the thread itself";
    sender.RunHandedSteps();
    ASSERT_EQ(outcomes, (std::vector<std::string>{"done"})) << "a failed submission request still finishes";
    ASSERT_EQ(server.urls.size(), 2u);
    EXPECT_EQ(server.urls[0], "http://scores.test:8080/cgi/version.pl?version&prg=Pebbledash");
    EXPECT_EQ(server.urls[1], "http://scores.test:8080" + std::string(online::SubmissionRequestPath) +
                                  online::EncodeSubmission(online::BuildSubmissionText(2, "a|b=c", 4321, "T0K", "Oz")));

    // A failed version request: the retry question, and no submission.
    server.version = {false, "OK|1|2|3|4|", "HTTP status 500"};
    sender.Start({0, "x", 1, ""});
    WaitForOutcome(sender, outcomes, 2);
    EXPECT_EQ(outcomes.back(), "failed");
    EXPECT_EQ(server.urls.size(), 3u);
}

TEST(ScoreSender, RetriesNeverRunTwoThreadsAtOnce) {
    FakeServer server;
    server.version = {true, "refused", ""};
    std::vector<std::string> outcomes;
    ScoreSender sender("http://scores.test", {[&] { outcomes.push_back("failed"); }, [&] { outcomes.push_back("done"); }},
                       server.Get());
    for (int retry = 0; retry < 4; ++retry) sender.Start({1, "n", 5, "c"});
    WaitForOutcome(sender, outcomes, 4);
    EXPECT_EQ(outcomes, (std::vector<std::string>(4, "failed")));
    EXPECT_EQ(server.mostInside, 1);
    EXPECT_EQ(server.urls.size(), 4u);
}

}  // namespace
