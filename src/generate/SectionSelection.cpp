#include "generate/SectionSelection.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "generate/GenerateError.h"

namespace quintara {

namespace {

struct Section {
    int first;  // frequency positions, both ends included
    int last;
};

// How one frequency table is cut, and how many gathered candidates the date ordering covers.
struct SectionLayout {
    int balls;
    std::vector<Section> sections;
    int dateOrdered;
};

const SectionLayout& LayoutOf(Game game) {
    static const SectionLayout kLotto{
        49, {{1, 7}, {8, 14}, {15, 21}, {22, 28}, {29, 35}, {36, 42}, {43, 49}}, 7};
    static const SectionLayout kThunderball{34, {{1, 6}, {7, 13}, {14, 20}, {21, 27}, {28, 34}}, 5};
    static const SectionLayout kDailyPlay{27, {{1, 6}, {7, 13}, {14, 20}, {21, 27}}, 4};
    switch (game) {
    case Game::Lotto:
    case Game::LottoExtra:
        return kLotto;
    case Game::Thunderball:
        return kThunderball;
    case Game::DailyPlay:
        break;
    }
    return kDailyPlay;
}

const SectionLayout kThunderballBallLayout{14, {{1, 7}, {8, 14}}, 7};

// Shell-sorts candidates 1..n newest first and leaves the rest where they were; the sort's treatment of
// equal dates makes the gathering order decide between balls of the same draw. `head` is scratch space.
void OrderByDate(OneBased<LastDrawnRec>& candidates, int n, OneBased<LastDrawnRec>& head) {
    const auto count = std::min(static_cast<std::size_t>(n), candidates.Size());
    head.Resize(count);
    for (std::size_t i = 1; i <= count; ++i) {
        head[i] = candidates[i];
    }
    SortLastDrawn(head);
    for (std::size_t i = 1; i <= count; ++i) {
        candidates[i] = head[i];
    }
}

// The four criteria over the sections of one frequency table, appending to the final numbers.
class SectionRun {
public:
    SectionRun(const OneBased<FrequencyRec>& frequency, const OneBased<LastDrawnRec>& lastDrawn,
               const SectionLayout& layout, OneBased<std::int16_t>& finalNumbers)
        : m_frequency(frequency),
          m_lastDrawn(CompleteLastDrawn(lastDrawn, layout.balls)),
          m_layout(layout),
          m_final(finalNumbers),
          m_chosenFrom(finalNumbers.Size() + 1) {
        if (frequency.Size() < static_cast<std::size_t>(layout.balls)) {
            throw GenerateError("the ball frequencies cover " + std::to_string(frequency.Size()) +
                                " balls, not " + std::to_string(layout.balls));
        }
        // The completed table holds each ball 1..balls exactly once, so a ball's record can be looked up
        // instead of scanned for.
        m_recordOf.resize(static_cast<std::size_t>(layout.balls) + 1);
        for (const auto& rec : m_lastDrawn) {
            m_recordOf[static_cast<std::size_t>(rec.Ball)] = rec;
        }
    }

    void Run() {
        for (const auto& section : m_layout.sections) {
            MostRecentlyDrawn(section);
        }
        for (const auto& section : m_layout.sections) {
            MostFrequent(section);
        }
        for (const auto& section : m_layout.sections) {
            LeastFrequent(section);
        }
        for (const auto& section : m_layout.sections) {
            LeastRecentlyDrawn(section);
        }
    }

private:
    std::int16_t BallAt(int position) const { return m_frequency[static_cast<std::size_t>(position)].Ball; }

    // Only the numbers of this run count: the Thunderball balls may repeat main numbers.
    bool Chosen(std::int16_t ball) const {
        for (std::size_t i = m_chosenFrom; i <= m_final.Size(); ++i) {
            if (m_final[i] == ball) {
                return true;
            }
        }
        return false;
    }

    // The section's balls that can stand in the last-drawn table (1..63 holds them all) as a bit set.
    std::uint64_t SectionMask(const Section& section) const {
        std::uint64_t mask = 0;
        for (int p = section.first; p <= section.last; ++p) {
            const std::int16_t ball = BallAt(p);
            if (ball >= 1 && ball <= 63) {
                mask |= std::uint64_t{1} << ball;
            }
        }
        return mask;
    }

