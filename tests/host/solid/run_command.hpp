// Running a command line in a shell and collecting its exit code and output,
// for tests that drive the workbench and the independent file readers.
#pragma once

#include <string>

namespace host_tests {

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `command` through the shell with stdout and stderr captured.
CommandResult RunCommand(const std::string& command);

// Whether `program` is found on PATH.
bool HaveProgram(const std::string& program);

// `text` quoted for the shell.
std::string Quoted(const std::string& text);

}  // namespace host_tests
