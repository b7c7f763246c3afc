#include <algorithm>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

#include "check/CheckLines.h"
#include "cli/CommandLine.h"
#include "core/Dates.h"
#include "core/History.h"
#include "core/HistoryCheck.h"
#include "core/RecordFile.h"
#include "generate/Catalogue.h"
#include "generate/WheelFile.h"
#include "history/DrawEntry.h"
#include "history/HistoryCsv.h"
#include "history/ResultsDownload.h"
#include "simulate/ChanceComparison.h"
#include "simulate/Simulation.h"
#include "support/HistoryBuilder.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    bool operator==(const CliRun&) const = default;
};

void PrintTo(const CliRun& run, std::ostream* out) {
    *out << "status " << run.status << ", out \"" << run.out << "\", err \"" << run.err << '"';
}

// Runs quintara-cli's command line in this process on the application folder `appDir` with
// `arguments`, split at blanks; text in single quotes is one word.
CliRun Cli(const std::filesystem::path& appDir, const std::string& arguments) {
    std::vector<std::string> words{"quintara-cli", "--app-dir", appDir.string()};
    std::istringstream split(arguments);
    for (std::string word; split >> std::quoted(word, '\'');) {
        words.push_back(word);
    }
    std::vector<const char*> argv(words.size());
    std::transform(words.begin(), words.end(), argv.begin(), [](const std::string& w) { return w.c_str(); });
    std::ostringstream out, err;
    const int status = cli::CommandLine().Run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

// The final numbers of the first Lotto algorithm on the real history.
const std::string kLottoFinal =
    "11, 30, 49, 14, 5, 7, 41, 38, 40, 45, 48, 10, 37, 1, 43, 27, 24, 42, 8, 46, 13, 23, 6, 47, 3, 39, 15, "
    "16";

// `json` with FINAL standing for kLottoFinal.
std::string WithLottoFinal(std::string json) {
    return json.replace(json.find("FINAL"), 5, kLottoFinal);
}

using Json = nlohmann::ordered_json;

// The operator's results file: its header, and the draw a history of today's Thunderball starts with.
const std::string kOperatorHeader =
    "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n";
const std::string kHeldDraw = "06-Jun-2026,1,2,3,4,5,6,T5,Excalibur 3,3499\n";

// One JSON document on one line; keys compare in their order.
Json Document(const std::string& output) {
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
    return Json::parse(output);
}

// An application folder with the real Lotto and Thunderball histories and wheel files of the tests.
class CliTest : public testing::Test {
protected:
    CliTest() {
        for (const char* name : {"LottoHistory.dat", "ThunderballHistory.dat"}) {
            std::filesystem::copy_file(std::filesystem::path(QUINTARA_APP_DIR) / name, dir / name);
        }
        dir.Write(
            "5 Line Wheel - 1 Number from 28_Lotto.txt",
            "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n13 14 15 16 17 18\r\n19 20 21 22 23 24\r\n28 27 26 25 1 7\r\n");
        dir.Write("8 Line Wheel from 20_Thunderball.txt", "20 19 18 17 16\n1 2 3 4 5\n");
        dir.Write("mine.txt", "1 2 3 4 5 6\n3 4 5 6 7 8\n");
    }
    CliRun Run(const std::string& arguments) { return Cli(dir.Path(), arguments); }
    // Starts the program quintara-cli with `arguments`, as a shell splits them, after the shell commands
    // of `before`: only where the case is about the process (its limits, standard input, environment).
    CliRun Shell(const std::string& arguments, const std::string& before = "") {
        const test::TempDir scratch;
        const std::string into = " >" + (scratch / "out").string() + " 2>" + (scratch / "err").string();
        const auto command = before + QUINTARA_CLI + " --app-dir " + dir.Path().string() + " " + arguments;
        const int status = std::system((command + into).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, scratch.Read("out"), scratch.Read("err")};
    }

    struct Refusal {
        std::string arguments;
        int status;
        std::string message;
    };
    // Each command, after `prefix`, fails with its status, prints nothing and says its message.
    void ExpectRefused(const std::vector<Refusal>& refusals, const std::string& prefix = "") {
        for (const Refusal& r : refusals) {
            const CliRun run = Run(prefix + r.arguments);
            EXPECT_EQ(run.status, r.status) << r.arguments;
            EXPECT_NE(run.err.find(r.message), std::string::npos) << r.arguments << ": " << run.err;
            EXPECT_EQ(run.out, "") << r.arguments;
        }
    }

    test::TempDir dir;
    const std::string app = dir.Path().string() + "/";
};

TEST_F(CliTest, StatisticsAndDrawsOfTheShippedHistory) {
    const Json lotto = Document(Run("stats --game lotto --json").out);
    EXPECT_EQ(lotto["game"], "Lotto");
    EXPECT_EQ(lotto["draws"], 2065);
    EXPECT_EQ(lotto["frequency"][0], Json::parse(R"({"ball": 38, "count": 327})"));
    EXPECT_EQ(lotto["last_drawn"].size(), 49U);
    EXPECT_FALSE(lotto.contains("thunderball_frequency"));
    EXPECT_TRUE(lotto.contains("equal_chances"));
    const Json thunderball = Document(Run("stats --game thunderball --json").out);
    EXPECT_EQ(thunderball["thunderball_frequency"].size(), 14U);
    EXPECT_TRUE(Run("stats --game thunderball")
                    .out.ends_with("\n\n" +
                                   thunderball["thunderball_equal_chances"]["verdict"].get<std::string>() +
                                   "\n"));
    EXPECT_TRUE(Run("stats --game Thunderball").out.starts_with("Number 4 has occured 159 times.\n"));
    EXPECT_EQ(
        Document(Run("draws --game lotto --json").out)["draws"][0],
        Json::parse(
            R"({"number": 2065, "date": "07/10/2015", "iso_date": "2015-10-07", "balls": [30, 7, 44, 11, 49, 5], )"
            R"("extra": 25, "ball_set": "4", "machine": "Guinevere"})"));

    // The lists' texts are the report tests'; here, the command's choice of list and its line ends.
    const CliRun averages = Run("stats --game thunderball --thunderball --averages");
    EXPECT_TRUE(averages.out.starts_with("Ball ")) << averages.out;
    EXPECT_EQ(std::count(averages.out.begin(), averages.out.end(), '\n'), 14);

    const CliRun lastDrawn = Run("stats --game lotto --last-drawn");
    EXPECT_EQ(std::count(lastDrawn.out.begin(), lastDrawn.out.end(), '\n'), 49);
    EXPECT_EQ(lastDrawn.out.find('\r'), std::string::npos);
    EXPECT_EQ(Document(Run("stats --game thunderball --thunderball --last-drawn --json").out)["lines"].size(),
              14U);
}

TEST_F(CliTest, UsageErrorsExitTwoAndFailuresOneWithTheProgramsMessageNamingTheFile) {
    dir.Write("bad.csv",
              "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball_set,machine\n2005-01-01,1,2,3\n");
    dir.Write("seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 6 7\n");
    ExpectRefused({
        {"frobnicate", 2, "unknown command \"frobnicate\""},
        {"stats --game keno", 2, "unknown game \"keno\" (lotto, lotto-extra, thunderball, daily-play)"},
        {"stats --game lotto --averages --last-drawn", 2, "--averages excludes --last-drawn"},
        {"stats --game thunderball --thunderball", 2, "--thunderball needs --averages or --last-drawn"},
        {"stats --game lotto --thunderball --averages", 2, "--thunderball is only for --game thunderball"},
        {"pick --game lotto --wheel 0 --wheel-file " + app + "mine.txt", 2, "--wheel excludes --wheel-file"},
        {"final --game thunderball --algorithm 1", 2, "unknown algorithm \"1\" for Thunderball"},
        {"pick --game lotto --personal 1,2,3", 2, "--personal needs a wheel to import"},
        {"stats --game daily-play", 1, app + "DailyPlayHistory.dat"},
        {"verify-history --game daily-play", 1, app + "DailyPlayHistory.dat"},
        {"import-history --game lotto-extra --csv " + app + "bad.csv", 1,
         app + "bad.csv: line 2: 4 fields, expected 9"},
        {"pick --game lotto --wheel-file " + app + "seven.txt", 1,
         "Incorrect Wheel: The Selected Wheel has incorrect numbers in Line, please select another!\n" + app +
             "seven.txt: line 2 holds 7 fields; a Lotto wheel line holds 6 pointers"},
        {"pick --game lotto --algorithm 2 --wheel-file " + app + "mine.txt", 1,
         "This option is not available for this Algorithm"},
        // A trailing comma is refused alike by every command that takes a list.
        {"check --game lotto --numbers 1,2,3,4,5,6,7,", 2, "--numbers: \"1,2,3,4,5,6,7,\" ends with a comma"},
    });
    EXPECT_FALSE(std::filesystem::exists(dir / "DailyPlayHistory.dat") ||
                 std::filesystem::exists(dir / "LottoExtraHistory.dat"));
    EXPECT_TRUE(Run("--version").out.starts_with("quintara-cli "));
}

TEST_F(CliTest, CompletionScriptsOfferEveryCommandOptionAndGame) {
    for (const char* shell : {"bash", "zsh", "fish"}) {
        const CliRun run = Run(std::string("completion ") + shell);
        EXPECT_EQ(run.status, 0) << shell;
        // The first and last commands, --game's games and a command's own option.
        for (const char* word : {"import-history", "wheel-check", "lotto-extra", "wheel-file"}) {
            EXPECT_NE(run.out.find(word), std::string::npos) << shell << ": " << word;
        }
    }
    EXPECT_NE(Run("completion bash").out.find("pick) words=\"--help --game --algorithm"), std::string::npos);
}

TEST_F(CliTest, FinalPrintsTheNumbersOfEachAlgorithm) {
    EXPECT_EQ(Document(Run("final --game lotto --json").out),
              Json::parse(WithLottoFinal(
                  R"({"game": "Lotto", "algorithm": "28 Numbers from 49", "final_numbers": [FINAL]})")));
    EXPECT_EQ(
        Document(Run("final --game lotto --algorithm '7 Numbers from 28 from 49' --json").out),
        Json::parse(
            R"({"game": "Lotto", "algorithm": "7 Numbers from 28 from 49", )"
            R"("final_numbers": [11, 5, 40, 37, 24, 13, 3], "seven_numbers": [11, 5, 40, 37, 24, 13, 3]})"));
    std::string line = kLottoFinal;
    std::erase(line, ',');
    EXPECT_EQ(Run("final --game lotto --algorithm 1").out, line + "\n");
}

TEST_F(CliTest, PickGivesTheLinesOfTheWheelAsTheirRecordsOrAsTheListing) {
    // The first wheel of the first algorithm, from the application folder; the lines are the records' balls.
    EXPECT_EQ(
        Document(Run("pick --game lotto --json").out),
        Json::parse(WithLottoFinal(
            R"({"game": "Lotto", "algorithm": "28 Numbers from 49", "wheel": "5 Line Wheel - 1 Number", )"
            R"("final_numbers": [FINAL], "lines": [[5, 7, 11, 14, 30, 49], [10, 38, 40, 41, 45, 48], )"
            R"([1, 24, 27, 37, 42, 43], [6, 8, 13, 23, 46, 47], [3, 11, 15, 16, 39, 41]]})")));
    EXPECT_NE(Run("pick --game lotto --wheel 0").out.find("Generated Lotto Numbers\n"), std::string::npos);

    // An imported wheel, and the same wheel over personal numbers.
    EXPECT_EQ(
        Document(Run("pick --game lotto --wheel-file " + app + "mine.txt --json").out),
        Json::parse(WithLottoFinal(
            R"({"game": "Lotto", "algorithm": "28 Numbers from 49", "wheel": "CUSTOM  2 Line Wheel", )"
            R"("final_numbers": [FINAL], "lines": [[5, 7, 11, 14, 30, 49], [5, 7, 14, 38, 41, 49]]})")));
    EXPECT_EQ(
        Document(
            Run("pick --game lotto --personal 45,3,27,9,1,33,12,8 --wheel-file " + app + "mine.txt --json")
                .out),
        Json::parse(R"({"game": "Lotto", "algorithm": "Personal Picks", "wheel": "CUSTOM  2 Line Wheel", )"
                    R"("final_numbers": [45, 3, 27, 9, 1, 33, 12, 8], )"
                    R"("lines": [[1, 3, 9, 27, 33, 45], [1, 8, 9, 12, 27, 33]]})"));

    // "49 Numbers from 49" needs no wheel file: its 595 lines follow the final numbers.
    const Json fortyNine = Document(Run("pick --game lotto --algorithm 1 --json").out);
    EXPECT_EQ(fortyNine["wheel"], "Approx 200 - 500 Line Wheel");
    EXPECT_EQ(fortyNine["lines"].size(), 595U);

    // Daily Play lines have seven balls (a Thunderball line's sixth field is its own: see lines below).
    test::HistoryBuilder<DailyPlayDrawRec> daily;
    for (int d = 0; d < 30; ++d) {
        daily.Draw({1 + d % 27, 1 + (d + 5) % 27, 1 + (d + 9) % 27, 1 + (d + 13) % 27, 1 + (d + 17) % 27,
                    1 + (d + 21) % 27, 1 + (d + 24) % 27});
    }
    daily.WriteTo(dir.Path());
    dir.Write("3 Line Wheel from 16_DailPlay.txt",
              "1 2 3 4 5 6 7\n8 9 10 11 12 13 14\n10 11 12 13 14 15 16\n");
    EXPECT_EQ(
        Document(Run("pick --game daily-play --json").out),
        Json::parse(R"({"game": "Daily Play", "algorithm": "16 Numbers from 27", "wheel": "3 Line Wheel", )"
                    R"("final_numbers": [1, 22, 14, 27, 2, 7, 15, 4, 6, 26, 20, 21, 3, 8, 24, 5], "lines": )"
                    R"([[1, 2, 7, 14, 15, 22, 27], [3, 4, 6, 8, 20, 21, 26], [3, 5, 8, 20, 21, 24, 26]]})"));
}

TEST_F(CliTest, PickSavesTheFilesOfSaveAndLinesPrintsThemBack) {
    const Json picked = Document(Run("pick --game lotto --save " + app + "picks.txt --json").out);
    EXPECT_NE(dir.Read("picks.txt").find("Generated Lotto Numbers\r\n"), std::string::npos);

    EXPECT_EQ(Document(Run("lines " + app + "picks.lot --json").out),
              (Json{{"game", "Lotto"}, {"lines", picked["lines"]}}));
    EXPECT_EQ(Run("lines " + app + "picks.lot").out,
              "5 7 11 14 30 49\n10 38 40 41 45 48\n1 24 27 37 42 43\n6 8 13 23 46 47\n3 11 15 16 39 41\n");

    // The game from the extension, or as given.
    Run("pick --game thunderball --wheel '8 Line Wheel' --save " + app + "tb.txt");
    EXPECT_EQ(
        Document(Run("lines " + app + "tb.thu --json").out),
        Json::parse(R"({"game": "Thunderball", "lines": [[1, 14, 23, 32, 33, 0], [5, 7, 10, 20, 30, 0]]})"));
    std::filesystem::copy_file(dir / "tb.thu", dir / "tb.bin");
    EXPECT_EQ(Document(Run("lines --game thunderball " + app + "tb.bin --json").out)["lines"].size(), 2U);

    // Files the command cannot use, and a save that cannot be written.
    dir.Write("blocker", "not a folder");
    ExpectRefused({
        {"lines " + app + "tb.bin", 2, "tb.bin is not known from its extension: give it with --game"},
        {"lines " + app + "gone.lot", 1, app + "gone.lot"},
        {"pick --game lotto --save " + app + "blocker/p.txt", 1, app + "blocker/p.txt: cannot be written"},
    });
    EXPECT_EQ(dir.Read("blocker"), "not a folder");
}

TEST_F(CliTest, CheckReportsTheWinningLinesOfPickedOrSavedLines) {
    // The lines of the first pick, whose line 1 holds five numbers and the bonus ball; the report is the
    // engine's with line feeds.
    const Json pick = Document(Run("pick --game lotto --json").out);
    OneBased<LottoDrawRec> picked(pick["lines"].size());
    for (std::size_t k = 1; k <= picked.Size(); ++k) {
        picked[k].Balls = pick["lines"][k - 1].get<std::array<std::int16_t, 6>>();
    }
    std::string report = WinningReportText(CheckLines(Game::Lotto, {5, 7, 11, 14, 30, 1, 49}, picked));
    std::erase(report, '\r');
    EXPECT_EQ(Run("check --game lotto --numbers 5,7,11,14,30,1,49"), (CliRun{0, report + "\n", ""}));
    // The bonus ball counts only beside five numbers, 15.5 checks as 16; the lines come from pick's options.
    EXPECT_EQ(Document(Run("check --game lotto --wheel 0 --numbers 10,38,40,3,11,15.5,41 --json").out),
              Json::parse(R"({"game": "Lotto", "numbers": [10, 38, 40, 3, 11, 16, 41], "lines_checked": 5, )"
                          R"("winners": 2, "counts": {"3": 2, "4": 0, "5": 0, "5_and_bonus": 0, "6": 0, )"
                          R"("7": 0}, "winning_lines": [{"matches": 3, "line_index": 2, "bonus_number": 0, )"
                          R"("numbers": [10, 38, 40, 41, 45, 48]}, {"matches": 3, "line_index": 5, )"
                          R"("bonus_number": 0, "numbers": [3, 11, 15, 16, 39, 41]}]})"));

    // The pick's lines saved, against the newest draw, number 2065: 30 7 44 11 49 5 and the bonus ball 25.
    Run("pick --game lotto --save " + app + "picks.txt");
    const Json saved =
        Document(Run("check --game lotto --lines " + app + "picks.lot --draw 2065 --json").out);
    EXPECT_EQ(saved["numbers"], Json::parse("[30, 7, 44, 11, 49, 5, 25]"));
    EXPECT_EQ(saved["counts"], Json::parse(R"({"3": 0, "4": 0, "5": 1, "5_and_bonus": 0, "6": 0, "7": 0})"));

    // The check window's refusals, and options that do not fit together.
    ExpectRefused(
        {
            // A refused ball is refused data (1), as in add-draw; the wrong count of numbers is a usage
            // error.
            {"--numbers 7,07,1,2,3,4,5", 1,
             "You must enter a DIFFERENT numeric value between 1 and 49 in each box (number 2)"},
            {"--numbers 1,2,3,4,5,6,7,8", 2, "Lotto takes 7 numbers"},
            {"--draw 2066", 2, "draws 1 to 2065"},
            {"", 2, "--numbers or --draw"},
            {"--numbers 1,2,3,4,5,6,7 --draw 1", 2, "excludes"},
            {"--lines " + app + "picks.lot --algorithm 0 --draw 1", 2, "excludes"},
            {"--lines " + app + "mine.thu --draw 1", 2, "holds Thunderball lines, not Lotto lines"},
            {"--lines " + app + "missing.lot --draw 1", 1, app + "missing.lot"},
        },
        "check --game lotto ");
}

TEST_F(CliTest, WheelCheckShowsTheCoverageOfAWheel) {
    Json json = Document(Run("wheel-check --game lotto " + app + "mine.txt --json").out);
    EXPECT_EQ(json["coverage"][3], Json::parse(R"({"drawn": 4, "sets": 70, "guaranteed": 2, )"
                                               R"("sets_by_best_match": [0, 0, 1, 40, 29]})"));
    EXPECT_EQ(std::pair(json["coverage"].size(), json["guarantees"].size()), std::pair(6UL, 6UL));
    json.erase("coverage");
    json.erase("guarantees");
    EXPECT_EQ(json, Json::parse(R"({"game": "Lotto", "file": ")" + app +
                                R"(mine.txt", "lines": 2, "numbers": 8, "per_line": 6})"));
    EXPECT_EQ(Run("wheel-check --game lotto " + app + "mine.txt").out,
              app +
                  "mine.txt\n2 lines of 6 over 8 numbers\n\n"
                  "drawn        sets  guaranteed  sets by best match\n"
                  "    1           8           1  1: 100.00%\n"
                  "    2          28           1  1: 14.29% 2: 85.71%\n"
                  "    3          56           2  2: 35.71% 3: 64.29%\n"
                  "    4          70           2  2: 1.43% 3: 57.14% 4: 41.43%\n"
                  "    5          56           3  3: 7.14% 4: 71.43% 5: 21.43%\n"
                  "    6          28           4  4: 21.43% 5: 71.43% 6: 7.14%\n");
}

