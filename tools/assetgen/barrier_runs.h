// Barrier runs: how the toy blocks of a track's walls join up, and the cut corners
// where the walls of two crossing roads meet.
#pragma once

#include <vector>

#include "tools/assetgen/track_layout.h"

namespace assetgen {

// Whether another block of the same wall (same inset) ends where `block` has its a
// end (`atA`) or its b end. Blocks of one run follow each other a to b; a cut corner
// may meet a run at either of its ends.
bool Joined(const std::vector<BarrierBlock>& blocks, const BarrierBlock& block, bool atA);

// Where two roads cross, the wall of one stops at the wall of the other and the two
// form a square corner pointing into the crossing. A car that reaches the crossing
// off its line (the computer drivers hold their heading anywhere within 20 degrees
// of the waypoint's bearing) drives into the other road's wall there nose first, or
// into the pocket behind the corner. Each such corner is cut back `cut` units along
// both walls and closed with a straight run of blocks about `blockLength` long, so a
// car meeting it glances off into the road beyond.
void ChamferCrossingCorners(std::vector<BarrierBlock>& blocks, double cut, double blockLength);

// On the inside of a hairpin the road's edge is pinched to one point and the wall,
// standing its usual gap back from both legs, closes in a loop about 10 units short
// of it, leaving a pocket of bare table between the two kerbs. A driver cutting the
// bend runs into the pocket and can come out of it heading back the way it came.
// For each pinch of `edge` (a side's road edge, a point per sample) a spine of
// blocks about `blockLength` long runs from the wall's loop towards the pinch, up to
// where its faces (halfThickness from its centre line) would come within
// `clearance` of the road's edge.
void FillHairpinPockets(std::vector<BarrierBlock>& blocks, const std::vector<P2>& edge, double halfThickness,
                        double clearance, double blockLength);

}  // namespace assetgen
