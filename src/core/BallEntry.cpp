#include "core/BallEntry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/TextRules.h"

namespace quintara {

namespace {

// The value of a numeric text, exponent and all; nothing for anything else.
std::optional<double> NumericValue(std::string_view text) {
    if (!IsNumeric(text)) {
        return std::nullopt;
    }
    std::string trimmed = Trim(text);
    if (!trimmed.empty() && trimmed.front() == '+') {
        trimmed.erase(0, 1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (ec != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::int16_t> TypedBall(std::string_view text, int highest) {
    const auto value = NumericValue(text);
    if (!value || *value < 1 || *value > highest) {
        return std::nullopt;
    }
    return ToInteger(text);
}

bool SameTypedNumber(std::string_view a, std::string_view b) {
    const auto x = NumericValue(a);
    const auto y = NumericValue(b);
    if (x && y) {
        // Rounded as the record will store them, so "2.5" and "2" are one ball.
        return std::nearbyint(*x) == std::nearbyint(*y);
    }
    return !x && !y && a == b;
}

bool IsDuplicateBall(std::int16_t value, std::span<const std::int16_t> earlier) {
    return std::find(earlier.begin(), earlier.end(), value) != earlier.end();
}

}  // namespace quintara
