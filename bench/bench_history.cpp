// Loading a history and computing its statistics, as every game switch does.
#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>

#include "core/History.h"
#include "history/HistoryCsv.h"

namespace {

const std::filesystem::path& AppDir() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / "quintara-bench-history";
        std::filesystem::create_directories(path);
        for (const char* game : {"lotto", "thunderball"}) {
            std::ifstream in(std::string(QUINTARA_SOURCE_DIR) + "/data/history/" + game + ".csv");
            std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            quintara::ImportHistoryCsv(*quintara::GameFromName(game), csv, path).value();
        }
        return path;
    }();
    return dir;
}

void LoadAndCount(benchmark::State& state, const char* game) {
    const quintara::Game loaded = *quintara::GameFromName(game);
    for (auto _ : state) {
        auto history = quintara::LoadHistory(loaded, AppDir());
        benchmark::DoNotOptimize(history);
    }
}
BENCHMARK_CAPTURE(LoadAndCount, Lotto, "Lotto")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LoadAndCount, Thunderball, "Thunderball")->Unit(benchmark::kMicrosecond);

void StatisticsOnly(benchmark::State& state) {
    auto draws = quintara::ReadHistory<quintara::LottoDrawRec>(AppDir()).value();
    for (auto _ : state) {
        auto stats = quintara::ComputeStatistics(quintara::Game::Lotto, draws);
        benchmark::DoNotOptimize(stats);
    }
}
BENCHMARK(StatisticsOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
