// How the subcommands of cutting-host come together.
//
// Every cli/cmd_*.cpp file adds one subcommand and registers itself when the
// program starts, for example:
//
//   void AddMeasureCommand(CLI::App& app) { ... }
//   namespace { const bool kRegistered = RegisterCommand(50, AddMeasureCommand); }
//
// A callback ends the program with a non-zero code by throwing Exit{code};
// LoadError and InputError (core/errors.hpp) become a one-line message on
// stderr and exit code 2.
#pragma once

#include <CLI/CLI.hpp>

namespace cutting::host::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNegative = 1;  // a negative verdict: rejected, failed checks
inline constexpr int kExitUsage = 2;     // bad input or a plug-in that cannot be loaded

struct Exit {
    int code;
};

using CommandAdder = void (*)(CLI::App& app);

// Adds `add` to the subcommands; `order` places it in --help (lower first).
bool RegisterCommand(int order, CommandAdder add);

// Adds every registered subcommand to `app`.
void AddRegisteredCommands(CLI::App& app);

void AddListCommand(CLI::App& app);      // order 10
void AddInfoCommand(CLI::App& app);      // 20
void AddParamsCommand(CLI::App& app);    // 30
void AddCheckCommand(CLI::App& app);     // 40
void AddVerticesCommand(CLI::App& app);  // 45
void AddMeasureCommand(CLI::App& app);   // 50
void AddExportCommand(CLI::App& app);    // 60
void AddSweepCommand(CLI::App& app);     // 70
void AddConformCommand(CLI::App& app);   // 80

}  // namespace cutting::host::cli
