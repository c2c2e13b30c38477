#include "conform/check_support.hpp"

#include <algorithm>
#include <cstring>
#include <fmt/format.h>
#include <limits>
#include <stdexcept>

namespace cutting::host::conform {

int CuttingFacts::VertexCount() const {
    if (!faces) throw std::runtime_error("the face table cannot be read: " + facesError);
    return faces->vertexCount;
}

CuttingFacts GatherFacts(const Plugin& plugin, CuttingId id) {
    CuttingFacts facts;
    facts.id = id;
    facts.info = plugin.GeneralInfo(id);
    if (facts.info.blockSize <= 0 || facts.info.blockSize > (1 << 20))
        throw std::runtime_error(fmt::format("request 256 reports an unusable block size of {} bytes",
                                             facts.info.blockSize));
    facts.parameters = plugin.ParameterIds(id);
    try {
        facts.faces = ParseFaceTable(facts.info.faces);
    } catch (const FaceTableError& error) {
        facts.facesError = error.what();
    }
    return facts;
}

CheckResult ForEachCutting(const CheckContext& context,
                           const std::function<CheckResult(const CuttingFacts&)>& check) {
    const std::vector<CuttingId> ids = context.plugin.CuttingIds();
    bool anyRun = false;
    CheckResult lastSkip;
    for (CuttingId id : ids) {
        CheckResult result = check(GatherFacts(context.plugin, id));
        if (result.outcome == Outcome::Skipped) {
            lastSkip = result;
            continue;
        }
        anyRun = true;
        if (result.Failed()) {
            if (ids.size() > 1) result.message = fmt::format("cutting {}: {}", id, result.message);
            return result;
        }
    }
    return anyRun ? CheckResult::Pass() : lastSkip;
}

std::vector<CuttingId> UnlistedCuttingIds(const std::vector<CuttingId>& listed) {
    const CuttingId largest = *std::max_element(listed.begin(), listed.end());
    std::vector<CuttingId> candidates{0, -1, std::numeric_limits<CuttingId>::max()};
    if (largest < std::numeric_limits<CuttingId>::max()) candidates.push_back(largest + 1);
    std::vector<CuttingId> unlisted;
    for (CuttingId id : candidates) {
        if (std::find(listed.begin(), listed.end(), id) == listed.end() &&
            std::find(unlisted.begin(), unlisted.end(), id) == unlisted.end())
            unlisted.push_back(id);
    }
    return unlisted;
}

std::optional<ParameterId> RefusedParameterId(const Plugin& plugin, const CuttingFacts& facts) {
    for (ParameterId id : {999999, 4095, 0x7FFFFFF0, -5}) {
        if (std::find(facts.parameters.begin(), facts.parameters.end(), id) != facts.parameters.end()) continue;
        GuardedStone stone(plugin, facts);
        if (stone.Init() == 0) return std::nullopt;
        double value = 0.0;
        if (stone.Get(&value, &id, 1) == 0) return id;
    }
    return std::nullopt;
}

GuardedStone::GuardedStone(const Plugin& plugin, const CuttingFacts& facts, uint8_t canary)
    : api_(plugin.Api()),
      facts_(facts),
      block_(static_cast<size_t>(facts.info.blockSize), canary),
      vertices_(facts.faces ? static_cast<size_t>(facts.faces->vertexCount) * 3 * sizeof(double) : 0, canary),
      record_(sizeof(Diamond), 0x00) {
    Diamond* record = Record();
    std::memset(&record->reserved1, 0x6B, sizeof record->reserved1);
    std::memset(&record->reserved2, 0x9E, sizeof record->reserved2);
    record->params = block_.Data();
    record->vertices = reinterpret_cast<double*>(vertices_.Data());
    recordImage_ = record_.Snapshot();
}

std::string GuardedStone::Damage() const {
    std::string damage;
    auto add = [&damage](const std::string& what, const std::string& detail) {
        if (detail.empty()) return;
        if (!damage.empty()) damage += "; ";
        damage += what + ": " + detail;
    };
    add("parameter block", block_.GuardDamage());
    add("vertex buffer", vertices_.GuardDamage());
    add("Diamond record", record_.GuardDamage());
    add("Diamond record", record_.ChangesSince(recordImage_));
    return damage;
}

int32_t GuardedStone::Init(CuttingId cutting) { return api_.initDiamond(Record(), cutting); }
int32_t GuardedStone::IsCorrect(CuttingId cutting) { return api_.isCorrect(Record(), cutting); }
int32_t GuardedStone::InitVertex(CuttingId cutting) { return api_.initVertex(Record(), cutting); }

int32_t GuardedStone::Get(double* values, const ParameterId* ids, int32_t count, CuttingId cutting) {
    return api_.getParameter(values, ids, count, Record(), cutting);
}

int32_t GuardedStone::Set(const double* values, const ParameterId* ids, int32_t count, CuttingId cutting) {
    return api_.setParameter(values, ids, count, Record(), cutting);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string JoinIds(const std::vector<int32_t>& ids) { return fmt::format("{}", fmt::join(ids, ", ")); }

}  // namespace cutting::host::conform
