// Builds the built-in wheel files and proves each one's guarantee over every possible draw before writing.
// Every search is seeded with a constant and uses its own generator and exponential, so a rebuild gives
// the same files on any platform.
//
//   quintara-wheelgen --out data/wheels [--only NAME]

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <limits>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Files.h"
#include "generate/WheelCoverage.h"

namespace quintara {
namespace {

using Lines = std::vector<std::vector<int>>;
using Mask = std::uint64_t;

constexpr Mask Bit(int number) {
    return Mask{1} << number;
}

// SplitMix64: small, fast and defined bit for bit, unlike the std:: distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    int Below(std::size_t bound) { return static_cast<int>(Next() % bound); }

    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

// The C library's exp may differ in its last bit between platforms, which would change which moves are
// accepted; this one uses only correctly rounded arithmetic.
double ExpOfNonPositive(double x) {
    if (x < -60.0) {
        return 0.0;
    }
    int halvings = 0;
    while (x < -0.25) {
        x *= 0.5;
        ++halvings;
    }
    double term = 1.0;
    double sum = 1.0;
    for (int i = 1; i <= 12; ++i) {
        term *= x / i;
        sum += term;
    }
    for (int i = 0; i < halvings; ++i) {
        sum *= sum;
    }
    return sum;
}

int ElementsOf(Mask mask, std::array<int, 64>& out) {
    int count = 0;
    while (mask != 0) {
        out[static_cast<std::size_t>(count++)] = std::countr_zero(mask);
        mask &= mask - 1;
    }
    return count;
}

// Calls visit(base | chosen) for every choice of `size` of the first `count` elements.
template <typename Visit>
void ForEachChoice(const std::array<int, 64>& elements, int count, int size, Mask base, Visit&& visit) {
    if (size == 0) {
        visit(base);
        return;
    }
    if (size > count) {
        return;
    }
    std::array<int, 8> index{};
    for (int i = 0; i < size; ++i) {
        index[static_cast<std::size_t>(i)] = i;
    }
    for (;;) {
        Mask mask = base;
        for (int i = 0; i < size; ++i) {
            mask |= Bit(elements[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])]);
        }
        visit(mask);
        int i = size - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == count - size + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j) - 1] + 1;
        }
    }
}

