// GetCuttingInfo: the general description (256), the parameter list (260)
// with its count semantics, display names (259) and unknown request codes.
#include "conform/check_groups.hpp"
#include "conform/check_support.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <fmt/format.h>

namespace cutting::host::conform {

namespace {

constexpr size_t kMaxNameLength = 1024;

// A parameter-list request on guarded memory: the record and the host's array.
struct ListCall {
    GuardedBuffer record{sizeof(ParameterList), 0x00};
    GuardedBuffer ids;
    int32_t result = 0;

    explicit ListCall(int32_t arraySize) : ids(static_cast<size_t>(std::max(arraySize, 1)) * sizeof(ParameterId), 0xA5) {}

    ParameterList& List() { return *record.As<ParameterList>(); }
    ParameterId Id(int32_t i) { return ids.As<ParameterId>()[i]; }

    void Run(const Plugin& plugin, CuttingId cutting, int32_t capacity, int32_t count, int32_t listKind) {
        List() = ParameterList{capacity, count, listKind, ids.As<ParameterId>()};
        result = plugin.Api().getCuttingInfo(record.Data(), cutting, InfoRequestParameterList);
    }

    std::string Damage() const {
        std::string damage = record.GuardDamage();
        if (const std::string outside = ids.GuardDamage(); !outside.empty())
            damage += (damage.empty() ? "" : "; ") + std::string("array: ") + outside;
        return damage;
    }
};

CheckResult UnknownInfoRequest(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        for (int32_t request : {257, 258, 0, 1, 255, 261, 512, -1}) {
            GuardedBuffer record(64, 0xA5);
            const auto before = record.Snapshot();
            const int32_t result = context.plugin.Api().getCuttingInfo(record.Data(), facts.id, request);
            const std::string changes = record.ChangesSince(before) + record.GuardDamage();
            if (result != 0 || !changes.empty())
                return CheckResult::Fail(fmt::format("request {}: expected 0 and the record untouched, got {}{}",
                                                     request, result, changes.empty() ? "" : " and " + changes));
        }
        return CheckResult::Pass();
    });
}

std::optional<std::string> ReadName(const char* text) {
    for (size_t i = 0; i < kMaxNameLength; ++i) {
        if (text[i] == '\0') return std::string(text, i);
    }
    return std::nullopt;
}

CheckResult GeneralInfo(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        GuardedBuffer record(sizeof(CuttingInfo), 0xA5);
        const int32_t result = context.plugin.Api().getCuttingInfo(record.Data(), facts.id, InfoRequestGeneral);
        if (result != 1) return CheckResult::Fail(fmt::format("request 256 returned {}, expected 1", result));
        if (const std::string damage = record.GuardDamage(); !damage.empty())
            return CheckResult::Fail("request 256 wrote outside its record: " + damage);
        const CuttingInfo& info = *record.As<CuttingInfo>();
        if (info.infoKind != 1) return CheckResult::Fail(fmt::format("infoKind is {}, expected 1", info.infoKind));
        if (info.faces == nullptr) return CheckResult::Fail("the face table pointer is null");
        if (info.name == nullptr || info.secondName == nullptr)
            return CheckResult::Fail("the name or second name pointer is null");
        const auto name = ReadName(info.name);
        if (!name || name->empty())
            return CheckResult::Fail(fmt::format("the name is empty or longer than {} characters", kMaxNameLength));
        if (!ReadName(info.secondName))
            return CheckResult::Fail(fmt::format("the second name is longer than {} characters", kMaxNameLength));
        // The rest of the record is the same on every call.
        GuardedBuffer again(sizeof(CuttingInfo), 0x5A);
        context.plugin.Api().getCuttingInfo(again.Data(), facts.id, InfoRequestGeneral);
        if (const std::string changes = again.ChangesSince(record.Snapshot()); !changes.empty())
            return CheckResult::Fail("a second request 256 filled the record differently: " + changes);
        return CheckResult::Pass();
    });
}

