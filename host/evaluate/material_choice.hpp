// The gem material a weight is computed for: --material NAME or
// --density G_PER_CM3, diamond when neither is given.
#pragma once

#include <optional>
#include <string>

namespace cutting::host {

struct MaterialChoice {
    std::string name;  // "diamond", or "density 3.9" when given by number
    double density;    // g/cm³
};

// Throws InputError for an unknown material (listing the known ones) or a
// density that is not a positive finite number.
MaterialChoice ChooseMaterial(const std::optional<std::string>& material, const std::optional<double>& density);

}  // namespace cutting::host
