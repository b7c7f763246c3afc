#include <algorithm>
#include <cstdio>
#include <span>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/GeneratorSetup.h"
#include "cli/PickLines.h"
#include "core/AppDir.h"
#include "core/Dates.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/TextRules.h"
#include "generate/Catalogue.h"
#include "generate/GenerateError.h"
#include "generate/Generator.h"
#include "generate/Listing.h"
#include "generate/PersonalNumbers.h"
#include "generate/WheelCoverage.h"
#include "generate/WheelFile.h"
#include "generate/WheelGuarantees.h"
#include "lines/LinesFile.h"

namespace quintara::cli {

namespace {

// A list item given by its text or by its position, counted from 0.
std::optional<int> ItemOrPosition(std::span<const std::string_view> items, const std::string& value) {
    if (const auto index = ItemIndex(items, value)) {
        return index;
    }
    if (value.size() > 3 || !IsDigits(value)) {
        return std::nullopt;
    }
    const auto position = static_cast<std::size_t>(std::stoi(value));
    if (position >= items.size()) {
        return std::nullopt;
    }
    return static_cast<int>(position);
}

struct Algorithm {
    int index = 0;
    std::string text;
};

// --algorithm: the list index or the item text; the first item when not given.
Algorithm ParseAlgorithm(Game game, const std::optional<std::string>& value) {
    const auto items = AlgorithmItems(game);
    if (!value) {
        return {0, std::string(items[0])};
    }
    const std::optional<int> index = ItemOrPosition(items, *value);
    if (!index) {
        std::string known;
        for (std::size_t i = 0; i < items.size(); ++i) {
            known += (i ? ", " : "") + std::to_string(i) + " \"" + std::string(items[i]) + "\"";
        }
        throw UsageError("unknown algorithm \"" + *value + "\" for " + GameName(game) + " (" + known + ")");
    }
    return {*index, std::string(items[static_cast<std::size_t>(*index)])};
}

// --wheel: an item of the algorithm's wheel list, by text or list index.
std::string ParseWheelItem(Game game, const Algorithm& algorithm, const std::optional<std::string>& value) {
    const auto items = WheelItems(game, algorithm.index);
    if (!value) {
        return std::string(items[0]);
    }
    const std::optional<int> index = ItemOrPosition(items, *value);
    if (!index) {
        std::string known;
        for (const auto& item : items) {
            known += (known.empty() ? "\"" : ", \"") + std::string(item) + "\"";
        }
        throw UsageError("\"" + *value + "\" is not a wheel of \"" + algorithm.text + "\" (" + known + ")");
    }
    return std::string(items[static_cast<std::size_t>(*index)]);
}

// --personal N1,N2,...: checked as the personal picks windows check them, with their messages.
OneBased<std::int16_t> ParsePersonalNumbers(Game game, const std::string& text) {
    const std::vector<std::string> fields = CommaList("--personal", text);
    if (fields.empty() || static_cast<int>(fields.size()) > kMostPersonalNumbers) {
        throw UsageError("--personal: Please enter a Number between 1 and 28");
    }
    auto checked = CheckPersonalNumbers(game, fields);
    if (!checked) {
        throw Failure("--personal: " + checked.error().text);
    }
    return *std::move(checked);
}

// The program's message for a refused wheel, then the file and what exactly is wrong with it.
std::string RefusalText(const Refusal& refusal) {
    std::string text = refusal.title + ": " + refusal.text;
    if (!refusal.detail.empty() && refusal.detail != refusal.text) {
        text += "\n" + refusal.detail;
    }
    return text;
}

// A wheel file read and given every check of a wheel; refusals end the command.
OneBased<std::string> LoadWheel(const std::filesystem::path& path, Game game, int highest,
                                WheelSource source) {
    WheelRead read = ReadCheckedWheel(path, game, highest, source);
    if (!read) {
        throw Failure(RefusalText(read.error()));
    }
    return *std::move(read);
}

GameStatistics LoadStatistics(const Context& context, Game game) {
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return ComputeStatistics(game, LoadDraws<Rec>(context));
    });
}

}  // namespace

void FinalOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    command
        .add_option("--algorithm", algorithm,
                    "the algorithm's list index (0-2) or its text; the first by default")
        ->type_name("A");
    AddJsonFlag(command, json);
}

