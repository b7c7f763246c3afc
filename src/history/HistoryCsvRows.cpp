#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

#include "core/Dates.h"
#include "core/Draws.h"
#include "core/TextRules.h"
#include "core/Windows1252.h"
#include "history/Csv.h"
#include "history/HistoryCsv.h"

namespace quintara {

namespace {

std::optional<std::int16_t> WholeNumber(const std::string& text) {
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    return ToInteger(text);
}

// A UTF-8 CSV field as the bytes of a record text field of `width` characters.
Expected<std::string> TextField(const std::string& text, std::size_t width, std::string_view column,
                                Game game, std::size_t line) {
    const Windows1252Text encoded = EncodeWindows1252Field(text);
    if (!encoded.Ok()) {
        return Refuse(CsvLineError(line, std::string(column) + " holds " + encoded.fault->Describe(text)));
    }
    if (encoded.bytes.size() > width) {
        return Refuse(CsvLineError(line, std::string(column) + " \"" + text + "\" is " +
                                             std::to_string(encoded.bytes.size()) + " characters long; a " +
                                             GameName(game) + " " + std::string(column) + " holds at most " +
                                             std::to_string(width)));
    }
    return encoded.bytes;
}

// A row's draw date, as yyyy-mm-dd or DD/MM/YYYY.
Expected<double> RowDate(const std::string& field, std::size_t line) {
    auto date = ParseIsoDate(field);
    if (!date) {
        date = ParseDate(field);
    }
    if (!date) {
        return Refuse(CsvLineError(line, "\"" + field + "\" is not a date (yyyy-mm-dd or DD/MM/YYYY)"));
    }
    return *date;
}

// The main balls from field `at` on, each in range and drawn once.
template <class Rec>
Checked ReadMainBalls(Rec& rec, const std::vector<std::string>& fields, std::size_t at, std::size_t line) {
    const GameInfo& info = Info(GameOfRecord<Rec>());
    for (std::size_t b = 0; b < static_cast<std::size_t>(info.mainBalls); ++b, ++at) {
        const auto ball = WholeNumber(fields[at]);
        if (!ball || *ball < 1 || *ball > info.maxBall) {
            return Refuse(CsvLineError(line, "ball" + std::to_string(b + 1) + " \"" + fields[at] +
                                                 "\" is not a number from 1 to " +
                                                 std::to_string(info.maxBall)));
        }
        const auto before = rec.Balls.begin() + static_cast<std::ptrdiff_t>(b);
        if (std::find(rec.Balls.begin(), before, *ball) != before) {
            return Refuse(CsvLineError(line, "ball " + std::to_string(*ball) + " appears twice"));
        }
        rec.Balls[b] = *ball;
    }
    return {};
}

// The bonus ball or the Thunderball, for the records that have one.
template <class Rec>
Checked ReadExtraBall(Rec& rec, const std::string& field, std::size_t line) {
    const GameInfo& info = Info(GameOfRecord<Rec>());
    const auto extra = WholeNumber(field);
    if (!extra || *extra < 1 || *extra > info.extraMax) {
        return Refuse(CsvLineError(
            line, "extra \"" + field + "\" is not a number from 1 to " + std::to_string(info.extraMax)));
    }
    if constexpr (kHasBonusBall<Rec>) {
        if (std::find(rec.Balls.begin(), rec.Balls.end(), *extra) != rec.Balls.end()) {
            return Refuse(
                CsvLineError(line, "the bonus ball " + std::to_string(*extra) + " is also a main ball"));
        }
        rec.BonusBall = *extra;
    } else {
        rec.Thunderball = *extra;
    }
    return {};
}

// The ball set: a number for the records that keep it as one, else text.
template <class Rec>
Checked ReadBallSet(Rec& rec, const std::string& ballSet, std::size_t line,
                    std::vector<std::string>& warnings) {
    if constexpr (kHasBonusBall<Rec>) {
        const auto number = WholeNumber(ballSet);
        // A number the field cannot hold, or a negative one, is a mistake in the file, not text to drop.
        if (!number && IsNumeric(ballSet)) {
            return Refuse(CsvLineError(line, "ball_set \"" + ballSet + "\" is not a whole number from 0 to " +
                                                 std::to_string(std::numeric_limits<std::int16_t>::max())));
        }
        if (!ballSet.empty() && !number) {
            warnings.push_back("line " + std::to_string(line) + ": ball set \"" + ballSet +
                               "\" is not a number and is stored as 0");
        }
        rec.BallSet = number.value_or(0);
    } else {
        auto bytes =
            TextField(ballSet, decltype(rec.BallSet)::Width(), "ball_set", GameOfRecord<Rec>(), line);
        if (!bytes) {
            return Refuse(bytes.error());
        }
        rec.BallSet = *bytes;
    }
    return {};
}

template <class Rec>
Expected<Rec> ParseRow(const std::vector<std::string>& fields, std::size_t line,
                       std::vector<std::string>& warnings) {
    constexpr Game game = GameOfRecord<Rec>();
    const GameInfo& info = Info(game);
    const std::size_t expected = 1 + static_cast<std::size_t>(info.mainBalls) + (info.hasExtra ? 1 : 0) + 2;
    if (fields.size() != expected) {
        return Refuse(CsvLineError(
            line, std::to_string(fields.size()) + " fields, expected " + std::to_string(expected)));
    }
    Rec rec;
    const auto date = RowDate(fields[0], line);
    if (!date) {
        return Refuse(date.error());
    }
    rec.DrawDate = *date;
    if (const Checked balls = ReadMainBalls(rec, fields, 1, line); !balls) {
        return Refuse(balls.error());
    }
    std::size_t at = 1 + static_cast<std::size_t>(info.mainBalls);
    if constexpr (kHasBonusBall<Rec> || kHasThunderball<Rec>) {
        if (const Checked extra = ReadExtraBall(rec, fields[at++], line); !extra) {
            return Refuse(extra.error());
        }
    }
    if (const Checked ballSet = ReadBallSet(rec, fields[at++], line, warnings); !ballSet) {
        return Refuse(ballSet.error());
    }
    auto machine = TextField(fields[at], decltype(rec.Machine)::Width(), "machine", game, line);
    if (!machine) {
        return Refuse(machine.error());
    }
    rec.Machine = *machine;
    return rec;
}

// The header of the operator's own results file of a game shaped like `Rec`, or "" when it publishes none
// in that shape. Its columns are ours in the same order, then columns the history has no room for.
template <class Rec>
std::string OperatorCsvHeader() {
    const GameInfo& info = Info(GameOfRecord<Rec>());
    std::string header = "DrawDate";
    for (int b = 1; b <= info.mainBalls; ++b) {
        header += ",Ball " + std::to_string(b);
    }
    if constexpr (kHasBonusBall<Rec>) {
        return header + ",Bonus Ball,Ball Set,Machine,Raffles,DrawNumber";
    } else if constexpr (kHasThunderball<Rec>) {
        return header + ",Thunderball,Ball Set,Machine,DrawNumber";
    } else {
        return std::string();
    }
}

// An operator's date ("03-Dec-2014") as the import's own ("2014-12-03"), or nothing.
std::optional<std::string> IsoFromOperatorDate(std::string_view text) {
    static constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                                 "jul", "aug", "sep", "oct", "nov", "dec"};
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string day(text.substr(0, first));
    std::string month(text.substr(first + 1, second - first - 1));
    std::transform(month.begin(), month.end(), month.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const std::string year(text.substr(second + 1));
    const auto named = std::find(kMonths.begin(), kMonths.end(), month);
    if (day.empty() || day.size() > 2 || !IsDigits(day) || year.size() != 4 || !IsDigits(year) ||
        named == kMonths.end()) {
        return std::nullopt;
    }
    const int monthNumber = static_cast<int>(named - kMonths.begin()) + 1;
    std::string iso = year + "-" + (monthNumber < 10 ? "0" : "") + std::to_string(monthNumber) + "-" +
                      (day.size() == 1 ? "0" : "") + day;
    if (!ParseIsoDate(iso)) {
        return std::nullopt;  // a day the month does not have
    }
    return iso;
}

// A row of the operator's layout as a row of ours: the date rewritten, the columns past the machine
// (the raffle codes, the operator's draw count) read past.
Checked ToOwnRow(std::vector<std::string>& fields, std::size_t operatorFields, std::size_t ownFields,
                 std::size_t line) {
    if (fields.size() != operatorFields) {
        return Refuse(CsvLineError(
            line, std::to_string(fields.size()) + " fields, expected " + std::to_string(operatorFields)));
    }
    const auto date = IsoFromOperatorDate(fields[0]);
    if (!date) {
        return Refuse(CsvLineError(line, "\"" + fields[0] + "\" is not a date (DD-Mon-YYYY)"));
    }
    fields[0] = *date;
    fields.resize(ownFields);
    return {};
}

// The first line of a CSV as it reads, for a message; a long one is cut short.
std::string FirstLine(std::string_view csv) {
    if (csv.starts_with(kUtf8Bom)) {
        csv.remove_prefix(kUtf8Bom.size());
    }
    constexpr std::size_t kShown = 160;
    const std::string_view line = csv.substr(0, csv.find_first_of("\r\n"));
    return line.size() > kShown ? std::string(line.substr(0, kShown)) + "..." : std::string(line);
}

// The numbers of a draw as a set, so that the same draw typed in another order is still the same.

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

namespace {

// The header fields of a game's own layout and of its operator's (empty when it publishes none).
struct CsvLayouts {
    std::string header;
    std::vector<std::string> headerFields;
    std::string operatorHeader;
    std::vector<std::string> operatorFields;
};

template <class Rec>
CsvLayouts LayoutsOf() {
    CsvLayouts layouts;
    layouts.header = HistoryCsvHeader(GameOfRecord<Rec>());
    layouts.headerFields = ReadCsv(layouts.header).value().front().fields;
    layouts.operatorHeader = OperatorCsvHeader<Rec>();
    if (!layouts.operatorHeader.empty()) {
        layouts.operatorFields = ReadCsv(layouts.operatorHeader).value().front().fields;
    }
    return layouts;
}

// Why the first row of `csv` is no header of the game's layouts: a header that starts as ours is our
// layout gone wrong; any other is a layout not known.
Refusal HeaderError(const CsvRow& row, std::string_view csv, const CsvLayouts& layouts, Game game) {
    if (row.fields.front().ends_with(layouts.headerFields.front())) {
        return {.text = "line 1: the header must read " + layouts.header, .cause = RefusalCause::BadFormat};
    }
    return {.text = "line 1: the header \"" + FirstLine(csv) + "\" is not a layout of " + GameName(game) +
                    " draws; it must read " + layouts.header +
                    (layouts.operatorHeader.empty() ? "" : " or " + layouts.operatorHeader),
            .cause = RefusalCause::BadFormat};
}

// Newest first, draws of one date in the order of their lines: `order[k]` is the draw read k-th.
template <class Rec>
std::vector<std::uint32_t> NewestFirst(const HistoryCsvDraws<Rec>& parsed) {
    std::vector<std::uint32_t> order(parsed.draws.Size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    std::stable_sort(order.begin(), order.end(), [&parsed](std::uint32_t a, std::uint32_t b) {
        return parsed.draws[a + 1].DrawDate > parsed.draws[b + 1].DrawDate;
    });
    return order;
}

// The draw (as read) of the first line that puts a draw too many on its date: a date holds one draw, or
// one row per round where the game draws two.
template <class Rec>
std::optional<std::size_t> FirstDrawTooMany(const HistoryCsvDraws<Rec>& parsed,
                                            const std::vector<std::uint32_t>& order) {
    std::optional<std::size_t> tooMany;
    int onDate = 1;
    for (std::size_t k = 1; k < order.size(); ++k) {
        const auto& earlier = parsed.draws[order[k - 1] + 1];
        const auto& later = parsed.draws[order[k] + 1];
        onDate = earlier.DrawDate > later.DrawDate ? 1 : onDate + 1;
        if (onDate > RoundsOn(GameOfRecord<Rec>(), later.DrawDate) &&
            (!tooMany || parsed.lines[order[k]] < parsed.lines[*tooMany])) {
            tooMany = order[k];
        }
    }
    return tooMany;
}

// Puts the draws in `order` where they are, a cycle of the permutation at a time.
template <class Rec>
void Reorder(HistoryCsvDraws<Rec>& parsed, std::vector<std::uint32_t> order) {
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (order[k] == k) {
            continue;
        }
        Rec draw = std::move(parsed.draws[k + 1]);
        const std::size_t line = parsed.lines[k];
        std::size_t at = k;
        while (true) {
            const std::size_t from = order[at];
            order[at] = static_cast<std::uint32_t>(at);
            if (from == k) {
                parsed.draws[at + 1] = std::move(draw);
                parsed.lines[at] = line;
                break;
            }
            parsed.draws[at + 1] = std::move(parsed.draws[from + 1]);
            parsed.lines[at] = parsed.lines[from];
            at = from;
        }
    }
}

}  // namespace

template <class Rec>
Expected<HistoryCsvDraws<Rec>> ParseHistoryCsv(std::string_view csv) {
    const CsvLayouts layouts = LayoutsOf<Rec>();
    // The rows become draws as they are read, so that a long CSV is held once as text and once as
    // draws. A fault of the CSV itself anywhere comes first, then the first faulty row.
    HistoryCsvDraws<Rec> parsed;
    // Room for a draw a line, so that growing never holds the draws twice over.
    const auto lines = static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) + 1;
    parsed.draws.Reserve(lines);
    parsed.lines.reserve(lines);
    std::optional<Refusal> rowError;
    bool headerError = false;
    bool first = true;
    bool operatorLayout = false;
    const Checked read = ForEachCsvRow(csv, [&](CsvRow& row) {
        if (rowError) {
            return;
        }
        if (first) {
            first = false;
            operatorLayout =
                !layouts.operatorFields.empty() && row.line == 1 && row.fields == layouts.operatorFields;
            if (!operatorLayout && (row.line != 1 || row.fields != layouts.headerFields)) {
                rowError = HeaderError(row, csv, layouts, GameOfRecord<Rec>());
                headerError = true;
            }
            return;
        }
        if (operatorLayout) {
            const Checked own =
                ToOwnRow(row.fields, layouts.operatorFields.size(), layouts.headerFields.size(), row.line);
            if (!own) {
                rowError = own.error();
                return;
            }
        }
        auto draw = ParseRow<Rec>(row.fields, row.line, parsed.warnings);
        if (!draw) {
            rowError = draw.error();
            return;
        }
        parsed.draws.PushBack(*draw);
        parsed.lines.push_back(row.line);
    });
    if (!read) {
        return Refuse(read.error());
    }
    if (first) {
        return Refuse(RefusalCause::BadFormat, "line 1: the header must read " + layouts.header);
    }
    if (headerError) {
        return Refuse(*rowError);
    }
    // A draw too many on a date is a fault of its line; the first such line, or an earlier faulty row, is
    // told.
    std::vector<std::uint32_t> order = NewestFirst(parsed);
    if (const auto tooMany = FirstDrawTooMany(parsed, order)) {
        return Refuse(CsvLineError(parsed.lines[*tooMany],
                                   "a second draw on " + FormatDate(parsed.draws[*tooMany + 1].DrawDate)));
    }
    if (rowError) {
        return Refuse(*rowError);
    }
    Reorder(parsed, std::move(order));
    return parsed;
}

#define QUINTARA_INSTANTIATE(Rec) \
    template Expected<HistoryCsvDraws<Rec>> ParseHistoryCsv<Rec>(std::string_view)
QUINTARA_FOR_EACH_HISTORY_RECORD(QUINTARA_INSTANTIATE);
#undef QUINTARA_INSTANTIATE

}  // namespace quintara
