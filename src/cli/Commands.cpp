#include "cli/Commands.h"

#include "cli/CommandLine.h"

namespace quintara::cli {

void RegisterCommands(CommandLine& commandLine) {
    commandLine.Add<ImportHistoryOptions>(
        "import-history", "replace a game's history file with the draws of a CSV file", RunImportHistory);
    commandLine.Add<ExportHistoryOptions>(
        "export-history", "write a game's history as CSV to standard output", RunExportHistory);
    commandLine.Add<AddDrawOptions>("add-draw", "add a new draw to a game's history, or correct an old one",
                                    RunAddDraw);
    commandLine.Add<DrawsOptions>("draws", "list a game's draws, newest first", RunDraws);
    commandLine.Add<StatsOptions>("stats", "ball frequencies and last-drawn dates of a game", RunStats);
    commandLine.Add<FinalOptions>("final", "the final numbers an algorithm chooses from a game's history",
                                  RunFinal);
    commandLine.Add<PickOptions>(
        "pick", "pick lines with an algorithm and a wheel, or wheel personal numbers", RunPick);
    commandLine.Add<WheelCheckOptions>("wheel-check", "check a wheel file and show what it guarantees",
                                       RunWheelCheck);
}

}  // namespace quintara::cli
