#include <sstream>

#include "check/BallValidation.h"
#include "check/CheckLines.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PickLines.h"
#include "core/Draws.h"
#include "core/TextRules.h"
#include "lines/LinesFile.h"

namespace quintara::cli {

namespace {

// --numbers N1,N2,...: the check window's boxes in their order, checked as the window checks them.
TypedDraw ParseCheckNumbers(Game game, const std::string& text) {
    CheckBoxes boxes;
    std::size_t count = 0;
    for (const std::string& field : CommaList("--numbers", text)) {
        if (count == boxes.size()) {
            ++count;
            break;
        }
        boxes[count++] = field;
    }
    const auto shown = static_cast<std::size_t>(CheckBoxCount(game));
    if (count > shown) {
        throw UsageError("--numbers: " + GameName(game) + " takes " + std::to_string(shown) + " numbers");
    }
    if (const Checked checked = ValidateBoxes(game, boxes); !checked) {
        const Refusal& refusal = checked.error();
        std::string message = "--numbers: " + refusal.title + ": " + refusal.text;
        if (refusal.title == kInputErrorTitle) {
            message += " (number " + std::to_string(refusal.box) + ")";
        }
        // The numbers were read; a refused ball is refused data, as add-draw says of its balls.
        throw Failure(message);
    }
    return TypedFromBoxes(game, boxes);
}

// --draw NUMBER: the numbers of that draw of the game's history, the first draw being 1.
TypedDraw DrawNumbers(const Context& context, Game game, int drawNumber) {
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const OneBased<Rec> draws = LoadDraws<Rec>(context);
        const auto lastDraw = static_cast<long long>(draws.Size());
        if (drawNumber < 1 || drawNumber > lastDraw) {
            throw UsageError("--draw: the " + GameName(game) + " history holds draws 1 to " +
                             std::to_string(lastDraw) + ", not " + std::to_string(drawNumber));
        }
        return TypedFromDraw(draws[static_cast<std::size_t>(lastDraw + 1 - drawNumber)]);
    });
}

// The lines of a saved lines file, which must hold lines of the game.
SavedLines ReadSavedLines(Game game, const std::filesystem::path& path) {
    const auto fileGame = GameOfLinesFile(path);
    if (!fileGame) {
        throw UsageError("--lines: " + path.string() +
                         " is not a saved lines file (.lot, .fil, .lxt, .thu, .dly, .l59 or .t39)");
    }
    if (*fileGame != game) {
        throw UsageError("--lines: " + path.string() + " holds " + GameName(*fileGame) + " lines, not " +
                         GameName(game) + " lines");
    }
    auto read = ReadLinesFile(path, game);
    if (!read) {
        throw Failure(read.error().text);
    }
    return *std::move(read);
}

template <class Rec>
Json WinningLinesJson(const CheckResult& result, const OneBased<Rec>& lines) {
    Json winning = Json::array();
    for (std::int32_t i = 1; i <= result.winners; ++i) {
        const WinningLineRec& win = result.winningLines[static_cast<std::size_t>(i)];
        winning.push_back({{"matches", win.Matches},
                           {"line_index", win.LineIndex},
                           {"bonus_number", win.BonusNumber},
                           {"numbers", Numbers(lines[static_cast<std::size_t>(win.LineIndex)].Balls)}});
    }
    return winning;
}

}  // namespace

void CheckOptions::Define(CLI::App& command) {
    AddGameOption(command, pick.game);
    auto* linesFile =
        command.add_option("--lines", lines, "a saved lines file (.lot, .fil, .lxt, .thu, .dly, .l59, .t39)")
            ->type_name("FILE");
    for (CLI::Option* option : AddLineSourceOptions(command, pick)) {
        linesFile->excludes(option);
    }
    auto* typed = command
                      .add_option("--numbers", numbers,
                                  "the drawn numbers in the check window's order (Lotto's bonus ball last, "
                                  "Thunderball 39's Thunderball after its five numbers)")
                      ->type_name("N1,N2,...");
    command.add_option("--draw", draw, "the numbers of this draw of the game's history, the oldest being 1")
        ->type_name("NUMBER")
        ->excludes(typed);
    AddJsonFlag(command, json);
}

int RunCheck(Context& context, const CheckOptions& options) {
    const Game game = options.pick.game;
    if (!options.numbers && !options.draw) {
        throw UsageError("the numbers to check are missing: give --numbers or --draw");
    }
    const TypedDraw typed = options.numbers ? ParseCheckNumbers(game, *options.numbers)
                                            : DrawNumbers(context, game, *options.draw);
    OneBased<LottoDrawRec> picked;
    OneBased<DailyPlayDrawRec> dailyPlay;
    if (options.lines) {
        SavedLines saved = ReadSavedLines(game, *options.lines);
        picked = std::move(saved.picked);
        dailyPlay = std::move(saved.dailyPlay);
    } else {
        PickedLinesRun run = PickLines(context, options.pick);
        picked = std::move(run.result.PickedLines);
        dailyPlay = std::move(run.result.DailyPlayPickedLines);
    }
    const bool daily = Info(game).sevenBallLines;
    const CheckResult result = daily ? CheckLines(game, typed, dailyPlay) : CheckLines(game, typed, picked);
    const std::string report = WinningReportText(result);

    if (options.json) {
        const auto shown = static_cast<std::ptrdiff_t>(CheckBoxCount(game));
        const PrizeCounts& counts = result.counts;
        Json countsJson = {{"3", counts.three}, {"4", counts.four},
                           {"5", counts.five},  {"5_and_bonus", counts.fiveAndBonus},
                           {"6", counts.six},   {"7", counts.seven}};
        if (const auto tiers = Info(game).tiers; !tiers.empty()) {
            countsJson = Json::object();
            for (std::size_t t = 0; t < tiers.size(); ++t) {
                countsJson[std::string(tiers[t].jsonKey)] = result.tierCounts[t];
            }
        }
        WriteJson(context,
                  {{"game", GameName(game)},
                   {"numbers", Numbers(std::vector<std::int16_t>(typed.begin(), typed.begin() + shown))},
                   {"lines_checked", result.linesChecked},
                   {"winners", result.winners},
                   {"counts", countsJson},
                   {"winning_lines",
                    daily ? WinningLinesJson(result, dailyPlay) : WinningLinesJson(result, picked)}});
        return 0;
    }
    context.out << WithLf(report) << "\n";
    return 0;
}

}  // namespace quintara::cli
