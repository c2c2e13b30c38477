// One host-side stone for the fuzz target: a Diamond record, its parameter
// block and its vertex buffer, each inside guard zones, and one operation per
// entry point that calls the plug-in and checks the contract around the call.
#pragma once

#include "byte_reader.hpp"
#include "guarded_memory.hpp"
#include "plugin_facts.hpp"

#include "cutting_plugin.h"

#include <cstdint>
#include <vector>

namespace fuzz {

class StoneSession {
public:
    StoneSession();

    // The block's raw bytes from the input.
    void SetRawBlock(ByteReader& in);
    // One double of the block, or the variant.
    void SetField(ByteReader& in);
    void SetVariant(ByteReader& in);

    void CallInitDiamond(ByteReader& in);
    void CallSetParameter(ByteReader& in);
    void CallGetParameter(ByteReader& in);
    void CallGetCuttingInfo(ByteReader& in);
    void CallGetCuttingList(ByteReader& in);
    void CallInitVertexOtherCutting(ByteReader& in);
    void CallWithNullPointers(ByteReader& in);

    // IsCorrect, then InitVertex twice; an accepted block must give a proper
    // solid. Every property of those calls is checked.
    void CheckStone();

private:
    // The record, the block and the buffer are intact apart from what the
    // call may write; the guard zones hold.
    void ExpectBlockUnchanged(const std::vector<uint8_t>& before, const char* call) const;
    void ExpectRecordIntact(const char* call) const;
    void ExpectVerticesUnwritten(const char* call) const;
    std::vector<uint8_t> BlockBytes() const;
    [[noreturn]] void Broken(const char* what) const;

    const PluginFacts& facts_;
    GuardedBytes record_;
    GuardedBytes block_;
    GuardedBytes vertices_;
    std::vector<uint8_t> recordBytes_;
    Diamond* diamond_;
};

}  // namespace fuzz
