// What the conformance checks share: the facts of each cutting as the plug-in
// states them, identifiers it does not serve, and a stone whose every buffer
// is guarded.
#pragma once

#include "conform/conformance_check.hpp"
#include "conform/guarded_buffer.hpp"
#include "core/face_table.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cutting::host::conform {

// One cutting as the plug-in describes it (requests 256 and 260).
struct CuttingFacts {
    CuttingId id = 0;
    CuttingInfo info{};
    std::vector<ParameterId> parameters;
    std::optional<FaceTable> faces;  // empty when the table breaks the loop rule
    std::string facesError;

    // The number of vertices; throws when the face table cannot be read.
    int VertexCount() const;
};

CuttingFacts GatherFacts(const Plugin& plugin, CuttingId id);

// Runs `check` for every cutting the plug-in lists. The first failure wins
// (prefixed with the cutting when there are several); skipped only when it is
// skipped for every cutting.
CheckResult ForEachCutting(const CheckContext& context,
                           const std::function<CheckResult(const CuttingFacts&)>& check);

// Cutting identifiers the plug-in does not list: 0, -1, one above the largest
// listed, INT32_MAX.
std::vector<CuttingId> UnlistedCuttingIds(const std::vector<CuttingId>& listed);

// A parameter identifier outside the list that the cutting refuses to read,
// or nullopt when it serves every one tried.
std::optional<ParameterId> RefusedParameterId(const Plugin& plugin, const CuttingFacts& facts);

// A stone of one cutting with guarded parameter block, vertex buffer and
// Diamond record. The record's reserved words hold canaries, which no call
// may change; nor may any call write outside the block and the buffer.
class GuardedStone {
public:
    GuardedStone(const Plugin& plugin, const CuttingFacts& facts, uint8_t canary = 0xA5);
    GuardedStone(const GuardedStone&) = delete;
    GuardedStone& operator=(const GuardedStone&) = delete;

    Diamond* Record() { return record_.As<Diamond>(); }
    GuardedBuffer& Block() { return block_; }
    GuardedBuffer& Vertices() { return vertices_; }

    // "" while every write stayed inside the block and the vertex buffer and
    // the record is as it was; else what was damaged.
    std::string Damage() const;

    int32_t Init(CuttingId cutting);
    int32_t Init() { return Init(facts_.id); }
    int32_t IsCorrect(CuttingId cutting);
    int32_t IsCorrect() { return IsCorrect(facts_.id); }
    int32_t InitVertex(CuttingId cutting);
    int32_t InitVertex() { return InitVertex(facts_.id); }
    int32_t Get(double* values, const ParameterId* ids, int32_t count, CuttingId cutting);
    int32_t Get(double* values, const ParameterId* ids, int32_t count) { return Get(values, ids, count, facts_.id); }
    int32_t Set(const double* values, const ParameterId* ids, int32_t count, CuttingId cutting);
    int32_t Set(const double* values, const ParameterId* ids, int32_t count) { return Set(values, ids, count, facts_.id); }

    // The vertices as doubles, x, y, z per vertex.
    const double* Coordinates() const { return reinterpret_cast<const double*>(vertices_.Data()); }

private:
    const EntryPoints& api_;
    const CuttingFacts& facts_;
    GuardedBuffer block_;
    GuardedBuffer vertices_;
    GuardedBuffer record_;
    std::vector<std::byte> recordImage_;
};

// Bits of a double, for exact comparisons that treat NaNs alike.
bool SameBits(double a, double b);

// "1, 37, 10"
std::string JoinIds(const std::vector<int32_t>& ids);

}  // namespace cutting::host::conform
