// Finding and loading plug-ins: by path, by bare name from the build's
// plug-in folder and from CUTTING_PLUGIN_PATH, and the errors for files that
// are missing or are no plug-ins.
#include "core/dynamic_library.hpp"
#include "core/errors.hpp"
#include "core/plugin.hpp"
#include "core/plugin_locator.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace cutting::host;
namespace fs = std::filesystem;

void SetPluginPath(const std::string& value) {
#if defined(_WIN32)
    _putenv_s("CUTTING_PLUGIN_PATH", value.c_str());
#else
    setenv("CUTTING_PLUGIN_PATH", value.c_str(), 1);
#endif
}

class PluginLoading : public ::testing::Test {
protected:
    void TearDown() override { SetPluginPath(""); }
};

std::string LoadErrorOf(const std::string& name) {
    try {
        Plugin::Load(name);
    } catch (const LoadError& error) {
        return error.what();
    }
    return "(loaded)";
}

TEST_F(PluginLoading, ByPathDescribesTheBox) {
    const auto plugin = Plugin::Load(TAVOLET_PATH);
    EXPECT_EQ(plugin->Name(), "Tavolet");
    ASSERT_EQ(plugin->CuttingIds(), (std::vector<CuttingId>{1}));
    const Cutting cutting = plugin->Describe(1);
    EXPECT_EQ(cutting.name, "Tavolet");
    EXPECT_EQ(FormatGuid(cutting.guid), "{74C5E67E-C46B-4DC9-84B3-C891AE6C6D2E}");
    EXPECT_EQ(cutting.blockSize, 32);
    EXPECT_EQ(cutting.VertexCount(), 8);
    EXPECT_EQ(cutting.faces.faces.size(), 6u);
    ASSERT_EQ(cutting.parameters.size(), 3u);
    EXPECT_EQ(cutting.parameters[0].name, "Diameter");
    EXPECT_EQ(cutting.parameters[1].id, ParameterGirdle);
    EXPECT_EQ(cutting.parameters[1].shortName, "girdle");
    EXPECT_EQ(cutting.parameters[1].unit, Unit::Fraction);
    EXPECT_FALSE(cutting.parameters[2].displayName.has_value());
}

TEST_F(PluginLoading, BareNamesComeFromTheBuildsPluginFolder) {
    // The tests live in <build>/bin, beside <build>/plugins.
    for (const std::string& name : {std::string("Tavolet"), std::string("Tavolet") + SharedLibrarySuffix()})
        EXPECT_TRUE(fs::equivalent(LocatePlugin(name), TAVOLET_PATH)) << name;
}

TEST_F(PluginLoading, BareNamesComeFromThePluginPathVariable) {
    EXPECT_NE(LoadErrorOf("FixtureTetrahedron").find("no plug-in 'FixtureTetrahedron'"), std::string::npos);
    SetPluginPath(std::string("/no/such/folder") + PathListSeparator() + FIXTURE_DIR);
    const auto plugin = Plugin::Load("FixtureTetrahedron");
    EXPECT_TRUE(fs::equivalent(plugin->Path().parent_path(), FIXTURE_DIR));
    EXPECT_EQ(plugin->Describe(1).name, "Fixture tetrahedron");
}

TEST_F(PluginLoading, ErrorsSayWhatIsWrong) {
    EXPECT_NE(LoadErrorOf("NoSuchPlugin").find("no plug-in 'NoSuchPlugin' in "), std::string::npos);
    EXPECT_NE(LoadErrorOf("/no/such/folder/Tavolet").find("no such plug-in file"), std::string::npos);
    EXPECT_NE(LoadErrorOf("").find("empty plug-in name"), std::string::npos);
    const std::string noEntryPoints = LoadErrorOf(NO_ENTRY_POINTS_PATH);
    EXPECT_NE(noEntryPoints.find("is not a cutting plug-in: it does not export GetCuttingList, GetCuttingInfo, "
                                 "InitDiamond, InitVertex, IsCorrect, GetParameter, SetParameter"),
              std::string::npos)
        << noEntryPoints;
}

TEST_F(PluginLoading, AFileThatIsNoLibraryIsALoadError) {
    const fs::path fake = fs::temp_directory_path() / (std::string("cutting-host-not-a-library") + SharedLibrarySuffix());
    std::ofstream(fake) << "not a shared library\n";
    const std::string message = LoadErrorOf(fake.string());
    fs::remove(fake);
    EXPECT_NE(message.find("cannot load"), std::string::npos) << message;
}

}  // namespace
