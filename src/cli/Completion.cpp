#include "cli/Completion.h"

#include <CLI/CLI.hpp>
#include <sstream>
#include <vector>

#include "core/Games.h"

namespace quintara::cli {

namespace {

// What the word after an option is.
enum class Value { None, Game, File, Folder, Other };

struct Word {
    std::string name;  // "--game", or for a positional argument its name ("FILE")
    std::string help;
    Value value = Value::None;
    bool positional = false;
};

struct Command {
    std::string name;
    std::string help;
    std::vector<Word> words;
};

Value ValueOf(const CLI::Option& option) {
    if (option.get_items_expected_max() == 0) {  // a flag
        return Value::None;
    }
    const std::string type = option.get_positional() ? option.get_name(true) : option.get_type_name();
    if (type == "GAME") {
        return Value::Game;
    }
    if (type == "DIR") {
        return Value::Folder;
    }
    if (type.find("FILE") != std::string::npos || type == "PATH" || type.ends_with(".txt")) {
        return Value::File;
    }
    return Value::Other;
}

// The first line of a description, without the characters the shells' own syntax uses; an apostrophe
// becomes the typographic one, which no shell reads.
std::string Plain(const std::string& text) {
    std::string plain;
    for (const char c : text.substr(0, text.find('\n'))) {
        if (c == '\'') {
            plain += "\u2019";
        } else if (c == '"' || c == '[' || c == ']' || c == ':' || c == '\\' || c == '`' || c == '$') {
            plain += ' ';
        } else {
            plain += c;
        }
    }
    return plain;
}

std::vector<Word> WordsOf(const CLI::App& app) {
    std::vector<Word> words;
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_group().empty()) {
            continue;  // hidden
        }
        Word word{"", Plain(option->get_description()), ValueOf(*option), option->get_positional()};
        if (word.positional) {
            word.name = option->get_name(true);
        } else if (!option->get_lnames().empty()) {
            word.name = "--" + option->get_lnames().front();
        } else if (!option->get_snames().empty()) {
            word.name = "-" + option->get_snames().front();
        } else {
            continue;
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<Command> CommandsOf(const CLI::App& app) {
    std::vector<Command> commands;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        if (!command->get_group().empty()) {
            commands.push_back({command->get_name(), Plain(command->get_description()), WordsOf(*command)});
        }
    }
    return commands;
}

std::string GameNames() {
    std::string names;
    for (const Game game : kAllGames) {
        names += (names.empty() ? "" : " ") + std::string(Info(game).cliName);
    }
    return names;
}

bool TakesFiles(const Command& command) {
    for (const auto& word : command.words) {
        if (word.positional && word.value == Value::File) {
            return true;
        }
    }
    return false;
}

std::string OptionNames(const std::vector<Word>& words) {
    std::string names;
    for (const auto& word : words) {
        if (!word.positional) {
            names += (names.empty() ? "" : " ") + word.name;
        }
    }
    return names;
}

std::string Bash(const std::vector<Word>& global, const std::vector<Command>& commands) {
    std::ostringstream out;
    std::string commandNames;
    std::vector<std::string> byValue(5);
    auto note = [&](const Word& word) {
        auto& list = byValue[static_cast<std::size_t>(word.value)];
        if (!word.positional && word.value != Value::None &&
            ("|" + list + "|").find("|" + word.name + "|") == std::string::npos) {
            list += (list.empty() ? "" : "|") + word.name;
        }
    };
    for (const auto& word : global) {
        note(word);
    }
    for (const auto& command : commands) {
        commandNames += (commandNames.empty() ? "" : "|") + command.name;
        for (const auto& word : command.words) {
            note(word);
        }
    }
    std::string topWords = OptionNames(global);
    for (const auto& command : commands) {
        topWords += " " + command.name;
    }
    out << "# bash completion for quintara-cli (made by: quintara-cli completion bash)\n"
        << "_quintara_cli() {\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} command= i\n"
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        case ${COMP_WORDS[i]} in\n"
        << "        " << commandNames << ") command=${COMP_WORDS[i]}; break ;;\n"
        << "        esac\n"
        << "    done\n"
        << "    case $prev in\n";
    const auto& games = byValue[static_cast<std::size_t>(Value::Game)];
    const auto& files = byValue[static_cast<std::size_t>(Value::File)];
    const auto& folders = byValue[static_cast<std::size_t>(Value::Folder)];
    const auto& others = byValue[static_cast<std::size_t>(Value::Other)];
    if (!games.empty()) {
        out << "    " << games << ") COMPREPLY=($(compgen -W \"" << GameNames()
            << "\" -- \"$cur\")); return ;;\n";
    }
    if (!files.empty()) {
        out << "    " << files
            << ") compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n";
    }
    if (!folders.empty()) {
        out << "    " << folders
            << ") compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n";
    }
    if (!others.empty()) {
        out << "    " << others << ") COMPREPLY=(); return ;;\n";
    }
    out << "    esac\n"
        << "    local words= files=\n"
        << "    case $command in\n"
        << "    '') words=\"" << topWords << "\" ;;\n";
    for (const auto& command : commands) {
        out << "    " << command.name << ") words=\"" << OptionNames(command.words) << "\""
            << (TakesFiles(command) ? "; files=1" : "") << " ;;\n";
    }
    out << "    esac\n"
        << "    if [[ -n $files && $cur != -* ]]; then\n"
        << "        compopt -o filenames 2>/dev/null\n"
        << "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
        << "    else\n"
        << "        COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        << "    fi\n"
        << "}\n"
        << "complete -F _quintara_cli quintara-cli\n";
    return out.str();
}

std::string ZshSpec(const Word& word) {
    std::string action;
    switch (word.value) {
    case Value::Game:
        action = ":game:(" + GameNames() + ")";
        break;
    case Value::File:
        action = ":file:_files";
        break;
    case Value::Folder:
        action = ":folder:_files -/";
        break;
    case Value::Other:
        action = ":value: ";
        break;
    case Value::None:
        break;
    }
    if (word.positional) {
        return "'*" + action + "'";
    }
    return "'" + word.name + "[" + word.help + "]" + action + "'";
}

std::string Zsh(const std::vector<Word>& global, const std::vector<Command>& commands) {
    std::ostringstream out;
    out << "#compdef quintara-cli\n"
        << "# zsh completion for quintara-cli (made by: quintara-cli completion zsh)\n"
        << "_quintara-cli() {\n"
        << "    local curcontext=$curcontext state line\n"
        << "    _arguments -C";
    for (const auto& word : global) {
        out << " \\\n        " << ZshSpec(word);
    }
    out << " \\\n        '1:command:->command' \\\n        '*::argument:->argument'\n"
        << "    case $state in\n"
        << "    command)\n"
        << "        local -a commands=(\n";
    for (const auto& command : commands) {
        out << "            '" << command.name << ":" << command.help << "'\n";
    }
    out << "        )\n"
        << "        _describe -t commands 'quintara-cli command' commands ;;\n"
        << "    argument)\n"
        << "        case $line[1] in\n";
    for (const auto& command : commands) {
        out << "        " << command.name << ")\n            _arguments";
        for (const auto& word : command.words) {
            out << " \\\n                " << ZshSpec(word);
        }
        out << " ;;\n";
    }
    out << "        esac ;;\n"
        << "    esac\n"
        << "}\n"
        << "_quintara-cli \"$@\"\n";
    return out.str();
}

std::string FishLine(const std::string& condition, const Word& word) {
    std::string line = "complete -c quintara-cli -n '" + condition + "'";
    if (word.positional) {
        return line + " -F\n";
    }
    line += word.name.starts_with("--") ? " -l " + word.name.substr(2) : " -s " + word.name.substr(1);
    switch (word.value) {
    case Value::Game:
        line += " -x -a '" + GameNames() + "'";
        break;
    case Value::File:
        line += " -r -F";
        break;
    case Value::Folder:
        line += " -x -a '(__fish_complete_directories)'";
        break;
    case Value::Other:
        line += " -x";
        break;
    case Value::None:
        break;
    }
    return line + " -d '" + word.help + "'\n";
}

std::string Fish(const std::vector<Word>& global, const std::vector<Command>& commands) {
    std::ostringstream out;
    out << "# fish completion for quintara-cli (made by: quintara-cli completion fish)\n"
        << "complete -c quintara-cli -f\n";
    for (const auto& word : global) {
        out << FishLine("__fish_use_subcommand", word);
    }
    for (const auto& command : commands) {
        out << "complete -c quintara-cli -n __fish_use_subcommand -a " << command.name << " -d '"
            << command.help << "'\n";
    }
    for (const auto& command : commands) {
        for (const auto& word : command.words) {
            out << FishLine("__fish_seen_subcommand_from " + command.name, word);
        }
    }
    return out.str();
}

}  // namespace

std::optional<std::string> CompletionScript(const CLI::App& app, std::string_view shell) {
    const std::vector<Word> global = WordsOf(app);
    const std::vector<Command> commands = CommandsOf(app);
    if (shell == "bash") {
        return Bash(global, commands);
    }
    if (shell == "zsh") {
        return Zsh(global, commands);
    }
    if (shell == "fish") {
        return Fish(global, commands);
    }
    return std::nullopt;
}

}  // namespace quintara::cli
