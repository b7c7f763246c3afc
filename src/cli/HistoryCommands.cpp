#include <algorithm>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Download.h"
#include "core/Dates.h"
#include "core/Files.h"
#include "core/History.h"
#include "core/HistoryCheck.h"
#include "core/TextRules.h"
#include "history/DrawEntry.h"
#include "history/HistoryCsv.h"
#include "history/HistoryUpdate.h"
#include "history/ResultsDownload.h"
#include "stats/EqualChances.h"
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
        list.push_back({{"ball", rec.Ball},
                        {"date", FormatDate(rec.DrawDate)},
                        {"iso_date", FormatIsoDate(rec.DrawDate)}});
    }
    return list;
}

Json EqualChancesJson(const EqualChanceTest& test) {
    return {{"balls", test.balls},          {"balls_per_draw", test.perDraw},
            {"chi_square", test.chiSquare}, {"degrees_of_freedom", test.degreesOfFreedom},
            {"p_value", test.pValue},       {"verdict", EqualChanceSentence(test)}};
}

// The Lists menu's report as its window's box shows it, with LF line ends; the JSON of the averages also
// carries the test of the counts against equal chances that the window shows below the box.
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
        Json json = {{"game", GameName(options.game)}, {"title", title}, {"lines", lines}};
        if (options.averages) {
            json["equal_chances"] = EqualChancesJson(TestEqualChances(options.game, balls, stats, lastDraw));
        }
        WriteJson(context, json);
        return;
    }
    context.out << JoinReportLines(lines, "\n");
}

// One draw as `draws` lists it.
std::string DrawLine(Game game, long long number, const DrawView& view) {
    std::ostringstream line;
    line << "Draw " << number << "  " << FormatDate(view.date) << " ";
    for (int ball : view.balls) {
        line << " " << ball;
    }
    if (view.extra) {
        line << "  " << Info(game).extraCaption << " " << *view.extra;
    }
    line << "  Ball Set " << view.ballSet << "  Machine " << view.machine;
    return line.str();
}

// The update window's box a refusal points at, as the command line names it.
std::string BoxName(Game game, EntryBox box) {
    const int number = static_cast<int>(box);
    if (number >= 1 && number < kBallBoxes) {
        return "ball " + std::to_string(number);
    }
    switch (box) {
    case EntryBox::BonusBall:
        return std::string(Info(game).extraOption);
    case EntryBox::DrawDate:
        return "--date";
    case EntryBox::BallSet:
        return "--set";
    case EntryBox::Machine:
        return "--machine";
    case EntryBox::DrawNumber:
        return "--number";
    default:
        return {};
    }
}

[[noreturn]] void Refuse(Game game, const Refusal& refusal) {
    std::string text = refusal.title + ": " + refusal.text;
    for (auto at = text.find(kCrLf); at != std::string::npos; at = text.find(kCrLf, at)) {
        text.replace(at, kCrLf.size(), "\n");
    }
    const std::string box = BoxName(game, EntryBoxOf(refusal));
    throw Failure(box.empty() ? text : text + " (" + box + ")");
}

}  // namespace

void ImportHistoryOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    command
        .add_option("--csv", csv,
                    "the CSV file of draws, Quintara's layout or the operator's; - for standard input")
        ->required()
        ->type_name("FILE");
    command.add_flag("--merge", merge,
                     "add only the CSV's draws newer than the history's newest instead of replacing it");
}

