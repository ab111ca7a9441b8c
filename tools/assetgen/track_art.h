// Pictures of a track's plan: the minimap the race shows, and the reviewer's plan
// with barriers, gates, waypoints, spawn squares and grid slots.
#pragma once

#include "tools/assetgen/generator_context.h"
#include "tools/assetgen/track_layout.h"

namespace assetgen {

// data\TrassaN.png for slot 1..7, drawn from layout with the slot's map scale.
void WriteMinimap(GeneratorContext& context, int slot, const TrackLayout& layout);

// The review plan of a track, added to the "Track plans" contact sheet.
void PaintTrackPlan(GeneratorContext& context, const TrackLayout& layout);

}  // namespace assetgen
