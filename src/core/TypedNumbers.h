#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

#include "core/OneBased.h"

namespace quintara {

enum class TypedNumberFault { Empty, NotNumeric, OutOfRange, Duplicate };

// Checks one typed number against 1..highest and against the texts typed before it: its value rounded half
// to even, or its fault. The range is tested
// on the value as typed, so whatever passes also rounds into the range. Duplicates are compared by their
// rounded values, not as text: "7" and "07", or "4" and "3.5", are one number and would count twice when
// lines are checked or picked; earlier texts that are no number are passed over.
tl::expected<std::int16_t, TypedNumberFault> CheckTypedNumber(std::string_view text, int highest,
                                                              std::span<const std::string> earlier);

// The first fault of a list of typed numbers and the box at fault, from 1.
struct TypedNumbersFault {
    TypedNumberFault fault = TypedNumberFault::Empty;
    std::size_t position = 0;
};

// A list of typed numbers checked in order: all of them as numbers, or the first fault.
tl::expected<OneBased<std::int16_t>, TypedNumbersFault> CheckTypedNumbers(std::span<const std::string> texts,
                                                                          int highest);

// A ball number typed into a box: numeric text whose value lies in 1..highest, as the whole number it
// stands for (a fraction is rounded half to even, so "2.5" is 2). Nothing when it is not such a number.
// The range applies to the value as typed, so a value in range always rounds into range too.
std::optional<std::int16_t> TypedBall(std::string_view text, int highest);

// Whether two typed texts name the same number: "5", "05" and " 5.0" do. Texts that are not numbers
// are the same only when they are equal as typed.
bool SameTypedNumber(std::string_view a, std::string_view b);

// Whether `value` is already among `earlier`.
bool IsDuplicateBall(std::int16_t value, std::span<const std::int16_t> earlier);

}  // namespace quintara
