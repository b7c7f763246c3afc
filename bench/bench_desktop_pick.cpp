// Pick on the real Lotto history, from the menu command to the main window showing line 1 of the new
// lines: with the 904-line wheel and with "49 Numbers from 49". Runs on the offscreen platform, in a
// copy of the application folder, since every Pick rewrites "\Print Temp" there.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

#include "qt/QtPlatform.h"
#include "ui/App.h"
#include "ui/frmQuintara.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_desktop_pick";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new QApplication(argc, argv);
    }();
    return *application;
}

const std::filesystem::path& AppDir() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / "quintara-bench-pick";
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

// Picks with the algorithm and wheel items at these positions of the two boxes.
void Pick(benchmark::State& state, int algorithm, int wheel) {
    Application();
    quintara::QtPlatform desktop(AppDir().string());
    quintara::ui::App app(desktop, AppDir());
    auto& main = app.forms.Get<quintara::ui::frmQuintara>(app);
    main.Show();
    main.cmbAlgorithms.SetListIndex(algorithm);
    main.cmbWheels.SetListIndex(wheel);
    desktop.DoEvents();
    for (auto _ : state) {
        main.mnuPick6.Click();
        desktop.DoEvents();
    }
    state.counters["lines"] = static_cast<double>(app.state.PickedLines.Size());
    if (main.caption != "Quintara - Pick Mode - Lotto Draw") {
        state.SkipWithError("the pick failed");
    }
    app.forms.UnloadAll();
}

void PickNineHundredFourLineWheel(benchmark::State& state) {
    Pick(state, 0, 9);
}
BENCHMARK(PickNineHundredFourLineWheel)->Unit(benchmark::kMillisecond);

void PickFortyNineNumbers(benchmark::State& state) {
    Pick(state, 1, 0);
}
BENCHMARK(PickFortyNineNumbers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
