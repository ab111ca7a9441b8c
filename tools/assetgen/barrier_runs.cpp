#include "tools/assetgen/barrier_runs.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace assetgen {
namespace {

// Two wall ends nearer than this are the two halves of one crossing corner: the
// walls of a crossing stop about a barrier's thickness apart.
constexpr double kCornerReach = 3.0;
// Walls meeting at a crossing corner run roughly across each other.
constexpr double kAcrossCosine = 0.5;

bool SamePoint(P2 p, P2 q) { return std::hypot(p.x - q.x, p.z - q.z) < 1e-6; }

P2 Unit(P2 d) {
    const double length = std::hypot(d.x, d.z);
    return length > 0 ? P2{d.x / length, d.z / length} : P2{};
}

struct WallEnd {
    size_t block = 0;
    bool atA = false;
};

P2 EndPoint(const std::vector<BarrierBlock>& blocks, WallEnd end) {
    return end.atA ? blocks[end.block].a : blocks[end.block].b;
}

// The direction the wall runs out of its end.
P2 Outward(const std::vector<BarrierBlock>& blocks, WallEnd end) {
    const BarrierBlock& b = blocks[end.block];
    return end.atA ? Unit({b.a.x - b.b.x, b.a.z - b.b.z}) : Unit({b.b.x - b.a.x, b.b.z - b.a.z});
}

// Moves a wall's end `cut` units back along its run; whole blocks on the way are
// marked dead. Returns the new end point.
P2 TrimBack(std::vector<BarrierBlock>& blocks, std::vector<bool>& dead, WallEnd end, double cut) {
    for (;;) {
        BarrierBlock& block = blocks[end.block];
        P2& tip = end.atA ? block.a : block.b;
        const P2 root = end.atA ? block.b : block.a;
        const double length = std::hypot(tip.x - root.x, tip.z - root.z);
        if (length > cut) {
            const P2 back = Unit({root.x - tip.x, root.z - tip.z});
            tip = {tip.x + back.x * cut, tip.z + back.z * cut};
            return tip;
        }
        cut -= length;
        dead[end.block] = true;
        size_t next = blocks.size();
        for (size_t k = 0; k < blocks.size() && next == blocks.size(); ++k) {
            if (dead[k] || blocks[k].inset != block.inset) continue;
            if (end.atA ? SamePoint(blocks[k].a, root) : SamePoint(blocks[k].b, root)) next = k;
        }
        if (next == blocks.size()) return root;
        end.block = next;
    }
}

// Distance from p to the segment a-b.
double SegmentDistance(P2 p, P2 a, P2 b) {
    const P2 ab{b.x - a.x, b.z - a.z};
    const double lengthSquared = ab.x * ab.x + ab.z * ab.z;
    if (lengthSquared == 0) return std::hypot(p.x - a.x, p.z - a.z);
    const double t = std::clamp(((p.x - a.x) * ab.x + (p.z - a.z) * ab.z) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + ab.x * t), p.z - (a.z + ab.z * t));
}

// Blocks about blockLength long from a to b, in that order.
void AddRun(std::vector<BarrierBlock>& blocks, P2 a, P2 b, bool inset, double blockLength) {
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.z - a.z) / blockLength)));
    P2 start = a;
    for (int k = 1; k <= pieces; ++k) {
        const double t = static_cast<double>(k) / pieces;
        const P2 end = k == pieces ? b : P2{a.x + (b.x - a.x) * t, a.z + (b.z - a.z) * t};
        blocks.push_back({start, end, inset});
        start = end;
    }
}

}  // namespace

bool Joined(const std::vector<BarrierBlock>& blocks, const BarrierBlock& block, bool atA) {
    const P2 p = atA ? block.a : block.b;
    for (const BarrierBlock& other : blocks) {
        if (&other == &block || other.inset != block.inset) continue;
        if (SamePoint(atA ? other.b : other.a, p)) return true;  // the run goes on
        if (SamePoint(atA ? other.a : other.b, p)) return true;  // a cut corner meets it
    }
    return false;
}

