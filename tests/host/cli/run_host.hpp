// Runs cutting-host with arguments and collects exit code, stdout and stderr
// (line ends normalised to '\n').
#pragma once

#include <string>
#include <vector>

struct HostRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::string how;  // how the process ended, for messages
};

HostRun RunHost(const std::vector<std::string>& arguments, double timeoutSeconds = 120.0);

// The path of a fixture plug-in by name, e.g. "FixtureWritesPastVertices".
std::string Fixture(const std::string& name);

// Sets or clears (empty value) CUTTING_PLUGIN_PATH for the runs that follow.
void SetPluginPath(const std::string& value);
