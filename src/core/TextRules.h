#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintara {

// Text that reads as a number: optional blanks, sign, digits with at most one decimal point and an
// optional exponent, optional blanks ("7", " 07 ", "-3", "2.5", "1e3"); "", "7a" and "." are not.
bool IsNumeric(std::string_view text);

// The value of a numeric text, unrounded; nothing when the text is not numeric or its value is too large
// for a double ("1e999").
std::optional<double> NumericValue(std::string_view text);

// A numeric text as a 16-bit Integer, rounded half to even (2.5 gives 2, 3.5 gives 4); nothing when the
// text is not numeric or the rounded value does not fit ("40000").
std::optional<std::int16_t> ToInteger(std::string_view text);

// The same for a 32-bit Long.
std::optional<std::int32_t> ToLong(std::string_view text);

// A number with its sign place: " 28" for 28, "-3" for -3.
std::string SignBlank(long value);

// A number as a print statement writes it: sign place, digits, one trailing blank (" 28 ").
std::string PrintNumber(long value);

// LastDraw / Count rounded half to even at two decimals, in its shortest form: "8.13", "8", "12.25",
// "8.5". Exact integer arithmetic. Nothing when the count is 0.
std::optional<std::string> FormatAverage(std::int64_t numerator, std::int64_t denominator);

// Builds text in print zones of 14 columns (zone k starts at column 14k + 1).
class PrintZoneWriter {
public:
    static constexpr std::size_t kZoneWidth = 14;

    // Moves to the start of the next zone, as a comma in a print statement does.
    PrintZoneWriter& NextZone();
    PrintZoneWriter& Write(std::string_view text);
    // Ends the line with CR LF, as the program's text files are written.
    PrintZoneWriter& EndLine();

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    std::size_t m_column = 0;
};

// The end of a line in every text file and message the program writes.
inline constexpr std::string_view kCrLf = "\r\n";

std::string Trim(std::string_view text);

// Text made of the digits 0-9 only, and at least one of them.
bool IsDigits(std::string_view text);

// The lines of a text, each without its LF or CR LF; a last line without a line end counts, an empty
// text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace quintara
