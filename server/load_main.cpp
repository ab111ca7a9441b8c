// pebbledash-scores-load: many concurrent clients submitting to a score server; prints the figures.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "server/load_run.h"
#include "server/score_store.h"

namespace {

constexpr const char* Usage =
    "usage: pebbledash-scores-load --server HOST:PORT [--clients N] [--per-client N]\n"
    "                              [--prefix TEXT] [--verify DB]\n"
    "  --verify  after the run, check in the server's database (SQLite file or PostgreSQL URL)\n"
    "            that every submission is stored exactly once\n";

// Every name of the run once in the store, nothing else with the prefix. Prints the faults.
bool Verify(const std::string& database, const scores::LoadOutcome& outcome, const std::string& prefix)
{
    scores::TScoreStore store;
    std::string error;
    if (!store.Open(database, error)) {
        std::fprintf(stderr, "verify: %s\n", error.c_str());
        return false;
    }
    std::map<std::string, int> seen;
    for (int d = 0; d < 3; ++d) {
        bool ok = false;
        for (const scores::ScoreEntry& row : store.Best(d, 1 << 30, &ok))
            if (row.name.rfind(prefix, 0) == 0) ++seen[row.name];
        if (!ok) {
            std::fprintf(stderr, "verify: cannot read the scores\n");
            return false;
        }
    }
    int lost = 0, doubled = 0;
    for (const std::string& name : outcome.names) {
        const int count = seen[name];
        lost += count == 0;
        doubled += count > 1;
    }
    std::printf("verify: %zu stored, %d lost, %d stored twice, %zu unexpected\n", seen.size(), lost, doubled,
                seen.size() - (outcome.names.size() - lost));
    return lost == 0 && doubled == 0 && seen.size() == outcome.names.size();
}

}  // namespace

int main(int argc, char** argv)
{
    scores::LoadOptions options;
    std::string verify;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const std::string value = argv[i + 1];
        if (flag == "--server") {
            const std::size_t colon = value.rfind(':');
            options.host = value.substr(0, colon);
            options.port = colon == std::string::npos ? 0 : std::atoi(value.c_str() + colon + 1);
        } else if (flag == "--clients") {
            options.clients = std::atoi(value.c_str());
        } else if (flag == "--per-client") {
            options.perClient = std::atoi(value.c_str());
        } else if (flag == "--prefix") {
            options.namePrefix = value;
        } else if (flag == "--verify") {
            verify = value;
        } else {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (argc % 2 == 0 || options.port <= 0 || options.clients <= 0 || options.perClient <= 0) {
        std::fputs(Usage, stderr);
        return 2;
    }
    scores::TLoadRun run(options);
    const scores::LoadOutcome outcome = run.Run();
    const std::size_t total = outcome.names.size();
    std::printf("submissions %zu  acknowledged %d  stored-unacknowledged %d  refused %d  gave-up %d"
                "  transport-failures %d\n",
                total, outcome.acknowledged, outcome.storedUnacknowledged, outcome.refused, outcome.gaveUp,
                outcome.transportFailures);
    std::printf("seconds %.2f  submissions/s %.1f  p50 %.1f ms  p99 %.1f ms\n", outcome.seconds,
                outcome.acknowledged / outcome.seconds, scores::Percentile(outcome.latencies, 50),
                scores::Percentile(outcome.latencies, 99));
    for (const std::string& problem : outcome.problems) std::printf("refused: %s", problem.c_str());
    bool fine = outcome.refused == 0 && outcome.gaveUp == 0;
    if (!verify.empty()) fine = Verify(verify, outcome, options.namePrefix) && fine;
    return fine ? 0 : 1;
}
