#include "cli/Commands.h"

#include "cli/CommandLine.h"

namespace quintara::cli {

void RegisterCommands(CommandLine& commandLine) {
    commandLine.Add<ImportHistoryOptions>(
        "import-history",
        "replace a game's history file with the draws of a CSV file, or --merge the newer ones into it",
        RunImportHistory);
    commandLine.Add<UpdateOptions>("update", "download a game's latest results and add their newer draws",
                                   RunUpdate);
    commandLine.Add<ExportHistoryOptions>(
        "export-history", "write a game's history as CSV to standard output", RunExportHistory);
    commandLine.Add<VerifyHistoryOptions>("verify-history", "list every damaged record of a game's history",
                                          RunVerifyHistory);
    commandLine.Add<AddDrawOptions>("add-draw", "add a new draw to a game's history, or correct an old one",
                                    RunAddDraw);
    commandLine.Add<DrawsOptions>("draws", "list a game's draws, newest first", RunDraws);
    commandLine.Add<StatsOptions>("stats", "ball frequencies and last-drawn dates of a game", RunStats);
    commandLine.Add<FinalOptions>("final", "the final numbers an algorithm chooses from a game's history",
                                  RunFinal);
    commandLine.Add<PickOptions>(
        "pick", "pick lines with an algorithm and a wheel, or wheel personal numbers", RunPick);
    commandLine.Add<LinesOptions>("lines", "print the lines of a saved-lines file", RunLines);
    commandLine.Add<CheckOptions>(
        "check", "check saved or picked lines against a draw's numbers and report the winning lines",
        RunCheck);
    commandLine.Add<SimulateOptions>(
        "simulate", "simulate the generator over a game's newest draws and count their strikes", RunSimulate);
    commandLine.Add<WheelCheckOptions>("wheel-check", "check a wheel file and show what it guarantees",
                                       RunWheelCheck);
}

}  // namespace quintara::cli
