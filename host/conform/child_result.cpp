#include "conform/child_result.hpp"

#include <string_view>

namespace cutting::host::conform {

namespace {
constexpr std::string_view kMarker = "@@cutting-conform-result ";

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}
}  // namespace

std::string FormatResultLine(const CheckResult& result) {
    std::string line = std::string(kMarker) + std::string(OutcomeName(result.outcome));
    if (!result.message.empty()) line += ": " + OneLine(result.message);
    return line + "\n";
}

CheckResult ResultFromChild(const ChildOutcome& outcome, std::chrono::milliseconds timeout) {
    if (outcome.end != ChildOutcome::End::Exited) return CheckResult::Fail(outcome.Describe(timeout));
    const size_t marker = outcome.output.rfind(kMarker);
    if (marker == std::string::npos || (marker > 0 && outcome.output[marker - 1] != '\n'))
        return CheckResult::Fail("the check process ended with " + outcome.Describe(timeout) + " without a result");
    std::string_view line = std::string_view(outcome.output).substr(marker + kMarker.size());
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    for (Outcome kind : {Outcome::Passed, Outcome::Failed, Outcome::Skipped}) {
        const std::string_view name = OutcomeName(kind);
        if (line.substr(0, name.size()) != name) continue;
        std::string_view rest = line.substr(name.size());
        if (rest.substr(0, 2) == ": ") rest.remove_prefix(2);
        return CheckResult{kind, std::string(rest)};
    }
    return CheckResult::Fail("the check process reported something unreadable: " + std::string(line));
}

}  // namespace cutting::host::conform
