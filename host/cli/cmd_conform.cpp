// conform PLUGIN: runs the contract conformance checks against a plug-in,
// each in a child process of its own (this program again, with the hidden
// --run-check option), so that a crash or a hang fails one check and not the
// run. Exit 0 when nothing failed, 1 when a check failed, 2 when the plug-in
// cannot be loaded or the options make no sense.
#include "commands.hpp"
#include "conform/child_process.hpp"
#include "conform/child_result.hpp"
#include "conform/conformance_check.hpp"
#include "core/dynamic_library.hpp"
#include "core/errors.hpp"
#include "core/plugin.hpp"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fmt/format.h>
#include <memory>
#include <random>

namespace cutting::host::cli {

namespace {

using namespace cutting::host::conform;

struct ConformOptions {
    std::string plugin;
    std::vector<std::string> filters;
    uint64_t seed = 0;
    bool seedGiven = false;
    double timeoutSeconds = 10.0;
    bool inProcess = false;
    bool listChecks = false;
    std::string runCheck;  // hidden: run this one check here and report it
};

uint64_t FreshSeed() {
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device();
}

std::vector<const ConformanceCheck*> SelectChecks(const std::vector<std::string>& filters) {
    std::vector<const ConformanceCheck*> selected;
    for (const ConformanceCheck& check : ConformanceChecks()) {
        bool wanted = filters.empty();
        for (const std::string& filter : filters) wanted = wanted || MatchesFilter(check.name, filter);
        if (wanted) selected.push_back(&check);
    }
    return selected;
}

// Child side: one check, its result as a marked line on stdout.
void RunOneCheck(const ConformOptions& options) {
    PrepareChildForCrashes();
    CheckResult result;
    const ConformanceCheck* check = FindCheck(options.runCheck);
    if (check == nullptr) {
        result = CheckResult::Fail("no check named '" + options.runCheck + "'");
    } else {
        try {
            const auto plugin = Plugin::Load(options.plugin);
            result = RunCheck(*check, CheckContext{*plugin, options.seed});
        } catch (const std::exception& error) {
            result = CheckResult::Fail(error.what());
        }
    }
    std::fflush(stdout);
    fmt::print("\n{}", FormatResultLine(result));
    std::fflush(stdout);
}

void RunConformance(const ConformOptions& options) {
    const std::vector<const ConformanceCheck*> checks = SelectChecks(options.filters);
    if (options.listChecks) {
        for (const ConformanceCheck* check : checks) fmt::print("{:<38} {}\n", check->name, check->description);
        return;
    }
    if (checks.empty()) throw InputError("no check matches the --filter patterns");
    if (!(options.timeoutSeconds > 0.0)) throw InputError("--timeout must be positive");

    // Fails with exit code 2 when the file is no plug-in at all.
    const auto plugin = Plugin::Load(options.plugin);
    const std::string pluginPath = std::filesystem::absolute(plugin->Path()).string();
    const uint64_t seed = options.seedGiven ? options.seed : FreshSeed();
    const auto timeout = std::chrono::milliseconds(static_cast<long long>(options.timeoutSeconds * 1000.0));
    const std::filesystem::path self = ExecutablePath();
    const bool inProcess = options.inProcess || self.empty();

    fmt::print("conform {}\n", pluginPath);
    fmt::print("seed {}\n", seed);
    std::fflush(stdout);
    int passed = 0, failed = 0, skipped = 0;
    for (const ConformanceCheck* check : checks) {
        CheckResult result;
        if (inProcess) {
            result = RunCheck(*check, CheckContext{*plugin, seed});
        } else {
            const ChildOutcome outcome =
                RunChild(self, {"conform", pluginPath, "--run-check", std::string(check->name), "--seed",
                                std::to_string(seed)},
                         timeout);
            result = ResultFromChild(outcome, timeout);
        }
        switch (result.outcome) {
            case Outcome::Passed: ++passed; break;
            case Outcome::Failed: ++failed; break;
            case Outcome::Skipped: ++skipped; break;
        }
        fmt::print("{} ... {}{}\n", check->name, OutcomeName(result.outcome),
                   result.message.empty() ? "" : ": " + result.message);
        std::fflush(stdout);
    }
    fmt::print("{} passed, {} failed{}\n", passed, failed, skipped > 0 ? fmt::format(", {} skipped", skipped) : "");
    if (failed > 0) throw Exit{kExitNegative};
}

}  // namespace

void AddConformCommand(CLI::App& app) {
    auto options = std::make_shared<ConformOptions>();
    CLI::App* command = app.add_subcommand(
        "conform", "Test a plug-in against the contract, each check in a process of its own (exit 1 on a failure)");
    command->add_option("PLUGIN", options->plugin, "plug-in file, or a bare name from the plug-in folders")
        ->required();
    command->add_option("--filter", options->filters,
                        "run only the checks whose names contain PATTERN ('*' matches anything); repeatable")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command->add_option("--seed", options->seed, "seed of the checks with random inputs (default: a fresh one)")
        ->each([options](const std::string&) { options->seedGiven = true; });
    command->add_option("--timeout", options->timeoutSeconds, "time limit of each check, in seconds")->capture_default_str();
    command->add_flag("--in-process", options->inProcess, "run the checks in this process (no crash protection)");
    command->add_flag("--list-checks", options->listChecks, "list the checks and what they test, run nothing");
    command->add_option("--run-check", options->runCheck)->group("");  // the child's side
    command->callback([options] {
        if (!options->runCheck.empty()) {
            RunOneCheck(*options);
        } else {
            RunConformance(*options);
        }
    });
}

namespace {
const bool kRegistered = RegisterCommand(80, AddConformCommand);
}

}  // namespace cutting::host::cli