TEST_F(CliTest, RecordTextLeavesAsUtf8EvenFromABytesNoUtf8Holds) {
    // Windows-1252 in the file (the import's tests show how it gets there); 0xFF would start no UTF-8.
    const OneBased<LottoExtraDrawRec> draws{
        {SerialFromCivil({2015, 10, 7}), {1, 2, 3, 4, 5, 6}, "\xE9t\xE9", "\xFF\xE9rlin"}};
    ASSERT_TRUE(WriteRecordFile(dir / "LottoExtraHistory.dat", 48, draws).has_value());
    EXPECT_EQ(Document(Run("draws --game lotto-extra --json").out)["draws"][0]["machine"],
              "\u00FF\u00E9rlin");
    EXPECT_NE(Run("draws --game lotto-extra").out.find("Ball Set \u00E9t\u00E9  Machine \u00FF\u00E9rlin\n"),
              std::string::npos);
    EXPECT_EQ(Run("export-history --game lotto-extra").out,
              ExportHistoryCsv(Game::LottoExtra, dir.Path()).value());
}

TEST_F(CliTest, VerifyAndExportNameEveryDamagedRecord) {
    EXPECT_EQ(Run("verify-history --game thunderball"),
              (CliRun{0, app + "ThunderballHistory.dat: no damaged records\n", ""}));

    test::HistoryBuilder<LottoDrawRec>()
        .Draw({1, 2, 3, 4, 5, 6}, 7)
        .Draw({1, 2, 3, 4, 5, 0}, 7)
        .Draw({1, 1, 3, 4, 5, 32767}, 7, std::numeric_limits<double>::quiet_NaN())
        .WriteTo(dir.Path());
    // The list is the engine's; the command prints every record, past the engine's default limit of 20.
    const auto problems = VerifyHistory(Game::Lotto, dir.Path()).value();
    ASSERT_EQ(problems.size(), 4U);
    EXPECT_EQ(Run("verify-history --game lotto"),
              (CliRun{1, app + "LottoHistory.dat: 4 damaged records\n" + DescribeProblems(problems, 4), ""}));
    const Json json = Document(Run("verify-history --game lotto --json").out);
    EXPECT_EQ(json["damaged"].size(), 4U);
    EXPECT_EQ(json["damaged"][0], (Json{{"record", problems[0].record},
                                        {"draw", problems[0].drawNumber},
                                        {"problem", problems[0].what}}));

    EXPECT_EQ(Run("export-history --game lotto"),
              (CliRun{1, "", "quintara-cli: " + ExportHistoryCsv(Game::Lotto, dir.Path()).error().text}));
}

