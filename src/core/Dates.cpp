#include "core/Dates.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace quintara {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date, and back (Howard Hinnant's algorithms).
constexpr long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

CivilDate CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long kEpochDays = DaysFromCivil(1899, 12, 30);

bool Digits(std::string_view text, std::size_t from, std::size_t count, int& value) {
    if (from + count > text.size()) {
        return false;
    }
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

std::optional<double> Checked(const CivilDate& date) {
    if (!IsValidDate(date)) {
        return std::nullopt;
    }
    return SerialFromCivil(date);
}

}  // namespace

bool IsValidDate(const CivilDate& date) {
    if (date.year < 100 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int days = kDays[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
    return date.day <= days;
}

double SerialFromCivil(const CivilDate& date) {
    return static_cast<double>(
        DaysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) -
        kEpochDays);
}

CivilDate CivilFromSerial(double serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) {
        return CivilDate{};
    }
    return CivilFromDays(static_cast<long>(std::floor(serial)) + kEpochDays);
}

std::string FormatDate(double serial) {
    const CivilDate date = CivilFromSerial(serial);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    return text;
}

std::string FormatIsoDate(double serial) {
    const CivilDate date = CivilFromSerial(serial);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<double> ParseDate(std::string_view text) {
    CivilDate date;
    if (text.size() != 10 || text[2] != '/' || text[5] != '/' || !Digits(text, 0, 2, date.day) ||
        !Digits(text, 3, 2, date.month) || !Digits(text, 6, 4, date.year)) {
        return std::nullopt;
    }
    return Checked(date);
}

std::optional<double> ParseIsoDate(std::string_view text) {
    CivilDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, date.year) ||
        !Digits(text, 5, 2, date.month) || !Digits(text, 8, 2, date.day)) {
        return std::nullopt;
    }
    return Checked(date);
}

std::optional<double> ParseUserDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (auto iso = ParseIsoDate(text)) {
        return iso;
    }
    const auto first = text.find('/');
    const auto second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos || first < 1 || first > 2 || second - first < 2 ||
        second - first > 3 || text.size() - second != 5) {
        return std::nullopt;
    }
    CivilDate date;
    if (!Digits(text, 0, first, date.day) || !Digits(text, first + 1, second - first - 1, date.month) ||
        !Digits(text, second + 1, 4, date.year)) {
        return std::nullopt;
    }
    return Checked(date);
}

double TodaySerial() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return SerialFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

}  // namespace quintara
