// Many clients submitting at once to a score server, as the game does, for the load test and bench.
#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace scores {

struct LoadOptions {
    std::string host = "127.0.0.1";
    int port = 8080;
    int clients = 8;             // concurrent clients, one thread each
    int perClient = 25;          // submissions per client
    std::string namePrefix = "L"; // names are the prefix and a running number, unique per run
    double deadlineSeconds = 30; // a client gives up on a submission after this long in all
};

struct LoadOutcome {
    int acknowledged = 0;        // answered "OK stored"
    int storedUnacknowledged = 0;// reply lost, then a retry with the same token found it used
    int refused = 0;             // any other answer: a fault
    int gaveUp = 0;              // no answer before the deadline
    int transportFailures = 0;   // requests that met a closed or broken connection
    double seconds = 0;          // wall time of the whole run
    std::vector<double> latencies;  // milliseconds, version request to acknowledgement
    std::vector<std::string> names; // every name submitted
    std::vector<std::string> problems; // the first few refusals, for the report
};

// Each client repeats the game's exchange: version request (retried until it gets a token),
// then the submission, retried with the same token while the connection fails or the store
// is unavailable. A retry that finds its token used means the first try was stored.
class TLoadRun {
public:
    explicit TLoadRun(const LoadOptions& options) : options(options) {}

    LoadOutcome Run();
    // Acknowledgements so far, readable while Run works on another thread.
    int Acknowledged() const { return acknowledged.load(); }

private:
    void Client(int index, LoadOutcome& outcome);

    LoadOptions options;
    std::atomic<int> acknowledged{0};
};

// The p-th percentile (0..100) of the values, nearest rank; 0 when empty.
double Percentile(std::vector<double> values, double p);

}  // namespace scores
