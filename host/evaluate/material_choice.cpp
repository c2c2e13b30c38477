#include "material_choice.hpp"

#include "core/errors.hpp"
#include "solid/materials.hpp"

#include <fmt/format.h>

#include <cmath>

namespace cutting::host {

MaterialChoice ChooseMaterial(const std::optional<std::string>& material, const std::optional<double>& density) {
    if (density) {
        if (!std::isfinite(*density) || *density <= 0.0) {
            throw InputError(fmt::format("density {} is not a positive number of g/cm3", *density));
        }
        return {fmt::format("density {}", *density), *density};
    }
    const std::string name = material.value_or("diamond");
    if (const auto known = solid::DensityOf(name)) return {name, *known};
    std::string names;
    for (const solid::Material& m : solid::KnownMaterials()) {
        names += (names.empty() ? "" : ", ") + std::string(m.name);
    }
    throw InputError("unknown material '" + name + "'; known materials: " + names);
}

}  // namespace cutting::host
