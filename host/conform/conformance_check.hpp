// The contract conformance checks: what every cutting plug-in must do,
// whatever its cuttings. Each check has a kebab-case name and ends passed,
// failed (with what was expected and what came) or skipped (with why).
#pragma once

#include "core/plugin.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cutting::host::conform {

enum class Outcome { Passed, Failed, Skipped };

struct CheckResult {
    Outcome outcome = Outcome::Passed;
    std::string message;  // why it failed or was skipped

    static CheckResult Pass() { return {Outcome::Passed, ""}; }
    static CheckResult Fail(std::string why) { return {Outcome::Failed, std::move(why)}; }
    static CheckResult Skip(std::string why) { return {Outcome::Skipped, std::move(why)}; }
    bool Failed() const { return outcome == Outcome::Failed; }
};

struct CheckContext {
    const Plugin& plugin;
    uint64_t seed = 0;  // for the checks with random inputs
};

struct ConformanceCheck {
    std::string_view name;
    std::string_view description;
    CheckResult (*run)(const CheckContext& context);
};

// Every check, in the order they are run.
std::span<const ConformanceCheck> ConformanceChecks();

// The check of that name, or null.
const ConformanceCheck* FindCheck(std::string_view name);

// Runs one check in this process; an exception from it is a failure.
CheckResult RunCheck(const ConformanceCheck& check, const CheckContext& context);

// "passed", "failed", "skipped"
std::string_view OutcomeName(Outcome outcome);

// Whether a check name matches a --filter pattern: '*' matches any run of
// characters; a pattern without '*' matches names that contain it.
bool MatchesFilter(std::string_view name, std::string_view pattern);

}  // namespace cutting::host::conform
