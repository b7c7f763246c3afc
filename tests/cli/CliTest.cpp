#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <sys/wait.h>

#include "support/HistoryBuilder.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quintara-cli on the application folder `appDir` with `arguments`, as a shell would split them.
CliRun Cli(const std::filesystem::path& appDir, const std::string& arguments) {
    const test::TempDir scratch;
    const std::string command = std::string(QUINTARA_CLI) + " --app-dir " + appDir.string() + " " +
                                arguments + " 2>" + (scratch / "err").string();
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.out.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = scratch.Read("err");
    return run;
}

// The final numbers of the first Lotto algorithm on the real history.
const std::string kLottoFinal =
    "11, 30, 49, 14, 5, 7, 41, 38, 40, 45, 48, 10, 37, 1, 43, 27, 24, 42, 8, 46, 13, 23, 6, 47, 3, 39, 15, "
    "16";

// `json` with FINAL standing for kLottoFinal.
std::string WithLottoFinal(std::string json) {
    return json.replace(json.find("FINAL"), 5, kLottoFinal);
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

using Json = nlohmann::ordered_json;

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

    test::TempDir dir;
    const std::string app = dir.Path().string() + "/";
};

TEST_F(CliTest, StatisticsAndDrawsOfTheShippedHistory) {
    const CliRun stats = Run("stats --game lotto --json");
    EXPECT_EQ(stats.status, 0);
    const Json lotto = Document(stats.out);
    EXPECT_EQ(lotto["game"], "Lotto");
    EXPECT_EQ(lotto["draws"], 2065);
    EXPECT_EQ(lotto["frequency"][0], Json::parse(R"({"ball": 38, "count": 327})"));
    EXPECT_EQ(lotto["last_drawn"].size(), 49U);
    EXPECT_FALSE(lotto.contains("thunderball_frequency"));
    const Json thunderball = Document(Run("stats --game thunderball --json").out);
    EXPECT_EQ(thunderball["thunderball_frequency"].size(), 14U);
    EXPECT_TRUE(StartsWith(Run("stats --game Thunderball").out, "Number 4 has occured 159 times.\n"));
    EXPECT_EQ(Document(Run("draws --game lotto --json").out)["draws"][0],
              Json::parse(R"({"number": 2065, "date": "07/10/2015", "balls": [30, 7, 44, 11, 49, 5], )"
                          R"("extra": 25, "ball_set": "4", "machine": "Guinevere"})"));
}

