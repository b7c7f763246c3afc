#include <sstream>

#include "cli/Commands.h"
#include "core/Dates.h"
#include "core/History.h"
#include "history/HistoryCsv.h"

namespace quintara::cli {

namespace {

void WriteFrequency(Json& json, const OneBased<FrequencyRec>& table) {
    json.BeginArray();
    for (const auto& rec : table) {
        json.BeginObject().Key("ball").Number(rec.Ball).Key("count").Number(rec.Count).EndObject();
    }
    json.EndArray();
}

void WriteLastDrawn(Json& json, const OneBased<LastDrawnRec>& table) {
    json.BeginArray();
    for (const auto& rec : table) {
        json.BeginObject()
            .Key("ball")
            .Number(rec.Ball)
            .Key("date")
            .String(FormatDate(rec.DrawDate))
            .EndObject();
    }
    json.EndArray();
}

}  // namespace

int RunImportHistory(Context& context, const std::vector<std::string>& words) {
    const Args args(words, {"--game", "--csv"}, {});
    const Game game = ParseGame(args.Required("--game"));
    const std::string csvPath = args.Required("--csv");
    const auto report = ImportHistoryCsv(game, ReadTextFile(csvPath), context.appDir);
    if (!report) {
        throw Failure(csvPath + ": " + report.GetError().message);
    }
    for (const auto& warning : report->warnings) {
        context.err << csvPath << ": " << warning << "\n";
    }
    context.out << "Imported " << report->draws << " draws into "
                << HistoryPath(context.appDir, game).string() << "\n";
    return 0;
}

int RunExportHistory(Context& context, const std::vector<std::string>& words) {
    const Args args(words, {"--game"}, {});
    const Game game = ParseGame(args.Required("--game"));
    const auto csv = ExportHistoryCsv(game, context.appDir);
    if (!csv) {
        throw Failure(csv.GetError().message);
    }
    context.out << *csv;
    return 0;
}

int RunDraws(Context& context, const std::vector<std::string>& words) {
    const Args args(words, {"--game"}, {"--json"});
    const Game game = ParseGame(args.Required("--game"));
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto draws = LoadDraws<Rec>(context);
        const auto last = static_cast<long long>(draws.Size());
        if (args.Has("--json")) {
            Json json(context.out);
            json.BeginObject().Key("game").String(GameName(game)).Key("draws").BeginArray();
            long long index = 0;
            for (const auto& draw : draws) {
                const DrawView view = ViewOf(draw);
                json.BeginObject()
                    .Key("number")
                    .Number(last - index++)
                    .Key("date")
                    .String(FormatDate(view.date));
                json.Key("balls").Numbers(view.balls);
                if (view.extra) {
                    json.Key("extra").Number(*view.extra);
                }
                json.Key("ball_set").String(view.ballSet).Key("machine").String(view.machine).EndObject();
            }
            json.EndArray().EndObject();
            context.out << "\n";
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

int RunStats(Context& context, const std::vector<std::string>& words) {
    const Args args(words, {"--game"}, {"--json"});
    const Game game = ParseGame(args.Required("--game"));
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto draws = LoadDraws<Rec>(context);
        const GameStatistics stats = ComputeStatistics(game, draws);
        if (args.Has("--json")) {
            Json json(context.out);
            json.BeginObject().Key("game").String(GameName(game));
            json.Key("draws").Number(static_cast<long long>(draws.Size()));
            json.Key("frequency");
            WriteFrequency(json, stats.BallFrequency);
            json.Key("last_drawn");
            WriteLastDrawn(json, stats.BallLastDrawn);
            if (game == Game::Thunderball) {
                json.Key("thunderball_frequency");
                WriteFrequency(json, stats.ThunderballFrequency);
                json.Key("thunderball_last_drawn");
                WriteLastDrawn(json, stats.ThunderballLastDrawn);
            }
            json.EndObject();
            context.out << "\n";
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
