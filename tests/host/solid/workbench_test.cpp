// measure, export and sweep driven as a user does, on the built plug-ins:
// measures against the parameters they come from, sweep grids, and bad
// input refused with one line, exit code 2 (1 for a rejected stone) and no
// file written.
#include "run_command.hpp"
#include "solid/landmarks.hpp"
#include "solid/solid.hpp"
#include "workbench_paths.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace host_tests {
namespace {

namespace solid = cutting::host::solid;

std::string Host(const std::string& arguments) { return Quoted(kCuttingHost) + " " + arguments; }

nlohmann::json JsonOf(const std::string& arguments) {
    const CommandResult r = RunCommand(Host(arguments));
    EXPECT_EQ(r.exitCode, 0) << arguments << "\n" << r.err;
    return r.exitCode == 0 ? nlohmann::json::parse(r.out) : nlohmann::json::object();
}

nlohmann::json Measures(const std::string& plugin, const std::string& settings) {
    return JsonOf("measure " + Quoted(plugin) + " " + settings + " --json")["measures"];
}

// Raw parameter values by identifier, as the plug-in reports them.
std::map<int, double> RawParameters(const std::string& plugin, const std::string& settings) {
    std::map<int, double> raw;
    const nlohmann::json params = JsonOf("params " + Quoted(plugin) + " " + settings + " --json");
    for (const auto& p : params["parameters"]) {
        if (!p["raw"].is_null()) raw[p["id"].get<int>()] = p["raw"].get<double>();
    }
    return raw;
}

TEST(Measure, BoxWeightIsLengthTimesWidthTimesThicknessTimesDensity) {
    const nlohmann::json defaults = Measures(kTavolet, "");
    EXPECT_DOUBLE_EQ(defaults["carats"].get<double>(), 6.0 * 6.0 * 0.21 * 3.52 / 200.0);
    const nlohmann::json sapphire =
        Measures(kTavolet, "--set diameter=10 --set ratio=0.5 --set girdle=0.2 --material sapphire");
    EXPECT_DOUBLE_EQ(sapphire["carats"].get<double>(), 10.0 * 5.0 * 2.0 * 4.00 / 200.0);
    const nlohmann::json dense = Measures(kTavolet, "--density 5");
    EXPECT_DOUBLE_EQ(dense["carats"].get<double>(), 6.0 * 6.0 * 0.21 * 5.0 / 200.0);
    EXPECT_TRUE(defaults["closed"].get<bool>());
    EXPECT_TRUE(defaults["convex"].get<bool>());
}

#ifdef LIRENTO_PATH
const std::string kLirento = LIRENTO_PATH;

// The vertices and polygon faces of an exported OBJ, as a solid.
solid::Solid ReadObj(const std::string& path) {
    std::ifstream in(path);
    std::vector<solid::FaceLoop> faces;
    std::vector<solid::Vec3> vertices;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line.substr(std::min<std::size_t>(2, line.size())));
        if (line.starts_with("v ")) {
            solid::Vec3 v;
            fields >> v.x >> v.y >> v.z;
            vertices.push_back(v);
        } else if (line.starts_with("f ")) {
            solid::FaceLoop loop;
            for (std::uint32_t index; fields >> index;) loop.push_back(index - 1);
            faces.push_back(loop);
        }
    }
    return solid::BuildSolid(faces, vertices);
}

class OvalSettings : public ::testing::TestWithParam<const char*> {};

// Faces 9 and 13 are the crown mains on +y and -y: their tangent lines are
// the girdle's at the ends of the diameter, so they make exactly the crown
// angle with the girdle plane whatever the ratio and squareness.
TEST_P(OvalSettings, CrownMainsOnTheDiameterAxisMakeTheCrownAngle) {
    ScratchFolder scratch;
    const std::string obj = scratch / "oval.obj";
    const CommandResult r = RunCommand(Host("export " + Quoted(kLirento) + " " + GetParam() + " -o " + Quoted(obj)));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const solid::Solid s = ReadObj(obj);
    ASSERT_EQ(s.faces.size(), 121u);
    const double crownAngle = RawParameters(kLirento, GetParam()).at(43);
    EXPECT_NEAR(solid::AngleToGirdlePlane(s.faces[9].normal), crownAngle, 1e-12);
    EXPECT_NEAR(solid::AngleToGirdlePlane(s.faces[13].normal), crownAngle, 1e-12);
    EXPECT_GT(s.faces[9].normal.y, 0.0);
    EXPECT_LT(s.faces[13].normal.y, 0.0);
}