// Binomial coefficients for ranking subsets in the combinatorial number system.
class Binomials {
public:
    Binomials() {
        for (int n = 0; n < 65; ++n) {
            m_table[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k < 9; ++k) {
                m_table[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    n == 0 ? 0
                           : m_table[static_cast<std::size_t>(n) - 1][static_cast<std::size_t>(k) - 1] +
                                 m_table[static_cast<std::size_t>(n) - 1][static_cast<std::size_t>(k)];
            }
        }
    }

    std::uint32_t Of(int n, int k) const {
        return m_table[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }

    std::uint32_t Rank(Mask subset) const {
        std::uint32_t rank = 0;
        for (int i = 1; subset != 0; ++i) {
            rank += Of(std::countr_zero(subset), i);
            subset &= subset - 1;
        }
        return rank;
    }

private:
    std::array<std::array<std::uint32_t, 9>, 65> m_table{};
};

const Binomials kBinomials;

// "match if drawn": when `drawn` of the wheeled numbers are drawn, some line holds `match` of them.
struct Guarantee {
    int match = 0;
    int drawn = 0;
};

// A guarantee the search works toward: required ones must be met, the rest are made as good as it goes.
struct Target {
    Guarantee guarantee;
    int weight = 1;
    bool required = true;
};

// Geometric cooling from startTemp to endTemp, movesPerLevel moves at each temperature.
struct Schedule {
    double startTemp = 1.0;
    double endTemp = 0.1;
    double cooling = 0.99;
    long movesPerLevel = 1000;
    int attempts = 10;
};

// Simulated annealing, after Nurmela and Ostergard, for lines that leave no set of a target uncovered.
class CoveringSearch {
public:
    CoveringSearch(int numbers, int perLine, const std::vector<Target>& targets)
        : m_numbers(numbers), m_perLine(perLine) {
        for (const Target& target : targets) {
            TargetState state;
            state.target = target;
            state.t = target.guarantee.match;
            state.m = target.guarantee.drawn;
            state.tCount.assign(kBinomials.Of(numbers, state.t), 0);
            if (state.t < state.m) {
                state.mCount.assign(kBinomials.Of(numbers, state.m), 0);
            }
            state.slot.assign(kBinomials.Of(numbers, state.m), -1);
            m_states.push_back(std::move(state));
        }
    }

    // The lines with the best optional cost among those that meet every required target, or nothing
    // when no attempt met them.
    std::optional<std::vector<Mask>> Run(int lineCount, const Schedule& schedule, Random& random) {
        std::optional<std::vector<Mask>> best;
        std::int64_t bestOptional = std::numeric_limits<std::int64_t>::max();
        for (int attempt = 0; attempt < schedule.attempts; ++attempt) {
            Start(RandomLines(lineCount, random));
            for (double temp = schedule.startTemp; temp >= schedule.endTemp; temp *= schedule.cooling) {
                for (long move = 0; move < schedule.movesPerLevel; ++move) {
                    if (Cost(true) == 0 && Cost(false) < bestOptional) {
                        bestOptional = Cost(false);
                        best = m_lines;
                        if (bestOptional == 0) {
                            return best;
                        }
                    }
                    Move(temp, random);
                }
            }
            if (Cost(true) == 0 && Cost(false) < bestOptional) {
                bestOptional = Cost(false);
                best = m_lines;
            }
            if (best && !HasOptional()) {
                return best;
            }
        }
        return best;
    }

private:
    // The cost of one target, its uncovered sets, kept up to date as a move swaps one number of a line.
    struct TargetState {
        Target target;
        int t = 0;
        int m = 0;
        std::vector<std::uint32_t> tCount;  // per t-set: lines holding it
        std::vector<std::uint32_t> mCount;  // per m-set: covered t-sets inside it (only when t < m)
        std::vector<std::int32_t> slot;     // per m-set: its place in `uncovered`, or -1
        std::vector<Mask> uncovered;
    };

    std::vector<Mask> RandomLines(int lineCount, Random& random) const {
        std::vector<Mask> lines;
        for (int i = 0; i < lineCount; ++i) {
            Mask line = 0;
            while (std::popcount(line) < m_perLine) {
                line |= Bit(random.Below(static_cast<std::size_t>(m_numbers)));
            }
            lines.push_back(line);
        }
        return lines;
    }

    bool HasOptional() const {
        return std::any_of(m_states.begin(), m_states.end(),
                           [](const TargetState& state) { return !state.target.required; });
    }

    std::int64_t Cost(bool required) const {
        std::int64_t cost = 0;
        for (const TargetState& state : m_states) {
            if (state.target.required == required) {
                cost += static_cast<std::int64_t>(state.target.weight) *
                        static_cast<std::int64_t>(state.uncovered.size());
            }
        }
        return cost;
    }

    void Start(std::vector<Mask> lines) {
        m_lines = std::move(lines);
        std::array<int, 64> all{};
        for (int n = 0; n < m_numbers; ++n) {
            all[static_cast<std::size_t>(n)] = n;
        }
        for (TargetState& state : m_states) {
            std::fill(state.tCount.begin(), state.tCount.end(), 0);
            std::fill(state.mCount.begin(), state.mCount.end(), 0);
            std::fill(state.slot.begin(), state.slot.end(), -1);
            state.uncovered.clear();
            std::array<int, 64> elements{};
            for (Mask line : m_lines) {
                const int count = ElementsOf(line, elements);
                ForEachChoice(elements, count, state.t, 0,
                              [&](Mask subset) { ++state.tCount[kBinomials.Rank(subset)]; });
            }
            ForEachChoice(all, m_numbers, state.m, 0, [&](Mask drawn) {
                const std::uint32_t rank = kBinomials.Rank(drawn);
                std::uint32_t covered = 0;
                if (state.t == state.m) {
                    covered = state.tCount[rank];
                } else {
                    const int count = ElementsOf(drawn, elements);
                    ForEachChoice(elements, count, state.t, 0, [&](Mask subset) {
                        covered += state.tCount[kBinomials.Rank(subset)] != 0 ? 1U : 0U;
                    });
                    state.mCount[rank] = covered;
                }
                if (covered == 0) {
                    AddUncovered(state, rank, drawn);
                }
            });
        }
    }

    static void AddUncovered(TargetState& state, std::uint32_t rank, Mask drawn) {
        state.slot[rank] = static_cast<std::int32_t>(state.uncovered.size());
        state.uncovered.push_back(drawn);
    }

    static void RemoveUncovered(TargetState& state, std::uint32_t rank) {
        const std::int32_t at = state.slot[rank];
        const Mask last = state.uncovered.back();
        state.uncovered[static_cast<std::size_t>(at)] = last;
        state.slot[kBinomials.Rank(last)] = at;
        state.uncovered.pop_back();
        state.slot[rank] = -1;
    }

    // Calls change(rank, drawn) for every m-set holding the t-set.
    template <typename Change>
    void ForEachSuperset(const TargetState& state, Mask subset, Change&& change) const {
        std::array<int, 64> others{};
        const Mask everything = m_numbers == 64 ? ~Mask{0} : Bit(m_numbers) - 1;
        const int count = ElementsOf(everything & ~subset, others);
        ForEachChoice(others, count, state.m - state.t, subset,
                      [&](Mask drawn) { change(kBinomials.Rank(drawn), drawn); });
    }

    void Decrement(TargetState& state, Mask subset) {
        const std::uint32_t rank = kBinomials.Rank(subset);
        if (--state.tCount[rank] != 0) {
            return;
        }
        if (state.t == state.m) {
            AddUncovered(state, rank, subset);
            return;
        }
        ForEachSuperset(state, subset, [&](std::uint32_t drawnRank, Mask drawn) {
            if (--state.mCount[drawnRank] == 0) {
                AddUncovered(state, drawnRank, drawn);
            }
        });
    }

    void Increment(TargetState& state, Mask subset) {
        const std::uint32_t rank = kBinomials.Rank(subset);
        if (state.tCount[rank]++ != 0) {
            return;
        }
        if (state.t == state.m) {
            RemoveUncovered(state, rank);
            return;
        }
        ForEachSuperset(state, subset, [&](std::uint32_t drawnRank, Mask) {
            if (state.mCount[drawnRank]++ == 0) {
                RemoveUncovered(state, drawnRank);
            }
        });
    }

    void Swap(std::size_t line, int out, int in) {
        const Mask common = m_lines[line] & ~Bit(out);
        std::array<int, 64> elements{};
        const int count = ElementsOf(common, elements);
        for (TargetState& state : m_states) {
            ForEachChoice(elements, count, state.t - 1, 0,
                          [&](Mask rest) { Decrement(state, rest | Bit(out)); });
            ForEachChoice(elements, count, state.t - 1, 0,
                          [&](Mask rest) { Increment(state, rest | Bit(in)); });
        }
        m_lines[line] = common | Bit(in);
    }

    // Picks an uncovered set and a line one number short of covering it, and swaps a number of the line
    // for one of the set; a move that raises the cost is kept with the Metropolis probability.
    void Move(double temp, Random& random) {
        const bool requiredLeft = Cost(true) != 0;
        std::array<TargetState*, 8> candidates{};
        std::size_t candidateCount = 0;
        for (TargetState& state : m_states) {
            if (!state.uncovered.empty() && state.target.required == requiredLeft) {
                candidates[candidateCount++] = &state;
            }
        }
        if (candidateCount == 0) {
            return;
        }
        const TargetState& state = *candidates[static_cast<std::size_t>(random.Below(candidateCount))];
        const Mask drawn = state.uncovered[static_cast<std::size_t>(random.Below(state.uncovered.size()))];

        int bestMeet = -1;
        std::size_t chosen = 0;
        int ties = 0;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const int meet = std::popcount(m_lines[i] & drawn);
            if (meet > bestMeet) {
                bestMeet = meet;
                chosen = i;
                ties = 1;
            } else if (meet == bestMeet && random.Below(static_cast<std::size_t>(++ties)) == 0) {
                chosen = i;
            }
        }
        std::array<int, 64> outs{};
        std::array<int, 64> ins{};
        const int outCount = ElementsOf(m_lines[chosen] & ~drawn, outs);
        const int inCount = ElementsOf(drawn & ~m_lines[chosen], ins);
        const int out = outs[static_cast<std::size_t>(random.Below(static_cast<std::size_t>(outCount)))];
        const int in = ins[static_cast<std::size_t>(random.Below(static_cast<std::size_t>(inCount)))];

        const std::int64_t before = Cost(true) + Cost(false);
        Swap(chosen, out, in);
        const std::int64_t delta = Cost(true) + Cost(false) - before;
        if (delta > 0 && random.Unit() >= ExpOfNonPositive(-static_cast<double>(delta) / temp)) {
            Swap(chosen, in, out);
        }
    }

    int m_numbers;
    int m_perLine;
    std::vector<TargetState> m_states;
    std::vector<Mask> m_lines;
};

Lines ToLines(const std::vector<Mask>& masks, int offset) {
    Lines lines;
    std::array<int, 64> elements{};
    for (Mask mask : masks) {
        const int count = ElementsOf(mask, elements);
        std::vector<int> line(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            line[static_cast<std::size_t>(i)] = elements[static_cast<std::size_t>(i)] + offset;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// Anneals lines over numbers 1..numbers; the lines come back sorted, and in sorted order.
std::optional<Lines> Anneal(int numbers, int perLine, int lineCount, const std::vector<Target>& targets,
                            const Schedule& schedule, std::uint64_t seed) {
    Random random(seed);
    CoveringSearch search(numbers, perLine, targets);
    const auto masks = search.Run(lineCount, schedule, random);
    if (!masks) {
        return std::nullopt;
    }
    Lines lines = ToLines(*masks, 1);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<int> Degrees(const Lines& lines, int numbers) {
    std::vector<int> degrees(static_cast<std::size_t>(numbers) + 1, 0);
    for (const auto& line : lines) {
        for (int number : line) {
            ++degrees[static_cast<std::size_t>(number)];
        }
    }
    return degrees;
}

// A set of consecutive numbers whose pairs are all covered by `lines` lines of its own.
struct Group {
    int size = 0;
    int lines = 0;
};

// The number not in `line` that is in fewest lines so far (the lowest such), or 0 when every number is in it.
int PoorestNotIn(const std::vector<int>& line, const std::vector<int>& degrees, int numbers) {
    int poorest = 0;
    for (int n = 1; n <= numbers; ++n) {
        if (std::find(line.begin(), line.end(), n) == line.end() &&
            (poorest == 0 ||
             degrees[static_cast<std::size_t>(n)] < degrees[static_cast<std::size_t>(poorest)])) {
            poorest = n;
        }
    }
    return poorest;
}

// The lines of one group over the numbers 1..group.size, each at most `perLine` long; a search takes the
// next seed.
std::optional<Lines> GroupLines(const Group& group, int perLine, std::uint64_t& seed) {
    if (group.lines == 1 && group.size <= perLine) {
        std::vector<int> line(static_cast<std::size_t>(group.size));
        std::iota(line.begin(), line.end(), 1);
        return Lines{std::move(line)};
    }
    const Schedule pairSchedule{2.0, 0.05, 0.99, 2000, 20};
    return Anneal(group.size, std::min(perLine, group.size), group.lines, {{{2, 2}, 1, true}}, pairSchedule,
                  seed++);
}

// "2 if m": with the numbers split into m - 1 groups, any m drawn numbers put two into one group, and a
// line of that group holds both. Lines of a group smaller than a line are topped up with the numbers in
// fewest lines so far.
std::optional<Lines> BuildGroups(int numbers, int perLine, const std::vector<Group>& groups,
                                 std::uint64_t seed) {
    Lines lines;
    int first = 1;
    for (const Group& group : groups) {
        auto local = GroupLines(group, perLine, seed);
        if (!local) {
            return std::nullopt;
        }
        for (auto& line : *local) {
            for (int& number : line) {
                number += first - 1;
            }
            lines.push_back(std::move(line));
        }
        first += group.size;
    }
    if (first - 1 != numbers) {
        return std::nullopt;
    }
    for (auto& line : lines) {
        while (static_cast<int>(line.size()) < perLine) {
            line.push_back(PoorestNotIn(line, Degrees(lines, numbers), numbers));
        }
        std::sort(line.begin(), line.end());
    }
    return lines;
}

// Adds lines that take every number in turn, alternating between the two halves of 1..numbers, so each
// number gains one or two more lines and the new lines join pairs the group lines never meet.
void AddSpreadLines(Lines& lines, int numbers, int perLine, int count) {
    std::vector<int> order;
    const int half = numbers / 2;
    for (int i = 1; i <= half; ++i) {
        order.push_back(i);
        order.push_back(i + half);
    }
    for (int i = 0; i < count; ++i) {
        std::vector<int> line(static_cast<std::size_t>(perLine));
        for (int j = 0; j < perLine; ++j) {
            line[static_cast<std::size_t>(j)] = order[static_cast<std::size_t>((i * perLine + j) % numbers)];
        }
        std::sort(line.begin(), line.end());
        lines.push_back(std::move(line));
    }
}

// The group of each number 1..numbers, the groups taking consecutive numbers in turn.
std::vector<int> GroupOfEach(int numbers, const std::vector<Group>& groups) {
    std::vector<int> groupOf(static_cast<std::size_t>(numbers) + 1, 0);
    int first = 1;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (int n = first; n < first + groups[g].size; ++n) {
            groupOf[static_cast<std::size_t>(n)] = static_cast<int>(g);
        }
        first += groups[g].size;
    }
    return groupOf;
}

// Moves a number's spare places (ones whose pairs other lines of its group also cover) to the numbers in
// fewest lines, so that the line counts of the numbers even out without losing any covered pair.
void EvenOutGroupLines(Lines& lines, int numbers, const std::vector<Group>& groups) {
    const std::vector<int> groupOf = GroupOfEach(numbers, groups);
    const auto pairElsewhere = [&](std::size_t skip, int a, int b) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i != skip && std::find(lines[i].begin(), lines[i].end(), a) != lines[i].end() &&
                std::find(lines[i].begin(), lines[i].end(), b) != lines[i].end()) {
                return true;
            }
        }
        return false;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < lines.size() && !changed; ++i) {
            for (int& number : lines[i]) {
                const auto degrees = Degrees(lines, numbers);
                const int poorest = PoorestNotIn(lines[i], degrees, numbers);
                if (poorest == 0 || degrees[static_cast<std::size_t>(poorest)] + 2 >
                                        degrees[static_cast<std::size_t>(number)]) {
                    continue;
                }
                const bool spare = std::all_of(lines[i].begin(), lines[i].end(), [&](int other) {
                    return other == number ||
                           groupOf[static_cast<std::size_t>(other)] !=
                               groupOf[static_cast<std::size_t>(number)] ||
                           pairElsewhere(i, number, other);
                });
                if (spare) {
                    number = poorest;
                    std::sort(lines[i].begin(), lines[i].end());
                    changed = true;
                    break;
                }
            }
        }
    }
}