int RunFinal(Context& context, const FinalOptions& options) {
    const Game game = options.game;
    const Algorithm algorithm = ParseAlgorithm(game, options.algorithm);
    const FinalSelection selection =
        ChooseFinalNumbers(game, static_cast<std::int16_t>(algorithm.index), LoadStatistics(context, game));
    if (options.json) {
        Json json = {{"game", GameName(game)},
                     {"algorithm", algorithm.text},
                     {"final_numbers", Numbers(selection.FinalNumbers)}};
        if (selection.SevenNumbers) {
            json["seven_numbers"] = Numbers(*selection.SevenNumbers);
        }
        WriteJson(context, json);
        return 0;
    }
    std::string line;
    for (auto number : selection.FinalNumbers) {
        line += (line.empty() ? "" : " ") + std::to_string(number);
    }
    context.out << line << "\n";
    return 0;
}

std::vector<CLI::Option*> AddLineSourceOptions(CLI::App& command, PickOptions& options) {
    auto* algorithm = command
                          .add_option("--algorithm", options.algorithm,
                                      "the algorithm's list index or its text; the first by default")
                          ->type_name("A");
    auto* wheelItem =
        command
            .add_option("--wheel", options.wheel,
                        "a wheel of the algorithm's list, by index or text; the first by default")
            ->type_name("ITEM");
    auto* wheelFile = command.add_option("--wheel-file", options.wheelFile, "a wheel file to import instead")
                          ->type_name("PATH")
                          ->excludes(wheelItem);
    auto* personal =
        command
            .add_option("--personal", options.personal,
                        "your own numbers, wheeled by the wheel file instead of an algorithm's final numbers")
            ->type_name("N1,N2,...");
    return {algorithm, wheelItem, wheelFile, personal};
}

void PickOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    AddLineSourceOptions(command, *this);
    command
        .add_option("--save", save,
                    "also save the lines as Save does: this text file and the binary lines file beside it")
        ->type_name("NAME.txt");
    AddJsonFlag(command, json);
}

GeneratorSetup SetUpGenerator(Context& context, const PickOptions& options) {
    const Game game = options.game;
    GeneratorSetup setup;
    GeneratorRequest& request = setup.request;
    request.game = game;
    request.today = TodaySerial();
    if (const auto& personal = options.personal) {
        if (!options.wheelFile) {
            throw UsageError("--personal needs a wheel to import: --wheel-file PATH");
        }
        if (options.algorithm) {
            throw UsageError("--personal replaces the algorithm: leave out --algorithm");
        }
        request.algorithm = kPersonalPicksItem;
        request.PersonalPicksActive = true;
        request.PersonalNumbers = ParsePersonalNumbers(game, *personal);
        const int highest = ImportHighestPointer(game, true, request.PersonalNumbers.Size());
        setup.wheelLines = LoadWheel(*options.wheelFile, game, highest, WheelSource::Import);
        setup.wheelName = CustomWheelItem(setup.wheelLines.Size());
        return setup;
    }
    const Algorithm algorithm = ParseAlgorithm(game, options.algorithm);
    request.algorithm = algorithm.text;
    request.GeneratorMode = static_cast<std::int16_t>(algorithm.index);
    if (const auto& file = options.wheelFile) {
        // Only the first algorithm of a game takes an imported wheel.
        if (Info(game).algorithms.size() > 1 && algorithm.index >= 1) {
            throw Failure(std::string(kImportNotAvailable));
        }
        setup.wheelLines = LoadWheel(*file, game, ImportHighestPointer(game, false, 0), WheelSource::Import);
        setup.wheelName = CustomWheelItem(setup.wheelLines.Size());
    } else {
        setup.wheelName = ParseWheelItem(game, algorithm, options.wheel);
        if (const auto fileName = WheelFileName(game, setup.wheelName)) {
            setup.wheelLines = LoadWheel(FindProgramFile(context.appDir, context.shareDir, *fileName), game,
                                         Info(game).numbersChosen, WheelSource::BuiltIn);
        }
    }
    return setup;
}