TEST_F(CliTest, ImportKeepsTheReplacedHistoryAndMergesOnlyNewerDraws) {
    // A one-row CSV replaces the 2,065 Lotto draws, and says where they are kept.
    const auto one = dir.Write("one.csv",
                               "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine\n"
                               "2015-10-10,1,2,3,4,5,6,7,4,Arthur\n");
    const CliRun replaced = Run("import-history --game lotto --csv " + one.string());
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.out, "Imported 1 draws into " + app +
                                "LottoHistory.dat\nThe history as it was is kept in " + app +
                                "LottoHistory.dat.bak\n");

    // What a spreadsheet writes (how it reads is the CSV tests'): one draw is new, one the history holds
    // already, one older than its newest and unknown to it.
    const auto weekly = dir.Write("weekly.csv",
                                  "\xEF\xBB\xBF"
                                  "draw_date,ball1,ball2,ball3,ball4,ball5,extra,ball_set,machine\r\n"
                                  "2010-05-12,1,2,3,4,9,2,1,\"Excalibur,7\"\r\n"
                                  "2010-05-08,10,8,7,6,5,13,3,Excalibur 5\r\n"
                                  "1999-01-01,1,2,3,4,5,6,1,Excalibur 1\r\n");
    const CliRun merged = Run("import-history --game thunderball --merge --csv " + weekly.string());
    EXPECT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, "Added 1 of the 3 draws to " + app +
                              "ThunderballHistory.dat\nAlready held: 1\n"
                              "Older than the history's newest draw, left out: 1\n"
                              "The history as it was is kept in " +
                              app + "ThunderballHistory.dat.bak\n");

    // A file that cannot be read is named with the reason, and no stream's own words.
    EXPECT_EQ(Run("import-history --game thunderball --csv " + app + "none.csv"),
              (CliRun{1, "", "quintara-cli: " + app + "none.csv: no such file\n"}));
}