// One line short of the fourteen that give 2 if 3: all pairs of 1..14 in seven lines, and six lines over
// 15..28 that leave as few pairs as they can but never all three of a triple. Any four drawn numbers
// then put two into 1..14 or three into 15..28, so 2 if 4 holds; a triple misses only when two of it
// are such a left-out pair.
std::optional<Lines> BuildReducedPairs() {
    auto lines = BuildGroups(14, 6, {{14, 7}}, 130);
    const auto rest =
        Anneal(14, 6, 6, {{{2, 3}, 1, true}, {{2, 2}, 1, false}}, {2.0, 0.05, 0.99, 2000, 3}, 131);
    if (!lines || !rest) {
        return std::nullopt;
    }
    for (auto line : *rest) {
        for (int& number : line) {
            number += 14;
        }
        lines->push_back(std::move(line));
    }
    return lines;
}

// One built-in wheel: its file, shape, what it must prove and how it is made.
struct WheelPlan {
    std::string item;
    std::string file;
    int numbers = 0;
    int perLine = 0;
    int lineCount = 0;
    std::vector<Guarantee> guarantees{};
    std::vector<std::pair<Guarantee, double>> shares{};  // reported, with the least share accepted
    int minLinesPerNumber = 1;
    int maxLinesPerNumber = 0;  // 0: no limit
    std::function<std::optional<Lines>()> build;
};

