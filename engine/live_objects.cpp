// The live engine object count, summed over every handle family and the model cache.
#include "engine/live_objects.h"

#include "engine/engine_instance.h"
#include "engine/physics_world.h"
#include "engine/sound_system.h"

namespace engine {

size_t LiveObjects() {
    size_t count = 0;
    if (const Engine* e = Engine::Active()) {
        count += e->cameras.Count() + e->meshes.Count() + e->sprites.Count() + e->fonts.Count() +
                 e->skyBoxes.Count() + e->textures.Count() + e->models.Count();
        count += e->effects.particleSystems.Count() + e->effects.particleEmitters.Count() +
                 e->effects.trails.Count() + e->effects.trailEmitters.Count();
    }
    if (const PhysicsWorld* world = PhysicsWorld::Existing()) count += world->LiveObjects();
    if (SoundSystem* sound = SoundSystem::Active()) count += sound->store.Count();
    return count;
}

}  // namespace engine
