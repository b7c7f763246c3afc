// The desktop program where the user waits, on the offscreen platform (or the display QT_QPA_PLATFORM
// names): start-up to the main window shown (without the splash's pause), a game switch with the window
// brought up to date, Pick from the menu command to line 1 of the new lines shown, Simulate Numbers from
// the menu command to the report window shown and painted (on the real Lotto history and on one ten times
// as long, built here from it), the same simulation by the engine alone, and closing the main window.
// Each runs in a copy of the application folder with a settings store of its own, never the user's:
// every Pick rewrites "\Print Temp" there, closing the window writes the recent-files list.
//
// Memory is the growth of the process's peak resident size over the run ("peak_MB", Linux). Cold start
// runs this program anew to a painted window, as a bare Qt window, as the least a program with a splash
// and a window of text can do, and as Quintara's start-up, side by side.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

#include "core/History.h"
#include "core/RecordFile.h"
#include "qt/Pictures.h"
#include "qt/QtPlatform.h"
#include "simulate/Simulation.h"
#include "ui/App.h"
#include "ui/EngineCalls.h"
#include "ui/main/StartUp.h"
#include "ui/main/frmQuintara.h"
#include "ui/simulate/frmNumberOfDraws.h"
#include "ui/simulate/frmSimulatedWins.h"
#include "ui/start/frmSplash.h"

namespace {

namespace fs = std::filesystem;

int g_argc = 1;
char g_name[] = "bench_desktop";
char* g_argv[] = {g_name, nullptr};

QApplication& Application() {
    static QApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // The offscreen platform complains of every window it cannot raise.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new QApplication(g_argc, g_argv);
    }();
    return *application;
}

// A copy of the built application folder's shipped files.
fs::path CopyOfAppDir(const std::string& name) {
    auto path = fs::temp_directory_path() / name;
    fs::remove_all(path);
    fs::create_directories(path);
    for (const auto& entry : fs::directory_iterator(QUINTARA_APP_DIR)) {
        const auto extension = entry.path().extension();
        if (extension == ".dat" || extension == ".txt" || extension == ".png") {
            fs::copy_file(entry.path(), path / entry.path().filename());
        }
    }
    return path;
}

const fs::path& AppDir() {
    static const fs::path dir = CopyOfAppDir("quintara-bench-desktop");
    return dir;
}

// The real Lotto history ten times over, each copy dated before the last, in an application folder.
const fs::path& TenfoldAppDir() {
    static const fs::path dir = [] {
        using namespace quintara;
        fs::path path = CopyOfAppDir("quintara-bench-desktop-tenfold");
        const auto real = ReadHistory<LottoDrawRec>(path, false).value();
        const double span = real[1].DrawDate - real[real.Size()].DrawDate + 7;
        OneBased<LottoDrawRec> tenfold;
        tenfold.Reserve(real.Size() * 10);
        for (int copy = 0; copy < 10; ++copy) {
            for (LottoDrawRec draw : real) {
                draw.DrawDate -= copy * span;
                tenfold.PushBack(draw);
            }
        }
        const auto length = static_cast<std::size_t>(Info(Game::Lotto).recordLength);
        WriteRecordFile(HistoryPath(path, Game::Lotto), length, tenfold).value();
        return path;
    }();
    return dir;
}

// Resident memory in MB, from /proc/self/status: "VmRSS" now, "VmHWM" at its peak.
double ResidentMB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field)) {
            return std::strtod(line.c_str() + std::strlen(field) + 1, nullptr) / 1024.0;
        }
    }
    return 0;
}

// Measures how far the peak resident size rises above where it stands when made.
class PeakGrowth {
public:
    PeakGrowth() {
        malloc_trim(0);  // so that freed memory of earlier runs neither counts nor hides growth
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from the resident size
        m_base = ResidentMB("VmRSS:");
    }
    double MB() const { return ResidentMB("VmHWM:") - m_base; }

private:
    double m_base = 0;
};

// The desktop with its main window shown, ready for a benchmark's loop.
struct Desktop {
    explicit Desktop(const fs::path& appDir)
        : platform((Application(), appDir.string()), settings.filePath(QStringLiteral("settings.ini"))),
          app(platform, appDir) {
        main.Show();
        platform.ProcessEvents(1);
    }
    ~Desktop() { app.forms.UnloadAll(); }

    QTemporaryDir settings;
    quintara::QtPlatform platform;
    quintara::ui::App app;
    quintara::ui::frmQuintara& main = app.forms.Get<quintara::ui::frmQuintara>(app);
};

void StartUpToMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Desktop desktop(AppDir());
        benchmark::DoNotOptimize(desktop.main.txtDrawNumber.text);
    }
}
BENCHMARK(StartUpToMainWindow)->Unit(benchmark::kMillisecond);

