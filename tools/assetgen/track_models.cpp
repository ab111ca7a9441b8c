// The tracks: data\TrassaN.x (table top, road, kerbs, barriers, start line,
// decoration), data\TrassaN_5.00.ply (the barriers' collision mesh),
// data\TrassaN_shadow.x, and data\Table_5.00.ply; built from TrackLayout.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/model_export.h"
#include "tools/assetgen/palette.h"
#include "tools/assetgen/random.h"
#include "tools/assetgen/track_art.h"
#include "tools/assetgen/barrier_runs.h"
#include "tools/assetgen/track_layout.h"
#include "world/track_tables.h"

namespace assetgen {

namespace {

// Visible track meshes are drawn at scale 0.1.
constexpr double kFileScale = 10;
// The table reaches this far from each track's origin.
constexpr double kTableReach = 260;
constexpr double kTableThickness = 4;

V3 At(P2 p, double y) {
    return {p.x, y, p.z};
}

MeshBuilder TableTop() {
    MeshBuilder top("table", "wood.png");
    const double r = kTableReach;
    const double tile = 1.0 / 40;
    const double uv[8] = {-r * tile, -r * tile, r * tile, -r * tile, r * tile, r * tile, -r * tile, r * tile};
    top.AddQuad({-r, 0, -r}, {r, 0, -r}, {r, 0, r}, {-r, 0, r}, {0, 1, 0}, uv);
    const double t = kTableThickness;
    const double edge[8] = {0, 0, 1, 0, 1, 0.02, 0, 0.02};
    top.AddQuad({-r, -t, -r}, {r, -t, -r}, {r, 0, -r}, {-r, 0, -r}, {0, 0, -1}, edge);
    top.AddQuad({-r, -t, r}, {r, -t, r}, {r, 0, r}, {-r, 0, r}, {0, 0, 1}, edge);
    top.AddQuad({-r, -t, -r}, {-r, -t, r}, {-r, 0, r}, {-r, 0, -r}, {-1, 0, 0}, edge);
    top.AddQuad({r, -t, -r}, {r, -t, r}, {r, 0, r}, {r, 0, -r}, {1, 0, 0}, edge);
    return top;
}

MeshBuilder Road(const TrackLayout& layout) {
    MeshBuilder road("road", "road.png");
    const auto& s = layout.Samples();
    const std::vector<P2> left = layout.Edge(1, 0), right = layout.Edge(-1, 0);
    const double y = 0.04;
    for (size_t i = 0; i < s.size(); ++i) {
        const size_t j = (i + 1) % s.size();
        const double va = s[i].arc / 16, vb = (i + 1 == s.size() ? layout.Length() : s[j].arc) / 16;
        const double uv[8] = {0, va, 0, vb, 1, vb, 1, va};
        road.AddQuad(At(right[i], y), At(right[j], y), At(left[j], y), At(left[i], y), {0, 1, 0}, uv);
    }
    return road;
}

MeshBuilder Kerbs(const TrackLayout& layout) {
    MeshBuilder kerbs("kerbs", "kerb.png");
    const auto& s = layout.Samples();
    const double y = 0.06;
    for (int side : {1, -1}) {
        const std::vector<P2> inner = layout.Edge(side, 0);
        const std::vector<P2> outer = layout.Edge(side, TrackLayout::kKerbWidth);
        for (size_t i = 0; i < s.size(); ++i) {
            const size_t j = (i + 1) % s.size();
            // A pinched stretch has no kerb.
            if (std::hypot(inner[j].x - inner[i].x, inner[j].z - inner[i].z) < 1e-9 ||
                std::hypot(outer[j].x - outer[i].x, outer[j].z - outer[i].z) < 1e-9) {
                continue;
            }
            const double va = s[i].arc / 4, vb = (i + 1 == s.size() ? layout.Length() : s[j].arc) / 4;
            const double uv[8] = {0, va, 0, vb, 1, vb, 1, va};
            kerbs.AddQuad(At(inner[i], y), At(inner[j], y), At(outer[j], y), At(outer[i], y), {0, 1, 0}, uv);
        }
    }
    return kerbs;
}

// One toy block: a box along a..b, thick and high as the barrier. An end that
// joins the next block of the same wall gets no face when `joinedA`/`joinedB` is
// set: a car sliding along the wall then meets one smooth face, instead of the
// end face of the next block standing just inside the wall, where it would catch.
void AddBlock(MeshBuilder& mesh, const BarrierBlock& block, int swatch, double shrink, bool joinedA = false,
              bool joinedB = false, double height = TrackLayout::kBarrierHeight) {
    const P2 d{block.b.x - block.a.x, block.b.z - block.a.z};
    const double length = std::hypot(d.x, d.z);
    if (length < 1e-6) return;
    const P2 along{d.x / length, d.z / length};
    const P2 across{-along.z, along.x};
    const double inset = block.inset ? 0.05 : 0;
    const double half = TrackLayout::kBarrierThickness / 2 - inset;
    const double h = height - inset;
    const P2 a{block.a.x + along.x * shrink, block.a.z + along.z * shrink};
    const P2 b{block.b.x - along.x * shrink, block.b.z - along.z * shrink};
    auto corner = [&](P2 p, double s) { return P2{p.x + across.x * half * s, p.z + across.z * half * s}; };
    const P2 a0 = corner(a, -1), a1 = corner(a, 1), b0 = corner(b, -1), b1 = corner(b, 1);
    const V3 outAcross{across.x, 0, across.z}, outAlong{along.x, 0, along.z};
    mesh.AddFlatQuad(At(a0, 0), At(b0, 0), At(b0, h), At(a0, h), outAcross * -1, swatch);
    mesh.AddFlatQuad(At(a1, 0), At(b1, 0), At(b1, h), At(a1, h), outAcross, swatch);
    if (!joinedA) mesh.AddFlatQuad(At(a0, 0), At(a1, 0), At(a1, h), At(a0, h), outAlong * -1, swatch);
    if (!joinedB) mesh.AddFlatQuad(At(b0, 0), At(b1, 0), At(b1, h), At(b0, h), outAlong, swatch);
    mesh.AddFlatQuad(At(a0, h), At(b0, h), At(b1, h), At(a1, h), {0, 1, 0}, swatch);
}

// Where a wall run ends (a block end no other block of the same wall continues),
// a round post stands: a car meeting the end of a wall head-on glances off it to
// one side instead of resting its nose on a square corner.
constexpr double kPostRadius = 1.1;
constexpr int kPostSegments = 12;

void AddPosts(MeshBuilder& mesh, const std::vector<BarrierBlock>& blocks, double height, int swatch) {
    for (const BarrierBlock& block : blocks) {
        for (const bool atA : {true, false}) {
            if (Joined(blocks, block, atA)) continue;
            const P2 p = atA ? block.a : block.b;
            mesh.AddCylinder({p.x, 0, p.z}, {p.x, height, p.z}, kPostRadius, kPostSegments, swatch);
        }
    }
}

MeshBuilder Barriers(const TrackLayout& layout, double shrink, const char* name) {
    MeshBuilder barriers(name);
    const int colours[4] = {kSwatchBlockRed, kSwatchBlockYellow, kSwatchBlockBlue, kSwatchBlockGreen};
    int index = 0;
    for (const BarrierBlock& block : layout.Blocks()) AddBlock(barriers, block, colours[index++ % 4], shrink);
    AddPosts(barriers, layout.Blocks(), TrackLayout::kBarrierHeight + 0.4, kSwatchPurple);
    return barriers;
}

MeshBuilder BarrierWalls(const TrackLayout& layout) {
    constexpr double kWallHeight = 8;
    MeshBuilder walls("collision");
    const std::vector<BarrierBlock>& blocks = layout.Blocks();
    for (const BarrierBlock& block : blocks) {
        AddBlock(walls, block, kSwatchBlockRed, 0, Joined(blocks, block, true), Joined(blocks, block, false),
                 kWallHeight);
    }
    AddPosts(walls, blocks, kWallHeight, kSwatchBlockRed);
    return walls;
}

MeshBuilder StartLine(const TrackLayout& layout) {
    MeshBuilder line("start line", "checker.png");
    const auto& gate = track_tables::kGates[layout.Slot() - 1][0];
    const P2 centre{gate.x - layout.OriginX(), gate.z - layout.OriginZ()};
    double reach = TrackLayout::kHalfWidth;
    for (const RoadSample& s : layout.Samples()) {
        if (std::hypot(s.centre.x - centre.x, s.centre.z - centre.z) < 2) {
            reach = std::max({reach, s.leftWidth, s.rightWidth});
        }
    }
    const P2 span = gate.alongX ? P2{1, 0} : P2{0, 1};
    const P2 depth{span.z, span.x};
    const double y = 0.08, d = 1.5;
    auto p = [&](double s, double t) {
        return V3{centre.x + span.x * s + depth.x * t, y, centre.z + span.z * s + depth.z * t};
    };
    const double repeats = reach / 1.5;
    const double uv[8] = {0, 0, repeats, 0, repeats, 1, 0, 1};
    line.AddQuad(p(-reach, -d), p(reach, -d), p(reach, d), p(-reach, d), {0, 1, 0}, uv);
    return line;
}

// Toys lying about on the table, away from the road: blocks and crayons.
MeshBuilder Decoration(const TrackLayout& layout) {
    MeshBuilder toys("decoration");
    Random random(900 + layout.Slot());
    const int colours[6] = {kSwatchBlockRed,   kSwatchBlockYellow, kSwatchBlockBlue,
                            kSwatchBlockGreen, kSwatchPurple,      kSwatchCream};
    int placed = 0;
    for (int attempt = 0; attempt < 400 && placed < 14; ++attempt) {
        const P2 p{random.Range(-150, 150), random.Range(-110, 110)};
        bool clear = true;
        for (const RoadSample& s : layout.Samples()) {
            if (std::hypot(s.centre.x - p.x, s.centre.z - p.z) < std::max(s.leftWidth, s.rightWidth) + 12) {
                clear = false;
                break;
            }
        }
        if (!clear) continue;
        const int colour = colours[placed % 6];
        if (placed % 3 == 2) {
            const double angle = random.Range(0, M_PI);
            const V3 a{p.x - 7 * std::cos(angle), 0.6, p.z - 7 * std::sin(angle)};
            const V3 b{p.x + 7 * std::cos(angle), 0.6, p.z + 7 * std::sin(angle)};
            toys.AddCylinder(a, b, 0.6, 6, colour);
        } else {
            const double size = random.Range(2.5, 4.5);
            toys.AddBox({p.x - size, 0, p.z - size}, {p.x + size, 2 * size, p.z + size}, colour);
            if (placed % 2 == 0) {
                const double top = size * 0.7;
                toys.AddBox({p.x - top, 2 * size, p.z - top}, {p.x + top, 2 * size + 2 * top, p.z + top},
                            colours[(placed + 2) % 6]);
            }
        }
        ++placed;
    }
    return toys;
}

void Scale(std::vector<MeshBuilder>& parts, double lift) {
    for (MeshBuilder& part : parts) part.Transform({0, lift * kFileScale, 0}, kFileScale);
}

}  // namespace

void GenerateTracks(GeneratorContext& context) {
    {
        MeshBuilder slab("table", "");
        slab.AddBox({-kTableReach, -kTableThickness, -kTableReach}, {kTableReach, 0, kTableReach},
                    kSwatchWood);
        context.out.Write("data/Table_5.00.ply", ExportPly({slab}));
    }
    for (int slot = 1; slot <= 5; ++slot) {
        const TrackLayout layout(slot);
        const std::string n = std::to_string(slot);
        // Track 5's parts are placed lower than its bodies by the program: lift the file.
        const double lift = slot == 5 ? track_tables::kTrack5PartsDrop : 0;
        std::vector<MeshBuilder> parts = {TableTop(),        Road(layout),
                                          Kerbs(layout),     Barriers(layout, 0.08, "barriers"),
                                          StartLine(layout), Decoration(layout)};
        Scale(parts, lift);
        context.out.Write("data/Trassa" + n + ".x", ExportX(parts));
        context.out.Write("data/Trassa" + n + "_5.00.ply", ExportPly({BarrierWalls(layout)}));
        std::vector<MeshBuilder> shadow = {Barriers(layout, 0, "shadow")};
        Scale(shadow, 0);
        context.out.Write("data/Trassa" + n + "_shadow.x", ExportX(shadow));
        PaintTrackPlan(context, layout);
        WriteMinimap(context, slot, layout);
    }
    // Slots 6 and 7 are never raced; their minimaps show track 2's road.
    const TrackLayout spare(2);
    WriteMinimap(context, 6, spare);
    WriteMinimap(context, 7, spare);
}

}  // namespace assetgen
