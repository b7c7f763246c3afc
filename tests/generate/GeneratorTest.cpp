#include <gtest/gtest.h>

#include "StatisticsFixtures.h"
#include "generate/Catalogue.h"
#include "generate/FortyNineGenerator.h"
#include "generate/GenerateError.h"
#include "generate/Generator.h"
#include "generate/SectionSelection.h"
#include "generate/WheelFile.h"
#include "generate/WheelLines.h"

namespace quintara {
namespace {

using Lines = std::vector<std::vector<int>>;

using Numbers = OneBased<std::int16_t>;

OneBased<std::string> Wheel(Game game, const char* text) {
    return NormaliseWheelText(text, game).value();
}

template <class Rec>
Lines BallsOf(const OneBased<Rec>& lines) {
    Lines balls;
    for (const auto& line : lines) {
        balls.emplace_back(line.Balls.begin(), line.Balls.end());
    }
    return balls;
}

TEST(WheelLines, ReplacePointersByFinalNumbersAscendingInWheelOrder) {
    const auto final = Numbers{40, 30, 20, 10, 5, 1, 49, 48, 47};
    const auto lotto =
        MakeWheelLines(final, Wheel(Game::Lotto, "3 1 2 4 5 6\n1 2 3 4 5 6\n7 8 9 1 1 2\n"), Game::Lotto);
    EXPECT_TRUE(lotto.DailyPlayPickedLines.Empty());
    // The order of the pointers does not matter; a repeated pointer repeats its number.
    EXPECT_EQ(BallsOf(lotto.PickedLines),
              (Lines{{1, 5, 10, 20, 30, 40}, {1, 5, 10, 20, 30, 40}, {30, 40, 40, 47, 48, 49}}));

    // Thunderball: five numbers in Ball1..Ball5 and 0 in the Thunderball field; the Thunderball numbers
    // at positions 21-28 are never reached by a 20-pointer wheel.
    const auto thunderball = Numbers{34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21,
                                     20, 19, 18, 17, 16, 15, 1,  2,  3,  4,  5,  6,  7,  8};
    EXPECT_EQ(BallsOf(MakeWheelLines(thunderball, Wheel(Game::Thunderball, "20 1 5 3 2\n"), Game::Thunderball)
                          .PickedLines),
              (Lines{{15, 30, 32, 33, 34, 0}}));

    // Daily Play fills its own lines, one per wheel line in file order.
    const auto daily =
        MakeWheelLines(Numbers{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
                       Wheel(Game::DailyPlay, "16 15 14 13 12 11 10\n7 6 5 4 3 2 1\n"), Game::DailyPlay);
    EXPECT_TRUE(daily.PickedLines.Empty());
    EXPECT_EQ(BallsOf(daily.DailyPlayPickedLines),
              (Lines{{20, 21, 22, 23, 24, 25, 26}, {11, 12, 13, 14, 15, 16, 17}}));
}

TEST(WheelLines, APointerNamingNoFinalNumberIsAnError) {
    const auto seven = Numbers{1, 2, 3, 4, 5, 6, 7};
    EXPECT_THROW(MakeWheelLines(seven, Wheel(Game::Lotto, "1 2 3 4 5 8\n"), Game::Lotto), GenerateError);
    EXPECT_THROW(MakeWheelLines(seven, OneBased<std::string>{"0,1,2,3,4,5,"}, Game::Lotto), GenerateError);
    EXPECT_THROW(MakeWheelLines(seven, OneBased<std::string>{"1,2,3,"}, Game::Lotto), GenerateError);
    EXPECT_THROW(MakeWheelLines(seven, OneBased<std::string>{"1,2,a,4,5,6,"}, Game::Lotto), GenerateError);
    EXPECT_NO_THROW(MakeWheelLines(seven, Wheel(Game::Lotto, "1 2 3 4 5 7\n"), Game::Lotto));
}

TEST(GenerateNumbers, DispatchesByGameAlgorithmAndPersonalPicks) {
    const GameStatistics stats = test::PlainStatistics(49, [](int b) { return 40000.0 + b; });
    const auto wheel = Wheel(Game::Lotto, "1 2 3 4 5 6\n23 24 25 26 27 28\n");
    const OneBased<LottoDrawRec> noDraws;

    GeneratorRequest request;
    request.game = Game::Lotto;
    request.algorithm = std::string(kTwentyEightAlgorithm);
    request.today = 42000;
    const GeneratorResult twentyEight = GenerateNumbers(request, stats, wheel, noDraws);
    EXPECT_EQ(twentyEight.FinalNumbers, SelectFinalNumbers(stats, Game::Lotto));
    EXPECT_EQ(BallsOf(twentyEight.PickedLines), (Lines{{7, 14, 21, 28, 35, 42}, {9, 16, 23, 30, 37, 44}}));
    EXPECT_EQ(twentyEight.LinesGeneratedDate, 42000);
    EXPECT_EQ(GenerateNumbers(request, stats, wheel, noDraws).PickedLines, twentyEight.PickedLines)
        << "the same inputs, other lines";

    // The seven-number run reduces first, so the same 28-pointer wheel names numbers that are gone.
    request.algorithm = std::string(kSevenNumbersAlgorithm);
    request.GeneratorMode = 2;
    EXPECT_THROW(GenerateNumbers(request, stats, wheel, noDraws), GenerateError);
    // Statistics of another game do not cover Lotto's 49 balls.
    EXPECT_THROW(
        GenerateNumbers(request, test::PlainStatistics(27, [](int b) { return 1.0 * b; }), wheel, noDraws),
        GenerateError);
    const GeneratorResult seven =
        GenerateNumbers(request, stats, Wheel(Game::Lotto, "1 2 3 4 5 6\n"), noDraws);
    EXPECT_EQ(seven.SevenNumbers, std::optional(ChooseFinalNumbers(Game::Lotto, 2, stats).FinalNumbers));
    EXPECT_EQ(BallsOf(seven.PickedLines), (Lines{{7, 8, 20, 35, 36, 48}}));

    // Lotto Extra's forty-nine number run starts from the Lotto history, ranked by Lotto Extra's statistics.
    OneBased<LottoDrawRec> lottoDraws(1);
    lottoDraws[1].Balls = {5, 6, 7, 8, 9, 11};
    lottoDraws[1].BonusBall = 12;
    request.game = Game::LottoExtra;
    request.algorithm = std::string(kFortyNineAlgorithm);
    request.GeneratorMode = 1;
    const GeneratorResult fortyNine = GenerateNumbers(request, stats, wheel, lottoDraws);
    EXPECT_EQ(fortyNine.FinalNumbers.Size(), 28u);
    EXPECT_EQ(fortyNine.PickedLines,
              GenerateFortyNineLines(lottoDraws, stats.BallFrequency, stats.BallLastDrawn));

    // Personal picks replace the algorithm whatever it says; no statistics are read.
    request.game = Game::Thunderball;
    request.PersonalPicksActive = true;
    request.PersonalNumbers = Numbers{30, 4, 17, 9, 22, 1};
    const GeneratorResult personal = GenerateNumbers(
        request, GameStatistics{}, Wheel(Game::Thunderball, "1 2 3 4 5\n6 5 4 3 2\n"), noDraws);
    EXPECT_EQ(personal.FinalNumbers, request.PersonalNumbers);
    EXPECT_FALSE(personal.SevenNumbers.has_value());
    EXPECT_EQ(BallsOf(personal.PickedLines), (Lines{{4, 9, 17, 22, 30, 0}, {1, 4, 9, 17, 22, 0}}));
}

// Today's Thunderball lines are checked with their Thunderball: line after line takes the algorithm's eight
// Thunderball numbers (the final numbers after the twenty) in turn, the ninth line the first again.
TEST(GenerateNumbers, TodaysThunderballLinesTakeTheThunderballNumbersInTurn) {
    const auto date = [](int b) { return 40000.0 + b; };
    const GameStatistics stats{test::FrequencyInOrder(test::BallsUpTo(39)), test::LastDrawnBy(39, date),
                               test::FrequencyInOrder(test::BallsUpTo(14)), test::LastDrawnBy(14, date)};
    GeneratorRequest request;
    request.game = Game::Thunderball39;
    request.algorithm = std::string(Info(Game::Thunderball39).algorithms[0]);
    std::string nine;
    for (int line = 0; line < 9; ++line) {
        nine += "1 2 3 4 20\n";
    }
    const GeneratorResult result =
        GenerateNumbers(request, stats, Wheel(Game::Thunderball39, nine.c_str()), OneBased<LottoDrawRec>{});
    ASSERT_EQ(result.FinalNumbers.Size(), 28u);
    std::vector<int> thunderballs;
    for (const auto& line : result.PickedLines) {
        thunderballs.push_back(line.Balls[5]);
    }
    std::vector<int> expected(result.FinalNumbers.begin() + 20, result.FinalNumbers.end());
    expected.push_back(result.FinalNumbers[21]);
    EXPECT_EQ(thunderballs, expected);
}

}  // namespace
}  // namespace quintara
