#include "plugin_facts.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzz {
namespace {

constexpr size_t kMaxFaceTableEntries = 1 << 15;
constexpr int32_t kListCapacity = 256;

PluginFacts Learn() {
    PluginFacts facts;
    CuttingInfo info{};
    if (GetCuttingInfo(&info, 1, InfoRequestGeneral) != 1) Fail("request 256 fails for cutting 1");
    if (info.blockSize < 8 || info.blockSize > 4096 || info.blockSize % 8 != 0) Fail("implausible block size");
    facts.blockSize = info.blockSize;
    std::memcpy(facts.guid, info.guid, sizeof facts.guid);
    facts.faceTable = info.faces;
    facts.name = info.name;
    if (info.faces == nullptr || info.name == nullptr) Fail("request 256 gives no face table or no name");
    const std::string problem = ParseFaceTable(info.faces, kMaxFaceTableEntries, facts.faces);
    if (!problem.empty()) Fail(("face table: " + problem).c_str());
    const std::string open = ClosedSurfaceDefect(facts.faces);
    if (!open.empty()) Fail(("face table is no closed surface: " + open).c_str());

    facts.defaults.assign(static_cast<size_t>(info.blockSize), 0);
    Diamond diamond{};
    diamond.params = facts.defaults.data();
    if (InitDiamond(&diamond, 1) != 1) Fail("InitDiamond fails for cutting 1");

    std::vector<ParameterId> ids(kListCapacity);
    ParameterList list{kListCapacity, 0, 1, ids.data()};
    if (GetCuttingInfo(&list, 1, InfoRequestParameterList) != 1) Fail("request 260 fails for cutting 1");
    ids.resize(static_cast<size_t>(list.count));
    facts.parameterList = ids;
    return facts;
}

}  // namespace

const PluginFacts& Facts() {
    static const PluginFacts facts = Learn();
    return facts;
}

void Fail(const char* what, const uint8_t* block) {
    std::fprintf(stderr, "\n*** plug-in property broken: %s\n", what);
    if (block != nullptr) {
        const PluginFacts& facts = Facts();
        int32_t variant;
        std::memcpy(&variant, block, sizeof variant);
        std::fprintf(stderr, "block: variant %d", variant);
        for (size_t i = 0; i < facts.BlockDoubles(); ++i) {
            double value;
            std::memcpy(&value, block + 8 + 8 * i, sizeof value);
            std::fprintf(stderr, ", [%zu] %.17g", 8 + 8 * i, value);
        }
        std::fprintf(stderr, "\nbytes:");
        for (int32_t i = 0; i < facts.blockSize; ++i) std::fprintf(stderr, " %02x", block[i]);
        std::fprintf(stderr, "\n");
    }
    std::fflush(stderr);
    std::abort();
}

}  // namespace fuzz