// Percentages are of the width, the smaller girdle diameter: the diameter
// for a ratio of 1 or more, ratio × diameter below.
TEST_P(OvalSettings, ProportionsAgreeWithTheParameters) {
    const std::map<int, double> raw = RawParameters(kLirento, GetParam());
    const nlohmann::json m = Measures(kLirento, GetParam());
    const double diameter = raw.at(1), ratio = raw.at(10);
    const double width = diameter * std::min(1.0, ratio);
    const auto pctOfWidth = [&](double fraction) { return 100.0 * fraction * diameter / width; };
    const auto near = [](const nlohmann::json& measured, double expected, const char* what) {
        EXPECT_NEAR(measured.get<double>(), expected, 1e-9 * std::abs(expected)) << what;
    };
    near(m["width_mm"], width, "width");
    near(m["length_mm"], diameter * std::max(1.0, ratio), "length");
    near(m["length_to_width"], std::max(ratio, 1.0 / ratio), "length to width");
    near(m["depth_mm"], raw.at(4137), "depth in mm");
    near(m["total_depth_pct"], pctOfWidth(raw.at(4109)), "total depth");
    near(m["table_pct"], 100.0 * raw.at(7), "table");
    near(m["crown_height_pct"], pctOfWidth(raw.at(38)), "crown height");
    near(m["pavilion_depth_pct"], pctOfWidth(raw.at(48)), "pavilion depth");
    near(m["girdle_thickness_pct"], pctOfWidth(raw.at(37)), "girdle");
    EXPECT_TRUE(m["closed"].get<bool>());
    EXPECT_TRUE(m["convex"].get<bool>());
    EXPECT_LT(m["max_non_planarity_mm"].get<double>(), 1e-12);
    if (ratio >= 1.0) near(m["crown_angle_deg"], raw.at(43) * 180.0 / 3.14159265358979323846, "crown angle");
}

INSTANTIATE_TEST_SUITE_P(Lirento, OvalSettings,
                         ::testing::Values("", "--set crown-angle=35deg --set table=55% --set ratio=1.4",
                                           "--set ratio=0.8", "--set girdle=3% --set pavilion-angle=41deg",
                                           "--set square-deviation=0.3 --set diameter=8mm"));

TEST(Measure, DefaultOvalCrownAngleIsTheParameter) {
    const nlohmann::json m = Measures(kLirento, "");
    EXPECT_NEAR(m["crown_angle_deg"].get<double>(), 0.6981317007976 * 180.0 / 3.14159265358979323846, 1e-9);
}
#endif

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(Sweep, BoxGridMarksWhereRatioAndGirdleArePositive) {
    ScratchFolder scratch;
    const std::string csv = scratch / "map.csv";
    const CommandResult r = RunCommand(Host("sweep " + Quoted(kTavolet) +
                                            " --x ratio=-0.5:0.5:3 --y girdle=0:0.1:3 --shade carats -o " + Quoted(csv)));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("2 of 9 parameter sets accepted"), std::string::npos) << r.out;
    std::ifstream in(csv);
    std::stringstream text;
    text << in.rdbuf();
    const std::vector<std::string> rows = Lines(text.str());
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], "ratio,girdle_pct,accepted,carats");
    // x runs fastest; girdle shown in per cent. Accepted: ratio 0.5 with
    // girdle 5 % and 10 %: 6 × 3 × 0.3 and 6 × 3 × 0.6 mm of diamond.
    const std::vector<std::string> expected{"-0.5,0,0,", "0,0,0,", "0.5,0,0,", "-0.5,5,0,", "0,5,0,",
                                            "0.5,5,1,",  "-0.5,10,0,", "0,10,0,", "0.5,10,1,"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(rows[i + 1].starts_with(expected[i])) << rows[i + 1] << " vs " << expected[i];
    }
    EXPECT_NEAR(std::stod(rows[6].substr(rows[6].rfind(',') + 1)), 5.4 * 3.52 / 200, 1e-12);
    EXPECT_NEAR(std::stod(rows[9].substr(rows[9].rfind(',') + 1)), 10.8 * 3.52 / 200, 1e-12);
}

