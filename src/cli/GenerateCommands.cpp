#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <span>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/GeneratorSetup.h"
#include "core/Dates.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/TextRules.h"
#include "generate/Catalogue.h"
#include "generate/GenerateError.h"
#include "generate/Generator.h"
#include "generate/Listing.h"
#include "generate/WheelCoverage.h"
#include "generate/WheelFile.h"

namespace quintara::cli {

namespace {

constexpr int kMostPersonalNumbers = 28;

}  // namespace

double Today() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return SerialFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

namespace {

// A list item given by its text or by its position, counted from 0.
std::optional<int> ItemOrPosition(std::span<const std::string_view> items, const std::string& value) {
    if (const auto index = ItemIndex(items, value)) {
        return index;
    }
    if (value.empty() || value.size() > 3 ||
        !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
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
    std::vector<std::string> fields;
    std::stringstream stream(text);
    for (std::string field; std::getline(stream, field, ',');) {
        fields.push_back(Trim(field));
    }
    if (fields.empty() || static_cast<int>(fields.size()) > kMostPersonalNumbers) {
        throw UsageError("--personal: Please enter a Number between 1 and 28");
    }
    const int maxBall = Info(game).maxBall;
    OneBased<std::int16_t> numbers;
    for (const auto& field : fields) {
        if (field.empty()) {
            throw UsageError("--personal: Please enter Numbers in all boxes");
        }
        const auto number = IsNumeric(field) ? ToInteger(field) : std::nullopt;
        if (!number || *number < 1 || *number > maxBall) {
            throw UsageError("--personal: Please enter a Number between 1 and " + std::to_string(maxBall) +
                             " in each box");
        }
        for (auto earlier : numbers) {
            if (earlier == *number) {
                throw UsageError("--personal: Please enter a different Number in each box");
            }
        }
        numbers.PushBack(*number);
    }
    return numbers;
}

std::string RefusalText(const WheelRefusal& refusal) {
    std::string text = refusal.title + ": " + refusal.text;
    if (refusal.line > 0 && refusal.problem != WheelProblem::NotANumber) {
        text += " (line " + std::to_string(refusal.line) + ")";
    }
    return text;
}

// A wheel file read and range-checked as the import does; refusals end the command.
OneBased<std::string> LoadWheel(const std::filesystem::path& path, Game game, int highest,
                                WheelSource source) {
    WheelRead read = ReadWheelFile(path, game, source);
    if (!read.Ok()) {
        throw Failure(path.string() + ": " + RefusalText(read.GetError()));
    }
    if (const auto refusal = CheckWheelPointers(read.Value(), game, highest, source)) {
        throw Failure(path.string() + ": " + RefusalText(*refusal));
    }
    return std::move(read).Value();
}

template <class Ints>
Json Numbers(const Ints& values) {
    Json list = Json::array();
    for (auto v : values) {
        list.push_back(static_cast<long long>(v));
    }
    return list;
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

void GeneratorChoice::DefineGeneratorOptions(CLI::App& command) {
    command
        .add_option("--algorithm", algorithm, "the algorithm's list index or its text; the first by default")
        ->type_name("A");
    auto* wheelItem =
        command
            .add_option("--wheel", wheel,
                        "a wheel of the algorithm's list, by index or text; the first by default")
            ->type_name("ITEM");
    command.add_option("--wheel-file", wheelFile, "a wheel file to import instead")
        ->type_name("PATH")
        ->excludes(wheelItem);
    command
        .add_option("--personal", personal,
                    "your own numbers, wheeled by the wheel file instead of an algorithm's final numbers")
        ->type_name("N1,N2,...");
}

GeneratorSetup SetUpGenerator(const Context& context, Game game, const GeneratorChoice& choice) {
    GeneratorSetup setup;
    GeneratorRequest& request = setup.request;
    request.game = game;
    request.today = Today();
    if (const auto& personal = choice.personal) {
        if (!choice.wheelFile) {
            throw UsageError("--personal needs a wheel to import: --wheel-file PATH");
        }
        if (choice.algorithm) {
            throw UsageError("--personal replaces the algorithm: leave out --algorithm");
        }
        request.algorithm = kPersonalPicksItem;
        request.PersonalPicksActive = true;
        request.PersonalNumbers = ParsePersonalNumbers(game, *personal);
        const int highest = ImportHighestPointer(game, true, request.PersonalNumbers.Size());
        setup.wheelLines = LoadWheel(*choice.wheelFile, game, highest, WheelSource::Import);
        setup.wheelName = CustomWheelItem(setup.wheelLines.Size());
        return setup;
    }
    const Algorithm algorithm = ParseAlgorithm(game, choice.algorithm);
    request.algorithm = algorithm.text;
    request.GeneratorMode = static_cast<std::int16_t>(algorithm.index);
    if (const auto& file = choice.wheelFile) {
        if ((game == Game::Lotto || game == Game::LottoExtra) && algorithm.index >= 1) {
            throw Failure(std::string(kImportNotAvailable));
        }
        setup.wheelLines = LoadWheel(*file, game, ImportHighestPointer(game, false, 0), WheelSource::Import);
        setup.wheelName = CustomWheelItem(setup.wheelLines.Size());
    } else {
        setup.wheelName = ParseWheelItem(game, algorithm, choice.wheel);
        if (const auto fileName = WheelFileName(game, setup.wheelName)) {
            setup.wheelLines = LoadWheel(InAppDir(context.appDir, *fileName), game, Info(game).numbersChosen,
                                         WheelSource::BuiltIn);
        }
    }
    return setup;
}

void PickOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    DefineGeneratorOptions(command);
    AddJsonFlag(command, json);
}

int RunPick(Context& context, const PickOptions& options) {
    const Game game = options.game;
    GeneratorSetup setup = SetUpGenerator(context, game, options);
    const GeneratorRequest& request = setup.request;
    const OneBased<std::string>& wheelLines = setup.wheelLines;
    const std::string& wheelName = setup.wheelName;
    GameStatistics statistics;
    if (!request.PersonalPicksActive) {
        statistics = LoadStatistics(context, game);
    }
    OneBased<LottoDrawRec> lottoDraws;
    if (!request.PersonalPicksActive && request.algorithm == kFortyNineAlgorithm) {
        lottoDraws = LoadDraws<LottoDrawRec>(context);
    }

    GeneratorResult result;
    try {
        result = GenerateNumbers(request, statistics, wheelLines, lottoDraws);
    } catch (const GenerateError& error) {
        throw Failure(std::string("Error: Please ensure you choose a selection from List (") + error.what() +
                      ")");
    }

    if (options.json) {
        Json lines = Json::array();
        if (game == Game::DailyPlay) {
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
                            {"wheel", wheelName},
                            {"final_numbers", Numbers(result.FinalNumbers)},
                            {"lines", std::move(lines)}});
        return 0;
    }
    context.out << PickedLinesListing(game, result.PickedLines, result.DailyPlayPickedLines,
                                      result.LinesGeneratedDate);
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

    std::vector<std::vector<int>> lines;
    int numbers = 0;
    for (const auto& wheelLine : wheelLines) {
        std::vector<int> line;
        for (auto pointer : WheelPointers(wheelLine)) {
            line.push_back(pointer);
            numbers = std::max(numbers, static_cast<int>(pointer));
        }
        lines.push_back(std::move(line));
    }
    const WheelCoverage coverage = ComputeCoverage(lines, numbers);

    if (options.json) {
        Json rows = Json::array();
        for (const auto& row : coverage.rows) {
            rows.push_back({{"drawn", row.drawn},
                            {"sets", static_cast<long long>(row.subsets)},
                            {"guaranteed", row.guaranteed},
                            {"sets_by_best_match", Numbers(row.countByMatch)}});
        }
        WriteJson(context, {{"game", GameName(game)},
                            {"file", path.string()},
                            {"lines", lines.size()},
                            {"numbers", coverage.numbers},
                            {"per_line", coverage.perLine},
                            {"coverage", std::move(rows)}});
        return 0;
    }
    context.out << path.string() << "\n"
                << lines.size() << " lines of " << coverage.perLine << " over " << coverage.numbers
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
