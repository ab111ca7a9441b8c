// The broad phase: which geoms of the paired bodies may touch this step.
//
// Only paired bodies ever touch, so instead of sorting every geom into a space and
// looking each meeting up among the pairs, each step walks the pairs themselves:
// a pair whose bodies are both enabled, and that would respond or report, has its
// bodies' boxes compared, then its geoms' boxes, and every two geoms whose boxes
// overlap (touching counts) go to Collide. Against a static triangle mesh a geom
// must also come near one of its triangles (TriangleGrid): a car's spheres lie
// inside the box of the track's barriers nearly always, but seldom near a barrier.
// The bodies' boxes are worked out once a step, the first time a pair needs them;
// nothing is allocated once each body has been seen.
#include <algorithm>

#include "engine/physics_world.h"
#include "engine/triangle_grid.h"

namespace engine {
namespace {

bool Overlap(const Box& a, const Box& b) {
    return a[0] <= b[1] && b[0] <= a[1] && a[2] <= b[3] && b[2] <= a[3] && a[4] <= b[5] && b[4] <= a[5];
}

bool Moving(const PhysicsBody& body) { return body.kind == PhysicsBody::Kind::Dynamic; }

// The grid of a static mesh body where it stands now; nullptr for other bodies.
const TriangleGrid* GridOf(PhysicsBody& body) {
    if (!body.mesh || body.geoms.size() != 1) return nullptr;
    if (!body.grid) {
        const dGeomID geom = body.geoms.front();
        body.grid = std::make_shared<TriangleGrid>(*body.mesh, dGeomGetPosition(geom), dGeomGetRotation(geom));
    }
    return body.grid.get();
}

bool Near(const TriangleGrid* grid, const Box& box) { return !grid || grid->Near(box); }

}  // namespace

void PhysicsWorld::FindContacts() {
    ++steps_;
    pairs_.ForEach([this](EngineHandle, const BodyPair& pair) {
        if (!pair.response && !pair.feedback) return;
        PhysicsBody* one = bodies_.Get(pair.body1);
        PhysicsBody* two = bodies_.Get(pair.body2);
        if (!one || !two || !one->enabled || !two->enabled) return;
        // Collide does nothing for two bodies that cannot move unless the pair reports.
        if (!pair.feedback && !Moving(*one) && !Moving(*two)) return;
        const BodyBounds& first = Bounds(*one);
        const BodyBounds& second = Bounds(*two);
        if (!Overlap(first.all, second.all)) return;
        const TriangleGrid* grid1 = GridOf(*one);
        const TriangleGrid* grid2 = GridOf(*two);
        if (!Near(grid1, second.all) || !Near(grid2, first.all)) return;
        for (size_t i = 0; i < one->geoms.size(); ++i) {
            const Box& box1 = first.geoms[i];
            if (!Overlap(box1, second.all) || !Near(grid2, box1)) continue;
            for (size_t j = 0; j < two->geoms.size(); ++j) {
                const Box& box2 = second.geoms[j];
                if (Overlap(box1, box2) && Near(grid1, box2)) Collide(one->geoms[i], two->geoms[j]);
            }
        }
    });
}

const BodyBounds& PhysicsWorld::Bounds(PhysicsBody& body) {
    BodyBounds& bounds = body.bounds;
    if (bounds.step == steps_) return bounds;
    bounds.step = steps_;
    bounds.geoms.resize(body.geoms.size());
    bounds.all = {dInfinity, -dInfinity, dInfinity, -dInfinity, dInfinity, -dInfinity};
    for (size_t i = 0; i < body.geoms.size(); ++i) {
        Box& box = bounds.geoms[i];
        dGeomGetAABB(body.geoms[i], box.data());
        for (int axis = 0; axis < 6; axis += 2) {
            bounds.all[axis] = std::min(bounds.all[axis], box[axis]);
            bounds.all[axis + 1] = std::max(bounds.all[axis + 1], box[axis + 1]);
        }
    }
    return bounds;
}

}  // namespace engine
