#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"
#include "generate/FortyNineGenerator.h"
#include "generate/SectionSelection.h"

namespace quintara::reference {

// What the plain version of the forty-nine number generator made and met on its way.
struct FortyNineReferenceRun {
    OneBased<LottoDrawRec> lines;
    long repeats = 0;
    long pastDrawLines = 0;
    std::vector<std::size_t> keptAtRepeat;  // [k - 1]: lines kept when the k-th repeat was met
};

// Ascending Shell sort of elements 1..n, the passes of the program's integer sort, without allocating.
template <std::size_t N>
void ShellSortAscending(std::array<int, N>& a, int n) {
    for (int gap = n / 2; gap >= 1; gap /= 2) {
        for (int i = gap; i <= n - 1; ++i) {
            for (int j = i - gap + 1; j >= 1; j -= gap) {
                if (a[static_cast<std::size_t>(j)] <= a[static_cast<std::size_t>(j + gap)]) {
                    break;
                }
                std::swap(a[static_cast<std::size_t>(j)], a[static_cast<std::size_t>(j + gap)]);
            }
        }
    }
}

// The forty-nine number generator step by step, as slow as written: every candidate line is compared with
// every past draw, sorted afresh, and with every kept line in turn. The fast generator must give the same
// lines; the benchmark of the two checks that they do.
inline FortyNineReferenceRun ReferenceFortyNineLines(const OneBased<LottoDrawRec>& lottoDraws,
                                                     const OneBased<FrequencyRec>& ballFrequency,
                                                     const OneBased<LastDrawnRec>& ballLastDrawn) {
    const OneBased<LastDrawnRec> lastDrawn = CompleteLastDrawn(ballLastDrawn, 49);
    const LottoDrawRec& newest = lottoDraws[1];
    FortyNineReferenceRun run;
    long lineCount = 0;
    int phase = 0;
    int pivotSlot = 1;
    int latestBallSlot = 1;
    int direction = 1;
    int lastDrawnPos = 50;
    long pastDrawsInARow = 0;

    auto nextLastDrawn = [&] {
        lastDrawnPos = lastDrawnPos - 1;
        if (lastDrawnPos == 19) {
            lastDrawnPos = 49;
        }
        return static_cast<int>(lastDrawn[static_cast<std::size_t>(lastDrawnPos)].Ball);
    };

    while (true) {
        phase = phase + 1;
        if (phase > 2) {
            phase = 0;
            pivotSlot = pivotSlot + 1;
        }
        if (pivotSlot == 6) {
            pivotSlot = 1;
        }
        if (phase == 2) {
            latestBallSlot = latestBallSlot + 1;
            if (latestBallSlot == 8) {
                latestBallSlot = 1;
            }
        }
        const int n1 = latestBallSlot == 7 ? newest.BonusBall
                                           : newest.Balls[static_cast<std::size_t>(latestBallSlot - 1)];
        int n2 = 0;
        if (n1 != ballFrequency[1].Ball) {
            n2 = ballFrequency[1].Ball;
        } else {
            do {
                n2 = nextLastDrawn();
            } while (n2 == n1);
        }
        int n3 = 0;
        do {
            n3 = nextLastDrawn();
        } while (n3 == n1 || n3 == n2);
        int n5 = 0;
        do {
            n5 = nextLastDrawn();
        } while (n5 == n1 || n5 == n2 || n5 == n3);
        int n6 = 0;
        do {
            n6 = nextLastDrawn();
        } while (n6 == n1 || n6 == n2 || n6 == n3 || n6 == n5);

        const int list[5] = {n1, n2, n3, n5, n6};
        auto inList = [&](int v) {
            for (int x : list) {
                if (x == v) {
                    return true;
                }
            }
            return false;
        };
        auto upward = [&](int v) {
            while (v < 49 && inList(v)) {
                v = v + 1;
            }
            return v;
        };
        auto downward = [&](int v) {
            while (v > 1 && inList(v)) {
                v = v - 1;
            }
            return v;
        };
        const int pivot = list[pivotSlot - 1];
        int n4 = 0;
        if (pivot == 1) {
            n4 = upward(pivot);
        } else if (pivot == 49) {
            n4 = downward(pivot);
        } else if (direction == 1) {
            n4 = downward(pivot);
        } else {
            n4 = upward(pivot);
        }
        if (inList(n4)) {
            n4 = n4 == 1 ? upward(pivot) : downward(pivot);
        }

        std::array<int, 7> line{0, n1, n2, n3, n4, n5, n6};
        ShellSortAscending(line, 6);
        lineCount = lineCount + 1;

        bool dropped = false;
        for (const auto& draw : lottoDraws) {
            std::array<int, 7> balls{};
            for (std::size_t b = 0; b < 6; ++b) {
                balls[b + 1] = draw.Balls[b];
            }
            ShellSortAscending(balls, 6);
            if (balls == line) {
                lineCount = lineCount - 1;
                dropped = true;
                ++run.pastDrawLines;
                break;
            }
        }
        if (dropped) {
            if (++pastDrawsInARow == kFortyNineCounterStates) {
                break;
            }
        } else {
            pastDrawsInARow = 0;
        }
        if (!dropped && lineCount >= 2) {
            bool stop = false;
            for (long k = 1; k <= lineCount - 1; ++k) {
                bool same = true;
                for (std::size_t b = 0; b < 6; ++b) {
                    same = same && run.lines[static_cast<std::size_t>(k)].Balls[b] == line[b + 1];
                }
                if (same) {
                    lineCount = lineCount - 1;
                    dropped = true;
                    run.repeats = run.repeats + 1;
                    run.keptAtRepeat.push_back(run.lines.Size());
                    stop = run.repeats == 100;
                    break;
                }
            }
            if (stop) {
                break;
            }
        }
        if (!dropped) {
            LottoDrawRec kept;
            for (std::size_t b = 0; b < 6; ++b) {
                kept.Balls[b] = static_cast<std::int16_t>(line[b + 1]);
            }
            run.lines.PushBack(kept);
        }
        direction = direction + 1;
        if (direction > 2) {
            direction = 1;
        }
    }
    return run;
}

}  // namespace quintara::reference
