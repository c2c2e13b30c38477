// A cutting plug-in loaded from its shared library by path, as the host
// loads it (dlopen on Linux, LoadLibraryA on Windows), with its seven entry
// points looked up by name. Shared by the tests that drive the built plug-ins.
#pragma once

#include "cutting_plugin.h"

#include <string>

namespace cutting_test {

struct EntryPoints {
    GetCuttingListFn getCuttingList = nullptr;
    GetCuttingInfoFn getCuttingInfo = nullptr;
    InitDiamondFn initDiamond = nullptr;
    InitVertexFn initVertex = nullptr;
    IsCorrectFn isCorrect = nullptr;
    GetParameterFn getParameter = nullptr;
    SetParameterFn setParameter = nullptr;
};

class PluginLibrary {
public:
    // Loads the library; Loaded() tells whether it and all seven entry
    // points were found, Error() what went wrong otherwise.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr && error_.empty(); }
    const std::string& Error() const { return error_; }
    const EntryPoints& Entry() const { return entry_; }

private:
    void* handle_ = nullptr;
    std::string error_;
    EntryPoints entry_;
};

}  // namespace cutting_test
