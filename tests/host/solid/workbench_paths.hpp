// Where the built workbench, plug-ins and tools are, and what the plug-ins'
// solids are made of; set by the build.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace host_tests {

inline const std::string kCuttingHost = CUTTING_HOST_PATH;
inline const std::string kTavolet = TAVOLET_PATH;
inline const std::filesystem::path kGltfValidateDir = GLTF_VALIDATE_DIR;

struct PluginCase {
    const char* name;
    std::string path;
    std::size_t vertices;   // of the face table
    std::size_t faces;      // polygons
    std::size_t corners;    // sum of the faces' corner counts
    std::size_t triangles;  // after fan triangulation
};

// Every plug-in the build made, with its solid's counts.
inline std::vector<PluginCase> BuiltPlugins() {
    std::vector<PluginCase> plugins{{"Tavolet", kTavolet, 8, 6, 24, 12}};
#ifdef LIRENTO_PATH
    // 1 octagon, 8 triangles, 80 quadrilaterals, 32 hexagons.
    plugins.push_back({"Lirento", LIRENTO_PATH, 153, 121, 8 + 8 * 3 + 80 * 4 + 32 * 6, 6 + 8 + 80 * 2 + 32 * 4});
#endif
    return plugins;
}

// A fresh folder for one test's files, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    bool Empty() const;

private:
    std::filesystem::path path_;
};

}  // namespace host_tests
