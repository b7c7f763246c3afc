// The desktop program on the real histories, on the offscreen platform: start-up to the main window
// shown (without the splash's pause), a game switch with the window brought up to date, Pick from
// the menu command to line 1 of the new lines shown, and Simulate Numbers from the menu command to the
// report window shown. Runs in a copy of the application folder, since
// every Pick rewrites "\Print Temp" there.
#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

#include "check/Simulation.h"
#include "qt/QtPlatform.h"
#include "ui/App.h"
#include "ui/main/frmQuintara.h"
#include "ui/simulate/frmNumberOfDraws.h"
#include "ui/simulate/frmSimulatedWins.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_desktop";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // The offscreen platform complains of every window it cannot raise.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new QApplication(argc, argv);
    }();
    return *application;
}

const std::filesystem::path& AppDir() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / "quintara-bench-desktop";
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        for (const auto& entry : std::filesystem::directory_iterator(QUINTARA_APP_DIR)) {
            const auto extension = entry.path().extension();
            if (extension == ".dat" || extension == ".txt" || extension == ".png") {
                std::filesystem::copy_file(entry.path(), path / entry.path().filename());
            }
        }
        return path;
    }();
    return dir;
}

// The desktop with its main window shown, ready for a benchmark's loop.
struct Desktop {
    Desktop() : platform((Application(), AppDir().string())), app(platform, AppDir()) {
        main.Show();
        platform.ProcessEvents(1);
    }
    ~Desktop() { app.forms.UnloadAll(); }

    quintara::QtPlatform platform;
    quintara::ui::App app;
    quintara::ui::frmQuintara& main = app.forms.Get<quintara::ui::frmQuintara>(app);
};

void StartUpToMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Desktop desktop;
        benchmark::DoNotOptimize(desktop.main.txtDrawNumber.text);
    }
}
BENCHMARK(StartUpToMainWindow)->Unit(benchmark::kMillisecond);

void GameSwitch(benchmark::State& state) {
    Desktop desktop;
    bool thunderball = false;
    for (auto _ : state) {
        thunderball = !thunderball;
        (thunderball ? desktop.main.mnuDrawThunderball : desktop.main.mnuDrawLotto).Click();
        desktop.platform.ProcessEvents(1);
    }
}
BENCHMARK(GameSwitch)->Unit(benchmark::kMillisecond);

// Picks with the algorithm and wheel items at these positions of the two boxes.
void Pick(benchmark::State& state, int algorithm, int wheel) {
    Desktop desktop;
    desktop.main.cmbAlgorithms.SetListIndex(algorithm);
    desktop.main.cmbWheels.SetListIndex(wheel);
    desktop.platform.ProcessEvents(1);
    for (auto _ : state) {
        desktop.main.mnuPick6.Click();
        desktop.platform.ProcessEvents(1);
    }
    state.counters["lines"] = static_cast<double>(desktop.app.state.PickedLines.Size());
    if (desktop.main.caption != "Quintara - Pick Mode - Lotto Draw") {
        state.SkipWithError("the pick failed");
    }
}

void PickNineHundredFourLineWheel(benchmark::State& state) {
    Pick(state, 0, 9);
}
BENCHMARK(PickNineHundredFourLineWheel)->Unit(benchmark::kMillisecond);

void PickFortyNineNumbers(benchmark::State& state) {
    Pick(state, 1, 0);
}
BENCHMARK(PickFortyNineNumbers)->Unit(benchmark::kMillisecond);

// Simulate Numbers over `draws` draws (0: every simulable draw) with the algorithm and wheel at these
// positions: from the click to the report window shown and painted, the number of draws typed in by a
// timer inside the modal loop of the number-of-draws window, as a user would. Each run makes the report
// window anew.
void Simulate(benchmark::State& state, int algorithm, int wheel, std::int32_t draws) {
    using namespace quintara::ui;
    Desktop desktop;
    desktop.main.cmbAlgorithms.SetListIndex(algorithm);
    desktop.main.cmbWheels.SetListIndex(wheel);
    desktop.platform.ProcessEvents(1);
    const auto n = draws > 0 ? draws : quintara::MaxSimulationDraws(desktop.app.state.LastDraw);
    for (auto _ : state) {
        QTimer::singleShot(0, [&] {
            if (auto* window = desktop.app.forms.Find<frmNumberOfDraws>()) {
                window->txtNumberOfDraws.text = std::to_string(n);
                window->cmdCheck.Click();
            }
        });
        desktop.main.mnuSimulateFinalNumbers.Click();
        desktop.platform.ProcessEvents(1);
        state.PauseTiming();
        auto* report = desktop.app.forms.Find<frmSimulatedWins>();
        if (report == nullptr || !report->Visible()) {
            state.SkipWithError("the simulation showed no report");
            break;
        }
        report->Unload();
        desktop.platform.ProcessEvents(1);
        state.ResumeTiming();
    }
    state.counters["draws"] = n;
    state.counters["report_bytes"] = static_cast<double>(desktop.app.state.ReportText.size());
}

void SimulateFiveLineWheel(benchmark::State& state) {
    Simulate(state, 0, 0, 0);
}
BENCHMARK(SimulateFiveLineWheel)->Unit(benchmark::kMillisecond);

void SimulateNineHundredFourLineWheel(benchmark::State& state) {
    Simulate(state, 0, 9, 0);
}
BENCHMARK(SimulateNineHundredFourLineWheel)->Unit(benchmark::kMillisecond);

void SimulateFortyNineNumbers(benchmark::State& state) {
    Simulate(state, 1, 0, 0);
}
BENCHMARK(SimulateFortyNineNumbers)->Unit(benchmark::kMillisecond);

// Ten draws: the command's fixed cost, the windows without the long report.
void SimulateTenDraws(benchmark::State& state) {
    Simulate(state, 0, 0, 10);
}
BENCHMARK(SimulateTenDraws)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
