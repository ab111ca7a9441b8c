// Which of the display's full-screen modes stands in for the one the program asks for.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "engine/gl_context.h"

namespace engine {

// The index of the offered mode to use for `want`, or nothing (stay in a window) when the
// display offers none. In order of preference: the asked size (the asked depth, else the
// deepest); else the smallest mode at least as large both ways, so the whole picture keeps
// its layout; else the largest smaller mode. Among modes of one size the asked depth wins,
// else the deepest.
std::optional<size_t> ChooseFullScreenMode(const DisplayModeRequest& want,
                                           std::span<const DisplayModeRequest> offered);

}  // namespace engine
