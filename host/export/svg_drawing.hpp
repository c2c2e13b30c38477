// A dimensioned drawing of the stone: top, side and bottom views, shaded
// facets with their edges, and the length, width and depth in millimetres.
#pragma once

#include "solid/solid.hpp"

#include <string>
#include <vector>

namespace cutting::host::exporter {

struct DrawingText {
    std::string title;               // the cutting's name
    std::vector<std::string> notes;  // short lines under the title
};

// The whole SVG document.
std::string DrawSvg(const solid::Solid& solid, const DrawingText& text);

}  // namespace cutting::host::exporter