TEST_F(CliTest, SimulatePrintsTheEnginesReportWithLineFeedsThenTheChanceBaseline) {
    const auto draws = ReadHistory<LottoDrawRec>(dir.Path(), false).value();
    GeneratorRequest request;
    request.algorithm = std::string(AlgorithmItems(Game::Lotto)[0]);
    const auto wheel =
        ReadWheelFile(dir / "5 Line Wheel - 1 Number from 28_Lotto.txt", Game::Lotto, WheelSource::BuiltIn)
            .value();
    const SimulationRun run = RunSimulation(draws, request, wheel, 30, SimulationCommand::MainBalls).value();
    std::string report = run.ReportText;
    std::erase(report, '\r');

    EXPECT_EQ(Run("simulate --game lotto --draws 30"),
              (CliRun{0, report + "\n\n" + ChanceReportText(run, SimulationCommand::MainBalls, "\n"), ""}));

    const Json json = Document(Run("simulate --game lotto --draws 30 --json").out);
    EXPECT_EQ(json["algorithm"], "28 Numbers from 49");
    EXPECT_EQ(json["wheel"], "5 Line Wheel - 1 Number");
    EXPECT_EQ(json["draws"], 30);
    EXPECT_EQ(json["numbers_used"], 28);
    ASSERT_EQ(json["steps"].size(), 30U);
    EXPECT_EQ(json["steps"][0]["draw_number"], 2065);
    EXPECT_EQ(json["steps"][0]["iso_date"], "2015-10-07");
    for (std::size_t c = 0; c < run.totals.size(); ++c) {
        const std::string key = c == 5 ? "5+bonus" : std::to_string(c < 5 ? c + 1 : c);
        EXPECT_EQ(json["totals"][key], run.totals[c]) << key;
        EXPECT_NEAR(json["chance_baseline"]["expected_draws"][key].get<double>(),
                    static_cast<double>(run.baseline.expected[c].Value()), 1e-9);
    }
    const ChanceComparison comparison = CompareWithChance(run);
    EXPECT_EQ(json["chance_test"]["verdict"], comparison.sentence);
    EXPECT_EQ(json["chance_test"]["degrees_of_freedom"], comparison.degreesOfFreedom);
    EXPECT_NEAR(json["chance_test"]["p_value"].get<double>(), comparison.pValue, 1e-12);

    // The Thunderball ball, and personal numbers with an imported wheel.
    const Json thunderball = Document(
        Run("simulate --game thunderball --draws 12 --thunderball --wheel '8 Line Wheel' --json").out);
    EXPECT_EQ(thunderball["command"], "thunderball");
    EXPECT_EQ(thunderball["totals"].size(), 1U);
    const Json personal =
        Document(Run("simulate --game lotto --draws 5 --personal 1,2,3,4,5,6,7,8 --wheel-file " + app +
                     "mine.txt --json")
                     .out);
    EXPECT_EQ(personal["algorithm"], "Personal Picks");
    EXPECT_EQ(personal["last_final_numbers"], Json::parse("[1, 2, 3, 4, 5, 6, 7, 8]"));

    // The window's refusals, and the Thunderball ball of another game.
    ExpectRefused(
        {{"--draws 1966", 2,
          "--draws: Sorry, the Value you entered is too high. Please select a Value between 1 and 1965"},
         {"--draws 5 --thunderball", 2, "--thunderball: only the Thunderball game has a Thunderball ball"}},
        "simulate --game lotto ");
}

