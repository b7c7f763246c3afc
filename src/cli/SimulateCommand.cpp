#include <cstdio>
#include <variant>

#include "check/Simulation.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/GeneratorSetup.h"
#include "cli/PickLines.h"
#include "core/Dates.h"
#include "core/Draws.h"
#include "generate/Catalogue.h"

namespace quintara::cli {

namespace {

constexpr std::array<std::string_view, kStrikeCategories> kCategoryLabels{
    "  x 1 Number",  "  x 2 Numbers", "  x 3 Numbers",
    "  x 4 Numbers", "  x 5 Numbers", "  x 5 Numbers and Bonus Ball",
    "  x 6 Numbers", "  x 7 Numbers"};
// The JSON keys of the strike categories, in report order.
constexpr std::array<std::string_view, kStrikeCategories> kCategoryKeys{"1", "2",       "3", "4",
                                                                        "5", "5+bonus", "6", "7"};

std::string TwoDecimals(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2Lf", value);
    return buffer;
}

// The categories a report of this command lists: one for the Thunderball ball, all eight otherwise.
std::size_t ListedCategories(SimulationCommand command) {
    return command == SimulationCommand::ThunderballBall ? 1 : kStrikeCategories;
}

// The chance baseline after the report: per category, the draws luck alone would have put there.
std::string BaselineText(const SimulationRun& run, SimulationCommand command) {
    const ChanceBaseline& baseline = run.baseline;
    std::string text = "Expected by chance from " + std::to_string(run.draws) + " Draws, had " +
                       std::to_string(baseline.numbersChosen) + " of the Numbers 1 to " +
                       std::to_string(baseline.range) + " been chosen at random:\n\n";
    for (std::size_t c = 0; c < ListedCategories(command); ++c) {
        text += TwoDecimals(baseline.expected[c].Value()) + std::string(kCategoryLabels[c]) + "\n";
    }
    return text;
}

Json SimulationJson(Game game, const GeneratorSetup& setup, const SimulationRun& run,
                    SimulationCommand command) {
    Json totals = Json::object();
    Json expected = Json::object();
    for (std::size_t c = 0; c < ListedCategories(command); ++c) {
        const std::string key(kCategoryKeys[c]);
        totals[key] = run.totals[c];
        expected[key] = static_cast<double>(run.baseline.expected[c].Value());
    }
    Json steps = Json::array();
    for (const SimulatedDraw& step : run.steps) {
        Json entry = {{"draw_number", step.drawNumber},
                      {"date", FormatDate(step.drawDate)},
                      {"strikes", step.strikes},
                      {"pointers", step.pointers}};
        if (step.bonusNumber > 0) {
            entry["bonus_number"] = step.bonusNumber;
        }
        steps.push_back(std::move(entry));
    }
    Json finalNumbers = Json::array();
    for (auto number : run.FinalNumbers) {
        finalNumbers.push_back(number);
    }
    return {{"game", GameName(game)},
            {"command", command == SimulationCommand::ThunderballBall ? "thunderball" : "numbers"},
            {"algorithm", setup.request.algorithm},
            {"wheel", setup.wheelName},
            {"draws", run.draws},
            {"numbers_used", run.numbersUsed},
            {"totals", std::move(totals)},
            {"steps", std::move(steps)},
            {"chance_baseline",
             {{"numbers_chosen", run.baseline.numbersChosen},
              {"range", run.baseline.range},
              {"expected_draws", std::move(expected)}}},
            {"last_final_numbers", std::move(finalNumbers)}};
}

}  // namespace

void SimulateOptions::Define(CLI::App& command) {
    AddGameOption(command, pick.game);
    command.add_option("--draws", draws, "how many of the newest draws to simulate, 1 to the draws less 100")
        ->type_name("N")
        ->required();
    command.add_flag("--thunderball", thunderball,
                     "simulate the Thunderball ball's numbers instead of the main balls' (Thunderball only)");
    AddLineSourceOptions(command, pick);
    AddJsonFlag(command, json);
}

int RunSimulate(Context& context, const SimulateOptions& options) {
    const Game game = options.pick.game;
    if (options.thunderball && !Info(game).extraStatistics) {
        throw UsageError("--thunderball: only the Thunderball game has a Thunderball ball");
    }
    const SimulationCommand command =
        options.thunderball ? SimulationCommand::ThunderballBall : SimulationCommand::MainBalls;
    const GeneratorSetup setup = SetUpGenerator(context, options.pick);

    AppState state;
    state.CurrentGame = game;
    state.WheelLines = setup.wheelLines;
    const auto drawCount = WithDrawRecord(game, [&]<class Rec>(RecordTag<Rec>) {
        state.Draws<Rec>() = LoadDraws<Rec>(context);
        return static_cast<std::int32_t>(state.Draws<Rec>().Size());
    });
    // The wheel-less generator of a game other than Lotto starts from the Lotto history.
    if (MakesFortyNineLines(setup.request) && state.LottoDraws.Empty()) {
        state.LottoDraws = LoadDraws<LottoDrawRec>(context);
    }
    const DrawsCheck check = CheckNumberOfDraws(options.draws, drawCount);
    if (const auto* refusal = std::get_if<DrawsRefusal>(&check)) {
        throw UsageError("--draws: " + refusal->text);
    }

    SimulationResult result = RunSimulation(state, setup.request, std::get<std::int16_t>(check), command);
    if (const auto* error = std::get_if<SimulationError>(&result)) {
        std::string text = "Unable to simulate";
        if (error->drawNumber > 0) {
            text += " draw number " + std::to_string(error->drawNumber);
        }
        throw Failure(text + ": " + error->message);
    }
    const SimulationRun& run = std::get<SimulationRun>(result);
    if (options.json) {
        WriteJson(context, SimulationJson(game, setup, run, command));
        return 0;
    }
    context.out << WithLf(run.ReportText) << "\n\n" << BaselineText(run, command);
    return 0;
}

}  // namespace quintara::cli
