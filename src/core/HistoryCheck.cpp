#include "core/HistoryCheck.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/Dates.h"
#include "core/History.h"
#include "core/Windows1252.h"

namespace quintara {

namespace {

const double kFirstDay = SerialFromCivil({100, 1, 1});
const double kLastDay = SerialFromCivil({9999, 12, 31});

std::string Range(int low, int high) {
    return std::to_string(low) + " - " + std::to_string(high);
}

std::string DateText(double serial) {
    if (std::isnan(serial)) {
        return "not a number";
    }
    if (std::isinf(serial)) {
        return serial > 0 ? "infinite" : "minus infinite";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", serial);
    return text;
}

}  // namespace

std::string RecordProblem::Describe() const {
    return "record " + std::to_string(record) + " (draw " + std::to_string(drawNumber) + "): " + what;
}

bool IsDrawDate(double serial) {
    return std::isfinite(serial) && serial >= kFirstDay && serial < kLastDay + 1;
}

namespace {

// "ball<j + 1>" for the first of the first `count` balls that is `ball`, if one is.
std::optional<std::string> SameBall(const std::vector<int>& balls, std::size_t count, int ball) {
    const auto end = balls.begin() + static_cast<std::ptrdiff_t>(count);
    const auto same = std::find(balls.begin(), end, ball);
    if (same == end) {
        return std::nullopt;
    }
    return "ball" + std::to_string(same - balls.begin() + 1);
}

void AddBallFaults(const DrawView& draw, const GameInfo& info, std::vector<std::string>& faults) {
    for (std::size_t i = 0; i < draw.balls.size(); ++i) {
        const int ball = draw.balls[i];
        const std::string name = "ball" + std::to_string(i + 1);
        if (ball < 1 || ball > info.maxBall) {
            faults.push_back(name + " is " + std::to_string(ball) + ", not a ball of " +
                             Range(1, info.maxBall));
        } else if (const auto same = SameBall(draw.balls, i, ball)) {
            faults.push_back(name + " is " + std::to_string(ball) + ", the same as " + *same);
        }
    }
}

void AddExtraFaults(int extra, const DrawView& draw, const GameInfo& info, std::vector<std::string>& faults) {
    const bool bonus = info.countedFields > info.mainBalls;  // a bonus ball is drawn from the main balls
    const std::string name = bonus ? "the bonus ball" : "the Thunderball";
    if (extra < 1 || extra > info.extraMax) {
        faults.push_back(name + " is " + std::to_string(extra) + ", not a ball of " +
                         Range(1, info.extraMax));
    } else if (const auto same = bonus ? SameBall(draw.balls, draw.balls.size(), extra) : std::nullopt) {
        faults.push_back(name + " is " + std::to_string(extra) + ", the same as " + *same);
    }
}

void AddTextFaults(const DrawView& draw, const GameInfo& info, std::vector<std::string>& faults) {
    if (info.ballSetWidth == 0 && !draw.ballSet.empty() && draw.ballSet.front() == '-') {
        faults.push_back("the ball set is " + draw.ballSet + ", a negative number");
    }
    // The program never stores one; it would break every line the field is shown or exported in.
    for (const auto& [name, text] :
         {std::pair<std::string_view, const std::string*>{"the ball set", &draw.ballSet},
          {"the machine", &draw.machine}}) {
        const Windows1252Text field = EncodeWindows1252Field(*text);
        if (!field.Ok() && field.fault->control) {
            faults.push_back(std::string(name) + " holds " + field.fault->Describe(*text));
        }
    }
}

}  // namespace

std::vector<std::string> DrawFaults(Game game, const DrawView& draw) {
    const GameInfo& info = Info(game);
    std::vector<std::string> faults;
    if (!IsDrawDate(draw.date)) {
        faults.push_back("the date is " + DateText(draw.date) + ", not a day from 01/01/0100 to 31/12/9999");
    }
    AddBallFaults(draw, info, faults);
    if (draw.extra) {
        AddExtraFaults(*draw.extra, draw, info, faults);
    }
    AddTextFaults(draw, info, faults);
    return faults;
}

template <class Rec>
std::vector<RecordProblem> VerifyDraws(const OneBased<Rec>& draws) {
    constexpr Game game = GameOfRecord<Rec>();
    const auto count = static_cast<std::int32_t>(draws.Size());
    std::vector<RecordProblem> problems;
    std::unordered_map<double, std::pair<std::size_t, int>> onDate;  // first record, records so far
    for (std::size_t r = 1; r <= draws.Size(); ++r) {
        const DrawView view = ViewOf(draws[r]);
        const std::int32_t drawNumber = count + 1 - static_cast<std::int32_t>(r);
        for (auto& what : DrawFaults(game, view)) {
            problems.push_back({r, drawNumber, std::move(what)});
        }
        if (IsDrawDate(view.date)) {
            const double day = std::floor(view.date);
            auto& [first, records] = onDate.try_emplace(day, r, 0).first->second;
            if (++records > RoundsOn(game, day)) {
                problems.push_back({r, drawNumber,
                                    "a second draw on " + FormatDate(day) + ", the date of record " +
                                        std::to_string(first)});
            }
        }
    }
    return problems;
}

template std::vector<RecordProblem> VerifyDraws(const OneBased<LottoDrawRec>&);
template std::vector<RecordProblem> VerifyDraws(const OneBased<LottoExtraDrawRec>&);
template std::vector<RecordProblem> VerifyDraws(const OneBased<ThunderballDrawRec>&);
template std::vector<RecordProblem> VerifyDraws(const OneBased<DailyPlayDrawRec>&);
template std::vector<RecordProblem> VerifyDraws(const OneBased<Lotto59DrawRec>&);
template std::vector<RecordProblem> VerifyDraws(const OneBased<Thunderball39DrawRec>&);

Expected<std::vector<RecordProblem>> VerifyHistory(Game game, const std::filesystem::path& appDir) {
    return WithDrawRecord(game, [&](auto tag) -> Expected<std::vector<RecordProblem>> {
        using Rec = typename decltype(tag)::type;
        auto draws =
            ReadRecordFile<Rec>(HistoryPath(appDir, game), static_cast<std::size_t>(Info(game).recordLength));
        if (!draws) {
            return Refuse(draws.error());
        }
        return VerifyDraws(*draws);
    });
}

std::string DescribeProblems(const std::vector<RecordProblem>& problems, std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < limit; ++i) {
        text += problems[i].Describe() + "\n";
    }
    if (problems.size() > limit) {
        text += "and " + std::to_string(problems.size() - limit) + " more\n";
    }
    return text;
}

}  // namespace quintara
