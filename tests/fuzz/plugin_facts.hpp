// What a plug-in says of its single cutting, learned once through its own
// entry points (the fuzz target links exactly one plug-in): block size, GUID,
// face table, defaults and parameter list.
#pragma once

#include "solid_check.hpp"

#include "cutting_plugin.h"

#include <cstdint>
#include <vector>

namespace fuzz {

struct PluginFacts {
    int32_t blockSize = 0;
    uint8_t guid[16] = {};
    const uint16_t* faceTable = nullptr;
    const char* name = nullptr;
    FaceLoops faces;                       // parsed face table; a closed surface
    std::vector<uint8_t> defaults;         // the block InitDiamond writes
    std::vector<ParameterId> parameterList;

    size_t VertexDoubles() const { return 3 * faces.vertexCount; }
    size_t BlockDoubles() const { return (static_cast<size_t>(blockSize) - 8) / sizeof(double); }
};

// Learned on first use; aborts with a message if the plug-in cannot describe
// its cutting or its face table is no closed surface.
const PluginFacts& Facts();

// Prints what went wrong and the block it happened on (every field with 17
// significant digits, and the raw bytes), then aborts: libFuzzer keeps the
// input, a replay fails.
[[noreturn]] void Fail(const char* what, const uint8_t* block = nullptr);

}  // namespace fuzz