int RunImportHistory(Context& context, const ImportHistoryOptions& options) {
    const auto report =
        ImportHistoryCsvFile(options.game, options.csv, context.appDir,
                             options.merge ? ImportMode::Merge : ImportMode::Replace, InputKinds::PipesToo);
    if (!report) {
        throw Failure(report.error().text);
    }
    for (const auto& warning : report->warnings) {
        context.err << InputName(options.csv, InputKinds::PipesToo) << ": " << warning << "\n";
    }
    if (!report->saveWarning.empty()) {
        context.err << "warning: " << report->saveWarning << "\n";
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

void UpdateOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    command.add_option("--url", url, "the address to download from instead of the game's results address")
        ->type_name("URL");
    command.add_option("--timeout", timeout, "give the download up after this many seconds (default 120)")
        ->check(CLI::Range(1L, 86400L))
        ->type_name("SECONDS");
}

int RunUpdate(Context& context, const UpdateOptions& options) {
    const std::string address = options.url.value_or(ResultsAddress(options.game, DesktopResultsSettings()));
    if (address.empty()) {
        throw Failure(GameName(options.game) +
                      " is no longer drawn and no results address is set for it; give one "
                      "with --url");
    }
    const DownloadLimits limits{std::min(options.timeout, DownloadLimits{}.connectSeconds), options.timeout};
    const auto body = DownloadBytes(address, limits);
    if (!body) {
        throw Failure(ResultsFailureText(options.game, address, body.error().text));
    }
    const auto report = MergeDownloadedResults(options.game, *body, context.appDir);
    if (!report) {
        throw Failure(ResultsFailureText(options.game, address, report.error().text));
    }
    if (!report->saveWarning.empty()) {
        context.err << "warning: " << report->saveWarning << "\n";
    }
    context.out << ResultsMergeText(options.game, *report) << "\n";
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
        std::string message = csv.error().text;
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
        throw Failure(problems.error().text);
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

void AddDrawOptions::Define(CLI::App& command) {
    AddGameOption(command, game);
    AddJsonFlag(command, json);
    command.add_option("--date", date, "the draw date, DD/MM/YYYY")->required()->type_name("DD/MM/YYYY");
    command
        .add_option("--balls", balls,
                    "the main balls in the order drawn, separated by commas (Daily Play: all seven)")
        ->required()
        ->type_name("N1,N2,...");
    command.add_option("--extra", extra, "Lotto's bonus ball or the Thunderball")->type_name("N");
    command.add_option("--set", ballSet, "the ball set")->type_name("S");
    command.add_option("--machine", machine, "the machine")->type_name("M");
    command.add_option("--number", number, "the draw number: N + 1 (the default) adds, 1 to N corrects")
        ->type_name("D");
    command.add_flag("--correct", correct, "allow --number to replace a draw older than the newest");
}

namespace {

// The boxes the update window would fill from the options, ball 6 of Thunderball left empty; the draw
// number is added by the caller.
DrawEntryFields TypedFields(const AddDrawOptions& options) {
    const Game game = options.game;
    DrawEntryFields fields;
    const std::vector<std::string> balls = CommaList("--balls", options.balls);
    const bool hasExtra = Info(game).hasExtra;
    const std::size_t mainBalls = static_cast<std::size_t>(Info(game).mainBalls);
    if (balls.size() != mainBalls) {
        throw UsageError("--balls: a " + GameName(game) + " draw has " + std::to_string(mainBalls) +
                         " balls, not " + std::to_string(balls.size()));
    }
    if (options.extra && !hasExtra) {
        throw UsageError("--extra: a " + GameName(game) + " draw has no " +
                         (Info(game).mainBalls == kBallBoxes ? "extra ball (give all seven balls in --balls)"
                                                             : "extra ball"));
    }
    for (std::size_t i = 0; i < balls.size(); ++i) {
        fields.balls[i] = balls[i];
    }
    if (hasExtra) {
        fields.balls[kBallBoxes - 1] = options.extra.value_or("");
    }
    fields.drawDate = options.date;
    fields.ballSet = options.ballSet;
    fields.machine = options.machine;
    return fields;
}

// The checks of the update window in its order: each box as it is left, then those of Update, which
// leave the typed texts encoded as the record holds them.
void CheckAsTheWindowDoes(Game game, DrawEntryFields& fields) {
    for (int box = 1; box <= kBallBoxes; ++box) {
        if (UsesBallBox(game, box) && !fields.balls[static_cast<std::size_t>(box - 1)].empty()) {
            if (const Checked ball = CheckBallBox(game, box, fields.balls); !ball) {
                Refuse(game, ball.error());
            }
        }
    }
    if (const Checked date = CheckDrawDateBox(fields.drawDate); !date) {
        Refuse(game, date.error());
    }
    if (const Checked encoded = EncodeTypedText(game, fields); !encoded) {
        Refuse(game, encoded.error());
    }
}

}  // namespace

int RunAddDraw(Context& context, const AddDrawOptions& options) {
    const Game game = options.game;
    DrawEntryFields fields = TypedFields(options);
    const auto held = HistoryDrawCount(game, context.appDir);
    if (!held) {
        throw Failure(held.error().text);
    }
    fields.drawNumber = options.number.value_or(std::to_string(static_cast<long long>(*held) + 1));
    CheckAsTheWindowDoes(game, fields);
    const Expected<UpdatePlan> prepared = PrepareUpdate(game, fields, *held);
    if (!prepared) {
        Refuse(game, prepared.error());
    }
    const UpdatePlan& plan = *prepared;
    const auto newest = NewestDrawDate(game, context.appDir);
    if (!newest) {
        throw Failure(newest.error().text);
    }
    if (const Checked follows = CheckNewDrawDate(game, plan, *newest); !follows) {
        Refuse(game, follows.error());
    }
    if (CorrectionNeedsConfirmation({plan.drawNumber, plan.newDraw}, *held) && !options.correct) {
        throw Failure("draw " + std::to_string(plan.drawNumber) +
                      " is already in the history (the newest is " + std::to_string(*held) +
                      "); give --correct to replace it");
    }
    // A new draw goes first in the file as it is when written, even if another Quintara added one since
    // the count above: it is never written over that draw.
    const auto written = plan.newDraw ? AddDraw(context.appDir, plan.record)
                                      : CorrectDraw(context.appDir, plan.drawNumber, plan.record);
    if (!written) {
        Refuse(game, UpdateFailure(written.error()));
    }
    if (!written->warning.empty()) {
        context.err << "warning: " << written->warning << "\n";
    }
    const DrawView view = std::visit([](const auto& draw) { return ViewOf(draw); }, plan.record);
    if (options.json) {
        Json draw = {{"number", written->drawNumber},
                     {"date", FormatDate(view.date)},
                     {"iso_date", FormatIsoDate(view.date)},
                     {"balls", view.balls}};
        if (view.extra) {
            draw["extra"] = *view.extra;
        }
        draw["ball_set"] = view.ballSet;
        draw["machine"] = view.machine;
        WriteJson(context, {{"game", GameName(game)},
                            {"added", written->added},
                            {"draws", written->draws},
                            {"file", written->file.string()},
                            {"draw", std::move(draw)}});
        return 0;
    }
    context.out << (written->added ? "Added" : "Corrected") << " " << GameName(game) << " draw "
                << written->drawNumber << " in " << written->file.string() << " (" << written->draws
                << " draws)\n"
                << DrawLine(game, written->drawNumber, view) << "\n";
    return 0;
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
                Json item = {{"number", last - index++},
                             {"date", FormatDate(view.date)},
                             {"iso_date", FormatIsoDate(view.date)},
                             {"balls", view.balls}};
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
            context.out << DrawLine(game, last - index++, ViewOf(draw)) << "\n";
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
    if (options.thunderball && !Info(game).extraStatistics) {
        throw UsageError("--thunderball is only for --game thunderball or thunderball-39");
    }
    return WithDrawRecord(game, [&](auto tag) {
        using Rec = typename decltype(tag)::type;
        const auto draws = LoadDraws<Rec>(context);
        const GameStatistics stats = ComputeStatistics(game, draws);
        if (options.averages || options.lastDrawn) {
            WriteStatisticReport(context, options, stats, static_cast<std::int32_t>(draws.Size()));
            return 0;
        }
        const auto drawCount = static_cast<std::int32_t>(draws.Size());
        const EqualChanceTest mainTest = TestEqualChances(game, StatisticBalls::Main, stats, drawCount);
        const EqualChanceTest thunderballTest =
            TestEqualChances(game, StatisticBalls::Thunderball, stats, drawCount);
        if (options.json) {
            Json json = {{"game", GameName(game)},
                         {"draws", draws.Size()},
                         {"frequency", FrequencyJson(stats.BallFrequency)},
                         {"last_drawn", LastDrawnJson(stats.BallLastDrawn)},
                         {"equal_chances", EqualChancesJson(mainTest)}};
            if (Info(game).extraStatistics) {
                json["thunderball_frequency"] = FrequencyJson(stats.ThunderballFrequency);
                json["thunderball_last_drawn"] = LastDrawnJson(stats.ThunderballLastDrawn);
                json["thunderball_equal_chances"] = EqualChancesJson(thunderballTest);
            }
            WriteJson(context, json);
            return 0;
        }
        for (const auto& item : FrequencyItems(stats.BallFrequency)) {
            context.out << item << "\n";
        }
        context.out << "\n" << EqualChanceSentence(mainTest) << "\n";
        if (Info(game).extraStatistics) {
            context.out << "\nThunderball\n";
            for (const auto& item : FrequencyItems(stats.ThunderballFrequency)) {
                context.out << item << "\n";
            }
            context.out << "\n" << EqualChanceSentence(thunderballTest) << "\n";
        }
        return 0;
    });
}

}  // namespace quintara::cli
