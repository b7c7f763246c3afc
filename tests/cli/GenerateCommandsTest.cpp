#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "support/HistoryBuilder.h"
#include "support/TempDir.h"

namespace quintara {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

CliRun RunCli(const std::filesystem::path& appDir, const std::vector<std::string>& args) {
    test::TempDir scratch;
    std::string command = Quoted(QUINTARA_CLI) + " --app-dir " + Quoted(appDir.string());
    for (const auto& arg : args) {
        command += " " + Quoted(arg);
    }
    command += " 2>" + Quoted((scratch / "err").string());
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = scratch.Read("err");
    return run;
}

// The integers of the JSON array after "key": [ ... ], nested arrays flattened.
std::vector<std::vector<int>> Arrays(const std::string& json, const std::string& key) {
    std::vector<std::vector<int>> arrays;
    const auto start = json.find("\"" + key + "\": [");
    if (start == std::string::npos) {
        return arrays;
    }
    int depth = 0;
    std::vector<int> current;
    for (std::size_t i = json.find('[', start); i < json.size(); ++i) {
        const char c = json[i];
        if (c == '[') {
            ++depth;
            current.clear();
        } else if (c == ']') {
            if (depth >= 1 && (depth == 2 || arrays.empty())) {
                arrays.push_back(current);
            }
            current.clear();
            if (--depth == 0) {
                break;
            }
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            std::size_t used = 0;
            current.push_back(std::stoi(json.substr(i), &used));
            i += used - 1;
        }
    }
    return arrays;
}

std::vector<int> Numbers(const std::string& json, const std::string& key) {
    const auto arrays = Arrays(json, key);
    return arrays.empty() ? std::vector<int>{} : arrays.front();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// An application folder with the real Lotto and Thunderball histories and the given wheel files.
struct AppDir {
    test::TempDir dir;
    AppDir() {
        for (const char* name : {"LottoHistory.dat", "ThunderballHistory.dat"}) {
            std::filesystem::copy_file(std::filesystem::path(QUINTARA_APP_DIR) / name, dir / name);
        }
    }
};

TEST(GenerateCommands, FinalPrintsTheNumbersOfEachAlgorithm) {
    const std::filesystem::path app = QUINTARA_APP_DIR;
    const CliRun lotto = RunCli(app, {"final", "--game", "lotto", "--json"});
    ASSERT_EQ(lotto.status, 0) << lotto.err;
    EXPECT_TRUE(Contains(
        lotto.out, "{\"game\": \"Lotto\", \"algorithm\": \"28 Numbers from 49\", \"final_numbers\": ["));
    EXPECT_FALSE(Contains(lotto.out, "seven_numbers"));
    const auto twentyEight = Numbers(lotto.out, "final_numbers");
    ASSERT_EQ(twentyEight.size(), 28u);
    EXPECT_EQ(std::set<int>(twentyEight.begin(), twentyEight.end()).size(), 28u);

    const CliRun seven =
        RunCli(app, {"final", "--game", "lotto", "--algorithm", "7 Numbers from 28 from 49", "--json"});
    ASSERT_EQ(seven.status, 0) << seven.err;
    const std::vector<int> expected{twentyEight[0],  twentyEight[4],  twentyEight[8], twentyEight[12],
                                    twentyEight[16], twentyEight[20], twentyEight[24]};
    EXPECT_EQ(Numbers(seven.out, "final_numbers"), expected);
    EXPECT_EQ(Numbers(seven.out, "seven_numbers"), expected);

    // Text: the numbers on one line.
    const CliRun text = RunCli(app, {"final", "--game", "lotto", "--algorithm", "1"});
    std::string line;
    for (int n : twentyEight) {
        line += (line.empty() ? "" : " ") + std::to_string(n);
    }
    EXPECT_EQ(text.out, line + "\n");

    const CliRun thunderball = RunCli(app, {"final", "--game", "thunderball", "--json"});
    ASSERT_EQ(thunderball.status, 0) << thunderball.err;
    const auto tb = Numbers(thunderball.out, "final_numbers");
    ASSERT_EQ(tb.size(), 28u);
    EXPECT_EQ(std::set<int>(tb.begin(), tb.begin() + 20).size(), 20u);
    EXPECT_EQ(std::set<int>(tb.begin() + 20, tb.end()).size(), 8u);
    EXPECT_LE(*std::max_element(tb.begin() + 20, tb.end()), 14);

    EXPECT_EQ(RunCli(app, {"final", "--game", "thunderball", "--algorithm", "1"}).status, 2);
    EXPECT_EQ(RunCli(app, {"final", "--game", "lotto", "--algorithm", "49 from 49"}).status, 2);
}

TEST(GenerateCommands, PickWheelsTheFinalNumbersIntoSortedLinesAndListsThem) {
    AppDir app;
    app.dir.Write(
        "5 Line Wheel - 1 Number from 28_Lotto.txt",
        "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n13 14 15 16 17 18\r\n19 20 21 22 23 24\r\n28 27 26 25 1 7\r\n");
    const CliRun json = RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(
        Contains(json.out, "\"algorithm\": \"28 Numbers from 49\", \"wheel\": \"5 Line Wheel - 1 Number\""));
    const auto final = Numbers(json.out, "final_numbers");
    ASSERT_EQ(final.size(), 28u);
    const auto lines = Arrays(json.out, "lines");
    ASSERT_EQ(lines.size(), 5u);
    const std::vector<std::vector<int>> pointers{{1, 2, 3, 4, 5, 6},
                                                 {7, 8, 9, 10, 11, 12},
                                                 {13, 14, 15, 16, 17, 18},
                                                 {19, 20, 21, 22, 23, 24},
                                                 {28, 27, 26, 25, 1, 7}};
    for (std::size_t i = 0; i < 5; ++i) {
        std::vector<int> expected;
        for (int p : pointers[i]) {
            expected.push_back(final[static_cast<std::size_t>(p - 1)]);
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(lines[i], expected);
    }

    const CliRun text = RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--wheel", "0"});
    ASSERT_EQ(text.status, 0) << text.err;
    const std::string zone(14, ' ');
    EXPECT_EQ(text.out.rfind("\r\n\r\n" + zone + "Generated Lotto Numbers\r\n", 0), 0u);
    EXPECT_TRUE(Contains(text.out, "\r\n" + zone + " 5 lines generated on "));

    // A built-in wheel whose file is missing.
    const CliRun missing = RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--wheel", "904 Line Wheel"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.err,
                         "Default Wheel Not Loaded: Error Occured Importing Default Wheel. Please Try "
                         "Restarting Quintara"));

    // "49 Numbers from 49" needs no wheel file.
    const CliRun fortyNine =
        RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--algorithm", "1", "--json"});
    ASSERT_EQ(fortyNine.status, 0) << fortyNine.err;
    EXPECT_TRUE(Contains(fortyNine.out, "\"wheel\": \"Approx 200 - 500 Line Wheel\""));
    const auto generated = Arrays(fortyNine.out, "lines");
    EXPECT_GT(generated.size(), 200u);
    std::set<std::vector<int>> distinct(generated.begin(), generated.end());
    EXPECT_EQ(distinct.size(), generated.size());
}

TEST(GenerateCommands, PickImportsWheelFilesAndWheelsPersonalNumbers) {
    AppDir app;
    const auto wheel = app.dir.Write("mine.txt", "1 2 3 4 5 6\n3 4 5 6 7 8\n");
    const CliRun imported =
        RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--wheel-file", wheel.string(), "--json"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(Contains(imported.out, "\"wheel\": \"CUSTOM  2 Line Wheel\""));
    EXPECT_EQ(Arrays(imported.out, "lines").size(), 2u);

    const CliRun personal =
        RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--personal", "45,3,27,9,1,33,12,8",
                                "--wheel-file", wheel.string(), "--json"});
    ASSERT_EQ(personal.status, 0) << personal.err;
    EXPECT_TRUE(Contains(personal.out, "\"algorithm\": \"Personal Picks\""));
    EXPECT_EQ(Numbers(personal.out, "final_numbers"), (std::vector<int>{45, 3, 27, 9, 1, 33, 12, 8}));
    EXPECT_EQ(Arrays(personal.out, "lines"),
              (std::vector<std::vector<int>>{{1, 3, 9, 27, 33, 45}, {1, 8, 9, 12, 27, 33}}));

    // Refusals carry the program's own titles and messages.
    const auto sevenFields = app.dir.Write("seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 6 7\n");
    const CliRun fields =
        RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--wheel-file", sevenFields.string()});
    EXPECT_EQ(fields.status, 1);
    EXPECT_TRUE(Contains(
        fields.err,
        "Incorrect Wheel: The Selected Wheel has incorrect numbers in Line, please select another!"));
    const auto high = app.dir.Write("high.txt", "1 2 3 4 5 29\n");
    EXPECT_TRUE(
        Contains(RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--wheel-file", high.string()}).err,
                 "Incorrect Wheel Format: Please ensure Wheel Pointers are within range 1 -  28"));
    EXPECT_TRUE(Contains(RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--personal", "1,2,3,4,5",
                                                 "--wheel-file", wheel.string()})
                             .err,
                         "Please ensure Wheel Pointers are within range 1 -  5"));
    EXPECT_TRUE(Contains(RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--algorithm", "2",
                                                 "--wheel-file", wheel.string()})
                             .err,
                         "This option is not available for this Algorithm"));
    EXPECT_EQ(RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--personal", "1,2,3"}).status, 2);
    EXPECT_TRUE(Contains(RunCli(app.dir.Path(), {"pick", "--game", "lotto", "--personal", "1,2,2,4,5,6,7",
                                                 "--wheel-file", wheel.string()})
                             .err,
                         "Please enter a different Number in each box"));
}

