#include "stats/StatisticReports.h"

#include <algorithm>

#include "core/Dates.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

std::string TitleOf(std::string_view prefix, Game game, StatisticBalls balls) {
    return std::string(prefix) + GameName(game) +
           (balls == StatisticBalls::Thunderball ? " Draw - Thunderball" : " Draw");
}

std::size_t Entries(std::size_t tableSize, StatisticBalls balls) {
    return std::min(tableSize, static_cast<std::size_t>(MostReportEntries(balls)));
}

}  // namespace

StatisticBalls BallsOf(bool thunderballStatistics) {
    return thunderballStatistics ? StatisticBalls::Thunderball : StatisticBalls::Main;
}

int MostReportEntries(StatisticBalls balls) {
    return balls == StatisticBalls::Thunderball ? 14 : 49;
}

std::string LastDrawnTitle(Game game, StatisticBalls balls) {
    return TitleOf("Quintara - Last Drawn - ", game, balls);
}

std::string BallAveragesTitle(Game game, StatisticBalls balls) {
    return TitleOf("Quintara - Ball Averages - ", game, balls);
}

std::vector<std::string> LastDrawnLines(const OneBased<LastDrawnRec>& table, StatisticBalls balls) {
    std::vector<std::string> lines;
    const std::size_t entries = Entries(table.Size(), balls);
    for (std::size_t i = 1; i <= entries; ++i) {
        const LastDrawnRec& rec = table[i];
        // Day 0 is what the counting leaves for a ball no draw holds.
        if (rec.Ball < 1 || rec.DrawDate <= 0) {
            continue;
        }
        lines.push_back("Ball " + std::to_string(rec.Ball) +
                        " was last Drawn on: " + FormatDate(rec.DrawDate));
    }
    return lines;
}

std::vector<std::string> BallAveragesLines(const OneBased<FrequencyRec>& table, std::int32_t lastDraw,
                                           StatisticBalls balls) {
    std::vector<std::string> lines;
    const std::size_t entries = Entries(table.Size(), balls);
    for (std::size_t i = 1; i <= entries; ++i) {
        const FrequencyRec& rec = table[i];
        const auto average = rec.Count > 0 ? FormatAverage(lastDraw, rec.Count) : std::nullopt;
        if (!average) {
            continue;
        }
        lines.push_back("Ball " + std::to_string(rec.Ball) + " is drawn on average every " + *average +
                        " draws.");
    }
    return lines;
}

std::string JoinReportLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

std::string LastDrawnReport(const GameStatistics& statistics, StatisticBalls balls) {
    return JoinReportLines(LastDrawnLines(
        balls == StatisticBalls::Thunderball ? statistics.ThunderballLastDrawn : statistics.BallLastDrawn,
        balls));
}

std::string BallAveragesReport(const GameStatistics& statistics, std::int32_t lastDraw,
                               StatisticBalls balls) {
    return JoinReportLines(BallAveragesLines(
        balls == StatisticBalls::Thunderball ? statistics.ThunderballFrequency : statistics.BallFrequency,
        lastDraw, balls));
}

}  // namespace quintara
