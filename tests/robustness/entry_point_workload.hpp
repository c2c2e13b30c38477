// A run of every entry point of a plug-in on one parameter set, recording
// everything the plug-in answers into fixed-size storage: no heap memory is
// touched during a run, so an allocation seen while it runs is the plug-in's,
// and two runs on the same set can be compared byte for byte.
#pragma once

#include "plugin_library.hpp"

#include <cstddef>
#include <cstdint>

namespace robustness {

using cutting_test::EntryPoints;
using cutting_test::PluginLibrary;

inline constexpr int kMaxBlockSize = 128;
inline constexpr int kMaxVertices = 160;
inline constexpr int kMaxListed = 32;

// What the plug-in says of its cutting, learned once before any run.
struct CuttingFacts {
    EntryPoints entry;
    int32_t blockSize = 0;
    int vertexCount = 0;
    int listed = 0;
    ParameterId parameterList[kMaxListed] = {};
    alignas(8) uint8_t defaults[kMaxBlockSize] = {};
};

// Empty facts (blockSize 0) when the plug-in cannot describe its cutting.
CuttingFacts LearnCutting(const EntryPoints& entry);

// Kinds of parameter set: the defaults, each double of the defaults moved by
// up to a third, single fields set to special values (NaN, infinities,
// subnormals, extremes, zero, negatives), and raw random bytes.
enum class SetKind { Defaults, Plausible, Special, RawBytes };

// The parameter set number `seed` of the given kind, into block (blockSize bytes).
void MakeParameterSet(const CuttingFacts& facts, SetKind kind, uint64_t seed, uint8_t* block);

// Everything one run observed. Trivially copyable; compare with memcmp.
struct RunRecord {
    int32_t results[512];
    double values[512];
    alignas(8) uint8_t finalBlock[kMaxBlockSize];
    double vertices[2][3 * kMaxVertices];
    int resultCount;
    int valueCount;
};

// Calls every entry point on a copy of `block`: the cutting list, every
// GetCuttingInfo request (general, every display name, the parameter list
// whole and cut off, refused codes), InitDiamond, every listed parameter
// read alone and all at once, IsCorrect, InitVertex, every listed parameter
// written (the derived ones too: total heights, star facets) followed by
// IsCorrect, InitVertex again, and the calls for an unknown cutting.
void RunEveryEntryPoint(const CuttingFacts& facts, const uint8_t* block, RunRecord& out);

}  // namespace robustness
