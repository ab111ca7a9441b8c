// Many clients at once on each back end, the server killed mid-load and restarted: nothing acknowledged lost, nothing stored twice.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <map>
#include <thread>

#include "server/load_run.h"
#include "server/score_store.h"
#include "server_harness.h"

namespace {

class LoadFaults : public testing::TestWithParam<bool> {};

TEST_P(LoadFaults, KilledMidLoadTheServerKeepsEveryAcknowledgedScoreOnce)
{
    scores_test::TTestDatabase database(GetParam());
    ASSERT_FALSE(database.Address().empty()) << "no test database (is the PostgreSQL fixture running?)";
    const std::vector<std::string> options = {"--token-rate", "100000", "--token-burst", "100000", "--threads", "12"};
    scores_test::TServerProcess server;
    ASSERT_TRUE(server.Start(database.Address(), 0, options));
    const int port = server.Port();

    scores::LoadOptions load;
    load.port = port;
    load.clients = 8;
    load.perClient = 20;
    load.deadlineSeconds = 40;
    scores::TLoadRun run(load);
    scores::LoadOutcome outcome;
    std::thread clients([&] { outcome = run.Run(); });

    // Kill hard once a quarter is acknowledged, while the clients are mid-exchange, then bring
    // the server back on the same port.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(40);
    while (run.Acknowledged() < 40 && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    server.Kill(SIGKILL);
    const int acknowledgedBeforeKill = run.Acknowledged();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    scores_test::TServerProcess restarted;
    const bool back = restarted.Start(database.Address(), port, options);
    clients.join();
    ASSERT_TRUE(back) << "the server did not restart on port " << port;

    EXPECT_LT(acknowledgedBeforeKill, 160) << "the kill came after the load";
    EXPECT_GT(outcome.transportFailures, 0) << "the kill interrupted no client";
    EXPECT_EQ(outcome.refused, 0) << (outcome.problems.empty() ? "" : outcome.problems.front());
    EXPECT_EQ(outcome.gaveUp, 0);
    EXPECT_EQ(outcome.acknowledged + outcome.storedUnacknowledged, 160);

    scores::TScoreStore store;
    std::string error;
    ASSERT_TRUE(store.Open(database.Address(), error)) << error;
    std::map<std::string, int> stored;
    for (int d = 0; d < 3; ++d)
        for (const scores::ScoreEntry& row : store.Best(d, 1000)) ++stored[row.name];
    ASSERT_EQ(outcome.names.size(), 160u);
    for (const std::string& name : outcome.names) EXPECT_EQ(stored[name], 1) << name;
    EXPECT_EQ(stored.size(), 160u);
}

INSTANTIATE_TEST_SUITE_P(Backends, LoadFaults, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "PostgreSQL" : "SQLite"; });

}  // namespace
