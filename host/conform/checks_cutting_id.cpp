// GetCuttingList, and every entry point's refusal of cutting identifiers the
// plug-in does not offer: 0 returned, nothing observable touched.
#include "conform/check_groups.hpp"
#include "conform/check_support.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <fmt/format.h>

namespace cutting::host::conform {

namespace {

constexpr int32_t kListCapacity = 64;

CheckResult CuttingList(const CheckContext& context) {
    const GetCuttingListFn list = context.plugin.Api().getCuttingList;
    GuardedBuffer ids(kListCapacity * sizeof(CuttingId), 0xA5);
    const int32_t result = list(ids.As<CuttingId>(), kListCapacity);
    if (result == 0) return CheckResult::Fail("GetCuttingList with capacity 64 returned 0, expected success");
    if (const std::string damage = ids.GuardDamage(); !damage.empty())
        return CheckResult::Fail("GetCuttingList wrote outside the array: " + damage);
    const std::vector<CuttingId> listed = context.plugin.CuttingIds();
    for (size_t i = 0; i < listed.size(); ++i) {
        for (size_t j = i + 1; j < listed.size(); ++j) {
            if (listed[i] == listed[j])
                return CheckResult::Fail(fmt::format("cutting {} is listed twice", listed[i]));
        }
    }
    GuardedBuffer one(sizeof(CuttingId), 0xA5);
    if (list(one.As<CuttingId>(), 1) == 0)
        return CheckResult::Fail("GetCuttingList with capacity 1 returned 0, expected success");
    if (const std::string damage = one.GuardDamage(); !damage.empty())
        return CheckResult::Fail("GetCuttingList with capacity 1 wrote past the first entry: " + damage);
    if (*one.As<CuttingId>() != listed.front())
        return CheckResult::Fail(fmt::format("GetCuttingList with capacity 1 wrote {}, expected the first cutting {}",
                                             *one.As<CuttingId>(), listed.front()));
    return CheckResult::Pass();
}

CheckResult CuttingListCapacityZero(const CheckContext& context) {
    for (int32_t capacity : {0, -1}) {
        GuardedBuffer ids(kListCapacity * sizeof(CuttingId), 0xA5);
        const auto before = ids.Snapshot();
        const int32_t result = context.plugin.Api().getCuttingList(ids.As<CuttingId>(), capacity);
        if (result != 0)
            return CheckResult::Fail(fmt::format("capacity {}: returned {}, expected 0", capacity, result));
        const std::string changes = ids.ChangesSince(before) + ids.GuardDamage();
        if (!changes.empty())
            return CheckResult::Fail(fmt::format("capacity {}: expected nothing written, but {}", capacity, changes));
    }
    return CheckResult::Pass();
}

// GetCuttingInfo for cuttings the plug-in does not offer, with each request
// and a record it could well fill.
CheckResult UnknownCuttingGetCuttingInfo(const CheckContext& context) {
    const std::vector<CuttingId> listed = context.plugin.CuttingIds();
    const GetCuttingInfoFn info = context.plugin.Api().getCuttingInfo;
    for (CuttingId cutting : UnlistedCuttingIds(listed)) {
        for (int32_t request : {InfoRequestGeneral, InfoRequestParameterName, InfoRequestParameterList}) {
            GuardedBuffer record(64, 0xA5);
            GuardedBuffer ids(256 * sizeof(ParameterId), 0xA5);
            if (request == InfoRequestParameterList) {
                *record.As<ParameterList>() = ParameterList{256, 0, 1, ids.As<ParameterId>()};
            } else if (request == InfoRequestParameterName) {
                *record.As<ParameterNameQuery>() = ParameterNameQuery{ParameterDiameter, nullptr};
            }
            const auto recordBefore = record.Snapshot();
            const auto idsBefore = ids.Snapshot();
            const int32_t result = info(record.Data(), cutting, request);
            std::string changes = record.ChangesSince(recordBefore) + record.GuardDamage() +
                                  ids.ChangesSince(idsBefore) + ids.GuardDamage();
            if (result != 0 || !changes.empty())
                return CheckResult::Fail(fmt::format("request {} for cutting {}: expected 0 and the record untouched, "
                                                     "got {}{}",
                                                     request, cutting, result,
                                                     changes.empty() ? "" : " and " + changes));
        }
    }
    return CheckResult::Pass();
}

// One per-stone entry point called with every unlisted cutting on a stone of
// the first listed cutting: it must return 0 and leave block, vertex buffer,
// record and values exactly as they were.
// The stone starts from the defaults, except for InitDiamond, whose block
// keeps the canary so that a copy of the defaults would show.
template <class Call>
CheckResult RefusesUnknownCutting(const CheckContext& context, const char* entryPoint, bool fromDefaults, Call call) {
    const std::vector<CuttingId> listed = context.plugin.CuttingIds();
    const CuttingFacts facts = GatherFacts(context.plugin, listed.front());
    const size_t valueCount = std::max<size_t>(facts.parameters.size(), 1);
    for (CuttingId cutting : UnlistedCuttingIds(listed)) {
        GuardedStone stone(context.plugin, facts);
        if (fromDefaults && stone.Init() == 0)
            return CheckResult::Fail(fmt::format("InitDiamond failed for cutting {}", facts.id));
        GuardedBuffer values(valueCount * sizeof(double), 0xA5);
        const auto block = stone.Block().Snapshot();
        const auto vertices = stone.Vertices().Snapshot();
        const auto valuesBefore = values.Snapshot();
        const int32_t result = call(stone, facts, values.As<double>(), cutting);
        std::string changes;
        auto note = [&changes](const char* what, const std::string& detail) {
            if (!detail.empty()) changes += (changes.empty() ? "" : "; ") + std::string(what) + " " + detail;
        };
        note("parameter block:", stone.Block().ChangesSince(block));
        note("vertex buffer:", stone.Vertices().ChangesSince(vertices));
        note("values:", values.ChangesSince(valuesBefore) + values.GuardDamage());
        note("", stone.Damage());
        if (result != 0)
            return CheckResult::Fail(fmt::format("{} for cutting {}: returned {}, expected 0", entryPoint, cutting, result));
        if (!changes.empty())
            return CheckResult::Fail(fmt::format("{} for cutting {}: returned 0 but touched the stone: {}", entryPoint,
                                                 cutting, changes));
    }
    return CheckResult::Pass();
}

// Parameter identifiers for a multi-identifier call: the whole list, or the
// diameter when the cutting lists none.
std::vector<ParameterId> CallIds(const CuttingFacts& facts) {
    return facts.parameters.empty() ? std::vector<ParameterId>{ParameterDiameter} : facts.parameters;
}

CheckResult UnknownCuttingInitDiamond(const CheckContext& context) {
    return RefusesUnknownCutting(context, "InitDiamond", false,
                                 [](GuardedStone& stone, const CuttingFacts&, double*, CuttingId cutting) {
                                     return stone.Init(cutting);
                                 });
}

CheckResult UnknownCuttingInitVertex(const CheckContext& context) {
    return RefusesUnknownCutting(context, "InitVertex", true, [](GuardedStone& stone, const CuttingFacts&, double*,
                                                            CuttingId cutting) { return stone.InitVertex(cutting); });
}

CheckResult UnknownCuttingIsCorrect(const CheckContext& context) {
    return RefusesUnknownCutting(context, "IsCorrect", true, [](GuardedStone& stone, const CuttingFacts&, double*,
                                                           CuttingId cutting) { return stone.IsCorrect(cutting); });
}

CheckResult UnknownCuttingGetParameter(const CheckContext& context) {
    return RefusesUnknownCutting(context, "GetParameter", true, [](GuardedStone& stone, const CuttingFacts& facts,
                                                              double* values, CuttingId cutting) {
        const std::vector<ParameterId> ids = CallIds(facts);
        return stone.Get(values, ids.data(), static_cast<int32_t>(ids.size()), cutting);
    });
}

CheckResult UnknownCuttingSetParameter(const CheckContext& context) {
    return RefusesUnknownCutting(context, "SetParameter", true, [](GuardedStone& stone, const CuttingFacts& facts,
                                                              double*, CuttingId cutting) {
        const std::vector<ParameterId> ids = CallIds(facts);
        const std::vector<double> values(ids.size(), 0.25);
        return stone.Set(values.data(), ids.data(), static_cast<int32_t>(ids.size()), cutting);
    });
}

constexpr std::array kChecks{
    ConformanceCheck{"cutting-list", "GetCuttingList lists distinct cuttings and honours the capacity", CuttingList},
    ConformanceCheck{"cutting-list-capacity-zero", "GetCuttingList with capacity 0 or less returns 0, writes nothing",
                     CuttingListCapacityZero},
    ConformanceCheck{"unknown-cutting-get-cutting-info",
                     "GetCuttingInfo refuses unknown cuttings for requests 256, 259, 260, record untouched",
                     UnknownCuttingGetCuttingInfo},
    ConformanceCheck{"unknown-cutting-init-diamond", "InitDiamond refuses unknown cuttings, touching nothing",
                     UnknownCuttingInitDiamond},
    ConformanceCheck{"unknown-cutting-init-vertex", "InitVertex refuses unknown cuttings, touching nothing",
                     UnknownCuttingInitVertex},
    ConformanceCheck{"unknown-cutting-is-correct", "IsCorrect refuses unknown cuttings, touching nothing",
                     UnknownCuttingIsCorrect},
    ConformanceCheck{"unknown-cutting-get-parameter", "GetParameter refuses unknown cuttings, touching nothing",
                     UnknownCuttingGetParameter},
    ConformanceCheck{"unknown-cutting-set-parameter", "SetParameter refuses unknown cuttings, touching nothing",
                     UnknownCuttingSetParameter},
};

}  // namespace

std::span<const ConformanceCheck> CuttingIdChecks() { return kChecks; }

}  // namespace cutting::host::conform