std::optional<Lines> WithSpreadLines(std::optional<Lines> lines, int count) {
    if (lines) {
        AddSpreadLines(*lines, 28, 6, count);
    }
    return lines;
}

// Every six of seven: any three drawn of the seven lie together in four lines.
std::optional<Lines> BuildSixesOfSeven() {
    Lines lines;
    for (int left = 7; left >= 1; --left) {
        std::vector<int> line;
        for (int n = 1; n <= 7; ++n) {
            if (n != left) {
                line.push_back(n);
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<Lines> BuildEightLines() {
    const std::vector<Group> groups{{5, 1}, {8, 4}, {7, 3}};
    auto lines = BuildGroups(20, 5, groups, 8);
    if (lines) {
        EvenOutGroupLines(*lines, 20, groups);
    }
    return lines;
}

// NOLINTNEXTLINE(readability-function-size): one table of the built-in wheels, read top to bottom.
std::vector<WheelPlan> Plans() {
    std::vector<WheelPlan> plans;
    plans.push_back({.item = "5 Line Wheel - 1 Number",
                     .file = "5 Line Wheel - 1 Number from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 5,
                     .guarantees = {{1, 1}, {2, 6}},
                     .build = [] {
                         return BuildGroups(28, 6, {{6, 1}, {6, 1}, {6, 1}, {5, 1}, {5, 1}}, 0);
                     }});
    plans.push_back({.item = "10 Line Wheel - 2 Numbers",
                     .file = "10 Line Wheel - 2 Numbers from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 10,
                     .guarantees = {{2, 4}},
                     .build = [] {
                         return BuildGroups(28, 6, {{10, 4}, {9, 3}, {9, 3}}, 10);
                     }});
    plans.push_back({.item = "13 Line Wheel - 1 Pair Reduced",
                     .file = "13 Line Wheel - 1 Pair Reduced from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 13,
                     .guarantees = {{2, 4}},
                     .shares = {{{2, 3}, 0.85}},
                     .build = BuildReducedPairs});
    plans.push_back({.item = "15 Line Wheel - 1 Pair",
                     .file = "15 Line Wheel 1 Pair from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 15,
                     .guarantees = {{2, 3}},
                     .build = [] {
                         return WithSpreadLines(BuildGroups(28, 6, {{14, 7}, {14, 7}}, 15), 1);
                     }});
    plans.push_back({.item = "20 Line Wheel - 4 Pairs (11)",
                     .file = "20 Line Wheel - 4 Pairs (11) from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 20,
                     .guarantees = {{2, 3}},
                     .minLinesPerNumber = 4,
                     .maxLinesPerNumber = 5,
                     .build = [] {
                         return WithSpreadLines(BuildGroups(28, 6, {{14, 7}, {14, 7}}, 20), 6);
                     }});
    plans.push_back({.item = "21 Line Wheel - Max 5 Same",
                     .file = "21 Line Wheel Max 5 Numbers Same from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 21,
                     .guarantees = {{2, 3}},
                     .maxLinesPerNumber = 5,
                     .build = [] {
                         return WithSpreadLines(BuildGroups(28, 6, {{14, 7}, {14, 7}}, 21), 7);
                     }});
    plans.push_back({.item = "32 Line Wheel - 2 Pairs",
                     .file = "32 Line Wheel 2 Pairs from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 32,
                     .guarantees = {{2, 2}},
                     .build = [] {
                         return BuildGroups(28, 6, {{28, 32}}, 32);
                     }});
    plans.push_back({.item = "33 Line Wheel - 2 Pairs B",
                     .file = "33 Line Wheel - 2 Pairs B from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 33,
                     .guarantees = {{2, 2}},
                     .shares = {{{3, 6}, 0.0}},
                     .build = [] {
                         return Anneal(28, 6, 33, {{{2, 2}, 400, true}, {{3, 6}, 1, false}},
                                       {400.0, 5.0, 0.97, 400, 1}, 33);
                     }});
    plans.push_back({.item = "75 Line Wheel - 5000 Skip",
                     .file = "75 Line Wheel 5000 Skip from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 75,
                     .guarantees = {{3, 5}},
                     .build = [] {
                         return Anneal(28, 6, 75, {{{3, 5}, 1, true}}, {6.0, 0.3, 0.99, 1500, 8}, 75);
                     }});
    plans.push_back({.item = "904 Line Wheel",
                     .file = "904 Line Wheel from 28_Lotto.txt",
                     .numbers = 28,
                     .perLine = 6,
                     .lineCount = 904,
                     .guarantees = {{4, 5}, {3, 3}},
                     .build = [] {
                         return Anneal(28, 6, 904, {{{4, 5}, 1, true}, {{3, 3}, 1, true}},
                                       {8.0, 0.2, 0.999, 20000, 3}, 904);
                     }});
    plans.push_back({.item = "7 Line Wheel. £40 if 3 Numbers",
                     .file = "7 Line Wheel 40 if 3 Numbers from 7_Lotto.txt",
                     .numbers = 7,
                     .perLine = 6,
                     .lineCount = 7,
                     .guarantees = {{3, 3}},
                     .minLinesPerNumber = 6,
                     .maxLinesPerNumber = 6,
                     .build = BuildSixesOfSeven});
    plans.push_back({.item = "12 Line Wheel - 1 Pair",
                     .file = "12 Line Wheel 1 Pair from 20_Thunderball.txt",
                     .numbers = 20,
                     .perLine = 5,
                     .lineCount = 12,
                     .guarantees = {{2, 3}},
                     .build = [] {
                         return BuildGroups(20, 5, {{10, 6}, {10, 6}}, 12);
                     }});
    plans.push_back({.item = "8 Line Wheel",
                     .file = "8 Line Wheel from 20_Thunderball.txt",
                     .numbers = 20,
                     .perLine = 5,
                     .lineCount = 8,
                     .guarantees = {{2, 4}},
                     .build = BuildEightLines});
    plans.push_back({.item = "3 Line Wheel",
                     .file = "3 Line Wheel from 16_DailPlay.txt",
                     .numbers = 16,
                     .perLine = 7,
                     .lineCount = 3,
                     .guarantees = {{2, 4}, {3, 7}},
                     .build = [] {
                         return BuildGroups(16, 7, {{6, 1}, {5, 1}, {5, 1}}, 3);
                     }});
    plans.push_back({.item = "4 Line Wheel",
                     .file = "4 Line Wheel from 16_DailyPlay.txt",
                     .numbers = 16,
                     .perLine = 7,
                     .lineCount = 4,
                     .guarantees = {{2, 3}},
                     .build = [] {
                         return BuildGroups(16, 7, {{7, 1}, {9, 3}}, 4);
                     }});
    plans.push_back({.item = "10 Line Wheel",
                     .file = "10 Line Wheel frm 16_DailyPlay.txt",
                     .numbers = 16,
                     .perLine = 7,
                     .lineCount = 10,
                     .guarantees = {{4, 7}, {3, 5}, {2, 2}},
                     .build = [] {
                         return Anneal(16, 7, 10, {{{4, 7}, 1, true}, {{3, 5}, 1, true}, {{2, 2}, 1, true}},
                                       {6.0, 0.2, 0.99, 3000, 20}, 1016);
                     }});
    return plans;
}

std::string Describe(Guarantee guarantee) {
    return std::to_string(guarantee.match) + " if " + std::to_string(guarantee.drawn);
}

// Every reason the lines fall short of the plan; empty when the wheel may be written.
std::vector<std::string> Faults(const WheelPlan& plan, const Lines& lines, const WheelCoverage& coverage) {
    std::vector<std::string> faults;
    if (static_cast<int>(lines.size()) != plan.lineCount) {
        faults.push_back(std::to_string(lines.size()) + " lines");
    }
    for (const auto& line : lines) {
        const bool sorted =
            std::adjacent_find(line.begin(), line.end(), std::greater_equal<>()) == line.end();
        if (static_cast<int>(line.size()) != plan.perLine || !sorted || line.front() < 1 ||
            line.back() > plan.numbers) {
            faults.push_back("a line that is not " + std::to_string(plan.perLine) +
                             " distinct numbers in 1 - " + std::to_string(plan.numbers));
            return faults;
        }
    }
    for (Guarantee guarantee : plan.guarantees) {
        if (!MeetsGuarantee(coverage, guarantee.match, guarantee.drawn)) {
            faults.push_back("no " + Describe(guarantee));
        }
    }
    for (const auto& [guarantee, least] : plan.shares) {
        if (ShareAtLeast(coverage, guarantee.match, guarantee.drawn) < least) {
            faults.push_back(Describe(guarantee) + " below its least share");
        }
    }
    Lines sortedLines = lines;
    std::sort(sortedLines.begin(), sortedLines.end());
    if (std::adjacent_find(sortedLines.begin(), sortedLines.end()) != sortedLines.end()) {
        faults.emplace_back("two equal lines");
    }
    const auto degrees = Degrees(lines, plan.numbers);
    for (int n = 1; n <= plan.numbers; ++n) {
        const int degree = degrees[static_cast<std::size_t>(n)];
        if (degree < plan.minLinesPerNumber ||
            (plan.maxLinesPerNumber != 0 && degree > plan.maxLinesPerNumber)) {
            faults.push_back("number " + std::to_string(n) + " in " + std::to_string(degree) + " lines");
        }
    }
    return faults;
}

std::string WheelText(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            text += (i == 0 ? "" : " ") + std::to_string(line[i]);
        }
        text += '\n';
    }
    return text;
}

std::string Percent(double share) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f%%", share * 100.0);
    return buffer;
}

std::string DegreeRange(const Lines& lines, int numbers) {
    const auto degrees = Degrees(lines, numbers);
    const auto [least, most] = std::minmax_element(degrees.begin() + 1, degrees.end());
    return *least == *most ? std::to_string(*least) : std::to_string(*least) + "-" + std::to_string(*most);
}

bool Matches(const WheelPlan& plan, std::string_view name) {
    return name == plan.item || name == plan.file || name == plan.file.substr(0, plan.file.size() - 4);
}

// What a built-in wheel was shown to give ("2 if 3; 3 if 4 98.5%; lines per number 2-3"), or why it is
// no wheel to ship.
struct Verdict {
    std::vector<std::string> faults;
    std::string proven;
};

Verdict Judge(const WheelPlan& plan, const std::optional<Lines>& lines) {
    if (!lines) {
        return {{"the search found no wheel"}, ""};
    }
    Verdict verdict;
    const WheelCoverage coverage = ComputeCoverage(*lines, plan.numbers);
    verdict.faults = Faults(plan, *lines, coverage);
    for (Guarantee guarantee : plan.guarantees) {
        verdict.proven += (verdict.proven.empty() ? "" : ", ") + Describe(guarantee);
    }
    for (const auto& [guarantee, least] : plan.shares) {
        verdict.proven += "; " + Describe(guarantee) + " " +
                          Percent(ShareAtLeast(coverage, guarantee.match, guarantee.drawn));
    }
    verdict.proven += "; lines per number " + DegreeRange(*lines, plan.numbers);
    return verdict;
}

// Builds one wheel, proves it and writes it to `out`; whether it was written.
bool MakeWheel(const WheelPlan& plan, const std::filesystem::path& out) {
    const auto started = std::chrono::steady_clock::now();
    const auto lines = plan.build();
    const Verdict verdict = Judge(plan, lines);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!verdict.faults.empty()) {
        std::string reasons;
        for (const auto& fault : verdict.faults) {
            reasons += (reasons.empty() ? "" : "; ") + fault;
        }
        std::fprintf(stderr, "%s: not written (%s) [%.1f s]\n", plan.file.c_str(), reasons.c_str(), seconds);
        return false;
    }
    // The program's own writer, so an interrupted run never leaves half a wheel.
    if (const auto written = WriteFileAtomically(out / plan.file, WheelText(*lines)); !written) {
        std::fprintf(stderr, "%s\n", written.error().text.c_str());
        return false;
    }
    std::printf("%s: %s [%.1f s]\n", plan.file.c_str(), verdict.proven.c_str(), seconds);
    std::fflush(stdout);
    return true;
}

