// The track rules, checked on the generated files against the race's tables:
// every gate, waypoint, pickup spawn square and grid car lies on the road of
// data\TrassaN.x; no barrier of data\TrassaN_5.00.ply cuts the opponents' route
// or a grid car; stretches of road that pass near each other have a barrier
// between them (or really cross, as track 4's figure of eight does).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "generated_data.h"
#include "world/track_tables.h"

namespace assetgen_test {
namespace {

struct Pt {
    double x, z;
};

struct Tri {
    Pt a, b, c;
};

double Cross(Pt o, Pt a, Pt b) {
    return (a.x - o.x) * (b.z - o.z) - (a.z - o.z) * (b.x - o.x);
}

bool InTriangle(Pt p, const Tri& t) {
    const double d1 = Cross(t.a, t.b, p), d2 = Cross(t.b, t.c, p), d3 = Cross(t.c, t.a, p);
    const bool negative = d1 < 0 || d2 < 0 || d3<0, positive = d1> 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

bool SegmentsCross(Pt p, Pt q, Pt a, Pt b) {
    const double d1 = Cross(a, b, p), d2 = Cross(a, b, q), d3 = Cross(p, q, a), d4 = Cross(p, q, b);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

bool SegmentHitsTriangle(Pt p, Pt q, const Tri& t) {
    return InTriangle(p, t) || InTriangle(q, t) || SegmentsCross(p, q, t.a, t.b) ||
           SegmentsCross(p, q, t.b, t.c) || SegmentsCross(p, q, t.c, t.a);
}

// The triangles of one mesh (or all meshes) of a model, in world x, z relative
// to the track's origin: file units times scale, minus lift in y.
std::vector<Tri> LoadTriangles(const std::string& path, int meshIndex, double scale, double* minY,
                               double* maxY) {
    Assimp::Importer importer;
    const assetgen::Bytes bytes = ReadBytes(GeneratedRoot() / path);
    const bool model = path.substr(path.find_last_of('.')) == ".x";
    const aiScene* scene = model ? ImportModel(importer, bytes) : ImportCollision(importer, bytes);
    std::vector<Tri> triangles;
    if (!scene) return triangles;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        if (meshIndex >= 0 && static_cast<int>(m) != meshIndex) continue;
        const aiMesh* mesh = scene->mMeshes[m];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            Pt corner[3];
            for (int k = 0; k < 3; ++k) {
                const aiVector3D v = mesh->mVertices[mesh->mFaces[f].mIndices[k]] * static_cast<float>(scale);
                corner[k] = {v.x, v.z};
                if (minY) *minY = std::min(*minY, static_cast<double>(v.y));
                if (maxY) *maxY = std::max(*maxY, static_cast<double>(v.y));
            }
            triangles.push_back({corner[0], corner[1], corner[2]});
        }
    }
    return triangles;
}

class TrackRules : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        slot_ = GetParam();
        const std::string n = std::to_string(slot_);
        const auto& origin = track_tables::kTrackPositions[slot_ - 1];
        originX_ = origin.x;
        originZ_ = origin.z;
        double roadMinY = 1e9, roadMaxY = -1e9;
        road_ = LoadTriangles("data/Trassa" + n + ".x", 1, 0.1, &roadMinY, &roadMaxY);
        // Track 5's parts are placed 17.5 lower by the program: its file is raised.
        const double lift = slot_ == 5 ? track_tables::kTrack5PartsDrop : 0;
        roadY_ = roadMinY - lift;
        EXPECT_NEAR(roadMaxY - lift, roadY_, 0.01) << "the road is flat";
        barrierMinY_ = 1e9;
        barrierMaxY_ = -1e9;
        barriers_ = LoadTriangles("data/Trassa" + n + "_5.00.ply", -1, 1, &barrierMinY_, &barrierMaxY_);
    }

    Pt Local(double x, double z) const { return {x - originX_, z - originZ_}; }

    bool OnRoad(Pt p) const {
        for (const Tri& t : road_) {
            if (InTriangle(p, t)) return true;
        }
        return false;
    }

    bool CrossesBarrier(Pt p, Pt q) const {
        for (const Tri& t : barriers_) {
            if (SegmentHitsTriangle(p, q, t)) return true;
        }
        return false;
    }

    int slot_ = 0;
    double originX_ = 0, originZ_ = 0, roadY_ = 0, barrierMinY_ = 0, barrierMaxY_ = 0;
    std::vector<Tri> road_, barriers_;
};

TEST_P(TrackRules, RoadLiesOnTheTableAndBarriersStandOnIt) {
    ASSERT_GT(road_.size(), 100u);
    ASSERT_GT(barriers_.size(), 100u);
    EXPECT_GT(roadY_, 0);
    EXPECT_LT(roadY_, 0.2);
    EXPECT_NEAR(barrierMinY_, 0, 1e-3);
    EXPECT_GT(barrierMaxY_, 1.5);  // higher than a car's body spheres reach
    double minY = 1e9, maxY = -1e9;
    const std::vector<Tri> table = LoadTriangles("data/Table_5.00.ply", -1, 1, &minY, &maxY);
    EXPECT_NEAR(maxY, 0, 1e-4) << "the table's top is at local y = 0";
    bool covered = false;
    for (const Tri& t : table)
        covered = covered ||
                  InTriangle(
                      Local(track_tables::kGrids[slot_ - 1].baseX, track_tables::kGrids[slot_ - 1].baseZ), t);
    EXPECT_TRUE(covered);
}

