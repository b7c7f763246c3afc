#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "generate/Catalogue.h"
#include "generate/Generator.h"
#include "simulate/Simulation.h"
#include "support/HistoryBuilder.h"

namespace quintara {
namespace {

const std::string kTotalsStars(36, '*');
const std::string kBlockStars(31, '*');

using Numbers = OneBased<std::int16_t>;

GeneratorRequest Personal(Game game, OneBased<std::int16_t> numbers) {
    GeneratorRequest request;
    request.game = game;
    request.algorithm = std::string(kPersonalPicksItem);
    request.PersonalPicksActive = true;
    request.PersonalNumbers = std::move(numbers);
    return request;
}

// A Lotto history of `size` draws whose draws after the first `crafted` ones hold only balls 30-49.
test::HistoryBuilder<LottoDrawRec> LottoHistory(
    std::initializer_list<std::pair<std::vector<int>, int>> newest, int size) {
    test::HistoryBuilder<LottoDrawRec> builder;
    for (const auto& [balls, bonus] : newest) {
        builder.Draw({balls[0], balls[1], balls[2], balls[3], balls[4], balls[5]}, bonus);
    }
    for (int d = static_cast<int>(newest.size()); d < size; ++d) {
        const int base = 30 + d % 13;
        builder.Draw({base, base + 1, base + 2, base + 3, base + 4, base + 5}, 49 - d % 5);
    }
    return builder;
}

const OneBased<std::string> kSixPointers{"1,2,3,4,5,6,"};

TEST(NumberOfDraws, AcceptsOneToHundredFewerThanTheDrawsAndRefusesTheRestWithItsTexts) {
    struct Case {
        const char* text;
        std::variant<int, std::string> expected;  // N, or the refusal text
        bool focus;
    };
    const std::string tooHigh =
        "Sorry, the Value you entered is too high. Please select a Value between 1 and 50";
    const std::string below = "Please enter a Value between 1 and 50";
    const std::string notNumeric = "Please enter a Numeric Value between 1 and 50";
    // What is a number and how it rounds is TextRulesTest's; here, the range is checked before rounding.
    const std::vector<Case> cases{
        {"1", 1, false},       {"50", 50, false},       {"1.4", 1, false},          {"49.5", 50, false},
        {"51", tooHigh, true}, {"50.4", tooHigh, true}, {"0", below, true},         {"-3", below, true},
        {"0.4", below, true},  {"0.6", below, true},    {"abc", notNumeric, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Expected<std::int16_t> check = CheckNumberOfDraws(c.text, 150);
        if (const auto* n = std::get_if<int>(&c.expected)) {
            ASSERT_TRUE(check.has_value());
            EXPECT_EQ(*check, *n);
        } else {
            ASSERT_FALSE(check.has_value());
            EXPECT_EQ(check.error().title, "Incorrect Value");
            EXPECT_EQ(check.error().text, std::get<std::string>(c.expected));
            EXPECT_EQ(check.error().box, c.focus ? 1 : 0);
            EXPECT_TRUE(check.error().emptyBox);
        }
    }
    EXPECT_EQ(MaxSimulationDraws(150), 50);
    EXPECT_EQ(MaxSimulationDraws(100), 0);
}

TEST(Simulation, OneDrawReportsTheNewestDrawAsNumberUWithTotalsFirst) {
    const auto history = LottoHistory({{{1, 2, 3, 4, 5, 40}, 6}}, 101);
    const SimulationRun run =
        RunSimulation(history.Draws(), Personal(Game::Lotto, Numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                      kSixPointers, 1, SimulationCommand::MainBalls)
            .value();
    EXPECT_EQ(run.ReportText,
              "Total Strikes from 1 Draws using all 10 Numbers:\r\n\r\n"
              "0  x 1 Number\r\n0  x 2 Numbers\r\n0  x 3 Numbers\r\n0  x 4 Numbers\r\n0  x 5 Numbers\r\n"
              "1  x 5 Numbers and Bonus Ball\r\n0  x 6 Numbers\r\n0  x 7 Numbers\r\n\r\n" +
                  kTotalsStars + "\r\n" +
                  "\r\n\r\nDraw Number: 101\r\n\r\n5 Numbers and Bonus Ball Drawn:\r\n\r\nWheel Pointers:\r\n"
                  "\r\n1 = 1\r\n2 = 1\r\n3 = 1\r\n4 = 1\r\n5 = 1\r\n6 = \r\n7 = \r\n8 = \r\n9 = \r\n10 = "
                  "\r\n\r\n" +
                  kBlockStars);
    // The winning entry the last step leaves (its numbers and lines are the generator's).
    EXPECT_EQ(run.WinningLines, OneBased<WinningLineRec>{(WinningLineRec{5, 1, 6})});
    ASSERT_EQ(run.steps.size(), 1u);
    EXPECT_EQ(
        run.steps[0],
        (SimulatedDraw{101, history.Draws()[1].DrawDate, 5, 6, {1, 2, 3, 4, 5}, kFiveAndBonusCategory}));
}

TEST(Simulation, CountsTheBonusBallOnlyAfterFiveOrSixMainBalls) {
    struct Case {
        std::vector<int> balls;
        int bonus;
        std::string heading;
        std::vector<int> marked;
        int category;
    };
    // Five and the bonus ball is the test above.
    const std::vector<Case> cases{
        {{6, 5, 4, 3, 2, 1}, 7, "7 Numbers Drawn:", {1, 2, 3, 4, 5, 6, 7}, 7},
        {{1, 2, 3, 4, 40, 41}, 5, "4 Numbers Drawn:", {1, 2, 3, 4}, 3},
        {{1, 2, 3, 4, 5, 6}, 44, "6 Numbers Drawn:", {1, 2, 3, 4, 5, 6}, 6},
        {{9, 40, 41, 42, 43, 44}, 45, "1 Number Drawn:", {9}, 0},
        {{1, 2, 3, 4, 5, 40}, 41, "5 Numbers Drawn:", {1, 2, 3, 4, 5}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        const auto history = LottoHistory({{c.balls, c.bonus}}, 110);
        const auto result =
            RunSimulation(history.Draws(), Personal(Game::Lotto, Numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                          kSixPointers, 1, SimulationCommand::MainBalls);
        const auto& run = result.value();
        // The block's pointer list is the literal simulation's to check, on every kind of draw.
        EXPECT_NE(run.ReportText.find("Draw Number: 110\r\n\r\n" + c.heading + "\r\n"), std::string::npos)
            << run.ReportText;
        std::array<std::int32_t, kStrikeCategories> totals{};
        totals[static_cast<std::size_t>(c.category)] = 1;
        EXPECT_EQ(run.totals, totals);
        EXPECT_EQ(run.steps[0].pointers, c.marked);
    }
}

TEST(Simulation, ARunWithoutAnyStrikeSaysSoInTheTotalsAndEveryBlock) {
    const auto history = LottoHistory({}, 103);
    const auto run = RunSimulation(history.Draws(), Personal(Game::Lotto, Numbers{1, 2, 3, 4, 5, 6, 7}),
                                   kSixPointers, 3, SimulationCommand::MainBalls)
                         .value();
    EXPECT_TRUE(
        run.ReportText.starts_with("Total Strikes from 3 Draws using all 7 Numbers:\r\n\r\n"
                                   "Sorry, there were no wins at all!\r\n\r\n" +
                                   kTotalsStars + "\r\n" +
                                   "\r\nDraw Number: 103  - Sorry, none of "
                                   "the Selected Numbers were Drawn this time!\r\n"));
    EXPECT_EQ(run.WinningLines, OneBased<WinningLineRec>(1));
}

TEST(Simulation, RefusesWhatItCannotRunAndReportsTheFailingStep) {
    const auto history = LottoHistory({}, 120);
    const auto request = Personal(Game::Lotto, Numbers{1, 2, 3, 4, 5, 6});
    for (int n : {0, -1, 21}) {
        const auto result =
            RunSimulation(history.Draws(), request, kSixPointers, n, SimulationCommand::MainBalls);
        ASSERT_FALSE(result.has_value());
        EXPECT_EQ(result.error().cause, RefusalCause::OutOfRange);
    }
    const auto thunderballBall =
        RunSimulation(history.Draws(), request, kSixPointers, 5, SimulationCommand::ThunderballBall);
    EXPECT_EQ(thunderballBall.error().cause, RefusalCause::WrongGame);

    // A failing step gives the generator's reason (its cause and text are the equivalence tests').
    const auto failed =
        RunSimulation(history.Draws(), request, {"1,2,3,4,5,7,"}, 5, SimulationCommand::MainBalls);
    ASSERT_FALSE(failed.has_value());
    EXPECT_NE(failed.error().detail.find("wheel pointer 7"), std::string::npos) << failed.error().detail;

    // Lotto Extra's forty-nine number run cannot start without the Lotto draws of its step.
    test::HistoryBuilder<LottoExtraDrawRec> extra;
    for (int d = 0; d < 110; ++d) {
        const int base = 1 + (d * 5) % 43;
        extra.Draw({base, base + 1, base + 2, base + 3, base + 4, base + 5});
    }
    GeneratorRequest fortyNine;
    fortyNine.game = Game::LottoExtra;
    fortyNine.algorithm = std::string(kFortyNineAlgorithm);
    fortyNine.GeneratorMode = 1;
    const auto withoutLotto =
        RunSimulation(extra.Draws(), fortyNine, {}, 3, SimulationCommand::MainBalls, {});
    ASSERT_FALSE(withoutLotto.has_value());
    EXPECT_TRUE(withoutLotto.error().text.starts_with("Unable to simulate draw number 110: "));
}

}  // namespace
}  // namespace quintara
