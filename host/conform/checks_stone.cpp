// One stone through the host's steps: InitDiamond, reading every parameter,
// IsCorrect, InitVertex, with every write kept inside the block and the
// vertex buffer it belongs in.
#include "conform/check_groups.hpp"
#include "conform/check_support.hpp"

#include <array>
#include <cmath>
#include <fmt/format.h>

namespace cutting::host::conform {

namespace {

CheckResult InitDiamondFillsBlock(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        // Two blocks with different canaries end up equal only if every byte is written.
        GuardedStone first(context.plugin, facts, 0xA5);
        GuardedStone second(context.plugin, facts, 0x5A);
        if (first.Init() != 1 || second.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
        if (const std::string damage = first.Damage() + second.Damage(); !damage.empty())
            return CheckResult::Fail("InitDiamond " + damage);
        if (const std::string changes = second.Block().ChangesSince(first.Block().Snapshot()); !changes.empty())
            return CheckResult::Fail("InitDiamond leaves part of the block as it was (or is not deterministic): " +
                                     changes);
        return CheckResult::Pass();
    });
}

CheckResult DefaultsAccepted(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
        const int32_t verdict = stone.IsCorrect();
        if (verdict != 1) return CheckResult::Fail(fmt::format("IsCorrect returned {} for the defaults, expected 1", verdict));
        return CheckResult::Pass();
    });
}

CheckResult ReadEveryListedParameter(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (facts.parameters.empty()) return CheckResult::Skip("the cutting lists no parameters");
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
        const auto block = stone.Block().Snapshot();
        std::vector<double> one(facts.parameters.size());
        for (size_t i = 0; i < facts.parameters.size(); ++i) {
            const ParameterId id = facts.parameters[i];
            // Two different starting values: a read that stores nothing shows.
            double a = -7.25e300, b = 3.5e-300;
            if (stone.Get(&a, &id, 1) != 1 || stone.Get(&b, &id, 1) != 1)
                return CheckResult::Fail(fmt::format("reading the listed parameter {} failed", id));
            if (!SameBits(a, b)) return CheckResult::Fail(fmt::format("reading parameter {} stores no value", id));
            if (!std::isfinite(a))
                return CheckResult::Fail(fmt::format("parameter {} reads {} with the defaults, expected a finite value", id, a));
            one[i] = a;
        }
        GuardedBuffer all(facts.parameters.size() * sizeof(double), 0xA5);
        const int32_t result = stone.Get(all.As<double>(), facts.parameters.data(),
                                         static_cast<int32_t>(facts.parameters.size()));
        if (result != 1) return CheckResult::Fail(fmt::format("reading the whole list in one call returned {}", result));
        for (size_t i = 0; i < one.size(); ++i) {
            if (!SameBits(all.As<double>()[i], one[i]))
                return CheckResult::Fail(fmt::format("parameter {} reads {} in the whole list but {} alone",
                                                     facts.parameters[i], all.As<double>()[i], one[i]));
        }
        if (const std::string changes = stone.Block().ChangesSince(block); !changes.empty())
            return CheckResult::Fail("reading parameters changed the block: " + changes);
        if (const std::string damage = all.GuardDamage() + stone.Damage(); !damage.empty())
            return CheckResult::Fail(damage);
        return CheckResult::Pass();
    });
}

CheckResult IsCorrectWritesNothing(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
        const auto block = stone.Block().Snapshot();
        const auto vertices = stone.Vertices().Snapshot();
        stone.IsCorrect();
        const std::string changes = stone.Block().ChangesSince(block);
        const std::string vertexChanges = stone.Vertices().ChangesSince(vertices);
        if (!changes.empty()) return CheckResult::Fail("IsCorrect wrote into the block: " + changes);
        if (!vertexChanges.empty()) return CheckResult::Fail("IsCorrect wrote into the vertex buffer: " + vertexChanges);
        if (const std::string damage = stone.Damage(); !damage.empty()) return CheckResult::Fail("IsCorrect: " + damage);
        return CheckResult::Pass();
    });
}

