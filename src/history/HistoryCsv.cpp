#include "history/HistoryCsv.h"

#include <algorithm>
#include <set>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/History.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

// One CSV row after its fields were checked.
struct CsvDraw {
    double date = 0;
    std::vector<std::int16_t> balls;
    std::int16_t extra = 0;
    std::string ballSet;
    std::string machine;
};

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::optional<std::int16_t> WholeNumber(const std::string& text) {
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    return ToInteger(text);
}

Error RowError(std::size_t line, const std::string& what) {
    return MakeError(ErrorKind::BadFormat, "line " + std::to_string(line) + ": " + what);
}

Result<CsvDraw> ParseRow(Game game, const std::vector<std::string>& fields, std::size_t line,
                         std::vector<std::string>& warnings) {
    const GameInfo& info = Info(game);
    const std::size_t expected = 1 + static_cast<std::size_t>(info.mainBalls) + (info.hasExtra ? 1 : 0) + 2;
    if (fields.size() != expected) {
        return RowError(line,
                        std::to_string(fields.size()) + " fields, expected " + std::to_string(expected));
    }
    CsvDraw draw;
    auto date = ParseIsoDate(fields[0]);
    if (!date) {
        date = ParseDate(fields[0]);
    }
    if (!date) {
        return RowError(line, "\"" + fields[0] + "\" is not a date (yyyy-mm-dd or DD/MM/YYYY)");
    }
    draw.date = *date;
    std::size_t at = 1;
    for (int b = 1; b <= info.mainBalls; ++b, ++at) {
        const auto ball = WholeNumber(fields[at]);
        if (!ball || *ball < 1 || *ball > info.maxBall) {
            return RowError(line, "ball" + std::to_string(b) + " \"" + fields[at] +
                                      "\" is not a number from 1 to " + std::to_string(info.maxBall));
        }
        if (std::find(draw.balls.begin(), draw.balls.end(), *ball) != draw.balls.end()) {
            return RowError(line, "ball " + std::to_string(*ball) + " appears twice");
        }
        draw.balls.push_back(*ball);
    }
    if (info.hasExtra) {
        const auto extra = WholeNumber(fields[at]);
        if (!extra || *extra < 1 || *extra > info.extraMax) {
            return RowError(line, "extra \"" + fields[at] + "\" is not a number from 1 to " +
                                      std::to_string(info.extraMax));
        }
        if (game == Game::Lotto &&
            std::find(draw.balls.begin(), draw.balls.end(), *extra) != draw.balls.end()) {
            return RowError(line, "the bonus ball " + std::to_string(*extra) + " is also a main ball");
        }
        draw.extra = *extra;
        ++at;
    }
    draw.ballSet = fields[at++];
    draw.machine = fields[at];
    if (game == Game::Lotto && !draw.ballSet.empty() && !WholeNumber(draw.ballSet)) {
        warnings.push_back("line " + std::to_string(line) + ": ball set \"" + draw.ballSet +
                           "\" is not a number and is stored as 0");
    }
    return draw;
}

LottoDrawRec ToRecord(const CsvDraw& draw, RecordTag<LottoDrawRec>) {
    LottoDrawRec rec;
    rec.DrawDate = draw.date;
    std::copy(draw.balls.begin(), draw.balls.end(), rec.Balls.begin());
    rec.BonusBall = draw.extra;
    rec.BallSet = WholeNumber(draw.ballSet).value_or(0);
    rec.Machine = draw.machine;
    return rec;
}

template <class Rec>
Rec ToRecord(const CsvDraw& draw, RecordTag<Rec>) {
    Rec rec;
    rec.DrawDate = draw.date;
    std::copy(draw.balls.begin(), draw.balls.end(), rec.Balls.begin());
    if constexpr (std::is_same_v<Rec, ThunderballDrawRec>) {
        rec.Thunderball = draw.extra;
    }
    rec.BallSet = draw.ballSet;
    rec.Machine = draw.machine;
    return rec;
}

}  // namespace

std::string HistoryCsvHeader(Game game) {
    const GameInfo& info = Info(game);
    std::string header = "draw_date";
    for (int b = 1; b <= info.mainBalls; ++b) {
        header += ",ball" + std::to_string(b);
    }
    if (info.hasExtra) {
        header += ",extra";
    }
    return header + ",ball_set,machine";
}

Result<CsvImportReport> ImportHistoryCsv(Game game, std::string_view csv,
                                         const std::filesystem::path& appDir) {
    const auto lines = SplitLines(csv);
    if (lines.empty() || SplitFields(lines[0]) != SplitFields(HistoryCsvHeader(game))) {
        return MakeError(ErrorKind::BadFormat, "line 1: the header must read " + HistoryCsvHeader(game));
    }
    CsvImportReport report;
    std::vector<CsvDraw> draws;
    std::set<double> dates;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (Trim(lines[i]).empty()) {
            continue;
        }
        auto draw = ParseRow(game, SplitFields(lines[i]), i + 1, report.warnings);
        if (!draw) {
            return draw.GetError();
        }
        if (!dates.insert(draw->date).second) {
            return RowError(i + 1, "a second draw on " + FormatDate(draw->date));
        }
        draws.push_back(std::move(*draw));
    }
    if (draws.empty()) {
        return MakeError(ErrorKind::Empty, "no draws after the header");
    }
    std::stable_sort(draws.begin(), draws.end(),
                     [](const CsvDraw& a, const CsvDraw& b) { return a.date > b.date; });
    report.draws = draws.size();
    const Status written = WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        OneBased<Rec> records;
        for (const auto& draw : draws) {
            records.PushBack(ToRecord(draw, tag));
        }
        return WriteRecordFile(HistoryPath(appDir, game), static_cast<std::size_t>(Info(game).recordLength),
                               records);
    });
    if (!written) {
        return written.GetError();
    }
    return report;
}

Result<std::string> ExportHistoryCsv(Game game, const std::filesystem::path& appDir) {
    return WithDrawRecord(game, [&](auto tag) -> Result<std::string> {
        using Rec = typename decltype(tag)::type;
        auto draws =
            ReadRecordFile<Rec>(HistoryPath(appDir, game), static_cast<std::size_t>(Info(game).recordLength));
        if (!draws) {
            return draws.GetError();
        }
        std::string csv = HistoryCsvHeader(game) + "\n";
        for (const auto& draw : *draws) {
            const DrawView view = ViewOf(draw);
            csv += FormatIsoDate(view.date);
            for (int ball : view.balls) {
                csv += "," + std::to_string(ball);
            }
            if (view.extra) {
                csv += "," + std::to_string(*view.extra);
            }
            csv += "," + view.ballSet + "," + view.machine + "\n";
        }
        return csv;
    });
}

}  // namespace quintara