TEST(GenerateCommands, PickMakesThunderballAndDailyPlayLinesOfTheirOwnShape) {
    AppDir app;
    app.dir.Write("8 Line Wheel from 20_Thunderball.txt", "20 19 18 17 16\n1 2 3 4 5\n");
    const CliRun thunderball =
        RunCli(app.dir.Path(), {"pick", "--game", "thunderball", "--wheel", "8 Line Wheel", "--json"});
    ASSERT_EQ(thunderball.status, 0) << thunderball.err;
    const auto tbFinal = Numbers(thunderball.out, "final_numbers");
    ASSERT_EQ(tbFinal.size(), 28u);
    const auto tbLines = Arrays(thunderball.out, "lines");
    ASSERT_EQ(tbLines.size(), 2u);
    std::vector<int> expected(tbFinal.begin(), tbFinal.begin() + 5);
    std::sort(expected.begin(), expected.end());
    expected.push_back(0);
    EXPECT_EQ(tbLines[1], expected);

    test::HistoryBuilder<DailyPlayDrawRec> daily;
    for (int d = 0; d < 30; ++d) {
        daily.Draw({1 + d % 27, 1 + (d + 5) % 27, 1 + (d + 9) % 27, 1 + (d + 13) % 27, 1 + (d + 17) % 27,
                    1 + (d + 21) % 27, 1 + (d + 24) % 27});
    }
    daily.WriteTo(app.dir.Path());
    app.dir.Write("3 Line Wheel from 16_DailPlay.txt",
                  "1 2 3 4 5 6 7\n8 9 10 11 12 13 14\n10 11 12 13 14 15 16\n");
    const CliRun dailyPick = RunCli(app.dir.Path(), {"pick", "--game", "daily-play", "--json"});
    ASSERT_EQ(dailyPick.status, 0) << dailyPick.err;
    EXPECT_TRUE(
        Contains(dailyPick.out, "\"algorithm\": \"16 Numbers from 27\", \"wheel\": \"3 Line Wheel\""));
    EXPECT_EQ(Numbers(dailyPick.out, "final_numbers").size(), 16u);
    const auto dailyLines = Arrays(dailyPick.out, "lines");
    ASSERT_EQ(dailyLines.size(), 3u);
    for (const auto& line : dailyLines) {
        EXPECT_EQ(line.size(), 7u);
        EXPECT_TRUE(std::is_sorted(line.begin(), line.end()));
    }
}

