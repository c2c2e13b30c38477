#include "run_command.hpp"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace host_tests {

namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CommandResult RunCommand(const std::string& command) {
    static int serial = 0;
    const auto base = std::filesystem::temp_directory_path() /
                      ("host_tests_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    const auto outPath = base.string() + ".out", errPath = base.string() + ".err";
    const int status = std::system((command + " >" + Quoted(outPath) + " 2>" + Quoted(errPath)).c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(outPath);
    result.err = Slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}

bool HaveProgram(const std::string& program) {
    return RunCommand("command -v " + Quoted(program)).exitCode == 0;
}

}  // namespace host_tests