CheckResult InitVertexWritesEveryVertex(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Skip("the face table cannot be read");
        GuardedStone first(context.plugin, facts, 0xA5);
        GuardedStone second(context.plugin, facts, 0x5A);
        if (first.Init() != 1 || second.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
        if (first.IsCorrect() != 1) return CheckResult::Skip("IsCorrect rejects the default parameters");
        if (first.InitVertex() != 1 || second.InitVertex() != 1)
            return CheckResult::Fail("InitVertex did not return 1 for the default parameters");
        if (const std::string damage = first.Damage(); !damage.empty()) return CheckResult::Fail("InitVertex: " + damage);
        if (const std::string changes = second.Vertices().ChangesSince(first.Vertices().Snapshot()); !changes.empty())
            return CheckResult::Fail(fmt::format("InitVertex leaves part of the {} vertices unwritten: {}",
                                                 facts.faces->vertexCount, changes));
        const double* c = first.Coordinates();
        for (int i = 0; i < 3 * facts.faces->vertexCount; ++i) {
            if (!std::isfinite(c[i]))
                return CheckResult::Fail(fmt::format("vertex {} has a non-finite coordinate with the defaults", i / 3));
        }
        return CheckResult::Pass();
    });
}

CheckResult InitVertexDeterministic(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Skip("the face table cannot be read");
        GuardedStone stone(context.plugin, facts);
        if (stone.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
        if (stone.IsCorrect() != 1) return CheckResult::Skip("IsCorrect rejects the default parameters");
        const auto block = stone.Block().Snapshot();
        if (stone.InitVertex() != 1) return CheckResult::Fail("InitVertex did not return 1");
        const auto vertices = stone.Vertices().Snapshot();
        for (int round = 0; round < 3; ++round) {
            if (stone.InitVertex() != 1) return CheckResult::Fail("InitVertex did not return 1 the next time");
            if (const std::string changes = stone.Vertices().ChangesSince(vertices); !changes.empty())
                return CheckResult::Fail("InitVertex gave other vertices for the same block: " + changes);
        }
        if (const std::string changes = stone.Block().ChangesSince(block); !changes.empty())
            return CheckResult::Fail("InitVertex changed the parameter block: " + changes);
        return CheckResult::Pass();
    });
}

CheckResult WritesStayInBuffers(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Skip("the face table cannot be read");
        GuardedStone stone(context.plugin, facts);
        auto after = [&stone](const std::string& call) -> std::optional<CheckResult> {
            if (const std::string damage = stone.Damage(); !damage.empty())
                return CheckResult::Fail(call + ": " + damage);
            return std::nullopt;
        };
        stone.Init();
        if (auto failed = after("InitDiamond")) return *failed;
        const int32_t count = static_cast<int32_t>(facts.parameters.size());
        GuardedBuffer values(std::max<size_t>(facts.parameters.size(), 1) * sizeof(double), 0xA5);
        stone.Get(values.As<double>(), facts.parameters.data(), count);
        if (!values.GuardDamage().empty()) return CheckResult::Fail("GetParameter wrote past the values: " + values.GuardDamage());
        if (auto failed = after("GetParameter")) return *failed;
        for (int32_t i = 0; i < count; ++i) {
            stone.Set(values.As<double>() + i, facts.parameters.data() + i, 1);
            if (auto failed = after(fmt::format("SetParameter {}", facts.parameters[static_cast<size_t>(i)]))) return *failed;
        }
        stone.IsCorrect();
        if (auto failed = after("IsCorrect")) return *failed;
        stone.InitVertex();
        if (auto failed = after("InitVertex")) return *failed;
        return CheckResult::Pass();
    });
}

constexpr std::array kChecks{
    ConformanceCheck{"init-diamond-fills-block", "InitDiamond writes the whole block, the same defaults every time",
                     InitDiamondFillsBlock},
    ConformanceCheck{"defaults-accepted", "IsCorrect accepts the default parameters", DefaultsAccepted},
    ConformanceCheck{"read-every-listed-parameter",
                     "after InitDiamond every listed parameter reads a finite value, alone and all together",
                     ReadEveryListedParameter},
    ConformanceCheck{"is-correct-writes-nothing", "IsCorrect leaves block and vertex buffer byte for byte as they were",
                     IsCorrectWritesNothing},
    ConformanceCheck{"init-vertex-writes-every-vertex", "InitVertex writes every vertex of the face table, finite",
                     InitVertexWritesEveryVertex},
    ConformanceCheck{"init-vertex-deterministic", "InitVertex gives the same vertices every time, block untouched",
                     InitVertexDeterministic},
    ConformanceCheck{"writes-stay-in-buffers",
                     "no entry point writes outside the block and vertex buffer, nor into the Diamond record",
                     WritesStayInBuffers},
};

}  // namespace

std::span<const ConformanceCheck> StoneChecks() { return kChecks; }

}  // namespace cutting::host::conform