    // The newest of the first n balls of the section in frequency order.
    void MostRecentlyDrawn(const Section& section) {
        m_candidates.Clear();
        for (int p = section.first; p <= section.last; ++p) {
            const std::int16_t ball = BallAt(p);
            const bool listed = ball >= 1 && ball <= m_layout.balls;
            m_candidates.PushBack(listed ? m_recordOf[static_cast<std::size_t>(ball)]
                                         : LastDrawnRec{0.0, ball});
        }
        OrderByDate(m_candidates, m_layout.dateOrdered, m_head);
        m_final.PushBack(m_candidates[1].Ball);
    }

    void MostFrequent(const Section& section) {
        int p = section.first;
        while (Chosen(BallAt(p))) {
            ++p;
        }
        m_final.PushBack(BallAt(p));
    }

    void LeastFrequent(const Section& section) {
        int p = section.last;
        while (Chosen(BallAt(p))) {
            --p;
        }
        m_final.PushBack(BallAt(p));
    }

    // Gathered oldest first, so the first n candidates are the n least recently drawn of the section.
    void LeastRecentlyDrawn(const Section& section) {
        const std::uint64_t inSection = SectionMask(section);
        m_candidates.Clear();
        for (auto pos = m_lastDrawn.Size(); pos >= 1; --pos) {
            if ((inSection >> m_lastDrawn[pos].Ball & 1U) != 0) {
                m_candidates.PushBack(m_lastDrawn[pos]);
            }
        }
        OrderByDate(m_candidates, m_layout.dateOrdered, m_head);
        auto q = std::min(static_cast<std::size_t>(m_layout.dateOrdered), m_candidates.Size());
        while (Chosen(m_candidates[q].Ball)) {
            --q;
        }
        m_final.PushBack(m_candidates[q].Ball);
    }

    const OneBased<FrequencyRec>& m_frequency;
    OneBased<LastDrawnRec> m_lastDrawn;
    const SectionLayout& m_layout;
    OneBased<std::int16_t>& m_final;
    std::size_t m_chosenFrom;
    std::vector<LastDrawnRec> m_recordOf;  // [ball]
    OneBased<LastDrawnRec> m_candidates;   // scratch lists of criteria A and D
    OneBased<LastDrawnRec> m_head;
};

}  // namespace

OneBased<LastDrawnRec> CompleteLastDrawn(const OneBased<LastDrawnRec>& table, int maxBall) {
    std::vector<bool> present(static_cast<std::size_t>(maxBall) + 1, false);
    OneBased<LastDrawnRec> complete;
    complete.Reserve(static_cast<std::size_t>(maxBall));
    for (const auto& rec : table) {
        if (rec.Ball >= 1 && rec.Ball <= maxBall && !present[static_cast<std::size_t>(rec.Ball)]) {
            present[static_cast<std::size_t>(rec.Ball)] = true;
            complete.PushBack(rec);
        }
    }
    for (int ball = 1; ball <= maxBall; ++ball) {
        if (!present[static_cast<std::size_t>(ball)]) {
            complete.PushBack(LastDrawnRec{0.0, static_cast<std::int16_t>(ball)});
        }
    }
    return complete;
}

OneBased<std::int16_t> SelectFinalNumbers(const GameStatistics& statistics, Game game) {
    OneBased<std::int16_t> finalNumbers;
    SectionRun(statistics.BallFrequency, statistics.BallLastDrawn, LayoutOf(game), finalNumbers).Run();
    if (game == Game::Thunderball) {
        SectionRun(statistics.ThunderballFrequency, statistics.ThunderballLastDrawn, kThunderballBallLayout,
                   finalNumbers)
            .Run();
    }
    return finalNumbers;
}

OneBased<std::int16_t> SevenFromTwentyEight(const OneBased<std::int16_t>& finalNumbers) {
    OneBased<std::int16_t> seven;
    for (std::size_t i = 1; i <= 7; ++i) {
        seven.PushBack(finalNumbers[4 * i - 3]);
    }
    return seven;
}

}  // namespace quintara
