#include "core/TypedNumbers.h"

#include <algorithm>
#include <cmath>

#include "core/TextRules.h"

namespace quintara {

TypedNumber CheckTypedNumber(std::string_view text, int highest, std::span<const std::string> earlier) {
    if (Trim(text).empty()) {
        return {TypedNumberFault::Empty};
    }
    const auto raw = NumericValue(text);
    if (!raw) {
        return {TypedNumberFault::NotNumeric};
    }
    if (*raw < 1 || *raw > highest) {
        return {TypedNumberFault::OutOfRange};
    }
    const auto value = ToInteger(text);
    if (!value) {
        return {TypedNumberFault::OutOfRange};
    }
    for (const auto& before : earlier) {
        if (ToInteger(before) == value) {
            return {TypedNumberFault::Duplicate, *value};
        }
    }
    return {TypedNumberFault::None, *value};
}

TypedNumbersCheck CheckTypedNumbers(std::span<const std::string> texts, int highest) {
    TypedNumbersCheck check;
    check.numbers.Reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto verdict = CheckTypedNumber(texts[i], highest, texts.first(i));
        if (!verdict.Ok()) {
            check.fault = verdict.fault;
            check.position = i + 1;
            check.numbers.Clear();
            return check;
        }
        check.numbers.PushBack(verdict.value);
    }
    return check;
}

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
