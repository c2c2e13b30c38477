#include "plugin_library.hpp"

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

namespace cutting_test {
namespace {

void* Open(std::string path) {
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/') path = "Z:" + path;  // a Unix path, as wine maps it
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
#else
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void* Symbol(void* handle, const char* name) {
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
#else
    return dlsym(handle, name);
#endif
}

template <class Fn>
void Look(void* handle, const char* name, Fn& out, std::string& error) {
    void* symbol = Symbol(handle, name);
    if (symbol == nullptr) error += std::string(error.empty() ? "" : ", ") + name + " not exported";
    out = reinterpret_cast<Fn>(symbol);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : handle_(Open(path)) {
    if (handle_ == nullptr) {
        error_ = "cannot load " + path;
        return;
    }
    Look(handle_, "GetCuttingList", entry_.getCuttingList, error_);
    Look(handle_, "GetCuttingInfo", entry_.getCuttingInfo, error_);
    Look(handle_, "InitDiamond", entry_.initDiamond, error_);
    Look(handle_, "InitVertex", entry_.initVertex, error_);
    Look(handle_, "IsCorrect", entry_.isCorrect, error_);
    Look(handle_, "GetParameter", entry_.getParameter, error_);
    Look(handle_, "SetParameter", entry_.setParameter, error_);
}

PluginLibrary::~PluginLibrary() {
    if (handle_ == nullptr) return;
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

}  // namespace cutting_test
