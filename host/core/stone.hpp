// One stone of one cutting: the host-owned parameter block, vertex buffer and
// Diamond record, with typed calls of the five per-stone entry points.
//
//   Stone stone(plugin, plugin->Describe(1));
//   stone.Init();                              // defaults
//   stone.Set(ParameterTable, 0.58);           // false when refused
//   if (stone.IsCorrect()) auto v = stone.Vertices();
//
// Copying a Stone copies its block and buffer, so copies can be edited and
// evaluated independently (on different threads, too: plug-ins keep no state).
#pragma once

#include "core/plugin.hpp"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace cutting::host {

struct Vertex {
    double x = 0.0, y = 0.0, z = 0.0;  // mm
};

class Stone {
public:
    Stone(std::shared_ptr<const Plugin> plugin, Cutting cutting);
    Stone(const Stone& other);
    Stone& operator=(const Stone& other);
    Stone(Stone&& other) noexcept;
    Stone& operator=(Stone&& other) noexcept;
    ~Stone() = default;

    const Plugin& GetPlugin() const { return *plugin_; }
    const std::shared_ptr<const Plugin>& SharedPlugin() const { return plugin_; }
    const Cutting& GetCutting() const { return cutting_; }

    // InitDiamond: fills the block with the cutting's defaults.
    bool Init();

    // GetParameter for one identifier; nullopt when the plug-in refuses it.
    std::optional<double> Get(ParameterId id) const;
    // Every listed parameter in list order; nullopt for those refused.
    std::vector<std::optional<double>> GetAll() const;

    // SetParameter for one identifier; false when the plug-in refuses it.
    bool Set(ParameterId id, double value);

    // IsCorrect: whether the block describes a stone that can be built.
    bool IsCorrect() const;

    // InitVertex; nullopt when the plug-in fails. Call IsCorrect first.
    std::optional<std::vector<Vertex>> Vertices();

    // The raw parameter block, blockSize bytes.
    std::span<const std::byte> Block() const;
    std::span<std::byte> MutableBlock();

private:
    void PointDiamondAtOwnStorage();

    std::shared_ptr<const Plugin> plugin_;
    Cutting cutting_;
    std::vector<double> block_;     // doubles keep the block 8-byte aligned
    std::vector<double> vertices_;  // x, y, z per vertex
    mutable Diamond diamond_{};     // plug-ins take a non-const Diamond also for reading
};

}  // namespace cutting::host
