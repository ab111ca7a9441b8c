// Barrier runs: joined block ends, the cut corners where the walls of two crossing
// roads meet, and the spines that fill the pockets inside hairpins.
#include <gtest/gtest.h>

#include <algorithm>
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

// A road edge, a point a unit, that comes in along the upper leg of a V pointing
// -x (half angle 15 degrees, apex at the origin), is pinched there for three
// samples, goes out along the lower leg and closes the loop far out at +x.
std::vector<P2> PinchedEdge() {
    const double slope = std::tan(15 * M_PI / 180);
    std::vector<P2> edge;
    for (int x = 40; x > 0; --x) edge.push_back({double(x), x * slope});
    for (int k = 0; k < 3; ++k) edge.push_back({0, 0});
    for (int x = 1; x <= 40; ++x) edge.push_back({double(x), -x * slope});
    for (int z = -10; z < 11; ++z) edge.push_back({41, double(z)});
    return edge;
}

double DistanceToSegment(P2 p, P2 a, P2 b) {
    const double dx = b.x - a.x, dz = b.z - a.z;
    if (dx == 0 && dz == 0) return Distance(p, a);
    const double t = std::clamp(((p.x - a.x) * dx + (p.z - a.z) * dz) / (dx * dx + dz * dz), 0.0, 1.0);
    return Distance(p, {a.x + dx * t, a.z + dz * t});
}

TEST(BarrierRuns, AHairpinPocketGetsASpineFromTheWallToNearThePinch) {
    // The wall's loop closes across the pocket 12 units from the pinch.
    std::vector<BarrierBlock> blocks = Wall({12, -2}, 0, 1, 2);
    const std::vector<P2> edge = PinchedEdge();
    assetgen::FillHairpinPockets(blocks, edge, 0.8, 0.2, 3);

    ASSERT_GT(blocks.size(), 2u);
    double nearest = 1e9, farthest = 0;
    for (size_t k = 2; k < blocks.size(); ++k) {
        const BarrierBlock& block = blocks[k];
        EXPECT_LE(Distance(block.a, block.b), 3.01);
        for (const P2 p : {block.a, block.b}) {
            EXPECT_NEAR(p.z, 0, 1e-9);  // on the pocket's axis
            nearest = std::min(nearest, p.x);
            farthest = std::max(farthest, p.x);
            // Its faces stay 0.2 off the road's edge, at its corners too.
            for (const double side : {-0.8, 0.8}) {
                for (size_t i = 0; i + 1 < edge.size(); ++i) {
                    EXPECT_GE(DistanceToSegment({p.x, side}, edge[i], edge[i + 1]), 0.2 - 1e-6);
                }
            }
        }
    }
    // As near the pinch as 1 unit of half width allows (1 / sin 15 = 3.86), and on to
    // the wall's face (its centre line at 12, its face 0.8 nearer).
    EXPECT_NEAR(nearest, 1 / std::sin(15 * M_PI / 180), 1e-6);
    EXPECT_GT(farthest, 11.2);
    EXPECT_LT(farthest, 12);
}

TEST(BarrierRuns, NoPinchOrNoWallNearItMeansNoSpine) {
    std::vector<BarrierBlock> blocks = Wall({12, -2}, 0, 1, 2);
    std::vector<P2> edge = PinchedEdge();
    edge.erase(edge.begin() + 40, edge.begin() + 42);  // the apex once: the edge is not pinched
    assetgen::FillHairpinPockets(blocks, edge, 0.8, 0.2, 3);
    EXPECT_EQ(blocks.size(), 2u);

    std::vector<BarrierBlock> far = Wall({30, -2}, 0, 1, 2);  // beyond the pocket's reach
    assetgen::FillHairpinPockets(far, PinchedEdge(), 0.8, 0.2, 3);
    EXPECT_EQ(far.size(), 2u);
}

// Track 5's hairpins are the only pinched bends: a wall stands within a few units of
// every pinch, so no pocket of bare table is left inside them.
TEST(BarrierRuns, EveryPinchOfTrackFiveHasAWallNearIt) {
    const TrackLayout layout(5);
    int pinches = 0;
    for (const int side : {1, -1}) {
        const std::vector<P2> edge = layout.Edge(side, 0);
        for (size_t i = 0; i < edge.size(); ++i) {
            const size_t m = edge.size();
            const P2 p = edge[i], next = edge[(i + 1) % m], previous = edge[(i + m - 1) % m];
            if (Distance(p, next) > 1e-9 || Distance(p, previous) < 1e-9) continue;  // not the start of a pinch
            ++pinches;
            double nearest = 1e9;
            for (const BarrierBlock& block : layout.Blocks()) {
                nearest = std::min(nearest, DistanceToSegment(p, block.a, block.b));
            }
            EXPECT_LT(nearest, 6) << "pinch at " << p.x + layout.OriginX() << ", " << p.z + layout.OriginZ();
        }
    }
    EXPECT_EQ(pinches, 5);
}

}  // namespace
}  // namespace assetgen_test
