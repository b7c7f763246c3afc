// A simulation over every simulable draw of the real Lotto history, fast and literal side by side: the
// fast run as the program makes it (on the processor's cores, timed by the clock on the wall) and on one
// thread; the literal run on the history in memory, and as the program's design has it, reading the
// history file again before every step.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/History.h"
#include "generate/Catalogue.h"
#include "generate/WheelFile.h"
#include "history/HistoryCsv.h"
#include "simulate/Simulation.h"
#include "support/LiteralSimulation.h"

namespace {

using namespace quintara;

// The folder holding the history file the benchmarks read.
const std::filesystem::path& HistoryDir() {
    static const auto dir = std::filesystem::temp_directory_path() / "quintara-bench-simulation";
    return dir;
}

const OneBased<LottoDrawRec>& LottoDraws() {
    static const auto draws = [] {
        const auto& dir = HistoryDir();
        std::filesystem::create_directories(dir);
        std::ifstream in(std::string(QUINTARA_SOURCE_DIR) + "/data/history/lotto.csv");
        std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ImportHistoryCsv(Game::Lotto, csv, dir).value();
        return ReadHistory<LottoDrawRec>(dir).value();
    }();
    return draws;
}

OneBased<std::string> ShippedWheel(std::string_view item) {
    const auto file = WheelFileName(Game::Lotto, item);
    const auto path = std::filesystem::path(QUINTARA_SOURCE_DIR) / "data" / "wheels" / std::string(*file);
    return ReadWheelFile(path, Game::Lotto, WheelSource::BuiltIn).value();
}

struct Setup {
    GeneratorRequest request;
    OneBased<std::string> wheel;
    std::int32_t n = 0;
};

Setup SetupFor(int algorithmIndex, std::string_view wheelItem) {
    Setup setup;
    setup.request.game = Game::Lotto;
    setup.request.algorithm =
        std::string(AlgorithmItems(Game::Lotto)[static_cast<std::size_t>(algorithmIndex)]);
    setup.request.GeneratorMode = static_cast<std::int16_t>(algorithmIndex);
    setup.request.today = 45000;
    if (!wheelItem.empty()) {
        setup.wheel = ShippedWheel(wheelItem);
    }
    setup.n = MaxSimulationDraws(static_cast<std::int32_t>(LottoDraws().Size()));
    return setup;
}

// The run as the program does it: its steps shared out over the processor's cores.
void Fast(benchmark::State& state, int algorithmIndex, std::string_view wheelItem, unsigned threads) {
    const Setup setup = SetupFor(algorithmIndex, wheelItem);
    for (auto _ : state) {
        auto result = RunSimulation(LottoDraws(), setup.request, setup.wheel, setup.n,
                                    SimulationCommand::MainBalls, threads);
        benchmark::DoNotOptimize(result);
    }
    state.counters["draws"] = setup.n;
}

// Also the proof, on the real history, that the fast run writes the literal run's report.
void Literal(benchmark::State& state, int algorithmIndex, std::string_view wheelItem) {
    const Setup setup = SetupFor(algorithmIndex, wheelItem);
    const auto fast =
        RunSimulation(LottoDraws(), setup.request, setup.wheel, setup.n, SimulationCommand::MainBalls);
    bool checked = false;
    for (auto _ : state) {
        auto literal = test::RunLiteralSimulation(LottoDraws(), setup.request, setup.wheel, setup.n,
                                                  SimulationCommand::MainBalls);
        if (!checked) {
            checked = true;
            const SimulationRun* a = fast ? &*fast : nullptr;
            const SimulationRun* b = literal ? &*literal : nullptr;
            if (a == nullptr || b == nullptr || a->ReportText != b->ReportText ||
                a->FinalNumbers != b->FinalNumbers || a->PickedLines != b->PickedLines) {
                state.SkipWithError("the fast simulation differs from the literal one");
                break;
            }
        }
        benchmark::DoNotOptimize(literal);
    }
    state.counters["draws"] = setup.n;
}

// The literal run as the program's design has it, reading the history file again before every step.
void LiteralRereading(benchmark::State& state, int algorithmIndex, std::string_view wheelItem) {
    const Setup setup = SetupFor(algorithmIndex, wheelItem);
    const auto fast =
        RunSimulation(LottoDraws(), setup.request, setup.wheel, setup.n, SimulationCommand::MainBalls);
    for (auto _ : state) {
        auto literal = test::RunLiteralSimulationRereading(
            HistoryDir(), LottoDraws(), setup.request, setup.wheel, setup.n, SimulationCommand::MainBalls);
        const SimulationRun* a = fast ? &*fast : nullptr;
        const SimulationRun* b = literal ? &*literal : nullptr;
        if (a == nullptr || b == nullptr || a->ReportText != b->ReportText) {
            state.SkipWithError("the fast simulation differs from the literal one");
            break;
        }
    }
    state.counters["draws"] = setup.n;
}

// The real Lotto history a hundred times over, each copy dated before the last, and a Lotto Extra history
// of the same draws: "49 Numbers from 49" in Lotto Extra starts each step from the Lotto draws dated
// before it, which must cost no more, as the history grows, than the wheel run beside it.
struct Hundredfold {
    OneBased<LottoDrawRec> lotto;
    OneBased<LottoExtraDrawRec> extra;
};

const Hundredfold& HundredfoldHistories() {
    static const Hundredfold histories = [] {
        Hundredfold made;
        const auto& real = LottoDraws();
        const double span = real[1].DrawDate - real[real.Size()].DrawDate + 7;
        for (int copy = 0; copy < 100; ++copy) {
            for (LottoDrawRec draw : real) {
                draw.DrawDate -= copy * span;
                made.lotto.PushBack(draw);
                LottoExtraDrawRec extra;
                extra.DrawDate = draw.DrawDate;
                extra.Balls = draw.Balls;
                made.extra.PushBack(extra);
            }
        }
        return made;
    }();
    return histories;
}

void LottoExtraHundredfold(benchmark::State& state, int algorithmIndex, std::string_view wheelItem) {
    Setup setup = SetupFor(algorithmIndex, wheelItem);
    setup.request.game = Game::LottoExtra;
    const auto& histories = HundredfoldHistories();
    setup.n = MaxSimulationDraws(static_cast<std::int32_t>(histories.extra.Size()));
    for (auto _ : state) {
        auto result = RunSimulation(histories.extra, setup.request, setup.wheel, setup.n,
                                    SimulationCommand::MainBalls, histories.lotto);
        if (!result) {
            state.SkipWithError("the simulation failed");
            break;
        }
    }
    state.counters["draws"] = setup.n;
    state.counters["history"] = static_cast<double>(histories.extra.Size());
}

BENCHMARK_CAPTURE(LottoExtraHundredfold, 5LineWheel, 0, "5 Line Wheel - 1 Number")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(LottoExtraHundredfold, 49, 1, "")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK_CAPTURE(Fast, Lotto_28_5LineWheel, 0, "5 Line Wheel - 1 Number", kAutoThreads)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Fast, Lotto_28_5LineWheel_OneThread, 0, "5 Line Wheel - 1 Number", 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Literal, Lotto_28_5LineWheel, 0, "5 Line Wheel - 1 Number")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(LiteralRereading, Lotto_28_5LineWheel, 0, "5 Line Wheel - 1 Number")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Fast, Lotto_28_904LineWheel, 0, "904 Line Wheel", kAutoThreads)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Fast, Lotto_28_904LineWheel_OneThread, 0, "904 Line Wheel", 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Literal, Lotto_28_904LineWheel, 0, "904 Line Wheel")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(LiteralRereading, Lotto_28_904LineWheel, 0, "904 Line Wheel")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Fast, Lotto_49, 1, "", kAutoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Fast, Lotto_49_OneThread, 1, "", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Literal, Lotto_49, 1, "")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(LiteralRereading, Lotto_49, 1, "")->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
