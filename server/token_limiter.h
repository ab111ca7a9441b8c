// Slows down one address that asks for submission tokens too fast: a token bucket per address.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace scores {

class TTokenLimiter {
public:
    // perSecond: tokens an address earns each second; burst: how many it may take at once.
    TTokenLimiter(double perSecond, double burst) : perSecond(perSecond), burst(burst) {}

    // Takes one token for the address; 0 when granted, otherwise the whole seconds (at least 1)
    // after which the next one will be there.
    int Take(const std::string& address, std::chrono::steady_clock::time_point now);

private:
    struct Bucket {
        double level = 0;
        std::chrono::steady_clock::time_point filled;
    };

    // Past this many addresses the full buckets are dropped: a full bucket equals a new one.
    static constexpr std::size_t PruneAbove = 10000;

    double perSecond;
    double burst;
    std::mutex lock;
    std::unordered_map<std::string, Bucket> buckets;
};

}  // namespace scores