CheckResult ParameterListRequest(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        const int32_t capacity = 4096;
        ListCall call(capacity);
        call.Run(context.plugin, facts.id, capacity, 0, 1);
        if (call.result != 1) return CheckResult::Fail(fmt::format("request 260 returned {}, expected 1", call.result));
        if (const std::string damage = call.Damage(); !damage.empty())
            return CheckResult::Fail("request 260 wrote outside the record or the array: " + damage);
        const ParameterList& list = call.List();
        if (list.capacity != capacity || list.listKind != 1 || list.ids != call.ids.As<ParameterId>())
            return CheckResult::Fail("request 260 changed capacity, listKind or ids of the record");
        if (list.count < 0 || list.count > capacity)
            return CheckResult::Fail(fmt::format("count is {} after the request, outside 0..{}", list.count, capacity));
        const auto image = call.ids.Snapshot();
        std::vector<std::byte> untouched(sizeof(ParameterId), std::byte{0xA5});
        for (int32_t i = list.count; i < capacity; ++i) {
            if (std::memcmp(image.data() + i * sizeof(ParameterId), untouched.data(), sizeof(ParameterId)) != 0)
                return CheckResult::Fail(fmt::format("entry {} behind the new count {} was written", i, list.count));
        }
        std::vector<ParameterId> ids(call.ids.As<ParameterId>(), call.ids.As<ParameterId>() + list.count);
        std::vector<ParameterId> sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        if (const auto twice = std::adjacent_find(sorted.begin(), sorted.end()); twice != sorted.end())
            return CheckResult::Fail(fmt::format("parameter {} is listed twice", *twice));
        return CheckResult::Pass();
    });
}

CheckResult ParameterListCapacityZero(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        for (int32_t count : {0, 3}) {
            ListCall call(16);
            call.Run(context.plugin, facts.id, 0, count, 1);
            GuardedBuffer fresh(16 * sizeof(ParameterId), 0xA5);
            const std::string changes = call.ids.ChangesSince(fresh.Snapshot()) + call.Damage();
            if (call.result != 1 || call.List().count != count || !changes.empty())
                return CheckResult::Fail(fmt::format(
                    "capacity 0, count {}: expected 1, count {} and nothing written; got {}, count {}{}", count, count,
                    call.result, call.List().count, changes.empty() ? "" : ", " + changes));
        }
        return CheckResult::Pass();
    });
}

CheckResult ParameterListAppendsBehindCount(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        const int32_t capacity = static_cast<int32_t>(facts.parameters.size()) + 8;
        ListCall call(capacity);
        call.ids.As<ParameterId>()[0] = 0x11111111;
        call.ids.As<ParameterId>()[1] = 0x22222222;
        call.Run(context.plugin, facts.id, capacity, 2, 1);
        const int32_t expected = 2 + static_cast<int32_t>(facts.parameters.size());
        if (call.result != 1 || call.List().count != expected)
            return CheckResult::Fail(fmt::format("count 2: expected 1 and count {}, got {} and count {}", expected,
                                                 call.result, call.List().count));
        if (call.Id(0) != 0x11111111 || call.Id(1) != 0x22222222)
            return CheckResult::Fail("count 2: the two entries already in use were overwritten");
        for (size_t i = 0; i < facts.parameters.size(); ++i) {
            if (call.Id(static_cast<int32_t>(i) + 2) != facts.parameters[i])
                return CheckResult::Fail(fmt::format("count 2: entry {} is {}, expected {} (the list's entry {})",
                                                     i + 2, call.Id(static_cast<int32_t>(i) + 2), facts.parameters[i], i));
        }
        if (const std::string damage = call.Damage(); !damage.empty()) return CheckResult::Fail(damage);
        return CheckResult::Pass();
    });
}

CheckResult ParameterListCutOff(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        const int32_t total = static_cast<int32_t>(facts.parameters.size());
        if (total < 2) return CheckResult::Skip("the cutting lists fewer than two parameters");
        const int32_t capacity = total - 1;
        ListCall call(capacity);
        call.Run(context.plugin, facts.id, capacity, 0, 1);
        if (call.result != 1 || call.List().count != capacity)
            return CheckResult::Fail(fmt::format("capacity {} of {} needed: expected 1 and count {}, got {} and count {}",
                                                 capacity, total, capacity, call.result, call.List().count));
        for (int32_t i = 0; i < capacity; ++i) {
            if (call.Id(i) != facts.parameters[static_cast<size_t>(i)])
                return CheckResult::Fail(fmt::format("entry {} is {}, expected {}", i, call.Id(i),
                                                     facts.parameters[static_cast<size_t>(i)]));
        }
        if (const std::string damage = call.Damage(); !damage.empty())
            return CheckResult::Fail("a list cut off at capacity " + std::to_string(capacity) + " overflowed: " + damage);
        return CheckResult::Pass();
    });
}

