// conform against sound and broken plug-ins: every check in a process of its
// own, crashes and hangs reported as failed checks, the summary line, the
// exit codes and the seed.
#include "run_host.hpp"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::string LastLine(const std::string& text) {
    const size_t end = text.find_last_not_of('\n');
    if (end == std::string::npos) return "";
    const size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

TEST(ConformCommand, PassesTheBoxAndEndsWithTheSummary) {
    const HostRun run = RunHost({"conform", TAVOLET_PATH, "--seed", "42"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("seed 42\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("random-edits ... passed\n"), std::string::npos) << run.out;
    EXPECT_TRUE(std::regex_match(LastLine(run.out), std::regex(R"([1-9][0-9]* passed, 0 failed)"))) << LastLine(run.out);
}

struct BrokenCase {
    const char* fixture;
    std::vector<std::string> options;
    std::string failedLine;  // start of the line that must report the failure
};

void PrintTo(const BrokenCase& c, std::ostream* out) { *out << c.fixture; }

class ConformAgainstBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(ConformAgainstBroken, FailsNamingTheCheck) {
    const BrokenCase& c = GetParam();
    std::vector<std::string> arguments{"conform", Fixture(c.fixture), "--seed", "3"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const HostRun run = RunHost(arguments);
    EXPECT_EQ(run.exitCode, 1) << run.how << "\n" << run.out << run.err;
    EXPECT_NE(run.out.find("\n" + c.failedLine), std::string::npos) << c.failedLine << " in\n" << run.out;
    EXPECT_TRUE(std::regex_match(LastLine(run.out), std::regex(R"([0-9]+ passed, [1-9][0-9]* failed)")))
        << LastLine(run.out);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ConformAgainstBroken,
    ::testing::Values(
        BrokenCase{"FixtureWritesPastVertices", {},
                   "writes-stay-in-buffers ... failed: InitVertex: vertex buffer: 24 bytes written after the end"},
        BrokenCase{"FixtureIgnoresCuttingId", {}, "unknown-cutting-init-diamond ... failed: InitDiamond for cutting 0"},
        BrokenCase{"FixtureCrashesInIsCorrect", {"--filter", "defaults-accepted"}, "defaults-accepted ... failed: crashed"},
        BrokenCase{"FixtureHangsInInitVertex", {"--filter", "init-vertex-deterministic", "--timeout", "1.5"},
                   "init-vertex-deterministic ... failed: timed out after 1.5 s"}),
    [](const auto& param) { return std::string(param.param.fixture); });

TEST(ConformCommand, AFilterSelectsChecksAndACrashSparesTheOthers) {
    const HostRun run = RunHost({"conform", Fixture("FixtureCrashesInIsCorrect"), "--filter", "cutting-list*",
                                 "--filter", "is-correct-writes-nothing"});
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("\ncutting-list ... passed\ncutting-list-capacity-zero ... passed\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nis-correct-writes-nothing ... failed: crashed"), std::string::npos) << run.out;
    EXPECT_EQ(LastLine(run.out), "2 passed, 1 failed");
}

TEST(ConformCommand, UsageAndLoadErrorsExitWithTwo) {
    const HostRun noEntryPoints = RunHost({"conform", Fixture("FixtureNoEntryPoints")});
    EXPECT_EQ(noEntryPoints.exitCode, 2);
    EXPECT_NE(noEntryPoints.err.find("is not a cutting plug-in"), std::string::npos) << noEntryPoints.err;

    const HostRun noMatch = RunHost({"conform", TAVOLET_PATH, "--filter", "no-such-check"});
    EXPECT_EQ(noMatch.exitCode, 2);
    EXPECT_NE(noMatch.err.find("no check matches"), std::string::npos) << noMatch.err;

    EXPECT_EQ(RunHost({"conform", TAVOLET_PATH, "--timeout", "0"}).exitCode, 2);
    EXPECT_EQ(RunHost({"conform", TAVOLET_PATH, "--seed", "minus-one"}).exitCode, 2);
}

}  // namespace
