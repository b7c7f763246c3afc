#include "history/HistoryCsv.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/HistoryCheck.h"
#include "core/TextRules.h"
#include "core/Windows1252.h"
#include "history/Csv.h"

namespace quintara {

namespace {

std::optional<std::int16_t> WholeNumber(const std::string& text) {
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    return ToInteger(text);
}

Error RowError(std::size_t line, const std::string& what) {
    return MakeError(ErrorKind::BadFormat, "line " + std::to_string(line) + ": " + what);
}

// A UTF-8 CSV field as the bytes of a record text field of `width` characters.
Result<std::string> TextField(const std::string& text, std::size_t width, std::string_view column, Game game,
                              std::size_t line) {
    const Windows1252Text encoded = EncodeWindows1252(text);
    if (!encoded.Ok()) {
        return RowError(line, std::string(column) + " holds " + encoded.fault->Describe(text));
    }
    if (encoded.bytes.size() > width) {
        return RowError(line, std::string(column) + " \"" + text + "\" is " +
                                  std::to_string(encoded.bytes.size()) + " characters long; a " +
                                  GameName(game) + " " + std::string(column) + " holds at most " +
                                  std::to_string(width));
    }
    return encoded.bytes;
}

template <class Rec>
Result<Rec> ParseRow(const std::vector<std::string>& fields, std::size_t line,
                     std::vector<std::string>& warnings) {
    constexpr Game game = GameOfRecord<Rec>();
    const GameInfo& info = Info(game);
    const std::size_t expected = 1 + static_cast<std::size_t>(info.mainBalls) + (info.hasExtra ? 1 : 0) + 2;
    if (fields.size() != expected) {
        return RowError(line,
                        std::to_string(fields.size()) + " fields, expected " + std::to_string(expected));
    }
    Rec rec;
    auto date = ParseIsoDate(fields[0]);
    if (!date) {
        date = ParseDate(fields[0]);
    }
    if (!date) {
        return RowError(line, "\"" + fields[0] + "\" is not a date (yyyy-mm-dd or DD/MM/YYYY)");
    }
    rec.DrawDate = *date;
    std::size_t at = 1;
    for (std::size_t b = 0; b < static_cast<std::size_t>(info.mainBalls); ++b, ++at) {
        const auto ball = WholeNumber(fields[at]);
        if (!ball || *ball < 1 || *ball > info.maxBall) {
            return RowError(line, "ball" + std::to_string(b + 1) + " \"" + fields[at] +
                                      "\" is not a number from 1 to " + std::to_string(info.maxBall));
        }
        if (std::find(rec.Balls.begin(), rec.Balls.begin() + static_cast<std::ptrdiff_t>(b), *ball) !=
            rec.Balls.begin() + static_cast<std::ptrdiff_t>(b)) {
            return RowError(line, "ball " + std::to_string(*ball) + " appears twice");
        }
        rec.Balls[b] = *ball;
    }
    if constexpr (kHasBonusBall<Rec> || kHasThunderball<Rec>) {
        const auto extra = WholeNumber(fields[at]);
        if (!extra || *extra < 1 || *extra > info.extraMax) {
            return RowError(line, "extra \"" + fields[at] + "\" is not a number from 1 to " +
                                      std::to_string(info.extraMax));
        }
        if constexpr (kHasBonusBall<Rec>) {
            if (std::find(rec.Balls.begin(), rec.Balls.end(), *extra) != rec.Balls.end()) {
                return RowError(line, "the bonus ball " + std::to_string(*extra) + " is also a main ball");
            }
            rec.BonusBall = *extra;
        } else {
            rec.Thunderball = *extra;
        }
        ++at;
    }
    const std::string& ballSet = fields[at++];
    if constexpr (kHasBonusBall<Rec>) {
        const auto number = WholeNumber(ballSet);
        if (!ballSet.empty() && !number) {
            warnings.push_back("line " + std::to_string(line) + ": ball set \"" + ballSet +
                               "\" is not a number and is stored as 0");
        }
        rec.BallSet = number.value_or(0);
    } else {
        auto bytes = TextField(ballSet, decltype(rec.BallSet)::Width(), "ball_set", game, line);
        if (!bytes) {
            return bytes.GetError();
        }
        rec.BallSet = *bytes;
    }
    auto machine = TextField(fields[at], decltype(rec.Machine)::Width(), "machine", game, line);
    if (!machine) {
        return machine.GetError();
    }
    rec.Machine = *machine;
    return rec;
}

// The numbers of a draw as a set, so that the same draw typed in another order is still the same.
template <class Rec>
std::vector<int> NumbersOf(const Rec& draw) {
    const DrawView view = ViewOf(draw);
    std::vector<int> numbers = view.balls;
    std::sort(numbers.begin(), numbers.end());
    numbers.push_back(view.extra.value_or(0));
    return numbers;
}

std::string NumbersText(const DrawView& view) {
    std::string text;
    for (int ball : view.balls) {
        text += (text.empty() ? "" : " ") + std::to_string(ball);
    }
    if (view.extra) {
        text += " + " + std::to_string(*view.extra);
    }
    return text;
}

// Keeps the history about to be replaced beside it; an empty or missing history needs no copy.
Result<std::optional<std::filesystem::path>> KeepBackup(const std::filesystem::path& history) {
    auto bytes = ReadWholeFile(history);
    if (!bytes) {
        if (bytes.GetError().kind == ErrorKind::Missing) {
            return std::optional<std::filesystem::path>();
        }
        return bytes.GetError();
    }
    if (bytes->empty()) {
        return std::optional<std::filesystem::path>();
    }
    const auto backup = BackupPathFor(history);
    const Status kept = WriteFileAtomically(backup, *bytes);
    if (!kept) {
        return MakeError(kept.GetError().kind, kept.GetError().message + "; the history was left as it was");
    }
    return std::optional<std::filesystem::path>(backup);
}

// Errors of the CSV's own content start with `csvName` when there is one.
Error CsvError(const Error& error, const std::string& csvName) {
    return csvName.empty() ? error : MakeError(error.kind, csvName + ": " + error.message);
}

template <class Rec>
Result<CsvImportReport> Import(std::string_view csv, const std::filesystem::path& appDir, ImportMode mode,
                               const std::string& csvName) {
    constexpr Game game = GameOfRecord<Rec>();
    const auto length = static_cast<std::size_t>(Info(game).recordLength);
    const auto historyPath = HistoryPath(appDir, game);
    auto parsed = ParseHistoryCsv<Rec>(csv);
    if (!parsed) {
        return CsvError(parsed.GetError(), csvName);
    }
    CsvImportReport report;
    report.draws = parsed->draws.Size();
    report.warnings = std::move(parsed->warnings);

    OneBased<Rec> result;
    if (mode == ImportMode::Replace) {
        result = std::move(parsed->draws);
        report.added = report.draws;
    } else {
        auto held = ReadRecordFile<Rec>(historyPath, length);
        if (!held && held.GetError().kind != ErrorKind::Missing) {
            return held.GetError();
        }
        OneBased<Rec> history = held ? std::move(*held) : OneBased<Rec>();
        if (const auto problems = VerifyDraws(history); !problems.empty()) {
            return MakeError(ErrorKind::BadFormat, historyPath.string() + ": " +
                                                       std::to_string(problems.size()) +
                                                       " damaged records; a merge needs a sound history:\n" +
                                                       DescribeProblems(problems));
        }
        // The records held on each date: one, or a round each where the game draws two.
        std::map<double, std::vector<std::size_t>> heldOn;
        double newest = -std::numeric_limits<double>::infinity();
        for (std::size_t r = 1; r <= history.Size(); ++r) {
            heldOn[std::floor(history[r].DrawDate)].push_back(r);
            newest = std::max(newest, history[r].DrawDate);
        }
        // Second rounds of held dates, each to go in front of the round the history holds.
        std::map<std::size_t, std::vector<Rec>> roundsBefore;
        for (std::size_t i = 1; i <= parsed->draws.Size(); ++i) {
            const Rec& draw = parsed->draws[i];
            const auto same = heldOn.find(draw.DrawDate);
            if (same != heldOn.end()) {
                auto& held = same->second;
                const bool isHeld = std::any_of(held.begin(), held.end(), [&](std::size_t r) {
                    return r > 0 && NumbersOf(draw) == NumbersOf(history[r]);
                });
                if (!isHeld && static_cast<int>(held.size()) < RoundsOn(game, draw.DrawDate)) {
                    roundsBefore[held.front()].push_back(draw);
                    held.push_back(0);  // a round now taken, by a record not yet written
                    continue;
                }
                if (!isHeld) {
                    const Rec& first = history[held.front()];
                    return CsvError(RowError(parsed->lines[i - 1],
                                             "the draw on " + FormatDate(draw.DrawDate) + " (" +
                                                 NumbersText(ViewOf(draw)) +
                                                 ") differs from the draw the history holds on that date (" +
                                                 NumbersText(ViewOf(first)) + ")"),
                                    csvName);
                }
                ++report.alreadyHeld;
            } else if (draw.DrawDate > newest) {
                result.PushBack(draw);
            } else {
                ++report.older;
            }
        }
        for (const auto& [at, rounds] : roundsBefore) {
            report.added += rounds.size();
        }
        report.added += result.Size();
        if (report.added == 0) {
            return report;
        }
        for (std::size_t r = 1; r <= history.Size(); ++r) {
            if (const auto rounds = roundsBefore.find(r); rounds != roundsBefore.end()) {
                for (const Rec& round : rounds->second) {
                    result.PushBack(round);
                }
            }
            result.PushBack(history[r]);
        }
    }
    auto backup = KeepBackup(historyPath);
    if (!backup) {
        return backup.GetError();
    }
    report.backup = *backup;
    const Status written = WriteRecordFile(historyPath, length, result);
    if (!written) {
        return written.GetError();
    }
    return report;
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

std::filesystem::path BackupPathFor(const std::filesystem::path& historyPath) {
    std::filesystem::path backup = historyPath;
    backup += ".bak";
    return backup;
}

template <class Rec>
Result<HistoryCsvDraws<Rec>> ParseHistoryCsv(std::string_view csv) {
    constexpr Game game = GameOfRecord<Rec>();
    auto rows = ReadCsv(csv);
    if (!rows) {
        return rows.GetError();
    }
    const std::string header = HistoryCsvHeader(game);
    if (rows->empty() || rows->front().line != 1 || rows->front().fields != ReadCsv(header)->front().fields) {
        return MakeError(ErrorKind::BadFormat, "line 1: the header must read " + header);
    }
    struct Row {
        Rec draw;
        std::size_t line;
    };
    std::vector<Row> draws;
    HistoryCsvDraws<Rec> parsed;
    std::map<double, int> rowsOn;
    for (std::size_t i = 1; i < rows->size(); ++i) {
        const CsvRow& row = (*rows)[i];
        auto draw = ParseRow<Rec>(row.fields, row.line, parsed.warnings);
        if (!draw) {
            return draw.GetError();
        }
        // A date holds one draw, or one row per round where the game draws two.
        if (++rowsOn[draw->DrawDate] > RoundsOn(GameOfRecord<Rec>(), draw->DrawDate)) {
            return RowError(row.line, "a second draw on " + FormatDate(draw->DrawDate));
        }
        draws.push_back(Row{*draw, row.line});
    }
    if (draws.empty()) {
        return MakeError(ErrorKind::Empty, "no draws after the header");
    }
    std::stable_sort(draws.begin(), draws.end(),
                     [](const Row& a, const Row& b) { return a.draw.DrawDate > b.draw.DrawDate; });
    parsed.draws.Reserve(draws.size());
    for (const auto& row : draws) {
        parsed.draws.PushBack(row.draw);
        parsed.lines.push_back(row.line);
    }
    return parsed;
}

template <class Rec>
std::string HistoryCsvText(const OneBased<Rec>& draws) {
    std::string csv = HistoryCsvHeader(GameOfRecord<Rec>()) + "\n";
    for (const auto& draw : draws) {
        const DrawView view = ViewOf(draw);
        csv += FormatIsoDate(view.date);
        for (int ball : view.balls) {
            csv += "," + std::to_string(ball);
        }
        if (view.extra) {
            csv += "," + std::to_string(*view.extra);
        }
        csv += "," + CsvField(view.ballSet) + "," + CsvField(view.machine) + "\n";
    }
    return csv;
}

#define QUINTARA_INSTANTIATE(Rec)                                                 \
    template Result<HistoryCsvDraws<Rec>> ParseHistoryCsv<Rec>(std::string_view); \
    template std::string HistoryCsvText<Rec>(const OneBased<Rec>&)
QUINTARA_INSTANTIATE(LottoDrawRec);
QUINTARA_INSTANTIATE(LottoExtraDrawRec);
QUINTARA_INSTANTIATE(ThunderballDrawRec);
QUINTARA_INSTANTIATE(DailyPlayDrawRec);
QUINTARA_INSTANTIATE(Lotto59DrawRec);
QUINTARA_INSTANTIATE(Thunderball39DrawRec);
#undef QUINTARA_INSTANTIATE

Result<CsvImportReport> ImportHistoryCsv(Game game, std::string_view csv, const std::filesystem::path& appDir,
                                         ImportMode mode) {
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return Import<Rec>(csv, appDir, mode, std::string());
    });
}

Result<CsvImportReport> ImportHistoryCsvFile(Game game, const std::filesystem::path& csvPath,
                                             const std::filesystem::path& appDir, ImportMode mode) {
    const auto csv = ReadWholeFile(csvPath);
    if (!csv) {
        return csv.GetError();
    }
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        return Import<Rec>(*csv, appDir, mode, csvPath.string());
    });
}

Result<std::string> ExportHistoryCsv(Game game, const std::filesystem::path& appDir) {
    return WithDrawRecord(game, [&](auto tag) -> Result<std::string> {
        using Rec = typename decltype(tag)::type;
        const auto path = HistoryPath(appDir, game);
        auto draws = ReadRecordFile<Rec>(path, static_cast<std::size_t>(Info(game).recordLength));
        if (!draws) {
            return draws.GetError();
        }
        if (const auto problems = VerifyDraws(*draws); !problems.empty()) {
            return MakeError(ErrorKind::BadFormat, path.string() + ": " + std::to_string(problems.size()) +
                                                       " damaged records; the export was refused:\n" +
                                                       DescribeProblems(problems));
        }
        return HistoryCsvText(*draws);
    });
}

}  // namespace quintara
