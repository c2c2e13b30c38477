// A loaded cutting plug-in and a typed view of what it describes.
//
//   auto plugin = Plugin::Load("Lirento");         // path or bare name
//   for (CuttingId id : plugin->CuttingIds()) {
//       Cutting cutting = plugin->Describe(id);   // 256, 260 and 259 in one go
//       ...
//   }
//
// A Plugin is shared (std::shared_ptr) so that every Stone made from it keeps
// the library loaded for as long as it lives.
#pragma once

#include "core/dynamic_library.hpp"
#include "core/face_table.hpp"
#include "core/guid.hpp"
#include "core/units.hpp"
#include "cutting_plugin.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cutting::host {

// The seven entry points, looked up by name.
struct EntryPoints {
    GetCuttingListFn getCuttingList = nullptr;
    GetCuttingInfoFn getCuttingInfo = nullptr;
    InitDiamondFn initDiamond = nullptr;
    InitVertexFn initVertex = nullptr;
    IsCorrectFn isCorrect = nullptr;
    GetParameterFn getParameter = nullptr;
    SetParameterFn setParameter = nullptr;
};

// One parameter of a cutting's list, with what the host makes of it.
struct ParameterInfo {
    ParameterId id = 0;
    std::optional<std::string> displayName;  // as served by request 259, if any
    std::string name;                        // display name, else the host's name, else "Parameter <id>"
    std::string shortName;                   // for the command line; empty when the host has none
    Unit unit = Unit::Plain;
};

// Everything a plug-in says about one of its cuttings.
struct Cutting {
    CuttingId id = 0;
    std::string name;
    GuidBytes guid{};
    int32_t blockSize = 0;
    FaceTable faces;  // parsed by the loop rule
    std::vector<ParameterInfo> parameters;

    int VertexCount() const { return faces.vertexCount; }
    // The parameter with this identifier, or null.
    const ParameterInfo* FindParameter(ParameterId parameterId) const;
};

class Plugin {
public:
    // Loads the library (LocatePlugin resolves bare names) and resolves the
    // seven entry points; throws LoadError naming the ones that are missing.
    static std::shared_ptr<const Plugin> Load(const std::string& pathOrName);

    const std::filesystem::path& Path() const { return path_; }
    // The file name without folder and suffix: "Tavolet".
    std::string Name() const { return path_.stem().string(); }
    const EntryPoints& Api() const { return api_; }

    // GetCuttingList; throws LoadError when the plug-in lists nothing.
    std::vector<CuttingId> CuttingIds() const;

    // Requests 256, 260 and 259 for one cutting; throws LoadError when a
    // request fails or its answer is unusable (bad block size, face table).
    Cutting Describe(CuttingId cutting) const;

    // The parts of Describe, one request each.
    CuttingInfo GeneralInfo(CuttingId cutting) const;                            // 256
    std::vector<ParameterId> ParameterIds(CuttingId cutting) const;              // 260
    std::optional<std::string> DisplayName(CuttingId cutting, ParameterId id) const;  // 259

private:
    Plugin(std::filesystem::path path, DynamicLibrary library, EntryPoints api);

    std::filesystem::path path_;
    DynamicLibrary library_;
    EntryPoints api_;
};

// Parameters of a cutting, described with the catalogue's names and units.
ParameterInfo DescribeParameter(ParameterId id, std::optional<std::string> displayName);

}  // namespace cutting::host