TEST_F(CliTest, AddDrawWritesWithTheUpdateWindowsChecksAndDrawsAndStatsShowIt) {
    const std::string lottoFile = app + "LottoHistory.dat";
    const std::string before = dir.Read("LottoHistory.dat");
    ExpectRefused(
        {
            // The texts are the update window's; here, the box each names.
            {"--game lotto --date 05/12/2026 --balls 5,05,1,2,3,4 --extra 6", 1,
             "quintara-cli: Input Error: You must enter a DIFFERENT numeric value between 1 and 49 in each "
             "box (ball 2)\n"},
            {"--game thunderball --date 05/12/2026 --balls 1,2,3,4,5 --extra 15", 1, " box (--extra)\n"},
            {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4,6", 1,
             "quintara-cli: Data Missing: Data Missing."},
            {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4 --extra 7", 2, ""},
            {"--game lotto-extra --date 05/12/2026 --balls 5,1,2,3,4,6 --extra 7", 2, ""},
        },
        "add-draw ");
    // A fraction or text is no draw number; an old draw needs --correct; a date is DD/MM/YYYY, checked
    // before the text boxes as in the window, and later than the newest draw.
    const std::string notWhole = CheckDrawNumber("2.5", 2065).error().text;
    const std::string newest = Run("draws --game lotto").out.substr(11, 10);
    ExpectRefused(
        {
            {"--date 05/12/2026 --number 2.5", 1,
             "quintara-cli: Incorrect Draw Number: " + notWhole.substr(0, notWhole.find('\r')) + "\n" +
                 notWhole.substr(notWhole.find('\n') + 1) + " (--number)\n"},
            {"--date 05/12/2026 --number 2", 1,
             "quintara-cli: draw 2 is already in the history (the newest is 2065); give --correct to replace "
             "it\n"},
            {"--date 5/12/2026 --machine Gwenhwyfarthelong", 1, CheckDrawDateBox("5/12/2026").error().text},
            {"--date " + newest, 1,
             "quintara-cli: Draw Date: " + NotLaterMessage(*ParseDate(newest), *ParseDate(newest)) +
                 " (--date)\n"},
        },
        "add-draw --game lotto --balls 5,1,2,3,4,6 --extra 7 ");
    EXPECT_EQ(dir.Read("LottoHistory.dat"), before);

    // The new draw is draw N + 1, in the line the draws listing prints (the file is the update tests').
    const CliRun added = Run(
        "add-draw --game lotto --date 05/12/2026 --balls 38,1,2,3,4,5 --extra 6 --set 7 --machine merlin");
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "Added Lotto draw 2066 in " + lottoFile +
                             " (2066 draws)\nDraw 2066  05/12/2026  38 1 2 3 4 5  Bonus Ball 6  Ball Set 7  "
                             "Machine MERLIN\n");

    // A correction keeps the count; the first Daily Play draw makes its history.
    const Json corrected = Document(
        Run("add-draw --game lotto --date 05/12/2026 --balls 38,1,2,3,4,9 --extra 6 --number 2066 --json")
            .out);
    EXPECT_EQ(corrected["added"], false);
    EXPECT_EQ(corrected["draws"], 2066);
    EXPECT_EQ(corrected["draw"]["balls"], Json::parse("[38, 1, 2, 3, 4, 9]"));
    EXPECT_EQ(corrected["draw"]["ball_set"], "0");
    EXPECT_TRUE(
        Run("add-draw --game lotto --date 05/12/1994 --balls 5,1,2,3,4,6 --extra 7 --number 2 --correct")
            .out.starts_with("Corrected Lotto draw 2 in "));
    const CliRun first = Run("add-draw --game daily-play --date 05/12/2026 --balls 1,2,3,4,5,6,27 --set a1");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(first.out.starts_with("Added Daily Play draw 1 in "));
    EXPECT_EQ(Run("draws --game daily-play").out,
              "Draw 1  05/12/2026  1 2 3 4 5 6 27  Ball Set A1  Machine \n");

    // Beyond the file-size limit the write fails with the reason, the program is not killed, and nothing
    // is left behind.
    const std::string held = dir.Read("LottoHistory.dat");
    // A process of its own: the limit, and the signal it would raise, are the process's. A coverage
    // build's counters go to a folder of their own, as the limit would cut the shared ones short.
    const CliRun limited = Shell("add-draw --game lotto --date 06/12/2026 --balls 38,1,2,3,4,5 --extra 6",
                                 "ulimit -f 50; GCOV_PREFIX=" + (dir.Path() / "counters").string() + " ");
    EXPECT_EQ(limited.status, 1);
    EXPECT_NE(limited.err.find(lottoFile +
                               ": write error (the file is too large). The history file was not changed."),
              std::string::npos)
        << limited.err;
    EXPECT_EQ(dir.Read("LottoHistory.dat"), held);
}