struct Options {
    std::filesystem::path out;
    std::vector<std::string> only;
};

std::optional<Options> ReadOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--out" && i + 1 < argc) {
            options.out = argv[++i];
        } else if (arg == "--only" && i + 1 < argc) {
            options.only.emplace_back(argv[++i]);
        } else {
            return std::nullopt;
        }
    }
    if (options.out.empty()) {
        return std::nullopt;
    }
    return options;
}

int Main(int argc, char** argv) {
    const auto options = ReadOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: quintara-wheelgen --out DIR [--only ITEM-OR-FILE]...\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(options->out, error);

    const auto plans = Plans();
    const auto named = [](const std::string& name) {
        return [&name](const WheelPlan& plan) { return Matches(plan, name); };
    };
    for (const std::string& name : options->only) {
        if (std::none_of(plans.begin(), plans.end(), named(name))) {
            std::fprintf(stderr, "no built-in wheel is called \"%s\"\n", name.c_str());
            return 2;
        }
    }
    int failures = 0;
    for (const WheelPlan& plan : plans) {
        const bool wanted =
            options->only.empty() || std::any_of(options->only.begin(), options->only.end(),
                                                 [&](const std::string& name) { return named(name)(plan); });
        if (wanted && !MakeWheel(plan, options->out)) {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace quintara

int main(int argc, char** argv) {
    return quintara::Main(argc, argv);
}
