// Replays the kept fuzz corpora (the inputs that once found a fault) through their targets,
// under the suite's ASan and UBSan; and every target takes the empty input and a few bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_targets.h"

namespace {

namespace fs = std::filesystem;

TEST(FuzzCorpora, EveryKeptInputRunsCleanThroughItsTarget) {
    const fs::path corpora = fs::path(PEBBLEDASH_SOURCE_DIR) / "tests" / "fuzz" / "corpus";
    int replayed = 0;
    for (int t = 0; t < fuzz::TargetCount(); ++t) {
        const fuzz::Target& target = fuzz::Targets()[t];
        SCOPED_TRACE(target.name);
        const uint8_t few[] = {'D', 'D', 'S', ' ', 'x', 'o', 'f', ' '};
        target.run(few, 0);
        target.run(few, sizeof few);
        const fs::path folder = corpora / target.name;
        if (!fs::exists(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            SCOPED_TRACE(entry.path().filename().string());
            target.run(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    ASSERT_TRUE(fs::exists(corpora));
    for (const auto& entry : fs::directory_iterator(corpora)) {
        if (!entry.is_directory()) continue;
        EXPECT_NE(fuzz::FindTarget(entry.path().filename().c_str()), nullptr) << "a corpus without a target";
    }
    EXPECT_GE(replayed, 4) << "the kept inputs are where they belong";
    RecordProperty("replayed", replayed);
}

}  // namespace
