// The workbench's subcommands as a user meets them: results on stdout, one
// line of diagnosis on stderr, exit 0 / 1 (negative verdict) / 2 (usage or
// load error).
#include "run_host.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

namespace {

struct CliCase {
    const char* what;
    std::vector<std::string> arguments;
    int exitCode;
    std::vector<std::string> out;  // fragments expected on stdout
    std::vector<std::string> err;  // fragments expected on stderr
};

void PrintTo(const CliCase& c, std::ostream* out) { *out << c.what; }

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, ExitCodeAndOutput) {
    const CliCase& c = GetParam();
    const HostRun run = RunHost(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.how << "\nstdout:\n" << run.out << "\nstderr:\n" << run.err;
    for (const std::string& fragment : c.out) EXPECT_NE(run.out.find(fragment), std::string::npos) << fragment << " in\n" << run.out;
    for (const std::string& fragment : c.err) EXPECT_NE(run.err.find(fragment), std::string::npos) << fragment << " in\n" << run.err;
    if (c.exitCode == 2) {
        // One line of diagnosis, nothing on stdout.
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

const std::string kTavolet = TAVOLET_PATH;

INSTANTIATE_TEST_SUITE_P(
    Commands, Cli,
    ::testing::Values(
        CliCase{"info", {"info", kTavolet}, 0,
                {"Cutting     Tavolet (id 1)", "GUID        {74C5E67E-C46B-4DC9-84B3-C891AE6C6D2E}",
                 "Block size  32 bytes", "Vertices    8", "Faces       6: 6 quadrilaterals", "girdle    Girdle thickness"},
                {}},
        CliCase{"params with edits in units",
                {"params", kTavolet, "--set", "diameter=10mm", "--set", "10=0.5", "--set", "Girdle thickness=20%"},
                0,
                {"Diameter          10 mm  10", "Girdle thickness   20 %  0.2", "Ratio               0.5  0.5"},
                {}},
        CliCase{"check accepted", {"check", kTavolet}, 0, {"Tavolet: accepted"}, {}},
        CliCase{"check rejected", {"check", kTavolet, "--set", "girdle=0"}, 1, {"Tavolet: rejected"}, {}},
        CliCase{"vertices", {"vertices", kTavolet}, 0, {"8 vertices, mm", "6   3.000000  -3.000000  -0.105000"}, {}},
        CliCase{"vertices of a rejected set", {"vertices", kTavolet, "--set", "ratio=-1"}, 1, {}, {"rejects"}},
        CliCase{"missing file", {"info", "/no/such/folder/Tavolet.so"}, 2, {}, {"no such plug-in file"}},
        CliCase{"unknown bare name", {"check", "NoSuchPlugin"}, 2, {}, {"no plug-in 'NoSuchPlugin'"}},
        CliCase{"library without entry points", {"info", Fixture("FixtureNoEntryPoints")}, 2, {},
                {"is not a cutting plug-in: it does not export GetCuttingList"}},
        CliCase{"unknown key", {"params", kTavolet, "--set", "table=60%"}, 2, {},
                {"unknown parameter 'table'", "valid keys: diameter (1), girdle (37), ratio (10)"}},
        CliCase{"malformed value", {"params", kTavolet, "--set", "diameter=6x"}, 2, {}, {"malformed value '6x'"}},
        CliCase{"unit that does not fit", {"check", kTavolet, "--set", "girdle=2mm"}, 2, {}, {"'2mm'", "does not fit"}},
        CliCase{"setting without value", {"params", kTavolet, "--set", "diameter"}, 2, {}, {"expected KEY=VALUE"}},
        CliCase{"unknown cutting", {"info", kTavolet, "--cutting", "2"}, 2, {}, {"offers no cutting 2"}},
        CliCase{"missing plug-in argument", {"params"}, 2, {}, {"PLUGIN"}},
        CliCase{"unknown subcommand", {"polish", kTavolet}, 2, {}, {}}),
    [](const auto& param) {
        std::string name = param.param.what;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST(CliHelp, EverySubcommandHasHelp) {
    const HostRun top = RunHost({"--help"});
    EXPECT_EQ(top.exitCode, 0);
    for (const char* command : {"list", "info", "params", "check", "vertices", "conform"}) {
        EXPECT_NE(top.out.find(command), std::string::npos) << command;
        const HostRun help = RunHost({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_NE(help.out.find("Usage:"), std::string::npos) << command << ":\n" << help.out;
    }
}

TEST(CliJson, InfoParamsAndCheckPrintParsableJson) {
    const auto info = nlohmann::json::parse(RunHost({"info", kTavolet, "--json"}).out);
    EXPECT_EQ(info["cutting"]["guid"], "{74C5E67E-C46B-4DC9-84B3-C891AE6C6D2E}");
    EXPECT_EQ(info["cutting"]["vertexCount"], 8);
    EXPECT_EQ(info["cutting"]["facesByKind"]["quadrilaterals"], 6);
    EXPECT_EQ(info["parameters"][1]["key"], "girdle");

    const auto params = nlohmann::json::parse(RunHost({"params", kTavolet, "--set", "girdle=5%", "--json"}).out);
    EXPECT_DOUBLE_EQ(params["parameters"][1]["raw"].get<double>(), 0.05);
    EXPECT_NEAR(params["parameters"][1]["value"].get<double>(), 5.0, 1e-12);
    EXPECT_EQ(params["parameters"][1]["unit"], "%");

    const HostRun rejected = RunHost({"check", kTavolet, "--set", "diameter=0.001", "--json"});
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_EQ(nlohmann::json::parse(rejected.out)["accepted"], false);
}

TEST(CliList, ShowsThePluginsOfEveryFolder) {
    SetPluginPath(FIXTURE_DIR);
    const HostRun run = RunHost({"list"});
    SetPluginPath("");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Tavolet"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1  Tavolet  {74C5E67E-C46B-4DC9-84B3-C891AE6C6D2E}"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Fixture tetrahedron  {76543210-BA98-FEDC-0123-456789ABCDEF}"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("FixtureNoEntryPoints"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("unusable"), std::string::npos) << run.out;
}

#if defined(LIRENTO_PATH)
TEST(CliOval, InfoCountsFacesByKindAndDerivedWritesShow) {
    const HostRun info = RunHost({"info", LIRENTO_PATH});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("121: 1 octagon, 8 triangles, 80 quadrilaterals, 32 hexagons"), std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("Vertices    153"), std::string::npos) << info.out;

    // Written as a percentage, read back as the fraction; the heights follow.
    const auto params =
        nlohmann::json::parse(RunHost({"params", LIRENTO_PATH, "--set", "total-height-pct=70%", "--json"}).out);
    for (const auto& parameter : params["parameters"]) {
        if (parameter["id"] == 4109) {
            EXPECT_NEAR(parameter["raw"].get<double>(), 0.7, 1e-12);
        }
        if (parameter["id"] == 1) {
            EXPECT_EQ(parameter["raw"].get<double>(), 6.0);
        }
    }
    EXPECT_EQ(RunHost({"check", LIRENTO_PATH, "--set", "crown-angle=34deg", "--set", "Square table=0.5"}).exitCode, 0);
}
#endif

}  // namespace
