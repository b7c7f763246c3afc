#include "generate/Catalogue.h"

#include <array>

namespace quintara {

namespace {

constexpr std::array<std::string_view, 3> kLottoAlgorithms{kTwentyEightAlgorithm, kFortyNineAlgorithm,
                                                           kSevenNumbersAlgorithm};
constexpr std::array<std::string_view, 1> kThunderballAlgorithms{"20 numbers from 34"};
constexpr std::array<std::string_view, 1> kDailyPlayAlgorithms{"16 Numbers from 27"};

constexpr std::array<std::string_view, 10> kTwentyEightWheels{
    "5 Line Wheel - 1 Number",        "10 Line Wheel - 2 Numbers",
    "15 Line Wheel - 1 Pair",         "21 Line Wheel - Max 5 Same",
    "32 Line Wheel - 2 Pairs",        "75 Line Wheel - 5000 Skip",
    "13 Line Wheel - 1 Pair Reduced", "33 Line Wheel - 2 Pairs B",
    "20 Line Wheel - 4 Pairs (11)",   "904 Line Wheel"};
constexpr std::array<std::string_view, 1> kFortyNineWheels{kFortyNineWheelItem};
constexpr std::array<std::string_view, 1> kSevenNumbersWheels{"7 Line Wheel. £40 if 3 Numbers"};
constexpr std::array<std::string_view, 2> kThunderballWheels{"12 Line Wheel - 1 Pair", "8 Line Wheel"};
constexpr std::array<std::string_view, 3> kDailyPlayWheels{"3 Line Wheel", "10 Line Wheel", "4 Line Wheel"};

struct BuiltInWheel {
    bool lottoGames;  // Lotto and Lotto Extra; otherwise the game below
    Game game;
    std::string_view item;
    std::string_view file;
};

// The names are those the users' copies of the files carry, odd spellings and all.
constexpr std::array<BuiltInWheel, 16> kBuiltInWheels{{
    {true, Game::Lotto, "5 Line Wheel - 1 Number", "5 Line Wheel - 1 Number from 28_Lotto.txt"},
    {true, Game::Lotto, "10 Line Wheel - 2 Numbers", "10 Line Wheel - 2 Numbers from 28_Lotto.txt"},
    {true, Game::Lotto, "15 Line Wheel - 1 Pair", "15 Line Wheel 1 Pair from 28_Lotto.txt"},
    {true, Game::Lotto, "21 Line Wheel - Max 5 Same", "21 Line Wheel Max 5 Numbers Same from 28_Lotto.txt"},
    {true, Game::Lotto, "32 Line Wheel - 2 Pairs", "32 Line Wheel 2 Pairs from 28_Lotto.txt"},
    {true, Game::Lotto, "75 Line Wheel - 5000 Skip", "75 Line Wheel 5000 Skip from 28_Lotto.txt"},
    {true, Game::Lotto, "13 Line Wheel - 1 Pair Reduced", "13 Line Wheel - 1 Pair Reduced from 28_Lotto.txt"},
    {true, Game::Lotto, "33 Line Wheel - 2 Pairs B", "33 Line Wheel - 2 Pairs B from 28_Lotto.txt"},
    {true, Game::Lotto, "20 Line Wheel - 4 Pairs (11)", "20 Line Wheel - 4 Pairs (11) from 28_Lotto.txt"},
    {true, Game::Lotto, "904 Line Wheel", "904 Line Wheel from 28_Lotto.txt"},
    {true, Game::Lotto, "7 Line Wheel. £40 if 3 Numbers", "7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt"},
    {false, Game::Thunderball, "12 Line Wheel - 1 Pair", "12 Line Wheel 1 Pair from 20_Thunderball.txt"},
    {false, Game::Thunderball, "8 Line Wheel", "8 Line Wheel from 20_Thunderball.txt"},
    {false, Game::DailyPlay, "3 Line Wheel", "3 Line Wheel from 16_DailPlay.txt"},
    {false, Game::DailyPlay, "4 Line Wheel", "4 Line Wheel from 16_DailyPlay.txt"},
    {false, Game::DailyPlay, "10 Line Wheel", "10 Line Wheel frm 16_DailyPlay.txt"},
}};

bool IsLottoGame(Game game) {
    return game == Game::Lotto || game == Game::LottoExtra;
}

}  // namespace

std::span<const std::string_view> AlgorithmItems(Game game) {
    switch (game) {
    case Game::Lotto:
    case Game::LottoExtra:
        return kLottoAlgorithms;
    case Game::Thunderball:
        return kThunderballAlgorithms;
    case Game::DailyPlay:
        break;
    }
    return kDailyPlayAlgorithms;
}

std::span<const std::string_view> WheelItems(Game game, int algorithmIndex) {
    if (IsLottoGame(game)) {
        switch (algorithmIndex) {
        case 0:
            return kTwentyEightWheels;
        case 1:
            return kFortyNineWheels;
        case 2:
            return kSevenNumbersWheels;
        default:
            return {};
        }
    }
    if (algorithmIndex != 0) {
        return {};
    }
    if (game == Game::Thunderball) {
        return kThunderballWheels;
    }
    return kDailyPlayWheels;
}

std::optional<std::string_view> WheelFileName(Game game, std::string_view item) {
    for (const auto& wheel : kBuiltInWheels) {
        const bool sameGame = wheel.lottoGames ? IsLottoGame(game) : wheel.game == game;
        if (sameGame && wheel.item == item) {
            return wheel.file;
        }
    }
    return std::nullopt;
}

std::optional<int> ItemIndex(std::span<const std::string_view> items, std::string_view item) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace quintara
