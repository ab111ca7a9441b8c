// Minimaps and track plans.
#include "tools/assetgen/track_art.h"

#include <cmath>
#include <functional>

#include "tools/assetgen/theme.h"
#include "world/track_tables.h"

namespace assetgen {

namespace {

// The road as the union of its quads: each one a sub-path of the same
// orientation, filled with the non-zero rule (a crossing stays road).
void RoadPath(cairo_t* cr, const TrackLayout& layout,
              const std::function<void(P2, double&, double&)>& toPixels) {
    const auto& samples = layout.Samples();
    for (size_t i = 0; i < samples.size(); ++i) {
        const RoadSample& a = samples[i];
        const RoadSample& b = samples[(i + 1) % samples.size()];
        const P2 corners[4] = {{a.centre.x - a.left.x * a.rightWidth, a.centre.z - a.left.z * a.rightWidth},
                               {b.centre.x - b.left.x * b.rightWidth, b.centre.z - b.left.z * b.rightWidth},
                               {b.centre.x + b.left.x * b.leftWidth, b.centre.z + b.left.z * b.leftWidth},
                               {a.centre.x + a.left.x * a.leftWidth, a.centre.z + a.left.z * a.leftWidth}};
        double px[4], py[4];
        for (int k = 0; k < 4; ++k) toPixels(corners[k], px[k], py[k]);
        double area = 0;
        for (int k = 0; k < 4; ++k) area += px[k] * py[(k + 1) % 4] - px[(k + 1) % 4] * py[k];
        cairo_new_sub_path(cr);
        for (int k = 0; k < 4; ++k) {
            const int c = area >= 0 ? k : 3 - k;
            cairo_line_to(cr, px[c], py[c]);
        }
        cairo_close_path(cr);
    }
}

}  // namespace

void WriteMinimap(GeneratorContext& context, int slot, const TrackLayout& layout) {
    // 64 pixels a sprite unit; the sprite covers 1.6 x scale units round (-12.9, 8).
    const auto& scale = track_tables::kMapScales[slot - 1];
    const double pixels = 64;
    const double spanX = 1.6 * scale.x, spanY = 1.6 * scale.y;
    Canvas canvas(static_cast<int>(std::lround(spanX * pixels)),
                  static_cast<int>(std::lround(spanY * pixels)));
    const double raise = (slot == 4 || slot == 5) ? track_tables::kMapDotRaise : 0;
    // The same mapping the race uses for the dot, from the track's local x, z.
    auto toPixels = [&](P2 p, double& px, double& py) {
        const double sx = p.x * track_tables::kMapUnitsPerWorld;  // relative to the map centre
        const double sy = (p.z - 10) * track_tables::kMapUnitsPerWorld + raise;
        px = (sx + spanX / 2) * pixels;
        py = (spanY / 2 - sy) * pixels;
    };
    cairo_t* cr = canvas.Cr();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_save(cr);
    cairo_translate(cr, 2, 3);
    RoadPath(cr, layout, toPixels);
    canvas.SetColor({0, 0, 0, 0.35});
    cairo_fill(cr);
    cairo_restore(cr);
    RoadPath(cr, layout, toPixels);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    canvas.SetColor(theme::kCream);
    cairo_fill(cr);
    const auto& gate = track_tables::kGates[layout.Slot() - 1][0];
    double gx, gy;
    toPixels({gate.x - layout.OriginX(), gate.z - layout.OriginZ()}, gx, gy);
    cairo_arc(cr, gx, gy, 3.5, 0, 2 * M_PI);
    canvas.SetColor(theme::kGreen.Darker(0.2));
    cairo_fill(cr);
    const std::string path = "data/Trassa" + std::to_string(slot) + ".png";
    context.out.Write(path, canvas.EncodePng());
    context.preview.Add("Minimaps", path.substr(5), canvas);
}

void PaintTrackPlan(GeneratorContext& context, const TrackLayout& layout) {
    const double scale = 4;  // pixels a world unit
    const double minX = -180, maxZ = 150;
    Canvas canvas(static_cast<int>(360 * scale), static_cast<int>(300 * scale));
    cairo_t* cr = canvas.Cr();
    auto toPixels = [&](P2 p, double& px, double& py) {
        px = (p.x - minX) * scale;
        py = (maxZ - p.z) * scale;  // north (+z) up
    };
    canvas.SetColor(theme::kWoodLight);
    cairo_paint(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    RoadPath(cr, layout, toPixels);
    canvas.SetColor(theme::kRoad);
    cairo_fill(cr);
    for (const BarrierBlock& block : layout.Blocks()) {
        double ax, ay, bx, by;
        toPixels(block.a, ax, ay);
        toPixels(block.b, bx, by);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
    }
    canvas.SetColor(theme::kRed);
    cairo_set_line_width(cr, TrackLayout::kBarrierThickness * scale);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
    const double ox = layout.OriginX(), oz = layout.OriginZ();
    const int slot = layout.Slot();
    for (const auto& g : track_tables::kGates[slot - 1]) {
        double ax, ay, bx, by;
        toPixels(g.alongX ? P2{g.x - g.halfWidth - ox, g.z - oz} : P2{g.x - ox, g.z - g.halfWidth - oz}, ax,
                 ay);
        toPixels(g.alongX ? P2{g.x + g.halfWidth - ox, g.z - oz} : P2{g.x - ox, g.z + g.halfWidth - oz}, bx,
                 by);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
    }
    canvas.SetColor(theme::kYellow);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const double offset = track_tables::kSpawnOffsetMax;
    for (const auto& sp : track_tables::kSpawnPoints[slot - 1]) {
        double ax, ay, bx, by;
        toPixels({sp.x - offset - ox, sp.z + offset - oz}, ax, ay);
        toPixels({sp.x + offset - ox, sp.z - offset - oz}, bx, by);
        cairo_rectangle(cr, ax, ay, bx - ax, by - ay);
    }
    canvas.SetColor(theme::kGreen);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const auto& route = track_tables::kRoutes[slot - 1];
    for (size_t i = 0; i <= route.size(); ++i) {
        double px, py;
        toPixels({route[i % route.size()].x - ox, route[i % route.size()].z - oz}, px, py);
        cairo_line_to(cr, px, py);
    }
    canvas.SetColor(theme::kCream);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (const auto& w : route) {
        double px, py;
        toPixels({w.x - ox, w.z - oz}, px, py);
        cairo_arc(cr, px, py, 4, 0, 2 * M_PI);
        canvas.SetColor(theme::kSky);
        cairo_fill(cr);
    }
    for (int s = 0; s < track_tables::kGridSlots; ++s) {
        const auto at = track_tables::GridSlotPosition(slot, s);
        const bool alongZ = track_tables::kGrids[slot - 1].rowsAlongMinusZ;
        double px, py;
        toPixels({at.x - ox, at.z - oz}, px, py);
        const double w = (alongZ ? 2.4 : 3.4) * scale, h = (alongZ ? 3.4 : 2.4) * scale;
        cairo_rectangle(cr, px - w / 2, py - h / 2, w, h);
        canvas.SetColor(theme::kCarColours[s % 5].Lighter(0.2));
        cairo_fill(cr);
    }
    TextStyle title{context.fonts.Bold(), 40, theme::kCream};
    title.outline = theme::kInk;
    title.outlineWidth = 3;
    title.align = Align::Left;
    canvas.Text("Track " + std::to_string(slot), 20, 36, title);
    context.preview.Add("Track plans", "Trassa" + std::to_string(slot) + " plan", canvas);
}

}  // namespace assetgen