TEST(Sweep, ThreadCountDoesNotChangeTheMap) {
    ScratchFolder scratch;
    std::string maps[2];
    const char* threads[2] = {"1", "3"};
    for (int k = 0; k < 2; ++k) {
        const std::string path = scratch / (std::string("map") + threads[k] + ".svg");
        const CommandResult r = RunCommand(Host("sweep " + Quoted(kTavolet) + " --threads " + threads[k] +
                                                " --x ratio=-0.2:1.2:29 --y diameter=0:8mm:17 --shade carats -o " +
                                                Quoted(path)));
        ASSERT_EQ(r.exitCode, 0) << r.err;
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        maps[k] = text.str();
    }
    EXPECT_EQ(maps[0], maps[1]);
    EXPECT_NE(maps[0].find("current parameters"), std::string::npos);
}

struct BadInput {
    const char* what;
    const char* arguments;  // TAVOLET and OUT stand for the plug-in and a file in the scratch folder
    int exitCode;
    const char* message;
    friend void PrintTo(const BadInput& c, std::ostream* os) { *os << c.what; }
};

class BadInputs : public ::testing::TestWithParam<BadInput> {};

std::string Expand(std::string text, const ScratchFolder& scratch) {
    const std::map<std::string, std::string> names{{"TAVOLET", Quoted(kTavolet)}, {"OUT", Quoted(scratch / "out")}};
    for (const auto& [name, value] : names) {
        for (std::size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), value);
    }
    return text;
}

TEST_P(BadInputs, OneLineOnStderrTheRightExitCodeAndNoFile) {
    const BadInput& c = GetParam();
    ScratchFolder scratch;
    const CommandResult r = RunCommand(Host(Expand(c.arguments, scratch)));
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_TRUE(scratch.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInputs,
    ::testing::Values(
        BadInput{"sweep with N = 0", "sweep TAVOLET --x ratio=0.5:1:0 --y girdle=0.01:0.1:3 -o OUT.svg", 2,
                 "N must be from 1"},
        BadInput{"sweep with N not a number", "sweep TAVOLET --x ratio=0.5:1:x --y girdle=0.01:0.1:3 -o OUT.csv", 2,
                 "'x' is not a whole number"},
        BadInput{"sweep range without N", "sweep TAVOLET --x ratio=0.5:1 --y girdle=0.01:0.1:3 -o OUT.svg", 2,
                 "FROM:TO:N"},
        BadInput{"sweep range without key", "sweep TAVOLET --x 0.5:1:3 --y girdle=0.01:0.1:3 -o OUT.svg", 2,
                 "KEY=FROM:TO:N"},
        BadInput{"sweep malformed value", "sweep TAVOLET --x ratio=0.5:1x:3 --y girdle=0.01:0.1:3 -o OUT.svg", 2,
                 "1x"},
        BadInput{"sweep to an unknown format", "sweep TAVOLET --x ratio=0.5:1:3 --y girdle=0.01:0.1:3 -o OUT.png", 2,
                 ".svg or .csv"},
        BadInput{"sweep by an unknown measure",
                 "sweep TAVOLET --x ratio=0.5:1:3 --y girdle=0.01:0.1:3 --shade weight -o OUT.svg", 2, "--shade"},
        BadInput{"measure an unknown material", "measure TAVOLET --material glass", 2, "unknown material 'glass'"},
        BadInput{"measure a negative density", "measure TAVOLET --density -1", 2, "positive"},
        BadInput{"export to an unknown format", "export TAVOLET -o OUT.gltf", 2, "cannot tell the format"},
        BadInput{"export a rejected stone", "export TAVOLET --set ratio=0 -o OUT.obj", 1, "rejects"},
        BadInput{"export from a missing plug-in", "export /nonexistent/Nothing.so -o OUT.obj", 2, "Nothing"},
        BadInput{"export with an unknown key", "export TAVOLET --set colour=1 -o OUT.obj", 2, "'colour'"},
        BadInput{"export with a malformed value", "export TAVOLET --set diameter=6xx -o OUT.stl", 2, "6xx"},
        BadInput{"export into a missing folder", "export TAVOLET -o OUT/stone.obj", 2, "cannot write"}),
    [](const auto& param_info) {
        std::string name = param_info.param.what;
        std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return name;
    });

}  // namespace
}  // namespace host_tests
