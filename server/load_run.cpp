// Runs the concurrent clients of a load test against a score server over loopback.
#include "server/load_run.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "online/score_encoding.h"

namespace scores {
namespace {

using Clock = std::chrono::steady_clock;

// The fifth "|" field of a version reply beginning "OK", as the game reads it; empty otherwise.
std::string FifthField(const std::string& reply)
{
    if (reply.rfind("OK", 0) != 0) return {};
    std::size_t at = 0;
    for (int field = 1; field < 5; ++field) {
        at = reply.find('|', at);
        if (at == std::string::npos) return {};
        ++at;
    }
    const std::size_t end = reply.find('|', at);
    return end == std::string::npos ? std::string() : reply.substr(at, end - at);
}

}  // namespace

double Percentile(std::vector<double> values, double p)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t rank = static_cast<std::size_t>(std::ceil(p / 100 * values.size()));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

void TLoadRun::Client(int index, LoadOutcome& outcome)
{
    httplib::Client client(options.host, options.port);
    client.set_keep_alive(true);
    client.set_connection_timeout(2, 0);
    client.set_read_timeout(5, 0);
    const auto pause = std::chrono::milliseconds(20);
    for (int i = 0; i < options.perClient; ++i) {
        const int number = index * options.perClient + i;
        const std::string name = options.namePrefix + std::to_string(number);
        outcome.names.push_back(name);
        const Clock::time_point start = Clock::now();
        const Clock::time_point deadline = start + std::chrono::duration_cast<Clock::duration>(
                                                       std::chrono::duration<double>(options.deadlineSeconds));
        std::string token;
        while (token.empty() && Clock::now() < deadline) {
            const httplib::Result reply = client.Get(std::string(online::VersionRequestPath));
            if (reply && reply->status == 200) token = FifthField(reply->body);
            if (!reply) ++outcome.transportFailures;
            if (token.empty()) std::this_thread::sleep_for(pause);
        }
        if (token.empty()) {
            ++outcome.gaveUp;
            continue;
        }
        const std::string text = online::BuildSubmissionText(number % 3, name, 1000 + number, token, "Load");
        const std::string path = std::string(online::SubmissionRequestPath) + online::EncodeSubmission(text);
        bool retried = false;
        bool done = false;
        while (!done && Clock::now() < deadline) {
            const httplib::Result reply = client.Get(path);
            if (!reply || reply->status == 503) {
                if (!reply) ++outcome.transportFailures;
                retried = true;
                std::this_thread::sleep_for(pause);
                continue;
            }
            done = true;
            if (reply->status == 200) {
                ++outcome.acknowledged;
                ++acknowledged;
                outcome.latencies.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            } else if (reply->status == 409 && retried) {
                ++outcome.storedUnacknowledged;
            } else {
                ++outcome.refused;
                outcome.problems.push_back(name + ": " + std::to_string(reply->status) + " " + reply->body);
            }
        }
        if (!done) ++outcome.gaveUp;
    }
}

LoadOutcome TLoadRun::Run()
{
    std::vector<LoadOutcome> parts(options.clients);
    std::vector<std::thread> threads;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < options.clients; ++i) threads.emplace_back([this, i, &parts] { Client(i, parts[i]); });
    for (std::thread& thread : threads) thread.join();
    LoadOutcome total;
    total.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (LoadOutcome& part : parts) {
        total.acknowledged += part.acknowledged;
        total.storedUnacknowledged += part.storedUnacknowledged;
        total.refused += part.refused;
        total.gaveUp += part.gaveUp;
        total.transportFailures += part.transportFailures;
        total.latencies.insert(total.latencies.end(), part.latencies.begin(), part.latencies.end());
        total.names.insert(total.names.end(), part.names.begin(), part.names.end());
        for (std::string& problem : part.problems)
            if (total.problems.size() < 5) total.problems.push_back(std::move(problem));
    }
    return total;
}

}  // namespace scores
