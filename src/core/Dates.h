#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintara {

// A calendar day; dates are stored as day counts from 30 December 1899 (day 0).
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    bool operator==(const CivilDate&) const = default;
};

bool IsValidDate(const CivilDate& date);
double SerialFromCivil(const CivilDate& date);
// The whole day of a serial date (a fraction is the time of day and is dropped).
CivilDate CivilFromSerial(double serial);

// DD/MM/YYYY, the form the program shows and the history update accepts.
std::string FormatDate(double serial);
// yyyy-mm-dd, the form of the history CSV files.
std::string FormatIsoDate(double serial);

// Exactly DD/MM/YYYY (two, two and four digits), a real calendar day.
std::optional<double> ParseDate(std::string_view text);
// Exactly yyyy-mm-dd, a real calendar day.
std::optional<double> ParseIsoDate(std::string_view text);
// What a user may type into a date search: D/M/YYYY or DD/MM/YYYY, or yyyy-mm-dd.
std::optional<double> ParseUserDate(std::string_view text);

// The local calendar day as a day serial.
double TodaySerial();

}  // namespace quintara