TEST(GenerateCommands, WheelCheckShowsCoverageOrTheProgramsRefusal) {
    test::TempDir dir;
    std::string text;
    for (int left = 7; left >= 1; --left) {
        for (int n = 1; n <= 7; ++n) {
            if (n != left) {
                text += std::to_string(n) + (n == 7 || (n == 6 && left == 7) ? "\n" : " ");
            }
        }
    }
    const auto sevenLines = dir.Write("seven.txt", text);
    const CliRun json = RunCli(dir.Path(), {"wheel-check", "--game", "lotto", sevenLines.string(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(Contains(json.out, "\"lines\": 7, \"numbers\": 7, \"per_line\": 6"));
    // All seven lines of six from seven: three drawn numbers always meet a line holding all three.
    EXPECT_TRUE(Contains(
        json.out, "{\"drawn\": 3, \"sets\": 35, \"guaranteed\": 3, \"sets_by_best_match\": [0, 0, 0, 35]}"));

    const CliRun table = RunCli(dir.Path(), {"wheel-check", "--game", "lotto", sevenLines.string()});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(Contains(table.out, "7 lines of 6 over 7 numbers"));

    const auto bad = dir.Write("bad.txt", "1 2 3 4 5\n");
    const CliRun refused = RunCli(dir.Path(), {"wheel-check", "--game", "lotto", bad.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Contains(refused.err, "Incorrect Wheel: The Selected Wheel has incorrect numbers in Line"));
    EXPECT_EQ(RunCli(dir.Path(), {"wheel-check", "--game", "thunderball", bad.string()}).status, 0);
}

}  // namespace
}  // namespace quintara
