// Running a program as a child process with a time limit and collecting what
// it prints on stdout and stderr: posix_spawn on POSIX, CreateProcessW on
// Windows. A
// crash or a hang of the child is an outcome here, never the parent's end.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace cutting::host::conform {

struct ChildOutcome {
    enum class End {
        Exited,      // code: the exit code
        Crashed,     // code: the signal (POSIX) or exception code (Windows)
        TimedOut,    // killed after the time limit
        NotStarted,  // output: why
    };
    End end = End::NotStarted;
    unsigned long code = 0;
    std::string output;  // the child's stdout
    std::string errors;  // the child's stderr

    // "exit code 3", "crashed: signal 11 (SIGSEGV)", "timed out after 10 s", ...
    std::string Describe(std::chrono::milliseconds timeout) const;
};

ChildOutcome RunChild(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds timeout);

// In a child: let a crash end the process at once with its signal or
// exception code, without a crash dialog or debugger.
void PrepareChildForCrashes();

}  // namespace cutting::host::conform
