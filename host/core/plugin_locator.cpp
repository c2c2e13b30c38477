#include "core/plugin_locator.hpp"

#include "core/dynamic_library.hpp"
#include "core/errors.hpp"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>

namespace cutting::host {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> SplitPathList(std::string_view list) {
    std::vector<fs::path> folders;
    const char separator = PathListSeparator();
    while (!list.empty()) {
        const size_t end = list.find(separator);
        const std::string_view item = list.substr(0, end);
        if (!item.empty()) folders.emplace_back(std::string(item));
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return folders;
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string Joined(const std::vector<fs::path>& folders) {
    std::string text;
    for (const fs::path& folder : folders) {
        if (!text.empty()) text += ", ";
        text += folder.string();
    }
    return text.empty() ? "no plug-in folders" : text;
}

}  // namespace

std::vector<fs::path> PluginFolders() {
    std::vector<fs::path> candidates;
    if (const char* list = std::getenv("CUTTING_PLUGIN_PATH")) candidates = SplitPathList(list);
    const fs::path exeDir = ExecutableDirectory();
    if (!exeDir.empty()) {
        candidates.push_back(exeDir.parent_path() / "plugins");
        candidates.push_back(exeDir.parent_path() / "lib" / "cutting-plugins");
    }
    std::vector<fs::path> folders;
    for (const fs::path& candidate : candidates) {
        if (!IsFolder(candidate)) continue;
        const fs::path normal = candidate.lexically_normal();
        if (std::find(folders.begin(), folders.end(), normal) == folders.end()) folders.push_back(normal);
    }
    return folders;
}

fs::path LocatePlugin(const std::string& name) {
    if (name.empty()) throw LoadError("empty plug-in name");
    const fs::path given(name);
    if (IsFile(given)) return given;
    if (given.has_parent_path()) throw LoadError("no such plug-in file: '" + name + "'");

    std::vector<fs::path> fileNames{given};
    if (given.extension() != SharedLibrarySuffix()) fileNames.push_back(fs::path(name + SharedLibrarySuffix()));
    const std::vector<fs::path> folders = PluginFolders();
    for (const fs::path& folder : folders) {
        for (const fs::path& fileName : fileNames) {
            if (IsFile(folder / fileName)) return folder / fileName;
        }
    }
    throw LoadError("no plug-in '" + name + "' in " + Joined(folders));
}

std::vector<fs::path> DiscoverPlugins() {
    std::vector<fs::path> found;
    std::set<fs::path> seenNames;
    for (const fs::path& folder : PluginFolders()) {
        std::vector<fs::path> inFolder;
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
            if (entry.path().extension() == SharedLibrarySuffix() && IsFile(entry.path()))
                inFolder.push_back(entry.path());
        }
        std::sort(inFolder.begin(), inFolder.end());
        for (const fs::path& path : inFolder) {
            if (seenNames.insert(path.filename()).second) found.push_back(path);
        }
    }
    return found;
}

}  // namespace cutting::host
