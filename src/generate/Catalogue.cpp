#include "generate/Catalogue.h"

#include <array>

namespace quintara {

namespace {

struct BuiltInWheel {
    std::string_view family;  // the wheel family of the games that list it
    std::string_view item;
    std::string_view file;
};

// The names are those the users' copies of the files carry, odd spellings and all.
constexpr std::array<BuiltInWheel, 16> kBuiltInWheels{{
    {"Lotto", "5 Line Wheel - 1 Number", "5 Line Wheel - 1 Number from 28_Lotto.txt"},
    {"Lotto", "10 Line Wheel - 2 Numbers", "10 Line Wheel - 2 Numbers from 28_Lotto.txt"},
    {"Lotto", "15 Line Wheel - 1 Pair", "15 Line Wheel 1 Pair from 28_Lotto.txt"},
    {"Lotto", "21 Line Wheel - Max 5 Same", "21 Line Wheel Max 5 Numbers Same from 28_Lotto.txt"},
    {"Lotto", "32 Line Wheel - 2 Pairs", "32 Line Wheel 2 Pairs from 28_Lotto.txt"},
    {"Lotto", "75 Line Wheel - 5000 Skip", "75 Line Wheel 5000 Skip from 28_Lotto.txt"},
    {"Lotto", "13 Line Wheel - 1 Pair Reduced", "13 Line Wheel - 1 Pair Reduced from 28_Lotto.txt"},
    {"Lotto", "33 Line Wheel - 2 Pairs B", "33 Line Wheel - 2 Pairs B from 28_Lotto.txt"},
    {"Lotto", "20 Line Wheel - 4 Pairs (11)", "20 Line Wheel - 4 Pairs (11) from 28_Lotto.txt"},
    {"Lotto", "904 Line Wheel", "904 Line Wheel from 28_Lotto.txt"},
    {"Lotto", "7 Line Wheel. £40 if 3 Numbers", "7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt"},
    {"Thunderball", "12 Line Wheel - 1 Pair", "12 Line Wheel 1 Pair from 20_Thunderball.txt"},
    {"Thunderball", "8 Line Wheel", "8 Line Wheel from 20_Thunderball.txt"},
    {"Daily Play", "3 Line Wheel", "3 Line Wheel from 16_DailPlay.txt"},
    {"Daily Play", "4 Line Wheel", "4 Line Wheel from 16_DailyPlay.txt"},
    {"Daily Play", "10 Line Wheel", "10 Line Wheel frm 16_DailyPlay.txt"},
}};

}  // namespace

std::span<const std::string_view> AlgorithmItems(Game game) {
    return Info(game).algorithms;
}

std::span<const std::string_view> WheelItems(Game game, int algorithmIndex) {
    const auto& wheels = Info(game).wheels;
    if (algorithmIndex < 0 || static_cast<std::size_t>(algorithmIndex) >= wheels.size()) {
        return {};
    }
    return wheels[static_cast<std::size_t>(algorithmIndex)];
}

std::optional<std::string_view> WheelFileName(Game game, std::string_view item) {
    for (const auto& wheel : kBuiltInWheels) {
        if (wheel.family == Info(game).wheelFamily && wheel.item == item) {
            return wheel.file;
        }
    }
    return std::nullopt;
}

namespace {

bool IsAlgorithm(Game game, int index, std::string_view item) {
    const auto algorithms = Info(game).algorithms;
    return index >= 0 && static_cast<std::size_t>(index) < algorithms.size() &&
           algorithms[static_cast<std::size_t>(index)] == item;
}

}  // namespace

bool IsFortyNineAlgorithm(Game game, std::string_view item) {
    return IsAlgorithm(game, Info(game).fortyNineAlgorithm, item);
}

bool IsSevenNumbersAlgorithm(Game game, std::string_view item) {
    return IsAlgorithm(game, Info(game).sevenNumbersAlgorithm, item);
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
