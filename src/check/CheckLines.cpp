#include "check/CheckLines.h"

#include <algorithm>
#include <span>
#include <stdexcept>

#include "core/Files.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

constexpr std::size_t kBonusPosition = 6;  // txtBonusBall, the seventh box

// Where the typed extra ball stands and what it is compared with.
enum class ExtraCheck {
    None,
    Bonus,        // the last box, among the line's numbers, and only for a line that matched five
    Thunderball,  // the box after the main numbers, against the line's Thunderball (its Ball6)
};

ExtraCheck ExtraCheckOf(Game game) {
    const GameInfo& info = Info(game);
    if (info.countedFields > info.mainBalls) {
        return ExtraCheck::Bonus;
    }
    return info.ChecksLineThunderball() ? ExtraCheck::Thunderball : ExtraCheck::None;
}

// The matches of one line: the typed numbers outside, the line's numbers inside, each typed number found at
// most once. Lotto's bonus ball comes last and only marks a line that already matched five; a Thunderball
// checked with the line marks the line when it is the line's.
WinningLineRec MatchLine(Game game, const TypedDraw& typed, std::span<const std::int16_t> line,
                         std::size_t lineNumbers) {
    WinningLineRec match;
    const ExtraCheck extra = ExtraCheckOf(game);
    const auto numbers = line.first(lineNumbers);
    const auto typedCount = static_cast<std::size_t>(CheckBoxCount(game));
    for (std::size_t b = 0; b < typedCount; ++b) {
        if (typed[b] < 1) {
            continue;  // no ball is 0: an unfilled place must not match the zeroed line of an empty file
        }
        if (extra == ExtraCheck::Thunderball && b == lineNumbers) {
            if (line[lineNumbers] == typed[b]) {
                match.BonusNumber = typed[b];
            }
            continue;
        }
        for (const auto number : numbers) {
            if (number != typed[b]) {
                continue;
            }
            if (extra == ExtraCheck::Bonus && b == kBonusPosition) {
                if (match.Matches == 5) {
                    match.BonusNumber = typed[b];
                }
            } else {
                ++match.Matches;
            }
            break;
        }
    }
    return match;
}

template <class Rec>
CheckResult Check(Game game, const TypedDraw& typed, const OneBased<Rec>& lines, std::size_t lineNumbers) {
    CheckResult result;
    result.winningLines.Resize(1);
    result.linesChecked = lines.Size();
    result.game = game;
    const bool tiered = !Info(game).tiers.empty();
    result.tierCounts.assign(Info(game).tiers.size(), 0);
    for (std::size_t index = 1; index <= lines.Size(); ++index) {
        WinningLineRec match = MatchLine(game, typed, std::span(lines[index].Balls), lineNumbers);
        const std::optional<std::size_t> tier =
            tiered ? PrizeTierOf(game, match.Matches, match.BonusNumber >= 1) : std::nullopt;
        if (tiered ? !tier : match.Matches < Info(game).leastWinning) {
            continue;
        }
        match.LineIndex = static_cast<std::int32_t>(index);
        ++result.winners;
        if (result.winners == 1) {
            result.winningLines[1] = match;
        } else {
            result.winningLines.PushBack(match);
        }
        if (tier) {
            ++result.tierCounts[*tier];
        } else if (match.BonusNumber >= 1) {
            ++result.counts.fiveAndBonus;
        } else {
            switch (match.Matches) {
            case 3:
                ++result.counts.three;
                break;
            case 4:
                ++result.counts.four;
                break;
            case 5:
                ++result.counts.five;
                break;
            case 6:
                ++result.counts.six;
                break;
            case 7:
                ++result.counts.seven;
                break;
            default:
                break;
            }
        }
    }
    return result;
}

}  // namespace

int CheckBoxCount(Game game) {
    return Info(game).checkBoxes;
}

std::optional<std::size_t> PrizeTierOf(Game game, int matches, bool extraMatched) {
    const auto tiers = Info(game).tiers;
    std::optional<std::size_t> plain;
    for (std::size_t t = 0; t < tiers.size(); ++t) {
        if (tiers[t].matches != matches) {
            continue;
        }
        if (tiers[t].withExtra == extraMatched) {
            return t;
        }
        if (!tiers[t].withExtra) {
            plain = t;
        }
    }
    return plain;
}

