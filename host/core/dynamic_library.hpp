// A shared library opened at run time: dlopen on POSIX, LoadLibraryW on
// Windows. The library stays loaded while the object lives.
#pragma once

#include <filesystem>
#include <string>

namespace cutting::host {

class DynamicLibrary {
public:
    // Opens the library at `path`; throws LoadError with the system's reason.
    explicit DynamicLibrary(const std::filesystem::path& path);
    ~DynamicLibrary();

    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

    // The address of an exported symbol, or null when there is none.
    void* Symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

// The file suffix of shared libraries on this platform: ".so" or ".dll".
const char* SharedLibrarySuffix();

// The folder holding the running executable (empty when it cannot be told).
std::filesystem::path ExecutableDirectory();

// The running executable itself (empty when it cannot be told).
std::filesystem::path ExecutablePath();

// The separator of path lists in environment variables: ':' or ';'.
char PathListSeparator();

}  // namespace cutting::host
