#include "generate/SectionSelection.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ShellSort.h"
#include "generate/GenerateError.h"

namespace quintara {

namespace {

using Section = BallSection;

// Balls 1..kMostBalls can be kept in a 64-bit set; every layout's balls are among them.
constexpr int kMostBalls = 63;
// No section holds more positions than this, and no layout more sections.
constexpr int kMostInSection = 9;
constexpr std::size_t kMostSections = 7;

bool InBitSet(std::int16_t ball) {
    return ball >= 1 && ball <= kMostBalls;
}

std::uint64_t Bit(std::int16_t ball) {
    return std::uint64_t{1} << ball;
}

// Whether `table` already holds exactly one record of each ball 1..maxBall, as a table counted from a
// history does; completing it would then change nothing. maxBall records covering maxBall balls hold each
// once.
bool IsComplete(const OneBased<LastDrawnRec>& table, int maxBall) {
    if (table.Size() != static_cast<std::size_t>(maxBall)) {
        return false;
    }
    std::uint64_t seen = 0;
    bool inRange = true;
    for (const auto& rec : table) {
        inRange = inRange && rec.Ball >= 1 && rec.Ball <= maxBall;
        seen |= std::uint64_t{1} << (rec.Ball & 63);
    }
    const std::uint64_t all = (~std::uint64_t{0} >> (63 - maxBall)) & ~std::uint64_t{1};
    return inRange && seen == all;
}

// A few candidates of one section with their last-drawn dates, positions 1..count.
struct Candidates {
    std::array<double, kMostInSection + 1> dates{};
    std::array<std::int16_t, kMostInSection + 1> balls{};
    int count = 0;

    void Add(double date, std::int16_t ball) {
        ++count;
        dates[static_cast<std::size_t>(count)] = date;
        balls[static_cast<std::size_t>(count)] = ball;
    }
    // Shell-sorts candidates 1..n newest first and leaves the rest where they were; the sort's treatment
    // of equal dates makes the gathering order decide between balls of the same draw.
    void OrderByDate(int n) {
        ShellSortPasses(dates.data(), balls.data(), std::min(n, count),
                        [](double a, double b) { return a >= b; });
    }
};

// The four criteria over the sections of one frequency table, appending to the final numbers. It runs
// for every simulated draw, so it works in place on the tables it is given and allocates nothing.
class SectionRun {
public:
    SectionRun(const OneBased<FrequencyRec>& frequency, const OneBased<LastDrawnRec>& lastDrawn,
               const SectionLayout& layout, OneBased<std::int16_t>& finalNumbers)
        : m_frequency(frequency),
          m_layout(layout),
          m_final(finalNumbers),
          m_chosenFrom(finalNumbers.Size() + 1) {
        if (frequency.Size() < static_cast<std::size_t>(layout.balls)) {
            throw GenerateError("the ball frequencies cover " + std::to_string(frequency.Size()) +
                                " balls, not " + std::to_string(layout.balls));
        }
        for (int p = 1; p <= layout.balls; ++p) {
            m_ballAt[static_cast<std::size_t>(p)] = frequency[static_cast<std::size_t>(p)].Ball;
        }
        m_lastDrawn = &lastDrawn;
        if (!IsComplete(lastDrawn, layout.balls)) {
            m_completed = CompleteLastDrawn(lastDrawn, layout.balls);
            m_lastDrawn = &m_completed;
        }
        // The completed table holds each ball 1..balls exactly once, so a ball's date can be looked up
        // instead of scanned for.
        for (const auto& rec : *m_lastDrawn) {
            m_dateOf[static_cast<std::size_t>(rec.Ball)] = rec.DrawDate;
        }
        m_final.Reserve(m_final.Size() + 4 * layout.sections.size());
        GatherOldestFirst();
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
        for (std::size_t s = 0; s < m_layout.sections.size(); ++s) {
            LeastRecentlyDrawn(s);
        }
    }

private:
    // The ball at a frequency position; positions past the layout's balls, which B and C reach only when
    // the table repeats balls, are read with their bounds checked.
    std::int16_t BallAt(int position) const {
        return position >= 1 && position <= m_layout.balls
                   ? m_ballAt[static_cast<std::size_t>(position)]
                   : m_frequency[static_cast<std::size_t>(position)].Ball;
    }

    // Only the numbers of this run count: the Thunderball balls may repeat main numbers.
    bool Chosen(std::int16_t ball) const {
        if (InBitSet(ball)) {
            return (m_chosen & Bit(ball)) != 0;
        }
        for (std::size_t i = m_chosenFrom; i <= m_final.Size(); ++i) {
            if (m_final[i] == ball) {
                return true;
            }
        }
        return false;
    }

    void Choose(std::int16_t ball) {
        m_final.PushBack(ball);
        if (InBitSet(ball)) {
            m_chosen |= Bit(ball);
        }
    }

