#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generate/Catalogue.h"
#include "generate/WheelCoverage.h"
#include "generate/WheelGuarantees.h"

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

// What the Wheel Guarantees window waits for: reading a built-in wheel as the program loads it and proving
// it, for every built-in wheel of every game (argument: game, then the wheel's place in its game's list).
void BM_WheelGuaranteesOfBuiltInWheel(benchmark::State& state) {
    const auto game = static_cast<quintara::Game>(state.range(0));
    std::vector<std::string_view> files;
    for (int algorithm = 0; algorithm < static_cast<int>(quintara::AlgorithmItems(game).size());
         ++algorithm) {
        for (const auto item : quintara::WheelItems(game, algorithm)) {
            if (const auto file = quintara::WheelFileName(game, item);
                file && std::find(files.begin(), files.end(), *file) == files.end()) {
                files.push_back(*file);
            }
        }
    }
    const auto index = static_cast<std::size_t>(state.range(1));
    if (index >= files.size()) {
        state.SkipWithError("no such wheel");
        return;
    }
    const std::string name(files[index]);
    state.SetLabel(name);
    const auto path = std::filesystem::path(QUINTARA_SOURCE_DIR "/data/wheels") / name;
    for (auto _ : state) {
        const auto read = quintara::ReadCheckedWheel(path, game, quintara::Info(game).numbersChosen,
                                                     quintara::WheelSource::BuiltIn);
        if (!read) {
            state.SkipWithError("the wheel file is refused");
            return;
        }
        benchmark::DoNotOptimize(quintara::WheelGuaranteesText(name, quintara::ProveWheel(*read), "\r\n"));
    }
}
BENCHMARK(BM_WheelGuaranteesOfBuiltInWheel)
    ->ArgsProduct({{0}, benchmark::CreateDenseRange(0, 10, 1)})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({3, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
