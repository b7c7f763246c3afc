#pragma once

#include <functional>
#include <vector>

#include "core/OneBased.h"
#include "core/Records.h"
#include "core/Statistics.h"

namespace quintara::test {

// A frequency table in the given order (position 1 the most drawn), counts falling by one per position.
inline OneBased<FrequencyRec> FrequencyInOrder(const std::vector<int>& balls) {
    OneBased<FrequencyRec> table;
    std::int32_t count = 1000;
    for (int ball : balls) {
        table.PushBack(FrequencyRec{static_cast<std::int16_t>(ball), count--});
    }
    return table;
}

inline std::vector<int> BallsUpTo(int maxBall) {
    std::vector<int> balls;
    for (int b = 1; b <= maxBall; ++b) {
        balls.push_back(b);
    }
    return balls;
}

// The last-drawn table of balls 1..maxBall dated by `date`, sorted as the program sorts it.
inline OneBased<LastDrawnRec> LastDrawnBy(int maxBall, const std::function<double(int)>& date) {
    OneBased<LastDrawnRec> table;
    for (int b = 1; b <= maxBall; ++b) {
        table.PushBack(LastDrawnRec{date(b), static_cast<std::int16_t>(b)});
    }
    SortLastDrawn(table);
    return table;
}

// Statistics whose frequency order is ball 1, 2, ... and whose dates come from `date`.
inline GameStatistics PlainStatistics(int maxBall, const std::function<double(int)>& date) {
    return GameStatistics{FrequencyInOrder(BallsUpTo(maxBall)), LastDrawnBy(maxBall, date), {}, {}};
}

inline std::vector<int> Values(const OneBased<std::int16_t>& numbers) {
    return std::vector<int>(numbers.begin(), numbers.end());
}

}  // namespace quintara::test
