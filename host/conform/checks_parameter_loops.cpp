// The multi-identifier loops of GetParameter and SetParameter: a count of 0
// or less succeeds at once; the first identifier the cutting does not serve
// stops the loop with 0, keeping what the earlier ones did.
#include "conform/check_groups.hpp"
#include "conform/check_support.hpp"

#include <array>
#include <cmath>
#include <fmt/format.h>

namespace cutting::host::conform {

namespace {

CheckResult GetParameterCountZero(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() == 0) return CheckResult::Fail("InitDiamond failed");
        const ParameterId ids[] = {ParameterDiameter, 999999};
        for (int32_t count : {0, -1}) {
            GuardedBuffer values(2 * sizeof(double), 0xA5);
            const auto valuesBefore = values.Snapshot();
            const auto block = stone.Block().Snapshot();
            const int32_t result = stone.Get(values.As<double>(), ids, count);
            const std::string changes = values.ChangesSince(valuesBefore) + values.GuardDamage() +
                                        stone.Block().ChangesSince(block) + stone.Damage();
            if (result != 1 || !changes.empty())
                return CheckResult::Fail(fmt::format("count {}: expected 1 and nothing written, got {}{}", count, result,
                                                     changes.empty() ? "" : " and " + changes));
        }
        return CheckResult::Pass();
    });
}

CheckResult SetParameterCountZero(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() == 0) return CheckResult::Fail("InitDiamond failed");
        const ParameterId ids[] = {facts.parameters.empty() ? ParameterDiameter : facts.parameters.front(), 999999};
        const double values[] = {0.25, 0.25};
        for (int32_t count : {0, -1}) {
            const auto block = stone.Block().Snapshot();
            const int32_t result = stone.Set(values, ids, count);
            const std::string changes = stone.Block().ChangesSince(block) + stone.Damage();
            if (result != 1 || !changes.empty())
                return CheckResult::Fail(fmt::format("count {}: expected 1 and the block untouched, got {}{}", count,
                                                     result, changes.empty() ? "" : " and " + changes));
        }
        return CheckResult::Pass();
    });
}

CheckResult GetParameterStopsAtUnknown(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (facts.parameters.empty()) return CheckResult::Skip("the cutting lists no parameters");
        const std::optional<ParameterId> refused = RefusedParameterId(context.plugin, facts);
        if (!refused) return CheckResult::Skip("no unlisted identifier tried is refused");
        const ParameterId first = facts.parameters.front();
        const ParameterId last = facts.parameters.back();
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() == 0) return CheckResult::Fail("InitDiamond failed");
        double alone = 0.0;
        if (stone.Get(&alone, &first, 1) != 1)
            return CheckResult::Fail(fmt::format("reading the listed parameter {} failed", first));

        const ParameterId ids[] = {first, *refused, last};
        GuardedBuffer values(3 * sizeof(double), 0xA5);
        const double untouched = values.As<double>()[1];
        const int32_t result = stone.Get(values.As<double>(), ids, 3);
        const double* got = values.As<double>();
        if (result != 0)
            return CheckResult::Fail(fmt::format("ids ({}, {}, {}): returned {}, expected 0", first, *refused, last, result));
        if (!SameBits(got[0], alone))
            return CheckResult::Fail(fmt::format("ids ({}, {}, {}): values[0] is {}, expected {} as read alone", first,
                                                 *refused, last, got[0], alone));
        if (!SameBits(got[1], untouched) || !SameBits(got[2], untouched))
            return CheckResult::Fail(fmt::format("ids ({}, {}, {}): values[1] and values[2] were written", first,
                                                 *refused, last));
        if (const std::string damage = values.GuardDamage() + stone.Damage(); !damage.empty())
            return CheckResult::Fail(damage);
        return CheckResult::Pass();
    });
}

// A value for `id` that differs from its current one.
double ChangedValue(double current) {
    if (!std::isfinite(current) || current == 0.0) return 0.5;
    return current * 1.1;
}

CheckResult SetParameterKeepsEarlierWrite(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (facts.parameters.empty()) return CheckResult::Skip("the cutting lists no parameters");
        const std::optional<ParameterId> refused = RefusedParameterId(context.plugin, facts);
        if (!refused) return CheckResult::Skip("no unlisted identifier tried is refused");
        const ParameterId first = facts.parameters.front();
        const ParameterId last = facts.parameters.back();

        // The first write alone, for reference.
        GuardedStone reference(context.plugin, facts);
        if (reference.Init() == 0) return CheckResult::Fail("InitDiamond failed");
        double current = 0.0;
        if (reference.Get(&current, &first, 1) != 1)
            return CheckResult::Fail(fmt::format("reading the listed parameter {} failed", first));
        const double value = ChangedValue(current);
        if (reference.Set(&value, &first, 1) != 1)
            return CheckResult::Fail(fmt::format("writing {} to the listed parameter {} was refused", value, first));

        // The same write followed by a refused identifier and one more write.
        GuardedStone stone(context.plugin, facts);
        stone.Init();
        double lastValue = 0.0;
        stone.Get(&lastValue, &last, 1);
        const ParameterId ids[] = {first, *refused, last};
        const double values[] = {value, value, ChangedValue(lastValue)};
        const int32_t result = stone.Set(values, ids, 3);
        if (result != 0)
            return CheckResult::Fail(fmt::format("ids ({}, {}, {}): returned {}, expected 0", first, *refused, last, result));
        if (const std::string changes = stone.Block().ChangesSince(reference.Block().Snapshot()); !changes.empty())
            return CheckResult::Fail(fmt::format(
                "ids ({}, {}, {}): expected the block as after writing {} alone (earlier write kept, later ones not "
                "made), but {}",
                first, *refused, last, first, changes));
        if (const std::string damage = stone.Damage(); !damage.empty()) return CheckResult::Fail(damage);
        return CheckResult::Pass();
    });
}

constexpr std::array kChecks{
    ConformanceCheck{"get-parameter-count-zero", "GetParameter with count 0 or less returns 1, writes nothing",
                     GetParameterCountZero},
    ConformanceCheck{"get-parameter-stops-at-unknown",
                     "GetParameter stores the values before a refused identifier, returns 0, leaves the rest",
                     GetParameterStopsAtUnknown},
    ConformanceCheck{"set-parameter-count-zero", "SetParameter with count 0 or less returns 1, block untouched",
                     SetParameterCountZero},
    ConformanceCheck{"set-parameter-keeps-earlier-write",
                     "SetParameter keeps the writes before a refused identifier, returns 0, makes none after it",
                     SetParameterKeepsEarlierWrite},
};

}  // namespace

std::span<const ConformanceCheck> ParameterLoopChecks() { return kChecks; }

}  // namespace cutting::host::conform
