// TrackLayout, the plan the track files are built from: the road carries every
// feature of the tables, its barriers stay off it, and the minimaps put the road
// where the race's map dot will be.
#include <gtest/gtest.h>

#include <cmath>
#include <stb_image.h>

#include "generated_data.h"
#include "tools/assetgen/track_layout.h"
#include "world/track_tables.h"

namespace assetgen_test {
namespace {

using assetgen::P2;
using assetgen::TrackLayout;

TEST(TrackLayout, QuadTestIsInclusiveOfItsInsideOnly) {
    const P2 a{0, 0}, b{4, 0}, c{4, 2}, d{0, 2};
    EXPECT_TRUE(assetgen::InQuad({1, 1}, a, b, c, d));
    EXPECT_TRUE(assetgen::InQuad({1, 1}, d, c, b, a));  // either winding
    EXPECT_FALSE(assetgen::InQuad({5, 1}, a, b, c, d));
    EXPECT_FALSE(assetgen::InQuad({1, -0.01}, a, b, c, d));
}

TEST(TrackLayout, OnlyRacedSlotsHaveAPlan) {
    EXPECT_THROW(TrackLayout(0), std::runtime_error);
    EXPECT_THROW(TrackLayout(6), std::runtime_error);
}

class LayoutOfSlot : public ::testing::TestWithParam<int> {};

TEST_P(LayoutOfSlot, RoadIsAClosedLoopCarryingEveryFeature) {
    const TrackLayout layout(GetParam());
    const auto& samples = layout.Samples();
    ASSERT_GT(samples.size(), 200u);
    for (size_t i = 0; i < samples.size(); ++i) {
        const P2 a = samples[i].centre, b = samples[(i + 1) % samples.size()].centre;
        EXPECT_LT(std::hypot(b.x - a.x, b.z - a.z), 1.6) << "gap after sample " << i;
        EXPECT_GE(samples[i].leftWidth, samples[i].leftNeed);
        EXPECT_GE(samples[i].rightWidth, samples[i].rightNeed);
        EXPECT_GT(std::min(samples[i].leftWidth, samples[i].rightWidth), 9.5) << "sample " << i;
    }
    for (const auto& feature : layout.Features()) {
        EXPECT_TRUE(layout.OnRoad(feature.point)) << feature.what << " at " << feature.point.x << ", " << feature.point.z;
    }
    // A point far out on the table is not road.
    EXPECT_FALSE(layout.OnRoad({240, 240}));
}

TEST_P(LayoutOfSlot, BarrierBlocksStayOffTheRoad) {
    const TrackLayout layout(GetParam());
    ASSERT_GT(layout.Blocks().size(), 50u);
    for (const auto& block : layout.Blocks()) {
        const double length = std::hypot(block.b.x - block.a.x, block.b.z - block.a.z);
        EXPECT_LT(length, TrackLayout::kBlockLength + 2);
        const P2 middle{(block.a.x + block.b.x) / 2, (block.a.z + block.b.z) / 2};
        EXPECT_FALSE(layout.OnRoad(middle)) << "block at " << middle.x << ", " << middle.z;
    }
}

// The road's edges and the kerbs' outer edges never run backwards, not even on the
// inside of the tightest bends (track 5's hairpins fold them without the pinch),
// and they stay beside the road's own sample, at most a pinch's worth away.
TEST_P(LayoutOfSlot, EdgesNeverRunBackwards) {
    const TrackLayout layout(GetParam());
    const auto& samples = layout.Samples();
    const size_t m = samples.size();
    for (const double extra : {0.0, TrackLayout::kKerbWidth}) {
        for (const int side : {1, -1}) {
            const std::vector<P2> edge = layout.Edge(side, extra);
            ASSERT_EQ(edge.size(), m);
            for (size_t i = 0; i < m; ++i) {
                const size_t next = (i + 1) % m;
                const P2 tangent{samples[i].left.z, -samples[i].left.x};
                const double step = (edge[next].x - edge[i].x) * tangent.x + (edge[next].z - edge[i].z) * tangent.z;
                EXPECT_GE(step, -1e-9) << "side " << side << " extra " << extra << " sample " << i;
                const double reach = std::hypot(edge[i].x - samples[i].centre.x, edge[i].z - samples[i].centre.z);
                EXPECT_LT(reach, 3 * TrackLayout::kHalfWidth) << "sample " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tracks, LayoutOfSlot, ::testing::Values(1, 2, 3, 4, 5));

TEST(Minimap, RoadLiesUnderTheMapDotOfEveryWaypoint) {
    for (int slot = 1; slot <= 5; ++slot) {
        const std::string path = "data/Trassa" + std::to_string(slot) + ".png";
        const assetgen::Bytes bytes = ReadBytes(GeneratedRoot() / path);
        int w = 0, h = 0, channels = 0;
        stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 4);
        ASSERT_NE(pixels, nullptr) << path;
        // The map sprite covers 1.6 x scale sprite units centred at (-12.9, 8).
        const auto& scale = track_tables::kMapScales[slot - 1];
        const double spanX = 1.6 * scale.x, spanY = 1.6 * scale.y;
        EXPECT_NEAR(static_cast<double>(w) / h, spanX / spanY, 0.02) << path;
        const auto& origin = track_tables::kTrackPositions[slot - 1];
        auto alphaAtDot = [&](double x, double z) {
            // The race's map-dot mapping, in sprite units.
            double dotX = (x - origin.x) * track_tables::kMapUnitsPerWorld + track_tables::kMapCentreX;
            double dotY = (z - origin.z - 10) * track_tables::kMapUnitsPerWorld + track_tables::kMapCentreY;
            if (slot == 4 || slot == 5) dotY += track_tables::kMapDotRaise;
            const int px = static_cast<int>((dotX - (track_tables::kMapCentreX - spanX / 2)) / spanX * w);
            const int py = static_cast<int>(((track_tables::kMapCentreY + spanY / 2) - dotY) / spanY * h);
            if (px < 0 || py < 0 || px >= w || py >= h) return -1;
            return static_cast<int>(pixels[(static_cast<size_t>(py) * w + px) * 4 + 3]);
        };
        // The race's map sprite does not reach the far rows of tracks 4 and 5
        // (their dots run off its edge); every waypoint inside it is on the road.
        int outside = 0;
        for (const auto& waypoint : track_tables::kRoutes[slot - 1]) {
            const int alpha = alphaAtDot(waypoint.x, waypoint.z);
            if (alpha < 0) {
                ++outside;
                continue;
            }
            EXPECT_GT(alpha, 200) << path << " at " << waypoint.x << ", " << waypoint.z;
        }
        EXPECT_LE(outside, 2) << path;
        // The middle of the track's infield is not road.
        EXPECT_EQ(alphaAtDot(origin.x + 200, origin.z + 200), -1) << path;
        stbi_image_free(pixels);
    }
}

}  // namespace
}  // namespace assetgen_test
