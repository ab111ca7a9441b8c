// A real pebbledash-scores on each back end: the game's exchange, every kind of bad input, tokens, the page.
#include <gtest/gtest.h>

#include <httplib.h>

#include <chrono>
#include <thread>

#include "online/score_encoding.h"
#include "server/score_store.h"
#include "server_harness.h"

namespace {

using scores_test::Get;
using scores_test::Reply;

std::string Submission(const std::string& text)
{
    return std::string(online::SubmissionRequestPath) + online::EncodeSubmission(text);
}

int StoredRows(const std::string& database)
{
    scores::TScoreStore store;
    std::string error;
    if (!store.Open(database, error)) return -1;
    int rows = 0;
    for (int d = 0; d < 3; ++d) rows += static_cast<int>(store.Best(d, 1000).size());
    return rows;
}

class ServerFlow : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(database.Address().empty()) << "no test database (is the PostgreSQL fixture running?)";
        ASSERT_TRUE(server.Start(database.Address(), 0, {"--token-rate", "1000", "--token-burst", "1000"}));
        port = server.Port();
    }

    scores_test::TTestDatabase database{GetParam()};
    scores_test::TServerProcess server;
    int port = 0;
};

TEST_P(ServerFlow, StoresGoodSubmissionsOnceAndRefusesEveryBadOne)
{
    const Reply version = Get(port, std::string(online::VersionRequestPath));
    ASSERT_EQ(version.status, 200);
    EXPECT_EQ(version.body.substr(0, 2), "OK");
    const std::string token = scores_test::FifthField(version.body);
    ASSERT_FALSE(token.empty()) << version.body;

    const std::string good = online::BuildSubmissionText(1, "<b>x", 4321, token, "a|b=c");
    Reply reply = Get(port, Submission(good));
    EXPECT_EQ(reply.status, 200) << reply.body;
    reply = Get(port, Submission(good));
    EXPECT_EQ(reply.status, 409) << "a token stores one score only: " << reply.body;

    struct Case {
        const char* what;
        std::string target;   // "" means: the text with a fresh token in place of "@", padded
        std::string text;
        int status;
        const char* reason;
    };
    const std::string encoded = online::EncodeSubmission(online::BuildSubmissionText(0, "a", 5, "T", "c"));
    const std::string base = std::string(online::SubmissionRequestPath);
    const Case cases[] = {
        {"unknown symbol", base + encoded.substr(0, 8) + "-" + encoded.substr(9), "", 400, "symbol"},
        {"length not a multiple of 8", base + encoded.substr(1), "", 400, "multiple of 8"},
        {"length of no valid text", base + std::string(8 * 40, 'k'), "", 400, "longer"},
        {"no inf", "/cgi/version.pl?hs&prg=Pebbledash", "", 400, "inf"},
        {"other program", "/cgi/version.pl?version&prg=Other", "", 400, "prg"},
        {"two asks", "/cgi/version.pl?version&hs&prg=Pebbledash", "", 400, "exactly one"},
        {"repeated parameter", "/cgi/version.pl?version&prg=Pebbledash&prg=Pebbledash", "", 400, "repeated"},
        {"target over the limit", base + std::string(600, 'k'), "", 414, "512"},
        {"page of difficulty 3", std::string(online::WorldScoresPath) + "3", "", 400, "difficulty"},
        {"missing key", "", "type=1|name=a|score=5|p=@|add=c|z=", 400, "fields"},
        {"extra field", "", "type=1|name=a|score=5|key=R|x=1|p=@|add=c|z=", 400, "fields"},
        {"missing z", "", "type=1|name=a|score=5|key=R|p=@|add=c", 400, "field z"},
        {"fields out of order", "", "name=a|type=1|score=5|key=R|p=@|add=c|z=", 400, "type"},
        {"filler too long", "", "type=1|name=a|score=5|key=R|p=@|add=c|z=|00000", 400, "filler"},
        {"difficulty 3", "", "type=3|name=a|score=5|key=R|p=@|add=c|z=", 400, "difficulty"},
        {"difficulty -1", "", "type=-1|name=a|score=5|key=R|p=@|add=c|z=", 400, "difficulty"},
        {"name of 11", "", "type=1|name=abcdefghijk|score=5|key=R|p=@|add=c|z=", 400, "name is longer"},
        {"tab in name", "", "type=1|name=a\tb|score=5|key=R|p=@|add=c|z=", 400, "control"},
        {"C1 byte in country", "", "type=1|name=a|score=5|key=R|p=@|add=\x85|z=", 400, "control"},
        {"country of 11", "", "type=1|name=a|score=5|key=R|p=@|add=abcdefghijk|z=", 400, "country"},
        {"score not a number", "", "type=1|name=a|score=12a|key=R|p=@|add=c|z=", 400, "not a decimal"},
        {"negative score", "", "type=1|name=a|score=-5|key=R|p=@|add=c|z=", 400, "not a decimal"},
        {"score with leading zero", "", "type=1|name=a|score=05|key=R|p=@|add=c|z=", 400, "not a decimal"},
        {"score past 32 bits", "", "type=1|name=a|score=2147483648|key=R|p=@|add=c|z=", 400, "out of range"},
        {"wrong key", "", "type=1|name=a|score=5|key=Q|p=@|add=c|z=", 400, "wrong key"},
        {"token never issued", "", "type=1|name=a|score=5|key=R|p=NeverIssued1|add=c|z=", 403, "unknown"},
    };
    for (const Case& bad : cases) {
        std::string target = bad.target;
        if (target.empty()) {
            std::string text = bad.text;
            const std::size_t filler = text.find("|00000");  // five more zeros after the padding
            if (filler != std::string::npos) text.erase(filler);
            const std::size_t at = text.find('@');
            if (at != std::string::npos) text.replace(at, 1, scores_test::FetchToken(port));
            online::PadSubmissionText(text);
            if (filler != std::string::npos) text += "00000";
            target = Submission(text);
        }
        reply = Get(port, target);
        EXPECT_EQ(reply.status, bad.status) << bad.what << ": " << reply.body;
        EXPECT_NE(reply.body.find(bad.reason), std::string::npos) << bad.what << ": " << reply.body;
    }
    EXPECT_EQ(StoredRows(database.Address()), 1) << "a refused submission stored something";

    // A refused submission leaves its token usable for the corrected one.
    const std::string second = scores_test::FetchToken(port);
    EXPECT_EQ(Get(port, Submission(online::BuildSubmissionText(3, "Ann", 7, second, "c"))).status, 400);
    EXPECT_EQ(Get(port, Submission(online::BuildSubmissionText(2, "Ann", 7, second, "c"))).status, 200);
    EXPECT_EQ(StoredRows(database.Address()), 2);

    // The page shows the names as typed, as text.
    const Reply page = Get(port, std::string(online::WorldScoresPath) + "1");
    ASSERT_EQ(page.status, 200);
    EXPECT_NE(page.body.find("&lt;b&gt;x"), std::string::npos);
    EXPECT_EQ(page.body.find("<b>x"), std::string::npos);
    EXPECT_NE(page.body.find("a|b=c"), std::string::npos);
    EXPECT_NE(page.body.find(">4321<"), std::string::npos);
    EXPECT_NE(page.body.find("<section class=\"chosen\" id=\"type1\">"), std::string::npos);
}

