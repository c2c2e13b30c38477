// Every export read back by an independent reader: assimp for the meshes,
// admesh for STL, the Khronos glTF validator for .glb, xmllint for the
// drawing, and qhull's convex hull for the measured volume.
#include "run_command.hpp"
#include "workbench_paths.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace host_tests {
namespace {

class Readers : public ::testing::TestWithParam<PluginCase> {
protected:
    // Exports the plug-in's default stone; fails the test when that fails.
    std::string Export(const std::string& file, const std::string& extra = "") {
        const std::string path = scratch_ / file;
        const CommandResult r =
            RunCommand(Quoted(kCuttingHost) + " export " + Quoted(GetParam().path) + " " + extra + " -o " + Quoted(path));
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return path;
    }

    ScratchFolder scratch_;
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The number after "Label:" in a reader's report, -1 when missing.
long Count(const std::string& report, const std::string& label) {
    std::smatch match;
    if (!std::regex_search(report, match, std::regex(label + R"(\s*:?\s*(\d+))"))) return -1;
    return std::stol(match[1]);
}

struct AssimpCase {
    const char* file;
    const char* exportOptions;
    // A raw import keeps polygons; OBJ splits vertices per corner, STL per
    // triangle corner, glTF has them split per face already.
    std::size_t PluginCase::*vertices;
    std::size_t PluginCase::*faces;
};

TEST_P(Readers, AssimpReadsEveryMeshFormatWithTheRightCounts) {
    if (!HaveProgram("assimp")) GTEST_SKIP() << "assimp not installed (Debian package assimp-utils)";
    const PluginCase& plugin = GetParam();
    const AssimpCase cases[] = {
        {"stone.obj", "", &PluginCase::corners, &PluginCase::faces},
        {"stone.ply", "", &PluginCase::vertices, &PluginCase::faces},
        {"binary.ply", "--binary", &PluginCase::vertices, &PluginCase::faces},
        {"stone.glb", "", &PluginCase::corners, &PluginCase::triangles},
    };
    for (const AssimpCase& c : cases) {
        const std::string path = Export(c.file, c.exportOptions);
        const CommandResult r = RunCommand("assimp info " + Quoted(path) + " --raw");
        EXPECT_EQ(r.exitCode, 0) << c.file << "\n" << r.out << r.err;
        EXPECT_EQ(Count(r.out, "Vertices"), static_cast<long>(plugin.*c.vertices)) << c.file;
        EXPECT_EQ(Count(r.out, "Faces"), static_cast<long>(plugin.*c.faces)) << c.file;
        const std::string report = Lower(r.out + r.err);
        EXPECT_EQ(report.find("warn"), std::string::npos) << c.file << "\n" << r.out;
        EXPECT_EQ(report.find("error"), std::string::npos) << c.file << "\n" << r.out;
    }
    const CommandResult stl = RunCommand("assimp info " + Quoted(Export("stone.stl")) + " --raw");
    EXPECT_EQ(stl.exitCode, 0) << stl.err;
    EXPECT_EQ(Count(stl.out, "Vertices"), static_cast<long>(3 * plugin.triangles));
    EXPECT_EQ(Count(stl.out, "Faces"), static_cast<long>(plugin.triangles));
}

TEST_P(Readers, AdmeshFindsTheStlClosedWithConsistentNormals) {
    if (!HaveProgram("admesh")) GTEST_SKIP() << "admesh not installed (Debian package admesh)";
    const CommandResult r = RunCommand("admesh " + Quoted(Export("stone.stl")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Count(r.out, "Number of facets"), static_cast<long>(GetParam().triangles)) << r.out;
    EXPECT_NE(r.out.find("Binary STL"), std::string::npos) << r.out;
    for (const char* zero : {"Total disconnected facets", "Degenerate facets", "Edges fixed", "Facets removed",
                             "Facets added", "Facets reversed", "Backwards edges", "Normals fixed"}) {
        EXPECT_EQ(Count(r.out, zero), 0) << zero << "\n" << r.out;
    }
    EXPECT_EQ(Count(r.out, "Number of parts"), 1) << r.out;
}

TEST_P(Readers, GltfValidatorReportsNoIssues) {
    if (!std::filesystem::exists(kGltfValidateDir / "node_modules" / "gltf-validator")) {
        GTEST_SKIP() << "glTF validator missing: run npm install in " << kGltfValidateDir.string();
    }
    if (!HaveProgram("node")) GTEST_SKIP() << "node not installed (Debian package nodejs)";
    const std::string glb = Export("stone.glb");
    const CommandResult r = RunCommand("node " + Quoted((kGltfValidateDir / "validate.js").string()) + " " + Quoted(glb));
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("errors 0 warnings 0 infos 0 hints 0"), std::string::npos) << r.out;
    EXPECT_EQ(Count(r.out, "vertices"), static_cast<long>(GetParam().corners)) << r.out;
    EXPECT_EQ(Count(r.out, "triangles"), static_cast<long>(GetParam().triangles)) << r.out;
}

TEST_P(Readers, DrawingIsWellFormedSvg) {
    if (!HaveProgram("xmllint")) GTEST_SKIP() << "xmllint not installed (Debian package libxml2-utils)";
    const CommandResult r = RunCommand("xmllint --noout " + Quoted(Export("stone.svg")));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
}

// qconvex's "FS" summary: "2 <area> <volume>" on its last line.
double HullVolume(const std::string& objPath) {
    std::ifstream obj(objPath);
    std::ostringstream points;
    int count = 0;
    for (std::string line; std::getline(obj, line);) {
        if (line.starts_with("v ")) {
            points << line.substr(2) << "\n";
            ++count;
        }
    }
    const std::string input = objPath + ".points";
    std::ofstream(input) << "3\n" << count << "\n" << points.str();
    const CommandResult r = RunCommand("qconvex FS < " + Quoted(input));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::istringstream summary(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1));
    int two = 0;
    double area = 0.0, volume = 0.0;
    summary >> two >> area >> volume;
    EXPECT_EQ(two, 2) << r.out;
    return volume;
}

TEST_P(Readers, MeasuredVolumeEqualsTheConvexHullsFromQhull) {
    if (!HaveProgram("qconvex")) GTEST_SKIP() << "qconvex not installed (Debian package qhull-bin)";
    const CommandResult measured = RunCommand(Quoted(kCuttingHost) + " measure " + Quoted(GetParam().path) + " --json");
    ASSERT_EQ(measured.exitCode, 0) << measured.err;
    const double volume = nlohmann::json::parse(measured.out)["measures"]["volume_mm3"].get<double>();
    const double hull = HullVolume(Export("stone.obj"));
    EXPECT_NEAR(volume, hull, 1e-9 * hull);
}

INSTANTIATE_TEST_SUITE_P(Plugins, Readers, ::testing::ValuesIn(BuiltPlugins()),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace host_tests