// The operator's file is merged from a pipe, adding only the draws the history lacks; a FIFO reads as a
// file and `lines -` reads the standard input, while a device is still refused with its reason.
TEST_F(CliTest, OperatorFilesMergeFromPipesAndFifos) {
    const auto first = dir.Write("first.csv", kOperatorHeader + kHeldDraw);
    EXPECT_EQ(Run("import-history --game thunderball-39 --csv " + first.string()).status, 0);
    const auto weekly =
        dir.Write("weekly.csv", kOperatorHeader + "12-Jun-2026,39,2,3,4,1,14,T6,Excalibur 7,3501\n" +
                                    "10-Jun-2026,9,8,7,6,5,4,T6,Excalibur 7,3500\n" + kHeldDraw);
    const std::string merge = "import-history --game thunderball-39 --merge --csv ";
    // Processes of their own: the standard input, and the FIFO's writer, belong to processes.
    const CliRun piped = Shell(merge + "-", "cat " + weekly.string() + " | ");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_TRUE(piped.out.starts_with("Added 2 of the 3 draws to ")) << piped.out;

    ASSERT_EQ(::mkfifo((dir / "pipe.csv").c_str(), 0600), 0);
    const CliRun fifo =
        Shell(merge + app + "pipe.csv", "cat " + weekly.string() + " >" + app + "pipe.csv & ");
    EXPECT_EQ(fifo.status, 0) << fifo.err;
    EXPECT_TRUE(fifo.out.starts_with("Added 0 of the 3 draws to ")) << fifo.out;

    Run("pick --game lotto --save " + app + "picks.txt");
    EXPECT_EQ(Shell("lines --game lotto - <" + app + "picks.lot").out, Run("lines " + app + "picks.lot").out);
    EXPECT_EQ(Shell(merge + "- </dev/null"),
              (CliRun{1, "", "quintara-cli: standard input: is a device, not a file\n"}));
    ExpectRefused({{merge + "/dev/null", 1, "quintara-cli: /dev/null: is a device, not a file\n"}});
}

