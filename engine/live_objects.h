// How many engine objects are alive: a leak check for the runner and the tests, never
// read by the game. A display re-created again and again must bring it back to the same
// number each time.
#pragma once

#include <cstddef>

namespace engine {

// Cameras, meshes, sprites, fonts, sky boxes, textures, cached models, particle systems,
// emitters and trails of the open engine (none while it is closed), plus the sounds and
// the physics bodies, pairs and wheels, which outlive an opening.
size_t LiveObjects();

}  // namespace engine
