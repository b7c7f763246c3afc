// The desktop program on the real histories: start-up to the main window shown (without the splash's
// pause), and a game switch with the window brought up to date. Runs on the offscreen platform.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "qt/QtPlatform.h"
#include "ui/App.h"
#include "ui/frmQuintara.h"

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

void StartUpToMainWindow(benchmark::State& state) {
    Application();
    for (auto _ : state) {
        quintara::QtPlatform desktop(QUINTARA_APP_DIR);
        quintara::ui::App app(desktop, QUINTARA_APP_DIR);
        auto& main = app.forms.Get<quintara::ui::frmQuintara>(app);
        main.Show();
        desktop.DoEvents();
        benchmark::DoNotOptimize(main.txtDrawNumber.text);
        app.forms.UnloadAll();
    }
}
BENCHMARK(StartUpToMainWindow)->Unit(benchmark::kMillisecond);

void GameSwitch(benchmark::State& state) {
    Application();
    quintara::QtPlatform desktop(QUINTARA_APP_DIR);
    quintara::ui::App app(desktop, QUINTARA_APP_DIR);
    auto& main = app.forms.Get<quintara::ui::frmQuintara>(app);
    main.Show();
    desktop.DoEvents();
    bool thunderball = false;
    for (auto _ : state) {
        thunderball = !thunderball;
        (thunderball ? main.mnuDrawThunderball : main.mnuDrawLotto).Click();
        desktop.DoEvents();
    }
    app.forms.UnloadAll();
}
BENCHMARK(GameSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
