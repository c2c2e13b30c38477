// Edits typed by the user: "KEY=VALUE", where KEY is a parameter identifier,
// the exact display name or a short name, and VALUE a number with or without
// a unit (see ParseValue).
#pragma once

#include "core/plugin.hpp"
#include "core/stone.hpp"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cutting::host {

struct ParameterEdit {
    ParameterId id = 0;
    double value = 0.0;  // in the plug-in's unit
    std::string text;    // as typed, for messages
};

// The listed parameter that `key` names; throws InputError listing the valid
// keys when there is none.
const ParameterInfo& ResolveParameterKey(const Cutting& cutting, std::string_view key);

// "crown-angle=40deg" -> {43, 0.698...}; throws InputError for a missing '=',
// an unknown key or a malformed value.
ParameterEdit ParseParameterEdit(const Cutting& cutting, std::string_view setting);

// Applies the edits in order through SetParameter; throws InputError naming
// the identifier of the first write the plug-in refuses.
void ApplyEdits(Stone& stone, std::span<const ParameterEdit> edits);

// "diameter (1), second-diameter (4136), ..." for messages.
std::string ValidKeys(const Cutting& cutting);

}  // namespace cutting::host