void ChamferCrossingCorners(std::vector<BarrierBlock>& blocks, double cut, double blockLength) {
    std::vector<WallEnd> ends;
    for (size_t k = 0; k < blocks.size(); ++k) {
        for (const bool atA : {true, false}) {
            if (!Joined(blocks, blocks[k], atA)) ends.push_back({k, atA});
        }
    }
    std::vector<bool> paired(ends.size(), false);
    std::vector<bool> dead(blocks.size(), false);
    std::vector<BarrierBlock> corners;
    for (size_t i = 0; i < ends.size(); ++i) {
        for (size_t j = i + 1; j < ends.size() && !paired[i]; ++j) {
            if (paired[j] || ends[i].block == ends[j].block) continue;
            const P2 p = EndPoint(blocks, ends[i]), q = EndPoint(blocks, ends[j]);
            if (std::hypot(p.x - q.x, p.z - q.z) >= kCornerReach) continue;
            const P2 u = Outward(blocks, ends[i]), v = Outward(blocks, ends[j]);
            if (std::fabs(u.x * v.x + u.z * v.z) >= kAcrossCosine) continue;
            paired[i] = paired[j] = true;
            const P2 from = TrimBack(blocks, dead, ends[i], cut);
            const P2 to = TrimBack(blocks, dead, ends[j], cut);
            // Blocks oriented like a run that carries on from the first wall into the second.
            AddRun(corners, ends[i].atA ? to : from, ends[i].atA ? from : to, false, blockLength);
        }
    }
    std::vector<BarrierBlock> kept;
    for (size_t k = 0; k < blocks.size(); ++k) {
        if (!dead[k]) kept.push_back(blocks[k]);
    }
    kept.insert(kept.end(), corners.begin(), corners.end());
    blocks = std::move(kept);
}

void FillHairpinPockets(std::vector<BarrierBlock>& blocks, const std::vector<P2>& edge, double halfThickness,
                        double clearance, double blockLength) {
    // How far along each leg of the pinch its direction is read, in samples (about a unit each).
    constexpr size_t kLegSamples = 8;
    // A wall loop farther than this from the pinch is not this pocket's.
    constexpr double kMostReach = 25.0;
    const size_t m = edge.size();
    if (m < 4 * kLegSamples) return;
    const size_t original = blocks.size();
    for (size_t first = 0; first < m; ++first) {
        const size_t before = (first + m - 1) % m;
        const P2 apex = edge[first];
        if (SamePoint(edge[before], apex) || !SamePoint(edge[(first + 1) % m], apex)) continue;
        size_t last = (first + 1) % m;
        while (SamePoint(edge[(last + 1) % m], apex) && (last + 1) % m != first) last = (last + 1) % m;
        const P2 inLeg = edge[(first + m - kLegSamples) % m], outLeg = edge[(last + kLegSamples) % m];
        const P2 in = Unit({inLeg.x - apex.x, inLeg.z - apex.z});
        const P2 out = Unit({outLeg.x - apex.x, outLeg.z - apex.z});
        const P2 axis = Unit({in.x + out.x, in.z + out.z});
        const double halfAngle = std::acos(std::clamp(in.x * out.x + in.z * out.z, -1.0, 1.0)) / 2;
        if (halfAngle < 0.05 || halfAngle > 1.2) continue;  // no pocket to speak of
        const double nearest = (halfThickness + clearance) / std::sin(halfAngle);
        const auto at = [&](double r) { return P2{apex.x + axis.x * r, apex.z + axis.z * r}; };
        const auto touchesWall = [&](P2 p) {
            return std::any_of(blocks.begin(), blocks.begin() + original, [&](const BarrierBlock& block) {
                return SegmentDistance(p, block.a, block.b) < 2 * halfThickness;
            });
        };
        // Out along the axis until the spine's end touches the wall's loop.
        double reach = nearest;
        while (reach < kMostReach && !touchesWall(at(reach))) reach += 0.2;
        if (reach >= kMostReach || reach <= nearest + 0.5) continue;
        AddRun(blocks, at(reach + halfThickness), at(nearest), false, blockLength);
    }
}

}  // namespace assetgen
