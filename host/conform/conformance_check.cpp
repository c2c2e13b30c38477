#include "conform/conformance_check.hpp"

#include "conform/check_groups.hpp"

#include <exception>
#include <vector>

namespace cutting::host::conform {

std::span<const ConformanceCheck> ConformanceChecks() {
    static const std::vector<ConformanceCheck> checks = [] {
        std::vector<ConformanceCheck> all;
        for (auto group : {CuttingIdChecks(), InfoRequestChecks(), FaceTableChecks(), ParameterLoopChecks(),
                           StoneChecks(), RandomEditChecks()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return checks;
}

const ConformanceCheck* FindCheck(std::string_view name) {
    for (const ConformanceCheck& check : ConformanceChecks()) {
        if (check.name == name) return &check;
    }
    return nullptr;
}

CheckResult RunCheck(const ConformanceCheck& check, const CheckContext& context) {
    try {
        return check.run(context);
    } catch (const std::exception& error) {
        return CheckResult::Fail(error.what());
    }
}

std::string_view OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Passed: return "passed";
        case Outcome::Failed: return "failed";
        case Outcome::Skipped: return "skipped";
    }
    return "failed";
}

namespace {
bool GlobMatch(std::string_view text, std::string_view pattern) {
    // Iterative matcher for '*' only, backtracking to the last star.
    size_t t = 0, p = 0, starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}
}  // namespace

bool MatchesFilter(std::string_view name, std::string_view pattern) {
    if (pattern.find('*') == std::string_view::npos) return name.find(pattern) != std::string_view::npos;
    return GlobMatch(name, pattern);
}

}  // namespace cutting::host::conform