TypedDraw TypedFromBoxes(Game game, const CheckBoxes& boxes) {
    TypedDraw typed{};
    for (std::size_t b = 0; b < static_cast<std::size_t>(CheckBoxCount(game)); ++b) {
        typed[b] = ToInteger(boxes[b]).value_or(0);
    }
    return typed;
}

TypedDraw TypedFromDraw(const LottoDrawRec& draw) {
    TypedDraw typed{};
    std::copy(draw.Balls.begin(), draw.Balls.end(), typed.begin());
    typed[kBonusPosition] = draw.BonusBall;
    return typed;
}

TypedDraw TypedFromDraw(const LottoExtraDrawRec& draw) {
    TypedDraw typed{};
    std::copy(draw.Balls.begin(), draw.Balls.end(), typed.begin());
    return typed;
}

TypedDraw TypedFromDraw(const ThunderballDrawRec& draw) {
    TypedDraw typed{};
    std::copy(draw.Balls.begin(), draw.Balls.end(), typed.begin());
    return typed;
}

TypedDraw TypedFromDraw(const Thunderball39DrawRec& draw) {
    TypedDraw typed{};
    std::copy(draw.Balls.begin(), draw.Balls.end(), typed.begin());
    typed[draw.Balls.size()] = draw.Thunderball;
    return typed;
}

TypedDraw TypedFromDraw(const DailyPlayDrawRec& draw) {
    TypedDraw typed{};
    std::copy(draw.Balls.begin(), draw.Balls.end(), typed.begin());
    return typed;
}

CheckResult CheckLines(Game game, const TypedDraw& typed, const OneBased<LottoDrawRec>& lines) {
    if (Info(game).sevenBallLines) {
        throw std::invalid_argument("Daily Play lines are checked from their own records");
    }
    return Check(game, typed, lines, static_cast<std::size_t>(Info(game).mainBalls));
}

CheckResult CheckLines(Game game, const TypedDraw& typed, const OneBased<DailyPlayDrawRec>& lines) {
    if (!Info(game).sevenBallLines) {
        throw std::invalid_argument(GameName(game) + " lines are checked from draw-record lines");
    }
    return Check(game, typed, lines, static_cast<std::size_t>(Info(game).mainBalls));
}

std::string WinningReportText(const CheckResult& result) {
    if (result.winners == 0) {
        return std::string(kNoWinReport);
    }
    const std::string crlf(kCrLf);
    const auto& counts = result.counts;
    std::string text = "You have " + std::to_string(result.winners) +
                       (result.winners == 1 ? " winning line of:" : " winning lines of:") + crlf + crlf;
    if (!result.tierCounts.empty()) {
        const auto tiers = Info(result.game).tiers;
        for (std::size_t t = 0; t < tiers.size(); ++t) {
            text += std::to_string(result.tierCounts[t]) + "  x " + std::string(tiers[t].label) + crlf;
        }
        return text + crlf + "Out of " + std::to_string(result.linesChecked) + " lines";
    }
    text += std::to_string(counts.three) + "  x 3 Numbers" + crlf;
    text += std::to_string(counts.four) + "  x 4 Numbers" + crlf;
    text += std::to_string(counts.five) + "  x 5 Numbers" + crlf;
    text += std::to_string(counts.fiveAndBonus) + "  x 5 Numbers and Bonus Ball" + crlf;
    text += std::to_string(counts.six) + "  x 6 Numbers" + crlf;
    text += std::to_string(counts.seven) + "  x 7 Numbers" + crlf + crlf;
    text += "Out of " + std::to_string(result.linesChecked) + " lines";
    return text;
}

std::string WinningLinesCaption(std::int32_t winners) {
    return winners == 1 ? std::string("View Winning Line")
                        : "View " + std::to_string(winners) + " Winning Lines";
}

Expected<FileWritten> SaveReport(const std::filesystem::path& path, std::string_view reportText) {
    std::string bytes(reportText);
    bytes += kCrLf;
    return WriteFileAtomically(path, bytes);
}

}  // namespace quintara
