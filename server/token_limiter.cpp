// Token buckets per client address for the version request.
#include "server/token_limiter.h"

#include <algorithm>
#include <cmath>

namespace scores {

int TTokenLimiter::Take(const std::string& address, std::chrono::steady_clock::time_point now)
{
    std::lock_guard guard(lock);
    if (buckets.size() > PruneAbove) {
        std::erase_if(buckets, [&](const auto& item) {
            const double seconds = std::chrono::duration<double>(now - item.second.filled).count();
            return item.second.level + seconds * perSecond >= burst;
        });
    }
    auto [at, fresh] = buckets.try_emplace(address, Bucket{burst, now});
    Bucket& bucket = at->second;
    if (!fresh) {
        const double seconds = std::chrono::duration<double>(now - bucket.filled).count();
        bucket.level = std::min(burst, bucket.level + seconds * perSecond);
        bucket.filled = now;
    }
    if (bucket.level >= 1) {
        bucket.level -= 1;
        return 0;
    }
    if (perSecond <= 0) return 3600;
    return std::max(1, static_cast<int>(std::ceil((1 - bucket.level) / perSecond)));
}

}  // namespace scores
