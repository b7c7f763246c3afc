#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/OneBased.h"

namespace quintara {

enum class TypedNumberFault { None, Empty, NotNumeric, OutOfRange, Duplicate };

// The verdict on one typed number: its fault, or its value rounded half to even.
struct TypedNumber {
    TypedNumberFault fault = TypedNumberFault::None;
    std::int16_t value = 0;
    bool Ok() const { return fault == TypedNumberFault::None; }
};

// Checks one typed number against 1..highest and against the texts typed before it. The range is tested
// on the value as typed, so whatever passes also rounds into the range. Duplicates are compared by their
// rounded values, not as text: "7" and "07", or "4" and "3.5", are one number and would count twice when
// lines are checked or picked; earlier texts that are no number are passed over.
TypedNumber CheckTypedNumber(std::string_view text, int highest, std::span<const std::string> earlier);

// The first fault of a list of typed numbers, checked in order, or all of them as numbers.
struct TypedNumbersCheck {
    TypedNumberFault fault = TypedNumberFault::None;
    std::size_t position = 0;  // the box at fault, from 1; 0 when all passed
    OneBased<std::int16_t> numbers;
    bool Ok() const { return fault == TypedNumberFault::None; }
};

TypedNumbersCheck CheckTypedNumbers(std::span<const std::string> texts, int highest);

}  // namespace quintara
