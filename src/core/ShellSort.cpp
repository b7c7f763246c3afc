#include "core/ShellSort.h"

#include <algorithm>
#include <array>

namespace quintara {

namespace {

constexpr int kMostSpread = 4096;

std::uint64_t Bit(int position) {
    return std::uint64_t{1} << position;
}

// Replaces each key by its dense rank, 0 for the highest, from a bit set of the values present.
[[gnu::always_inline]] inline int DenseRanks(const std::int32_t* keys, int n, std::int32_t lowest, int spread,
                                             std::uint8_t* rank) {
    constexpr int kWords = kMostSpread / 64;
    std::array<std::uint64_t, kWords> present;
    std::array<int, kWords + 1> above;  // [w]: distinct values in the words after w
    const int words = (spread + 63) / 64;
    if (words <= 2) {
        // Kept in registers: or-ing into memory would wait on the store before at every value.
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        for (int i = 1; i <= n; ++i) {
            const int v = keys[i] - lowest;
            low |= v < 64 ? Bit(v) : 0;
            high |= v >= 64 ? Bit(v - 64) : 0;
        }
        present[0] = low;
        present[1] = high;
    } else {
        std::fill_n(present.begin(), words, 0);
        for (int i = 1; i <= n; ++i) {
            const int v = keys[i] - lowest;
            present[static_cast<std::size_t>(v / 64)] |= Bit(v % 64);
        }
    }
    above[static_cast<std::size_t>(words)] = 0;
    for (int w = words - 1; w >= 0; --w) {
        above[static_cast<std::size_t>(w)] = above[static_cast<std::size_t>(w) + 1] +
                                             __builtin_popcountll(present[static_cast<std::size_t>(w)]);
    }
    for (int i = 1; i <= n; ++i) {
        const int v = keys[i] - lowest;
        // The values above v in its word: shifted twice, as a shift by 64 is not defined.
        const std::uint64_t higher = present[static_cast<std::size_t>(v / 64)] >> (v % 64) >> 1;
        rank[i] = static_cast<std::uint8_t>(above[static_cast<std::size_t>(v / 64) + 1] +
                                            __builtin_popcountll(higher));
    }
    return above[0];
}

// The elements and ranks by position, and per rank the set of its positions, before or after a pass.
struct PassState {
    std::array<std::uint8_t, kMostOrdered + 1> element;
    std::array<std::uint8_t, kMostOrdered + 1> rank;
    std::array<std::uint64_t, kMostOrdered + 1> ofRank;
};

// One gap pass from `now` into `next`: an element's place in its class is the count of the members
// ranked before it, plus those of its rank at lower positions.
[[gnu::always_inline]] inline void Pass(const PassState* __restrict now, PassState* __restrict next, int n,
                                        int ranks, int gap) {
    std::array<std::uint64_t, kMostOrdered + 1> before;  // [r]: the positions of the ranks before r
    std::uint64_t sorted = 0;
    for (std::size_t r = 0; r < static_cast<std::size_t>(ranks); ++r) {
        before[r] = sorted;
        sorted |= now->ofRank[r];
        next->ofRank[r] = 0;
    }
    const std::uint64_t positions = (~std::uint64_t{0} >> (64 - n)) << 1;
    // Positions 0, gap, 2 gap, ..: shifted by c + 1, the members of gap class c.
    std::uint64_t stride = 0;
    for (int p = 0; p < 64; p += gap) {
        stride |= Bit(p);
    }
    int c = 0;
    for (int p = 1; p <= n; ++p) {
        const std::size_t r = now->rank[static_cast<std::size_t>(p)];
        const std::uint64_t members = (stride << (c + 1)) & positions;
        const int place = __builtin_popcountll(members & before[r]) +
                          __builtin_popcountll(members & now->ofRank[r] & (Bit(p) - 1));
        const auto to =
            static_cast<std::size_t>(c + 1) + static_cast<std::size_t>(gap) * static_cast<std::size_t>(place);
        next->element[to] = now->element[static_cast<std::size_t>(p)];
        next->rank[to] = static_cast<std::uint8_t>(r);
        next->ofRank[r] |= Bit(static_cast<int>(to));
        c = c + 1 == gap ? 0 : c + 1;
    }
}

// [gap][e]: the class of position e in a pass of that gap, (e - 1) mod gap, and the positions of that class
// as a bit set. Looking them up costs less than dividing.
struct GapClass {
    std::uint8_t first;  // the class's lowest position, (e - 1) mod gap + 1
    std::uint64_t members;
};
constexpr auto kGapClasses = [] {
    std::array<std::array<GapClass, kMostOrdered + 1>, kMostOrdered / 2 + 1> table{};
    for (int gap = 1; gap <= kMostOrdered / 2; ++gap) {
        for (int e = 1; e <= kMostOrdered; ++e) {
            const int first = (e - 1) % gap + 1;
            std::uint64_t members = 0;
            for (int p = first; p <= kMostOrdered; p += gap) {
                members |= std::uint64_t{1} << p;
            }
            table[static_cast<std::size_t>(gap)][static_cast<std::size_t>(e)] =
                GapClass{static_cast<std::uint8_t>(first), members};
        }
    }
    return table;
}();

// [p]: the positions below p.
constexpr auto kBelow = [] {
    std::array<std::uint64_t, kMostOrdered + 1> below{};
    for (int p = 0; p <= kMostOrdered; ++p) {
        below[static_cast<std::size_t>(p)] = (std::uint64_t{1} << p) - 1;
    }
    return below;
}();

// Whether every gap of n divides the gap before it (49: 24, 12, 6, 3, 1). An element's class in each pass is
// then its class in the first, (position - 1) mod gap, whatever the passes do to it: a pass moves it only
// by whole gaps. So which elements share a class never changes, and only equal keys need the positions.
bool NestedGaps(int n) {
    for (int gap = n / 2; gap / 2 >= 2; gap /= 2) {
        if (gap % 2 != 0) {
            return false;
        }
    }
    return true;
}

// The passes over nested gaps. In a pass an element goes to place (members ranked before it) + (members of
// its rank at lower positions) of its class; the first count needs only the fixed class and the ranks,
// the second only the positions of its equals. So only elements with an equal are followed through the
// passes, and the last pass, one class of all, gives every element its place.
[[gnu::always_inline]] inline void OrderNested(const std::uint8_t* rank, int ranks, int n,
                                               std::uint8_t* order) {
    std::array<std::uint64_t, kMostOrdered + 1> ofRank;  // [r]: elements of rank r, then their positions
    std::array<std::uint64_t, kMostOrdered + 1> before;  // [r]: elements ranked before r
    std::array<std::uint64_t, kMostOrdered + 1> nextOfRank;
    std::fill_n(ofRank.begin(), ranks, 0);
    for (int e = 1; e <= n; ++e) {
        ofRank[rank[e]] |= Bit(e);
    }
    std::uint64_t sorted = 0;
    for (std::size_t r = 0; r < static_cast<std::size_t>(ranks); ++r) {
        before[r] = sorted;
        sorted |= ofRank[r];
    }
    // The elements with an equal, and every element's position (its own number before the first pass).
    std::array<std::uint8_t, kMostOrdered + 1> tied;
    std::array<std::uint8_t, kMostOrdered + 1> position;
    int tiedCount = 0;
    for (int e = 1; e <= n; ++e) {
        position[static_cast<std::size_t>(e)] = static_cast<std::uint8_t>(e);
        tied[static_cast<std::size_t>(tiedCount)] = static_cast<std::uint8_t>(e);
        tiedCount += (ofRank[rank[e]] & ~Bit(e)) != 0 ? 1 : 0;
    }
    for (int gap = n / 2; gap >= 2; gap /= 2) {
        std::fill_n(nextOfRank.begin(), ranks, 0);
        const auto& classes = kGapClasses[static_cast<std::size_t>(gap)];
        for (int k = 0; k < tiedCount; ++k) {
            const std::size_t e = tied[static_cast<std::size_t>(k)];
            const std::size_t r = rank[e];
            // The sets hold positions 1..n only, so the class needs no cutting to n.
            const GapClass& gapClass = classes[e];
            const int place = __builtin_popcountll(gapClass.members & before[r]) +
                              __builtin_popcountll(gapClass.members & ofRank[r] & kBelow[position[e]]);
            const int to = gapClass.first + gap * place;
            position[e] = static_cast<std::uint8_t>(to);
            nextOfRank[r] |= Bit(to);
        }
        std::copy_n(nextOfRank.begin(), ranks, ofRank.begin());
    }
    for (int e = 1; e <= n; ++e) {
        const std::size_t r = rank[e];
        const int place = __builtin_popcountll(before[r]) +
                          __builtin_popcountll(ofRank[r] & kBelow[position[static_cast<std::size_t>(e)]]);
        order[place + 1] = static_cast<std::uint8_t>(e);
    }
}

// Compiled twice where the processor may lack a population count instruction, and chosen at load time.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define QUINTARA_POPCOUNT_CLONES [[gnu::target_clones("popcnt", "default")]]
#else
#define QUINTARA_POPCOUNT_CLONES
#endif

QUINTARA_POPCOUNT_CLONES
bool Order(const std::int32_t* keys, int n, std::uint8_t* order) {
    std::int32_t low = keys[1];
    std::int32_t high = keys[1];
    for (int i = 2; i <= n; ++i) {
        low = std::min(low, keys[i]);
        high = std::max(high, keys[i]);
    }
    const std::int64_t spread = std::int64_t{high} - std::int64_t{low} + 1;
    if (spread >= kMostSpread) {
        return false;
    }
    std::array<PassState, 2> states;
    PassState& first = states[0];
    const int ranks = DenseRanks(keys, n, low, static_cast<int>(spread), first.rank.data());
    if (NestedGaps(n)) {
        OrderNested(first.rank.data(), ranks, n, order);
        return true;
    }
    std::fill_n(first.ofRank.begin(), ranks, 0);
    for (int p = 1; p <= n; ++p) {
        first.element[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(p);
        first.ofRank[first.rank[static_cast<std::size_t>(p)]] |= Bit(p);
    }
    int now = 0;
    for (int gap = n / 2; gap >= 1; gap /= 2) {
        Pass(&states[static_cast<std::size_t>(now)], &states[static_cast<std::size_t>(1 - now)], n, ranks,
             gap);
        now = 1 - now;
    }
    const auto& element = states[static_cast<std::size_t>(now)].element;
    std::copy(element.begin() + 1, element.begin() + n + 1, order + 1);
    return true;
}

}  // namespace

bool ShellSortOrder(const std::int32_t* keys, int n, std::uint8_t* order) {
    if (n > kMostOrdered) {
        return false;
    }
    if (n < 2) {
        if (n == 1) {
            order[1] = 1;
        }
        return true;
    }
    return Order(keys, n, order);
}

}  // namespace quintara
