// The road plan of a track from the race tables.
#include "tools/assetgen/track_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/assetgen/barrier_runs.h"

#include "world/track_tables.h"

namespace assetgen {

namespace {

P2 Add(P2 a, P2 b) {
    return {a.x + b.x, a.z + b.z};
}
P2 Sub(P2 a, P2 b) {
    return {a.x - b.x, a.z - b.z};
}
P2 Mul(P2 a, double s) {
    return {a.x * s, a.z * s};
}
double DotP(P2 a, P2 b) {
    return a.x * b.x + a.z * b.z;
}
double Dist(P2 a, P2 b) {
    return std::hypot(a.x - b.x, a.z - b.z);
}
double CrossP(P2 a, P2 b) {
    return a.x * b.z - a.z * b.x;
}

// Centripetal Catmull-Rom between p1 and p2 at t in [0, 1].
P2 CatmullRom(P2 p0, P2 p1, P2 p2, P2 p3, double t) {
    auto knot = [](P2 a, P2 b, double k) { return k + std::pow(std::max(Dist(a, b), 1e-6), 0.5); };
    const double t0 = 0, t1 = knot(p0, p1, t0), t2 = knot(p1, p2, t1), t3 = knot(p2, p3, t2);
    const double u = t1 + (t2 - t1) * t;
    auto lerp = [](P2 a, P2 b, double ta, double tb, double x) {
        return Add(Mul(a, (tb - x) / (tb - ta)), Mul(b, (x - ta) / (tb - ta)));
    };
    const P2 a1 = lerp(p0, p1, t0, t1, u), a2 = lerp(p1, p2, t1, t2, u), a3 = lerp(p2, p3, t2, t3, u);
    const P2 b1 = lerp(a1, a2, t0, t2, u), b2 = lerp(a2, a3, t1, t3, u);
    return lerp(b1, b2, t1, t2, u);
}

double SmoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

}  // namespace

bool InQuad(P2 p, P2 a, P2 b, P2 c, P2 d) {
    // Two triangles; either winding.
    auto inTriangle = [](P2 p, P2 a, P2 b, P2 c) {
        const double d1 = CrossP(Sub(b, a), Sub(p, a));
        const double d2 = CrossP(Sub(c, b), Sub(p, b));
        const double d3 = CrossP(Sub(a, c), Sub(p, c));
        const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
        const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
    return inTriangle(p, a, b, c) || inTriangle(p, a, c, d);
}

std::vector<RoadFeature> TrackLayout::TableFeatures(int slot) {
    const auto& origin = track_tables::kTrackPositions[slot - 1];
    auto local = [&origin](double x, double z) { return P2{x - origin.x, z - origin.z}; };
    std::vector<RoadFeature> features;
    for (const auto& w : track_tables::kRoutes[slot - 1]) {
        features.push_back({local(w.x, w.z), 2.0, "waypoint"});
    }
    for (const auto& g : track_tables::kGates[slot - 1]) {
        // The whole gate where it is no wider than the road; the road's width of it otherwise.
        const double reach = std::min<double>(g.halfWidth, kHalfWidth - 1.0);
        for (double s : {-reach, -reach / 2, 0.0, reach / 2, reach}) {
            const P2 p = g.alongX ? local(g.x + s, g.z) : local(g.x, g.z + s);
            features.push_back({p, 0.6, "gate"});
        }
    }
    const double offset = track_tables::kSpawnOffsetMax;
    for (const auto& sp : track_tables::kSpawnPoints[slot - 1]) {
        for (double dx : {-offset, 0.0, offset}) {
            for (double dz : {-offset, 0.0, offset}) {
                features.push_back({local(sp.x + dx, sp.z + dz), 0.6, "spawn square"});
            }
        }
    }
    const auto& grid = track_tables::kGrids[slot - 1];
    const double yaw = grid.yaw * M_PI / 180;
    // Yaw t maps the car's +x (forward) to (cos t, -sin t) in x, z.
    const P2 forward{std::cos(yaw), -std::sin(yaw)};
    const P2 side{-forward.z, forward.x};
    for (int s = 0; s < track_tables::kGridSlots; ++s) {
        const auto at = track_tables::GridSlotPosition(slot, s);
        for (double f : {-1.7, 1.7}) {
            for (double w : {-1.2, 1.2}) {
                features.push_back(
                    {Add(local(at.x, at.z), Add(Mul(forward, f), Mul(side, w))), 0.8, "grid car"});
            }
        }
    }
    return features;
}

TrackLayout::TrackLayout(int slot) : slot_(slot) {
    if (slot < 1 || slot > 5) throw std::runtime_error("no road plan for track slot " + std::to_string(slot));
    originX_ = track_tables::kTrackPositions[slot - 1].x;
    originZ_ = track_tables::kTrackPositions[slot - 1].z;
    features_ = TableFeatures(slot);
    BuildCentreline();
    Widen();
    Narrow();
    BuildBarriers();
    ChamferCrossingCorners(blocks_, kCrossingCornerCut, kBlockLength);
    for (const int side : {1, -1}) {
        FillHairpinPockets(blocks_, Edge(side, 0), kBarrierThickness / 2, kPocketClearance, kBlockLength);
    }
    for (const RoadFeature& feature : features_) {
        if (!OnRoad(feature.point)) {
            throw std::runtime_error("track " + std::to_string(slot) + ": a " + feature.what +
                                     " point is off the road");
        }
    }
}

void TrackLayout::BuildCentreline() {
    std::vector<P2> route;
    for (const auto& w : track_tables::kRoutes[slot_ - 1]) route.push_back({w.x - originX_, w.z - originZ_});
    const size_t n = route.size();
    std::vector<P2> points;
    for (size_t i = 0; i < n; ++i) {
        const P2 p0 = route[(i + n - 1) % n], p1 = route[i], p2 = route[(i + 1) % n], p3 = route[(i + 2) % n];
        const int steps = std::max(2, static_cast<int>(std::ceil(Dist(p1, p2) / 1.0)));
        for (int s = 0; s < steps; ++s)
            points.push_back(CatmullRom(p0, p1, p2, p3, static_cast<double>(s) / steps));
    }
    const size_t m = points.size();
    samples_.resize(m);
    double arc = 0;
    for (size_t i = 0; i < m; ++i) {
        const P2 ahead = Sub(points[(i + 1) % m], points[(i + m - 1) % m]);
        const double length = std::hypot(ahead.x, ahead.z);
        RoadSample& sample = samples_[i];
        sample.centre = points[i];
        // Left of the driving direction when looking down on the table (+x right, +z up).
        sample.left = {-ahead.z / length, ahead.x / length};
        sample.arc = arc;
        sample.leftWidth = sample.rightWidth = kHalfWidth;
        arc += Dist(points[i], points[(i + 1) % m]);
    }
    length_ = arc;
}

void TrackLayout::Widen() {
    const size_t m = samples_.size();
    for (const RoadFeature& feature : features_) {
        size_t nearest = 0;
        double best = 1e18;
        for (size_t i = 0; i < m; ++i) {
            const double d = Dist(samples_[i].centre, feature.point);
            if (d < best) best = d, nearest = i;
        }
        const double lateral = DotP(Sub(feature.point, samples_[nearest].centre), samples_[nearest].left);
        const double need = std::fabs(lateral) + feature.margin;
        if (need <= kHalfWidth) continue;
        for (size_t j = 0; j < m; ++j) {
            double along = std::fabs(samples_[j].arc - samples_[nearest].arc);
            along = std::min(along, length_ - along);
            const double weight = SmoothStep(1 - (along - 8) / 14);
            if (weight <= 0) continue;
            double& width = lateral > 0 ? samples_[j].leftWidth : samples_[j].rightWidth;
            width = std::max(width, kHalfWidth + (need - kHalfWidth) * weight);
            double& required = lateral > 0 ? samples_[j].leftNeed : samples_[j].rightNeed;
            required = std::max(required, kHalfWidth + (need - kHalfWidth) * weight);
        }
    }
}

void TrackLayout::Narrow() {
    // Where another stretch runs close, each road gives up width on that side so a
    // barrier fits in the middle; never below what its features need.
    const size_t m = samples_.size();
    const double room = kBarrierThickness + 1.4;  // more than a shared wall needs, for the bends
    for (int sideSign : {1, -1}) {
        std::vector<double> allowed(m, 1e9);
        for (size_t i = 0; i < m; ++i) {
            const P2 direction = Mul(samples_[i].left, sideSign);
            for (size_t j = 0; j < m; ++j) {
                double along = std::fabs(samples_[j].arc - samples_[i].arc);
                along = std::min(along, length_ - along);
                if (along < 25) continue;
                const P2 d = Sub(samples_[j].centre, samples_[i].centre);
                const double distance = std::hypot(d.x, d.z);
                // Stretches nearer than this cross each other (track 4) rather than run side by side.
                if (distance < 1.5 * kHalfWidth || distance > 3 * kHalfWidth + room) continue;
                if (DotP(d, direction) < 0.8 * distance) continue;
                if (std::fabs(DotP(samples_[j].left, samples_[i].left)) < 0.8)
                    continue;  // crossing, not alongside
                allowed[i] = std::min(allowed[i], (distance - room) / 2);
            }
        }
        // Spread each limit a few samples either way, so the edge narrows smoothly.
        for (size_t i = 0; i < m; ++i) {
            double limit = 1e9;
            for (int k = -6; k <= 6; ++k) {
                const size_t j = (i + m + k) % m;
                limit = std::min(limit, allowed[j] + 0.04 * std::abs(k));
            }
            RoadSample& s = samples_[i];
            double& width = sideSign > 0 ? s.leftWidth : s.rightWidth;
            const double need = sideSign > 0 ? s.leftNeed : s.rightNeed;
            width = std::max(need, std::min(width, limit));
        }
    }
}

void TrackLayout::BuildBarriers() {
    const size_t m = samples_.size();
    // A wall's centre keeps at least this far from another road's edge: where two
    // roads cross, a wall then runs into the other road's wall and the corner closes.
    const double trimClearance = kBarrierGap + kBarrierThickness / 2 - 0.8;
    // Between two roads side by side, the shared wall keeps this far from each edge.
    const double sharedClearance = kBarrierThickness / 2 + 0.3;
    for (int sideSign : {1, -1}) {
        // The barrier's centre line. Where another stretch runs alongside, the wall
        // moves to the middle between the two roads (both stretches build it, one a
        // little smaller, so the faces do not fight); where another stretch crosses,
        // the wall stops at that road's own wall.
        std::vector<P2> line(m);
        std::vector<bool> kept(m, true);
        std::vector<bool> inset(m, false);
        for (size_t i = 0; i < m; ++i) {
            const RoadSample& s = samples_[i];
            const double width = sideSign > 0 ? s.leftWidth : s.rightWidth;
            const double standard = width + kBarrierGap + kBarrierThickness / 2;
            const P2 direction = Mul(s.left, sideSign);
            std::vector<size_t> others;
            for (size_t j = 0; j < m; ++j) {
                double along = std::fabs(samples_[j].arc - s.arc);
                along = std::min(along, length_ - along);
                if (along >= 12 && Dist(samples_[j].centre, s.centre) < standard + 2 * kHalfWidth + 10)
                    others.push_back(j);
            }
            size_t blocker = m;
            auto clear = [&](double t, double clearance) {
                const P2 p = Add(s.centre, Mul(direction, t));
                for (size_t j : others) {
                    const RoadSample& o = samples_[j];
                    const P2 d = Sub(p, o.centre);
                    const double lateral = DotP(d, o.left);
                    const double sideWidth = lateral > 0 ? o.leftWidth : o.rightWidth;
                    if (std::fabs(lateral) < sideWidth + clearance &&
                        std::fabs(DotP(d, P2{o.left.z, -o.left.x})) < 1.0) {
                        blocker = j;
                        return false;
                    }
                }
                return true;
            };
            double offset = standard;
            if (!clear(standard, trimClearance)) {
                const RoadSample& other = samples_[blocker];
                const bool alongside = std::fabs(DotP(other.left, s.left)) > 0.8;
                double reach = width + sharedClearance;  // the closest a wall may stand to this road
                if (!alongside || !clear(reach, sharedClearance)) {
                    kept[i] = false;
                } else {
                    while (reach + 0.1 < standard && clear(reach + 0.1, sharedClearance)) reach += 0.1;
                    // reach + sharedClearance is about where the other road's edge lies.
                    offset = std::max((width + reach + sharedClearance) / 2, width + sharedClearance);
                    inset[i] = other.arc < s.arc;
                }
            }
            line[i] = Add(s.centre, Mul(direction, offset));
        }
        // Where the line folds back (the inside of a bend tighter than the offset), drop it.
        for (size_t i = 0; i < m; ++i) {
            const size_t next = (i + 1) % m;
            const P2 tangent{samples_[i].left.z, -samples_[i].left.x};
            if (DotP(Sub(line[next], line[i]), tangent) <= 0) kept[i] = kept[next] = false;
        }
        // Blocks of about kBlockLength along each kept run of the line.
        size_t start = 0;
        while (start < m && kept[start]) ++start;  // begin after a gap, if there is one
        if (start == m) start = 0;
        double carried = 0;
        P2 blockStart = line[start];
        bool open = kept[start];
        for (size_t step = 1; step <= m; ++step) {
            const size_t i = (start + step) % m;
            const size_t previous = (start + step - 1) % m;
            if (!kept[i] || !kept[previous]) {
                if (open && carried > 0.05) blocks_.push_back({blockStart, line[previous], inset[previous]});
                open = kept[i];
                blockStart = line[i];
                carried = 0;
                continue;
            }
            carried += Dist(line[previous], line[i]);
            if (carried >= kBlockLength) {
                blocks_.push_back({blockStart, line[i], inset[i]});
                blockStart = line[i];
                carried = 0;
            }
        }
        if (open && carried > 0.05) blocks_.push_back({blockStart, line[start], inset[start]});
    }
}

std::vector<P2> TrackLayout::Edge(int side, double extra) const {
    const auto& s = samples_;
    const size_t m = s.size();
    std::vector<P2> edge(m);
    for (size_t i = 0; i < m; ++i) {
        const double w = (side > 0 ? s[i].leftWidth : s[i].rightWidth) + extra;
        edge[i] = {s[i].centre.x + side * s[i].left.x * w, s[i].centre.z + side * s[i].left.z * w};
    }
    // A pinch can leave the step onto or off it running backwards: widen the pinched
    // runs (a run counts as one point) until no step does.
    const auto same = [](P2 a, P2 b) { return a.x == b.x && a.z == b.z; };
    for (int round = 0; round < kPinchRounds; ++round) {
        std::vector<bool> folded(m, false);
        bool any = false;
        for (size_t i = 0; i < m; ++i) {
            const size_t next = (i + 1) % m;
            const P2 tangent{s[i].left.z, -s[i].left.x};
            if (DotP(Sub(edge[next], edge[i]), tangent) < -1e-9) folded[i] = folded[next] = any = true;
        }
        if (!any) break;
        for (size_t i = 0; i < m; ++i) {
            if (!folded[i]) continue;
            for (size_t j = (i + 1) % m; !folded[j] && same(edge[j], edge[i]); j = (j + 1) % m) folded[j] = true;
            for (size_t j = (i + m - 1) % m; !folded[j] && same(edge[j], edge[i]); j = (j + m - 1) % m) folded[j] = true;
        }
        for (size_t i = 0; i < m; ++i) {
            if (!folded[i] || folded[(i + m - 1) % m]) continue;  // the start of a folded run
            size_t count = 0;
            P2 sum;
            for (size_t j = i; folded[j % m] && count < m; ++j, ++count) sum = Add(sum, edge[j % m]);
            const P2 pinch = Mul(sum, 1.0 / count);
            for (size_t k = 0; k < count; ++k) edge[(i + k) % m] = pinch;
        }
    }
    return edge;
}

bool TrackLayout::OnRoad(P2 p) const {
    const size_t m = samples_.size();
    for (size_t i = 0; i < m; ++i) {
        const RoadSample& a = samples_[i];
        const RoadSample& b = samples_[(i + 1) % m];
        if (Dist(a.centre, p) > std::max(a.leftWidth, a.rightWidth) + 3) continue;
        const P2 al = Add(a.centre, Mul(a.left, a.leftWidth)), ar = Sub(a.centre, Mul(a.left, a.rightWidth));
        const P2 bl = Add(b.centre, Mul(b.left, b.leftWidth)), br = Sub(b.centre, Mul(b.left, b.rightWidth));
        if (InQuad(p, ar, br, bl, al)) return true;
    }
    return false;
}

}  // namespace assetgen
