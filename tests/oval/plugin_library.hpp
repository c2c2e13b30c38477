// A cutting plug-in loaded by path with its seven entry points looked up by
// name, the way the host does it: dlopen on Linux, LoadLibraryA under Windows.
#pragma once

#include "cutting_plugin.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <string>

namespace oval_test {

class PluginLibrary {
public:
    explicit PluginLibrary(std::string path) {
#if defined(_WIN32)
        if (!path.empty() && path[0] == '/') path = "Z:" + path;  // a Unix path, as wine maps it
        handle_ = LoadLibraryA(path.c_str());
#else
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
        if (handle_ == nullptr) return;
        Find(getCuttingList, "GetCuttingList");
        Find(getCuttingInfo, "GetCuttingInfo");
        Find(initDiamond, "InitDiamond");
        Find(initVertex, "InitVertex");
        Find(isCorrect, "IsCorrect");
        Find(getParameter, "GetParameter");
        Find(setParameter, "SetParameter");
    }

    ~PluginLibrary() {
        if (handle_ == nullptr) return;
#if defined(_WIN32)
        FreeLibrary(handle_);
#else
        dlclose(handle_);
#endif
    }

    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // True when the library loaded and exports all seven entry points.
    bool Complete() const {
        return getCuttingList && getCuttingInfo && initDiamond && initVertex && isCorrect && getParameter &&
               setParameter;
    }

    decltype(&::GetCuttingList) getCuttingList = nullptr;
    decltype(&::GetCuttingInfo) getCuttingInfo = nullptr;
    decltype(&::InitDiamond) initDiamond = nullptr;
    decltype(&::InitVertex) initVertex = nullptr;
    decltype(&::IsCorrect) isCorrect = nullptr;
    decltype(&::GetParameter) getParameter = nullptr;
    decltype(&::SetParameter) setParameter = nullptr;

private:
    template <class Function>
    void Find(Function& entry, const char* name) {
#if defined(_WIN32)
        entry = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(handle_, name)));
#else
        entry = reinterpret_cast<Function>(dlsym(handle_, name));
#endif
    }

#if defined(_WIN32)
    HMODULE handle_ = nullptr;
#else
    void* handle_ = nullptr;
#endif
};

}  // namespace oval_test
