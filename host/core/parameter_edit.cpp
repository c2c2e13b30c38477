#include "core/parameter_edit.hpp"

#include "core/errors.hpp"
#include "core/units.hpp"

#include <charconv>

namespace cutting::host {

namespace {

std::optional<ParameterId> AsIdentifier(std::string_view key) {
    ParameterId id = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), id);
    if (error != std::errc() || end != key.data() + key.size()) return std::nullopt;
    return id;
}

std::string Describe(const ParameterInfo& parameter) {
    return std::to_string(parameter.id) + " (" + parameter.name + ")";
}

}  // namespace

std::string ValidKeys(const Cutting& cutting) {
    std::string keys;
    for (const ParameterInfo& parameter : cutting.parameters) {
        if (!keys.empty()) keys += ", ";
        keys += parameter.shortName.empty() ? "\"" + parameter.name + "\"" : parameter.shortName;
        keys += " (" + std::to_string(parameter.id) + ")";
    }
    return keys.empty() ? "none: the cutting lists no parameters" : keys;
}

const ParameterInfo& ResolveParameterKey(const Cutting& cutting, std::string_view key) {
    if (const std::optional<ParameterId> id = AsIdentifier(key)) {
        if (const ParameterInfo* parameter = cutting.FindParameter(*id)) return *parameter;
    }
    for (const ParameterInfo& parameter : cutting.parameters) {
        if (parameter.displayName && *parameter.displayName == key) return parameter;
    }
    for (const ParameterInfo& parameter : cutting.parameters) {
        if (!parameter.shortName.empty() && parameter.shortName == key) return parameter;
    }
    for (const ParameterInfo& parameter : cutting.parameters) {
        if (parameter.name == key) return parameter;
    }
    throw InputError("unknown parameter '" + std::string(key) + "' for " + cutting.name +
                     "; valid keys: " + ValidKeys(cutting));
}

ParameterEdit ParseParameterEdit(const Cutting& cutting, std::string_view setting) {
    const size_t equals = setting.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw InputError("malformed setting '" + std::string(setting) + "': expected KEY=VALUE");
    const ParameterInfo& parameter = ResolveParameterKey(cutting, setting.substr(0, equals));
    ParameterEdit edit;
    edit.id = parameter.id;
    edit.value = ParseValue(setting.substr(equals + 1), parameter.unit);
    edit.text = std::string(setting);
    return edit;
}

void ApplyEdits(Stone& stone, std::span<const ParameterEdit> edits) {
    for (const ParameterEdit& edit : edits) {
        if (!stone.Set(edit.id, edit.value)) {
            const ParameterInfo* parameter = stone.GetCutting().FindParameter(edit.id);
            throw InputError("the plug-in refused to set parameter " +
                             (parameter != nullptr ? Describe(*parameter) : std::to_string(edit.id)) + " to " +
                             FormatRaw(edit.value) + " ('" + edit.text + "')");
        }
    }
}

}  // namespace cutting::host
