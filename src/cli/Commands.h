#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "core/Games.h"

namespace CLI {
class App;
}

namespace quintara::cli {

// Each command: a struct of its option values that declares them on its CLI11 command in Define, and
// the function that runs it. RegisterCommands (Commands.cpp) adds each to the command line.

// import-history: replaces a game's history file with the draws of a CSV file, keeping the old file as
// <name>.bak, or with --merge adds the CSV's draws newer than the history's newest.
struct ImportHistoryOptions {
    Game game{};
    std::filesystem::path csv;
    bool merge = false;
    void Define(CLI::App& command);
};
int RunImportHistory(Context& context, const ImportHistoryOptions& options);

// update: downloads a game's latest results and merges their newer draws into its history, as
// import-history --merge does.
struct UpdateOptions {
    Game game{};
    std::optional<std::string> url;
    long timeout = 120;
    void Define(CLI::App& command);
};
int RunUpdate(Context& context, const UpdateOptions& options);

// export-history: writes a game's history as CSV to standard output.
struct ExportHistoryOptions {
    Game game{};
    void Define(CLI::App& command);
};
int RunExportHistory(Context& context, const ExportHistoryOptions& options);

// verify-history: lists every damaged record of a game's history file.
struct VerifyHistoryOptions {
    Game game{};
    bool json = false;
    void Define(CLI::App& command);
};
int RunVerifyHistory(Context& context, const VerifyHistoryOptions& options);
// add-draw: adds a new latest draw to a game's history, or corrects draw D, with the update window's checks.
struct AddDrawOptions {
    Game game{};
    std::string date;
    std::string balls;
    std::optional<std::string> extra;
    std::string ballSet;
    std::string machine;
    std::optional<std::string> number;
    bool correct = false;  // a correction of a draw older than the newest is meant
    bool json = false;
    void Define(CLI::App& command);
};
int RunAddDraw(Context& context, const AddDrawOptions& options);

// draws: lists a game's draws, newest first.
struct DrawsOptions {
    Game game{};
    bool json = false;
    void Define(CLI::App& command);
};
int RunDraws(Context& context, const DrawsOptions& options);

// stats: ball frequencies of a game, and with --json their last-drawn dates too; with --averages or
// --last-drawn the report of the Lists menu instead, for the Thunderball with --thunderball.
struct StatsOptions {
    Game game{};
    bool json = false;
    bool averages = false;
    bool lastDrawn = false;
    bool thunderball = false;
    void Define(CLI::App& command);
};
int RunStats(Context& context, const StatsOptions& options);

// final: the final numbers an algorithm chooses from a game's history.
struct FinalOptions {
    Game game{};
    std::optional<std::string> algorithm;
    bool json = false;
    void Define(CLI::App& command);
};
int RunFinal(Context& context, const FinalOptions& options);

// pick: lines from an algorithm and a wheel, or personal numbers wheeled by an imported wheel.
struct PickOptions {
    Game game{};
    std::optional<std::string> algorithm;
    std::optional<std::string> wheel;
    std::optional<std::string> wheelFile;
    std::optional<std::string> personal;
    std::optional<std::string> save;
    bool json = false;
    void Define(CLI::App& command);
};
int RunPick(Context& context, const PickOptions& options);

// lines: the lines of a saved-lines file, its game told by its extension unless given.
struct LinesOptions {
    std::optional<Game> game;
    std::filesystem::path file;
    bool json = false;
    void Define(CLI::App& command);
};
int RunLines(Context& context, const LinesOptions& options);
// check: the lines of a saved lines file, or of a pick, checked against typed numbers or a past draw.
struct CheckOptions {
    PickOptions pick;  // the game, and the lines to pick when no file is given
    std::optional<std::filesystem::path> lines;
    std::optional<std::string> numbers;
    std::optional<int> draw;
    bool json = false;
    void Define(CLI::App& command);
};
int RunCheck(Context& context, const CheckOptions& options);

// simulate: the generator run before each of a game's newest draws, and what each draw held of its numbers.
struct SimulateOptions {
    PickOptions pick;  // the game, and the algorithm, wheel or personal numbers to simulate
    std::string draws;
    bool thunderball = false;
    bool json = false;
    void Define(CLI::App& command);
};
int RunSimulate(Context& context, const SimulateOptions& options);

// wheel-check: checks a wheel file and shows what it guarantees.
struct WheelCheckOptions {
    Game game{};
    std::filesystem::path file;
    bool json = false;
    void Define(CLI::App& command);
};
int RunWheelCheck(Context& context, const WheelCheckOptions& options);

}  // namespace quintara::cli
