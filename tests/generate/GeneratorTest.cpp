#include <gtest/gtest.h>
#include <set>

#include "StatisticsFixtures.h"
#include "core/History.h"
#include "generate/Catalogue.h"
#include "generate/FortyNineGenerator.h"
#include "generate/GenerateError.h"
#include "generate/Generator.h"
#include "generate/SectionSelection.h"
#include "generate/WheelFile.h"
#include "generate/WheelLines.h"

namespace quintara {
namespace {

using test::Values;

OneBased<std::int16_t> Numbers(std::initializer_list<int> values) {
    OneBased<std::int16_t> numbers;
    for (int v : values) {
        numbers.PushBack(static_cast<std::int16_t>(v));
    }
    return numbers;
}

OneBased<std::string> Wheel(Game game, const char* text) {
    return NormaliseWheelText(text, game).lines;
}

template <class Rec>
std::vector<std::vector<int>> BallsOf(const OneBased<Rec>& lines) {
    std::vector<std::vector<int>> balls;
    for (const auto& line : lines) {
        balls.emplace_back(line.Balls.begin(), line.Balls.end());
    }
    return balls;
}

TEST(WheelLines, ReplacePointersByFinalNumbersAscendingInWheelOrder) {
    const auto final = Numbers({40, 30, 20, 10, 5, 1, 49, 48, 47});
    const auto lotto =
        MakeWheelLines(final, Wheel(Game::Lotto, "3 1 2 4 5 6\n1 2 3 4 5 6\n7 8 9 1 1 2\n"), Game::Lotto);
    EXPECT_TRUE(lotto.DailyPlayPickedLines.Empty());
    // The order of the pointers does not matter; a repeated pointer repeats its number.
    EXPECT_EQ(BallsOf(lotto.PickedLines),
              (std::vector<std::vector<int>>{
                  {1, 5, 10, 20, 30, 40}, {1, 5, 10, 20, 30, 40}, {30, 40, 40, 47, 48, 49}}));

    // Thunderball: five numbers in Ball1..Ball5 and 0 in the Thunderball field; the Thunderball numbers
    // at positions 21-28 are never reached by a 20-pointer wheel.
    OneBased<std::int16_t> thunderball;
    for (int i = 1; i <= 28; ++i) {
        thunderball.PushBack(static_cast<std::int16_t>(i <= 20 ? 35 - i : i - 20));
    }
    const auto tb = MakeWheelLines(thunderball, Wheel(Game::Thunderball, "20 1 5 3 2\n"), Game::Thunderball);
    EXPECT_EQ(BallsOf(tb.PickedLines), (std::vector<std::vector<int>>{{15, 30, 32, 33, 34, 0}}));

    // Daily Play fills its own lines, one per wheel line in file order.
    OneBased<std::int16_t> daily;
    for (int i = 1; i <= 16; ++i) {
        daily.PushBack(static_cast<std::int16_t>(i + 10));
    }
    std::string text;
    for (int line = 0; line < 10; ++line) {
        for (int k = 0; k < 7; ++k) {
            text += std::to_string(16 - (line + k) % 16) + (k < 6 ? " " : "\n");
        }
    }
    const auto dp = MakeWheelLines(daily, Wheel(Game::DailyPlay, text.c_str()), Game::DailyPlay);
    EXPECT_TRUE(dp.PickedLines.Empty());
    ASSERT_EQ(dp.DailyPlayPickedLines.Size(), 10u);
    EXPECT_EQ(BallsOf(dp.DailyPlayPickedLines)[0], (std::vector<int>{20, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(BallsOf(dp.DailyPlayPickedLines)[9], (std::vector<int>{11, 12, 13, 14, 15, 16, 17}));
}

TEST(WheelLines, APointerNamingNoFinalNumberIsAnError) {
    const auto seven = Numbers({1, 2, 3, 4, 5, 6, 7});
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
    EXPECT_FALSE(twentyEight.SevenNumbers.has_value());
    EXPECT_EQ(BallsOf(twentyEight.PickedLines),
              (std::vector<std::vector<int>>{{7, 14, 21, 28, 35, 42}, {9, 16, 23, 30, 37, 44}}));
    EXPECT_EQ(twentyEight.LinesGeneratedDate, 42000);

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
    EXPECT_EQ(Values(seven.FinalNumbers), (std::vector<int>{7, 35, 8, 36, 20, 48, 23}));
    EXPECT_EQ(seven.SevenNumbers, std::optional(seven.FinalNumbers));
    EXPECT_EQ(BallsOf(seven.PickedLines), (std::vector<std::vector<int>>{{7, 8, 20, 35, 36, 48}}));

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
    request.PersonalNumbers = Numbers({30, 4, 17, 9, 22, 1});
    const GeneratorResult personal = GenerateNumbers(
        request, GameStatistics{}, Wheel(Game::Thunderball, "1 2 3 4 5\n6 5 4 3 2\n"), noDraws);
    EXPECT_EQ(personal.FinalNumbers, request.PersonalNumbers);
    EXPECT_FALSE(personal.SevenNumbers.has_value());
    EXPECT_EQ(BallsOf(personal.PickedLines),
              (std::vector<std::vector<int>>{{4, 9, 17, 22, 30, 0}, {1, 4, 9, 17, 22, 0}}));
}

TEST(GenerateNumbers, GivesTheSameNumbersAndLinesForTheSameInputs) {
    auto draws = ReadHistory<LottoDrawRec>(QUINTARA_APP_DIR, false);
    ASSERT_TRUE(draws.Ok()) << draws.GetError().message;
    const GameStatistics stats = ComputeStatistics(Game::Lotto, *draws);
    std::string text;
    for (int line = 0; line < 40; ++line) {
        for (int k = 0; k < 6; ++k) {
            text += std::to_string(1 + (line * 5 + k * 3) % 28) + (k < 5 ? " " : "\n");
        }
    }
    const auto wheel = Wheel(Game::Lotto, text.c_str());
    const auto items = AlgorithmItems(Game::Lotto);
    for (std::size_t index = 0; index < items.size(); ++index) {
        GeneratorRequest request;
        request.algorithm = std::string(items[index]);
        request.GeneratorMode = static_cast<std::int16_t>(index);
        const auto& usedWheel = index == 2 ? Wheel(Game::Lotto, "1 2 3 4 5 6\n2 3 4 5 6 7\n") : wheel;
        const GeneratorResult first = GenerateNumbers(request, stats, usedWheel, *draws);
        const GeneratorResult second = GenerateNumbers(request, stats, usedWheel, *draws);
        EXPECT_EQ(first.FinalNumbers, second.FinalNumbers) << items[index];
        EXPECT_EQ(first.PickedLines, second.PickedLines) << items[index];
        EXPECT_FALSE(first.PickedLines.Empty());
    }
}

}  // namespace
}  // namespace quintara