TEST_P(TrackRules, WaypointsAndGatesLieOnTheRoad) {
    for (const auto& w : track_tables::kRoutes[slot_ - 1]) {
        for (double dx : {-1.0, 0.0, 1.0}) {
            for (double dz : {-1.0, 0.0, 1.0}) {
                EXPECT_TRUE(OnRoad(Local(w.x + dx, w.z + dz))) << "waypoint " << w.x << ", " << w.z;
            }
        }
    }
    int index = 0;
    for (const auto& g : track_tables::kGates[slot_ - 1]) {
        // Gates as wide as the road or narrower lie on it whole; wider ones span it.
        const double reach = std::min<double>(g.halfWidth, 10);
        for (double s = -reach; s <= reach; s += reach / 4) {
            const Pt p = g.alongX ? Local(g.x + s, g.z) : Local(g.x, g.z + s);
            EXPECT_TRUE(OnRoad(p)) << "gate " << index << " at offset " << s;
        }
        ++index;
    }
}

TEST_P(TrackRules, PickupSpawnSquaresLieOnTheRoad) {
    const double offset = track_tables::kSpawnOffsetMax;
    for (const auto& sp : track_tables::kSpawnPoints[slot_ - 1]) {
        for (double dx = -offset; dx <= offset + 1e-9; dx += offset / 2) {
            for (double dz = -offset; dz <= offset + 1e-9; dz += offset / 2) {
                EXPECT_TRUE(OnRoad(Local(sp.x + dx, sp.z + dz)))
                    << "spawn point " << sp.x << ", " << sp.z << " moved by " << dx << ", " << dz;
            }
        }
    }
}

TEST_P(TrackRules, EightGridCarsStandOnTheRoadClearOfBarriers) {
    const auto& grid = track_tables::kGrids[slot_ - 1];
    EXPECT_FLOAT_EQ(grid.baseY, -48);
    const double yaw = grid.yaw * M_PI / 180;
    const Pt forward{std::cos(yaw), -std::sin(yaw)};
    const Pt side{-forward.z, forward.x};
    for (int s = 0; s < track_tables::kGridSlots; ++s) {
        const auto at = track_tables::GridSlotPosition(slot_, s);
        const Pt c = Local(at.x, at.z);
        std::vector<Pt> corners;
        for (double f : {-2.2, 2.2}) {
            for (double w : {-1.7, 1.7})
                corners.push_back({c.x + forward.x * f + side.x * w, c.z + forward.z * f + side.z * w});
        }
        for (const Pt& corner : corners) EXPECT_TRUE(OnRoad(corner)) << "grid slot " << s;
        EXPECT_FALSE(CrossesBarrier(corners[0], corners[3])) << "grid slot " << s;
        EXPECT_FALSE(CrossesBarrier(corners[1], corners[2])) << "grid slot " << s;
    }
}

TEST_P(TrackRules, NoBarrierCutsTheRoute) {
    const auto& route = track_tables::kRoutes[slot_ - 1];
    for (size_t i = 0; i < route.size(); ++i) {
        const auto& a = route[i];
        const auto& b = route[(i + 1) % route.size()];
        EXPECT_FALSE(CrossesBarrier(Local(a.x, a.z), Local(b.x, b.z))) << "route leg " << i;
    }
}

TEST_P(TrackRules, NeighbouringStretchesAreKeptApart) {
    // Points every 2 units along the route, with their distance along it.
    const auto& route = track_tables::kRoutes[slot_ - 1];
    std::vector<Pt> points;
    std::vector<double> arc;
    double travelled = 0;
    for (size_t i = 0; i < route.size(); ++i) {
        const Pt a = Local(route[i].x, route[i].z);
        const Pt b = Local(route[(i + 1) % route.size()].x, route[(i + 1) % route.size()].z);
        const double length = std::hypot(b.x - a.x, b.z - a.z);
        for (double t = 0; t < length; t += 2) {
            points.push_back({a.x + (b.x - a.x) * t / length, a.z + (b.z - a.z) * t / length});
            arc.push_back(travelled + t);
        }
        travelled += length;
    }
    int checked = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        for (size_t j = i + 1; j < points.size(); ++j) {
            double along = arc[j] - arc[i];
            along = std::min(along, travelled - along);
            const double apart = std::hypot(points[j].x - points[i].x, points[j].z - points[i].z);
            if (along < 90 || apart > 36) continue;
            ++checked;
            if (CrossesBarrier(points[i], points[j])) continue;
            // Without a barrier between them the two stretches must really meet: the
            // straight line from one to the other stays on the road, or within 1.3 of
            // it where it cuts a corner of a crossing. (A wall between two roads side
            // by side stands at least 1.4 from each.)
            bool allRoad = true;
            for (double t = 0; t <= 1 && allRoad; t += 0.025) {
                const Pt p{points[i].x + (points[j].x - points[i].x) * t,
                           points[i].z + (points[j].z - points[i].z) * t};
                allRoad = OnRoad(p);
                for (int k = 0; k < 8 && !allRoad; ++k) {
                    allRoad =
                        OnRoad({p.x + 1.3 * std::cos(k * M_PI / 4), p.z + 1.3 * std::sin(k * M_PI / 4)});
                }
            }
            EXPECT_TRUE(allRoad) << "stretches at (" << points[i].x << ", " << points[i].z << ") and ("
                                 << points[j].x << ", " << points[j].z << "), " << apart << " apart";
        }
    }
    if (slot_ == 5) {
        EXPECT_GT(checked, 100) << "the zig-zag rows lie close to each other";
    }
}

INSTANTIATE_TEST_SUITE_P(Tracks, TrackRules, ::testing::Values(1, 2, 3, 4, 5));

}  // namespace
}  // namespace assetgen_test
