#include "commands.hpp"

#include <algorithm>
#include <utility>
#include <vector>

namespace cutting::host::cli {

namespace {
std::vector<std::pair<int, CommandAdder>>& Registry() {
    static std::vector<std::pair<int, CommandAdder>> registry;
    return registry;
}
}  // namespace

bool RegisterCommand(int order, CommandAdder add) {
    Registry().emplace_back(order, add);
    return true;
}

void AddRegisteredCommands(CLI::App& app) {
    auto commands = Registry();
    std::stable_sort(commands.begin(), commands.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [order, add] : commands) add(app);
}

}  // namespace cutting::host::cli
