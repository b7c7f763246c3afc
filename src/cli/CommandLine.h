#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "core/Games.h"

namespace quintara::cli {

// The options every command may share; a command's Define adds those it takes.
void AddGameOption(CLI::App& command, Game& game);  // --game GAME, required
void AddJsonFlag(CLI::App& command, bool& json);    // --json
// --game GAME, optional; `help` is appended to the option's description.
void AddOptionalGameOption(CLI::App& command, std::optional<Game>& game, const std::string& help);

// quintara-cli's command line: the global options, the commands, and the mapping of every way a run
// ends to its exit code (0 done or help, 1 failure, 2 usage error; messages go to standard error).
class CommandLine {
public:
    CommandLine();

    // Adds a command. `Options` holds the command's option values and declares them on the command in
    // `void Define(CLI::App&)`; `run` is called with them once the whole command line is parsed.
    template <class Options>
    void Add(const std::string& name, const std::string& summary, int (*run)(Context&, const Options&)) {
        auto options = std::make_shared<Options>();
        CLI::App* command = m_app.add_subcommand(name, summary);
        // A word no option or argument of the command takes is a usage error, never ignored.
        command->allow_extras(false);
        options->Define(*command);
        m_commands.push_back({command, [options, run](Context& context) { return run(context, *options); }});
    }

    // Parses `argc`/`argv`, makes the application directory ready and runs the chosen command.
    int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

private:
    struct Entry {
        CLI::App* command;
        std::function<int(Context&)> run;
    };
    CLI::App m_app;
    std::optional<std::string> m_appDirOption;
    CLI::App* m_completion = nullptr;
    std::string m_completionShell;
    std::vector<Entry> m_commands;
};

// Every command of quintara-cli, in the order the help lists them: the one place a command is added.
void RegisterCommands(CommandLine& commandLine);

}  // namespace quintara::cli
