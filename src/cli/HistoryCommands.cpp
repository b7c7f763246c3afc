#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "core/Dates.h"
#include "core/History.h"
#include "core/HistoryCheck.h"
#include "history/HistoryCsv.h"
#include "stats/StatisticReports.h"

namespace quintara::cli {

namespace {

Json FrequencyJson(const OneBased<FrequencyRec>& table) {
    Json list = Json::array();
    for (const auto& rec : table) {
        list.push_back({{"ball", rec.Ball}, {"count", rec.Count}});
    }
    return list;
}

Json LastDrawnJson(const OneBased<LastDrawnRec>& table) {
    Json list = Json::array();
    for (const auto& rec : table) {
        list.push_back({{"ball", rec.Ball}, {"date", FormatDate(rec.DrawDate)}});
    }
    return list;
}

// The Lists menu's report as its window shows it, with LF line ends.
void WriteStatisticReport(Context& context, const StatsOptions& options, const GameStatistics& stats,
                          std::int32_t lastDraw) {
    const StatisticBalls balls = options.thunderball ? StatisticBalls::Thunderball : StatisticBalls::Main;
    const bool thunderball = balls == StatisticBalls::Thunderball;
    const auto lines =
        options.averages
            ? BallAveragesLines(thunderball ? stats.ThunderballFrequency : stats.BallFrequency, lastDraw,
                                balls)
            : LastDrawnLines(thunderball ? stats.ThunderballLastDrawn : stats.BallLastDrawn, balls);
    if (options.json) {
        const std::string title =
            options.averages ? BallAveragesTitle(options.game, balls) : LastDrawnTitle(options.game, balls);
        WriteJson(context, {{"game", GameName(options.game)}, {"title", title}, {"lines", lines}});
        return;
    }
    context.out << JoinReportLines(lines, "\n");
}

}  // namespace

void ImportHistoryOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    command.add_option("--csv", csv, "the CSV file of draws")->required()->type_name("FILE");
    command.add_flag("--merge", merge,
                     "add only the CSV's draws newer than the history's newest instead of replacing it");
}

int RunImportHistory(Context& context, const ImportHistoryOptions& options) {
    const auto report = ImportHistoryCsvFile(options.game, options.csv, context.appDir,
                                             options.merge ? ImportMode::Merge : ImportMode::Replace);
    if (!report) {
        throw Failure(report.GetError().message);
    }
    for (const auto& warning : report->warnings) {
        context.err << options.csv.string() << ": " << warning << "\n";
    }
    const std::string history = HistoryPath(context.appDir, options.game).string();
    if (options.merge) {
        context.out << "Added " << report->added << " of the " << report->draws << " draws to " << history
                    << "\n"
                    << "Already held: " << report->alreadyHeld << "\n"
                    << "Older than the history's newest draw, left out: " << report->older << "\n";
    } else {
        context.out << "Imported " << report->draws << " draws into " << history << "\n";
    }
    if (report->backup) {
        context.out << "The history as it was is kept in " << report->backup->string() << "\n";
    }
    return 0;
}

void ExportHistoryOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
}

int RunExportHistory(Context& context, const ExportHistoryOptions& options) {
    const auto csv = ExportHistoryCsv(options.game, context.appDir);
    if (!csv) {
        std::string message = csv.GetError().message;
        while (!message.empty() && message.back() == '\n') {
            message.pop_back();
        }
        throw Failure(message);
    }
    context.out << *csv;
    return 0;
}

void VerifyHistoryOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    AddJsonFlag(command, json);
}