CheckResult ParameterListKind(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        for (int32_t listKind : {0, 2, -1}) {
            ListCall call(64);
            call.List() = ParameterList{64, 0, listKind, call.ids.As<ParameterId>()};
            const auto recordBefore = call.record.Snapshot();
            const auto idsBefore = call.ids.Snapshot();
            call.result = context.plugin.Api().getCuttingInfo(call.record.Data(), facts.id, InfoRequestParameterList);
            const std::string changes =
                call.record.ChangesSince(recordBefore) + call.ids.ChangesSince(idsBefore) + call.Damage();
            if (call.result != 0 || !changes.empty())
                return CheckResult::Fail(fmt::format("listKind {}: expected 0 and nothing appended, got {}{}", listKind,
                                                     call.result, changes.empty() ? "" : " and " + changes));
        }
        return CheckResult::Pass();
    });
}

CheckResult ParameterNames(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        std::vector<ParameterId> asked = facts.parameters;
        for (ParameterId unlisted : std::array<ParameterId, 6>{ParameterDiameter, ParameterTable, 999999, 4095, 4096, -1}) {
            if (std::find(asked.begin(), asked.end(), unlisted) == asked.end()) asked.push_back(unlisted);
        }
        for (ParameterId id : asked) {
            const bool listed = std::find(facts.parameters.begin(), facts.parameters.end(), id) != facts.parameters.end();
            GuardedBuffer record(sizeof(ParameterNameQuery), 0x00);
            *record.As<ParameterNameQuery>() = ParameterNameQuery{id, nullptr};
            const auto before = record.Snapshot();
            const int32_t result = context.plugin.Api().getCuttingInfo(record.Data(), facts.id, InfoRequestParameterName);
            if (result != 1) return CheckResult::Fail(fmt::format("request 259 for {} returned {}, expected 1", id, result));
            if (const std::string damage = record.GuardDamage(); !damage.empty())
                return CheckResult::Fail(fmt::format("request 259 for {} wrote outside the query: {}", id, damage));
            const ParameterNameQuery& query = *record.As<ParameterNameQuery>();
            if (query.id != id)
                return CheckResult::Fail(fmt::format("request 259 for {} changed the query's id to {}", id, query.id));
            const bool ownParameter = listed && id >= CUTTING_FIRST_SPECIFIC_PARAMETER;
            if (!ownParameter) {
                if (const std::string changes = record.ChangesSince(before); !changes.empty())
                    return CheckResult::Fail(fmt::format("request 259 for {} ({}): expected the query untouched, but {}",
                                                         id, listed ? "a standard parameter" : "not listed", changes));
                continue;
            }
            if (query.name != nullptr) {
                const auto name = ReadName(query.name);
                if (!name || name->empty())
                    return CheckResult::Fail(fmt::format("the display name of {} is empty or longer than {} characters",
                                                         id, kMaxNameLength));
            }
        }
        return CheckResult::Pass();
    });
}

constexpr std::array kChecks{
    ConformanceCheck{"unknown-info-request", "request codes other than 256, 259, 260 fail, record untouched",
                     UnknownInfoRequest},
    ConformanceCheck{"general-info", "request 256 fills its 36-byte record, infoKind 1, names and face table set",
                     GeneralInfo},
    ConformanceCheck{"parameter-list", "request 260 appends distinct identifiers and writes nothing behind count",
                     ParameterListRequest},
    ConformanceCheck{"parameter-list-capacity-zero", "request 260 with capacity 0 returns 1, count unchanged",
                     ParameterListCapacityZero},
    ConformanceCheck{"parameter-list-appends-behind-count",
                     "request 260 with count 2 keeps the first two entries and appends behind them",
                     ParameterListAppendsBehindCount},
    ConformanceCheck{"parameter-list-cut-off", "request 260 cuts a list that does not fit off and still returns 1",
                     ParameterListCutOff},
    ConformanceCheck{"parameter-list-kind", "request 260 with listKind other than 1 fails, nothing appended",
                     ParameterListKind},
    ConformanceCheck{"parameter-names",
                     "request 259 returns 1; the query stays untouched for identifiers without a display name",
                     ParameterNames},
};

}  // namespace

std::span<const ConformanceCheck> InfoRequestChecks() { return kChecks; }

}  // namespace cutting::host::conform
