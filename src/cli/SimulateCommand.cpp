
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/GeneratorSetup.h"
#include "cli/PickLines.h"
#include "core/Dates.h"
#include "core/Draws.h"
#include "generate/Catalogue.h"
#include "simulate/ChanceComparison.h"
#include "simulate/Simulation.h"

namespace quintara::cli {

namespace {

// The JSON keys of the strike categories, in report order.
constexpr std::array<std::string_view, kStrikeCategories> kCategoryKeys{"1", "2",       "3", "4",
                                                                        "5", "5+bonus", "6", "7"};

// The categories a report of this command lists: one for the Thunderball ball, all eight otherwise.
std::size_t ListedCategories(SimulationCommand command) {
    return command == SimulationCommand::ThunderballBall ? 1 : kStrikeCategories;
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
                      {"iso_date", FormatIsoDate(step.drawDate)},
                      {"strikes", step.strikes},
                      {"pointers", step.pointers}};
        if (step.bonusNumber > 0) {
            entry["bonus_number"] = step.bonusNumber;
        }
        steps.push_back(std::move(entry));
    }
    const ChanceComparison comparison = CompareWithChance(run);
    Json test = {{"verdict", comparison.sentence},
                 {"classes", comparison.classes},
                 {"chi_square", comparison.chiSquare},
                 {"degrees_of_freedom", comparison.degreesOfFreedom},
                 {"p_value", comparison.pValue}};
    if (comparison.degreesOfFreedom == 0) {
        test["chi_square"] = nullptr;
        test["p_value"] = nullptr;
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
            {"chance_test", std::move(test)},
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

    const GameDraws draws =
        WithDrawRecord(game, [&]<class Rec>(RecordTag<Rec>) -> GameDraws { return LoadDraws<Rec>(context); });
    const auto drawCount =
        std::visit([](const auto& held) { return static_cast<std::int32_t>(held.Size()); }, draws);
    // The wheel-less generator of a game other than Lotto starts from the Lotto history.
    const auto* lotto = std::get_if<OneBased<LottoDrawRec>>(&draws);
    OneBased<LottoDrawRec> lottoDraws;
    if (MakesFortyNineLines(setup.request) && lotto == nullptr) {
        lottoDraws = LoadDraws<LottoDrawRec>(context);
    }
    if (const Checked enough = EnoughDrawsToSimulate(game, drawCount); !enough) {
        throw Failure(WithLf(enough.error().text));
    }
    const Expected<std::int16_t> check = CheckNumberOfDraws(options.draws, drawCount);
    if (!check) {
        throw UsageError("--draws: " + check.error().text);
    }

    const DrawsView viewed = std::visit([](const auto& held) -> DrawsView { return std::cref(held); }, draws);
    const SimulationResult result =
        RunSimulation(viewed, setup.request, setup.wheelLines, *check, command, lotto ? *lotto : lottoDraws);
    if (!result) {
        throw Failure(result.error().text);
    }
    const SimulationRun& run = *result;
    if (options.json) {
        WriteJson(context, SimulationJson(game, setup, run, command));
        return 0;
    }
    context.out << WithLf(run.ReportText) << "\n\n" << ChanceReportText(run, command, "\n");
    return 0;
}

}  // namespace quintara::cli