    // The section's balls that can stand in the last-drawn table as a bit set.
    std::uint64_t SectionMask(const Section& section) const {
        std::uint64_t mask = 0;
        for (int p = section.first; p <= section.last; ++p) {
            if (const std::int16_t ball = BallAt(p); InBitSet(ball)) {
                mask |= Bit(ball);
            }
        }
        return mask;
    }

    // Each section's balls as the last-drawn table lists them, oldest first: the candidates of D. One
    // walk serves every section when no ball stands at two frequency positions.
    void GatherOldestFirst() {
        std::array<int, kMostBalls + 1> sectionOf{};
        sectionOf.fill(-1);
        bool oneSectionEach = true;
        for (std::size_t s = 0; s < m_layout.sections.size(); ++s) {
            for (int p = m_layout.sections[s].first; p <= m_layout.sections[s].last; ++p) {
                if (const std::int16_t ball = BallAt(p); InBitSet(ball)) {
                    auto& section = sectionOf[static_cast<std::size_t>(ball)];
                    oneSectionEach = oneSectionEach && section < 0;
                    section = static_cast<int>(s);
                }
            }
        }
        if (oneSectionEach) {
            for (auto pos = m_lastDrawn->Size(); pos >= 1; --pos) {
                const LastDrawnRec& rec = (*m_lastDrawn)[pos];
                if (const int s = sectionOf[static_cast<std::size_t>(rec.Ball)]; s >= 0) {
                    m_oldestFirst[static_cast<std::size_t>(s)].Add(rec.DrawDate, rec.Ball);
                }
            }
            return;
        }
        for (std::size_t s = 0; s < m_layout.sections.size(); ++s) {
            const std::uint64_t inSection = SectionMask(m_layout.sections[s]);
            for (auto pos = m_lastDrawn->Size(); pos >= 1; --pos) {
                const LastDrawnRec& rec = (*m_lastDrawn)[pos];
                if ((inSection & Bit(rec.Ball)) != 0) {
                    m_oldestFirst[s].Add(rec.DrawDate, rec.Ball);
                }
            }
        }
    }

    // The newest of the first n balls of the section in frequency order.
    void MostRecentlyDrawn(const Section& section) {
        Candidates candidates;
        for (int p = section.first; p <= section.last; ++p) {
            const std::int16_t ball = BallAt(p);
            const bool listed = ball >= 1 && ball <= m_layout.balls;
            candidates.Add(listed ? m_dateOf[static_cast<std::size_t>(ball)] : 0.0, ball);
        }
        const int first =
            ShellSortFirst(candidates.dates.data(), std::min(m_layout.dateOrdered, candidates.count));
        if (first == 0) {
            candidates.OrderByDate(m_layout.dateOrdered);
        }
        Choose(candidates.balls[static_cast<std::size_t>(std::max(first, 1))]);
    }

    void MostFrequent(const Section& section) {
        int p = section.first;
        while (Chosen(BallAt(p))) {
            ++p;
        }
        Choose(BallAt(p));
    }

    void LeastFrequent(const Section& section) {
        int p = section.last;
        while (Chosen(BallAt(p))) {
            --p;
        }
        Choose(BallAt(p));
    }

    // Gathered oldest first, so the first n candidates are the n least recently drawn of the section.
    void LeastRecentlyDrawn(std::size_t s) {
        Candidates& candidates = m_oldestFirst[s];
        candidates.OrderByDate(m_layout.dateOrdered);
        int q = std::min(m_layout.dateOrdered, candidates.count);
        while (q >= 1 && Chosen(candidates.balls[static_cast<std::size_t>(q)])) {
            --q;
        }
        if (q < 1) {
            throw GenerateError("every least recently drawn ball of a section is chosen already");
        }
        Choose(candidates.balls[static_cast<std::size_t>(q)]);
    }

    const OneBased<FrequencyRec>& m_frequency;
    const SectionLayout& m_layout;
    OneBased<std::int16_t>& m_final;
    std::size_t m_chosenFrom;
    std::uint64_t m_chosen = 0;  // the balls of this run in 1..kMostBalls
    const OneBased<LastDrawnRec>* m_lastDrawn = nullptr;
    OneBased<LastDrawnRec> m_completed;                 // the table completed, when the given one is not
    std::array<std::int16_t, kMostBalls + 1> m_ballAt;  // [p]: the ball at frequency position p <= balls
    std::array<double, kMostBalls + 1> m_dateOf{};
    std::array<Candidates, kMostSections> m_oldestFirst;  // [s]: the candidates of D in section s
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
    SectionRun(statistics.BallFrequency, statistics.BallLastDrawn, Info(game).sections, finalNumbers).Run();
    if (Info(game).extraStatistics) {
        SectionRun(statistics.ThunderballFrequency, statistics.ThunderballLastDrawn, Info(game).extraSections,
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
