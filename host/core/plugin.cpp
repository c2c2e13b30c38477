#include "core/plugin.hpp"

#include "core/errors.hpp"
#include "core/parameter_catalogue.hpp"
#include "core/plugin_locator.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace cutting::host {

namespace {

// Marks entries of the host's arrays that the plug-in did not write.
constexpr CuttingId kNotWritten = std::numeric_limits<int32_t>::min();
constexpr int32_t kCuttingListCapacity = 64;
constexpr int32_t kMaxBlockSize = 1 << 20;
constexpr int32_t kMaxParameterCount = 1 << 16;
constexpr size_t kMaxNameLength = 1024;

template <class Fn>
Fn Resolve(const DynamicLibrary& library, const char* name, std::string& missing) {
    void* symbol = library.Symbol(name);
    if (symbol == nullptr) {
        if (!missing.empty()) missing += ", ";
        missing += name;
    }
    return reinterpret_cast<Fn>(symbol);
}

// A NUL-terminated string from the plug-in's constant data, read no further
// than kMaxNameLength characters.
std::string BoundedString(const char* text) {
    size_t length = 0;
    while (length < kMaxNameLength && text[length] != '\0') ++length;
    return std::string(text, length);
}

}  // namespace

const ParameterInfo* Cutting::FindParameter(ParameterId parameterId) const {
    for (const ParameterInfo& parameter : parameters) {
        if (parameter.id == parameterId) return &parameter;
    }
    return nullptr;
}

Plugin::Plugin(std::filesystem::path path, DynamicLibrary library, EntryPoints api)
    : path_(std::move(path)), library_(std::move(library)), api_(api) {}

std::shared_ptr<const Plugin> Plugin::Load(const std::string& pathOrName) {
    std::filesystem::path path = LocatePlugin(pathOrName);
    DynamicLibrary library(path);
    std::string missing;
    EntryPoints api;
    api.getCuttingList = Resolve<GetCuttingListFn>(library, "GetCuttingList", missing);
    api.getCuttingInfo = Resolve<GetCuttingInfoFn>(library, "GetCuttingInfo", missing);
    api.initDiamond = Resolve<InitDiamondFn>(library, "InitDiamond", missing);
    api.initVertex = Resolve<InitVertexFn>(library, "InitVertex", missing);
    api.isCorrect = Resolve<IsCorrectFn>(library, "IsCorrect", missing);
    api.getParameter = Resolve<GetParameterFn>(library, "GetParameter", missing);
    api.setParameter = Resolve<SetParameterFn>(library, "SetParameter", missing);
    if (!missing.empty())
        throw LoadError("'" + path.string() + "' is not a cutting plug-in: it does not export " + missing);
    return std::shared_ptr<const Plugin>(new Plugin(std::move(path), std::move(library), api));
}

std::vector<CuttingId> Plugin::CuttingIds() const {
    std::vector<CuttingId> ids(kCuttingListCapacity, kNotWritten);
    if (api_.getCuttingList(ids.data(), kCuttingListCapacity) == 0)
        throw LoadError("'" + path_.string() + "' lists no cuttings (GetCuttingList failed)");
    const auto end = std::find(ids.begin(), ids.end(), kNotWritten);
    ids.erase(end, ids.end());
    if (ids.empty()) throw LoadError("'" + path_.string() + "' lists no cuttings");
    return ids;
}

CuttingInfo Plugin::GeneralInfo(CuttingId cutting) const {
    CuttingInfo info{};
    if (api_.getCuttingInfo(&info, cutting, InfoRequestGeneral) == 0)
        throw LoadError("'" + path_.string() + "' describes no cutting " + std::to_string(cutting) +
                        " (request 256 failed)");
    return info;
}

std::vector<ParameterId> Plugin::ParameterIds(CuttingId cutting) const {
    for (int32_t capacity = 64; capacity <= kMaxParameterCount; capacity *= 2) {
        std::vector<ParameterId> ids(static_cast<size_t>(capacity), 0);
        ParameterList list{capacity, 0, 1, ids.data()};
        if (api_.getCuttingInfo(&list, cutting, InfoRequestParameterList) == 0)
            throw LoadError("'" + path_.string() + "' gives no parameter list for cutting " +
                            std::to_string(cutting) + " (request 260 failed)");
        if (list.count < 0 || list.count > capacity)
            throw LoadError("'" + path_.string() + "' reports " + std::to_string(list.count) +
                            " parameters for a list of capacity " + std::to_string(capacity));
        if (list.count < capacity) {
            ids.resize(static_cast<size_t>(list.count));
            return ids;
        }
        // A full list may have been cut off: ask again with more room.
    }
    throw LoadError("'" + path_.string() + "' lists more than " + std::to_string(kMaxParameterCount) +
                    " parameters");
}

std::optional<std::string> Plugin::DisplayName(CuttingId cutting, ParameterId id) const {
    ParameterNameQuery query{id, nullptr};
    if (api_.getCuttingInfo(&query, cutting, InfoRequestParameterName) == 0 || query.name == nullptr)
        return std::nullopt;
    return BoundedString(query.name);
}

Cutting Plugin::Describe(CuttingId id) const {
    const CuttingInfo info = GeneralInfo(id);
    const std::string what = "cutting " + std::to_string(id) + " of '" + path_.string() + "'";
    if (info.blockSize <= 0 || info.blockSize > kMaxBlockSize)
        throw LoadError(what + " reports an unusable block size of " + std::to_string(info.blockSize) + " bytes");

    Cutting cutting;
    cutting.id = id;
    cutting.name = info.name != nullptr ? BoundedString(info.name) : std::string("(unnamed)");
    std::memcpy(cutting.guid.data(), info.guid, cutting.guid.size());
    cutting.blockSize = info.blockSize;
    try {
        cutting.faces = ParseFaceTable(info.faces);
    } catch (const FaceTableError& error) {
        throw LoadError(what + " has a malformed face table: " + error.what());
    }
    for (ParameterId parameter : ParameterIds(id))
        cutting.parameters.push_back(DescribeParameter(parameter, DisplayName(id, parameter)));
    return cutting;
}

ParameterInfo DescribeParameter(ParameterId id, std::optional<std::string> displayName) {
    ParameterInfo info;
    info.id = id;
    const CatalogueEntry* entry =
        FindCatalogueEntry(id, displayName ? std::optional<std::string_view>(*displayName) : std::nullopt);
    if (entry != nullptr && IsStandardParameter(id)) {
        info.name = std::string(entry->hostName);  // the host names standard parameters itself
    } else if (displayName) {
        info.name = *displayName;
    } else if (entry != nullptr) {
        info.name = std::string(entry->hostName);
    } else {
        info.name = "Parameter " + std::to_string(id);
    }
    if (entry != nullptr) {
        info.shortName = std::string(entry->shortName);
        info.unit = entry->unit;
    }
    info.displayName = std::move(displayName);
    return info;
}

}  // namespace cutting::host