TEST_F(CliTest, UsageErrorsExitTwoAndFailuresOneWithTheProgramsMessageNamingTheFile) {
    dir.Write("bad.csv",
              "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball_set,machine\n2005-01-01,1,2,3\n");
    dir.Write("seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 6 7\n");
    dir.Write("high.txt", "1 2 3 4 5 29\n");
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"", 2, "A subcommand is required"},
        {"frobnicate", 2, "unknown command \"frobnicate\""},
        {"stats", 2, "--game is required"},
        {"stats --game", 2, "--game: 1 required GAME missing"},
        {"stats --game keno", 2, "unknown game \"keno\" (lotto, lotto-extra, thunderball, daily-play)"},
        {"stats --game lotto --colour", 2, "--colour"},
        {"stats --game lotto --json=maybe", 2, "--json"},
        {"wheel-check --game lotto", 2, "FILE is required"},
        {"pick --game lotto --wheel 0 --wheel-file " + app + "mine.txt", 2, "--wheel excludes --wheel-file"},
        {"final --game thunderball --algorithm 1", 2, "unknown algorithm \"1\" for Thunderball"},
        {"pick --game lotto --personal 1,2,3", 2, "--personal needs a wheel to import"},
        {"pick --game lotto --personal 1,2,2,4,5,6,7 --wheel-file " + app + "mine.txt", 2,
         "Please enter a different Number in each box"},
        {"stats --game daily-play", 1, app + "DailyPlayHistory.dat"},
        {"import-history --game lotto-extra --csv " + app + "bad.csv", 1,
         app + "bad.csv: line 2: 4 fields, expected 9"},
        {"pick --game lotto --wheel-file " + app + "seven.txt", 1,
         app + "seven.txt: Incorrect Wheel: The Selected Wheel has incorrect numbers in Line, please select "
               "another! (line 2)"},
        {"pick --game lotto --wheel-file " + app + "high.txt", 1,
         app + "high.txt: Incorrect Wheel Format: Please ensure Wheel Pointers are within range 1 -  28"},
        {"pick --game lotto --personal 1,2,3,4,5 --wheel-file " + app + "mine.txt", 1,
         "mine.txt: Incorrect Wheel Format: Please ensure Wheel Pointers are within range 1 -  5"},
        {"pick --game lotto --algorithm 2 --wheel-file " + app + "mine.txt", 1,
         "This option is not available for this Algorithm"},
        {"pick --game lotto --wheel '904 Line Wheel'", 1,
         app + "904 Line Wheel from 28_Lotto.txt: Default Wheel Not Loaded: Error Occured Importing Default "
               "Wheel. Please Try Restarting Quintara"},
        {"wheel-check --game lotto " + app + "high.txt", 1, "Incorrect Wheel Format"},
        {"stats --help", 0, ""},
        {"--version", 0, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "DailyPlayHistory.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "LottoExtraHistory.dat"));

    // Help and version go to standard output; every command's help names its options.
    EXPECT_NE(Run("--help").out.find("wheel-check"), std::string::npos);
    EXPECT_EQ(Run("--version").out, "quintara-cli 2.0\n");
    const std::string pickHelp = Run("pick --help").out;
    for (const char* option : {"--game GAME REQUIRED", "--algorithm", "--wheel ITEM", "--wheel-file PATH",
                               "--personal", "--json"}) {
        EXPECT_NE(pickHelp.find(option), std::string::npos) << option;
    }
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
    const std::string text = Run("pick --game lotto --wheel 0").out;
    const std::string zone(14, ' ');
    EXPECT_TRUE(StartsWith(text, "\r\n\r\n" + zone + "Generated Lotto Numbers\r\n"));
    EXPECT_NE(text.find("\r\n" + zone + " 5 lines generated on "), std::string::npos);

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

    // A Thunderball line's sixth field is its Thunderball field; Daily Play lines have seven balls.
    EXPECT_EQ(
        Document(Run("pick --game thunderball --wheel '8 Line Wheel' --json").out),
        Json::parse(
            R"({"game": "Thunderball", "algorithm": "20 numbers from 34", "wheel": "8 Line Wheel", )"
            R"("final_numbers": [7, 10, 5, 30, 20, 4, 18, 11, 3, 21, 25, 8, 12, 13, 17, 14, 33, 32, 1, 23, )"
            R"(1, 13, 5, 4, 9, 10, 11, 3], "lines": [[1, 14, 23, 32, 33, 0], [5, 7, 10, 20, 30, 0]]})"));
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

TEST_F(CliTest, WheelCheckShowsTheCoverageOfAWheel) {
    Json json = Document(Run("wheel-check --game lotto " + app + "mine.txt --json").out);
    const Json coverage = json["coverage"];
    json.erase("coverage");
    EXPECT_EQ(json, Json::parse(R"({"game": "Lotto", "file": ")" + app +
                                R"(mine.txt", "lines": 2, "numbers": 8, "per_line": 6})"));
    ASSERT_EQ(coverage.size(), 6U);
    EXPECT_EQ(coverage[0],
              Json::parse(R"({"drawn": 1, "sets": 8, "guaranteed": 1, "sets_by_best_match": [0, 8]})"));
    EXPECT_EQ(coverage[3], Json::parse(R"({"drawn": 4, "sets": 70, "guaranteed": 2, )"
                                       R"("sets_by_best_match": [0, 0, 1, 40, 29]})"));
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

TEST_F(CliTest, AddDrawWritesWithTheUpdateWindowsChecksAndDrawsAndStatsShowIt) {
    const std::string lottoFile = app + "LottoHistory.dat";
    const std::string before = dir.Read("LottoHistory.dat");
    const struct {
        std::string arguments;
        int status;
        std::string err;
    } refused[] = {
        {"--game lotto --date 05/12/2026 --balls 5,05,1,2,3,4 --extra 6", 1,
         "quintara-cli: Input Error: You must enter a DIFFERENT numeric value between 1 and 49 in each box "
         "(ball 2)\n"},
        {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4,6 --extra 4", 1,
         "quintara-cli: Input Error: You must enter a DIFFERENT numeric value between 1 and 49 in each box "
         "(--extra)\n"},
        {"--game thunderball --date 05/12/2026 --balls 1,2,3,4,5 --extra 15", 1,
         "quintara-cli: Input Error: You must enter a numeric value between 1 and 14 in Thunderball box "
         "(--extra)\n"},
        {"--game daily-play --date 05/12/2026 --balls 1,2,3,4,5,6,28", 1,
         "quintara-cli: Input Error: You must enter a numeric value between 1 and 27 in each box (ball 7)\n"},
        {"--game lotto --date 5/12/2026 --balls 5,1,2,3,4,6 --extra 7", 1,
         "quintara-cli: Draw Date: You must enter Draw Date in Format DD/MM/YYYY (--date)\n"},
        {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4,6", 1,
         "quintara-cli: Data Missing: Data Missing. Can not complete Update. Please check and try again.\n"},
        {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4,6 --extra 7 --machine \"Merlin the wise\"", 1,
         "quintara-cli: Input Error: The Machine box takes at most 9 characters. (--machine)\n"},
        {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4,6 --extra 7 --number \"\"", 1,
         "quintara-cli: Draw Number Missing: Please Enter Draw Number (--number)\n"},
        {"--game lotto --date 05/12/2026 --balls 5,1,2,3,4 --extra 7", 2, ""},
        {"--game lotto-extra --date 05/12/2026 --balls 5,1,2,3,4,6 --extra 7", 2, ""},
    };
    for (const auto& c : refused) {
        const CliRun run = Run("add-draw " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err) << c.arguments;
        }
        EXPECT_TRUE(run.out.empty()) << c.arguments;
    }
    for (const char* number : {"0", "2067", "-1"}) {
        const CliRun run = Run(
            std::string("add-draw --game lotto --date 05/12/2026 --balls 5,1,2,3,4,6 --extra 7 --number=") +
            number);
        EXPECT_EQ(run.status, 1) << number;
        EXPECT_EQ(run.err,
                  "quintara-cli: Incorrect Draw Number: Draw Number Invalid. Please re-enter. (--number)\n")
            << number;
    }
    EXPECT_EQ(dir.Read("LottoHistory.dat"), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "DailyPlayHistory.dat"));

    // The new draw is draw N + 1; draws and stats show it.
    const CliRun added = Run(
        "add-draw --game lotto --date 05/12/2026 --balls 38,1,2,3,4,5 --extra 6 --set 7 --machine merlin");
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "Added Lotto draw 2066 in " + lottoFile +
                             " (2066 draws)\nDraw 2066  05/12/2026  38 1 2 3 4 5  Bonus Ball 6  Ball Set 7  "
                             "Machine MERLIN\n");
    EXPECT_TRUE(StartsWith(Run("draws --game lotto").out,
                           "Draw 2066  05/12/2026  38 1 2 3 4 5  Bonus Ball 6  Ball Set 7  Machine MERLIN\n"
                           "Draw 2065  07/10/2015 "));
    const Json stats = Document(Run("stats --game lotto --json").out);
    EXPECT_EQ(stats["draws"], 2066);
    EXPECT_EQ(stats["frequency"][0], Json::parse(R"({"ball": 38, "count": 328})"));

    // A correction keeps the count; the first Daily Play draw makes its history.
    const Json corrected = Document(
        Run("add-draw --game lotto --date 05/12/2026 --balls 38,1,2,3,4,9 --extra 6 --number 2066 --json")
            .out);
    EXPECT_EQ(corrected["added"], false);
    EXPECT_EQ(corrected["draws"], 2066);
    EXPECT_EQ(corrected["draw"]["balls"], Json::parse("[38, 1, 2, 3, 4, 9]"));
    EXPECT_EQ(corrected["draw"]["ball_set"], "0");
    const CliRun first = Run("add-draw --game daily-play --date 05/12/2026 --balls 1,2,3,4,5,6,27 --set a1");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(StartsWith(first.out, "Added Daily Play draw 1 in "));
    EXPECT_EQ(Run("draws --game daily-play").out,
              "Draw 1  05/12/2026  1 2 3 4 5 6 27  Ball Set A1  Machine \n");
}

}  // namespace
}  // namespace quintara
