// Linked into every test program: no display, no sound card, and where the build put things.
#include <cstdlib>

namespace {
struct HeadlessEnvironment {
    HeadlessEnvironment() {
        // The caller's choice wins (a developer may run a suite on a real display).
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("ALSOFT_DRIVERS", "null", 0);
        setenv("PEBBLEDASH_BIN", PEBBLEDASH_BIN_DIR, 0);
        setenv("PEBBLEDASH_SOURCE", PEBBLEDASH_SOURCE_DIR, 0);
    }
};
const HeadlessEnvironment kEnvironment;
}  // namespace
