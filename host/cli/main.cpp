// cutting-host: loads cutting plug-ins, shows and edits their parameters,
// checks and measures the stones they make and tests them against the
// contract. Results go to stdout, one-line diagnostics to stderr.
#include "commands.hpp"
#include "core/errors.hpp"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    using namespace cutting::host;
    CLI::App app{"Loads cutting plug-ins, edits and checks their stones, tests them against the contract.\n"
                 "Exit codes: 0 success, 1 a negative verdict, 2 a usage or load error."};
    app.name("cutting-host");
    app.require_subcommand(1);
    // Options are spelt --name everywhere; "/path/to/plugin.dll" is a path.
    app.allow_windows_style_options(false);
    cli::AddRegisteredCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);  // --help
        std::fprintf(stderr, "cutting-host: %s (see --help)\n", error.what());
        return cli::kExitUsage;
    } catch (const cli::Exit& exit) {
        return exit.code;
    } catch (const LoadError& error) {
        std::fprintf(stderr, "cutting-host: %s\n", error.what());
        return cli::kExitUsage;
    } catch (const InputError& error) {
        std::fprintf(stderr, "cutting-host: %s\n", error.what());
        return cli::kExitUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cutting-host: %s\n", error.what());
        return cli::kExitUsage;
    }
    return cli::kExitSuccess;
}
