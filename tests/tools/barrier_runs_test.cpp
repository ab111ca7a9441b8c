// Barrier runs: joined block ends, and the cut corners where the walls of two
// crossing roads meet.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/assetgen/barrier_runs.h"
#include "tools/assetgen/track_layout.h"
#include "world/track_tables.h"

namespace assetgen_test {
namespace {

using assetgen::BarrierBlock;
using assetgen::Joined;
using assetgen::P2;
using assetgen::TrackLayout;

// A straight wall of 3-unit blocks from `from` in direction (dx, dz).
std::vector<BarrierBlock> Wall(P2 from, double dx, double dz, int blocks) {
    std::vector<BarrierBlock> wall;
    for (int k = 0; k < blocks; ++k) {
        const P2 a{from.x + dx * 3 * k, from.z + dz * 3 * k};
        wall.push_back({a, {a.x + dx * 3, a.z + dz * 3}, false});
    }
    return wall;
}

std::vector<P2> LooseEnds(const std::vector<BarrierBlock>& blocks) {
    std::vector<P2> ends;
    for (const BarrierBlock& block : blocks) {
        if (!Joined(blocks, block, true)) ends.push_back(block.a);
        if (!Joined(blocks, block, false)) ends.push_back(block.b);
    }
    return ends;
}

double Distance(P2 a, P2 b) { return std::hypot(a.x - b.x, a.z - b.z); }

TEST(BarrierRuns, BlocksOfOneRunAreJoinedAndItsEndsAreLoose) {
    const std::vector<BarrierBlock> wall = Wall({0, 0}, 1, 0, 3);
    EXPECT_FALSE(Joined(wall, wall[0], true));
    EXPECT_TRUE(Joined(wall, wall[0], false));
    EXPECT_TRUE(Joined(wall, wall[1], true));
    EXPECT_FALSE(Joined(wall, wall[2], false));
    std::vector<BarrierBlock> mixed = wall;
    mixed[1].inset = true;  // the other copy of a shared wall never joins this one
    EXPECT_FALSE(Joined(mixed, mixed[0], false));
}

// Wall A runs along +x and stops at the corner; wall B leaves the corner along +z
// about a barrier's thickness away: the square corner of a crossing.
TEST(BarrierRuns, ACrossingCornerIsCutBackAlongBothWallsAndClosed) {
    std::vector<BarrierBlock> blocks = Wall({-30, 0}, 1, 0, 10);  // ends at (0, 0)
    const std::vector<BarrierBlock> b = Wall({0.8, 0.8}, 0, 1, 10);
    blocks.insert(blocks.end(), b.begin(), b.end());

    assetgen::ChamferCrossingCorners(blocks, 8, 3);

    // The only loose ends left are the far ends of the two walls.
    const std::vector<P2> ends = LooseEnds(blocks);
    ASSERT_EQ(ends.size(), 2u);
    for (const P2& end : ends) EXPECT_GT(Distance(end, {0, 0}), 25);
    // Nothing is left of either wall within the cut of the old corner but the cut
    // itself, which runs from 8 units back along A to 8 units along B.
    bool fromA = false, toB = false;
    for (const BarrierBlock& block : blocks) {
        EXPECT_LE(Distance(block.a, block.b), 3.01);
        for (const P2 p : {block.a, block.b}) {
            fromA = fromA || Distance(p, {-8, 0}) < 1e-9;
            toB = toB || Distance(p, {0.8, 8.8}) < 1e-9;
            // Every block point lies on wall A, on wall B or on the line between the cuts.
            const bool onA = std::fabs(p.z) < 1e-9 && p.x <= -8 + 1e-9;
            const bool onB = std::fabs(p.x - 0.8) < 1e-9 && p.z >= 8.8 - 1e-9;
            const double across = (p.x + 8) * 8.8 - (p.z - 0) * 8.8;  // side of the line (-8,0)-(0.8,8.8)
            EXPECT_TRUE(onA || onB || std::fabs(across) < 1e-6) << p.x << ", " << p.z;
        }
    }
    EXPECT_TRUE(fromA);
    EXPECT_TRUE(toB);
}

TEST(BarrierRuns, WallsEndingSideBySideAreLeftAlone) {
    std::vector<BarrierBlock> blocks = Wall({-30, 0}, 1, 0, 10);
    const std::vector<BarrierBlock> other = Wall({-30, 1.5}, 1, 0, 10);  // parallel, ends 1.5 away
    blocks.insert(blocks.end(), other.begin(), other.end());
    const std::vector<BarrierBlock> before = blocks;
    assetgen::ChamferCrossingCorners(blocks, 8, 3);
    ASSERT_EQ(blocks.size(), before.size());
    EXPECT_EQ(LooseEnds(blocks).size(), 4u);
}

// Track 4 is the figure of eight: near its crossing no wall ends loose, because
// every corner there is cut and closed.
TEST(BarrierRuns, TrackFoursCrossingHasNoLooseWallEnds) {
    const TrackLayout layout(4);
    const P2 crossing{7 - layout.OriginX(), -3657 - layout.OriginZ()};
    int near = 0;
    for (const BarrierBlock& block : layout.Blocks()) {
        if (Distance(block.a, crossing) < 30) ++near;
    }
    EXPECT_GT(near, 20);
    for (const P2& end : LooseEnds(layout.Blocks())) {
        EXPECT_GT(Distance(end, crossing), 30) << end.x + layout.OriginX() << ", " << end.z + layout.OriginZ();
    }
}

}  // namespace
}  // namespace assetgen_test