int RunVerifyHistory(Context& context, const VerifyHistoryOptions& options) {
    const auto problems = VerifyHistory(options.game, context.appDir);
    if (!problems) {
        throw Failure(problems.GetError().message);
    }
    const std::string history = HistoryPath(context.appDir, options.game).string();
    if (options.json) {
        Json list = Json::array();
        for (const auto& problem : *problems) {
            list.push_back(
                {{"record", problem.record}, {"draw", problem.drawNumber}, {"problem", problem.what}});
        }
        WriteJson(context,
                  {{"game", GameName(options.game)}, {"file", history}, {"damaged", std::move(list)}});
    } else if (problems->empty()) {
        context.out << history << ": no damaged records\n";
    } else {
        context.out << history << ": " << problems->size()
                    << (problems->size() == 1 ? " damaged record" : " damaged records") << "\n"
                    << DescribeProblems(*problems, problems->size());
    }
    return problems->empty() ? 0 : 1;
}

void DrawsOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    AddJsonFlag(command, json);
}

int RunDraws(Context& context, const DrawsOptions& options) {
    const Game game = options.game;
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto draws = LoadDraws<Rec>(context);
        const auto last = static_cast<long long>(draws.Size());
        if (options.json) {
            Json list = Json::array();
            long long index = 0;
            for (const auto& draw : draws) {
                const DrawView view = ViewOf(draw);
                Json item = {
                    {"number", last - index++}, {"date", FormatDate(view.date)}, {"balls", view.balls}};
                if (view.extra) {
                    item["extra"] = *view.extra;
                }
                item["ball_set"] = view.ballSet;
                item["machine"] = view.machine;
                list.push_back(std::move(item));
            }
            WriteJson(context, {{"game", GameName(game)}, {"draws", std::move(list)}});
            return 0;
        }
        long long index = 0;
        for (const auto& draw : draws) {
            const DrawView view = ViewOf(draw);
            std::ostringstream line;
            line << "Draw " << last - index++ << "  " << FormatDate(view.date) << " ";
            for (int ball : view.balls) {
                line << " " << ball;
            }
            if (view.extra) {
                line << "  " << Info(game).extraCaption << " " << *view.extra;
            }
            line << "  Ball Set " << view.ballSet << "  Machine " << view.machine;
            context.out << line.str() << "\n";
        }
        return 0;
    });
}

void StatsOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    AddJsonFlag(command, json);
    auto* averagesFlag =
        command.add_flag("--averages", averages, "how many draws pass on average between a ball's draws");
    auto* lastDrawnFlag = command.add_flag("--last-drawn", lastDrawn, "the date each ball was last drawn");
    averagesFlag->excludes(lastDrawnFlag);
    command.add_flag("--thunderball", thunderball,
                     "with --averages or --last-drawn: the Thunderball (1-14) instead of the main balls");
}

int RunStats(Context& context, const StatsOptions& options) {
    const Game game = options.game;
    if (options.thunderball && !options.averages && !options.lastDrawn) {
        throw UsageError("--thunderball needs --averages or --last-drawn");
    }
    if (options.thunderball && game != Game::Thunderball) {
        throw UsageError("--thunderball is only for --game thunderball");
    }
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto draws = LoadDraws<Rec>(context);
        const GameStatistics stats = ComputeStatistics(game, draws);
        if (options.averages || options.lastDrawn) {
            WriteStatisticReport(context, options, stats, static_cast<std::int32_t>(draws.Size()));
            return 0;
        }
        if (options.json) {
            Json json = {{"game", GameName(game)},
                         {"draws", draws.Size()},
                         {"frequency", FrequencyJson(stats.BallFrequency)},
                         {"last_drawn", LastDrawnJson(stats.BallLastDrawn)}};
            if (game == Game::Thunderball) {
                json["thunderball_frequency"] = FrequencyJson(stats.ThunderballFrequency);
                json["thunderball_last_drawn"] = LastDrawnJson(stats.ThunderballLastDrawn);
            }
            WriteJson(context, json);
            return 0;
        }
        for (const auto& item : FrequencyItems(stats.BallFrequency)) {
            context.out << item << "\n";
        }
        if (game == Game::Thunderball) {
            context.out << "\nThunderball\n";
            for (const auto& item : FrequencyItems(stats.ThunderballFrequency)) {
                context.out << item << "\n";
            }
        }
        return 0;
    });
}

}  // namespace quintara::cli
