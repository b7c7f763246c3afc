#include <benchmark/benchmark.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generate/WheelCoverage.h"

namespace {

// Reads a shipped wheel file: one line of blank-separated numbers per text line.
std::vector<std::vector<int>> ReadWheel(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::vector<int>> lines;
    for (std::string text; std::getline(in, text);) {
        std::istringstream fields(text);
        std::vector<int> line;
        for (int number = 0; fields >> number;) {
            line.push_back(number);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void BM_CoverageOf904LineWheel(benchmark::State& state) {
    const auto lines = ReadWheel(QUINTARA_SOURCE_DIR "/data/wheels/904 Line Wheel from 28_Lotto.txt");
    if (lines.size() != 904) {
        state.SkipWithError("the 904-line wheel file is missing");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(quintara::ComputeCoverage(lines, 28));
    }
}
BENCHMARK(BM_CoverageOf904LineWheel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
