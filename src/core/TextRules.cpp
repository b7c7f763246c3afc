#include "core/TextRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace quintara {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimView(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

template <class Int>
std::optional<Int> ToRounded(std::string_view text) {
    const auto value = NumericValue(text);
    if (!value) {
        return std::nullopt;
    }
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(*value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> NumericValue(std::string_view text) {
    if (!IsNumeric(text)) {
        return std::nullopt;
    }
    text = TrimView(text);
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool IsNumeric(std::string_view text) {
    text = TrimView(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

std::optional<std::int16_t> ToInteger(std::string_view text) {
    return ToRounded<std::int16_t>(text);
}

std::optional<std::int32_t> ToLong(std::string_view text) {
    return ToRounded<std::int32_t>(text);
}

std::string SignBlank(long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string PrintNumber(long value) {
    return SignBlank(value) + " ";
}

std::optional<std::string> FormatAverage(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) {
        return std::nullopt;
    }
    const bool negative = (numerator < 0) != (denominator < 0) && numerator != 0;
    const std::uint64_t num = static_cast<std::uint64_t>(numerator < 0 ? -numerator : numerator);
    const std::uint64_t den = static_cast<std::uint64_t>(denominator < 0 ? -denominator : denominator);
    std::uint64_t hundredths = num * 100 / den;
    const std::uint64_t remainder = num * 100 % den;
    if (remainder * 2 > den || (remainder * 2 == den && hundredths % 2 == 1)) {
        ++hundredths;
    }
    std::string text = (negative && hundredths != 0 ? "-" : "") + std::to_string(hundredths / 100);
    const auto cents = hundredths % 100;
    if (cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            text += static_cast<char>('0' + cents % 10);
        }
    }
    return text;
}

PrintZoneWriter& PrintZoneWriter::NextZone() {
    const std::size_t target = (m_column / kZoneWidth + 1) * kZoneWidth;
    m_text.append(target - m_column, ' ');
    m_column = target;
    return *this;
}

PrintZoneWriter& PrintZoneWriter::Write(std::string_view text) {
    m_text += text;
    m_column += text.size();
    return *this;
}

PrintZoneWriter& PrintZoneWriter::EndLine() {
    m_text += kCrLf;
    m_column = 0;
    return *this;
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

}  // namespace quintara
