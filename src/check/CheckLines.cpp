#include "check/CheckLines.h"

#include <algorithm>
#include <span>
#include <stdexcept>

#include "core/Files.h"
#include "core/TextRules.h"

namespace quintara {

namespace {

constexpr std::size_t kBonusPosition = 6;  // txtBonusBall, the seventh box

// The matches of one line: the typed numbers outside, the line's numbers inside, each typed number found at
// most once. Lotto's bonus ball comes last and only marks a line that already matched five.
WinningLineRec MatchLine(Game game, const TypedDraw& typed, std::span<const std::int16_t> numbers) {
    WinningLineRec match;
    const auto typedCount = static_cast<std::size_t>(CheckBoxCount(game));
    for (std::size_t b = 0; b < typedCount; ++b) {
        if (typed[b] < 1) {
            continue;  // no ball is 0: an unfilled place must not match the zeroed line of an empty file
        }
        for (const auto number : numbers) {
            if (number != typed[b]) {
                continue;
            }
            if (game == Game::Lotto && b == kBonusPosition) {
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

bool Wins(Game game, std::int16_t matches) {
    switch (game) {
    case Game::LottoExtra:
        return matches == 6;
    case Game::DailyPlay:
        return matches >= 4;
    case Game::Lotto:
    case Game::Thunderball:
        break;
    }
    return matches >= 3;
}

template <class Rec>
CheckResult Check(Game game, const TypedDraw& typed, const OneBased<Rec>& lines, std::size_t lineNumbers) {
    CheckResult result;
    result.winningLines.Resize(1);
    result.linesChecked = lines.Size();
    for (std::size_t index = 1; index <= lines.Size(); ++index) {
        WinningLineRec match = MatchLine(game, typed, std::span(lines[index].Balls).first(lineNumbers));
        if (!Wins(game, match.Matches)) {
            continue;
        }
        match.LineIndex = static_cast<std::int32_t>(index);
        ++result.winners;
        if (result.winners == 1) {
            result.winningLines[1] = match;
        } else {
            result.winningLines.PushBack(match);
        }
        if (match.BonusNumber >= 1) {
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
    switch (game) {
    case Game::Lotto:
    case Game::DailyPlay:
        return 7;
    case Game::LottoExtra:
        return 6;
    case Game::Thunderball:
        return 5;
    }
    return 7;
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

TypedDraw TypedFromDraw(const DailyPlayDrawRec& draw) {
    TypedDraw typed{};
    std::copy(draw.Balls.begin(), draw.Balls.end(), typed.begin());
    return typed;
}

CheckResult CheckLines(Game game, const TypedDraw& typed, const OneBased<LottoDrawRec>& lines) {
    if (game == Game::DailyPlay) {
        throw std::invalid_argument("Daily Play lines are checked from their own records");
    }
    return Check(game, typed, lines, static_cast<std::size_t>(Info(game).mainBalls));
}

CheckResult CheckLines(Game game, const TypedDraw& typed, const OneBased<DailyPlayDrawRec>& lines) {
    if (game != Game::DailyPlay) {
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

WriteStatus SaveReport(const std::filesystem::path& path, std::string_view reportText) {
    std::string bytes(reportText);
    bytes += kCrLf;
    return WriteFileAtomically(path, bytes);
}

}  // namespace quintara