// update fetches the results over HTTP, following a redirect, from the address given or the one the
// desktop's settings hold, and merges them as the engine does; a failed download names the address and
// its reason and changes nothing.
TEST_F(CliTest, UpdateDownloadsTheResultsAndMergesThem) {
    test::LocalHttpServer server;
    const std::string weekly =
        kOperatorHeader + "12-Jun-2026,39,2,3,4,1,14,T6,Excalibur 7,3501\n" + kHeldDraw;
    ASSERT_EQ(Run("import-history --game thunderball-39 --csv " +
                  dir.Write("first.csv", kOperatorHeader + kHeldDraw).string())
                  .status,
              0);
    test::TempDir engine;
    std::filesystem::copy_file(dir / "Thunderball39History.dat", engine / "Thunderball39History.dat");
    const std::string history = dir.Read("Thunderball39History.dat");
    server.Serve("/results.csv", test::LocalHttpServer::Answer::With(200, weekly));
    server.Serve("/moved", test::LocalHttpServer::Answer::Redirect("/results.csv"));
    server.Serve("/hangs", test::LocalHttpServer::Answer::Silent());
    const std::string update = "update --game thunderball-39 --url ";
    const struct {
        std::string address;
        std::string reason;
    } failed[] = {
        {server.Address("/gone"), "the server answered HTTP 404"},
        {test::LocalHttpServer::ClosedAddress("/results.csv"), ""},
        {server.Address("/hangs") + " --timeout 1", ""},
    };
    for (const auto& f : failed) {
        const CliRun run = Run(update + f.address);
        EXPECT_EQ(run.status, 1) << f.address;
        const std::string address = f.address.substr(0, f.address.find(' '));
        EXPECT_TRUE(run.err.starts_with("quintara-cli: " +
                                        ResultsFailureText(Game::Thunderball39, address, f.reason)))
            << run.err;
        EXPECT_EQ(dir.Read("Thunderball39History.dat"), history);
    }
    const auto merged = MergeDownloadedResults(Game::Thunderball39, weekly, engine.Path());
    ASSERT_TRUE(merged.has_value());
    const CliRun added = Run(update + server.Address("/moved"));
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_TRUE(added.out.starts_with(ResultsMergeText(Game::Thunderball39, *merged) + "\n")) << added.out;
    EXPECT_EQ(dir.Read("Thunderball39History.dat"), engine.Read("Thunderball39History.dat"));

    std::filesystem::create_directories(dir / "config/Quintara");
    dir.Write("config/Quintara/Quintara.conf",
              "[Recent%20Files]\nRecentFile0=/a.lot\n[Results]\nThunderball%2039=" +
                  server.Address("/results.csv") + "\n");
    // A process of its own: the settings are found through the process's environment.
    const CliRun settled = Shell("update --game thunderball-39", "XDG_CONFIG_HOME=" + app + "config ");
    EXPECT_EQ(settled.out, "The Thunderball 39 history was already up to date.\n") << settled.err;
}

