// The conformance checks against fixture plug-ins broken in known ways: each
// must fail exactly the checks that see its fault, with a message that says
// what was wrong, and the sound fixture must fail none.
#include "conform/conformance_check.hpp"
#include "core/errors.hpp"
#include "plugin_paths.hpp"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace cutting::host;
using namespace cutting::host::conform;

struct Expectation {
    const char* fixture;
    std::set<std::string> failing;                   // exactly these checks fail
    std::vector<std::pair<std::string, std::string>> says;  // check -> fragment of its message
};

const Expectation kExpectations[] = {
    {"FixtureTetrahedron", {}, {}},
    {"FixtureWritesPastVertices",
     {"init-vertex-writes-every-vertex", "writes-stay-in-buffers", "random-edits"},
     {{"writes-stay-in-buffers", "InitVertex: vertex buffer: 24 bytes written after the end"}}},
    {"FixtureIgnoresCuttingId",
     {"unknown-cutting-get-cutting-info", "unknown-cutting-init-diamond", "unknown-cutting-init-vertex",
      "unknown-cutting-is-correct", "unknown-cutting-get-parameter", "unknown-cutting-set-parameter"},
     {{"unknown-cutting-init-diamond", "returned 1, expected 0"},
      {"unknown-cutting-get-cutting-info", "request 256 for cutting 0"}}},
};

void PrintTo(const Expectation& expectation, std::ostream* out) { *out << expectation.fixture; }

class BrokenFixture : public ::testing::TestWithParam<Expectation> {};

TEST_P(BrokenFixture, FailsExactlyTheChecksThatSeeItsFault) {
    const Expectation& expected = GetParam();
    const auto plugin = Plugin::Load(FixturePath(expected.fixture));
    std::set<std::string> failing;
    std::map<std::string, std::string> messages;
    for (const ConformanceCheck& check : ConformanceChecks()) {
        const CheckResult result = RunCheck(check, CheckContext{*plugin, 7});
        EXPECT_NE(result.outcome, Outcome::Skipped) << check.name << ": " << result.message;
        if (result.Failed()) {
            failing.insert(std::string(check.name));
            messages[std::string(check.name)] = result.message;
            EXPECT_FALSE(result.message.empty()) << check.name << " failed without saying why";
        }
    }
    EXPECT_EQ(failing, expected.failing);
    for (const auto& [check, fragment] : expected.says)
        EXPECT_NE(messages[check].find(fragment), std::string::npos) << check << " said: " << messages[check];
}

INSTANTIATE_TEST_SUITE_P(Fixtures, BrokenFixture, ::testing::ValuesIn(kExpectations),
                         [](const auto& param) { return std::string(param.param.fixture); });

TEST(FixtureWithoutEntryPoints, LoadErrorNamesTheMissingEntryPoints) {
    try {
        Plugin::Load(FixturePath("FixtureNoEntryPoints"));
        FAIL() << "a library without entry points loaded as a plug-in";
    } catch (const LoadError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("is not a cutting plug-in"), std::string::npos) << message;
        for (const char* name : {"GetCuttingList", "GetCuttingInfo", "InitDiamond", "InitVertex", "IsCorrect",
                                 "GetParameter", "SetParameter"})
            EXPECT_NE(message.find(name), std::string::npos) << message;
    }
}

}  // namespace
