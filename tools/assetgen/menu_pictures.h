// Adding whole menu pictures (button pairs, tabs, headings) to a pack.
#pragma once

#include <string>

#include "tools/assetgen/button_painter.h"
#include "tools/assetgen/pack_builder.h"

namespace assetgen {

// Base and lit pictures of a button whose face covers its outline (grown a little).
void AddButtonPair(GeneratorContext& context, PackBuilder& pack, int baseIndex, int litIndex,
                   const Placement& placement, const std::string& label, ButtonColour colour);

// Base and lit pictures of a tab.
void AddTabPair(GeneratorContext& context, PackBuilder& pack, int baseIndex, int litIndex,
                const Placement& placement, const std::string& label);

// A lit tab drawn for a picture of another size at the same centre (the active
// tab picture), so the tab keeps its place on screen.
void AddResizedTab(GeneratorContext& context, PackBuilder& pack, int index, const Placement& tab,
                   double width, double height, const std::string& label);

// Base and lit pictures of an arrow button.
void AddArrowPair(GeneratorContext& context, PackBuilder& pack, int baseIndex, int litIndex,
                  const Placement& placement, bool pointsRight);

// A heading ribbon of width x height menu units.
void AddHeading(GeneratorContext& context, PackBuilder& pack, int index, double width, double height,
                const std::string& text);

}  // namespace assetgen
