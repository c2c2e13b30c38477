#include "run_host.hpp"

#include "conform/child_process.hpp"

#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace {
std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}
}  // namespace

HostRun RunHost(const std::vector<std::string>& arguments, double timeoutSeconds) {
    using namespace cutting::host::conform;
    const auto timeout = std::chrono::milliseconds(static_cast<long long>(timeoutSeconds * 1000));
    const ChildOutcome outcome = RunChild(CUTTING_HOST_PATH, arguments, timeout);
    HostRun run;
    run.how = outcome.Describe(timeout);
    if (outcome.end == ChildOutcome::End::Exited) run.exitCode = static_cast<int>(outcome.code);
    run.out = WithoutCarriageReturns(outcome.output);
    run.err = WithoutCarriageReturns(outcome.errors);
    return run;
}

std::string Fixture(const std::string& name) {
    std::string_view list = CUTTING_FIXTURE_PLUGINS;
    while (!list.empty()) {
        const size_t end = list.find('|');
        const std::string_view entry = list.substr(0, end);
        if (entry.substr(0, name.size() + 1) == name + "=") return std::string(entry.substr(name.size() + 1));
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    throw std::invalid_argument("no fixture plug-in " + name);
}

void SetPluginPath(const std::string& value) {
#if defined(_WIN32)
    _putenv_s("CUTTING_PLUGIN_PATH", value.c_str());
#else
    setenv("CUTTING_PLUGIN_PATH", value.c_str(), 1);
#endif
}
