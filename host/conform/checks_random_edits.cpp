// Seeded random edits of the listed parameters: whatever values a user or a
// sweep throws at the plug-in, it writes only inside the block and the vertex
// buffer, and IsCorrect writes nothing.
#include "conform/check_groups.hpp"
#include "conform/check_support.hpp"

#include <array>
#include <cmath>
#include <fmt/format.h>
#include <limits>
#include <random>

namespace cutting::host::conform {

namespace {

constexpr int kRounds = 300;
constexpr int kMaxEditsPerRound = 4;

// Mostly plausible edits near the current value, sometimes far off or special.
double RandomValue(std::mt19937_64& random, double current) {
    const uint64_t kind = random() % 20;
    const double unit = static_cast<double>(random() >> 11) * 0x1.0p-53;  // [0, 1)
    const double base = std::isfinite(current) && current != 0.0 ? current : 1.0;
    switch (kind) {
        case 0: return 0.0;
        case 1: return -base;
        case 2: return base * 1e6;
        case 3: return base * 1e-9;
        case 4: return std::numeric_limits<double>::quiet_NaN();
        case 5: return std::numeric_limits<double>::infinity();
        case 6: return (unit - 0.5) * 20.0;
        default: return base * (0.5 + unit);  // within half of it either way
    }
}

CheckResult RandomEdits(const CheckContext& context) {
    return ForEachCutting(context, [&](const CuttingFacts& facts) {
        if (!facts.faces) return CheckResult::Skip("the face table cannot be read");
        if (facts.parameters.empty()) return CheckResult::Skip("the cutting lists no parameters");
        std::mt19937_64 random(context.seed ^ static_cast<uint64_t>(facts.id));
        for (int round = 0; round < kRounds; ++round) {
            GuardedStone stone(context.plugin, facts);
            if (stone.Init() != 1) return CheckResult::Fail("InitDiamond did not return 1");
            std::string edits;
            auto fail = [&](const std::string& what) {
                return CheckResult::Fail(fmt::format("seed {}, round {}, after edits [{}]: {}", context.seed, round,
                                                     edits, what));
            };
            const int count = 1 + static_cast<int>(random() % kMaxEditsPerRound);
            for (int e = 0; e < count; ++e) {
                const ParameterId id = facts.parameters[random() % facts.parameters.size()];
                double current = 0.0;
                stone.Get(&current, &id, 1);
                const double value = RandomValue(random, current);
                edits += fmt::format("{}{}={}", edits.empty() ? "" : ", ", id, value);
                stone.Set(&value, &id, 1);
                if (const std::string damage = stone.Damage(); !damage.empty()) return fail("SetParameter: " + damage);
            }
            const auto block = stone.Block().Snapshot();
            const auto vertices = stone.Vertices().Snapshot();
            const int32_t verdict = stone.IsCorrect();
            if (const std::string changes = stone.Block().ChangesSince(block); !changes.empty())
                return fail("IsCorrect wrote into the block: " + changes);
            if (const std::string changes = stone.Vertices().ChangesSince(vertices); !changes.empty())
                return fail("IsCorrect wrote into the vertex buffer: " + changes);
            if (const std::string damage = stone.Damage(); !damage.empty()) return fail("IsCorrect: " + damage);
            if (verdict == 1) {
                if (stone.InitVertex() != 1) return fail("InitVertex failed on an accepted parameter set");
                if (const std::string damage = stone.Damage(); !damage.empty()) return fail("InitVertex: " + damage);
            }
        }
        return CheckResult::Pass();
    });
}

constexpr std::array kChecks{
    ConformanceCheck{"random-edits",
                     "seeded random edits of listed parameters: guard zones intact, IsCorrect writes nothing",
                     RandomEdits},
};

}  // namespace

std::span<const ConformanceCheck> RandomEditChecks() { return kChecks; }

}  // namespace cutting::host::conform
