// Every conformance check against every plug-in the build makes, one test
// case each, in this process (the test runner loads the library by path).
#include "conform/conformance_check.hpp"
#include "plugin_paths.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using namespace cutting::host;
using namespace cutting::host::conform;

// Fixed, so a failure replays; the conform command varies it per run.
constexpr uint64_t kSeed = 20261211;

struct Case {
    NamedPlugin plugin;
    const ConformanceCheck* check;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.plugin.name << " " << c.check->name; }

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const NamedPlugin& plugin : PluginsUnderTest()) {
        for (const ConformanceCheck& check : ConformanceChecks()) cases.push_back({plugin, &check});
    }
    return cases;
}

std::shared_ptr<const Plugin> Loaded(const std::string& path) {
    static std::map<std::string, std::shared_ptr<const Plugin>> loaded;
    auto& plugin = loaded[path];
    if (!plugin) plugin = Plugin::Load(path);
    return plugin;
}

class Conformance : public ::testing::TestWithParam<Case> {};

TEST_P(Conformance, Check) {
    const Case& c = GetParam();
    const auto plugin = Loaded(c.plugin.path);
    const CheckResult result = RunCheck(*c.check, CheckContext{*plugin, kSeed});
    if (result.outcome == Outcome::Skipped) GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::Passed) << c.check->name << " against " << c.plugin.path << ": "
                                               << result.message;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.plugin.name + "_" + std::string(info.param.check->name);
    for (char& ch : name) {
        if (ch == '-') ch = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Plugins, Conformance, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