void GameSwitch(benchmark::State& state) {
    Desktop desktop(AppDir());
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
    Desktop desktop(AppDir());
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

// Clicks Simulate Numbers and types `n` into the number-of-draws window from a timer inside its modal
// loop, as a user would; true when the report window was shown, which is then unloaded.
bool ClickSimulate(Desktop& desktop, std::int32_t n, benchmark::State* timed = nullptr) {
    using namespace quintara::ui;
    QTimer::singleShot(0, [&] {
        if (auto* window = desktop.app.forms.Find<frmNumberOfDraws>()) {
            window->txtNumberOfDraws.text = std::to_string(n);
            window->cmdCheck.Click();
        }
    });
    desktop.main.mnuSimulateFinalNumbers.Click();
    desktop.platform.ProcessEvents(1);
    if (timed != nullptr) {
        timed->PauseTiming();
    }
    auto* report = desktop.app.forms.Find<frmSimulatedWins>();
    const bool shown = report != nullptr && report->Visible();
    if (report != nullptr) {
        report->Unload();
        desktop.platform.ProcessEvents(1);
    }
    if (timed != nullptr) {
        timed->ResumeTiming();
    }
    return shown;
}

Desktop& Choose(Desktop& desktop, int algorithm, int wheel) {
    desktop.main.cmbAlgorithms.SetListIndex(algorithm);
    desktop.main.cmbWheels.SetListIndex(wheel);
    desktop.platform.ProcessEvents(1);
    return desktop;
}

// Simulate Numbers over `draws` draws (0: every simulable draw) with the algorithm and wheel at these
// positions: from the click to the report window shown and painted. Each run makes the report window
// anew. The CPU time is the whole process's, the simulation's threads included.
void Simulate(benchmark::State& state, const fs::path& appDir, int algorithm, int wheel, std::int32_t draws) {
    Desktop desktop(appDir);
    Choose(desktop, algorithm, wheel);
    const auto n = draws > 0 ? draws : quintara::MaxSimulationDraws(desktop.app.state.LastDraw);
    const PeakGrowth peak;
    for (auto _ : state) {
        if (!ClickSimulate(desktop, n, &state)) {
            state.SkipWithError("the simulation showed no report");
            break;
        }
    }
    state.counters["draws"] = n;
    state.counters["report_bytes"] = static_cast<double>(desktop.app.state.ReportText.size());
    state.counters["peak_MB"] = peak.MB();
}

void SimulateFiveLineWheel(benchmark::State& state) {
    Simulate(state, AppDir(), 0, 0, 0);
}
BENCHMARK(SimulateFiveLineWheel)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void SimulateNineHundredFourLineWheel(benchmark::State& state) {
    Simulate(state, AppDir(), 0, 9, 0);
}
BENCHMARK(SimulateNineHundredFourLineWheel)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void SimulateFortyNineNumbers(benchmark::State& state) {
    Simulate(state, AppDir(), 1, 0, 0);
}
BENCHMARK(SimulateFortyNineNumbers)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Ten draws: the command's fixed cost, the windows without the long report.
void SimulateTenDraws(benchmark::State& state) {
    Simulate(state, AppDir(), 0, 0, 10);
}
BENCHMARK(SimulateTenDraws)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void SimulateFiveLineWheelTenfoldHistory(benchmark::State& state) {
    Simulate(state, TenfoldAppDir(), 0, 0, 0);
}
BENCHMARK(SimulateFiveLineWheelTenfoldHistory)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The same simulation by the engine alone, on the state the desktop loaded: what the desktop's figures
// stand against.
void EngineSimulateFiveLineWheelTenfoldHistory(benchmark::State& state) {
    Desktop desktop(TenfoldAppDir());
    const auto n = quintara::MaxSimulationDraws(desktop.app.state.LastDraw);
    // One run through the window leaves the state (the wheel loaded, the algorithm read) as a click has it.
    if (!ClickSimulate(Choose(desktop, 0, 0), n)) {
        state.SkipWithError("the simulation showed no report");
        return;
    }
    const quintara::AppState& loaded = desktop.app.state;
    quintara::GeneratorRequest request = quintara::ui::RequestFromState(loaded, desktop.app.Today());
    request.GeneratorMode = loaded.GeneratorMode;
    const PeakGrowth peak;
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto result =
            quintara::ui::SimulateOverState(loaded, request, n, quintara::SimulationCommand::MainBalls);
        bytes = result.value().ReportText.size();
    }
    state.counters["draws"] = n;
    state.counters["report_bytes"] = static_cast<double>(bytes);
    state.counters["peak_MB"] = peak.MB();
}
BENCHMARK(EngineSimulateFiveLineWheelTenfoldHistory)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Counts the times a file in a folder is written whole or put in place, as a settings store's sync does.
class WritesOf {
public:
    WritesOf(const QString& folder, std::string name) : m_name(std::move(name)) {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(m_fd, folder.toLocal8Bit().constData(), IN_CLOSE_WRITE | IN_MOVED_TO);
    }
    ~WritesOf() { close(m_fd); }
    int Count() {
        alignas(inotify_event) char buffer[8192];
        for (ssize_t got; (got = read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0 && m_name == event->name) {
                    ++m_count;
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        return m_count;
    }

private:
    std::string m_name;
    int m_fd = -1;
    int m_count = 0;
};

// Closing the main window as the user does, with the recent-files list it writes: the time, and how
// often the settings store was written.
void CloseMainWindow(benchmark::State& state) {
    int writes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto desktop = std::make_unique<Desktop>(AppDir());
        WritesOf settings(desktop->settings.path(), "settings.ini");
        state.ResumeTiming();
        desktop->platform.Renderer().Window(desktop->main).close();
        desktop->platform.ProcessEvents(1);
        state.PauseTiming();
        writes = settings.Count();
        desktop.reset();
        state.ResumeTiming();
    }
    state.counters["settings_writes"] = writes;
}
BENCHMARK(CloseMainWindow)->Unit(benchmark::kMillisecond);

// A new process of this program up to its first window painted, with or without Quintara in it: the
// wall time from start to the paint, in ms.
double ColdStart(const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QString::fromLocal8Bit(g_argv[0]),
                {QString::fromLatin1(mode), QString::fromStdString(AppDir().string())});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        return -1;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A bare Qt window and Quintara's start-up taking turns, so that both meet the same load of the machine;
// the iteration time is Quintara's, the counters the medians of both and their ratio.
void ColdStartBareWindowAndQuintara(benchmark::State& state) {
    std::vector<double> bare;
    std::vector<double> least;
    std::vector<double> quintara;
    for (auto _ : state) {
        bare.push_back(ColdStart("--bare-window"));
        least.push_back(ColdStart("--splash-and-text"));
        quintara.push_back(ColdStart("--quintara-window"));
        if (bare.back() < 0 || least.back() < 0 || quintara.back() < 0) {
            state.SkipWithError("a child did not paint its window");
            return;
        }
        state.SetIterationTime(quintara.back() / 1000);
    }
    state.counters["bare_ms"] = Median(bare);
    state.counters["splash_and_text_ms"] = Median(least);
    state.counters["quintara_ms"] = Median(quintara);
    state.counters["ratio"] = Median(quintara) / Median(bare);
    state.counters["splash_and_text_ratio"] = Median(least) / Median(bare);
}
BENCHMARK(ColdStartBareWindowAndQuintara)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

// Ends the program once a widget of the window named `name` has painted (and the paint of the window
// that holds it is done).
void QuitWhenPainted(QApplication& application, const QString& name) {
    class Watch : public QObject {
    public:
        explicit Watch(QString name) : m_name(std::move(name)) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window()->objectName() == m_name) {
                // Straight out once the paint is done: what comes after (closing, settings) is not start-up.
                QTimer::singleShot(0, qApp, [] { _exit(0); });
            }
            return false;
        }

