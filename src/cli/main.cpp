#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/Result.h"

namespace quintara::cli {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands{
        {"import-history", "replace a game's history file with the draws of a CSV file",
         "import-history --game GAME --csv FILE", RunImportHistory},
        {"export-history", "write a game's history as CSV to standard output", "export-history --game GAME",
         RunExportHistory},
        {"draws", "list a game's draws, newest first", "draws --game GAME [--json]", RunDraws},
        {"stats", "ball frequencies and last-drawn dates of a game", "stats --game GAME [--json]", RunStats},
        {"final", "the final numbers an algorithm chooses from a game's history",
         "final --game GAME [--algorithm A] [--json]   (A: list index 0-2 or the item text)", RunFinal},
        {"pick", "pick lines with an algorithm and a wheel, or wheel personal numbers",
         "pick --game GAME [--algorithm A] [--wheel ITEM | --wheel-file PATH] [--personal N1,N2,...] "
         "[--json]",
         RunPick},
        {"wheel-check", "check a wheel file and show what it guarantees",
         "wheel-check --game GAME FILE [--json]", RunWheelCheck},
    };
    return commands;
}

namespace {

void PrintHelp(std::ostream& out) {
    out << "Usage: quintara-cli [--app-dir DIR] COMMAND [OPTIONS]\n\n"
           "Commands:\n";
    for (const auto& command : AllCommands()) {
        out << "  " << command.name << std::string(18 - std::string(command.name).size(), ' ')
            << command.summary << "\n";
    }
    out << "\nGAME is lotto, lotto-extra, thunderball or daily-play (or the game's own name).\n"
           "The application folder (history and wheel files) is the executable's folder unless --app-dir\n"
           "or the environment variable QUINTARA_APP_DIR names another.\n"
           "Run quintara-cli COMMAND --help for a command's options.\n";
}

}  // namespace

}  // namespace quintara::cli

int main(int argc, char** argv) {
    using namespace quintara::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    Context context{DefaultAppDir(argv[0]), std::cout, std::cerr};
    try {
        while (!words.empty() && words.front().rfind("--app-dir", 0) == 0) {
            if (words.front() == "--app-dir") {
                if (words.size() < 2) {
                    throw UsageError("--app-dir needs a folder");
                }
                context.appDir = words[1];
                words.erase(words.begin(), words.begin() + 2);
            } else if (words.front().rfind("--app-dir=", 0) == 0) {
                context.appDir = words.front().substr(10);
                words.erase(words.begin());
            } else {
                break;
            }
        }
        if (words.empty() || words.front() == "--help" || words.front() == "-h" || words.front() == "help") {
            PrintHelp(std::cout);
            return words.empty() ? 2 : 0;
        }
        for (const auto& command : AllCommands()) {
            if (words.front() != command.name) {
                continue;
            }
            const std::vector<std::string> rest(words.begin() + 1, words.end());
            for (const auto& word : rest) {
                if (word == "--help" || word == "-h") {
                    std::cout << "Usage: quintara-cli [--app-dir DIR] " << command.usage << "\n"
                              << command.summary << "\n";
                    return 0;
                }
            }
            try {
                return command.run(context, rest);
            } catch (const UsageError& error) {
                std::cerr << "quintara-cli " << command.name << ": " << error.what() << "\n"
                          << "Usage: quintara-cli [--app-dir DIR] " << command.usage << "\n";
                return 2;
            }
        }
        throw UsageError("unknown command \"" + words.front() + "\"");
    } catch (const UsageError& error) {
        std::cerr << "quintara-cli: " << error.what() << "\n";
        PrintHelp(std::cerr);
        return 2;
    } catch (const Failure& error) {
        std::cerr << "quintara-cli: " << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quintara-cli: " << error.what() << "\n";
        return 1;
    }
}