TEST_P(ServerFlow, RacingUsesOfOneTokenStoreOneRowAndExpiredTokensNone)
{
    const std::string target = Submission(online::BuildSubmissionText(0, "Racer", 99, scores_test::FetchToken(port), "c"));
    std::vector<int> statuses(8);
    std::vector<std::thread> racers;
    for (int& status : statuses) racers.emplace_back([&] { status = Get(port, target).status; });
    for (std::thread& racer : racers) racer.join();
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 200), 1);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 409), 7);

    scores::TScoreStore store;
    std::string error;
    ASSERT_TRUE(store.Open(database.Address(), error)) << error;
    ASSERT_TRUE(store.AddToken("Old", 1000, 900));
    EXPECT_EQ(store.Submit("Old", {0, "late", "c", 5, 0}, 1001), scores::SubmitResult::ExpiredToken);
    EXPECT_EQ(store.Submit("Old", {0, "late", "c", 5, 0}, 1000), scores::SubmitResult::Stored);
    EXPECT_EQ(StoredRows(database.Address()), 2);
}

INSTANTIATE_TEST_SUITE_P(Backends, ServerFlow, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "PostgreSQL" : "SQLite"; });

TEST(ServerLimits, OneAddressAskingForTokensTooFastIsSlowedDown)
{
    scores_test::TTestDatabase database(false);
    scores_test::TServerProcess server;
    ASSERT_TRUE(server.Start(database.Address(), 0, {"--token-rate", "0.001", "--token-burst", "3"}));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(scores_test::FetchToken(server.Port()).empty());
    httplib::Client client("127.0.0.1", server.Port());
    const httplib::Result refused = client.Get(std::string(online::VersionRequestPath));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 429);
    EXPECT_GE(std::stoi(refused->get_header_value("Retry-After")), 1);
    EXPECT_NE(refused->body.substr(0, 2), "OK");
    EXPECT_EQ(Get(server.Port(), std::string(online::WorldScoresPath) + "0").status, 200) << "the page is not limited";
}

}  // namespace
