// Screen mock-ups for the contact sheets: the written pack entries and pictures
// read back and placed as the screens place them, so a reviewer sees whole
// screens (and a broken entry shows up as a gap).
#pragma once

#include "tools/assetgen/generator_context.h"

namespace assetgen {

void ComposeScreenMockups(GeneratorContext& context);

}  // namespace assetgen