    private:
        QString m_name;
    };
    application.installEventFilter(new Watch(name));
}

// The child of a cold start: a bare Qt window, or Quintara's own start-up on `appDir`, to the first paint.
int RunChild(const std::string& mode, const fs::path& appDir) {
    QApplication& application = Application();
    if (mode == "--bare-window" || mode == "--splash-and-text") {
        // The least any program with Quintara's start does: a first window painted while the events are
        // processed, then a window with a line of text.
        QWidget splash;
        if (mode == "--splash-and-text") {
            splash.resize(400, 300);
            splash.show();
            for (int pass = 0; pass < 500; ++pass) {
                QCoreApplication::processEvents();
            }
        }
        QMainWindow window;
        window.setObjectName(QStringLiteral("bare"));
        window.resize(600, 400);
        QLabel text(QStringLiteral("Quintara Version 2.0"), &window);
        text.setGeometry(10, 10, 300, 30);
        text.setVisible(mode == "--splash-and-text");
        QuitWhenPainted(application, window.objectName());
        window.show();
        return QApplication::exec();
    }
    // The copied folder is the bench's own, so its settings store is too.
    quintara::QtPlatform desktop(appDir.string(), QString::fromStdString((appDir / "settings.ini").string()));
    quintara::ui::App app(desktop, appDir);
    // As the program does.
    quintara::PrefetchPicture(app.AppFile(quintara::ui::kSplashPicture).string());
    quintara::ReadAheadPictures({app.AppFile(quintara::ui::kBallPicture).string(),
                                 app.AppFile(quintara::ui::kBonusBallPicture).string()});
    QuitWhenPainted(application, QStringLiteral("frmQuintara"));
    quintara::ui::StartUp(app);
    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    g_argv[0] = argv[0];
    if (argc == 3 &&
        (std::strcmp(argv[1], "--bare-window") == 0 || std::strcmp(argv[1], "--splash-and-text") == 0 ||
         std::strcmp(argv[1], "--quintara-window") == 0)) {
        return RunChild(argv[1], argv[2]);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
