#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "lines/LinesFile.h"

namespace quintara::cli {

void LinesOptions::Define(CLI::App& command) {
    AddOptionalGameOption(command, game, "; by default the game of the file's extension");
    command
        .add_option("FILE", file,
                    "the binary lines file (.lot, .fil, .lxt, .thu, .dly, .l59, .t39); - for standard input")
        ->required();
    AddJsonFlag(command, json);
}

int RunLines(Context& context, const LinesOptions& options) {
    const std::optional<Game> game = options.game ? options.game : GameOfLinesFile(options.file);
    if (!game) {
        throw UsageError("the game of " + options.file.string() +
                         " is not known from its extension: give it with --game");
    }
    const auto read = ReadLinesFile(options.file, *game, InputKinds::PipesToo);
    if (!read) {
        throw Failure(read.error().text);
    }
    const SavedLines& lines = *read;
    // Every ball field of a line: a Thunderball line's sixth is its Thunderball.
    std::vector<std::vector<int>> numbers;
    if (Info(*game).sevenBallLines) {
        for (const auto& line : lines.dailyPlay) {
            numbers.emplace_back(line.Balls.begin(), line.Balls.end());
        }
    } else {
        for (const auto& line : lines.picked) {
            numbers.emplace_back(line.Balls.begin(), line.Balls.end());
        }
    }
    if (options.json) {
        WriteJson(context, {{"game", GameName(*game)}, {"lines", numbers}});
        return 0;
    }
    for (const auto& line : numbers) {
        std::string text;
        for (const int number : line) {
            text += (text.empty() ? "" : " ") + std::to_string(number);
        }
        context.out << text << "\n";
    }
    return 0;
}

}  // namespace quintara::cli
