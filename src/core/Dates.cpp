#include "core/Dates.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace quintara {

namespace {

// The day every serial counts from.
constexpr std::chrono::sys_days kEpoch{std::chrono::year{1899} / std::chrono::December / 30};

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
    if (date.year < 100 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31) {
        return false;
    }
    const std::chrono::year_month_day day{std::chrono::year{date.year} /
                                          std::chrono::month{static_cast<unsigned>(date.month)} /
                                          std::chrono::day{static_cast<unsigned>(date.day)}};
    return day.ok();
}

double SerialFromCivil(const CivilDate& date) {
    const std::chrono::sys_days day{std::chrono::year{date.year} /
                                    std::chrono::month{static_cast<unsigned>(date.month)} /
                                    std::chrono::day{static_cast<unsigned>(date.day)}};
    return static_cast<double>((day - kEpoch).count());
}

CivilDate CivilFromSerial(double serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) {
        return CivilDate{};
    }
    const std::chrono::year_month_day date{kEpoch + std::chrono::days{static_cast<long>(std::floor(serial))}};
    return CivilDate{static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                     static_cast<int>(static_cast<unsigned>(date.day()))};
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
