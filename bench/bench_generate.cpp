// The generator as the Pick command, the picks views and the simulation call it, on the real histories.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/History.h"
#include "generate/Catalogue.h"
#include "generate/FortyNineGenerator.h"
#include "generate/Generator.h"
#include "generate/SectionSelection.h"
#include "generate/WheelFile.h"
#include "generate/WheelLines.h"
#include "history/HistoryCsv.h"
#include "support/FortyNineReference.h"

namespace {

using namespace quintara;

const std::filesystem::path& AppDir() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / "quintara-bench-generate";
        std::filesystem::create_directories(path);
        for (const char* game : {"lotto", "thunderball"}) {
            std::ifstream in(std::string(QUINTARA_SOURCE_DIR) + "/data/history/" + game + ".csv");
            std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            ImportHistoryCsv(*GameFromName(game), csv, path).value();
        }
        return path;
    }();
    return dir;
}

const OneBased<LottoDrawRec>& LottoDraws() {
    static const auto draws = ReadHistory<LottoDrawRec>(AppDir()).value();
    return draws;
}

// The shipped wheel of an item, or, until it is shipped, a stand-in with as many lines.
OneBased<std::string> WheelOf(Game game, std::string_view item, int highest) {
    const auto file = WheelFileName(game, item);
    if (file) {
        const auto path = std::filesystem::path(QUINTARA_SOURCE_DIR) / "data" / "wheels" / std::string(*file);
        WheelRead read = ReadWheelFile(path, game, WheelSource::BuiltIn);
        if (read) {
            return *read;
        }
    }
    const int lines = std::stoi(std::string(item.substr(0, item.find(' '))));
    std::uint32_t seed = 12345;
    OneBased<std::string> wheel;
    for (int line = 0; line < lines; ++line) {
        std::string text;
        for (int k = 0; k < Info(game).pointersPerLine; ++k) {
            seed = seed * 1103515245u + 12345u;
            text += std::to_string(1 + (seed >> 16) % static_cast<std::uint32_t>(highest)) + ",";
        }
        wheel.PushBack(text);
    }
    return wheel;
}

GameStatistics StatisticsOf(Game game) {
    switch (game) {
    case Game::Lotto:
        return ComputeStatistics(game, LottoDraws());
    case Game::LottoExtra: {
        OneBased<LottoExtraDrawRec> extra;
        for (const auto& draw : LottoDraws()) {
            LottoExtraDrawRec rec;
            rec.DrawDate = draw.DrawDate;
            rec.Balls = draw.Balls;
            extra.PushBack(rec);
        }
        return ComputeStatistics(game, extra);
    }
    case Game::Thunderball:
        return ComputeStatistics(game, ReadHistory<ThunderballDrawRec>(AppDir()).value());
    case Game::Lotto59:
        return ComputeStatistics(game, ReadHistory<Lotto59DrawRec>(AppDir()).value());
    case Game::Thunderball39:
        return ComputeStatistics(game, ReadHistory<Thunderball39DrawRec>(AppDir()).value());
    case Game::DailyPlay:
        break;
    }
    // No Daily Play history is shipped: a deterministic one of 1,500 draws.
    OneBased<DailyPlayDrawRec> daily;
    std::uint32_t seed = 99;
    for (int d = 0; d < 1500; ++d) {
        DailyPlayDrawRec rec;
        rec.DrawDate = 45000.0 - d;
        for (std::size_t i = 0; i < 7; ++i) {
            seed = seed * 1103515245u + 12345u;
            rec.Balls[i] = static_cast<std::int16_t>(1 + (seed >> 16) % 27);
        }
        daily.PushBack(rec);
    }
    return ComputeStatistics(game, daily);
}

void Generate(benchmark::State& state, Game game, int algorithmIndex, std::string_view wheelItem) {
    const GameStatistics stats = StatisticsOf(game);
    GeneratorRequest request;
    request.game = game;
    request.algorithm = std::string(AlgorithmItems(game)[static_cast<std::size_t>(algorithmIndex)]);
    request.GeneratorMode = static_cast<std::int16_t>(algorithmIndex);
    request.today = 45000;
    const auto wheel =
        wheelItem.empty()
            ? OneBased<std::string>{}
            : WheelOf(game, wheelItem, algorithmIndex == kSevenNumbersMode ? 7 : Info(game).numbersChosen);
    std::size_t lines = 0;
    for (auto _ : state) {
        GeneratorResult result = GenerateNumbers(request, stats, wheel, LottoDraws());
        lines = result.PickedLines.Size() + result.DailyPlayPickedLines.Size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK_CAPTURE(Generate, Lotto_28_10LineWheel, Game::Lotto, 0, "10 Line Wheel - 2 Numbers")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, Lotto_28_904LineWheel, Game::Lotto, 0, "904 Line Wheel")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, Lotto_49, Game::Lotto, 1, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, Lotto_7, Game::Lotto, 2, "7 Line Wheel. £40 if 3 Numbers")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, LottoExtra_49, Game::LottoExtra, 1, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, Thunderball_12LineWheel, Game::Thunderball, 0, "12 Line Wheel - 1 Pair")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, DailyPlay_10LineWheel, Game::DailyPlay, 0, "10 Line Wheel")
    ->Unit(benchmark::kMicrosecond);

void FortyNineFast(benchmark::State& state) {
    const GameStatistics stats = StatisticsOf(Game::Lotto);
    for (auto _ : state) {
        auto lines = GenerateFortyNineLines(LottoDraws(), stats.BallFrequency, stats.BallLastDrawn);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(FortyNineFast)->Unit(benchmark::kMicrosecond);

// Also the proof that the fast generator gives the reference's lines on the real history.
void FortyNineReference(benchmark::State& state) {
    const GameStatistics stats = StatisticsOf(Game::Lotto);
    const auto fast = GenerateFortyNineLines(LottoDraws(), stats.BallFrequency, stats.BallLastDrawn);
    if (!(reference::ReferenceFortyNineLines(LottoDraws(), stats.BallFrequency, stats.BallLastDrawn).lines ==
          fast)) {
        state.SkipWithError("the fast forty-nine number generator's lines differ from the reference's");
    }
    for (auto _ : state) {
        auto run = reference::ReferenceFortyNineLines(LottoDraws(), stats.BallFrequency, stats.BallLastDrawn);
        benchmark::DoNotOptimize(run);
    }
}
BENCHMARK(FortyNineReference)->Unit(benchmark::kMicrosecond);

void WheelLines904(benchmark::State& state) {
    const auto final = SelectFinalNumbers(StatisticsOf(Game::Lotto), Game::Lotto);
    const auto wheel = WheelOf(Game::Lotto, "904 Line Wheel", 28);
    for (auto _ : state) {
        auto lines = MakeWheelLines(final, wheel, Game::Lotto);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(wheel.Size());
}
BENCHMARK(WheelLines904)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
