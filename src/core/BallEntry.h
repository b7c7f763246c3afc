#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quintara {

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
