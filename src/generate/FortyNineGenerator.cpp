#include "generate/FortyNineGenerator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "generate/GenerateError.h"
#include "generate/SectionSelection.h"

namespace quintara {

namespace {

constexpr int kBalls = 49;
constexpr int kRepeatsToStop = 100;

bool IsBall(int value) {
    return value >= 1 && value <= kBalls;
}

std::uint64_t Bit(int ball) {
    return std::uint64_t{1} << ball;
}

// A draw as a mask, or 0 when it cannot equal a line: a line holds six different balls of 1..49, so a
// draw with a repeated or foreign value never matches one.
std::uint64_t DrawMask(const LottoDrawRec& draw) {
    std::uint64_t mask = 0;
    for (auto ball : draw.Balls) {
        if (!IsBall(ball) || (mask & Bit(ball)) != 0) {
            return 0;
        }
        mask |= Bit(ball);
    }
    return mask;
}

// The counters of one run, as the lines are built from them.
class FortyNineRun {
public:
    FortyNineRun(const OneBased<LottoDrawRec>& lottoDraws, const OneBased<FrequencyRec>& ballFrequency,
                 const OneBased<LastDrawnRec>& ballLastDrawn) {
        CheckFortyNineStart(lottoDraws.Empty() ? nullptr : &lottoDraws[1], ballFrequency);
        const LottoDrawRec& newest = lottoDraws[1];
        for (std::size_t slot = 0; slot < 6; ++slot) {
            m_latest[slot + 1] = newest.Balls[slot];
        }
        m_latest[7] = newest.BonusBall;
        m_mostFrequent = ballFrequency[1].Ball;
        const auto lastDrawn = CompleteLastDrawn(ballLastDrawn, kBalls);
        for (std::size_t pos = 1; pos <= lastDrawn.Size(); ++pos) {
            m_lastDrawnBall[pos] = lastDrawn[pos].Ball;
        }
    }

    // The next candidate line as a mask of its six balls.
    std::uint64_t NextLine() {
        if (++m_phase > 2) {
            m_phase = 0;
            if (++m_pivotSlot == 6) {
                m_pivotSlot = 1;
            }
        }
        if (m_phase == 2 && ++m_latestBallSlot == 8) {
            m_latestBallSlot = 1;
        }
        const int n1 = m_latest[static_cast<std::size_t>(m_latestBallSlot)];
        std::uint64_t taken = Bit(n1);
        int n2 = m_mostFrequent;
        if (n1 == m_mostFrequent) {
            n2 = NextLastDrawnNotIn(taken);
        }
        taken |= Bit(n2);
        const int n3 = NextLastDrawnNotIn(taken);
        taken |= Bit(n3);
        const int n5 = NextLastDrawnNotIn(taken);
        taken |= Bit(n5);
        const int n6 = NextLastDrawnNotIn(taken);
        taken |= Bit(n6);
        const std::array<int, 5> slots{n1, n2, n3, n5, n6};
        const int pivot = slots[static_cast<std::size_t>(m_pivotSlot - 1)];
        return taken | Bit(Neighbour(pivot, taken));
    }

    // Called after every line that did not end the run.
    void LineDone() {
        if (++m_direction > 2) {
            m_direction = 1;
        }
    }

private:
    // Walks the 30 least recently drawn positions 49, 48, ..., 20, 49, ... and skips balls in the line.
    int NextLastDrawnNotIn(std::uint64_t taken) {
        int ball = 0;
        do {
            if (--m_lastDrawnPos == 19) {
                m_lastDrawnPos = 49;
            }
            ball = m_lastDrawnBall[static_cast<std::size_t>(m_lastDrawnPos)];
        } while ((taken & Bit(ball)) != 0);
        return ball;
    }

    static int Walk(int from, int step, std::uint64_t taken) {
        int v = from;
        while ((step > 0 ? v < kBalls : v > 1) && (taken & Bit(v)) != 0) {
            v += step;
        }
        return v;
    }

    // A walk that stops on a bound already in the line would put that ball in twice; the other
    // direction from the pivot always finds a free ball, since the line holds only five.
    int Neighbour(int pivot, std::uint64_t taken) const {
        int step = m_direction == 1 ? -1 : 1;
        if (pivot == 1) {
            step = 1;
        } else if (pivot == kBalls) {
            step = -1;
        }
        const int v = Walk(pivot, step, taken);
        if ((taken & Bit(v)) == 0) {
            return v;
        }
        return Walk(pivot, -step, taken);
    }

    std::array<int, 8> m_latest{};
    int m_mostFrequent = 0;
    std::array<int, kBalls + 1> m_lastDrawnBall{};
    int m_phase = 0;
    int m_pivotSlot = 1;
    int m_latestBallSlot = 1;
    int m_direction = 1;
    int m_lastDrawnPos = 50;
};

LottoDrawRec LineRecord(std::uint64_t mask) {
    LottoDrawRec line;
    std::size_t i = 0;
    while (mask != 0) {
        line.Balls[i++] = static_cast<std::int16_t>(std::countr_zero(mask));
        mask &= mask - 1;
    }
    return line;
}

}  // namespace

void CheckFortyNineStart(const LottoDrawRec* newestLottoDraw, const OneBased<FrequencyRec>& ballFrequency) {
    if (newestLottoDraw == nullptr) {
        throw GenerateError("there is no Lotto draw to start the lines from");
    }
    std::array<int, 7> latest{};
    std::copy(newestLottoDraw->Balls.begin(), newestLottoDraw->Balls.end(), latest.begin());
    latest[6] = newestLottoDraw->BonusBall;
    for (int ball : latest) {
        if (!IsBall(ball)) {
            throw GenerateError("the newest Lotto draw holds " + std::to_string(ball) +
                                ", which is not a ball of 1 - 49");
        }
    }
    if (ballFrequency.Empty() || !IsBall(ballFrequency[1].Ball)) {
        throw GenerateError("the ball frequencies do not name a most frequent ball of 1 - 49");
    }
}

OneBased<LottoDrawRec> GenerateFortyNineLines(const OneBased<LottoDrawRec>& lottoDraws,
                                              const OneBased<FrequencyRec>& ballFrequency,
                                              const OneBased<LastDrawnRec>& ballLastDrawn) {
    FortyNineRun run(lottoDraws, ballFrequency, ballLastDrawn);
    std::unordered_set<std::uint64_t> pastDraws;
    pastDraws.reserve(lottoDraws.Size() * 2);
    for (const auto& draw : lottoDraws) {
        if (const auto mask = DrawMask(draw); mask != 0) {
            pastDraws.insert(mask);
        }
    }
    OneBased<LottoDrawRec> lines;
    std::unordered_set<std::uint64_t> kept;
    kept.reserve(1024);
    int repeats = 0;
    int pastDrawsInARow = 0;
    while (true) {
        const std::uint64_t line = run.NextLine();
        if (pastDraws.contains(line)) {
            if (++pastDrawsInARow == kFortyNineCounterStates) {
                break;
            }
        } else {
            pastDrawsInARow = 0;
            if (kept.insert(line).second) {
                lines.PushBack(LineRecord(line));
            } else if (++repeats == kRepeatsToStop) {
                break;
            }
        }
        run.LineDone();
    }
    return lines;
}

}  // namespace quintara
