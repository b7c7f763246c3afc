#include "core/TypedNumbers.h"

#include <algorithm>
#include <cmath>

#include "core/TextRules.h"

namespace quintara {

tl::expected<std::int16_t, TypedNumberFault> CheckTypedNumber(std::string_view text, int highest,
                                                              std::span<const std::string> earlier) {
    using Fault = tl::unexpected<TypedNumberFault>;
    if (Trim(text).empty()) {
        return Fault(TypedNumberFault::Empty);
    }
    const auto raw = NumericValue(text);
    if (!raw) {
        return Fault(TypedNumberFault::NotNumeric);
    }
    if (*raw < 1 || *raw > highest) {
        return Fault(TypedNumberFault::OutOfRange);
    }
    const auto value = ToInteger(text);
    if (!value) {
        return Fault(TypedNumberFault::OutOfRange);
    }
    for (const auto& before : earlier) {
        if (ToInteger(before) == value) {
            return Fault(TypedNumberFault::Duplicate);
        }
    }
    return *value;
}

tl::expected<OneBased<std::int16_t>, TypedNumbersFault> CheckTypedNumbers(std::span<const std::string> texts,
                                                                          int highest) {
    OneBased<std::int16_t> numbers;
    numbers.Reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto number = CheckTypedNumber(texts[i], highest, texts.first(i));
        if (!number) {
            return tl::unexpected<TypedNumbersFault>({number.error(), i + 1});
        }
        numbers.PushBack(*number);
    }
    return numbers;
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