PickedLinesRun PickLines(Context& context, const PickOptions& options) {
    GeneratorSetup setup = SetUpGenerator(context, options);
    const GeneratorRequest& request = setup.request;
    GameStatistics statistics;
    if (!request.PersonalPicksActive) {
        statistics = LoadStatistics(context, options.game);
    }
    OneBased<LottoDrawRec> lottoDraws;
    if (!request.PersonalPicksActive && request.algorithm == kFortyNineAlgorithm) {
        lottoDraws = LoadDraws<LottoDrawRec>(context);
    }
    PickedLinesRun run{request, setup.wheelName, {}};
    try {
        run.result = GenerateNumbers(request, statistics, setup.wheelLines, lottoDraws);
    } catch (const GenerateError& error) {
        throw Failure(std::string("Error: Please ensure you choose a selection from List (") + error.what() +
                      ")");
    }
    return run;
}

int RunPick(Context& context, const PickOptions& options) {
    const Game game = options.game;
    const PickedLinesRun run = PickLines(context, options);
    const GeneratorRequest& request = run.request;
    const GeneratorResult& result = run.result;
    if (const auto& name = options.save) {
        const SavedLines saved{game, result.PickedLines, result.DailyPlayPickedLines};
        const Expected<FileWritten> written = SaveLines(*name, saved, result.LinesGeneratedDate);
        if (!written) {
            throw Failure(written.error().text);
        }
        if (!written->warning.empty()) {
            context.err << "warning: " << written->warning << "\n";
        }
    }
    if (options.json) {
        Json lines = Json::array();
        if (Info(game).sevenBallLines) {
            for (const auto& line : result.DailyPlayPickedLines) {
                lines.push_back(Numbers(line.Balls));
            }
        } else {
            for (const auto& line : result.PickedLines) {
                lines.push_back(Numbers(line.Balls));
            }
        }
        WriteJson(context, {{"game", GameName(game)},
                            {"algorithm", request.algorithm},
                            {"wheel", run.wheelName},
                            {"final_numbers", Numbers(result.FinalNumbers)},
                            {"lines", std::move(lines)}});
        return 0;
    }
    // The listing is the print box's text, whose CR LF line ends no other command writes.
    context.out << WithLf(
        PickedLinesListing(game, result.PickedLines, result.DailyPlayPickedLines, result.LinesGeneratedDate));
    return 0;
}

void WheelCheckOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    command.add_option("FILE", file, "the wheel file")->required();
    AddJsonFlag(command, json);
}

int RunWheelCheck(Context& context, const WheelCheckOptions& options) {
    const Game game = options.game;
    const std::filesystem::path& path = options.file;
    const auto wheelLines = LoadWheel(path, game, Info(game).numbersChosen, WheelSource::Import);

    const WheelProof proof = ProveWheel(wheelLines);
    const WheelCoverage& coverage = proof.coverage;

    if (options.json) {
        Json rows = Json::array();
        Json guarantees = Json::array();
        for (const auto& row : coverage.rows) {
            rows.push_back({{"drawn", row.drawn},
                            {"sets", static_cast<long long>(row.subsets)},
                            {"guaranteed", row.guaranteed},
                            {"sets_by_best_match", Numbers(row.countByMatch)}});
            guarantees.push_back(GuaranteeSentence(row, coverage.numbers));
        }
        WriteJson(context, {{"game", GameName(game)},
                            {"file", path.string()},
                            {"lines", proof.lines},
                            {"numbers", coverage.numbers},
                            {"per_line", coverage.perLine},
                            {"coverage", std::move(rows)},
                            {"guarantees", std::move(guarantees)}});
        return 0;
    }
    context.out << path.string() << "\n"
                << proof.lines << " lines of " << coverage.perLine << " over " << coverage.numbers
                << " numbers\n\n"
                << "drawn        sets  guaranteed  sets by best match\n";
    for (const auto& row : coverage.rows) {
        char lead[64];
        std::snprintf(lead, sizeof lead, "%5d  %10llu  %10d ", row.drawn,
                      static_cast<unsigned long long>(row.subsets), row.guaranteed);
        std::string shares;
        for (std::size_t match = 0; match < row.countByMatch.size(); ++match) {
            if (row.countByMatch[match] == 0) {
                continue;
            }
            char share[48];
            std::snprintf(
                share, sizeof share, " %zu: %.2f%%", match,
                100.0 * static_cast<double>(row.countByMatch[match]) / static_cast<double>(row.subsets));
            shares += share;
        }
        context.out << lead << shares << "\n";
    }
    return 0;
}

}  // namespace quintara::cli
