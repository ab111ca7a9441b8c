// TrackLayout: the plan of one track in its own frame (world minus the track's
// position, x and z): the smoothed closed road through the opponents' route, its
// width on each side (widened where a gate, a spawn square, a waypoint or a grid
// car needs room), and the barrier lines on both sides, trimmed where they would
// loop inside a tight bend or run onto a neighbouring stretch.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

struct P2 {
    double x = 0, z = 0;
};

struct RoadSample {
    P2 centre;
    P2 left;               // unit normal to the left of the driving direction
    double arc = 0;        // distance along the road from sample 0
    double leftWidth = 0;  // road extends this far to the left of the centre
    double rightWidth = 0;
    double leftNeed = 0;  // the least width the features near this sample need
    double rightNeed = 0;
};

// A point the road must carry, with the room it needs around it.
struct RoadFeature {
    P2 point;
    double margin = 0;
    std::string what;
};

struct BarrierBlock {
    P2 a, b;             // ends of the block's centre line
    bool inset = false;  // the second copy of a shared wall: built a little smaller
};

class TrackLayout {
public:
    static constexpr double kHalfWidth = 12.0;  // usual half width of the road
    static constexpr double kKerbWidth = 1.0;   // kerb strip outside each road edge
    static constexpr double kBarrierGap = 1.4;  // road edge to the barrier's inner face
    static constexpr double kBarrierThickness = 1.6;
    static constexpr double kBarrierHeight = 2.4;
    static constexpr double kBlockLength = 3.0;
    static constexpr double kCrossingCornerCut = 8.0;  // each wall, back from a crossing corner
    static constexpr double kPocketClearance = 0.2;    // a hairpin pocket's spine, face to road edge

    // slot 1..5. Throws std::runtime_error when a feature cannot be given room.
    explicit TrackLayout(int slot);

    int Slot() const { return slot_; }
    double OriginX() const { return originX_; }
    double OriginZ() const { return originZ_; }
    const std::vector<RoadSample>& Samples() const { return samples_; }
    const std::vector<BarrierBlock>& Blocks() const { return blocks_; }
    const std::vector<RoadFeature>& Features() const { return features_; }
    double Length() const { return length_; }

    // The road's edge on one side (+1 left, -1 right), `extra` beyond the road's
    // width, one point a sample. On the inside of a bend tighter than the width the
    // edge would run backwards and cross itself; each such run is pinched to one
    // point, so the road fans round it and a kerb stops there instead of looping.
    std::vector<P2> Edge(int side, double extra) const;
    static constexpr int kPinchRounds = 50;

    // Whether a local point lies on the road surface (between its edges).
    bool OnRoad(P2 point) const;

    // The features the tables ask for, in local coordinates: waypoints, gate
    // segments, spawn squares, grid car footprints.
    static std::vector<RoadFeature> TableFeatures(int slot);

private:
    void BuildCentreline();
    void Widen();
    void Narrow();
    void BuildBarriers();

    int slot_;
    double originX_, originZ_;
    std::vector<RoadSample> samples_;
    std::vector<RoadFeature> features_;
    std::vector<BarrierBlock> blocks_;
    double length_ = 0;
};

// Whether point lies in the quadrilateral a, b, c, d (in order round its edge).
bool InQuad(P2 point, P2 a, P2 b, P2 c, P2 d);

}  // namespace assetgen
