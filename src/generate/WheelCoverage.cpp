#include "generate/WheelCoverage.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quintara {

namespace {

using Bits = std::vector<std::uint64_t>;

// Counts the best line match of every subset of the wheeled numbers, each subset visited once.
class CoverageWalk {
public:
    CoverageWalk(const std::vector<std::vector<int>>& lines, int numbers, int perLine, WheelCoverage& out)
        : m_numbers(numbers),
          m_perLine(perLine),
          m_words((lines.size() + 63) / 64),
          m_out(out),
          m_linesWith(static_cast<std::size_t>(numbers), Bits(m_words, 0)),
          m_levels(static_cast<std::size_t>(perLine) + 1,
                   std::vector<Bits>(static_cast<std::size_t>(perLine) + 1, Bits(m_words, 0))) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            for (int number : lines[i]) {
                m_linesWith[static_cast<std::size_t>(number - 1)][i / 64] |= std::uint64_t{1} << (i % 64);
            }
        }
        Bits& all = m_levels[0][0];
        for (std::size_t i = 0; i < lines.size(); ++i) {
            all[i / 64] |= std::uint64_t{1} << (i % 64);
        }
    }

    void Run() { Visit(0, 0, 0); }

private:
    bool Meets(const Bits& a, const Bits& b) const {
        for (std::size_t w = 0; w < m_words; ++w) {
            if ((a[w] & b[w]) != 0) {
                return true;
            }
        }
        return false;
    }

    // Subsets grow one number per level, and each level keeps, for every match count c up to the best so
    // far, the lines holding at least c numbers of the subset. The best match of the subset plus one
    // number rises by one exactly when a line at the best count holds that number, so a subset costs one
    // word-wise AND over the lines instead of a popcount per line.
    void Visit(int depth, int first, int best) {
        const auto& level = m_levels[static_cast<std::size_t>(depth)];
        CoverageRow& row = m_out.rows[static_cast<std::size_t>(depth)];
        const bool deeper = depth + 1 < m_perLine;
        for (int number = first; number < m_numbers; ++number) {
            const Bits& with = m_linesWith[static_cast<std::size_t>(number)];
            const int reached = best + (Meets(level[static_cast<std::size_t>(best)], with) ? 1 : 0);
            ++row.countByMatch[static_cast<std::size_t>(reached)];
            if (!deeper) {
                continue;
            }
            auto& next = m_levels[static_cast<std::size_t>(depth) + 1];
            next[0] = level[0];
            for (int c = 1; c <= reached; ++c) {
                const Bits& had = level[static_cast<std::size_t>(c)];
                const Bits& below = level[static_cast<std::size_t>(c - 1)];
                Bits& now = next[static_cast<std::size_t>(c)];
                const bool hadValid = c <= best;
                for (std::size_t w = 0; w < m_words; ++w) {
                    now[w] = (hadValid ? had[w] : 0) | (below[w] & with[w]);
                }
            }
            Visit(depth + 1, number + 1, reached);
        }
    }

    int m_numbers;
    int m_perLine;
    std::size_t m_words;
    WheelCoverage& m_out;
    std::vector<Bits> m_linesWith;            // per number: the lines holding it
    std::vector<std::vector<Bits>> m_levels;  // [depth][c]: lines holding at least c of the subset
};

std::uint64_t Binomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    std::uint64_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    }
    return result;
}

const CoverageRow* FindRow(const WheelCoverage& coverage, int drawn) {
    if (drawn < 1 || drawn > static_cast<int>(coverage.rows.size())) {
        return nullptr;
    }
    return &coverage.rows[static_cast<std::size_t>(drawn - 1)];
}

}  // namespace

WheelCoverage ComputeCoverage(const std::vector<std::vector<int>>& lines, int numbers) {
    if (numbers < 1 || numbers > 64) {
        throw std::invalid_argument("a wheel covers 1 to 64 numbers, not " + std::to_string(numbers));
    }
    WheelCoverage coverage;
    coverage.numbers = numbers;
    for (const auto& line : lines) {
        coverage.perLine = std::max(coverage.perLine, static_cast<int>(line.size()));
        for (int number : line) {
            if (number < 1 || number > numbers) {
                throw std::invalid_argument("wheel number " + std::to_string(number) + " is outside 1 - " +
                                            std::to_string(numbers));
            }
        }
    }
    const int deepest = std::min(coverage.perLine, numbers);
    for (int drawn = 1; drawn <= deepest; ++drawn) {
        CoverageRow row;
        row.drawn = drawn;
        row.countByMatch.assign(static_cast<std::size_t>(drawn) + 1, 0);
        row.subsets = Binomial(numbers, drawn);
        coverage.rows.push_back(std::move(row));
    }
    if (deepest == 0) {
        return coverage;
    }
    CoverageWalk(lines, numbers, deepest, coverage).Run();
    for (auto& row : coverage.rows) {
        const auto first = std::find_if(row.countByMatch.begin(), row.countByMatch.end(),
                                        [](std::uint64_t count) { return count != 0; });
        row.guaranteed = static_cast<int>(first - row.countByMatch.begin());
    }
    return coverage;
}

bool MeetsGuarantee(const WheelCoverage& coverage, int match, int drawn) {
    const CoverageRow* row = FindRow(coverage, drawn);
    return row != nullptr && row->guaranteed >= match;
}

double ShareAtLeast(const WheelCoverage& coverage, int match, int drawn) {
    const CoverageRow* row = FindRow(coverage, drawn);
    if (row == nullptr || row->subsets == 0) {
        return 0.0;
    }
    std::uint64_t reaching = 0;
    for (int t = std::max(match, 0); t <= row->drawn; ++t) {
        reaching += row->countByMatch[static_cast<std::size_t>(t)];
    }
    return static_cast<double>(reaching) / static_cast<double>(row->subsets);
}

}  // namespace quintara
