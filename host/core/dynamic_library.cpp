// The only file of the core that talks to the platform's loader.
#include "core/dynamic_library.hpp"

#include "core/errors.hpp"

#include <utility>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace cutting::host {

#if defined(_WIN32)

namespace {
std::string LastErrorText() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 && text != nullptr ? std::string(text, length) : std::string();
    if (text != nullptr) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}
}  // namespace

DynamicLibrary::DynamicLibrary(const std::filesystem::path& path) {
    // No "cannot find DLL" message boxes: the failure is reported as text.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    handle_ = LoadLibraryExW(std::filesystem::absolute(path).wstring().c_str(), nullptr,
                             LOAD_WITH_ALTERED_SEARCH_PATH);
    const std::string reason = handle_ == nullptr ? LastErrorText() : std::string();
    SetErrorMode(previous);
    if (handle_ == nullptr) throw LoadError("cannot load '" + path.string() + "': " + reason);
}

DynamicLibrary::~DynamicLibrary() {
    if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
}

void* DynamicLibrary::Symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

const char* SharedLibrarySuffix() { return ".dll"; }

std::filesystem::path ExecutablePath() {
    std::wstring buffer(1024, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

char PathListSeparator() { return ';'; }

#else

DynamicLibrary::DynamicLibrary(const std::filesystem::path& path) {
    // A path with a slash keeps dlopen from searching the system's folders.
    const std::filesystem::path explicitPath = path.has_parent_path() ? path : std::filesystem::path(".") / path;
    handle_ = dlopen(explicitPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw LoadError("cannot load '" + path.string() + "': " + (reason != nullptr ? reason : "unknown error"));
    }
}

DynamicLibrary::~DynamicLibrary() {
    if (handle_ != nullptr) dlclose(handle_);
}

void* DynamicLibrary::Symbol(const char* name) const { return dlsym(handle_, name); }

const char* SharedLibrarySuffix() { return ".so"; }

std::filesystem::path ExecutablePath() {
    std::error_code error;
    // Linux and the BSDs with linprocfs; elsewhere the executable stays unknown.
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self;
}

char PathListSeparator() { return ':'; }

#endif

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
}

std::filesystem::path ExecutableDirectory() { return ExecutablePath().parent_path(); }

}  // namespace cutting::host
