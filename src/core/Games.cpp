#include "core/Games.h"

#include <algorithm>
#include <cctype>

namespace quintara {

namespace {

// Sections of the frequency order, and of the Thunderball ball's.
constexpr std::array<BallSection, 7> kLottoSections{
    {{1, 7}, {8, 14}, {15, 21}, {22, 28}, {29, 35}, {36, 42}, {43, 49}}};
constexpr std::array<BallSection, 5> kThunderballSections{{{1, 6}, {7, 13}, {14, 20}, {21, 27}, {28, 34}}};
constexpr std::array<BallSection, 4> kDailyPlaySections{{{1, 6}, {7, 13}, {14, 20}, {21, 27}}};
constexpr std::array<BallSection, 7> kLotto59Sections{
    {{1, 8}, {9, 16}, {17, 24}, {25, 32}, {33, 41}, {42, 50}, {51, 59}}};
constexpr std::array<BallSection, 5> kThunderball39Sections{{{1, 7}, {8, 15}, {16, 23}, {24, 31}, {32, 39}}};
constexpr std::array<BallSection, 2> kThunderballBallSections{{{1, 7}, {8, 14}}};
constexpr SectionLayout kThunderballBall{14, kThunderballBallSections, 7};
constexpr SectionLayout kNoSections{0, {}, 0};

// Algorithm items, in list order, and the wheel items of each.
constexpr std::array<std::string_view, 3> kLottoAlgorithms{"28 Numbers from 49", "49 Numbers from 49",
                                                           "7 Numbers from 28 from 49"};
constexpr std::array<std::string_view, 1> kThunderballAlgorithms{"20 numbers from 34"};
constexpr std::array<std::string_view, 1> kDailyPlayAlgorithms{"16 Numbers from 27"};
constexpr std::array<std::string_view, 2> kLotto59Algorithms{"28 Numbers from 59",
                                                             "7 Numbers from 28 from 59"};
constexpr std::array<std::string_view, 1> kThunderball39Algorithms{"20 Numbers from 39"};

constexpr std::array<std::string_view, 10> kTwentyEightWheels{
    "5 Line Wheel - 1 Number",        "10 Line Wheel - 2 Numbers",
    "15 Line Wheel - 1 Pair",         "21 Line Wheel - Max 5 Same",
    "32 Line Wheel - 2 Pairs",        "75 Line Wheel - 5000 Skip",
    "13 Line Wheel - 1 Pair Reduced", "33 Line Wheel - 2 Pairs B",
    "20 Line Wheel - 4 Pairs (11)",   "904 Line Wheel"};
constexpr std::array<std::string_view, 1> kFortyNineWheels{"Approx 200 - 500 Line Wheel"};
constexpr std::array<std::string_view, 1> kSevenNumbersWheels{"7 Line Wheel. £40 if 3 Numbers"};
constexpr std::array<std::string_view, 2> kThunderballWheels{"12 Line Wheel - 1 Pair", "8 Line Wheel"};
constexpr std::array<std::string_view, 3> kDailyPlayWheels{"3 Line Wheel", "10 Line Wheel", "4 Line Wheel"};

constexpr std::array<std::span<const std::string_view>, 3> kLottoWheelLists{
    kTwentyEightWheels, kFortyNineWheels, kSevenNumbersWheels};
constexpr std::array<std::span<const std::string_view>, 1> kThunderballWheelLists{kThunderballWheels};
constexpr std::array<std::span<const std::string_view>, 1> kDailyPlayWheelLists{kDailyPlayWheels};
constexpr std::array<std::span<const std::string_view>, 2> kLotto59WheelLists{kTwentyEightWheels,
                                                                              kSevenNumbersWheels};

// Today's prizes.
constexpr std::array<PrizeTier, 6> kLotto59Tiers{{
    {2, false, "2 Numbers (Free Lucky Dip)", "2"},
    {3, false, "3 Numbers", "3"},
    {4, false, "4 Numbers", "4"},
    {5, false, "5 Numbers", "5"},
    {5, true, "5 Numbers and Bonus Ball", "5_and_bonus"},
    {6, false, "6 Numbers", "6"},
}};
constexpr std::array<PrizeTier, 9> kThunderball39Tiers{{
    {0, true, "0 Numbers and Thunderball", "0_and_thunderball"},
    {1, true, "1 Number and Thunderball", "1_and_thunderball"},
    {2, true, "2 Numbers and Thunderball", "2_and_thunderball"},
    {3, false, "3 Numbers", "3"},
    {3, true, "3 Numbers and Thunderball", "3_and_thunderball"},
    {4, false, "4 Numbers", "4"},
    {4, true, "4 Numbers and Thunderball", "4_and_thunderball"},
    {5, false, "5 Numbers", "5"},
    {5, true, "5 Numbers and Thunderball", "5_and_thunderball"},
}};

// 10/06/2026, Lotto's first draw of two rounds.
constexpr double kLottoTwoRoundsFrom = 46183;

constexpr std::string_view kRangeLead = "Please ensure Wheel Pointers are within range 1 - ";
constexpr std::string_view kThunderballRangeLead = "Please ensure Wheel Pointers are within the range 1 - ";
constexpr std::string_view kLottoPrompt = "Enter numbers to be checked below, including Bonus Ball!";
constexpr std::string_view kPlainPrompt = "Enter numbers to be checked below!";

constexpr GameLayout kLottoLayout{
    .extraHeadingLeft = 5480,
    .extraNumberLeft = 5740,
    .extraPictureLeft = 5520,
    .extraIsMainBall = false,
    .checkPrompt = kLottoPrompt,
    .customWheelPosition = 8,
    .customWheelListSize = 9,
    .totalCombinations = "Total Possible Combinations Using Criteria = 345,548",
    .maxFrequency = "Original Total Possible Combinations with 49 numbers = 13,983,816",
    .averageOccurance = "Approx Average Occurance of Straight 6 Numbers = 1 in 20 Draws",
};
constexpr GameLayout kLottoExtraLayout{
    .extraHeadingLeft = 5480,
    .extraNumberLeft = 5740,
    .extraPictureLeft = 5520,
    .extraIsMainBall = false,
    .checkPrompt = kPlainPrompt,
    .checkWidth = 5180,
    .customWheelPosition = 8,
    .customWheelListSize = 9,
    .totalCombinations = "Total Possible Combinations Using Criteria = 345,548",
    .maxFrequency = "Original Total Possible Combinations with 49 numbers = 13,983,816",
    .averageOccurance = "Approx Average Occurance of Straight 6 Numbers = 1 in 50 Draws",
};
constexpr GameLayout kThunderballLayout{
    .extraHeadingLeft = 5440,
    .extraNumberLeft = 5740,
    .extraPictureLeft = 5520,
    .extraIsMainBall = false,
    .checkPrompt = kPlainPrompt,
    .checkWidth = 4400,
    .updateExtraCaption = "Thunderball",
    .customWheelPosition = 2,
    .customWheelListSize = 3,
    .totalCombinations = "Total Possible Combinations Using Criteria = 15,200",
    .maxFrequency = "Original Total Possible Combinations with 34 numbers = 278,256",
    .averageOccurance = "Approx Average Occurance of Straight 5 Numbers = 1 in 15 Draws",
};
constexpr GameLayout kDailyPlayLayout{
    .extraHeadingLeft = 5270,
    .extraNumberLeft = 5370,
    .extraPictureLeft = 5160,
    .extraIsMainBall = true,
    .checkPrompt = kPlainPrompt,
    .checkWidth = 6050,
    .checkLastLabel = "Ball 7",
    .checkLastLabelLeft = 5000,
    .checkLastBoxLeft = 5170,
    .updateExtraCaption = "Ball 7",
    .updateExtraLabelLeft = 5310,
    .updateExtraBoxLeft = 5400,
    .customWheelPosition = 3,
    .customWheelListSize = 4,
    .totalCombinations = "Total Possible Combinations Using Criteria = 10,560",
    .maxFrequency = "Original Total Possible Combinations with 27 numbers = 888,030",
    .averageOccurance = "Approx Average Occurance of Straight 7 Numbers = 1 in 100 Draws",
};
// Today's games choose as many numbers from the same sections as their classic counterparts, so the lines
// obeying the rule number the same; the straight line's figure is the chance that a draw's main numbers all
// stand among the chosen ones (1 in 119.6 and 1 in 37.1).
constexpr GameLayout kLotto59Layout{
    .extraHeadingLeft = 5480,
    .extraNumberLeft = 5740,
    .extraPictureLeft = 5520,
    .extraIsMainBall = false,
    .checkPrompt = kLottoPrompt,
    .customWheelPosition = 8,
    .customWheelListSize = 9,
    .totalCombinations = "Total Possible Combinations Using Criteria = 345,548",
    .maxFrequency = "Original Total Possible Combinations with 59 numbers = 45,057,474",
    .averageOccurance = "Approx Average Occurance of Straight 6 Numbers = 1 in 120 Draws",
};
constexpr GameLayout kThunderball39Layout{
    .extraHeadingLeft = 5440,
    .extraNumberLeft = 5740,
    .extraPictureLeft = 5520,
    .extraIsMainBall = false,
    .checkPrompt = "Enter numbers to be checked below, including Thunderball!",
    .checkWidth = 5180,
    .checkLastLabel = "Thunderball",
    .checkLastLabelLeft = 3870,
    .checkLastBoxLeft = 4140,
    .updateExtraCaption = "Thunderball",
    .customWheelPosition = 2,
    .customWheelListSize = 3,
    .totalCombinations = "Total Possible Combinations Using Criteria = 15,200",
    .maxFrequency = "Original Total Possible Combinations with 39 numbers = 575,757",
    .averageOccurance = "Approx Average Occurance of Straight 5 Numbers = 1 in 37 Draws",
};

constexpr std::array<GameInfo, 6> kGames{{
    {Game::Lotto,
     "Lotto",
     "lotto",
     6,
     49,
     true,
     49,
     "Bonus Ball",
     "LottoHistory.dat",
     44,
     7,
     ".lot",
     ".fil",
     28,
     6,
     0,
     9,
     false,
     false,
     7,
     3,
     {},
     "Please enter a number in each of boxes 1-6 and Bonus Ball",
     "Error trying to load Lotto History File",
     true,
     "",
     "",
     "--extra",
     0,
     {49, kLottoSections, 7},
     kNoSections,
     kLottoAlgorithms,
     kLottoWheelLists,
     "Lotto",
     2,
     1,
     kRangeLead,
     kLottoLayout},
    {Game::LottoExtra,
     "Lotto Extra",
     "lotto-extra",
     6,
     49,
     false,
     0,
     "",
     "LottoExtraHistory.dat",
     48,
     6,
     ".lxt",
     "",
     28,
     6,
     4,
     9,
     false,
     false,
     6,
     6,
     {},
     "Please enter a number in each of boxes 1-6",
     "Error trying to load Lotto Extra History File",
     true,
     "",
     "",
     "--extra",
     0,
     {49, kLottoSections, 7},
     kNoSections,
     kLottoAlgorithms,
     kLottoWheelLists,
     "Lotto",
     2,
     1,
     kRangeLead,
     kLottoExtraLayout},
    {Game::Thunderball,
     "Thunderball",
     "thunderball",
     5,
     34,
     true,
     14,
     "Thunderball",
     "ThunderballHistory.dat",
     52,
     5,
     ".thu",
     "",
     20,
     5,
     4,
     11,
     true,
     false,
     5,
     3,
     {},
     "Please enter a number in each of boxes 1-5",
     "Error trying to load Thunderball History File",
     true,
     "",
     "",
     "--extra",
     0,
     {34, kThunderballSections, 5},
     kThunderballBall,
     kThunderballAlgorithms,
     kThunderballWheelLists,
     "Thunderball",
     -1,
     -1,
     kThunderballRangeLead,
     kThunderballLayout},
    {Game::DailyPlay,
     "Daily Play",
     "daily-play",
     7,
     27,
     false,
     0,
     "Ball 7",
     "DailyPlayHistory.dat",
     52,
     7,
     ".dly",
     "",
     16,
     7,
     4,
     11,
     false,
     true,
     7,
     4,
     {},
     "Please enter a number in each of boxes 1-7",
     "Error trying to load Daily play History File",
     false,
     "",
     "",
     "ball 7",
     0,
     {27, kDailyPlaySections, 4},
     kNoSections,
     kDailyPlayAlgorithms,
     kDailyPlayWheelLists,
     "Daily Play",
     -1,
     -1,
     kRangeLead,
     kDailyPlayLayout},
    {Game::Lotto59,
     "Lotto 59",
     "lotto-59",
     6,
     59,
     true,
     59,
     "Bonus Ball",
     "Lotto59History.dat",
     44,
     7,
     ".l59",
     "",
     28,
     6,
     0,
     9,
     false,
     false,
     7,
     2,
     kLotto59Tiers,
     "Please enter a number in each of boxes 1-6 and Bonus Ball",
     "Error trying to load Lotto 59 History File",
     true,
     "https://www.national-lottery.co.uk/results/lotto/draw-history/csv",
     "https://www.national-lottery.co.uk/results/lotto/draw-history",
     "--extra",
     kLottoTwoRoundsFrom,
     {59, kLotto59Sections, 7},
     kNoSections,
     kLotto59Algorithms,
     kLotto59WheelLists,
     "Lotto",
     1,
     -1,
     kRangeLead,
     kLotto59Layout},
    {Game::Thunderball39,
     "Thunderball 39",
     "thunderball-39",
     5,
     39,
     true,
     14,
     "Thunderball",
     "Thunderball39History.dat",
     52,
     5,
     ".t39",
     "",
     20,
     5,
     4,
     11,
     true,
     false,
     6,
     0,
     kThunderball39Tiers,
     "Please enter a number in each of boxes 1-5 and Thunderball",
     "Error trying to load Thunderball 39 History File",
     true,
     "https://www.national-lottery.co.uk/results/thunderball/draw-history/csv",
     "https://www.national-lottery.co.uk/results/thunderball/draw-history",
     "--extra",
     0,
     {39, kThunderball39Sections, 5},
     kThunderballBall,
     kThunderball39Algorithms,
     kThunderballWheelLists,
     "Thunderball",
     -1,
     -1,
     kThunderballRangeLead,
     kThunderball39Layout},
}};

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const GameInfo& Info(Game game) {
    return kGames[static_cast<std::size_t>(game)];
}

int RoundsOn(Game game, double date) {
    const double from = Info(game).twoRoundsFrom;
    return from > 0 && date >= from ? 2 : 1;
}

std::optional<Game> GameFromName(std::string_view name) {
    for (const auto& info : kGames) {
        if (SameText(name, info.name) || SameText(name, info.cliName)) {
            return info.game;
        }
    }
    return std::nullopt;
}

}  // namespace quintara
