#include "cli/CommandLine.h"

#include "cli/Completion.h"
#include "core/AppDir.h"
#include "core/Version.h"

namespace quintara::cli {

namespace {

// The command-line names of the classic games, and of those drawn today.
std::string GameNames(bool today) {
    std::string names;
    for (const Game game : kAllGames) {
        if ((Info(game).tiers.empty()) != today) {
            names += (names.empty() ? "" : ", ") + std::string(Info(game).cliName);
        }
    }
    return names;
}

const std::string kGames = "(" + GameNames(false) + ") or today's (" + GameNames(true) + ")";

// --game: the game's name checked, then handed to `chosen`.
CLI::Option* AddGameOptionCalling(CLI::App& command, const std::function<void(Game)>& chosen,
                                  const std::string& help) {
    const CLI::Validator knownGame(
        [](std::string& name) {
            return GameFromName(name) ? std::string() : "unknown game \"" + name + "\" " + kGames;
        },
        "", "game");
    return command
        .add_option_function<std::string>(
            "--game", [chosen](const std::string& name) { chosen(*GameFromName(name)); },
            kGames + " (or the game's own name, such as \"Lotto Extra\")" + help)
        ->type_name("GAME")
        ->check(knownGame);
}

}  // namespace

void AddGameOption(CLI::App& command, Game& game) {
    AddGameOptionCalling(
        command, [&game](Game chosen) { game = chosen; }, "")
        ->required();
}

void AddOptionalGameOption(CLI::App& command, std::optional<Game>& game, const std::string& help) {
    AddGameOptionCalling(
        command, [&game](Game chosen) { game = chosen; }, help);
}

void AddJsonFlag(CLI::App& command, bool& json) {
    command.add_flag("--json", json, "write JSON, one document on one line");
}

CommandLine::CommandLine()
    : m_app("Quintara on the command line: draw histories, statistics and number picks for UK lottery games.",
            "quintara-cli") {
    m_app.set_version_flag("--version", std::string("quintara-cli ") + kVersion);
    m_app.add_option("--app-dir", m_appDirOption, "the folder of the history and wheel files")
        ->type_name("DIR");
    m_app.require_subcommand(1);
    m_app.footer(
        "Without --app-dir the folder is QUINTARA_APP_DIR, else the program's own folder when it holds the\n"
        "history and wheel files (a build), else the per-user folder of an install ($XDG_DATA_HOME/Quintara\n"
        "or ~/.local/share/Quintara), which is given the shipped histories it lacks; wheels and help are\n"
        "read from share/quintara unless that folder holds its own.\n"
        "Run quintara-cli COMMAND --help for a command's options.");
    m_app.fallthrough();
    RegisterCommands(*this);
    // Last, and outside RegisterCommands: it needs no application directory and reads the others.
    m_completion =
        m_app.add_subcommand("completion", "prints the script that completes quintara-cli in a shell");
    m_completion->add_option("SHELL", m_completionShell, "bash, zsh or fish")
        ->required()
        ->check(CLI::IsMember(
            std::vector<std::string>(std::begin(kCompletionShells), std::end(kCompletionShells))));
}

int CommandLine::Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc <= 1) {
        err << m_app.help();
        return 2;
    }
    try {
        m_app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return m_app.exit(error, out, err);
        }
        // CLI11 finds the missing command before the word that was meant as one.
        const auto words = m_app.remaining();
        const auto commands = m_app.get_subcommands();
        if (commands.empty() && !words.empty() && words.front().rfind('-', 0) != 0) {
            err << "quintara-cli: unknown command \"" << words.front() << "\"\n"
                << "Run quintara-cli --help, or quintara-cli COMMAND --help, for the options.\n";
        } else if (!commands.empty()) {
            const std::string name = commands.front()->get_name();
            err << "quintara-cli " << name << ": " << error.what() << "\n"
                << "Run quintara-cli " << name << " --help for its options.\n";
        } else {
            err << "quintara-cli: " << error.what() << "\n"
                << "Run quintara-cli --help, or quintara-cli COMMAND --help, for the options.\n";
        }
        return 2;
    }

    if (m_completion->parsed()) {
        out << CompletionScript(m_app, m_completionShell).value_or("");
        return 0;
    }

    const auto prepared = PrepareAppDir(ProcessAppDirInputs(m_appDirOption, argv[0]));
    if (!prepared) {
        err << "quintara-cli: " << prepared.error().text << "\n";
        return 1;
    }
    for (const auto& problem : prepared->problems) {
        err << "quintara-cli: " << problem << "\n";
    }

    Context context{prepared->choice.folder, out, err, prepared->choice.shareFolder};
    for (const auto& entry : m_commands) {
        if (!entry.command->parsed()) {
            continue;
        }
        const std::string name = entry.command->get_name();
        try {
            return entry.run(context);
        } catch (const UsageError& error) {
            err << "quintara-cli " << name << ": " << error.what() << "\n"
                << "Run quintara-cli " << name << " --help for its options.\n";
            return 2;
        } catch (const std::exception& error) {
            err << "quintara-cli: " << error.what() << "\n";
            return 1;
        }
    }
    return 2;  // require_subcommand(1) lets no run get here
}

}  // namespace quintara::cli