TEST_F(CliTest, TodaysGamesTakeTheirRangesAndASecondLottoRound) {
    // The top ball of each range is taken (the ranges are the game table's, checked as for every game).
    EXPECT_EQ(Run("add-draw --game lotto-59 --date 10/06/2026 --balls 5,12,23,41,52,59 --extra 7").status, 0);
    EXPECT_EQ(Run("add-draw --game thunderball-39 --date 10/06/2026 --balls 1,2,3,4,39 --extra 14").status,
              0);
    EXPECT_EQ(Run("add-draw --game lotto-59 --date 10/06/2026 --balls 1,2,3,4,6,8 --extra 9").status, 0);
    EXPECT_EQ(Run("draws --game lotto-59").out,
              "Draw 2  10/06/2026  1 2 3 4 6 8  Bonus Ball 9  Ball Set 0  Machine \n"
              "Draw 1  10/06/2026  5 12 23 41 52 59  Bonus Ball 7  Ball Set 0  Machine \n");
    const Json check = Document(
        Run("check --game lotto-59 --numbers 5,12,1,2,3,4,59 --wheel-file " + app + "mine.txt --json").out);
    EXPECT_EQ(check["counts"].size(), Info(Game::Lotto59).tiers.size());
}

}  // namespace
}  // namespace quintara
