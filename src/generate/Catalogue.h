#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/Games.h"

namespace quintara {

inline constexpr std::string_view kTwentyEightAlgorithm = "28 Numbers from 49";
inline constexpr std::string_view kFortyNineAlgorithm = "49 Numbers from 49";
inline constexpr std::string_view kSevenNumbersAlgorithm = "7 Numbers from 28 from 49";
// GeneratorMode of the seven-number run.
inline constexpr int kSevenNumbersMode = 2;

// The wheel item of "49 Numbers from 49"; its lines come from the generator, not from a file.
inline constexpr std::string_view kFortyNineWheelItem = "Approx 200 - 500 Line Wheel";
// The single algorithm and wheel items of personal picks mode.
inline constexpr std::string_view kPersonalPicksItem = "Personal Picks";
inline constexpr std::string_view kLoadCustomWheelItem = "Please Load Custom Wheel";

// The items of cmbAlgorithms for a game, in list order (the position is the algorithm index).
std::span<const std::string_view> AlgorithmItems(Game game);

// The items of cmbWheels for an algorithm index of a game; empty for an index the game does not list.
std::span<const std::string_view> WheelItems(Game game, int algorithmIndex);

// The file of a built-in wheel item of a game, a bare name to be joined to the application directory;
// nothing for an item without a file ("Approx 200 - 500 Line Wheel", "CUSTOM ...", personal picks).
std::optional<std::string_view> WheelFileName(Game game, std::string_view item);

// Whether an algorithm item of a game is its wheel-less generator, or its seven-number reduction.
bool IsFortyNineAlgorithm(Game game, std::string_view item);
bool IsSevenNumbersAlgorithm(Game game, std::string_view item);

// Position of `item` in `items`, if it is there (text compared exactly).
std::optional<int> ItemIndex(std::span<const std::string_view> items, std::string_view item);

}  // namespace quintara
